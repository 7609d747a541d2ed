#pragma once
// Runs one command of a program repeatedly on fixed edit texts, with the
// boxes recorded and discarded, so that the measurement is the command itself.
#include <benchmark/benchmark.h>

#include <string>

#include "encoding.h"
#include "program_info.h"
#include "recording_window.h"

namespace matcalc::bench {

inline void runCommand(benchmark::State& state, const ProgramInfo& program, int box, const std::string& utf8,
                       int radio = 0, int secondBox = 0, const std::string& secondUtf8 = {}) {
  RecordingWindow dialog;
  dialog.setText(box, console::editBoxText(utf8));
  if (secondBox != 0) dialog.setText(secondBox, console::editBoxText(secondUtf8));
  if (radio != 0) dialog.setChecked(radio, true);
  const auto handler = program.makeHandler();
  for (auto _ : state) {
    handler->onCommand(dialog, kComputeButton);
    dialog.clearMessages();
  }
}

// The n x n matrix with ones on and above the diagonal.
inline std::string unitUpperTriangular(int n) {
  std::string text;
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= n; ++c) text += c >= r ? "1 " : "0 ";
    if (r < n) text += '\n';
  }
  return text;
}

}  // namespace matcalc::bench
