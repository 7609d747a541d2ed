#pragma once
// Dornikel, the determinant calculator: the compute command (1000) shows the
// determinant of the typed square matrix as one exact fraction, the help
// command (1002) shows how to type it.
#include "arithmetic.h"
#include "error_box.h"
#include "fraction.h"
#include "integer_elimination.h"
#include "matrix_input.h"
#include "program_info.h"
#include "window.h"

namespace matcalc {

inline constexpr int kDornikelHelpButton = 1002;

class Dornikel : public CommandHandler {
 public:
  explicit Dornikel(Method method = Method::Kernel) : method_(method) {}
  void onCommand(Window& dialog, int id) override;

 private:
  // The compute command's steps.
  ErrorBox read(Window& dialog);
  ErrorBox compute();
  void show(Window& dialog) const;

  const Method method_;
  // Every command reads its matrix afresh; the grid and the elimination's
  // integers are kept only so that they are not built again for each command.
  Matrix matrix_;
  Arithmetic arithmetic_ = Arithmetic::Kernel;
  IntegerMatrix work_;
  Fraction determinant_;
};

extern const ProgramInfo kDornikelInfo;

}  // namespace matcalc
