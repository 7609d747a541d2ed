#include "exact_int.h"

namespace matcalc {
namespace {

// Unsigned 128-bit magnitude, built from two 64-bit halves so that it works
// the same on the 32-bit Windows build and on the host.
struct U128 {
  std::uint64_t hi = 0;
  std::uint64_t lo = 0;

  bool isZero() const { return hi == 0 && lo == 0; }
  bool fits64() const { return hi == 0; }
  friend bool operator==(U128 a, U128 b) { return a.hi == b.hi && a.lo == b.lo; }
  friend bool operator<(U128 a, U128 b) { return a.hi != b.hi ? a.hi < b.hi : a.lo < b.lo; }
};

U128 add(U128 a, U128 b) {
  U128 r{a.hi + b.hi, a.lo + b.lo};
  if (r.lo < a.lo) ++r.hi;
  return r;
}

U128 sub(U128 a, U128 b) {  // a >= b
  U128 r{a.hi - b.hi, a.lo - b.lo};
  if (a.lo < b.lo) --r.hi;
  return r;
}

U128 shiftLeft(U128 a, unsigned s) {  // s < 128
  if (s == 0) return a;
  if (s >= 64) return {a.lo << (s - 64), 0};
  return {(a.hi << s) | (a.lo >> (64 - s)), a.lo << s};
}

U128 shiftRight(U128 a, unsigned s) {  // s < 128
  if (s == 0) return a;
  if (s >= 64) return {0, a.hi >> (s - 64)};
  return {a.hi >> s, (a.lo >> s) | (a.hi << (64 - s))};
}

unsigned trailingZeros(U128 a) {  // a != 0
  return a.lo != 0 ? static_cast<unsigned>(__builtin_ctzll(a.lo))
                   : 64 + static_cast<unsigned>(__builtin_ctzll(a.hi));
}

unsigned bitLength(U128 a) {
  if (a.hi != 0) return 128 - static_cast<unsigned>(__builtin_clzll(a.hi));
  if (a.lo != 0) return 64 - static_cast<unsigned>(__builtin_clzll(a.lo));
  return 0;
}

// Full 64 x 64 -> 128 product from 32-bit halves.
U128 multiply(std::uint64_t a, std::uint64_t b) {
  const std::uint64_t aLo = a & 0xFFFFFFFFu, aHi = a >> 32;
  const std::uint64_t bLo = b & 0xFFFFFFFFu, bHi = b >> 32;
  const std::uint64_t ll = aLo * bLo, lh = aLo * bHi, hl = aHi * bLo, hh = aHi * bHi;
  const std::uint64_t mid = (ll >> 32) + (lh & 0xFFFFFFFFu) + (hl & 0xFFFFFFFFu);
  return {hh + (lh >> 32) + (hl >> 32) + (mid >> 32), (mid << 32) | (ll & 0xFFFFFFFFu)};
}

std::uint64_t gcd64(std::uint64_t a, std::uint64_t b) {
  if (a == 0) return b;
  if (b == 0) return a;
  const int shift = __builtin_ctzll(a | b);
  a >>= __builtin_ctzll(a);
  do {
    b >>= __builtin_ctzll(b);
    if (a > b) {
      const std::uint64_t t = a;
      a = b;
      b = t;
    }
    b -= a;
  } while (b != 0);
  return a << shift;
}

// Binary greatest common divisor; gcd(x, 0) = x.
U128 gcd(U128 a, U128 b) {
  if (a.fits64() && b.fits64()) return {0, gcd64(a.lo, b.lo)};
  if (a.isZero()) return b;
  if (b.isZero()) return a;
  const unsigned az = trailingZeros(a), bz = trailingZeros(b);
  const unsigned shift = az < bz ? az : bz;
  a = shiftRight(a, az);
  while (true) {
    b = shiftRight(b, trailingZeros(b));
    if (b < a) {
      const U128 t = a;
      a = b;
      b = t;
    }
    b = sub(b, a);
    if (b.isZero()) return shiftLeft(a, shift);
    if (a.fits64() && b.fits64()) return shiftLeft({0, gcd64(a.lo, b.lo)}, shift);
  }
}

// Quotient of an exact division (d divides n, d != 0).
U128 divide(U128 n, U128 d) {
  if (n.fits64() && d.fits64()) return {0, n.lo / d.lo};
  U128 quotient, remainder;
  for (unsigned bit = bitLength(n); bit-- > 0;) {
    remainder = shiftLeft(remainder, 1);
    remainder.lo |= (bit >= 64 ? n.hi >> (bit - 64) : n.lo >> bit) & 1u;
    if (!(remainder < d)) {
      remainder = sub(remainder, d);
      if (bit >= 64) quotient.hi |= std::uint64_t{1} << (bit - 64);
      else quotient.lo |= std::uint64_t{1} << bit;
    }
  }
  return quotient;
}

}  // namespace

ExactInt ExactInt::wideProduct(std::int64_t a, std::int64_t b) {
  const U128 m = multiply(magnitude(a), magnitude(b));
  return ExactInt((a < 0) != (b < 0), m.hi, m.lo);
}

ExactInt ExactInt::wideSum(const ExactInt& a, const ExactInt& b) {
  const U128 ma{a.hi_, a.lo_}, mb{b.hi_, b.lo_};
  if (a.negative_ == b.negative_) {
    // Both magnitudes stay below 2^126 in every formula, so the sum cannot carry out.
    const U128 s = add(ma, mb);
    return ExactInt(a.negative_, s.hi, s.lo);
  }
  if (mb < ma) {
    const U128 d = sub(ma, mb);
    return ExactInt(a.negative_, d.hi, d.lo);
  }
  const U128 d = sub(mb, ma);
  return ExactInt(b.negative_, d.hi, d.lo);
}

void ExactInt::divideByCommonFactor(ExactInt& a, ExactInt& b) {
  const U128 ma{a.hi_, a.lo_}, mb{b.hi_, b.lo_};
  const U128 g = gcd(ma, mb);
  if (g.isZero() || g == U128{0, 1}) return;
  const U128 qa = divide(ma, g), qb = divide(mb, g);
  a = ExactInt(a.negative_, qa.hi, qa.lo);
  b = ExactInt(b.negative_, qb.hi, qb.lo);
}

}  // namespace matcalc
