#pragma once
// The product of two matrices of fractions, both ways: exactly on integers,
// and step by step as typed.
#include "arithmetic.h"
#include "fraction_grid.h"
#include "integer_elimination.h"
#include "status.h"

namespace matcalc {

// The left matrix is rows x inner, the right one inner x columns.
struct MatrixShape {
  int rows;
  int inner;
  int columns;
};

// Step by step: each cell (i, j) accumulates, from 0/1, the terms
// nL(i,k)*nR(k,j) / dL(i,k)*dR(k,j), k = 1 ... inner, each neither reduced
// nor stored: the running sum n/d becomes (tn*d + td*n)/(td*d), a zero
// numerator taking the denominator 1, and is reduced on its denominator with
// its sign kept. Each running sum must fit the arithmetic.
Status productByRunningSums(const FractionGrid& left, const FractionGrid& right, MatrixShape shape, Arithmetic arithmetic,
                            FractionGrid& cells);

// Exactly, for matrices without zero denominators: each row of the left
// matrix and each column of the right one are scaled to integers by the
// least common multiple of their denominators, a_i and b_j; cell (i, j) of
// the integer product, over a_i * b_j, is reduced once. `l` and `r` are
// scratch space.
void productOfIntegers(const FractionGrid& left, const FractionGrid& right, MatrixShape shape, IntegerMatrix& l,
                       IntegerMatrix& r, FractionGrid& cells);

}  // namespace matcalc
