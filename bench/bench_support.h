#pragma once
// Runs one command of a program repeatedly on fixed edit texts, with the
// boxes recorded and discarded, so that the measurement is the command itself.
#include <benchmark/benchmark.h>

#include <random>
#include <set>
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

// The kinds of 20 x 20 input the benchmarks of long terms run, each seeded random:
// integers -9 ... 9; fractions a/b with |a| <= 9 and 1 <= b <= 9; the same
// up to 99; and the worst text, every element a 10-digit numerator over a
// distinct 10-digit denominator.
enum class TermKind { Integers9, Fractions9, Fractions99, TenDigits };
inline constexpr const char* kTermKindNames[] = {"integers -9..9", "fractions up to 9/9", "fractions up to 99/99",
                                                 "10-digit fractions"};

inline std::string randomMatrix(TermKind kind, unsigned seed, int n = 20) {
  std::mt19937 rng(seed);
  const auto between = [&](long lo, long hi) { return lo + static_cast<long>(rng() % static_cast<unsigned long>(hi - lo + 1)); };
  std::set<long> denominators;
  std::string text;
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= n; ++c) {
      if (c > 1) text += ' ';
      switch (kind) {
        case TermKind::Integers9: text += std::to_string(between(-9, 9)); break;
        case TermKind::Fractions9: text += std::to_string(between(-9, 9)) + '/' + std::to_string(between(1, 9)); break;
        case TermKind::Fractions99:
          text += std::to_string(between(-99, 99)) + '/' + std::to_string(between(1, 99));
          break;
        case TermKind::TenDigits: {
          long den = between(1000000000, 2147483647);
          while (!denominators.insert(den).second) den = between(1000000000, 2147483647);
          if (rng() % 2 == 0) text += '-';
          text += std::to_string(between(1000000000, 2147483647)) + '/' + std::to_string(den);
          break;
        }
      }
    }
    if (r < n) text += '\n';
  }
  return text;
}

}  // namespace matcalc::bench
