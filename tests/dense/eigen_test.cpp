// The eigenproblem layer: its silent checks, the QR variant the tuning
// store selects, and results against independent quantities (polynomial
// roots, eigen-residuals, closed-form condition numbers and tridiagonal
// eigenvalues).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <functional>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

#include "dense/fortran.hpp"
#include "dense/lapack.hpp"
#include "kiv2.h"
#include "support/random.hpp"
#include "support/capture.hpp"

namespace {

using C = std::complex<double>;

using kivtest::random;

// A random upper Hessenberg matrix.
template <class T>
std::vector<T> hessenberg(int n, int ld, unsigned seed) {
  auto h = random<T>(ld * n, seed);
  for (int j = 0; j < n; ++j)
    for (int i = j + 2; i < n; ++i) h[i + j * ld] = 0;
  return h;
}

int tuning(int ispec, const char* name, int set = -99) {
  int v = set;
  TUNING_STORE(ispec, name, &v, set == -99 ? 0 : 1, 6);
  return v;
}

TEST(EigenChecks, SilentAndUntouched) {
  const int n = 4;
  std::vector<double> h(16, 3.0), z(16, 3.0), wr(4, 3.0), wi(4, 3.0), work(16, 3.0);
  std::vector<C> zh(16, C(3.0)), zz(16, C(3.0)), zw(4, C(3.0)), zwork(16, C(3.0));
  std::vector<int> select = {1, 0, 0, 0}, iwork(8, 3);
  int info = 0, m = 0, ilo = 0, ihi = 0, ifst = 1, ilst = 2, nsplit;
  double s[4], sep[4], d[4] = {1, 2, 3, 4}, e[3] = {1, 1, 1};
  int iblock[4], isplit[4];
  // A 2x2 block at rows 1-2 (T(2,1) != 0): selecting eigenvalue 1 takes 2 columns.
  std::vector<double> t = {1, 1, 0, 0, -1, 1, 0, 0, 2, 2, 3, 0, 2, 2, 2, 4};
  struct Row {
    const char* what;
    std::function<void()> call;
    int want;
  } rows[] = {
      {"dhseqr job", [&] { DHSEQR("x", "N", n, 1, n, h.data(), n, wr.data(), wi.data(), z.data(), 1, work.data(), n, &info, 1, 1); }, -1},
      {"dhseqr compz", [&] { DHSEQR("E", "X", n, 1, n, h.data(), n, wr.data(), wi.data(), z.data(), 1, work.data(), n, &info, 1, 1); }, -2},
      {"dhseqr n", [&] { DHSEQR("E", "N", -1, 1, n, h.data(), n, wr.data(), wi.data(), z.data(), 1, work.data(), n, &info, 1, 1); }, -3},
      {"dhseqr ilo", [&] { DHSEQR("E", "N", n, 0, n, h.data(), n, wr.data(), wi.data(), z.data(), 1, work.data(), n, &info, 1, 1); }, -4},
      {"dhseqr ihi", [&] { DHSEQR("E", "N", n, 3, 2, h.data(), n, wr.data(), wi.data(), z.data(), 1, work.data(), n, &info, 1, 1); }, -5},
      {"dhseqr ihi > n", [&] { DHSEQR("E", "N", n, 1, n + 1, h.data(), n, wr.data(), wi.data(), z.data(), 1, work.data(), n, &info, 1, 1); }, -5},
      {"dhseqr ldh", [&] { DHSEQR("S", "N", n, 1, n, h.data(), n - 1, wr.data(), wi.data(), z.data(), 1, work.data(), n, &info, 1, 1); }, -7},
      {"dhseqr ldz", [&] { DHSEQR("S", "I", n, 1, n, h.data(), n, wr.data(), wi.data(), z.data(), n - 1, work.data(), n, &info, 1, 1); }, -11},
      {"dhseqr ldz 0", [&] { DHSEQR("S", "N", n, 1, n, h.data(), n, wr.data(), wi.data(), z.data(), 0, work.data(), n, &info, 1, 1); }, -11},
      {"dhseqr lwork", [&] { F08PEF("S", "V", n, 1, n, h.data(), n, wr.data(), wi.data(), z.data(), n, work.data(), n - 1, &info, 1, 1); }, -13},
      {"zhseqr ldz", [&] { ZHSEQR("S", "v", n, 1, n, zh.data(), n, zw.data(), zz.data(), 2, zwork.data(), n, &info, 1, 1); }, -10},
      {"zhseqr lwork", [&] { F08PSF_ZHSEQR(0, "e", "n", n, 1, n, zh.data(), n, zw.data(), zz.data(), 1, zwork.data(), 0, &info, 1, 1); }, -12},
      {"dgebal job", [&] { DGEBAL("X", n, h.data(), n, &ilo, &ihi, work.data(), &info, 1); }, -1},
      {"zgebal lda", [&] { ZGEBAL("B", n, zh.data(), 3, &ilo, &ihi, work.data(), &info, 1); }, -4},
      {"dtrexc compq", [&] { DTREXC("X", n, h.data(), n, z.data(), n, &ifst, &ilst, work.data(), &info, 1); }, -1},
      {"dtrexc ldq", [&] { DTREXC("V", n, h.data(), n, z.data(), 3, &ifst, &ilst, work.data(), &info, 1); }, -6},
      {"dtrexc ifst", [&] { int bad = 5; F08QFF("N", n, h.data(), n, z.data(), 1, &bad, &ilst, work.data(), &info, 1); }, -7},
      {"ztrexc ilst", [&] { ZTREXC("N", n, zh.data(), n, zz.data(), 1, 1, 0, &info, 1); }, -8},
      {"dtrevc side", [&] { DTREVC("X", "A", select.data(), n, t.data(), n, z.data(), n, z.data(), n, n, &m, work.data(), &info, 1, 1); }, -1},
      {"dtrevc ldvr", [&] { DTREVC("R", "A", select.data(), n, t.data(), n, z.data(), 1, z.data(), 3, n, &m, work.data(), &info, 1, 1); }, -10},
      {"dtrevc mm (pair)", [&] { DTREVC("R", "S", select.data(), n, t.data(), n, z.data(), 1, z.data(), n, 1, &m, work.data(), &info, 1, 1); }, -11},
      {"ztrevc howmny B", [&] { ZTREVC("L", "B", select.data(), n, zh.data(), n, zz.data(), n, zz.data(), 1, n, &m, zwork.data(), work.data(), &info, 1, 1); }, -2},
      {"dtrsna job", [&] { DTRSNA("X", "A", select.data(), n, t.data(), n, z.data(), n, z.data(), n, s, sep, n, &m, work.data(), n, iwork.data(), &info, 1, 1); }, -1},
      {"dtrsna mm", [&] { DTRSNA("E", "S", select.data(), n, t.data(), n, z.data(), n, z.data(), n, s, sep, 1, &m, work.data(), n, iwork.data(), &info, 1, 1); }, -13},
      {"ztrsna ldwork", [&] { ZTRSNA("V", "A", select.data(), n, zh.data(), n, zz.data(), 1, zz.data(), 1, s, sep, n, &m, zwork.data(), 3, work.data(), &info, 1, 1); }, -16},
      {"dstebz vl >= vu", [&] { DSTEBZ("V", "E", n, 1.0, 1.0, 1, 1, 0.0, d, e, &m, &nsplit, work.data(), iblock, isplit, work.data(), iwork.data(), &info, 1, 1); }, -5},
      {"dstebz il", [&] { DSTEBZ("I", "B", n, 0.0, 0.0, 0, 1, 0.0, d, e, &m, &nsplit, work.data(), iblock, isplit, work.data(), iwork.data(), &info, 1, 1); }, -6},
      {"dstebz iu", [&] { F08JJF("I", "B", n, 0.0, 0.0, 2, 1, 0.0, d, e, &m, &nsplit, work.data(), iblock, isplit, work.data(), iwork.data(), &info, 1, 1); }, -7},
      {"dstebz order", [&] { DSTEBZ("A", "X", n, 0.0, 0.0, 0, 0, 0.0, d, e, &m, &nsplit, work.data(), iblock, isplit, work.data(), iwork.data(), &info, 1, 1); }, -2},
  };
  for (const Row& r : rows) {
    info = 99;
    EXPECT_EQ(kivtest::capture_stdout(r.call), "") << r.what;
    EXPECT_EQ(info, r.want) << r.what;
  }
  for (double v : h) EXPECT_EQ(v, 3.0);
  for (double v : z) EXPECT_EQ(v, 3.0);
  for (double v : wr) EXPECT_EQ(v, 3.0);
  for (C v : zh) EXPECT_EQ(v, C(3.0));
  EXPECT_EQ(select, (std::vector<int>{1, 0, 0, 0}));
}

// Scaling a matrix with a NaN: LAPACK's balancing would stop the process
// through its own error handler; the layer answers INFO = -3 silently and
// leaves A alone.  Permuting alone, and an infinity, still balance.
TEST(EigenChecks, BalancingANaN) {
  const double nan = std::nan(""), inf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* job;
    double entry;
    int want;
  } cases[] = {{"S", nan, -3}, {"B", nan, -3}, {"P", nan, 0}, {"N", nan, 0}, {"B", inf, 0}};
  for (const Case& c : cases) {
    std::vector<double> a = {1, 2, c.entry, 4}, scale(2);
    std::vector<C> za = {1, 2, C(0, c.entry), 4};
    int ilo, ihi, info = 99, zinfo = 99;
    const std::string out = kivtest::capture_stdout([&] {
      DGEBAL(c.job, 2, a.data(), 2, &ilo, &ihi, scale.data(), &info, 1);
      ZGEBAL(c.job, 2, za.data(), 2, &ilo, &ihi, scale.data(), &zinfo, 1);
    });
    EXPECT_EQ(out, "") << c.job;
    EXPECT_EQ(info, c.want) << c.job << c.entry;
    EXPECT_EQ(zinfo, c.want) << c.job << c.entry;
    if (c.want != 0) {
      EXPECT_EQ(a[0], 1.0);
    }
  }
}

