// Ravelle's compute command: the inverse of the 20 x 20 matrix with ones on
// and above the diagonal (target under 20 ms) and of a 4 x 4 matrix (target
// under 20 us). Each command reads the text n x n + 1 times, once for the
// determinant and once before each cofactor.
#include "bench_support.h"
#include "ravelle.h"

namespace matcalc::bench {
namespace {

void BM_RavelleInverse20x20UnitTriangular(benchmark::State& state) {
  runCommand(state, kRavelleInfo, kMatrixBox, unitUpperTriangular(20), kInverseRadio);
}
BENCHMARK(BM_RavelleInverse20x20UnitTriangular)->Unit(benchmark::kMillisecond);

void BM_RavelleAdjugate20x20UnitTriangular(benchmark::State& state) {
  runCommand(state, kRavelleInfo, kMatrixBox, unitUpperTriangular(20), kAdjugateRadio);
}
BENCHMARK(BM_RavelleAdjugate20x20UnitTriangular)->Unit(benchmark::kMillisecond);

void BM_RavelleInverse4x4(benchmark::State& state) {
  runCommand(state, kRavelleInfo, kMatrixBox, "2 -1 0 3\n1/2 4 -2 1\n0 3 5/3 -1\n7 0 1 2", kInverseRadio);
}
BENCHMARK(BM_RavelleInverse4x4)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace matcalc::bench
