// Randomized cross-checks of every program on inputs of the one generator
// (random_input.h): sizes 1 to 20; integers and fractions, unreduced ones,
// 32-bit boundary values and elements beyond 32 bits; repeated, scaled and
// combined rows, zero rows and columns, zero pivots, rank n - 1 and n - 2.
// Each command is held to two references:
// - an independent exact computation with GMP rationals: every number shown
//   is exactly right. Every other input carries a zero denominator outside
//   its matrix, so that it is computed as typed with 32-bit terms: then the
//   command may also end in the range error, and in Sontaby it must, exactly
//   when a value it stores leaves 32 bits;
// - for a text without a zero denominator, the step-by-step algorithm on terms
//   of any size (Method::StepByStep): the same boxes as the kernel, byte for
//   byte.
// A failure shows every typed text and the choice; each test prints its tally.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <memory>
#include <sstream>

#include "decimal_text.h"
#include "dialog_driver.h"
#include "dornikel.h"
#include "encoding.h"
#include "exact_reference.h"
#include "matrix_lines.h"
#include "matrix_reader.h"
#include "quendrel.h"
#include "random_input.h"
#include "ravelle.h"
#include "sontaby.h"

namespace matcalc {
namespace {

using namespace matcalc::testing;

// One compute command: the texts typed into edit boxes, the radio button
// checked (0 for none).
struct Command {
  std::vector<std::pair<int, std::string>> texts;
  int choice = 0;
};

std::string describe(const Command& command) {
  std::string out;
  for (const auto& [box, text] : command.texts) out += "box " + std::to_string(box) + ":\n" + text + "\n";
  return out + "choice " + std::to_string(command.choice);
}

struct Tally {
  const char* program;
  const char* marked = nullptr;  // what `marks` counts, if anything
  int exact = 0, large = 0, longTerms = 0, stepwise = 0, outOfRange = 0, marks = 0;
  int largestCompared = 0;  // the largest side compared step by step

  void countExact(std::size_t rows, bool beyond32Bits) {
    ++exact;
    large += rows >= 10;
    longTerms += beyond32Bits;
  }
  void print() const {
    std::cout << program << ": " << exact << " exact (" << large << " with 10 to 20 rows, " << longTerms
              << " with elements beyond 32 bits), " << stepwise << " the same step by step (sides up to "
              << largestCompared << "), " << outOfRange << " range errors with 32-bit terms";
    if (marked != nullptr) std::cout << ", " << marks << ' ' << marked;
    std::cout << '\n';
  }
  // Prints the tally; every kind of input was met, or the generator lost one.
  void expectEveryKind() const {
    print();
    if (::testing::Test::HasFailure()) return;  // the failing input says more
    EXPECT_GT(large, 0) << program;
    EXPECT_GT(longTerms, 0) << program;
    EXPECT_EQ(largestCompared, kMaxSide) << program;
    EXPECT_GT(outOfRange, 0) << program;
    EXPECT_TRUE(marked == nullptr || marks > 0) << program << ": no input " << marked;
  }
};

// A program's dialog, and its twin computing step by step, the oracle, for
// a matrix of side `comparedSide` (its larger dimension); 0 when a text has a
// zero denominator or the oracle would take too long: the twin sees nothing.
class Dialogs {
 public:
  Dialogs(const ProgramInfo& program, std::unique_ptr<CommandHandler> stepwise, int comparedSide)
      : kernel_(program), stepwise_(program, std::move(stepwise)), comparedSide_(comparedSide) {}

  std::vector<Box> press(const Command& command, Tally& tally) {
    const std::vector<Box> boxes = pressOn(kernel_, command);
    if (comparedSide_ > 0) {
      EXPECT_EQ(boxes, pressOn(stepwise_, command)) << describe(command);
      ++tally.stepwise;
      tally.largestCompared = std::max(tally.largestCompared, comparedSide_);
    }
    return boxes;
  }

