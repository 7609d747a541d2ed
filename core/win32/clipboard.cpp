#include "clipboard.h"

#include <cstring>

namespace matcalc {
namespace {

// Opens the clipboard for `window`. Another program (a clipboard manager,
// a remote desktop's) may hold it open for a moment: tried for half a second.
bool openClipboard(HWND window) {
  for (int attempt = 0; attempt < 25; ++attempt) {
    if (OpenClipboard(window)) return true;
    Sleep(20);
  }
  return false;
}

}  // namespace

void copyToClipboard(HWND window, std::wstring_view text) {
  const std::size_t bytes = text.size() * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes + sizeof(wchar_t));
  auto* locked = memory != nullptr ? static_cast<wchar_t*>(GlobalLock(memory)) : nullptr;
  if (locked == nullptr) {
    if (memory != nullptr) GlobalFree(memory);
    return;
  }
  std::memcpy(locked, text.data(), bytes);
  locked[text.size()] = L'\0';
  GlobalUnlock(memory);
  if (openClipboard(window)) {
    EmptyClipboard();
    if (SetClipboardData(CF_UNICODETEXT, memory) != nullptr) memory = nullptr;  // the clipboard's now
    CloseClipboard();
  }
  if (memory != nullptr) GlobalFree(memory);
}

}  // namespace matcalc
