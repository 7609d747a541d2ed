#include "drawn_text.h"

#include <algorithm>
#include <vector>

#include "encoding.h"
#include "fraction_grid.h"

namespace matcalc::fuzz {
namespace {

// One character as UTF-8 and as raw GBK; where GBK lacks it, the GBK is
// the ASCII character it stands for, as the conversion writes it.
struct Spelling {
  const char* utf8;
  const char* gbk;
};

constexpr Spelling kBlanks[] = {
    {" ", " "}, {"\t", "\t"}, {",", ","}, {", ", ", "}, {"  ", "  "},
    {"\u00A0", " "}, {"\u3000", "\xA1\xA1"}, {"\u2002", " "}, {"\u2009", " "}, {"\u2000", " "},
    {"\u200A", " "}, {"\u202F", " "}, {"\u205F", " "}, {"\uFF0C", "\xA3\xAC"}, {"\u3001", "\xA1\xA2"},
    {" \t ", " \t "}, {"            ", "            "},  // the last: columns aligned with spaces
};
constexpr Spelling kSlashes[] = {{"/", "/"}, {"\uFF0F", "\xA3\xAF"}, {"\u2215", "\xA8\x4D"}, {"\u2044", "/"}};
constexpr Spelling kMinuses[] = {{"-", "-"}, {"\uFF0D", "\xA3\xAD"}, {"\u2212", "-"}};
constexpr Spelling kStops[] = {{".", "."}, {"\uFF0E", "\xA3\xAE"}, {"\u3002", "\xA1\xA3"}};
constexpr const char* kLineBreaks[] = {"\n", "\r\n", "\r"};
// Lines without a digit, and characters the reader skips: in raw GBK also
// bytes that are no GBK character.
constexpr Spelling kDigitless[] = {{"", ""}, {" ", " "}, {"\t\t", "\t\t"}, {"\u77E9\u9635", "\xBE\xD8\xD5\xF3"},
                                   {"-", "-"}, {"/ .", "/ ."}, {"\u3000", "\xA1\xA1"}, {"\u00A0", " "}};
constexpr Spelling kStrays[] = {{"+", "+"}, {"e", "e"}, {"?", "?"}, {"\u77E9", "\xBE\xD8"}, {"\uFF0B", "\xA3\xAB"},
                                {"\U0001F600", "?"}, {"\xFF", "\xFF"}, {"\x81", "\x81"}, {"-", "-"}};

// Numbers at the edges the arithmetic changes at: 32 bits, then 64, then 128.
constexpr const char* kEdgeNumbers[] = {"2147483647", "2147483648", "4294967296", "65536", "46341",
                                        "9223372036854775807", "9223372036854775808", "18446744073709551616",
                                        "1000000000000000000", "340282366920938463463374607431768211456"};

// How a text is written: each kind of character in one spelling, or in any
// spelling character by character.
struct Style {
  bool gbk = false;  // raw GBK rather than UTF-8 through the conversion
  bool mixed = false;
  bool fullWidthDigits = false;
  std::size_t blank = 0, slash = 0, minus = 0, stop = 0, lineBreak = 0;
};

// One element as typed: sign, digits and decimal digits of the numerator,
// then of the denominator when it has one.
struct Element {
  bool negative = false;
  std::string digits = "0", decimals;
  bool numeratorStop = false;
  bool slash = false;
  std::string denominator, denominatorDecimals;
  bool denominatorStop = false;
  const Spelling* stray = nullptr;  // a character written after it
};
using ElementRows = std::vector<std::vector<Element>>;

template <class T, std::size_t N>
std::size_t pick(Draw& draw, const T (&)[N]) {
  return draw.byte() % N;
}

Style drawStyle(Draw& draw) {
  Style s;
  s.gbk = draw.upTo(3) == 3;
  s.mixed = draw.upTo(3) == 3;
  s.fullWidthDigits = draw.upTo(3) == 3;
  s.blank = draw.upTo(2) == 2 ? pick(draw, kBlanks) : 0;
  s.slash = draw.upTo(2) == 2 ? pick(draw, kSlashes) : 0;
  s.minus = draw.upTo(2) == 2 ? pick(draw, kMinuses) : 0;
  s.stop = draw.upTo(2) == 2 ? pick(draw, kStops) : 0;
  s.lineBreak = pick(draw, kLineBreaks);
  return s;
}

// The elements of one matrix, whose terms are drawn first: digit runs of up
// to 3, 12 or 40 digits, and whether it may have zero denominators and
// malformed elements.
class Elements {
 public:
  explicit Elements(Draw& draw) : draw_(draw) {
    const int b = draw.byte();
    longest_ = b < 144 ? 3 : b < 240 ? 12 : 40;
    zeroDenominators_ = draw.upTo(3) == 3;
    malformed_ = draw.upTo(3) == 3;
  }

