#pragma once
// Dornikel, the determinant calculator: the compute command (1000) shows the
// determinant of the typed square matrix as one exact fraction, the help
// command (1002) shows how to type it.
#include "program_info.h"
#include "window.h"

namespace matcalc {

inline constexpr int kDornikelHelpButton = 1002;

class Dornikel : public CommandHandler {
 public:
  void onCommand(Window& dialog, int id) override;

 private:
  static void compute(Window& dialog);
};

extern const ProgramInfo kDornikelInfo;

}  // namespace matcalc
