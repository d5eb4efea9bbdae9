// Test problems for the reverse-communication solvers and a caller that
// drives the protocol: sparse matrices in compressed rows, products with A
// and its (conjugate) transpose, a Jacobi preconditioner.
#pragma once

#include <cmath>
#include <complex>
#include <random>
#include <string>
#include <vector>

#include "kiv2.h"

namespace krylovtest {

using Complex = std::complex<double>;

template <class T>
struct Csr {
  int n = 0;
  std::vector<int> start{0}, col;
  std::vector<T> val;

  void add(int j, T a) { col.push_back(j); val.push_back(a); }
  void end_row() { start.push_back(static_cast<int>(col.size())); }

  void apply(const T* x, T* y) const {
    for (int i = 0; i < n; ++i) {
      T s = 0.0;
      for (int k = start[i]; k < start[i + 1]; ++k) s += val[k] * x[col[k]];
      y[i] = s;
    }
  }
  void apply_adjoint(const T* x, T* y) const {
    std::fill(y, y + n, T(0.0));
    for (int i = 0; i < n; ++i)
      for (int k = start[i]; k < start[i + 1]; ++k) {
        if constexpr (std::is_same_v<T, Complex>) y[col[k]] += std::conj(val[k]) * x[i];
        else y[col[k]] += val[k] * x[i];
      }
  }
  T diagonal(int i) const {
    for (int k = start[i]; k < start[i + 1]; ++k)
      if (col[k] == i) return val[k];
    return 0.0;
  }
  double norm1() const {
    std::vector<double> c(n, 0.0);
    for (int k = 0; k < static_cast<int>(col.size()); ++k) c[col[k]] += std::abs(val[k]);
    double m = 0.0;
    for (double v : c) m = std::max(m, v);
    return m;
  }
  double norm_inf() const {
    double m = 0.0;
    for (int i = 0; i < n; ++i) {
      double s = 0.0;
      for (int k = start[i]; k < start[i + 1]; ++k) s += std::abs(val[k]);
      m = std::max(m, s);
    }
    return m;
  }
};

// -Laplace(u) + (p, p/2) . grad(u) on the unit square, nx by nx interior
// points, central differences scaled by h^2; P is the cell Peclet number.
// SHIFT is added to the diagonal (a complex shift gives a shifted Laplacian).
template <class T>
Csr<T> convection_diffusion(int nx, double peclet, T shift = T(0.0)) {
  Csr<T> a;
  a.n = nx * nx;
  const double cx = peclet / 2.0, cy = peclet / 4.0;
  for (int j = 0; j < nx; ++j)
    for (int i = 0; i < nx; ++i) {
      if (j > 0) a.add((j - 1) * nx + i, -1.0 - cy);
      if (i > 0) a.add(j * nx + i - 1, -1.0 - cx);
      a.add(j * nx + i, T(4.0) + shift);
      if (i < nx - 1) a.add(j * nx + i + 1, -1.0 + cx);
      if (j < nx - 1) a.add((j + 1) * nx + i, -1.0 + cy);
      a.end_row();
    }
  return a;
}

// A random matrix with K off-diagonal entries per row, strictly diagonally
// dominant.
template <class T>
Csr<T> random_dominant(int n, int k, unsigned seed) {
  std::mt19937 gen(seed);
  std::uniform_real_distribution<double> u(-1.0, 1.0);
  std::uniform_int_distribution<int> pick(0, n - 1);
  Csr<T> a;
  a.n = n;
  for (int i = 0; i < n; ++i) {
    std::vector<int> cols;
    while (static_cast<int>(cols.size()) < std::min(k, n - 1)) {
      const int j = pick(gen);
      if (j != i && std::find(cols.begin(), cols.end(), j) == cols.end()) cols.push_back(j);
    }
    std::sort(cols.begin(), cols.end());
    double sum = 0.0;
    std::vector<T> vals;
    for (std::size_t c = 0; c < cols.size(); ++c) {
      T v;
      if constexpr (std::is_same_v<T, Complex>) v = T(u(gen), u(gen));
      else v = u(gen);
      vals.push_back(v);
      sum += std::abs(v);
    }
    bool diag_done = false;
    for (std::size_t c = 0; c < cols.size(); ++c) {
      if (!diag_done && cols[c] > i) {
        a.add(i, 1.5 * sum + 1.0);
        diag_done = true;
      }
      a.add(cols[c], vals[c]);
    }
    if (!diag_done) a.add(i, 1.5 * sum + 1.0);
    a.end_row();
  }
  return a;
}

// The entry points of one scalar type.
template <class T>
struct Api {
  static constexpr bool complex = std::is_same_v<T, Complex>;
  static constexpr int block = complex ? 120 : 100;
  static constexpr auto setup_fn = [] {
    if constexpr (complex) return &F11BRF; else return &F11BDF;
  }();
  static constexpr auto iterate_fn = [] {
    if constexpr (complex) return &F11BSF; else return &F11BEF;
  }();
  static constexpr auto monitor_fn = [] {
    if constexpr (complex) return &F11BTF; else return &F11BFF;
  }();

