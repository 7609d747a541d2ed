#pragma once
// How a message box is printed, from its UTF-8 caption and text: the caption
// line, the text and a blank line; one JSON object a line; or the text alone.
// matcalc and the Windows test driver both print through this, so that the
// same actions give the same lines.
#include <string>

namespace matcalc::console {

enum class OutputForm { Plain, Json, TextOnly };

std::string formatBox(bool ownedByDialog, const std::string& caption, const std::string& text, OutputForm form);

}  // namespace matcalc::console
