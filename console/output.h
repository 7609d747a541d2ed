#pragma once
// How matcalc prints a box it recorded: its GBK texts in UTF-8, in one of
// the forms of box_text.h.
#include <string>

#include "box_text.h"
#include "recording_window.h"

namespace matcalc::console {

std::string formatMessage(const MessageRecord& box, OutputForm form);

}  // namespace matcalc::console
