#pragma once
// The quotient of a division known to leave no remainder, for library
// integers: the step of fraction-free elimination and the reduction by a
// common divisor.
#include "big_int.h"

namespace matcalc {

// a / b, where b is not 0 and divides a.
BigInt exactQuotient(const BigInt& a, const BigInt& b);

// a becomes a / b, where b is not 0 and divides a: the quotient is written
// over the dividend, in its storage.
void divideExactly(BigInt& a, const BigInt& b);

}  // namespace matcalc
