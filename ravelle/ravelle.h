#pragma once
// Ravelle, the inverse and adjugate calculator: the compute command (1000)
// shows the adjugate (radio button 1006) or the inverse (1007) of the typed
// square matrix as a matrix of exact fractions, the help command (1005) shows
// how to type it.
#include "arithmetic.h"
#include "fraction_grid.h"
#include "input_text.h"
#include "integer_elimination.h"
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
  // How a computation after reading ends.
  enum class Ending { Result, SingularInverse, OutOfRange };

  void compute(Window& dialog);
  Ending byCofactors(bool inverse, Arithmetic arithmetic);
  Status determinant(Arithmetic arithmetic);
  Status adjugate(Arithmetic arithmetic);
  Status divideByDeterminant(Arithmetic arithmetic);
  Status normaliseSigns(Arithmetic arithmetic);

  const Method method_;
  // The program's working storage, kept from one command to the next. The
  // cofactors do not keep the matrix in a copy: each consumes the grid, and
  // the grid is filled again from the input text before each one.
  InputText input_;
  FractionGrid grid_;
  FractionGrid result_;   // cell (r, c): the adjugate, then the inverse, entry
  IntegerMatrix work_;    // the exact elimination's integers
  int n_ = 0;             // the matrix is n x n, n the row count of the text
  Fraction determinant_;  // its denominator may be negative
};

extern const ProgramInfo kRavelleInfo;

}  // namespace matcalc
