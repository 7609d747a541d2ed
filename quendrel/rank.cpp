#include "rank.h"

#include "stepwise_elimination.h"

namespace matcalc {

int rowRank(FractionGrid& grid, int rows, int columns) {
  int rank = 0;
  for (int c = 1; c <= columns && rank < rows; ++c) {
    const int p = firstNonzeroRow(grid.num, c, rank + 1, rows);
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
