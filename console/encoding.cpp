#include "encoding.h"

#include <iconv.h>

#include <cstdint>

namespace matcalc::console {
namespace {

// One iconv conversion, opened once for a whole text.
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

}  // namespace

std::string editBoxText(std::string_view utf8) {
  Converter toGbk("GBK", "UTF-8");
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t n = sequenceLength(utf8, i);
    if (n == 1) {
      if (utf8[i] == '\n' && (i == 0 || utf8[i - 1] != '\r')) out += '\r';
      out += utf8[i];
    } else if (n == 0 || !toGbk.append(utf8.substr(i, n), out)) {
      out += '?';
    }
    i += n == 0 ? 1 : n;
  }
  return out;
}

std::string toUtf8(std::string_view gbk) {
  Converter fromGbk("UTF-8", "GBK");
  std::string out;
  for (std::size_t i = 0; i < gbk.size();) {
    const auto lead = static_cast<std::uint8_t>(gbk[i]);
    const std::size_t n = lead >= 0x81 && lead <= 0xFE && i + 1 < gbk.size() ? 2 : 1;
    if (n == 1 && lead < 0x80) out += gbk[i];
    else if (!fromGbk.append(gbk.substr(i, n), out)) out += '?';
    i += n;
  }
  return out;
}

}  // namespace matcalc::console
