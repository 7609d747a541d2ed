#include "box_text.h"

#include <cstdio>

namespace matcalc::console {
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

std::string formatBox(bool ownedByDialog, const std::string& caption, const std::string& text, OutputForm form) {
  switch (form) {
    case OutputForm::Plain: return caption + "\n" + text + "\n\n";
    case OutputForm::TextOnly: return text + "\n";
    case OutputForm::Json:
      return std::string("{\"owner\":\"") + (ownedByDialog ? "dialog" : "none") + "\",\"caption\":" + jsonString(caption) +
             ",\"text\":" + jsonString(text) + "}\n";
  }
  return {};
}

}  // namespace matcalc::console
