#pragma once
// Where both eliminations, on fractions step by step and on the integer
// kernel, find a pivot, and how they repair a zero one.

namespace matcalc {

// How a zero pivot is repaired: by exchanging its row with the first row
// below whose entry in the pivot's column is not 0, or by adding that row to
// the pivot's row.
enum class PivotRepair { RowSwap, RowAddition };

// The first of rows `from` to `to` of a table addressed [row][column] whose
// entry in `column` is not 0; 0 when there is none. A fraction counts as
// nonzero by its numerator.
template <class Table>
int firstNonzeroRow(const Table& rows, int column, int from, int to) {
  for (int r = from; r <= to; ++r) {
    if (!rows[r][column].isZero()) return r;
  }
  return 0;
}

}  // namespace matcalc
