#pragma once
// The one seeded random-input generator of every randomized test, and the
// multiplier of their loops.
//
// A randomized test runs iterations(n) draws: n times the environment
// variable MATCALC_TEST_MULTIPLIER (1 when it is unset). scripts/test runs
// at 1, which keeps the sanitizer stage well under a minute on two cores; a
// larger multiplier checks more deeply, for example
//     MATCALC_TEST_MULTIPLIER=10 ctest --preset asan -j2
// Each test draws from a fixed seed, so a deeper run meets the same inputs
// first and then more.
#include <cstdint>
#include <cstdlib>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "exact_reference.h"

namespace matcalc::testing {

inline int testMultiplier() {
  static const int multiplier = [] {
    const char* text = std::getenv("MATCALC_TEST_MULTIPLIER");
    const long value = text == nullptr ? 1 : std::strtol(text, nullptr, 10);
    return value < 1 ? 1 : static_cast<int>(value);
  }();
  return multiplier;
}

inline int iterations(int base) { return base * testMultiplier(); }

// An element as stored from its text: a numerator and a positive
// denominator, not always in lowest terms (2/4 and -6/9 are typed so). A
// decimal is typed with `places` decimal digits in its numerator N and
// `denominatorPlaces` in its denominator D, and stored as N * 10^b / (D *
// 10^a): 0.05 as 5/100, 1.5/0.25 as 1500/250.
struct Element {
  mpz_class num = 0;
  mpz_class den = 1;
  int places = 0;
  int denominatorPlaces = 0;
  Rational value() const {
    Rational q(num, den);
    q.canonicalize();
    return q;
  }
  bool fitsInt32() const { return testing::fitsInt32(num) && testing::fitsInt32(den); }
};
using TypedMatrix = std::vector<std::vector<Element>>;

inline RationalMatrix valueOf(const TypedMatrix& typed) {
  RationalMatrix m(typed.size());
  for (std::size_t r = 0; r < typed.size(); ++r) {
    for (const Element& e : typed[r]) m[r].push_back(e.value());
  }
  return m;
}

// How a text is typed or pasted: what separates elements and ends lines, the
// empty lines around and between the rows, and the characters of an input
// method (UTF-8).
struct Typing {
  std::string blank = " ";
  std::string lineBreak = "\n";
  const char* emptyLine = nullptr;  // a line between the rows, before the first and after the last
  bool fullWidth = false;           // digits, '/', '-' and '.' as an input method writes them
};

// The digits of |v| with a decimal point `places` digits from the right (a
// leading zero when none is left of it); the sign is the caller's.
inline std::string decimalDigits(const mpz_class& v, int places) {
  std::string digits = mpz_class(abs(v)).get_str();
  if (places == 0) return digits;
  if (digits.size() <= static_cast<std::size_t>(places)) digits.insert(0, places + 1 - digits.size(), '0');
  digits.insert(digits.size() - places, ".");
  return digits;
}

inline mpz_class powerOfTen(int places) {
  mpz_class p;
  mpz_ui_pow_ui(p.get_mpz_t(), 10, static_cast<unsigned long>(places));
  return p;
}

inline std::string elementText(const Element& e) {
  const mpz_class n = e.num / powerOfTen(e.denominatorPlaces), d = e.den / powerOfTen(e.places);
  std::string text = (n < 0 ? "-" : "") + decimalDigits(n, e.places);
  if (d != 1 || e.denominatorPlaces > 0) text += '/' + decimalDigits(d, e.denominatorPlaces);
  return text;
}

// The characters of an input method for the ASCII ones of a text.
inline std::string inFullWidth(const std::string& text) {
  std::string out;
  for (const char ch : text) {
    if (ch >= '0' && ch <= '9') out += {'\xEF', '\xBC', static_cast<char>(0x90 + (ch - '0'))};  // U+FF10 + digit
    else if (ch == '/') out += "\uFF0F";
    else if (ch == '-') out += "\uFF0D";
    else if (ch == '.') out += "\uFF0E";
    else out += ch;
  }
  return out;
}

// The text a user types for a matrix: rows on lines, elements as n, n/d or
// decimals.
inline std::string matrixText(const TypedMatrix& typed, const Typing& typing = {}) {
  const std::string emptyLine = typing.emptyLine == nullptr ? "" : typing.emptyLine + typing.lineBreak;
  std::string text = emptyLine;
  for (std::size_t r = 0; r < typed.size(); ++r) {
    if (r > 0) text += typing.lineBreak + emptyLine;
    for (std::size_t c = 0; c < typed[r].size(); ++c) {
      if (c > 0) text += typing.blank;
      text += typing.fullWidth ? inFullWidth(elementText(typed[r][c])) : elementText(typed[r][c]);
    }
  }
  return typing.emptyLine == nullptr ? text : text + typing.lineBreak + typing.emptyLine;
}

inline bool fitsInt32(const TypedMatrix& typed) {
  for (const auto& row : typed) {
    for (const Element& e : row) {
      if (!e.fitsInt32()) return false;
    }
  }
  return true;
}

// How large the elements of a matrix may be.
enum class Terms {
  // Zero, integers -3..3 and fractions up to 3/4, some unreduced (2/4):
  // elimination of a large matrix of them often stays within 32 bits.
  Small,
  // Also integers -10..10 and fractions up to 9/9, random 32-bit integers,
  // the 32-bit boundary values and fractions up to 1000/1000.
  Int32,
  // Also elements beyond 32 bits, up to 15 digits and at the 64-bit
  // boundary: only a text without a zero denominator reads them.
  Beyond32Bits,
};

class RandomInput {
 public:
  explicit RandomInput(std::uint64_t seed) : rng_(seed) {}

