// Factorisations, the tuning store, determinants, the inverse and the 1-norm
// estimators, against independent quantities: residuals, Vandermonde
// determinants, exact 1-norms.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "dense/blas.hpp"
#include "dense/lapack.hpp"
#include "kiv2.h"
#include "support/random.hpp"
#include "support/capture.hpp"

namespace {

using C = std::complex<double>;
constexpr double kEps = 1.11130722679765e-16;

using kivtest::random;

int read_tuning(int ispec, const char* name) {
  int v = 12345;
  TUNING_STORE(ispec, name, &v, 0, static_cast<int>(std::strlen(name)));
  return v;
}

// Sets parameter 1 of NAME for the life of the object.
class BlockSize {
 public:
  BlockSize(const char* name, int nb) : name_(name), old_(read_tuning(1, name)) {
    TUNING_STORE(1, name_, &nb, 1, 6);
  }
  ~BlockSize() { TUNING_STORE(1, name_, &old_, 1, 6); }

 private:
  const char* name_;
  int old_;
};

TEST(TuningStore, Table) {
  struct Row {
    int ispec;
    const char* name;
    int want;
  } rows[] = {
      {1, "F07ADF", 1},  {2, "F07ADF", 0},  {1, "F07ARF", 1}, {2, "F07ARF", 0},
      {1, "F07FRF", 1},  {2, "F07FRF", 0},  {1, "F07ADG", 1}, {1, "f07adf", 1},
      {4, "F08PEF", 1},  {8, "F08PEF", 1},  {2, "F08PEF", 0}, {4, "F08PSF", 1},
      {8, "F08PSF", 1},  {9, "F07ADF", -1}, {0, "F07ADF", -1}, {1, "DGETRF", -2},
      {9, "DGETRF", -2}, {1, "F07ZZF", -2}, {1, "F09ADF", -2}, {1, "F08ZEF", -2},
      {1, "ADXF07", 1},  // letters first, the chapter in characters 4 to 6
  };
  for (const Row& r : rows) EXPECT_EQ(read_tuning(r.ispec, r.name), r.want) << r.name << r.ispec;
}

TEST(TuningStore, WrittenValuesPersist) {
  int v = 7;
  TUNING_STORE(3, "F07ARF", &v, 1, 6);
  EXPECT_EQ(read_tuning(3, "F07ARF"), 7);
  EXPECT_EQ(read_tuning(3, "F07ADF"), 0);  // another slot
  v = 0;
  TUNING_STORE(3, "F07ARF", &v, 1, 6);
  v = 5;
  TUNING_STORE(9, "F07ARF", &v, 1, 6);  // out of range: nothing stored
  EXPECT_EQ(v, -1);
  EXPECT_EQ(kiv2_entry("_q23883@20"), reinterpret_cast<void*>(&TUNING_STORE));
}

// max |(P*A - L*U)(i,j)| / (max |A| * n * eps) of an LU factorisation.
template <class T>
double lu_residual(int m, int n, const std::vector<T>& a0, const std::vector<T>& lu, int lda,
                   const std::vector<int>& ipiv) {
  std::vector<T> pa = a0;
  for (int i = 0; i < std::min(m, n); ++i)
    for (int j = 0; j < n; ++j) std::swap(pa[i + j * lda], pa[ipiv[i] - 1 + j * lda]);
  double r = 0, amax = 0;
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < m; ++i) {
      T s = 0;
      for (int k = 0; k <= std::min({i, j, std::min(m, n) - 1}); ++k) {
        const T l = k == i ? T(1) : lu[i + k * lda];
        s += l * lu[k + j * lda];
      }
      r = std::max(r, std::abs(pa[i + j * lda] - s));
      amax = std::max(amax, std::abs(a0[i + j * lda]));
    }
  return r / (amax * std::max(m, n) * kEps);
}

