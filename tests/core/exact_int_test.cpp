// ExactInt against the host's native 128-bit integers: products, sums,
// division by the common factor and the 32-bit range test.
#include "exact_int.h"

#include <gtest/gtest.h>

#include <random>

namespace matcalc {
namespace {

using I128 = __int128;

// Compares with a native value by rebuilding it as hi * 2^62 + lo; the random
// terms keep |value| below 2^123 so that hi fits in 64 bits.
bool sameValue(const ExactInt& e, I128 expected) {
  // e - expected must be zero: expected is split into two 64-bit products.
  const std::int64_t hi = static_cast<std::int64_t>(expected / (I128{1} << 62));
  const std::int64_t lo = static_cast<std::int64_t>(expected % (I128{1} << 62));
  const ExactInt rebuilt = ExactInt::product(hi, std::int64_t{1} << 62) + ExactInt(lo);
  return (e - rebuilt).isZero();
}

std::int64_t randomTerm(std::mt19937_64& rng) {
  switch (rng() % 4) {
    case 0: return static_cast<std::int64_t>(rng() % 7) - 3;
    case 1: return static_cast<std::int32_t>(rng());
    case 2: return std::int64_t{static_cast<std::int32_t>(rng())} * static_cast<std::int32_t>(rng() >> 1);
    default: return static_cast<std::int64_t>(rng() >> (4 + rng() % 40));
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

TEST(ExactInt, ProductsAndSumsMatchNativeArithmetic) {
  std::mt19937_64 rng(7);
  for (int i = 0; i < 20000; ++i) {
    const std::int64_t a = randomTerm(rng), b = randomTerm(rng), c = randomTerm(rng), d = randomTerm(rng);
    const I128 expected = I128{a} * b - I128{c} * d;
    EXPECT_TRUE(sameValue(ExactInt::product(a, b) - ExactInt::product(c, d), expected)) << a << ' ' << b << ' ' << c << ' ' << d;
  }
}

TEST(ExactInt, CommonFactorLeavesLowestTerms) {
  std::mt19937_64 rng(11);
  for (int i = 0; i < 20000; ++i) {
    const std::int64_t a = randomTerm(rng), b = randomTerm(rng), f = randomTerm(rng), g = randomTerm(rng);
    const I128 x = I128{a} * f, y = I128{b} * g;
    ExactInt ex = ExactInt::product(a, f), ey = ExactInt::product(b, g);
    ExactInt::divideByCommonFactor(ex, ey);
    const I128 common = gcd(x, y);
    const I128 wantX = common == 0 ? x : x / common, wantY = common == 0 ? y : y / common;
    ASSERT_TRUE(sameValue(ex, wantX) && sameValue(ey, wantY)) << a << '*' << f << ", " << b << '*' << g;
  }
}

TEST(ExactInt, LargestProductsKeepTheirCommonFactor) {
  ExactInt a = ExactInt::product(INT64_MIN, INT64_MIN);  // 2^126
  ExactInt b = ExactInt::product(INT64_MIN, 2);          // -2^64
  ExactInt::divideByCommonFactor(a, b);
  EXPECT_EQ(a, ExactInt::product(std::int64_t{1} << 31, std::int64_t{1} << 31));  // 2^62
  EXPECT_EQ(b, ExactInt(-1));
}

TEST(ExactInt, CommonFactorOfZero) {
  ExactInt zero(0), twelve(12), minusTwelve(-12);
  ExactInt::divideByCommonFactor(zero, twelve);
  EXPECT_TRUE(zero.isZero());
  EXPECT_EQ(twelve.toInt32(), 1);
  ExactInt zero2(0);
  ExactInt::divideByCommonFactor(minusTwelve, zero2);
  EXPECT_EQ(minusTwelve.toInt32(), -1);
  // Zero against a value whose low 64 bits are all zero (2^80).
  ExactInt zero3(0), wide = ExactInt::product(std::int64_t{1} << 40, std::int64_t{1} << 40);
  ExactInt::divideByCommonFactor(zero3, wide);
  EXPECT_TRUE(zero3.isZero());
  EXPECT_EQ(wide.toInt32(), 1);
}

TEST(ExactInt, Int32RangeBoundaries) {
  struct Case {
    std::int64_t value;
    bool fits;
  };
  const Case cases[] = {
      {0, true},          {2147483647, true},          {-2147483648LL, true},
      {2147483648LL, false}, {-2147483649LL, false}, {INT64_MIN, false},
  };
  for (const Case& c : cases) {
    const auto v = ExactInt(c.value).toInt32();
    EXPECT_EQ(v.has_value(), c.fits) << c.value;
    if (v) {
      EXPECT_EQ(*v, c.value);
    }
  }
  EXPECT_FALSE(ExactInt::product(65536, 65536).toInt32());
  EXPECT_FALSE((-ExactInt(-2147483648LL)).toInt32());
}

}  // namespace
}  // namespace matcalc
