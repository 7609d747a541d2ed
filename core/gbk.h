#pragma once
// The system's texts are written here in UTF-8 and reach the window functions
// as GBK (code page 936) bytes. gbk() converts a UTF-8 literal at compile time
// through a table of the characters the texts use; a character missing from
// the table stops the build.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "gbk_table.h"

namespace matcalc {

template <std::size_t N>
struct GbkText {
  std::array<char, N> bytes{};  // zero-terminated; GBK is never longer than UTF-8
  std::size_t size = 0;

  constexpr const char* c_str() const { return bytes.data(); }
  constexpr std::string_view view() const { return {bytes.data(), size}; }
};

namespace detail {

constexpr std::uint16_t gbkCode(char32_t cp) {
  for (const GbkEntry& e : kGbkTable) {
    if (e.codePoint == cp) return e.gbk;
  }
  throw "character missing from the GBK table (run scripts/gen-gbk-table)";
}

}  // namespace detail

template <std::size_t N>
consteval GbkText<N> gbk(const char (&utf8)[N]) {
  GbkText<N> out;
  std::size_t i = 0;
  while (i + 1 < N) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      out.bytes[out.size++] = static_cast<char>(lead);
      ++i;
      continue;
    }
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    char32_t cp = lead & (length == 2 ? 0x1F : length == 3 ? 0x0F : 0x07);
    for (std::size_t k = 1; k < length; ++k) cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    const std::uint16_t code = detail::gbkCode(cp);
    out.bytes[out.size++] = static_cast<char>(code >> 8);
    out.bytes[out.size++] = static_cast<char>(code & 0xFF);
    i += length;
  }
  return out;
}

}  // namespace matcalc
