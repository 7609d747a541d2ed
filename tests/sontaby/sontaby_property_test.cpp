// Random matrices through each of Sontaby's operations against an independent
// exact computation with GMP rationals. As typed, every result is exact. With
// a zero denominator in matrix 2 (outside the matrix) both are computed with
// 32-bit terms: a result is shown exactly when every value the handler stores
// fits in 32 bits (each cell of a sum, difference or scalar multiple, each
// negation of the difference, and each running sum of a product), otherwise
// the command ends in the range error. The test decides which from the exact
// values, so it checks that the range error comes exactly when it must.
#include <gtest/gtest.h>

#include <iostream>
#include <random>

#include "dialog_driver.h"
#include "exact_reference.h"
#include "sontaby.h"

namespace matcalc {
namespace {

using namespace matcalc::testing;

using Elements = std::vector<std::vector<std::pair<std::int64_t, std::int64_t>>>;

bool fits(const Rational& q) { return fitsInt32(q.get_num()) && fitsInt32(q.get_den()); }

struct Operand {
  Elements elements;
  RationalMatrix values;
};

Operand randomOperand(std::mt19937& rng, int rows, int columns) {
  Operand m{Elements(rows), RationalMatrix(rows)};
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      const auto e = randomElement(rng);
      m.elements[r].push_back(e);
      m.values[r].push_back(fraction(e.first, e.second));
    }
  }
  return m;
}

// The shown text of an exact result, or nothing when a stored value leaves
// the 32-bit range.
struct Expected {
  bool outOfRange = false;
  std::string text;
};

Expected expectedResult(int radio, const Operand& a, const Operand& b) {
  Expected out;
  RationalMatrix result;
  if (radio == kSontabyProductButton) {
    result = RationalMatrix(a.values.size(), std::vector<Rational>(b.values[0].size()));
    for (std::size_t i = 0; i < result.size(); ++i) {
      for (std::size_t j = 0; j < result[i].size(); ++j) {
        for (std::size_t k = 0; k < b.values.size(); ++k) {
          result[i][j] += a.values[i][k] * b.values[k][j];
          if (!fits(result[i][j])) out.outOfRange = true;  // each running sum is stored
        }
      }
    }
  } else {
    result = a.values;
    for (std::size_t r = 0; r < result.size(); ++r) {
      for (std::size_t c = 0; c < result[r].size(); ++c) {
        if (radio == kSontabySumButton) result[r][c] += b.values[r][c];
        if (radio == kSontabyDifferenceButton) {
          if (b.elements[r][c].first == INT32_MIN) out.outOfRange = true;  // its negation is stored
          result[r][c] -= b.values[r][c];
        }
        if (radio == kSontabyScalarButton) result[r][c] *= b.values[0][0];
        if (!fits(result[r][c])) out.outOfRange = true;
      }
    }
  }
  for (const auto& row : result) {
    for (const Rational& q : row) out.text += cellText(q);
    out.text += '\n';
  }
  return out;
}

TEST(SontabyProperty, ExactAsTypedOrRangeErrorWith32BitTerms) {
  constexpr int kRadios[] = {kSontabySumButton, kSontabyDifferenceButton, kSontabyScalarButton,
                             kSontabyProductButton};
  std::mt19937 rng(4141);
  int exact[4] = {}, outOfRange[4] = {};
  for (int trial = 0; trial < 8000; ++trial) {
    const int op = trial % 4;
    const int radio = kRadios[op];
    const int side = trial % 50 == 0 ? 20 : 4;
    const int rows1 = 1 + static_cast<int>(rng() % side), cols1 = 1 + static_cast<int>(rng() % side);
    const Operand a = randomOperand(rng, rows1, cols1);
    const int rows2 = radio == kSontabyProductButton ? cols1 : radio == kSontabyScalarButton ? 1 + static_cast<int>(rng() % 3) : rows1;
    const int cols2 = radio == kSontabyProductButton || radio == kSontabyScalarButton ? 1 + static_cast<int>(rng() % side) : cols1;
    const Operand b = randomOperand(rng, rows2, cols2);
    const bool with32BitTerms = trial % 8 >= 4 && cols2 < 20;  // the zero denominator needs a 21st column
    DialogDriver dialog(kSontabyInfo);
    const std::string text2 = with32BitTerms ? withZeroDenominator(matrixText(b.elements)) : matrixText(b.elements);
    dialog.type(kSontabyMatrix1Box, matrixText(a.elements)).type(kSontabyMatrix2Box, text2).check(radio);
    const std::vector<Box> boxes = dialog.press(kComputeButton);
    const Expected expected = expectedResult(radio, a, b);
    ASSERT_EQ(boxes.size(), 1u);
    if (with32BitTerms && expected.outOfRange) {
      ASSERT_EQ(boxes[0], rangeErrorBox()) << "radio " << radio << "\nmatrix 1:\n"
                                           << matrixText(a.elements) << "\nmatrix 2:\n" << text2;
      ++outOfRange[op];
    } else {
      ASSERT_EQ(boxes[0], (Box{Owner::None, "计算完毕", expected.text}))
          << "radio " << radio << "\nmatrix 1:\n" << matrixText(a.elements) << "\nmatrix 2:\n" << text2;
      ++exact[op];
    }
  }
  for (int op = 0; op < 4; ++op) {
    std::cout << "radio " << kRadios[op] << ": " << exact[op] << " exact, " << outOfRange[op]
              << " range errors with 32-bit terms\n";
    EXPECT_GT(exact[op], 1000);
    EXPECT_GT(outOfRange[op], 50);
  }
}

}  // namespace
}  // namespace matcalc
