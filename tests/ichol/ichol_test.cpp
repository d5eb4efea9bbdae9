// Incomplete Cholesky factorisation and solve (F11JAF/F11JNF, F11JBF/F11JPF):
// the factor against the matrix it reproduces, the pivot modification,
// fill control and compensation, orderings, argument checks, and the
// solve's checks on a corrupted factor.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstring>
#include <limits>
#include <functional>
#include <map>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "kiv2.h"
#include "sorting/report.hpp"

namespace {

using Complex = std::complex<double>;
using kivtest::report;

template <class T>
constexpr bool kComplex = std::is_same_v<T, Complex>;

template <class T>
T cj(T v) {
  if constexpr (kComplex<T>) return std::conj(v); else return v;
}

// A lower triangle in sorted symmetric coordinate storage.
template <class T>
struct Scs {
  int n = 0;
  std::vector<T> a;
  std::vector<int> irow, icol;
  int nnz() const { return static_cast<int>(a.size()); }
};

template <class T>
Scs<T> from_map(int n, const std::map<std::pair<int, int>, T>& m) {
  Scs<T> s{n, {}, {}, {}};
  for (const auto& [ij, v] : m) {
    s.irow.push_back(ij.first);
    s.icol.push_back(ij.second);
    s.a.push_back(v);
  }
  return s;
}

// A random sparse matrix, about PER_ROW entries a row below the diagonal,
// made positive definite by diagonal dominance (real diagonal); SHIFT is
// added to the diagonal.
template <class T>
Scs<T> random_pd(int n, int per_row, unsigned seed, double shift = 1.0) {
  std::mt19937 gen(seed);
  std::uniform_real_distribution<double> u(-1.0, 1.0);
  std::map<std::pair<int, int>, T> m;
  std::vector<double> sum(n + 1, 0.0);
  for (int i = 2; i <= n; ++i)
    for (int k = 0; k < per_row; ++k) {
      const int j = std::uniform_int_distribution<int>(1, i - 1)(gen);
      T v;
      if constexpr (kComplex<T>) v = T(u(gen), u(gen)); else v = u(gen);
      if (m.count({i, j})) continue;
      m[{i, j}] = v;
      sum[i] += std::abs(v);
      sum[j] += std::abs(v);
    }
  for (int i = 1; i <= n; ++i) m[{i, i}] = T(sum[i] + shift);
  return from_map(n, m);
}

// The full dense matrix (row-major) of a lower triangle.
template <class T>
std::vector<T> dense(const Scs<T>& s) {
  const int n = s.n;
  std::vector<T> d(n * n);
  for (int k = 0; k < s.nnz(); ++k) {
    const int i = s.irow[k] - 1, j = s.icol[k] - 1;
    d[i * n + j] = s.a[k];
    d[j * n + i] = cj(s.a[k]);
  }
  return d;
}

template <class T>
struct Ic {
  int n = 0, nnz = 0, la = 0;
  std::vector<T> a;
  std::vector<int> irow, icol, ipiv, istr, iwork;
  int nnzfac = 0, npvmod = 0, ifail = 0;
};

long long liwork_for(int n, int nnz, int la, int lfill) {
  return (lfill >= 0 ? 2LL * la - 3LL * nnz : 1LL * la - nnz) + 7LL * n + 1;
}

template <class T>
int factor_call(Ic<T>& f, int lfill, double dtol, const char* mic, double dshift,
                const char* pstrat, int liwork, char* rec, int* ifail) {
  const auto fn = [] {
    if constexpr (kComplex<T>) return &F11JNF; else return &F11JAF;
  }();
  return fn(f.n, f.nnz, f.a.data(), f.la, f.irow.data(), f.icol.data(), lfill, dtol, mic, dshift,
            pstrat, f.ipiv.data(), f.istr.data(), &f.nnzfac, &f.npvmod, f.iwork.data(), liwork,
            rec, ifail, 1, 1, KIV2_RECORD_LEN);
}

// S placed at the head of arrays of length LA, with IPIV (default zeros)
// and exactly the IWORK the formula asks for LFILL.
template <class T>
Ic<T> placed(const Scs<T>& s, int la, int lfill, const std::vector<int>& ipiv = {}) {
  Ic<T> f;
  f.n = s.n;
  f.nnz = s.nnz();
  f.la = la;
  f.a.assign(f.la, T(0.0));
  f.irow.assign(f.la, 0);
  f.icol.assign(f.la, 0);
  std::copy(s.a.begin(), s.a.end(), f.a.begin());
  std::copy(s.irow.begin(), s.irow.end(), f.irow.begin());
  std::copy(s.icol.begin(), s.icol.end(), f.icol.begin());
  f.ipiv = ipiv.empty() ? std::vector<int>(s.n, 0) : ipiv;
  f.istr.assign(s.n + 1, 0);
  f.iwork.assign(liwork_for(f.n, f.nnz, f.la, lfill), 0);
  return f;
}

// Factorises S (soft IFAIL) with LA (default: room for a full factor) and
// exactly the IWORK the formula asks.
template <class T>
Ic<T> factorise(const Scs<T>& s, int lfill, double dtol, char mic, double dshift, char pstrat,
                int la = 0, const std::vector<int>& ipiv = {}) {
  Ic<T> f = placed(s, la > 0 ? la : s.nnz() + s.n * (s.n + 1) / 2 + s.n, lfill, ipiv);
  char rec[KIV2_RECORD_LEN + 1];
  f.ifail = 1;
  const char ps[2] = {pstrat, 0}, mi[2] = {mic, 0};
  factor_call(f, lfill, dtol, mi, dshift, ps, static_cast<int>(f.iwork.size()), rec, &f.ifail);
  return f;
}

// C = P L D L^H P^T of a factor, dense and row-major.
template <class T>
std::vector<T> dense_c(const Ic<T>& f) {
  const int n = f.n;
  std::vector<T> l(n * n), c(n * n);
  std::vector<T> d(n);
  for (int i = 1; i <= n; ++i) {
    l[(i - 1) * n + i - 1] = T(1.0);
    for (int k = f.istr[i - 1] - 1; k < f.istr[i] - 1; ++k) {
      EXPECT_EQ(f.irow[k], i);
      const int j = f.icol[k];
      if (j < i) l[(i - 1) * n + j - 1] = f.a[k];
      else d[i - 1] = T(1.0) / f.a[k];
    }
    EXPECT_EQ(f.icol[f.istr[i] - 2], i) << "row " << i << " ends in its diagonal";
  }
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      T s{};
      for (int k = 0; k <= std::min(i, j); ++k) s += l[i * n + k] * d[k] * cj(l[j * n + k]);
      c[(f.ipiv[i] - 1) * n + f.ipiv[j] - 1] = s;
    }
  return c;
}

