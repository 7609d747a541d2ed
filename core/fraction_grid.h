#pragma once
// The fraction grid: numerators and denominators of up to 20 x 20 cells,
// addressed [row][column] from 1; row 0 and column 0 are never used.
#include <array>
#include <utility>

#include "fraction.h"

namespace matcalc {

inline constexpr int kMaxSide = 20;
inline constexpr int kGridSide = kMaxSide + 1;

struct FractionGrid {
  using Table = std::array<std::array<Integer, kGridSide>, kGridSide>;
  Table num;
  Table den;

  // Every usable cell 0/1.
  FractionGrid() {
    for (int r = 1; r <= kMaxSide; ++r) clearRow(r);
  }

  Fraction cell(int r, int c) const { return {num[r][c], den[r][c]}; }
  void store(int r, int c, Fraction f) {
    num[r][c] = std::move(f.num);
    den[r][c] = std::move(f.den);
  }
  // Every usable cell of row r becomes 0/1.
  void clearRow(int r) {
    for (int c = 1; c <= kMaxSide; ++c) {
      num[r][c] = 0;
      den[r][c] = 1;
    }
  }
};

}  // namespace matcalc
