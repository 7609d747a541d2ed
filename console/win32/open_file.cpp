// A narrow file name on Windows is read in the ANSI code page, which cannot
// spell every name: the UTF-8 name is opened as UTF-16.
#include "open_file.h"

#include "utf8_text.h"

namespace matcalc::console {

std::FILE* openForReading(const std::string& utf8Path) { return _wfopen(wideFromUtf8(utf8Path).c_str(), L"rb"); }

}  // namespace matcalc::console