template <class T>
double max_diff(const std::vector<T>& x, const std::vector<T>& y) {
  double m = 0.0;
  for (std::size_t i = 0; i < x.size(); ++i) m = std::max(m, std::abs(x[i] - y[i]));
  return m;
}

template <class T>
int solve_call(Ic<T>& f, const char* check, const T* y, T* x, char* rec, int* ifail) {
  const auto fn = [] {
    if constexpr (kComplex<T>) return &F11JPF; else return &F11JBF;
  }();
  return fn(f.n, f.a.data(), f.la, f.irow.data(), f.icol.data(), f.ipiv.data(), f.istr.data(),
            check, y, x, rec, ifail, 1, KIV2_RECORD_LEN);
}

std::string num(long v) {
  char b[24];
  std::snprintf(b, sizeof b, "%16ld", v);
  return b;
}

template <class T>
class Ichol : public ::testing::Test {};
using Scalars = ::testing::Types<double, Complex>;
TYPED_TEST_SUITE(Ichol, Scalars);

std::vector<int> random_permutation(int n, unsigned seed) {
  std::vector<int> p(n);
  std::iota(p.begin(), p.end(), 1);
  std::mt19937 gen(seed);
  std::shuffle(p.begin(), p.end(), gen);
  return p;
}

// Without dropping and without a modified pivot the factor is exact:
// P L D L^H P^T reproduces A to rounding, under every ordering, with
// fill kept by level (LFILL >= N) or by a zero drop tolerance.
TYPED_TEST(Ichol, CompleteFactorReproducesMatrix) {
  using T = TypeParam;
  for (unsigned seed : {1u, 2u, 3u}) {
    const Scs<T> s = random_pd<T>(40, 3, seed);
    const std::vector<T> a = dense(s);
    double scale = 0.0;
    for (const T& v : a) scale = std::max(scale, std::abs(v));
    for (char pstrat : {'N', 'U', 'M'}) {
      for (int lfill : {s.n, -1}) {
        SCOPED_TRACE(std::string("seed ") + std::to_string(seed) + " PSTRAT " + pstrat +
                     " LFILL " + std::to_string(lfill));
        const std::vector<int> p = pstrat == 'U' ? random_permutation(s.n, seed) : std::vector<int>{};
        const Ic<T> f = factorise(s, lfill, 0.0, 'N', 0.0, pstrat, 0, p);
        ASSERT_EQ(f.ifail, 0);
        EXPECT_EQ(f.npvmod, 0);
        EXPECT_EQ(f.istr[0], f.nnz + 1);
        EXPECT_EQ(f.istr[f.n], f.nnz + f.nnzfac + 1);
        if (pstrat == 'U') {
          EXPECT_EQ(f.ipiv, p);
        }
        EXPECT_LE(max_diff(dense_c(f), a), 1e-13 * scale);
        // The input part is untouched.
        EXPECT_TRUE(std::equal(s.a.begin(), s.a.end(), f.a.begin()));
        EXPECT_TRUE(std::equal(s.irow.begin(), s.irow.end(), f.irow.begin()));
        EXPECT_TRUE(std::equal(s.icol.begin(), s.icol.end(), f.icol.begin()));
      }
    }
  }
}

