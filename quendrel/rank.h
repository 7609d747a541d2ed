#pragma once
// The rank of a matrix of fractions: the number of its independent rows.
#include "fraction_grid.h"

namespace matcalc {

// Counts the independent rows of the rows x columns block of `grid` by exact
// elimination to row echelon form: for each column in turn, the first row at
// or below the next pivot row whose numerator there is not 0 is exchanged
// into place and clears that column in the rows below it that are not 0
// there; a column without such a row is skipped. The block is changed in
// place, with terms of any size whatever the command's arithmetic, so the count
// always ends and never fails.
//
// A cell counts as nonzero by its numerator, as everywhere in the programs, so
// a cell typed n/0 with n not 0 can be a pivot, and a cell typed 0/0 is 0.
// A zero denominator is carried through the same elimination step as any
// other term (no step divides), so the count is defined for every grid.
int rowRank(FractionGrid& grid, int rows, int columns);

}  // namespace matcalc
