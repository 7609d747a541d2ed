// Sontaby's compute command through the window seam, both edit boxes read
// each time: the product of two 20 x 20 matrices of small integers (target
// under 100 us) and each of the four operations on 3 x 3 matrices (target
// under 5 us each).
#include <benchmark/benchmark.h>

#include <string>

#include "bench_support.h"
#include "recording_window.h"
#include "sontaby.h"

namespace matcalc {
namespace {

// An n x n matrix text (CR LF line ends) of small integers from -3 to 3.
std::string smallIntegers(int n, int seed) {
  std::string text;
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= n; ++c) {
      if (c > 1) text += ' ';
      text += std::to_string((r * 7 + c * 3 + seed) % 7 - 3);
    }
    if (r < n) text += "\r\n";
  }
  return text;
}

void compute(benchmark::State& state, const std::string& matrix1, const std::string& matrix2, int radio) {
  RecordingWindow window;
  window.setText(kSontabyMatrix1Box, matrix1);
  window.setText(kSontabyMatrix2Box, matrix2);
  window.setChecked(radio, true);
  bench::computeRepeatedly(state, kSontabyInfo, window);
  // Every run must end in a result box, not an error box.
  if (window.messages().size() != 1 || window.messages()[0].owner != Owner::None) {
    state.SkipWithError("unexpected result");
  }
}

void BM_SontabyProduct20x20(benchmark::State& state) {
  compute(state, smallIntegers(20, 1), smallIntegers(20, 5), kSontabyProductButton);
}
BENCHMARK(BM_SontabyProduct20x20)->Unit(benchmark::kMicrosecond);

const std::string kMatrix3x3a = "1/2 -3 4\r\n2/3 5 -7/4\r\n0 1 9/8";
const std::string kMatrix3x3b = "3 1/5 -2\r\n-1/6 4 7\r\n5/2 0 -1/3";

void BM_SontabySum3x3(benchmark::State& state) { compute(state, kMatrix3x3a, kMatrix3x3b, kSontabySumButton); }
BENCHMARK(BM_SontabySum3x3)->Unit(benchmark::kMicrosecond);

void BM_SontabyDifference3x3(benchmark::State& state) {
  compute(state, kMatrix3x3a, kMatrix3x3b, kSontabyDifferenceButton);
}
BENCHMARK(BM_SontabyDifference3x3)->Unit(benchmark::kMicrosecond);

void BM_SontabyScalar3x3(benchmark::State& state) { compute(state, kMatrix3x3a, kMatrix3x3b, kSontabyScalarButton); }
BENCHMARK(BM_SontabyScalar3x3)->Unit(benchmark::kMicrosecond);

void BM_SontabyProduct3x3(benchmark::State& state) {
  compute(state, kMatrix3x3a, kMatrix3x3b, kSontabyProductButton);
}
BENCHMARK(BM_SontabyProduct3x3)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace matcalc
