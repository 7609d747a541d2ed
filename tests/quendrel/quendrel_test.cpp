// Quendrel's command handler: which identifiers act, the checks and their
// boxes, and the result text (eliminated matrix, diagonal, rank) for the
// listed matrices, and commands that follow or nest in one another.
#include "quendrel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_driver.h"
#include "encoding.h"
#include "exact_reference.h"
#include "nesting_window.h"

namespace matcalc {
namespace {

using testing::Box;
using testing::DialogDriver;

const Box kChooseBox{Owner::Dialog, "Error", "请选择计算方式"};
const Box kMatrixWrongBox{Owner::Dialog, "Error", "矩阵有误"};

Box resultBox(const std::string& text) { return {Owner::None, "计算完毕", text}; }

// The result of one compute command on `text` with radio button `radio`
// (0 for none) in a fresh dialog.
std::vector<Box> compute(const std::string& text, int radio = kQuendrelRankButton) {
  DialogDriver dialog(kQuendrelInfo);
  return dialog.type(kMatrixBox, text).check(radio).press(kComputeButton);
}

TEST(Quendrel, OnlyComputeActs) {
  DialogDriver dialog(kQuendrelInfo);
  dialog.type(kMatrixBox, "1 2\n3 4").check(kQuendrelRankButton);
  for (const int id : {0, 1, 2, 1001, 1002, 1004, 1005, 1006, 65535}) EXPECT_TRUE(dialog.press(id).empty()) << id;
  EXPECT_EQ(dialog.press(kComputeButton), std::vector<Box>{resultBox("1 2 \n0 -2 \n\n矩阵的秩为2")});
}

TEST(Quendrel, ControlsOfTheDialog) {
  EXPECT_EQ(kQuendrelInfo.name, "quendrel");
  EXPECT_EQ(std::vector<int>(kQuendrelInfo.editBoxes.begin(), kQuendrelInfo.editBoxes.end()), std::vector<int>{1004});
  EXPECT_EQ(std::vector<int>(kQuendrelInfo.radioButtons.begin(), kQuendrelInfo.radioButtons.end()),
            (std::vector<int>{1005, 1006}));
  EXPECT_EQ(std::vector<int>(kQuendrelInfo.pushButtons.begin(), kQuendrelInfo.pushButtons.end()), std::vector<int>{1000});
}

struct RankCase {
  const char* text;
  const char* shown;  // the whole result text
};

// The eliminated matrix exactly as forward elimination with repair by row
// addition leaves it, then the true rank of the matrix as typed.
TEST(Quendrel, EliminatedMatrixAndTrueRank) {
  const RankCase cases[] = {
      {"1 2\n3 4", "1 2 \n0 -2 \n\n矩阵的秩为2"},
      {"1 2\n2 4", "1 2 \n0 0 \n\n矩阵的秩为1"},
      {"2 4\n1 2", "2 4 \n0 0 \n\n矩阵的秩为1"},
      {"0 1\n1 0", "1 1 \n0 -1 \n\n矩阵的秩为2"},  // row 2 added to row 1, not exchanged
      {"0 0\n1 2", "1 2 \n0 0 \n\n矩阵的秩为1"},
      {"1 2 3\n4 5 6", "1 2 3 \n0 -3 -6 \n\n矩阵的秩为2"},
      {"1 2 3 4\n2 4 6 8", "1 2 3 4 \n0 0 0 0 \n\n矩阵的秩为1"},
      {"1 2\n3 4\n5 6", "1 2 \n0 -2 \n0 0 \n\n矩阵的秩为2"},
      {"1\n2\n3", "1 \n0 \n0 \n\n矩阵的秩为1"},
      {"1/2 1/3\n1/4 1/5", "1/2 1/3 \n0 1/30 \n\n矩阵的秩为2"},
      {"-2/4 2/4", "-2/4 1/2 \n\n矩阵的秩为1"},  // the final pass leaves a negative fraction's terms
      {"-1 1\n1 1", "-1 1 \n0 2 \n\n矩阵的秩为2"},  // -2/-1 left by the negative pivot becomes 2
      {"1 1 1\n1 1 1\n1 1 2", "1 1 1 \n0 0 0 \n0 0 1 \n\n矩阵的秩为2"},
      {"0 1 1\n0 1 1", "0 1 1 \n0 1 1 \n\n矩阵的秩为1"},
      {"1 0 0\n0 0 1", "1 0 0 \n0 0 1 \n\n矩阵的秩为2"},
      {"0 0\n0 0", "0 0 \n0 0 \n\n矩阵的秩为0"},
      {"5", "5 \n\n矩阵的秩为1"},
      {"", "\n\n矩阵的秩为0"},  // one row without cells
      {"1 2 3\n4 5 6\n7 8 10", "1 2 3 \n0 -3 -6 \n0 0 1 \n\n矩阵的秩为3"},
      {"0 0 1\n0 1 0\n1 0 0", "1 0 1 \n0 1 0 \n0 0 -1 \n\n矩阵的秩为3"},
      {"0 2\n0 4\n0 6", "0 2 \n0 4 \n0 0 \n\n矩阵的秩为1"},  // no pivot in column 1; [2][2] clears row 3
      {"2 4 6\n1 2 3\n3 6 9\n1 1 1", "2 4 6 \n0 -1 -2 \n0 0 0 \n0 0 0 \n\n矩阵的秩为2"},
      {"6/4 -6/4\n1 1", "3/2 -6/4 \n0 2 \n\n矩阵的秩为2"},
  };
  for (const RankCase& c : cases) EXPECT_EQ(compute(c.text), std::vector<Box>{resultBox(c.shown)}) << c.text;
}

// Texts that would make a repeated repair by row addition run for ever: a
// pivot beyond the last column with a nonzero cell below it.
TEST(Quendrel, RepairsBeyondTheLastColumnEnd) {
  const RankCase cases[] = {
      {"1\n0 0\n0 5", "1 \n0 \n0 \n\n矩阵的秩为1"},
      {"\n1 2", "1 2 \n\n矩阵的秩为1"},  // an empty first line adds no row
      {"1\n0 3\n0 0 7", "1 \n0 \n0 \n\n矩阵的秩为1"},
      {"2\n4\n0 0 9\n0 0 0 8", "2 \n0 \n0 \n0 \n\n矩阵的秩为1"},
  };
  for (const RankCase& c : cases) EXPECT_EQ(compute(c.text), std::vector<Box>{resultBox(c.shown)}) << c.text;
}

// A cell typed n/0 with n not 0 counts as nonzero; the elimination step
// carries its zero denominator, and the rows below it lose their cell in the
// pivot's column.
TEST(Quendrel, ZeroDenominators) {
  const RankCase cases[] = {
      {"1/0 1\n1 1", "1/0 1 \n0 1 \n\n矩阵的秩为2"},
      {"5/0", "1/0 \n\n矩阵的秩为1"},  // the final pass reduces a numerator of 2 or more
      {"-5/0 2/0", "-5/0 1/0 \n\n矩阵的秩为1"},
      {"0/0 0\n0 0", "0 0 \n0 0 \n\n矩阵的秩为0"},
      {"0 1/0 0\n0 2/0 0", "0 1/0 0 \n0 1/0 0 \n\n矩阵的秩为1"},
      {"1 1/0 1\n1 2 1", "1 1/0 1 \n0 -1/0 0 \n\n矩阵的秩为2"},
      {"1 1/0 1\n2 1/0 2", "1 1/0 1 \n0 0 0 \n\n矩阵的秩为1"},
  };
  for (const RankCase& c : cases) EXPECT_EQ(compute(c.text), std::vector<Box>{resultBox(c.shown)}) << c.text;
}

// The diagonal branch: a square matrix shows its eliminated diagonal under
// "特征值为 " and no rank; any other shape is refused.
TEST(Quendrel, DiagonalBranch) {
  const RankCase cases[] = {
      {"1 2\n3 4", "1 2 \n0 -2 \n\n特征值为 1 -2 "},
      {"5", "5 \n\n特征值为 5 "},
      {"0 1\n1 0", "1 1 \n0 -1 \n\n特征值为 1 -1 "},
      {"1/2 1/3\n1/4 1/5", "1/2 1/3 \n0 1/30 \n\n特征值为 1/2 1/30 "},
      {"1 2 3\n4 5 6\n7 8 10", "1 2 3 \n0 -3 -6 \n0 0 1 \n\n特征值为 1 -3 1 "},
  };
  for (const RankCase& c : cases) {
    EXPECT_EQ(compute(c.text, kQuendrelEigenvalueButton), std::vector<Box>{resultBox(c.shown)}) << c.text;
  }
  for (const char* text : {"1 2 3\n3 4 5", "1 2\n3 4\n5 6", "", "1 2"}) {
    EXPECT_EQ(compute(text, kQuendrelEigenvalueButton), std::vector<Box>{kMatrixWrongBox}) << text;
  }
}

TEST(Quendrel, NoChoiceIsRefusedWhateverTheText) {
  for (const char* text : {"1 2\n3 4", "", "1 2 3\n3 4 5", "x", "99999999999", "99999999999 / "}) {
    // The reading comes first: a text out of range as typed shows that box
    // instead.
    const std::vector<Box> expected{std::string(text) == "99999999999 / " ? testing::rangeErrorBox() : kChooseBox};
    EXPECT_EQ(compute(text, 0), expected) << text;
  }
}

// Errors of reading and of computing end the command with one box owned by
// the dialog.
// Values beyond 32 bits: exact terms of any size; with a zero denominator in
// the text (outside the matrix), the range error where a value read or
// stored leaves 32 bits. The size error either way.
TEST(Quendrel, RangeAndSizeErrors) {
  const Box range = testing::rangeErrorBox(), size = testing::sizeErrorBox();
  const struct {
    const char* text;
    Box exact;
    Box with32BitTerms;
  } cases[] = {
      {"2147483648", resultBox("2147483648 \n\n矩阵的秩为1"), range},
      {"1/2147483648 1", resultBox("1/2147483648 1 \n\n矩阵的秩为1"), range},
      // The elimination leaves 32 bits.
      {"65536 1\n1 65536", resultBox("65536 1 \n0 4294967295/65536 \n\n矩阵的秩为2"), range},
      // The repair's sum leaves 32 bits.
      {"0 2147483647\n1 1", resultBox("1 2147483648 \n0 -2147483647 \n\n矩阵的秩为2"), range},
      // Normalising -2147483648/-3.
      {"-1 1\n1 2147483645/3", resultBox("-1 1 \n0 2147483648/3 \n\n矩阵的秩为2"), range},
      {"1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1", size, size},
      {"1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n", size, size},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(compute(c.text), std::vector<Box>{c.exact}) << c.text;
    EXPECT_EQ(compute(testing::withZeroDenominator(c.text)), std::vector<Box>{c.with32BitTerms}) << c.text;
    EXPECT_EQ(compute(c.text, kQuendrelEigenvalueButton).size(), 1u) << c.text;
  }
}

// The rank is exact with terms of any size, so it never ends a command in
// the range error, not even in a text computed with 32-bit terms.
TEST(Quendrel, RankIsNeverTheRangeError) {
  for (const std::string text : {"0 46341 2\n65535 1 3\n1 65536 0", "0 46341 2 / \n65535 1 3\n1 65536 0"}) {
    const std::vector<Box> boxes = compute(text);
    ASSERT_EQ(boxes.size(), 1u) << text;
    EXPECT_EQ(boxes[0].owner, Owner::None) << text;
    EXPECT_TRUE(boxes[0].text.ends_with("\n\n矩阵的秩为3")) << boxes[0].text;
  }
}

TEST(Quendrel, TwentyByTwentyIsAccepted) {
  std::string text;
  std::string expected;
  for (int r = 1; r <= 20; ++r) {
    for (int c = 1; c <= 20; ++c) {
      text += c >= r ? "1" : "0";
      text += c < 20 ? " " : r < 20 ? "\n" : "";
      expected += c >= r ? "1 " : "0 ";
    }
    expected += "\n";
  }
  EXPECT_EQ(compute(text), std::vector<Box>{resultBox(expected + "\n矩阵的秩为20")});
}

// Two commands in a row: the second sees only its own text, never cells the
// first one left in the grid.
TEST(Quendrel, EachCommandStartsFromItsOwnText) {
  DialogDriver dialog(kQuendrelInfo);
  dialog.check(kQuendrelRankButton);
  EXPECT_EQ(dialog.type(kMatrixBox, "1 2 3\n4 5 6\n7 8 10").pressForText(kComputeButton),
            "1 2 3 \n0 -3 -6 \n0 0 1 \n\n矩阵的秩为3");
  EXPECT_EQ(dialog.type(kMatrixBox, "1 2\n3 4").pressForText(kComputeButton), "1 2 \n0 -2 \n\n矩阵的秩为2");
  // Ragged: the cells a short line leaves are 0, not what the first command left.
  EXPECT_EQ(dialog.type(kMatrixBox, "1 2 3\n4 5 6\n7 8 10").pressForText(kComputeButton),
            "1 2 3 \n0 -3 -6 \n0 0 1 \n\n矩阵的秩为3");
  EXPECT_EQ(dialog.type(kMatrixBox, "1 2 3\n4\n7 8").pressForText(kComputeButton),
            "1 2 3 \n0 -8 -12 \n0 0 -12 \n\n矩阵的秩为3");
  // A command that ends in an error box leaves nothing behind either.
  EXPECT_EQ(dialog.type(kMatrixBox, "9 9 9 / \n9 9 9\n9 9 99999999999").press(kComputeButton),
            std::vector<Box>{testing::rangeErrorBox()});
  EXPECT_EQ(dialog.type(kMatrixBox, "1 2\n3").pressForText(kComputeButton), "1 2 \n0 -6 \n\n矩阵的秩为2");
}

// A compute inside the open result box, and one inside that: each box keeps
// its own text.
TEST(Quendrel, ComputeInsideAnOpenResultBox) {
  const auto handler = kQuendrelInfo.makeHandler();
  testing::NestingWindow window(*handler, {{{kMatrixBox, "2 0\r\n0 3"}}, {{kMatrixBox, "0 1 1"}}});
  window.setText(kMatrixBox, "1 2 3\r\n4 5 6\r\n7 8 10");
  window.setChecked(kQuendrelRankButton, true);
  handler->onCommand(window, kComputeButton);
  std::vector<std::string> closed;
  for (const std::string& text : window.closedTexts()) closed.push_back(console::toUtf8(text));
  EXPECT_EQ(closed, (std::vector<std::string>{"0 1 1 \n\n矩阵的秩为1", "2 0 \n0 3 \n\n矩阵的秩为2",
                                              "1 2 3 \n0 -3 -6 \n0 0 1 \n\n矩阵的秩为3"}));
}

}  // namespace
}  // namespace matcalc
