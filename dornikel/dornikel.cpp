#include "dornikel.h"

#include "elimination.h"
#include "error_box.h"
#include "fraction_free.h"
#include "input_text.h"
#include "matrix_reader.h"
#include "result_text.h"
#include "texts.h"

namespace matcalc {
namespace {

constexpr auto kHeading = gbk("行列式的值为 ");
constexpr auto kHelpCaption = gbk("LumoTamsoryv1.0使用说明");
constexpr auto kHelpText = gbk(MATCALC_HELP_TEXT("Dornikelv1.0是一款可以对行列式的值进行计算的免费程序,",
                                                 "①在编辑框中输入行列式,整数原样输入,小数按分数的形",
                                                 "注意:最后一行输入完毕后请不要换行,否则计算会出现错误!"));

// The determinant of the n x n block at the upper left of a grid of 32-bit
// terms, as typed: elimination with row swaps, the diagonal product, its sign
// normalised and negated for an odd number of swaps.
Status determinantAsTyped(FractionGrid& grid, int n, Fraction& det) {
  int swaps = 0;
  if (const Status s = forwardEliminate(grid, n, n, PivotRepair::RowSwap, swaps); s != Status::Ok) return s;
  if (const Status s = diagonalProduct(grid, n, det); s != Status::Ok) return s;
  normaliseSign(det);
  if (const Status s = fits(det, grid.width); s != Status::Ok) return s;
  if (swaps % 2 != 0) det.num = -det.num;
  return fits(det, grid.width);
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
  InputText input;
  if (reportFailure(dialog, input.read(dialog, kMatrixBox))) return;

  const ReadResult read = readMatrix(input.text(), grid_);
  if (reportFailure(dialog, read.status)) return;

  // Without a zero denominator the steps above give the determinant in
  // lowest terms with a positive denominator, and so does one fraction-free
  // elimination, much faster. A text with a zero denominator is computed as
  // typed.
  Fraction det;
  if (grid_.width == TermWidth::Unbounded) det = determinantOf(grid_, read.rows, work_);
  else if (reportFailure(dialog, determinantAsTyped(grid_, read.rows, det))) return;

  // The value alone for an integer or for 0, otherwise P/Q.
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
