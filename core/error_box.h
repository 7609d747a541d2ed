#pragma once
// The error box for a computation that cannot be shown exactly or does not fit.
#include "status.h"
#include "window.h"

namespace matcalc {

// Shows "数值超出范围,无法精确计算" or "矩阵不能超过20行20列", owned by the
// dialog, with the caption "Error". Returns true when there was an error.
bool reportFailure(Window& dialog, Status status);

// Shows a program's own error text, owned by the dialog.
void showError(Window& dialog, const char* text, const char* caption);

}  // namespace matcalc
