// The kernels against plain loops over small random matrices, and the
// level-1 edge cases.  Every entry goes through the package, so these tests
// guard the argument order, the scalar passing and the option letters.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>
#include <random>
#include <vector>

#include "dense/blas.hpp"
#include "support/random.hpp"

namespace {

using C = std::complex<double>;

using kivtest::random;

// op(A)(i,j) of an LDA-stored matrix: N, T or C.
template <class T>
T op(const std::vector<T>& a, int lda, char t, int i, int j) {
  if (t == 'N') return a[i + j * lda];
  const T v = a[j + i * lda];
  if constexpr (std::is_same_v<T, C>) return t == 'C' ? std::conj(v) : v;
  return v;
}

template <class T>
double max_diff(const std::vector<T>& x, const std::vector<T>& y) {
  double d = 0;
  for (std::size_t i = 0; i < x.size(); ++i) d = std::max(d, std::abs(x[i] - y[i]));
  return d;
}

constexpr double kTol = 1e-13;

TEST(Kernels, GemvAgainstLoops) {
  const int m = 5, n = 3, lda = 7;
  const auto a = random<double>(lda * n, 1);
  const auto za = random<C>(lda * n, 2);
  for (const char* t : {"N", "t", "Conjugate transpose"}) {
    const char tl = static_cast<char>(std::toupper(t[0]));
    const int rows = tl == 'N' ? m : n, cols = tl == 'N' ? n : m;
    // x strided by 2, y by -1 (the standard meaning: walked from the end).
    const auto x = random<double>(2 * cols, 3);
    auto y = random<double>(rows, 4);
    std::vector<double> want(rows);
    for (int i = 0; i < rows; ++i) {
      double s = 0;
      for (int j = 0; j < cols; ++j) s += op(a, lda, tl, i, j) * x[2 * j];
      want[rows - 1 - i] = 2.0 * s - 0.5 * y[rows - 1 - i];
    }
    DGEMV(t, m, n, 2.0, a.data(), lda, x.data(), 2, -0.5, y.data(), -1, 1);
    EXPECT_LT(max_diff(y, want), kTol) << t;

    const auto zx = random<C>(cols, 5);
    auto zy = random<C>(rows, 6);
    const C alpha(0.5, -1.5), beta(0.25, 2.0);
    std::vector<C> zwant(rows);
    for (int i = 0; i < rows; ++i) {
      C s = 0;
      for (int j = 0; j < cols; ++j) s += op(za, lda, tl, i, j) * zx[j];
      zwant[i] = alpha * s + beta * zy[i];
    }
    ZGEMV(t, m, n, alpha.real(), alpha.imag(), za.data(), lda, zx.data(), 1, beta.real(),
          beta.imag(), zy.data(), 1, 1);
    EXPECT_LT(max_diff(zy, zwant), kTol) << t;
  }
}

// The triangular solve undoes the triangular product, for every option.
TEST(Kernels, TriangularSolveUndoesProduct) {
  const int n = 6, lda = 6;
  auto a = random<double>(lda * n, 7);
  auto za = random<C>(lda * n, 8);
  for (int i = 0; i < n; ++i) a[i + i * lda] += 4.0, za[i + i * lda] += 4.0;
  for (const char* uplo : {"Upper", "l"})
    for (const char* trans : {"N", "T", "c"})
      for (const char* diag : {"Unit", "n"}) {
        const auto x0 = random<double>(n, 9);
        auto x = x0;
        DTRMV(uplo, trans, diag, n, a.data(), lda, x.data(), 1, 1, 1, 1);
        EXPECT_GT(max_diff(x, x0), 0.1);
        DTRSV(uplo, trans, diag, n, a.data(), lda, x.data(), 1, 1, 1, 1);
        EXPECT_LT(max_diff(x, x0), kTol);
        const auto z0 = random<C>(n, 10);
        auto z = z0;
        ZTRMV(uplo, trans, diag, n, za.data(), lda, z.data(), 1, 1, 1, 1);
        ZTRSV(uplo, trans, diag, n, za.data(), lda, z.data(), 1, 1, 1, 1);
        EXPECT_LT(max_diff(z, z0), kTol);
      }
}

TEST(Kernels, RankOneUpdates) {
  const int m = 4, n = 3, lda = 5;
  const auto x = random<double>(m, 11), y = random<double>(n, 12);
  auto a = random<double>(lda * n, 13);
  auto want = a;
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < m; ++i) want[i + j * lda] += 3.0 * x[i] * y[j];
  DGER(m, n, 3.0, x.data(), 1, y.data(), 1, a.data(), lda);
  EXPECT_LT(max_diff(a, want), kTol);