// Infinite entries: LAPACK's scaling loops need not end on them (this
// matrix, with an entry inf + i NaN whose modulus is inf, never returned),
// so a NaN in either part is INFO = -3, and infinite entries are not
// scaled: JOB B permutes only, JOB S leaves A and gives SCALE = 1.
TEST(EigenChecks, BalancingInfinitiesEnds) {
  const double nan = std::nan(""), inf = std::numeric_limits<double>::infinity();
  const std::vector<C> hang = {{-3.9058823529411764, -3.9058823529624074},
                               {-2.8078431372549586, inf},
                               {-1.1136668392279887, inf},
                               {inf, nan}};
  int ilo, ihi, info = 99;
  std::vector<double> scale(2);
  std::vector<C> za = hang;
  ZGEBAL("B", 2, za.data(), 2, &ilo, &ihi, scale.data(), &info, 1);
  EXPECT_EQ(info, -3);
  EXPECT_EQ(za[0], hang[0]);

  const std::vector<C> z3 = {{1, 0}, {inf, 0}, {0, 0}, {2, 0}, {3, 0}, {0, inf},
                             {4, 0}, {5, 0}, {6, 0}};
  const std::vector<double> d3 = {1, inf, 0, 2, 3, -inf, 4, 5, 6};
  for (const char* job : {"S", "B"}) {
    za = z3;
    std::vector<double> da = d3, zs(3), ds(3);
    int zinfo = 99, dinfo = 99, zlo, zhi, dlo, dhi;
    ZGEBAL(job, 3, za.data(), 3, &zlo, &zhi, zs.data(), &zinfo, 1);
    DGEBAL(job, 3, da.data(), 3, &dlo, &dhi, ds.data(), &dinfo, 1);
    EXPECT_EQ(zinfo, 0) << job;
    EXPECT_EQ(dinfo, 0) << job;
    if (job[0] == 'S') {
      // Nothing scaled, nothing moved.
      EXPECT_EQ(za, z3);
      EXPECT_EQ(da, d3);
      EXPECT_EQ(zs, std::vector<double>(3, 1.0));
      EXPECT_EQ(ds, std::vector<double>(3, 1.0));
    }
  }
}

