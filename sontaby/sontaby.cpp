#include "sontaby.h"

#include "matrix_product.h"
#include "result_text.h"
#include "texts.h"

namespace matcalc {
namespace {

// Reduction as every operation of Sontaby makes it: on the denominator, its
// sign kept (it runs only for a denominator of 2 or more); then the store,
// where a term that does not fit the arithmetic is caught.
Status reduceAndStore(Fraction f, FractionGrid& g, int r, int c, Arithmetic arithmetic) {
  reduce(f, Bound::Denominator, BoundSign::Kept);
  return storeIfFits(g, r, c, std::move(f), arithmetic);
}

// Sum: each cell nA/dA + nB/dB = (nA*dB + nB*dA)/(dA*dB), the sign normalised
// before the reduction.
Status add(Matrix& m1, const Matrix& m2, Arithmetic arithmetic) {
  for (int r = 1; r <= m1.rows; ++r) {
    for (int c = 1; c <= m1.columns; ++c) {
      Fraction f = sum(m1.grid.num[r][c], m1.grid.den[r][c], m2.grid.num[r][c], m2.grid.den[r][c]);
      normaliseSign(f);
      if (const Status s = reduceAndStore(std::move(f), m1.grid, r, c, arithmetic); s != Status::Ok) return s;
    }
  }
  return Status::Ok;
}

// Difference: matrix 2's numerators negated in place over rows 1 to rows1 and
// columns 1 to cols2 (each negation a store: in 32 bits -2147483648 has
// none), then the sum.
Status subtract(Matrix& m1, Matrix& m2, Arithmetic arithmetic) {
  for (int r = 1; r <= m1.rows; ++r) {
    for (int c = 1; c <= m2.columns; ++c) {
      Integer negated = -m2.grid.num[r][c];
      if (const Status s = rangeStatus(negated, arithmetic); s != Status::Ok) return s;
      m2.grid.num[r][c] = std::move(negated);
    }
  }
  return add(m1, m2, arithmetic);
}

// Scalar multiple: each cell of matrix 1 times matrix 2's cell [1][1],
// (nA*nS)/(dA*dS); reduced, no sign normalisation.
Status scale(Matrix& m1, const Matrix& m2, Arithmetic arithmetic) {
  const Integer& nS = m2.grid.num[1][1];
  const Integer& dS = m2.grid.den[1][1];
  for (int r = 1; r <= m1.rows; ++r) {
    for (int c = 1; c <= m1.columns; ++c) {
      const Status s = reduceAndStore(product(m1.grid.num[r][c], m1.grid.den[r][c], nS, dS), m1.grid, r, c, arithmetic);
      if (s != Status::Ok) return s;
    }
  }
  return Status::Ok;
}

// Product: rows1 x cols2 cells into the work grid, then moved into matrix 1,
// so both matrices stay as read until the last cell.
Status multiply(Matrix& m1, const Matrix& m2, Sontaby::ProductWork& work, Arithmetic arithmetic) {
  const MatrixShape shape{m1.rows, m1.columns, m2.columns};
  if (arithmetic == Arithmetic::Kernel) {
    productOfIntegers(m1.grid, m2.grid, shape, work.left, work.right, work.cells);
  } else if (const Status s = productByRunningSums(m1.grid, m2.grid, shape, arithmetic, work.cells); s != Status::Ok) {
    return s;
  }
  for (int i = 1; i <= m1.rows; ++i) {
    for (int j = 1; j <= m2.columns; ++j) {
      m1.grid.store(i, j, {std::move(work.cells.num[i][j]), std::move(work.cells.den[i][j])});
    }
  }
  m1.columns = m2.columns;
  return Status::Ok;
}

constexpr int kEditBoxes[] = {kSontabyMatrix1Box, kSontabyMatrix2Box};
constexpr int kRadioButtons[] = {kSontabySumButton, kSontabyDifferenceButton, kSontabyScalarButton,
                                 kSontabyProductButton};
constexpr int kPushButtons[] = {kComputeButton};

}  // namespace

const ProgramInfo kSontabyInfo = {"sontaby", kEditBoxes, kRadioButtons, kPushButtons, makeHandler<Sontaby>};

void Sontaby::onCommand(Window& dialog, int id) {
  if (id != kComputeButton) return;
  if (read(dialog).showIn(dialog) || check(dialog).showIn(dialog) || compute(dialog).showIn(dialog)) return;
  show(dialog);
}

// Read: box 1006 into matrix 1, then box 1004 into matrix 2, each into its
// own grid, before any radio button is consulted. A zero denominator in
// either text makes the whole command one as typed, with 32-bit terms.
ErrorBox Sontaby::read(Window& dialog) {
  const MatrixReading reading =
      readMatrices(dialog, method_, {{kSontabyMatrix1Box, matrix1_}, {kSontabyMatrix2Box, matrix2_}});
  arithmetic_ = reading.arithmetic;
  return reading.error;
}

// Check: the shapes the chosen operation needs, then that one is chosen.
ErrorBox Sontaby::check(Window& dialog) const {
  const ErrorBox wrong{texts::kMatrixWrong.c_str(), texts::kErrorCaption.c_str()};
  const Matrix &m1 = matrix1_, &m2 = matrix2_;
  if (dialog.isChecked(kSontabySumButton) || dialog.isChecked(kSontabyDifferenceButton)) {
    if (m1.rows != m2.rows || m1.columns != m2.columns) return wrong;
  }
  if (dialog.isChecked(kSontabyProductButton) && m2.rows != m1.columns) return wrong;
  if (!dialog.isChecked(kSontabyDifferenceButton) && !dialog.isChecked(kSontabySumButton) &&
      !dialog.isChecked(kSontabyScalarButton) && !dialog.isChecked(kSontabyProductButton)) {
    return {texts::kChooseOperation.c_str(), texts::kErrorCaption.c_str()};
  }
  return {};
}

// Compute: only the chosen operation runs; its result ends up in matrix 1.
ErrorBox Sontaby::compute(Window& dialog) {
  if (dialog.isChecked(kSontabySumButton)) return add(matrix1_, matrix2_, arithmetic_);
  if (dialog.isChecked(kSontabyDifferenceButton)) return subtract(matrix1_, matrix2_, arithmetic_);
  if (dialog.isChecked(kSontabyScalarButton)) return scale(matrix1_, matrix2_, arithmetic_);
  return multiply(matrix1_, matrix2_, product_, arithmetic_);
}

// Show: rows1 x cols1 (cols2 after the product), nothing before or after
// it, in a box the dialog does not own.
void Sontaby::show(Window& dialog) const {
  ResultText text;
  text.appendMatrix(matrix1_.grid, matrix1_.rows, matrix1_.columns);
  showResult(dialog, text);
}

}  // namespace matcalc
