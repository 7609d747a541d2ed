// Random matrices through Ravelle against an independent exact computation:
// every shown adjugate and inverse is exactly right (or, for a singular
// inverse, the refusal); with a zero denominator in the text (outside the
// matrix, so computed with 32-bit terms) the command may also end in the
// range error.
#include <gtest/gtest.h>

#include <iostream>
#include <random>
#include <sstream>

#include "dialog_driver.h"
#include "exact_reference.h"
#include "ravelle.h"

namespace matcalc {
namespace {

using namespace matcalc::testing;
using Element = std::pair<std::int64_t, std::int64_t>;

// The shown matrix read back: rows on lines, cells "n" or "n/d".
RationalMatrix parseShown(const std::string& text) {
  RationalMatrix m;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    m.emplace_back();
    std::istringstream cells(line);
    for (std::string cell; cells >> cell;) {
      Rational q(cell);
      q.canonicalize();
      m.back().push_back(q);
    }
  }
  return m;
}

RationalMatrix scaledIdentity(std::size_t n, const Rational& s) {
  RationalMatrix m(n, std::vector<Rational>(n));
  for (std::size_t i = 0; i < n; ++i) m[i][i] = s;
  return m;
}

struct Tally {
  int exact = 0, outOfRange = 0, refused = 0;
};

std::vector<std::vector<Element>> randomMatrix(std::mt19937& rng, int trial, RationalMatrix& m) {
  const int n = 1 + static_cast<int>(rng() % 4);
  std::vector<std::vector<Element>> rows(n);
  m.assign(n, {});
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) {
      const Element e = randomElement(rng);
      rows[r].push_back(e);
      m[r].push_back(fraction(e.first, e.second));
    }
  }
  if (trial % 7 == 0 && n > 1) {  // a dependent row: singular
    rows[n - 1] = rows[0];
    m[n - 1] = m[0];
  }
  return rows;
}

TEST(RavelleProperty, ExactAsTypedOrRangeErrorWith32BitTerms) {
  std::mt19937 rng(31337);
  Tally adjugates, inverses;
  for (int trial = 0; trial < 5000; ++trial) {
    RationalMatrix m;
    const bool with32BitTerms = trial % 2 == 1;
    const std::string asTyped = matrixText(randomMatrix(rng, trial, m));
    const std::string typed = with32BitTerms ? withZeroDenominator(asTyped) : asTyped;
    const Rational det = determinant(m);
    const RationalMatrix adj = adjugate(m);
    DialogDriver dialog(kRavelleInfo);
    dialog.type(kMatrixBox, typed);

    const std::vector<Box> adjBoxes = dialog.check(kAdjugateRadio).press(kComputeButton);
    ASSERT_EQ(adjBoxes.size(), 1u) << typed;
    if (with32BitTerms && adjBoxes[0] == rangeErrorBox()) {
      ++adjugates.outOfRange;
    } else {
      ++adjugates.exact;
      ASSERT_EQ(adjBoxes[0], (Box{Owner::None, "计算完毕", matrixResultText(adj)})) << typed;
      const RationalMatrix shown = parseShown(adjBoxes[0].text);
      ASSERT_EQ(multiply(m, shown), scaledIdentity(m.size(), det)) << typed;  // A adj(A) = det(A) I
    }

    const std::vector<Box> invBoxes = dialog.check(kInverseRadio).press(kComputeButton);
    ASSERT_EQ(invBoxes.size(), 1u) << typed;
    if (with32BitTerms && invBoxes[0] == rangeErrorBox()) {
      ++inverses.outOfRange;
    } else if (det == 0) {
      ++inverses.refused;
      ASSERT_EQ(invBoxes[0], (Box{Owner::Dialog, "False !", "该矩阵的值为0,不存在逆矩阵!"})) << typed;
    } else {
      ++inverses.exact;
      const RationalMatrix shown = parseShown(invBoxes[0].text);
      ASSERT_EQ(multiply(m, shown), scaledIdentity(m.size(), 1)) << typed;
      RationalMatrix expected = adj;  // adj(A) = det(A) A^-1
      for (auto& row : expected) {
        for (Rational& q : row) q /= det;
      }
      ASSERT_EQ(invBoxes[0], (Box{Owner::None, "计算完毕", matrixResultText(expected)})) << typed;
    }
  }
  std::cout << "adjugates: " << adjugates.exact << " exact, " << adjugates.outOfRange
            << " range errors with 32-bit terms\n"
            << "inverses: " << inverses.exact << " exact, " << inverses.refused << " refused as singular, "
            << inverses.outOfRange << " range errors with 32-bit terms\n";
  EXPECT_GT(adjugates.exact, 3000);
  EXPECT_GT(inverses.exact, 2500);
  EXPECT_GT(inverses.refused, 200);
  EXPECT_GT(adjugates.outOfRange + inverses.outOfRange, 200);
}

// The exact elimination against the cofactor algorithm evaluated on terms of
// any size: byte-identical boxes for both operations, on random matrices of
// sizes 1 to 8 of integers, fractions and 32-bit boundary values, including
// singular ones of rank n - 1 and n - 2.
TEST(RavelleProperty, EliminationShowsWhatTheCofactorsShow) {
  const Element boundaries[] = {{2147483647, 1}, {-2147483647 - 1, 1}, {1, 2147483647}, {-2147483647, 2147483646},
                                {65536, 1},      {1, 65536},           {0, 1},          {46341, 46340}};
  std::mt19937 rng(8128);
  int refused = 0;
  for (int trial = 0; trial < 1200; ++trial) {
    const int n = 1 + trial % 8;
    std::vector<std::vector<Element>> rows(n);
    for (auto& row : rows) {
      for (int c = 0; c < n; ++c) {
        switch (rng() % 4) {
          case 0: row.push_back({static_cast<std::int64_t>(rng() % 19) - 9, 1}); break;
          case 1: row.push_back({static_cast<std::int64_t>(rng() % 19) - 9, 1 + static_cast<std::int64_t>(rng() % 9)}); break;
          case 2: row.push_back(boundaries[rng() % std::size(boundaries)]); break;
          default: row.push_back(randomElement(rng));
        }
      }
    }
    // Rank n - 1, then n - 2: rows that repeat the first.
    if (trial % 3 >= 1 && n >= 2) rows[n - 1] = rows[0];
    if (trial % 3 == 2 && n >= 3) rows[n - 2] = rows[0];
    const std::string typed = matrixText(rows);
    for (const int choice : {kAdjugateRadio, kInverseRadio}) {
      DialogDriver exact(kRavelleInfo);
      DialogDriver byCofactors(kRavelleInfo, std::make_unique<Ravelle>(Method::Stepwise));
      const std::vector<Box> boxes = exact.type(kMatrixBox, typed).check(choice).press(kComputeButton);
      ASSERT_EQ(boxes, byCofactors.type(kMatrixBox, typed).check(choice).press(kComputeButton))
          << typed << "\nwith " << choice;
      if (boxes[0].caption == "False !") ++refused;
    }
  }
  EXPECT_GT(refused, 600);  // the singular matrices, whose adjugates were compared too
}

}  // namespace
}  // namespace matcalc