TEST(Hseqr, OneByOne) {
  double h = -2.5, wr = 0, wi = 9, z = 0, work = 0;
  int info = -1;
  DHSEQR("Schur form", "Initialise", 1, 1, 1, &h, 1, &wr, &wi, &z, 1, &work, 1, &info, 1, 1);
  EXPECT_EQ(info, 0);
  EXPECT_EQ(wr, -2.5);
  EXPECT_EQ(wi, 0.0);
  EXPECT_EQ(z, 1.0);
}

// With the initial tuning values DHSEQR is the double-shift routine on the
// active block, with what lies outside filled in; bit for bit.
TEST(Hseqr, InitialTuningRunsTheDoubleShiftRoutine) {
  const int n = 100, ilo = 5, ihi = 90;
  auto h = hessenberg<double>(n, n, 300);
  // Balancing would have made the rows outside ILO..IHI upper triangular.
  for (int j = 0; j < n; ++j)
    for (int i = j + 1; i < n; ++i)
      if (j < ilo - 1 || i > ihi - 1) h[i + j * n] = 0;
  auto h2 = h;
  std::vector<double> wr(n), wi(n), z(n * n), wr2(n), wi2(n), z2(n * n), work(n);
  int info = -1, info2 = -1;
  DHSEQR("S", "I", n, ilo, ihi, h.data(), n, wr.data(), wi.data(), z.data(), n, work.data(), n,
         &info, 1, 1);
  ASSERT_EQ(info, 0);
  EXPECT_EQ(work[0], n);

  const int one = 1, zero = 0;
  double dz = 0, done = 1;
  kiv::fortran::dlaset_("A", &n, &n, &dz, &done, z2.data(), &n, 1);
  for (int i = 0; i < n; ++i)
    if (i < ilo - 1 || i > ihi - 1) wr2[i] = h2[i + i * n], wi2[i] = 0;
  kiv::fortran::dlahqr_(&one, &one, &n, &ilo, &ihi, h2.data(), &n, wr2.data(), wi2.data(), &ilo,
                        &ihi, z2.data(), &n, &info2);
  for (int j = 0; j < n; ++j)
    for (int i = j + 2; i < n; ++i) h2[i + j * n] = 0;
  (void)zero;
  EXPECT_EQ(info2, 0);
  EXPECT_EQ(wr, wr2);
  EXPECT_EQ(wi, wi2);
  EXPECT_EQ(h, h2);
  EXPECT_EQ(z, z2);
}