  const auto zx = random<C>(m, 14), zy = random<C>(n, 15);
  const C alpha(1.0, 2.0);
  for (bool conj : {false, true}) {
    auto za = random<C>(lda * n, 16);
    auto zwant = za;
    for (int j = 0; j < n; ++j)
      for (int i = 0; i < m; ++i)
        zwant[i + j * lda] += alpha * zx[i] * (conj ? std::conj(zy[j]) : zy[j]);
    (conj ? ZGERC : ZGERU)(m, n, 1.0, 2.0, zx.data(), 1, zy.data(), 1, za.data(), lda);
    EXPECT_LT(max_diff(za, zwant), kTol) << conj;
  }
}

TEST(Kernels, GemmAgainstLoops) {
  const int m = 4, n = 5, k = 3, ld = 6;
  const auto a = random<double>(ld * 6, 17), b = random<double>(ld * 6, 18);
  const auto za = random<C>(ld * 6, 19), zb = random<C>(ld * 6, 20);
  for (char ta : {'N', 'T'})
    for (char tb : {'N', 'C'}) {
      auto c = random<double>(ld * n, 21);
      auto zc = random<C>(ld * n, 22);
      auto want = c;
      auto zwant = zc;
      const C alpha(0.5, 1.0), beta(-1.0, 0.25);
      for (int j = 0; j < n; ++j)
        for (int i = 0; i < m; ++i) {
          double s = 0;
          C zs = 0;
          for (int l = 0; l < k; ++l) {
            s += op(a, ld, ta, i, l) * op(b, ld, tb, l, j);
            zs += op(za, ld, ta, i, l) * op(zb, ld, tb, l, j);
          }
          want[i + j * ld] = 1.5 * s + 2.0 * c[i + j * ld];
          zwant[i + j * ld] = alpha * zs + beta * zc[i + j * ld];
        }
      const char sa[] = {ta, 0}, sb[] = {static_cast<char>(std::tolower(tb)), 0};
      DGEMM(sa, sb, m, n, k, 1.5, a.data(), ld, b.data(), ld, 2.0, c.data(), ld, 1, 1);
      ZGEMM(sa, sb, m, n, k, alpha.real(), alpha.imag(), za.data(), ld, zb.data(), ld,
            beta.real(), beta.imag(), zc.data(), ld, 1, 1);
      EXPECT_LT(max_diff(c, want), kTol);
      EXPECT_LT(max_diff(zc, zwant), kTol);
    }
}

// op(A)*X = alpha*B (left) or X*op(A) = alpha*B (right), checked through
// the residual.
TEST(Kernels, TrsmResidual) {
  const int m = 4, n = 3, ld = 5;
  for (const char* side : {"Left", "r"})
    for (const char* uplo : {"U", "L"})
      for (const char* trans : {"N", "T", "C"}) {
        const bool left = side[0] == 'L';
        const int na = left ? m : n;
        auto za = random<C>(ld * na, 23);
        for (int i = 0; i < na; ++i) za[i + i * ld] += 3.0;
        // Keep only the referenced triangle, for the residual.
        for (int j = 0; j < na; ++j)
          for (int i = 0; i < na; ++i)
            if (uplo[0] == 'U' ? i > j : i < j) za[i + j * ld] = 0;
        const auto b0 = random<C>(ld * n, 24);
        auto x = b0;
        const C alpha(2.0, -1.0);
        const char t = trans[0];
        ZTRSM(side, uplo, trans, "N", m, n, alpha.real(), alpha.imag(), za.data(), ld, x.data(),
              ld, 1, 1, 1, 1);
        double r = 0;
        for (int j = 0; j < n; ++j)
          for (int i = 0; i < m; ++i) {
            C s = 0;
            if (left)
              for (int l = 0; l < m; ++l) s += op(za, ld, t, i, l) * x[l + j * ld];
            else
              for (int l = 0; l < n; ++l) s += x[i + l * ld] * op(za, ld, t, l, j);
            r = std::max(r, std::abs(s - alpha * b0[i + j * ld]));
          }
        EXPECT_LT(r, kTol) << side << uplo << trans;

        std::vector<double> a(ld * na), b(ld * n);
        for (int i = 0; i < ld * na; ++i) a[i] = za[i].real();
        for (int i = 0; i < ld * n; ++i) b[i] = b0[i].real();
        std::vector<double> y = b;
        DTRSM(side, uplo, trans, "Unit", m, n, 1.0, a.data(), ld, y.data(), ld, 1, 1, 1, 1);
        for (int i = 0; i < na; ++i) a[i + i * ld] = 1.0;
        double rr = 0;
        for (int j = 0; j < n; ++j)
          for (int i = 0; i < m; ++i) {
            double s = 0;
            if (left)
              for (int l = 0; l < m; ++l) s += op(a, ld, t, i, l) * y[l + j * ld];
            else
              for (int l = 0; l < n; ++l) s += y[i + l * ld] * op(a, ld, t, l, j);
            rr = std::max(rr, std::abs(s - b[i + j * ld]));
          }
        EXPECT_LT(rr, 1e-12) << side << uplo << trans;
      }
}

