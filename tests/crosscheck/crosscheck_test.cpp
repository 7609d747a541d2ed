// Randomized cross-check of every program against an independent exact
// computation with GMP rationals: thousands of random matrices of sizes 1 to
// 20 (integers and fractions, small and 32-bit-sized terms, dependent rows,
// zero rows and columns). Every shown number must be exactly right. Every
// other sample carries a zero denominator outside its matrix, so that it is
// computed with 32-bit terms: then the command may also end in the range
// error box. Each test prints its tally.
#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <random>

#include "dialog_driver.h"
#include "dornikel.h"
#include "exact_reference.h"
#include "quendrel.h"
#include "ravelle.h"
#include "sontaby.h"

namespace matcalc {
namespace {

using namespace matcalc::testing;
using Element = std::pair<std::int64_t, std::int64_t>;

// A random matrix as typed and as exact rationals.
struct Sample {
  std::vector<std::vector<Element>> typed;
  RationalMatrix exact;
};

Element smallElement(std::mt19937& rng) {
  if (rng() % 4 == 0) return {static_cast<std::int64_t>(rng() % 7) - 3, 1 + static_cast<std::int64_t>(rng() % 4)};
  return {static_cast<std::int64_t>(rng() % 7) - 3, 1};
}

// Mostly small terms so that large sizes stay in range often enough; some
// samples take the generator with 32-bit-sized terms, some get a zero row or
// column and a row that repeats or scales another.
Sample randomSample(std::mt19937& rng, int rows, int columns) {
  const bool wide = rng() % 5 == 0;
  Sample s{std::vector<std::vector<Element>>(rows, std::vector<Element>(columns)), {}};
  for (auto& row : s.typed) {
    for (Element& e : row) e = wide ? randomElement(rng) : smallElement(rng);
  }
  if (rows > 1 && rng() % 3 == 0) s.typed[rng() % rows] = s.typed[rng() % rows];  // dependent rows
  if (rng() % 6 == 0) s.typed[rng() % rows].assign(columns, {0, 1});                // a zero row
  if (rng() % 6 == 0) {                                                              // a zero column
    const int c = static_cast<int>(rng() % columns);
    for (auto& row : s.typed) row[c] = {0, 1};
  }
  s.exact.assign(rows, std::vector<Rational>(columns));
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) s.exact[r][c] = fraction(s.typed[r][c].first, s.typed[r][c].second);
  }
  return s;
}

// Size 1 to 20, small sizes more often: every size is met many times.
// The inverse by Gauss-Jordan elimination of [A | I] (A not singular).
RationalMatrix inverseOf(RationalMatrix a) {
  const std::size_t n = a.size();
  RationalMatrix inv(n, std::vector<Rational>(n));
  for (std::size_t i = 0; i < n; ++i) inv[i][i] = 1;
  for (std::size_t k = 0; k < n; ++k) {
    std::size_t p = k;
    while (a[p][k] == 0) ++p;
    std::swap(a[p], a[k]);
    std::swap(inv[p], inv[k]);
    const Rational pivot = a[k][k];
    for (std::size_t c = 0; c < n; ++c) {
      a[k][c] /= pivot;
      inv[k][c] /= pivot;
    }
    for (std::size_t i = 0; i < n; ++i) {
      if (i == k || a[i][k] == 0) continue;
      const Rational f = a[i][k];
      for (std::size_t c = 0; c < n; ++c) {
        a[i][c] -= f * a[k][c];
        inv[i][c] -= f * inv[k][c];
      }
    }
  }
  return inv;
}

// The adjugate: det times the inverse, or by cofactors for a singular matrix.
RationalMatrix adjugateOf(const RationalMatrix& a, const Rational& det) {
  if (det == 0) return adjugate(a);
  RationalMatrix adj = inverseOf(a);
  for (auto& row : adj) {
    for (Rational& q : row) q *= det;
  }
  return adj;
}

int randomSize(std::mt19937& rng) { return 1 + static_cast<int>(rng() % (rng() % 2 == 0 ? 20 : 6)); }

struct Tally {
  const char* program;
  int exact = 0;
  int exactLarge = 0;  // of those, matrices with 10 or more rows
  int outOfRange = 0;  // range errors, all with 32-bit terms
  void countExact(int rows) {
    ++exact;
    if (rows >= 10) ++exactLarge;
  }
  ~Tally() {
    std::cout << program << ": " << exact << " exact (" << exactLarge << " with 10 to 20 rows), " << outOfRange
              << " range errors with 32-bit terms\n";
  }
};

// Every other sample is typed with a zero denominator outside the matrix,
// unless its first line has no room left for one.
bool with32BitTerms(int sample, int columns) { return sample % 2 == 1 && columns < kMaxSide; }

std::string typedText(const std::string& text, bool with32BitTerms) {
  return with32BitTerms ? withZeroDenominator(text) : text;
}

// The one box of a command must be `expected`; with 32-bit terms the range
// error box is a correct refusal too.
void expectExact(Tally& tally, int rows, bool with32BitTerms, const std::vector<Box>& boxes, const Box& expected,
                 const std::string& input) {
  ASSERT_EQ(boxes.size(), 1u) << input;
  if (with32BitTerms && boxes[0] == rangeErrorBox()) {
    ++tally.outOfRange;
    return;
  }
  ASSERT_EQ(boxes[0], expected) << input;
  tally.countExact(rows);
}