  static int setup(const std::string& method, char precon, char norm, char weight, int iterm,
                   int n, int m, double tol, int maxitn, double anorm, double sigmax, int monit,
                   int* lwreq, T* work, int lwork, int* ifail) {
    char record[KIV2_RECORD_LEN + 1];
    return setup_fn(method.c_str(), &precon, &norm, &weight, iterm, n, m, tol, maxitn, anorm,
                    sigmax, monit, lwreq, work, lwork, record, ifail,
                    static_cast<int>(method.size()), 1, 1, 1, KIV2_RECORD_LEN);
  }
  static int iterate(int* irevcm, T* u, T* v, const double* wgt, T* work, int lwork,
                     int* ifail) {
    char record[KIV2_RECORD_LEN + 1];
    return iterate_fn(irevcm, u, v, wgt, work, lwork, record, ifail, KIV2_RECORD_LEN);
  }
  static int monitor(int* itn, double* lhs, double* rhs, double* anorm, double* sigmax,
                     const T* work, int lwork, int* ifail) {
    char record[KIV2_RECORD_LEN + 1];
    return monitor_fn(itn, lhs, rhs, anorm, sigmax, work, lwork, record, ifail,
                      KIV2_RECORD_LEN);
  }
};

// The options of one problem.
struct Options {
  std::string method = "CGS";
  char precon = 'N';
  char norm = 'I';
  char weight = 'N';
  int iterm = 1;
  int m = 1;
  double tol = 1e-10;
  int maxitn = 1000;
  double anorm = 0.0;
  double sigmax = 0.0;
  int monit = 0;
};

// One solve driven to the end, with what the caller saw.
template <class T>
struct Outcome {
  int setup_ifail = 0;
  int ifail = 0;
  int lwreq = 0;
  std::vector<int> requests;  // every IREVCM returned
  std::vector<T> x, r;        // U and V at the end
  int itn = 0;
  double stplhs = 0, stprhs = 0, anorm = 0, sigmax = 0;
  int monitor_ifail = 0;
};

template <class T>
Outcome<T> solve(const Csr<T>& a, const std::vector<T>& b, const Options& o,
             std::vector<T> x0 = {}, const std::vector<double>& wgt = {},
             int max_returns = 1000000) {
  using A = Api<T>;
  Outcome<T> run;
  const int n = a.n;
  std::vector<T> work(A::block);
  int ifail = 1;
  A::setup(o.method, o.precon, o.norm, o.weight, o.iterm, n, o.m, o.tol, o.maxitn, o.anorm,
           o.sigmax, o.monit, &run.lwreq, work.data(), static_cast<int>(work.size()), &ifail);
  if (ifail != 0) {
    run.setup_ifail = ifail;
    return run;
  }
  work.resize(run.lwreq);
  ifail = 1;
  A::setup(o.method, o.precon, o.norm, o.weight, o.iterm, n, o.m, o.tol, o.maxitn, o.anorm,
           o.sigmax, o.monit, &run.lwreq, work.data(), static_cast<int>(work.size()), &ifail);
  std::vector<T> u = x0.empty() ? std::vector<T>(n, T(0.0)) : x0, v = b;
  std::vector<double> w = wgt.empty() ? std::vector<double>(n, 1.0) : wgt;
  int irevcm = 0;
  for (int k = 0; k < max_returns; ++k) {
    ifail = 1;
    A::iterate(&irevcm, u.data(), v.data(), w.data(), work.data(),
               static_cast<int>(work.size()), &ifail);
    run.requests.push_back(irevcm);
    if (irevcm == 4) break;
    if (irevcm == 1) a.apply(u.data(), v.data());
    else if (irevcm == -1) a.apply_adjoint(u.data(), v.data());
    else if (irevcm == 2)
      for (int i = 0; i < n; ++i) v[i] = u[i] / a.diagonal(i);
  }
  run.ifail = ifail;
  run.x = u;
  run.r = v;
  int mfail = 1;
  A::monitor(&run.itn, &run.stplhs, &run.stprhs, &run.anorm, &run.sigmax, work.data(),
             static_cast<int>(work.size()), &mfail);
  run.monitor_ifail = mfail;
  return run;
}

// The small problem the protocol tests drive one call at a time.
inline const Csr<double>& matrix() {
  static const Csr<double> a = convection_diffusion<double>(6, 0.5);
  return a;
}
inline std::vector<double> rhs() {
  std::vector<double> b(matrix().n);
  for (int i = 0; i < matrix().n; ++i) b[i] = std::sin(1.0 + i);
  return b;
}

// b - A x.
template <class T>
std::vector<T> residual(const Csr<T>& a, const std::vector<T>& b, const std::vector<T>& x) {
  std::vector<T> r(a.n);
  a.apply(x.data(), r.data());
  for (int i = 0; i < a.n; ++i) r[i] = b[i] - r[i];
  return r;
}

template <class T>
double norm_inf(const std::vector<T>& x) {
  double m = 0.0;
  for (const T& v : x) m = std::max(m, std::abs(v));
  return m;
}

}  // namespace krylovtest
