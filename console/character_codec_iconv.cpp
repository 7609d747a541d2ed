#include "character_codec.h"

#include <iconv.h>

namespace matcalc::console {
namespace {

// One iconv conversion, opened once for each thread that converts.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (usable()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Appends the conversion of one character; false when it has none.
  bool append(std::string_view in, std::string& out) {
    if (!usable()) return false;
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char buffer[16];
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    const bool ok = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    if (ok) out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    return ok;
  }

 private:
  bool usable() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t cd_;
};

}  // namespace

bool appendGbk(std::string_view utf8Character, std::string& out) {
  thread_local Converter toGbk("GBK", "UTF-8");
  return toGbk.append(utf8Character, out);
}

bool appendUtf8(std::string_view gbkCharacter, std::string& out) {
  thread_local Converter fromGbk("UTF-8", "GBK");
  return fromGbk.append(gbkCharacter, out);
}

}  // namespace matcalc::console