TEST(Factorise, LuResidualUnblockedAndBlocked) {
  for (int nb : {1, 3, 64})
    for (auto [m, n] : {std::pair{10, 7}, {7, 10}, {12, 12}, {1, 5}}) {
      BlockSize real("F07ADF", nb), complex("F07ARF", nb);
      const int lda = m + 2;
      const auto a0 = random<double>(lda * n, 30 + m);
      auto a = a0;
      std::vector<int> ipiv(std::min(m, n));
      int info = -99;
      DGETRF(m, n, a.data(), lda, ipiv.data(), &info);
      EXPECT_EQ(info, 0);
      EXPECT_LT(lu_residual(m, n, a0, a, lda, ipiv), 30.0) << m << "x" << n << " nb " << nb;

      const auto z0 = random<C>(lda * n, 40 + m);
      auto z = z0;
      F07ARF(m, n, z.data(), lda, ipiv.data(), &info);
      EXPECT_EQ(info, 0);
      EXPECT_LT(lu_residual(m, n, z0, z, lda, ipiv), 30.0) << m << "x" << n << " nb " << nb;
    }
}

TEST(Factorise, LuReportsTheFirstZeroPivot) {
  for (int nb : {1, 2}) {
    BlockSize bs("F07ADF", nb);
    // Column 3 is a multiple of column 1: U(3,3) is exactly 0.
    std::vector<double> a = {1, 2, 3, 4, 0, 1, 0, 2, 2, 4, 6, 8, 3, 1, 4, 1};
    std::vector<int> ipiv(4);
    int info = 0;
    F07ADF_DGETRF(1, 4, 4, a.data(), 4, ipiv.data(), &info);
    EXPECT_EQ(info, 3) << nb;
  }
}

// Illegal arguments set INFO = -position, change nothing and write nothing.
TEST(Factorise, SilentChecks) {
  std::vector<double> a(16, 5.0);
  std::vector<C> z(16, C(5.0));
  std::vector<int> ipiv(4, -7);
  std::vector<double> piv(4, -7.0);
  int info = 0;
  struct Row {
    const char* what;
    std::function<void()> call;
    int want;
  } rows[] = {
      {"dgetrf m", [&] { DGETRF(-1, 2, a.data(), 2, ipiv.data(), &info); }, -1},
      {"dgetrf n", [&] { DGETRF(2, -1, a.data(), 2, ipiv.data(), &info); }, -2},
      {"dgetrf lda", [&] { DGETRF(3, 2, a.data(), 2, ipiv.data(), &info); }, -4},
      {"f07adf lda 0", [&] { F07ADF(0, 2, a.data(), 0, ipiv.data(), &info); }, -4},
      {"zgetrf lda", [&] { ZGETRF(3, 3, z.data(), 2, ipiv.data(), &info); }, -4},
      {"f07adg lda", [&] { F07ADG(3, 3, a.data(), 2, piv.data(), &info); }, -4},
      {"zpotrf uplo", [&] { ZPOTRF("x", 2, z.data(), 2, &info, 1); }, -1},
      {"zpotrf n", [&] { F07FRF("L", -1, z.data(), 2, &info, 1); }, -2},
      {"zpotrf lda", [&] { ZPOTRF("U", 3, z.data(), 2, &info, 1); }, -4},
      {"zpotf2 uplo", [&] { F07FRZ("", 2, z.data(), 2, &info, 0); }, -1},
      {"zpotf2 lda", [&] { ZPOTF2("u", 3, z.data(), 1, &info, 1); }, -4},
      {"zlatrs normin", [&] {
         double scale, cnorm[4];
         ZLATRS("U", "N", "N", "X", 2, z.data(), 2, z.data(), &scale, cnorm, &info, 1, 1, 1, 1);
       }, -4},
      {"zlatrs lda", [&] {
         double scale, cnorm[4];
         ZLATRS("U", "C", "U", "N", 3, z.data(), 2, z.data(), &scale, cnorm, &info, 1, 1, 1, 1);
       }, -7},
      {"dgetrf empty", [&] { DGETRF(0, 0, a.data(), 1, ipiv.data(), &info); }, 0},
  };
  for (const Row& r : rows) {
    info = 99;
    EXPECT_EQ(kivtest::capture_stdout(r.call), "") << r.what;
    EXPECT_EQ(info, r.want) << r.what;
  }
  for (double v : a) EXPECT_EQ(v, 5.0);
  for (C v : z) EXPECT_EQ(v, C(5.0));
  for (int v : ipiv) EXPECT_EQ(v, -7);
  for (double v : piv) EXPECT_EQ(v, -7.0);
}

