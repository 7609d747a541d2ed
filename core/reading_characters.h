#pragma once
// The characters that are read as an ASCII character they stand for: blanks,
// digits and signs as a Chinese input method, a spreadsheet or a web page
// writes them. Every other character is read as itself (input_text.h tells
// the whole rule).
#include <cstdint>

namespace matcalc {

struct StandIn {
  char32_t codePoint;
  std::uint16_t gbk;  // its code in GBK: the byte of an ASCII character, 0 when GBK lacks it
  char ascii;         // the character it is read as
};

inline constexpr StandIn kStandIns[] = {
    // Read as a blank: tab, the no-break and typographic spaces, the
    // ideographic space, and commas.
    {0x0009, 0x09, ' '},    // tab
    {0x002C, 0x2C, ' '},    // ,
    {0x00A0, 0, ' '},       // no-break space
    {0x2000, 0, ' '},       // en quad
    {0x2001, 0, ' '},       // em quad
    {0x2002, 0, ' '},       // en space
    {0x2003, 0, ' '},       // em space
    {0x2004, 0, ' '},       // three-per-em space
    {0x2005, 0, ' '},       // four-per-em space
    {0x2006, 0, ' '},       // six-per-em space
    {0x2007, 0, ' '},       // figure space
    {0x2008, 0, ' '},       // punctuation space
    {0x2009, 0, ' '},       // thin space
    {0x200A, 0, ' '},       // hair space
    {0x202F, 0, ' '},       // narrow no-break space
    {0x205F, 0, ' '},       // medium mathematical space
    {0x3000, 0xA1A1, ' '},  // ideographic space
    {0xFF0C, 0xA3AC, ' '},  // full-width comma
    {0x3001, 0xA1A2, ' '},  // ideographic comma
    // Full-width digits.
    {0xFF10, 0xA3B0, '0'},
    {0xFF11, 0xA3B1, '1'},
    {0xFF12, 0xA3B2, '2'},
    {0xFF13, 0xA3B3, '3'},
    {0xFF14, 0xA3B4, '4'},
    {0xFF15, 0xA3B5, '5'},
    {0xFF16, 0xA3B6, '6'},
    {0xFF17, 0xA3B7, '7'},
    {0xFF18, 0xA3B8, '8'},
    {0xFF19, 0xA3B9, '9'},
    // Slashes, minus signs and full stops.
    {0xFF0F, 0xA3AF, '/'},  // full-width slash
    {0x2215, 0xA84D, '/'},  // division slash
    {0x2044, 0, '/'},       // fraction slash
    {0xFF0D, 0xA3AD, '-'},  // full-width hyphen-minus
    {0x2212, 0, '-'},       // minus sign
    {0xFF0E, 0xA3AE, '.'},  // full-width full stop
    {0x3002, 0xA1A3, '.'},  // ideographic full stop
};

namespace detail {

// The least and the greatest code point of a stand-in that GBK lacks: most
// characters of a text lie outside and need no search.
constexpr char32_t kWithoutGbkLeast = [] {
  char32_t least = 0x10FFFF;
  for (const StandIn& s : kStandIns) least = s.gbk == 0 && s.codePoint < least ? s.codePoint : least;
  return least;
}();
constexpr char32_t kWithoutGbkGreatest = [] {
  char32_t greatest = 0;
  for (const StandIn& s : kStandIns) greatest = s.gbk == 0 && s.codePoint > greatest ? s.codePoint : greatest;
  return greatest;
}();

}  // namespace detail

// What a conversion into GBK writes for a character GBK lacks, in place of
// the '?' that tells it is missing: the ASCII character it stands for, or
// '\0' when it stands for none. Such a character takes one byte either way.
constexpr char standInWithoutGbk(char32_t codePoint) {
  if (codePoint < detail::kWithoutGbkLeast || codePoint > detail::kWithoutGbkGreatest) return '\0';
  for (const StandIn& s : kStandIns) {
    if (s.codePoint == codePoint && s.gbk == 0) return s.ascii;
  }
  return '\0';
}

// The ASCII character that a GBK character (one byte, or a lead byte and a
// trail byte as one code) stands for, or '\0' when it stands for none.
constexpr char standInForGbk(std::uint16_t gbk) {
  for (const StandIn& s : kStandIns) {
    if (s.gbk == gbk && gbk != 0) return s.ascii;
  }
  return '\0';
}

}  // namespace matcalc
