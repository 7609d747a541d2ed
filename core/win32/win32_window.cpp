#include "win32_window.h"

#include <algorithm>
#include <memory>

#include "message_box_fit.h"
#include "reading_characters.h"
#include "result_window.h"
#include "wide_text.h"

namespace matcalc {
namespace {

// UTF-16 to GBK without best fit: a character GBK lacks becomes '?'. With
// no output buffer, returns the length the text needs.
int toGbk(const wchar_t* wide, int units, char* gbk, int size) {
  return WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide, units, gbk, size, "?", nullptr);
}

}  // namespace

// The edit box is read in UTF-16, whole, and converted to GBK here: the
// narrow read would cut a text longer than the buffer before a double-byte
// character and so hide that it is too long, and would map characters GBK
// lacks to look-alikes (² to 2, a soft hyphen to '-'). Without best fit,
// such a character becomes '?', which the reader skips, unless it is one the
// reader reads as an ASCII character (a no-break space, a minus sign): that
// character takes its place, one byte as the '?' would.
std::size_t Win32Window::readText(int id, char* buffer, std::size_t count) {
  if (count == 0) return 0;
  const HWND box = GetDlgItem(dialog_, id);
  // The length may be larger than the text, never smaller; a missing control
  // has none.
  const int room = (box != nullptr ? GetWindowTextLengthW(box) : 0) + 1;
  const std::unique_ptr<wchar_t[]> wide(new wchar_t[static_cast<std::size_t>(room)]);
  const int units = static_cast<int>(GetDlgItemTextW(dialog_, id, wide.get(), room));
  for (int i = 0; i < units; ++i) {
    if (const char standIn = standInWithoutGbk(wide[i])) wide[i] = static_cast<wchar_t>(standIn);
  }
  const int size = units > 0 ? toGbk(wide.get(), units, nullptr, 0) : 0;
  const std::unique_ptr<char[]> gbk(new char[static_cast<std::size_t>(size)]);
  if (size > 0) toGbk(wide.get(), units, gbk.get(), size);
  // As the narrow read would: at most count - 1 bytes and a zero byte, so
  // that a longer text shows as longer than the caller's limit.
  const std::size_t copied = std::min(static_cast<std::size_t>(size), count - 1);
  std::copy_n(gbk.get(), copied, buffer);
  buffer[copied] = '\0';
  return copied;
}

bool Win32Window::isChecked(int id) { return IsDlgButtonChecked(dialog_, id) == BST_CHECKED; }

// A text that fits the screen in a message box is shown in one; a larger
// one (a long result, or one whose matrix rows the box would wrap) in the
// result window, with the same owner and caption. Errors and help texts are
// short, so they are always message boxes.
void Win32Window::showMessage(Owner owner, const char* text, const char* caption) {
  const HWND ownerWindow = owner == Owner::Dialog ? dialog_ : nullptr;
  const std::wstring wideText = wideFromGbk(text);
  const std::wstring wideCaption = wideFromGbk(caption);
  const RECT workArea = boxWorkArea(ownerWindow);
  if (fitsMessageBox(wideText, wideCaption, workArea)) {
    MessageBoxW(ownerWindow, wideText.c_str(), wideCaption.c_str(), MB_OK);
  } else {
    showResultWindow(ownerWindow, wideText, wideCaption, workArea);
  }
}

}  // namespace matcalc
