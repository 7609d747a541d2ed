#pragma once
// Exact signed integers wide enough for every formula of the calculators.
//
// The widest value any formula forms is a difference of two products of four
// 32-bit terms: each product is below 2^124, the difference below 2^125. An
// ExactInt holds a sign and a 128-bit magnitude, so no formula can overflow it.
// The 32-bit Windows build has no 128-bit integer type, hence this small class;
// values that fit in 64 bits take a fast path through native arithmetic.
#include <cstdint>
#include <optional>

namespace matcalc {

class ExactInt {
 public:
  constexpr ExactInt() = default;
  constexpr ExactInt(std::int64_t v)  // NOLINT(google-explicit-constructor)
      : negative_(v < 0), lo_(magnitude(v)) {}

  // The exact product of two 64-bit values (at most 2^126 in magnitude).
  static ExactInt product(std::int64_t a, std::int64_t b) {
    const std::uint64_t ma = magnitude(a), mb = magnitude(b);
    if ((ma | mb) >> 32 == 0) return ExactInt((a < 0) != (b < 0), 0, ma * mb);  // the common, small case
    return wideProduct(a, b);
  }

  bool isZero() const { return hi_ == 0 && lo_ == 0; }
  bool isNegative() const { return negative_; }
  // Magnitude at least 2: the condition under which a reduction runs.
  bool magnitudeAtLeastTwo() const { return hi_ != 0 || lo_ >= 2; }

  ExactInt operator-() const { return ExactInt(!negative_, hi_, lo_); }
  friend ExactInt operator+(const ExactInt& a, const ExactInt& b) {
    if ((a.hi_ | b.hi_) != 0) return wideSum(a, b);
    if (a.negative_ == b.negative_) {
      const std::uint64_t lo = a.lo_ + b.lo_;
      return ExactInt(a.negative_, lo < a.lo_ ? 1 : 0, lo);
    }
    return a.lo_ >= b.lo_ ? ExactInt(a.negative_, 0, a.lo_ - b.lo_) : ExactInt(b.negative_, 0, b.lo_ - a.lo_);
  }
  friend ExactInt operator-(const ExactInt& a, const ExactInt& b) { return a + (-b); }

  // Divides both values by the greatest common divisor of their magnitudes
  // (gcd(x, 0) = x). Signs are kept.
  static void divideByCommonFactor(ExactInt& a, ExactInt& b);

  // The value as a 32-bit signed integer, or nothing when it does not fit.
  std::optional<std::int32_t> toInt32() const {
    constexpr std::uint64_t kMaxPositive = 0x7FFFFFFF;
    if (hi_ != 0 || lo_ > kMaxPositive + (negative_ ? 1 : 0)) return std::nullopt;
    return static_cast<std::int32_t>(negative_ ? 0 - lo_ : lo_);
  }

  friend bool operator==(const ExactInt& a, const ExactInt& b) {
    return a.hi_ == b.hi_ && a.lo_ == b.lo_ && (a.negative_ == b.negative_ || a.isZero());
  }

 private:
  static constexpr std::uint64_t magnitude(std::int64_t v) {
    return v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
  }
  static ExactInt wideProduct(std::int64_t a, std::int64_t b);
  static ExactInt wideSum(const ExactInt& a, const ExactInt& b);

  constexpr ExactInt(bool negative, std::uint64_t hi, std::uint64_t lo)
      : negative_(negative && (hi != 0 || lo != 0)), hi_(hi), lo_(lo) {}

  bool negative_ = false;
  std::uint64_t hi_ = 0;  // magnitude, high 64 bits
  std::uint64_t lo_ = 0;  // magnitude, low 64 bits
};

}  // namespace matcalc
