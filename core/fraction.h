#pragma once
// Fractions of two 32-bit terms and the exact operations on them.
//
// Every formula is evaluated on the exact values of its terms (ExactInt), the
// reduction rule is applied to those exact values, and only then is a term
// stored back into 32 bits. A term that does not fit is reported as
// Status::OutOfRange instead of being wrapped.
#include <cstdint>

#include "exact_int.h"
#include "status.h"

namespace matcalc {

struct Fraction {
  std::int32_t num = 0;
  std::int32_t den = 1;
};

// A fraction whose terms are exact intermediates, not yet stored.
struct ExactFraction {
  ExactInt num;
  ExactInt den;
};

// Which term of a fraction bounds the reduction, and whether its sign is set
// aside (reduction runs for |bound| >= 2) or kept (it runs only for bound >= 2,
// so a negative bound leaves the fraction as it is).
enum class Bound { Numerator, Denominator };
enum class BoundSign { SetAside, Kept };

// Divides both terms by their greatest common divisor when the rule lets the
// reduction run. This is exactly what trial division by 2, 3, 4 ... up to the
// bound term gives: every common divisor is at most |bound|, and a zero other
// term is divisible by everything (0/12 on its denominator becomes 0/1).
void reduce(ExactFraction& f, Bound bound, BoundSign sign);

// Stores an exact value into a 32-bit term, or reports that it does not fit.
Status store(const ExactInt& value, std::int32_t& term);
Status store(const ExactFraction& value, Fraction& f);

// A negative denominator moves its sign to the numerator.
void normaliseSign(ExactFraction& f);
Status normaliseSign(Fraction& f);
// Negates one stored term; -2147483648 has no 32-bit negation.
Status negate(std::int32_t& term);

// (a/b) + (c/d) = (a*d + c*b) / (b*d), unreduced. Terms are at most 64 bits,
// so each product is below 2^126 and the sum cannot overflow ExactInt.
ExactFraction sum(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d);
// (a/b) * (c/d) = (a*c) / (b*d), unreduced.
ExactFraction product(const Fraction& x, const Fraction& y);

}  // namespace matcalc
