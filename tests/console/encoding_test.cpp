// Conversions between the console's UTF-8 and the GBK of the edit boxes.
#include "encoding.h"

#include <gtest/gtest.h>

namespace matcalc::console {
namespace {

TEST(EditBoxText, LineFeedsBecomeCarriageReturnLineFeed) {
  EXPECT_EQ(editBoxText("1 2\n3 4"), "1 2\r\n3 4");
  EXPECT_EQ(editBoxText("\n\n"), "\r\n\r\n");
  EXPECT_EQ(editBoxText("1\r\n2\r3"), "1\r\n2\r3");  // CR LF stays, a lone CR too
  EXPECT_EQ(editBoxText(""), "");
}

TEST(EditBoxText, ChineseBecomesGbk) {
  EXPECT_EQ(editBoxText("计算"), "\xBC\xC6\xCB\xE3");
  EXPECT_EQ(toUtf8("\xBC\xC6\xCB\xE3"), "计算");
}

TEST(EditBoxText, WhatGbkLacksBecomesAQuestionMark) {
  EXPECT_EQ(editBoxText("1\xF0\x9F\x98\x80" "2"), "1?2");  // an emoji
  EXPECT_EQ(editBoxText("1\xFF" "2"), "1?2");              // not UTF-8
  EXPECT_EQ(editBoxText("\xE8\xAE"), "??");                // cut sequence
}

}  // namespace
}  // namespace matcalc::console
