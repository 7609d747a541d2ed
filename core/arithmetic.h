#pragma once
// How a command computes once its matrices are read. It is chosen in one
// place, from what the command's reading runs found (readMatrices), and the
// command carries it to every mechanism it calls.
#include <utility>

#include "fraction_grid.h"
#include "status.h"

namespace matcalc {

enum class Arithmetic {
  // No zero denominator was read: every value is exact at any size, computed
  // on the fraction-free integer kernel (rows scaled to integers, Bareiss).
  Kernel,
  // The step-by-step algorithm on fractions, on terms of any size: exact
  // too, it gives the same boxes as the kernel, slowly, and is the oracle
  // the tests hold the kernel to.
  StepByStep,
  // A zero denominator was read, so the values have no meaning as numbers:
  // the step-by-step algorithm exactly as typed, with 32-bit terms; a term
  // to be stored that does not fit ends the command with the range error.
  AsTyped,
};

// Which arithmetic a command without zero denominators takes: the kernel, or
// (for tests) the step-by-step algorithm.
enum class Method { Kernel, StepByStep };

// The status of storing a term under the arithmetic: Ok always, but
// Status::OutOfRange for a term beyond 32 bits as typed.
template <class Int>
Status rangeStatus(const Int& term, Arithmetic arithmetic) {
  return arithmetic != Arithmetic::AsTyped || fitsInt32(term) ? Status::Ok : Status::OutOfRange;
}

template <class Int>
Status rangeStatus(const BasicFraction<Int>& f, Arithmetic arithmetic) {
  return rangeStatus(f.num, arithmetic) == Status::Ok ? rangeStatus(f.den, arithmetic) : Status::OutOfRange;
}

// Stores f in cell [r][c] when it fits the arithmetic; otherwise leaves the
// cell as it is and returns the range error.
inline Status storeIfFits(FractionGrid& g, int r, int c, Fraction f, Arithmetic arithmetic) {
  if (const Status s = rangeStatus(f, arithmetic); s != Status::Ok) return s;
  g.store(r, c, std::move(f));
  return Status::Ok;
}

}  // namespace matcalc
