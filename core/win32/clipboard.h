#pragma once
// Putting a text on the clipboard, as the result window's 复制 and its text
// view's copy do.
#include <windows.h>

#include <string_view>

namespace matcalc {

// Puts `text` on the clipboard as Unicode text (CF_UNICODETEXT), the
// clipboard opened for `window`, which then owns it.
void copyToClipboard(HWND window, std::wstring_view text);

}  // namespace matcalc
