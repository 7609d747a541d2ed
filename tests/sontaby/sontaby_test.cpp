// Sontaby's command handler: the listed operations, the refusals
// and their order, the range and size errors of either box, the order in
// which the window is consulted, and a compute nested in an open result box.
// The randomized comparison with exact rationals is in the cross-checks.
#include "sontaby.h"

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

Box result(const std::string& text) { return {Owner::None, "计算完毕", text}; }
const Box kMatrixWrong{Owner::Dialog, "Error", "矩阵有误"};
const Box kChooseOperation{Owner::Dialog, "Error", "请选择计算方式"};

constexpr int kNone = 0;
constexpr int kSum = kSontabySumButton;
constexpr int kDifference = kSontabyDifferenceButton;
constexpr int kScalar = kSontabyScalarButton;
constexpr int kProduct = kSontabyProductButton;

struct Case {
  const char* matrix1;
  const char* matrix2;
  int radio;
  Box shown;
};

void expectCases(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    DialogDriver dialog(kSontabyInfo);
    dialog.type(kSontabyMatrix1Box, c.matrix1).type(kSontabyMatrix2Box, c.matrix2).check(c.radio);
    EXPECT_EQ(dialog.press(kComputeButton), std::vector<Box>{c.shown})
        << "matrix 1 \"" << c.matrix1 << "\", matrix 2 \"" << c.matrix2 << "\", radio " << c.radio;
  }
}

// The table of edge cases, row by row.
TEST(Sontaby, ListedEdgeCases) {
  expectCases({
      {"1 2\n3 4", "5 6\n7 8", kSum, result("6 8 \n10 12 \n")},
      {"1 2\n3 4", "5 6\n7 8", kDifference, result("-4 -4 \n-4 -4 \n")},
      {"1 2\n3 4", "5 6\n7 8", kProduct, result("19 22 \n43 50 \n")},
      {"1 2\n3 4", "5 6\n7 8", kScalar, result("5 10 \n15 20 \n")},
      {"1/2", "1/3", kDifference, result("1/6 \n")},
      {"1/2", "1/2", kDifference, result("0 \n")},
      {"-3", "1/2", kSum, result("-5/2 \n")},
      {"4/8", "0", kSum, result("1/2 \n")},
      {"1/2 3", "2/3", kScalar, result("1/3 2 \n")},
      {"1 -2", "-1/2", kScalar, result("-1/2 1 \n")},
      {"1 2\n3 4", "5\n6", kProduct, result("17 \n39 \n")},
      {"1/2 1/3", "1/4\n1/5", kProduct, result("23/120 \n")},
      {"1 2 3", "1 2", kProduct, kMatrixWrong},
      {"1 2\n3 4", "1 2 3\n4 5 6", kSum, kMatrixWrong},
      {"1 2\n", "1 2", kSum, result("2 4 \n")},  // a final line break adds no row
      {"1 2\n3 4", "5 6\n7 8", kNone, kChooseOperation},
      {"", "", kSum, result("\n")},
      {"1/0", "1", kSum, result("1/0 \n")},
      {"1 2\n3 4", " 5 6\n7 8", kSum, result("6 8 \n10 12 \n")},
  });
}

// The tests run in their order, each only for its operation.
TEST(Sontaby, Validation) {
  expectCases({
      {"1 2\n3 4", "1 2 3\n4 5 6", kDifference, kMatrixWrong},
      {"1 2\n3 4", "1 2\n3 4\n5 6", kDifference, kMatrixWrong},  // rows differ, columns agree
      {"1 2\n3 4", "9", kScalar, result("9 18 \n27 36 \n")},    // the scalar multiple has no test
      {"1 2 3", "1\n2\n3\n4", kProduct, kMatrixWrong},
      {"", "1", kProduct, kMatrixWrong},                         // cols1 is 0, rows2 at least 1
      {"1 2 3", "1 2", kNone, kChooseOperation},                  // a shape would fail, none chosen
      {"", "", kNone, kChooseOperation},
      // The column count looks at the first line only.
      {"1 2\n3", "1 1\n1 1", kSum, result("2 3 \n4 1 \n")},
  });
}

