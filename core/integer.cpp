#include "integer.h"

#include <array>
#include <charconv>

#include "decimal_form.h"
#include "exact_quotient.h"

namespace matcalc {

// Either side big: both become the other's value, in its form.
void Integer::assignBig(Integer&& other) noexcept {
  if (isBig_ && other.isBig_) {
    big_ = std::move(other.big_);
  } else if (isBig_) {
    destroyBig();
    small_ = other.small_;
  } else {
    new (&big_) BigInt(std::move(other.big_));
    isBig_ = true;
  }
}

void Integer::assignValue(const BigInt& value) {
  if (value >= INT64_MIN && value <= INT64_MAX) {
    *this = static_cast<std::int64_t>(value);
  } else if (isBig_) {
    big_ = value;
  } else {
    new (&big_) BigInt(value);
    isBig_ = true;
  }
}

void Integer::destroyBig() noexcept {
  big_.~BigInt();
  isBig_ = false;
}

Integer Integer::canonical(BigInt&& value) {
  if (value >= INT64_MIN && value <= INT64_MAX) return static_cast<std::int64_t>(value);
  Integer out;
  new (&out.big_) BigInt(std::move(value));
  out.isBig_ = true;
  return out;
}

// op takes BigInt or std::int64_t operands, and gets a BigInt for the first
// when both are inline.
template <class Op>
Integer Integer::onBig(const Integer& a, const Integer& b, Op op) {
  if (a.isBig_ && b.isBig_) return canonical(op(a.big_, b.big_));
  if (a.isBig_) return canonical(op(a.big_, b.small_));
  if (b.isBig_) return canonical(op(a.small_, b.big_));
  return canonical(op(BigInt(a.small_), b.small_));
}

Integer Integer::bigSum(const Integer& a, const Integer& b) {
  return onBig(a, b, [](const auto& x, const auto& y) { return BigInt(x + y); });
}

Integer Integer::bigDifference(const Integer& a, const Integer& b) {
  return onBig(a, b, [](const auto& x, const auto& y) { return BigInt(x - y); });
}

Integer Integer::bigProduct(const Integer& a, const Integer& b) {
  return onBig(a, b, [](const auto& x, const auto& y) { return BigInt(x * y); });
}

// A divisor that fits in 64 bits takes the library's division by a machine
// word; a big one the exact division.
Integer Integer::bigQuotient(const Integer& a, const Integer& b) {
  if (a.isBig_ && b.isBig_) return canonical(exactQuotient(a.big_, b.big_));
  return onBig(a, b, [](const auto& x, const auto& y) { return BigInt(x / y); });
}

Integer Integer::bigNegation() const { return canonical(isBig_ ? BigInt(-big_) : -BigInt(small_)); }

Integer Integer::bigGcd(const Integer& a, const Integer& b) {
  if (!a.isBig_ && !b.isBig_) {
    // The magnitude of INT64_MIN, 2^63, does not fit inline, and neither may
    // the divisor.
    const std::uint64_t g = gcd64(magnitude(a.small_), magnitude(b.small_));
    if (g <= INT64_MAX) return static_cast<std::int64_t>(g);
    return Integer::canonical(BigInt(g));
  }
  if (!a.isBig_ || !b.isBig_) {
    // One term fits in a machine word: the library reduces the big one by it first.
    const BigInt& big = a.isBig_ ? a.big_ : b.big_;
    const std::uint64_t word = magnitude(a.isBig_ ? b.small_ : a.small_);
    if (word == 0) return Integer::canonical(abs(big));
    return Integer::canonical(boost::multiprecision::gcd(big, BigInt(word)));
  }
  return Integer::canonical(boost::multiprecision::gcd(a.big_, b.big_));
}

std::strong_ordering operator<=>(const Integer& a, const Integer& b) {
  if (!a.isBig_ && !b.isBig_) return a.small_ <=> b.small_;
  const int c = a.isBig_ && b.isBig_ ? a.big_.compare(b.big_) : a.isBig_ ? a.big_.sign() : -b.big_.sign();
  return c <=> 0;
}

void Integer::appendDecimal(std::string& out) const {
  if (isBig_) {
    appendDecimalForm(out, big_);
    return;
  }
  std::array<char, 24> digits;
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), small_).ptr;
  out.append(digits.data(), end);
}

}  // namespace matcalc
