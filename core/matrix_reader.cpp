#include "matrix_reader.h"

#include <cstdint>

namespace matcalc {
namespace {

bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }

class MatrixReader {
 public:
  explicit MatrixReader(FractionGrid& grid) : grid_(grid) { grid_.clearRow(1); }

  ReadResult run(std::string_view text) {
    for (const char ch : text) {
      const Status s = step(ch);
      if (s != Status::Ok) return {s, rows_, zeroDenominator_};
    }
    return {Status::Ok, rows_, zeroDenominator_};
  }

 private:
  enum class State { Numerator, NegativeNumerator, Denominator };

  Status step(char ch) {
    if (isDigit(ch)) return digit(ch - '0');
    switch (state_) {
      case State::Numerator: return inNumerator(ch);
      case State::NegativeNumerator: return inNegativeNumerator(ch);
      case State::Denominator: return inDenominator(ch);
    }
    return Status::Ok;
  }

  // A negative number is built negative digit by digit; each new value of
  // the accumulator must fit in 32 bits.
  Status digit(int d) {
    const std::int64_t next = std::int64_t{accumulator_} * 10 + (state_ == State::NegativeNumerator ? -d : d);
    if (next < INT32_MIN || next > INT32_MAX) return Status::OutOfRange;
    accumulator_ = static_cast<std::int32_t>(next);
    if (state_ != State::Denominator) digitSeen_ = true;
    return Status::Ok;
  }

  Status inNumerator(char ch) {
    switch (ch) {
      case '/': return startDenominator();
      case ' ': return digitSeen_ ? storeNumeratorAndMoveOn() : Status::Ok;
      case '-': state_ = State::NegativeNumerator; return Status::Ok;
      case '\r':
        if (digitSeen_) {
          if (const Status s = storeNumerator(); s != Status::Ok) return s;
        }
        return advanceRow();
      default: return Status::Ok;
    }
  }

  Status inNegativeNumerator(char ch) {
    switch (ch) {
      case '/': return startDenominator();
      case ' ':
        if (!digitSeen_) return Status::Ok;
        state_ = State::Numerator;
        return storeNumeratorAndMoveOn();
      case '\r':
        if (!digitSeen_) return Status::Ok;  // the line break is not counted
        if (const Status s = storeNumerator(); s != Status::Ok) return s;
        state_ = State::Numerator;
        return advanceRow();
      default: return Status::Ok;
    }
  }

  Status inDenominator(char ch) {
    switch (ch) {
      case ' ':
        if (const Status s = storeDenominator(); s != Status::Ok) return s;
        ++column_;
        state_ = State::Numerator;
        return Status::Ok;
      case '\r':
        if (accumulator_ == 0) return Status::Ok;  // the line break is not counted
        if (const Status s = storeDenominator(); s != Status::Ok) return s;
        state_ = State::Numerator;
        return advanceRow();
      default: return Status::Ok;
    }
  }

  // Stores the numerator (0 when no digit was seen) and reads a denominator.
  Status startDenominator() {
    if (const Status s = storeNumerator(); s != Status::Ok) return s;
    state_ = State::Denominator;
    return Status::Ok;
  }

  Status storeNumeratorAndMoveOn() {
    if (const Status s = storeNumerator(); s != Status::Ok) return s;
    ++column_;
    return Status::Ok;
  }

  Status storeNumerator() {
    if (column_ > kMaxSide) return Status::TooLarge;
    grid_.num[row_][column_] = accumulator_;
    accumulator_ = 0;
    digitSeen_ = false;
    return Status::Ok;
  }

  Status storeDenominator() {
    if (column_ > kMaxSide) return Status::TooLarge;
    grid_.den[row_][column_] = accumulator_;
    if (accumulator_ == 0) zeroDenominator_ = true;
    accumulator_ = 0;
    return Status::Ok;
  }

  Status advanceRow() {
    if (row_ == kMaxSide) return Status::TooLarge;
    ++row_;
    ++rows_;
    column_ = 1;
    grid_.clearRow(row_);
    return Status::Ok;
  }

  FractionGrid& grid_;
  std::int32_t accumulator_ = 0;
  State state_ = State::Numerator;
  bool digitSeen_ = false;
  bool zeroDenominator_ = false;
  int row_ = 1;
  int column_ = 1;
  int rows_ = 1;
};

}  // namespace

ReadResult readMatrix(std::string_view text, FractionGrid& grid) {
  const ReadResult read = MatrixReader(grid).run(text);
  grid.width = read.zeroDenominator ? TermWidth::Int32 : TermWidth::Unbounded;
  return read;
}

int columnCount(std::string_view text, int rows) {
  int count = 0;
  bool inElement = false;
  for (const char ch : text) {
    if (rows > 1 && ch == '\r') break;
    if (isDigit(ch)) {
      if (rows > 1 && !inElement) ++count;
      inElement = true;
    } else if (ch == ' ' && inElement) {
      if (rows == 1) ++count;
      inElement = false;
    }
  }
  return count;
}

Status readRectangularMatrix(std::string_view text, FractionGrid& grid, int& rows, int& columns) {
  const ReadResult read = readMatrix(text, grid);
  if (read.status != Status::Ok) return read.status;
  // Each element the column count counts is one that the run stored on the
  // first line, at most 20; the test guards the tables all the same.
  const int count = columnCount(text, read.rows);
  if (count > kMaxSide) return Status::TooLarge;
  rows = read.rows;
  columns = count;
  return Status::Ok;
}

}  // namespace matcalc
