#pragma once
// The fraction grid: numerators and denominators of up to 20 x 20 cells,
// addressed [row][column] from 1; row 0 and column 0 are never used.
#include <array>
#include <cstdint>

#include "fraction.h"

namespace matcalc {

inline constexpr int kMaxSide = 20;
inline constexpr int kGridSide = kMaxSide + 1;

struct FractionGrid {
  using Table = std::array<std::array<std::int32_t, kGridSide>, kGridSide>;
  Table num{};
  Table den{};

  Fraction cell(int r, int c) const { return {num[r][c], den[r][c]}; }
  void set(int r, int c, Fraction f) {
    num[r][c] = f.num;
    den[r][c] = f.den;
  }
  // Every usable cell becomes 0/1, so a cell that a text does not fill is 0.
  void clear() {
    for (int r = 1; r <= kMaxSide; ++r) {
      for (int c = 1; c <= kMaxSide; ++c) set(r, c, Fraction{0, 1});
    }
  }
};

}  // namespace matcalc