TEST(Factorise, DoublePivotsMatchIntegerPivots) {
  for (int nb : {1, 4}) {
    BlockSize bs("F07ADG", nb), bs2("F07ADF", nb);
    const int n = 9;
    const auto a0 = random<double>(n * n, 50);
    auto a = a0, b = a0;
    std::vector<int> ipiv(n);
    std::vector<double> piv(n);
    int info1 = -1, info2 = -1;
    DGETRF(n, n, a.data(), n, ipiv.data(), &info1);
    F07ADG(n, n, b.data(), n, piv.data(), &info2);
    EXPECT_EQ(info1, 0);
    EXPECT_EQ(info2, 0);
    EXPECT_EQ(a, b);
    for (int i = 0; i < n; ++i) EXPECT_EQ(piv[i], ipiv[i]);
    auto c = a0;
    std::vector<double> piv2(n);
    F07ADH(n, n, c.data(), n, piv2.data(), &info2);
    EXPECT_EQ(piv2, piv);
  }
}

// A = B^H*B + n*I is Hermitian positive definite.
std::vector<C> hpd(int n, unsigned seed) {
  const auto b = random<C>(n * n, seed);
  std::vector<C> a(n * n);
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < n; ++i) {
      C s = i == j ? C(n) : C(0);
      for (int k = 0; k < n; ++k) s += std::conj(b[k + i * n]) * b[k + j * n];
      a[i + j * n] = s;
    }
  return a;
}

TEST(Factorise, CholeskyResidual) {
  const int n = 11;
  const auto a0 = hpd(n, 60);
  for (int nb : {1, 3})
    for (const char* uplo : {"Upper", "l"}) {
      BlockSize bs("F07FRF", nb);
      auto a = a0;
      int info = -1;
      ZPOTRF(uplo, n, a.data(), n, &info, 1);
      ASSERT_EQ(info, 0);
      const bool upper = uplo[0] == 'U';
      // The triangular factor R with A = R^H*R (upper) or R*R^H (lower).
      const auto r = [&](int i, int j) {
        return (upper ? i <= j : i >= j) ? a[i + j * n] : C(0);
      };
      double worst = 0;
      for (int j = 0; j < n; ++j)
        for (int i = upper ? 0 : j; i <= (upper ? j : n - 1); ++i) {
          C s = 0;
          for (int k = 0; k < n; ++k)
            s += upper ? std::conj(r(k, i)) * r(k, j) : r(i, k) * std::conj(r(j, k));
          worst = std::max(worst, std::abs(s - a0[i + j * n]));
        }
      EXPECT_LT(worst / (n * n * kEps), 30.0) << uplo << nb;
    }
  // The leading minor of order 3 is not positive definite.
  auto a = a0;
  a[2 + 2 * n] = -1.0;
  for (int nb : {1, 2}) {
    BlockSize bs("F07FRF", nb);
    auto b = a;
    int info = 0;
    F07FRF_ZPOTRF(0, "U", n, b.data(), n, &info, 1);
    EXPECT_EQ(info, 3) << nb;
    b = a;
    F07FRZ("L", n, b.data(), n, &info, 1);
    EXPECT_EQ(info, 3);
  }
}

TEST(Factorise, ScaledTriangularSolve) {
  const int n = 6;
  auto t = random<C>(n * n, 70);
  for (int i = 0; i < n; ++i) t[i + i * n] += 3.0;
  const auto b = random<C>(n, 71);
  auto x = b;
  double scale = 0, cnorm[n];
  int info = -1;
  ZLATRS("Upper", "Conjugate transpose", "Non-unit", "No", n, t.data(), n, x.data(), &scale,
         cnorm, &info, 1, 1, 1, 1);
  ASSERT_EQ(info, 0);
  EXPECT_EQ(scale, 1.0);
  for (int i = 0; i < n; ++i) {
    C s = 0;
    for (int k = 0; k <= i; ++k) s += std::conj(t[k + i * n]) * x[k];
    EXPECT_LT(std::abs(s - scale * b[i]), 1e-13);
  }
}

