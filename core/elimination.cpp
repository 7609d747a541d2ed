#include "elimination.h"

#include <utility>

namespace matcalc {

namespace {

// One of the two products of four 32-bit terms in the elimination step:
// (w*x) and (y*z) are exact in 64 bits, their product below 2^124.
ExactInt product4(std::int32_t w, std::int32_t x, std::int32_t y, std::int32_t z) {
  return ExactInt::product(std::int64_t{w} * x, std::int64_t{y} * z);
}

// Terms below 2^15 in magnitude make every product of four below 2^60, so
// the step's formula is exact in 64-bit arithmetic; that is the common case.
bool small(std::int32_t v) { return v > -32768 && v < 32768; }

// N and D of one cell of the elimination step, exact.
ExactFraction stepCell(std::int32_t p, std::int32_t dp, std::int32_t a, std::int32_t b, std::int32_t n,
                       std::int32_t d, std::int32_t nk, std::int32_t dk) {
  if (small(p) && small(dp) && small(a) && small(b) && small(n) && small(d) && small(nk) && small(dk)) {
    const std::int64_t num = std::int64_t{p} * n * dk * b - std::int64_t{nk} * d * a * dp;
    return {num, num == 0 ? 1 : std::int64_t{p} * d * dk * b};
  }
  ExactFraction cell{product4(p, n, dk, b) - product4(nk, d, a, dp), 1};
  if (!cell.num.isZero()) cell.den = product4(p, d, dk, b);
  return cell;
}

int firstNonzeroBelow(const FractionGrid& g, int row, int column, int rows) {
  for (int m = row + 1; m <= rows; ++m) {
    if (g.num[m][column] != 0) return m;
  }
  return 0;
}

}  // namespace

Status eliminationStep(FractionGrid& g, int pivotRow, int pivotCol, int target, int width) {
  const std::int32_t p = g.num[pivotRow][pivotCol];
  const std::int32_t dp = g.den[pivotRow][pivotCol];
  const std::int32_t a = g.num[target][pivotCol];
  const std::int32_t b = g.den[target][pivotCol];
  for (int c = 1; c <= width; ++c) {
    ExactFraction cell = stepCell(p, dp, a, b, g.num[target][c], g.den[target][c], g.num[pivotRow][c], g.den[pivotRow][c]);
    reduce(cell, Bound::Numerator, BoundSign::SetAside);
    Fraction stored;
    if (const Status s = store(cell, stored); s != Status::Ok) return s;
    g.set(target, c, stored);
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
    Fraction stored;
    const ExactFraction s = sum(g.num[from][c], g.den[from][c], g.num[to][c], g.den[to][c]);
    if (const Status st = store(s, stored); st != Status::Ok) return st;
    g.set(to, c, stored);
  }
  return Status::Ok;
}

Status forwardEliminate(FractionGrid& g, int rows, int width, PivotRepair repair, int& swaps) {
  for (int k = 1; k < rows; ++k) {
    if (g.num[k][k] == 0) {
      const int m = firstNonzeroBelow(g, k, k, rows);
      if (m == 0) continue;
      if (repair == PivotRepair::RowSwap) {
        swapRows(g, k, m, width);
        ++swaps;
      } else if (const Status s = addRow(g, m, k, width); s != Status::Ok) {
        return s;
      }
      if (g.num[k][k] == 0) continue;
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
    ExactFraction next{ExactInt(std::int64_t{product.num} * g.num[r][r]),
                       ExactInt(std::int64_t{product.den} * g.den[r][r])};
    reduce(next, Bound::Denominator, BoundSign::SetAside);
    if (const Status s = store(next, product); s != Status::Ok) return s;
  }
  return Status::Ok;
}

}  // namespace matcalc