// When the store asks for the multishift path, DHSEQR is LAPACK's driver.
TEST(Hseqr, StoreSelectsTheMultishiftPath) {
  const int n = 80;
  const int old4 = tuning(4, "F08PEF"), old8 = tuning(8, "F08PEF");
  tuning(4, "F08PEF", 6);
  tuning(8, "F08PEF", 20);
  auto h = hessenberg<double>(n, n, 310);
  auto h2 = h;
  std::vector<double> wr(n), wi(n), wr2(n), wi2(n), z(1), work(10 * n), work2(10 * n);
  int info = -1, info2 = -1, lwork = 10 * n;
  DHSEQR("E", "N", n, 1, n, h.data(), n, wr.data(), wi.data(), z.data(), 1, work.data(), lwork,
         &info, 1, 1);
  const int one = 1;
  kiv::fortran::dhseqr_("E", "N", &n, &one, &n, h2.data(), &n, wr2.data(), wi2.data(), z.data(),
                        &one, work2.data(), &lwork, &info2, 1, 1);
  tuning(4, "F08PEF", old4);
  tuning(8, "F08PEF", old8);
  EXPECT_EQ(info, info2);
  EXPECT_EQ(wr, wr2);
  EXPECT_EQ(wi, wi2);
}

// The roots of (x-1)(x-2)(x-3)(x-4)(x+0.5) as the eigenvalues of the
// companion matrix (upper Hessenberg), after balancing by scaling.
TEST(Hseqr, CompanionMatrixEigenvaluesAreTheRoots) {
  const std::vector<double> roots = {1, 2, 3, 4, -0.5};
  const int n = 5;
  std::vector<double> c = {1};  // coefficients, highest first
  for (double r : roots) {
    c.push_back(0);
    for (std::size_t k = c.size() - 1; k > 0; --k) c[k] -= r * c[k - 1];
  }
  std::vector<double> h(n * n, 0.0);
  for (int j = 0; j < n; ++j) h[0 + j * n] = -c[j + 1];
  for (int i = 1; i < n; ++i) h[i + (i - 1) * n] = 1.0;
  int ilo, ihi, info = -1;
  std::vector<double> scale(n), wr(n), wi(n), z(1), work(n);
  DGEBAL("Scale", n, h.data(), n, &ilo, &ihi, scale.data(), &info, 1);
  ASSERT_EQ(info, 0);
  DHSEQR("Eigenvalues", "No vectors", n, ilo, ihi, h.data(), n, wr.data(), wi.data(), z.data(), 1,
         work.data(), n, &info, 1, 1);
  ASSERT_EQ(info, 0);
  std::sort(wr.begin(), wr.end());
  const std::vector<double> want = {-0.5, 1, 2, 3, 4};
  for (int i = 0; i < n; ++i) {
    EXPECT_NEAR(wr[i], want[i], 1e-12);
    EXPECT_EQ(wi[i], 0.0);
  }
}

