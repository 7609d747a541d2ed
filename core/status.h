#pragma once
// How a computation ended. Every mechanism of the compute path reports through
// this instead of exceptions, and the program turns a failure into an error box.

namespace matcalc {

enum class Status {
  Ok,
  OutOfRange,  // a value to be stored does not fit in 32 signed bits
  TooLarge,    // more than 20 rows, more than 20 elements on a line, or an overlong text
};

}  // namespace matcalc