TEST(Kernels, HerkAgainstLoops) {
  const int n = 4, k = 3, ld = 5;
  const auto a = random<C>(ld * 5, 25);
  for (const char* uplo : {"U", "l"})
    for (const char* trans : {"No transpose", "Conjugate transpose"}) {
      auto c = random<C>(ld * n, 26);
      auto want = c;
      const char t = trans[0];
      for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) {
          if (uplo[0] == 'U' ? i > j : i < j) continue;  // the other triangle stays
          C s = 0;
          for (int l = 0; l < k; ++l)
            s += t == 'N' ? a[i + l * ld] * std::conj(a[j + l * ld])
                          : std::conj(a[l + i * ld]) * a[l + j * ld];
          want[i + j * ld] = 2.0 * s + 0.5 * c[i + j * ld];
          if (i == j) want[i + j * ld].imag(0.0);
        }
      ZHERK(uplo, trans, n, k, 2.0, a.data(), ld, 0.5, c.data(), ld, 1, 19);
      EXPECT_LT(max_diff(c, want), kTol) << uplo << trans;
    }
}

TEST(Level1, EmptyLengthsReturnAtOnce) {
  double x[2] = {3.0, 4.0}, y[2] = {1.0, 2.0};
  C z[1] = {C(1, 1)};
  EXPECT_EQ(DDOT(0, x, 1, y, 1), 0.0);
  EXPECT_EQ(DNRM2(-1, x, 1), 0.0);
  EXPECT_EQ(DASUM(0, x, 1), 0.0);
  EXPECT_EQ(IDAMAX(0, x, 1), 0);
  EXPECT_EQ(IZAMAX(0, z, 1), 0);
  EXPECT_EQ(ZDOTC(0, z, 1, z, 1), C(0.0));
  DAXPY(0, 2.0, x, 1, y, 1);
  DSCAL(0, 2.0, x, 1);
  EXPECT_EQ(y[0], 1.0);
  EXPECT_EQ(x[0], 3.0);
}

TEST(Level1, Values) {
  const double x[4] = {3.0, -4.0, 12.0, -12.0};
  EXPECT_DOUBLE_EQ(DNRM2(2, x, 1), 5.0);
  EXPECT_EQ(IDAMAX(4, x, 1), 3);  // the first of two equal magnitudes
  const double big[2] = {3e300, 4e300};
  EXPECT_DOUBLE_EQ(DNRM2(2, big, 1), 5e300);  // no overflow
  EXPECT_DOUBLE_EQ(DNRM2_LIB(2, big, 1), 5e300);
  const C z[2] = {C(3, 4), C(0, -12)};
  EXPECT_DOUBLE_EQ(DZNRM2(2, z, 1), 13.0);
  EXPECT_DOUBLE_EQ(DZNRM2_LIB(2, z, 1), 13.0);
  EXPECT_DOUBLE_EQ(DZASUM(2, z, 1), 19.0);
  EXPECT_EQ(IZAMAX(2, z, 1), 2);  // |Re| + |Im|: 7 against 12
  EXPECT_EQ(ZDOTC(2, z, 1, z, 1), C(169.0, 0.0));
  EXPECT_EQ(ZDOTU(1, z, 1, z, 1), C(-7.0, 24.0));
  EXPECT_EQ(DLAPY2(0.0, -7.0), 7.0);
  EXPECT_DOUBLE_EQ(DLAPY2(3e300, 4e300), 5e300);
  double scale = 1.0, sumsq = 0.0;
  DLASSQ(2, big, 1, &scale, &sumsq);
  EXPECT_DOUBLE_EQ(scale * std::sqrt(sumsq), 5e300);
}

