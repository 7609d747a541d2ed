#include "matrix_reader.h"

#include <algorithm>
#include <cstdint>

namespace matcalc {
namespace {

bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }

// 10^digits for 0 <= digits <= 18.
std::int64_t nativePowerOfTen(int digits) {
  std::int64_t p = 1;
  for (int i = 0; i < digits; ++i) p *= 10;
  return p;
}

// The number being read, exact whatever its length. It is a native integer
// while its magnitude is below 10^17; beyond that its digits are gathered
// natively in blocks of 18 and joined to a big value a block at a time.
class Accumulator {
 public:
  // A run of digits, each d making the number times 10 plus d, or minus d in
  // a negative number. Returns whether the value still fits in 32 bits: the
  // 32-bit accumulator that reads the same digits would otherwise have left
  // its range. A digit never makes the magnitude smaller, and one beyond 32
  // bits only larger, so the value at the end of the run tells.
  bool push(std::string_view digits, bool negative) {
    for (const char ch : digits) {
      const int digit = negative ? '0' - ch : ch - '0';
      if (!big_) {
        if (native_ > -kNativeLimit && native_ < kNativeLimit) {
          native_ = native_ * 10 + digit;
          continue;
        }
        big_ = true;
        bigPart_ = native_;
        native_ = 0;
      }
      native_ = native_ * 10 + digit;
      if (++blockDigits_ == kBlockDigits) {
        bigPart_ *= kBlockScale;  // in place: the library keeps its storage
        bigPart_ += native_;
        native_ = 0;
        blockDigits_ = 0;
      }
    }
    return !big_ && native_ >= INT32_MIN && native_ <= INT32_MAX;
  }

  bool isZero() const { return !big_ && native_ == 0; }

  // Stores the value, and the accumulator goes back to 0.
  void moveTo(Integer& target) {
    if (big_) moveBigTo(target);
    else target = native_;
    native_ = 0;
  }

 private:
  static constexpr std::int64_t kNativeLimit = 100'000'000'000'000'000;
  static constexpr int kBlockDigits = 18;
  static constexpr std::int64_t kBlockScale = 1'000'000'000'000'000'000;
  [[gnu::noinline]] void moveBigTo(Integer& target) {
    bigPart_ *= nativePowerOfTen(blockDigits_);
    bigPart_ += native_;
    target = Integer(std::move(bigPart_));
    big_ = false;
    blockDigits_ = 0;
  }

  // Native: the value. Big: the digits after bigPart_, blockDigits_ of
  // them, so that the value is bigPart_ * 10^blockDigits_ + native_.
  std::int64_t native_ = 0;
  bool big_ = false;
  BigInt bigPart_;
  int blockDigits_ = 0;
};

// The decimal places of the element being read, for the rule on decimals
// that input_text.h tells: the digits after a '.' in its numerator (a) and
// in its denominator (b), for storing N * 10^b / (D * 10^a).
class DecimalPlaces {
 public:
  void point() { afterPoint_ = true; }
  void digits(std::size_t count) {
    if (afterPoint_) part_ += static_cast<int>(count);
  }
  void endPart() { afterPoint_ = false; }
  // At the '/': the places counted so far are the numerator's.
  void startDenominator() {
    numerator_ = part_;
    part_ = 0;
  }
  // The places of the part being read, and of the numerator once the
  // denominator is read.
  int part() const { return part_; }
  int numerator() const { return numerator_; }
  // The element is stored: the next one starts without places.
  void clear() { part_ = numerator_ = 0; }

 private:
  bool afterPoint_ = false;
  int part_ = 0;
  int numerator_ = 0;
};

class MatrixReader {
 public:
  explicit MatrixReader(FractionGrid& grid) : grid_(grid) { grid_.clearRow(1); }

  // Reads to the end of the text, or up to the size fault: a cell beyond
  // the table cannot be stored.
  ReadResult run(std::string_view text) {
    ReadResult read;
    for (std::size_t i = 0; i < text.size() && read.exact == Status::Ok;) {
      if (isDigit(text[i])) {
        const std::size_t start = i;
        while (i < text.size() && isDigit(text[i])) ++i;
        digits(text.substr(start, i - start));
      } else {
        read.exact = step(text[i++]);
      }
    }
    read.rows = rows_;
    read.zeroDenominator = zeroDenominator_;
    read.asTyped = leftInt32_ ? Status::OutOfRange : read.exact;
    return read;
  }