  Element next() {
    Element e;
    e.negative = draw_.upTo(3) == 0;
    switch (malformed_ ? draw_.upTo(9) : draw_.upTo(7)) {
      case 0: break;  // 0
      case 1:
      case 2: e.digits = digits(length()); break;
      case 3:
      case 4:  // a fraction
        e.digits = digits(length());
        e.slash = true;
        e.denominator = digits(length());
        break;
      case 5:  // a decimal, at times over a decimal
        e.digits = digits(draw_.upTo(3), true);
        e.numeratorStop = true;
        e.decimals = digits(length(), true);
        if (draw_.flag()) {  // not 0: the first decimal digit is not
          e.slash = true;
          e.denominator = digits(draw_.upTo(1), true);
          e.denominatorStop = true;
          e.denominatorDecimals = digits(1 + draw_.upTo(2));
        }
        break;
      case 6:  // a zero denominator, where the matrix may have one
        e.digits = digits(length());
        e.slash = zeroDenominators_;
        e.denominator = draw_.flag() ? "0" : "00";
        e.denominatorStop = draw_.flag();
        break;
      case 7: {  // at an edge, or over one: those of up to 64 bits in a
                 // matrix of terms up to 12 digits, of 32 in one of shorter
        const std::string edge = kEdgeNumbers[draw_.byte() % (longest_ == 3 ? 5 : longest_ == 12 ? 9 : 10)];
        if (draw_.flag()) {
          e.digits = edge;
        } else {
          e.digits = digits(1);
          e.slash = true;
          e.denominator = edge;
        }
      } break;
      case 8:  // a second full stop; a slash without a denominator, which stores 0
        e.digits = digits(length());
        e.numeratorStop = true;
        e.decimals = digits(draw_.upTo(2), true) + "." + digits(draw_.upTo(2), true);
        e.slash = zeroDenominators_ && draw_.flag();
        break;
      default:
        e.digits = digits(draw_.upTo(4), true);
        e.stray = &kStrays[pick(draw_, kStrays)];
    }
    return e;
  }

 private:
  // A run of `length` digits, the first not 0 unless `zeroFirst`.
  std::string digits(int length, bool zeroFirst = false) {
    std::string out;
    for (int k = 0; k < length; ++k) {
      const int d = draw_.byte() % 10;
      out += static_cast<char>('0' + (k == 0 && !zeroFirst && d == 0 ? 1 : d));
    }
    return out;
  }

  int length() { return 1 + draw_.byte() % longest_; }

  Draw& draw_;
  int longest_;
  bool zeroDenominators_, malformed_;
};

// Rows that make elimination take its other ways: a row repeated or negated
// (singular), a zero row or column, a row that starts as another does (a
// zero pivot part way), ragged rows.
void addStructure(Draw& draw, Elements& elements, ElementRows& m) {
  const int rows = static_cast<int>(m.size());
  for (int k = draw.upTo(3); k > 0; --k) {
    const int i = draw.upTo(rows - 1), j = draw.upTo(rows - 1);
    switch (draw.upTo(5)) {
      case 0: m[i] = m[j]; break;
      case 1:
        m[i] = m[j];
        for (Element& e : m[i]) e.negative = !e.negative;
        break;
      case 2: m[i].assign(m[i].size(), Element{}); break;
      case 3: {
        const int c = draw.upTo(static_cast<int>(m[0].size()) - 1);
        for (auto& row : m) {
          if (static_cast<std::size_t>(c) < row.size()) row[c] = Element{};
        }
      } break;
      case 4: std::copy_n(m[j].begin(), std::min(m[i].size(), m[j].size()) / 2 + 1, m[i].begin()); break;
      default:
        if (m[i].size() > 1 && draw.flag()) m[i].pop_back();
        else m[i].push_back(elements.next());
    }
  }
}

ElementRows matrix(Draw& draw, int rows, int columns) {
  Elements elements(draw);
  ElementRows m(rows, std::vector<Element>(columns));
  for (auto& row : m) {
    for (Element& e : row) e = elements.next();
  }
  if (draw.flag()) addStructure(draw, elements, m);
  return m;
}

// Writes the text of one matrix in a style, UTF-8 or raw GBK.
class Writer {
 public:
  Writer(Draw& draw, const Style& style) : draw_(draw), style_(style) {}

