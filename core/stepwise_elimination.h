#pragma once
// Forward elimination step by step on a fraction grid, as typed: each row
// operation cross-multiplies fractions, never divides, and reduces each cell
// it changes. This is the algorithm of every text with a zero denominator,
// computed with 32-bit terms and the range error (Arithmetic::AsTyped), and,
// on terms of any size, the oracle of the integer kernel in the tests.
#include "arithmetic.h"
#include "fraction_grid.h"
#include "pivot_search.h"
#include "status.h"

namespace matcalc {

// Makes cell [target][pivotCol] zero by subtracting a multiple of row pivotRow
// from row target, over columns 1 to width. Each cell n/d becomes
//   N = p*n*dk*b - nk*d*a*dp,  D = p*d*dk*b
// (p/dp the pivot, nk/dk the pivot row's cell, a/b the target's cell in the
// pivot column as it was before the step), with D = 1 when N = 0, reduced on N
// with its sign set aside, and stored.
Status eliminationStep(FractionGrid& g, int pivotRow, int pivotCol, int target, int width, Arithmetic arithmetic);

void swapRows(FractionGrid& g, int a, int b, int width);

// Brings rows 1 to rows of the grid towards triangular form with pivots
// [k][k], k = 1 ... rows - 1. A zero pivot is repaired once; if it is still 0
// (no nonzero numerator below, a zero denominator, or a column beyond width)
// that step does nothing more. A repair by row addition adds row m to row k
// unreduced: n/d + m/e = (m*d + n*e) / (d*e). Adds the number of row swaps
// to `swaps`.
Status forwardEliminate(FractionGrid& g, int rows, int width, PivotRepair repair, int& swaps, Arithmetic arithmetic);

// Product of the diagonal cells [1][1] ... [n][n], reduced on its denominator
// (sign set aside) after each factor, each partial product stored.
Status diagonalProduct(const FractionGrid& g, int n, Fraction& product, Arithmetic arithmetic);

// Where the sign of a determinant computed step by step stands: moved to
// its numerator before the negation for an odd number of swaps (the value
// Dornikel shows), or left where the diagonal product put it (the divisor of
// Ravelle's inverse).
enum class DeterminantSign { Normalised, AsProduct };

// The determinant of the n x n block step by step: forward elimination with
// row swaps, the diagonal product, its sign as `sign` says, negated for an
// odd number of swaps. Each value stored is held to the arithmetic.
Status stepByStepDeterminant(FractionGrid& g, int n, DeterminantSign sign, Arithmetic arithmetic, Fraction& det);

}  // namespace matcalc