// H*V = V*diag(lambda) for the eigenvectors that DTREVC back-transforms
// with the Schur vectors (real; complex pairs as (re, im) column pairs).
TEST(Eigenvectors, RealResidual) {
  const int n = 30;
  const auto h0 = hessenberg<double>(n, n, 320);
  auto t = h0;
  std::vector<double> wr(n), wi(n), z(n * n), work(3 * n);
  int info = -1, m = 0;
  DHSEQR("S", "I", n, 1, n, t.data(), n, wr.data(), wi.data(), z.data(), n, work.data(), n, &info,
         1, 1);
  ASSERT_EQ(info, 0);
  std::vector<int> select(n);
  DTREVC("Right", "Backtransform", select.data(), n, t.data(), n, nullptr, 1, z.data(), n, n, &m,
         work.data(), &info, 1, 1);
  ASSERT_EQ(info, 0);
  ASSERT_EQ(m, n);
  double worst = 0;
  for (int j = 0; j < n; ++j) {
    const bool pair = wi[j] != 0;
    for (int i = 0; i < n; ++i) {
      C hv = 0;
      for (int k = 0; k < n; ++k)
        hv += h0[i + k * n] * (pair ? C(z[k + j * n], z[k + (j + 1) * n]) : C(z[k + j * n]));
      const C v = pair ? C(z[i + j * n], z[i + (j + 1) * n]) : C(z[i + j * n]);
      worst = std::max(worst, std::abs(hv - C(wr[j], wi[j]) * v));
    }
    if (pair) ++j;
  }
  EXPECT_LT(worst, 1e-12);
}

