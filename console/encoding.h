#pragma once
// Conversions between the console's UTF-8 and the GBK bytes of the window seam.
#include <string>
#include <string_view>

namespace matcalc::console {

// UTF-8 to GBK, as an edit box would hand the text to the program: each line
// feed becomes carriage return and line feed (one already preceded by a
// carriage return stays as it is); a character GBK lacks, or a byte that is
// not UTF-8, becomes "?", but for one that the reader reads as an ASCII
// character (reading_characters.h), which becomes that character.
std::string editBoxText(std::string_view utf8);

// GBK to UTF-8, for showing what a message box says.
std::string toUtf8(std::string_view gbk);

}  // namespace matcalc::console
