#pragma once
// What a calculator may show: one of its fixed boxes, or a result text of
// the expected form.
#include <string_view>

#include "program_info.h"
#include "recording_window.h"

namespace matcalc::fuzz {

// What the texts of one command allow.
struct Allowed {
  bool rangeError;    // a text has a zero denominator: 32-bit terms
  bool anySize;     // no text has a zero denominator: numbers of any size
};

// What the program's current edit texts allow, read as a command reads them.
Allowed allowedBy(const ProgramInfo& program, Window& dialog);

// True when `box` is a box the program named `program` may show.
bool isWellFormed(std::string_view program, const MessageRecord& box, Allowed allowed);

}  // namespace matcalc::fuzz