TEST(Eigenvectors, ComplexResidual) {
  const int n = 25;
  const auto h0 = hessenberg<C>(n, n, 330);
  auto t = h0;
  std::vector<C> w(n), z(n * n), work(2 * n);
  std::vector<double> rwork(n);
  int info = -1, m = 0;
  F08PSF("S", "I", n, 1, n, t.data(), n, w.data(), z.data(), n, work.data(), n, &info, 1, 1);
  ASSERT_EQ(info, 0);
  std::vector<int> select(n);
  // Vectors of the triangular factor, then back to H's basis by Z.
  std::vector<C> v(n * n);
  ZTREVC("R", "A", select.data(), n, t.data(), n, nullptr, 1, v.data(), n, n, &m, work.data(),
         rwork.data(), &info, 1, 1);
  ASSERT_EQ(info, 0);
  double worst = 0;
  for (int j = 0; j < n; ++j) {
    std::vector<C> x(n);
    for (int i = 0; i < n; ++i)
      for (int k = 0; k < n; ++k) x[i] += z[i + k * n] * v[k + j * n];
    for (int i = 0; i < n; ++i) {
      C hx = 0;
      for (int k = 0; k < n; ++k) hx += h0[i + k * n] * x[k];
      worst = std::max(worst, std::abs(hx - w[j] * x[i]));
    }
  }
  EXPECT_LT(worst, 1e-12);
}

// Moving a diagonal element of a triangular Schur form keeps Q*T*Q' = T0.
TEST(Reorder, SwapKeepsTheSimilarity) {
  const int n = 4;
  std::vector<double> t0 = {1, 0, 0, 0, 0.5, 2, 0, 0, -1, 0.25, 3, 0, 2, 1, 0.5, 4};
  auto t = t0;
  std::vector<double> q(n * n, 0.0), work(n);
  for (int i = 0; i < n; ++i) q[i + i * n] = 1;
  int ifst = 4, ilst = 1, info = -1;
  DTREXC("V", n, t.data(), n, q.data(), n, &ifst, &ilst, work.data(), &info, 1);
  ASSERT_EQ(info, 0);
  EXPECT_NEAR(t[0], 4.0, 1e-14);
  double worst = 0;
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      double s = 0;
      for (int k = 0; k < n; ++k)
        for (int l = 0; l < n; ++l) s += q[i + k * n] * t[k + l * n] * q[j + l * n];
      worst = std::max(worst, std::abs(s - t0[i + j * n]));
    }
  EXPECT_LT(worst, 1e-13);

  std::vector<C> zt(n * n), zq(n * n);
  for (int i = 0; i < n * n; ++i) zt[i] = C(t0[i], i % 3 == 0 ? t0[i] : 0.0);
  F08QTF_ZTREXC(1, "N", n, zt.data(), n, zq.data(), 1, 1, 3, &info, 1);
  ASSERT_EQ(info, 0);
  EXPECT_NEAR(std::abs(zt[2 + 2 * n] - C(1.0, 1.0)), 0.0, 1e-14);
}

// For T = [1 c; 0 2] the reciprocal condition number of each eigenvalue is
// 1/sqrt(1 + c^2).
TEST(ConditionNumbers, TwoByTwoClosedForm) {
  const double c = 3.0;
  const double t[4] = {1, 0, c, 2};
  double s[2], sep[2], work[2 * 8];
  int iwork[4], select[2] = {0, 0}, m = 0, info = -1;
  // The left and right eigenvectors of T, columns in eigenvalue order.
  const double vl[4] = {1, -c, 0, 1}, vr[4] = {1, 0, c, 1};
  DTRSNA("Eigenvalues", "All", select, 2, t, 2, vl, 2, vr, 2, s, sep, 2, &m, work, 2, iwork,
         &info, 1, 1);
  ASSERT_EQ(info, 0);
  EXPECT_NEAR(s[0], 1 / std::sqrt(1 + c * c), 1e-15);
  EXPECT_NEAR(s[1], 1 / std::sqrt(1 + c * c), 1e-15);

  const C zt[4] = {C(1, 1), 0, C(0, c), C(2, 1)};
  const C zvl[4] = {1, C(0, c), 0, 1}, zvr[4] = {1, 0, C(0, c), 1};
  C zwork[2 * 3];
  double rwork[2];
  F08QYF("E", "A", select, 2, zt, 2, zvl, 2, zvr, 2, s, sep, 2, &m, zwork, 2, rwork, &info, 1, 1);
  ASSERT_EQ(info, 0);
  EXPECT_NEAR(s[0], 1 / std::sqrt(1 + c * c), 1e-15);
}

