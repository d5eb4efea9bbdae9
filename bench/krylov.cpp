// The reverse-communication solvers on 2D convection-diffusion against
// Eigen's BiCGSTAB and (unsupported) GMRES with the same preconditioner, in
// one run.  The library's requests are answered with Eigen's own sparse
// product and the same Jacobi scaling, so that both sides pay the same
// products and the ratios compare the solvers' own work.  Every solve
// stops at ||r||_2 <= 1e-8 ||b||_2, the peers' test (ITERM = 1, NORM = '2'
// with a negligible ANORM), or after an iteration budget on both sides at
// the larger sizes (10^5: 300, 10^6: 100 iterations): the ratio per
// iteration is the figure.  Counters: itn (iterations) and us/itn (wall
// time per iteration); the ratio table gives medians of CPU time per
// iteration over the repetitions (run with --benchmark_repetitions=5).
// BiCGSTAB(l) counts a BiCG step as an iteration (two products), as
// Eigen's BiCGSTAB does.  CG (F11GDF/F11GEF) runs on the symmetric problem
// of the same grid (no convection) against Eigen's ConjugateGradient with
// the full matrix (Lower|Upper), so that the products are the same.
//
// Also the cost of a round trip of the protocol (the state block loaded and
// stored, the request vector copied) and of one library call per request,
// against one product at n = 10^5.
//
// Sizes: n = 10^4 by default; KIV2_BENCH_LARGE=1 adds 10^5 and 10^6.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "kiv2.h"
#include "sparse/krylov.hpp"

#ifdef KIV2_HAVE_EIGEN
#include <Eigen/IterativeLinearSolvers>
#include <Eigen/Sparse>
#include <unsupported/Eigen/IterativeSolvers>
#endif

namespace {

constexpr double kTol = 1e-8;
constexpr double kPeclet = 0.5;

struct Csr {
  int n = 0;
  std::vector<int> start{0}, col;
  std::vector<double> val, inv_diag;

