#include "open_file.h"

namespace matcalc::console {

std::FILE* openForReading(const std::string& utf8Path) { return std::fopen(utf8Path.c_str(), "rb"); }

}  // namespace matcalc::console
