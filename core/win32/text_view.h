#pragma once
// A read-only text box for texts of any length: the window class named
// MATCALC_TEXT_VIEW (result_window_ids.h), used in dialog templates.
//
// It lays its text out by text_layout.h: a text of several lines one line
// a line, matrix rows as a table with aligned columns, scrolled sideways;
// with the style MATCALC_TEXT_VIEW_WRAP each line wrapped at the view's
// width. It has scroll bars, scrolls by keyboard and mouse wheel, and paints
// only the part of each line that can be seen, so that a line of a hundred
// thousand characters costs no more to show than a short one.
//
// It behaves as a read-only edit control: a caret while it has the focus;
// selection by mouse (click, drag, Shift+click, double-click for one word:
// a cell, a number) and by keyboard (Shift with the arrows, Home, End, Page
// Up, Page Down, Ctrl+Home, Ctrl+End), Ctrl+A for all, drawn in the system's
// highlight colours. Ctrl+C, Ctrl+Insert, WM_COPY and the context menu (复制,
// 全选) copy the selection, or the whole text when nothing is selected: the
// text's own characters, never the padding of the table.
//
// Messages as an edit control's: WM_SETTEXT, WM_GETTEXT, WM_GETTEXTLENGTH,
// WM_SETFONT, WM_GETFONT, WM_COPY, EM_GETSEL, EM_POSFROMCHAR and
// EM_GETLINECOUNT; a line ends at each line feed (and a carriage return
// before it). Its colours come from its parent's WM_CTLCOLORSTATIC, as a
// read-only edit control's do.
#include <windows.h>

namespace matcalc {

// Fills the SIZE that lParam points to with the room the text needs: the
// width of its widest line unwrapped (as a table where it has one), and the
// height of a line.
inline constexpr UINT kTextViewExtent = WM_USER + 1;

// Registers the window class for `instance`; later calls do nothing.
void registerTextView(HINSTANCE instance);

}  // namespace matcalc
