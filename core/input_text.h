#pragma once
// The input buffer: one edit box's whole text, as the reader reads it, with
// two blanks appended, so that the reader stores the last element of the
// last row.
//
// A matrix is read as people type and paste it:
// - Characters (reading_characters.h): tabs, commas, the no-break,
//   typographic and ideographic spaces and the full-width and ideographic
//   commas are read as blanks; full-width digits as digits; the full-width,
//   division and fraction slashes as '/'; the full-width hyphen-minus and the
//   minus sign as '-'; the full-width and ideographic full stops as '.'.
// - Lines (matrix_lines.h): a line ends at CR LF, at LF or at a lone CR. A
//   line with no digit adds no row, wherever it stands: an empty line, a
//   line of blanks, a final line break, a line of Chinese text. The column
//   count looks at the first line left; a text without a digit reads as an
//   empty one.
// - Decimals (matrix_reader.cpp): a '.' starts the decimal digits of the
//   part being read, the numerator or, after '/', the denominator; a blank,
//   a line break or the '/' ends the part, and a second '.' in it is
//   skipped. An element whose numerator N has a decimal digits and whose
//   denominator D has b is stored as N * 10^b / (D * 10^a): 3.14 as 314/100,
//   1.5/0.25 as 1500/250, just as if typed so.
// - The size limit holds for the text as typed: 65,534 bytes in GBK.
#include <array>
#include <cstddef>
#include <string_view>

#include "status.h"
#include "window.h"

namespace matcalc {

class InputText {
 public:
  // An edit box holds at most 32767 characters, 65534 bytes in GBK.
  static constexpr std::size_t kMaxTextBytes = 65534;

  // Reads edit box `id`, keeps what the reader reads of it and appends two
  // blanks. A text longer than an edit box can hold is refused with
  // Status::TooLarge rather than cut.
  Status read(Window& dialog, int id);

  std::string_view text() const { return {bytes_.data(), length_}; }

 private:
  // One byte more than the longest text, so that a longer one shows, then the
  // two blanks and the zero byte.
  static constexpr std::size_t kCount = kMaxTextBytes + 2;
  std::array<char, kCount + 2> bytes_;  // filled by read(); not cleared, it is large
  std::size_t length_ = 0;
};

}  // namespace matcalc
