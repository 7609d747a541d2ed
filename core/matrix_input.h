#pragma once
// The read step of every compute command: its edit boxes read into
// matrices, and from what the reading found, the arithmetic the command
// computes with.
#include <initializer_list>

#include "arithmetic.h"
#include "error_box.h"
#include "fraction_grid.h"
#include "window.h"

namespace matcalc {

// A matrix as read from an edit box: its grid, the row count of the reading
// run, and the column count of the text's first line (a square matrix takes
// the row count as its side).
struct Matrix {
  FractionGrid grid;
  int rows = 0;
  int columns = 0;
};

// An edit box and the matrix it is read into.
struct MatrixBox {
  int id;
  Matrix& matrix;
};

struct MatrixReading {
  ErrorBox error;  // the box of the first fault in text order that counts, if any
  Arithmetic arithmetic = Arithmetic::Kernel;
};

// Reads the boxes in their order, each into its matrix: its text as the
// input buffer keeps it (input_text.h), one reading run, and its column
// count. A command with a zero denominator in any box is read and computed
// as typed, with 32-bit terms: every fault of a 32-bit reading counts. Any
// other reads every element exactly, whatever its length, and only the size
// fault counts; it computes on the kernel or, for `Method::StepByStep`, step
// by step.
//
// The input buffer (64 KB) lives here alone, in a function of its own that
// has returned before the command shows a box (see CommandHandler).
[[gnu::noinline]] MatrixReading readMatrices(Window& dialog, Method method, std::initializer_list<MatrixBox> boxes);

}  // namespace matcalc
