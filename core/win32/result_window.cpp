#include "result_window.h"

#include <algorithm>

#include "clipboard.h"
#include "message_box_fit.h"
#include "result_window_ids.h"
#include "text_view.h"

namespace matcalc {
namespace {

// An open result window's text and state. It lives in showResultWindow for
// as long as the window's modal loop runs; the window finds it in DWLP_USER.
struct ResultWindow {
  std::wstring text;  // CR LF line ends: the text box breaks lines there, and the clipboard wants them
  const std::wstring& caption;
  RECT workArea;
  bool rows;  // a text of several lines: one line a row, never wrapped
  // The text box's font: the message box font, so that a result reads as in
  // the box the window stands in for; its digits are of one width, so the
  // lines of a long number wrap evenly.
  HFONT font;
  SIZE smallest{};  // the template's size: the window cannot be made smaller
};

// The box's text with every line feed as carriage return and line feed.
std::wstring withCrLf(const std::wstring& text) {
  std::wstring out;
  out.reserve(text.size() + static_cast<std::size_t>(std::count(text.begin(), text.end(), L'\n')));
  for (const wchar_t ch : text) {
    if (ch == L'\n') out += L'\r';
    out += ch;
  }
  return out;
}

HWND textBox(HWND window) {
  const HWND rows = GetDlgItem(window, MATCALC_RESULT_ROWS);
  return rows != nullptr ? rows : GetDlgItem(window, MATCALC_RESULT_WRAPPED);
}

SIZE sizeOf(const RECT& r) { return {r.right - r.left, r.bottom - r.top}; }

SIZE windowSize(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return sizeOf(r);
}

// The text box fills the window above 复制 and 确定, which stand at the
// bottom right; 7 dialog units of margin, 4 between the buttons.
void layOut(HWND window) {
  const HWND ok = GetDlgItem(window, IDOK);
  const HWND copy = GetDlgItem(window, MATCALC_RESULT_COPY);
  const HWND box = textBox(window);
  if (ok == nullptr || copy == nullptr || box == nullptr) return;  // not all created yet
  RECT client{};
  GetClientRect(window, &client);
  RECT units{7, 7, 4, 0};  // margin x, margin y, gap
  MapDialogRect(window, &units);
  const SIZE button = windowSize(ok);
  const int top = client.bottom - units.top - button.cy;
  const int okLeft = client.right - units.left - button.cx;
  MoveWindow(ok, okLeft, top, button.cx, button.cy, TRUE);
  MoveWindow(copy, okLeft - units.right - button.cx, top, button.cx, button.cy, TRUE);
  MoveWindow(box, units.left, units.top, std::max(0L, client.right - 2 * units.left),
             std::max(0L, top - 2 * units.top), TRUE);
}

// The room the text needs, as the text box has laid it out. Rows: the
// widest line (a table as drawn) and one line a row (the text box also has
// the empty line after the last line feed). Wrapped: `width`, and as many
// lines as the text's width takes there, with one more for the break after
// a heading. Half a line more for the text box's inner margins.
SIZE textExtent(HWND box, bool rows, LONG width) {
  SIZE line{};
  SendMessageW(box, kTextViewExtent, 0, reinterpret_cast<LPARAM>(&line));
  const LONG lines =
      rows ? static_cast<LONG>(SendMessageW(box, EM_GETLINECOUNT, 0, 0)) : line.cx / std::max(1L, width) + 2;
  return {rows ? line.cx : width, lines * line.cy + line.cy / 2};
}

// Opens the window as large as its text needs, within nine tenths of the
// work area and no smaller than its template, centred in the work area. A
// wrapped text gets two thirds of the work area's width.
void place(HWND window, const ResultWindow& shown) {
  const SIZE work = sizeOf(shown.workArea);
  const SIZE largest{work.cx * 9 / 10, work.cy * 9 / 10};
  layOut(window);
  const SIZE frame = windowSize(window);
  const SIZE box = windowSize(textBox(window));
  // Around the text: the window's frame, margins and buttons; the text
  // box's border, its scroll bars and a character's room for its margins.
  const SIZE around{frame.cx - box.cx + 2 * GetSystemMetrics(SM_CXEDGE) + GetSystemMetrics(SM_CXVSCROLL) +
                        LOWORD(GetDialogBaseUnits()),
                    frame.cy - box.cy + 2 * GetSystemMetrics(SM_CYEDGE) +
                        (shown.rows ? GetSystemMetrics(SM_CYHSCROLL) : 0)};
  const SIZE text = textExtent(textBox(window), shown.rows, work.cx * 2 / 3 - around.cx);
  const SIZE size{std::clamp(text.cx + around.cx, shown.smallest.cx, std::max(shown.smallest.cx, largest.cx)),
                  std::clamp(text.cy + around.cy, shown.smallest.cy, std::max(shown.smallest.cy, largest.cy))};
  SetWindowPos(window, nullptr, shown.workArea.left + (work.cx - size.cx) / 2,
               shown.workArea.top + (work.cy - size.cy) / 2, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Fills the window: its caption, the text box the text needs (the other
// one goes), the text whole, then the size and place the text box's layout
// asks for.
void initResultWindow(HWND window, ResultWindow& shown) {
  SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(&shown));
  shown.smallest = windowSize(window);
  SetWindowTextW(window, shown.caption.c_str());
  DestroyWindow(GetDlgItem(window, shown.rows ? MATCALC_RESULT_WRAPPED : MATCALC_RESULT_ROWS));
  const HWND box = textBox(window);
  SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(shown.font), FALSE);
  SetWindowTextW(box, shown.text.c_str());
  place(window, shown);
  SetFocus(box);
}

// The result window's dialog procedure. 确定 (IDOK) is the default button,
// so Enter closes the window; Escape arrives as IDCANCEL (the text box
// leaves it to the dialog) and the caption's close button as WM_CLOSE, and
// both close it too.
INT_PTR CALLBACK resultWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* shown = reinterpret_cast<ResultWindow*>(GetWindowLongPtrW(window, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      initResultWindow(window, *reinterpret_cast<ResultWindow*>(lParam));
      return FALSE;  // the focus is set: in the text box, the caret at the start, nothing selected
    case WM_SIZE:
      layOut(window);
      return TRUE;
    case WM_GETMINMAXINFO:
      if (shown == nullptr) return FALSE;  // before WM_INITDIALOG
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {shown->smallest.cx, shown->smallest.cy};
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case MATCALC_RESULT_COPY:
          copyToClipboard(window, shown->text);  // always the whole text, whatever is selected
          return TRUE;
        case IDOK:
        case IDCANCEL:
          EndDialog(window, IDOK);
          return TRUE;
        default:
          return FALSE;
      }
    case WM_CLOSE:
      EndDialog(window, IDOK);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

void showResultWindow(HWND owner, const std::wstring& text, const std::wstring& caption, const RECT& workArea) {
  ResultWindow shown{withCrLf(text), caption, workArea, hasSeveralLines(text), createMessageFont()};
  registerTextView(GetModuleHandleW(nullptr));
  DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(MATCALC_RESULT_WINDOW), owner, resultWindowProc,
                  reinterpret_cast<LPARAM>(&shown));
  DeleteObject(shown.font);
}

}  // namespace matcalc
