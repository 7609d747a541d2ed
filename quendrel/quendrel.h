#pragma once
// Quendrel, the rank calculator: the compute command (1000) eliminates the
// typed matrix and shows it together with the matrix's rank (radio button
// 1005) or its diagonal (radio button 1006, which the dialog keeps disabled).
#include "fraction_grid.h"
#include "program_info.h"
#include "window.h"

namespace matcalc {

inline constexpr int kQuendrelRankButton = 1005;
inline constexpr int kQuendrelEigenvalueButton = 1006;

class Quendrel : public CommandHandler {
 public:
  void onCommand(Window& dialog, int id) override;

 private:
  void compute(Window& dialog);
  bool readMatrixText(Window& dialog);
  bool checkChoice(Window& dialog);
  void showResultText(Window& dialog);

  // Kept from one command to the next, like the program's own storage: the
  // grid as the latest command left it, and the size of its latest text.
  FractionGrid grid_;
  int rows_ = 0;
  int columns_ = 0;
};

extern const ProgramInfo kQuendrelInfo;

}  // namespace matcalc
