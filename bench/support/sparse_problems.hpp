// What the sparse preconditioner benchmarks share: the generated grid
// operators and the test matrices from Matrix Market files in sorted
// coordinate storage, the process CPU clock, the size switch, the table of
// time per factor entry across sizes, and the conversion to Eigen.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iterator>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "mmio.hpp"

#ifdef KIV2_HAVE_EIGEN
#include <Eigen/Sparse>
#endif

namespace kivbench {

// A real matrix in sorted coordinate storage: the whole matrix, or only its
// lower triangle (symmetric coordinate storage) when SYMMETRIC.
struct Problem {
  int n = 0, nnz = 0;
  bool symmetric = false;
  std::vector<double> a;
  std::vector<int> irow, icol;
};

// 2-D (five-point) or 3-D (seven-point) -Laplace(u) + c . grad(u) on a
// grid of SIDE points a direction, central differences; PECLET 0 is
// Poisson, whose lower triangle alone is kept when LOWER.
inline Problem grid(int dim, int side, double peclet, bool lower) {
  Problem p;
  const int n = dim == 2 ? side * side : side * side * side;
  p.n = n;
  p.symmetric = lower;
  const int stride[3] = {1, side, side * side};
  const double c = peclet / 2.0;
  auto add = [&](int i, int j, double v) {
    p.irow.push_back(i + 1);
    p.icol.push_back(j + 1);
    p.a.push_back(v);
  };
  for (int i = 0; i < n; ++i) {
    const int coord[3] = {i % side, (i / side) % side, i / (side * side)};
    // Sorted by column within a row: the lower neighbours from the
    // farthest, the upper from the nearest.
    for (int d = dim - 1; d >= 0; --d)
      if (coord[d] > 0) add(i, i - stride[d], -1.0 - (d == 0 ? c : c / 2));
    add(i, i, 2.0 * dim);
    if (lower) continue;
    for (int d = 0; d < dim; ++d)
      if (coord[d] < side - 1) add(i, i + stride[d], -1.0 + (d == 0 ? c : c / 2));
  }
  p.nnz = static_cast<int>(p.a.size());
  return p;
}

// The grid operators, each built once per run.
inline const Problem& cached_grid(int dim, int side, double peclet, bool lower) {
  static std::map<std::tuple<int, int, double, bool>, Problem> cache;
  const auto key = std::make_tuple(dim, side, peclet, lower);
  auto it = cache.find(key);
  if (it == cache.end()) it = cache.emplace(key, grid(dim, side, peclet, lower)).first;
  return it->second;
}

// A real test matrix of the shared collection by file name, sorted by row
// and column (a symmetric file keeps its lower triangle); n = 0 when the
// file cannot be read.
inline const Problem& test_matrix(const std::string& name) {
  static std::map<std::string, Problem> cache;
  auto it = cache.find(name);
  if (it != cache.end()) return it->second;
  Problem p;
  try {
    const kivhost::mm::Matrix m = kivhost::mm::read(std::string(KIV2_MATRICES) + "/" + name);
    if (m.coordinate && !m.complex && m.rows == m.cols) {
      std::vector<std::tuple<int, int, double>> e;
      for (std::size_t k = 0; k < m.values.size(); ++k) {
        int i = m.irow[k], j = m.icol[k];
        if (m.symmetry != kivhost::mm::Symmetry::general && j > i) std::swap(i, j);
        e.emplace_back(i, j, m.values[k].real());
      }
      std::sort(e.begin(), e.end());
      p.n = m.rows;
      p.symmetric = m.symmetry == kivhost::mm::Symmetry::symmetric;
      for (const auto& [i, j, v] : e) {
        p.irow.push_back(i);
        p.icol.push_back(j);
        p.a.push_back(v);
      }
      p.nnz = static_cast<int>(p.a.size());
    }
  } catch (const kivhost::mm::Error& err) {
    std::fprintf(stderr, "%s\n", err.what());
  }
  return cache.emplace(name, std::move(p)).first->second;
}

// y = A x.
inline void product(const Problem& p, const double* x, double* y) {
  std::fill(y, y + p.n, 0.0);
  for (int k = 0; k < p.nnz; ++k) {
    const int i = p.irow[k] - 1, j = p.icol[k] - 1;
    y[i] += p.a[k] * x[j];
    if (p.symmetric && i != j) y[j] += p.a[k] * x[i];
  }
}

// The matrix at the head of arrays of LA elements, room behind it for a
// factor.
inline void place(const Problem& p, int la, std::vector<double>& a, std::vector<int>& irow,
                  std::vector<int>& icol) {
  a.assign(la, 0.0);
  irow.assign(la, 0);
  icol.assign(la, 0);
  std::copy(p.a.begin(), p.a.end(), a.begin());
  std::copy(p.irow.begin(), p.irow.end(), irow.begin());
  std::copy(p.icol.begin(), p.icol.end(), icol.begin());
}

// The counters of a solve: iterations and CPU microseconds per iteration
// (ITN <= 0: the solve failed).
inline void report_solve(benchmark::State& state, int itn, double seconds, std::int64_t runs,
                         int n) {
  if (itn <= 0) {
    state.SkipWithError("did not converge (or the method is not available)");
    return;
  }
  state.counters["n"] = n;
  state.counters["itn"] = itn;
  state.counters["us/itn"] = 1e6 * seconds / static_cast<double>(runs) / itn;
}

// Process CPU time: the machine is shared, wall time is not ours.
inline double cpu_seconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

// Three sizes of each grid by default; KIV2_BENCH_LARGE=1 adds n = 10^6.
inline bool large() { return std::getenv("KIV2_BENCH_LARGE") != nullptr; }
inline int sizes() { return large() ? 4 : 3; }

// Nanoseconds per factor entry by case and n; at exit, per case, the time
// at the largest n over that at the smallest (flat is 1).  The fastest
// repetition counts: the machine's other load only adds time.
class Flatness {
 public:
  explicit Flatness(const char* title) : title_(title) {}
  void record(const std::string& key, int n, double ns) {
    double& best = per_entry_[key][n];
    best = best == 0.0 ? ns : std::min(best, ns);
  }
  void print() const {
    if (per_entry_.empty()) return;
    std::printf("\n%-24s %12s %12s %10s\n", title_, "smallest n", "largest n", "ratio");
    for (const auto& [key, by_n] : per_entry_) {
      if (by_n.size() < 2) continue;
      const auto lo = by_n.begin();
      const auto hi = std::prev(by_n.end());
      std::printf("%-24s %9.1f ns %9.1f ns %10.2f\n", key.c_str(), lo->second, hi->second,
                  hi->second / lo->second);
    }
  }

