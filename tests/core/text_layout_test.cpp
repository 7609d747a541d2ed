// The result window's layout: tables of matrix rows, wrapped lines, and the
// way between positions in the text and places on the screen.
#include "text_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace matcalc {
namespace {

// Widths as a proportional font has them: digits 6, '-' 4, '/' 3, a blank
// 3, anything else (a Chinese character) 12.
int advance(wchar_t ch) {
  if (ch >= L'0' && ch <= L'9') return 6;
  if (ch == L'-') return 4;
  if (ch == L'/' || ch == L' ') return 3;
  return 12;
}

constexpr int kGap = 6;

// A matrix result, the empty line after its last line feed, and lines
// that are not rows (Quendrel's closing blocks).
const std::wstring kQuendrel = L"1/2 -30 7 \r\n-1 4/9 123456 \r\n\r\n特征值为 1/2 4/9 \r\n矩阵的秩为2";
const std::wstring kWide = L"行列式的值为 -1234567890123456789012345 12/5";

TEST(TextLayout, RowsOfAMatrixAreATableWithTheRightEndsOfEachColumnLinedUp) {
  const TextLayout layout = TextLayout::rows(kQuendrel, advance, kGap);
  ASSERT_EQ(layout.lineCount(), 5u);
  const auto row1 = layout.pieces(0);
  const auto row2 = layout.pieces(1);
  ASSERT_EQ(row1.size(), 3u);
  ASSERT_EQ(row2.size(), 3u);
  // Columns as wide as their widest cells: "1/2" 15 and "-1" 10; "-30" 16
  // and "4/9" 15; "7" 6 and "123456" 36.
  const int rights[] = {15, 15 + kGap + 16, 15 + kGap + 16 + kGap + 36};
  for (std::size_t k = 0; k < 3; ++k) {
    EXPECT_EQ(row1[k].x + row1[k].width, rights[k]) << k;
    EXPECT_EQ(row2[k].x + row2[k].width, rights[k]) << k;
  }
  EXPECT_EQ(std::wstring(kQuendrel, row2[2].start, row2[2].length), L"123456");
  // The other lines stand as they are, from the left edge.
  EXPECT_EQ(layout.pieces(2).size(), 0u);
  EXPECT_EQ(layout.pieces(3).size(), 1u);
  EXPECT_EQ(layout.pieces(3)[0].x, 0);
  EXPECT_EQ(layout.pieces(4)[0].length, 6u);
  // Not much wider than the text: a row ends after its trailing blank; the
  // widest line here is the eigenvalue line.
  EXPECT_EQ(layout.xOf(1, layout.line(1).end), rights[2] + 3);
  EXPECT_EQ(layout.width(), 4 * 12 + 3 * 3 + 2 * 15);
}

TEST(TextLayout, TablesAreSeparateAndLinesNotRowsAreNotAligned) {
  struct Case {
    const wchar_t* text;
    std::size_t line;
    std::size_t pieces;
    int firstX;
  };
  const Case cases[] = {
      {L"1 2 \n333 4 \n", 0, 2, 12},       // right-aligned under 333
      {L"1 2 \nx 4 \n333 4 \n", 0, 2, 0},  // "x 4" is not a row: two tables of one row
      {L"1  2 \n333 4 \n", 0, 1, 0},       // two blanks: not a row
      {L" 1 2 \n333 4 \n", 0, 1, 0},       // a leading blank: not a row
      {L"1 2 \n\n333 4 \n", 0, 2, 0},      // an empty line ends a table
      {L"1 2", 0, 2, 0},                   // the last cell without its blank
  };
  for (const Case& c : cases) {
    const TextLayout layout = TextLayout::rows(c.text, advance, kGap);
    ASSERT_EQ(layout.pieces(c.line).size(), c.pieces) << testing::PrintToString(std::wstring(c.text));
    EXPECT_EQ(layout.pieces(c.line)[0].x, c.firstX) << testing::PrintToString(std::wstring(c.text));
  }
}

TEST(TextLayout, WrappedLinesFitTheRoomAndBreakAtBlanksOrInsideALongWord) {
  const TextLayout layout = TextLayout::wrapped(kWide, advance, 80);
  std::wstring shown;
  for (std::size_t i = 0; i < layout.lineCount(); ++i) {
    for (const auto& piece : layout.pieces(i)) {
      EXPECT_LE(piece.width, 80) << i;
      shown += std::wstring(kWide, piece.start, piece.length) + L"|";
    }
  }
  EXPECT_EQ(shown, L"行列式的值为|-123456789012|3456789012345|12/5|");
  EXPECT_EQ(layout.width(), 6 * 12 + 3 + 4 + 25 * 6 + 3 + 21);
  // The blank after a line belongs to it; after a word broken, the caret
  // cannot stand at the line's end, which is the next line's start.
  EXPECT_EQ(layout.lastPosition(0), 6u);
  EXPECT_EQ(layout.lineOf(7), 1u);
  EXPECT_EQ(layout.lastPosition(1), layout.line(1).end - 1);
}

// Every position a caret can take is found again from its own place, on
// tables, in the padding between cells, at line ends and wrapped.
TEST(TextLayout, EveryPositionIsFoundAgainFromWhereItStands) {
  const TextLayout layouts[] = {TextLayout::rows(kQuendrel, advance, kGap), TextLayout::wrapped(kWide, advance, 80),
                                TextLayout::rows(kWide, advance, kGap)};
  const std::wstring* texts[] = {&kQuendrel, &kWide, &kWide};
  for (std::size_t n = 0; n < 3; ++n) {
    const TextLayout& layout = layouts[n];
    for (std::size_t p = 0; p <= texts[n]->size(); p = nextPosition(*texts[n], p)) {
      const std::size_t line = layout.lineOf(p);
      ASSERT_LE(layout.line(line).start, p);
      ASSERT_LE(p, layout.lastPosition(line)) << "layout " << n << " position " << p;
      EXPECT_EQ(layout.positionAt(line, layout.xOf(line, p)), p) << "layout " << n << " position " << p;
      if (p == texts[n]->size()) break;
    }
  }
}

TEST(TextLayout, APointInThePaddingGoesToTheNearerCell) {
  const TextLayout layout = TextLayout::rows(L"1 -1 \n100 3 \n", advance, kGap);
  const auto cells = layout.pieces(0);
  // "1" ends at 18 under "100"; "-1" ends at 18 + 6 + 10 and so starts at 24.
  ASSERT_EQ(cells[0].x + cells[0].width, 18);
  ASSERT_EQ(cells[1].x, 24);
  EXPECT_EQ(layout.positionAt(0, 18), 1u);  // after "1": before the blank
  EXPECT_EQ(layout.positionAt(0, 20), 1u);  // nearer the end of "1"
  EXPECT_EQ(layout.positionAt(0, 22), 2u);  // nearer "-1"
  EXPECT_EQ(layout.positionAt(0, -50), 0u);
  EXPECT_EQ(layout.positionAt(0, 5000), 5u);  // the end of the line, after its blank
  EXPECT_EQ(layout.xOf(0, 2), 24);
}

TEST(TextPositions, LineBreaksAreOneStepAndWordsAreCells) {
  const std::wstring text = L"12 -3/4 \r\n5 行列";
  EXPECT_EQ(nextPosition(text, 8), 10u);
  EXPECT_EQ(previousPosition(text, 10), 8u);
  EXPECT_EQ(nextPosition(text, text.size()), text.size());
  EXPECT_EQ(previousPosition(text, 0), 0u);
  struct Case {
    std::size_t position, start, end;
  };
  const Case cases[] = {{0, 0, 2}, {1, 0, 2}, {2, 0, 2}, {4, 3, 7}, {7, 3, 7}, {8, 8, 8},
                        {10, 10, 11}, {12, 12, 14}, {14, 12, 14}};
  for (const Case& c : cases) {
    EXPECT_EQ(wordAt(text, c.position), std::make_pair(c.start, c.end)) << c.position;
  }
}

}  // namespace
}  // namespace matcalc
