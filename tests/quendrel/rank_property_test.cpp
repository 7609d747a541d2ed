// Random matrices through Quendrel's compute command, compared with an
// independent exact computation on GMP rationals: the rank shown is the rank
// of the matrix as typed, and the matrix shown holds the values that forward
// elimination with repair by row addition gives. As typed every case is
// exact; with a zero denominator in the text (outside the matrix, so computed
// with 32-bit terms) a case is exact or the range error box.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "encoding.h"
#include "exact_reference.h"
#include "matrix_reader.h"
#include "quendrel.h"

namespace matcalc {
namespace {

using testing::Box;
using testing::DialogDriver;
using testing::Rational;
using testing::RationalMatrix;

// Forward elimination as the dialog shows it: pivot [k][k]; a zero pivot gets
// the first row below with a nonzero cell in its column added once; rows are
// never exchanged. A pivot column beyond the last column changes nothing.
RationalMatrix shownElimination(RationalMatrix a) {
  const std::size_t n = a.size(), m = n == 0 ? 0 : a[0].size();
  for (std::size_t k = 0; k + 1 < n && k < m; ++k) {
    if (a[k][k] == 0) {
      for (std::size_t p = k + 1; p < n; ++p) {
        if (a[p][k] == 0) continue;
        for (std::size_t c = 0; c < m; ++c) a[k][c] += a[p][c];
        break;
      }
    }
    if (a[k][k] == 0) continue;
    for (std::size_t i = k + 1; i < n; ++i) {
      const Rational f = a[i][k] / a[k][k];
      for (std::size_t c = 0; c < m; ++c) a[i][c] -= f * a[k][c];
    }
  }
  return a;
}

struct Shown {
  RationalMatrix matrix;
  int rank = -1;
};

// Parses a result text: rows of cells "n " or "n/d ", an empty line, then
// "矩阵的秩为" and the rank. Nothing when the text has another form.
std::optional<Shown> parseResult(const std::string& text, std::size_t rows, std::size_t columns) {
  std::istringstream lines(text);
  std::string line;
  Shown shown;
  for (std::size_t r = 0; r < rows; ++r) {
    if (!std::getline(lines, line) || (columns > 0 && !line.ends_with(' '))) return std::nullopt;
    std::istringstream cells(line);
    std::vector<Rational> row;
    std::string cell;
    while (cells >> cell) row.push_back(Rational(cell));
    for (Rational& q : row) q.canonicalize();
    if (row.size() != columns) return std::nullopt;
    shown.matrix.push_back(row);
  }
  const std::string head = "矩阵的秩为";
  if (!std::getline(lines, line) || !line.empty() || !std::getline(lines, line) || !line.starts_with(head)) {
    return std::nullopt;
  }
  shown.rank = std::stoi(line.substr(head.size()));
  return shown;
}

struct Tally {
  int exact = 0;
  int rangeError = 0;
};

void checkText(const std::string& text, const RationalMatrix& typed, bool with32BitTerms, Tally& tally) {
  DialogDriver dialog(kQuendrelInfo);
  const std::vector<Box> boxes = dialog.type(kMatrixBox, text).check(kQuendrelRankButton).press(kComputeButton);
  ASSERT_EQ(boxes.size(), 1u) << text;
  if (with32BitTerms && boxes[0] == testing::rangeErrorBox()) {
    ++tally.rangeError;
    return;
  }
  const std::size_t columns = typed.empty() ? 0 : typed[0].size();
  ASSERT_EQ(boxes[0].owner, Owner::None) << text;
  const std::optional<Shown> shown = parseResult(boxes[0].text, typed.size(), columns);
  ASSERT_TRUE(shown.has_value()) << text << "\n" << boxes[0].text;
  EXPECT_EQ(shown->rank, testing::rank(typed)) << text;
  EXPECT_EQ(shown->matrix, shownElimination(typed)) << text << "\n" << boxes[0].text;
  ++tally.exact;
}

// One compute command on `text`, and on the same text with a zero
// denominator when it has room for one; `typed` is the matrix the text
// stands for.
void checkOne(const std::string& asTyped, const RationalMatrix& typed, Tally& tally) {
  const std::size_t columns = typed.empty() ? 0 : typed[0].size();
  checkText(asTyped, typed, false, tally);
  if (columns < kMaxSide) checkText(testing::withZeroDenominator(asTyped), typed, true, tally);
}

// Small values most of the time, so that most cases stay exact; sometimes
// one of the wide elements, so that some leave 32 bits.
std::pair<std::int64_t, std::int64_t> element(std::mt19937& rng) {
  if (rng() % 10 < 7) return {static_cast<std::int64_t>(rng() % 11) - 5, 1 + static_cast<std::int64_t>(rng() % 3)};
  return testing::randomElement(rng);
}

Rational combination(std::mt19937& rng) {
  static const Rational kCoefficients[] = {-2, -1, 0, 1, 2, 3, testing::fraction(1, 2), testing::fraction(-2, 3)};
  return kCoefficients[rng() % std::size(kCoefficients)];
}

// A random n x m matrix with some rows combined from others, some zero rows
// and some zero columns; its text when every term fits in 32 bits.
RationalMatrix randomMatrix(std::mt19937& rng, std::size_t n, std::size_t m) {
  RationalMatrix a(n, std::vector<Rational>(m));
  for (std::size_t r = 0; r < n; ++r) {
    const unsigned kind = rng() % 6;
    for (std::size_t c = 0; c < m; ++c) {
      if (kind == 0) a[r][c] = 0;
      else if (kind <= 2 || r < 2) a[r][c] = [&] { const auto e = element(rng); return testing::fraction(e.first, e.second); }();
    }
    if (kind >= 3 && r >= 2) {  // a combination of two earlier rows
      const std::size_t i = rng() % r, j = rng() % r;
      const Rational x = combination(rng), y = combination(rng);
      for (std::size_t c = 0; c < m; ++c) a[r][c] = x * a[i][c] + y * a[j][c];
    }
  }
  if (m > 1 && rng() % 4 == 0) {
    const std::size_t zero = rng() % m;
    for (std::size_t r = 0; r < n; ++r) a[r][zero] = 0;
  }
  return a;
}

std::optional<std::string> textOf(const RationalMatrix& a) {
  std::vector<std::vector<std::pair<std::int64_t, std::int64_t>>> rows;
  for (const auto& row : a) {
    rows.emplace_back();
    for (const Rational& q : row) {
      if (!testing::fitsInt32(q.get_num()) || !testing::fitsInt32(q.get_den())) return std::nullopt;
      rows.back().push_back({q.get_num().get_si(), q.get_den().get_si()});
    }
  }
  return testing::matrixText(rows);
}

TEST(RankProperty, RandomMatricesWithDependentRows) {
  std::mt19937 rng(20240607);
  Tally tally;
  int unwritable = 0;
  for (int i = 0; i < 3000; ++i) {
    const std::size_t n = 1 + rng() % 6, m = 1 + rng() % 6;
    const RationalMatrix a = randomMatrix(rng, n, m);
    const std::optional<std::string> text = textOf(a);
    if (!text) {
      ++unwritable;
      continue;
    }
    checkOne(*text, a, tally);
    if (::testing::Test::HasFatalFailure()) return;
  }
  std::printf("[quendrel] %d exact, %d range error, %d not typeable\n", tally.exact, tally.rangeError, unwritable);
  EXPECT_GT(tally.exact, 4000);
  EXPECT_GT(tally.rangeError, 0);
}

// Texts made of the characters the reader acts on, ragged lines, empty lines
// and stray signs included: the matrix as read is what readMatrix stores.
TEST(RankProperty, RandomTexts) {
  static const char kAlphabet[] = "0123456789  //--\n";
  std::mt19937 rng(7);
  Tally tally;
  int other = 0;
  for (int i = 0; i < 3000; ++i) {
    std::string text;
    const std::size_t length = rng() % 30;
    for (std::size_t k = 0; k < length; ++k) text += kAlphabet[rng() % (sizeof kAlphabet - 1)];

    FractionGrid grid;
    const std::string typed = console::editBoxText(text) + "  ";
    const ReadResult read = readMatrix(typed, grid);
    const int columns = columnCount(typed, read.rows);
    RationalMatrix a(static_cast<std::size_t>(read.rows), std::vector<Rational>(static_cast<std::size_t>(columns)));
    if (read.asTyped != Status::Ok || read.zeroDenominator) {
      DialogDriver dialog(kQuendrelInfo);
      EXPECT_EQ(dialog.type(kMatrixBox, text).check(kQuendrelRankButton).press(kComputeButton).size(), 1u) << text;
      ++other;
      continue;
    }
    for (int r = 1; r <= read.rows; ++r) {
      for (int c = 1; c <= columns; ++c) a[r - 1][c - 1] = testing::fraction(grid.num[r][c].small(), grid.den[r][c].small());
    }
    checkText(text, a, false, tally);
    if (::testing::Test::HasFatalFailure()) return;
  }
  std::printf("[quendrel texts] %d exact, %d range error, %d other\n", tally.exact, tally.rangeError, other);
  EXPECT_GT(tally.exact, 1000);
}

}  // namespace
}  // namespace matcalc