// Sound behaviour: a cell a text does not fill is 0; zero denominators are
// carried, never divided by.
TEST(Sontaby, UnwrittenCellsAndZeroDenominators) {
  expectCases({
      {"1 2\n3", "1 2\n4", kSum, result("2 4 \n7 0 \n")},
      {"1 2\n3", "1 0\n0 1", kProduct, result("1 2 \n3 0 \n")},
      {"1/2 3\n-4 5", "", kScalar, result("0 0 \n0 0 \n")},
      {"1 2", "-2 7 7\n7 7 7", kScalar, result("-2 -4 \n")},
      {"1/0 2", "1/0 1/0", kSum, result("0 1/0 \n")},
      {"1/0 2", "1/0 1/0", kDifference, result("0 -1/0 \n")},
      {"1/0 2", "1/0 1/0", kScalar, result("1/0 2/0 \n")},
      {"1/0 2", "3\n1/0", kProduct, result("0 \n")},  // the running sum 0/0 takes the denominator 1
      {"1/2 1/2", "1\n-1", kProduct, result("0 \n")},
      {"1/6 1/6 1/6", "1\n1\n1", kProduct, result("1/2 \n")},
      {"1 2 3\n4 5 6", "1 0\n0 1\n1 1", kProduct, result("4 5 \n10 11 \n")},
  });
}

// Where the range test applies: each stored cell once reduced, each negation
// of the difference, and the product's running sum but not its term.
// Values beyond 32 bits after reading are exact. With a zero denominator in
// either text (here matrix 2's, outside the matrix), the texts are computed
// with 32-bit terms: every stored value is range-tested.
TEST(Sontaby, RangeOfStoredValues) {
  const Box range = rangeErrorBox();
  const struct {
    const char* matrix1;
    const char* matrix2;
    int radio;
    Box exact;
    Box with32BitTerms;
  } cases[] = {
      {"2147483646 -2147483647", "1 -1", kSum, result("2147483647 -2147483648 \n"),
       result("2147483647 -2147483648 \n")},
      {"2147483647", "1", kSum, result("2147483648 \n"), range},
      {"1/65536", "1/65537", kSum, result("131073/4295032832 \n"), range},
      {"-2147483648", "1", kDifference, result("-2147483649 \n"), range},
      {"-1", "2147483647", kDifference, result("-2147483648 \n"), result("-2147483648 \n")},
      // The negation, though -1 + 2147483648 fits.
      {"-1", "-2147483648", kDifference, result("2147483647 \n"), range},
      {"0 0", "0 -2147483648", kDifference, result("0 2147483648 \n"), range},
      {"-1", "-2147483648", kSum, result("-2147483649 \n"), range},
      {"-2147483648 2147483647", "1", kScalar, result("-2147483648 2147483647 \n"),
       result("-2147483648 2147483647 \n")},
      {"1 65536", "65536", kScalar, result("65536 4294967296 \n"), range},
      {"1/65536", "1/65536", kScalar, result("1/4294967296 \n"), range},
      {"65536", "65536", kProduct, result("4294967296 \n"), range},
      {"2147483647 1", "1\n1", kProduct, result("2147483648 \n"), range},
      // Intermediates beyond 32 bits whose reduced value fits are exact.
      {"65536/65536", "65536/65536", kSum, result("2 \n"), result("2 \n")},
      {"65536/65536", "65536/65536", kDifference, result("0 \n"), result("0 \n")},
      {"65536/65536", "65536/65536", kScalar, result("1 \n"), result("1 \n")},
      {"65536/65536", "65536/65536", kProduct, result("1 \n"), result("1 \n")},
      // The term 2^32/196608 is not tested; the running sum 65536/3 is.
      {"65536/3 1", "65536/65536\n-21845", kProduct, result("1/3 \n"), result("1/3 \n")},
  };
  for (const auto& c : cases) {
    expectCases({{c.matrix1, c.matrix2, c.radio, c.exact}});
    const std::string zeroDenominator = testing::withZeroDenominator(c.matrix2);
    expectCases({{c.matrix1, zeroDenominator.c_str(), c.radio, c.with32BitTerms}});
  }
}

