// Dornikel's compute command on a 3 x 3 matrix and on the 20 x 20 unit upper
// triangular matrix.
#include "bench_support.h"
#include "dornikel.h"

namespace {

using namespace matcalc;

void BM_DornikelDeterminant3x3(benchmark::State& state) {
  bench::runCommand(state, kDornikelInfo, kMatrixBox, "2 -1 0\n-1 2 -1\n0 -1 2");
}
BENCHMARK(BM_DornikelDeterminant3x3);

void BM_DornikelDeterminant20x20(benchmark::State& state) {
  bench::runCommand(state, kDornikelInfo, kMatrixBox, bench::unitUpperTriangular(20));
}
BENCHMARK(BM_DornikelDeterminant20x20);

}  // namespace
