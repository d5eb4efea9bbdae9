// The SSOR solve against its dense definition, the Jacobi preconditioner
// against the iteration done densely, and their failures.
#include <gtest/gtest.h>

#include "precon.hpp"
#include "support/random.hpp"

namespace prec {
namespace {

using kivtest::report;

template <class T>
class Precon_ : public ::testing::Test {};
using Scalars = ::testing::Types<double, Complex>;
TYPED_TEST_SUITE(Precon_, Scalars);

template <class T>
T cj(T v) {
  if constexpr (kComplex<T>) return std::conj(v);
  else return v;
}

template <class T>
int ssor_call(const char* trans, const Coo<T>& m, const std::vector<T>& dinv, double omega,
              const char* check, const std::vector<T>& y, std::vector<T>& x, char* rec,
              int* ifail) {
  std::vector<int> iwork(2 * m.n + 1);
  const auto fn = [] {
    if constexpr (kComplex<T>) return &F11DRF; else return &F11DDF;
  }();
  return fn(trans, m.n, m.nnz(), m.a.data(), m.irow.data(), m.icol.data(), dinv.data(), omega,
            check, y.data(), x.data(), iwork.data(), rec, ifail, 1, 1, KIV2_RECORD_LEN);
}

template <class T>
int jacobi_call(const char* store, const char* trans, const char* init, int niter,
                const Coo<T>& m, const char* check, const std::vector<T>& y, std::vector<T>& x,
                std::vector<T>& diag, char* rec, int* ifail) {
  std::vector<T> work(m.n);
  const auto fn = [] {
    if constexpr (kComplex<T>) return &F11DXF; else return &F11DKF;
  }();
  return fn(store, trans, init, niter, m.n, m.nnz(), m.a.data(), m.irow.data(), m.icol.data(),
            check, y.data(), x.data(), diag.data(), work.data(), rec, ifail, 1, 1, 1, 1,
            KIV2_RECORD_LEN);
}

template <class T>
std::vector<T> reciprocal_diagonal(const Coo<T>& m) {
  std::vector<T> d(m.n);
  for (int k = 0; k < m.nnz(); ++k)
    if (m.irow[k] == m.icol[k]) d[m.irow[k] - 1] = T(1.0) / m.a[k];
  return d;
}

// M = (D + wL) D^-1 (D + wU) / (w(2-w)), dense row-major.
template <class T>
std::vector<T> ssor_matrix(const Coo<T>& m, double omega) {
  const int n = m.n;
  const std::vector<T> a = dense(m);
  std::vector<T> lo(n * n), up(n * n), r(n * n);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      const T v = a[i * n + j];
      if (j < i) lo[i * n + j] = omega * v;
      else if (j > i) up[i * n + j] = omega * v;
      else lo[i * n + j] = up[i * n + j] = v;
    }
  for (int i = 0; i < n; ++i)
    for (int k = 0; k <= i; ++k)
      for (int j = k; j < n; ++j)
        r[i * n + j] += lo[i * n + k] / a[k * n + k] * up[k * n + j] / (omega * (2.0 - omega));
  return r;
}

TYPED_TEST(Precon_, SsorSolvesItsDefinition) {
  using T = TypeParam;
  const Coo<T> m = random_sparse<T>(30, 4, 6.0, 21);
  const int n = m.n;
  const std::vector<T> dinv = reciprocal_diagonal(m), y = kivtest::random<T>(n, 5);
  for (double omega : {0.4, 1.0, 1.6})
    for (const char* trans : {"N", "T"}) {
      SCOPED_TRACE(std::string(trans) + " omega " + std::to_string(omega));
      std::vector<T> x(n);
      char rec[KIV2_RECORD_LEN + 1];
      int ifail = 1;
      ssor_call(trans, m, dinv, omega, "C", y, x, rec, &ifail);
      ASSERT_EQ(ifail, 0);
      const std::vector<T> mm = ssor_matrix(m, omega);
      for (int i = 0; i < n; ++i) {
        T s{};
        // 'T': the (conjugate) transpose.
        for (int j = 0; j < n; ++j) s += (*trans == 'N' ? mm[i * n + j] : cj(mm[j * n + i])) * x[j];
        ASSERT_LE(std::abs(s - y[i]), 1e-12 * (1.0 + std::abs(y[i]))) << i;
      }
    }
}

TYPED_TEST(Precon_, SsorOnADiagonalScalesAndOmegaIsCheckedOnlyOnRequest) {
  using T = TypeParam;
  const Coo<T> m{3, {T(2.0), T(4.0), T(-5.0)}, {1, 2, 3}, {1, 2, 3}};
  const std::vector<T> dinv = reciprocal_diagonal(m), y = {T(1.0), T(2.0), T(3.0)};
  std::vector<T> x(3);
  char rec[KIV2_RECORD_LEN + 1];
  int ifail = 1;
  ssor_call("N", m, dinv, 0.5, "C", y, x, rec, &ifail);
  ASSERT_EQ(ifail, 0);
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(std::abs(x[i] - 0.75 * y[i] / m.a[i]), 0.0, 1e-15);

  // OMEGA = 2 is not looked at without the check (M is then 0 * ...: the
  // result is infinite or NaN, but the call completes).
  ifail = 1;
  ssor_call("N", m, dinv, 2.0, "N", y, x, rec, &ifail);
  EXPECT_EQ(ifail, 0);
  const auto rep = report([&](char* r, int* f) { return ssor_call("N", m, dinv, 2.0, "C", y, x, r, f); });
  EXPECT_EQ(rep.ifail, 2);
  EXPECT_EQ(rep.lines, " ** On entry, OMEGA .le. 0.0 or OMEGA .ge. 2.0: OMEGA =   2.0000e+00.\n");
}

TYPED_TEST(Precon_, SsorFailures) {
  using T = TypeParam;
  const std::vector<T> dinv(3, T(1.0)), y(3, T(1.0));
  std::vector<T> x(3);
  struct Case {
    const char* what;
    Coo<T> m;
    const char *trans, *check;
    int ifail;
    std::string lines;
  };
  const std::vector<Case> cases = {
      {"TRANS", {3, {T(1.0)}, {1}, {1}}, "X", "C", 1,
       " ** On entry, TRANS .ne. 'N' or 'T': TRANS = 'X'.\n"},
      {"CHECK", {3, {T(1.0)}, {1}, {1}}, "N", "Y", 1,
       " ** On entry, CHECK .ne. 'C' or 'N': CHECK = 'Y'.\n"},
      {"no diagonal", {3, {T(1.0), T(1.0), T(1.0)}, {1, 2, 3}, {1, 1, 3}}, "N", "C", 4,
       " ** The matrix A has no diagonal entry in row               2.\n"},
      {"duplicate", {3, {T(1.0), T(1.0)}, {1, 1}, {1, 1}}, "N", "C", 3,
       " ** On entry, the location (IROW(I), ICOL(I)) is a duplicate:\n    I =               2.\n"},
      // Unchecked: indices are still kept within 1..N.
      {"unchecked column", {3, {T(1.0), T(1.0), T(1.0), T(1.0)}, {1, 2, 2, 3}, {1, 2, 9, 3}}, "N",
       "N", 3,
       " ** On entry, ICOL(I) .lt. 1 or ICOL(I) .gt. N:\n"
       "    I =                3, ICOL(I) =                9, N =                3.\n"},
      {"unchecked row", {3, {T(1.0), T(1.0)}, {1, -4}, {1, 2}}, "N", "N", 3,
       " ** On entry, IROW(I) .lt. 1 or IROW(I) .gt. N:\n"
       "    I =                2, IROW(I) =               -4, N =                3.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto rep =
        report([&](char* r, int* f) { return ssor_call(c.trans, c.m, dinv, 1.0, c.check, y, x, r, f); });
    EXPECT_EQ(rep.ifail, c.ifail);
    EXPECT_EQ(rep.lines, c.lines);
  }
}

// NITER steps of x <- D^-1 (y - (A - D) x) from 0, densely.
template <class T>
std::vector<T> dense_jacobi(const std::vector<T>& a, int n, const std::vector<T>& y, int niter) {
  std::vector<T> x(n), next(n);
  for (int it = 0; it < niter; ++it) {
    for (int i = 0; i < n; ++i) {
      T s = y[i];
      for (int j = 0; j < n; ++j)
        if (j != i) s -= a[i * n + j] * x[j];
      next[i] = s / a[i * n + i];
    }
    x = next;
  }
  return x;
}

TYPED_TEST(Precon_, JacobiMatchesTheIteration) {
  using T = TypeParam;
  const Coo<T> m = random_sparse<T>(25, 3, 5.0, 31);
  const int n = m.n;
  // The lower triangle of A + A^H: symmetric (Hermitian) storage.
  std::map<std::pair<int, int>, T> lower;
  for (int k = 0; k < m.nnz(); ++k) {
    const int i = m.irow[k], j = m.icol[k];
    if (j <= i) lower[{i, j}] += i == j ? T(2.0 * std::real(m.a[k])) : m.a[k];
    else lower[{j, i}] += cj(m.a[k]);
  }
  const Coo<T> s = from_map(n, lower);
  std::vector<T> full(n * n);
  for (int k = 0; k < s.nnz(); ++k) {
    const int i = s.irow[k] - 1, j = s.icol[k] - 1;
    full[i * n + j] = s.a[k];
    full[j * n + i] = cj(s.a[k]);
  }
  const std::vector<T> a = dense(m), y = kivtest::random<T>(n, 2);
  std::vector<T> at(n * n);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) at[i * n + j] = cj(a[j * n + i]);

  for (int niter : {1, 2, 7}) {
    struct Run {
      const char *store, *trans;
      const Coo<T>& m;
      const std::vector<T>& dense;
    };
    for (const Run& r : {Run{"N", "N", m, a}, Run{"N", "T", m, at}, Run{"S", "N", s, full}}) {
      SCOPED_TRACE(std::string(r.store) + r.trans + " NITER " + std::to_string(niter));
      std::vector<T> x(n), diag(n, T(7.0));
      char rec[KIV2_RECORD_LEN + 1];
      int ifail = 1;
      jacobi_call(r.store, r.trans, "I", niter, r.m, "C", y, x, diag, rec, &ifail);
      ASSERT_EQ(ifail, 0);
      const std::vector<T> expect = dense_jacobi(r.dense, n, y, niter);
      for (int i = 0; i < n; ++i) ASSERT_LE(std::abs(x[i] - expect[i]), 1e-13) << i;
      // INIT = 'I' stored the diagonal of A as held.
      for (int k = 0; k < r.m.nnz(); ++k) {
        if (r.m.irow[k] == r.m.icol[k]) {
          ASSERT_EQ(diag[r.m.irow[k] - 1], r.m.a[k]);
        }
      }
      // INIT = 'N' reuses the diagonal of the first call.
      std::vector<T> x2(n);
      ifail = 1;
      jacobi_call(r.store, r.trans, "n", niter, r.m, "C", y, x2, diag, rec, &ifail);
      ASSERT_EQ(ifail, 0);
      EXPECT_EQ(x2, x);
    }
  }
  // On a diagonal matrix every NITER gives y ./ diag.
  const Coo<T> d{2, {T(2.0), T(-4.0)}, {1, 2}, {1, 2}};
  const std::vector<T> yd{T(1.0), T(1.0)};
  std::vector<T> diag(2), x1(2), x9(2);
  char rec[KIV2_RECORD_LEN + 1];
  int ifail = 1;
  jacobi_call("N", "N", "I", 1, d, "C", yd, x1, diag, rec, &ifail);
  jacobi_call("N", "N", "I", 9, d, "C", yd, x9, diag, rec, &ifail);
  EXPECT_EQ(x1, (std::vector<T>{T(0.5), T(-0.25)}));
  EXPECT_EQ(x9, x1);
}

TEST(JacobiFailures, ExactMessages) {
  using T = double;
  const std::vector<T> y(3, 1.0);
  struct Case {
    const char* what;
    const char *store, *trans, *init, *check;
    int niter;
    Coo<T> m;
    std::vector<T> diag;
    int ifail;
    std::string lines;
  };
  const Coo<T> ok{3, {1.0, 1.0, 1.0}, {1, 2, 3}, {1, 2, 3}};
  const std::vector<Case> cases = {
      {"STORE", "Q", "N", "I", "C", 1, ok, {}, 1,
       " ** On entry, STORE .ne. 'N' or 'S': STORE = 'Q'.\n"},
      {"INIT", "N", "N", "X", "C", 1, ok, {}, 1,
       " ** On entry, INIT .ne. 'N' or 'I': INIT = 'X' .\n"},
      {"CHECK", "N", "N", "I", "Z", 1, ok, {}, 1,
       " ** On entry, CHECK .ne. 'N' or 'C': CHECK = 'Z'.\n"},
      {"NITER", "N", "N", "I", "C", 0, ok, {}, 1,
       " ** On entry, NITER .lt. 1: NITER =               0.\n"},
      {"SCS column", "S", "N", "I", "C", 1, {3, {1.0, 1.0}, {1, 2}, {1, 3}}, {}, 3,
       " ** On entry, ICOL(I) .lt. 1 or ICOL(I) .gt. IROW(I):\n"
       "    I =               2, ICOL(I) =               3, IROW(I) =               2.\n"},
      {"zero DIAG", "N", "N", "N", "C", 1, ok, {1.0, 0.0, 1.0}, 4,
       " ** On entry, the element DIAG(I) is zero:\n    I =               2.\n"},
      {"missing diagonal", "N", "N", "I", "N", 1, {3, {1.0, 1.0}, {1, 3}, {1, 3}}, {}, 5,
       " ** On entry, the diagonal element of the I-th row is zero or missing:\n"
       "    I =               2.\n"},
      {"unchecked row", "N", "N", "N", "N", 3, {3, {1.0, 1.0}, {1, 7}, {1, 2}}, {1.0, 1.0, 1.0}, 3,
       " ** On entry, IROW(I) .lt. 1 or IROW(I) .gt. N:\n"
       "    I =                2, IROW(I) =                7, N =                3.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<T> x(3), diag = c.diag;
    diag.resize(3);
    const auto rep = report([&](char* r, int* f) {
      return jacobi_call(c.store, c.trans, c.init, c.niter, c.m, c.check, y, x, diag, r, f);
    });
    EXPECT_EQ(rep.ifail, c.ifail);
    EXPECT_EQ(rep.lines, c.lines);
  }
}

}  // namespace
}  // namespace prec
