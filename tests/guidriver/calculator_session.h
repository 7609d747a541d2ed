#pragma once
// One run of a calculator under the driver: started, its start-up warning
// taken, its dialog driven by window messages, closed by WM_CLOSE.
#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "actions.h"
#include "box_output.h"

namespace guidriver {

// The calculator misbehaved (did not start, hung, crashed, missed a control).
struct DriverError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class CalculatorSession {
 public:
  // Starts run.exe; boxes are closed and copied as `run` says.
  explicit CalculatorSession(const Run& run);
  ~CalculatorSession();
  CalculatorSession(const CalculatorSession&) = delete;
  CalculatorSession& operator=(const CalculatorSession&) = delete;

  // Waits for the start-up warning, reads and closes it, then waits for the
  // dialog; returns the warning.
  Box start();

  // Applies one action and returns the boxes it made the calculator show,
  // in the order shown, each read and closed.
  std::vector<Box> apply(const Action& action);

  // Sends WM_CLOSE to the dialog and returns the program's exit code.
  DWORD close();

 private:
  template <class Done>
  void waitUntil(Done done, const char* what);
  void checkRunning();
  HWND control(int id);
  std::vector<Box> settle();
  Box readBox(HWND box);
  void closeBox(HWND box);
  void copyResult(HWND box, const Copy& copy);
  void performStep(HWND box, const CopyStep& step);
  void paste(int id, const std::wstring& text);
  void type(int id, const std::wstring& text);
  void snapshot(HWND window, const std::wstring& file);
  std::vector<Box> closeOpenBoxes();

  const std::vector<Copy> copies_;
  const bool closeWithEscape_;
  PROCESS_INFORMATION process_{};
  HWND dialog_ = nullptr;
  std::wstring nextBoxSnapshot_;
  bool keepOpen_ = false;
  std::vector<HWND> open_;  // boxes without an owner left open, oldest first
};

}  // namespace guidriver
