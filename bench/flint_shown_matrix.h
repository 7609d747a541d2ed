#pragma once
// FLINT computing and writing the matrix that Quendrel shows, as the fair
// reference for Quendrel's compute command: forward Gaussian elimination
// without row exchanges, pivot [k][k] for k = 1 ... n - 1, each row below
// made zero in column k by subtracting a multiple of row k, and every cell
// written as its text "n ", "n/d " or "0 ", one line a row. Benchmarks only.
//
// The elimination runs fraction-free on integers (FLINT's fmpz): each row is
// scaled by the least common multiple of its denominators, then Bareiss's
// elimination divides each new entry exactly by the previous pivot. Row i of
// the stepwise elimination is the same row of the fraction-free one divided
// by the pivot that cleared it last and by the row's scale, so each shown cell
// costs one reduction to lowest terms (fmpq_canonicalise). A row above every
// pivot is shown as typed, reduced only where its numerator is positive, as
// Quendrel's final pass does. A zero pivot takes the first row below with a
// nonzero entry in its column added to its row: its scale becomes the least
// common multiple of the two, and its shown cells are the sums of the two
// rows' cells in the forms they had, unreduced, then passed over as every
// cell is. A column that is 0 from the pivot down is a step that does nothing.
#include <flint/fmpq.h>
#include <flint/fmpz.h>
#include <flint/fmpz_mat.h>
#include <flint/fmpz_vec.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace matcalc::bench {

class FlintShownMatrix {
 public:
  // A square matrix text of elements "a" or "a/b", one row a line.
  explicit FlintShownMatrix(const std::string& text, int n = 20) : n_(n), repairedRows_(n) {
    fmpz_mat_init(typedNum_, n, n);
    fmpz_mat_init(typedDen_, n, n);
    fmpz_mat_init(work_, n, n);
    scales_ = _fmpz_vec_init(n);
    fmpz_init(pivot_);
    fmpz_init(factor_);
    fmpq_init(cell_);
    fmpq_init(added_);
    std::istringstream in(text);
    std::string element;
    for (slong i = 0; i < n * n && in >> element; ++i) {
      const std::size_t slash = element.find('/');
      fmpz_set_str(fmpz_mat_entry(typedNum_, i / n, i % n), element.substr(0, slash).c_str(), 10);
      fmpz_set_str(fmpz_mat_entry(typedDen_, i / n, i % n),
                   slash == std::string::npos ? "1" : element.substr(slash + 1).c_str(), 10);
    }
  }
  FlintShownMatrix(const FlintShownMatrix&) = delete;
  FlintShownMatrix& operator=(const FlintShownMatrix&) = delete;
  ~FlintShownMatrix() {
    fmpq_clear(added_);
    fmpq_clear(cell_);
    fmpz_clear(factor_);
    fmpz_clear(pivot_);
    _fmpz_vec_clear(scales_, n_);
    fmpz_mat_clear(work_);
    fmpz_mat_clear(typedDen_);
    fmpz_mat_clear(typedNum_);
  }

  // Appends the shown matrix's text to `out`.
  void write(std::string& out) {
    for (slong i = 0; i < n_; ++i) scaleRowToIntegers(i);
    const std::vector<slong> lastPivotAbove = eliminate();
    for (slong i = 0; i < n_; ++i) {
      if (!repairedRows_[i].empty()) {
        out += repairedRows_[i];
      } else if (lastPivotAbove[i] < 0) {
        writeTypedRow(out, i);
      } else {
        fmpz* divisor = scales_ + i;  // the row's scale times the pivot that cleared the row last
        fmpz_mul(divisor, divisor, fmpz_mat_entry(work_, lastPivotAbove[i], lastPivotAbove[i]));
        for (slong c = 0; c < i; ++c) out += "0 ";
        for (slong c = i; c < n_; ++c) {
          setSteppedCell(cell_, i, c, divisor);
          appendCell(out, fmpq_numref(cell_), fmpq_denref(cell_));
        }
      }
      out += '\n';
    }
  }

 private:
  // Row i of the working matrix: row i of the typed matrix times its scale,
  // the least common multiple of its denominators.
  void scaleRowToIntegers(slong i) {
    fmpz* scale = scales_ + i;
    fmpz_one(scale);
    for (slong c = 0; c < n_; ++c) fmpz_lcm(scale, scale, fmpz_mat_entry(typedDen_, i, c));
    for (slong c = 0; c < n_; ++c) {
      fmpz* entry = fmpz_mat_entry(work_, i, c);
      fmpz_divexact(entry, scale, fmpz_mat_entry(typedDen_, i, c));
      fmpz_mul(entry, entry, fmpz_mat_entry(typedNum_, i, c));
    }
  }

