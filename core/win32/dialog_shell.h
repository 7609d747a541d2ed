#pragma once
// The Windows entry of every calculator: the start-up warning, then dialog
// 101 run modally until WM_CLOSE. Each WM_COMMAND reaches the program's
// command handler with the control identifier alone.
#include <windows.h>

#include "startup_warning.h"
#include "window.h"

namespace matcalc {

// The dialog resource that every program carries.
inline constexpr int kCalculatorDialog = 101;

// Shows `warningText` (GBK) in a box without owner, initialises the common
// controls and runs dialog 101 of `instance` with `handler`; returns the
// program's exit code, always 0.
int runCalculator(HINSTANCE instance, CommandHandler& handler, const char* warningText);

}  // namespace matcalc
