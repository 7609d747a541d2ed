#pragma once
// Exact integers of any size: the terms of every fraction after reading.
//
// A value that fits in 64 signed bits is held inline and computed with native
// arithmetic, checked for overflow, so small terms never allocate. A value
// beyond that is a BigInt, in the same place. Each value has one form only:
// it is a native integer exactly when it fits in 64 bits.
#include <compare>
#include <new>
#include <cstdint>
#include <ostream>
#include <string>
#include <utility>

#include "big_int.h"

namespace matcalc {

inline std::uint64_t magnitude(std::int64_t v) {
  return v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
}

// Binary greatest common divisor; gcd64(x, 0) = x.
inline std::uint64_t gcd64(std::uint64_t a, std::uint64_t b) {
  if (a == 0) return b;
  if (b == 0) return a;
  const int shift = __builtin_ctzll(a | b);
  a >>= __builtin_ctzll(a);
  do {
    b >>= __builtin_ctzll(b);
    if (a > b) std::swap(a, b);
    b -= a;
  } while (b != 0);
  return a << shift;
}

class Integer {
 public:
  Integer() : small_(0) {}
  Integer(std::int64_t value) : small_(value) {}  // NOLINT(google-explicit-constructor): a number like any other
  // A value computed on the library integer, in its one form.
  explicit Integer(BigInt&& value) : Integer(canonical(std::move(value))) {}
  Integer(const Integer& other) : isBig_(other.isBig_) {
    if (isBig_) new (&big_) BigInt(other.big_);
    else small_ = other.small_;
  }
  Integer(Integer&& other) noexcept : isBig_(other.isBig_) {
    if (isBig_) new (&big_) BigInt(std::move(other.big_));
    else small_ = other.small_;
  }
  Integer& operator=(const Integer& other) {
    if (!isBig_ && !other.isBig_) small_ = other.small_;
    else if (this != &other) assignBig(Integer(other));
    return *this;
  }
  Integer& operator=(Integer&& other) noexcept {
    if (!isBig_ && !other.isBig_) small_ = other.small_;
    else if (this != &other) assignBig(std::move(other));
    return *this;
  }
  Integer& operator=(std::int64_t value) {
    if (isBig_) destroyBig();
    small_ = value;
    return *this;
  }
  ~Integer() {
    if (isBig_) destroyBig();
  }

  bool isZero() const { return !isBig_ && small_ == 0; }
  bool isNegative() const { return isBig_ ? big_.sign() < 0 : small_ < 0; }
  bool isOne() const { return !isBig_ && small_ == 1; }
  // Whether the magnitude is 2 or more.
  bool magnitudeAtLeastTwo() const { return isBig_ || small_ >= 2 || small_ <= -2; }
  bool fitsInt32() const { return !isBig_ && small_ >= INT32_MIN && small_ <= INT32_MAX; }
  // Whether |value| < bound (bound > 0): the test for a native fast path.
  bool magnitudeBelow(std::int64_t bound) const { return !isBig_ && small_ > -bound && small_ < bound; }
  // The value, for a caller that has seen it fit in 64 bits.
  std::int64_t small() const { return small_; }

  Integer operator-() const {
    if (!isBig_ && small_ != INT64_MIN) return -small_;
    return bigNegation();
  }
  friend Integer operator+(const Integer& a, const Integer& b) {
    std::int64_t r;
    if (!a.isBig_ && !b.isBig_ && !__builtin_add_overflow(a.small_, b.small_, &r)) return r;
    return bigSum(a, b);
  }
  friend Integer operator-(const Integer& a, const Integer& b) {
    std::int64_t r;
    if (!a.isBig_ && !b.isBig_ && !__builtin_sub_overflow(a.small_, b.small_, &r)) return r;
    return bigDifference(a, b);
  }
  friend Integer operator*(const Integer& a, const Integer& b) {
    std::int64_t r;
    if (!a.isBig_ && !b.isBig_ && !__builtin_mul_overflow(a.small_, b.small_, &r)) return r;
    return bigProduct(a, b);
  }
  // The quotient of a division that leaves no remainder (b divides a, b != 0).
  friend Integer exactQuotient(const Integer& a, const Integer& b) {
    if (!a.isBig_ && !b.isBig_ && !(a.small_ == INT64_MIN && b.small_ == -1)) return a.small_ / b.small_;
    return bigQuotient(a, b);
  }
  // The greatest common divisor of the magnitudes; gcd(x, 0) = |x|.
  friend Integer gcd(const Integer& a, const Integer& b) {
    if (!a.isBig_ && !b.isBig_ && a.small_ != INT64_MIN && b.small_ != INT64_MIN) {
      return static_cast<std::int64_t>(gcd64(magnitude(a.small_), magnitude(b.small_)));
    }
    return bigGcd(a, b);
  }

