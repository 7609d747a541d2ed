#include "matrix_product.h"

#include <utility>

#include "native_terms.h"

namespace matcalc {
namespace {

// One accumulation: the running sum n/d after the term (nl*nr)/(dl*dr),
// reduced. Of degree 3, so native below 2^20.
struct Accumulation {
  template <class Int>
  BasicFraction<Int> operator()(const Int& nl, const Int& nr, const Int& dl, const Int& dr, const Int& n,
                                const Int& d) const {
    BasicFraction<Int> next = sum(nl * nr, dl * dr, n, d);
    if (isZero(next.num)) next.den = 1;
    reduce(next, Bound::Denominator, BoundSign::Kept);
    return next;
  }
};

}  // namespace

Status productByRunningSums(const FractionGrid& left, const FractionGrid& right, MatrixShape shape, Arithmetic arithmetic,
                            FractionGrid& cells) {
  for (int i = 1; i <= shape.rows; ++i) {
    for (int j = 1; j <= shape.columns; ++j) {
      Fraction running{0, 1};
      for (int k = 1; k <= shape.inner; ++k) {
        running = evaluate<3>(Accumulation{}, left.num[i][k], right.num[k][j], left.den[i][k], right.den[k][j],
                              running.num, running.den);
        if (const Status s = rangeStatus(running, arithmetic); s != Status::Ok) return s;
      }
      cells.store(i, j, std::move(running));
    }
  }
  return Status::Ok;
}

// The running sums above keep every sum in lowest terms with a positive
// denominator, since a typed denominator has no sign (the reader takes no
// minus in it) and a zero one makes the command one as typed. So their cells
// are the exact products in lowest terms, which one reduction gives here.
void productOfIntegers(const FractionGrid& left, const FractionGrid& right, MatrixShape shape, IntegerMatrix& l,
                       IntegerMatrix& r, FractionGrid& cells) {
  scaleRows(left, shape.rows, shape.inner, l);
  scaleColumns(right, shape.inner, shape.columns, r);
  ProductSum& sum = l.sum;
  Integer total;
  for (int i = 1; i <= shape.rows; ++i) {
    for (int j = 1; j <= shape.columns; ++j) {
      sum.clear();
      for (int k = 1; k <= shape.inner; ++k) sum.add(l.at[i][k], r.at[k][j]);
      sum.store(total);
      cells.store(i, j, lowestTerms(total, l.scales[i] * r.scales[j]));
    }
  }
}

}  // namespace matcalc
