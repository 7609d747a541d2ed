#include "dornikel.h"

#include "result_text.h"
#include "stepwise_elimination.h"
#include "texts.h"

namespace matcalc {
namespace {

constexpr auto kHeading = gbk("行列式的值为 ");
constexpr auto kHelpCaption = gbk("LumoTamsoryv1.0使用说明");
constexpr auto kHelpText = gbk(MATCALC_HELP_TEXT("Dornikelv1.0是一款可以对行列式的值进行计算的免费程序,",
                                                 "①在编辑框中输入行列式,整数原样输入,小数按分数的形",
                                                 "注意:最后一行输入完毕后请不要换行,否则计算会出现错误!"));

constexpr int kEditBoxes[] = {kMatrixBox};
constexpr int kPushButtons[] = {kComputeButton, kDornikelHelpButton};

}  // namespace

const ProgramInfo kDornikelInfo = {"dornikel", kEditBoxes, {}, kPushButtons, makeHandler<Dornikel>};

void Dornikel::onCommand(Window& dialog, int id) {
  if (id == kDornikelHelpButton) {
    dialog.showMessage(Owner::None, kHelpText.c_str(), kHelpCaption.c_str());
  } else if (id == kComputeButton) {
    if (read(dialog).showIn(dialog) || compute().showIn(dialog)) return;
    show(dialog);
  }
}

// Read: edit box 1004, whose row count is the side n of the matrix.
ErrorBox Dornikel::read(Window& dialog) {
  const MatrixReading reading = readMatrices(dialog, method_, {{kMatrixBox, matrix_}});
  arithmetic_ = reading.arithmetic;
  return reading.error;
}

// Compute: the determinant in lowest terms with a positive denominator. One
// fraction-free elimination gives it; so, much more slowly, do the steps of
// the elimination on fractions, which a text with a zero denominator takes.
ErrorBox Dornikel::compute() {
  if (arithmetic_ == Arithmetic::Kernel) {
    determinant_ = determinantOf(matrix_.grid, matrix_.rows, work_);
    return {};
  }
  return stepByStepDeterminant(matrix_.grid, matrix_.rows, DeterminantSign::Normalised, arithmetic_, determinant_);
}

// Show: the value alone for an integer or for 0, otherwise P/Q, in a box the
// dialog owns.
void Dornikel::show(Window& dialog) const {
  ResultText text;
  text.append(kHeading.view());
  text.appendDecimal(determinant_.num);
  if (!determinant_.num.isZero() && !determinant_.den.isOne()) {
    text.append("/");
    text.appendDecimal(determinant_.den);
  }
  dialog.showMessage(Owner::Dialog, text.c_str(), texts::kResultCaption.c_str());
}

}  // namespace matcalc
