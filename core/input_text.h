#pragma once
// The input buffer: one edit box's whole text with two blanks appended, so
// that the reader stores the last element of the last row.
#include <array>
#include <cstddef>
#include <string_view>

#include "status.h"
#include "window.h"

namespace matcalc {

class InputText {
 public:
  // An edit box holds at most 32767 characters, 65534 bytes in GBK.
  static constexpr std::size_t kMaxTextBytes = 65534;

  // Reads edit box `id` and appends two blanks. A text longer than an edit
  // box can hold is refused with Status::TooLarge rather than cut.
  Status read(Window& dialog, int id);

  std::string_view text() const { return {bytes_.data(), length_}; }

 private:
  // One byte more than the longest text, so that a longer one shows, then the
  // two blanks and the zero byte.
  static constexpr std::size_t kCount = kMaxTextBytes + 2;
  std::array<char, kCount + 2> bytes_;  // filled by read(); not cleared, it is large
  std::size_t length_ = 0;
};

}  // namespace matcalc