// LFILL = 0 keeps exactly the pattern of A, permuted; C then agrees with A
// on that pattern (the error of an IC(0) factor lies off it).
TYPED_TEST(Ichol, LevelZeroKeepsPattern) {
  using T = TypeParam;
  const Scs<T> s = random_pd<T>(30, 3, 7);
  const std::vector<T> a = dense(s);
  for (char pstrat : {'N', 'M'}) {
    const Ic<T> f = factorise(s, 0, 0.0, 'N', 0.0, pstrat);
    ASSERT_EQ(f.ifail, 0);
    EXPECT_EQ(f.nnzfac, s.nnz());
    std::vector<int> step(s.n + 1);
    for (int i = 1; i <= s.n; ++i) step[f.ipiv[i - 1]] = i;
    std::map<std::pair<int, int>, int> want, got;
    for (int k = 0; k < s.nnz(); ++k) {
      const int r = step[s.irow[k]], c = step[s.icol[k]];
      want[{std::max(r, c), std::min(r, c)}] = 1;
    }
    for (int k = f.nnz; k < f.nnz + f.nnzfac; ++k) got[{f.irow[k], f.icol[k]}] = 1;
    EXPECT_EQ(got, want);
    const std::vector<T> c = dense_c(f);
    for (int k = 0; k < s.nnz(); ++k) {
      const int idx = (s.irow[k] - 1) * s.n + s.icol[k] - 1;
      EXPECT_LE(std::abs(c[idx] - a[idx]), 1e-12 * std::abs(a[idx]) + 1e-13);
    }
  }
}

// A band matrix over thousands of rows: its complete factor stays within
// the band under natural and reversed order, so the factor is exact while
// its fill comes out of turn (natural order, fill appended) or its rows
// in reverse; the solve's full check accepts the stored factor and the
// solution has a residual at rounding level.
TYPED_TEST(Ichol, LargeBandFactorIsExact) {
  using T = TypeParam;
  const int n = 3000, band = 4;
  std::mt19937 gen(17);
  std::uniform_real_distribution<double> u(-1.0, 1.0);
  std::map<std::pair<int, int>, T> m;
  for (int i = 1; i <= n; ++i) {
    for (int j = std::max(1, i - band); j < i; ++j) {
      if constexpr (kComplex<T>) {
        m[{i, j}] = T(u(gen), u(gen));
      } else {
        m[{i, j}] = u(gen);
      }
    }
    m[{i, i}] = T(4.0 * band);
  }
  const Scs<T> s = from_map(n, m);
  std::vector<int> reversed(n);
  for (int i = 0; i < n; ++i) reversed[i] = n - i;
  std::vector<T> b(n), x(n), ax(n, T(0.0));
  for (int i = 0; i < n; ++i) b[i] = T(u(gen));
  for (char pstrat : {'N', 'U'}) {
    SCOPED_TRACE(pstrat);
    Ic<T> f = factorise(s, n, 0.0, 'N', 0.0, pstrat, s.nnz() * 2 + n * (band + 1),
                        pstrat == 'U' ? reversed : std::vector<int>{});
    ASSERT_EQ(f.ifail, 0);
    EXPECT_EQ(f.npvmod, 0);
    char rec[KIV2_RECORD_LEN + 1];
    int ifail = 1;
    solve_call(f, "C", b.data(), x.data(), rec, &ifail);
    ASSERT_EQ(ifail, 0);
    std::fill(ax.begin(), ax.end(), T(0.0));
    for (int k = 0; k < s.nnz(); ++k) {
      const int i = s.irow[k] - 1, j = s.icol[k] - 1;
      ax[i] += s.a[k] * x[j];
      if (i != j) ax[j] += cj(s.a[k]) * x[i];
    }
    EXPECT_LE(max_diff(ax, b), 1e-13 * 4.0 * band);
  }
}

