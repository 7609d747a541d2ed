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
  // The cells of an inverse mostly share one denominator, the determinant's,
  // of thousands of digits: the digits of the denominator written last are
  // copied when the next is the same.
  const Integer* last = nullptr;
  std::size_t lastOffset = 0, lastLength = 0;
  for (int r = 1; r <= rows; ++r) {
    for (int c = 1; c <= columns; ++c) {
      const Integer &num = g.num[r][c], &den = g.den[r][c];
      if (num.isZero() || den.isOne()) {
        appendCell(num, den);
        continue;
      }
      appendDecimal(num);
      append("/");
      const std::size_t offset = text_.size();
      if (last != nullptr && *last == den) {
        text_.reserve(offset + lastLength);  // the copy then reads from where it writes
        text_.append(text_.data() + lastOffset, lastLength);
      } else {
        appendDecimal(den);
      }
      last = &den;
      lastOffset = offset;
      lastLength = text_.size() - offset;
      append(" ");
    }
    appendLineEnd();
  }
}

void showResult(Window& dialog, const ResultText& text) {
  dialog.showMessage(Owner::None, text.c_str(), texts::kResultCaption.c_str());
}

}  // namespace matcalc