TEST(Level1, RealRotation) {
  double a = 3.0, b = 0.0, c = -1, s = -1;
  DROTG(&a, &b, &c, &s);
  EXPECT_EQ(c, 1.0);
  EXPECT_EQ(s, 0.0);
  EXPECT_EQ(a, 3.0);
  a = 3.0, b = 4.0;
  DROTG_LIB(&a, &b, &c, &s);
  EXPECT_DOUBLE_EQ(std::abs(a), 5.0);
  EXPECT_NEAR(c * 3.0 + s * 4.0, a, 1e-15);
  EXPECT_NEAR(-s * 3.0 + c * 4.0, 0.0, 1e-15);
  double x[2] = {3.0, 1.0}, y[2] = {4.0, 1.0};
  DROT(2, x, 1, y, 1, c, s);
  EXPECT_NEAR(x[0], a, 1e-15);
  EXPECT_NEAR(y[0], 0.0, 1e-15);
}

TEST(Level1, ComplexRotation) {
  C a(1.0, 2.0), b(0.0, 0.0), s(9, 9);
  double c = -1;
  ZROTG(&a, &b, &c, &s);
  EXPECT_EQ(c, 1.0);
  EXPECT_EQ(s, C(0.0));
  EXPECT_EQ(a, C(1.0, 2.0));
  for (double scale : {1.0, 1e-300, 1e300}) {
    const C a0 = C(1.0, 2.0) * scale, b0 = C(-3.0, 0.5) * scale;
    a = a0, b = b0;
    ZROTG(&a, &b, &c, &s);
    // [c s; -conj(s) c] takes (a0, b0) to (r, 0), r = a, and is unitary.
    EXPECT_NEAR(std::abs(c * a0 + s * b0 - a) / scale, 0.0, 1e-14);
    EXPECT_NEAR(std::abs(-std::conj(s) * a0 + c * b0) / scale, 0.0, 1e-14);
    EXPECT_NEAR(c * c + std::norm(s), 1.0, 1e-15);
    EXPECT_NEAR(std::abs(a) / scale, std::sqrt(1.0 + 4.0 + 9.0 + 0.25), 1e-14);
  }
  a = 0.0, b = C(0.0, 2.0);
  ZROTG(&a, &b, &c, &s);
  EXPECT_EQ(c, 0.0);
  EXPECT_EQ(a, C(0.0, 2.0));
}

TEST(Level1, ScaledCopyAndFill) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double x[3] = {1.0, nan, 3.0};
  double y[3] = {7, 7, 7};
  DYAX(3, 0.0, x, 1, y, 1);  // alpha = 0 writes zeros, whatever x holds
  EXPECT_EQ(y[0], 0.0);
  EXPECT_EQ(y[1], 0.0);
  DYAX(2, 2.0, x, 2, y, -1);  // y walked from the end
  EXPECT_EQ(y[1], 2.0);
  EXPECT_EQ(y[0], 6.0);
  const C zx[2] = {C(1, 1), C(0, 2)};
  C zy[2];
  ZYAX(2, 0.0, 1.0, zx, 1, zy, 1);
  EXPECT_EQ(zy[0], C(-1, 1));
  EXPECT_EQ(zy[1], C(-2, 0));
  double f[5] = {0, 0, 0, 0, 0};
  DLOAD(3, 4.0, f, 2);
  EXPECT_EQ(f[0], 4.0);
  EXPECT_EQ(f[1], 0.0);
  EXPECT_EQ(f[4], 4.0);
  C zf[2];
  ZLOAD(2, 1.0, -1.0, zf, 1);
  EXPECT_EQ(zf[1], C(1, -1));
}

}  // namespace
