#include "input_text.h"

#include "matrix_lines.h"

namespace matcalc {

Status InputText::read(Window& dialog, int id) {
  length_ = dialog.readText(id, bytes_.data(), kCount);
  if (length_ > kMaxTextBytes) {
    length_ = 0;
    bytes_[0] = '\0';
    return Status::TooLarge;
  }
  length_ = keepMatrixLines(bytes_.data(), length_);
  bytes_[length_++] = ' ';
  bytes_[length_++] = ' ';
  bytes_[length_] = '\0';
  return Status::Ok;
}

}  // namespace matcalc
