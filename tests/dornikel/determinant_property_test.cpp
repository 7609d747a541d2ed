// Random matrices through Dornikel against an independent exact determinant:
// as typed, every value is exactly right; with a zero denominator in the text
// (outside the matrix, so computed with 32-bit terms), every value is exactly
// right or the command ends in the range error.
#include <gtest/gtest.h>

#include <iostream>
#include <random>

#include "dialog_driver.h"
#include "dornikel.h"
#include "exact_reference.h"
#include "fraction_grid.h"

namespace matcalc {
namespace {

using namespace matcalc::testing;

std::string expectedText(const Rational& det) {
  std::string shown = cellText(det);
  shown.pop_back();  // cell texts end in a blank, the determinant does not
  return "行列式的值为 " + shown;
}

TEST(DeterminantProperty, ExactAsTypedOrRangeErrorWith32BitTerms) {
  std::mt19937 rng(2024);
  int exact = 0, outOfRange = 0;
  for (int trial = 0; trial < 3000; ++trial) {
    const int n = 1 + static_cast<int>(rng() % (trial % 10 == 0 ? 20 : 5));
    std::vector<std::vector<std::pair<std::int64_t, std::int64_t>>> rows(n);
    RationalMatrix m(n);
    for (int r = 0; r < n; ++r) {
      for (int c = 0; c < n; ++c) {
        auto e = randomElement(rng);
        if (trial % 3 == 0 && r > 0 && c == 0 && rng() % 2 == 0) e = rows[0][0];  // repeated entries
        rows[r].push_back(e);
        m[r].push_back(fraction(e.first, e.second));
      }
    }
    if (trial % 7 == 0 && n > 1) {  // a dependent row
      rows[n - 1] = rows[0];
      m[n - 1] = m[0];
    }
    for (const bool with32BitTerms : {false, true}) {
      if (with32BitTerms && n == kMaxSide) continue;  // no column left for the zero denominator
      const std::string text = with32BitTerms ? withZeroDenominator(matrixText(rows)) : matrixText(rows);
      DialogDriver dialog(kDornikelInfo);
      const std::vector<Box> boxes = dialog.type(kMatrixBox, text).press(kComputeButton);
      ASSERT_EQ(boxes.size(), 1u);
      if (with32BitTerms && boxes[0] == rangeErrorBox()) {
        ++outOfRange;
        continue;
      }
      ++exact;
      ASSERT_EQ(boxes[0], (Box{Owner::Dialog, "计算完毕", expectedText(determinant(m))})) << text;
    }
  }
  std::cout << "determinants: " << exact << " exact, " << outOfRange << " range errors with 32-bit terms\n";
  EXPECT_GT(exact, 3000);
  EXPECT_GT(outOfRange, 100);
}

}  // namespace
}  // namespace matcalc