std::string repeated(const std::string& piece, int times, const std::string& separator) {
  std::string out;
  for (int i = 0; i < times; ++i) out += (i > 0 ? separator : "") + piece;
  return out;
}

// Each box's reading errors are reported when that box is read: box 1006
// before box 1004, both before any radio button.
TEST(Sontaby, ReadingErrorsOfEitherBox) {
  const std::string rows20 = repeated("1", 20, "\n"), rows21 = rows20 + "\n1";
  const std::string line20 = repeated("1", 20, " "), line21 = line20 + " 1";
  expectCases({
      {rows20.c_str(), rows20.c_str(), kSum, result(repeated("2 \n", 20, ""))},
      {line20.c_str(), line20.c_str(), kSum, result(repeated("2 ", 20, "") + "\n")},
      {rows21.c_str(), "1", kSum, sizeErrorBox()},
      {line21.c_str(), "1", kSum, sizeErrorBox()},
      {"1", rows21.c_str(), kSum, sizeErrorBox()},
      {"1", line21.c_str(), kProduct, sizeErrorBox()},
      // Beyond 32 bits numbers are read exactly, unless either box has a
      // zero denominator: then the first fault in text order decides.
      {"2147483648", "1", kSum, result("2147483649 \n")},
      {"1", "1/2147483648", kSum, result("2147483649/2147483648 \n")},
      {"2147483648 / ", "1", kSum, rangeErrorBox()},
      {"2147483648", "1/0", kSum, rangeErrorBox()},
      {"1", "1/2147483648 / ", kSum, rangeErrorBox()},
      {rows21.c_str(), "2147483648 / ", kSum, sizeErrorBox()},   // box 1006 first
      {"2147483648", rows21.c_str(), kSum, sizeErrorBox()},
      {"2147483648 / ", rows21.c_str(), kSum, rangeErrorBox()},
      {"1 2 3", rows21.c_str(), kNone, sizeErrorBox()},          // before the radio buttons
      {"-2147483649", "", kNone, kChooseOperation},
      {"-2147483649 / ", "", kNone, rangeErrorBox()},
  });
}

TEST(Sontaby, OverlongTextIsTheSizeError) {
  DialogDriver dialog(kSontabyInfo);
  dialog.check(kSum).type(kSontabyMatrix1Box, "1").typeBytes(kSontabyMatrix2Box, std::string(70000, ' '));
  EXPECT_EQ(dialog.press(kComputeButton), std::vector<Box>{sizeErrorBox()});
}

TEST(Sontaby, LongestResultIsShownWhole) {
  const std::string cell = "-2147483647/2147483646";
  const std::string line = repeated(cell, 20, " ");
  const std::string matrix = repeated(line, 20, "\n");
  DialogDriver dialog(kSontabyInfo);
  dialog.type(kSontabyMatrix1Box, matrix).type(kSontabyMatrix2Box, "1").check(kScalar);
  EXPECT_EQ(dialog.pressForText(kComputeButton), repeated(repeated(cell + " ", 20, "") + "\n", 20, ""));
}

TEST(Sontaby, OnlyComputeActs) {
  DialogDriver dialog(kSontabyInfo);
  dialog.type(kSontabyMatrix1Box, "1").type(kSontabyMatrix2Box, "1").check(kSum);
  for (const int id : {0, 1, 2, 1001, 1002, 1004, 1006, 1007, 1008, 1009, 1011, 65535}) {
    EXPECT_TRUE(dialog.press(id).empty()) << id;
  }
  EXPECT_EQ(dialog.press(kComputeButton), std::vector<Box>{result("2 \n")});
}

