#pragma once
// Fractions of two exact terms and the operations on them.
//
// Every formula is evaluated exactly, and the reduction rule is applied to the
// exact values. Whether a stored term must also fit in 32 bits is the
// command's arithmetic (arithmetic.h).
#include "integer.h"

namespace matcalc {

// Int is Integer, or std::int64_t for a formula whose terms are known to be
// small enough that native arithmetic cannot overflow.
template <class Int>
struct BasicFraction {
  Int num = 0;
  Int den = 1;
};
using Fraction = BasicFraction<Integer>;

// Which term of a fraction bounds the reduction, and whether its sign is set
// aside (reduction runs for |bound| >= 2) or kept (it runs only for bound >= 2,
// so a negative bound leaves the fraction as it is).
enum class Bound { Numerator, Denominator };
enum class BoundSign { SetAside, Kept };

// Divides both terms by their greatest common divisor when the rule lets the
// reduction run. This is exactly what trial division by 2, 3, 4 ... up to the
// bound term gives: every common divisor is at most |bound|, and a zero other
// term is divisible by everything (0/12 on its denominator becomes 0/1).
template <class Int>
void reduce(BasicFraction<Int>& f, Bound bound, BoundSign sign) {
  const Int& b = bound == Bound::Numerator ? f.num : f.den;
  if (sign == BoundSign::Kept && isNegative(b)) return;
  if (!magnitudeAtLeastTwo(b)) return;
  const Int g = gcd(f.num, f.den);  // at least 1: one term is at least 2 in magnitude
  if (isOne(g)) return;
  f.num = exactQuotient(f.num, g);
  f.den = exactQuotient(f.den, g);
}

// A negative denominator moves its sign to the numerator.
template <class Int>
void normaliseSign(BasicFraction<Int>& f) {
  if (!isNegative(f.den)) return;
  f.num = -f.num;
  f.den = -f.den;
}

// (a/b) + (c/d) = (a*d + c*b) / (b*d), unreduced.
template <class Int>
BasicFraction<Int> sum(const Int& a, const Int& b, const Int& c, const Int& d) {
  return {a * d + c * b, b * d};
}
// (a/b) * (c/d) = (a*c) / (b*d), unreduced.
inline Fraction product(const Integer& a, const Integer& b, const Integer& c, const Integer& d) {
  return {a * c, b * d};
}

}  // namespace matcalc
