#include "result_text.h"

#include "texts.h"

namespace matcalc {

void ResultText::appendCell(const Integer& num, const Integer& den) {
  if (num.isZero()) {
    append("0 ");
    return;
  }
  appendDecimal(num);
  if (!den.isOne()) {
    append("/");
    appendDecimal(den);
  }
  append(" ");
}

void ResultText::appendMatrix(const FractionGrid& g, int rows, int columns) {
  for (int r = 1; r <= rows; ++r) {
    for (int c = 1; c <= columns; ++c) appendCell(g.num[r][c], g.den[r][c]);
    appendLineEnd();
  }
}

void showResult(Window& dialog, const ResultText& text) {
  dialog.showMessage(Owner::None, text.c_str(), texts::kResultCaption.c_str());
}

}  // namespace matcalc
