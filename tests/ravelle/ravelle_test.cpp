// Ravelle's command handler: which identifiers act, the order of its checks,
// the adjugates and inverses of the listed matrices, the boxes for values out
// of range and matrices too large, and commands that follow or nest in one
// another.
#include "ravelle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_driver.h"
#include "exact_reference.h"
#include "nesting_window.h"
#include "recording_window.h"
#include "texts.h"

namespace matcalc {
namespace {

using testing::Box;
using testing::DialogDriver;
using testing::NestingWindow;
using testing::rangeErrorBox;
using testing::sizeErrorBox;

const Box kChooseBox{Owner::Dialog, "Error", "请选择计算方式!"};
const Box kSingularBox{Owner::Dialog, "False !", "该矩阵的值为0,不存在逆矩阵!"};

Box result(const std::string& text) { return {Owner::None, "计算完毕", text}; }

struct ComputeCase {
  const char* typed;
  int choice;  // 0: no radio button chosen
  Box shown;
};

void expectCases(const std::vector<ComputeCase>& cases) {
  for (const ComputeCase& c : cases) {
    DialogDriver dialog(kRavelleInfo);
    EXPECT_EQ(dialog.type(kMatrixBox, c.typed).check(c.choice).press(kComputeButton), std::vector<Box>{c.shown})
        << c.typed << " with " << c.choice;
  }
}

constexpr int kAdj = kAdjugateRadio;
constexpr int kInv = kInverseRadio;

TEST(Ravelle, ListedResults) {
  expectCases({
      {"1 2\n3 4", kAdj, result("4 -2 \n-3 1 \n")},
      {"1 2\n3 4", kInv, result("-2 1 \n3/2 -1/2 \n")},
      {"1 2\n2 4", kInv, kSingularBox},
      {"1 2\n2 4", kAdj, result("4 -2 \n-2 1 \n")},
      {"1/2 1/3\n1/4 1/5", kInv, result("12 -20 \n-15 30 \n")},
      {"0 1 2\n1 0 3\n4 -3 8", kInv, result("-9/2 7 -3/2 \n-2 4 -1 \n3/2 -2 1/2 \n")},
      {"0 1 2\n1 0 3\n4 -3 8", kAdj, result("9 -14 3 \n4 -8 2 \n-3 4 -1 \n")},
      {"1 2 3\n4 5 6\n7 8 10", kInv, result("-2/3 -4/3 1 \n-2/3 11/3 -2 \n1 -2 1 \n")},
      {"2 0 0\n0 3 0\n0 0 4", kInv, result("1/2 0 0 \n0 1/3 0 \n0 0 1/4 \n")},
      {"5", kInv, result("1/5 \n")},
      {"-5", kInv, result("-1/5 \n")},
      {"0", kInv, kSingularBox},
      {"0", kAdj, result("1 \n")},
      {"-7/3", kAdj, result("1 \n")},
      {"-7/3", kInv, result("-3/7 \n")},
  });
}

TEST(Ravelle, SingularMatricesHaveAnAdjugateButNoInverse) {
  expectCases({
      {"1 2 3\n4 5 6\n7 8 9", kAdj, result("-3 6 -3 \n6 -12 6 \n-3 6 -3 \n")},
      {"1 2 3\n4 5 6\n7 8 9", kInv, kSingularBox},
      {"0 0\n0 0", kAdj, result("0 0 \n0 0 \n")},
      {"0 0\n0 5", kInv, kSingularBox},
      {"0 0\n0 5", kAdj, result("5 0 \n0 0 \n")},
  });
}

TEST(Ravelle, TextThatIsNotSquare) {
  expectCases({
      // The row count decides the size: a third column is not read.
      {"1 2 9\n3 4 9", kAdj, result("4 -2 \n-3 1 \n")},
      // A short row leaves its missing cells 0.
      {"2 3\n4", kAdj, result("0 -3 \n-4 2 \n")},
      // A line break after the last row adds no row.
      {"1 2\n3 4\n", kAdj, result("4 -2 \n-3 1 \n")},
      {"1 2\n3 4\n", kInv, result("-2 1 \n3/2 -1/2 \n")},
      // An empty box is one row with no element: the matrix (0).
      {"", kInv, kSingularBox},
      {"", kAdj, result("1 \n")},
  });
}

TEST(Ravelle, SignsAndZeroDenominators) {
  expectCases({
      // A negative pivot leaves negative denominators until the normalisation.
      {"-1 1\n1 1", kInv, result("-1/2 1/2 \n1/2 1/2 \n")},
      {"-1 2\n3 -4", kInv, result("2 1 \n3/2 1/2 \n")},
      // Zero denominators are carried as typed: 1/0 has the inverse 0/1. A
      // line break right after 1/0 would not end the row, hence the blank.
      {"1/0", kInv, result("0 \n")},
      {"2 1/0 \n0 1", kAdj, result("1 -1/0 \n0 2 \n")},
  });
}

// Values beyond 32 bits: exact results; with a zero denominator in the text
// (outside the matrix), the range error wherever a value read or stored
// leaves 32 bits.
struct Beyond32BitsCase {
  const char* typed;
  int choice;
  Box exact;
  Box with32BitTerms;
};

TEST(Ravelle, ValuesBeyond32Bits) {
  const Beyond32BitsCase cases[] = {
      {"2147483648", kInv, result("1/2147483648 \n"), rangeErrorBox()},  // the reader
      // The determinant, also for the adjugate.
      {"65536 0\n0 65536", kInv, result("1/65536 0 \n0 1/65536 \n"), rangeErrorBox()},
      {"65536 0\n0 65536", kAdj, result("65536 0 \n0 65536 \n"), rangeErrorBox()},
      // The determinant fits, cofactor (1, 1) is 2^32.
      {"1/65536 0 0\n0 65536 0\n0 0 65536", kAdj, result("4294967296 0 0 \n0 1 0 \n0 0 1 \n"), rangeErrorBox()},
      {"1/65536 0 0\n0 65536 0\n0 0 65536", kInv, result("65536 0 0 \n0 1/65536 0 \n0 0 1/65536 \n"),
       rangeErrorBox()},
      {"1/65536 0 0\n0 65536 0\n0 0 1", kInv, result("65536 0 0 \n0 1/65536 0 \n0 0 1 \n"),
       result("65536 0 0 \n0 1/65536 0 \n0 0 1 \n")},
      // The division into the inverse: -2 * 1073741825 does not fit.
      {"1 2\n1/2 1073741826/1073741825", kInv, result("1073741826 -2147483650 \n-1073741825/2 1073741825 \n"),
       rangeErrorBox()},
      {"1 2\n1/2 1073741826/1073741825", kAdj, result("1073741826/1073741825 -2 \n-1/2 1 \n"),
       result("1073741826/1073741825 -2 \n-1/2 1 \n")},
      // -2 * 1073741824 just fits.
      {"1 2\n1/2 1073741825/1073741824", kInv, result("1073741825 -2147483648 \n-536870912 1073741824 \n"),
       result("1073741825 -2147483648 \n-536870912 1073741824 \n")},
      // The sign normalisation of 1/-2147483648.
      {"-2147483648", kInv, result("-1/2147483648 \n"), rangeErrorBox()},
      {"-2147483647", kInv, result("-1/2147483647 \n"), result("-1/2147483647 \n")},
  };
  for (const Beyond32BitsCase& c : cases) {
    for (const bool zeroDenominator : {false, true}) {
      const std::string typed = zeroDenominator ? testing::withZeroDenominator(c.typed) : c.typed;
      DialogDriver dialog(kRavelleInfo);
      EXPECT_EQ(dialog.type(kMatrixBox, typed).check(c.choice).press(kComputeButton),
                std::vector<Box>{zeroDenominator ? c.with32BitTerms : c.exact})
          << typed << " with " << c.choice;
    }
  }
}

std::string lines(int count, const std::string& line) {
  std::string text;
  for (int i = 0; i < count; ++i) text += (i > 0 ? "\n" : "") + line;
  return text;
}

TEST(Ravelle, SizeLimits) {
  DialogDriver dialog(kRavelleInfo);
  dialog.check(kInv);
  EXPECT_EQ(dialog.type(kMatrixBox, lines(21, "1")).press(kComputeButton), std::vector<Box>{sizeErrorBox()});
  EXPECT_EQ(dialog.type(kMatrixBox, lines(21, "1\n")).press(kComputeButton), std::vector<Box>{sizeErrorBox()});
  std::string line = "1";
  for (int c = 2; c <= 21; ++c) line += " 1";
  EXPECT_EQ(dialog.type(kMatrixBox, line).press(kComputeButton), std::vector<Box>{sizeErrorBox()});
  line.resize(line.size() - 2);  // 20 elements on a line fit
  EXPECT_EQ(dialog.type(kMatrixBox, line).press(kComputeButton), std::vector<Box>{result("1 \n")});
  std::string overlong(65535, ' ');
  overlong[0] = '7';
  EXPECT_EQ(dialog.typeBytes(kMatrixBox, overlong).press(kComputeButton), std::vector<Box>{sizeErrorBox()});
  overlong.pop_back();
  EXPECT_EQ(dialog.typeBytes(kMatrixBox, overlong).press(kComputeButton), std::vector<Box>{result("1/7 \n")});
}

TEST(Ravelle, WholeTwentyByTwentyResult) {
  // Ones on and above the diagonal: the inverse has 1 on the diagonal and -1
  // just above it; the adjugate is the same, the determinant being 1.
  std::string typed, shown;
  for (int r = 1; r <= 20; ++r) {
    for (int c = 1; c <= 20; ++c) {
      typed += std::string(c > 1 ? " " : "") + (c >= r ? "1" : "0");
      shown += c == r ? "1 " : c == r + 1 ? "-1 " : "0 ";
    }
    typed += r < 20 ? "\n" : "";
    shown += "\n";
  }
  expectCases({{typed.c_str(), kInv, result(shown)}, {typed.c_str(), kAdj, result(shown)}});
}

TEST(Ravelle, OperationIsCheckedBeforeAnythingIsRead) {
  DialogDriver dialog(kRavelleInfo);
  for (const char* typed : {"1 2\n3 4", "0", "2147483648", "65536 0\n0 65536"}) {
    EXPECT_EQ(dialog.type(kMatrixBox, typed).press(kComputeButton), std::vector<Box>{kChooseBox}) << typed;
  }
  EXPECT_EQ(dialog.typeBytes(kMatrixBox, std::string(65535, '1')).press(kComputeButton), std::vector<Box>{kChooseBox});
}

TEST(Ravelle, OnlyComputeAndHelpAct) {
  DialogDriver dialog(kRavelleInfo);
  dialog.type(kMatrixBox, "1 2\n3 4").check(kInv);
  for (const int id : {0, 1, 2, 1001, 1002, 1003, 1004, 1006, 1007, 1008, 65535}) {
    EXPECT_TRUE(dialog.press(id).empty()) << id;
  }
  EXPECT_EQ(dialog.press(kComputeButton), std::vector<Box>{result("-2 1 \n3/2 -1/2 \n")});
}

TEST(Ravelle, HelpBox) {
  const std::string expected = std::string(
      "分数Ravellev1.0是一款可以对矩阵的逆进行计算的免费程序,\n"
      "本程序引入了分数算法,可以对分数元素计算并得出分数结果。\n"
      "\n"
      "使用方法:\n"
      "\n"
      "   ①在编辑框中输入矩阵,整数原样输入,小数按分数的形\n"
      "   式输入(例如:3.14应输入314/100)，每个元素间用空格分开。\n"
      "\n"
      "   注意:最后一行输入完毕后请不能换行,否则计算会出现错误!\n"
      "\n"
      "    如有疑问,请到此留言" MATCALC_QUESTIONS_ADDRESS "\n"
      "\n") + std::string(37, ' ') + "Program by Pemberlo";
  DialogDriver dialog(kRavelleInfo);
  // The same box with or without a choice, and whatever the edit box holds.
  EXPECT_EQ(dialog.press(kRavelleHelpButton), (std::vector<Box>{{Owner::None, "LumoRavellev1.0使用说明", expected}}));
  dialog.type(kMatrixBox, "2147483648").check(kAdj);
  EXPECT_EQ(dialog.press(kRavelleHelpButton), (std::vector<Box>{{Owner::None, "LumoRavellev1.0使用说明", expected}}));
}

TEST(Ravelle, EachCommandStartsFromItsOwnText) {
  DialogDriver dialog(kRavelleInfo);
  dialog.check(kInv);
  EXPECT_EQ(dialog.type(kMatrixBox, "1 2 3\n4 5 6\n7 8 10").press(kComputeButton),
            std::vector<Box>{result("-2/3 -4/3 1 \n-2/3 11/3 -2 \n1 -2 1 \n")});
  // Cells of the earlier matrix must not fill the short row.
  EXPECT_EQ(dialog.type(kMatrixBox, "2 3\n4").press(kComputeButton), std::vector<Box>{result("0 1/4 \n1/3 -1/6 \n")});
  EXPECT_EQ(dialog.type(kMatrixBox, "1 2\n2 4").press(kComputeButton), std::vector<Box>{kSingularBox});
  EXPECT_EQ(dialog.type(kMatrixBox, "1 2\n3 4").press(kComputeButton), std::vector<Box>{result("-2 1 \n3/2 -1/2 \n")});
  EXPECT_EQ(dialog.check(kAdj).press(kComputeButton), std::vector<Box>{result("4 -2 \n-3 1 \n")});
  EXPECT_EQ(dialog.type(kMatrixBox, "65536 0 / \n0 65536").press(kComputeButton), std::vector<Box>{rangeErrorBox()});
  EXPECT_EQ(dialog.type(kMatrixBox, "65536 0\n0 65536").press(kComputeButton),
            std::vector<Box>{result("65536 0 \n0 65536 \n")});
  EXPECT_EQ(dialog.type(kMatrixBox, "5").press(kComputeButton), std::vector<Box>{result("1 \n")});
}

TEST(Ravelle, ComputeInsideAnOpenResultBox) {
  const auto handler = kRavelleInfo.makeHandler();
  NestingWindow window(*handler, {{{kMatrixBox, "5 0 0\r\n0 4 0\r\n0 0 2"}}});
  window.setText(kMatrixBox, "1 2\r\n3 4");
  window.setChecked(kInverseRadio, true);
  handler->onCommand(window, kComputeButton);
  ASSERT_EQ(window.messages().size(), 2u);
  EXPECT_EQ(window.messages()[0].text, "-2 1 \n3/2 -1/2 \n");
  EXPECT_EQ(window.messages()[1].text, "1/5 0 0 \n0 1/4 0 \n0 0 1/2 \n");
  // The first box still shows its own text once the second is closed.
  EXPECT_EQ(window.closedTexts(), (std::vector<std::string>{"1/5 0 0 \n0 1/4 0 \n0 0 1/2 \n", "-2 1 \n3/2 -1/2 \n"}));
}

}  // namespace
}  // namespace matcalc