  void apply(const double* x, double* y) const {
    for (int i = 0; i < n; ++i) {
      double s = 0.0;
      for (int k = start[i]; k < start[i + 1]; ++k) s += val[k] * x[col[k]];
      y[i] = s;
    }
  }
};

// Five-point convection-diffusion, cell Peclet number PECLET, with a
// varying diagonal so that Jacobi differs from no preconditioner; with
// PECLET = 0 the matrix is symmetric positive definite.
Csr problem(int nx, double peclet = kPeclet) {
  Csr a;
  a.n = nx * nx;
  const double cx = peclet / 2.0, cy = peclet / 4.0;
  for (int j = 0; j < nx; ++j)
    for (int i = 0; i < nx; ++i) {
      const double d = 4.0 + 2.0 * static_cast<double>(i) / nx;
      auto add = [&](int c, double v) { a.col.push_back(c); a.val.push_back(v); };
      if (j > 0) add((j - 1) * nx + i, -1.0 - cy);
      if (i > 0) add(j * nx + i - 1, -1.0 - cx);
      add(j * nx + i, d);
      if (i < nx - 1) add(j * nx + i + 1, -1.0 + cx);
      if (j < nx - 1) add((j + 1) * nx + i, -1.0 + cy);
      a.start.push_back(static_cast<int>(a.col.size()));
      a.inv_diag.push_back(1.0 / d);
    }
  return a;
}

const Csr& cached(int nx, bool symmetric = false) {
  static std::vector<std::pair<int, Csr>> cache;
  const int key = symmetric ? -nx : nx;
  for (auto& [k, a] : cache)
    if (k == key) return a;
  cache.emplace_back(key, problem(nx, symmetric ? 0.0 : kPeclet));
  return cache.back().second;
}

std::vector<double> rhs(int n) {
  std::vector<double> b(n);
  for (int i = 0; i < n; ++i) b[i] = std::sin(0.1 * i) + 1.0;
  return b;
}

int side(benchmark::State& state) { return static_cast<int>(state.range(0)); }

// The iteration budget of a grid side: a full solve at 10^4 unknowns.
int budget(int nx) { return nx <= 100 ? 5000 : nx <= 316 ? 300 : 100; }

#ifdef KIV2_HAVE_EIGEN
using SpMat = Eigen::SparseMatrix<double, Eigen::RowMajor>;

SpMat eigen_matrix(const Csr& a) {
  SpMat s(a.n, a.n);
  std::vector<Eigen::Triplet<double>> t;
  for (int i = 0; i < a.n; ++i)
    for (int k = a.start[i]; k < a.start[i + 1]; ++k) t.emplace_back(i, a.col[k], a.val[k]);
  s.setFromTriplets(t.begin(), t.end());
  return s;
}

// The product both sides use.
void product(const SpMat& s, const double* x, double* y) {
  Eigen::Map<Eigen::VectorXd>(y, s.rows()).noalias() =
      s * Eigen::Map<const Eigen::VectorXd>(x, s.cols());
}
#endif

// One solve by reverse communication; returns ITN (negative on failure).
template <class Product>
int kiv_solve(const Csr& a, const Product& apply, int maxitn, const char* method, int m,
              bool jacobi, std::vector<double>& work, std::vector<double>& u,
              std::vector<double>& v, const std::vector<double>& b) {
  char record[KIV2_RECORD_LEN + 1];
  const int n = a.n;
  int lwreq = 0, ifail = 1;
  const char precon = jacobi ? 'P' : 'N';
  const bool cg = std::strcmp(method, "CG") == 0;
  const int method_len = static_cast<int>(std::strlen(method));
  const int lwork = static_cast<int>(work.size());
  if (cg)
    F11GDF(method, &precon, "N", "2", "N", 1, n, kTol, maxitn, 1e-300, 0.0, 0.0, 0, 0, &lwreq,
           work.data(), lwork, record, &ifail, method_len, 1, 1, 1, 1, KIV2_RECORD_LEN);
  else
    F11BDF(method, &precon, "2", "N", 1, n, m, kTol, maxitn, 1e-300, 0.0, 0, &lwreq, work.data(),
           lwork, record, &ifail, method_len, 1, 1, 1, KIV2_RECORD_LEN);
  if (ifail != 0) return -1;
  std::fill(u.begin(), u.end(), 0.0);
  std::copy(b.begin(), b.end(), v.begin());
  const std::vector<double> wgt;
  int irevcm = 0;
  for (;;) {
    ifail = 1;
    (cg ? F11GEF : F11BEF)(&irevcm, u.data(), v.data(), wgt.data(), work.data(), lwork, record,
                           &ifail, KIV2_RECORD_LEN);
    if (irevcm == 4) break;
    if (irevcm == 1) apply(u.data(), v.data());
    else if (irevcm == 2)
      for (int i = 0; i < n; ++i) v[i] = a.inv_diag[i] * u[i];
  }
  if (ifail != 0 && ifail != 5) return -ifail;  // 5: the budget spent
  double lhs, rhs_, an, sg, se;
  int itn = 0, its = 0;
  if (cg)
    F11GFF(&itn, &lhs, &rhs_, &an, &sg, &its, &se, work.data(), lwork, record, &ifail,
           KIV2_RECORD_LEN);
  else
    F11BFF(&itn, &lhs, &rhs_, &an, &sg, work.data(), lwork, record, &ifail, KIV2_RECORD_LEN);
  return itn;
}

void report(benchmark::State& state, int itn, double seconds) {
  if (itn <= 0) {
    state.SkipWithError("did not converge");
    return;
  }
  state.counters["itn"] = itn;
  state.counters["us/itn"] = 1e6 * seconds / (static_cast<double>(state.iterations()) * itn);
}

double now() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void BM_kiv(benchmark::State& state, const char* method, int m, bool jacobi) {
  const Csr& a = cached(side(state), std::strcmp(method, "CG") == 0);
  const std::vector<double> b = rhs(a.n);
  std::vector<double> work(200 + static_cast<std::size_t>(a.n) * 60), u(a.n), v(a.n);
#ifdef KIV2_HAVE_EIGEN
  const SpMat s = eigen_matrix(a);
  auto apply = [&s](const double* x, double* y) { product(s, x, y); };
#else
  auto apply = [&a](const double* x, double* y) { a.apply(x, y); };
#endif
  int itn = 0;
  const double t0 = now();
  for (auto _ : state)
    itn = kiv_solve(a, apply, budget(side(state)), method, m, jacobi, work, u, v, b);
  report(state, itn, now() - t0);
}

#ifdef KIV2_HAVE_EIGEN
template <class Solver>
void BM_eigen(benchmark::State& state, int restart, bool symmetric = false) {
  const Csr& a = cached(side(state), symmetric);
  const SpMat s = eigen_matrix(a);
  const std::vector<double> bv = rhs(a.n);
  const Eigen::Map<const Eigen::VectorXd> b(bv.data(), a.n);
  Solver solver;
  solver.setTolerance(kTol);
  solver.setMaxIterations(budget(side(state)));
  if constexpr (requires { solver.set_restart(restart); }) solver.set_restart(restart);
  solver.compute(s);
  Eigen::VectorXd x;
  const double t0 = now();
  for (auto _ : state) {
    x = solver.solve(b);
    benchmark::DoNotOptimize(x.data());
  }
  const bool done = solver.info() == Eigen::Success || solver.info() == Eigen::NoConvergence;
  report(state, done ? static_cast<int>(solver.iterations()) : -1, now() - t0);
}

using Jacobi = Eigen::DiagonalPreconditioner<double>;
using Identity = Eigen::IdentityPreconditioner;
using GmresIdentity = Eigen::GMRES<SpMat, Identity>;
using GmresJacobi = Eigen::GMRES<SpMat, Jacobi>;
using BicgstabIdentity = Eigen::BiCGSTAB<SpMat, Identity>;
using BicgstabJacobi = Eigen::BiCGSTAB<SpMat, Jacobi>;
void BM_eigen_gmres(benchmark::State& s) { BM_eigen<GmresIdentity>(s, 20); }
void BM_eigen_gmres_jacobi(benchmark::State& s) { BM_eigen<GmresJacobi>(s, 20); }
void BM_eigen_bicgstab(benchmark::State& s) { BM_eigen<BicgstabIdentity>(s, 0); }
void BM_eigen_bicgstab_jacobi(benchmark::State& s) { BM_eigen<BicgstabJacobi>(s, 0); }
using CgIdentity = Eigen::ConjugateGradient<SpMat, Eigen::Lower | Eigen::Upper, Identity>;
using CgJacobi = Eigen::ConjugateGradient<SpMat, Eigen::Lower | Eigen::Upper, Jacobi>;
void BM_eigen_cg(benchmark::State& s) { BM_eigen<CgIdentity>(s, 0, true); }
void BM_eigen_cg_jacobi(benchmark::State& s) { BM_eigen<CgJacobi>(s, 0, true); }
#endif

void sizes(benchmark::internal::Benchmark* b) {
  b->Arg(100);
  if (std::getenv("KIV2_BENCH_LARGE")) b->Arg(316)->Arg(1000);
  b->Unit(benchmark::kMillisecond);
}

// The protocol's own cost per request: the state block loaded and stored,
// and the request vector copied into U.
void BM_roundtrip(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  std::vector<double> work(100 + 2 * static_cast<std::size_t>(n), 1.0), u(n);
  kiv::krylov::set_field(work.data(), kiv::krylov::kIntSize, 50);
  kiv::krylov::set_field(work.data(), kiv::krylov::kRealSize, 40);
  kiv::krylov::set_field(work.data(), kiv::krylov::kLogSize, 10);
  for (auto _ : state) {
    kiv::krylov::Scalars<double> s(work.data());
    s.I(30) += 1;
    s.store(work.data());
    kiv::krylov::copy(n, work.data() + 100, u.data());
    benchmark::DoNotOptimize(u.data());
  }
}

// One product at the same size: the unit the round trip is measured in.
void BM_product(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Csr& a = cached(static_cast<int>(std::lround(std::sqrt(n))));
  std::vector<double> x(a.n, 1.0), y(a.n);
  for (auto _ : state) {
    a.apply(x.data(), y.data());
    benchmark::DoNotOptimize(y.data());
  }
}

// The library's whole time per request in a CGS solve (its vector work
// included), each call timed alone with the product paused.
void BM_request(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Csr& a = cached(static_cast<int>(std::lround(std::sqrt(n))));
  const std::vector<double> b = rhs(a.n);
  std::vector<double> work(100 + 7 * static_cast<std::size_t>(a.n)), u(a.n), v(a.n), wgt;
  char record[KIV2_RECORD_LEN + 1];
  int irevcm = 4, ifail = 1, lwreq = 0;
  for (auto _ : state) {
    state.PauseTiming();
    if (irevcm == 4) {
      F11BDF("CGS", "N", "2", "N", 1, a.n, 0, kTol, 100000, 1e-300, 0.0, 0, &lwreq, work.data(),
             static_cast<int>(work.size()), record, &ifail, 3, 1, 1, 1, KIV2_RECORD_LEN);
      std::fill(u.begin(), u.end(), 0.0);
      v = b;
      irevcm = 0;
    } else if (irevcm == 1) {
      a.apply(u.data(), v.data());
    }
    state.ResumeTiming();
    ifail = 1;
    F11BEF(&irevcm, u.data(), v.data(), wgt.data(), work.data(), static_cast<int>(work.size()),
           record, &ifail, KIV2_RECORD_LEN);
  }
}

}  // namespace

