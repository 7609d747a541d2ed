#include "wide_text.h"

namespace matcalc {

std::wstring wideFromGbk(const char* gbk) {
  const int units = MultiByteToWideChar(kGbkCodePage, 0, gbk, -1, nullptr, 0);
  if (units <= 1) return {};
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(kGbkCodePage, 0, gbk, -1, wide.data(), units);
  wide.pop_back();  // the zero the conversion wrote
  return wide;
}

}  // namespace matcalc
