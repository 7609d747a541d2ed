#pragma once
// Sontaby, the basic operations calculator: the compute command (1000) reads
// matrix 1 from box 1006 and matrix 2 from box 1004 and shows their sum (radio
// button 1007), difference (1008), product (1011), or matrix 1 times matrix
// 2's first element (1009), in exact fractions.
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
  void onCommand(Window& dialog, int id) override;

 private:
  static void compute(Window& dialog);
};

extern const ProgramInfo kSontabyInfo;

}  // namespace matcalc
