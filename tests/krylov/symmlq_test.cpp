// SYMMLQ through F11GDF/F11GEF/F11GFF and the complex F11GRF/F11GSF/F11GTF:
// positive-definite, indefinite and Hermitian indefinite systems checked by
// their true residuals formed here; the sigma_1 estimate of SYMMLQ and CG
// against the largest singular value of the preconditioned matrix formed
// densely and given to LAPACK; the failures only SYMMLQ and CG report.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <functional>
#include <string>
#include <vector>

#include "kiv2.h"
#include "krylov/problems.hpp"
#include "precon/precon.hpp"
#include "krylov/symmetric.hpp"
#include "support/random.hpp"

extern "C" void dsyev_(const char* jobz, const char* uplo, const int* n, double* a, const int* lda,
                       double* w, double* work, const int* lwork, int* info, std::size_t,
                       std::size_t);
extern "C" void zheev_(const char* jobz, const char* uplo, const int* n, std::complex<double>* a,
                       const int* lda, double* w, std::complex<double>* work, const int* lwork,
                       double* rwork, int* info, std::size_t, std::size_t);

namespace {

using krylovtest::Csr;
using krylovtest::Problem;
using krylovtest::SymApi;
using krylovtest::SymOptions;
using krylovtest::SymRun;
using Complex = std::complex<double>;

template <class T>
constexpr bool kComplex = std::is_same_v<T, Complex>;

template <class T>
using Vec = std::vector<T>;
template <class T>
using Op = std::function<void(const T*, T*)>;

// SYMMLQ in the infinity norm (||A|| estimated unless given).
SymOptions symmlq() {
  SymOptions o;
  o.method = "SYMMLQ";
  o.norm = 'I';
  o.maxitn = 3000;
  return o;
}

// A solve with the caller's operators; STOP_AFTER as krylovtest::solve.
template <class T>
SymRun<T> run_with(const Op<T>& a, const Op<T>& m, const Vec<T>& b, const SymOptions& o,
                   const Vec<T>& x0 = {}, int stop_after = -1, int stop_code = 5) {
  Problem<T> p;
  p.n = static_cast<int>(b.size());
  p.apply = a;
  p.precondition = m;
  return krylovtest::solve(p, b, o, stop_after, stop_code, x0);
}

// How many requests of a kind a solve made (1 counts -1 too).
int count(const std::vector<int>& requests, int code) {
  return static_cast<int>(std::count_if(requests.begin(), requests.end(), [code](int r) {
    return r == code || (code == 1 && r == -1);
  }));
}

template <class T>
Op<T> product(const Csr<T>& a) {
  return [&a](const T* x, T* y) { a.apply(x, y); };
}
template <class T>
Op<T> jacobi(const Csr<T>& a) {
  return [&a](const T* x, T* y) {
    for (int i = 0; i < a.n; ++i) y[i] = x[i] / a.diagonal(i);
  };
}
template <class T>
Op<T> identity(int n) {
  return [n](const T* x, T* y) { std::copy(x, x + n, y); };
}

template <class T>
double norm_of(char code, const Vec<T>& x) {
  double s = 0.0;
  for (const T& e : x) {
    const double a = std::fabs(std::real(e)) + std::fabs(std::imag(e));
    if (code == '1') s += a;
    else if (code == 'I') s = std::max(s, a);
    else s += std::norm(e);
  }
  return code == '2' ? std::sqrt(s) : s;
}

// The 2-D Laplacian on an NX by NX grid, minus SHIFT on the diagonal; for
// complex T the couplings in x carry the phases exp(+-i THETA), which keeps
// A Hermitian and moves its spectrum.
template <class T>
Csr<T> laplacian(int nx, double shift, double theta = 0.0) {
  Csr<T> a;
  a.n = nx * nx;
  T east = -1.0, west = -1.0;
  if constexpr (kComplex<T>) {
    east = -std::polar(1.0, theta);
    west = std::conj(east);
  }
  for (int j = 0; j < nx; ++j)
    for (int i = 0; i < nx; ++i) {
      if (j > 0) a.add((j - 1) * nx + i, -1.0);
      if (i > 0) a.add(j * nx + i - 1, west);
      a.add(j * nx + i, 4.0 - shift);
      if (i < nx - 1) a.add(j * nx + i + 1, east);
      if (j < nx - 1) a.add((j + 1) * nx + i, -1.0);
      a.end_row();
    }
  return a;
}

// The eigenvalues of the Hermitian matrix H (n by n, column-major), by LAPACK.
Vec<double> eigenvalues(int n, Vec<double> h) {
  Vec<double> w(n);
  int lwork = -1, info = 0;
  double q;
  dsyev_("N", "L", &n, h.data(), &n, w.data(), &q, &lwork, &info, 1, 1);
  lwork = static_cast<int>(q);
  Vec<double> work(lwork);
  dsyev_("N", "L", &n, h.data(), &n, w.data(), work.data(), &lwork, &info, 1, 1);
  EXPECT_EQ(info, 0);
  return w;
}
Vec<double> eigenvalues(int n, Vec<Complex> h) {
  Vec<double> w(n), rwork(3 * n);
  int lwork = -1, info = 0;
  Complex q;
  zheev_("N", "L", &n, h.data(), &n, w.data(), &q, &lwork, rwork.data(), &info, 1, 1);
  lwork = static_cast<int>(q.real());
  Vec<Complex> work(lwork);
  zheev_("N", "L", &n, h.data(), &n, w.data(), work.data(), &lwork, rwork.data(), &info, 1, 1);
  EXPECT_EQ(info, 0);
  return w;
}

// sigma_1 of D^-1/2 A D^-1/2 (D = the diagonal of A, or I), formed densely.
template <class T>
double preconditioned_sigma(const Csr<T>& a, bool scaled) {
  const int n = a.n;
  Vec<T> h(static_cast<std::size_t>(n) * n);
  for (int i = 0; i < n; ++i)
    for (int k = a.start[i]; k < a.start[i + 1]; ++k) {
      const int j = a.col[k];
      const double s = scaled ? std::sqrt(std::real(a.diagonal(i)) * std::real(a.diagonal(j))) : 1.0;
      h[i + static_cast<std::size_t>(j) * n] = a.val[k] / s;
    }
  const Vec<double> w = eigenvalues(n, h);
  return std::max(std::fabs(w.front()), std::fabs(w.back()));
}

template <class T>
Vec<T> rhs_for(int n, unsigned seed) {
  return kivtest::random<T>(n, seed);
}

// ||b - A x|| <= FACTOR tau (||A|| ||x|| + ||b||) in the norm CODE, with the
// residual and the norm of A formed here.
template <class T>
void expect_solved(const Csr<T>& a, const Vec<T>& b, const SymRun<T>& run, char code, double tol,
                   double factor = 10.0) {
  ASSERT_EQ(run.ifail, 0);
  const Vec<T> r = krylovtest::residual(a, b, run.x);
  const double anorm = code == '1' ? a.norm1() : a.norm_inf();  // 2-norm: bounded by either
  const double bound = tol * (anorm * norm_of(code, run.x) + norm_of(code, b));
  EXPECT_LE(norm_of(code, r), factor * bound);
  // V holds b - A U.
  double diff = 0.0;
  for (int i = 0; i < a.n; ++i) diff = std::max(diff, std::abs(r[i] - run.r[i]));
  EXPECT_LE(diff, 1e-12 * (anorm * norm_of('I', run.x) + norm_of('I', b)));
}

template <class T>
class Symmlq : public ::testing::Test {};
using Types = ::testing::Types<double, Complex>;
TYPED_TEST_SUITE(Symmlq, Types);

// Definite and indefinite systems, with and without a preconditioner, in
// every norm of the test.
TYPED_TEST(Symmlq, SolvesDefiniteAndIndefiniteSystemsToTolerance) {
  using T = TypeParam;
  struct Case {
    const char* name;
    double shift;  // subtracted from the diagonal: 0 definite, 2.5 indefinite
    char precon, norm;
  };
  const Case cases[] = {
      {"definite", 0.0, 'N', 'I'},       {"definite, Jacobi", 0.0, 'P', '1'},
      {"definite, 2-norm", 0.0, 'N', '2'}, {"indefinite", 2.5, 'N', 'I'},
      {"indefinite, Jacobi", 2.5, 'P', 'I'}, {"indefinite, 1-norm", 2.5, 'N', '1'},
      {"indefinite, 2-norm", 2.5, 'P', '2'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Csr<T> a = laplacian<T>(14, c.shift, 0.4);
    const Vec<T> b = rhs_for<T>(a.n, 3);
    SymOptions o = symmlq();
    o.precon = c.precon;
    o.norm = c.norm;
    o.tol = 1e-9;
    if (c.norm == '2') o.anorm = 8.0 + c.shift;  // Gershgorin bound of ||A||_2
    const SymRun<T> run = run_with<T>(product(a), jacobi(a), b, o);
    expect_solved(a, b, run, c.norm, o.tol);
    EXPECT_EQ(run.lwreq, 120 + 6 * a.n);
    EXPECT_GT(run.itn, 1);
    if (c.precon == 'N') {
      EXPECT_EQ(count(run.requests, 2), 0);
    }
  }
}

// Starts: near the solution, at it, and far larger than it.  From the
// large start the recurrence residual carries the rounding errors of that
// scale and passes while the true residual cannot; it is replaced by the
// true one (the Lanczos process starts again from it) and the solve then
// converges.
TYPED_TEST(Symmlq, StartsFromTheInitialGuess) {
  using T = TypeParam;
  const Csr<T> a = laplacian<T>(10, 2.5, 0.2);
  const Vec<T> x_true = rhs_for<T>(a.n, 8);
  Vec<T> b(a.n);
  a.apply(x_true.data(), b.data());
  Vec<T> near = x_true;
  for (T& e : near) e *= 0.9;
  for (char precon : {'N', 'P'}) {
    SCOPED_TRACE(precon);
    SymOptions o = symmlq();
    o.precon = precon;
    o.anorm = 8.0 + 2.5;
    o.tol = 1e-10;
    const SymRun<T> from_near = run_with<T>(product(a), jacobi(a), b, o, near);
    expect_solved(a, b, from_near, 'I', o.tol);
    const SymRun<T> exact = run_with<T>(product(a), jacobi(a), b, o, x_true);
    EXPECT_EQ(exact.ifail, 0);
    EXPECT_EQ(exact.itn, 0);
    const SymRun<T> huge = run_with<T>(product(a), jacobi(a), b, o, Vec<T>(a.n, T(1e8)));
    expect_solved(a, b, huge, 'I', o.tol);
    // More products than the iterations, the first residual and one check:
    // true residuals were asked for on the way.
    EXPECT_GT(count(huge.requests, 1), huge.itn + 2);
  }
}

// ITERM = 2: ||r|| <= tau sigma_1 ||x|| with sigma_1 given, estimated by the
// Lanczos bisection, or bounded by the rows of T (SIGCMP = N).
TYPED_TEST(Symmlq, SecondStoppingTestWithGivenAndEstimatedSigma) {
  using T = TypeParam;
  const Csr<T> a = laplacian<T>(12, 2.5, 0.3);
  const Vec<T> b = rhs_for<T>(a.n, 4);
  // Jacobi here is 1/1.5 times I, so the preconditioned sigma_1 is known too.
  const double sigma = preconditioned_sigma(a, false), scaled = sigma / 1.5;
  struct Case {
    const char* name;
    char sigcmp, precon;
    double sigmax;
  };
  for (const Case& c : {Case{"given", 'N', 'N', sigma}, Case{"estimated", 'S', 'N', 0.0},
                        Case{"row bound", 'N', 'N', 0.0}, Case{"given, Jacobi", 'N', 'P', scaled},
                        Case{"estimated, Jacobi", 'S', 'P', 0.0}}) {
    SCOPED_TRACE(c.name);
    SymOptions o = symmlq();
    o.iterm = 2;
    o.norm = '2';
    o.precon = c.precon;
    o.sigcmp = c.sigcmp;
    o.sigmax = c.sigmax;
    o.maxits = 200;
    o.sigtol = 1e-4;
    o.tol = 1e-9;
    const SymRun<T> run = run_with<T>(product(a), jacobi(a), b, o);
    ASSERT_EQ(run.ifail, 0);
    // The test's own form, ||M^-1 r|| <= tau sigma_1 ||x||, with the true
    // sigma_1: the estimates never exceed it, so they only make it stricter.
    const double s1 = c.precon == 'P' ? scaled : sigma;
    const double m = c.precon == 'P' ? 1.0 / 1.5 : 1.0;
    const Vec<T> r = krylovtest::residual(a, b, run.x);
    EXPECT_LE(m * norm_of('2', r), 1.01 * o.tol * s1 * norm_of('2', run.x));
    EXPECT_LE(run.sigmax, s1 * (1.0 + 1e-10));
    EXPECT_GT(run.sigmax, c.sigcmp == 'S' ? s1 * (1.0 - 1e-4) : s1 / 2.0);
    EXPECT_LE(run.stplhs, run.stprhs);
    // Its left side is the recurrence residual's, close to the true one.
    EXPECT_NEAR(run.stplhs, m * norm_of('2', r), 1e-10 * norm_of('2', b));
  }
}

// Monitoring every iteration: U is the iterate, V its residual (the one the
// recurrences carry, close to b - A U).
TYPED_TEST(Symmlq, MonitoringHandsTheIterateAndItsResidual) {
  using T = TypeParam;
  const Csr<T> a = laplacian<T>(8, 1.5, 0.7);
  const Vec<T> b = rhs_for<T>(a.n, 21);
  const int n = a.n;
  Vec<T> work(120);
  SymOptions o = symmlq();
  o.precon = 'P';
  o.monit = 1;
  o.anorm = 8.0;
  int lwreq = 0;
  krylovtest::setup(o, n, work, &lwreq);
  work.assign(lwreq, T(0.0));
  ASSERT_EQ(krylovtest::setup(o, n, work, &lwreq).ifail, 0);
  Vec<T> u(n, T(0.0)), v = b;
  Vec<double> w(n, 1.0);
  int irevcm = 0, monitors = 0, ifail = 0;
  char rec[KIV2_RECORD_LEN + 1];
  const auto m = jacobi(a);
  while (true) {
    ifail = 1;
    SymApi<T>::iterate_fn(&irevcm, u.data(), v.data(), w.data(), work.data(), lwreq, rec, &ifail,
                          KIV2_RECORD_LEN);
    if (irevcm == 4) break;
    if (irevcm == 1) a.apply(u.data(), v.data());
    if (irevcm == 2) m(u.data(), v.data());
    if (irevcm == 3) {
      ++monitors;
      const Vec<T> r = krylovtest::residual(a, b, u);
      double diff = 0.0;
      for (int i = 0; i < n; ++i) diff = std::max(diff, std::abs(r[i] - v[i]));
      EXPECT_LE(diff, 1e-10 * norm_of('I', b)) << "monitor " << monitors;
      SymRun<T> mon;
      int mfail = 1;
      SymApi<T>::monitor_fn(&mon.itn, &mon.stplhs, &mon.stprhs, &mon.anorm, &mon.sigmax, &mon.its,
                            &mon.sigerr, work.data(), lwreq, rec, &mfail, KIV2_RECORD_LEN);
      EXPECT_EQ(mfail, 0);
      EXPECT_EQ(mon.itn, monitors);
      EXPECT_NEAR(mon.stplhs, norm_of('I', v), 1e-12 * norm_of('I', b));
    }
  }
  EXPECT_EQ(ifail, 0);
  EXPECT_GT(monitors, 5);
}

// A product that is not quite symmetric, so that the recurrences and the
// true residual part: the iteration ends converged or at the accuracy
// limit, never in a loop, its last test on the true residual, with
// V = b - A U for the A used.
TYPED_TEST(Symmlq, NearlySymmetricProductEndsOnTheTrueResidual) {
  using T = TypeParam;
  const Csr<T> a = laplacian<T>(12, 0.5, 0.2);
  const Vec<T> b = rhs_for<T>(a.n, 5);
  for (double drift : {1e-7, 1e-3}) {
    SCOPED_TRACE(drift);
    const Op<T> perturbed = [&a, drift](const T* x, T* y) {
      a.apply(x, y);
      for (int i = 0; i < a.n; ++i) y[i] *= 1.0 + drift * std::sin(7.0 * i);
    };
    SymOptions o = symmlq();
    o.anorm = 8.0;
    o.tol = 1e-12;
    o.maxitn = 2000;
    const SymRun<T> run = run_with<T>(perturbed, identity<T>(a.n), b, o);
    EXPECT_TRUE(run.ifail == 0 || run.ifail == 2) << run.ifail;
    Vec<T> r(a.n);
    perturbed(run.x.data(), r.data());
    for (int i = 0; i < a.n; ++i) r[i] = b[i] - r[i];
    double diff = 0.0;
    for (int i = 0; i < a.n; ++i) diff = std::max(diff, std::abs(r[i] - run.r[i]));
    EXPECT_LE(diff, 1e-13 * norm_of('I', b));
    // Converged or not, the last test was on the true residual.
    EXPECT_NEAR(run.stplhs, norm_of('I', r), 1e-13 * norm_of('I', b));
    if (run.ifail == 0) {
      EXPECT_LE(run.stplhs, run.stprhs);
    } else {
      EXPECT_GT(run.stplhs, run.stprhs);
    }
  }
}

// The sigma_1 estimate (mode 2) of SYMMLQ and of CG against the largest
// singular value of D^-1/2 A D^-1/2, within SIGTOL, with F11GFF's ITS and
// SIGERR.
TYPED_TEST(Symmlq, SigmaEstimateMatchesThePreconditionedMatrix) {
  using T = TypeParam;
  struct Case {
    const char* method;
    double shift;
    char precon;
    int maxits;
  };
  const Case cases[] = {{"SYMMLQ", 0.0, 'P', 500}, {"SYMMLQ", 2.5, 'P', 500},
                        {"SYMMLQ", 2.5, 'N', 500}, {"CG", 0.0, 'P', 500},
                        {"CG", 0.0, 'N', 500},     {"SYMMLQ", 0.0, 'N', 6}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.method) + " shift " + std::to_string(c.shift) + " " + c.precon +
                 " maxits " + std::to_string(c.maxits));
    // A varying diagonal, so that the scaling changes the spectrum.
    Csr<T> a = laplacian<T>(7, c.shift, 0.5);
    for (int i = 0; i < a.n; ++i)
      for (int k = a.start[i]; k < a.start[i + 1]; ++k)
        if (a.col[k] == i) a.val[k] += 0.1 * (i % 5);
    const Vec<T> b = rhs_for<T>(a.n, 6);
    const double sigma = preconditioned_sigma(a, c.precon == 'P');
    SymOptions o = symmlq();
    o.method = c.method;
    o.precon = c.precon;
    o.sigcmp = 'S';
    o.sigtol = 1e-3;
    o.maxits = c.maxits;
    o.tol = 1e-12;
    const SymRun<T> run = run_with<T>(product(a), jacobi(a), b, o);
    ASSERT_EQ(run.ifail, 0);
    EXPECT_EQ(run.lwreq, 120 + (c.method[0] == 'C' ? 5 : 6) * a.n + 2 * c.maxits + 2);
    EXPECT_EQ(run.its, std::min(run.itn - 1, c.maxits));
    EXPECT_LE(run.sigmax, sigma * (1.0 + 1e-10));
    if (c.maxits > 50) {
      EXPECT_LE(std::fabs(run.sigmax - sigma), o.sigtol * sigma);
    }
    // The error estimate owns up to the distance, few rows or many.
    EXPECT_GE(run.sigerr * run.sigmax, std::fabs(run.sigmax - sigma) * 0.999);
  }
}