// det of the Vandermonde matrix V(i,j) = x_i^(j-1) is prod_{i<j} (x_j - x_i).
std::vector<double> vandermonde(const std::vector<double>& x, double* det) {
  const int n = static_cast<int>(x.size());
  std::vector<double> v(n * n);
  *det = 1.0;
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) v[i + j * n] = std::pow(x[i], j);
    for (int j = i + 1; j < n; ++j) *det *= x[j] - x[i];
  }
  return v;
}

TEST(Determinant, KnownDeterminants) {
  double want;
  auto v = vandermonde({0.5, -1.25, 2.0, 3.5, -0.75}, &want);
  std::vector<double> work(5);
  double det = 0;
  int ifail = 0;
  EXPECT_EQ(F03AAF(v.data(), 5, 5, &det, work.data(), &ifail), 0);
  EXPECT_NEAR(det / want, 1.0, 1e-13);

  v = vandermonde({0.5, -1.25, 2.0, 3.5, -0.75}, &want);
  std::vector<double> piv(5);
  double detf = 0;
  int dete = 0;
  char record[KIV2_RECORD_LEN + 1];
  ifail = 0;
  F03AFF(5, 0.0, v.data(), 5, &detf, &dete, piv.data(), record, &ifail, KIV2_RECORD_LEN);
  EXPECT_EQ(ifail, 0);
  EXPECT_GE(std::fabs(detf), 0.0625);
  EXPECT_LT(std::fabs(detf), 1.0);
  EXPECT_NEAR(std::ldexp(detf, dete) / want, 1.0, 1e-13);
  EXPECT_STREQ(record, "NONE");

  double swap[4] = {0, 1, 1, 0};  // one interchange
  ifail = 0;
  F03AAF(swap, 2, 2, &det, work.data(), &ifail);
  EXPECT_EQ(det, -1.0);
  double eight = 8.0, p;
  F03AFF(1, 0.0, &eight, 1, &detf, &dete, &p, record, &ifail, KIV2_RECORD_LEN);
  EXPECT_EQ(detf, 0.5);
  EXPECT_EQ(dete, 4);
  ifail = 0;
  F03AAF(&eight, 1, 0, &det, work.data(), &ifail);  // the empty matrix
  EXPECT_EQ(ifail, 0);
  EXPECT_EQ(det, 1.0);
}

TEST(Determinant, OverflowUnderflowAndSingular) {
  const int n = 400;
  std::vector<double> a(n * n), work(n);
  struct Row {
    double diagonal;
    int ierr;
  } rows[] = {{10.0, 2}, {0.1, 3}, {0.0, 1}, {-1.0, 0}};
  for (const Row& r : rows) {
    std::fill(a.begin(), a.end(), 0.0);
    for (int i = 0; i < n; ++i) a[i + i * n] = r.diagonal;
    double det = 7.0;
    int ifail = 1;
    F03AAF(a.data(), n, n, &det, work.data(), &ifail);
    EXPECT_EQ(ifail, r.ierr) << r.diagonal;
    EXPECT_EQ(det, r.ierr ? 0.0 : 1.0) << r.diagonal;  // (-1)^400
  }
  // A product that dips below the safe minimum on the way but ends at 1.
  std::fill(a.begin(), a.end(), 0.0);
  for (int i = 0; i < n; ++i) a[i + i * n] = i < n / 2 ? 1e-3 : 1e3;
  double det = 0;
  int ifail = 1;
  F03AAF(a.data(), n, n, &det, work.data(), &ifail);
  EXPECT_EQ(ifail, 3);  // the running product is tested, as the routine says
}

