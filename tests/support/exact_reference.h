#pragma once
// An independent exact computation for the tests: matrices of GMP rationals,
// with textbook algorithms that share nothing with the programs' code.
#include <gmpxx.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace matcalc::testing {

using Rational = mpq_class;
using RationalMatrix = std::vector<std::vector<Rational>>;

inline Rational fraction(std::int64_t num, std::int64_t den) {
  Rational q(mpz_class(std::to_string(num)), mpz_class(std::to_string(den)));
  q.canonicalize();
  return q;
}

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

// The text a user types for a matrix: rows on lines, elements as n or n/d.
inline std::string matrixText(const std::vector<std::vector<std::pair<std::int64_t, std::int64_t>>>& rows) {
  std::string text;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (r > 0) text += '\n';
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      if (c > 0) text += ' ';
      text += std::to_string(rows[r][c].first);
      if (rows[r][c].second != 1) text += '/' + std::to_string(rows[r][c].second);
    }
  }
  return text;
}

// The same text with a zero denominator stored outside the matrix it stands
// for: " / " at the end of the first line stores 0/0 in the column after the
// last, which neither the column count nor a square matrix looks at. Such a
// text is computed as typed, with 32-bit terms and the range error.
inline std::string withZeroDenominator(const std::string& text) {
  std::string out = text;
  out.insert(std::min(out.find('\n'), out.size()), " / ");
  return out;
}

// A random element: small integers, small fractions or 32-bit-sized terms.
inline std::pair<std::int64_t, std::int64_t> randomElement(std::mt19937& rng) {
  switch (rng() % 5) {
    case 0: return {static_cast<std::int64_t>(rng() % 21) - 10, 1};
    case 1: return {static_cast<std::int64_t>(rng() % 19) - 9, 1 + static_cast<std::int64_t>(rng() % 9)};
    case 2: return {0, 1};
    case 3: return {static_cast<std::int32_t>(rng()), 1};
    default: return {static_cast<std::int64_t>(rng() % 2001) - 1000, 1 + static_cast<std::int64_t>(rng() % 1000)};
  }
}

// The cell text the programs write for a value in lowest terms with a
// positive denominator: "0 ", "n " or "n/d ".
inline std::string cellText(const Rational& q) {
  if (q == 0) return "0 ";
  if (q.get_den() == 1) return q.get_num().get_str() + " ";
  return q.get_num().get_str() + "/" + q.get_den().get_str() + " ";
}

// The adjugate by its definition: entry (r, c) is (-1)^(r+c) times the
// determinant of the matrix without row c and column r.
inline RationalMatrix adjugate(const RationalMatrix& m) {
  const std::size_t n = m.size();
  RationalMatrix adj(n, std::vector<Rational>(n));
  for (std::size_t r = 0; r < n; ++r) {
    for (std::size_t c = 0; c < n; ++c) {
      RationalMatrix minor;
      for (std::size_t i = 0; i < n; ++i) {
        if (i == c) continue;
        minor.emplace_back();
        for (std::size_t j = 0; j < n; ++j) {
          if (j != r) minor.back().push_back(m[i][j]);
        }
      }
      adj[r][c] = determinant(minor);
      if ((r + c) % 2 != 0) adj[r][c] = -adj[r][c];
    }
  }
  return adj;
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
