#include "text_view.h"

#include <windowsx.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "clipboard.h"
#include "result_window_ids.h"
#include "text_layout.h"

namespace matcalc {
namespace {

struct TextView {
  TextView(HWND handle, bool wrapped) : window(handle), wrap(wrapped) {}

  HWND window;
  bool wrap;
  HFONT font = nullptr;  // null: the system font
  std::wstring text;
  TextLayout layout;
  // Each UTF-16 unit's advance in the font, measured when first met (-1
  // before). The calculators' texts come from GBK, so they hold no
  // surrogate pairs.
  std::vector<int> advances = std::vector<int>(0x10000, -1);
  int lineHeight = 1;
  int step = 1;        // a sideways line step: an average character's width
  int caretWidth = 1;
  int top = 0;         // the first line shown
  int left = 0;        // how many pixels the lines are scrolled sideways
  int wheelRest[2] = {0, 0};  // wheel turns of less than a notch, vertical and sideways
  // The selection, from anchor to caret (positions in the text); nothing
  // is selected when they are equal.
  std::size_t anchor = 0;
  std::size_t caret = 0;
  int goalX = -1;  // where Up and Down keep the caret across shorter lines; -1: where it stands
};

TextView* viewOf(HWND window) { return reinterpret_cast<TextView*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

HGDIOBJ fontOf(const TextView& view) {
  return view.font != nullptr ? static_cast<HGDIOBJ>(view.font) : GetStockObject(SYSTEM_FONT);
}

int advance(const TextView& view, wchar_t ch) { return view.advances[static_cast<unsigned short>(ch)]; }

// Where the text goes: the client area less a margin of an edge's width on
// the left, at the top and on the right.
RECT textRect(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  const int margin = GetSystemMetrics(SM_CXEDGE);
  r.left += margin;
  r.top += margin;
  r.right = std::max(r.left, r.right - margin);
  r.bottom = std::max(r.top, r.bottom);
  return r;
}

// Lines that fit the view whole (at least one), and the width of its text.
int pageLines(const TextView& view) {
  const RECT r = textRect(view.window);
  return std::max(1, static_cast<int>(r.bottom - r.top) / view.lineHeight);
}

int pageWidth(const TextView& view) {
  const RECT r = textRect(view.window);
  return std::max(1, static_cast<int>(r.right - r.left));
}

int lineCount(const TextView& view) { return static_cast<int>(view.layout.lineCount()); }
int lastTop(const TextView& view) { return std::max(0, lineCount(view) - pageLines(view)); }
int lastLeft(const TextView& view) { return std::max(0, view.layout.width() - pageWidth(view)); }

// Where the caret before `position` stands in the client area.
POINT pointOf(const TextView& view, std::size_t position) {
  const RECT r = textRect(view.window);
  const std::size_t line = view.layout.lineOf(position);
  return {r.left - view.left + view.layout.xOf(line, position),
          r.top + (static_cast<int>(line) - view.top) * view.lineHeight};
}

void placeCaret(const TextView& view) {
  if (GetFocus() != view.window) return;
  const POINT at = pointOf(view, view.caret);
  SetCaretPos(at.x, at.y);
}

void updateScrollBars(TextView& view) {
  view.top = std::clamp(view.top, 0, lastTop(view));
  view.left = std::clamp(view.left, 0, lastLeft(view));
  // Disabled rather than hidden when all can be seen, so that the room for
  // the text does not change with the scroll ranges.
  SCROLLINFO bar{sizeof bar, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL, 0, 0, 0, 0, 0};
  bar.nMax = lineCount(view) - 1;
  bar.nPage = static_cast<UINT>(pageLines(view));
  bar.nPos = view.top;
  SetScrollInfo(view.window, SB_VERT, &bar, TRUE);
  if (!view.wrap) {
    bar.nMax = std::max(0, view.layout.width() - 1);
    bar.nPage = static_cast<UINT>(pageWidth(view));
    bar.nPos = view.left;
    SetScrollInfo(view.window, SB_HORZ, &bar, TRUE);
  }
}

// Measures the font and each character of the text not yet measured, then
// lays the text out: the layout reads every width from the table.
void layOut(TextView& view) {
  const HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, fontOf(view));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  view.lineHeight = std::max(1L, metrics.tmHeight);
  view.step = std::max(1L, metrics.tmAveCharWidth);
  DWORD caretWidth = 1;
  SystemParametersInfoW(SPI_GETCARETWIDTH, 0, &caretWidth, 0);
  view.caretWidth = std::max(1, MulDiv(static_cast<int>(caretWidth), GetDeviceCaps(dc, LOGPIXELSX), 96));
  const auto measure = [&view, dc](wchar_t ch) {
    int& width = view.advances[static_cast<unsigned short>(ch)];
    if (width < 0) {
      SIZE size{};
      GetTextExtentPoint32W(dc, &ch, 1, &size);
      width = size.cx;
    }
    return width;
  };
  const int blank = measure(L' ');
  for (const wchar_t ch : view.text) measure(ch);
  SelectObject(dc, previous);
  DeleteDC(dc);
  // The columns of a table are a blank apart, as the cells in the text: a
  // table is no wider than the text where a column's cells are alike.
  const auto widths = [&view](wchar_t ch) { return advance(view, ch); };
  view.layout = view.wrap ? TextLayout::wrapped(view.text, widths, pageWidth(view))
                          : TextLayout::rows(view.text, widths, blank);
  updateScrollBars(view);
  InvalidateRect(view.window, nullptr, FALSE);
  placeCaret(view);
}

// Draws the pieces of `line` that reach into `clip`, each only from the
// first character that reaches into it to the last: the cost does not grow
// with the length of a line beyond the walk to its first visible character.
// Each character is placed at the advance the layout measured.
void drawLine(const TextView& view, HDC dc, std::size_t line, int originX, int y, const RECT& clip,
              std::vector<int>& dx) {
  for (const TextLayout::Piece& piece : view.layout.pieces(line)) {
    int x = originX + piece.x;
    if (x >= clip.right) break;
    if (x + piece.width <= clip.left) continue;
    const wchar_t* chars = view.text.data() + piece.start;
    std::size_t k = 0;
    for (; k < piece.length && x + advance(view, chars[k]) <= clip.left; ++k) x += advance(view, chars[k]);
    const int from = x;
    const std::size_t shown = k;
    dx.clear();
    for (; k < piece.length && x < clip.right; ++k) x += dx.emplace_back(advance(view, chars[k]));
    if (!dx.empty()) {
      ExtTextOutW(dc, from, y, ETO_CLIPPED, &clip, chars + shown, static_cast<UINT>(dx.size()), dx.data());
    }
  }
}

// The stretch of `line`, in its own x, that the selection covers; a
// selected line break shows as a blank's width after the line.
std::pair<int, int> selectedSpan(const TextView& view, std::size_t line) {
  const auto [start, end] = std::minmax(view.anchor, view.caret);
  const TextLayout::Line& l = view.layout.line(line);
  if (start == end || end < l.start || start > l.end) return {0, 0};
  // From a line's start, the padding before a right-aligned first cell too.
  const int from = start <= l.start ? 0 : view.layout.xOf(line, start);
  int to = view.layout.xOf(line, std::min(end, l.end));
  if (end > l.end && line + 1 < view.layout.lineCount() && view.layout.line(line + 1).start > l.end) {
    to += advance(view, L' ');
  }
  return {from, to};
}

// Paints the lines in the update region, then the selection over them in
// the highlight colours.
void paint(const TextView& view) {
  PAINTSTRUCT ps{};
  const HDC dc = BeginPaint(view.window, &ps);
  const HWND parent = GetParent(view.window);
  const auto wParam = reinterpret_cast<WPARAM>(dc);
  const auto lParam = reinterpret_cast<LPARAM>(view.window);
  auto brush = reinterpret_cast<HBRUSH>(SendMessageW(parent, WM_CTLCOLORSTATIC, wParam, lParam));
  if (brush == nullptr) brush = reinterpret_cast<HBRUSH>(DefWindowProcW(parent, WM_CTLCOLORSTATIC, wParam, lParam));
  FillRect(dc, &ps.rcPaint, brush);
  const HGDIOBJ previous = SelectObject(dc, fontOf(view));
  SetBkMode(dc, TRANSPARENT);
  const COLORREF textColour = GetTextColor(dc);
  const RECT r = textRect(view.window);
  RECT clip{};
  IntersectRect(&clip, &r, &ps.rcPaint);
  std::vector<int> dx;
  const int originX = r.left - view.left;
  const auto first = static_cast<std::size_t>(view.top + std::max(0L, (clip.top - r.top) / view.lineHeight));
  for (std::size_t i = first; i < view.layout.lineCount(); ++i) {
    const int y = r.top + static_cast<int>(i - static_cast<std::size_t>(view.top)) * view.lineHeight;
    if (y >= clip.bottom) break;
    drawLine(view, dc, i, originX, y, clip, dx);
    const auto [from, to] = selectedSpan(view, i);
    RECT band{originX + from, y, originX + to, y + view.lineHeight};
    if (from < to && IntersectRect(&band, &band, &clip)) {
      FillRect(dc, &band, GetSysColorBrush(COLOR_HIGHLIGHT));
      SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
      drawLine(view, dc, i, originX, y, band, dx);
      SetTextColor(dc, textColour);
    }
  }
  SelectObject(dc, previous);
  EndPaint(view.window, &ps);
}

void scrollTo(TextView& view, int top, int left) {
  top = std::clamp(top, 0, lastTop(view));
  left = view.wrap ? 0 : std::clamp(left, 0, lastLeft(view));
  const int dy = (view.top - top) * view.lineHeight;
  const int dx = view.left - left;
  if (dx == 0 && dy == 0) return;
  view.top = top;
  view.left = left;
  SetScrollPos(view.window, SB_VERT, top, TRUE);
  if (!view.wrap) SetScrollPos(view.window, SB_HORZ, left, TRUE);
  const RECT r = textRect(view.window);
  ScrollWindowEx(view.window, dx, dy, &r, &r, nullptr, nullptr, SW_INVALIDATE);
  placeCaret(view);
  UpdateWindow(view.window);
}

// Scrolls so that the caret can be seen; sideways by a quarter of the view
// more, so that a few characters beyond it show too.
void scrollToCaret(TextView& view) {
  const std::size_t line = view.layout.lineOf(view.caret);
  const int row = static_cast<int>(line);
  const int top = row < view.top ? row : row >= view.top + pageLines(view) ? row - pageLines(view) + 1 : view.top;
  const int x = view.layout.xOf(line, view.caret);
  const int page = pageWidth(view);
  const int left = x < view.left ? x - page / 4 : x >= view.left + page ? x - page + page / 4 : view.left;
  scrollTo(view, top, left);
}

void select(TextView& view, std::size_t anchor, std::size_t caret) {
  if (anchor != view.anchor || caret != view.caret) {
    InvalidateRect(view.window, nullptr, FALSE);  // the paint redraws only what can be seen
    view.anchor = anchor;
    view.caret = caret;
  }
  view.goalX = -1;
  scrollToCaret(view);
  placeCaret(view);
}

// Moves the caret; with `extend` the selection grows or shrinks with it,
// otherwise it is dropped.
void moveCaret(TextView& view, std::size_t position, bool extend) {
  select(view, extend ? view.anchor : position, position);
}

// Up and Down by `count` lines, the caret kept at the same x where the
// lines allow.
void moveLines(TextView& view, int count, bool extend) {
  const std::size_t line = view.layout.lineOf(view.caret);
  const int goal = view.goalX >= 0 ? view.goalX : view.layout.xOf(line, view.caret);
  const int target = std::clamp(static_cast<int>(line) + count, 0, lineCount(view) - 1);
  moveCaret(view, view.layout.positionAt(static_cast<std::size_t>(target), goal), extend);
  view.goalX = goal;
}

void copySelection(const TextView& view) {
  const auto [start, end] = std::minmax(view.anchor, view.caret);
  const std::wstring_view text = view.text;
  copyToClipboard(view.window, start == end ? text : text.substr(start, end - start));
}

void selectAll(TextView& view) { select(view, 0, view.text.size()); }

// The keys of a read-only edit control: the caret moves, with Shift the
// selection with it.
void key(TextView& view, WPARAM virtualKey) {
  const bool control = GetKeyState(VK_CONTROL) < 0;
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const std::size_t line = view.layout.lineOf(view.caret);
  const bool selected = view.anchor != view.caret;
  switch (virtualKey) {
    case 'A':
      if (control) selectAll(view);
      break;
    case 'C':
    case VK_INSERT:
      if (control) copySelection(view);
      break;
    case VK_LEFT:
      moveCaret(view, selected && !shift ? std::min(view.anchor, view.caret) : previousPosition(view.text, view.caret),
                shift);
      break;
    case VK_RIGHT:
      moveCaret(view, selected && !shift ? std::max(view.anchor, view.caret) : nextPosition(view.text, view.caret),
                shift);
      break;
    case VK_UP: moveLines(view, -1, shift); break;
    case VK_DOWN: moveLines(view, 1, shift); break;
    case VK_PRIOR:
    case VK_NEXT: {
      const int lines = virtualKey == VK_NEXT ? pageLines(view) : -pageLines(view);
      scrollTo(view, view.top + lines, view.left);
      moveLines(view, lines, shift);
      break;
    }
    case VK_HOME: moveCaret(view, control ? 0 : view.layout.line(line).start, shift); break;
    case VK_END: moveCaret(view, control ? view.text.size() : view.layout.lastPosition(line), shift); break;
    default: break;
  }
}

// The position nearest to a point of the client area; above or below the
// lines, on the first or last line.
std::size_t positionAt(const TextView& view, LPARAM point) {
  const RECT r = textRect(view.window);
  const int y = GET_Y_LPARAM(point) - static_cast<int>(r.top);
  const int row = view.top + (y < 0 ? -1 : y / view.lineHeight);
  const auto line = static_cast<std::size_t>(std::clamp(row, 0, lineCount(view) - 1));
  return view.layout.positionAt(line, GET_X_LPARAM(point) - static_cast<int>(r.left) + view.left);
}

// The context menu, at the mouse or, from the keyboard, at the caret.
void contextMenu(TextView& view, LPARAM where) {
  POINT at{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
  if (at.x == -1 && at.y == -1) {
    at = pointOf(view, view.caret);
    ClientToScreen(view.window, &at);
  }
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(view.window, GWLP_HINSTANCE));
  const HMENU menu = LoadMenuW(instance, MAKEINTRESOURCEW(MATCALC_TEXT_VIEW_MENU));
  if (menu == nullptr) return;
  const int command = static_cast<int>(TrackPopupMenu(GetSubMenu(menu, 0), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x,
                                                      at.y, 0, view.window, nullptr));
  DestroyMenu(menu);
  if (command == MATCALC_TEXT_VIEW_COPY) copySelection(view);
  if (command == MATCALC_TEXT_VIEW_SELECT_ALL) selectAll(view);
}

// Where a scroll bar request moves: `position` now, `line` and `page` its
// steps, `last` its end. The thumb's position is read in 32 bits: lines
// can be wider than the 16 bits of the message.
int scrolled(HWND window, int bar, int request, int position, int line, int page, int last) {
  switch (request) {
    case SB_LINEUP: return position - line;
    case SB_LINEDOWN: return position + line;
    case SB_PAGEUP: return position - page;
    case SB_PAGEDOWN: return position + page;
    case SB_TOP: return 0;
    case SB_BOTTOM: return last;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(window, bar, &info);
      return info.nTrackPos;
    }
    default: return position;
  }
}

// A notch of the wheel scrolls the lines (or characters sideways) the
// system setting says, or a page.
void wheel(TextView& view, bool sideways, int delta) {
  UINT perNotch = 3;
  SystemParametersInfoW(sideways ? SPI_GETWHEELSCROLLCHARS : SPI_GETWHEELSCROLLLINES, 0, &perNotch, 0);
  int& rest = view.wheelRest[sideways ? 1 : 0];
  rest += delta;
  const int notches = rest / WHEEL_DELTA;
  rest -= notches * WHEEL_DELTA;
  if (sideways) {
    const int page = pageWidth(view);
    const int amount = perNotch == WHEEL_PAGESCROLL ? page : std::min(page, static_cast<int>(perNotch) * view.step);
    scrollTo(view, view.top, view.left + notches * amount);
  } else {
    const int page = pageLines(view);
    const int amount = perNotch == WHEEL_PAGESCROLL ? page : std::min(page, static_cast<int>(perNotch));
    scrollTo(view, view.top - notches * amount, view.left);
  }
}

std::size_t getText(const TextView& view, WPARAM room, LPARAM buffer) {
  if (room == 0 || buffer == 0) return 0;
  const std::size_t copied = std::min(static_cast<std::size_t>(room) - 1, view.text.size());
  auto* out = reinterpret_cast<wchar_t*>(buffer);
  std::copy_n(view.text.data(), copied, out);
  out[copied] = L'\0';
  return copied;
}

// The messages of a read-only edit control that the view answers.
LRESULT editMessage(TextView& view, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
      view.text = lParam != 0 ? reinterpret_cast<const wchar_t*>(lParam) : L"";
      view.top = view.left = 0;
      view.anchor = view.caret = 0;
      view.goalX = -1;
      layOut(view);
      return TRUE;
    case WM_GETTEXT: return static_cast<LRESULT>(getText(view, wParam, lParam));
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(view.text.size());
    case WM_SETFONT:
      view.font = reinterpret_cast<HFONT>(wParam);
      view.advances.assign(view.advances.size(), -1);
      layOut(view);
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(view.font);
    case WM_COPY: copySelection(view); return 0;
    case EM_GETSEL: {
      const auto [start, end] = std::minmax(view.anchor, view.caret);
      if (wParam != 0) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(start);
      if (lParam != 0) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(end);
      return end > 0xFFFF ? -1 : static_cast<LRESULT>(MAKELONG(start, end));
    }
    case EM_POSFROMCHAR: {
      if (wParam > view.text.size()) return -1;
      const POINT at = pointOf(view, wParam);
      return static_cast<LRESULT>(MAKELONG(at.x, at.y));
    }
    case EM_GETLINECOUNT: return static_cast<LRESULT>(view.layout.lineCount());
    case kTextViewExtent: {
      auto* extent = reinterpret_cast<SIZE*>(lParam);
      extent->cx = view.layout.width();
      extent->cy = view.lineHeight;
      return 0;
    }
    default: return DefWindowProcW(view.window, message, wParam, lParam);
  }
}

