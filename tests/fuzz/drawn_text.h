#pragma once
// Matrix texts drawn from a fuzzer's bytes: up to 20 x 20 elements (at times
// 21, for the size error) that are integers of up to 40 digits, fractions,
// decimals and zero denominators, with repeated, negated and zero rows, zero
// columns and rows that start as another does; written with the characters
// the reader reads as blanks, digits, slashes, minus signs and full stops,
// broken into lines by CR LF, LF or CR, with empty and digitless lines and
// stray characters; typed as UTF-8 through the edit-box conversion, which
// also reaches the stand-ins GBK lacks, or given as raw GBK.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace matcalc::fuzz {

// Reads the fuzzer's choices, a byte each, and once its bytes are used up
// draws them from a generator seeded by them, so that a short input still
// writes a 20 x 20 matrix of 40-digit elements.
class Draw {
 public:
  explicit Draw(FuzzedDataProvider& bytes);

  std::uint8_t byte();
  bool flag() { return (byte() & 1) != 0; }
  // 0 to max (below 256).
  int upTo(int max) { return byte() % (max + 1); }
  // A side of 1 to 20, small ones more often, now and then 21.
  int side();

 private:
  std::uint64_t next();

  FuzzedDataProvider& bytes_;
  std::uint64_t state_;
};

// A matrix text as an edit box holds it, in GBK, and what the time of the
// step-by-step algorithm on it grows with.
struct DrawnText {
  std::string text;
  int side = 0;            // the larger of the row count and the longest row
  std::size_t digits = 0;  // of the longest term stored
};

DrawnText drawMatrixText(Draw& draw, int rows, int columns);

}  // namespace matcalc::fuzz
