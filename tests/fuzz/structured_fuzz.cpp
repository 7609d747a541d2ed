// Draws whole commands from the fuzzer's bytes: the program, its radio
// button, the control pressed, and for each edit box a matrix of up to
// 20 x 20 (at times 21, for the size error) whose elements are integers of up
// to 40 digits, fractions, decimals and zero denominators, with repeated,
// negated and zero rows, zero columns and rows that start as another does. The text is written with the characters the reader reads as
// blanks, digits, slashes, minus signs and full stops, broken into lines by
// CR LF, LF or CR, with empty and digitless lines and stray characters; typed
// as UTF-8 through the edit-box conversion, which also reaches the stand-ins
// GBK lacks, or given as raw GBK. A second command may follow on the same
// handler.
//
// Each command runs on the program's handler. Compute must show exactly one
// box, help one, any other control none; each box is one the program may
// show (box_oracle.h), and nothing leaks. A command without a zero
// denominator, on matrices the step-by-step oracle computes fast enough, also
// runs on the program's handler computing step by step: its boxes must be
// the same, byte for byte.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "box_oracle.h"
#include "dornikel.h"
#include "encoding.h"
#include "quendrel.h"
#include "ravelle.h"
#include "recording_window.h"
#include "sontaby.h"

namespace {

using namespace matcalc;

// A program, its handler computing step by step, and the largest side the
// step-by-step oracle is given for elements of up to 12 digits and of more.
// Ravelle's oracle computes a determinant for every cell.
struct Program {
  const ProgramInfo& info;
  std::unique_ptr<CommandHandler> (*stepByStep)();
  int oracleSide;
  int oracleSideForLongTerms;
};

template <class Handler>
std::unique_ptr<CommandHandler> stepByStep() {
  return std::make_unique<Handler>(Method::StepByStep);
}

const Program kPrograms[] = {
    {kDornikelInfo, stepByStep<Dornikel>, 20, 12},
    {kRavelleInfo, stepByStep<Ravelle>, 8, 5},
    {kSontabyInfo, stepByStep<Sontaby>, 20, 20},
    {kQuendrelInfo, stepByStep<Quendrel>, 20, 12},
};

// One character as UTF-8 and as raw GBK; where GBK lacks it, the GBK is
// the ASCII character it stands for, as the conversion writes it.
struct Spelling {
  const char* utf8;
  const char* gbk;
};

constexpr Spelling kBlanks[] = {
    {" ", " "},        {"\t", "\t"},         {",", ","},        {", ", ", "},      {"  ", "  "},
    {"\u00A0", " "},   {"\u3000", "\xA1\xA1"}, {"\u2002", " "},   {"\u2009", " "},   {"\u2000", " "},
    {"\u200A", " "},   {"\u202F", " "},      {"\u205F", " "},   {"\uFF0C", "\xA3\xAC"}, {"\u3001", "\xA1\xA2"},
    {" \t ", " \t "},       {"            ", "            "},  // columns aligned with spaces
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

// Reads the fuzzer's choices, a byte each, and once its bytes are used up
// draws them from a generator seeded by them, so that a short input still
// writes a 20 x 20 matrix of 40-digit elements.
class Draw {
 public:
  explicit Draw(FuzzedDataProvider& bytes) : bytes_(bytes), state_(mixed(bytes.ConsumeIntegral<std::uint64_t>())) {}

  std::uint8_t byte() {
    return bytes_.remaining_bytes() > 0 ? bytes_.ConsumeIntegral<std::uint8_t>() : static_cast<std::uint8_t>(next() >> 56);
  }
  bool flag() { return (byte() & 1) != 0; }
  // 0 to max (below 256).
  int upTo(int max) { return byte() % (max + 1); }
  template <class T, std::size_t N>
  std::size_t pick(const T (&)[N]) {
    return byte() % N;
  }

  // A side of 1 to 20, small ones more often, now and then 21.
  int side() {
    const int b = byte();
    return b < 144 ? 1 + b % 6 : b < 248 ? 1 + b % kMaxSide : kMaxSide + 1;
  }

  // A run of `length` digits, the first not 0 unless `zeroFirst`.
  std::string digits(int length, bool zeroFirst = false) {
    std::string out;
    for (int k = 0; k < length; ++k) {
      const int d = byte() % 10;
      out += static_cast<char>('0' + (k == 0 && !zeroFirst && d == 0 ? 1 : d));
    }
    return out;
  }

  // The terms of the next matrix: digit runs of up to 3, 12 or 40 digits,
  // and whether it may have zero denominators and malformed elements.
  void chooseTerms() {
    const int b = byte();
    longest_ = b < 144 ? 3 : b < 240 ? 12 : 40;
    zeroDenominators_ = upTo(3) == 3;
    malformed_ = upTo(3) == 3;
  }

  // The length of a digit run of the next matrix.
  int length() { return 1 + byte() % longest_; }

  Element element() {
    Element e;
    e.negative = upTo(3) == 0;
    switch (malformed_ ? upTo(9) : upTo(7)) {
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
        e.digits = digits(upTo(3), true);
        e.numeratorStop = true;
        e.decimals = digits(length(), true);
        if (flag()) {  // not 0: the first decimal digit is not
          e.slash = true;
          e.denominator = digits(upTo(1), true);
          e.denominatorStop = true;
          e.denominatorDecimals = digits(1 + upTo(2));
        }
        break;
      case 6:  // a zero denominator, where the matrix may have one
        e.digits = digits(length());
        e.slash = zeroDenominators_;
        e.denominator = flag() ? "0" : "00";
        e.denominatorStop = flag();
        break;
      case 7: {  // at an edge, or over one
        // Those of up to 64 bits in a matrix of terms up to 12 digits, of 32
        // in one of shorter terms.
        const std::string edge = kEdgeNumbers[byte() % (longest_ == 3 ? 5 : longest_ == 12 ? 9 : 10)];
        if (flag()) {
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
        e.decimals = digits(upTo(2), true) + "." + digits(upTo(2), true);
        e.slash = zeroDenominators_ && flag();
        break;
      default:
        e.digits = digits(upTo(4), true);
        e.stray = &kStrays[pick(kStrays)];
    }
    return e;
  }

  Style style() {
    Style s;
    s.gbk = upTo(3) == 3;
    s.mixed = upTo(3) == 3;
    s.fullWidthDigits = upTo(3) == 3;
    s.blank = upTo(2) == 2 ? pick(kBlanks) : 0;
    s.slash = upTo(2) == 2 ? pick(kSlashes) : 0;
    s.minus = upTo(2) == 2 ? pick(kMinuses) : 0;
    s.stop = upTo(2) == 2 ? pick(kStops) : 0;
    s.lineBreak = pick(kLineBreaks);
    return s;
  }

 private:
  // A seed with every bit depending on every bit of the bytes (SplitMix64's
  // finaliser), never 0.
  static std::uint64_t mixed(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return (z ^ (z >> 31)) | 1;
  }

  std::uint64_t next() {  // xorshift64
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return state_;
  }

  FuzzedDataProvider& bytes_;
  std::uint64_t state_;
  int longest_ = 3;
  bool zeroDenominators_ = false;
  bool malformed_ = false;
};

// Rows that make elimination take its other ways: a row repeated or negated
// (singular), a zero row or column, a row that starts as another does (a
// zero pivot part way), ragged rows.
void addStructure(Draw& draw, ElementRows& m) {
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
        else m[i].push_back(draw.element());
    }
  }
}

ElementRows matrix(Draw& draw, int rows, int columns) {
  draw.chooseTerms();
  ElementRows m(rows, std::vector<Element>(columns));
  for (auto& row : m) {
    for (Element& e : row) e = draw.element();
  }
  if (draw.flag()) addStructure(draw, m);
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
    write(table[style_.mixed ? draw_.pick(table) : chosen]);
  }

  void write(const Spelling& s) { out_ += style_.gbk ? s.gbk : s.utf8; }

  void lineBreak() { out_ += kLineBreaks[style_.mixed ? draw_.pick(kLineBreaks) : style_.lineBreak]; }

  void digitlessLines() {
    for (int k = draw_.upTo(7) - 5; k > 0; --k) {
      write(kDigitless[draw_.pick(kDigitless)]);
      lineBreak();
    }
  }

  Draw& draw_;
  const Style& style_;
  std::string out_;
};

// The side of the matrix and the longest digit run of the elements, for the
// oracle's cost.
struct Size {
  int side = 0;
  std::size_t digits = 0;
};

Size sizeOf(const ElementRows& m) {
  Size s{static_cast<int>(m.size()), 0};
  for (const auto& row : m) {
    s.side = std::max(s.side, static_cast<int>(row.size()));
    for (const Element& e : row) {
      s.digits = std::max({s.digits, e.digits.size() + e.decimals.size() + e.denominatorDecimals.size(),
                           e.denominator.size() + e.decimals.size() + e.denominatorDecimals.size()});
    }
  }
  return s;
}

// One command: the texts typed (the others left as they were), the radio
// button checked (0 for none), the control pressed.
struct Command {
  std::vector<std::pair<int, std::string>> texts;
  std::vector<Size> sizes;
  int radio = 0;
  int control = kComputeButton;
};

std::string escaped(const std::string& bytes) {
  std::string out;
  for (const char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b >= 0x20 && b < 0x7F && b != '\\') {
      out += ch;
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", b);
      out += hex;
    }
  }
  return out;
}