// Pivots whose product leaves the range of a double, or is no number at
// all: the scaled determinant still comes out (an infinite or NaN pivot
// gives that DETF with DETE = 0, as the plain determinant gives NaN or
// reports overflow), and no scaling loop spins.  Diagonal matrices, so the
// pivots are the entries and the exact determinants are powers of two.
TEST(Determinant, ExtremeAndNonFinitePivots) {
  const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
  const double tiny = std::numeric_limits<double>::denorm_min();  // 2^-1074
  struct Case {
    std::vector<double> diagonal;
    double detf;  // NaN: expect a NaN
    int dete;
    int f03aaf_ierr;  // and DET = 0 after it; 0: DET is the NaN or the product
  } cases[] = {
      {{0.1, tiny}, 0.1 * 4.0, -1076, 3},    // 0.4 * 2^-1076 = 0.1 * 2^-1074
      {{tiny, tiny}, 0.0625, -2144, 3},      // 2^-2148
      {{0x1.8p1023, 0x1.8p1023}, 0.5625, 2048, 2},
      {{inf}, inf, 0, 2},
      {{2.0, -inf, 3.0}, -inf, 0, 2},
      {{nan, 1.0}, nan, 0, 0},
      {{nan, tiny, inf}, nan, 0, 0},
  };
  for (const Case& c : cases) {
    const int n = static_cast<int>(c.diagonal.size());
    std::vector<double> a(n * n, 0.0), piv(n);
    for (int i = 0; i < n; ++i) a[i + i * n] = c.diagonal[i];
    const std::vector<double> a0 = a;
    double detf = 7, det = 7;
    int dete = 7, ifail = 1;
    char record[KIV2_RECORD_LEN + 1];
    F03AFF(n, 0.0, a.data(), n, &detf, &dete, piv.data(), record, &ifail, KIV2_RECORD_LEN);
    EXPECT_EQ(ifail, 0) << c.diagonal[0];
    if (std::isnan(c.detf)) {
      EXPECT_TRUE(std::isnan(detf)) << c.diagonal[0];
    } else {
      EXPECT_EQ(detf, c.detf) << c.diagonal[0];
    }
    EXPECT_EQ(dete, c.dete) << c.diagonal[0];

    a = a0, ifail = 1;
    F03AAF(a.data(), n, n, &det, piv.data(), &ifail);
    EXPECT_EQ(ifail, c.f03aaf_ierr) << c.diagonal[0];
    if (c.f03aaf_ierr != 0) {
      EXPECT_EQ(det, 0.0);
    } else {
      EXPECT_TRUE(std::isnan(det));
    }
  }
  // A full matrix with an infinite entry, through the inverse as well.
  double a[4] = {1.0, 2.0, inf, 3.0}, x[4], piv[2], detf;
  int dete, ifail = 1;
  char record[KIV2_RECORD_LEN + 1];
  F03AFF(2, 0.0, a, 2, &detf, &dete, piv, record, &ifail, KIV2_RECORD_LEN);
  EXPECT_EQ(ifail, 0);
  EXPECT_EQ(detf, -inf);  // -(2 * (inf - 3/2))
  double b[4] = {1.0, 2.0, inf, 3.0};
  ifail = 1;
  F01AAZ(b, 2, 2, x, 2, piv, &ifail);
  EXPECT_EQ(ifail, 0);
}

TEST(Determinant, Messages) {
  double a[4] = {1, 2, 3, 4}, work[2], det;
  int ifail = -1;
  std::string out = kivtest::capture_stdout([&] { F03AAF(a, 1, 2, &det, work, &ifail); });
  EXPECT_EQ(ifail, 4);
  EXPECT_NE(out.find(" ** On entry, IA .lt. max(1,N): IA =               1, N =               2."),
            std::string::npos) << out;
  EXPECT_NE(out.find(" ** ABNORMAL EXIT from KIV Library routine F03AAF: IFAIL =     4"),
            std::string::npos);

  char record[KIV2_RECORD_LEN + 1];
  double detf = 9;
  int dete = 9;
  double zero[4] = {0, 0, 0, 0}, piv[2];
  ifail = -1;
  out = kivtest::capture_stdout(
      [&] { F03AFF(2, 0.0, zero, 2, &detf, &dete, piv, record, &ifail, KIV2_RECORD_LEN); });
  EXPECT_EQ(ifail, 1);
  EXPECT_EQ(detf, 0.0);
  EXPECT_EQ(dete, 0);
  EXPECT_NE(out.find(" ** Matrix A is approximately singular."), std::string::npos);
  EXPECT_EQ(std::string(record), "F03AFF     1 99997     0");
  ifail = 1;
  F03AFF(-3, 0.0, zero, 2, &detf, &dete, piv, record, &ifail, KIV2_RECORD_LEN);
  EXPECT_EQ(ifail, 2);
  EXPECT_EQ(std::string(record), "F03AFF     2 99999     1               -3");
}

