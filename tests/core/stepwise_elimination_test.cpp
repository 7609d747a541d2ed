// Elimination step, pivot repairs, forward elimination and the diagonal
// product on small grids, including the cases where a repair cannot help.
#include "stepwise_elimination.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "decimal_text.h"
#include "random_input.h"

namespace matcalc {
namespace {

using testing::decimal;

// As typed, with 32-bit terms and the range test at every store; and on
// terms of any size.
constexpr Arithmetic kAsTyped = Arithmetic::AsTyped;
constexpr Arithmetic kAnySize = Arithmetic::StepByStep;

FractionGrid grid(std::initializer_list<std::initializer_list<Fraction>> rows) {
  FractionGrid g;
  int r = 1;
  for (const auto& row : rows) {
    int c = 1;
    for (const Fraction& f : row) g.store(r, c++, f);
    ++r;
  }
  return g;
}

void expectRow(const FractionGrid& g, int r, std::vector<Fraction> want) {
  for (int c = 1; c <= static_cast<int>(want.size()); ++c) {
    EXPECT_EQ(g.num[r][c], want[c - 1].num) << "row " << r << " column " << c;
    EXPECT_EQ(g.den[r][c], want[c - 1].den) << "row " << r << " column " << c;
  }
}

TEST(EliminationStep, ClearsThePivotColumn) {
  FractionGrid g = grid({{{1, 1}, {2, 1}}, {{3, 1}, {4, 1}}});
  ASSERT_EQ(eliminationStep(g, 1, 1, 2, 2, kAnySize), Status::Ok);
  expectRow(g, 2, {{0, 1}, {-2, 1}});
}

TEST(EliminationStep, NegativePivotLeavesNegativeDenominators) {
  FractionGrid g = grid({{{-1, 1}, {1, 1}}, {{1, 1}, {1, 1}}});
  ASSERT_EQ(eliminationStep(g, 1, 1, 2, 2, kAnySize), Status::Ok);
  expectRow(g, 2, {{0, 1}, {-2, -1}});
}

TEST(EliminationStep, FractionsAreReducedOnTheNumerator) {
  FractionGrid g = grid({{{1, 2}, {1, 3}}, {{1, 4}, {1, 5}}});
  ASSERT_EQ(eliminationStep(g, 1, 1, 2, 2, kAnySize), Status::Ok);
  expectRow(g, 2, {{0, 1}, {1, 30}});
}

TEST(EliminationStep, ValueBeyond32BitsIsOutOfRangeOnlyAtThatWidth) {
  FractionGrid g = grid({{{1, 1}, {65536, 1}}, {{65536, 1}, {1, 1}}});
  EXPECT_EQ(eliminationStep(g, 1, 1, 2, 2, kAsTyped), Status::OutOfRange);
  FractionGrid large = grid({{{1, 1}, {65536, 1}}, {{65536, 1}, {1, 1}}});
  ASSERT_EQ(eliminationStep(large, 1, 1, 2, 2, kAnySize), Status::Ok);
  expectRow(large, 2, {{0, 1}, {1 - 65536LL * 65536, 1}});
}

TEST(EliminationStep, LongIntermediatesThatReduceIntoRangeAreExact) {
  // 1/2^29 - (2^30 / 2^30) * (1/2^30): the denominator product is 2^89
  // before the reduction brings the cell back to 1/2^30.
  FractionGrid g = grid({{{1073741824, 1}, {1, 1073741824}}, {{1073741824, 1}, {1, 536870912}}});
  ASSERT_EQ(eliminationStep(g, 1, 1, 2, 2, kAsTyped), Status::Ok);
  expectRow(g, 2, {{0, 1}, {1, 1073741824}});
}

// The step's cell against the formula in native 128-bit arithmetic, reduced
// by the greatest common divisor when |N| >= 2: terms of every size up to the
// 32-bit limits, stored whole at unbounded width and range-tested at 32 bits.
TEST(EliminationStep, AgreesWithBigArithmeticAcrossTermSizes) {
  testing::RandomInput in(5);
  auto term = [&] { return static_cast<std::int32_t>(in.term(32)); };
  int inRange = 0;
  const int cases = testing::iterations(15000);
  for (int i = 0; i < cases; ++i) {
    const std::int32_t p = term(), dp = term(), a = term(), b = term(), n = term(), d = term(), nk = term(), dk = term();
    if (p == 0) continue;
    FractionGrid g = grid({{{p, dp}, {nk, dk}}, {{a, b}, {n, d}}});
    FractionGrid large = grid({{{p, dp}, {nk, dk}}, {{a, b}, {n, d}}});
    const Status status = eliminationStep(g, 1, 1, 2, 2, kAsTyped);
    ASSERT_EQ(eliminationStep(large, 1, 1, 2, 2, kAnySize), Status::Ok);
    __int128 num = static_cast<__int128>(p) * n * dk * b - static_cast<__int128>(nk) * d * a * dp;
    __int128 den = num == 0 ? 1 : static_cast<__int128>(p) * d * dk * b;
    if (num <= -2 || num >= 2) {
      __int128 x = num < 0 ? -num : num, y = den < 0 ? -den : den;
      while (y != 0) {
        const __int128 t = x % y;
        x = y;
        y = t;
      }
      num /= x;
      den /= x;
    }
    ASSERT_EQ(decimal(large.num[2][2]) + '/' + decimal(large.den[2][2]), decimal(num) + '/' + decimal(den));
    const bool fits = num >= INT32_MIN && num <= INT32_MAX && den >= INT32_MIN && den <= INT32_MAX;
    ASSERT_EQ(status, fits ? Status::Ok : Status::OutOfRange) << p << ' ' << dp << ' ' << a << ' ' << b << ' ' << n << ' ' << d << ' ' << nk << ' ' << dk;
    if (fits) {
      ++inRange;
      ASSERT_EQ(g.num[2][2], static_cast<std::int32_t>(num));
      ASSERT_EQ(g.den[2][2], static_cast<std::int32_t>(den));
    }
  }
  EXPECT_GT(inRange, cases / 10);
}

TEST(RowSwap, ExchangesRowsAndCounts) {
  FractionGrid g = grid({{{0, 1}, {1, 1}}, {{1, 1}, {0, 1}}});
  int swaps = 0;
  ASSERT_EQ(forwardEliminate(g, 2, 2, PivotRepair::RowSwap, swaps, kAnySize), Status::Ok);
  EXPECT_EQ(swaps, 1);
  expectRow(g, 1, {{1, 1}, {0, 1}});
  expectRow(g, 2, {{0, 1}, {1, 1}});
}

TEST(RowAddition, AddsTheRowBelowWithoutExchange) {
  FractionGrid g = grid({{{0, 1}, {1, 1}}, {{1, 1}, {0, 1}}});
  int swaps = 0;
  ASSERT_EQ(forwardEliminate(g, 2, 2, PivotRepair::RowAddition, swaps, kAnySize), Status::Ok);
  EXPECT_EQ(swaps, 0);
  expectRow(g, 1, {{1, 1}, {1, 1}});
  expectRow(g, 2, {{0, 1}, {-1, 1}});
}

TEST(RowAddition, ZeroDenominatorPivotEndsTheStep) {
  // 0/0 in the pivot: the addition gives 1*0 + 0*1 = 0, the step does nothing more.
  FractionGrid g = grid({{{0, 0}, {1, 1}}, {{1, 1}, {2, 1}}});
  int swaps = 0;
  ASSERT_EQ(forwardEliminate(g, 2, 2, PivotRepair::RowAddition, swaps, kAsTyped), Status::Ok);
  expectRow(g, 1, {{0, 0}, {3, 1}});
  expectRow(g, 2, {{1, 1}, {2, 1}});
}

TEST(RowAddition, PivotBeyondTheColumnsEndsTheStep) {
  // One column, three rows, a 5 beyond the column in row 3: the repair covers
  // column 1 only and cannot change the pivot [2][2].
  FractionGrid g = grid({{{1, 1}}, {{0, 1}, {0, 1}}, {{0, 1}, {5, 1}}});
  int swaps = 0;
  ASSERT_EQ(forwardEliminate(g, 3, 1, PivotRepair::RowAddition, swaps, kAnySize), Status::Ok);
  expectRow(g, 2, {{0, 1}});
  expectRow(g, 3, {{0, 1}});
}

TEST(RowAddition, OverflowingSumIsOutOfRange) {
  FractionGrid g = grid({{{0, 1}, {2147483647, 1}}, {{1, 1}, {1, 1}}});
  int swaps = 0;
  EXPECT_EQ(forwardEliminate(g, 2, 2, PivotRepair::RowAddition, swaps, kAsTyped), Status::OutOfRange);
}

TEST(ForwardElimination, AbandonsAColumnWithoutPivot) {
  FractionGrid g = grid({{{0, 1}, {1, 1}, {2, 1}}, {{0, 1}, {3, 1}, {4, 1}}, {{0, 1}, {5, 1}, {6, 1}}});
  int swaps = 0;
  ASSERT_EQ(forwardEliminate(g, 3, 3, PivotRepair::RowSwap, swaps, kAnySize), Status::Ok);
  EXPECT_EQ(swaps, 0);
  Fraction det;
  ASSERT_EQ(diagonalProduct(g, 3, det, kAnySize), Status::Ok);
  EXPECT_EQ(det.num, 0);
}

struct ProductCase {
  std::vector<Fraction> diagonal;
  Fraction product;
  Status status;
};

TEST(DiagonalProduct, ReducesAfterEachFactor) {
  const ProductCase cases[] = {
      {{{6, 4}}, {3, 2}, Status::Ok},
      {{{-6, 4}}, {-3, 2}, Status::Ok},
      {{{1, 2}, {1, -30}}, {1, -60}, Status::Ok},
      {{{65536, 1}, {65536, 1}}, {}, Status::OutOfRange},
      {{{65536, 3}, {3, 65536}}, {1, 1}, Status::Ok},
      {{{5, 0}}, {5, 0}, Status::Ok},
  };
  for (const ProductCase& c : cases) {
    FractionGrid g;
    const int n = static_cast<int>(c.diagonal.size());
    for (int r = 1; r <= n; ++r) g.store(r, r, c.diagonal[r - 1]);
    Fraction got;
    ASSERT_EQ(diagonalProduct(g, n, got, kAsTyped), c.status);
    if (c.status == Status::Ok) {
      EXPECT_EQ(got.num, c.product.num);
      EXPECT_EQ(got.den, c.product.den);
    }
  }
}

}  // namespace
}  // namespace matcalc
