// The symmetric and Hermitian reverse-communication solvers (F11GDF,
// F11GEF, F11GFF and the complex F11GRF, F11GSF, F11GTF) with CG: set-up
// checks, solves checked by their true residual, the positive-definiteness
// watch, the accuracy limit, the protocol's stops and monitoring, the
// Lanczos matrix kept for the sigma_1 estimate, and damaged state blocks.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <climits>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "kiv2.h"
#include "problems.hpp"
#include "symmetric.hpp"
#include "sorting/report.hpp"
#include "support/capture.hpp"
#include "precon/precon.hpp"

extern "C" void dstev_(const char* jobz, const int* n, double* d, double* e, double* z,
                       const int* ldz, double* work, int* info, int jobz_len);

namespace krylovtest {
namespace {


template <class T>
double norm2(const std::vector<T>& x) {
  double s = 0.0;
  for (const T& v : x) s += std::norm(v);
  return std::sqrt(s);
}

// b - A x by the problem's own product.
template <class T>
std::vector<T> true_residual(const Problem<T>& p, const std::vector<T>& b,
                             const std::vector<T>& x) {
  std::vector<T> r(p.n);
  p.apply(x.data(), r.data());
  for (int i = 0; i < p.n; ++i) r[i] = b[i] - r[i];
  return r;
}

// The 2-D Laplacian (5 points) on an NX by NX grid, SPD.
Csr<double> poisson2d(int nx) { return convection_diffusion<double>(nx, 0.0); }

// A random Hermitian positive-definite matrix: Hermitian off-diagonal pairs,
// a real diagonal that dominates.
Csr<Complex> random_hpd(int n, int per_row, unsigned seed) {
  std::mt19937 gen(seed);
  std::uniform_real_distribution<double> u(-1.0, 1.0);
  std::map<std::pair<int, int>, Complex> m;
  for (int i = 1; i < n; ++i)
    for (int k = 0; k < per_row; ++k) {
      const int j = std::uniform_int_distribution<int>(0, i - 1)(gen);
      const Complex v(u(gen), u(gen));
      m[{i, j}] = v;
      m[{j, i}] = std::conj(v);
    }
  std::vector<double> sum(n, 0.0);
  for (const auto& [ij, v] : m) sum[ij.first] += std::abs(v);
  for (int i = 0; i < n; ++i) m[{i, i}] = Complex(sum[i] + 0.05, 0.0);
  Csr<Complex> a;
  a.n = n;
  int row = 0;
  for (const auto& [ij, v] : m) {
    while (ij.first > row) {
      a.end_row();
      ++row;
    }
    a.add(ij.second, v);
  }
  while (row < n) {
    a.end_row();
    ++row;
  }
  return a;
}

std::vector<double> wave(int n) {
  std::vector<double> b(n);
  for (int i = 0; i < n; ++i) b[i] = std::sin(1.0 + 0.37 * i);
  return b;
}

// ---------------------------------------------------------------------------
// Set-up.

struct SetupCase {
  const char* what;
  void (*edit)(SymOptions&);
  int n, lwork, ifail, lwreq;
};

TEST(SymSetup, ChecksInOrderAndWorkspace) {
  const int n = 30;
  const SetupCase cases[] = {
      {"cg upper-cased", [](SymOptions& o) { o.method = " cg "; }, n, 1000, 0, 120 + 5 * n},
      {"CGS names CG", [](SymOptions& o) { o.method = "CGS"; }, n, 1000, 0, 120 + 5 * n},
      {"SYMMLQ", [](SymOptions& o) { o.method = "symmlq"; }, n, 1000, 0, 120 + 6 * n},
      {"SYMMLQ ITERM 2", [](SymOptions& o) { o.method = "SYMMLQ"; o.iterm = 2; }, n, 1000, 0,
       120 + 6 * n},
      {"unknown method", [](SymOptions& o) { o.method = "C"; }, n, 1000, -1, 0},
      {"SYMMLQ abbreviated", [](SymOptions& o) { o.method = "SYMML"; }, n, 1000, -1, 0},
      {"empty method", [](SymOptions& o) { o.method = "  "; }, n, 1000, -1, 0},
      {"bad precon", [](SymOptions& o) { o.precon = 'J'; }, n, 1000, -2, 0},
      {"bad sigcmp", [](SymOptions& o) { o.sigcmp = 'Y'; }, n, 1000, -3, 0},
      {"bad norm", [](SymOptions& o) { o.norm = '3'; }, n, 1000, -4, 0},
      {"bad weight", [](SymOptions& o) { o.weight = 'X'; }, n, 1000, -5, 0},
      {"CG with ITERM 2", [](SymOptions& o) { o.iterm = 2; }, n, 1000, -6, 0},
      {"ITERM 0", [](SymOptions& o) { o.iterm = 0; }, n, 1000, -6, 0},
      {"N = 0", [](SymOptions&) {}, 0, 1000, -7, 0},
      {"TOL = 1", [](SymOptions& o) { o.tol = 1.0; }, n, 1000, -8, 0},
      {"MAXITN = 0", [](SymOptions& o) { o.maxitn = 0; o.monit = -1; }, n, 1000, -9, 0},
      {"MONIT > MAXITN", [](SymOptions& o) { o.monit = 501; }, n, 1000, -14, 0},
      {"LWORK 119", [](SymOptions&) {}, n, 119, -17, 0},
      {"SYMMLQ ITERM 2 weighted",
       [](SymOptions& o) { o.method = "SYMMLQ"; o.iterm = 2; o.weight = 'W'; }, n, 1000, -5, 0},
      {"SYMMLQ ITERM 2 norm 1",
       [](SymOptions& o) { o.method = "SYMMLQ"; o.iterm = 2; o.norm = '1'; }, n, 1000, -4, 0},
      {"norm 2 without ANORM", [](SymOptions& o) { o.anorm = 0.0; }, n, 1000, -10, 0},
      {"SIGTOL = 1", [](SymOptions& o) { o.sigcmp = 'S'; o.sigtol = 1.0; o.maxits = 5; }, n, 1000,
       -12, 0},
      {"MAXITS = MAXITN + 1", [](SymOptions& o) { o.sigcmp = 'S'; o.maxits = 501; }, n, 1000, -13,
       0},
      {"MAXITS = 0", [](SymOptions& o) { o.sigcmp = 's'; }, n, 1000, -13, 0},
      {"LWREQ beyond the int range", [](SymOptions&) {}, INT_MAX / 5, 1000, -7, 0},
      {"SYMMLQ LWREQ beyond the int range", [](SymOptions& o) { o.method = "SYMMLQ"; },
       INT_MAX / 6, 1000, -7, 0},
      {"largest CG problem", [](SymOptions&) {}, (INT_MAX - 120) / 5, 1000, 0,
       120 + (INT_MAX - 120) / 5 * 5},
      {"MAXITS makes LWREQ too large",
       [](SymOptions& o) { o.sigcmp = 'S'; o.maxitn = INT_MAX; o.maxits = INT_MAX / 2; }, 1000,
       1000, -13, 0},
      {"estimate kept", [](SymOptions& o) { o.sigcmp = 'S'; o.maxits = 7; }, n, 1000, 0,
       120 + 5 * n + 2 * 7 + 2},
      {"SIGMAX given: MAXITS unchecked, no store",
       [](SymOptions& o) { o.sigcmp = 'S'; o.sigmax = 5.0; o.maxits = -3; }, n, 1000, 0,
       120 + 5 * n},
  };
  for (const SetupCase& c : cases) {
    for (bool complex : {false, true}) {
      SCOPED_TRACE(std::string(c.what) + (complex ? " (complex)" : ""));
      SymOptions o;
      o.anorm = 8.0;
      c.edit(o);
      int lwreq = 12345;
      kivtest::Report rep;
      if (complex) {
        std::vector<Complex> work(std::max(c.lwork, 1));
        rep = setup(o, c.n, work, &lwreq, c.lwork);
      } else {
        std::vector<double> work(std::max(c.lwork, 1));
        rep = setup(o, c.n, work, &lwreq, c.lwork);
      }
      EXPECT_EQ(rep.ifail, c.ifail);
      EXPECT_EQ(lwreq, c.lwreq);
      if (c.ifail != 0) {
        char line[100];
        std::snprintf(line, sizeof line,
                      " ** On entry, parameter number %2d had an illegal value.\n", -c.ifail);
        EXPECT_NE(rep.lines.find(line), std::string::npos) << rep.lines;
        EXPECT_NE(rep.record.find(complex ? "F11GRF" : "F11GDF"), std::string::npos);
      }
    }
  }
}

TEST(SymSetup, StateBlock) {
  std::vector<double> work(1000, 7.0);
  int lwreq = 0;
  SymOptions o;
  o.method = "CG";
  o.precon = 'p';
  o.sigcmp = 'S';
  o.norm = 'i';
  o.weight = 'w';
  o.maxitn = 40;
  o.maxits = 9;
  o.sigtol = 0.0;
  o.tol = 0.0;
  ASSERT_EQ(setup(o, 25, work, &lwreq).ifail, 0);
  auto at = [&](int k) { return work[k - 1]; };
  EXPECT_EQ(at(1), 50); EXPECT_EQ(at(2), 50); EXPECT_EQ(at(3), 20);
  EXPECT_EQ(at(4), 1739512); EXPECT_EQ(at(20), 840653);
  EXPECT_EQ(at(5), 1);
  EXPECT_EQ(at(6), 1);       // CG
  EXPECT_EQ(at(7), 2);       // sigma_1 estimated
  EXPECT_EQ(at(8), 1 + 3);   // infinity norm, weighted
  EXPECT_EQ(at(9), 1);
  EXPECT_EQ(at(10), 25);
  EXPECT_EQ(at(11), 40);
  EXPECT_EQ(at(12), 9);
  EXPECT_EQ(at(13), 44);     // never monitored
  EXPECT_EQ(at(14), lwreq);
  EXPECT_EQ(lwreq, 120 + 5 * 25 + 20);
  EXPECT_EQ(at(51), std::sqrt(MACHINE_PRECISION()));
  EXPECT_EQ(at(52), 0.01);   // SIGTOL <= 0
  EXPECT_EQ(at(101), 2.0);
  EXPECT_EQ(at(104), 0.0);
  EXPECT_EQ(at(105), 2.0);
  EXPECT_EQ(work[120], 7.0);

  // SIGMAX given drops the mode to 0 and is kept; SYMMLQ unweighted wants
  // sigma_1 (mode 1) when none is given; a SIGTOL below eps is raised.
  o.sigmax = 3.5;
  ASSERT_EQ(setup(o, 25, work, &lwreq).ifail, 0);
  EXPECT_EQ(at(7), 0);
  EXPECT_EQ(at(12), 0);
  EXPECT_EQ(at(54), 3.5);
  o = SymOptions();
  o.method = "SYMMLQ";
  o.anorm = 1.0;
  ASSERT_EQ(setup(o, 25, work, &lwreq).ifail, 0);
  EXPECT_EQ(at(7), 1);
  EXPECT_EQ(at(54), 0.0);
  o.sigcmp = 'S';
  o.maxits = 3;
  o.sigtol = 1e-30;
  ASSERT_EQ(setup(o, 25, work, &lwreq).ifail, 0);
  EXPECT_EQ(at(52), MACHINE_PRECISION());

  // LWORK 119: nothing is reset; the earlier problem stays set up.
  const std::vector<double> before = work;
  EXPECT_EQ(setup(o, 25, work, &lwreq, 119).ifail, -17);
  EXPECT_EQ(0, std::memcmp(before.data(), work.data(), 120 * sizeof(double)));
  // A failed set-up with a usable LWORK leaves stage 0.
  EXPECT_EQ(setup(o, 0, work, &lwreq).ifail, -7);
  EXPECT_EQ(at(5), 0);
}

// ---------------------------------------------------------------------------
// CG solves, checked by the true residual computed here.

// Full storage of a coordinate matrix, for products.
Csr<double> to_csr(const kivtest::Coo<double>& c) {
  Csr<double> a;
  a.n = c.n;
  int row = 1;
  for (std::size_t k = 0; k < c.a.size(); ++k) {
    while (c.irow[k] > row) {
      a.end_row();
      ++row;
    }
    a.add(c.icol[k] - 1, c.a[k]);
  }
  while (row <= c.n) {
    a.end_row();
    ++row;
  }
  return a;
}

// IC(0) of a symmetric (Hermitian) matrix by F11JAF (F11JNF), applied by
// F11JBF (F11JPF).
template <class T>
struct Ic0 {
  int n = 0, la = 0, nnzfac = 0, npvmod = 0;
  std::vector<T> a;
  std::vector<int> irow, icol, ipiv, istr;
  explicit Ic0(const kivtest::Coo<T>& full) : n(full.n) {
    for (std::size_t k = 0; k < full.a.size(); ++k)
      if (full.icol[k] <= full.irow[k]) {
        a.push_back(full.a[k]);
        irow.push_back(full.irow[k]);
        icol.push_back(full.icol[k]);
      }
    const int nnz = static_cast<int>(a.size());
    la = 3 * nnz;
    a.resize(la);
    irow.resize(la);
    icol.resize(la);
    ipiv.assign(n, 0);
    istr.assign(n + 1, 0);
    std::vector<int> iwork(2 * la - 3 * nnz + 7 * n + 1);
    char rec[KIV2_RECORD_LEN + 1];
    int ifail = 1;
    const auto factor = [] {
      if constexpr (std::is_same_v<T, Complex>) return &F11JNF; else return &F11JAF;
    }();
    factor(n, nnz, a.data(), la, irow.data(), icol.data(), 0, 0.0, "N", 0.0, "N", ipiv.data(),
           istr.data(), &nnzfac, &npvmod, iwork.data(), static_cast<int>(iwork.size()), rec,
           &ifail, 1, 1, KIV2_RECORD_LEN);
    EXPECT_EQ(ifail, 0);
  }
  void solve(const T* y, T* x) {
    char rec[KIV2_RECORD_LEN + 1];
    int ifail = 1;
    const auto apply = [] {
      if constexpr (std::is_same_v<T, Complex>) return &F11JPF; else return &F11JBF;
    }();
    apply(n, a.data(), la, irow.data(), icol.data(), ipiv.data(), istr.data(), "N", y, x, rec,
          &ifail, 1, KIV2_RECORD_LEN);
    EXPECT_EQ(ifail, 0);
  }
};

// ||b - A x|| within the tolerance's reach: tau (||A|| ||x|| + ||b||) in the
// 2-norm, ||A|| bounded by the infinity norm of the symmetric A.
template <class T>
void expect_solved(const Problem<T>& p, const Csr<T>& a, const std::vector<T>& b,
                   const SymRun<T>& run, double tol) {
  ASSERT_EQ(run.ifail, 0) << run.lines;
  const std::vector<T> r = true_residual(p, b, run.x);
  const double bound = tol * (a.norm_inf() * norm2(run.x) + norm2(b));
  EXPECT_LE(norm2(r), 1.01 * bound);
  // V hands back the true residual of U.
  double diff = 0.0;
  for (int i = 0; i < p.n; ++i) diff = std::max(diff, std::abs(r[i] - run.r[i]));
  EXPECT_LE(diff, 1e-12 * (norm2(b) + a.norm_inf() * norm2(run.x)));
  EXPECT_GT(run.itn, 0);
}

TEST(Cg, Poisson2dWithAndWithoutJacobi) {
  const Csr<double> a = poisson2d(20);
  const std::vector<double> b = wave(a.n);
  struct Case { char precon, norm; double anorm; };
  for (const Case c : {Case{'N', '2', 8.0}, Case{'P', '2', 8.0}, Case{'N', '1', 0.0},
                       Case{'P', 'I', 0.0}}) {
    SCOPED_TRACE(std::string(1, c.precon) + c.norm);
    const Problem<double> p = from_csr(a, c.precon == 'P');
    SymOptions o;
    o.precon = c.precon;
    o.norm = c.norm;
    o.anorm = c.anorm;
    o.tol = 1e-10;
    const SymRun<double> run = solve(p, b, o);
    expect_solved(p, a, b, run, 1e-10);
    // CG needs no more than a handful of iterations beyond sqrt(cond) ~ 2 nx
    // per digit; far below N.
    EXPECT_LT(run.itn, 150);
    if (c.anorm == 0.0) {
      EXPECT_NEAR(run.anorm, 8.0, 1e-12);  // the estimate of ||A||_1
    }
  }
}

// The stiffness matrix bcsstk01 (SPD, condition about 1e6) and sherman1
// (negative definite: solved as -A x = -b); IC(0) by F11JAF/F11JBF as the
// preconditioner, and Jacobi.
TEST(Cg, MatrixMarketProblemsWithJacobiAndIc0) {
  for (const char* file : {"bcsstk01.mtx", "sherman1.mtx"}) {
    SCOPED_TRACE(file);
    kivtest::Coo<double> coo = prec::read_matrix_market(prec::matrix_path(file));
    ASSERT_GT(coo.n, 0);
    if (coo.a[0] < 0.0)
      for (double& v : coo.a) v = -v;
    const Csr<double> a = to_csr(coo);
    std::vector<double> xs(a.n), b(a.n);
    for (int i = 0; i < a.n; ++i) xs[i] = 1.0 + 0.01 * i;
    a.apply(xs.data(), b.data());
    Ic0<double> ic(coo);
    int iterations[3] = {};
    for (int kind = 0; kind < 3; ++kind) {
      SCOPED_TRACE(kind);
      Problem<double> p = from_csr(a, kind == 1);
      if (kind == 2) p.precondition = [&ic](const double* y, double* x) { ic.solve(y, x); };
      SymOptions o;
      o.precon = kind == 0 ? 'N' : 'P';
      o.norm = 'I';
      o.tol = 1e-12;
      o.maxitn = 5000;
      const SymRun<double> run = solve(p, b, o);
      expect_solved(p, a, b, run, 1e-12);
      iterations[kind] = run.itn;
    }
    EXPECT_LT(iterations[2], iterations[1]);
    EXPECT_LT(iterations[1], iterations[0]);
  }
  // sherman1 as it stands with Jacobi: its negative diagonal makes M
  // negative definite, which the first (r, M^-1 r) shows.
  const kivtest::Coo<double> coo = prec::read_matrix_market(prec::matrix_path("sherman1.mtx"));
  const Csr<double> a = to_csr(coo);
  SymOptions o;
  o.precon = 'P';
  o.norm = 'I';
  const SymRun<double> run = solve(from_csr(a, true), wave(a.n), o);
  EXPECT_EQ(run.ifail, 6);
  EXPECT_EQ(run.itn, 1);
}

TEST(Cg, HermitianPositiveDefinite) {
  const Csr<Complex> a = random_hpd(300, 3, 11);
  std::vector<Complex> b(a.n);
  for (int i = 0; i < a.n; ++i) b[i] = Complex(std::sin(0.3 * i), std::cos(0.7 * i));
  Ic0<Complex> ic(prec::from_csr(a));
  int iterations[3] = {};
  for (int kind = 0; kind < 3; ++kind) {
    SCOPED_TRACE(kind);
    Problem<Complex> p = from_csr(a, kind == 1);
    if (kind == 2) p.precondition = [&ic](const Complex* y, Complex* x) { ic.solve(y, x); };
    SymOptions o;
    o.precon = kind == 0 ? 'N' : 'P';
    o.anorm = a.norm_inf();
    o.tol = 1e-11;
    const SymRun<Complex> run = solve(p, b, o);
    expect_solved(p, a, b, run, 1e-11);
    iterations[kind] = run.itn;
  }
  EXPECT_LT(iterations[2], iterations[0]);
  // The estimate of ||A||_1 asks for products with A^H too (-1).
  SymOptions o;
  o.norm = '1';
  const SymRun<Complex> run = solve(from_csr(a), b, o);
  ASSERT_EQ(run.ifail, 0);
  EXPECT_EQ(run.requests[0], 1);
  EXPECT_EQ(run.requests[1], -1);
  EXPECT_LE(run.anorm, a.norm1() * (1 + 1e-14));
  EXPECT_GE(run.anorm, 0.3 * a.norm1());
}

// ---------------------------------------------------------------------------
// Failures.

TEST(Cg, PreconditionerNotPositiveDefinite) {
  const Csr<double> a = poisson2d(6);
  const std::vector<double> b = wave(a.n);
  // M = -I at the start; later an M that turns indefinite after two solves.
  for (int good_solves : {0, 2}) {
    SCOPED_TRACE(good_solves);
    Problem<double> p = from_csr(a);
    int solves = 0;
    p.precondition = [&](const double* y, double* x) {
      const double s = solves++ < good_solves ? 1.0 : -1.0;
      for (int i = 0; i < a.n; ++i) x[i] = s * y[i];
    };
    SymOptions o;
    o.precon = 'P';
    o.anorm = 8.0;
    const SymRun<double> run = solve(p, b, o);
    EXPECT_EQ(run.ifail, 6);
    EXPECT_EQ(run.lines,
              " ** The preconditioner appears not to be positive-definite.\n"
              " ** The computation cannot continue.\n");
    EXPECT_EQ(run.itn, good_solves + 1);
    EXPECT_EQ(run.requests.back(), 4);
    // U and V: the iterate reached and its true residual.
    const std::vector<double> r = true_residual(p, b, run.x);
    for (int i = 0; i < a.n; ++i) EXPECT_NEAR(r[i], run.r[i], 1e-13);
  }
}

TEST(Cg, ZeroCurvatureMeansNotPositiveDefinite) {
  // A = [0 1; 1 0] with b = e1: the first direction e1 has (p, A p) = 0.
  Csr<Complex> a;
  a.n = 2;
  a.add(1, 1.0);
  a.end_row();
  a.add(0, 1.0);
  a.end_row();
  const Problem<Complex> p = from_csr(a);
  SymOptions o;
  o.anorm = 1.0;
  const SymRun<Complex> run = solve(p, {Complex(1.0), Complex(0.0)}, o);
  EXPECT_EQ(run.ifail, 7);
  EXPECT_EQ(run.lines,
            " ** The matrix of the coefficients A appears not to be positive-definite.\n"
            " ** The computation cannot continue.\n");
  EXPECT_EQ(run.x[0], Complex(0.0));
  EXPECT_EQ(run.r[0], Complex(1.0));
}

// A caller whose products carry an error of relative size 1e-7: the
// recurrence residual goes on falling, the true one cannot follow, and two
// failed checks of the true residual end with the accuracy limit.
TEST(Cg, AccuracyLimitWhenTheTrueResidualCannotFollow) {
  const Csr<double> a = poisson2d(12);
  const std::vector<double> b = wave(a.n);
  Problem<double> p = from_csr(a);
  int calls = 0;
  p.apply = [&a, &calls](const double* x, double* y) {
    a.apply(x, y);
    ++calls;
    for (int i = 0; i < a.n; ++i) y[i] *= 1.0 + 1e-7 * std::sin(7.0 * i + calls);
  };
  SymOptions o;
  o.anorm = 8.0;
  o.tol = 1e-12;
  const SymRun<double> run = solve(p, b, o);
  EXPECT_EQ(run.ifail, 2) << run.lines;
  EXPECT_LT(run.itn, 500);
  EXPECT_GT(run.stplhs, run.stprhs);
}

// Infinities and NaNs are never convergence, and stop at once: in b, in a
// product, in a solve with the preconditioner.
TEST(Cg, NonFiniteDataStopsPromptly) {
  const Csr<double> a = poisson2d(6);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case { const char* what; int bad_b, bad_product, bad_solve, ifail; };
  const Case cases[] = {
      {"NaN in b", 1, 0, 0, 7},
      {"infinite product", 0, 3, 0, 7},
      {"NaN from the preconditioner", 0, 0, 2, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<double> b = wave(a.n);
    if (c.bad_b) b[4] = nan;
    Problem<double> p = from_csr(a, true);
    int products = 0, solves = 0;
    p.apply = [&](const double* x, double* y) {
      a.apply(x, y);
      if (++products == c.bad_product) y[2] = inf;
    };
    p.precondition = [&](const double* x, double* y) {
      for (int i = 0; i < a.n; ++i) y[i] = x[i] / 4.0;
      if (++solves == c.bad_solve) y[0] = nan;
    };
    SymOptions o;
    o.precon = 'P';
    o.anorm = 8.0;
    const SymRun<double> run = solve(p, b, o);
    EXPECT_EQ(run.ifail, c.ifail);
    EXPECT_LE(run.requests.size(), 12u);
  }
}

// From a guess 1e9 times larger than the solution the recurrence residual
// carries rounding errors of that scale: without replacing it by the true
// residual once ||x|| has shrunk, the true residual could not get below
// about eps ||A|| 1e9 and the solve would end at the accuracy limit.
TEST(Cg, ResidualReplacementRecoversFromALargeGuess) {
  const Csr<double> a = poisson2d(16);
  const std::vector<double> b = wave(a.n);
  std::vector<double> x0(a.n);
  for (int i = 0; i < a.n; ++i) x0[i] = 1e9 * std::cos(0.9 * i);
  for (char precon : {'N', 'P'}) {
    SCOPED_TRACE(precon);
    const Problem<double> p = from_csr(a, precon == 'P');
    SymOptions o;
    o.precon = precon;
    o.anorm = 8.0;
    o.tol = 1e-10;
    const SymRun<double> run = solve(p, b, o, -1, 5, x0);
    expect_solved(p, a, b, run, 1e-10);
    EXPECT_LT(norm2(run.x), 1e3);
  }
}

TEST(Cg, IterationLimitTidyAndImmediateStops) {
  const Csr<double> a = poisson2d(15);
  const std::vector<double> b = wave(a.n);
  const Problem<double> p = from_csr(a, true);
  SymOptions o;
  o.precon = 'P';
  o.anorm = 8.0;
  o.maxitn = 5;
  SymRun<double> run = solve(p, b, o);
  EXPECT_EQ(run.ifail, 5);
  EXPECT_EQ(run.itn, 5);
  EXPECT_NE(run.lines.find("The solution has not converged after      5 iterations."),
            std::string::npos);
  o.maxitn = 500;
  run = solve(p, b, o, 6, 5);  // tidy: stops at the next test
  EXPECT_EQ(run.ifail, 4);
  EXPECT_NE(run.lines.find("User-requested tidy termination."), std::string::npos);
  std::vector<double> r = true_residual(p, b, run.x);
  for (int i = 0; i < a.n; ++i) EXPECT_NEAR(r[i], run.r[i], 1e-13);
  run = solve(p, b, o, 6, 6);  // immediate
  EXPECT_EQ(run.ifail, 8);
  EXPECT_EQ(run.lines, " ** User-requested immediate termination.\n");
  run = solve(p, b, o, 6, 3);  // not the request: illegal
  EXPECT_EQ(run.ifail, -1);
}

TEST(Cg, MonitoringEveryIteration) {
  const Csr<double> a = poisson2d(8);
  const std::vector<double> b = wave(a.n);
  for (char precon : {'N', 'P'}) {
    SCOPED_TRACE(precon);
    std::vector<double> work(kBlock);
    int lwreq = 0;
    SymOptions o;
    o.anorm = 8.0;
    o.monit = 1;
    o.precon = precon;
    ASSERT_EQ(setup(o, a.n, work, &lwreq).ifail, 0);
    work.resize(lwreq);
    ASSERT_EQ(setup(o, a.n, work, &lwreq).ifail, 0);
    std::vector<double> u(a.n, 0.0), v = b, w(a.n, 1.0);
    char rec[KIV2_RECORD_LEN + 1];
    int irevcm = 0, ifail = 0, itn = -1, its = -1, mfail = 1, last_itn = 0;
    double l, r, an, sm, se;
    // Out of sequence before the end.
    F11GFF(&itn, &l, &r, &an, &sm, &its, &se, work.data(), lwreq, rec, &mfail, KIV2_RECORD_LEN);
    EXPECT_EQ(mfail, 1);
    EXPECT_EQ(itn, 0);
    int monitors = 0;
    for (;;) {
      ifail = 0;
      F11GEF(&irevcm, u.data(), v.data(), w.data(), work.data(), lwreq, rec, &ifail,
             KIV2_RECORD_LEN);
      if (irevcm == 4) break;
      if (irevcm == 1) a.apply(u.data(), v.data());
      if (irevcm == 2)
        for (int i = 0; i < a.n; ++i) v[i] = u[i] / 4.0;
      if (irevcm == 3) {
        ++monitors;
        mfail = 1;
        F11GFF(&itn, &l, &r, &an, &sm, &its, &se, work.data(), lwreq, rec, &mfail,
               KIV2_RECORD_LEN);
        EXPECT_EQ(mfail, 0);
        EXPECT_EQ(itn, last_itn + 1);
        last_itn = itn;
        // U and V: the iterate and its residual, in the 2-norm of the test.
        EXPECT_NEAR(norm2(v), l, 1e-12 * norm2(b));
        EXPECT_NEAR(norm2(true_residual(from_csr(a), b, u)), l, 1e-9 * norm2(b));
      }
    }
    EXPECT_EQ(ifail, 0);
    EXPECT_GT(monitors, 5);
    // LWORK below the block: the first-entry form of the message at any entry.
    irevcm = 1;
    const auto short_work = kivtest::report([&](char* rc, int* f) {
      F11GEF(&irevcm, u.data(), v.data(), w.data(), work.data(), 119, rc, f, KIV2_RECORD_LEN);
    });
    EXPECT_EQ(short_work.ifail, -6);
    EXPECT_EQ(short_work.lines,
              " ** On first entry, parameter number  6 had an illegal value.\n");
    EXPECT_EQ(irevcm, 4);
    const auto rep = kivtest::report([&](char* rc, int* f) {
      F11GFF(&itn, &l, &r, &an, &sm, &its, &se, work.data(), 119, rc, f, KIV2_RECORD_LEN);
    });
    EXPECT_EQ(rep.ifail, -9);
    EXPECT_EQ(rep.lines, " ** On entry, parameter number  9 had an illegal value.\n");
    EXPECT_LE(norm2(true_residual(from_csr(a), b, u)), 1e-9 * norm2(b));
  }
}

TEST(Cg, ZeroRightHandSideAndExactStart) {
  const Csr<double> a = poisson2d(5);
  const Problem<double> p = from_csr(a);
  SymOptions o;
  o.anorm = 8.0;
  SymRun<double> run = solve(p, std::vector<double>(a.n, 0.0), o);
  EXPECT_EQ(run.ifail, 0);
  EXPECT_EQ(run.requests, std::vector<int>{4});
  for (int i = 0; i < a.n; ++i) EXPECT_EQ(run.x[i], 0.0);
  // Finished at the first entry: entering again with IREVCM = 4 is refused.
  int irevcm = 4;
  std::vector<double> u(a.n), v(a.n), w(a.n, 1.0);
  const auto rep = kivtest::report([&](char* rc, int* f) {
    F11GEF(&irevcm, u.data(), v.data(), w.data(), run.work.data(), run.lwreq, rc, f,
           KIV2_RECORD_LEN);
  });
  EXPECT_EQ(rep.ifail, 1);
  EXPECT_EQ(rep.lines,
            " ** F11GEF has already completed its tasks. You need to set a new problem.\n");
}

// The Lanczos matrix CG implies has the extreme eigenvalues of A as its own
// once the iteration has explored the space: with N = 12 distinct
// eigenvalues, after 12 iterations they are T's eigenvalues.
TEST(Cg, LanczosMatrixKeptForTheEstimate) {
  const int n = 12;
  Csr<double> a;
  a.n = n;
  std::vector<double> lambda(n);
  for (int i = 0; i < n; ++i) {
    lambda[i] = 1.0 + 0.75 * i * i;
    a.add(i, lambda[i]);
    a.end_row();
  }
  const Problem<double> p = from_csr(a);
  SymOptions o;
  o.sigcmp = 'S';
  o.anorm = lambda.back();
  o.maxitn = 200;
  o.maxits = 10;
  o.tol = 1e-15;
  const std::vector<double> b(n, 1.0);
  const SymRun<double> run = solve(p, b, o);
  ASSERT_EQ(run.its, 10);
  const double* t = run.work.data() + kBlock + 5 * n;
  std::vector<double> d(10), e(10);
  for (int k = 0; k < 10; ++k) {
    d[k] = t[2 * k];
    if (k > 0) e[k - 1] = std::sqrt(t[2 * k + 1]);
  }
  EXPECT_EQ(t[1], 0.0);
  int nn = 10, ldz = 1, info = 0;
  double z = 0.0;
  std::vector<double> wk(1);
  dstev_("N", &nn, d.data(), e.data(), &z, &ldz, wk.data(), &info, 1);
  ASSERT_EQ(info, 0);
  // Ritz values lie inside the spectrum; the largest has converged to
  // lambda_max within 1e-6 after 10 of 12 steps.
  EXPECT_GE(d.front(), lambda.front() * (1 - 1e-12));
  EXPECT_LE(d.back(), lambda.back() * (1 + 1e-12));
  EXPECT_NEAR(d.back(), lambda.back(), 1e-6 * lambda.back());
}

// ---------------------------------------------------------------------------
// Damaged state blocks: IFAIL 3, nothing read or written through them.

TEST(SymDamage, EveryFieldThatDecidesAnAccessIsChecked) {
  const Csr<double> a = poisson2d(5);
  const std::vector<double> b = wave(a.n);
  struct Damage { int k; double value; };
  const Damage damages[] = {
      {1, 40}, {2, 40}, {3, 10}, {6, 3}, {7, 3}, {8, 6}, {8, 4}, {9, 2}, {10, 1e9}, {10, 0},
      {11, -1}, {12, 1e6}, {13, 0}, {14, 10}, {16, -2}, {17, 99}, {23, 7}, {24, 3}, {26, 50},
      {27, 9}, {29, 1e6}, {31, 9}, {10, std::numeric_limits<double>::quiet_NaN()},
  };
  for (const Damage& dmg : damages) {
    SCOPED_TRACE(dmg.k);
    std::vector<double> work(kBlock);
    int lwreq = 0;
    SymOptions o;
    o.anorm = 8.0;
    o.sigcmp = 'S';
    o.maxits = 3;
    ASSERT_EQ(setup(o, a.n, work, &lwreq).ifail, 0);
    work.resize(lwreq);
    ASSERT_EQ(setup(o, a.n, work, &lwreq).ifail, 0);
    std::vector<double> u(a.n, 0.0), v = b, w(a.n, 1.0);
    int irevcm = 0;
    char rec[KIV2_RECORD_LEN + 1];
    int ifail = 1;
    F11GEF(&irevcm, u.data(), v.data(), w.data(), work.data(), lwreq, rec, &ifail,
           KIV2_RECORD_LEN);
    ASSERT_EQ(irevcm, 1);
    a.apply(u.data(), v.data());
    work[dmg.k - 1] = dmg.value;
    const std::vector<double> damaged = work;
    const auto rep = kivtest::report([&](char* rc, int* f) {
      F11GEF(&irevcm, u.data(), v.data(), w.data(), work.data(), lwreq, rc, f,
             KIV2_RECORD_LEN);
    });
    EXPECT_EQ(rep.ifail, 3);
    EXPECT_EQ(irevcm, 4);
    EXPECT_EQ(0, std::memcmp(damaged.data(), work.data(), damaged.size() * sizeof(double)));
    int itn, its;
    double l, r, an, sm, se;
    const auto mon = kivtest::report([&](char* rc, int* f) {
      F11GFF(&itn, &l, &r, &an, &sm, &its, &se, work.data(), lwreq, rc, f, KIV2_RECORD_LEN);
    });
    EXPECT_EQ(mon.ifail, 1);
  }
}

// A block set up by the general solvers is not one of these.
TEST(SymDamage, FamiliesDoNotMix) {
  std::vector<double> work(1000);
  int lwreq = 0, ifail = 1;
  Api<double>::setup("CGS", 'N', 'I', 'N', 1, 20, 0, 0.0, 10, 0.0, 0.0, 0, &lwreq, work.data(),
                     1000, &ifail);
  ASSERT_EQ(ifail, 0);
  std::vector<double> u(20), v(20, 1.0), w(20, 1.0);
  int irevcm = 0;
  char rec[KIV2_RECORD_LEN + 1];
  ifail = 1;
  F11GEF(&irevcm, u.data(), v.data(), w.data(), work.data(), 1000, rec, &ifail,
         KIV2_RECORD_LEN);
  EXPECT_EQ(ifail, 3);
  std::vector<double> swork(1000);
  SymOptions o;
  o.anorm = 1.0;
  ASSERT_EQ(setup(o, 20, swork, &lwreq).ifail, 0);
  irevcm = 0;
  ifail = 1;
  F11BEF(&irevcm, u.data(), v.data(), w.data(), swork.data(), 1000, rec, &ifail,
         KIV2_RECORD_LEN);
  EXPECT_EQ(ifail, 3);
}

}  // namespace
}  // namespace krylovtest
