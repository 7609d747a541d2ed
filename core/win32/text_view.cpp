#include "text_view.h"

#include <algorithm>
#include <string>
#include <vector>

#include "result_window_ids.h"

namespace matcalc {
namespace {

// A line as shown: a stretch of the text, without its line break.
struct Span {
  std::size_t start;
  std::size_t length;
};

struct TextView {
  TextView(HWND handle, bool wrapped) : window(handle), wrap(wrapped) {}

  HWND window;
  bool wrap;
  HFONT font = nullptr;  // null: the system font
  std::wstring text;
  std::vector<Span> lines;  // the text's lines, or with wrap their parts
  // Each UTF-16 unit's advance in the font, measured when first met (-1
  // before). The calculators' texts come from GBK, so they hold no
  // surrogate pairs.
  std::vector<int> advances = std::vector<int>(0x10000, -1);
  int lineHeight = 1;
  int step = 1;     // a sideways line step: an average character's width
  int widest = 0;   // the widest line, in pixels
  int top = 0;      // the first line shown
  int left = 0;     // how many pixels the lines are scrolled sideways
  int wheelRest[2] = {0, 0};  // wheel turns of less than a notch, vertical and sideways
};

TextView* viewOf(HWND window) { return reinterpret_cast<TextView*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

HGDIOBJ fontOf(const TextView& view) {
  return view.font != nullptr ? static_cast<HGDIOBJ>(view.font) : GetStockObject(SYSTEM_FONT);
}

// `dc` has the view's font selected.
int advance(TextView& view, HDC dc, wchar_t ch) {
  int& width = view.advances[static_cast<unsigned short>(ch)];
  if (width < 0) {
    SIZE size{};
    GetTextExtentPoint32W(dc, &ch, 1, &size);
    width = size.cx;
  }
  return width;
}

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

int lastTop(const TextView& view) { return std::max(0, static_cast<int>(view.lines.size()) - pageLines(view)); }
int lastLeft(const TextView& view) { return std::max(0, view.widest - pageWidth(view)); }

// Wraps the line text[start, end) into parts no wider than `room`. A part
// that does not hold the rest of the line ends at its last blank (up to the
// character that does not fit), which no part shows; without one, before
// that character. A part holds at least one character, however narrow the
// view.
void wrapLine(TextView& view, HDC dc, std::size_t start, std::size_t end, int room) {
  std::size_t begin = start;
  do {
    std::size_t k = begin;
    for (int x = 0; k < end && x + advance(view, dc, view.text[k]) <= room; ++k) x += advance(view, dc, view.text[k]);
    if (k == end) {
      view.lines.push_back({begin, end - begin});
      return;
    }
    std::size_t blank = k;
    while (blank > begin && view.text[blank] != L' ') --blank;
    const std::size_t cut = blank > begin ? blank : std::max(k, begin + 1);
    view.lines.push_back({begin, cut - begin});
    begin = blank > begin ? cut + 1 : cut;
  } while (begin < end);
}

void updateScrollBars(TextView& view) {
  view.top = std::clamp(view.top, 0, lastTop(view));
  view.left = std::clamp(view.left, 0, lastLeft(view));
  // Disabled rather than hidden when all can be seen, so that the room for
  // the text does not change with the scroll ranges.
  SCROLLINFO bar{sizeof bar, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL, 0, 0, 0, 0, 0};
  bar.nMax = static_cast<int>(view.lines.size()) - 1;
  bar.nPage = static_cast<UINT>(pageLines(view));
  bar.nPos = view.top;
  SetScrollInfo(view.window, SB_VERT, &bar, TRUE);
  if (!view.wrap) {
    bar.nMax = std::max(0, view.widest - 1);
    bar.nPage = static_cast<UINT>(pageWidth(view));
    bar.nPos = view.left;
    SetScrollInfo(view.window, SB_HORZ, &bar, TRUE);
  }
}

// Breaks the text into the lines shown, at each line feed (and a carriage
// return before it), and with wrap at the view's width; measures the
// widest line.
void layOut(TextView& view) {
  const HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, fontOf(view));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  view.lineHeight = std::max(1L, metrics.tmHeight);
  view.step = std::max(1L, metrics.tmAveCharWidth);
  view.lines.clear();
  view.widest = 0;
  const int room = pageWidth(view);
  for (std::size_t start = 0; start <= view.text.size();) {
    std::size_t feed = view.text.find(L'\n', start);
    if (feed == std::wstring::npos) feed = view.text.size();
    const std::size_t end = feed > start && view.text[feed - 1] == L'\r' ? feed - 1 : feed;
    if (view.wrap) {
      wrapLine(view, dc, start, end, room);
    } else {
      int width = 0;
      for (std::size_t k = start; k < end; ++k) width += advance(view, dc, view.text[k]);
      view.lines.push_back({start, end - start});
      view.widest = std::max(view.widest, width);
    }
    start = feed + 1;
  }
  SelectObject(dc, previous);
  DeleteDC(dc);
  updateScrollBars(view);
  InvalidateRect(view.window, nullptr, FALSE);
}

// Paints the lines in the update region, each only from the first
// character that reaches into it to the last: the cost of a paint does not
// grow with the length of a line beyond the walk to its first visible
// character. Each character is placed at the advance the layout measured.
void paint(TextView& view) {
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
  const RECT r = textRect(view.window);
  RECT clip{};
  IntersectRect(&clip, &r, &ps.rcPaint);
  std::vector<int> dx;
  const auto first = static_cast<std::size_t>(view.top + std::max(0L, (clip.top - r.top) / view.lineHeight));
  for (std::size_t i = first; i < view.lines.size(); ++i) {
    const int y = r.top + static_cast<int>(i - static_cast<std::size_t>(view.top)) * view.lineHeight;
    if (y >= clip.bottom) break;
    const wchar_t* chars = view.text.data() + view.lines[i].start;
    const std::size_t length = view.lines[i].length;
    int x = r.left - view.left;
    std::size_t k = 0;
    for (; k < length && x + advance(view, dc, chars[k]) <= clip.left; ++k) x += advance(view, dc, chars[k]);
    const int from = x;
    const std::size_t shown = k;
    dx.clear();
    for (; k < length && x < clip.right; ++k) x += dx.emplace_back(advance(view, dc, chars[k]));
    if (!dx.empty()) {
      ExtTextOutW(dc, from, y, ETO_CLIPPED, &clip, chars + shown, static_cast<UINT>(dx.size()), dx.data());
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
  UpdateWindow(view.window);
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

// The keys scroll: arrows by a line or character, Page Up and Page Down by
// a page, Home and End to the start and end of the lines, with Ctrl to the
// first and last line.
void key(HWND window, WPARAM virtualKey) {
  const bool control = GetKeyState(VK_CONTROL) < 0;
  const auto send = [window](UINT message, int request) { SendMessageW(window, message, request, 0); };
  switch (virtualKey) {
    case VK_UP: send(WM_VSCROLL, SB_LINEUP); break;
    case VK_DOWN: send(WM_VSCROLL, SB_LINEDOWN); break;
    case VK_PRIOR: send(WM_VSCROLL, SB_PAGEUP); break;
    case VK_NEXT: send(WM_VSCROLL, SB_PAGEDOWN); break;
    case VK_LEFT: send(WM_HSCROLL, SB_LINELEFT); break;
    case VK_RIGHT: send(WM_HSCROLL, SB_LINERIGHT); break;
    case VK_HOME:
      send(WM_HSCROLL, SB_LEFT);
      if (control) send(WM_VSCROLL, SB_TOP);
      break;
    case VK_END:
      send(WM_HSCROLL, SB_RIGHT);
      if (control) send(WM_VSCROLL, SB_BOTTOM);
      break;
    default: break;
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

LRESULT CALLBACK textViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TextView* view = viewOf(window);
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    view = new TextView(window, (create->style & MATCALC_TEXT_VIEW_WRAP) != 0);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view));
  }
  if (view == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      delete view;
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_SETTEXT:
      view->text = lParam != 0 ? reinterpret_cast<const wchar_t*>(lParam) : L"";
      view->top = view->left = 0;
      layOut(*view);
      return TRUE;
    case WM_GETTEXT:
      return static_cast<LRESULT>(getText(*view, wParam, lParam));
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(view->text.size());
    case WM_SETFONT:
      view->font = reinterpret_cast<HFONT>(wParam);
      view->advances.assign(view->advances.size(), -1);
      layOut(*view);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(view->font);
    case WM_SIZE:
      if (view->wrap) {
        layOut(*view);
      } else {
        updateScrollBars(*view);
        InvalidateRect(window, nullptr, FALSE);
      }
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint fills the background
    case WM_PAINT:
      paint(*view);
      return 0;
    case WM_VSCROLL:
      scrollTo(*view, scrolled(window, SB_VERT, LOWORD(wParam), view->top, 1, pageLines(*view), lastTop(*view)),
               view->left);
      return 0;
    case WM_HSCROLL:
      scrollTo(*view, view->top,
               scrolled(window, SB_HORZ, LOWORD(wParam), view->left, view->step, pageWidth(*view), lastLeft(*view)));
      return 0;
    case WM_MOUSEWHEEL:
      wheel(*view, false, GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case WM_MOUSEHWHEEL:
      wheel(*view, true, GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case WM_KEYDOWN:
      key(window, wParam);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;  // Tab, Enter and Escape stay the dialog's
    case WM_LBUTTONDOWN:
      SetFocus(window);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

void registerTextView(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = textViewProc;
  windowClass.hInstance = instance;
  // IDC_ARROW is a number in the narrow type, the same for the wide call.
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.lpszClassName = L"" MATCALC_TEXT_VIEW;
  RegisterClassExW(&windowClass);  // fails harmlessly when the class exists
}

}  // namespace matcalc
