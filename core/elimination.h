#pragma once
// Forward elimination on a fraction grid by cross-multiplied row operations
// that keep every cell a fraction and never divide.
#include "fraction_grid.h"
#include "status.h"

namespace matcalc {

// How a zero pivot [k][k] is repaired: by exchanging row k with the first row
// below it whose numerator in column k is not 0 (counted, for the sign of a
// determinant), or by adding that row to row k.
enum class PivotRepair { RowSwap, RowAddition };

// Makes cell [target][pivotCol] zero by subtracting a multiple of row pivotRow
// from row target, over columns 1 to width. Each cell n/d becomes
//   N = p*n*dk*b - nk*d*a*dp,  D = p*d*dk*b
// (p/dp the pivot, nk/dk the pivot row's cell, a/b the target's cell in the
// pivot column as it was before the step), with D = 1 when N = 0, reduced on N
// with its sign set aside, and stored.
Status eliminationStep(FractionGrid& g, int pivotRow, int pivotCol, int target, int width);

void swapRows(FractionGrid& g, int a, int b, int width);

// Row `from` added to row `to` over columns 1 to width, unreduced:
// n/d + m/e = (m*d + n*e) / (d*e).
Status addRow(FractionGrid& g, int from, int to, int width);

// Brings rows 1 to rows of the grid towards triangular form with pivots
// [k][k], k = 1 ... rows - 1. A zero pivot is repaired once; if it is still 0
// (no nonzero numerator below, a zero denominator, or a column beyond width)
// that step does nothing more. Adds the number of row swaps to `swaps`.
Status forwardEliminate(FractionGrid& g, int rows, int width, PivotRepair repair, int& swaps);

// Product of the diagonal cells [1][1] ... [n][n], reduced on its denominator
// (sign set aside) after each factor, each partial product stored at the
// grid's width.
Status diagonalProduct(const FractionGrid& g, int n, Fraction& product);

}  // namespace matcalc
