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

// Every cell of the rows x columns block, first with a negative denominator's
// sign moved to the numerator, then reduced on its numerator only when that
// is 2 or more, so a negative fraction keeps the terms it has.
Status normaliseAndReduce(FractionGrid& g, int rows, int columns) {
  for (int r = 1; r <= rows; ++r) {
    for (int c = 1; c <= columns; ++c) {
      Fraction f = g.cell(r, c);
      normaliseSign(f);
      if (const Status s = fits(f, g.width); s != Status::Ok) return s;
      reduce(f, Bound::Numerator, BoundSign::Kept);
      if (const Status s = g.store(r, c, std::move(f)); s != Status::Ok) return s;
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

  // Each of those steps changes rows by invertible row operations, so the
  // eliminated matrix has the independent rows of the typed one, and most of
  // its elimination is done already.
  const int rank = dialog.isChecked(kQuendrelRankButton) ? rowRank(grid_, rows_, columns_) : 0;
  showResultText(dialog, rank);
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
void Quendrel::showResultText(Window& dialog, int rank) {
  ResultText text;
  text.appendMatrix(grid_, rows_, columns_);
  if (dialog.isChecked(kQuendrelEigenvalueButton)) {
    text.appendLineEnd();
    text.append(kDiagonalHeading.view());
    for (int c = 1; c <= columns_; ++c) text.appendCell(grid_.num[c][c], grid_.den[c][c]);
  }
  if (dialog.isChecked(kQuendrelRankButton)) {
    text.appendLineEnd();
    text.append(kRankHeading.view());
    text.appendDecimal(rank);
  }
  showResult(dialog, text);
}

}  // namespace matcalc
