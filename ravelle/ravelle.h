#pragma once
// Ravelle, the inverse and adjugate calculator: the compute command (1000)
// shows the adjugate (radio button 1006) or the inverse (1007) of the typed
// square matrix as a matrix of exact fractions, the help command (1005) shows
// how to type it.
#include "arithmetic.h"
#include "error_box.h"
#include "fraction_grid.h"
#include "integer_elimination.h"
#include "matrix_input.h"
#include "program_info.h"
#include "status.h"
#include "window.h"

namespace matcalc {

inline constexpr int kRavelleHelpButton = 1005;
inline constexpr int kAdjugateRadio = 1006;
inline constexpr int kInverseRadio = 1007;

class Ravelle : public CommandHandler {
 public:
  explicit Ravelle(Method method = Method::Kernel) : method_(method) {}
  void onCommand(Window& dialog, int id) override;

 private:
  // The compute command's steps.
  ErrorBox check(Window& dialog);
  ErrorBox read(Window& dialog);
  ErrorBox compute();
  void show(Window& dialog) const;
  // The steps of computing step by step.
  ErrorBox byCofactors();
  Status adjugate();
  Status divideByDeterminant();
  Status normaliseSigns();

  const Method method_;
  // The program's working storage, kept from one command to the next.
  bool inverse_ = false;  // the inverse was chosen, not the adjugate
  Matrix matrix_;         // n x n, n the row count of the text
  Arithmetic arithmetic_ = Arithmetic::Kernel;
  FractionGrid typed_;    // the matrix as read: each cofactor consumes the grid
  FractionGrid result_;   // cell (r, c): the adjugate, then the inverse, entry
  IntegerMatrix work_;    // the exact elimination's integers
  Fraction determinant_;  // its denominator may be negative
};

extern const ProgramInfo kRavelleInfo;

}  // namespace matcalc