TEST(Sontaby, EachCommandStartsFromItsOwnTexts) {
  DialogDriver dialog(kSontabyInfo);
  dialog.type(kSontabyMatrix1Box, "1 2\n3 4").type(kSontabyMatrix2Box, "5 6\n7 8").check(kSum);
  EXPECT_EQ(dialog.pressForText(kComputeButton), "6 8 \n10 12 \n");
  // Smaller matrices next: nothing of the earlier command's cells remains.
  EXPECT_EQ(dialog.type(kSontabyMatrix1Box, "9 8\n7").type(kSontabyMatrix2Box, "1 1\n1").pressForText(kComputeButton),
            "10 9 \n8 0 \n");
  EXPECT_EQ(dialog.check(kDifference).pressForText(kComputeButton), "8 7 \n6 0 \n");
  EXPECT_EQ(dialog.check(kScalar).type(kSontabyMatrix2Box, "").pressForText(kComputeButton), "0 0 \n0 0 \n");
}

// A window that logs each call the handler makes, in order.
class LoggingWindow : public RecordingWindow {
 public:
  std::vector<std::string> calls;
  std::size_t readText(int id, char* buffer, std::size_t count) override {
    calls.push_back("read " + std::to_string(id) + " " + std::to_string(count));
    return RecordingWindow::readText(id, buffer, count);
  }
  bool isChecked(int id) override {
    calls.push_back("checked " + std::to_string(id));
    return RecordingWindow::isChecked(id);
  }
  void showMessage(Owner owner, const char* text, const char* caption) override {
    calls.push_back("box");
    RecordingWindow::showMessage(owner, text, caption);
  }
};

// Both boxes are read, box 1006 first, before any radio button is asked;
// a fault of reading in either ends the command after both are read.
TEST(Sontaby, ReadsBothBoxesBeforeAnyRadioButton) {
  Sontaby handler;
  {
    LoggingWindow window;
    window.setText(kSontabyMatrix1Box, "1 2");
    window.setText(kSontabyMatrix2Box, "3 4");
    window.setChecked(kSum, true);
    handler.onCommand(window, kComputeButton);
    ASSERT_GE(window.calls.size(), 4u);
    EXPECT_EQ(window.calls[0].substr(0, 10), "read 1006 ");
    EXPECT_EQ(window.calls[1].substr(0, 10), "read 1004 ");
    EXPECT_EQ(window.calls[2].substr(0, 8), "checked ");
    EXPECT_EQ(window.calls.back(), "box");
    EXPECT_EQ(window.messages(), (std::vector<MessageRecord>{{Owner::None, "4 6 \n", std::string(texts::kResultCaption.view())}}));
  }
  {
    LoggingWindow window;
    window.setText(kSontabyMatrix1Box, "99999999999 / ");
    window.setChecked(kSum, true);
    handler.onCommand(window, kComputeButton);
    ASSERT_EQ(window.calls.size(), 3u);
    EXPECT_EQ(window.calls[0].substr(0, 10), "read 1006 ");
    EXPECT_EQ(window.calls[1].substr(0, 10), "read 1004 ");
    EXPECT_EQ(window.calls[2], "box");
  }
  {
    LoggingWindow window;
    window.setText(kSontabyMatrix2Box, "1/99999999999 / ");
    handler.onCommand(window, kComputeButton);
    ASSERT_EQ(window.calls.size(), 3u);
    EXPECT_EQ(window.calls[1].substr(0, 10), "read 1004 ");
    EXPECT_EQ(window.calls[2], "box");
  }
}

TEST(Sontaby, ComputeInsideAnOpenResultBox) {
  Sontaby handler;
  // The nested commands have their own storage and leave each open box's
  // text as it was.
  NestingWindow window(handler, {{{kSontabyMatrix1Box, "7"}, {kSontabyMatrix2Box, "3"}},
                                 {{kSontabyMatrix1Box, "1 1"}, {kSontabyMatrix2Box, "2 2"}}});
  window.setText(kSontabyMatrix1Box, "1 2\r\n3 4");  // as the edit box holds it
  window.setText(kSontabyMatrix2Box, "5 6\r\n7 8");
  window.setChecked(kSum, true);
  handler.onCommand(window, kComputeButton);
  // Boxes close innermost first; each kept its own text.
  EXPECT_EQ(window.closedTexts(), (std::vector<std::string>{"3 3 \n", "10 \n", "6 8 \n10 12 \n"}));
}

}  // namespace
}  // namespace matcalc
