#pragma once
// The cofactor of one cell of a square matrix, stored at the transposed
// place so that running it for every cell fills a grid with the adjugate.
#include "arithmetic.h"
#include "fraction_grid.h"
#include "status.h"

namespace matcalc {

// The cofactor of cell (i, j) of the n x n matrix in `grid`: (-1)^(i+j) times
// the determinant of the minor without row i and column j, stored in cell
// (j, i) of `result`. Works in place: column j and then row i are struck out
// by shifting the cells after them, and the minor is eliminated where it
// stands, so `grid` no longer holds the matrix afterwards. The stored
// denominator may be negative. Fails with Status::OutOfRange when a value to
// be stored does not fit the arithmetic; `result` is then unchanged.
Status cofactor(FractionGrid& grid, int n, int i, int j, FractionGrid& result, Arithmetic arithmetic);

}  // namespace matcalc
