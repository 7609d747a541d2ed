#pragma once
// The window seam on a real dialog. Every text reaches Windows in UTF-16:
// edit boxes are read in UTF-16 and converted to GBK, so that the text is
// exactly what the box holds; messages are converted from GBK and shown in a
// message box, or in the result window when a message box would not fit the
// screen.
#include <windows.h>

#include "window.h"

namespace matcalc {

class Win32Window : public Window {
 public:
  explicit Win32Window(HWND dialog) : dialog_(dialog) {}

  std::size_t readText(int id, char* buffer, std::size_t count) override;
  bool isChecked(int id) override;
  void showMessage(Owner owner, const char* text, const char* caption) override;

 private:
  HWND dialog_;
};

}  // namespace matcalc
