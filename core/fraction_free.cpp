#include "fraction_free.h"

#include <utility>

namespace matcalc {
namespace {

// One entry of a step, (p * a - ac * ar) / q. Int is Integer, or
// std::int64_t where the terms are below 2^31, so that no product overflows.
template <class Int>
Int stepEntry(const Int& p, const Int& a, const Int& ac, const Int& ar, const Int& q) {
  return exactQuotient(p * a - ac * ar, q);
}

constexpr std::int64_t kNativeTerm = std::int64_t{1} << 31;

// Row i in the step with pivot [r][c] and previous pivot q, over columns
// `from` to the last; its entry in column c becomes 0.
void clearEntries(IntegerMatrix& m, int i, int r, int c, int from, const Integer& q) {
  const Integer& p = m.at[r][c];
  const Integer ac = m.at[i][c];
  const bool nativeRow = p.magnitudeBelow(kNativeTerm) && ac.magnitudeBelow(kNativeTerm) && q.magnitudeBelow(kNativeTerm);
  for (int j = from; j <= m.columns; ++j) {
    if (j == c) continue;
    Integer& a = m.at[i][j];
    const Integer& ar = m.at[r][j];
    if (nativeRow && a.magnitudeBelow(kNativeTerm) && ar.magnitudeBelow(kNativeTerm)) {
      a = stepEntry(p.small(), a.small(), ac.small(), ar.small(), q.small());
    } else {
      a = stepEntry(p, a, ac, ar, q);
    }
  }
  m.at[i][c] = 0;
}

}  // namespace

void scaleRows(const FractionGrid& g, int rows, int columns, IntegerMatrix& m, RowScales& scales) {
  m.rows = rows;
  m.columns = columns;
  for (int r = 1; r <= rows; ++r) {
    Integer scale = 1;
    for (int c = 1; c <= columns; ++c) {
      const Integer& d = g.den[r][c];
      if (!d.isOne()) scale = exactQuotient(scale, gcd(scale, d)) * d;
    }
    for (int c = 1; c <= columns; ++c) m.at[r][c] = g.num[r][c] * exactQuotient(scale, g.den[r][c]);
    scales[r] = std::move(scale);
  }
}

Echelon eliminate(IntegerMatrix& m, int pivotColumns, Clearing clearing) {
  Echelon e;
  for (int c = 1; c <= pivotColumns && e.rank < m.rows; ++c) {
    const int r = e.rank + 1;
    int p = r;
    while (p <= m.rows && m.at[p][c].isZero()) ++p;
    if (p > m.rows) continue;
    if (p != r) {
      std::swap(m.at[p], m.at[r]);
      ++e.swaps;
    }
    // Rows below have 0 left of column c already; rows above have entries
    // there that the step scales.
    const bool allRows = clearing == Clearing::AllRows;
    for (int i = allRows ? 1 : r + 1; i <= m.rows; ++i) {
      if (i != r) clearEntries(m, i, r, c, allRows ? 1 : c + 1, e.lastPivot);
    }
    e.lastPivot = m.at[r][c];
    e.pivotColumn[r] = c;
    e.rank = r;
  }
  return e;
}

Fraction determinantOf(const FractionGrid& g, int n, IntegerMatrix& work) {
  RowScales scales;
  scaleRows(g, n, n, work, scales);
  const Echelon e = eliminate(work, n, Clearing::Below);
  if (e.rank < n) return {0, 1};
  // The rows were multiplied by their scales: the determinant by all of them.
  Fraction det{e.swaps % 2 == 0 ? e.lastPivot : -e.lastPivot, 1};
  for (int r = 1; r <= n; ++r) det.den = det.den * scales[r];
  reduce(det, Bound::Denominator, BoundSign::SetAside);
  return det;
}

}  // namespace matcalc
