// Cell texts, matrix result texts, and the room for the longest result.
#include "result_text.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "recording_window.h"
#include "texts.h"

namespace matcalc {
namespace {

TEST(CellText, ThreeCases) {
  struct Case {
    Fraction value;
    const char* text;
  };
  const Case cases[] = {
      {{0, 7}, "0 "},   {{0, 0}, "0 "},     {{0, -3}, "0 "},       {{5, 1}, "5 "},
      {{-3, 1}, "-3 "}, {{1, 2}, "1/2 "},   {{3, -4}, "3/-4 "},    {{5, 0}, "5/0 "},
      {{-2147483647 - 1, -2147483647 - 1}, "-2147483648/-2147483648 "}, {{2147483647, 1}, "2147483647 "},
  };
  for (const Case& c : cases) {
    ResultText text;
    text.appendCell(c.value.num, c.value.den);
    EXPECT_EQ(text.view(), c.text);
  }
}

TEST(MatrixText, RowsEndInBlankAndLineFeed) {
  FractionGrid g;

  for (const auto& [r, c, value] : {std::tuple{1, 1, Fraction{1, 2}}, std::tuple{1, 2, Fraction{0, 7}},
                                    std::tuple{2, 1, Fraction{-3, 1}}, std::tuple{2, 2, Fraction{4, 1}}}) {
    g.store(r, c, value);
  }
  ResultText text;
  text.appendMatrix(g, 2, 2);
  EXPECT_EQ(text.view(), "1/2 0 \n-3 4 \n");
}

TEST(MatrixText, RowWithoutColumnsIsALineEnd) {
  FractionGrid g;
  ResultText text;
  text.appendMatrix(g, 1, 0);
  EXPECT_EQ(text.view(), "\n");
}

// The text grows as needed: 400 cells of 1000-digit terms are shown whole.
TEST(MatrixText, AnyLengthIsWrittenWhole) {
  Integer big = 1;
  for (int i = 0; i < 1000; ++i) big = big * 10;  // 10^1000: "1" and 1000 zeros
  FractionGrid g;
  for (int r = 1; r <= kMaxSide; ++r) {
    for (int c = 1; c <= kMaxSide; ++c) g.store(r, c, {-big, big + 1});
  }
  ResultText text;
  text.appendMatrix(g, kMaxSide, kMaxSide);
  text.appendLineEnd();
  for (int c = 1; c <= kMaxSide; ++c) text.appendCell(g.num[c][c], g.den[c][c]);
  const std::string cell = "-1" + std::string(1000, '0') + "/1" + std::string(999, '0') + "1 ";
  EXPECT_EQ(text.view().size(), 20u * (20u * cell.size() + 1u) + 1u + 20u * cell.size());
  EXPECT_EQ(text.view().substr(0, cell.size()), cell);
  EXPECT_EQ(text.view().substr(text.view().size() - cell.size()), cell);
}

TEST(ShowResult, NoOwnerAndFinishedCaption) {
  RecordingWindow window;
  ResultText text;
  text.append("7 \n");
  showResult(window, text);
  ASSERT_EQ(window.messages().size(), 1u);
  EXPECT_EQ(window.messages()[0], (MessageRecord{Owner::None, "7 \n", std::string(texts::kResultCaption.view())}));
}

}  // namespace
}  // namespace matcalc
