#include "fraction.h"

namespace matcalc {

Status fits(const Fraction& f, TermWidth width) {
  if (width == TermWidth::Unbounded || (f.num.fitsInt32() && f.den.fitsInt32())) return Status::Ok;
  return Status::OutOfRange;
}

void reduce(Fraction& f, Bound bound, BoundSign sign) {
  const Integer& b = bound == Bound::Numerator ? f.num : f.den;
  if (sign == BoundSign::Kept && b.isNegative()) return;
  if (!b.magnitudeAtLeastTwo()) return;
  const Integer g = gcd(f.num, f.den);  // at least 1: one term is at least 2 in magnitude
  if (g.isOne()) return;
  f.num = exactQuotient(f.num, g);
  f.den = exactQuotient(f.den, g);
}

void normaliseSign(Fraction& f) {
  if (!f.den.isNegative()) return;
  f.num = -f.num;
  f.den = -f.den;
}

Fraction sum(const Integer& a, const Integer& b, const Integer& c, const Integer& d) {
  return {a * d + c * b, b * d};
}

Fraction product(const Fraction& x, const Fraction& y) { return {x.num * y.num, x.den * y.den}; }

}  // namespace matcalc
