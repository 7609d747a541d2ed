#include "quendrel.h"

#include "rank.h"
#include "result_text.h"
#include "shown_matrix.h"
#include "texts.h"

namespace matcalc {
namespace {

constexpr auto kDiagonalHeading = gbk("特征值为 ");
constexpr auto kRankHeading = gbk("矩阵的秩为");

constexpr int kEditBoxes[] = {kMatrixBox};
constexpr int kRadioButtons[] = {kQuendrelRankButton, kQuendrelEigenvalueButton};
constexpr int kPushButtons[] = {kComputeButton};

}  // namespace

const ProgramInfo kQuendrelInfo = {"quendrel", kEditBoxes, kRadioButtons, kPushButtons, makeHandler<Quendrel>};

void Quendrel::onCommand(Window& dialog, int id) {
  if (id != kComputeButton) return;
  if (read(dialog).showIn(dialog) || check(dialog).showIn(dialog) || compute().showIn(dialog)) return;
  show(dialog);
}

// Read: the edit box into the grid, with the row count of the reading run
// and the column count of its first line, before any check.
ErrorBox Quendrel::read(Window& dialog) {
  const MatrixReading reading = readMatrices(dialog, method_, {{kMatrixBox, matrix_}});
  arithmetic_ = reading.arithmetic;
  return reading.error;
}

// Check: the diagonal needs a square matrix; the rank or the diagonal must
// be chosen.
ErrorBox Quendrel::check(Window& dialog) const {
  if (dialog.isChecked(kQuendrelEigenvalueButton) && matrix_.rows != matrix_.columns) {
    return {texts::kMatrixWrong.c_str(), texts::kErrorCaption.c_str()};
  }
  if (!dialog.isChecked(kQuendrelEigenvalueButton) && !dialog.isChecked(kQuendrelRankButton)) {
    return {texts::kChooseOperation.c_str(), texts::kErrorCaption.c_str()};
  }
  return {};
}

// Compute: the elimination shown to the user (rows added to a zero pivot's
// row, never exchanged, then every sign on its numerator and the cells
// reduced) and the rank. Exactly, the integer kernel gives both; as typed,
// the steps do, and the rank is counted on the eliminated matrix: each step
// changed rows by invertible row operations, so it has the independent rows
// of the typed one.
ErrorBox Quendrel::compute() {
  FractionGrid& grid = matrix_.grid;
  const int rows = matrix_.rows, columns = matrix_.columns;
  if (arithmetic_ == Arithmetic::Kernel) {
    rank_ = shownFromKernel(grid, rows, columns, work_);
    return {};
  }
  if (const Status s = shownStepByStep(grid, rows, columns, arithmetic_); s != Status::Ok) return s;
  FractionGrid eliminated = grid;
  rank_ = rowRank(eliminated, rows, columns);
  return {};
}

// Show: the eliminated matrix; then the diagonal when it was chosen; then
// the rank when it was chosen, each block on a line of its own; in a box the
// dialog does not own.
void Quendrel::show(Window& dialog) const {
  ResultText text;
  text.appendMatrix(matrix_.grid, matrix_.rows, matrix_.columns);
  if (dialog.isChecked(kQuendrelEigenvalueButton)) {
    text.appendLineEnd();
    text.append(kDiagonalHeading.view());
    for (int c = 1; c <= matrix_.columns; ++c) text.appendCell(matrix_.grid.num[c][c], matrix_.grid.den[c][c]);
  }
  if (dialog.isChecked(kQuendrelRankButton)) {
    text.appendLineEnd();
    text.append(kRankHeading.view());
    text.appendDecimal(rank_);
  }
  showResult(dialog, text);
}

}  // namespace matcalc
