#pragma once
// Whole texts between UTF-8 and Windows' UTF-16, for the command line and
// file names. An ill-formed sequence becomes U+FFFD.
#include <string>
#include <string_view>

namespace matcalc::console {

std::wstring wideFromUtf8(std::string_view utf8);
std::string utf8FromWide(std::wstring_view wide);

}  // namespace matcalc::console
