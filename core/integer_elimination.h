#pragma once
// The exact kernel: a matrix of fractions without zero denominators, its rows
// scaled to integers, eliminated without fractions (Bareiss). Each step with
// pivot p replaces an entry a by (p * a - a_c * a_r) / q: a_c the entry in
// the pivot's column, a_r the pivot row's entry in a's column, q the pivot of
// the step before (1 at the first). The division is always exact, and every
// entry stays a minor of the starting matrix, so terms grow no more than the
// answer needs.
#include <array>

#include "fraction_grid.h"
#include "pivot_search.h"
#include "product_sum.h"

namespace matcalc {

using Scales = std::array<Integer, kGridSide>;

// Rows 1 to 20 of up to 40 integers, addressed from 1 like a grid: room for
// a matrix with the identity beside it. Beside them, what each row was
// multiplied by to make it integer (each column, for a matrix scaled by
// columns), and the room in which its entries are computed; kept here, with
// the matrix a command reuses, rather than made anew for every command. A
// row exchange leaves the scales where they are.
struct IntegerMatrix {
  static constexpr int kMaxColumns = 2 * kMaxSide;
  int rows = 0;
  int columns = 0;
  std::array<std::array<Integer, kMaxColumns + 1>, kGridSide> at;
  Scales scales;
  ProductSum sum;
};

// The rows x columns block of a grid without zero denominators, each row
// multiplied by the least common multiple of its denominators, the row's
// scale (m.scales), so that every entry is an integer.
void scaleRows(const FractionGrid& g, int rows, int columns, IntegerMatrix& m);

// The same with each column multiplied by the least common multiple of its
// denominators, the column's scale.
void scaleColumns(const FractionGrid& g, int rows, int columns, IntegerMatrix& m);

// x / divisor (divisor not 0) in lowest terms with a positive denominator,
// 0 as 0/1: how the kernel's integers become the fractions it answers with.
Fraction lowestTerms(const Integer& x, const Integer& divisor);

// One step on row i, with the pivot at [r][c] and q the pivot before: every
// entry from column `from` on becomes (p * a - a_c * a_r) / q, the entry in
// column c becomes 0.
void clearEntries(IntegerMatrix& m, int i, int r, int c, int from, const Integer& q);

// How far each step clears its pivot's column: in the rows below it (row
// echelon form), or in every other row as well (reduced row echelon form,
// every pivot row's pivot then being the last pivot).
enum class Clearing { Below, AllRows };

struct Echelon {
  int pivots = 0;                            // with row exchanges, the rank
  int swaps = 0;                             // row exchanges made
  Integer lastPivot = 1;                     // with full rank, the determinant, negated for odd swaps
  std::array<int, kGridSide> pivotColumn{};  // of each row, 0 for a row without a pivot
};

// Told of each zero pivot that eliminate repairs by row addition, before the
// row is added, with the elimination as far as it has come.
class RowAdditionWatch {
 public:
  virtual void beforeAdding(const IntegerMatrix& m, int from, int to, const Echelon& sofar) = 0;

 protected:
  ~RowAdditionWatch() = default;
};

// Eliminates m; the row operations of each step cover every column of m.
// - With PivotRepair::RowSwap, to row echelon form: pivots are sought in
//   columns 1 to pivotColumns in turn; the first row at or below the next
//   pivot row whose entry there is not 0 is exchanged into place, and a
//   column without one is skipped.
// - With PivotRepair::RowAddition, rows are never exchanged: step k has its
//   pivot at [k][k], k = 1 ... min(rows, pivotColumns). A zero pivot takes
//   the first row below whose entry there is not 0 added to its row, as
//   fractions: the typed matrix's row k becomes the sum of the two rows, its
//   scale the least common multiple of theirs. When the column is 0 from
//   row k down, the step changes nothing and row k has no pivot. Every step
//   changes every row below it, so each row is its row of fractions times
//   its scale and the pivot of the last step above it.
Echelon eliminate(IntegerMatrix& m, int pivotColumns, Clearing clearing, PivotRepair repair = PivotRepair::RowSwap,
                  RowAdditionWatch* watch = nullptr);

// For m = [U | Y] after eliminate(m, n, Clearing::Below) at full rank n, U
// upper triangular with last pivot d: solves U X = d Y, X in place of Y.
// The elimination made U = E B and Y = E for the starting matrix [B | I], so
// X = d B^-1, the adjugate of B up to the sign of d = +-det B; every X is an
// integer and every division exact.
void backSubstitute(IntegerMatrix& m, int n);

// The determinant of the n x n block of a grid without zero denominators,
// in lowest terms with a positive denominator.
Fraction determinantOf(const FractionGrid& g, int n, IntegerMatrix& work);

}  // namespace matcalc
