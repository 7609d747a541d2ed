#pragma once
// The result text: the written form of fractions and grids, built in a fixed
// buffer that holds any 20 x 20 result with the longest cell texts.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fraction_grid.h"
#include "window.h"

namespace matcalc {

class ResultText {
 public:
  // The longest cell text is "-2147483648/-2147483648 " (24 bytes); a 20 x 20
  // grid with its line ends and Quendrel's two closing blocks stays under this.
  static constexpr std::size_t kCapacity = 10240;

  ResultText() { bytes_[0] = '\0'; }

  void append(std::string_view piece);
  // Decimal form: a minus sign for negative values, digits without leading zeros.
  void appendDecimal(std::int32_t value);
  // "0 " for a zero numerator whatever the denominator; "n " when the
  // denominator is 1; "n/d " otherwise, the denominator as stored.
  void appendCell(Fraction f);
  // Each of rows 1 to rows as its cells 1 to columns, then a line feed.
  void appendMatrix(const FractionGrid& g, int rows, int columns);
  void appendLineEnd() { append("\n"); }

  std::string_view view() const { return {bytes_.data(), length_}; }
  const char* c_str() const { return bytes_.data(); }

 private:
  std::array<char, kCapacity> bytes_{};
  std::size_t length_ = 0;
};

// Shows a result: no owner, the caption "计算完毕".
void showResult(Window& dialog, const ResultText& text);

}  // namespace matcalc
