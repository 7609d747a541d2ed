#include "message_box_fit.h"

#include <algorithm>

#include "texts.h"
#include "wide_text.h"

namespace matcalc {
namespace {

// The rule for "fits": the text is laid out as a message box lays out its
// own, and the box is measured around it.
//  - The text is in the message box font, broken into lines at its line
//    feeds and by word wrap at the box's wrap width. A word wider than that
//    (a long number) is not broken: it widens the box.
//  - The wrap width is 44 average characters: Wine's box wraps its text at
//    its text control's 176 dialog units; Windows' box wraps wider. The
//    narrowest is taken, since a text that fits at it fits at any wider
//    wrap: its lines are no wider than the wrap or the widest word, and
//    fewer.
//  - A result (caption 计算完毕) of several lines is matrix rows, which a
//    wrapped line would break into pieces that cannot be told apart: it
//    fits only when each of its lines, trailing blank included, is no wider
//    than the wrap width, so that each line of the box is one whole line of
//    the text. A single line (one number), and the help and error texts,
//    may wrap.
//  - Around the text: a margin of two average characters on either side;
//    above it, below it and under the buttons a line's height of space, and
//    the button row two lines high (Wine's box: 24 pixels and buttons twice
//    the text's height); then the caption and the frame of a dialog.
//  - The box fits when it is no wider and no taller than the work area.
// Word wrap takes time in proportion to a line's length times the lines it
// makes: megabytes of text would take minutes. A cheap lower bound settles
// such texts first: a line of the text needs at least the width of its
// characters other than blanks, divided by the widest line of text the box
// can have, in lines (and at least one).
constexpr int kWrapCharacters = 44;
constexpr int kMarginCharacters = 2;
constexpr int kLinesAroundText = 4;  // space above, below and under the buttons, and 2 for the buttons

// The average character width as dialog units take it: the mean of the 52
// Latin letters, rounded.
int averageCharacterWidth(HDC dc) {
  static const wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  SIZE size{};
  GetTextExtentPoint32W(dc, kLetters, 52, &size);
  return static_cast<int>((size.cx + 26) / 52);
}

// The caption and frame a message box adds to its inside.
SIZE boxFrame() {
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, FALSE, WS_EX_DLGMODALFRAME);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

// Calls visit(width, first, last) for each line of the text, [first, last),
// with its width as measured whole, until visit returns false; returns
// whether every line was visited.
template <class Visit>
bool eachLineWidth(HDC dc, const std::wstring& text, Visit visit) {
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    SIZE line{};
    GetTextExtentPoint32W(dc, text.c_str() + start, static_cast<int>(end - start), &line);
    if (!visit(line.cx, start, end)) return false;
    start = end + 1;
  }
  return true;
}

// Whether the text surely needs more than `tallest` pixels of height when no
// line may be wider than `widest`, by the lower bound above.
bool surelyTooTall(HDC dc, const std::wstring& text, LONG widest, LONG tallest, LONG lineHeight) {
  SIZE blank{};
  GetTextExtentPoint32W(dc, L" ", 1, &blank);
  LONG lines = 0;
  return !eachLineWidth(dc, text, [&](LONG width, std::size_t first, std::size_t last) {
    const auto blanks = std::count(text.begin() + static_cast<std::ptrdiff_t>(first),
                                   text.begin() + static_cast<std::ptrdiff_t>(last), L' ');
    lines += 1 + std::max(0L, width - static_cast<LONG>(blanks) * blank.cx - 1) / widest;  // the first, and beyond
    return lines * lineHeight <= tallest;
  });
}

// Whether each line of the text, as measured whole, is no wider than `wrap`.
bool noLineWraps(HDC dc, const std::wstring& text, LONG wrap) {
  return eachLineWidth(dc, text, [wrap](LONG width, std::size_t, std::size_t) { return width <= wrap; });
}

}  // namespace

bool hasSeveralLines(const std::wstring& text) {
  const std::size_t feed = text.find(L'\n');
  return feed != std::wstring::npos && feed + 1 < text.size();
}

RECT boxWorkArea(HWND owner) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(owner != nullptr ? owner : GetActiveWindow(), MONITOR_DEFAULTTOPRIMARY),
                  &monitor);
  return monitor.rcWork;
}

HFONT createMessageFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  return CreateFontIndirectW(&metrics.lfMessageFont);
}

bool fitsMessageBox(const std::wstring& text, const std::wstring& caption, const RECT& workArea) {
  const HDC dc = CreateCompatibleDC(nullptr);
  const HFONT font = createMessageFont();
  const HGDIOBJ previous = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const int average = averageCharacterWidth(dc);
  const SIZE frame = boxFrame();
  const LONG widest = workArea.right - workArea.left - frame.cx - 2 * kMarginCharacters * average;
  const LONG tallest = workArea.bottom - workArea.top - frame.cy - kLinesAroundText * metrics.tmHeight;

  const LONG wrap = kWrapCharacters * average;
  bool fits = widest > 0 && !surelyTooTall(dc, text, widest, tallest, metrics.tmHeight);
  if (fits && hasSeveralLines(text) && caption == wideFromGbk(texts::kResultCaption.c_str())) {
    fits = noLineWraps(dc, text, wrap);
  }
  if (fits) {
    RECT laidOut{0, 0, wrap, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &laidOut,
              DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    fits = laidOut.right <= widest && laidOut.bottom <= tallest;
  }

  SelectObject(dc, previous);
  DeleteObject(font);
  DeleteDC(dc);
  return fits;
}

}  // namespace matcalc
