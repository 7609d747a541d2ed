#include "matrix_lines.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "reading_characters.h"

namespace matcalc {
namespace {

// A GBK double-byte character: a lead byte, then a trail byte.
constexpr bool isLeadByte(int b) { return b >= 0x81 && b <= 0xFE; }
constexpr bool isTrailByte(int b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }
constexpr bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }

// Markers for the lead byte of a double-byte character: of one that may stand
// for an ASCII character, and of any other.
constexpr char kStandInLead = '\x81';
constexpr char kOtherLead = '\x82';

constexpr bool leadsStandIn(int lead) {
  for (const StandIn& s : kStandIns) {
    if (s.gbk >> 8 == lead) return true;
  }
  return false;
}

// For each byte: the character the reader reads it as, '\0' for one it
// skips, or a lead byte's marker; line feeds and carriage returns as they
// are.
constexpr std::array<char, 256> kByteReading = [] {
  std::array<char, 256> reading{};
  for (int b = 0; b < 256; ++b) {
    const char ch = static_cast<char>(b);
    if (isDigit(ch) || ch == '/' || ch == '-' || ch == '.' || ch == ' ' || ch == '\r' || ch == '\n') {
      reading[b] = ch;
    } else if (b < 0x80) {
      reading[b] = standInForGbk(static_cast<std::uint16_t>(b));
    } else if (isLeadByte(b)) {
      reading[b] = leadsStandIn(b) ? kStandInLead : kOtherLead;
    }
  }
  return reading;
}();

// The character that the byte at text[i] begins is read as; i moves past it.
char readCharacter(const char* text, std::size_t length, std::size_t& i) {
  const auto byte = static_cast<unsigned char>(text[i++]);
  const char ch = kByteReading[byte];
  if (ch != kStandInLead && ch != kOtherLead) return ch;
  if (i == length || !isTrailByte(static_cast<unsigned char>(text[i]))) return '\0';
  const auto trail = static_cast<unsigned char>(text[i++]);
  return ch == kStandInLead ? standInForGbk(static_cast<std::uint16_t>(byte << 8 | trail)) : '\0';
}

// Eight bytes at a time, for the long runs of digits and of blanks that
// long numbers and pasted texts hold.
std::uint64_t eightBytes(const char* p) {
  std::uint64_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
bool eightDigits(std::uint64_t v) {
  constexpr std::uint64_t kHigh = 0xF0F0F0F0F0F0F0F0, kSix = 0x0606060606060606, kThrees = 0x3333333333333333;
  return ((v & kHigh) | (((v + kSix) & kHigh) >> 4)) == kThrees;
}
constexpr std::uint64_t kEightBlanks = 0x2020202020202020;

}  // namespace

// One pass, writing each kept character at or before the byte just read. A
// line is written after the lines kept, behind the carriage return that
// joins it to them, and is taken back at its end if it holds no digit. Of a
// run of blanks one is kept: the reader acts on the first alone.
std::size_t keepMatrixLines(char* text, std::size_t length) {
  std::size_t end = 0;        // the end of what is kept
  std::size_t lineStart = 0;  // where the line being read begins in it, with its break
  bool lineHasDigit = false;
  char last = '\0';  // the last character kept
  for (std::size_t i = 0; i < length;) {
    const char ch = readCharacter(text, length, i);
    if (isDigit(ch)) {
      lineHasDigit = true;
      text[end++] = ch;
      for (std::uint64_t v; i + 8 <= length && eightDigits(v = eightBytes(text + i)); i += 8, end += 8) {
        std::memcpy(text + end, &v, sizeof v);
      }
      while (i < length && isDigit(text[i])) text[end++] = text[i++];
      last = '0';
    } else if (ch == ' ') {
      if (last != ' ') text[end++] = ' ';
      while (i + 8 <= length && eightBytes(text + i) == kEightBlanks) i += 8;
      last = ' ';
    } else if (ch == '\r' || ch == '\n') {
      if (ch == '\r' && i < length && text[i] == '\n') ++i;
      if (!lineHasDigit) end = lineStart;
      lineStart = end;
      lineHasDigit = false;
      if (end > 0) text[end++] = '\r';
      last = '\r';
    } else if (ch != '\0') {
      text[end++] = ch;
      last = ch;
    }
  }
  return lineHasDigit ? end : lineStart;
}

}  // namespace matcalc
