#pragma once
// The adjugate or the inverse of a square matrix without zero denominators,
// exactly, from one fraction-free Gauss-Jordan elimination.
#include "fraction_grid.h"
#include "integer_elimination.h"

namespace matcalc {

// Writes the adjugate, or the inverse, of the n x n matrix in `matrix` into
// cells 1 to n of `result`, each in lowest terms with a positive denominator
// (0 as 0/1), and returns true. Returns false, writing nothing, for the
// inverse of a matrix whose determinant is 0. `work` is scratch space.
bool adjugateOrInverse(const FractionGrid& matrix, int n, bool inverse, FractionGrid& result, IntegerMatrix& work);

}  // namespace matcalc
