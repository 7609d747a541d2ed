#include "integer.h"

#include <array>
#include <charconv>

namespace matcalc {
namespace {

std::uint64_t magnitude(std::int64_t v) { return v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v); }

// Binary greatest common divisor; gcd(x, 0) = x.
std::uint64_t gcd64(std::uint64_t a, std::uint64_t b) {
  if (a == 0) return b;
  if (b == 0) return a;
  const int shift = __builtin_ctzll(a | b);
  a >>= __builtin_ctzll(a);
  do {
    b >>= __builtin_ctzll(b);
    if (a > b) {
      const std::uint64_t t = a;
      a = b;
      b = t;
    }
    b -= a;
  } while (b != 0);
  return a << shift;
}

}  // namespace

Integer Integer::canonical(BigInt&& value) {
  if (value >= INT64_MIN && value <= INT64_MAX) return static_cast<std::int64_t>(value);
  Integer out;
  out.big_ = std::make_unique<BigInt>(std::move(value));
  return out;
}

Integer Integer::wideNegation() const { return canonical(big_ ? BigInt(-*big_) : -BigInt(small_)); }

Integer Integer::wideQuotient(const Integer& a, const Integer& b) {
  return wide(a, b, [](const auto& x, const auto& y) { return BigInt(x / y); });
}

Integer gcd(const Integer& a, const Integer& b) {
  if (!a.big_ && !b.big_) {
    const std::uint64_t g = gcd64(magnitude(a.small_), magnitude(b.small_));
    if (g <= INT64_MAX) return static_cast<std::int64_t>(g);
    return Integer::canonical(BigInt(g));  // 2^63, from INT64_MIN and 0 or INT64_MIN
  }
  if (!a.big_ || !b.big_) {
    // One term fits in a machine word: the library reduces the wide one by it first.
    const BigInt& wide = a.big_ ? *a.big_ : *b.big_;
    const std::uint64_t word = magnitude(a.big_ ? b.small_ : a.small_);
    if (word == 0) return Integer::canonical(abs(wide));
    return Integer::canonical(boost::multiprecision::gcd(wide, BigInt(word)));
  }
  return Integer::canonical(boost::multiprecision::gcd(*a.big_, *b.big_));
}

std::strong_ordering operator<=>(const Integer& a, const Integer& b) {
  if (!a.big_ && !b.big_) return a.small_ <=> b.small_;
  const int c = a.big_ && b.big_ ? a.big_->compare(*b.big_) : a.big_ ? a.big_->sign() : -b.big_->sign();
  return c <=> 0;
}

void Integer::appendDecimal(std::string& out) const {
  if (big_) {
    out += big_->str();
    return;
  }
  std::array<char, 24> digits;
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), small_).ptr;
  out.append(digits.data(), end);
}

}  // namespace matcalc