// A preconditioner that is not positive-definite: (r, M^-1 r) < 0.
TYPED_TEST(Symmlq, IndefinitePreconditionerIsReported) {
  using T = TypeParam;
  const Csr<T> a = laplacian<T>(5, 0.0);
  const int n = a.n;
  for (int last : {0, 1}) {
    SCOPED_TRACE(last ? "later" : "at the start");
    // M = I with one negative entry: at the start when b lives there, later
    // when b starts orthogonal to it.
    Vec<T> b(n, T(0.0));
    b[last ? 0 : n - 1] = 1.0;
    const Op<T> m = [n](const T* x, T* y) {
      for (int i = 0; i < n; ++i) y[i] = i == n - 1 ? -4.0 * x[i] : x[i];
    };
    SymOptions o = symmlq();
    o.precon = 'P';
    const SymRun<T> run = run_with<T>(product(a), m, b, o);
    EXPECT_EQ(run.ifail, 6);
    EXPECT_EQ(run.monitor_ifail, 0);
    // U and V still match: V = b - A U.
    const Vec<T> r = krylovtest::residual(a, b, run.x);
    for (int i = 0; i < n; ++i) EXPECT_NEAR(std::abs(r[i] - run.r[i]), 0.0, 1e-13);
  }
}

// An immediate stop while z_k stands in the residual's place, and a tidy
// one: U and V hand back an iterate and its residual.
TYPED_TEST(Symmlq, StopsHandBackAnIterateAndItsResidual) {
  using T = TypeParam;
  const Csr<T> a = laplacian<T>(9, 1.5, 0.3);
  const Vec<T> b = rhs_for<T>(a.n, 9);
  for (int code : {6, 5}) {
    for (int at : {3, 8, 13}) {
      SCOPED_TRACE("stop " + std::to_string(code) + " at product " + std::to_string(at));
      SymOptions o = symmlq();
      o.precon = 'P';
      o.anorm = 8.0;  // no products for an estimate of ||A|| first
      // The request index of product AT, from a run to the end.
      const SymRun<T> full = run_with<T>(product(a), jacobi(a), b, o);
      int index = 0;
      for (int products = 0; products < at; ++index)
        products += full.requests[index] == 1 ? 1 : 0;
      const SymRun<T> run = run_with<T>(product(a), jacobi(a), b, o, {}, index - 1, code);
      EXPECT_EQ(run.ifail, code == 6 ? 8 : 4);
      const Vec<T> r = krylovtest::residual(a, b, run.x);
      double diff = 0.0;
      for (int i = 0; i < a.n; ++i) diff = std::max(diff, std::abs(r[i] - run.r[i]));
      EXPECT_LE(diff, 1e-10 * norm_of('I', b));
    }
  }
}

