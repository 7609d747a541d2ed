#pragma once
// Finding and reading the calculator's dialog windows from another process.
#include <windows.h>

#include <string>
#include <vector>

namespace guidriver {

// How long the driver waits for the calculator at any one step.
inline constexpr DWORD kStepTimeoutMs = 20000;

// The top-level dialog-class (#32770) windows of process `pid`, topmost
// first: the calculator's dialog and its message boxes.
std::vector<HWND> dialogWindows(DWORD pid);

// Whether the thread of `window` answers a sent message within the step
// timeout, i.e. is waiting in a message loop.
bool answers(HWND window);

// The window's text through WM_GETTEXT, which Windows carries across
// processes.
std::wstring windowText(HWND window);

// The text box of a calculator's result window, or null when `box` is a
// message box.
HWND resultTextBox(HWND box);

// The text of a message box: that of its first static control that is not
// an icon (the text control's identifier differs between Windows versions).
// Of a result window: that of its text box, each CR LF back to a line feed,
// which is exactly the text a message box would have shown.
std::wstring messageBoxText(HWND box);

}  // namespace guidriver
