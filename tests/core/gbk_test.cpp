// The compile-time GBK texts agree with the system's GBK conversion.
#include "gbk.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "texts.h"

namespace matcalc {
namespace {

std::string utf8ToGbk(const std::string& utf8) {
  iconv_t cd = iconv_open("GBK", "UTF-8");
  std::string out(utf8.size() * 2 + 4, '\0');
  char* in = const_cast<char*>(utf8.data());
  char* o = out.data();
  std::size_t inLeft = utf8.size(), outLeft = out.size();
  const std::size_t rc = iconv(cd, &in, &inLeft, &o, &outLeft);
  iconv_close(cd);
  EXPECT_NE(rc, static_cast<std::size_t>(-1)) << utf8;
  out.resize(out.size() - outLeft);
  return out;
}

std::string encodeUtf8(char32_t cp) {
  std::string s;
  if (cp < 0x800) {
    s += static_cast<char>(0xC0 | (cp >> 6));
  } else {
    s += static_cast<char>(0xE0 | (cp >> 12));
    s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
  }
  s += static_cast<char>(0x80 | (cp & 0x3F));
  return s;
}

TEST(GbkTable, EveryEntryMatchesTheSystemConversion) {
  for (const GbkEntry& e : kGbkTable) {
    const std::string want = utf8ToGbk(encodeUtf8(e.codePoint));
    ASSERT_EQ(want.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(want[0]), e.gbk >> 8) << std::hex << static_cast<unsigned>(e.codePoint);
    EXPECT_EQ(static_cast<unsigned char>(want[1]), e.gbk & 0xFF) << std::hex << static_cast<unsigned>(e.codePoint);
  }
}

TEST(GbkText, ConvertsWholeTexts) {
  EXPECT_EQ(std::string(texts::kOutOfRange.view()), utf8ToGbk("数值超出范围,无法精确计算"));
  EXPECT_EQ(std::string(texts::kTooLarge.view()), utf8ToGbk("矩阵不能超过20行20列"));
  EXPECT_EQ(std::string(texts::kErrorCaption.view()), "Error");
  EXPECT_EQ(texts::kResultCaption.c_str()[texts::kResultCaption.size], '\0');
}

}  // namespace
}  // namespace matcalc
