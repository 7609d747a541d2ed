#pragma once
// A read-only text view for texts of any length: the window class named
// MATCALC_TEXT_VIEW (result_window_ids.h), used in dialog templates.
//
// It shows one line of the text a line of the view, scrolled sideways, or
// with the style MATCALC_TEXT_VIEW_WRAP each line wrapped at the view's
// width. It has scroll bars, scrolls by keyboard and mouse wheel, and
// paints only the part of each line that can be seen, so that a line of a
// hundred thousand characters costs no more to show than a short one. It has
// no caret and no selection. WM_SETTEXT, WM_GETTEXT, WM_GETTEXTLENGTH,
// WM_SETFONT and WM_GETFONT work as in an edit control; a line ends at each
// line feed (and a carriage return before it). Its colours come from its
// parent's WM_CTLCOLORSTATIC, as a read-only edit control's do.
#include <windows.h>

namespace matcalc {

// Registers the window class for `instance`; later calls do nothing.
void registerTextView(HINSTANCE instance);

}  // namespace matcalc
