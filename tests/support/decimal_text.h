#pragma once
// Decimal texts of Integers and of the host's native 128-bit integers, so
// that tests can compare the two digit for digit.
#include <string>

#include "integer.h"

namespace matcalc::testing {

inline std::string decimal(const Integer& v) {
  std::string out;
  v.appendDecimal(out);
  return out;
}

inline std::string decimal(__int128 v) {
  if (v == 0) return "0";
  std::string digits;
  const bool negative = v < 0;
  for (; v != 0; v /= 10) digits.insert(digits.begin(), static_cast<char>('0' + (negative ? -(v % 10) : v % 10)));
  return negative ? "-" + digits : digits;
}

}  // namespace matcalc::testing
