#pragma once
// What a calculator may show: one of its fixed boxes, or a result text of
// the expected form with every number inside the 32-bit range.
#include <string_view>

#include "recording_window.h"

namespace matcalc::fuzz {

// True when `box` is a box the program named `program` may show.
bool isWellFormed(std::string_view program, const MessageRecord& box);

}  // namespace matcalc::fuzz
