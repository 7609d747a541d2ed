#include "shown_matrix.h"

#include <algorithm>
#include <utility>

#include "native_terms.h"
#include "stepwise_elimination.h"

namespace matcalc {
namespace {

// The last pass over a cell: a negative denominator's sign moved to the
// numerator, then a reduction on the numerator only when that is 2 or more,
// so a negative fraction keeps the terms it has. Int is Integer, or
// std::int64_t for terms below the native bound of degree 1.
template <class Int>
Status normaliseAndReduce(BasicFraction<Int>& f, Arithmetic arithmetic) {
  normaliseSign(f);
  if (const Status s = rangeStatus(f, arithmetic); s != Status::Ok) return s;
  reduce(f, Bound::Numerator, BoundSign::Kept);
  return Status::Ok;
}

template <class Int>
Status normaliseAndReduceCell(FractionGrid& g, int r, int c, BasicFraction<Int> f, Arithmetic arithmetic) {
  if (const Status s = normaliseAndReduce(f, arithmetic); s != Status::Ok) return s;
  g.store(r, c, {std::move(f.num), std::move(f.den)});
  return Status::Ok;
}

Status normaliseAndReduceRow(FractionGrid& g, int r, int columns, Arithmetic arithmetic) {
  for (int c = 1; c <= columns; ++c) {
    const Integer &num = g.num[r][c], &den = g.den[r][c];
    const Status s = nativeTerms<1>(num, den)
                         ? normaliseAndReduceCell(g, r, c, BasicFraction<std::int64_t>{num.small(), den.small()}, arithmetic)
                         : normaliseAndReduceCell(g, r, c, g.cell(r, c), arithmetic);
    if (s != Status::Ok) return s;
  }
  return Status::Ok;
}

bool rowIsZero(const IntegerMatrix& m, int r) {
  for (int c = 1; c <= m.columns; ++c) {
    if (!m.at[r][c].isZero()) return false;
  }
  return true;
}

}  // namespace

Status shownStepByStep(FractionGrid& grid, int rows, int columns, Arithmetic arithmetic) {
  int unusedSwaps = 0;
  if (const Status s = forwardEliminate(grid, rows, columns, PivotRepair::RowAddition, unusedSwaps, arithmetic);
      s != Status::Ok) {
    return s;
  }
  for (int r = 1; r <= rows; ++r) {
    if (const Status s = normaliseAndReduceRow(grid, r, columns, arithmetic); s != Status::Ok) return s;
  }
  return Status::Ok;
}

// Without repairs the steps are Gaussian elimination: with A = S^-1 M, S the
// row scales and M integer, row i of the shown matrix is row i of M's
// Gaussian elimination over s_i, and the fraction-free elimination keeps
// that row times the pivot of the last step that changed it. Each step
// reduces every cell it changes, so such a cell is shown in lowest terms; a
// row no step changed shows its cells as typed. Steps with k beyond the last
// column change nothing shown: the rows below are 0 there by then.
bool shownFromKernel(FractionGrid& grid, int rows, int columns, IntegerMatrix& work, int& rank) {
  scaleRows(grid, rows, columns, work);
  std::array<int, kGridSide> lastStep{};  // the step that last changed each row, 0 for none
  std::array<bool, kGridSide> isPivotRow{};
  int pivots = 0;
  const Integer one = 1;
  const Integer* previous = &one;  // the pivot of the step before
  for (int k = 1; k <= std::min(rows - 1, columns); ++k) {
    if (work.at[k][k].isZero()) {
      for (int i = k + 1; i <= rows; ++i) {
        if (!work.at[i][k].isZero()) return false;
      }
      continue;  // the column is 0 from row k down: the step does nothing
    }
    for (int i = k + 1; i <= rows; ++i) {
      clearEntries(work, i, k, k, k + 1, *previous);
      lastStep[i] = k;
    }
    previous = &work.at[k][k];
    isPivotRow[k] = true;
    ++pivots;
  }

  // The rank: the pivot rows are independent, each 0 left of its pivot. When
  // the rows of skipped steps are 0, the only other row that can be nonzero
  // is the last, 0 left of column rows (every row below the last column is
  // 0); otherwise an elimination with row exchanges finds it.
  bool skippedRowsZero = true;
  for (int k = 1; k < rows && k <= columns; ++k) skippedRowsZero = skippedRowsZero && (isPivotRow[k] || rowIsZero(work, k));
  const int lastRow = rows <= columns && !rowIsZero(work, rows) ? 1 : 0;

  for (int i = 1; i <= rows; ++i) {
    if (lastStep[i] == 0) {
      normaliseAndReduceRow(grid, i, columns, Arithmetic::Kernel);
      continue;
    }
    const Integer& pivot = work.at[lastStep[i]][lastStep[i]];
    const Integer divisor = work.scales[i].isOne() ? pivot : pivot * work.scales[i];
    for (int c = 1; c <= columns; ++c) {
      grid.store(i, c, lowestTerms(work.at[i][c], divisor));
    }
  }
  rank = skippedRowsZero ? pivots + lastRow : eliminate(work, columns, Clearing::Below).rank;
  return true;
}

}  // namespace matcalc
