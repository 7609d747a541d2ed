#include "text_layout.h"

#include <algorithm>
#include <cstdint>

namespace matcalc {
namespace {

bool isCellCharacter(wchar_t ch) { return (ch >= L'0' && ch <= L'9') || ch == L'-' || ch == L'/'; }

// Whether a line is a matrix row: cells of digits, '-' and '/', one blank
// after each (the last may lack it).
bool isRow(std::wstring_view line) {
  if (line.empty()) return false;
  bool afterBlank = true;
  for (const wchar_t ch : line) {
    if (ch == L' ' ? afterBlank : !isCellCharacter(ch)) return false;
    afterBlank = ch == L' ';
  }
  return true;
}

// The text's lines, each [start, end) without its line break: a line feed,
// with the carriage return before it.
std::vector<std::pair<std::size_t, std::size_t>> linesOf(std::wstring_view text) {
  std::vector<std::pair<std::size_t, std::size_t>> lines;
  for (std::size_t start = 0;;) {
    const std::size_t feed = text.find(L'\n', start);
    if (feed == std::wstring_view::npos) {
      lines.emplace_back(start, text.size());
      return lines;
    }
    lines.emplace_back(start, feed > start && text[feed - 1] == L'\r' ? feed - 1 : feed);
    start = feed + 1;
  }
}

// Where a point `share` of the way across a gap of `count` characters,
// `span` pixels wide, falls: the nearest boundary between them.
std::size_t nearestInGap(std::int64_t share, std::size_t count, std::int64_t span) {
  if (span <= 0 || share <= 0) return 0;
  const std::int64_t k = (2 * share * static_cast<std::int64_t>(count) + span) / (2 * span);
  return static_cast<std::size_t>(std::min<std::int64_t>(k, static_cast<std::int64_t>(count)));
}

}  // namespace

int TextLayout::widthOf(std::size_t start, std::size_t end) const {
  int width = 0;
  for (std::size_t k = start; k < end; ++k) width += advance_(text_[k]);
  return width;
}

// A line drawn as it stands: one piece from the left edge.
void TextLayout::addLine(std::size_t start, std::size_t end) {
  lines_.push_back({start, end, pieces_.size(), 0});
  if (end == start) return;
  const int width = widthOf(start, end);
  pieces_.push_back({start, end - start, 0, width});
  lines_.back().pieceCount = 1;
  width_ = std::max(width_, width);
}

TextLayout TextLayout::rows(std::wstring_view text, Advance advance, int columnGap) {
  TextLayout layout;
  layout.text_ = text;
  layout.advance_ = std::move(advance);
  const auto lines = linesOf(text);
  std::vector<bool> row(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    row[i] = isRow(text.substr(lines[i].first, lines[i].second - lines[i].first));
  }
  for (std::size_t i = 0; i < lines.size();) {
    if (!row[i]) {
      layout.addLine(lines[i].first, lines[i].second);
      ++i;
      continue;
    }
    std::size_t tableEnd = i;
    while (tableEnd < lines.size() && row[tableEnd]) ++tableEnd;
    layout.addTable({lines.begin() + static_cast<std::ptrdiff_t>(i), lines.begin() + static_cast<std::ptrdiff_t>(tableEnd)},
                    columnGap);
    i = tableEnd;
  }
  return layout;
}

// Matrix rows as a table: a piece for each cell, right-aligned in its
// column.
void TextLayout::addTable(std::span<const std::pair<std::size_t, std::size_t>> rows, int columnGap) {
  const std::size_t first = lines_.size();
  std::vector<int> columns;  // each column's widest cell
  for (const auto& [start, end] : rows) {
    Line line{start, end, pieces_.size(), 0};
    for (std::size_t cell = start; cell < end; ++line.pieceCount) {
      const std::size_t cellEnd = std::min(end, text_.find(L' ', cell));
      const int width = widthOf(cell, cellEnd);
      pieces_.push_back({cell, cellEnd - cell, 0, width});
      if (columns.size() <= line.pieceCount) columns.push_back(0);
      columns[line.pieceCount] = std::max(columns[line.pieceCount], width);
      cell = cellEnd + 1;
    }
    lines_.push_back(line);
  }
  std::vector<int> rights;
  for (int x = 0; const int width : columns) {
    rights.push_back(x + width);
    x += width + columnGap;
  }
  for (std::size_t i = first; i < lines_.size(); ++i) {
    for (std::size_t k = 0; k < lines_[i].pieceCount; ++k) {
      Piece& piece = pieces_[lines_[i].firstPiece + k];
      piece.x = rights[k] - piece.width;
    }
    width_ = std::max(width_, xOf(i, lines_[i].end));
  }
}

TextLayout TextLayout::wrapped(std::wstring_view text, Advance advance, int room) {
  TextLayout layout;
  layout.text_ = text;
  layout.advance_ = std::move(advance);
  for (const auto& [start, end] : linesOf(text)) {
    layout.width_ = std::max(layout.width_, layout.widthOf(start, end));
    if (start == end) layout.lines_.push_back({start, end, layout.pieces_.size(), 0});
    for (std::size_t begin = start; begin < end;) {
      std::size_t k = begin;
      for (int x = 0; k < end && x + layout.advance_(text[k]) <= room; ++k) x += layout.advance_(text[k]);
      // A line that does not hold the rest ends at its last blank (up to the
      // character that does not fit), which it does not show; without one,
      // before that character, and with at least one character.
      std::size_t cut = end;
      std::size_t next = end;
      if (k < end) {
        std::size_t blank = k;
        while (blank > begin && text[blank] != L' ') --blank;
        cut = blank > begin ? blank : std::max(k, begin + 1);
        next = blank > begin ? cut + 1 : cut;
      }
      layout.lines_.push_back({begin, next, layout.pieces_.size(), 1});
      layout.pieces_.push_back({begin, cut - begin, 0, layout.widthOf(begin, cut)});
      begin = next;
    }
  }
  return layout;
}

std::span<const TextLayout::Piece> TextLayout::pieces(std::size_t line) const {
  return {pieces_.data() + lines_[line].firstPiece, lines_[line].pieceCount};
}

std::size_t TextLayout::lineOf(std::size_t position) const {
  const auto after = std::upper_bound(lines_.begin(), lines_.end(), position,
                                      [](std::size_t p, const Line& line) { return p < line.start; });
  return after == lines_.begin() ? 0 : static_cast<std::size_t>(after - lines_.begin()) - 1;
}

std::size_t TextLayout::lastPosition(std::size_t line) const {
  const Line& l = lines_[line];
  const bool goesOn = line + 1 < lines_.size() && lines_[line + 1].start == l.end && l.end > l.start;
  return goesOn ? l.end - 1 : l.end;
}

int TextLayout::xOf(std::size_t line, std::size_t position) const {
  std::size_t at = lines_[line].start;  // the first position after the last piece passed
  int x = 0;                            // and where it stands
  for (const Piece& piece : pieces(line)) {
    if (position <= piece.start) {  // in the gap before the piece: the gap shared out
      if (position == piece.start) return piece.x;
      const std::int64_t share = static_cast<std::int64_t>(piece.x - x) * static_cast<std::int64_t>(position - at);
      return x + static_cast<int>(share / static_cast<std::int64_t>(piece.start - at));
    }
    if (position < piece.start + piece.length) return piece.x + widthOf(piece.start, position);
    at = piece.start + piece.length;
    x = piece.x + piece.width;
  }
  return x + widthOf(at, std::max(at, position));  // after the last piece: each character its own width
}

std::size_t TextLayout::positionAt(std::size_t line, int x) const {
  const std::size_t last = lastPosition(line);
  std::size_t at = lines_[line].start;
  int left = 0;
  for (const Piece& piece : pieces(line)) {
    if (x < piece.x) {
      return std::min(last, at + nearestInGap(x - left, piece.start - at, piece.x - left));
    }
    if (x < piece.x + piece.width) {
      int cx = piece.x;
      for (std::size_t k = piece.start; k < piece.start + piece.length; ++k) {
        const int w = advance_(text_[k]);
        if (2 * (x - cx) < w) return std::min(last, k);
        cx += w;
      }
      return std::min(last, piece.start + piece.length);
    }
    at = piece.start + piece.length;
    left = piece.x + piece.width;
  }
  for (; at < last; ++at) {
    const int w = advance_(text_[at]);
    if (2 * (x - left) < w) return at;
    left += w;
  }
  return last;
}

std::size_t nextPosition(std::wstring_view text, std::size_t position) {
  if (position >= text.size()) return text.size();
  return text[position] == L'\r' && position + 1 < text.size() && text[position + 1] == L'\n' ? position + 2
                                                                                              : position + 1;
}

std::size_t previousPosition(std::wstring_view text, std::size_t position) {
  if (position == 0) return 0;
  return position >= 2 && text[position - 1] == L'\n' && text[position - 2] == L'\r' ? position - 2 : position - 1;
}

std::pair<std::size_t, std::size_t> wordAt(std::wstring_view text, std::size_t position) {
  const auto inWord = [text](std::size_t p) {
    return p < text.size() && text[p] != L' ' && text[p] != L'\r' && text[p] != L'\n';
  };
  std::size_t start = inWord(position) ? position : position > 0 && inWord(position - 1) ? position - 1 : text.size() + 1;
  if (start > text.size()) return {position, position};
  std::size_t end = start + 1;
  while (start > 0 && inWord(start - 1)) --start;
  while (inWord(end)) ++end;
  return {start, end};
}

}  // namespace matcalc
