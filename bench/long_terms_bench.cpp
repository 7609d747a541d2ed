// The compute commands on 20 x 20 inputs whose terms leave 32 bits (the
// kinds of bench_support.h), side by side with FLINT on the same matrices:
// fmpq_mat's determinant, inverse, product and reduced row echelon form, and
// for Quendrel also the matrix it shows, computed and written with fmpz and
// fmpq. scripts/bench turns these into the README's table of inputs whose terms leave 32 bits.
#include <flint/fmpq.h>

#include "bench_support.h"
#include "dornikel.h"
#include "flint_reference.h"
#include "flint_shown_matrix.h"
#include "quendrel.h"
#include "ravelle.h"
#include "recording_window.h"
#include "sontaby.h"

namespace matcalc::bench {
namespace {

TermKind kindOf(const benchmark::State& state) { return static_cast<TermKind>(state.range(0)); }
// The side: 20 unless a second argument gives another.
int sideOf(const benchmark::State& state) { return state.range(1) != 0 ? static_cast<int>(state.range(1)) : 20; }

void BM_Long_Dornikel(benchmark::State& state) {
  runCommand(state, kDornikelInfo, kMatrixBox, randomMatrix(kindOf(state), 1));
}

void BM_Long_Quendrel(benchmark::State& state) {
  runCommand(state, kQuendrelInfo, kMatrixBox, randomMatrix(kindOf(state), 1), kQuendrelRankButton);
}

void BM_Long_Sontaby(benchmark::State& state) {
  runCommand(state, kSontabyInfo, kSontabyMatrix1Box, randomMatrix(kindOf(state), 1), kSontabyProductButton,
             kSontabyMatrix2Box, randomMatrix(kindOf(state), 2));
}

void BM_Long_RavelleInverse(benchmark::State& state) {
  runCommand(state, kRavelleInfo, kMatrixBox, randomMatrix(kindOf(state), 1, sideOf(state)), kInverseRadio);
}

void BM_Long_RavelleAdjugate(benchmark::State& state) {
  runCommand(state, kRavelleInfo, kMatrixBox, randomMatrix(kindOf(state), 1, sideOf(state)), kAdjugateRadio);
}

void BM_Flint_Dornikel(benchmark::State& state) {
  FlintMatrix a(randomMatrix(kindOf(state), 1));
  fmpq_t det;
  fmpq_init(det);
  for (auto _ : state) fmpq_mat_det(det, a.get());
  fmpq_clear(det);
}

void flintReducedRowEchelonForm(benchmark::State& state, const std::string& text) {
  FlintMatrix a(text), echelon(text);
  for (auto _ : state) benchmark::DoNotOptimize(fmpq_mat_rref(echelon.get(), a.get()));
}

void BM_Flint_Quendrel(benchmark::State& state) { flintReducedRowEchelonForm(state, randomMatrix(kindOf(state), 1)); }

// The matrix rows of Quendrel's result box for the text: all up to the
// empty line before the rank.
std::string quendrelShownRows(const std::string& utf8) {
  RecordingWindow dialog;
  dialog.setText(kMatrixBox, console::editBoxText(utf8));
  dialog.setChecked(kQuendrelRankButton, true);
  kQuendrelInfo.makeHandler()->onCommand(dialog, kComputeButton);
  if (dialog.messages().size() != 1) return {};
  const std::string& text = dialog.messages()[0].text;
  return text.substr(0, text.find("\n\n") + 1);
}

// FLINT computing and writing the matrix that Quendrel shows, once checked
// against Quendrel's own box on the same text.
void flintShownMatrix(benchmark::State& state, const std::string& text) {
  FlintShownMatrix reference(text);
  std::string shown;
  reference.write(shown);
  if (shown != quendrelShownRows(text)) {
    state.SkipWithError("FLINT's shown matrix differs from Quendrel's");
    return;
  }
  for (auto _ : state) {
    shown.clear();
    reference.write(shown);
  }
}

void BM_FlintShown_Quendrel(benchmark::State& state) { flintShownMatrix(state, randomMatrix(kindOf(state), 1)); }

// Quendrel on the shuffled products P L U of bench_support.h, of the rank
// given, whose zero pivots need repairs; beside them FLINT, as for the other
// kinds.
std::string shuffledProductOf(const benchmark::State& state) {
  return shuffledTriangularProduct(static_cast<int>(state.range(0)), 1);
}

void BM_Long_QuendrelPLU(benchmark::State& state) {
  runCommand(state, kQuendrelInfo, kMatrixBox, shuffledProductOf(state), kQuendrelRankButton);
}

void BM_Flint_QuendrelPLU(benchmark::State& state) { flintReducedRowEchelonForm(state, shuffledProductOf(state)); }

void BM_FlintShown_QuendrelPLU(benchmark::State& state) { flintShownMatrix(state, shuffledProductOf(state)); }

void BM_Flint_Sontaby(benchmark::State& state) {
  FlintMatrix a(randomMatrix(kindOf(state), 1)), b(randomMatrix(kindOf(state), 2)), c("");
  for (auto _ : state) fmpq_mat_mul(c.get(), a.get(), b.get());
}

void BM_Flint_RavelleInverse(benchmark::State& state) {
  const int n = sideOf(state);
  FlintMatrix a(randomMatrix(kindOf(state), 1, n), n), inverse("", n);
  for (auto _ : state) fmpq_mat_inv(inverse.get(), a.get());
}

// The adjugate as the determinant times the inverse.
void BM_Flint_RavelleAdjugate(benchmark::State& state) {
  const int n = sideOf(state);
  FlintMatrix a(randomMatrix(kindOf(state), 1, n), n), adjugate("", n);
  fmpq_t det;
  fmpq_init(det);
  for (auto _ : state) {
    fmpq_mat_det(det, a.get());
    fmpq_mat_inv(adjugate.get(), a.get());
    fmpq_mat_scalar_mul_fmpq(adjugate.get(), adjugate.get(), det);
  }
  fmpq_clear(det);
}

constexpr int kKinds = 4;
BENCHMARK(BM_Long_Dornikel)->DenseRange(0, kKinds - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Flint_Dornikel)->DenseRange(0, kKinds - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Long_Quendrel)->DenseRange(0, kKinds - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Flint_Quendrel)->DenseRange(0, kKinds - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FlintShown_Quendrel)->DenseRange(0, kKinds - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Long_QuendrelPLU)->Arg(12)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Flint_QuendrelPLU)->Arg(12)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FlintShown_QuendrelPLU)->Arg(12)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Long_Sontaby)->DenseRange(0, kKinds - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Flint_Sontaby)->DenseRange(0, kKinds - 1)->Unit(benchmark::kMillisecond);
// Ravelle also on 6 x 6 integers: {kind, side}, side 0 for 20.
void ravelleArguments(benchmark::internal::Benchmark* b) {
  for (int kind = 0; kind < kKinds; ++kind) b->Args({kind, 0});
  b->Args({0, 6});
}
BENCHMARK(BM_Long_RavelleInverse)->Apply(ravelleArguments)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Flint_RavelleInverse)->Apply(ravelleArguments)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Long_RavelleAdjugate)->Apply(ravelleArguments)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Flint_RavelleAdjugate)->Apply(ravelleArguments)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace matcalc::bench
