#pragma once
// The quotient of a division known to leave no remainder, for library
// integers: the step of fraction-free elimination and the reduction by a
// common divisor.
#include "big_int.h"

namespace matcalc {

// The inverse of an odd d modulo 2^(bits of UInt), by Newton's iteration: an
// odd d is its own inverse modulo 8, and each step doubles the correct bits.
// Multiplying by it divides exactly: x / d = x * inverse modulo 2^bits for
// every x that d divides.
template <class UInt>
constexpr UInt inverseOfOdd(UInt d) {
  UInt x = d;
  for (unsigned bits = 3; bits < 8 * sizeof(UInt); bits *= 2) x *= static_cast<UInt>(2 - d * x);
  return x;
}

// a / b, where b is not 0 and divides a.
BigInt exactQuotient(const BigInt& a, const BigInt& b);

// a becomes a / b, where b is not 0 and divides a: the quotient is written
// over the dividend, in its storage.
void divideExactly(BigInt& a, const BigInt& b);

}  // namespace matcalc
