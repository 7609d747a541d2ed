// The characters of the console's UTF-8 and of the window seam's GBK, through
// Windows' own tables: code page 936 is named rather than taken from the
// system's ANSI code page, so that matcalc.exe types and reads what the
// calculators' windows hold on a Simplified Chinese Windows, whatever the
// system it runs on.
#include "character_codec.h"

#include <windows.h>

namespace matcalc::console {
namespace {

constexpr UINT kGbkCodePage = 936;

// One character from `codePage` into `wide` (room for a surrogate pair);
// its length in UTF-16 units, 0 when the bytes are no character.
int toWide(UINT codePage, std::string_view character, wchar_t (&wide)[2]) {
  return MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, character.data(), static_cast<int>(character.size()),
                             wide, 2);
}

}  // namespace

bool appendGbk(std::string_view utf8Character, std::string& out) {
  wchar_t wide[2];
  const int units = toWide(CP_UTF8, utf8Character, wide);
  if (units == 0) return false;
  // No best fit: a character GBK lacks is not swapped for a look-alike (such
  // as an accented letter for its plain one); it becomes the default
  // character, which tells that it is missing.
  char gbk[8];
  BOOL missing = FALSE;
  const int n = WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide, units, gbk, sizeof gbk, "?", &missing);
  if (n == 0 || missing) return false;
  out.append(gbk, static_cast<std::size_t>(n));
  return true;
}

bool appendUtf8(std::string_view gbkCharacter, std::string& out) {
  wchar_t wide[2];
  const int units = toWide(kGbkCodePage, gbkCharacter, wide);
  if (units == 0) return false;
  char utf8[8];
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide, units, utf8, sizeof utf8, nullptr, nullptr);
  if (n == 0) return false;
  out.append(utf8, static_cast<std::size_t>(n));
  return true;
}

}  // namespace matcalc::console
