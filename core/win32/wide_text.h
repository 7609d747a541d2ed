#pragma once
// The calculators keep every text in GBK; Windows gets each one in UTF-16,
// converted here explicitly from code page 936, so that the texts show the
// same whatever the system's code page for non-Unicode programs.
#include <windows.h>

#include <string>

namespace matcalc {

// The calculators' code page: GBK.
inline constexpr UINT kGbkCodePage = 936;

// A zero-ended GBK text in UTF-16. A byte sequence GBK does not define
// becomes U+FFFD or the character the system maps it to.
std::wstring wideFromGbk(const char* gbk);

}  // namespace matcalc