// Modified incomplete Cholesky keeps every row sum: C e = A e, whether the
// fill is dropped by level or by tolerance (Hermitian: the real part, the
// compensation keeping D real).
TYPED_TEST(Ichol, ModifiedFactorKeepsRowSums) {
  using T = TypeParam;
  const Scs<T> s = random_pd<T>(40, 4, 11);
  const std::vector<T> a = dense(s);
  const int n = s.n;
  for (auto [lfill, dtol] : {std::pair{0, 0.0}, std::pair{1, 0.0}, std::pair{-1, 0.05}}) {
    SCOPED_TRACE(lfill);
    const Ic<T> f = factorise(s, lfill, dtol, 'M', 0.0, 'N');
    ASSERT_EQ(f.ifail, 0);
    ASSERT_EQ(f.npvmod, 0);
    const std::vector<T> c = dense_c(f);
    EXPECT_GT(max_diff(c, a), 1e-6) << "something was dropped";
    for (int i = 0; i < n; ++i) {
      T rc{}, ra{};
      for (int j = 0; j < n; ++j) {
        rc += c[i * n + j];
        ra += a[i * n + j];
      }
      EXPECT_NEAR(std::real(rc - ra), 0.0, 1e-12 * n) << "row " << i + 1;
    }
  }
}

