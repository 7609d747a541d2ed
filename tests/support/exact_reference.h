#pragma once
// An independent exact computation for the tests: matrices of GMP rationals,
// with textbook algorithms that share nothing with the programs' code.
#include <gmpxx.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace matcalc::testing {

using Rational = mpq_class;
using RationalMatrix = std::vector<std::vector<Rational>>;

inline bool fitsInt32(const mpz_class& z) { return z >= INT32_MIN && z <= INT32_MAX; }

// Determinant by Gaussian elimination with row exchanges.
inline Rational determinant(RationalMatrix m) {
  const std::size_t n = m.size();
  Rational det = 1;
  for (std::size_t k = 0; k < n; ++k) {
    std::size_t p = k;
    while (p < n && m[p][k] == 0) ++p;
    if (p == n) return 0;
    if (p != k) {
      std::swap(m[p], m[k]);
      det = -det;
    }
    det *= m[k][k];
    for (std::size_t i = k + 1; i < n; ++i) {
      const Rational f = m[i][k] / m[k][k];
      for (std::size_t c = k; c < n; ++c) m[i][c] -= f * m[k][c];
    }
  }
  return det;
}

// Rank: the number of pivots of a row echelon form.
inline int rank(RationalMatrix m) {
  const std::size_t rows = m.size(), cols = rows == 0 ? 0 : m[0].size();
  std::size_t r = 0;
  for (std::size_t c = 0; c < cols && r < rows; ++c) {
    std::size_t p = r;
    while (p < rows && m[p][c] == 0) ++p;
    if (p == rows) continue;
    std::swap(m[p], m[r]);
    for (std::size_t i = r + 1; i < rows; ++i) {
      const Rational f = m[i][c] / m[r][c];
      for (std::size_t k = c; k < cols; ++k) m[i][k] -= f * m[r][k];
    }
    ++r;
  }
  return static_cast<int>(r);
}

inline RationalMatrix multiply(const RationalMatrix& a, const RationalMatrix& b) {
  RationalMatrix out(a.size(), std::vector<Rational>(b.empty() ? 0 : b[0].size()));
  for (std::size_t i = 0; i < a.size(); ++i) {
    for (std::size_t j = 0; j < out[i].size(); ++j) {
      for (std::size_t k = 0; k < b.size(); ++k) out[i][j] += a[i][k] * b[k][j];
    }
  }
  return out;
}

// The same text with a zero denominator stored outside the matrix it stands
// for: " / " at the end of the first line with a digit (ASCII or full-width)
// stores 0/0 in the
// column after the last, which neither the column count nor a square matrix
// looks at. Such a text is computed as typed, with 32-bit terms and the range
// error.
inline std::string withZeroDenominator(const std::string& text) {
  bool digit = false;
  std::size_t end = 0;
  for (; end < text.size(); ++end) {
    const auto ch = static_cast<unsigned char>(text[end]);
    if ((ch == '\r' || ch == '\n') && digit) break;
    const bool fullWidthDigit = text.compare(end, 2, "\xEF\xBC") == 0 && end + 2 < text.size() &&
                                static_cast<unsigned char>(text[end + 2]) >= 0x90 &&
                                static_cast<unsigned char>(text[end + 2]) <= 0x99;
    digit = digit || (ch >= '0' && ch <= '9') || fullWidthDigit;
  }
  return std::string(text).insert(end, " / ");
}

// The cell text the programs write for a value in lowest terms with a
// positive denominator: "0 ", "n " or "n/d ".
inline std::string cellText(const Rational& q) {
  if (q == 0) return "0 ";
  if (q.get_den() == 1) return q.get_num().get_str() + " ";
  return q.get_num().get_str() + "/" + q.get_den().get_str() + " ";
}

// The adjugate, singular or not, by the Faddeev-LeVerrier recurrence:
// M_1 = I, M_k = A M_(k-1) - tr(A M_(k-1)) / (k - 1) I, adj(A) = (-1)^(n+1) M_n.
inline RationalMatrix adjugate(const RationalMatrix& a) {
  const std::size_t n = a.size();
  RationalMatrix m(n, std::vector<Rational>(n));
  for (std::size_t i = 0; i < n; ++i) m[i][i] = 1;
  for (std::size_t k = 2; k <= n; ++k) {
    m = multiply(a, m);
    Rational trace = 0;
    for (std::size_t i = 0; i < n; ++i) trace += m[i][i];
    trace /= static_cast<unsigned long>(k - 1);
    for (std::size_t i = 0; i < n; ++i) m[i][i] -= trace;
  }
  if (n % 2 == 0) {
    for (auto& row : m) {
      for (Rational& q : row) q = -q;
    }
  }
  return m;
}

// Forward elimination as Quendrel shows it: pivot [k][k]; a zero pivot gets
// the first row below with a nonzero cell in its column added once; rows are
// never exchanged. A pivot column beyond the last column changes nothing.
// Counts the repairs.
inline RationalMatrix shownElimination(RationalMatrix a, int& repairs) {
  const std::size_t n = a.size(), m = n == 0 ? 0 : a[0].size();
  for (std::size_t k = 0; k + 1 < n && k < m; ++k) {
    if (a[k][k] == 0) {
      for (std::size_t p = k + 1; p < n; ++p) {
        if (a[p][k] == 0) continue;
        for (std::size_t c = 0; c < m; ++c) a[k][c] += a[p][c];
        ++repairs;
        break;
      }
    }
    if (a[k][k] == 0) continue;
    for (std::size_t i = k + 1; i < n; ++i) {
      const Rational f = a[i][k] / a[k][k];
      for (std::size_t c = 0; c < m; ++c) a[i][c] -= f * a[k][c];
    }
  }
  return a;
}

// The result text of a matrix in lowest terms: each row's cell texts, then a
// line feed.
inline std::string matrixResultText(const RationalMatrix& m) {
  std::string text;
  for (const auto& row : m) {
    for (const Rational& q : row) text += cellText(q);
    text += '\n';
  }
  return text;
}

}  // namespace matcalc::testing
