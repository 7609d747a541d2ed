#pragma once
// Keys and clicks as a person gives them: through SendInput, to the window
// in the foreground and the control that has its keyboard focus.
#include <windows.h>

#include <string>
#include <vector>

namespace guidriver {

// Presses the virtual keys in order and releases them in reverse.
void pressChord(const std::vector<unsigned short>& keys);

// Each character as an input method commits it (a VK_PACKET key), and each
// line feed as the Enter key.
void typeText(const std::wstring& text);

// Two clicks of the left button at a point of the screen.
void doubleClickAt(POINT screen);

}  // namespace guidriver
