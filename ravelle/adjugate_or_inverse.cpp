#include "adjugate_or_inverse.h"

namespace matcalc {
namespace {

// The n x n matrix with its rows scaled to integers, in reduced row echelon
// form times its last pivot.
Echelon reducedForm(const FractionGrid& g, int n, IntegerMatrix& work) {
  scaleRows(g, n, n, work);
  return eliminate(work, n, Clearing::AllRows);
}

// A nonzero v with m v = 0, for m in reduced form of rank n - 1: its column
// without a pivot, `free`, takes the last pivot d, which is not 0; each pivot
// row holds d in its pivot column, so that column takes minus the row's entry
// in the free one.
struct KernelVector {
  std::array<Integer, kGridSide> v;
  int free = 1;
};

KernelVector kernelVector(const IntegerMatrix& m, const Echelon& e, int n) {
  KernelVector k;
  for (int r = 1; r <= e.pivots && e.pivotColumn[r] == k.free; ++r) ++k.free;
  for (int c = 1; c <= n; ++c) k.v[c] = 0;
  k.v[k.free] = e.lastPivot;
  for (int r = 1; r <= e.pivots; ++r) k.v[e.pivotColumn[r]] = -m.at[r][k.free];
  return k;
}

// The adjugate of a singular matrix. Below rank n - 1 every cofactor is 0.
// At rank n - 1 the adjugate has rank 1: adj(A) A = A adj(A) = 0 makes it
// v w^T times a constant, v spanning the kernel of A and w that of A^T. One
// cofactor found directly, at a cell where v and w are not 0 (their free
// columns), sets it.
void singularAdjugate(const FractionGrid& a, int n, FractionGrid& result, IntegerMatrix& work) {
  const Echelon e = reducedForm(a, n, work);
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= n; ++c) result.store(r, c, {0, 1});
  }
  if (e.pivots < n - 1) return;
  const KernelVector v = kernelVector(work, e, n);

  FractionGrid transposed;
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= n; ++c) {
      transposed.num[r][c] = a.num[c][r];
      transposed.den[r][c] = a.den[c][r];
    }
  }
  const KernelVector w = kernelVector(work, reducedForm(transposed, n, work), n);

  // Entry (i, j) of the adjugate is the cofactor of cell (j, i): the minor
  // without row j and column i, with the sign of i + j.
  const int i = v.free, j = w.free;
  FractionGrid minor;
  for (int r = 1, mr = 1; r <= n; ++r) {
    if (r == j) continue;
    for (int c = 1, mc = 1; c <= n; ++c) {
      if (c == i) continue;
      minor.num[mr][mc] = a.num[r][c];
      minor.den[mr][mc++] = a.den[r][c];
    }
    ++mr;
  }
  Fraction cofactor = determinantOf(minor, n - 1, work);
  if ((i + j) % 2 != 0) cofactor.num = -cofactor.num;

  const Integer scale = cofactor.den * v.v[i] * w.v[j];
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= n; ++c) result.store(r, c, lowestTerms(cofactor.num * v.v[r] * w.v[c], scale));
  }
}

}  // namespace

bool adjugateOrInverse(const FractionGrid& matrix, int n, bool inverse, FractionGrid& result, IntegerMatrix& work) {
  // A = S^-1 B, S the row scales and B integer. Beside B the identity: the
  // elimination turns [B | I] into [U | Y], U upper triangular with last
  // pivot d = +-det B (negated for odd swaps), and the back substitution Y
  // into X = d B^-1.
  scaleRows(matrix, n, n, work);
  const Scales& scales = work.scales;
  work.columns = 2 * n;
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= n; ++c) work.at[r][n + c] = r == c ? 1 : 0;
  }
  const Echelon e = eliminate(work, n, Clearing::Below);
  if (e.pivots < n) {
    if (inverse) return false;
    singularAdjugate(matrix, n, result, work);
    return true;
  }
  backSubstitute(work, n);

  // A^-1 = B^-1 S: entry (r, c) is X[r][c] s_c / d. adj A = det A A^-1, with
  // det A = det B / (s_1 ... s_n): entry (r, c) is +-X[r][c] over the
  // product of every scale but s_c.
  const bool negate = e.swaps % 2 != 0;
  for (int c = 1; c <= n; ++c) {
    Integer otherScales = 1;
    for (int r = 1; r <= n && !inverse; ++r) {
      if (r != c) otherScales = otherScales * scales[r];
    }
    for (int r = 1; r <= n; ++r) {
      const Integer& x = work.at[r][n + c];
      result.store(r, c, inverse ? lowestTerms(x * scales[c], e.lastPivot) : lowestTerms(negate ? -x : x, otherScales));
    }
  }
  return true;
}

}  // namespace matcalc
