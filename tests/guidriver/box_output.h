#pragma once
// A message box as the driver saw it, printed exactly as matcalc prints the
// boxes it records: plain (caption, text, blank line) or one JSON line.
#include <string>

namespace guidriver {

struct Box {
  bool ownedByDialog = false;
  std::wstring caption;
  std::wstring text;
};

std::string toUtf8(const std::wstring& text);

std::string formatBox(const Box& box, bool json);

}  // namespace guidriver
