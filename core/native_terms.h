#pragma once
// The fast path of the formulas for small terms. A formula is written once,
// as a template over its term type, and runs on native 64-bit integers when
// every term is small enough that nothing it computes can overflow; on
// Integer otherwise, whose own operations check each result natively.
//
// The bound, stated once: a formula of degree k computes at most a sum or
// difference of two products of k terms each. With every term below
// 2^(62 / k) in magnitude, each product is below 2^62 and the sum below
// 2^63, which int64 holds; a quotient of such a value is no larger.
#include <cstdint>

#include "fraction.h"
#include "integer.h"

namespace matcalc {

template <int Degree>
inline constexpr std::int64_t kNativeBound = std::int64_t{1} << (62 / Degree);

template <int Degree, class... Terms>
bool nativeTerms(const Terms&... terms) {
  return (terms.magnitudeBelow(kNativeBound<Degree>) && ...);
}

inline Integer asInteger(std::int64_t v) { return v; }
inline Fraction asInteger(const BasicFraction<std::int64_t>& f) { return {f.num, f.den}; }

// formula(terms...) for a formula of the given degree: natively when the
// terms allow it, and always as Integer terms.
template <int Degree, class Formula, class... Terms>
auto evaluate(Formula formula, const Terms&... terms) {
  if (nativeTerms<Degree>(terms...)) return asInteger(formula(terms.small()...));
  return formula(terms...);
}

}  // namespace matcalc
