#pragma once
// The text of an edit box rewritten as the reader reads it: each character
// as the ASCII character it stands for (reading_characters.h), and only the
// lines that hold a digit (input_text.h tells the whole rule).
#include <cstddef>

namespace matcalc {

// Rewrites the GBK text in place and returns its new length, never more than
// `length`. What is left holds only the characters the reader acts on
// (digits, blanks, '/', '-', '.'), every other character being one it skips;
// its lines are the lines of the text that hold a digit, in their order,
// joined by single carriage returns, with none before the first or after the
// last. A line ends at CR LF, at LF or at a lone CR.
std::size_t keepMatrixLines(char* text, std::size_t length);

}  // namespace matcalc
