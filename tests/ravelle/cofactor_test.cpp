// The cell cofactor: the value and place of every cofactor of small
// matrices, zero pivots repaired by row addition, the signs it leaves for
// later, and the range test of its products and of its sign change.
#include "cofactor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "matrix_reader.h"

namespace matcalc {
namespace {

// The grid of a matrix typed with rows separated by ';'.
FractionGrid gridOf(const std::string& rows, int& n) {
  std::string text;
  for (const char ch : rows) text += ch == ';' ? std::string("\r\n") : std::string(1, ch);
  FractionGrid grid;
  const ReadResult read = readMatrix(text + "  ", grid);
  EXPECT_EQ(read.asTyped, Status::Ok) << rows;
  n = read.rows;
  return grid;
}

// A result grid whose every cell is marked, to see which cells are written.
FractionGrid markedResult() {
  FractionGrid result;
  for (int r = 1; r <= kMaxSide; ++r) {
    for (int c = 1; c <= kMaxSide; ++c) result.store(r, c, {-7, 9});
  }
  return result;
}

struct CellCase {
  const char* matrix;
  int i, j;
  Fraction stored;  // expected in result cell (j, i), as stored
};

TEST(Cofactor, ValueStoredAtTransposedPlaceOnly) {
  const CellCase cases[] = {
      // A 1 x 1 matrix has the empty minor: 1 whatever the element.
      {"5", 1, 1, {1, 1}},
      {"0", 1, 1, {1, 1}},
      {"-3/4", 1, 1, {1, 1}},
      {"1 2;3 4", 1, 1, {4, 1}},
      {"1 2;3 4", 1, 2, {-3, 1}},
      {"1 2;3 4", 2, 1, {-2, 1}},
      {"1 2;3 4", 2, 2, {1, 1}},
      // Minor (0 1; 1 0): the row addition makes row 1 (1 1), then row 2
      // becomes (0 -1); determinant -1 with no sign correction.
      {"9 9 9;9 0 1;9 1 0", 1, 1, {-1, 1}},
      // Minor (1 0; 0 1) after striking the middle row and column.
      {"1 9 0;9 9 9;0 9 1", 2, 2, {1, 1}},
      // A column of zeros from the pivot down: numerator 0.
      {"9 0 2;9 0 5;9 9 9", 3, 1, {0, 1}},
      {"0 9 2;0 9 5;9 9 9", 3, 2, {0, 1}},
      {"0 2 3;0 5 6;7 8 9", 3, 3, {0, 1}},
      // Minor (-1 1; 1 1): the negative pivot leaves the denominator -1.
      {"-1 1 0;1 1 0;0 0 5", 3, 3, {2, -1}},
      // Fractions: minor (1/2 1/3; 1/4 1/5) has determinant 1/60.
      {"1/2 1/3 7;1/4 1/5 7;7 7 7", 3, 3, {1, 60}},
      {"7 1/2 1/3;7 1/4 1/5;7 7 7", 3, 1, {1, 60}},
      {"7 1/2 1/3;7 1/4 1/5;7 7 7", 3, 2, {14, 15}},  // minor (7 1/3; 7 1/5), odd place
  };
  for (const CellCase& c : cases) {
    int n = 0;
    FractionGrid grid = gridOf(c.matrix, n);
    FractionGrid result = markedResult();
    ASSERT_EQ(cofactor(grid, n, c.i, c.j, result, Arithmetic::StepByStep), Status::Ok) << c.matrix;
    for (int r = 1; r <= kMaxSide; ++r) {
      for (int col = 1; col <= kMaxSide; ++col) {
        const Fraction want = r == c.j && col == c.i ? c.stored : Fraction{-7, 9};
        EXPECT_EQ(result.num[r][col], want.num) << c.matrix << " cell " << c.i << "," << c.j << " at " << r << "," << col;
        EXPECT_EQ(result.den[r][col], want.den) << c.matrix << " cell " << c.i << "," << c.j << " at " << r << "," << col;
      }
    }
  }
}

TEST(Cofactor, AllCellsFormTheAdjugate) {
  struct AdjugateCase {
    const char* matrix;
    std::vector<std::vector<int>> adjugate;
  };
  const AdjugateCase cases[] = {
      {"0 1 2;1 0 3;4 -3 8", {{9, -14, 3}, {4, -8, 2}, {-3, 4, -1}}},
      {"1 2 3;4 5 6;7 8 10", {{2, 4, -3}, {2, -11, 6}, {-3, 6, -3}}},
      {"2 0 0;0 3 0;0 0 4", {{12, 0, 0}, {0, 8, 0}, {0, 0, 6}}},
      {"0 0 1;0 1 0;1 0 0", {{0, 0, -1}, {0, -1, 0}, {-1, 0, 0}}},
  };
  for (const AdjugateCase& c : cases) {
    int n = 0;
    FractionGrid result;
    for (int i = 1; i <= 3; ++i) {
      for (int j = 1; j <= 3; ++j) {
        FractionGrid grid = gridOf(c.matrix, n);  // each cofactor consumes the grid
        ASSERT_EQ(cofactor(grid, n, i, j, result, Arithmetic::StepByStep), Status::Ok) << c.matrix;
      }
    }
    for (int r = 1; r <= 3; ++r) {
      for (int col = 1; col <= 3; ++col) {
        Fraction cell = result.cell(r, col);
        normaliseSign(cell);
        EXPECT_EQ(cell.num, c.adjugate[r - 1][col - 1]) << c.matrix << " at " << r << "," << col;
        EXPECT_EQ(cell.den, 1) << c.matrix << " at " << r << "," << col;
      }
    }
  }
}

TEST(Cofactor, LastRowAndColumnNeedNoShifting) {
  // Striking out row n and column n leaves the leading block where it is.
  int n = 0;
  FractionGrid grid = gridOf("2 3 9;5 7 9;9 9 9", n);
  FractionGrid result;
  ASSERT_EQ(cofactor(grid, n, 3, 3, result, Arithmetic::StepByStep), Status::Ok);
  EXPECT_EQ(result.num[3][3], 2 * 7 - 3 * 5);
  EXPECT_EQ(grid.cell(1, 1).num, 2);  // the pivot row is not changed by elimination
  EXPECT_EQ(grid.cell(1, 2).num, 3);
}

TEST(Cofactor, ShiftingMovesCellsUpAndLeft) {
  // Cell (1, 1) struck out: the minor is rows 2, 3 and columns 2, 3; the
  // elimination leaves its first row as the pivot row.
  int n = 0;
  FractionGrid grid = gridOf("9 9 9;9 4 6;9 1 2", n);
  FractionGrid result;
  ASSERT_EQ(cofactor(grid, n, 1, 1, result, Arithmetic::StepByStep), Status::Ok);
  EXPECT_EQ(grid.num[1][1], 4);
  EXPECT_EQ(grid.num[1][2], 6);
  EXPECT_EQ(result.num[1][1], 4 * 2 - 6 * 1);
}

struct RangeCase {
  const char* matrix;
  int i, j;
  const char* why;
};

// At 32 bits (a text with a zero denominator) a value out of range is
// reported; at unbounded width the same cofactor is computed.
TEST(Cofactor, ValuesOutOfRangeAreReportedAt32Bits) {
  const RangeCase cases[] = {
      {"1 0 0;0 65536 0;0 0 65536", 1, 1, "diagonal product 2^32"},
      {"0 2147483647 0;1 1 0;0 0 1", 3, 3, "row addition 2147483647 + 1"},
      {"1 -2147483648;-2147483648 1", 1, 2, "negating -2147483648 for an odd place"},
      {"3 -2147483648;-2147483648 1", 2, 1, "negating -2147483648 for an odd place"},
      {"65536 1 0;1 65536 0;0 0 1", 3, 3, "elimination step 65536^2 - 1 over 65536"},
  };
  for (const RangeCase& c : cases) {
    int n = 0;
    FractionGrid grid = gridOf(c.matrix, n);
    FractionGrid result = markedResult();
    EXPECT_EQ(cofactor(grid, n, c.i, c.j, result, Arithmetic::AsTyped), Status::OutOfRange) << c.why;
    EXPECT_EQ(result.cell(c.j, c.i).num, -7) << c.why;  // nothing stored
    FractionGrid anySize = gridOf(c.matrix, n);
    EXPECT_EQ(cofactor(anySize, n, c.i, c.j, result, Arithmetic::StepByStep), Status::Ok) << c.why;
  }
}

TEST(Cofactor, MostNegativeValueAtEvenPlaceIsKept) {
  int n = 0;
  FractionGrid grid = gridOf("1 5;5 -2147483648", n);
  FractionGrid result;
  ASSERT_EQ(cofactor(grid, n, 1, 1, result, Arithmetic::StepByStep), Status::Ok);
  EXPECT_EQ(result.num[1][1], -2147483647 - 1);
  EXPECT_EQ(result.den[1][1], 1);
}

}  // namespace
}  // namespace matcalc
