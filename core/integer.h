#pragma once
// Exact integers of any size: the terms of every fraction after reading.
//
// A value that fits in 64 signed bits is held inline and computed with native
// arithmetic, checked for overflow, so small terms never allocate. A value
// beyond that lives in a BigInt. Each value has one form only: it is held
// inline exactly when it fits in 64 bits.
#include <compare>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

#include "big_int.h"

namespace matcalc {

class Integer {
 public:
  Integer() = default;
  Integer(std::int64_t value) : small_(value) {}  // NOLINT(google-explicit-constructor): a number like any other
  Integer(const Integer& other) : small_(other.small_), big_(other.big_ ? copyOf(*other.big_) : nullptr) {}
  Integer(Integer&&) noexcept = default;
  Integer& operator=(const Integer& other) {
    if (this != &other) {
      small_ = other.small_;
      big_ = other.big_ ? copyOf(*other.big_) : nullptr;
    }
    return *this;
  }
  Integer& operator=(Integer&&) noexcept = default;
  ~Integer() = default;

  bool isZero() const { return !big_ && small_ == 0; }
  bool isNegative() const { return big_ ? big_->sign() < 0 : small_ < 0; }
  bool isOne() const { return !big_ && small_ == 1; }
  // Whether the magnitude is 2 or more.
  bool magnitudeAtLeastTwo() const { return big_ || small_ >= 2 || small_ <= -2; }
  bool fitsInt32() const { return !big_ && small_ >= INT32_MIN && small_ <= INT32_MAX; }
  // Whether |value| < bound (bound > 0): the test for a native fast path.
  bool magnitudeBelow(std::int64_t bound) const { return !big_ && small_ > -bound && small_ < bound; }
  // The value, for a caller that has seen it fit in 64 bits.
  std::int64_t small() const { return small_; }

  Integer operator-() const {
    if (!big_ && small_ != INT64_MIN) return -small_;
    return wideNegation();
  }
  friend Integer operator+(const Integer& a, const Integer& b) {
    std::int64_t r;
    if (!a.big_ && !b.big_ && !__builtin_add_overflow(a.small_, b.small_, &r)) return r;
    return wide(a, b, [](const auto& x, const auto& y) { return BigInt(x + y); });
  }
  friend Integer operator-(const Integer& a, const Integer& b) {
    std::int64_t r;
    if (!a.big_ && !b.big_ && !__builtin_sub_overflow(a.small_, b.small_, &r)) return r;
    return wide(a, b, [](const auto& x, const auto& y) { return BigInt(x - y); });
  }
  friend Integer operator*(const Integer& a, const Integer& b) {
    std::int64_t r;
    if (!a.big_ && !b.big_ && !__builtin_mul_overflow(a.small_, b.small_, &r)) return r;
    return wide(a, b, [](const auto& x, const auto& y) { return BigInt(x * y); });
  }
  // The quotient of a division that leaves no remainder (b divides a, b != 0).
  friend Integer exactQuotient(const Integer& a, const Integer& b) {
    if (!a.big_ && !b.big_ && !(a.small_ == INT64_MIN && b.small_ == -1)) return a.small_ / b.small_;
    return wideQuotient(a, b);
  }
  // The greatest common divisor of the magnitudes; gcd(x, 0) = |x|.
  friend Integer gcd(const Integer& a, const Integer& b);

  friend bool operator==(const Integer& a, const Integer& b) {
    if (!a.big_ && !b.big_) return a.small_ == b.small_;
    return a.big_ && b.big_ && *a.big_ == *b.big_;  // one form a value: inline and wide never meet
  }
  friend std::strong_ordering operator<=>(const Integer& a, const Integer& b);

  // The decimal form: a minus sign for a negative value, then the digits
  // without leading zeros.
  void appendDecimal(std::string& out) const;

 private:
  static std::unique_ptr<BigInt> copyOf(const BigInt& v) { return std::make_unique<BigInt>(v); }
  // The one form of a value computed wide: inline when it fits in 64 bits.
  static Integer canonical(BigInt&& value);
  // op on the two values, at least one of them wide or the native result
  // out of 64 bits; op takes BigInt or std::int64_t operands (and gets a
  // BigInt for the first when both are inline).
  template <class Op>
  static Integer wide(const Integer& a, const Integer& b, Op op) {
    if (a.big_ && b.big_) return canonical(op(*a.big_, *b.big_));
    if (a.big_) return canonical(op(*a.big_, b.small_));
    if (b.big_) return canonical(op(a.small_, *b.big_));
    return canonical(op(BigInt(a.small_), b.small_));
  }
  Integer wideNegation() const;
  static Integer wideQuotient(const Integer& a, const Integer& b);

  std::int64_t small_ = 0;       // the value, when big_ is empty
  std::unique_ptr<BigInt> big_;  // the value, when it does not fit in 64 bits
};

// For messages of tests and tools. Inline, so that only code that prints an
// Integer takes in the stream machinery: the Windows programs never do.
inline std::ostream& operator<<(std::ostream& os, const Integer& v) {
  std::string text;
  v.appendDecimal(text);
  return os << text;
}

}  // namespace matcalc
