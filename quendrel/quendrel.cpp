#include "quendrel.h"

#include "command_reading.h"
#include "error_box.h"
#include "input_text.h"
#include "matrix_reader.h"
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
  if (id == kComputeButton) compute(dialog);
}

void Quendrel::compute(Window& dialog) {
  // 1 to 4. The matrix read, then the choice checked.
  Arithmetic arithmetic = Arithmetic::Kernel;
  if (!readMatrixText(dialog, arithmetic) || !checkChoice(dialog)) return;

  // 5 to 8. The elimination shown to the user: rows added to a zero pivot's
  // row, never exchanged, then every sign on its numerator and the cells
  // reduced. Exactly, the integer kernel gives the cells and the rank; as
  // typed, the steps do.
  int rank = 0;
  if (arithmetic == Arithmetic::Kernel) rank = shownFromKernel(grid_, rows_, columns_, work_);
  else if (reportFailure(dialog, shownStepByStep(grid_, rows_, columns_, arithmetic))) return;

  // 9. The eliminated matrix; then the diagonal when it was chosen; then the
  // rank when it was chosen. Each block starts on a line of its own.
  ResultText text;
  text.appendMatrix(grid_, rows_, columns_);
  if (dialog.isChecked(kQuendrelEigenvalueButton)) {
    text.appendLineEnd();
    text.append(kDiagonalHeading.view());
    for (int c = 1; c <= columns_; ++c) text.appendCell(grid_.num[c][c], grid_.den[c][c]);
  }
  if (dialog.isChecked(kQuendrelRankButton)) {
    // Step by step, the rank is counted last, in place, now that the matrix
    // has been written: each step changed rows by invertible row operations,
    // so the eliminated matrix has the independent rows of the typed one.
    text.appendLineEnd();
    text.append(kRankHeading.view());
    text.appendDecimal(arithmetic == Arithmetic::Kernel ? rank : rowRank(grid_, rows_, columns_));
  }

  // 10. The result, in a box the dialog does not own.
  showResult(dialog, text);
}

// 1, 2. The edit box into the grid: the row count of the reading run and the
// column count of its first line, before any check. Out of line, so that the
// input buffer is gone before the result box opens (see CommandHandler).
[[gnu::noinline]] bool Quendrel::readMatrixText(Window& dialog, Arithmetic& arithmetic) {
  InputText input;
  CommandReading reading;
  reading.add(input.read(dialog, kMatrixBox));
  const RectangularRead read = readRectangularMatrix(input.text(), grid_);
  reading.add(read.read);
  if (reportFailure(dialog, reading.failure())) return false;
  rows_ = read.read.rows;
  columns_ = read.columns;
  arithmetic = reading.arithmetic(method_);
  return true;
}

// 3, 4. The diagonal needs a square matrix; the rank or the diagonal must be
// chosen.
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

}  // namespace matcalc
