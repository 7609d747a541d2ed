#include "box_output.h"

#include <windows.h>

#include <cstdio>

namespace guidriver {
namespace {

std::string jsonString(const std::string& s) {
  std::string out = "\"";
  for (const char ch : s) {
    switch (ch) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(ch) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(ch));
          out += escaped;
        } else {
          out += ch;
        }
    }
  }
  return out + "\"";
}

}  // namespace

std::string toUtf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, out.data(), n, nullptr, nullptr);
  return out;
}

std::string formatBox(const Box& box, bool json) {
  const std::string caption = toUtf8(box.caption);
  const std::string text = toUtf8(box.text);
  if (!json) return caption + "\n" + text + "\n\n";
  return std::string("{\"owner\":\"") + (box.ownedByDialog ? "dialog" : "none") + "\",\"caption\":" + jsonString(caption) +
         ",\"text\":" + jsonString(text) + "}\n";
}

}  // namespace guidriver