// bcsstk01 (real SPD, badly scaled) with Jacobi and with IC(0) by F11JAF.
TEST(SymmlqReal, Bcsstk01WithJacobiAndIncompleteCholesky) {
  const auto coo = prec::read_matrix_market(prec::matrix_path("bcsstk01.mtx"));
  ASSERT_EQ(coo.n, 48);
  Csr<double> a;
  a.n = coo.n;
  for (int k = 0; k < coo.nnz(); ++k) {
    if (k > 0 && coo.irow[k] != coo.irow[k - 1]) a.end_row();
    a.add(coo.icol[k] - 1, coo.a[k]);
  }
  a.end_row();
  // IC(0) of the lower triangle.
  int nnz = 0;
  for (int k = 0; k < coo.nnz(); ++k) nnz += coo.icol[k] <= coo.irow[k];
  const int n = a.n, la = 3 * nnz + 2 * n;
  Vec<double> fa(la);
  Vec<int> irow(la), icol(la), ipiv(n), istr(n + 1);
  for (int k = 0, p = 0; k < coo.nnz(); ++k)
    if (coo.icol[k] <= coo.irow[k]) {
      fa[p] = coo.a[k];
      irow[p] = coo.irow[k];
      icol[p++] = coo.icol[k];
    }
  Vec<int> iwork(2 * la - 3 * nnz + 7 * n + 1);
  int nnzfac = 0, npvmod = 0, ifail = 1;
  char rec[KIV2_RECORD_LEN + 1];
  F11JAF(n, nnz, fa.data(), la, irow.data(), icol.data(), 0, 0.0, "N", 0.0, "M", ipiv.data(),
         istr.data(), &nnzfac, &npvmod, iwork.data(), static_cast<int>(iwork.size()), rec,
         &ifail, 1, 1, KIV2_RECORD_LEN);
  ASSERT_EQ(ifail, 0);
  const Op<double> ic = [&](const double* y, double* x) {
    int f = 1;
    char r[KIV2_RECORD_LEN + 1];
    F11JBF(n, fa.data(), la, irow.data(), icol.data(), ipiv.data(), istr.data(), "N", y, x, r,
           &f, 1, KIV2_RECORD_LEN);
    EXPECT_EQ(f, 0);
  };
  const Vec<double> b = rhs_for<double>(n, 12);
  SymOptions o = symmlq();
  o.precon = 'P';
  o.tol = 1e-10;
  int its_jacobi = 0;
  for (int k = 0; k < 2; ++k) {
    SCOPED_TRACE(k == 0 ? "Jacobi" : "IC(0)");
    const SymRun<double> run = run_with<double>(product(a), k == 0 ? jacobi(a) : ic, b, o);
    expect_solved(a, b, run, 'I', o.tol);
    if (k == 0) {
      its_jacobi = run.itn;
    } else {
      EXPECT_LT(run.itn, its_jacobi);
    }
  }
}

}  // namespace
