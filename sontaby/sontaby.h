#pragma once
// Sontaby, the basic operations calculator: the compute command (1000) reads
// matrix 1 from box 1006 and matrix 2 from box 1004 and shows their sum (radio
// button 1007), difference (1008), product (1011), or matrix 1 times matrix
// 2's first element (1009), in exact fractions.
#include "arithmetic.h"
#include "error_box.h"
#include "fraction_grid.h"
#include "integer_elimination.h"
#include "matrix_input.h"
#include "program_info.h"
#include "window.h"

namespace matcalc {

inline constexpr int kSontabyMatrix1Box = 1006;
inline constexpr int kSontabyMatrix2Box = kMatrixBox;
inline constexpr int kSontabySumButton = 1007;
inline constexpr int kSontabyDifferenceButton = 1008;
inline constexpr int kSontabyScalarButton = 1009;
inline constexpr int kSontabyProductButton = 1011;

class Sontaby : public CommandHandler {
 public:
  explicit Sontaby(Method method = Method::Kernel) : method_(method) {}
  void onCommand(Window& dialog, int id) override;

  // Where the product is made: the finished cells, and the operands with
  // their denominators cleared.
  struct ProductWork {
    FractionGrid cells;
    IntegerMatrix left, right;
  };

 private:
  // The compute command's steps.
  ErrorBox read(Window& dialog);
  ErrorBox check(Window& dialog) const;
  ErrorBox compute(Window& dialog);
  void show(Window& dialog) const;

  const Method method_;
  // Every command reads its operands afresh; the grids are kept only so that
  // they are not built again for each command.
  Matrix matrix1_;
  Matrix matrix2_;
  Arithmetic arithmetic_ = Arithmetic::Kernel;
  ProductWork product_;
};

extern const ProgramInfo kSontabyInfo;

}  // namespace matcalc
