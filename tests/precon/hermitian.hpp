// Hermitian test matrices in symmetric coordinate storage (the lower
// triangle) and their full dense form.
#pragma once

#include <cstdio>
#include <string>

#include "precon.hpp"

namespace prec {

inline std::string num(long v) {
  char s[20];
  std::snprintf(s, sizeof s, "%16ld", v);
  return s;
}

// A random Hermitian matrix as its lower triangle in SCS: about PER_ROW
// complex entries a row below the diagonal, a real diagonal of the row's
// absolute sum plus SHIFT (positive definite when SHIFT > 0).
inline Coo<Complex> random_hermitian(int n, int per_row, double shift, unsigned seed) {
  std::mt19937 gen(seed);
  std::map<std::pair<int, int>, Complex> m;
  std::vector<double> sum(n + 1);
  for (int i = 2; i <= n; ++i)
    for (int k = 0; k < per_row; ++k) {
      const int j = std::uniform_int_distribution<int>(1, i - 1)(gen);
      if (m.count({i, j})) continue;
      const Complex v = random_value<Complex>(gen);
      m[{i, j}] = v;
      sum[i] += std::abs(v);
      sum[j] += std::abs(v);
    }
  for (int i = 1; i <= n; ++i) m[{i, i}] = sum[i] + shift;
  return from_map(n, m);
}

// The full matrix of a lower triangle, row-major.
inline std::vector<Complex> full(const Coo<Complex>& s) {
  const int n = s.n;
  std::vector<Complex> d(static_cast<std::size_t>(n) * n);
  for (int k = 0; k < s.nnz(); ++k) {
    const int i = s.irow[k] - 1, j = s.icol[k] - 1;
    d[i * n + j] = s.a[k];
    d[j * n + i] = std::conj(s.a[k]);
  }
  return d;
}

}  // namespace prec
