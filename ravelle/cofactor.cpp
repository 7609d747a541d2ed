#include "cofactor.h"

#include <utility>

#include "stepwise_elimination.h"

namespace matcalc {
namespace {

// Columns j + 1 to n move one place left in rows 1 to n (column j ends up
// last, among the leftovers).
void strikeColumn(FractionGrid& g, int n, int j) {
  for (int r = 1; r <= n; ++r) {
    for (int c = j; c < n; ++c) {
      std::swap(g.num[r][c], g.num[r][c + 1]);
      std::swap(g.den[r][c], g.den[r][c + 1]);
    }
  }
}

// Rows i + 1 to n move one place up in columns 1 to n - 1; column n is
// outside the minor and stays where it is.
void strikeRow(FractionGrid& g, int n, int i) {
  for (int c = 1; c < n; ++c) {
    for (int r = i; r < n; ++r) {
      std::swap(g.num[r][c], g.num[r + 1][c]);
      std::swap(g.den[r][c], g.den[r + 1][c]);
    }
  }
}

}  // namespace

Status cofactor(FractionGrid& grid, int n, int i, int j, FractionGrid& result, Arithmetic arithmetic) {
  strikeColumn(grid, n, j);
  strikeRow(grid, n, i);

  // Adding a row below to a zero pivot row leaves the determinant as it is,
  // so the minor's determinant needs no correction for repairs.
  const int m = n - 1;
  int unusedSwaps = 0;
  if (const Status s = forwardEliminate(grid, m, m, PivotRepair::RowAddition, unusedSwaps, arithmetic); s != Status::Ok) {
    return s;
  }

  Fraction value;  // 1/1 for the empty minor of a 1 x 1 matrix
  if (const Status s = diagonalProduct(grid, m, value, arithmetic); s != Status::Ok) return s;
  if ((i + j) % 2 != 0) value.num = -value.num;
  return storeIfFits(result, j, i, std::move(value), arithmetic);
}

}  // namespace matcalc
