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

void doubleClickAt(POINT screen) {
  // Absolute coordinates run from 0 to 65,536 across the screen: the middle
  // of the pixel.
  const LONG width = GetSystemMetrics(SM_CXSCREEN);
  const LONG height = GetSystemMetrics(SM_CYSCREEN);
  const LONG x = static_cast<LONG>((2LL * screen.x + 1) * 65536 / (2LL * width));
  const LONG y = static_cast<LONG>((2LL * screen.y + 1) * 65536 / (2LL * height));
  INPUT inputs[] = {mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y), mouseInput(MOUSEEVENTF_LEFTDOWN, 0, 0),
                    mouseInput(MOUSEEVENTF_LEFTUP, 0, 0), mouseInput(MOUSEEVENTF_LEFTDOWN, 0, 0),
                    mouseInput(MOUSEEVENTF_LEFTUP, 0, 0)};
  SendInput(5, inputs, sizeof(INPUT));
}

}  // namespace guidriver
