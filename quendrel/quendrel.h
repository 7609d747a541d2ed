#pragma once
// Quendrel, the rank calculator: the compute command (1000) eliminates the
// typed matrix and shows it together with the matrix's rank (radio button
// 1005) or its diagonal (radio button 1006, which the dialog keeps disabled).
#include "arithmetic.h"
#include "error_box.h"
#include "integer_elimination.h"
#include "matrix_input.h"
#include "program_info.h"
#include "window.h"

namespace matcalc {

inline constexpr int kQuendrelRankButton = 1005;
inline constexpr int kQuendrelEigenvalueButton = 1006;

class Quendrel : public CommandHandler {
 public:
  explicit Quendrel(Method method = Method::Kernel) : method_(method) {}
  void onCommand(Window& dialog, int id) override;

 private:
  // The compute command's steps.
  ErrorBox read(Window& dialog);
  ErrorBox check(Window& dialog) const;
  ErrorBox compute();
  void show(Window& dialog) const;

  const Method method_;
  // Kept from one command to the next, like the program's own storage: the
  // grid as the latest command left it, and the size of its latest text.
  Matrix matrix_;
  Arithmetic arithmetic_ = Arithmetic::Kernel;
  int rank_ = 0;
  IntegerMatrix work_;  // the kernel's integers
};

extern const ProgramInfo kQuendrelInfo;

}  // namespace matcalc