// IX at the largest int: the unit diagonal is not written with the stride
// IX + 1, which is no int.
TEST(Inverse, LargestLeadingDimension) {
  double a = 4.0, x = 0.0, piv;
  int ifail = 1;
  EXPECT_EQ(F01AAZ(&a, 1, 1, &x, std::numeric_limits<int>::max(), &piv, &ifail), 0);
  EXPECT_EQ(x, 0.25);
}

TEST(Inverse, ResidualAndErrors) {
  const int n = 7, ia = 9, ix = 8;
  const auto a0 = random<double>(ia * n, 80);
  auto a = a0;
  std::vector<double> x(ix * n, -1.0), piv(n);
  int ifail = 0;
  const int nn = n, iia = ia, iix = ix;
  EXPECT_EQ(F01AAZ_BYREF(a.data(), &iia, &nn, x.data(), &iix, piv.data(), &ifail), 0);
  double worst = 0;
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < n; ++i) {
      double s = 0;
      for (int k = 0; k < n; ++k) s += a0[i + k * ia] * x[k + j * ix];
      worst = std::max(worst, std::fabs(s - (i == j)));
    }
  EXPECT_LT(worst, 1e-12);
  EXPECT_EQ(x[n], -1.0);  // beyond the N rows of X: untouched

  std::vector<double> zero(ia * n, 0.0);
  ifail = 1;
  EXPECT_EQ(F01AAZ(zero.data(), ia, n, x.data(), ix, piv.data(), &ifail), 1);
  ifail = 1;
  EXPECT_EQ(F01AAZ(a.data(), n - 1, n, x.data(), ix, piv.data(), &ifail), 2);
  a = a0;
  ifail = 1;
  EXPECT_EQ(F01AAZ(a.data(), ia, n, x.data(), n - 1, piv.data(), &ifail), 2);
  EXPECT_EQ(a, a0);  // nothing factorised for an X that cannot hold the result
  ifail = -1;
  const std::string out =
      kivtest::capture_stdout([&] { F01AAZ(zero.data(), ia, n, x.data(), ix, piv.data(), &ifail); });
  // The silent inner F03AFF composes its message and record (two newlines);
  // F01AAZ itself shows only the exit and soft-failure lines.
  EXPECT_EQ(out, "\n\n\n ** ABNORMAL EXIT from KIV Library routine F01AAZ: IFAIL =     1\n"
                 " ** KIV soft failure - control returned\n");
}

// The estimator's loop as a caller drives it, against the exact 1-norm.
template <class T>
double estimate(int n, const std::vector<T>& a, double* exact) {
  std::vector<T> x(n), work(n), y(n);
  std::vector<int> isgn(n), isave(3);
  double est = -1;
  int kase = 0;
  char record[KIV2_RECORD_LEN + 1];
  do {
    int ifail = 0;
    if constexpr (std::is_same_v<T, C>)
      F04ZCF(&kase, n, x.data(), &est, work.data(), isave.data(), record, &ifail, 200);
    else
      F04YCF(&kase, n, x.data(), &est, work.data(), isgn.data(), isave.data(), record, &ifail,
             200);
    if (kase == 0) break;
    for (int i = 0; i < n; ++i) {
      T s = 0;
      for (int k = 0; k < n; ++k) {
        T e = kase == 1 ? a[i + k * n] : a[k + i * n];
        if constexpr (std::is_same_v<T, C>)
          if (kase == 2) e = std::conj(e);
        s += e * x[k];
      }
      y[i] = s;
    }
    x = y;
  } while (true);
  *exact = 0;
  for (int j = 0; j < n; ++j) {
    double s = 0;
    for (int i = 0; i < n; ++i) s += std::abs(a[i + j * n]);
    *exact = std::max(*exact, s);
  }
  return est;
}

// Random matrices with column scales spread over two decades, as the
// inverses whose norms condition estimators are after: the estimate never
// exceeds the norm, is within a factor 3 of it, and is usually exact.
template <class T>
std::vector<T> graded(int n, unsigned seed) {
  auto a = random<T>(n * n, seed);
  const auto scale = random<double>(n, seed + 1000);
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < n; ++i) a[i + j * n] *= std::pow(10.0, scale[j]);
  return a;
}

