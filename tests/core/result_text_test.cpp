// Cell texts, matrix result texts, and the room for the longest result.
#include "result_text.h"

#include <gtest/gtest.h>

#include <string>

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
    text.appendCell(c.value);
    EXPECT_EQ(text.view(), c.text);
  }
}

TEST(MatrixText, RowsEndInBlankAndLineFeed) {
  FractionGrid g;
  g.clear();
  g.set(1, 1, {1, 2});
  g.set(1, 2, {0, 7});
  g.set(2, 1, {-3, 1});
  g.set(2, 2, {4, 1});
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

TEST(MatrixText, LongestTwentyByTwentyFitsWhole) {
  FractionGrid g;
  for (int r = 1; r <= kMaxSide; ++r) {
    for (int c = 1; c <= kMaxSide; ++c) g.set(r, c, {-2147483647 - 1, -2147483647 - 1});
  }
  ResultText text;
  text.appendMatrix(g, kMaxSide, kMaxSide);
  text.appendLineEnd();
  for (int c = 1; c <= kMaxSide; ++c) text.appendCell(g.cell(c, c));
  EXPECT_EQ(text.view().size(), 20u * (20u * 24u + 1u) + 1u + 20u * 24u);
  EXPECT_EQ(text.view().substr(text.view().size() - 24), "-2147483648/-2147483648 ");
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
