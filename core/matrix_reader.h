#pragma once
// The matrix text reader: one left-to-right pass over the edit-box text, as
// the input buffer keeps it (input_text.h), that fills a fraction grid and
// counts rows. It rejects no character: what it does not know it skips.
#include <string_view>

#include "fraction_grid.h"
#include "status.h"

namespace matcalc {

// What one reading run found. The values it stores are exact, whatever their
// length. Whether an element beyond 32 bits is a fault depends on the whole
// command (a zero denominator anywhere in it), so the run reports both ways:
struct ReadResult {
  int rows = 1;  // the row count: one more than the number of row advances
  bool zeroDenominator = false;  // whether a denominator of 0 was stored
  // Status::TooLarge when a 21st row began or a 21st element of a line was
  // stored, where the run stopped; Ok otherwise.
  Status exact = Status::Ok;
  // The same read with a 32-bit accumulator: Status::OutOfRange when a
  // number left the 32-bit range before the run stopped, else as `exact`.
  Status asTyped = Status::Ok;
};

// Reads the text into the grid, each row of it starting empty (every cell
// 0/1), so a cell the text does not fill is 0; rows below the row count are
// not part of the matrix and are left as they are.
ReadResult readMatrix(std::string_view text, FractionGrid& grid);

// The number of elements on the first line of the same text: with one row
// the whole text is scanned and an element counts at the blank after it;
// with more rows only up to the first carriage return, and an element counts
// at its first digit.
int columnCount(std::string_view text, int rows);

// A rectangular matrix: the reading run, then the column count of the same
// text, which is at most 20 (each element it counts was stored on the first
// line).
struct RectangularRead {
  ReadResult read;
  int columns = 0;
};
RectangularRead readRectangularMatrix(std::string_view text, FractionGrid& grid);

}  // namespace matcalc