  std::string text(const ElementRows& m) {
    digitlessLines();
    for (std::size_t r = 0; r < m.size(); ++r) {
      if (r > 0) {
        lineBreak();
        digitlessLines();
      }
      for (std::size_t c = 0; c < m[r].size(); ++c) {
        if (c > 0) spell(kBlanks, style_.blank);
        element(m[r][c]);
      }
    }
    if (draw_.flag()) {
      lineBreak();
      digitlessLines();
    }
    return out_;
  }

 private:
  void element(const Element& e) {
    if (e.negative) spell(kMinuses, style_.minus);
    number(e.digits);
    if (e.numeratorStop) spell(kStops, style_.stop);
    number(e.decimals);
    if (e.slash) {
      spell(kSlashes, style_.slash);
      number(e.denominator);
      if (e.denominatorStop) spell(kStops, style_.stop);
      number(e.denominatorDecimals);
    }
    if (e.stray != nullptr) write(*e.stray);
  }

  void number(const std::string& digits) {
    for (const char ch : digits) {
      if (ch == '.') {
        spell(kStops, style_.stop);
      } else if (!fullWidth()) {
        out_ += ch;
      } else {
        const int d = ch - '0';
        out_ += style_.gbk ? std::string{'\xA3', static_cast<char>(0xB0 + d)}
                           : std::string{'\xEF', '\xBC', static_cast<char>(0x90 + d)};
      }
    }
  }

  bool fullWidth() { return style_.mixed ? draw_.upTo(3) == 0 : style_.fullWidthDigits; }

  template <std::size_t N>
  void spell(const Spelling (&table)[N], std::size_t chosen) {
    write(table[style_.mixed ? pick(draw_, table) : chosen]);
  }

  void write(const Spelling& s) { out_ += style_.gbk ? s.gbk : s.utf8; }

  void lineBreak() { out_ += kLineBreaks[style_.mixed ? pick(draw_, kLineBreaks) : style_.lineBreak]; }

  void digitlessLines() {
    for (int k = draw_.upTo(7) - 5; k > 0; --k) {
      write(kDigitless[pick(draw_, kDigitless)]);
      lineBreak();
    }
  }

  Draw& draw_;
  const Style& style_;
  std::string out_;
};

}  // namespace

Draw::Draw(FuzzedDataProvider& bytes) : bytes_(bytes), state_(bytes.ConsumeIntegral<std::uint64_t>()) {
  // Every bit of the seed depends on every bit of the bytes (SplitMix64's
  // finaliser); xorshift needs one that is not 0.
  state_ = (state_ ^ (state_ >> 30)) * 0xBF58476D1CE4E5B9u;
  state_ = (state_ ^ (state_ >> 27)) * 0x94D049BB133111EBu;
  state_ = (state_ ^ (state_ >> 31)) | 1;
}

std::uint8_t Draw::byte() {
  return bytes_.remaining_bytes() > 0 ? bytes_.ConsumeIntegral<std::uint8_t>() : static_cast<std::uint8_t>(next() >> 56);
}

int Draw::side() {
  const int b = byte();
  return b < 144 ? 1 + b % 6 : b < 248 ? 1 + b % kMaxSide : kMaxSide + 1;
}

std::uint64_t Draw::next() {  // xorshift64
  state_ ^= state_ << 13;
  state_ ^= state_ >> 7;
  state_ ^= state_ << 17;
  return state_;
}

DrawnText drawMatrixText(Draw& draw, int rows, int columns) {
  const ElementRows m = matrix(draw, rows, columns);
  const Style style = drawStyle(draw);
  DrawnText drawn{Writer(draw, style).text(m), static_cast<int>(m.size()), 0};
  if (!style.gbk) drawn.text = console::editBoxText(drawn.text);
  for (const auto& row : m) {
    drawn.side = std::max(drawn.side, static_cast<int>(row.size()));
    // Stored as N * 10^b / (D * 10^a).
    for (const Element& e : row) {
      drawn.digits = std::max({drawn.digits, e.digits.size() + e.decimals.size() + e.denominatorDecimals.size(),
                               e.denominator.size() + e.decimals.size() + e.denominatorDecimals.size()});
    }
  }
  return drawn;
}

}  // namespace matcalc::fuzz