  // Uniform in lo..hi, both included.
  std::int64_t between(std::int64_t lo, std::int64_t hi) {
    return lo + static_cast<std::int64_t>(rng_() % static_cast<std::uint64_t>(hi - lo + 1));
  }
  int below(int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }
  bool oneIn(int n) { return below(n) == 0; }
  template <class T>
  const T& pick(std::span<const T> choices) {
    return choices[rng_() % choices.size()];
  }

  // A matrix side 1..max, small sides more often: three draws in four are at
  // most 6.
  int side(int max = 20) { return static_cast<int>(between(1, oneIn(4) ? max : std::min(max, 6))); }

  // An integer term in the signed range of `width` bits (16 to 64): small
  // values, 16-bit and 32-bit ones, the edges of 16, 32 and 64 bits, products
  // of two 32-bit values and values of any magnitude.
  std::int64_t term(int width) {
    static constexpr std::int64_t kEdges[] = {
        0, 1, -1, 2, 32767, -32767, 32768, -32768, 65536, 46341, 3037000499, -3037000500, INT32_MAX, INT32_MIN,
        std::int64_t{1} << 31, -(std::int64_t{1} << 31) - 1, std::int64_t{1} << 62, -(std::int64_t{1} << 62),
        INT64_MAX, INT64_MIN, INT64_MIN + 1};
    const std::int64_t max = width == 64 ? INT64_MAX : (std::int64_t{1} << (width - 1)) - 1, min = -max - 1;
    for (;;) {
      std::int64_t v = 0;
      switch (rng_() % 6) {
        case 0: v = between(-10, 10); break;
        case 1: v = between(-32768, 32768); break;
        case 2: v = static_cast<std::int32_t>(rng_()); break;
        case 3: v = pick(std::span<const std::int64_t>(kEdges)); break;
        case 4: {
          const std::int64_t a = static_cast<std::int32_t>(rng_());
          v = a * static_cast<std::int32_t>(rng_() >> 1);
        } break;
        default: {
          const std::int64_t magnitude = static_cast<std::int64_t>(rng_() >> 1) >> below(63);
          v = oneIn(2) ? magnitude : -magnitude;
        }
      }
      if (v >= min && v <= max) return v;
    }
  }

