#include "box_output.h"

#include <windows.h>

#include "box_text.h"

namespace guidriver {

std::string toUtf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, out.data(), n, nullptr, nullptr);
  return out;
}

std::string formatBox(const Box& box, bool json, bool windowFacts) {
  using matcalc::console::OutputForm;
  std::string out = matcalc::console::formatBox(box.ownedByDialog, toUtf8(box.caption), toUtf8(box.text),
                                                json ? OutputForm::Json : OutputForm::Plain);
  if (json && windowFacts) {
    const RECT& r = box.rect;
    out.insert(out.size() - 2, std::string(",\"window\":\"") + (box.resultWindow ? "result window" : "message box") +
                                   "\",\"rect\":[" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                                   std::to_string(r.right) + "," + std::to_string(r.bottom) + "]" +
                                   (box.resultWindow ? ",\"lines\":" + std::to_string(box.lines) : ""));
  }
  return out;
}

}  // namespace guidriver
