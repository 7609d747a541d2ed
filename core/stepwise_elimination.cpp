#include "stepwise_elimination.h"

#include <utility>

#include "native_terms.h"

namespace matcalc {
namespace {

// One cell of the elimination step: N = p*b*n*dk - a*dp*nk*d and
// D = p*b*d*dk (1 when N = 0), reduced on N with its sign set aside. Of
// degree 4, so native below 2^15.
struct StepCell {
  template <class Int>
  BasicFraction<Int> operator()(const Int& p, const Int& b, const Int& a, const Int& dp, const Int& n, const Int& d,
                                const Int& nk, const Int& dk) const {
    const Int pb = p * b;
    BasicFraction<Int> cell{pb * (n * dk) - (a * dp) * (nk * d), 1};
    if (!isZero(cell.num)) cell.den = pb * (d * dk);
    reduce(cell, Bound::Numerator, BoundSign::SetAside);
    return cell;
  }
};

// Row `from` added to row `to` over columns 1 to width, unreduced.
Status addRow(FractionGrid& g, int from, int to, int width, Arithmetic arithmetic) {
  for (int c = 1; c <= width; ++c) {
    Fraction added = sum(g.num[from][c], g.den[from][c], g.num[to][c], g.den[to][c]);
    if (const Status s = storeIfFits(g, to, c, std::move(added), arithmetic); s != Status::Ok) return s;
  }
  return Status::Ok;
}

}  // namespace

Status eliminationStep(FractionGrid& g, int pivotRow, int pivotCol, int target, int width, Arithmetic arithmetic) {
  const Integer &p = g.num[pivotRow][pivotCol], &dp = g.den[pivotRow][pivotCol];
  // The target's cell in the pivot column changes with the row: kept first.
  const Integer a = g.num[target][pivotCol], b = g.den[target][pivotCol];
  for (int c = 1; c <= width; ++c) {
    Fraction cell = evaluate<4>(StepCell{}, p, b, a, dp, g.num[target][c], g.den[target][c], g.num[pivotRow][c],
                                g.den[pivotRow][c]);
    if (const Status s = storeIfFits(g, target, c, std::move(cell), arithmetic); s != Status::Ok) return s;
  }
  return Status::Ok;
}

void swapRows(FractionGrid& g, int a, int b, int width) {
  for (int c = 1; c <= width; ++c) {
    std::swap(g.num[a][c], g.num[b][c]);
    std::swap(g.den[a][c], g.den[b][c]);
  }
}

Status forwardEliminate(FractionGrid& g, int rows, int width, PivotRepair repair, int& swaps, Arithmetic arithmetic) {
  for (int k = 1; k < rows; ++k) {
    if (g.num[k][k].isZero()) {
      const int m = firstNonzeroRow(g.num, k, k + 1, rows);
      if (m == 0) continue;
      if (repair == PivotRepair::RowSwap) {
        swapRows(g, k, m, width);
        ++swaps;
      } else if (const Status s = addRow(g, m, k, width, arithmetic); s != Status::Ok) {
        return s;
      }
      if (g.num[k][k].isZero()) continue;
    }
    for (int i = k + 1; i <= rows; ++i) {
      if (const Status s = eliminationStep(g, k, k, i, width, arithmetic); s != Status::Ok) return s;
    }
  }
  return Status::Ok;
}

Status diagonalProduct(const FractionGrid& g, int n, Fraction& product, Arithmetic arithmetic) {
  product = Fraction{1, 1};
  for (int r = 1; r <= n; ++r) {
    Fraction next{product.num * g.num[r][r], product.den * g.den[r][r]};
    reduce(next, Bound::Denominator, BoundSign::SetAside);
    if (const Status s = rangeStatus(next, arithmetic); s != Status::Ok) return s;
    product = std::move(next);
  }
  return Status::Ok;
}

Status stepByStepDeterminant(FractionGrid& g, int n, DeterminantSign sign, Arithmetic arithmetic, Fraction& det) {
  int swaps = 0;
  if (const Status s = forwardEliminate(g, n, n, PivotRepair::RowSwap, swaps, arithmetic); s != Status::Ok) return s;
  if (const Status s = diagonalProduct(g, n, det, arithmetic); s != Status::Ok) return s;
  if (sign == DeterminantSign::Normalised) {
    normaliseSign(det);
    if (const Status s = rangeStatus(det, arithmetic); s != Status::Ok) return s;
  }
  if (swaps % 2 != 0) det.num = -det.num;
  return rangeStatus(det, arithmetic);
}

}  // namespace matcalc