// Sontaby's second matrix: mostly of the shape its operation needs.
std::pair<int, int> secondShape(Draw& draw, int radio, int rows, int columns) {
  if (draw.upTo(3) == 3) return {draw.side(), draw.side()};
  if (radio == kSontabyProductButton) return {columns, draw.side()};
  if (radio == kSontabyScalarButton) return {1, 1};
  return {rows, columns};
}

Command drawCommand(Draw& draw, const Program& program) {
  Command command;
  const auto& radios = program.info.radioButtons;
  const int radio = draw.byte();  // none now and then
  command.radio = radios.empty() || radio >= 240 ? 0 : radios[static_cast<std::size_t>(radio) % radios.size()];
  const int rows = draw.side(), columns = draw.upTo(3) == 3 ? draw.side() : rows;
  for (std::size_t k = 0; k < program.info.editBoxes.size(); ++k) {
    if (draw.upTo(15) == 15) continue;  // left as it was
    const auto [r, c] = k == 0 ? std::pair(rows, columns) : secondShape(draw, command.radio, rows, columns);
    const ElementRows m = matrix(draw, r, c);
    const Style style = draw.style();
    const std::string text = Writer(draw, style).text(m);
    command.texts.emplace_back(program.info.editBoxes[k], style.gbk ? text : console::editBoxText(text));
    command.sizes.push_back(sizeOf(m));
  }
  if (draw.upTo(15) == 15) {
    const auto& buttons = program.info.pushButtons;
    command.control = draw.flag() ? buttons[draw.byte() % buttons.size()] : 990 + draw.upTo(30);
  }
  return command;
}