// The tridiagonal matrix with 2 on the diagonal and -1 beside it has the
// eigenvalues 2 - 2 cos(k pi / (n + 1)).
TEST(Bisection, KnownTridiagonalEigenvalues) {
  const int n = 12;
  std::vector<double> d(n, 2.0), e(n - 1, -1.0), w(n), work(4 * n);
  std::vector<int> iblock(n), isplit(n), iwork(3 * n);
  const auto exact = [&](int k) { return 2 - 2 * std::cos(k * std::numbers::pi / (n + 1)); };
  int m = 0, nsplit = 0, info = -1;
  DSTEBZ("All", "Entire", n, 0, 0, 0, 0, 0.0, d.data(), e.data(), &m, &nsplit, w.data(),
         iblock.data(), isplit.data(), work.data(), iwork.data(), &info, 1, 1);
  ASSERT_EQ(info, 0);
  ASSERT_EQ(m, n);
  for (int k = 1; k <= n; ++k) EXPECT_NEAR(w[k - 1], exact(k), 1e-14);
  F08JJF_DSTEBZ(1, "Index", "Block", n, 0, 0, 3, 5, 0.0, d.data(), e.data(), &m, &nsplit,
                w.data(), iblock.data(), isplit.data(), work.data(), iwork.data(), &info, 1, 1);
  ASSERT_EQ(info, 0);
  ASSERT_EQ(m, 3);
  for (int k = 3; k <= 5; ++k) EXPECT_NEAR(w[k - 3], exact(k), 1e-14);
  F08JJF("value", "e", n, 1.0, 3.0, 0, 0, 0.0, d.data(), e.data(), &m, &nsplit, w.data(),
         iblock.data(), isplit.data(), work.data(), iwork.data(), &info, 1, 1);
  ASSERT_EQ(info, 0);
  int inside = 0;
  for (int k = 1; k <= n; ++k) inside += exact(k) > 1.0 && exact(k) <= 3.0;
  EXPECT_EQ(m, inside);
}

TEST(Auxiliaries, Norms) {
  const int m = 3, n = 4, lda = 5;
  const auto a = random<double>(lda * n, 340);
  const auto za = random<C>(lda * n, 341);
  double work[5];
  double one = 0, inf = 0, zone = 0;
  for (int j = 0; j < n; ++j) {
    double s = 0, zs = 0;
    for (int i = 0; i < m; ++i) s += std::abs(a[i + j * lda]), zs += std::abs(za[i + j * lda]);
    one = std::max(one, s), zone = std::max(zone, zs);
  }
  for (int i = 0; i < m; ++i) {
    double s = 0;
    for (int j = 0; j < n; ++j) s += std::abs(a[i + j * lda]);
    inf = std::max(inf, s);
  }
  EXPECT_NEAR(DLANGE("1-norm", m, n, a.data(), lda, work, 6), one, 1e-15);
  EXPECT_NEAR(DLANGE("Infinity", m, n, a.data(), lda, work, 8), inf, 1e-15);
  EXPECT_NEAR(ZLANGE("1-norm", m, n, za.data(), lda, work, 6), zone, 1e-15);
  // The Hessenberg norms ignore what lies below the subdiagonal.
  auto h = random<double>(4 * 4, 342);
  auto hz = h;
  for (int j = 0; j < 4; ++j)
    for (int i = j + 2; i < 4; ++i) hz[i + j * 4] = 0, h[i + j * 4] = 100;
  EXPECT_EQ(DLANHS("1-norm", 4, h.data(), 4, work, 6), DLANGE("1", 4, 4, hz.data(), 4, work, 1));
  std::vector<C> zh(16, C(0, 7)), zhz(16);
  for (int j = 0; j < 4; ++j)
    for (int i = 0; i <= std::min(j + 1, 3); ++i) zhz[i + j * 4] = zh[i + j * 4] = C(i, j);
  EXPECT_EQ(ZLANHS("1-norm", 4, zh.data(), 4, work, 6), ZLANGE("1", 4, 4, zhz.data(), 4, work, 1));
}