 private:
  const char* title_;
  std::map<std::string, std::map<int, double>> per_entry_;
};

#ifdef KIV2_HAVE_EIGEN
// The whole matrix for Eigen (a symmetric problem mirrored).
template <class SpMat>
SpMat to_eigen(const Problem& p) {
  std::vector<Eigen::Triplet<double>> t;
  t.reserve(2 * static_cast<std::size_t>(p.nnz));
  for (int k = 0; k < p.nnz; ++k) {
    t.emplace_back(p.irow[k] - 1, p.icol[k] - 1, p.a[k]);
    if (p.symmetric && p.irow[k] != p.icol[k]) t.emplace_back(p.icol[k] - 1, p.irow[k] - 1, p.a[k]);
  }
  SpMat m(p.n, p.n);
  m.setFromTriplets(t.begin(), t.end());
  return m;
}

// Times SOLVER (already computed) on B, CPU time only, and reports its
// iterations (-1 when it did not succeed) beside kiv's.
template <class Solver>
void time_eigen_solve(benchmark::State& state, const Solver& solver, const std::vector<double>& bv) {
  const int n = static_cast<int>(bv.size());
  const Eigen::Map<const Eigen::VectorXd> b(bv.data(), n);
  Eigen::VectorXd x(n);
  int itn = 0;
  double seconds = 0.0;
  std::int64_t runs = 0;
  for (auto _ : state) {
    const double t0 = cpu_seconds();
    x = solver.solve(b);
    seconds += cpu_seconds() - t0;
    ++runs;
    itn = solver.info() == Eigen::Success ? static_cast<int>(solver.iterations()) : -1;
  }
  report_solve(state, itn, seconds, runs, n);
}
#endif

}  // namespace kivbench
