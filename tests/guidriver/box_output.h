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
  int lines = 0;              // a result window's: the lines its text box shows
};

std::string toUtf8(const std::wstring& text);

// With `windowFacts`, a JSON line also tells the kind of window,
// "window":"message box" or "result window", its "rect":[left, top,
// right, bottom] on the screen, and a result window's "lines".
std::string formatBox(const Box& box, bool json, bool windowFacts);

}  // namespace guidriver