  // Bareiss's elimination in place, without row exchanges; the columns left
  // of each pivot are not written, since the shown cells there are 0.
  // Returns, for each row, the row of the last pivot above it (-1 for none).
  std::vector<slong> eliminate() {
    std::vector<slong> lastPivotAbove(n_, -1);
    slong lastPivot = -1;
    fmpz_one(pivot_);  // the previous pivot
    for (slong k = 0; k < n_; ++k) {
      lastPivotAbove[k] = lastPivot;
      repairedRows_[k].clear();
      if (fmpz_is_zero(fmpz_mat_entry(work_, k, k))) {
        slong m = k + 1;
        while (m < n_ && fmpz_is_zero(fmpz_mat_entry(work_, m, k))) ++m;
        if (m == n_) continue;
        addRow(m, k, lastPivot >= 0);
      }
      const fmpz* p = fmpz_mat_entry(work_, k, k);
      for (slong i = k + 1; i < n_; ++i) {
        const fmpz* factor = fmpz_mat_entry(work_, i, k);
        for (slong c = k + 1; c < n_; ++c) {
          fmpz* entry = fmpz_mat_entry(work_, i, c);
          fmpz_mul(entry, entry, p);
          fmpz_submul(entry, factor, fmpz_mat_entry(work_, k, c));
          fmpz_divexact(entry, entry, pivot_);
        }
      }
      fmpz_set(pivot_, p);
      lastPivot = k;
    }
    return lastPivotAbove;
  }

  // Row m added to row k, from column k on (both are 0 left of it): its
  // shown text first, then the integers with the least common multiple of
  // the two scales.
  void addRow(slong m, slong k, bool stepped) {
    std::string& text = repairedRows_[k];
    for (slong c = 0; c < k; ++c) text += "0 ";
    for (slong c = k; c < n_; ++c) {
      rowCellAsStepped(added_, m, c, stepped);
      rowCellAsStepped(cell_, k, c, stepped);
      fmpz_mul(fmpq_numref(cell_), fmpq_numref(cell_), fmpq_denref(added_));
      fmpz_addmul(fmpq_numref(cell_), fmpq_numref(added_), fmpq_denref(cell_));
      fmpz_mul(fmpq_denref(cell_), fmpq_denref(cell_), fmpq_denref(added_));
      if (fmpz_sgn(fmpq_numref(cell_)) > 0) fmpq_canonicalise(cell_);
      appendCell(text, fmpq_numref(cell_), fmpq_denref(cell_));
    }
    fmpz* scale = scales_ + k;
    fmpz_gcd(factor_, scale, scales_ + m);
    fmpz_divexact(factor_, scales_ + m, factor_);  // what row k is multiplied by
    for (slong c = k; c < n_; ++c) fmpz_mul(fmpz_mat_entry(work_, k, c), fmpz_mat_entry(work_, k, c), factor_);
    fmpz_mul(scale, scale, factor_);
    fmpz_divexact(factor_, scale, scales_ + m);  // and row m
    for (slong c = k; c < n_; ++c) fmpz_addmul(fmpz_mat_entry(work_, k, c), fmpz_mat_entry(work_, m, c), factor_);
  }

  // Cell [i][c] as the stepwise elimination has it: as typed before any
  // step, in lowest terms after.
  void rowCellAsStepped(fmpq_t cell, slong i, slong c, bool stepped) {
    if (!stepped) {
      fmpz_set(fmpq_numref(cell), fmpz_mat_entry(typedNum_, i, c));
      fmpz_set(fmpq_denref(cell), fmpz_mat_entry(typedDen_, i, c));
      return;
    }
    fmpz_mul(factor_, scales_ + i, pivot_);
    setSteppedCell(cell, i, c, factor_);
  }

  void setSteppedCell(fmpq_t cell, slong i, slong c, const fmpz_t divisor) {
    fmpz_set(fmpq_numref(cell), fmpz_mat_entry(work_, i, c));
    fmpz_set(fmpq_denref(cell), divisor);
    fmpq_canonicalise(cell);
  }

  // A row that no step changes: with its sign on the numerator, a cell is
  // reduced only when its numerator is positive.
  void writeTypedRow(std::string& out, slong i) {
    for (slong c = 0; c < n_; ++c) {
      fmpz_set(fmpq_numref(cell_), fmpz_mat_entry(typedNum_, i, c));
      fmpz_set(fmpq_denref(cell_), fmpz_mat_entry(typedDen_, i, c));
      if (fmpz_sgn(fmpq_denref(cell_)) < 0) {
        fmpz_neg(fmpq_numref(cell_), fmpq_numref(cell_));
        fmpz_neg(fmpq_denref(cell_), fmpq_denref(cell_));
      }
      if (fmpz_sgn(fmpq_numref(cell_)) > 0) fmpq_canonicalise(cell_);
      appendCell(out, fmpq_numref(cell_), fmpq_denref(cell_));
    }
  }

  static void appendCell(std::string& out, const fmpz_t num, const fmpz_t den) {
    if (fmpz_is_zero(num)) {
      out += "0 ";
      return;
    }
    appendDecimal(out, num);
    if (!fmpz_is_one(den)) {
      out += '/';
      appendDecimal(out, den);
    }
    out += ' ';
  }

  static void appendDecimal(std::string& out, const fmpz_t value) {
    const std::size_t at = out.size();
    out.resize(at + fmpz_sizeinbase(value, 10) + 2);  // a sign and the terminating zero
    fmpz_get_str(out.data() + at, 10, value);
    out.resize(at + std::strlen(out.data() + at));
  }

  slong n_;
  fmpz_mat_t typedNum_, typedDen_;         // the terms as typed
  fmpz_mat_t work_;                         // the fraction-free elimination
  fmpz* scales_;                            // each row's scale
  std::vector<std::string> repairedRows_;   // the shown text of each repaired row
  fmpz_t pivot_, factor_;
  fmpq_t cell_, added_;
};

}  // namespace matcalc::bench
