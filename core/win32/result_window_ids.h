#pragma once
// The result window's resource and control identifiers, shared by its
// template (calculator_common.rc), its dialog procedure and the test driver.
// None is used by a calculator's own dialog (101, controls 1000 to 1011).

#define MATCALC_RESULT_WINDOW 110
// The text box for a text of several lines: one line of the text a line of
// the box, scrolled sideways.
#define MATCALC_RESULT_ROWS 1101
// The text box for a text of one line (such as one long number): wrapped.
#define MATCALC_RESULT_WRAPPED 1102
// The text boxes' window class, a read-only text view (text_view.h), and its
// style that wraps lines at the view's width.
#define MATCALC_TEXT_VIEW "MatcalcTextView"
#define MATCALC_TEXT_VIEW_WRAP 0x0001
// 复制: the whole text onto the clipboard. 确定 is IDOK.
#define MATCALC_RESULT_COPY 1103
// The text view's context menu, 复制 (copy) and 全选 (select all), and its
// commands.
#define MATCALC_TEXT_VIEW_MENU 111
#define MATCALC_TEXT_VIEW_COPY 1
#define MATCALC_TEXT_VIEW_SELECT_ALL 2
