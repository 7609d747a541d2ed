#include "integer_elimination.h"

#include <utility>

#include "exact_quotient.h"
#include "native_terms.h"

namespace matcalc {
namespace {

// Natively, the division of a step's entries by the pivot before, q (not
// 0), which divides each exactly: a shift and a multiplication by the inverse
// of q's odd part, where a division would be the slowest instruction of the
// entry.
class NativeExactDivisor {
 public:
  explicit NativeExactDivisor(std::int64_t q)
      : shift_(__builtin_ctzll(static_cast<std::uint64_t>(q))),
        inverse_(inverseOfOdd(static_cast<std::uint64_t>(q >> shift_))) {}
  std::int64_t quotient(std::int64_t x) const {
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(x >> shift_) * inverse_);
  }

 private:
  int shift_;
  std::uint64_t inverse_;
};

// One entry of a step, (p * a - ac * ar) / q, natively: of degree 2, so for
// terms below 2^31.
std::int64_t nativeStepEntry(std::int64_t p, std::int64_t a, std::int64_t ac, std::int64_t ar,
                             const NativeExactDivisor& q) {
  return q.quotient(p * a - ac * ar);
}

// x / divisor in lowest terms with its sign on x. Of degree 1.
struct LowestTerms {
  template <class Int>
  BasicFraction<Int> operator()(const Int& x, const Int& divisor) const {
    BasicFraction<Int> f{x, divisor};
    reduce(f, Bound::Denominator, BoundSign::SetAside);
    normaliseSign(f);
    return f;
  }
};

// One line of g scaled to integers, the cells [r][c] = place(1) ... place(count)
// of g into the same places of m: each times the line's scale, the least
// common multiple of its denominators, which is returned.
template <class Place>
Integer scaleLine(const FractionGrid& g, int count, Place place, IntegerMatrix& m) {
  Integer scale = 1;
  for (int k = 1; k <= count; ++k) {
    const auto [r, c] = place(k);
    const Integer& den = g.den[r][c];
    if (!den.isOne()) scale = exactQuotient(scale, gcd(scale, den)) * den;
  }
  for (int k = 1; k <= count; ++k) {
    const auto [r, c] = place(k);
    const Integer &num = g.num[r][c], &den = g.den[r][c];
    m.at[r][c] = scale.isOne() ? num : num * (den.isOne() ? scale : exactQuotient(scale, den));
  }
  return scale;
}

// Row `from` added to row `to` as rows of fractions. Each is its row of
// fractions times its scale and the same pivot, so the sum takes the least
// common multiple of the two scales.
void addRowAsFractions(IntegerMatrix& m, int from, int to) {
  Integer& scale = m.scales[to];
  const Integer common = gcd(scale, m.scales[from]);
  const Integer toFactor = exactQuotient(m.scales[from], common), fromFactor = exactQuotient(scale, common);
  for (int c = 1; c <= m.columns; ++c) m.at[to][c] = m.at[to][c] * toFactor + m.at[from][c] * fromFactor;
  scale = scale * toFactor;
}

}  // namespace

void scaleRows(const FractionGrid& g, int rows, int columns, IntegerMatrix& m) {
  m.rows = rows;
  m.columns = columns;
  for (int r = 1; r <= rows; ++r) m.scales[r] = scaleLine(g, columns, [r](int c) { return std::pair{r, c}; }, m);
}

void scaleColumns(const FractionGrid& g, int rows, int columns, IntegerMatrix& m) {
  m.rows = rows;
  m.columns = columns;
  for (int c = 1; c <= columns; ++c) m.scales[c] = scaleLine(g, rows, [c](int r) { return std::pair{r, c}; }, m);
}

Fraction lowestTerms(const Integer& x, const Integer& divisor) {
  if (x.isZero()) return {0, 1};
  return evaluate<1>(LowestTerms{}, x, divisor);
}

void clearEntries(IntegerMatrix& m, int i, int r, int c, int from, const Integer& q) {
  const Integer& p = m.at[r][c];
  const Integer ac = std::move(m.at[i][c]);
  // The terms of the row checked once; each entry's own two then.
  const bool nativeRow = nativeTerms<2>(p, ac, q);
  const NativeExactDivisor nativeQ(nativeRow ? q.small() : 1);
  for (int j = from; j <= m.columns; ++j) {
    if (j == c) continue;
    Integer& a = m.at[i][j];
    const Integer& ar = m.at[r][j];
    if (nativeRow && nativeTerms<2>(a, ar)) {
      a = nativeStepEntry(p.small(), a.small(), ac.small(), ar.small(), nativeQ);
    } else if (!a.isZero() || !ar.isZero()) {  // 0 stays 0
      m.sum.clear();
      m.sum.add(p, a);
      m.sum.subtract(ac, ar);
      m.sum.storeQuotient(q, a);
    }
  }
  m.at[i][c] = 0;
}

Echelon eliminate(IntegerMatrix& m, int pivotColumns, Clearing clearing, PivotRepair repair, RowAdditionWatch* watch) {
  Echelon e;
  const bool allRows = clearing == Clearing::AllRows;
  for (int c = 1; c <= pivotColumns; ++c) {
    const int r = repair == PivotRepair::RowSwap ? e.pivots + 1 : c;
    if (r > m.rows) break;
    const int p = firstNonzeroRow(m.at, c, r, m.rows);
    if (p == 0) continue;
    if (p != r && repair == PivotRepair::RowSwap) {
      std::swap(m.at[p], m.at[r]);
      ++e.swaps;
    } else if (p != r) {
      if (watch != nullptr) watch->beforeAdding(m, p, r, e);
      addRowAsFractions(m, p, r);
    }
    // Rows below have 0 left of column c already; rows above have entries
    // there that the step scales.
    for (int i = allRows ? 1 : r + 1; i <= m.rows; ++i) {
      if (i != r) clearEntries(m, i, r, c, allRows ? 1 : c + 1, e.lastPivot);
    }
    e.lastPivot = m.at[r][c];
    e.pivotColumn[r] = c;
    ++e.pivots;
  }
  return e;
}

void backSubstitute(IntegerMatrix& m, int n) {
  const Integer& d = m.at[n][n];
  ProductSum& sum = m.sum;
  for (int i = n; i >= 1; --i) {
    for (int c = n + 1; c <= m.columns; ++c) {
      sum.clear();
      sum.add(d, m.at[i][c]);
      for (int j = i + 1; j <= n; ++j) sum.subtract(m.at[i][j], m.at[j][c]);
      sum.storeQuotient(m.at[i][i], m.at[i][c]);
    }
  }
}

Fraction determinantOf(const FractionGrid& g, int n, IntegerMatrix& work) {
  scaleRows(g, n, n, work);
  const Echelon e = eliminate(work, n, Clearing::Below);
  if (e.pivots < n) return {0, 1};
  // The rows were multiplied by their scales: the determinant by all of them.
  Integer scales = 1;
  for (int r = 1; r <= n; ++r) scales = scales * work.scales[r];
  return lowestTerms(e.swaps % 2 == 0 ? e.lastPivot : -e.lastPivot, scales);
}

}  // namespace matcalc
