// Ravelle's Windows entry: the start-up warning, then the dialog, with every
// command going to the inverse and adjugate calculator's handler, whose
// working storage lives as long as the program.
#include "dialog_shell.h"
#include "ravelle.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  static matcalc::Ravelle handler;
  return matcalc::runCalculator(instance, handler, matcalc::texts::kStartupWarning.c_str());
}
