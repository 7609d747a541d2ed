#pragma once
// The result text: the written form of fractions and grids. It grows as
// needed, so a result of any length is shown whole.
#include <string>
#include <string_view>

#include "fraction_grid.h"
#include "window.h"

namespace matcalc {

class ResultText {
 public:
  void append(std::string_view piece) { text_ += piece; }
  // Decimal form: a minus sign for negative values, digits without leading zeros.
  void appendDecimal(const Integer& value) { value.appendDecimal(text_); }
  // "0 " for a zero numerator whatever the denominator; "n " when the
  // denominator is 1; "n/d " otherwise, the denominator as stored.
  void appendCell(const Integer& num, const Integer& den);
  // Each of rows 1 to rows as its cells 1 to columns, then a line feed.
  void appendMatrix(const FractionGrid& g, int rows, int columns);
  void appendLineEnd() { text_ += '\n'; }

  std::string_view view() const { return text_; }
  const char* c_str() const { return text_.c_str(); }

 private:
  std::string text_;
};

// Shows a result: no owner, the caption "计算完毕".
void showResult(Window& dialog, const ResultText& text);

}  // namespace matcalc
