#pragma once
// Opens a file named in UTF-8 for reading its bytes, as the platform spells
// file names: the bytes themselves on Linux, UTF-16 on Windows.
#include <cstdio>
#include <string>

namespace matcalc::console {

// The open file, or nullptr with errno set.
std::FILE* openForReading(const std::string& utf8Path);

}  // namespace matcalc::console
