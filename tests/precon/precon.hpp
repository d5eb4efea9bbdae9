// Test matrices and call helpers for the preconditioners and drivers:
// coordinate storage built from the Krylov tests' problems, random sparse
// matrices, Matrix Market files, and the incomplete LU factor as a whole.
#pragma once

#include <algorithm>
#include <cmath>
#include <complex>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "kiv2.h"
#include "krylov/problems.hpp"
#include "sorting/report.hpp"
#include "sparse/coo.hpp"

namespace prec {

using Complex = std::complex<double>;
using kivtest::Coo;

template <class T>
constexpr bool kComplex = std::is_same_v<T, Complex>;

template <class T>
T random_value(std::mt19937& gen) {
  std::uniform_real_distribution<double> u(-1.0, 1.0);
  if constexpr (kComplex<T>) return T(u(gen), u(gen));
  else return u(gen);
}

// From an ordered map of locations: sorted CS without repeats.
template <class T>
Coo<T> from_map(int n, const std::map<std::pair<int, int>, T>& m) {
  Coo<T> c{n, {}, {}, {}};
  for (const auto& [ij, v] : m) {
    c.irow.push_back(ij.first);
    c.icol.push_back(ij.second);
    c.a.push_back(v);
  }
  return c;
}

template <class T>
Coo<T> from_csr(const krylovtest::Csr<T>& a) {
  Coo<T> c{a.n, {}, {}, {}};
  for (int i = 0; i < a.n; ++i)
    for (int k = a.start[i]; k < a.start[i + 1]; ++k) {
      c.irow.push_back(i + 1);
      c.icol.push_back(a.col[k] + 1);
      c.a.push_back(a.val[k]);
    }
  return c;
}

// A random matrix with about PER_ROW entries a row in [-1, 1], plus DIAG
// (if not 0) on the diagonal, or, when SHUFFLED, on a random permutation,
// so that the matrix needs pivoting but stays far from singular.
template <class T>
Coo<T> random_sparse(int n, int per_row, double diag, unsigned seed, bool shuffled = false) {
  std::mt19937 gen(seed);
  std::uniform_int_distribution<int> index(1, n);
  std::vector<int> perm(n);
  for (int i = 0; i < n; ++i) perm[i] = i + 1;
  if (shuffled) std::shuffle(perm.begin(), perm.end(), gen);
  std::map<std::pair<int, int>, T> m;
  for (int i = 1; i <= n; ++i) {
    for (int k = 0; k < per_row; ++k) m[{i, index(gen)}] = random_value<T>(gen);
    if (diag != 0.0) m[{i, perm[i - 1]}] = T(diag) + random_value<T>(gen);
  }
  return from_map(n, m);
}

// A Matrix Market file (real, general or symmetric) as full CS.
inline Coo<double> read_matrix_market(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  const bool symmetric = line.find("symmetric") != std::string::npos;
  while (std::getline(in, line) && line[0] == '%') {}
  std::istringstream size(line);
  int rows = 0, cols = 0, entries = 0;
  size >> rows >> cols >> entries;
  std::map<std::pair<int, int>, double> m;
  for (int k = 0; k < entries; ++k) {
    int i, j;
    double v;
    in >> i >> j >> v;
    m[{i, j}] = v;
    if (symmetric && i != j) m[{j, i}] = v;
  }
  return from_map(rows, m);
}

// A dense Matrix Market array (one column).
inline std::vector<double> read_vector(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line) && line[0] == '%') {}
  std::istringstream size(line);
  int rows = 0, cols = 0;
  size >> rows >> cols;
  std::vector<double> v(rows);
  for (double& e : v) in >> e;
  return v;
}

inline std::string matrix_path(const std::string& name) {
  return std::string(KIV2_TEST_DATA) + "/../../../shared/data/matrices/" + name;
}

// The dense N by N matrix of a CS list, row-major.
template <class T>
std::vector<T> dense(const Coo<T>& m) {
  std::vector<T> d(static_cast<std::size_t>(m.n) * m.n);
  for (int k = 0; k < m.nnz(); ++k) d[(m.irow[k] - 1) * std::size_t(m.n) + m.icol[k] - 1] += m.a[k];
  return d;
}

