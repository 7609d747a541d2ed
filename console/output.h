#pragma once
// How matcalc prints a message box: its caption line, its text and a blank
// line; one JSON object a line with --json; the text alone for a friendly form.
#include <string>

#include "recording_window.h"

namespace matcalc::console {

enum class OutputForm { Plain, Json, TextOnly };

std::string formatMessage(const MessageRecord& box, OutputForm form);

}  // namespace matcalc::console
