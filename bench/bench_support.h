#pragma once
// Runs one command of a program repeatedly on fixed edit texts, with the
// boxes recorded and discarded, so that the measurement is the command itself.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "encoding.h"
#include "program_info.h"
#include "recording_window.h"

namespace matcalc::bench {

// The compute command of a program run repeatedly in `dialog`; the boxes of
// the last run are left in it, for the caller to check.
inline void computeRepeatedly(benchmark::State& state, const ProgramInfo& program, RecordingWindow& dialog) {
  const auto handler = program.makeHandler();
  for (auto _ : state) {
    dialog.clearMessages();
    handler->onCommand(dialog, kComputeButton);
    benchmark::DoNotOptimize(dialog.messages().data());
  }
}

inline void runCommand(benchmark::State& state, const ProgramInfo& program, int box, const std::string& utf8,
                       int radio = 0, int secondBox = 0, const std::string& secondUtf8 = {}) {
  RecordingWindow dialog;
  dialog.setText(box, console::editBoxText(utf8));
  if (secondBox != 0) dialog.setText(secondBox, console::editBoxText(secondUtf8));
  if (radio != 0) dialog.setChecked(radio, true);
  computeRepeatedly(state, program, dialog);
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

// The n x n matrix P L U of the given rank, seeded random: L unit lower
// triangular with -1, 0 or 1 below its diagonal; U upper triangular with
// integers -9..9 in its first `rank` rows, none 0 on the diagonal, and 0 in
// the rows after them; P shuffles the rows. Many of the leading minors are 0,
// so an elimination without row exchanges meets zero pivots to repair.
inline std::string shuffledTriangularProduct(int rank, unsigned seed, int n = 20) {
  std::mt19937 rng(seed);
  const auto between = [&](int lo, int hi) { return lo + static_cast<int>(rng() % static_cast<unsigned>(hi - lo + 1)); };
  std::vector<std::vector<long>> l(n, std::vector<long>(n)), u(n, std::vector<long>(n)), a(n, std::vector<long>(n));
  for (int i = 0; i < n; ++i) {
    l[i][i] = 1;
    for (int j = 0; j < i; ++j) l[i][j] = between(-1, 1);
    for (int j = i; j < n && i < rank; ++j) {
      do u[i][j] = between(-9, 9);
      while (j == i && u[i][j] == 0);
    }
  }
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      for (int k = 0; k < n; ++k) a[i][j] += l[i][k] * u[k][j];
    }
  }
  std::shuffle(a.begin(), a.end(), rng);
  std::string text;
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      if (j > 0) text += ' ';
      text += std::to_string(a[i][j]);
    }
    if (i < n - 1) text += '\n';
  }
  return text;
}

}  // namespace matcalc::bench
