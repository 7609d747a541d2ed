#include "matrix_input.h"

#include "input_text.h"
#include "matrix_reader.h"

namespace matcalc {

MatrixReading readMatrices(Window& dialog, Method method, std::initializer_list<MatrixBox> boxes) {
  InputText input;
  // The first fault of each kind, in the order the boxes are read.
  Status exact = Status::Ok, asTyped = Status::Ok;
  bool zeroDenominator = false;
  for (const MatrixBox& box : boxes) {
    const Status text = input.read(dialog, box.id);  // an empty text when it is too long
    const RectangularRead read = readRectangularMatrix(input.text(), box.matrix.grid);
    box.matrix.rows = read.read.rows;
    box.matrix.columns = read.columns;
    if (exact == Status::Ok) exact = text != Status::Ok ? text : read.read.exact;
    if (asTyped == Status::Ok) asTyped = text != Status::Ok ? text : read.read.asTyped;
    zeroDenominator = zeroDenominator || read.read.zeroDenominator;
  }
  if (zeroDenominator) return {asTyped, Arithmetic::AsTyped};
  return {exact, method == Method::Kernel ? Arithmetic::Kernel : Arithmetic::StepByStep};
}

}  // namespace matcalc
