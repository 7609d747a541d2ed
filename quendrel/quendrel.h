#pragma once
// Quendrel, the rank calculator: the compute command (1000) eliminates the
// typed matrix and shows it together with the matrix's rank (radio button
// 1005) or its diagonal (radio button 1006, which the dialog keeps disabled).
#include "arithmetic.h"
#include "fraction_grid.h"
#include "integer_elimination.h"
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
  void compute(Window& dialog);
  bool readMatrixText(Window& dialog, Arithmetic& arithmetic);
  bool checkChoice(Window& dialog);

  const Method method_;
  // Kept from one command to the next, like the program's own storage: the
  // grid as the latest command left it, and the size of its latest text.
  FractionGrid grid_;
  int rows_ = 0;
  int columns_ = 0;
  IntegerMatrix work_;  // the kernel's integers
};

extern const ProgramInfo kQuendrelInfo;

}  // namespace matcalc
