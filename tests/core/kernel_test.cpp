// The exact kernel's own functions against GMP, on inputs of the one seeded
// generator (random_input.h):
// - the exact quotient of library integers (Hensel division) for divisors of
//   one limb and of many, powers of two, whole zero limbs, and values near 64
//   and 128 bits, of either sign;
// - the decimal form on both sides of every power of ten it splits at, with
//   low parts that start with zeros, and around 2^1500, below which it
//   leaves the digits to the library;
// - fraction-free elimination: rank, pivot columns, row exchanges and every
//   entry, which after each step is a known multiple of the rational
//   elimination's, in row echelon form and in reduced row echelon form; and
//   back substitution, which must leave d B^-1 C for [B | C], d the last
//   pivot.
// A failure prints every input.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "decimal_form.h"
#include "decimal_text.h"
#include "exact_quotient.h"
#include "exact_reference.h"
#include "integer_elimination.h"
#include "random_input.h"

namespace matcalc {
namespace {

using namespace matcalc::testing;

BigInt bigOf(const mpz_class& v) {
  const BigInt magnitude(("0x" + mpz_class(abs(v)).get_str(16)).c_str());
  return v < 0 ? BigInt(-magnitude) : magnitude;
}

mpz_class mpzOf(const BigInt& v) {
  const mpz_class magnitude(BigInt(abs(v)).str(0, std::ios_base::hex), 16);
  return v < 0 ? mpz_class(-magnitude) : magnitude;
}

mpz_class withSign(RandomInput& in, const mpz_class& v) { return in.oneIn(2) ? mpz_class(-v) : v; }

mpz_class powerOfTwo(int bits) { return mpz_class(1) << static_cast<mp_bitcnt_t>(bits); }

// A divisor or quotient of a size where the division takes another way:
// one limb or many, a power of two, whole zero limbs below, near 64 or 128
// bits, or small.
mpz_class operand(RandomInput& in) {
  static constexpr int kEdges[] = {63, 64, 65, 127, 128, 129};
  switch (in.below(7)) {
    case 0: return in.bits(static_cast<int>(in.between(1, 64)));
    case 1: return in.bits(static_cast<int>(in.between(65, 2600)));
    case 2: return powerOfTwo(static_cast<int>(in.between(0, 300)));
    case 3: return (in.bits(static_cast<int>(in.between(1, 200))) | 1) << static_cast<mp_bitcnt_t>(64 * in.between(1, 3));
    case 4: return powerOfTwo(in.pick(std::span<const int>(kEdges))) + in.between(-3, 3);
    case 5: return in.bits(static_cast<int>(in.between(100, 140))) << static_cast<mp_bitcnt_t>(in.between(0, 70));
    default: return in.between(0, 10);
  }
}

TEST(ExactQuotient, MatchesGmpForEveryKindOfOperand) {
  RandomInput in(31);
  for (int i = 0; i < iterations(6000); ++i) {
    const mpz_class q = withSign(in, operand(in));
    mpz_class b = withSign(in, operand(in));
    if (b == 0) b = in.oneIn(2) ? 1 : -1;
    const mpz_class a = q * b;
    const BigInt got = exactQuotient(bigOf(a), bigOf(b));
    mpz_class want;
    mpz_divexact(want.get_mpz_t(), a.get_mpz_t(), b.get_mpz_t());
    ASSERT_EQ(mpzOf(got), want) << "a = " << a << "\nb = " << b;
    ASSERT_TRUE(got == bigOf(want)) << "not in its one form: a = " << a << "\nb = " << b;  // compares limbs
  }
}

mpz_class powerOfTen(mp_bitcnt_t exponent) {
  mpz_class p;
  mpz_ui_pow_ui(p.get_mpz_t(), 10, exponent);
  return p;
}

void expectDecimalForm(const mpz_class& v) {
  std::string out = "x=";
  appendDecimalForm(out, bigOf(v));
  ASSERT_EQ(out, "x=" + v.get_str()) << "bits " << mpz_sizeinbase(v.get_mpz_t(), 2);
}

// The numbers of 10^(18 * 2^j), the powers the decimal form splits at, for
// j = 0 to 8 (10^4608): each just below and above, a multiple of it, and
// with low parts of zeros, of one digit, and of a split part that starts
// with zeros; and 2^1500 around.
std::vector<mpz_class> decimalEdges() {
  std::vector<mpz_class> edges = {0, 1, 9, 10};
  for (int j = 0; j <= 8; ++j) {
    const mpz_class p = powerOfTen(18u << j), root = powerOfTen(9u << j);
    for (const mpz_class& v : {mpz_class(p - 1), p, mpz_class(p + 1), mpz_class(p * 7), mpz_class(p * p - 1),
                               mpz_class(p * 12345 + 678), mpz_class(p * (p - 1)), mpz_class(p * p / 10 + 1),
                               mpz_class(p * 7 + root * 3 + 1)}) {
      edges.push_back(v);
    }
  }
  for (const int bits : {1499, 1500, 1501}) {
    for (const int offset : {-1, 0, 1}) edges.push_back(powerOfTwo(bits) + offset);
  }
  return edges;
}

TEST(DecimalForm, MatchesGmpAtEveryPowerItSplitsAt) {
  for (const mpz_class& v : decimalEdges()) {
    expectDecimalForm(v);
    expectDecimalForm(-v);
  }
}

TEST(DecimalForm, MatchesGmpOnRandomNumbers) {
  const std::vector<mpz_class> edges = decimalEdges();
  RandomInput in(37);
  for (int i = 0; i < iterations(300); ++i) {
    mpz_class v;
    switch (in.below(3)) {
      case 0: v = in.bits(static_cast<int>(in.between(0, 16000))); break;
      case 1: {  // near an edge, by less than half of it
        const mpz_class& edge = in.pick(std::span<const mpz_class>(edges));
        v = edge + withSign(in, in.bits(static_cast<int>(in.between(0, mpz_sizeinbase(edge.get_mpz_t(), 2) - 1))));
      } break;
      default:  // runs of zero digits inside
        v = in.bits(static_cast<int>(in.between(1, 4000))) * powerOfTen(static_cast<mp_bitcnt_t>(in.between(1, 3000))) +
            in.bits(static_cast<int>(in.between(0, 40)));
    }
    expectDecimalForm(withSign(in, v));
  }
}

// Elimination ----------------------------------------------------------------

using IntegerRows = std::vector<std::vector<mpz_class>>;

std::string describe(const IntegerRows& m, int pivotColumns, Clearing clearing) {
  std::ostringstream out;
  for (const auto& row : m) {
    for (const mpz_class& v : row) out << v << ' ';
    out << '\n';
  }
  out << "pivot columns 1 to " << pivotColumns << (clearing == Clearing::AllRows ? ", all rows" : ", below");
  return out.str();
}

// A rows x columns integer matrix: a matrix of the generator, with its
// structures (repeated, combined and zero rows, zero columns, low rank),
// each row multiplied by the least common multiple of its denominators; at
// times also a row that repeats the start of an earlier one, which makes a
// pivot 0 in the middle of the elimination.
IntegerRows integerMatrix(RandomInput& in, int rows, int columns) {
  static constexpr Terms kTerms[] = {Terms::Small, Terms::Small, Terms::Int32, Terms::Beyond32Bits};
  const TypedMatrix typed = in.matrix(rows, columns, in.pick(std::span<const Terms>(kTerms)));
  IntegerRows m(rows, std::vector<mpz_class>(columns));
  for (int r = 0; r < rows; ++r) {
    mpz_class scale = 1;
    for (const Element& e : typed[r]) scale = lcm(scale, e.value().get_den());
    for (int c = 0; c < columns; ++c) m[r][c] = typed[r][c].value().get_num() * (scale / typed[r][c].value().get_den());
  }
  if (rows >= 2 && in.oneIn(3)) {
    const int later = static_cast<int>(in.between(1, rows - 1)), earlier = in.below(later);
    const int prefix = static_cast<int>(in.between(1, columns));
    std::copy_n(m[earlier].begin(), prefix, m[later].begin());
  }
  return m;
}

std::unique_ptr<IntegerMatrix> integerMatrixOf(const IntegerRows& rows) {
  auto m = std::make_unique<IntegerMatrix>();
  m->rows = static_cast<int>(rows.size());
  m->columns = static_cast<int>(rows[0].size());
  for (int r = 1; r <= m->rows; ++r) {
    for (int c = 1; c <= m->columns; ++c) m->at[r][c] = Integer(bigOf(rows[r - 1][c - 1]));
  }
  return m;
}

mpz_class entry(const IntegerMatrix& m, int r, int c) { return mpz_class(decimal(m.at[r][c])); }

// Rational elimination with the same choice of pivots: in each of the pivot
// columns, the first row at or below the next pivot row whose entry is not
// 0. The fraction-free elimination keeps each row a multiple of this one's:
// of the product of the pivots before its own for a pivot row in row echelon
// form; of the product of them all for the other rows, and for every row in
// reduced form, whose pivot rows are divided by their pivots.
struct RationalElimination {
  RationalMatrix rows;
  std::vector<int> pivotColumns;
  int swaps = 0;
  std::vector<Rational> multiples;  // of each row, for the fraction-free one
  Rational lastPivot = 1;           // the product of the pivots
};

RationalElimination eliminateRationally(const IntegerRows& m, int pivotColumns, Clearing clearing) {
  RationalElimination e;
  const std::size_t n = m.size(), columns = m[0].size();
  for (const auto& row : m) e.rows.emplace_back(row.begin(), row.end());
  std::vector<Rational> pivotProducts;  // before each pivot row's pivot
  for (std::size_t c = 0; c < static_cast<std::size_t>(pivotColumns) && e.pivotColumns.size() < n; ++c) {
    const std::size_t r = e.pivotColumns.size();
    std::size_t p = r;
    while (p < n && e.rows[p][c] == 0) ++p;
    if (p == n) continue;
    if (p != r) {
      std::swap(e.rows[p], e.rows[r]);
      ++e.swaps;
    }
    for (std::size_t i = 0; i < n; ++i) {
      if (i == r || (i < r && clearing == Clearing::Below)) continue;
      const Rational f = e.rows[i][c] / e.rows[r][c];
      for (std::size_t k = 0; k < columns; ++k) e.rows[i][k] -= f * e.rows[r][k];
    }
    pivotProducts.push_back(e.lastPivot);
    e.lastPivot *= e.rows[r][c];
    e.pivotColumns.push_back(static_cast<int>(c) + 1);
  }
  const std::size_t rank = e.pivotColumns.size();
  e.multiples.assign(n, e.lastPivot);
  for (std::size_t r = 0; r < rank; ++r) {
    if (clearing == Clearing::Below) {
      e.multiples[r] = pivotProducts[r];
    } else {
      const Rational pivot = e.rows[r][static_cast<std::size_t>(e.pivotColumns[r] - 1)];
      for (Rational& v : e.rows[r]) v /= pivot;
    }
  }
  return e;
}

TEST(Elimination, MatchesRationalEliminationInBothForms) {
  RandomInput in(41);
  int ranksBelowRows = 0, swaps = 0, largest = 0;
  for (int i = 0; i < iterations(150) && !::testing::Test::HasFailure(); ++i) {
    const int rows = i % 50 == 0 ? kMaxSide : in.side();
    const int columns = static_cast<int>(in.between(1, in.oneIn(3) ? IntegerMatrix::kMaxColumns : rows + 2));
    const int pivotColumns = in.oneIn(2) ? columns : static_cast<int>(in.between(1, columns));
    const Clearing clearing = in.oneIn(2) ? Clearing::Below : Clearing::AllRows;
    const IntegerRows typed = integerMatrix(in, rows, columns);
    const auto m = integerMatrixOf(typed);
    const Echelon got = eliminate(*m, pivotColumns, clearing);
    const RationalElimination want = eliminateRationally(typed, pivotColumns, clearing);
    const std::string what = describe(typed, pivotColumns, clearing);
    ASSERT_EQ(got.pivots, static_cast<int>(want.pivotColumns.size())) << what;
    ASSERT_EQ(got.swaps, want.swaps) << what;
    ASSERT_EQ(mpz_class(decimal(got.lastPivot)), want.lastPivot) << what;
    for (int r = 1; r <= got.pivots; ++r) ASSERT_EQ(got.pivotColumn[r], want.pivotColumns[r - 1]) << what;
    for (int r = 1; r <= rows; ++r) {
      for (int c = 1; c <= columns; ++c) {
        const Rational& v = want.rows[r - 1][c - 1];
        ASSERT_EQ(entry(*m, r, c), v * want.multiples[r - 1]) << "entry " << r << ' ' << c << '\n' << what;
      }
    }
    ranksBelowRows += got.pivots < std::min(rows, pivotColumns);
    swaps += got.swaps > 0;
    largest = std::max(largest, std::max(rows, columns));
  }
  std::cout << "rank below the rows or pivot columns: " << ranksBelowRows << ", with row exchanges: " << swaps << '\n';
  EXPECT_GT(ranksBelowRows, 0);
  EXPECT_GT(swaps, 0);
  EXPECT_GT(largest, kMaxSide);
}

// [B | C] with B of full rank n, C of up to 40 - n columns (the identity, as
// the inverse and the adjugate use it, or any): after elimination to row
// echelon form and back substitution the right part is d B^-1 C, d the last
// pivot, +-det B.
TEST(BackSubstitution, LeavesTheLastPivotTimesTheInverseTimesTheRightPart) {
  RandomInput in(43);
  int solved = 0, largest = 0;
  for (int i = 0; i < iterations(150) && !::testing::Test::HasFailure(); ++i) {
    const int n = i % 50 == 0 ? kMaxSide : in.side();
    const int k = in.oneIn(2) ? n : static_cast<int>(in.between(1, IntegerMatrix::kMaxColumns - n));
    IntegerRows typed = integerMatrix(in, n, n);
    const IntegerRows right = in.oneIn(2) && k == n ? IntegerRows() : integerMatrix(in, n, k);
    for (int r = 0; r < n; ++r) {
      for (int c = 0; c < k; ++c) typed[r].push_back(right.empty() ? mpz_class(r == c ? 1 : 0) : right[r][c]);
    }
    const std::string what = describe(typed, n, Clearing::Below);
    const auto m = integerMatrixOf(typed);
    const Echelon e = eliminate(*m, n, Clearing::Below);
    RationalMatrix b(n), c(n);
    for (int r = 0; r < n; ++r) {
      b[r].assign(typed[r].begin(), typed[r].begin() + n);
      c[r].assign(typed[r].begin() + n, typed[r].end());
    }
    const Rational det = determinant(b);
    ASSERT_EQ(e.pivots == n, det != 0) << what;
    if (e.pivots < n) continue;
    const mpz_class d = entry(*m, n, n);
    ASSERT_EQ(e.swaps % 2 == 0 ? d : mpz_class(-d), det) << what;
    backSubstitute(*m, n);
    // X = d B^-1 C exactly when B X = d C.
    RationalMatrix x(n, std::vector<Rational>(k));
    for (int r = 0; r < n; ++r) {
      for (int j = 0; j < k; ++j) x[r][j] = entry(*m, r + 1, n + j + 1);
    }
    RationalMatrix dc = c;
    for (auto& row : dc) {
      for (Rational& v : row) v *= d;
    }
    ASSERT_EQ(multiply(b, x), dc) << what;
    ++solved;
    largest = std::max(largest, n + k);
  }
  std::cout << "solved: " << solved << ", the widest with " << largest << " columns\n";
  EXPECT_GT(solved, iterations(150) / 3);
  EXPECT_GT(largest, kMaxSide);
}

}  // namespace
}  // namespace matcalc