BENCHMARK_CAPTURE(BM_kiv, rgmres20, "RGMRES", 20, false)->Name("kiv/gmres20/identity")->Apply(sizes);
BENCHMARK_CAPTURE(BM_kiv, rgmres20p, "RGMRES", 20, true)->Name("kiv/gmres20/jacobi")->Apply(sizes);
BENCHMARK_CAPTURE(BM_kiv, bicgstab, "BICGSTAB", 1, false)->Name("kiv/bicgstab/identity")->Apply(sizes);
BENCHMARK_CAPTURE(BM_kiv, bicgstabp, "BICGSTAB", 1, true)->Name("kiv/bicgstab/jacobi")->Apply(sizes);
BENCHMARK_CAPTURE(BM_kiv, bicgstab2i, "BICGSTAB", 2, false)->Name("kiv/bicgstab2/identity")->Apply(sizes);
BENCHMARK_CAPTURE(BM_kiv, bicgstab2, "BICGSTAB", 2, true)->Name("kiv/bicgstab2/jacobi")->Apply(sizes);
BENCHMARK_CAPTURE(BM_kiv, bicgstab4, "BICGSTAB", 4, true)->Name("kiv/bicgstab4/jacobi")->Apply(sizes);
BENCHMARK_CAPTURE(BM_kiv, cgs, "CGS", 0, true)->Name("kiv/cgs/jacobi")->Apply(sizes);
BENCHMARK_CAPTURE(BM_kiv, tfqmr, "TFQMR", 0, true)->Name("kiv/tfqmr/jacobi")->Apply(sizes);
BENCHMARK_CAPTURE(BM_kiv, cg, "CG", 0, false)->Name("kiv/cg/identity")->Apply(sizes);
BENCHMARK_CAPTURE(BM_kiv, cgp, "CG", 0, true)->Name("kiv/cg/jacobi")->Apply(sizes);
#ifdef KIV2_HAVE_EIGEN
BENCHMARK(BM_eigen_gmres)->Name("eigen/gmres20/identity")->Apply(sizes);
BENCHMARK(BM_eigen_gmres_jacobi)->Name("eigen/gmres20/jacobi")->Apply(sizes);
BENCHMARK(BM_eigen_bicgstab)->Name("eigen/bicgstab/identity")->Apply(sizes);
BENCHMARK(BM_eigen_bicgstab_jacobi)->Name("eigen/bicgstab/jacobi")->Apply(sizes);
BENCHMARK(BM_eigen_bicgstab)->Name("eigen/bicgstab2/identity")->Apply(sizes);
BENCHMARK(BM_eigen_bicgstab_jacobi)->Name("eigen/bicgstab2/jacobi")->Apply(sizes);
BENCHMARK(BM_eigen_cg)->Name("eigen/cg/identity")->Apply(sizes);
BENCHMARK(BM_eigen_cg_jacobi)->Name("eigen/cg/jacobi")->Apply(sizes);
#endif
BENCHMARK(BM_roundtrip)->Name("kiv/roundtrip")->Arg(100000);
BENCHMARK(BM_product)->Name("csr/roundtrip")->Arg(100000);
BENCHMARK(BM_request)->Name("kiv/request")->Arg(100000);
BENCHMARK(BM_product)->Name("csr/request")->Arg(100000);
