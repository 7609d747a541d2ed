// The reduction near the top of the 32-bit range, against the plain trial
// division it replaces.
#include <benchmark/benchmark.h>

#include <chrono>

#include "fraction.h"

namespace {

using namespace matcalc;

void BM_ReductionByCommonFactor(benchmark::State& state) {
  for (auto _ : state) {
    std::int64_t num = 2147483629;
    benchmark::DoNotOptimize(num);
    Fraction f{num, 2147483647};
    reduce(f, Bound::Denominator, BoundSign::SetAside);
    benchmark::DoNotOptimize(f);
  }
}
BENCHMARK(BM_ReductionByCommonFactor);

// Trial division by 2, 3, 4 ... up to the bound term; the counter
// "times_common_factor" tells how many reductions by common factor take as
// long as one trial division.
void BM_ReductionByTrialDivision(benchmark::State& state) {
  constexpr int kRepeats = 1000000;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kRepeats; ++i) {
    std::int64_t num = 2147483629;
    benchmark::DoNotOptimize(num);
    Fraction f{num, 2147483647};
    reduce(f, Bound::Denominator, BoundSign::SetAside);
    benchmark::DoNotOptimize(f);
  }
  const std::chrono::duration<double> commonFactor = (std::chrono::steady_clock::now() - start) / kRepeats;
  const auto trialStart = std::chrono::steady_clock::now();
  for (auto _ : state) {
    std::int32_t b = 2147483647, o = 2147483629;
    benchmark::DoNotOptimize(b);
    for (std::int32_t d = 2; d <= b;) {
      if (o % d == 0 && b % d == 0) {
        b /= d;
        o /= d;
      } else if (d == 2147483647) {
        break;
      } else {
        ++d;
      }
    }
    benchmark::DoNotOptimize(o);
  }
  const std::chrono::duration<double> trial = (std::chrono::steady_clock::now() - trialStart) / state.iterations();
  state.counters["times_common_factor"] = trial / commonFactor;
}
BENCHMARK(BM_ReductionByTrialDivision)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
