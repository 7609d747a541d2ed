// Quendrel's Windows entry: its shorter start-up warning, then the dialog,
// with every command going to the rank calculator's handler.
#include "dialog_shell.h"
#include "quendrel.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  static matcalc::Quendrel handler;
  return matcalc::runCalculator(instance, handler, matcalc::texts::kStartupWarningShort.c_str());
}
