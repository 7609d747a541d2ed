#include "output.h"

#include <cstdio>

#include "encoding.h"

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

std::string formatMessage(const MessageRecord& box, OutputForm form) {
  const std::string caption = toUtf8(box.caption);
  const std::string text = toUtf8(box.text);
  switch (form) {
    case OutputForm::Plain: return caption + "\n" + text + "\n\n";
    case OutputForm::TextOnly: return text + "\n";
    case OutputForm::Json:
      return std::string("{\"owner\":\"") + (box.owner == Owner::Dialog ? "dialog" : "none") +
             "\",\"caption\":" + jsonString(caption) + ",\"text\":" + jsonString(text) + "}\n";
  }
  return {};
}

}  // namespace matcalc::console