// The program's dialog on both handlers: the normal one and the one computing
// step by step, given only commands it computes fast enough.
class Dialogs {
 public:
  explicit Dialogs(const Program& program)
      : program_(program), handler_(program.info.makeHandler()), oracle_(program.stepByStep()) {}

  void run(const Command& command) {
    for (std::size_t k = 0; k < command.texts.size(); ++k) {
      const auto& [id, text] = command.texts[k];
      window_.setText(id, text);
      oracleWindow_.setText(id, text);
      sizes_[id] = command.sizes[k];
    }
    for (const int radio : program_.info.radioButtons) {
      window_.setChecked(radio, radio == command.radio);
      oracleWindow_.setChecked(radio, radio == command.radio);
    }
    const fuzz::Allowed allowed = fuzz::allowedBy(program_.info, window_);
    const std::vector<MessageRecord> boxes = press(*handler_, window_, command.control);
    const auto& buttons = program_.info.pushButtons;
    const bool acts = std::find(buttons.begin(), buttons.end(), command.control) != buttons.end();
    if (boxes.size() != (acts ? 1u : 0u)) fail("unexpected number of boxes", boxes);
    for (const MessageRecord& box : boxes) {
      if (!fuzz::isWellFormed(program_.info.name, box, allowed)) fail("unexpected box", boxes);
    }
    if (!allowed.rangeError && oracleIsFastEnough() && press(*oracle_, oracleWindow_, command.control) != boxes) {
      fail("step by step shows other boxes", boxes);
    }
  }

 private:
  static std::vector<MessageRecord> press(CommandHandler& handler, RecordingWindow& window, int control) {
    window.clearMessages();
    handler.onCommand(window, control);
    return window.messages();
  }

  // Whether the oracle computes the matrices in the boxes fast enough: its
  // time grows with the side and the length of the terms.
  bool oracleIsFastEnough() const {
    for (const auto& [id, size] : sizes_) {
      if (size.side > (size.digits <= 12 ? program_.oracleSide : program_.oracleSideForLongTerms)) return false;
    }
    return true;
  }

  [[noreturn]] void fail(const char* what, const std::vector<MessageRecord>& boxes) {
    std::fprintf(stderr, "%s: %.*s\n", what, static_cast<int>(program_.info.name.size()), program_.info.name.data());
    for (const int id : program_.info.editBoxes) {
      char text[70000];
      window_.readText(id, text, sizeof text);
      std::fprintf(stderr, "box %d: \"%s\"\n", id, escaped(text).c_str());
    }
    for (const int radio : program_.info.radioButtons) {
      if (window_.isChecked(radio)) std::fprintf(stderr, "checked %d\n", radio);
    }
    for (const MessageRecord& box : boxes) {
      std::fprintf(stderr, "shown: [%s] \"%s\"\n", escaped(box.caption).c_str(), escaped(box.text).c_str());
    }
    std::abort();
  }

  const Program& program_;
  std::unique_ptr<CommandHandler> handler_, oracle_;
  RecordingWindow window_, oracleWindow_;
  std::map<int, Size> sizes_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider bytes(data, size);
  Draw draw(bytes);
  const Program& program = kPrograms[draw.pick(kPrograms)];
  Dialogs dialogs(program);  // kept for both commands, as a dialog keeps its handlers
  for (int step = 0; step < 2 && (step == 0 || draw.flag()); ++step) dialogs.run(drawCommand(draw, program));
  return 0;
}