  friend bool operator==(const Integer& a, const Integer& b) {
    if (!a.isBig_ && !b.isBig_) return a.small_ == b.small_;
    return a.isBig_ && b.isBig_ && a.big_ == b.big_;  // one form a value: inline and big never meet
  }
  friend std::strong_ordering operator<=>(const Integer& a, const Integer& b);

  // The decimal form: a minus sign for a negative value, then the digits
  // without leading zeros.
  void appendDecimal(std::string& out) const;

 private:
  friend class ProductSum;  // which keeps its sums as library integers

  // Out of line: only big values take these.
  void assignBig(Integer&& other) noexcept;
  // The value of a library integer, copied into this one's storage when
  // both are big.
  void assignValue(const BigInt& value);
  void destroyBig() noexcept;
  // The one form of a value computed big: inline when it fits in 64 bits.
  static Integer canonical(BigInt&& value);
  // The operations on values of which at least one is big, or whose native
  // result leaves 64 bits; out of line, so that the native ones inline.
  template <class Op>
  static Integer onBig(const Integer& a, const Integer& b, Op op);
  static Integer bigSum(const Integer& a, const Integer& b);
  static Integer bigDifference(const Integer& a, const Integer& b);
  static Integer bigProduct(const Integer& a, const Integer& b);
  static Integer bigQuotient(const Integer& a, const Integer& b);
  static Integer bigGcd(const Integer& a, const Integer& b);
  Integer bigNegation() const;

  bool isBig_ = false;  // whether the value leaves 64 bits
  union {
    std::int64_t small_;  // the value, when it fits in 64 bits
    BigInt big_;          // the value otherwise, held here: one of up to 128
                          // bits allocates nothing (big_int.h)
  };
};

// The questions the formulas ask of a term, for Integer and for native
// 64-bit values alike: a formula written once as a template runs natively
// where its terms are known to be small enough not to overflow.
inline bool isZero(const Integer& v) { return v.isZero(); }
inline bool isNegative(const Integer& v) { return v.isNegative(); }
inline bool isOne(const Integer& v) { return v.isOne(); }
inline bool magnitudeAtLeastTwo(const Integer& v) { return v.magnitudeAtLeastTwo(); }
inline bool fitsInt32(const Integer& v) { return v.fitsInt32(); }
inline bool isZero(std::int64_t v) { return v == 0; }
inline bool isNegative(std::int64_t v) { return v < 0; }
inline bool isOne(std::int64_t v) { return v == 1; }
inline bool magnitudeAtLeastTwo(std::int64_t v) { return v >= 2 || v <= -2; }
inline bool fitsInt32(std::int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; }
// Native counterparts of gcd and exactQuotient, for terms above INT64_MIN.
inline std::int64_t gcd(std::int64_t a, std::int64_t b) { return static_cast<std::int64_t>(gcd64(magnitude(a), magnitude(b))); }
inline std::int64_t exactQuotient(std::int64_t a, std::int64_t b) { return a / b; }

// For messages of tests and tools. Inline, so that only code that prints an
// Integer takes in the stream machinery: the Windows programs never do.
inline std::ostream& operator<<(std::ostream& os, const Integer& v) {
  std::string text;
  v.appendDecimal(text);
  return os << text;
}

}  // namespace matcalc