  // An element of a kind `terms` allows, every kind as likely but decimals,
  // one in four.
  Element element(Terms terms) {
    if (oneIn(4)) return decimal(terms);
    switch (rng_() % (terms == Terms::Small ? 4 : terms == Terms::Int32 ? 8 : 10)) {
      case 0: return {};
      case 1: return {integer(between(-3, 3))};
      case 2: return {integer(between(-3, 3)), integer(between(1, 4))};
      case 3: {
        const std::int64_t k = between(2, 3);
        return {integer(between(-3, 3) * k), integer(between(1, 4) * k)};
      }
      case 4: return {integer(between(-10, 10)), integer(between(1, 9))};
      case 5: return {integer(static_cast<std::int32_t>(rng_()))};
      case 6: return pick(std::span<const Element>(int32Boundaries()));
      case 7: return {integer(between(-1000, 1000)), integer(between(1, 1000))};
      case 8: return pick(std::span<const Element>(beyond32BitBoundaries()));
      default: return {longInteger(), oneIn(2) ? mpz_class(1) : mpz_class(abs(longInteger()))};
    }
  }

  // A decimal: small ones such as 0.5, -0.25, 1.5/2 and 3/0.5 for small
  // terms; for the others also ones whose stored terms leave 32 bits by
  // their decimal places (up to 12), and for terms beyond 32 bits numerators of up to
  // 18 digits.
  Element decimal(Terms terms) {
    const bool small = terms == Terms::Small || oneIn(2);
    const std::int64_t largest = small ? 30 : terms == Terms::Int32 ? 999999999 : 999999999999999999;
    Element e;
    e.places = static_cast<int>(between(0, terms == Terms::Small ? 1 : small ? 2 : 12));
    e.denominatorPlaces = oneIn(3) ? static_cast<int>(between(0, small ? 1 : 3)) : 0;
    const mpz_class n = integer(between(-largest, largest));
    const mpz_class d = e.denominatorPlaces > 0 || oneIn(3) ? integer(between(1, small ? 8 : 99999)) : mpz_class(1);
    e.num = n * powerOfTen(e.denominatorPlaces);
    e.den = d * powerOfTen(e.places);
    return e;
  }

  // A way of typing a text: often plainly, else with the separators and
  // line breaks of a paste or an input method.
  Typing typing() {
    static const char* const kBlanks[] = {" ", "\t", ", ", "\u3000", "\u00A0", "\uFF0C", " \t ", "\u2009"};
    static const char* const kLineBreaks[] = {"\n", "\r\n", "\r"};
    static const char* const kEmptyLines[] = {"", " ", "\t\t", "\u77E9\u9635"};  // the last: Chinese text
    if (oneIn(2)) return {};
    return {pick(std::span<const char* const>(kBlanks)), pick(std::span<const char* const>(kLineBreaks)),
            oneIn(2) ? nullptr : pick(std::span<const char* const>(kEmptyLines)), oneIn(4)};
  }

  // A rows x columns matrix of elements.
  TypedMatrix elements(int rows, int columns, Terms terms) {
    TypedMatrix m(rows, std::vector<Element>(columns));
    for (auto& row : m) {
      for (Element& e : row) e = element(terms);
    }
    return m;
  }

  // A rows x columns matrix of elements with, about half the time, one
  // structure that elimination must handle: a repeated, scaled or combined
  // row, a zero row or column, leading zero columns, zero pivots, the last
  // one or two rows combined from others (rank n - 1, n - 2), many rows
  // combined from earlier ones (low rank), or zeros outside a band.
  TypedMatrix matrix(int rows, int columns, Terms terms) {
    TypedMatrix m = elements(rows, columns, terms);
    switch (below(16)) {
      case 0: {
        const int from = below(rows);
        m[below(rows)] = m[from];
      } break;
      case 1: {
        const int i = below(rows);
        m[below(rows)] = combination(m, i, i);
      } break;
      case 2: {
        const int i = below(rows), j = below(rows);
        m[below(rows)] = combination(m, i, j);
      } break;
      case 3: m[below(rows)].assign(columns, Element{}); break;
      case 4: {
        const int c = below(columns);
        for (auto& row : m) row[c] = {};
      } break;
      case 5: {
        const int zeros = std::min(columns, 1 + below(2));
        for (auto& row : m) std::fill_n(row.begin(), zeros, Element{});
      } break;
      case 6:
        m[0][0] = {};
        m[std::min(rows, columns) - 1][std::min(rows, columns) - 1] = {};
        break;
      case 7:
        if (rows >= 2) {
          const int combined = rows >= 3 && oneIn(2) ? 2 : 1, kept = rows - combined;
          for (int r = kept; r < rows; ++r) {
            const int i = below(kept), j = below(kept);
            m[r] = combination(m, i, j);
          }
        }
        break;
      case 8:
        for (int r = 2; r < rows; ++r) {
          const int i = below(r), j = below(r);
          if (oneIn(2)) m[r] = combination(m, i, j);
        }
        break;
      case 9: keepBand(m, below(3)); break;
      default: break;  // none
    }
    return m;
  }

