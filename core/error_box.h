#pragma once
// The error box that ends a command in place of its result: a program's own
// refusal, or the range or size error of reading or computing. Every step of
// a command that can fail returns one, empty when the command goes on; an
// error box is always owned by the dialog.
#include "status.h"
#include "window.h"

namespace matcalc {

class ErrorBox {
 public:
  // None: the command goes on.
  ErrorBox() = default;
  // A program's own refusal, with its caption.
  ErrorBox(const char* text, const char* caption) : text_(text), caption_(caption) {}
  // The box that a mechanism's status stands for: none for Ok, else
  // "数值超出范围,无法精确计算" or "矩阵不能超过20行20列", captioned "Error".
  ErrorBox(Status status);  // NOLINT(google-explicit-constructor): a status is the box it reports

  explicit operator bool() const { return text_ != nullptr; }

  // Shows the box, if there is one, and returns whether it did: the command
  // then ends.
  bool showIn(Window& dialog) const;

 private:
  const char* text_ = nullptr;
  const char* caption_ = nullptr;
};

}  // namespace matcalc
