// The reduction by common factor gives what trial division by 2, 3, 4 ...
// up to the bound term gives, in both sign rules.
#include <gtest/gtest.h>

#include <string>

#include "arithmetic.h"
#include "decimal_text.h"
#include "fraction.h"
#include "random_input.h"

namespace matcalc {
namespace {

using testing::decimal;

// The literal trial division on 64-bit values: d = 2 while d <= B, dividing
// both terms and trying the same d again after a success.
void trialDivision(std::int64_t& b, std::int64_t& o) {
  for (std::int64_t d = 2; d <= b;) {
    if (o % d == 0 && b % d == 0) {
      b /= d;
      o /= d;
    } else {
      ++d;
    }
  }
}

Fraction trialReduce(std::int64_t num, std::int64_t den, Bound bound, BoundSign sign) {
  std::int64_t& b = bound == Bound::Numerator ? num : den;
  std::int64_t& o = bound == Bound::Numerator ? den : num;
  if (sign == BoundSign::SetAside && b < 0) {
    b = -b;
    trialDivision(b, o);
    b = -b;
  } else {
    trialDivision(b, o);
  }
  return {num, den};
}

Fraction reduced(Fraction f, Bound bound, BoundSign sign) {
  reduce(f, bound, sign);
  return f;
}

struct Case {
  Fraction in;
  Bound bound;
  BoundSign sign;
  Fraction out;
};

class ReductionTable : public ::testing::TestWithParam<Case> {};

TEST_P(ReductionTable, GivesTheListedFraction) {
  const Case& c = GetParam();
  const Fraction got = reduced(c.in, c.bound, c.sign);
  EXPECT_EQ(got.num, c.out.num);
  EXPECT_EQ(got.den, c.out.den);
}

constexpr auto N = Bound::Numerator;
constexpr auto D = Bound::Denominator;
constexpr auto Aside = BoundSign::SetAside;
constexpr auto Kept = BoundSign::Kept;

INSTANTIATE_TEST_SUITE_P(
    Listed, ReductionTable,
    ::testing::Values(Case{{12, 18}, N, Aside, {2, 3}}, Case{{8, 12}, N, Aside, {2, 3}},
                      Case{{-12, 18}, N, Aside, {-2, 3}}, Case{{7, 0}, N, Aside, {1, 0}},
                      Case{{12, 0}, N, Aside, {1, 0}}, Case{{0, 5}, N, Aside, {0, 5}},
                      Case{{1, 4}, N, Aside, {1, 4}}, Case{{-1, 4}, N, Aside, {-1, 4}},
                      Case{{4, 8}, D, Kept, {1, 2}}, Case{{3, -6}, D, Kept, {3, -6}},
                      Case{{0, 12}, D, Kept, {0, 1}}, Case{{12, 0}, D, Kept, {12, 0}},
                      Case{{-2, 4}, N, Kept, {-2, 4}}, Case{{2, 4}, N, Kept, {1, 2}},
                      Case{{6, -4}, D, Aside, {3, -2}},
                      Case{{2147483629, 2147483647}, D, Aside, {2147483629, 2147483647}},
                      Case{{2147483646, 2147483647}, N, Aside, {2147483646, 2147483647}},
                      Case{{1073741824, 2147483646}, N, Aside, {536870912, 1073741823}}));

// Negating -2147483648 does not wrap here: with its sign set aside the bound
// 2^31 is reduced like any other.
TEST(Reduction, MostNegativeBoundIsReducedExactly) {
  EXPECT_EQ(reduced({-2147483647 - 1, 4}, N, Aside).num, -536870912);
  EXPECT_EQ(reduced({-2147483647 - 1, 4}, N, Aside).den, 1);
  EXPECT_EQ(reduced({4, -2147483647 - 1}, D, Kept).den, -2147483647 - 1);
}

TEST(Reduction, AgreesWithTrialDivisionOnRandomFractions) {
  testing::RandomInput in(3);
  for (int i = 0; i < testing::iterations(10000); ++i) {
    const std::int64_t num = in.between(-2000, 2000), den = in.between(-2000, 2000);
    for (const Bound bound : {N, D}) {
      for (const BoundSign sign : {Aside, Kept}) {
        const Fraction want = trialReduce(num, den, bound, sign), got = reduced({num, den}, bound, sign);
        ASSERT_TRUE(want.num == got.num && want.den == got.den) << num << '/' << den;
        BasicFraction<std::int64_t> native{num, den};  // the same rule in native arithmetic
        reduce(native, bound, sign);
        ASSERT_TRUE(want.num == native.num && want.den == native.den) << num << '/' << den;
      }
    }
  }
}

// The sum (a*d + c*b)/(b*d) against native 128-bit arithmetic, on both sides
// of 2^31 and 2^63, where native 64-bit products stop: terms of up to 63
// bits, so that the sum fits in 128.
TEST(FractionSum, ExactOnBothSidesOfThe64BitEvaluation) {
  testing::RandomInput in(9);
  for (int i = 0; i < testing::iterations(5000); ++i) {
    std::int64_t v[4];
    for (std::int64_t& x : v) x = in.term(63);
    const Fraction s = sum(Integer(v[0]), Integer(v[1]), Integer(v[2]), Integer(v[3]));
    const __int128 num = static_cast<__int128>(v[0]) * v[3] + static_cast<__int128>(v[2]) * v[1];
    const __int128 den = static_cast<__int128>(v[1]) * v[3];
    ASSERT_EQ(decimal(s.num), decimal(num));
    ASSERT_EQ(decimal(s.den), decimal(den));
  }
}

// A sign change is exact; at 32 bits, moving the sign of -2147483648 leaves
// the range.
TEST(SignChanges, NormaliseIsExactAndTestedAtTheWidth) {
  Fraction f{3, -4};
  normaliseSign(f);
  EXPECT_EQ(f.num, -3);
  EXPECT_EQ(f.den, 4);
  Fraction unchanged{-3, 4};
  normaliseSign(unchanged);
  EXPECT_EQ(unchanged.num, -3);
  Fraction tooNegative{-2147483647 - 1, -1};
  normaliseSign(tooNegative);
  EXPECT_EQ(tooNegative.num, 2147483648LL);
  EXPECT_EQ(rangeStatus(tooNegative, Arithmetic::AsTyped), Status::OutOfRange);
  EXPECT_EQ(rangeStatus(tooNegative, Arithmetic::Kernel), Status::Ok);
  EXPECT_EQ(rangeStatus(tooNegative, Arithmetic::StepByStep), Status::Ok);
  EXPECT_EQ(rangeStatus(Fraction{-2147483647 - 1, 2147483647}, Arithmetic::AsTyped), Status::Ok);
}

}  // namespace
}  // namespace matcalc