// The incomplete LU factor of a matrix, with everything F11DAF returns.
template <class T>
struct Ilu {
  int n = 0, nnz = 0, la = 0;
  std::vector<T> a;
  std::vector<int> irow, icol, ipivp, ipivq, istr, idiag, iwork;
  int nnzfac = 0, npvmod = 0, ifail = 0;
};

template <class T>
int factor_call(Ilu<T>& f, int lfill, double dtol, const char* pstrat, const char* milu,
                char* rec, int* ifail) {
  const auto fn = [] {
    if constexpr (kComplex<T>) return &F11DNF; else return &F11DAF;
  }();
  return fn(f.n, f.nnz, f.a.data(), f.la, f.irow.data(), f.icol.data(), lfill, dtol, pstrat,
            milu, f.ipivp.data(), f.ipivq.data(), f.istr.data(), f.idiag.data(), &f.nnzfac,
            &f.npvmod, f.iwork.data(), static_cast<int>(f.iwork.size()), rec, ifail, 1, 1,
            KIV2_RECORD_LEN);
}

// Factorises M (soft IFAIL); LA defaults to room for a full factor.
template <class T>
Ilu<T> factorise(const Coo<T>& m, int lfill, double dtol, char pstrat, char milu, int la = 0,
                 const std::vector<int>& ipivp = {}, const std::vector<int>& ipivq = {}) {
  Ilu<T> f;
  f.n = m.n;
  f.nnz = m.nnz();
  f.la = la > 0 ? la : f.nnz + 2 * m.n * m.n + 10;
  f.a.assign(f.la, T(0.0));
  f.irow.assign(f.la, 0);
  f.icol.assign(f.la, 0);
  std::copy(m.a.begin(), m.a.end(), f.a.begin());
  std::copy(m.irow.begin(), m.irow.end(), f.irow.begin());
  std::copy(m.icol.begin(), m.icol.end(), f.icol.begin());
  f.ipivp = ipivp.empty() ? std::vector<int>(m.n, 0) : ipivp;
  f.ipivq = ipivq.empty() ? std::vector<int>(m.n, 0) : ipivq;
  f.istr.assign(m.n + 1, 0);
  f.idiag.assign(m.n, 0);
  f.iwork.assign(7 * m.n + 2, 0);
  char rec[KIV2_RECORD_LEN + 1];
  f.ifail = 1;
  const char ps[2] = {pstrat, 0}, mi[2] = {milu, 0};
  factor_call(f, lfill, dtol, ps, mi, rec, &f.ifail);
  return f;
}

template <class T>
int solve_call(const Ilu<T>& f, const char* trans, const char* check, const T* y, T* x,
               char* rec, int* ifail, const int* irow = nullptr) {
  const auto fn = [] {
    if constexpr (kComplex<T>) return &F11DPF; else return &F11DBF;
  }();
  auto& g = const_cast<Ilu<T>&>(f);
  return fn(trans, f.n, f.a.data(), f.la, irow ? irow : f.irow.data(), f.icol.data(),
            g.ipivp.data(), g.ipivq.data(), f.istr.data(), f.idiag.data(), check, y, x, rec,
            ifail, 1, 1, KIV2_RECORD_LEN);
}

// The preconditioner M = P L D U Q of a factor, dense and row-major.
template <class T>
std::vector<T> dense_m(const Ilu<T>& f) {
  const int n = f.n;
  std::vector<T> l(n * n), u(n * n), m(n * n);
  std::vector<T> d(n);
  for (int i = 1; i <= n; ++i) {
    l[(i - 1) * n + i - 1] = u[(i - 1) * n + i - 1] = T(1.0);
    for (int k = f.istr[i - 1] - 1; k < f.istr[i] - 1; ++k) {
      const int j = f.icol[k];
      if (j < i) l[(i - 1) * n + j - 1] = f.a[k];
      else if (j == i) d[i - 1] = T(1.0) / f.a[k];
      else u[(i - 1) * n + j - 1] = f.a[k];
    }
  }
  for (int i = 0; i < n; ++i)
    for (int k = 0; k <= i; ++k) {
      const T ld = l[i * n + k] * d[k];
      if (ld == T(0.0)) continue;
      for (int j = k; j < n; ++j) m[(f.ipivp[i] - 1) * n + f.ipivq[j] - 1] += ld * u[k * n + j];
    }
  return m;
}

}  // namespace prec
