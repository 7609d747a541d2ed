// The matrix text reader: what each text stores, the row count, the column
// count, and where reading stops for values and sizes beyond the limits.
#include "matrix_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace matcalc {
namespace {

struct Cell {
  int row, column;
  Fraction value;
};

struct ReadCase {
  const char* name;
  std::string text;  // as the edit box holds it, before the two blanks
  int rows;
  std::vector<Cell> cells;  // cells written; every other cell stays 0/1
  int columns;
};

class ReaderTable : public ::testing::TestWithParam<ReadCase> {};

// The integer of a string of decimal digits, built digit by digit.
Integer digits(std::string_view text) {
  Integer value = 0;
  for (const char ch : text) value = value * 10 + (ch - '0');
  return value;
}

TEST_P(ReaderTable, StoresTheListedCells) {
  const ReadCase& c = GetParam();
  const std::string text = c.text + "  ";
  FractionGrid grid;
  // Left over from an earlier command: a cell of a row the text reads is
  // cleared, a row below the matrix is left as it is.
  grid.num[1][5] = 99;
  grid.num[kMaxSide][5] = 99;
  const ReadResult read = readMatrix(text, grid);
  ASSERT_EQ(read.exact, Status::Ok);
  EXPECT_EQ(read.rows, c.rows);
  FractionGrid expected;
  bool zeroDenominator = false;
  bool fitsInt32 = true;
  for (const Cell& cell : c.cells) {
    expected.store(cell.row, cell.column, cell.value);
    zeroDenominator = zeroDenominator || cell.value.den.isZero();
    fitsInt32 = fitsInt32 && cell.value.num.fitsInt32() && cell.value.den.fitsInt32();
  }
  EXPECT_EQ(read.zeroDenominator, zeroDenominator);
  EXPECT_EQ(read.asTyped, fitsInt32 ? Status::Ok : Status::OutOfRange);
  if (read.rows < kMaxSide) {
    EXPECT_EQ(grid.num[kMaxSide][5], 99);
  }
  for (int r = 1; r <= read.rows; ++r) {
    for (int col = 1; col <= kMaxSide; ++col) {
      EXPECT_EQ(grid.num[r][col], expected.num[r][col]) << "numerator [" << r << "][" << col << "]";
      EXPECT_EQ(grid.den[r][col], expected.den[r][col]) << "denominator [" << r << "][" << col << "]";
    }
  }
  EXPECT_EQ(columnCount(text, read.rows), c.columns);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReaderTable,
    ::testing::Values(
        ReadCase{"TwoRows", "1 2\r\n3 4", 2, {{1, 1, {1, 1}}, {1, 2, {2, 1}}, {2, 1, {3, 1}}, {2, 2, {4, 1}}}, 2},
        ReadCase{"Fractions", "1/2 -3/4\r\n5 -6", 2, {{1, 1, {1, 2}}, {1, 2, {-3, 4}}, {2, 1, {5, 1}}, {2, 2, {-6, 1}}}, 2},
        ReadCase{"DecimalPointSkipped", "3.14", 1, {{1, 1, {314, 1}}}, 1},
        ReadCase{"CommaSkipped", "1,5", 1, {{1, 1, {15, 1}}}, 1},
        ReadCase{"MinusInsideNumber", "5-3", 1, {{1, 1, {47, 1}}}, 1},
        ReadCase{"MinusSlash", "-/3", 1, {{1, 1, {0, 3}}}, 1},
        ReadCase{"SlashOnly", "/3", 1, {{1, 1, {0, 3}}}, 1},
        ReadCase{"MinusBlankDigit", "- 5", 1, {{1, 1, {-5, 1}}}, 1},
        ReadCase{"LineBreakAfterLastRow", "1 2\r\n3 4\r\n", 3, {{1, 1, {1, 1}}, {1, 2, {2, 1}}, {2, 1, {3, 1}}, {2, 2, {4, 1}}}, 2},
        ReadCase{"EmptyLine", "1 2\r\n\r\n3 4", 3, {{1, 1, {1, 1}}, {1, 2, {2, 1}}, {3, 1, {3, 1}}, {3, 2, {4, 1}}}, 2},
        ReadCase{"MinusBeforeLineBreak", "3 -\r\n4 5", 1, {{1, 1, {3, 1}}, {1, 2, {-4, 1}}, {1, 3, {5, 1}}}, 3},
        ReadCase{"ZeroDenominatorBeforeLineBreak", "1/0\r\n2 3", 1, {{1, 1, {1, 2}}, {1, 2, {3, 1}}}, 2},
        ReadCase{"EmptyDenominator", "1/ 2", 1, {{1, 1, {1, 0}}, {1, 2, {2, 1}}}, 2},
        ReadCase{"TwoSlashes", "1/2/3", 1, {{1, 1, {1, 23}}}, 1},
        ReadCase{"MinusInDenominator", "1/-2", 1, {{1, 1, {1, 2}}}, 1},
        ReadCase{"LineFeedAlone", "1 2\n3 4", 1, {{1, 1, {1, 1}}, {1, 2, {23, 1}}, {1, 3, {4, 1}}}, 3},
        ReadCase{"Empty", "", 1, {}, 0},
        ReadCase{"ThreeOnOneRow", "1 2 3", 1, {{1, 1, {1, 1}}, {1, 2, {2, 1}}, {1, 3, {3, 1}}}, 3},
        ReadCase{"FirstLineDecidesColumns", "1/2 3\r\n4", 2, {{1, 1, {1, 2}}, {1, 2, {3, 1}}, {2, 1, {4, 1}}}, 2},
        ReadCase{"LeadingLineBreak", "\r\n1 2", 2, {{2, 1, {1, 1}}, {2, 2, {2, 1}}}, 0},
        ReadCase{"ChineseSkipped", "\xB5\xDA" "1 2", 1, {{1, 1, {1, 1}}, {1, 2, {2, 1}}}, 2},
        ReadCase{"Int32Limits", "2147483647 -2147483648 1/2147483647", 1,
                 {{1, 1, {2147483647, 1}}, {1, 2, {-2147483647 - 1, 1}}, {1, 3, {1, 2147483647}}}, 3},
        // Beyond 32 bits every number is read exactly, the reader's rules
        // unchanged: the minus still subtracts the digits after it.
        ReadCase{"BeyondInt32", "2147483648 -2147483649 1/99999999999", 1,
                 {{1, 1, {2147483648LL, 1}}, {1, 2, {-2147483649LL, 1}}, {1, 3, {1, 99999999999LL}}}, 3},
        ReadCase{"FortyDigitsAndAMinus", "1234567890123456789012345678901234567890-1 -/100000000000000000000", 1,
                 {{1, 1, {digits("12345678901234567890123456789012345678899"), 1}},
                  {1, 2, {0, digits("100000000000000000000")}}}, 2}),
    [](const auto& info) { return std::string(info.param.name); });

// Where the reading stops (the size fault), and what a 32-bit reading of
// the same text reports: a number leaving the range first, or the same.
struct LimitCase {
  const char* name;
  std::string text;
  Status exact;
  Status asTyped;
};

class ReaderLimits : public ::testing::TestWithParam<LimitCase> {};

TEST_P(ReaderLimits, ReportsTheFirstLimitCrossed) {
  FractionGrid grid;
  const ReadResult read = readMatrix(GetParam().text + "  ", grid);
  EXPECT_EQ(read.exact, GetParam().exact);
  EXPECT_EQ(read.asTyped, GetParam().asTyped);
}

std::string repeat(const std::string& piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

INSTANTIATE_TEST_SUITE_P(
    Limits, ReaderLimits,
    ::testing::Values(LimitCase{"TwentyRows", repeat("1\r\n", 19) + "1", Status::Ok, Status::Ok},
                      LimitCase{"TwentyRowsAndLineBreak", repeat("1\r\n", 20), Status::TooLarge, Status::TooLarge},
                      LimitCase{"TwentyOneRows", repeat("1\r\n", 20) + "1", Status::TooLarge, Status::TooLarge},
                      LimitCase{"TwentyColumns", repeat("1 ", 20), Status::Ok, Status::Ok},
                      LimitCase{"TwentyOneColumns", repeat("1 ", 21), Status::TooLarge, Status::TooLarge},
                      LimitCase{"TwentyOneSlashElements", repeat("/ ", 21), Status::TooLarge, Status::TooLarge},
                      LimitCase{"TooBigPositive", "2147483648", Status::Ok, Status::OutOfRange},
                      LimitCase{"TooBigNegative", "-2147483649", Status::Ok, Status::OutOfRange},
                      LimitCase{"FortyDigits", "1234567890123456789012345678901234567890", Status::Ok, Status::OutOfRange},
                      LimitCase{"TooBigDenominator", "1/2147483648", Status::Ok, Status::OutOfRange},
                      LimitCase{"BackInRange", "-2147483648-9", Status::Ok, Status::OutOfRange},
                      LimitCase{"SizeBeforeValue", repeat("1 ", 21) + "99999999999", Status::TooLarge, Status::TooLarge},
                      LimitCase{"ValueBeforeSize", repeat("1 ", 20) + "99999999999", Status::TooLarge, Status::OutOfRange},
                      LimitCase{"ValueBeforeRows", "99999999999" + repeat("\r\n", 21), Status::TooLarge, Status::OutOfRange}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace matcalc
