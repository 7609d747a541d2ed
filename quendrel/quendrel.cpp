#include "quendrel.h"

#include "elimination.h"
#include "error_box.h"
#include "input_text.h"
#include "matrix_reader.h"
#include "rank.h"
#include "result_text.h"
#include "texts.h"

namespace matcalc {
namespace {

constexpr auto kDiagonalHeading = gbk("特征值为 ");
constexpr auto kRankHeading = gbk("矩阵的秩为");

// One cell: a negative denominator's sign moved to the numerator, then a
// reduction on the numerator only when that is 2 or more, so a negative
// fraction keeps the terms it has. Int is Integer, or std::int64_t where the
// terms are below 2^62, so that negating them cannot overflow it.
template <class Int>
Status normaliseAndReduce(BasicFraction<Int>& f, TermWidth width) {
  normaliseSign(f);
  if (const Status s = fits(f, width); s != Status::Ok) return s;
  reduce(f, Bound::Numerator, BoundSign::Kept);
  return Status::Ok;
}

constexpr std::int64_t kNativeTerm = std::int64_t{1} << 62;

Status normaliseAndReduce(FractionGrid& g, int rows, int columns) {
  for (int r = 1; r <= rows; ++r) {
    for (int c = 1; c <= columns; ++c) {
      if (g.num[r][c].magnitudeBelow(kNativeTerm) && g.den[r][c].magnitudeBelow(kNativeTerm)) {
        BasicFraction<std::int64_t> f{g.num[r][c].small(), g.den[r][c].small()};
        if (const Status s = normaliseAndReduce(f, g.width); s != Status::Ok) return s;
        g.num[r][c] = f.num;
        g.den[r][c] = f.den;
      } else {
        Fraction f = g.cell(r, c);
        if (const Status s = normaliseAndReduce(f, g.width); s != Status::Ok) return s;
        g.num[r][c] = std::move(f.num);
        g.den[r][c] = std::move(f.den);
      }
    }
  }
  return Status::Ok;
}

constexpr int kEditBoxes[] = {kMatrixBox};
constexpr int kRadioButtons[] = {kQuendrelRankButton, kQuendrelEigenvalueButton};
constexpr int kPushButtons[] = {kComputeButton};

}  // namespace

const ProgramInfo kQuendrelInfo = {"quendrel", kEditBoxes, kRadioButtons, kPushButtons, makeHandler<Quendrel>};

void Quendrel::onCommand(Window& dialog, int id) {
  if (id == kComputeButton) compute(dialog);
}

void Quendrel::compute(Window& dialog) {
  if (!readMatrixText(dialog) || !checkChoice(dialog)) return;

  // The elimination shown to the user: rows added to a zero pivot's row,
  // never exchanged, then every sign on its numerator and the cells reduced.
  int swaps = 0;
  if (reportFailure(dialog, forwardEliminate(grid_, rows_, columns_, PivotRepair::RowAddition, swaps))) return;
  if (reportFailure(dialog, normaliseAndReduce(grid_, rows_, columns_))) return;

  showResultText(dialog);
}

// Reads the edit box into the grid: the row count of the reading run and the
// column count of its first line.
bool Quendrel::readMatrixText(Window& dialog) {
  InputText input;
  if (reportFailure(dialog, input.read(dialog, kMatrixBox))) return false;
  return !reportFailure(dialog, readRectangularMatrix(input.text(), grid_, rows_, columns_));
}

// The diagonal needs a square matrix; the rank or the diagonal must be chosen.
bool Quendrel::checkChoice(Window& dialog) {
  if (dialog.isChecked(kQuendrelEigenvalueButton) && rows_ != columns_) {
    showError(dialog, texts::kMatrixWrong.c_str(), texts::kErrorCaption.c_str());
    return false;
  }
  if (!dialog.isChecked(kQuendrelEigenvalueButton) && !dialog.isChecked(kQuendrelRankButton)) {
    showError(dialog, texts::kChooseOperation.c_str(), texts::kErrorCaption.c_str());
    return false;
  }
  return true;
}

// The eliminated matrix; then the diagonal when it was chosen; then the rank
// when it was chosen. Each block starts on a line of its own.
void Quendrel::showResultText(Window& dialog) {
  ResultText text;
  text.appendMatrix(grid_, rows_, columns_);
  if (dialog.isChecked(kQuendrelEigenvalueButton)) {
    text.appendLineEnd();
    text.append(kDiagonalHeading.view());
    for (int c = 1; c <= columns_; ++c) text.appendCell(grid_.num[c][c], grid_.den[c][c]);
  }
  if (dialog.isChecked(kQuendrelRankButton)) {
    // Each step of the elimination changes rows by invertible row operations,
    // so the eliminated matrix has the independent rows of the typed one, and
    // most of their count is done. It is counted last, in place, now that the
    // matrix has been written.
    text.appendLineEnd();
    text.append(kRankHeading.view());
    text.appendDecimal(rowRank(grid_, rows_, columns_));
  }
  showResult(dialog, text);
}

}  // namespace matcalc
