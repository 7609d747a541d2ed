// Conversions between the console's UTF-8 and the GBK of the edit boxes.
#include "encoding.h"

#include <gtest/gtest.h>

#include "character_codec.h"
#include "reading_characters.h"

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

// A character GBK lacks that the reader reads as an ASCII one becomes that
// character, one byte as the "?" would be; one GBK has stays as typed.
TEST(EditBoxText, WhatGbkLacksButStandsForAsciiBecomesIt) {
  EXPECT_EQ(editBoxText("1\u00A02\u2009" "3\u2212" "4\u2044" "5"), "1 2 3-4/5");
  EXPECT_EQ(editBoxText("\uFF11\u3000\uFF0D"), "\xA3\xB1\xA1\xA1\xA3\xAD");
}

// The GBK code of each stand-in, or its absence from GBK, as the platform's
// own conversion has it.
TEST(StandIns, GbkCodesAreThePlatforms) {
  for (const StandIn& s : kStandIns) {
    std::string utf8;
    if (s.codePoint < 0x80) utf8 += static_cast<char>(s.codePoint);
    else if (s.codePoint < 0x800) utf8 += {static_cast<char>(0xC0 | (s.codePoint >> 6)), static_cast<char>(0x80 | (s.codePoint & 0x3F))};
    else utf8 += {static_cast<char>(0xE0 | (s.codePoint >> 12)), static_cast<char>(0x80 | ((s.codePoint >> 6) & 0x3F)),
                  static_cast<char>(0x80 | (s.codePoint & 0x3F))};
    std::string gbk;
    const bool converted = appendGbk(utf8, gbk);
    std::string expected;
    if (s.gbk > 0xFF) expected += static_cast<char>(s.gbk >> 8);
    if (s.gbk != 0) expected += static_cast<char>(s.gbk & 0xFF);
    EXPECT_EQ(converted, s.gbk != 0) << std::hex << static_cast<unsigned>(s.codePoint);
    EXPECT_EQ(gbk, expected) << std::hex << static_cast<unsigned>(s.codePoint);
  }
}

}  // namespace
}  // namespace matcalc::console
