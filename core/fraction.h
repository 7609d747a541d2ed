#pragma once
// Fractions of two exact terms and the operations on them.
//
// Every formula is evaluated exactly, and the reduction rule is applied to the
// exact values. Where a stored term may have any size, nothing more is needed.
// A text with a zero denominator is computed as typed instead, with 32-bit
// terms: there a term that does not fit is reported as Status::OutOfRange
// when it is stored, rather than wrapped.
#include "integer.h"
#include "status.h"

namespace matcalc {

struct Fraction {
  Integer num = 0;
  Integer den = 1;
};

// How wide a stored term may be.
enum class TermWidth {
  Unbounded,  // any size: the terms of texts without a zero denominator
  Int32,      // 32 signed bits: a text with a zero denominator, computed as typed
};

// Ok when both terms may be stored at that width, else Status::OutOfRange.
Status fits(const Fraction& f, TermWidth width);

// Which term of a fraction bounds the reduction, and whether its sign is set
// aside (reduction runs for |bound| >= 2) or kept (it runs only for bound >= 2,
// so a negative bound leaves the fraction as it is).
enum class Bound { Numerator, Denominator };
enum class BoundSign { SetAside, Kept };

// Divides both terms by their greatest common divisor when the rule lets the
// reduction run. This is exactly what trial division by 2, 3, 4 ... up to the
// bound term gives: every common divisor is at most |bound|, and a zero other
// term is divisible by everything (0/12 on its denominator becomes 0/1).
void reduce(Fraction& f, Bound bound, BoundSign sign);

// A negative denominator moves its sign to the numerator.
void normaliseSign(Fraction& f);

// (a/b) + (c/d) = (a*d + c*b) / (b*d), unreduced.
Fraction sum(const Integer& a, const Integer& b, const Integer& c, const Integer& d);
// (a/b) * (c/d) = (a*c) / (b*d), unreduced.
Fraction product(const Fraction& x, const Fraction& y);

}  // namespace matcalc
