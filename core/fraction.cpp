#include "fraction.h"

namespace matcalc {

void reduce(ExactFraction& f, Bound bound, BoundSign sign) {
  ExactInt& b = bound == Bound::Numerator ? f.num : f.den;
  if (sign == BoundSign::Kept && b.isNegative()) return;
  if (!b.magnitudeAtLeastTwo()) return;
  ExactInt::divideByCommonFactor(f.num, f.den);
}

Status store(const ExactInt& value, std::int32_t& term) {
  const auto v = value.toInt32();
  if (!v) return Status::OutOfRange;
  term = *v;
  return Status::Ok;
}

Status store(const ExactFraction& value, Fraction& f) {
  const auto n = value.num.toInt32();
  const auto d = value.den.toInt32();
  if (!n || !d) return Status::OutOfRange;
  f = {*n, *d};
  return Status::Ok;
}

void normaliseSign(ExactFraction& f) {
  if (!f.den.isNegative()) return;
  f.num = -f.num;
  f.den = -f.den;
}

Status normaliseSign(Fraction& f) {
  if (f.den >= 0) return Status::Ok;
  ExactFraction exact{f.num, f.den};
  normaliseSign(exact);
  return store(exact, f);
}

Status negate(std::int32_t& term) { return store(-ExactInt(term), term); }

namespace {

// Below 2^31 in magnitude: a product of two is below 2^62, a sum of two such
// products below 2^63, so they are exact in 64-bit arithmetic.
bool within31Bits(std::int64_t v) { return v > -2147483648LL && v < 2147483648LL; }

}  // namespace

ExactFraction sum(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d) {
  if (within31Bits(a) && within31Bits(b) && within31Bits(c) && within31Bits(d)) return {a * d + c * b, b * d};
  return {ExactInt::product(a, d) + ExactInt::product(c, b), ExactInt::product(b, d)};
}

ExactFraction product(const Fraction& x, const Fraction& y) {
  return {ExactInt(std::int64_t{x.num} * y.num), ExactInt(std::int64_t{x.den} * y.den)};
}

}  // namespace matcalc