TEST(NormEstimate, AgainstExactOneNorm) {
  int equal = 0, trials = 0;
  for (unsigned seed = 0; seed < 20; ++seed)
    for (int n : {1, 5, 17}) {
      double exact;
      const double est = estimate(n, graded<double>(n, 100 + seed), &exact);
      EXPECT_LE(est, exact * (1 + 1e-14));
      EXPECT_GT(est, exact / 3);
      equal += std::fabs(est - exact) <= 1e-12 * exact;
      const double zest = estimate(n, graded<C>(n, 200 + seed), &exact);
      EXPECT_LE(zest, exact * (1 + 1e-14));
      EXPECT_GT(zest, exact / 3);
      ++trials;
    }
  EXPECT_GT(equal, trials * 3 / 4);
}

// A state in ISAVE that the estimator cannot have left there ends the
// estimation with error 1 and KASE = 0, never an access outside X; the
// states it can leave, with whatever the later fields hold before they are
// set, carry on.  X and the sign array are exactly N long.
TEST(NormEstimate, DamagedStateIsRefused) {
  const int n = 4, imin = std::numeric_limits<int>::min();
  struct Case {
    int isave[3];
    bool refused;
  } cases[] = {
      {{0, 1, 2}, true},     {{6, 1, 2}, true},          {{imin, 1, 2}, true},
      {{3, 0, 2}, true},     {{4, n + 1, 2}, true},      {{4, imin, 3}, true},
      {{4, 1, 1}, true},     {{3, 2, 6}, true},          {{4, 2, imin}, true},
      {{1, imin, imin}, false}, {{2, n + 9, -1}, false}, {{4, n, 5}, false},
      {{5, imin, imin}, false},
  };
  for (const Case& c : cases) {
    for (bool complex : {false, true}) {
      std::vector<double> x(n, 0.5), work(n);
      std::vector<C> zx(n, C(0.5)), zwork(n);
      std::vector<int> isgn(n, 1), isave(c.isave, c.isave + 3);
      double est = 1.0;
      int kase = 1, ifail = 1;
      char record[KIV2_RECORD_LEN + 1];
      if (complex)
        F04ZCF(&kase, n, zx.data(), &est, zwork.data(), isave.data(), record, &ifail, 200);
      else
        F04YCF(&kase, n, x.data(), &est, work.data(), isgn.data(), isave.data(), record, &ifail,
               200);
      EXPECT_EQ(ifail, c.refused ? 1 : 0) << c.isave[0] << " " << c.isave[1] << " " << c.isave[2];
      if (c.refused) {
        EXPECT_EQ(kase, 0);
        EXPECT_EQ(std::string(record).substr(0, 24),
                  std::string(complex ? "F04ZCF" : "F04YCF") + "     1 99998     3");
      }
    }
  }
  int kase = 2, ifail = -1, isgn, isave[3] = {7, 0, 0};
  double x, est, work;
  char record[KIV2_RECORD_LEN + 1];
  const std::string out = kivtest::capture_stdout(
      [&] { F04YCF(&kase, 1, &x, &est, &work, &isgn, isave, record, &ifail, 200); });
  EXPECT_NE(out.find(" ** On entry, KASE .ne. 0 and ISAVE does not hold a state of the "
                     "estimation:\n    ISAVE(1) =               7, ISAVE(2) =               0,\n"
                     "    ISAVE(3) =               0.\n"),
            std::string::npos)
      << out;
}

TEST(NormEstimate, NBelowOne) {
  int kase = 5, ifail = 1;
  double x, est, work;
  int isgn, isave[3];
  char record[KIV2_RECORD_LEN + 1];
  EXPECT_EQ(F04YCF(&kase, 0, &x, &est, &work, &isgn, isave, record, &ifail, 200), 1);
  EXPECT_EQ(kase, 0);
  EXPECT_EQ(std::string(record), "F04YCF     1 99999     1                0");
  C zx, zwork;
  kase = 5, ifail = -1;
  const std::string out = kivtest::capture_stdout(
      [&] { F04ZCF(&kase, -2, &zx, &est, &zwork, isave, record, &ifail, 200); });
  EXPECT_EQ(ifail, 1);
  EXPECT_NE(out.find(" ** On entry, N .lt. 1: N =              -2."), std::string::npos);
}

}  // namespace
