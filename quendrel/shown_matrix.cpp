#include "shown_matrix.h"

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

// The cells of a row of the kernel as the elimination step by step has them
// before the row's first change: as typed, until a step has run; after that
// in lowest terms, which are what each step leaves, with their signs moved
// to the numerators. Of these forms only their magnitudes are shown.
Fraction cellAsStepped(const FractionGrid& grid, const IntegerMatrix& m, int r, int c, const Echelon& sofar) {
  if (sofar.pivots == 0) return grid.cell(r, c);
  return lowestTerms(m.at[r][c], m.scales[r] * sofar.lastPivot);
}

// A repaired row shows the sums of the two rows' cells unreduced, in the
// forms those cells had, then passed over as the last pass passes every
// cell. The kernel's own row keeps only their values, so the shown cells are
// made here, before the addition, and stored in the grid's row.
class RepairedRows : public RowAdditionWatch {
 public:
  explicit RepairedRows(FractionGrid& grid) : grid_(grid) {}
  void beforeAdding(const IntegerMatrix& m, int from, int to, const Echelon& sofar) override {
    for (int c = 1; c <= m.columns; ++c) {
      const Fraction added = cellAsStepped(grid_, m, from, c, sofar), onto = cellAsStepped(grid_, m, to, c, sofar);
      normaliseAndReduceCell(grid_, to, c, sum(added.num, added.den, onto.num, onto.den), Arithmetic::Kernel);
    }
    repaired_[to] = true;
  }
  bool repaired(int r) const { return repaired_[r]; }

 private:
  FractionGrid& grid_;
  std::array<bool, kGridSide> repaired_{};
};

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

// The steps are Gaussian elimination with row additions: with A = S^-1 M, S
// the row scales and M integer, row i of the shown matrix is row i of M's
// Gaussian elimination over s_i, and the fraction-free elimination keeps
// that row times the pivot of the last step above it. Each step reduces
// every cell it changes, so such a cell is shown in lowest terms; a row no
// step changed shows its cells as typed, and a repaired row the sums the
// watch made. Steps beyond the last column would change only cells that are
// 0 by then.
int shownFromKernel(FractionGrid& grid, int rows, int columns, IntegerMatrix& work) {
  scaleRows(grid, rows, columns, work);
  RepairedRows repairs(grid);
  const Echelon e = eliminate(work, columns, Clearing::Below, PivotRepair::RowAddition, &repairs);
  const Integer* lastPivot = nullptr;  // of the last step above the row
  bool onlyPivotRowsNonzero = true;
  for (int i = 1; i <= rows; ++i) {
    if (repairs.repaired(i)) {
      // shown as the watch stored it
    } else if (lastPivot == nullptr) {
      normaliseAndReduceRow(grid, i, columns, Arithmetic::Kernel);
    } else {
      const Integer divisor = work.scales[i] * *lastPivot;
      for (int c = 1; c <= columns; ++c) grid.store(i, c, lowestTerms(work.at[i][c], divisor));
    }
    if (e.pivotColumn[i] != 0) lastPivot = &work.at[i][i];
    else onlyPivotRowsNonzero = onlyPivotRowsNonzero && rowIsZero(work, i);
  }
  // The pivot rows are independent, each 0 left of its pivot. When another
  // row is not 0, an elimination with row exchanges finds the rank.
  return onlyPivotRowsNonzero ? e.pivots : eliminate(work, columns, Clearing::Below).pivots;
}

}  // namespace matcalc
