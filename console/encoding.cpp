#include "encoding.h"

#include <cstdint>

#include "character_codec.h"
#include "reading_characters.h"

namespace matcalc::console {
namespace {

// Length of the UTF-8 sequence starting at `lead`, or 0 when it is not one.
std::size_t sequenceLength(std::string_view s, std::size_t i) {
  const auto lead = static_cast<std::uint8_t>(s[i]);
  const std::size_t n = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
  if (n == 0 || i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k) {
    if ((static_cast<std::uint8_t>(s[i + k]) & 0xC0) != 0x80) return 0;
  }
  return n;
}

// The code point of a well-formed UTF-8 sequence.
char32_t codePoint(std::string_view sequence) {
  const auto lead = static_cast<std::uint8_t>(sequence[0]);
  char32_t cp = sequence.size() == 1 ? lead : lead & (0x7F >> sequence.size());
  for (std::size_t k = 1; k < sequence.size(); ++k) cp = (cp << 6) | (static_cast<std::uint8_t>(sequence[k]) & 0x3F);
  return cp;
}

}  // namespace

std::string editBoxText(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t n = sequenceLength(utf8, i);
    if (n == 1) {
      if (utf8[i] == '\n' && (i == 0 || utf8[i - 1] != '\r')) out += '\r';
      out += utf8[i];
    } else if (n == 0) {
      out += '?';
    } else if (!appendGbk(utf8.substr(i, n), out)) {
      const char standIn = standInWithoutGbk(codePoint(utf8.substr(i, n)));
      out += standIn != '\0' ? standIn : '?';
    }
    i += n == 0 ? 1 : n;
  }
  return out;
}

std::string toUtf8(std::string_view gbk) {
  std::string out;
  for (std::size_t i = 0; i < gbk.size();) {
    const auto lead = static_cast<std::uint8_t>(gbk[i]);
    const std::size_t n = lead >= 0x81 && lead <= 0xFE && i + 1 < gbk.size() ? 2 : 1;
    if (n == 1 && lead < 0x80) out += gbk[i];
    else if (!appendUtf8(gbk.substr(i, n), out)) out += '?';
    i += n;
  }
  return out;
}

}  // namespace matcalc::console
