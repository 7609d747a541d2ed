// Integer against the host's native 128-bit integers, on both sides of the
// 64-bit boundary where its inline values give way to the library's: sums,
// products, quotients, common divisors, order, the 32-bit range test and
// the decimal form. ProductSum against GMP.
#include "integer.h"

#include <gtest/gtest.h>

#include <string>

#include "decimal_text.h"
#include "product_sum.h"
#include "random_input.h"

namespace matcalc {
namespace {

using testing::decimal;

using I128 = __int128;

// The Integer of a native value, built with the Integer operations
// themselves from 32-bit pieces of its magnitude, most significant first.
Integer integerOf(I128 v) {
  const unsigned __int128 magnitude = v < 0 ? -static_cast<unsigned __int128>(v) : static_cast<unsigned __int128>(v);
  Integer out = 0;
  for (int shift = 96; shift >= 0; shift -= 32) {
    out = out * Integer(std::int64_t{1} << 32) + Integer(static_cast<std::int64_t>((magnitude >> shift) & 0xFFFFFFFFu));
  }
  return v < 0 ? -out : out;
}

// The value and its form: equal to the native value, and inline exactly
// when it fits in 64 bits (equality compares the forms).
void expectValue(const Integer& got, I128 want, const std::string& what) {
  ASSERT_EQ(decimal(got), decimal(want)) << what;
  ASSERT_EQ(got, integerOf(want)) << what;
  if (want >= INT64_MIN && want <= INT64_MAX) {
    ASSERT_EQ(got, Integer(static_cast<std::int64_t>(want))) << what;
  }
}

I128 gcd(I128 a, I128 b) {
  if (a < 0) a = -a;
  if (b < 0) b = -b;
  while (b != 0) {
    const I128 t = a % b;
    a = b;
    b = t;
  }
  return a;
}

TEST(Integer, ArithmeticMatchesNativeAcrossThe64BitBoundary) {
  testing::RandomInput in(7);
  for (int i = 0; i < testing::iterations(5000); ++i) {
    const std::int64_t a = in.term(64), b = in.term(64), c = in.term(64), d = in.term(64);
    const std::string what = std::to_string(a) + ' ' + std::to_string(b) + ' ' + std::to_string(c) + ' ' +
                             std::to_string(d);
    expectValue(Integer(a) + Integer(b), I128{a} + b, what);
    expectValue(Integer(a) - Integer(b), I128{a} - b, what);
    expectValue(-Integer(a), -I128{a}, what);
    // Products of two terms reach 2^126; their difference leaves 64 bits and
    // often comes back.
    const Integer ab = Integer(a) * Integer(b), cd = Integer(c) * Integer(d);
    expectValue(ab, I128{a} * b, what);
    expectValue(ab - cd, I128{a} * b - I128{c} * d, what);
    expectValue(-ab, -(I128{a} * b), what);
    if (b != 0) expectValue(exactQuotient(ab, Integer(b)), I128{a}, what);
    if (a != 0) expectValue(exactQuotient(ab, Integer(a)), I128{b}, what);
    ASSERT_EQ(ab < cd, I128{a} * b < I128{c} * d) << what;
    ASSERT_EQ(ab.isNegative(), I128{a} * b < 0) << what;
  }
}

TEST(Integer, CommonDivisorLeavesLowestTerms) {
  testing::RandomInput in(11);
  for (int i = 0; i < testing::iterations(5000); ++i) {
    const std::int64_t a = in.term(64), b = in.term(64), f = in.term(64), g = in.term(64);
    const I128 x = I128{a} * f, y = I128{b} * g;
    const Integer ex = Integer(a) * Integer(f), ey = Integer(b) * Integer(g);
    const std::string what = std::to_string(a) + '*' + std::to_string(f) + ", " + std::to_string(b) + '*' +
                             std::to_string(g);
    const Integer common = gcd(ex, ey);
    expectValue(common, gcd(x, y), what);
    if (!common.isZero()) {
      expectValue(exactQuotient(ex, common), x / gcd(x, y), what);
      expectValue(exactQuotient(ey, common), y / gcd(x, y), what);
    }
  }
}

TEST(Integer, EdgesOfTheInlineForm) {
  const Integer min(INT64_MIN);
  expectValue(-min, -I128{INT64_MIN}, "-(-2^63)");
  expectValue(exactQuotient(min, Integer(-1)), -I128{INT64_MIN}, "-2^63 / -1");
  expectValue(gcd(min, Integer(0)), -I128{INT64_MIN}, "gcd(-2^63, 0)");
  expectValue(gcd(min, min), -I128{INT64_MIN}, "gcd(-2^63, -2^63)");
  expectValue(gcd(Integer(0), Integer(0)), 0, "gcd(0, 0)");
  // A big value against an inline one, and 0 divided by a big one.
  const Integer big = min * Integer(3);
  expectValue(gcd(big, Integer(6)), 6, "gcd(-3 * 2^63, 6)");
  expectValue(gcd(Integer(0), big), 3 * -I128{INT64_MIN}, "gcd(0, -3 * 2^63)");
  expectValue(exactQuotient(Integer(0), big), 0, "0 / -3 * 2^63");
  EXPECT_TRUE(Integer(0) < big * Integer(-1));
  EXPECT_TRUE(big < Integer(INT64_MIN));
}

// A term of either sign: inline, or a product of up to three inline terms.
Integer termOfAnySize(testing::RandomInput& in, mpz_class& value) {
  Integer v = 1;
  value = 1;
  for (std::int64_t k = in.between(1, 3); k > 0; --k) {
    const std::int64_t t = in.term(64);
    v = v * Integer(t);
    value *= mpz_class(std::to_string(t));
  }
  return v;
}

// Sums of one to five products, added or subtracted, of terms on both sides
// of 64 bits and of library size, each product a multiple of a divisor q
// (odd or even, of either sign and any size), so that the sum divided by q
// is exact; also the sum itself. Each result is inline exactly when it fits.
TEST(ProductSum, SumsOfProductsAndTheirExactQuotients) {
  testing::RandomInput in(13);
  ProductSum sum;
  for (int i = 0; i < testing::iterations(3000); ++i) {
    mpz_class q, a, b, want = 0;
    Integer divisor = termOfAnySize(in, q);
    if (divisor.isZero()) {
      divisor = 1;
      q = 1;
    }
    sum.clear();
    std::string what = "q = " + q.get_str();
    for (std::int64_t k = in.between(1, 5); k > 0; --k) {
      const Integer x = termOfAnySize(in, a), y = termOfAnySize(in, b);
      const bool subtracted = in.oneIn(2);
      if (subtracted) sum.subtract(x, y * divisor);
      else sum.add(x, y * divisor);
      if (subtracted) want -= a * b;
      else want += a * b;
      what += (subtracted ? " - " : " + ") + a.get_str() + " * " + b.get_str() + " * q";
    }
    for (const bool divided : {false, true}) {
      Integer got = 7;
      const mpz_class expected = divided ? want : want * q;
      if (divided) sum.storeQuotient(divisor, got);
      else sum.store(got);
      ASSERT_EQ(testing::decimal(got), expected.get_str()) << what << (divided ? ", divided by q" : "");
      if (expected.fits_slong_p()) {
        ASSERT_EQ(got, Integer(expected.get_si())) << what;
      }
    }
  }
}

TEST(Integer, Int32RangeBoundaries) {
  struct Case {
    Integer value;
    bool fits;
  };
  const Case cases[] = {
      {0, true},
      {2147483647, true},
      {-2147483648LL, true},
      {2147483648LL, false},
      {-2147483649LL, false},
      {INT64_MIN, false},
      {Integer(65536) * Integer(65536), false},
      {-Integer(-2147483648LL), false},
      {Integer(INT64_MIN) * Integer(2) - Integer(INT64_MIN) * Integer(2), true},
  };
  for (const Case& c : cases) EXPECT_EQ(c.value.fitsInt32(), c.fits) << c.value;
}

}  // namespace
}  // namespace matcalc
