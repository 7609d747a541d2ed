// The true rank on its own: the number of independent rows of a block of the
// grid, by exact elimination with row exchanges.
#include "rank.h"

#include <gtest/gtest.h>

#include <string>

#include "encoding.h"
#include "matrix_reader.h"

namespace matcalc {
namespace {

struct Read {
  FractionGrid grid;
  int rows = 0;
  int columns = 0;
};

// The grid, row count and column count of a text typed into the edit box.
Read read(const std::string& utf8) {
  Read r;
  const std::string text = console::editBoxText(utf8) + "  ";
  const ReadResult result = readMatrix(text, r.grid);
  EXPECT_EQ(result.asTyped, Status::Ok) << utf8;
  r.rows = result.rows;
  r.columns = columnCount(text, r.rows);
  return r;
}

int rankOf(const std::string& utf8) {
  Read r = read(utf8);
  return rowRank(r.grid, r.rows, r.columns);
}

struct RankCase {
  const char* text;
  int rank;
};

TEST(RowRank, IndependentRows) {
  const RankCase cases[] = {
      {"1 2\n3 4", 2},          {"1 2\n2 4", 1},          {"0 1\n1 0", 2},         {"0 0\n1 2", 1},
      {"1 1 1\n1 1 1\n1 1 2", 2}, {"1 0 0\n0 0 1", 2},    {"0 1 1\n0 1 1", 1},     {"0 0\n0 0", 0},
      {"5", 1},                 {"0", 0},                 {"", 0},                 {"1\n2\n3", 1},
      {"1 2 3\n4 5 6\n7 8 9", 2}, {"1 2 3\n4 5 6\n7 8 10", 3}, {"1/2 1/3\n1/4 1/5", 2},
      {"1/2 1/3\n3/2 1", 1},    {"0 0 0 1\n0 0 2 0\n0 3 0 0", 3},   {"0 0 5\n0 0 7\n0 0 0", 1},
      {"1 2\n0 0\n2 4\n0 1", 2}, {"-1 1\n1 -1", 1},       {"1 0\n0 1\n1 1", 2},    {"0 2\n0 4\n0 6", 1},
      {"1 2 3\n2 4 6\n1 1 1\n3 5 7", 2},
  };
  for (const RankCase& c : cases) EXPECT_EQ(rankOf(c.text), c.rank) << c.text;
}

// A cell counts as nonzero by its numerator; a zero denominator is carried
// through the elimination and the count ends.
TEST(RowRank, ZeroDenominators) {
  const RankCase cases[] = {
      {"1/0 1\n1 1", 2},         {"5/0", 1},                 {"0/0 0\n0 0", 0},
      {"0 1/0 0\n0 2/0 0", 1},   {"1 1/0 1\n1 2 1", 2},     {"1 1/0 1\n2 1/0 2", 1},
      {"1/0 2/0 0\n3/0 4/0 0", 1}, {"0/0 1\n0/0 1", 1},     {"1/0 0\n0 1/0 0", 2},
  };
  for (const RankCase& c : cases) EXPECT_EQ(rankOf(c.text), c.rank) << c.text;
}

// Only the rows x columns block counts: cells beyond it are not looked at.
TEST(RowRank, OnlyTheBlockCounts) {
  const Read r = read("1 2 3\n1 2 4\n1 2 5");
  FractionGrid copy = r.grid;
  EXPECT_EQ(rowRank(copy, 3, 2), 1);
  copy = r.grid;
  EXPECT_EQ(rowRank(copy, 2, 3), 2);
  copy = r.grid;
  EXPECT_EQ(rowRank(copy, 3, 0), 0);
}

// The rows exchanged into place are the first ones with a pivot; rows after
// them are left reduced, so the block is in row echelon form.
TEST(RowRank, LeavesRowEchelonForm) {
  Read r = read("0 0 2\n0 3 1\n1 1 1\n2 2 2");
  EXPECT_EQ(rowRank(r.grid, r.rows, r.columns), 3);
  const int expectedNum[5][4] = {{}, {0, 1, 1, 1}, {0, 0, 3, 1}, {0, 0, 0, 2}, {0, 0, 0, 0}};
  for (int i = 1; i <= 4; ++i) {
    for (int c = 1; c <= 3; ++c) {
      EXPECT_EQ(r.grid.num[i][c], expectedNum[i][c]) << i << "," << c;
      EXPECT_EQ(r.grid.den[i][c], 1) << i << "," << c;
    }
  }
}

// Terms beyond 32 bits are counted exactly, whatever the command's
// arithmetic (a text with a zero denominator too): the count never fails.
TEST(RowRank, ValuesBeyond32BitsAreCounted) {
  for (const char* text : {"65536 1\n1 65536", "1 -2147483648\n-1 -1", "3 2147483647 / \n2 1"}) {
    Read r = read(text);
    EXPECT_EQ(rowRank(r.grid, r.rows, r.columns), 2) << text;
  }
}

}  // namespace
}  // namespace matcalc
