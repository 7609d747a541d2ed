#pragma once
// Where each character of a result text stands when the result window shows
// it, and the way back from a place on the screen to a position in the text.
// Portable, so that the rules are tested without the window system; the
// result window's text view (win32/text_view.h) draws and selects by it.
//
// A position is an offset into the text, from 0 to its length; a line
// break (CR LF or LF) counts as one step. A line of the layout is a stretch
// [start, end) of the text without its line break, drawn as pieces, each a
// run of its characters placed at its own x.
//
// Rows (a result of several lines): each line of the text is one line of
// the layout, never wrapped. A run of lines that are matrix rows (cells of
// digits, '-' and '/', one blank after each) is drawn as a table: each
// column as wide as its widest cell, the cells of a column with their right
// ends lined up, the columns one gap apart. Any other line is drawn as it
// stands.
// Wrapped (a text of one line, such as one long number): each line of the
// text is broken at its last blank that fits the room, or inside a word
// wider than the room, into lines no wider than it.
// The text is never changed: padding is drawn, not stored, so what is
// selected and copied is always the text's own characters.
#include <cstddef>
#include <functional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace matcalc {

// How wide a character is drawn, in pixels.
using Advance = std::function<int(wchar_t)>;

class TextLayout {
 public:
  struct Piece {
    std::size_t start;
    std::size_t length;
    int x;
    int width;
  };
  struct Line {
    std::size_t start;
    std::size_t end;  // where its line break (or, wrapped, the next line) starts
    std::size_t firstPiece;
    std::size_t pieceCount;
  };

  TextLayout() = default;
  // `text` must outlive the layout and stay unchanged.
  static TextLayout rows(std::wstring_view text, Advance advance, int columnGap);
  static TextLayout wrapped(std::wstring_view text, Advance advance, int room);

  std::size_t lineCount() const { return lines_.size(); }
  const Line& line(std::size_t index) const { return lines_[index]; }
  std::span<const Piece> pieces(std::size_t line) const;
  // The width of the widest line of the text unwrapped (rows: as drawn).
  int width() const { return width_; }

  // The line that shows `position`: where a wrapped line goes on, the
  // position between two lines belongs to the second.
  std::size_t lineOf(std::size_t position) const;
  // The last position on `line` that the caret can take.
  std::size_t lastPosition(std::size_t line) const;
  // Where the caret before `position` stands on `line`, and back: the
  // position on `line` nearest to `x`. A blank between two cells of a table
  // spans the padding between them.
  int xOf(std::size_t line, std::size_t position) const;
  std::size_t positionAt(std::size_t line, int x) const;

 private:
  void addLine(std::size_t start, std::size_t end);
  void addTable(std::span<const std::pair<std::size_t, std::size_t>> rows, int columnGap);
  int widthOf(std::size_t start, std::size_t end) const;

  std::wstring_view text_;
  Advance advance_;
  std::vector<Piece> pieces_;
  std::vector<Line> lines_;
  int width_ = 0;
};

// The position one character after or before `position`; a line break,
// CR LF or LF, is stepped over whole.
std::size_t nextPosition(std::wstring_view text, std::size_t position);
std::size_t previousPosition(std::wstring_view text, std::size_t position);

// The word at `position`, as a double-click selects it: the run of
// characters other than blanks and line breaks that holds the character
// there, or else the one before it (a cell of a table, one number, a
// heading); empty at `position` when neither is such a character.
std::pair<std::size_t, std::size_t> wordAt(std::wstring_view text, std::size_t position);

}  // namespace matcalc
