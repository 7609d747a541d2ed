#include "elimination.h"

#include <utility>

namespace matcalc {
namespace {

// N and D of one cell of the elimination step, exact. pb = p*b and adp = a*dp
// are the same for the whole row: N = pb*n*dk - adp*nk*d, D = pb*d*dk.
Fraction stepCell(const Integer& pb, const Integer& adp, const Integer& n, const Integer& d, const Integer& nk,
                  const Integer& dk) {
  Fraction cell{pb * (n * dk) - adp * (nk * d), 1};
  if (!cell.num.isZero()) cell.den = pb * (d * dk);
  return cell;
}

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
  for (int c = 1; c <= width; ++c) {
    Fraction cell = stepCell(pb, adp, g.num[target][c], g.den[target][c], g.num[pivotRow][c], g.den[pivotRow][c]);
    reduce(cell, Bound::Numerator, BoundSign::SetAside);
    if (const Status s = g.store(target, c, std::move(cell)); s != Status::Ok) return s;
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
