#pragma once
// What the reading runs of one command found, gathered in the order they
// ran. From it alone follow the box that ends the command after reading, if
// any, and the arithmetic the command then computes with.
#include "arithmetic.h"
#include "matrix_reader.h"
#include "status.h"

namespace matcalc {

class CommandReading {
 public:
  void add(const ReadResult& run) {
    if (exact_ == Status::Ok) exact_ = run.exact;
    if (asTyped_ == Status::Ok) asTyped_ = run.asTyped;
    zeroDenominator_ = zeroDenominator_ || run.zeroDenominator;
  }
  // An edit box that could not be read: its text is longer than a box holds.
  void add(Status input) { add(ReadResult{1, false, input, input}); }

  // The first fault in text order that counts, or Ok. A command with a zero
  // denominator anywhere is read and computed as typed, with 32-bit terms:
  // every fault of a 32-bit reading counts. Any other command reads every
  // element exactly, whatever its length: only the size fault counts.
  Status failure() const { return zeroDenominator_ ? asTyped_ : exact_; }

  Arithmetic arithmetic(Method method) const {
    if (zeroDenominator_) return Arithmetic::AsTyped;
    return method == Method::Kernel ? Arithmetic::Kernel : Arithmetic::StepByStep;
  }

 private:
  Status exact_ = Status::Ok;
  Status asTyped_ = Status::Ok;
  bool zeroDenominator_ = false;
};

}  // namespace matcalc
