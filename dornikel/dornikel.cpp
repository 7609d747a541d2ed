#include "dornikel.h"

#include "command_reading.h"
#include "error_box.h"
#include "input_text.h"
#include "matrix_reader.h"
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

// The determinant step by step: elimination with row swaps, the diagonal
// product, its sign normalised and negated for an odd number of swaps.
Status stepwiseDeterminant(FractionGrid& grid, int n, Arithmetic arithmetic, Fraction& det) {
  int swaps = 0;
  if (const Status s = forwardEliminate(grid, n, n, PivotRepair::RowSwap, swaps, arithmetic); s != Status::Ok) return s;
  if (const Status s = diagonalProduct(grid, n, det, arithmetic); s != Status::Ok) return s;
  normaliseSign(det);
  if (const Status s = rangeStatus(det, arithmetic); s != Status::Ok) return s;
  if (swaps % 2 != 0) det.num = -det.num;
  return rangeStatus(det, arithmetic);
}

constexpr int kEditBoxes[] = {kMatrixBox};
constexpr int kPushButtons[] = {kComputeButton, kDornikelHelpButton};

}  // namespace

const ProgramInfo kDornikelInfo = {"dornikel", kEditBoxes, {}, kPushButtons, makeHandler<Dornikel>};

void Dornikel::onCommand(Window& dialog, int id) {
  if (id == kComputeButton) compute(dialog);
  else if (id == kDornikelHelpButton) dialog.showMessage(Owner::None, kHelpText.c_str(), kHelpCaption.c_str());
}

void Dornikel::compute(Window& dialog) {
  // 1 to 4. The edit box, two blanks appended, and one reading run: its row
  // count is the side n of the matrix.
  InputText input;
  CommandReading reading;
  reading.add(input.read(dialog, kMatrixBox));
  const ReadResult read = readMatrix(input.text(), grid_);
  reading.add(read);
  if (reportFailure(dialog, reading.failure())) return;

  // 5 to 8. The determinant in lowest terms with a positive denominator: the
  // steps above give it, and so does one fraction-free elimination, much
  // faster.
  const Arithmetic arithmetic = reading.arithmetic(method_);
  Fraction det;
  if (arithmetic == Arithmetic::Kernel) det = determinantOf(grid_, read.rows, work_);
  else if (reportFailure(dialog, stepwiseDeterminant(grid_, read.rows, arithmetic, det))) return;

  // 9, 10. The value alone for an integer or for 0, otherwise P/Q, in a box
  // the dialog owns.
  ResultText text;
  text.append(kHeading.view());
  text.appendDecimal(det.num);
  if (!det.num.isZero() && !det.den.isOne()) {
    text.append("/");
    text.appendDecimal(det.den);
  }
  dialog.showMessage(Owner::Dialog, text.c_str(), texts::kResultCaption.c_str());
}

}  // namespace matcalc
