#include "win32_window.h"

#include <climits>

namespace matcalc {

std::size_t Win32Window::readText(int id, char* buffer, std::size_t count) {
  if (count == 0) return 0;
  const int limit = count > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(count);
  const UINT copied = GetDlgItemTextA(dialog_, id, buffer, limit);
  // GetDlgItemTextA ends the text with a zero byte, even when it cuts it or
  // when the control is missing (then it copies nothing).
  buffer[copied < static_cast<UINT>(limit) ? copied : static_cast<UINT>(limit) - 1] = '\0';
  return copied < static_cast<UINT>(limit) ? copied : static_cast<std::size_t>(limit) - 1;
}

bool Win32Window::isChecked(int id) { return IsDlgButtonChecked(dialog_, id) == BST_CHECKED; }

void Win32Window::showMessage(Owner owner, const char* text, const char* caption) {
  MessageBoxA(owner == Owner::Dialog ? dialog_ : nullptr, text, caption, MB_OK);
}

}  // namespace matcalc