  // Zeros beyond `halfWidth` places from the diagonal: the terms of a band
  // matrix's elimination stay short.
  static void keepBand(TypedMatrix& m, int halfWidth) {
    for (std::size_t r = 0; r < m.size(); ++r) {
      for (std::size_t c = 0; c < m[r].size(); ++c) {
        if (r > c + halfWidth || c > r + halfWidth) m[r][c] = {};
      }
    }
  }

  // A nonnegative integer of at most `count` bits: uniformly random bits or,
  // one draw in two, runs of ones and zeros of random lengths, whose carries
  // and borrows cross whole limbs.
  mpz_class bits(int count) {
    mpz_class v = 0;
    if (oneIn(2)) {
      for (int k = 0; k < count; k += 64) v = (v << 64) + static_cast<unsigned long>(rng_());
      return v >> static_cast<mp_bitcnt_t>((64 - count % 64) % 64);
    }
    bool ones = oneIn(2);
    for (int at = 0; at < count; ones = !ones) {
      const int run = 1 + below(std::min(count - at, oneIn(2) ? 8 : 200));
      if (ones) v += ((mpz_class(1) << static_cast<mp_bitcnt_t>(run)) - 1) << static_cast<mp_bitcnt_t>(at);
      at += run;
    }
    return v;
  }

  // A text of `length` characters drawn from `alphabet`.
  std::string text(std::string_view alphabet, std::size_t length) {
    std::string out;
    for (std::size_t k = 0; k < length; ++k) out += alphabet[rng_() % alphabet.size()];
    return out;
  }

 private:
  static mpz_class integer(std::int64_t v) { return mpz_class(static_cast<long>(v)); }

  static const std::vector<Element>& int32Boundaries() {
    static const std::vector<Element> kBoundaries = {
        {2147483647}, {-2147483648L}, {1, 2147483647}, {-2147483647, 2147483646}, {65536}, {1, 65536}, {46341, 46340}};
    return kBoundaries;
  }
  static const std::vector<Element>& beyond32BitBoundaries() {
    static const std::vector<Element> kBoundaries = {
        {mpz_class("2147483648")}, {mpz_class("-2147483649")}, {1, mpz_class("4294967296")},
        {mpz_class("9223372036854775807")}, {mpz_class("-9223372036854775808")}, {mpz_class("18446744073709551616"), 3}};
    return kBoundaries;
  }
  // 10 to 15 digits, beyond 32 bits, either sign.
  mpz_class longInteger() {
    const int digits = static_cast<int>(between(10, 15));
    std::int64_t lo = 1;
    for (int d = 1; d < digits; ++d) lo *= 10;
    const std::int64_t v = between(digits == 10 ? std::int64_t{1} << 31 : lo, lo * 10 - 1);
    return integer(oneIn(2) ? v : -v);
  }
  // a x row i + b x row j, a and b from -2, -1, 0, 1, 2, 3, 1/2, -2/3, each
  // element typed in lowest terms.
  std::vector<Element> combination(const TypedMatrix& m, int i, int j) {
    static const Rational kCoefficients[] = {-2, -1, 0, 1, 2, 3, Rational(1, 2), Rational(-2, 3)};
    const Rational a = pick(std::span<const Rational>(kCoefficients)), b = pick(std::span<const Rational>(kCoefficients));
    std::vector<Element> row;
    for (std::size_t c = 0; c < m[i].size(); ++c) {
      const Rational q = a * m[i][c].value() + b * m[j][c].value();
      row.push_back({q.get_num(), q.get_den()});
    }
    return row;
  }

  std::mt19937_64 rng_;
};

}  // namespace matcalc::testing
