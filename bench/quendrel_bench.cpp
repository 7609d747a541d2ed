// Quendrel's compute command through the window seam, rank chosen: both the
// elimination shown and the rank's own elimination run each time. 20 x 20
// matrices whose values stay small (target under 100 us) and a 3 x 3 matrix
// (target under 3 us).
#include <benchmark/benchmark.h>

#include <string>

#include "bench_support.h"
#include "encoding.h"
#include "quendrel.h"
#include "recording_window.h"

namespace matcalc {
namespace {

// Ones on and below the diagonal of the first `distinct` rows; the rows after
// them repeat those rows from the top, so the rank is `distinct`.
std::string lowerTriangularOnes(int n, int distinct) {
  std::string text;
  for (int r = 1; r <= n; ++r) {
    const int pattern = (r - 1) % distinct + 1;
    for (int c = 1; c <= n; ++c) text += std::string(c > 1 ? " " : "") + (c <= pattern ? "1" : "0");
    if (r < n) text += "\r\n";
  }
  return text;
}

void computeRank(benchmark::State& state, const std::string& text, const std::string& expectedEnd) {
  RecordingWindow window;
  window.setText(kMatrixBox, text);
  window.setChecked(kQuendrelRankButton, true);
  bench::computeRepeatedly(state, kQuendrelInfo, window);
  if (window.messages().size() != 1 || !console::toUtf8(window.messages()[0].text).ends_with(expectedEnd)) {
    state.SkipWithError("unexpected result");
  }
}

// The last line of the result: the rank heading and the rank.
std::string rankLine(const char* rank) { return std::string("\n矩阵的秩为") + rank; }

// Nothing to clear below the diagonal: the rank's elimination skips every row.
void BM_QuendrelRank20x20UnitUpperTriangular(benchmark::State& state) {
  computeRank(state, console::editBoxText(bench::unitUpperTriangular(20)), rankLine("20"));
}
BENCHMARK(BM_QuendrelRank20x20UnitUpperTriangular)->Unit(benchmark::kMicrosecond);

// Every row below the pivot is cleared at every step, in both eliminations.
void BM_QuendrelRank20x20Full(benchmark::State& state) {
  computeRank(state, lowerTriangularOnes(20, 20), rankLine("20"));
}
BENCHMARK(BM_QuendrelRank20x20Full)->Unit(benchmark::kMicrosecond);

void BM_QuendrelRank20x20Half(benchmark::State& state) {
  computeRank(state, lowerTriangularOnes(20, 10), rankLine("10"));
}
BENCHMARK(BM_QuendrelRank20x20Half)->Unit(benchmark::kMicrosecond);

void BM_QuendrelRank3x3(benchmark::State& state) { computeRank(state, "1 2 3\r\n4 5 6\r\n7 8 10", rankLine("3")); }
BENCHMARK(BM_QuendrelRank3x3)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace matcalc
