#pragma once
// The result window: a result too large for a message box, shown whole in a
// read-only text box that scrolls, with 确定 and 复制 (copy).
#include <windows.h>

#include <string>

namespace matcalc {

// Shows `text` (line feeds as line breaks) with `caption`, modally, owned by
// `owner` or by nothing, and centred in `workArea`; returns when the user
// has closed it. Like a message box, it disables its owner while it is
// open; without owner the calculator's dialog stays usable.
void showResultWindow(HWND owner, const std::wstring& text, const std::wstring& caption, const RECT& workArea);

}  // namespace matcalc
