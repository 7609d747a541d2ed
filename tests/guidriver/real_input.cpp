#include "real_input.h"

namespace guidriver {
namespace {

bool isExtended(unsigned short key) {
  return key == VK_INSERT || key == VK_DELETE || (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_APPS;
}

INPUT keyInput(unsigned short key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (isExtended(key) ? KEYEVENTF_EXTENDEDKEY : 0);
  return input;
}

INPUT mouseInput(DWORD flags, LONG x, LONG y) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = x;
  input.mi.dy = y;
  input.mi.dwFlags = flags;
  return input;
}

}  // namespace

void pressChord(const std::vector<unsigned short>& keys) {
  std::vector<INPUT> inputs;
  for (const unsigned short key : keys) inputs.push_back(keyInput(key, false));
  for (auto it = keys.rbegin(); it != keys.rend(); ++it) inputs.push_back(keyInput(*it, true));
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void typeText(const std::wstring& text) {
  std::vector<INPUT> inputs;
  for (const wchar_t ch : text) {
    if (ch == L'\n') {
      inputs.push_back(keyInput(VK_RETURN, false));
      inputs.push_back(keyInput(VK_RETURN, true));
      continue;
    }
    for (const bool up : {false, true}) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wScan = ch;
      input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
      inputs.push_back(input);
    }
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void doubleClickAt(POINT screen) {
  // Absolute coordinates run from 0 to 65,536 across the screen: the middle
  // of the pixel. Every button event carries the point too: under Wine a late
  // pointer motion from the X server could otherwise move the cursor between
  // the move and the press, and the press would drag a selection instead.
  const LONG width = GetSystemMetrics(SM_CXSCREEN);
  const LONG height = GetSystemMetrics(SM_CYSCREEN);
  const LONG x = static_cast<LONG>((2LL * screen.x + 1) * 65536 / (2LL * width));
  const LONG y = static_cast<LONG>((2LL * screen.y + 1) * 65536 / (2LL * height));
  constexpr DWORD at = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  INPUT move = mouseInput(at, x, y);
  SendInput(1, &move, sizeof(INPUT));
  POINT cursor{};
  for (int wait = 0; wait < 200 && (!GetCursorPos(&cursor) || cursor.x != screen.x || cursor.y != screen.y); ++wait)
    Sleep(10);
  INPUT clicks[] = {mouseInput(at | MOUSEEVENTF_LEFTDOWN, x, y), mouseInput(at | MOUSEEVENTF_LEFTUP, x, y),
                    mouseInput(at | MOUSEEVENTF_LEFTDOWN, x, y), mouseInput(at | MOUSEEVENTF_LEFTUP, x, y)};
  SendInput(4, clicks, sizeof(INPUT));
}

}  // namespace guidriver
