// Sontaby's Windows entry: the start-up warning, then the dialog, with every
// command going to the basic operations calculator's handler.
#include "dialog_shell.h"
#include "sontaby.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  static matcalc::Sontaby handler;
  return matcalc::runCalculator(instance, handler, matcalc::texts::kStartupWarning.c_str());
}
