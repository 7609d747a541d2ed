#include "rank.h"

#include "stepwise_elimination.h"

namespace matcalc {
namespace {

// The first row among from ... rows whose numerator in `column` is not 0, or 0.
int pivotRowFrom(const FractionGrid& g, int from, int rows, int column) {
  for (int r = from; r <= rows; ++r) {
    if (!g.num[r][column].isZero()) return r;
  }
  return 0;
}

}  // namespace

int rowRank(FractionGrid& grid, int rows, int columns) {
  int rank = 0;
  for (int c = 1; c <= columns && rank < rows; ++c) {
    const int p = pivotRowFrom(grid, rank + 1, rows, c);
    if (p == 0) continue;
    const int pivot = rank + 1;
    if (p != pivot) swapRows(grid, p, pivot, columns);
    for (int i = pivot + 1; i <= rows; ++i) {
      if (grid.num[i][c].isZero()) continue;  // nothing to clear in this row
      eliminationStep(grid, pivot, c, i, columns, Arithmetic::StepByStep);  // terms of any size: it cannot fail
    }
    rank = pivot;
  }
  return rank;
}

}  // namespace matcalc
