#pragma once
// The decimal form of library integers, for result texts of any length.
#include <string>

#include "big_int.h"

namespace matcalc {

// Appends a minus sign for a negative value, then the digits without leading
// zeros.
void appendDecimalForm(std::string& out, const BigInt& value);

}  // namespace matcalc
