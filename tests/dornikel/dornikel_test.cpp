// Dornikel's command handler: which identifiers act, who owns each box, and
// the result text for the listed matrices.
#include "dornikel.h"

#include <gtest/gtest.h>

#include "dialog_driver.h"

namespace matcalc {
namespace {

using testing::Box;
using testing::DialogDriver;

TEST(Dornikel, OnlyComputeAndHelpAct) {
  DialogDriver dialog(kDornikelInfo);
  dialog.type(kMatrixBox, "1 2\n3 4");
  for (const int id : {0, 1, 2, 1001, 1003, 1004, 1005, 65535}) EXPECT_TRUE(dialog.press(id).empty()) << id;
  EXPECT_EQ(dialog.press(kComputeButton), (std::vector<Box>{{Owner::Dialog, "计算完毕", "行列式的值为 -2"}}));
  const std::vector<Box> help = dialog.press(kDornikelHelpButton);
  ASSERT_EQ(help.size(), 1u);
  EXPECT_EQ(help[0].owner, Owner::None);
  EXPECT_EQ(help[0].caption, "LumoTamsoryv1.0使用说明");
}

TEST(Dornikel, HelpTextHasThirteenLines) {
  DialogDriver dialog(kDornikelInfo);
  const std::string text = dialog.pressForText(kDornikelHelpButton);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 12);
  EXPECT_EQ(text.find('\r'), std::string::npos);
  EXPECT_TRUE(text.starts_with("Dornikelv1.0是一款可以对行列式的值进行计算的免费程序,\n"));
  EXPECT_TRUE(text.ends_with("\n" + std::string(37, ' ') + "Program by Pemberlo"));
  EXPECT_NE(text.find("\n   式输入(例如:3.14应输入314/100)，每个元素间用空格分开。\n"), std::string::npos);
  EXPECT_NE(text.find("\n    如有疑问,请到此留言http"), std::string::npos);
}

struct DeterminantCase {
  const char* text;
  const char* shown;  // after "行列式的值为 "
};

TEST(Dornikel, ListedDeterminants) {
  const DeterminantCase cases[] = {
      {"7", "7"},           {"0/5", "0"},           {"1 2\n3 4", "-2"},        {"0 1\n1 0", "-1"},
      {"-1 1\n1 1", "-2"},  {"1/2 1/3\n1/4 1/5", "1/60"}, {"0 0\n0 5", "0"}, {"1 2\n2 4", "0"},
      {"5/0", "5/0"},       {"0 2 1\n0 1 1\n1 0 0", "1"},  {"1 2 3\n4 5 6\n7 8 10", "-3"},
      {"-2/4 1\n0 2", "-1"}, {"-6/4", "-3/2"},
  };
  for (const DeterminantCase& c : cases) {
    DialogDriver dialog(kDornikelInfo);
    EXPECT_EQ(dialog.type(kMatrixBox, c.text).pressForText(kComputeButton), std::string("行列式的值为 ") + c.shown) << c.text;
  }
}

TEST(Dornikel, EachCommandStartsFromItsOwnText) {
  DialogDriver dialog(kDornikelInfo);
  dialog.type(kMatrixBox, "1 2 3\n4 5 6\n7 8 10").press(kComputeButton);
  // A shorter matrix typed next: cells of the earlier one must not leak in.
  EXPECT_EQ(dialog.type(kMatrixBox, "2 3\n4").pressForText(kComputeButton), "行列式的值为 -12");
}

TEST(Dornikel, OverlongTextIsRefusedWhole) {
  DialogDriver dialog(kDornikelInfo);
  std::string text(65534, ' ');
  text[0] = '7';
  EXPECT_EQ(dialog.typeBytes(kMatrixBox, text).pressForText(kComputeButton), "行列式的值为 7");
  text += ' ';
  EXPECT_EQ(dialog.typeBytes(kMatrixBox, text).press(kComputeButton), std::vector<Box>{testing::sizeErrorBox()});
}

}  // namespace
}  // namespace matcalc
