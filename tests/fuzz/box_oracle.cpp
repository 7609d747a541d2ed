#include "box_oracle.h"

#include <cstdint>
#include <string>

#include "fraction_grid.h"
#include "gbk.h"
#include "input_text.h"
#include "matrix_reader.h"
#include "texts.h"

namespace matcalc::fuzz {
namespace {

constexpr auto kDeterminantHeading = gbk("行列式的值为 ");
constexpr auto kDiagonalHeading = gbk("特征值为 ");
constexpr auto kRankHeading = gbk("矩阵的秩为");
constexpr auto kChooseOperationBang = gbk("请选择计算方式!");
constexpr auto kSingular = gbk("该矩阵的值为0,不存在逆矩阵!");
constexpr auto kFalseCaption = gbk("False !");
constexpr auto kDornikelHelpCaption = gbk("LumoTamsoryv1.0使用说明");
constexpr auto kRavelleHelpCaption = gbk("LumoRavellev1.0使用说明");

// Reads a decimal integer written without a plus sign or leading zeros, in
// the 32-bit range unless `anySize`; advances `at` past it.
bool readInteger(std::string_view text, std::size_t& at, bool anySize) {
  const std::size_t start = at;
  if (at < text.size() && text[at] == '-') ++at;
  const std::size_t digits = at;
  std::int64_t value = 0;
  while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
    if (value <= 2147483648LL) value = value * 10 + (text[at] - '0');
    ++at;
  }
  if (at == digits || (text[digits] == '0' && at - digits > 1)) return false;
  if (text[start] == '-' && value == 0) return false;
  return anySize || (text[start] == '-' ? value <= 2147483648LL : value <= 2147483647LL);
}

// n or n/d, with n not 0 when a denominator follows and d not 1.
bool readValue(std::string_view text, std::size_t& at, bool anySize) {
  const std::size_t start = at;
  if (!readInteger(text, at, anySize)) return false;
  if (at >= text.size() || text[at] != '/') return true;
  if (text.substr(start, at - start) == "0") return false;
  ++at;
  const std::size_t den = at;
  return readInteger(text, at, anySize) && text.substr(den, at - den) != "1";
}

// Cell texts, each "0 ", "n " or "n/d ", until a line feed or the end.
bool readCells(std::string_view text, std::size_t& at, bool anySize) {
  while (at < text.size() && text[at] != '\n') {
    if (!readValue(text, at, anySize) || at >= text.size() || text[at] != ' ') return false;
    ++at;
  }
  return true;
}

bool isMatrixResult(std::string_view text, bool anySize) {
  const std::string diagonalBlock = "\n" + std::string(kDiagonalHeading.view());
  const std::string rankBlock = "\n" + std::string(kRankHeading.view());
  // Rows of cells, each ended by a line feed (a row may have no cells).
  std::size_t at = 0;
  int rows = 0;
  while (at < text.size() && !text.substr(at).starts_with(diagonalBlock) && !text.substr(at).starts_with(rankBlock)) {
    if (!readCells(text, at, anySize) || at >= text.size()) return false;
    ++at;  // the line end
    ++rows;
  }
  if (rows == 0) return false;
  if (text.substr(at).starts_with(diagonalBlock)) {
    at += diagonalBlock.size();
    if (!readCells(text, at, anySize)) return false;
  }
  if (text.substr(at).starts_with(rankBlock)) {
    at += rankBlock.size();
    if (!readInteger(text, at, false)) return false;
  }
  return at == text.size();
}

bool isDeterminant(std::string_view text, bool anySize) {
  if (!text.starts_with(kDeterminantHeading.view())) return false;
  std::size_t at = kDeterminantHeading.size;
  return readValue(text, at, anySize) && at == text.size();
}

bool isFixedError(const MessageRecord& box, bool rangeError) {
  if (box.owner != Owner::Dialog) return false;
  if (box.caption == kFalseCaption.view()) return box.text == kSingular.view();
  if (box.caption != texts::kErrorCaption.view()) return false;
  if (box.text == texts::kOutOfRange.view()) return rangeError;
  for (const std::string_view text : {texts::kTooLarge.view(), texts::kMatrixWrong.view(),
                                      texts::kChooseOperation.view(), kChooseOperationBang.view()}) {
    if (box.text == text) return true;
  }
  return false;
}

}  // namespace

Allowed allowedBy(const ProgramInfo& program, Window& dialog) {
  // A zero denominator in any box makes the command one of 32-bit terms.
  bool zeroDenominator = false;
  for (const int box : program.editBoxes) {
    static InputText input;  // large: kept off the stack
    static FractionGrid grid;
    input.read(dialog, box);
    zeroDenominator = zeroDenominator || readMatrix(input.text(), grid).zeroDenominator;
  }
  return {zeroDenominator, !zeroDenominator};
}

bool isWellFormed(std::string_view program, const MessageRecord& box, Allowed allowed) {
  if (isFixedError(box, allowed.rangeError)) return true;
  if (box.caption == kDornikelHelpCaption.view() || box.caption == kRavelleHelpCaption.view()) {
    return box.owner == Owner::None && box.text.size() > 100;
  }
  if (box.caption != texts::kResultCaption.view()) return false;
  if (program == "dornikel") return box.owner == Owner::Dialog && isDeterminant(box.text, allowed.anySize);
  return box.owner == Owner::None && isMatrixResult(box.text, allowed.anySize);
}

}  // namespace matcalc::fuzz
