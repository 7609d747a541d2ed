#include "ravelle.h"

#include "adjugate_or_inverse.h"
#include "cofactor.h"
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
  if (id == kRavelleHelpButton) {
    dialog.showMessage(Owner::None, kHelpText.c_str(), kHelpCaption.c_str());
  } else if (id == kComputeButton) {
    if (check(dialog).showIn(dialog) || read(dialog).showIn(dialog) || compute().showIn(dialog)) return;
    show(dialog);
  }
}

// Check: an operation must be chosen; nothing is read before.
ErrorBox Ravelle::check(Window& dialog) {
  const bool adjugateChosen = dialog.isChecked(kAdjugateRadio);
  inverse_ = !adjugateChosen;
  if (!adjugateChosen && !dialog.isChecked(kInverseRadio)) return {kChooseOperation.c_str(), texts::kErrorCaption.c_str()};
  return {};
}

// Read: edit box 1004, whose row count is the side n of the matrix.
ErrorBox Ravelle::read(Window& dialog) {
  const MatrixReading reading = readMatrices(dialog, method_, {{kMatrixBox, matrix_}});
  arithmetic_ = reading.arithmetic;
  return reading.error;
}

// Compute: the adjugate or the inverse into the result grid, unless the
// determinant is 0 and the inverse was chosen. Exactly, both come from one
// fraction-free elimination of the whole matrix; step by step, from the
// determinant and a cofactor for every cell.
ErrorBox Ravelle::compute() {
  if (arithmetic_ != Arithmetic::Kernel) return byCofactors();
  if (adjugateOrInverse(matrix_.grid, matrix_.rows, inverse_, result_, work_)) return {};
  return {kSingular.c_str(), kSingularCaption.c_str()};
}

// Show: the result, in a box the dialog does not own.
void Ravelle::show(Window& dialog) const {
  ResultText text;
  text.appendMatrix(result_, matrix_.rows, matrix_.rows);
  showResult(dialog, text);
}

// Step by step: the determinant, kept for the division (0 refuses the
// inverse), its denominator keeping the sign the product gave it; the
// adjugate cell by cell, each cell a cofactor; the division into the
// inverse; every sign moved to its numerator.
ErrorBox Ravelle::byCofactors() {
  typed_ = matrix_.grid;
  const Status det = stepByStepDeterminant(matrix_.grid, matrix_.rows, DeterminantSign::AsProduct, arithmetic_, determinant_);
  if (det != Status::Ok) return det;
  if (determinant_.num.isZero() && inverse_) return {kSingular.c_str(), kSingularCaption.c_str()};
  if (const Status s = adjugate(); s != Status::Ok) return s;
  if (inverse_) {
    if (const Status s = divideByDeterminant(); s != Status::Ok) return s;
  }
  return normaliseSigns();
}

// Each cofactor consumes the grid, so the matrix as read is put back before
// every cell.
Status Ravelle::adjugate() {
  const int n = matrix_.rows;
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      matrix_.grid = typed_;
      if (const Status s = cofactor(matrix_.grid, n, i, j, result_, arithmetic_); s != Status::Ok) return s;
    }
  }
  return Status::Ok;
}

// Each cell n/d becomes (n * Q) / (d * P) for the determinant P/Q, reduced
// on its denominator with the sign set aside.
Status Ravelle::divideByDeterminant() {
  for (int r = 1; r <= matrix_.rows; ++r) {
    for (int c = 1; c <= matrix_.rows; ++c) {
      Fraction quotient = product(result_.num[r][c], result_.den[r][c], determinant_.den, determinant_.num);
      reduce(quotient, Bound::Denominator, BoundSign::SetAside);
      if (const Status s = storeIfFits(result_, r, c, std::move(quotient), arithmetic_); s != Status::Ok) return s;
    }
  }
  return Status::Ok;
}

Status Ravelle::normaliseSigns() {
  for (int r = 1; r <= matrix_.rows; ++r) {
    for (int c = 1; c <= matrix_.rows; ++c) {
      Fraction cell = result_.cell(r, c);
      normaliseSign(cell);
      if (const Status s = storeIfFits(result_, r, c, std::move(cell), arithmetic_); s != Status::Ok) return s;
    }
  }
  return Status::Ok;
}

}  // namespace matcalc