// Small fixtures worked by hand: the diagonal matrix with DSHIFT, the
// missing diagonal, the modification threshold (equality included), and
// an indefinite matrix with and without a shift.
TEST(IcholFixtures, PivotsAndModification) {
  struct Case {
    const char* what;
    int n;
    std::vector<int> irow, icol;
    std::vector<double> a;
    double dshift;
    char pstrat;
    std::vector<int> ipiv;
    int npvmod;
    std::vector<double> c;  // C, dense lower triangle row by row
  };
  const std::vector<Case> cases = {
      {"diagonal with shift", 3, {1, 2, 3}, {1, 2, 3}, {2.0, 4.0, 8.0}, 0.5, 'N', {}, 0,
       {3.0, 0, 6.0, 0, 0, 12.0}},
      {"missing diagonal eliminated first", 2, {1, 2}, {1, 1}, {4.0, 1.0}, 0.0, 'U', {2, 1}, 1,
       {4.0, 1.0, 1.0}},
      {"missing diagonal with nothing left", 2, {1, 2}, {1, 1}, {4.0, 1.0}, 0.0, 'N', {}, 1,
       {4.0, 1.0, 1.25}},
      {"pivot at exactly 0.01 s", 2, {1, 2, 2}, {1, 1, 2}, {0.01, 1.0, 5.0}, 0.0, 'N', {}, 1,
       {1.0, 1.0, 5.0}},
      {"pivot above 0.01 s", 2, {1, 2, 2}, {1, 1, 2}, {0.0101, 1.0, 500.0}, 0.0, 'N', {}, 0,
       {0.0101, 1.0, 500.0}},
      {"indefinite", 2, {1, 2, 2}, {1, 1, 2}, {1.0, 2.0, 1.0}, 0.0, 'N', {}, 1,
       {1.0, 2.0, 5.0}},
      {"indefinite shifted", 2, {1, 2, 2}, {1, 1, 2}, {1.0, 2.0, 1.0}, 4.0, 'N', {}, 0,
       {5.0, 2.0, 5.0}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    const Scs<double> s{k.n, k.a, k.irow, k.icol};
    const Ic<double> f = factorise(s, k.n, 0.0, 'N', k.dshift, k.pstrat, 0, k.ipiv);
    ASSERT_EQ(f.ifail, 0);
    EXPECT_EQ(f.npvmod, k.npvmod);
    const std::vector<double> c = dense_c(f);
    for (int i = 0, at = 0; i < k.n; ++i)
      for (int j = 0; j <= i; ++j) EXPECT_NEAR(c[i * k.n + j], k.c[at++], 1e-14) << i << "," << j;
  }
}

// Markowitz: the fewest entries first; among equal counts the larger
// |diagonal|; among equal diagonals the smaller index.
TEST(IcholFixtures, MarkowitzOrder) {
  struct Case {
    const char* what;
    Scs<double> s;
    std::vector<int> ipiv;
  };
  const std::vector<Case> cases = {
      {"ties", {3, {2.0, 2.0, 2.0}, {1, 2, 3}, {1, 2, 3}}, {1, 2, 3}},
      {"largest diagonal", {3, {1.0, 3.0, -2.0}, {1, 2, 3}, {1, 2, 3}}, {2, 3, 1}},
      // Index 1 touches every other: it goes last.
      {"arrow", {4, {2.5, 1.0, 2.0, 1.0, 2.0, 1.0, 2.0}, {1, 2, 2, 3, 3, 4, 4}, {1, 1, 2, 1, 3, 1, 4}},
       {2, 3, 4, 1}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    const Ic<double> f = factorise(k.s, 0, 0.0, 'N', 0.0, 'M');
    ASSERT_EQ(f.ifail, 0);
    EXPECT_EQ(f.ipiv, k.ipiv);
  }
}

// LA exactly enough for the factor works; one less fails with IFAIL 4 and
// leaves the matrix intact.
TYPED_TEST(Ichol, ExactSpace) {
  using T = TypeParam;
  const Scs<T> s = random_pd<T>(30, 3, 5);
  const Ic<T> big = factorise(s, 2, 0.0, 'N', 0.0, 'M');
  ASSERT_EQ(big.ifail, 0);
  const int la = s.nnz() + big.nnzfac;
  const Ic<T> exact = factorise(s, 2, 0.0, 'N', 0.0, 'M', la);
  EXPECT_EQ(exact.ifail, 0);
  EXPECT_EQ(exact.nnzfac, big.nnzfac);
  const Ic<T> short_ = factorise(s, 2, 0.0, 'N', 0.0, 'M', la - 1);
  EXPECT_EQ(short_.ifail, 4);
  EXPECT_TRUE(std::equal(s.a.begin(), s.a.end(), short_.a.begin()));
  EXPECT_TRUE(std::equal(s.irow.begin(), s.irow.end(), short_.irow.begin()));
}

// The argument checks in order, with their messages.
TEST(IcholFixtures, ArgumentErrors) {
  struct Case {
    const char* what;
    int n, nnz, la, lfill;
    double dtol;
    const char *mic, *pstrat;
    std::vector<int> irow, icol, ipiv;
    long long liwork;  // 0: the formula's value
    int ifail;
    std::string lines;
  };
  const std::vector<int> r3 = {1, 2, 2}, c3 = {1, 1, 2};
  const std::vector<Case> cases = {
      {"LA", 2, 3, 5, 0, 0.0, "N", "N", r3, c3, {}, 0, 1,
       " ** On entry, LA .lt. 2*NNZ:\n    LA =" + num(5) + " NNZ =" + num(3) + ".\n"},
      {"DTOL", 2, 3, 6, -1, -1.0, "N", "N", r3, c3, {}, 0, 1,
       " ** On entry, DTOL .lt. 0.0: DTOL = -1.0000e+00.\n"},
      {"MIC", 2, 3, 6, 0, 0.0, "x", "N", r3, c3, {}, 0, 1,
       " ** On entry, MIC .ne. 'M' or 'N': MIC = 'x'.\n"},
      {"PSTRAT", 2, 3, 6, 0, 0.0, "m", "P", r3, c3, {}, 0, 1,
       " ** On entry, PSTRAT .ne. 'N', 'U' or 'M': PST  RAT = 'P'.\n"},
      {"N", 0, 3, 6, 0, 0.0, "N", "N", r3, c3, {}, 1, 1,
       " ** On entry, N .lt. 1: N =" + num(0) + ".\n"},
      {"NNZ", 1, 3, 6, 0, 0.0, "N", "N", r3, c3, {}, 0, 1,
       " ** On entry, NNZ .gt. N*(N+1)/2:\n    NNZ =" + num(3) + " N =" + num(1) + ".\n"},
      {"row", 2, 3, 6, 0, 0.0, "N", "N", {1, 3, 2}, c3, {}, 0, 2,
       " ** On entry, IROW(I) .lt. 1 or IROW(I) .gt. N:\n    I = " + num(2) +
           ", IROW(I) = " + num(3) + ", N = " + num(2) + ".\n"},
      {"column above the diagonal", 2, 3, 6, 0, 0.0, "N", "N", r3, {2, 1, 2}, {}, 0, 2,
       " ** On entry, ICOL(I) .lt. 1 or ICOL(I) .gt. IROW(I):\n    I =" + num(1) +
           ", ICOL(I) =" + num(2) + ", IROW(I) =" + num(1) + ".\n"},
      {"order", 2, 3, 6, 0, 0.0, "N", "N", r3, {1, 2, 1}, {}, 0, 2,
       " ** On entry, A(I) is out of order:\n    I =" + num(3) + ".\n"},
      {"duplicate", 2, 3, 6, 0, 0.0, "N", "N", r3, {1, 1, 1}, {}, 0, 2,
       " ** On entry, the location (IROW(I), ICOL(I)) is a duplicate:\n    I =" + num(3) + ".\n"},
      {"IPIV range", 2, 3, 6, 0, 0.0, "N", "u", r3, c3, {1, 3}, 0, 3,
       " ** On entry, a user-supplied value of IPIV lies outside the range [1,N].\n"},
      {"IPIV repeated", 2, 3, 6, 0, 0.0, "N", "U", r3, c3, {2, 2}, 0, 3,
       " ** On entry, a user-supplied value of IPIV is repeated.\n"},
      {"LIWORK, levels", 2, 3, 10, 0, 0.0, "N", "N", r3, c3, {}, -1, 1,
       " ** On entry, LIWORK is too small: LIWORK =" + num(25) +
           ".\n    Minimum required value of LIWORK =" + num(26) + ".\n"},
      {"LIWORK, drop tolerance", 2, 3, 10, -1, 0.1, "N", "N", r3, c3, {}, -1, 1,
       " ** On entry, LIWORK is too small: LIWORK =" + num(21) +
           ".\n    Minimum required value of LIWORK =" + num(22) + ".\n"},
      {"LIWORK beyond int", 2, 3, 2000000000, 0, 0.0, "N", "N", r3, c3, {}, 100, 1,
       " ** On entry, LIWORK is too small: LIWORK =" + num(100) +
           ".\n    Minimum required value of LIWORK =" + num(2147483647) + ".\n"},
      {"does not fit", 2, 2, 4, 0, 0.0, "N", "N", {1, 2}, {1, 1}, {}, 0, 4,
       " ** The number of non-zero entries in the decomposition is too large.\n"
       "    The decomposition has been terminated before completion.\n"
       "    Either increase LA, or reduce the fill by setting PSTRAT = 'M',\n"
       "    reducing LFILL, or increasing DTOL.\n"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    const int la = std::min(k.la, 64);  // the arrays; LA may claim more before LIWORK fails
    std::vector<double> a(la, 1.0);
    std::vector<int> irow(la), icol(la), istr(4), ipiv = k.ipiv;
    std::copy(k.irow.begin(), k.irow.end(), irow.begin());
    std::copy(k.icol.begin(), k.icol.end(), icol.begin());
    ipiv.resize(2);
    long long liwork = k.liwork;
    if (liwork <= 0) liwork = liwork_for(k.n, k.nnz, k.la, k.lfill) + liwork;
    std::vector<int> iwork(std::min<long long>(liwork, 200));
    int nnzfac = -5, npvmod = -5;
    const auto rep = report([&](char* rec, int* f) {
      return F11JAF(k.n, k.nnz, a.data(), k.la, irow.data(), icol.data(), k.lfill, k.dtol, k.mic,
                    0.0, k.pstrat, ipiv.data(), istr.data(), &nnzfac, &npvmod, iwork.data(),
                    static_cast<int>(liwork), rec, f, 1, 1, KIV2_RECORD_LEN);
    });
    EXPECT_EQ(rep.ifail, k.ifail);
    EXPECT_EQ(rep.lines, k.lines);
  }
}

// The solve against the dense preconditioner: C x = y to rounding, with and
// without checks.
TYPED_TEST(Ichol, SolveInvertsPreconditioner) {
  using T = TypeParam;
  const Scs<T> s = random_pd<T>(35, 3, 21, 0.1);
  for (char pstrat : {'N', 'M'}) {
    Ic<T> f = factorise(s, 1, 0.0, 'M', 0.0, pstrat);
    ASSERT_EQ(f.ifail, 0);
    const std::vector<T> c = dense_c(f);
    std::vector<T> y(s.n);
    for (int i = 0; i < s.n; ++i) y[i] = T(std::sin(i + 1.0));
    for (const char* check : {"C", "n"}) {
      std::vector<T> x(s.n);
      char rec[KIV2_RECORD_LEN + 1];
      int ifail = 1;
      solve_call(f, check, y.data(), x.data(), rec, &ifail);
      ASSERT_EQ(ifail, 0);
      double res = 0.0, ymax = 0.0;
      for (int i = 0; i < s.n; ++i) {
        T r = y[i];
        for (int j = 0; j < s.n; ++j) r -= c[i * s.n + j] * x[j];
        res = std::max(res, std::abs(r));
        ymax = std::max(ymax, std::abs(y[i]));
      }
      EXPECT_LE(res, 1e-12 * ymax);
    }
  }
}

// The solve's checks, one corruption at a time: CHECK = 'C' names it with
// its message; CHECK = 'N' fails with IFAIL 3 without stepping outside the
// arrays (they are exactly LA long, so a sanitiser build sees a stray
// access).
TYPED_TEST(Ichol, CorruptedFactorIsDetected) {
  using T = TypeParam;
  const std::string pair = kComplex<T> ? "F11JNF and F11JPF." : "F11JAF and F11JBF.";
  const std::string sfx = "\n    Check that A, IROW, ICOL, IPIV and ISTR have not been\n"
                          "    corrupted between calls to " + pair + "\n";
  const Scs<T> s = random_pd<T>(12, 2, 8);
  const Ic<T> good = factorise(s, 1, 0.0, 'N', 0.0, 'M');
  ASSERT_EQ(good.ifail, 0);
  const int n = good.n, base = good.istr[0];
  int off = base - 1;  // an entry off the diagonal
  while (good.icol[off] == good.irow[off]) ++off;
  struct Case {
    const char* what;
    std::function<void(Ic<T>&)> corrupt;
    std::string lines;  // CHECK = 'C'; empty: no failure expected then
    bool fails_unchecked;
  };
  const std::vector<Case> cases = {
      {"ISTR(N+1) past LA", [](Ic<T>& f) { f.istr[f.n] = f.la + 50; },
       " ** On entry, ISTR appears to be invalid." + sfx, true},
      {"ISTR(1) below 1", [](Ic<T>& f) { f.istr[0] = -7; },
       " ** On entry, ISTR appears to be invalid." + sfx, true},
      {"ISTR not increasing", [](Ic<T>& f) { f.istr[5] = f.istr[7]; },
       " ** On entry, ISTR(I) is inconsistent with IROW:\n    I =" + num(6) + "." + sfx, true},
      {"ISTR row start", [](Ic<T>& f) { f.istr[5] -= 1; },
       " ** On entry, ISTR(I) is inconsistent with IROW:\n    I =" + num(6) + "." + sfx, false},
      {"row index", [off](Ic<T>& f) { f.irow[off] = f.n + 4; },
       " ** On entry, IROW(I) .lt. 1 or IROW(I) .gt. N:\n    I = " + num(off + 1) +
           ", IROW(I) = " + num(n + 4) + ", N = " + num(n) + "." + sfx, false},
      {"column index", [off](Ic<T>& f) { f.icol[off] = -3; },
       " ** On entry, ICOL(I) .lt. 1 or ICOL(I) .gt. IROW(I):\n    I =" + num(off + 1) +
           ", ICOL(I) =" + num(-3) + ", IROW(I) =" + num(good.irow[off]) + "." + sfx, true},
      {"column index huge", [off](Ic<T>& f) { f.icol[off] = 1 << 30; },
       " ** On entry, ICOL(I) .lt. 1 or ICOL(I) .gt. IROW(I):\n    I =" + num(off + 1) +
           ", ICOL(I) =" + num(1 << 30) + ", IROW(I) =" + num(good.irow[off]) + "." + sfx, true},
      {"IPIV range", [](Ic<T>& f) { f.ipiv[3] = f.n + 1; },
       " ** On entry, IPIV(I) .lt. 1 or IPIV(I) .gt. N:\n    I =" + num(4) + ", IPIV(I) =" +
           num(n + 1) + ", N =" + num(n) + "." + sfx, true},
      {"IPIV repeated", [](Ic<T>& f) { f.ipiv[6] = f.ipiv[2]; },
       " ** On entry, IPIV(I) is a repeated value:\n    I =" + num(7) + "." + sfx, true},
  };
  std::vector<T> y(n, T(1.0));
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    for (const char* check : {"C", "N"}) {
      Ic<T> f = good;
      k.corrupt(f);
      std::vector<T> x(n);
      const auto rep = report([&](char* rec, int* fl) {
        return solve_call(f, check, y.data(), x.data(), rec, fl);
      });
      if (check[0] == 'C') {
        EXPECT_EQ(rep.ifail, 3);
        EXPECT_EQ(rep.lines, k.lines);
      } else if (k.fails_unchecked) {
        EXPECT_EQ(rep.ifail, 3);
      }
    }
  }
  // The options and the order.
  Ic<T> f = good;
  std::vector<T> x(n);
  auto rep = report([&](char* rec, int* fl) { return solve_call(f, "X", y.data(), x.data(), rec, fl); });
  EXPECT_EQ(rep.ifail, 1);
  EXPECT_EQ(rep.lines, " ** On entry, CHECK .ne. 'C' or 'N': CHECK = 'X'.\n");
  f.n = 0;
  rep = report([&](char* rec, int* fl) { return solve_call(f, "c", y.data(), x.data(), rec, fl); });
  EXPECT_EQ(rep.ifail, 2);
  EXPECT_EQ(rep.lines, " ** On entry, N .lt. 1: N =" + num(0) + ".\n");
}

// The host wrappers give the bodies' results, and IFAIL through the
// wrapper protocol.
// A non-finite matrix, or a pivot that overflows (or whose inverse does),
// fails with IFAIL 5 and leaves the matrix alone: an infinite pivot would
// otherwise invert to a zero that the sort drops with its row's diagonal.
template <class T>
void non_finite_cases() {
  const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
  const auto val = [](double re, double im) {
    if constexpr (kComplex<T>) return T(re, im); else return T(re + im);
  };
  struct Case {
    const char* what;
    std::map<std::pair<int, int>, T> m;
    double dshift;
    char pstrat;
  };
  const std::vector<Case> cases = {
      {"NaN on the diagonal",
       {{{1, 1}, val(4, 0)}, {{2, 1}, val(1, 0)}, {{2, 2}, val(nan, 0)}}, 0.0, 'N'},
      {"infinite off the diagonal",
       {{{1, 1}, val(4, 0)}, {{2, 1}, val(0, inf)}, {{2, 2}, val(4, 0)}}, 0.0, 'M'},
      {"pivot overflows by the shift", {{{1, 1}, val(1e308, 0)}, {{2, 2}, val(1, 0)}}, 10.0, 'N'},
      {"zero diagonal times an infinite shift, Markowitz",
       {{{1, 1}, val(0, 0)}, {{2, 1}, val(1, 0)}, {{2, 2}, val(2, 0)}, {{3, 2}, val(1, 0)},
        {{3, 3}, val(3, 0)}},
       inf, 'M'},
      {"NaN shift", {{{1, 1}, val(2, 0)}, {{2, 2}, val(3, 0)}}, nan, 'M'},
      {"inverse of a subnormal pivot overflows",
       {{{1, 1}, val(1e-320, 0)}, {{2, 2}, val(1, 0)}}, 0.0, 'U'},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    const Scs<T> s = from_map(static_cast<int>(k.m.rbegin()->first.first), k.m);
    std::vector<int> reversed(s.n);
    std::iota(reversed.rbegin(), reversed.rend(), 1);
    Ic<T> f = placed(s, 4 * s.nnz() + 2 * s.n * s.n, 0, reversed);
    const char ps[2] = {k.pstrat, 0};
    const auto rep = report([&](char* rec, int* ifail) {
      f.ifail = *ifail;
      return factor_call(f, 0, 0.0, "N", k.dshift, ps, static_cast<int>(f.iwork.size()), rec,
                         ifail);
    });
    EXPECT_EQ(rep.ifail, 5);
    EXPECT_EQ(rep.lines, std::string(" ** A serious error has occurred in an internal call to ") +
                             (kComplex<T> ? "F11ZPF" : "F11ZBF") +
                             ".\n    Check all subroutine calls and array sizes. Seek expert "
                             "help.\n");
    for (int i = 0; i < f.nnz; ++i) {
      EXPECT_EQ(f.irow[i], s.irow[i]);
      EXPECT_EQ(f.icol[i], s.icol[i]);
      EXPECT_EQ(std::memcmp(&f.a[i], &s.a[i], sizeof(T)), 0) << "A(" << i + 1 << ")";
    }
  }
}

TEST(IcholFixtures, NonFiniteInputAndPivots) {
  non_finite_cases<double>();
  non_finite_cases<Complex>();
}

TEST(IcholFixtures, HostWrappers) {
  const Scs<double> s = random_pd<double>(20, 2, 4);
  const Ic<double> body = factorise(s, 1, 0.0, 'N', 0.0, 'M');
  ASSERT_EQ(body.ifail, 0);
  Ic<double> f = factorise(s, 1, 0.0, 'N', 0.0, 'M');
  std::copy(s.a.begin(), s.a.end(), f.a.begin());
  std::fill(f.a.begin() + f.nnz, f.a.end(), 0.0);
  const int lfill = 1, liwork = static_cast<int>(f.iwork.size());
  const double dtol = 0.0, dshift = 0.0;
  int ifail = 1;
  F11JAF_HOST(&f.n, &f.nnz, f.a.data(), &f.la, f.irow.data(), f.icol.data(), &lfill, &dtol, "N",
              &dshift, "M", f.ipiv.data(), f.istr.data(), &f.nnzfac, &f.npvmod, f.iwork.data(),
              &liwork, &ifail, 1, 1);
  ASSERT_EQ(ifail, 0);
  EXPECT_EQ(f.nnzfac, body.nnzfac);
  EXPECT_EQ(f.ipiv, body.ipiv);
  EXPECT_EQ(f.a, body.a);
  std::vector<double> y(f.n, 1.0), x1(f.n), x2(f.n);
  F11JBF_HOST(&f.n, f.a.data(), &f.la, f.irow.data(), f.icol.data(), f.ipiv.data(),
              f.istr.data(), "C", y.data(), x1.data(), &ifail, 1);
  ASSERT_EQ(ifail, 0);
  char rec[KIV2_RECORD_LEN + 1];
  ifail = 1;
  solve_call(f, "C", y.data(), x2.data(), rec, &ifail);
  EXPECT_EQ(x1, x2);
  ifail = 1;
  F11JBF_HOST(&f.n, f.a.data(), &f.la, f.irow.data(), f.icol.data(), f.ipiv.data(),
              f.istr.data(), "Q", y.data(), x1.data(), &ifail, 1);
  EXPECT_EQ(ifail, 1);
}

}  // namespace
