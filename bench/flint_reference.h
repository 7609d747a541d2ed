#pragma once
// FLINT's exact rational matrices (fmpq_mat) on the same texts, as the
// reference the benchmarks of long terms are measured against. Benchmarks only.
#include <flint/fmpq_mat.h>

#include <sstream>
#include <string>

namespace matcalc::bench {

// A square matrix text of elements "a" or "a/b", one row a line.
class FlintMatrix {
 public:
  explicit FlintMatrix(const std::string& text, int n = 20) {
    fmpq_mat_init(m_, n, n);
    std::istringstream in(text);
    std::string element;
    for (slong i = 0; i < n * n && in >> element; ++i) fmpq_set_str(fmpq_mat_entry(m_, i / n, i % n), element.c_str(), 10);
  }
  FlintMatrix(const FlintMatrix&) = delete;
  FlintMatrix& operator=(const FlintMatrix&) = delete;
  ~FlintMatrix() { fmpq_mat_clear(m_); }

  fmpq_mat_struct* get() { return m_; }

 private:
  fmpq_mat_t m_;
};

}  // namespace matcalc::bench
