#pragma once
// The matrix text reader: one left-to-right pass over the edit-box text (with
// two blanks appended) that fills a fraction grid and counts rows. It rejects
// no character: what it does not know it skips.
#include <string_view>

#include "fraction_grid.h"
#include "status.h"

namespace matcalc {

struct ReadResult {
  Status status = Status::Ok;
  int rows = 1;                  // the row count: one more than the number of row advances
  bool zeroDenominator = false;  // whether a denominator of 0 was stored
};

// Reads the text into the grid, each row of it starting empty (every cell
// 0/1), so a cell the text does not fill is 0; rows below the row count are
// not part of the matrix and are left as they are. Stops with
// Status::OutOfRange when a number leaves the 32-bit range, and with
// Status::TooLarge when a 21st row begins or a 21st element of a line is
// stored, whichever comes first in the text. A matrix with a zero denominator
// is computed as typed, with 32-bit terms; so the grid's width becomes
// TermWidth::Int32 when the run stores one, TermWidth::Unbounded otherwise.
ReadResult readMatrix(std::string_view text, FractionGrid& grid);

// The number of elements on the first line of the same text: with one row
// the whole text is scanned and an element counts at the blank after it;
// with more rows only up to the first carriage return, and an element counts
// at its first digit.
int columnCount(std::string_view text, int rows);

// A rectangular matrix: the reading run, then the column count of the same
// text. `rows` and `columns` are set only when reading succeeds.
Status readRectangularMatrix(std::string_view text, FractionGrid& grid, int& rows, int& columns);

}  // namespace matcalc
