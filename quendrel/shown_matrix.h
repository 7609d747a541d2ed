#pragma once
// The matrix Quendrel shows: forward elimination with pivots [k][k],
// k = 1 ... rows - 1, a zero pivot repaired by adding the first row below
// with a nonzero numerator in its column (rows are never exchanged); then
// every sign moved to its numerator and every cell whose numerator is 2 or
// more reduced. Two ways to the same cells.
#include "arithmetic.h"
#include "fraction_grid.h"
#include "integer_elimination.h"
#include "status.h"

namespace matcalc {

// Step by step on the fractions of the grid, in place.
Status shownStepByStep(FractionGrid& grid, int rows, int columns, Arithmetic arithmetic);

// From the integer kernel, for a grid without zero denominators, in place;
// returns the rank of the matrix, from the same pass.
int shownFromKernel(FractionGrid& grid, int rows, int columns, IntegerMatrix& work);

}  // namespace matcalc