LRESULT CALLBACK textViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TextView* view = viewOf(window);
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    view = new TextView(window, (create->style & MATCALC_TEXT_VIEW_WRAP) != 0);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view));
  }
  if (view == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_CREATE:
      layOut(*view);  // the empty text: from now on the layout has a line
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      delete view;
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_SIZE:
      if (view->wrap) {
        layOut(*view);
      } else {
        updateScrollBars(*view);
        InvalidateRect(window, nullptr, FALSE);
        placeCaret(*view);
      }
      return 0;
    case WM_ERASEBKGND: return 1;  // the paint fills the background
    case WM_PAINT: paint(*view); return 0;
    case WM_SETFOCUS:
      CreateCaret(window, nullptr, view->caretWidth, view->lineHeight);
      placeCaret(*view);
      ShowCaret(window);
      return 0;
    case WM_KILLFOCUS: DestroyCaret(); return 0;
    case WM_VSCROLL:
      scrollTo(*view, scrolled(window, SB_VERT, LOWORD(wParam), view->top, 1, pageLines(*view), lastTop(*view)),
               view->left);
      return 0;
    case WM_HSCROLL:
      scrollTo(*view, view->top,
               scrolled(window, SB_HORZ, LOWORD(wParam), view->left, view->step, pageWidth(*view), lastLeft(*view)));
      return 0;
    case WM_MOUSEWHEEL: wheel(*view, false, GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
    case WM_MOUSEHWHEEL: wheel(*view, true, GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
    case WM_KEYDOWN: key(*view, wParam); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;  // Tab, Enter and Escape stay the dialog's
    case WM_LBUTTONDOWN:
      SetFocus(window);
      SetCapture(window);
      moveCaret(*view, positionAt(*view, lParam), (wParam & MK_SHIFT) != 0);
      return 0;
    case WM_MOUSEMOVE:
      if (GetCapture() == window && (wParam & MK_LBUTTON) != 0) moveCaret(*view, positionAt(*view, lParam), true);
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == window) ReleaseCapture();
      return 0;
    case WM_LBUTTONDBLCLK: {
      const auto [start, end] = wordAt(view->text, positionAt(*view, lParam));
      select(*view, start, end);
      return 0;
    }
    case WM_CONTEXTMENU: contextMenu(*view, lParam); return 0;
    default: return editMessage(*view, message, wParam, lParam);
  }
}

}  // namespace

void registerTextView(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = textViewProc;
  windowClass.hInstance = instance;
  // IDC_IBEAM is a number in the narrow type, the same for the wide call.
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_IBEAM));
  windowClass.lpszClassName = L"" MATCALC_TEXT_VIEW;
  RegisterClassExW(&windowClass);  // fails harmlessly when the class exists
}

}  // namespace matcalc
