#include "elimination.h"

#include <utility>

namespace matcalc {
namespace {

// One cell of the elimination step: pb = p*b and adp = a*dp are the same for
// the whole row, N = pb*n*dk - adp*nk*d and D = pb*d*dk (1 when N = 0), then
// reduced on N with its sign set aside. Int is Integer, or std::int64_t where
// no product can overflow it.
template <class Int>
BasicFraction<Int> stepCell(const Int& pb, const Int& adp, const Int& n, const Int& d, const Int& nk, const Int& dk) {
  BasicFraction<Int> cell{pb * (n * dk) - adp * (nk * d), 1};
  if (!isZero(cell.num)) cell.den = pb * (d * dk);
  reduce(cell, Bound::Numerator, BoundSign::SetAside);
  return cell;
}

// Where pb and adp are below 2^30 and a cell's terms below 2^15 in
// magnitude, every product of the step is below 2^60: native arithmetic.
constexpr std::int64_t kNativeRowFactor = std::int64_t{1} << 30;
constexpr std::int64_t kNativeTerm = std::int64_t{1} << 15;

int firstNonzeroBelow(const FractionGrid& g, int row, int column, int rows) {
  for (int m = row + 1; m <= rows; ++m) {
    if (!g.num[m][column].isZero()) return m;
  }
  return 0;
}

}  // namespace

Status eliminationStep(FractionGrid& g, int pivotRow, int pivotCol, int target, int width) {
  const Integer pb = g.num[pivotRow][pivotCol] * g.den[target][pivotCol];
  const Integer adp = g.num[target][pivotCol] * g.den[pivotRow][pivotCol];
  const bool nativeRow = pb.magnitudeBelow(kNativeRowFactor) && adp.magnitudeBelow(kNativeRowFactor);
  for (int c = 1; c <= width; ++c) {
    const Integer &n = g.num[target][c], &d = g.den[target][c], &nk = g.num[pivotRow][c], &dk = g.den[pivotRow][c];
    if (nativeRow && n.magnitudeBelow(kNativeTerm) && d.magnitudeBelow(kNativeTerm) && nk.magnitudeBelow(kNativeTerm) &&
        dk.magnitudeBelow(kNativeTerm)) {
      const BasicFraction<std::int64_t> cell =
          stepCell(pb.small(), adp.small(), n.small(), d.small(), nk.small(), dk.small());
      if (const Status s = fits(cell, g.width); s != Status::Ok) return s;
      g.num[target][c] = cell.num;
      g.den[target][c] = cell.den;
      continue;
    }
    if (const Status s = g.store(target, c, stepCell(pb, adp, n, d, nk, dk)); s != Status::Ok) return s;
  }
  return Status::Ok;
}

void swapRows(FractionGrid& g, int a, int b, int width) {
  for (int c = 1; c <= width; ++c) {
    std::swap(g.num[a][c], g.num[b][c]);
    std::swap(g.den[a][c], g.den[b][c]);
  }
}

Status addRow(FractionGrid& g, int from, int to, int width) {
  for (int c = 1; c <= width; ++c) {
    if (const Status s = g.store(to, c, sum(g.num[from][c], g.den[from][c], g.num[to][c], g.den[to][c]));
        s != Status::Ok) {
      return s;
    }
  }
  return Status::Ok;
}

Status forwardEliminate(FractionGrid& g, int rows, int width, PivotRepair repair, int& swaps) {
  for (int k = 1; k < rows; ++k) {
    if (g.num[k][k].isZero()) {
      const int m = firstNonzeroBelow(g, k, k, rows);
      if (m == 0) continue;
      if (repair == PivotRepair::RowSwap) {
        swapRows(g, k, m, width);
        ++swaps;
      } else if (const Status s = addRow(g, m, k, width); s != Status::Ok) {
        return s;
      }
      if (g.num[k][k].isZero()) continue;
    }
    for (int i = k + 1; i <= rows; ++i) {
      if (const Status s = eliminationStep(g, k, k, i, width); s != Status::Ok) return s;
    }
  }
  return Status::Ok;
}

Status diagonalProduct(const FractionGrid& g, int n, Fraction& product) {
  product = Fraction{1, 1};
  for (int r = 1; r <= n; ++r) {
    Fraction next{product.num * g.num[r][r], product.den * g.den[r][r]};
    reduce(next, Bound::Denominator, BoundSign::SetAside);
    if (const Status s = fits(next, g.width); s != Status::Ok) return s;
    product = std::move(next);
  }
  return Status::Ok;
}

}  // namespace matcalc