constexpr int kSamples = 2500;

TEST(CrossCheck, DornikelDeterminant) {
  std::mt19937 rng(101);
  Tally tally{"dornikel"};
  for (int i = 0; i < kSamples; ++i) {
    const int n = randomSize(rng);
    const Sample s = randomSample(rng, n, n);
    std::string shown = cellText(determinant(s.exact));
    shown.pop_back();
    DialogDriver dialog(kDornikelInfo);
    const bool narrow = with32BitTerms(i, n);
    const std::string text = typedText(matrixText(s.typed), narrow);
    expectExact(tally, n, narrow, dialog.type(kMatrixBox, text).press(kComputeButton),
                {Owner::Dialog, "计算完毕", "行列式的值为 " + shown}, text);
  }
}

TEST(CrossCheck, RavelleInverseAndAdjugate) {
  std::mt19937 rng(202);
  Tally tally{"ravelle"};
  for (int i = 0; i < kSamples; ++i) {
    const int n = 1 + static_cast<int>(rng() % (rng() % 4 == 0 ? 20 : 6));
    const Sample s = randomSample(rng, n, n);
    const Rational det = determinant(s.exact);
    const bool inverse = rng() % 2 == 0;
    DialogDriver dialog(kRavelleInfo);
    const bool narrow = with32BitTerms(i, n);
    const std::string text = typedText(matrixText(s.typed), narrow);
    const std::vector<Box> boxes = dialog.type(kMatrixBox, text).check(inverse ? kInverseRadio : kAdjugateRadio).press(kComputeButton);
    // Singular: refused (with 32-bit terms, unless a value left the range first).
    const Box expected = inverse && det == 0 ? Box{Owner::Dialog, "False !", "该矩阵的值为0,不存在逆矩阵!"}
                                             : Box{Owner::None, "计算完毕",
                                                   matrixResultText(inverse ? inverseOf(s.exact) : adjugateOf(s.exact, det))};
    expectExact(tally, n, narrow, boxes, expected, text);
  }
}

TEST(CrossCheck, SontabyOperations) {
  std::mt19937 rng(303);
  Tally tally{"sontaby"};
  const int radios[] = {kSontabySumButton, kSontabyDifferenceButton, kSontabyProductButton, kSontabyScalarButton};
  for (int i = 0; i < kSamples * 2; ++i) {
    const int operation = radios[i % 4];
    const int rows = randomSize(rng), inner = randomSize(rng);
    const int columns = operation == kSontabyProductButton ? randomSize(rng) : inner;
    const Sample a = randomSample(rng, rows, inner);
    const Sample b = operation == kSontabyProductButton ? randomSample(rng, inner, columns) : randomSample(rng, rows, inner);
    RationalMatrix want = a.exact;
    for (int r = 0; r < rows; ++r) {
      for (int c = 0; c < inner; ++c) {
        if (operation == kSontabySumButton) want[r][c] += b.exact[r][c];
        if (operation == kSontabyDifferenceButton) want[r][c] -= b.exact[r][c];
        if (operation == kSontabyScalarButton) want[r][c] *= b.exact[0][0];
      }
    }
    if (operation == kSontabyProductButton) want = multiply(a.exact, b.exact);
    DialogDriver dialog(kSontabyInfo);
    const bool narrow = with32BitTerms(i / 4, static_cast<int>(b.typed[0].size()));  // i % 4 is the operation
    const std::string text2 = typedText(matrixText(b.typed), narrow);
    dialog.type(kSontabyMatrix1Box, matrixText(a.typed)).type(kSontabyMatrix2Box, text2).check(operation);
    expectExact(tally, rows, narrow, dialog.press(kComputeButton), {Owner::None, "计算完毕", matrixResultText(want)},
                matrixText(a.typed) + "\n--\n" + text2);
  }
}

TEST(CrossCheck, QuendrelRank) {
  std::mt19937 rng(404);
  Tally tally{"quendrel"};
  for (int i = 0; i < kSamples; ++i) {
    const int rows = randomSize(rng), columns = randomSize(rng);
    const Sample s = randomSample(rng, rows, columns);
    DialogDriver dialog(kQuendrelInfo);
    const bool narrow = with32BitTerms(i, columns);
    const std::string text = typedText(matrixText(s.typed), narrow);
    const std::vector<Box> boxes = dialog.type(kMatrixBox, text).check(kQuendrelRankButton).press(kComputeButton);
    ASSERT_EQ(boxes.size(), 1u);
    if (narrow && boxes[0] == rangeErrorBox()) {
      ++tally.outOfRange;
      continue;
    }
    // The eliminated matrix has one line a row, then an empty line and the rank.
    const std::string rankLine = "\n\n矩阵的秩为" + std::to_string(rank(s.exact));
    ASSERT_EQ(boxes[0].owner, Owner::None);
    ASSERT_TRUE(boxes[0].text.ends_with(rankLine)) << text << "\nshown:\n" << boxes[0].text;
    ASSERT_EQ(std::count(boxes[0].text.begin(), boxes[0].text.end(), '\n'), rows + 1) << text;
    tally.countExact(rows);
  }
}

}  // namespace
}  // namespace matcalc
