// The compute commands on 20 x 20 inputs whose terms leave 32 bits (the
// kinds of bench_support.h), side by side with FLINT's fmpq_mat on the same
// matrices. scripts/bench turns these into the README's table of wide inputs.
#include <flint/fmpq.h>

#include "bench_support.h"
#include "dornikel.h"
#include "flint_reference.h"
#include "quendrel.h"
#include "sontaby.h"

namespace matcalc::bench {
namespace {

WideKind kindOf(const benchmark::State& state) { return static_cast<WideKind>(state.range(0)); }

void BM_Wide_Dornikel(benchmark::State& state) {
  runCommand(state, kDornikelInfo, kMatrixBox, randomMatrix(kindOf(state), 1));
}

void BM_Wide_Quendrel(benchmark::State& state) {
  runCommand(state, kQuendrelInfo, kMatrixBox, randomMatrix(kindOf(state), 1), kQuendrelRankButton);
}

void BM_Wide_Sontaby(benchmark::State& state) {
  runCommand(state, kSontabyInfo, kSontabyMatrix1Box, randomMatrix(kindOf(state), 1), kSontabyProductButton,
             kSontabyMatrix2Box, randomMatrix(kindOf(state), 2));
}

void BM_Flint_Dornikel(benchmark::State& state) {
  FlintMatrix a(randomMatrix(kindOf(state), 1));
  fmpq_t det;
  fmpq_init(det);
  for (auto _ : state) fmpq_mat_det(det, a.get());
  fmpq_clear(det);
}

void BM_Flint_Quendrel(benchmark::State& state) {
  FlintMatrix a(randomMatrix(kindOf(state), 1)), echelon(randomMatrix(kindOf(state), 1));
  for (auto _ : state) benchmark::DoNotOptimize(fmpq_mat_rref(echelon.get(), a.get()));
}

void BM_Flint_Sontaby(benchmark::State& state) {
  FlintMatrix a(randomMatrix(kindOf(state), 1)), b(randomMatrix(kindOf(state), 2)), c("");
  for (auto _ : state) fmpq_mat_mul(c.get(), a.get(), b.get());
}

constexpr int kKinds = 4;
BENCHMARK(BM_Wide_Dornikel)->DenseRange(0, kKinds - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Flint_Dornikel)->DenseRange(0, kKinds - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Wide_Quendrel)->DenseRange(0, kKinds - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Flint_Quendrel)->DenseRange(0, kKinds - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Wide_Sontaby)->DenseRange(0, kKinds - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Flint_Sontaby)->DenseRange(0, kKinds - 1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace matcalc::bench
