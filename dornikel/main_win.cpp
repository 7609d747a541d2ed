// Dornikel's Windows entry: the start-up warning, then the dialog, with
// every command going to the determinant calculator's handler.
#include "dialog_shell.h"
#include "dornikel.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  static matcalc::Dornikel handler;
  return matcalc::runCalculator(instance, handler, matcalc::texts::kStartupWarning.c_str());
}
