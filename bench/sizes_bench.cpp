// Each program's compute command on 3 x 3, 6 x 6 and 20 x 20 inputs: the
// matrix with ones on and above the diagonal (for Sontaby, its product with
// itself). scripts/bench turns these into the table in the README.
#include "bench_support.h"
#include "dornikel.h"
#include "quendrel.h"
#include "ravelle.h"
#include "sontaby.h"

namespace matcalc::bench {
namespace {

void BM_Size_Dornikel(benchmark::State& state) {
  runCommand(state, kDornikelInfo, kMatrixBox, unitUpperTriangular(static_cast<int>(state.range(0))));
}

void BM_Size_Ravelle(benchmark::State& state) {
  runCommand(state, kRavelleInfo, kMatrixBox, unitUpperTriangular(static_cast<int>(state.range(0))), kInverseRadio);
}

void BM_Size_Sontaby(benchmark::State& state) {
  const std::string matrix = unitUpperTriangular(static_cast<int>(state.range(0)));
  runCommand(state, kSontabyInfo, kSontabyMatrix1Box, matrix, kSontabyProductButton, kSontabyMatrix2Box, matrix);
}

void BM_Size_Quendrel(benchmark::State& state) {
  runCommand(state, kQuendrelInfo, kMatrixBox, unitUpperTriangular(static_cast<int>(state.range(0))),
             kQuendrelRankButton);
}

BENCHMARK(BM_Size_Dornikel)->Arg(3)->Arg(6)->Arg(20)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Size_Ravelle)->Arg(3)->Arg(6)->Arg(20)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Size_Sontaby)->Arg(3)->Arg(6)->Arg(20)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Size_Quendrel)->Arg(3)->Arg(6)->Arg(20)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace matcalc::bench
