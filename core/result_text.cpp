#include "result_text.h"

#include "texts.h"

namespace matcalc {
namespace {

constexpr std::size_t kLongestCell = 24;
constexpr std::size_t kLongestBlocks = 1 + 7 + kMaxSide * kLongestCell + 1 + 10 + 2;
static_assert(ResultText::kCapacity > kMaxSide * (kMaxSide * kLongestCell + 1) + kLongestBlocks);

}  // namespace

void ResultText::append(std::string_view piece) {
  // Never reached by a result the programs build; cutting keeps the buffer safe.
  const std::size_t room = kCapacity - 1 - length_;
  const std::size_t n = piece.size() < room ? piece.size() : room;
  for (std::size_t i = 0; i < n; ++i) bytes_[length_ + i] = piece[i];
  length_ += n;
  bytes_[length_] = '\0';
}

void ResultText::appendDecimal(std::int32_t value) {
  std::array<char, 12> digits{};
  std::size_t start = digits.size();
  std::uint32_t magnitude = value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
  do {
    digits[--start] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) digits[--start] = '-';
  append({digits.data() + start, digits.size() - start});
}

void ResultText::appendCell(Fraction f) {
  if (f.num == 0) {
    append("0 ");
    return;
  }
  appendDecimal(f.num);
  if (f.den != 1) {
    append("/");
    appendDecimal(f.den);
  }
  append(" ");
}

void ResultText::appendMatrix(const FractionGrid& g, int rows, int columns) {
  for (int r = 1; r <= rows; ++r) {
    for (int c = 1; c <= columns; ++c) appendCell(g.cell(r, c));
    appendLineEnd();
  }
}

void showResult(Window& dialog, const ResultText& text) {
  dialog.showMessage(Owner::None, text.c_str(), texts::kResultCaption.c_str());
}

}  // namespace matcalc