 private:
  enum class State { Numerator, NegativeNumerator, Denominator };

  Status step(char ch) {
    if (ch == '.') {
      places_.point();
      return Status::Ok;
    }
    if (ch == ' ' || ch == '\r' || ch == '/') places_.endPart();
    switch (state_) {
      case State::Numerator: return inNumerator(ch);
      case State::NegativeNumerator: return inNegativeNumerator(ch);
      case State::Denominator: return inDenominator(ch);
    }
    return Status::Ok;
  }

  // A negative number is built negative digit by digit.
  void digits(std::string_view run) {
    if (!accumulator_.push(run, state_ == State::NegativeNumerator)) leftInt32_ = true;
    places_.digits(run.size());
    if (state_ != State::Denominator) digitSeen_ = true;
  }

  Status inNumerator(char ch) {
    switch (ch) {
      case '/': return startDenominator();
      case ' ': return digitSeen_ ? storeElementAndMoveOn() : Status::Ok;
      case '-': state_ = State::NegativeNumerator; return Status::Ok;
      case '\r':
        if (digitSeen_) {
          if (const Status s = storeElement(); s != Status::Ok) return s;
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
        return storeElementAndMoveOn();
      case '\r':
        if (!digitSeen_) return Status::Ok;  // the line break is not counted
        if (const Status s = storeElement(); s != Status::Ok) return s;
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
        if (accumulator_.isZero()) return Status::Ok;  // the line break is not counted
        if (const Status s = storeDenominator(); s != Status::Ok) return s;
        state_ = State::Numerator;
        return advanceRow();
      default: return Status::Ok;
    }
  }

  // Stores the numerator (0 when no digit was seen) and reads a denominator.
  Status startDenominator() {
    if (const Status s = storeNumerator(); s != Status::Ok) return s;
    places_.startDenominator();
    state_ = State::Denominator;
    return Status::Ok;
  }

  // An element without '/': its numerator, over 10^a for a decimal digits.
  Status storeElement() {
    if (const Status s = storeNumerator(); s != Status::Ok) return s;
    scale(grid_.den[row_][column_], places_.part());  // the 1 every cell starts with
    places_.clear();
    return Status::Ok;
  }

  Status storeElementAndMoveOn() {
    if (const Status s = storeElement(); s != Status::Ok) return s;
    ++column_;
    return Status::Ok;
  }

  Status storeNumerator() {
    if (column_ > kMaxSide) return Status::TooLarge;
    accumulator_.moveTo(grid_.num[row_][column_]);
    digitSeen_ = false;
    return Status::Ok;
  }

  // The denominator ends the element: D * 10^a over the numerator N * 10^b.
  Status storeDenominator() {
    if (column_ > kMaxSide) return Status::TooLarge;
    if (accumulator_.isZero()) zeroDenominator_ = true;
    accumulator_.moveTo(grid_.den[row_][column_]);
    scale(grid_.den[row_][column_], places_.numerator());
    scale(grid_.num[row_][column_], places_.part());
    places_.clear();
    return Status::Ok;
  }

  // A stored term times 10^places. Like a number read, a term so scaled is
  // exact whatever its length, and one beyond 32 bits is a fault of a 32-bit
  // reading, at the character that stores it.
  void scale(Integer& term, int places) {
    if (places == 0) return;
    Integer factor = nativePowerOfTen(places % 18);
    for (int k = places / 18; k > 0; --k) factor = factor * nativePowerOfTen(18);
    term = term * factor;
    if (!term.fitsInt32()) leftInt32_ = true;
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
  Accumulator accumulator_;
  DecimalPlaces places_;
  State state_ = State::Numerator;
  bool digitSeen_ = false;
  bool zeroDenominator_ = false;
  bool leftInt32_ = false;  // a number left the 32-bit range
  int row_ = 1;
  int column_ = 1;
  int rows_ = 1;
};

}  // namespace

ReadResult readMatrix(std::string_view text, FractionGrid& grid) { return MatrixReader(grid).run(text); }

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

RectangularRead readRectangularMatrix(std::string_view text, FractionGrid& grid) {
  RectangularRead out{readMatrix(text, grid), 0};
  // Each element the column count counts is one that the run stored on the
  // first line, at most 20, unless the run stopped at the size fault; the
  // bound guards the tables all the same.
  out.columns = std::min(columnCount(text, out.read.rows), kMaxSide);
  return out;
}

}  // namespace matcalc
