#pragma once
// Whether a message box can show a text on the screen: measured in the
// message box's font against the work area of the monitor it opens on.
#include <windows.h>

#include <string>

namespace matcalc {

// The work area (the monitor less the task bar) of the monitor on which a
// box owned by `owner` opens; without owner, the active window's, as a
// message box does.
RECT boxWorkArea(HWND owner);

// The font of message boxes, from the system's non-client metrics. The
// caller deletes it.
HFONT createMessageFont();

// Whether a text has several lines: a line feed before its last character.
// One line, with or without a line feed after it, is a single line.
bool hasSeveralLines(const std::wstring& text);

// Whether a message box showing `text` (line feeds as line breaks) with
// `caption` lies within `workArea`, and, for a result (its caption 计算完毕)
// of several lines, shows each of its lines unwrapped.
bool fitsMessageBox(const std::wstring& text, const std::wstring& caption, const RECT& workArea);

}  // namespace matcalc
