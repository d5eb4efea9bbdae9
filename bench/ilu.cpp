// The incomplete LU preconditioner and the one-call driver:
//  - F11DAF's time per factor entry for LFILL = 0, 1, 2 and DTOL = 1e-2 on
//    2-D and 3-D Poisson and convection-diffusion at four sizes; at exit a
//    table gives, per problem and fill, the time per entry at the largest
//    size over that at the smallest (flat is 1);
//  - F11DCF with RGMRES(30) and BiCGSTAB on ILU(0), against Eigen's
//    BiCGSTAB (and its unsupported GMRES(30)) with IncompleteLUT at about
//    the same fill; counters itn and us/itn;
//  - F11DBF alone against a plain CSR forward and backward substitution on
//    the same factor.
//
// Sizes: n up to about 2.5 10^5 by default; KIV2_BENCH_LARGE=1 adds the
// sizes up to 10^6.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "kiv2.h"
#include "sparse_problems.hpp"

#ifdef KIV2_HAVE_EIGEN
#include <Eigen/IterativeLinearSolvers>
#include <Eigen/Sparse>
#include <unsupported/Eigen/IterativeSolvers>
#endif

namespace {

constexpr double kTol = 1e-8;

using kivbench::cpu_seconds;
using kivbench::Problem;
using kivbench::sizes;

const Problem& cached(int dim, int side, double peclet) {
  return kivbench::cached_grid(dim, side, peclet, false);
}

struct Factor {
  int n = 0, nnz = 0, la = 0, nnzfac = 0, npvmod = 0, ifail = -1;
  std::vector<double> a;
  std::vector<int> irow, icol, ipivp, ipivq, istr, idiag, iwork;
};

// The arrays of a factorisation, with the matrix in place.  F11DAF leaves
// the matrix's positions as they were, so one set-up serves every call.
void prepare(const Problem& p, int lfill, Factor& f) {
  f.n = p.n;
  f.nnz = p.nnz;
  f.la = p.nnz * (lfill < 0 ? 8 : 2 + 3 * lfill) + p.n;
  kivbench::place(p, f.la, f.a, f.irow, f.icol);
  f.ipivp.assign(p.n, 0);
  f.ipivq.assign(p.n, 0);
  f.istr.assign(p.n + 1, 0);
  f.idiag.assign(p.n, 0);
  f.iwork.assign(7 * p.n + 2, 0);
}

void run_factor(int lfill, double dtol, Factor& f) {
  char record[KIV2_RECORD_LEN + 1];
  f.ifail = 1;
  F11DAF(f.n, f.nnz, f.a.data(), f.la, f.irow.data(), f.icol.data(), lfill, dtol, "N", "N",
         f.ipivp.data(), f.ipivq.data(), f.istr.data(), f.idiag.data(), &f.nnzfac, &f.npvmod,
         f.iwork.data(), static_cast<int>(f.iwork.size()), record, &f.ifail, 1, 1,
         KIV2_RECORD_LEN);
}

void factorise(const Problem& p, int lfill, double dtol, Factor& f) {
  prepare(p, lfill, f);
  run_factor(lfill, dtol, f);
}

struct Case {
  const char* name;
  int dim;
  double peclet;
  std::vector<int> sides;  // four sizes, up to n = 10^6
};
const Case kCases[] = {
    {"poisson2d", 2, 0.0, {125, 250, 500, 1000}},
    {"convdiff2d", 2, 0.8, {125, 250, 500, 1000}},
    {"poisson3d", 3, 0.0, {25, 40, 63, 100}},
    {"convdiff3d", 3, 0.8, {25, 40, 63, 100}},
};
struct Fill {
  const char* name;
  int lfill;
  double dtol;
};
const Fill kFills[] = {{"L0", 0, 0.0}, {"L1", 1, 0.0}, {"L2", 2, 0.0}, {"D1e-2", -1, 1e-2}};

kivbench::Flatness& flatness() {
  static kivbench::Flatness f("F11DAF time per entry");
  return f;
}

void bm_factor(benchmark::State& state, const Case& c, const Fill& fl, int side) {
  const Problem& p = cached(c.dim, side, c.peclet);
  Factor f;
  // Set up and run once untimed: the pages of the arrays are then mapped.
  factorise(p, fl.lfill, fl.dtol, f);
  double seconds = 0.0;
  std::int64_t runs = 0;
  for (auto _ : state) {
    const double t0 = cpu_seconds();
    run_factor(fl.lfill, fl.dtol, f);
    seconds += cpu_seconds() - t0;
    ++runs;
    if (f.ifail != 0) {
      state.SkipWithError("F11DAF failed");
      return;
    }
  }
  const double ns = 1e9 * seconds / runs / f.nnzfac;
  state.counters["n"] = p.n;
  state.counters["nnzfac"] = f.nnzfac;
  state.counters["ns/entry"] = ns;
  flatness().record(std::string(c.name) + "/" + fl.name, p.n, ns);
}

// F11DCF on an ILU(0) factor, from x = 0; returns the iterations.
int kiv_solve(Factor& f, const Problem& p, const char* method, int m, const std::vector<double>& b,
              std::vector<double>& x) {
  const long long n = p.n;
  const long long lwork = method[0] == 'R' ? m * (m + n + 5) + 4 * n + 101
                                            : m * (m + 2) + 2 * n * (m + 3) + 100;
  static std::vector<double> work;
  work.resize(lwork);
  std::fill(x.begin(), x.end(), 0.0);
  char record[KIV2_RECORD_LEN + 1];
  int ifail = 1, nits = 0;
  double resnrm = 0.0;
  F11DCF(method, p.n, p.nnz, f.a.data(), f.la, f.irow.data(), f.icol.data(), f.ipivp.data(),
         f.ipivq.data(), f.istr.data(), f.idiag.data(), b.data(), m, kTol, 5000, x.data(),
         &resnrm, &nits, work.data(), static_cast<int>(lwork), record, &ifail,
         static_cast<int>(std::strlen(method)), KIV2_RECORD_LEN);
  return ifail == 0 ? nits : -1;
}

std::vector<double> rhs(int n) {
  std::vector<double> b(n);
  for (int i = 0; i < n; ++i) b[i] = std::sin(0.01 * i) + 1.0;
  return b;
}


void bm_kiv_solve(benchmark::State& state, const Case& c, int side, const char* method, int m) {
  const Problem& p = cached(c.dim, side, c.peclet);
  Factor f;
  factorise(p, 0, 0.0, f);
  const std::vector<double> b = rhs(p.n);
  std::vector<double> x(p.n);
  int itn = 0;
  double seconds = 0.0;
  std::int64_t runs = 0;
  for (auto _ : state) {
    const double t0 = cpu_seconds();
    itn = kiv_solve(f, p, method, m, b, x);
    seconds += cpu_seconds() - t0;
    ++runs;
  }
  kivbench::report_solve(state, itn, seconds, runs, p.n);
}

// The factor's L and U as plain CSR (unit diagonals implied), the
// reciprocal diagonal apart: the baseline substitution.
struct Csr {
  std::vector<int> lstart, ustart, lcol, ucol;
  std::vector<double> lval, uval, dinv;
};

Csr split(const Factor& f) {
  Csr s;
  s.lstart.push_back(0);
  s.ustart.push_back(0);
  for (int i = 0; i < f.n; ++i) {
    for (int k = f.istr[i] - 1; k < f.istr[i + 1] - 1; ++k) {
      const int j = f.icol[k] - 1;
      if (j < i) s.lcol.push_back(j), s.lval.push_back(f.a[k]);
      else if (j > i) s.ucol.push_back(j), s.uval.push_back(f.a[k]);
      else s.dinv.push_back(f.a[k]);
    }
    s.lstart.push_back(static_cast<int>(s.lcol.size()));
    s.ustart.push_back(static_cast<int>(s.ucol.size()));
  }
  return s;
}

void plain_substitution(const Csr& s, int n, const double* y, double* x) {
  for (int i = 0; i < n; ++i) {
    double t = y[i];
    for (int k = s.lstart[i]; k < s.lstart[i + 1]; ++k) t -= s.lval[k] * x[s.lcol[k]];
    x[i] = t;
  }
  for (int i = n - 1; i >= 0; --i) {
    double t = x[i] * s.dinv[i];
    for (int k = s.ustart[i]; k < s.ustart[i + 1]; ++k) t -= s.uval[k] * x[s.ucol[k]];
    x[i] = t;
  }
}

void bm_triangular(benchmark::State& state, const Case& c, int side, bool kiv) {
  const Problem& p = cached(c.dim, side, c.peclet);
  Factor f;
  factorise(p, 1, 0.0, f);
  const Csr s = split(f);
  const std::vector<double> y = rhs(p.n);
  std::vector<double> x(p.n);
  char record[KIV2_RECORD_LEN + 1];
  for (auto _ : state) {
    if (kiv) {
      int ifail = 1;
      F11DBF("N", f.n, f.a.data(), f.la, f.irow.data(), f.icol.data(), f.ipivp.data(),
             f.ipivq.data(), f.istr.data(), f.idiag.data(), "N", y.data(), x.data(), record,
             &ifail, 1, 1, KIV2_RECORD_LEN);
    } else {
      plain_substitution(s, p.n, y.data(), x.data());
    }
    benchmark::DoNotOptimize(x.data());
  }
  state.counters["n"] = p.n;
}

#ifdef KIV2_HAVE_EIGEN
using SpMat = Eigen::SparseMatrix<double, Eigen::RowMajor>;

// IncompleteLUT at about ILU(0)'s fill: at most as many entries a row as A
// has (fill factor 1), small ones dropped.
template <class Solver>
void bm_eigen_solve(benchmark::State& state, const Case& c, int side, int restart) {
  const Problem& p = cached(c.dim, side, c.peclet);
  const SpMat a = kivbench::to_eigen<SpMat>(p);
  Solver solver;
  solver.preconditioner().setDroptol(1e-4);
  solver.preconditioner().setFillfactor(1);
  if constexpr (!std::is_same_v<Solver, Eigen::BiCGSTAB<SpMat, Eigen::IncompleteLUT<double>>>)
    solver.set_restart(restart);
  solver.setTolerance(kTol);
  solver.setMaxIterations(5000);
  solver.compute(a);
  kivbench::time_eigen_solve(state, solver, rhs(p.n));
}
#endif

int register_all() {
  for (const Case& c : kCases) {
    for (int s = 0; s < sizes(); ++s) {
      const int side = c.sides[s];
      for (const Fill& fl : kFills) {
        benchmark::RegisterBenchmark(
            ("kiv/factor/" + std::string(c.name) + "/" + fl.name + "/" + std::to_string(side))
                .c_str(),
            [&c, &fl, side](benchmark::State& st) { bm_factor(st, c, fl, side); })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(s < 2 ? 5 : 1);
      }
    }
  }
  // Solves and substitutions on the two-dimensional convection-diffusion
  // problems and 3-D Poisson at the middle sizes (the largest with
  // KIV2_BENCH_LARGE).
  for (const Case& c : kCases) {
    if (std::string(c.name) == "poisson2d") continue;
    for (int s = 1; s < sizes(); ++s) {
      const int side = c.sides[s];
      const std::string tag = std::string(c.name) + "/" + std::to_string(side);
      benchmark::RegisterBenchmark(("kiv/rgmres30-ilu0/" + tag).c_str(),
                                   [&c, side](benchmark::State& st) {
                                     bm_kiv_solve(st, c, side, "RGMRES", 30);
                                   })
          ->Unit(benchmark::kMillisecond)
          ->Iterations(1);
      benchmark::RegisterBenchmark(("kiv/bicgstab-ilu0/" + tag).c_str(),
                                   [&c, side](benchmark::State& st) {
                                     bm_kiv_solve(st, c, side, "BICGSTAB", 1);
                                   })
          ->Unit(benchmark::kMillisecond)
          ->Iterations(1);
#ifdef KIV2_HAVE_EIGEN
      using Ilut = Eigen::IncompleteLUT<double>;
      benchmark::RegisterBenchmark(
          ("eigen/rgmres30-ilu0/" + tag).c_str(),
          [&c, side](benchmark::State& st) {
            bm_eigen_solve<Eigen::GMRES<SpMat, Ilut>>(st, c, side, 30);
          })
          ->Unit(benchmark::kMillisecond)
          ->Iterations(1);
      benchmark::RegisterBenchmark(
          ("eigen/bicgstab-ilu0/" + tag).c_str(),
          [&c, side](benchmark::State& st) {
            bm_eigen_solve<Eigen::BiCGSTAB<SpMat, Ilut>>(st, c, side, 0);
          })
          ->Unit(benchmark::kMillisecond)
          ->Iterations(1);
#endif
      benchmark::RegisterBenchmark(("kiv/substitution-ilu1/" + tag).c_str(),
                                   [&c, side](benchmark::State& st) { bm_triangular(st, c, side, true); })
          ->Unit(benchmark::kMicrosecond);
      benchmark::RegisterBenchmark(("csr/substitution-ilu1/" + tag).c_str(),
                                   [&c, side](benchmark::State& st) { bm_triangular(st, c, side, false); })
          ->Unit(benchmark::kMicrosecond);
    }
  }
  flatness();  // constructed first, so destroyed after the table is printed
  std::atexit([] { flatness().print(); });
  return 0;
}
const int kRegistered = register_all();

}  // namespace
