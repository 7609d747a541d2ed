#include "decimal_form.h"

#include <cstdint>
#include <vector>

namespace matcalc {
namespace {

// Why not the library's own: cpp_int writes its digits by dividing the whole
// number by one block of 10^18 (10^9 with 32-bit limbs) again and again, so
// a number of n digits costs about n^2 / 36 limb divisions, each a slow
// machine division. The 20 x 20 inverses of long fractions are numbers of
// thousands of digits, megabytes in all. Measured on a number of 8,000
// digits: 830 us the library's way and 340 us this way on the host, 2.8 ms
// and 1.0 ms in the 32-bit Windows build. Here the number
// is split by the largest power 10^(18 * 2^j) below it, into the high part
// and the low 18 * 2^j digits, and each part again, down to blocks of 18
// digits; each split is a division by a power of
// ten computed once, done as two multiplications by its reciprocal
// (Barrett's method), so that the library's fast multiplication does the work.

constexpr int kBlockDigits = 18;
// Below 2^kLibraryBits the library's own way is as fast.
constexpr unsigned kLibraryBits = 1500;
constexpr std::uint64_t kBlock = 1'000'000'000'000'000'000;

// 10^(18 * 2^j), its bit length b, and floor(2^(2b) / 10^(18 * 2^j)).
struct PowerOfTen {
  BigInt value;
  unsigned bits = 0;
  BigInt reciprocal;
  std::size_t digits = 0;
};

// The powers made so far, each once for the run of the program: results are
// written one after another, never two at a time.
const PowerOfTen& powerOfTen(std::size_t j) {
  static std::vector<PowerOfTen> powers;
  while (powers.size() <= j) {
    PowerOfTen p;
    p.value = powers.empty() ? BigInt(kBlock) : BigInt(powers.back().value * powers.back().value);
    p.digits = powers.empty() ? kBlockDigits : 2 * powers.back().digits;
    p.bits = static_cast<unsigned>(boost::multiprecision::msb(p.value)) + 1;
    p.reciprocal = (BigInt(1) << (2 * p.bits)) / p.value;
    powers.push_back(std::move(p));
  }
  return powers[j];
}

// n = q * 10^d + r with 0 <= r < 10^d, for 0 <= n < 10^(2d), 10^d = p.value
// of b bits: the estimate from the top b + 1 bits of n is at most 2 short.
void divide(const BigInt& n, const PowerOfTen& p, BigInt& q, BigInt& r) {
  q = ((n >> (p.bits - 1)) * p.reciprocal) >> (p.bits + 1);
  r = n - q * p.value;
  while (r >= p.value) {
    r -= p.value;
    ++q;
  }
}

// Appends n >= 0 with exactly `width` digits, zeros in front, or with no
// leading zero when width is 0.
void appendDigits(std::string& out, const BigInt& n, std::size_t width) {
  if (n.is_zero() || boost::multiprecision::msb(n) < kLibraryBits) {
    const std::string digits = n.str();
    if (width > digits.size()) out.append(width - digits.size(), '0');
    out += digits;
    return;
  }
  // The largest power 10^d below n splits it; then the high part is below
  // 10^d too, since 10^(2d) > n.
  std::size_t j = 0;
  while (powerOfTen(j + 1).value <= n) ++j;
  const PowerOfTen& p = powerOfTen(j);
  BigInt high, low;
  divide(n, p, high, low);
  appendDigits(out, high, width > p.digits ? width - p.digits : 0);
  appendDigits(out, low, p.digits);
}

}  // namespace

void appendDecimalForm(std::string& out, const BigInt& value) {
  if (value < 0) {
    out += '-';
    appendDigits(out, -value, 0);
  } else {
    appendDigits(out, value, 0);
  }
}

}  // namespace matcalc