TEST(Auxiliaries, ReflectorSwapAndQuasiTriangularSolve) {
  // H' * (alpha; x) = (beta; 0) with H = I - tau v v', v = (1; x_out).
  C alpha(1, 2), x[3] = {C(0.5, -1), C(2, 0), C(-1, 1)}, tau;
  const C a0 = alpha, x0[3] = {x[0], x[1], x[2]};
  ZLARFG(4, &alpha, x, 1, &tau);
  const C v[4] = {1, x[0], x[1], x[2]}, y[4] = {a0, x0[0], x0[1], x0[2]};
  C vy = 0;
  for (int i = 0; i < 4; ++i) vy += std::conj(v[i]) * y[i];
  for (int i = 0; i < 4; ++i) {
    const C hy = y[i] - std::conj(tau) * v[i] * vy;
    EXPECT_NEAR(std::abs(hy - (i == 0 ? alpha : C(0))), 0.0, 1e-14);
  }
  EXPECT_EQ(alpha.imag(), 0.0);

  double t[4] = {1, 0, 5, 3}, q[4] = {1, 0, 0, 1}, work[4];
  int info = -1;
  DLAEXC(1, 2, t, 2, q, 2, 1, 1, 1, work, &info);
  ASSERT_EQ(info, 0);
  EXPECT_NEAR(t[0], 3.0, 1e-14);
  EXPECT_NEAR(t[3], 1.0, 1e-14);

  const double tt[9] = {2, 0, 0, 1, 3, 0, -1, 0.5, 4}, b[3] = {0, 0, 0};
  double xx[3] = {1, 2, 3}, scale = 0, w3[3];
  DLAQTR(0, 1, 3, tt, 3, b, 0.0, &scale, xx, w3, &info);
  ASSERT_EQ(info, 0);
  const double rhs[3] = {1, 2, 3};
  for (int i = 0; i < 3; ++i) {
    double s = 0;
    for (int k = 0; k < 3; ++k) s += tt[i + k * 3] * xx[k];
    EXPECT_NEAR(s, scale * rhs[i], 1e-14);
  }
}

// Every export of the layer resolves in the loaded library's table.
TEST(Exports, EveryDenseExportResolves) {
  const char* names[] = {
      "_q88406@16", "_q64593@12", "_q94172@16", "_q13327@12", "_q17371@20", "_q92072@16",
      "_q47079@28", "_q86102@36", "_q22475@16", "_q98364@60", "_q71427@56", "_q25392@48",
      "_q71253@44", "_q71436@48", "_q98372@44", "_q33512@44", "_q43879@40", "_q98077@76",
      "_q32210@72", "_q46238@48", "_q44164@44", "_q68558@48", "_q87857@44", "_q30031@52",
      "_q40711@48", "_q44382@52", "_q28005@48", "_q47424@72", "_q17700@68", "_q81191@68",
      "_q87710@64", "_q86425@88", "_q49300@84", "_q45618@76", "_q68419@72", "_q58284@60",
      "_q79440@56", "_q91085@28", "_q96872@24", "_q33249@28", "_q81169@24", "_q11772@28",
      "_q23606@24", "_q87871@24", "_q47409@24", "_q23883@20", "_q36053@28", "_q93513@68",
      "_q83817@64", "_q93929@64", "_q40971@60", "_q36052@48", "_q59783@44", "_q34905@44",
      "_q71144@40", "_q47595@68", "_q41861@64", "_q51210@84", "_q30309@80", "_q68039@84",
      "_q55101@80", "_q49952@96", "_q39782@92", "_q52469@56", "_q74526@52", "_q95657@44",
      "_q94025@48", "_q24689@20", "_q33779@28", "_q26427@24", "_q45377@28", "_q61354@24"};
  for (const char* name : names) EXPECT_NE(kiv2_entry(name), nullptr) << name;
}

}  // namespace
