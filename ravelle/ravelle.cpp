#include "ravelle.h"

#include "adjugate_or_inverse.h"
#include "cofactor.h"
#include "command_reading.h"
#include "error_box.h"
#include "matrix_reader.h"
#include "result_text.h"
#include "stepwise_elimination.h"
#include "texts.h"

namespace matcalc {
namespace {

constexpr auto kChooseOperation = gbk("请选择计算方式!");
constexpr auto kSingular = gbk("该矩阵的值为0,不存在逆矩阵!");
constexpr auto kSingularCaption = gbk("False !");
constexpr auto kHelpCaption = gbk("LumoRavellev1.0使用说明");
constexpr auto kHelpText = gbk(MATCALC_HELP_TEXT("分数Ravellev1.0是一款可以对矩阵的逆进行计算的免费程序,",
                                                 "①在编辑框中输入矩阵,整数原样输入,小数按分数的形",
                                                 "注意:最后一行输入完毕后请不能换行,否则计算会出现错误!"));

constexpr int kEditBoxes[] = {kMatrixBox};
constexpr int kRadioButtons[] = {kAdjugateRadio, kInverseRadio};
constexpr int kPushButtons[] = {kComputeButton, kRavelleHelpButton};

}  // namespace

const ProgramInfo kRavelleInfo = {"ravelle", kEditBoxes, kRadioButtons, kPushButtons, makeHandler<Ravelle>};

void Ravelle::onCommand(Window& dialog, int id) {
  if (id == kComputeButton) compute(dialog);
  else if (id == kRavelleHelpButton) dialog.showMessage(Owner::None, kHelpText.c_str(), kHelpCaption.c_str());
}

void Ravelle::compute(Window& dialog) {
  // 1. An operation must be chosen; nothing is read before.
  const bool adjugateChosen = dialog.isChecked(kAdjugateRadio);
  const bool inverseChosen = dialog.isChecked(kInverseRadio);
  if (!adjugateChosen && !inverseChosen) {
    showError(dialog, kChooseOperation.c_str(), texts::kErrorCaption.c_str());
    return;
  }

  // 2, 3. The edit box is read once; its row count is the matrix size.
  CommandReading reading;
  reading.add(input_.read(dialog, kMatrixBox));
  const ReadResult read = readMatrix(input_.text(), grid_);
  reading.add(read);
  if (reportFailure(dialog, reading.failure())) return;
  n_ = read.rows;

  // 4 to 9: the adjugate or the inverse into the result grid, unless the
  // determinant is 0 and the inverse was chosen. Exactly, both come from one
  // fraction-free elimination of the whole matrix; step by step, from the
  // determinant and a cofactor for every cell.
  const bool inverse = !adjugateChosen;
  const Arithmetic arithmetic = reading.arithmetic(method_);
  Ending ending = Ending::Result;
  if (arithmetic != Arithmetic::Kernel) ending = byCofactors(inverse, arithmetic);
  else if (!adjugateOrInverse(grid_, n_, inverse, result_, work_)) ending = Ending::SingularInverse;
  if (ending == Ending::SingularInverse) {
    showError(dialog, kSingular.c_str(), kSingularCaption.c_str());
    return;
  }
  if (ending == Ending::OutOfRange) {
    reportFailure(dialog, Status::OutOfRange);
    return;
  }

  // 10, 11. The result, in a box the dialog does not own.
  ResultText text;
  text.appendMatrix(result_, n_, n_);
  showResult(dialog, text);
}

// 4 to 9 as typed: the determinant, kept for the division (0 refuses the
// inverse); the adjugate cell by cell, each cell a cofactor; the division
// into the inverse; every sign moved to its numerator.
Ravelle::Ending Ravelle::byCofactors(bool inverse, Arithmetic arithmetic) {
  if (determinant(arithmetic) != Status::Ok) return Ending::OutOfRange;
  if (determinant_.num.isZero() && inverse) return Ending::SingularInverse;
  if (adjugate(arithmetic) != Status::Ok) return Ending::OutOfRange;
  if (inverse && divideByDeterminant(arithmetic) != Status::Ok) return Ending::OutOfRange;
  return normaliseSigns(arithmetic) == Status::Ok ? Ending::Result : Ending::OutOfRange;
}

// Elimination with row swaps and the diagonal product, negated for an odd
// number of swaps. The denominator keeps the sign the product gave it.
Status Ravelle::determinant(Arithmetic arithmetic) {
  int swaps = 0;
  if (const Status s = forwardEliminate(grid_, n_, n_, PivotRepair::RowSwap, swaps, arithmetic); s != Status::Ok) return s;
  if (const Status s = diagonalProduct(grid_, n_, determinant_, arithmetic); s != Status::Ok) return s;
  if (swaps % 2 != 0) determinant_.num = -determinant_.num;
  return rangeStatus(determinant_, arithmetic);
}

// Each cofactor consumes the grid, so the matrix is read again from the
// input text before every cell.
Status Ravelle::adjugate(Arithmetic arithmetic) {
  for (int i = 1; i <= n_; ++i) {
    for (int j = 1; j <= n_; ++j) {
      readMatrix(input_.text(), grid_);  // as the first reading: it succeeded
      if (const Status s = cofactor(grid_, n_, i, j, result_, arithmetic); s != Status::Ok) return s;
    }
  }
  return Status::Ok;
}

// Each cell n/d becomes (n * Q) / (d * P) for the determinant P/Q, reduced
// on its denominator with the sign set aside.
Status Ravelle::divideByDeterminant(Arithmetic arithmetic) {
  for (int r = 1; r <= n_; ++r) {
    for (int c = 1; c <= n_; ++c) {
      Fraction quotient = product(result_.num[r][c], result_.den[r][c], determinant_.den, determinant_.num);
      reduce(quotient, Bound::Denominator, BoundSign::SetAside);
      if (const Status s = storeIfFits(result_, r, c, std::move(quotient), arithmetic); s != Status::Ok) return s;
    }
  }
  return Status::Ok;
}

Status Ravelle::normaliseSigns(Arithmetic arithmetic) {
  for (int r = 1; r <= n_; ++r) {
    for (int c = 1; c <= n_; ++c) {
      Fraction cell = result_.cell(r, c);
      normaliseSign(cell);
      if (const Status s = storeIfFits(result_, r, c, std::move(cell), arithmetic); s != Status::Ok) return s;
    }
  }
  return Status::Ok;
}

}  // namespace matcalc