 private:
  static std::vector<Box> pressOn(DialogDriver& dialog, const Command& command) {
    for (const auto& [box, text] : command.texts) dialog.type(box, text);
    return dialog.check(command.choice).press(kComputeButton);
  }

  DialogDriver kernel_, stepwise_;
  int comparedSide_;
};

// The first sample and one in 120 after it are of side 20, the largest.
bool largest(int sample) { return sample % 120 == 0; }

// Every other sample is typed with a zero denominator outside its matrix,
// when its first line has room for one: mostly small terms then, so that
// large sizes stay within 32 bits often enough. Otherwise any terms.
bool with32BitTerms(int sample, int columns) { return sample % 2 == 1 && columns < kMaxSide; }

Terms termsOf(RandomInput& in, bool with32BitTerms) {
  static constexpr Terms kAsTyped[] = {Terms::Small, Terms::Small, Terms::Small, Terms::Int32};
  static constexpr Terms kExact[] = {Terms::Small, Terms::Small, Terms::Int32, Terms::Beyond32Bits};
  return in.pick(std::span<const Terms>(with32BitTerms ? kAsTyped : kExact));
}

// The text of a matrix, typed in a way drawn from `in`.
std::string textOf(const TypedMatrix& m, bool with32BitTerms, RandomInput& in) {
  const std::string text = matrixText(m, in.typing());
  return with32BitTerms ? withZeroDenominator(text) : text;
}

// The cells of the first `rows` lines of a shown text, split at blanks.
using ShownCells = std::vector<std::vector<std::string>>;

ShownCells shownCells(const std::string& text, std::size_t rows) {
  ShownCells shown(rows);
  std::istringstream lines(text);
  std::string line;
  for (auto& row : shown) {
    std::getline(lines, line);
    std::istringstream cells(line);
    for (std::string cell; cells >> cell;) row.push_back(cell);
  }
  return shown;
}

RationalMatrix valuesOf(const ShownCells& shown) {
  RationalMatrix m;
  for (const auto& row : shown) {
    m.emplace_back();
    for (const std::string& cell : row) {
      m.back().emplace_back(cell);
      m.back().back().canonicalize();
    }
  }
  return m;
}

RationalMatrix scaledIdentity(std::size_t n, const Rational& s) {
  RationalMatrix m(n, std::vector<Rational>(n));
  for (std::size_t i = 0; i < n; ++i) m[i][i] = s;
  return m;
}

// The one box of a command; with 32-bit terms the range error box may end
// it instead. False when it did (counted) or when a check failed.
bool shownExactly(const std::vector<Box>& boxes, bool with32BitTerms, Tally& tally, const Command& command) {
  EXPECT_EQ(boxes.size(), 1u) << describe(command);
  if (boxes.size() != 1) return false;
  if (with32BitTerms && boxes[0] == rangeErrorBox()) {
    ++tally.outOfRange;
    return false;
  }
  return true;
}

TEST(CrossCheck, Dornikel) {
  RandomInput in(101);
  Tally tally{"dornikel", "singular"};
  for (int i = 0; i < iterations(400) && !::testing::Test::HasFailure(); ++i) {
    const int n = largest(i) ? kMaxSide : in.side();
    const bool narrow = with32BitTerms(i, n);
    const TypedMatrix m = in.matrix(n, n, termsOf(in, narrow));
    const Command command{{{kMatrixBox, textOf(m, narrow, in)}}};
    Dialogs dialogs(kDornikelInfo, std::make_unique<Dornikel>(Method::StepByStep), narrow ? 0 : n);
    const std::vector<Box> boxes = dialogs.press(command, tally);
    if (!shownExactly(boxes, narrow, tally, command)) continue;
    std::string value = cellText(determinant(valueOf(m)));
    value.pop_back();  // a cell text ends in a blank, the determinant does not
    EXPECT_EQ(boxes[0], (Box{Owner::Dialog, "计算完毕", "行列式的值为 " + value})) << describe(command);
    tally.countExact(m.size(), !fitsInt32(m));
    tally.marks += value == "0";
  }
  tally.expectEveryKind();
}

// Both commands on one dialog: the adjugate X with A X = det(A) I (for a
// singular A, X is the reference's adjugate), then the inverse Y with A Y = I
// or the refusal; each shown in lowest terms with positive denominators.
TEST(CrossCheck, Ravelle) {
  const Box singular{Owner::Dialog, "False !", "该矩阵的值为0,不存在逆矩阵!"};
  RandomInput in(202);
  Tally tally{"ravelle", "refused as singular"};
  for (int i = 0; i < iterations(120) && !::testing::Test::HasFailure(); ++i) {
    // The oracle computes the adjugate by cofactors, n^2 determinants step
    // by step, in time n^5 (a full 20 x 20 of small terms takes 10 s under
    // the sanitizers): it takes sizes up to 12 of small terms, up to 8 of
    // any; the largest, of side 20, are bands of small terms.
    const int n = largest(i) ? kMaxSide : in.side();
    const bool narrow = with32BitTerms(i, n);
    const Terms terms = largest(i) ? Terms::Small : termsOf(in, narrow);
    TypedMatrix m = largest(i) ? in.elements(n, n, terms) : in.matrix(n, n, terms);
    if (largest(i)) RandomInput::keepBand(m, 2);
    const bool compare = !narrow && (largest(i) || n <= (terms == Terms::Small ? 12 : 8));
    Dialogs dialogs(kRavelleInfo, std::make_unique<Ravelle>(Method::StepByStep), compare ? n : 0);
    const RationalMatrix a = valueOf(m);
    const Rational det = determinant(a);
    for (const int choice : {kAdjugateRadio, kInverseRadio}) {
      const Command command{{{kMatrixBox, textOf(m, narrow, in)}}, choice};
      const std::vector<Box> boxes = dialogs.press(command, tally);
      if (!shownExactly(boxes, narrow, tally, command)) continue;
      tally.countExact(m.size(), !fitsInt32(m));
      if (choice == kInverseRadio && det == 0) {
        EXPECT_EQ(boxes[0], singular) << describe(command);
        ++tally.marks;
        continue;
      }
      const RationalMatrix shown = valuesOf(shownCells(boxes[0].text, a.size()));
      EXPECT_EQ(boxes[0], (Box{Owner::None, "计算完毕", matrixResultText(shown)})) << describe(command);
      EXPECT_EQ(multiply(a, shown), scaledIdentity(a.size(), choice == kInverseRadio ? 1 : det)) << describe(command);
      if (choice == kAdjugateRadio && det == 0) {
        EXPECT_EQ(shown, adjugate(a)) << describe(command);
      }
    }
  }
  tally.expectEveryKind();
}

// What Sontaby shows for its operands, and whether it must end in the range
// error with 32-bit terms: when a term typed or a value stored leaves them
// (each cell of a sum, difference or scalar multiple, each negation of the
// difference, each running sum of a product).
struct SontabyResult {
  std::string text;
  bool outOfRange = false;
};

SontabyResult sontabyResult(int operation, const TypedMatrix& typed1, const TypedMatrix& typed2) {
  const RationalMatrix a = valueOf(typed1), b = valueOf(typed2);
  SontabyResult out{{}, !fitsInt32(typed1) || !fitsInt32(typed2)};
  const auto store = [&](const Rational& q) {
    if (!fitsInt32(q.get_num()) || !fitsInt32(q.get_den())) out.outOfRange = true;
  };
  RationalMatrix result = a;
  if (operation == kSontabyProductButton) {
    result = RationalMatrix(a.size(), std::vector<Rational>(b[0].size()));
    for (std::size_t i = 0; i < result.size(); ++i) {
      for (std::size_t j = 0; j < result[i].size(); ++j) {
        for (std::size_t k = 0; k < b.size(); ++k) store(result[i][j] += a[i][k] * b[k][j]);
      }
    }
  } else {
    for (std::size_t r = 0; r < result.size(); ++r) {
      for (std::size_t c = 0; c < result[r].size(); ++c) {
        if (operation == kSontabySumButton) result[r][c] += b[r][c];
        if (operation == kSontabyDifferenceButton) {
          if (typed2[r][c].num == INT32_MIN) out.outOfRange = true;  // its negation is stored
          result[r][c] -= b[r][c];
        }
        if (operation == kSontabyScalarButton) result[r][c] *= b[0][0];
        store(result[r][c]);
      }
    }
  }
  out.text = matrixResultText(result);
  return out;
}

TEST(CrossCheck, Sontaby) {
  constexpr int kOperations[] = {kSontabySumButton, kSontabyDifferenceButton, kSontabyProductButton,
                                 kSontabyScalarButton};
  RandomInput in(303);
  Tally tallies[] = {{"sontaby sum"}, {"sontaby difference"}, {"sontaby product"}, {"sontaby scalar multiple"}};
  for (int i = 0; i < iterations(600) && !::testing::Test::HasFailure(); ++i) {
    const int operation = kOperations[i % 4];
    Tally& tally = tallies[i % 4];
    const auto side = [&] { return largest(i - i % 4) ? kMaxSide : in.side(); };  // each operation at 20
    const int rows = side(), inner = side();
    const int rows2 = operation == kSontabyProductButton ? inner : operation == kSontabyScalarButton ? in.side(3) : rows;
    const int columns2 = operation == kSontabyProductButton || operation == kSontabyScalarButton ? side() : inner;
    const bool narrow = with32BitTerms(i / 4, columns2);  // i % 4 is the operation
    const TypedMatrix a = in.matrix(rows, inner, termsOf(in, narrow));
    const TypedMatrix b = in.matrix(rows2, columns2, termsOf(in, narrow));
    const Command command{{{kSontabyMatrix1Box, textOf(a, false, in)}, {kSontabyMatrix2Box, textOf(b, narrow, in)}}, operation};
    Dialogs dialogs(kSontabyInfo, std::make_unique<Sontaby>(Method::StepByStep),
                    narrow ? 0 : std::max({rows, inner, rows2, columns2}));
    const std::vector<Box> boxes = dialogs.press(command, tally);
    const SontabyResult want = sontabyResult(operation, a, b);
    if (narrow && want.outOfRange) {
      EXPECT_EQ(boxes, std::vector<Box>{rangeErrorBox()}) << describe(command);
      ++tally.outOfRange;
    } else {
      EXPECT_EQ(boxes, (std::vector<Box>{{Owner::None, "计算完毕", want.text}})) << describe(command);
      tally.countExact(a.size(), !fitsInt32(a) || !fitsInt32(b));
    }
  }
  for (const Tally& tally : tallies) tally.expectEveryKind();
}

// Quendrel's result for the matrix `typed`: the shown matrix, a row a line
// and each cell followed by a blank, holds the values of forward elimination
// with repair by row addition; then an empty line and the rank, or the
// shown diagonal's cells. Counts the repairs.
void expectQuendrelResult(const Box& box, const RationalMatrix& typed, const Command& command, int& repairs) {
  const ShownCells shown = shownCells(box.text, typed.size());
  EXPECT_EQ(valuesOf(shown), shownElimination(typed, repairs)) << describe(command) << '\n' << box.text;
  std::string text;
  for (const auto& row : shown) {
    for (const std::string& cell : row) text += cell + ' ';
    text += '\n';
  }
  if (command.choice == kQuendrelEigenvalueButton) {
    text += "\n特征值为 ";
    for (std::size_t c = 0; c < shown.size(); ++c) text += shown[c].at(c) + ' ';
  } else {
    text += "\n矩阵的秩为" + std::to_string(rank(typed));
  }
  EXPECT_EQ(box, (Box{Owner::None, "计算完毕", text})) << describe(command);
}

TEST(CrossCheck, Quendrel) {
  RandomInput in(404);
  Tally tally{"quendrel", "pivot repairs by row addition"};
  for (int i = 0; i < iterations(400) && !::testing::Test::HasFailure(); ++i) {
    const int rows = largest(i) ? kMaxSide : in.side(), columns = in.oneIn(3) ? rows : in.side();
    const bool narrow = with32BitTerms(i, columns);
    const TypedMatrix m = in.matrix(rows, columns, termsOf(in, narrow));
    const int choice = rows == columns && in.oneIn(2) ? kQuendrelEigenvalueButton : kQuendrelRankButton;
    const Command command{{{kMatrixBox, textOf(m, narrow, in)}}, choice};
    Dialogs dialogs(kQuendrelInfo, std::make_unique<Quendrel>(Method::StepByStep), narrow ? 0 : std::max(rows, columns));
    const std::vector<Box> boxes = dialogs.press(command, tally);
    if (!shownExactly(boxes, narrow, tally, command)) continue;
    expectQuendrelResult(boxes[0], valueOf(m), command, tally.marks);
    tally.countExact(m.size(), !fitsInt32(m));
  }
  tally.expectEveryKind();
}

// Texts of the characters the reader acts on and of those it reads as them,
// ragged lines, empty lines and stray signs included: the matrix Quendrel
// computes is the one readMatrix stores from the text as the input buffer
// keeps it.
TEST(CrossCheck, QuendrelRandomTexts) {
  static const std::string kPieces[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", " ", " ", "/", "/", "-", "-",
                                        "\n", ".", "\t", ",", "\r", "\r\n", "\uFF11", "\u3000", "\uFF0F", "\u2212",
                                        "\uFF0E", "\u00A0", "\u77E9"};
  RandomInput in(7);
  Tally tally{"quendrel texts", "with a zero denominator"};
  for (int i = 0; i < iterations(2000) && !::testing::Test::HasFailure(); ++i) {
    std::string text;
    for (std::int64_t k = in.between(0, 29); k > 0; --k) text += in.pick(std::span<const std::string>(kPieces));
    FractionGrid grid;
    std::string typed = console::editBoxText(text);
    typed.resize(keepMatrixLines(typed.data(), typed.size()));
    typed += "  ";
    const ReadResult read = readMatrix(typed, grid);
    const Command command{{{kMatrixBox, text}}, kQuendrelRankButton};
    Dialogs dialogs(kQuendrelInfo, std::make_unique<Quendrel>(Method::StepByStep), read.zeroDenominator ? 0 : read.rows);
    const std::vector<Box> boxes = dialogs.press(command, tally);
    if (read.exact != Status::Ok || read.zeroDenominator) {
      EXPECT_EQ(boxes.size(), 1u) << describe(command);
      tally.marks += read.zeroDenominator;
      continue;
    }
    const std::size_t columns = static_cast<std::size_t>(columnCount(typed, read.rows));
    RationalMatrix a(static_cast<std::size_t>(read.rows), std::vector<Rational>(columns));
    bool beyond32Bits = false;
    for (std::size_t r = 0; r < a.size(); ++r) {
      for (std::size_t c = 0; c < columns; ++c) {
        a[r][c] = Rational(mpz_class(decimal(grid.num[r + 1][c + 1])), mpz_class(decimal(grid.den[r + 1][c + 1])));
        a[r][c].canonicalize();
        beyond32Bits = beyond32Bits || !grid.num[r + 1][c + 1].fitsInt32() || !grid.den[r + 1][c + 1].fitsInt32();
      }
    }
    ASSERT_EQ(boxes.size(), 1u) << describe(command);
    int repairs = 0;
    expectQuendrelResult(boxes[0], a, command, repairs);
    tally.countExact(a.size(), beyond32Bits);
  }
  tally.print();
  EXPECT_GT(tally.exact, iterations(600));
  EXPECT_GT(tally.longTerms, 0);
  EXPECT_GT(tally.marks, 0);
}

}  // namespace
}  // namespace matcalc
