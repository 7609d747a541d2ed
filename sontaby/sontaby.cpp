#include "sontaby.h"

#include "error_box.h"
#include "input_text.h"
#include "matrix_reader.h"
#include "result_text.h"
#include "texts.h"

namespace matcalc {
namespace {

using Matrix = Sontaby::Matrix;

// Reads edit box `id` into the input buffer (two blanks appended), makes a
// reading run on it into the matrix and counts the columns of the same text.
Status readOperand(Window& dialog, int id, InputText& input, Matrix& m) {
  if (const Status s = input.read(dialog, id); s != Status::Ok) return s;
  return readRectangularMatrix(input.text(), m.grid, m.rows, m.columns);
}

// The validation tests in their order; the message of the first that fails,
// or nullptr.
const char* validate(Window& dialog, const Matrix& m1, const Matrix& m2) {
  if (dialog.isChecked(kSontabySumButton) || dialog.isChecked(kSontabyDifferenceButton)) {
    if (m1.rows != m2.rows || m1.columns != m2.columns) return texts::kMatrixWrong.c_str();
  }
  if (dialog.isChecked(kSontabyProductButton) && m2.rows != m1.columns) return texts::kMatrixWrong.c_str();
  if (!dialog.isChecked(kSontabyDifferenceButton) && !dialog.isChecked(kSontabySumButton) &&
      !dialog.isChecked(kSontabyScalarButton) && !dialog.isChecked(kSontabyProductButton)) {
    return texts::kChooseOperation.c_str();
  }
  return nullptr;
}

// Reduction as every operation of Sontaby makes it: on the denominator, its
// sign kept (it runs only for a denominator of 2 or more); then the store,
// which is where a term too wide for the grid is caught.
Status reduceAndStore(Fraction f, FractionGrid& g, int r, int c) {
  reduce(f, Bound::Denominator, BoundSign::Kept);
  return g.store(r, c, std::move(f));
}

// Sum: each cell nA/dA + nB/dB = (nA*dB + nB*dA)/(dA*dB), the sign normalised
// before the reduction.
Status add(Matrix& m1, const Matrix& m2) {
  for (int r = 1; r <= m1.rows; ++r) {
    for (int c = 1; c <= m1.columns; ++c) {
      Fraction f = sum(m1.grid.num[r][c], m1.grid.den[r][c], m2.grid.num[r][c], m2.grid.den[r][c]);
      normaliseSign(f);
      if (const Status s = reduceAndStore(std::move(f), m1.grid, r, c); s != Status::Ok) return s;
    }
  }
  return Status::Ok;
}

// Difference: matrix 2's numerators negated in place over rows 1 to rows1 and
// columns 1 to cols2 (each negation a store: in 32 bits -2147483648 has
// none), then the sum.
Status subtract(Matrix& m1, Matrix& m2) {
  for (int r = 1; r <= m1.rows; ++r) {
    for (int c = 1; c <= m2.columns; ++c) {
      if (const Status s = m2.grid.store(r, c, {-m2.grid.num[r][c], m2.grid.den[r][c]}); s != Status::Ok) return s;
    }
  }
  return add(m1, m2);
}

// Scalar multiple: each cell of matrix 1 times matrix 2's cell [1][1],
// (nA*nS)/(dA*dS); reduced, no sign normalisation.
Status scale(Matrix& m1, const Matrix& m2) {
  const Integer& nS = m2.grid.num[1][1];
  const Integer& dS = m2.grid.den[1][1];
  for (int r = 1; r <= m1.rows; ++r) {
    for (int c = 1; c <= m1.columns; ++c) {
      const Status s = reduceAndStore(product(m1.grid.num[r][c], m1.grid.den[r][c], nS, dS), m1.grid, r, c);
      if (s != Status::Ok) return s;
    }
  }
  return Status::Ok;
}

// One accumulation of a product cell: the running sum n/d becomes
// (tn*d + td*n)/(td*d), a zero numerator taking the denominator 1; then it
// is reduced. Int is Integer, or std::int64_t where no product overflows it.
template <class Int>
BasicFraction<Int> accumulated(const Int& tn, const Int& td, const Int& n, const Int& d) {
  BasicFraction<Int> next = sum(tn, td, n, d);
  if (isZero(next.num)) next.den = 1;
  reduce(next, Bound::Denominator, BoundSign::Kept);
  return next;
}

// Where the term and the running sum are below 2^31 in magnitude, every
// product of the accumulation is below 2^62: native arithmetic.
constexpr std::int64_t kNativeTerm = std::int64_t{1} << 31;

// The running sum after one term; like a stored term, it must fit the width.
Status accumulate(const Fraction& term, Fraction& running, TermWidth width) {
  if (term.num.magnitudeBelow(kNativeTerm) && term.den.magnitudeBelow(kNativeTerm) &&
      running.num.magnitudeBelow(kNativeTerm) && running.den.magnitudeBelow(kNativeTerm)) {
    const BasicFraction<std::int64_t> next =
        accumulated(term.num.small(), term.den.small(), running.num.small(), running.den.small());
    if (const Status s = fits(next, width); s != Status::Ok) return s;
    running.num = next.num;
    running.den = next.den;
    return Status::Ok;
  }
  Fraction next = accumulated(term.num, term.den, running.num, running.den);
  if (const Status s = fits(next, width); s != Status::Ok) return s;
  running = std::move(next);
  return Status::Ok;
}

// Product: each cell (i, j) of a third grid accumulates, from 0/1, the terms
// nA(i,k)*nB(k,j) / dA(i,k)*dB(k,j), k = 1 ... cols1, each neither reduced
// nor stored. The finished rows1 x cols2 block is moved into matrix 1, so
// both matrices stay as read until the last term.
Status multiply(Matrix& m1, const Matrix& m2, FractionGrid& productGrid) {
  for (int i = 1; i <= m1.rows; ++i) {
    for (int j = 1; j <= m2.columns; ++j) {
      Fraction running{0, 1};
      for (int k = 1; k <= m1.columns; ++k) {
        const Status s = accumulate(product(m1.grid.num[i][k], m1.grid.den[i][k], m2.grid.num[k][j], m2.grid.den[k][j]),
                                    running, m1.grid.width);
        if (s != Status::Ok) return s;
      }
      productGrid.num[i][j] = std::move(running.num);
      productGrid.den[i][j] = std::move(running.den);
    }
  }
  for (int i = 1; i <= m1.rows; ++i) {
    for (int j = 1; j <= m2.columns; ++j) {
      std::swap(m1.grid.num[i][j], productGrid.num[i][j]);
      std::swap(m1.grid.den[i][j], productGrid.den[i][j]);
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
  if (id == kComputeButton) compute(dialog);
}

// The compute command. The result box has no owner: a command started inside
// its message loop finds the grids free, this one being done with them.
void Sontaby::compute(Window& dialog) {
  ResultText result;
  if (computeResult(dialog, result)) showResult(dialog, result);
}

// Steps 1 to 6 up to the result text: reads both boxes, validates, computes
// the chosen operation into matrix 1 and writes it. Returns false when it has
// shown an error box instead. Kept out of line so that the input buffer is
// gone before the result box opens: a command started inside that box's
// message loop then stacks only the result text.
[[gnu::noinline]] bool Sontaby::computeResult(Window& dialog, ResultText& result) {
  // 1 to 3: both boxes read and counted, each into its own grid, before any
  // radio button is consulted.
  InputText input;
  Matrix& m1 = matrix1_;
  Matrix& m2 = matrix2_;
  if (reportFailure(dialog, readOperand(dialog, kSontabyMatrix1Box, input, m1))) return false;
  if (reportFailure(dialog, readOperand(dialog, kSontabyMatrix2Box, input, m2))) return false;
  // A zero denominator in either text makes both matrices 32-bit, as typed.
  if (m1.grid.width == TermWidth::Int32 || m2.grid.width == TermWidth::Int32) {
    m1.grid.width = m2.grid.width = TermWidth::Int32;
  }

  // 4: validation.
  if (const char* message = validate(dialog, m1, m2)) {
    showError(dialog, message, texts::kErrorCaption.c_str());
    return false;
  }

  // 5: only the chosen operation runs; its result ends up in matrix 1.
  Status status = Status::Ok;
  if (dialog.isChecked(kSontabySumButton)) status = add(m1, m2);
  else if (dialog.isChecked(kSontabyDifferenceButton)) status = subtract(m1, m2);
  else if (dialog.isChecked(kSontabyScalarButton)) status = scale(m1, m2);
  else if (dialog.isChecked(kSontabyProductButton)) status = multiply(m1, m2, productGrid_);
  if (reportFailure(dialog, status)) return false;

  // 6: rows1 x cols1 (cols2 after the product), nothing before or after it.
  result.appendMatrix(m1.grid, m1.rows, m1.columns);
  return true;
}

}  // namespace matcalc
