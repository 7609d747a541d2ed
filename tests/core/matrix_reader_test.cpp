// The matrix text reader, on the text as the input buffer keeps it: what
// each text stores, the row count, the column count, and where reading stops
// for values and sizes beyond the limits.
#include "matrix_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "matrix_lines.h"

namespace matcalc {
namespace {

// The text as an edit box holds it, kept as the reader reads it, with the
// two blanks appended.
std::string asRead(std::string text) {
  text.resize(keepMatrixLines(text.data(), text.size()));
  return text + "  ";
}

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
  const std::string text = asRead(c.text);
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
        ReadCase{"CommaIsABlank", "1,5", 1, {{1, 1, {1, 1}}, {1, 2, {5, 1}}}, 2},
        ReadCase{"MinusInsideNumber", "5-3", 1, {{1, 1, {47, 1}}}, 1},
        ReadCase{"MinusSlash", "-/3", 1, {{1, 1, {0, 3}}}, 1},
        ReadCase{"SlashOnly", "/3", 1, {{1, 1, {0, 3}}}, 1},
        ReadCase{"MinusBlankDigit", "- 5", 1, {{1, 1, {-5, 1}}}, 1},
        ReadCase{"MinusBeforeLineBreak", "3 -\r\n4 5", 1, {{1, 1, {3, 1}}, {1, 2, {-4, 1}}, {1, 3, {5, 1}}}, 3},
        ReadCase{"ZeroDenominatorBeforeLineBreak", "1/0\r\n2 3", 1, {{1, 1, {1, 2}}, {1, 2, {3, 1}}}, 2},
        ReadCase{"EmptyDenominator", "1/ 2", 1, {{1, 1, {1, 0}}, {1, 2, {2, 1}}}, 2},
        ReadCase{"TwoSlashes", "1/2/3", 1, {{1, 1, {1, 23}}}, 1},
        ReadCase{"MinusInDenominator", "1/-2", 1, {{1, 1, {1, 2}}}, 1},
        ReadCase{"Empty", "", 1, {}, 0},
        ReadCase{"ThreeOnOneRow", "1 2 3", 1, {{1, 1, {1, 1}}, {1, 2, {2, 1}}, {1, 3, {3, 1}}}, 3},
        ReadCase{"FirstLineDecidesColumns", "1/2 3\r\n4", 2, {{1, 1, {1, 2}}, {1, 2, {3, 1}}, {2, 1, {4, 1}}}, 2},
        // Lines: CR LF, LF and a lone CR each end one; a line without a
        // digit adds no row, and the first line left gives the columns.
        ReadCase{"LineFeedAlone", "1 2\n3 4", 2, {{1, 1, {1, 1}}, {1, 2, {2, 1}}, {2, 1, {3, 1}}, {2, 2, {4, 1}}}, 2},
        ReadCase{"CarriageReturnAlone", "1 2\r3 4\r\n5 6", 3,
                 {{1, 1, {1, 1}}, {1, 2, {2, 1}}, {2, 1, {3, 1}}, {2, 2, {4, 1}}, {3, 1, {5, 1}}, {3, 2, {6, 1}}}, 2},
        ReadCase{"FinalLineBreak", "1 2\r\n3 4\r\n", 2, {{1, 1, {1, 1}}, {1, 2, {2, 1}}, {2, 1, {3, 1}}, {2, 2, {4, 1}}}, 2},
        ReadCase{"EmptyAndBlankLinesEverywhere", "\r\n \t\r\n1 2 3\r\n\r\n  \r\n4 5 6\r\n\r\n", 2,
                 {{1, 1, {1, 1}}, {1, 2, {2, 1}}, {1, 3, {3, 1}}, {2, 1, {4, 1}}, {2, 2, {5, 1}}, {2, 3, {6, 1}}}, 3},
        ReadCase{"LinesOfChineseAndSigns", "\xBE\xD8\xD5\xF3\r\n1/2\r\n-\r\n3\r\n\xA3\xAF.", 2,
                 {{1, 1, {1, 2}}, {2, 1, {3, 1}}}, 1},
        ReadCase{"NoDigitAtAll", "\r\n - / . \xBE\xD8\r\n", 1, {}, 0},
        // Tabs and the full-width forms of an input method.
        ReadCase{"SpreadsheetTabs", "1\t2\r\n3\t4\r\n", 2, {{1, 1, {1, 1}}, {1, 2, {2, 1}}, {2, 1, {3, 1}}, {2, 2, {4, 1}}}, 2},
        ReadCase{"FullWidthDigitsAndSpace", "\xA3\xB1\xA3\xB2\xA1\xA1\xA3\xAD\xA3\xB3\xA3\xAF\xA3\xB4\xA3\xAC"
                                            "5\xA1\xA2\xA3\xB6\xA1\xA3\xA3\xB5\xA1\xA1\xA3\xB5\xA3\xAE\xA3\xB7",
                 1, {{1, 1, {12, 1}}, {1, 2, {-3, 4}}, {1, 3, {5, 1}}, {1, 4, {65, 10}}, {1, 5, {57, 10}}}, 5},
        ReadCase{"DivisionSlash", "1\xA8\x4D" "2", 1, {{1, 1, {1, 2}}}, 1},
        // Decimals: N * 10^b / (D * 10^a) for a decimal digits in the
        // numerator N and b in the denominator D.
        ReadCase{"Decimal", "3.14", 1, {{1, 1, {314, 100}}}, 1},
        ReadCase{"DecimalForms", "-.5 5. 1.5/2 3/0.5 1.5/0.25 1.2.3 0.05", 1,
                 {{1, 1, {-5, 10}}, {1, 2, {5, 1}}, {1, 3, {15, 20}}, {1, 4, {30, 5}}, {1, 5, {1500, 250}},
                  {1, 6, {123, 100}}, {1, 7, {5, 100}}}, 7},
        ReadCase{"PointWithoutDigits", ". -. 7", 1, {{1, 1, {-7, 1}}}, 1},
        ReadCase{"BlankEndsDecimalPart", "2. 5", 1, {{1, 1, {2, 1}}, {1, 2, {5, 1}}}, 2},
        ReadCase{"DecimalZeroDenominator", "1.5/0.0 2", 1, {{1, 1, {150, 0}}, {1, 2, {2, 1}}}, 2},
        ReadCase{"DecimalsInRows", "0.5 1\r\n1 1", 2, {{1, 1, {5, 10}}, {1, 2, {1, 1}}, {2, 1, {1, 1}}, {2, 2, {1, 1}}}, 2},
        ReadCase{"LongDecimal", "0.000000000001 -12345678901234567890.5/2", 1,
                 {{1, 1, {1, digits("1000000000000")}}, {1, 2, {digits("123456789012345678905") * -1, 20}}}, 2},
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
  const ReadResult read = readMatrix(asRead(GetParam().text), grid);
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
                      LimitCase{"TwentyRowsAndFinalLineBreak", repeat("1\r\n", 20), Status::Ok, Status::Ok},
                      LimitCase{"TwentyRowsAmidEmptyLines", repeat("\r\n1\r\n\r\n", 20), Status::Ok, Status::Ok},
                      LimitCase{"TwentyOneRows", repeat("1\r\n", 20) + "1", Status::TooLarge, Status::TooLarge},
                      LimitCase{"TwentyColumns", repeat("1 ", 20), Status::Ok, Status::Ok},
                      LimitCase{"TwentyOneColumns", repeat("1 ", 21), Status::TooLarge, Status::TooLarge},
                      LimitCase{"TwentyOneSlashElements", repeat("/ ", 21) + "1", Status::TooLarge, Status::TooLarge},
                      LimitCase{"TooBigPositive", "2147483648", Status::Ok, Status::OutOfRange},
                      LimitCase{"TooBigNegative", "-2147483649", Status::Ok, Status::OutOfRange},
                      LimitCase{"FortyDigits", "1234567890123456789012345678901234567890", Status::Ok, Status::OutOfRange},
                      LimitCase{"TooBigDenominator", "1/2147483648", Status::Ok, Status::OutOfRange},
                      LimitCase{"BackInRange", "-2147483648-9", Status::Ok, Status::OutOfRange},
                      LimitCase{"SizeBeforeValue", repeat("1 ", 21) + "99999999999", Status::TooLarge, Status::TooLarge},
                      LimitCase{"ValueBeforeSize", repeat("1 ", 20) + "99999999999", Status::TooLarge, Status::OutOfRange},
                      LimitCase{"ValueBeforeRows", "99999999999" + repeat("\r\n1", 20), Status::TooLarge, Status::OutOfRange},
                      // A decimal's scaled terms are held to 32 bits as typed.
                      LimitCase{"NineDecimalDigits", "0.000000001 -214748364.8", Status::Ok, Status::Ok},
                      LimitCase{"TwelveDecimalDigits", "0.000000000001 1/0", Status::Ok, Status::OutOfRange},
                      LimitCase{"DenominatorDecimalScalesNumerator", "2147483647/1.0", Status::Ok, Status::OutOfRange},
                      LimitCase{"NumeratorDecimalScalesDenominator", "1.5/2147483647", Status::Ok, Status::OutOfRange},
                      LimitCase{"SizeBeforeDecimal", repeat("1 ", 20) + "0.000000000001", Status::TooLarge, Status::TooLarge}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace matcalc
