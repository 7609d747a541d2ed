#pragma once
// A message box as the driver saw it, printed exactly as matcalc prints the
// boxes it records: plain (caption, text, blank line) or one JSON line.
#include <windows.h>

#include <string>

namespace guidriver {

struct Box {
  bool ownedByDialog = false;
  std::wstring caption;
  std::wstring text;
  bool resultWindow = false;  // the calculator's result window rather than a message box
  RECT rect{};                // on the screen
};

std::string toUtf8(const std::wstring& text);

// With `windowFacts`, a JSON line also tells the kind of window,
// "window":"message box" or "result window", and its "rect":[left, top,
// right, bottom] on the screen.
std::string formatBox(const Box& box, bool json, bool windowFacts);

}  // namespace guidriver
