#include "dialog_shell.h"

#include <commctrl.h>

#include "wide_text.h"
#include "win32_window.h"

namespace matcalc {
namespace {

// The handler of the one dialog the program runs. DialogBoxParamW gets the
// creation parameter 0, so the procedure finds the handler here.
CommandHandler* activeHandler = nullptr;

INT_PTR CALLBACK calculatorDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_CLOSE:
      EndDialog(dialog, 0);
      return 0;
    case WM_INITDIALOG:
      return 1;  // the system sets the initial focus
    case WM_COMMAND:
      // The notification code (high word) is not consulted: every command
      // with the compute button's identifier computes.
      if (activeHandler != nullptr) {
        Win32Window window(dialog);
        activeHandler->onCommand(window, LOWORD(wParam));
      }
      return 0;
    default:
      return 0;
  }
}

}  // namespace

int runCalculator(HINSTANCE instance, CommandHandler& handler, const char* warningText) {
  activeHandler = &handler;
  MessageBoxW(nullptr, wideFromGbk(warningText).c_str(), wideFromGbk(texts::kStartupCaption.c_str()).c_str(), MB_OK);
  InitCommonControls();
  DialogBoxParamW(instance, MAKEINTRESOURCEW(kCalculatorDialog), nullptr, calculatorDialogProc, 0);
  activeHandler = nullptr;
  return 0;
}

}  // namespace matcalc
