// Incomplete LU factorisation and solve, real and complex: M = P L D U Q
// against A, the fill rules, pivot repair, complete pivoting's row rule,
// argument failures, and a factor corrupted between the calls.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <functional>
#include <numeric>

#include "precon.hpp"
#include "support/random.hpp"

namespace prec {
namespace {

using kivtest::report;

template <class T>
class Ilu_ : public ::testing::Test {};
using Scalars = ::testing::Types<double, Complex>;
TYPED_TEST_SUITE(Ilu_, Scalars);

template <class T>
double max_diff(const std::vector<T>& a, const std::vector<T>& b) {
  double m = 0.0;
  for (std::size_t i = 0; i < a.size(); ++i) m = std::max(m, std::abs(a[i] - b[i]));
  return m;
}

template <class T>
void expect_input_intact(const Ilu<T>& f, const Coo<T>& m) {
  for (int k = 0; k < m.nnz(); ++k) {
    ASSERT_EQ(f.a[k], m.a[k]) << k;
    ASSERT_EQ(f.irow[k], m.irow[k]) << k;
    ASSERT_EQ(f.icol[k], m.icol[k]) << k;
  }
}

std::vector<int> shuffled(int n, unsigned seed) {
  std::vector<int> p(n);
  std::iota(p.begin(), p.end(), 1);
  std::shuffle(p.begin(), p.end(), std::mt19937(seed));
  return p;
}

// With every fill entry kept and no pivot modified, M = A to rounding,
// under each strategy; the solve then inverts A (both transposes).
TYPED_TEST(Ilu_, FullFillReproducesAUnderEveryStrategy) {
  using T = TypeParam;
  for (char pstrat : {'N', 'U', 'P', 'C'})
    for (unsigned seed : {1u, 2u, 3u}) {
      for (bool by_level : {true, false}) {
        SCOPED_TRACE(std::string("PSTRAT ") + pstrat + " seed " + std::to_string(seed));
        const int n = 24;
        // Without pivoting the diagonal must carry the elimination (user
        // pivots: a symmetric permutation); the pivoting strategies get
        // their large entries off the diagonal.
        const bool dominant = pstrat == 'N' || pstrat == 'U';
        const Coo<T> m = random_sparse<T>(n, 3, 8.0, seed, !dominant);
        const auto f = pstrat == 'U'
                           ? factorise(m, n, 0.0, 'U', 'N', 0, shuffled(n, seed), shuffled(n, seed))
                           : factorise(m, by_level ? n : -1, 0.0, pstrat, 'N');
        ASSERT_EQ(f.ifail, 0);
        ASSERT_EQ(f.npvmod, 0);
        expect_input_intact(f, m);
        const std::vector<T> a = dense(m), mm = dense_m(f);
        double amax = 0.0;
        for (const T& v : a) amax = std::max(amax, std::abs(v));
        EXPECT_LE(max_diff(a, mm), 1e-11 * amax);

        // The solve: A x = y and A^T x = y.
        const std::vector<T> y = kivtest::random<T>(n, seed);
        for (const char* trans : {"N", "T"}) {
          std::vector<T> x(n);
          char rec[KIV2_RECORD_LEN + 1];
          int ifail = 1;
          solve_call(f, trans, "C", y.data(), x.data(), rec, &ifail);
          ASSERT_EQ(ifail, 0);
          double worst = 0.0, xmax = 0.0;
          for (int i = 0; i < n; ++i) {
            T s{};
            for (int j = 0; j < n; ++j)
              s += (*trans == 'N' ? a[i * n + j] : a[j * n + i]) * x[j];
            worst = std::max(worst, std::abs(s - y[i]));
            xmax = std::max(xmax, std::abs(x[i]));
          }
          EXPECT_LE(worst, 1e-10 * amax * xmax) << trans;
        }
      }
    }
}

TYPED_TEST(Ilu_, DiagonalMatrixGivesTheReciprocalDiagonal) {
  using T = TypeParam;
  Coo<T> m{5, {}, {}, {}};
  for (int i = 1; i <= 5; ++i) {
    m.irow.push_back(i);
    m.icol.push_back(i);
    m.a.push_back(T(i + 1.0));
  }
  // LA = 2 NNZ is enough.
  const auto f = factorise(m, 0, 0.0, 'N', 'N', 10);
  ASSERT_EQ(f.ifail, 0);
  EXPECT_EQ(f.nnzfac, 5);
  EXPECT_EQ(f.npvmod, 0);
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(f.istr[i - 1], 5 + i);
    EXPECT_EQ(f.idiag[i - 1], 5 + i);
    EXPECT_EQ(f.a[4 + i], T(1.0) / T(i + 1.0));
  }
  EXPECT_EQ(f.istr[5], 11);
}

// ILU(0) keeps the pattern of A and matches A on it; MILU keeps the row
// sums of A as well; DTOL = 0 keeps every fill entry.
TYPED_TEST(Ilu_, LevelZeroKeepsThePatternAndMiluTheRowSums) {
  using T = TypeParam;
  const Coo<T> m = from_csr(krylovtest::convection_diffusion<T>(6, 0.7, T(0.3)));
  const int n = m.n;
  const std::vector<T> a = dense(m);
  for (char milu : {'N', 'M'}) {
    const auto f = factorise(m, 0, 0.0, 'N', milu);
    ASSERT_EQ(f.ifail, 0);
    ASSERT_EQ(f.npvmod, 0);
    ASSERT_EQ(f.nnzfac, m.nnz());
    for (int k = 0; k < m.nnz(); ++k) {
      ASSERT_EQ(f.irow[m.nnz() + k], m.irow[k]);
      ASSERT_EQ(f.icol[m.nnz() + k], m.icol[k]);
    }
    const std::vector<T> mm = dense_m(f);
    for (int i = 0; i < n; ++i) {
      T sa{}, sm{};
      for (int j = 0; j < n; ++j) {
        sa += a[i * n + j];
        sm += mm[i * n + j];
        // Off the diagonal M agrees with A on A's pattern in both cases.
        if (a[i * n + j] != T(0.0) && i != j) {
          ASSERT_LE(std::abs(mm[i * n + j] - a[i * n + j]), 1e-13);
        }
      }
      if (milu == 'M') {
        EXPECT_LE(std::abs(sm - sa), 1e-12) << i;
      } else if (a[i * n + i] != T(0.0)) {
        EXPECT_LE(std::abs(mm[i * n + i] - a[i * n + i]), 1e-13);
      }
    }
  }
  const auto full = factorise(m, -1, 0.0, 'N', 'N');
  ASSERT_EQ(full.ifail, 0);
  EXPECT_LE(max_diff(dense_m(full), a), 1e-12);
}

// A zero diagonal that no fill repairs: the row is recomputed, then gets a
// unit pivot (M = A + e1 e1^T here); a pivot that full fill repairs leaves
// NPVMOD = -1 and M = A.
TYPED_TEST(Ilu_, SmallPivotsAreRecomputedThenReplaced) {
  using T = TypeParam;
  const Coo<T> swap{2, {T(1.0), T(1.0)}, {1, 2}, {2, 1}};
  const auto f = factorise(swap, 0, 0.0, 'N', 'N');
  ASSERT_EQ(f.ifail, 0);
  EXPECT_EQ(f.npvmod, 1);
  const std::vector<T> mm = dense_m(f);
  EXPECT_EQ(mm, (std::vector<T>{T(1.0), T(1.0), T(1.0), T(0.0)}));

  // A tiny entry in the pivot column stays beside the unit pivot and the
  // two are summed; row 2 then cancels to 0 and is replaced as well.
  const Coo<T> tiny{2, {T(1e-300), T(1.0), T(1.0), T(1.0)}, {1, 1, 2, 2}, {1, 2, 1, 2}};
  const auto t = factorise(tiny, 0, 0.0, 'N', 'N');
  ASSERT_EQ(t.ifail, 0);
  EXPECT_EQ(t.npvmod, 2);
  EXPECT_EQ(t.nnzfac, 4);
  EXPECT_EQ(dense_m(t), (std::vector<T>{T(1.0), T(1.0), T(1.0), T(2.0)}));

  const Coo<T> repaired{2, {T(1.0), T(1.0), T(1.0)}, {1, 1, 2}, {1, 2, 1}};
  const auto g = factorise(repaired, 0, 0.0, 'N', 'N');
  ASSERT_EQ(g.ifail, 0);
  EXPECT_EQ(g.npvmod, -1);
  EXPECT_EQ(dense_m(g), (std::vector<T>{T(1.0), T(1.0), T(1.0), T(0.0)}));
}

TYPED_TEST(Ilu_, UserIdentityPivotsEqualNoPivoting) {
  using T = TypeParam;
  const Coo<T> m = random_sparse<T>(30, 4, 6.0, 11);
  std::vector<int> id(30);
  std::iota(id.begin(), id.end(), 1);
  const auto f = factorise(m, 1, 0.0, 'N', 'M');
  const auto g = factorise(m, 1, 0.0, 'U', 'M', 0, id, id);
  ASSERT_EQ(f.ifail, 0);
  ASSERT_EQ(g.ifail, 0);
  EXPECT_EQ(f.a, g.a);
  EXPECT_EQ(f.irow, g.irow);
  EXPECT_EQ(f.icol, g.icol);
  EXPECT_EQ(f.istr, g.istr);
  EXPECT_EQ(f.idiag, g.idiag);
  EXPECT_EQ(f.ipivq, g.ipivq);
}

// Complete pivoting takes, at each step, the row with the fewest input
// entries in columns not yet pivoted, the smallest such row on a tie.
TYPED_TEST(Ilu_, CompletePivotingFollowsTheCountRule) {
  using T = TypeParam;
  for (unsigned seed : {4u, 5u}) {
    const Coo<T> m = random_sparse<T>(40, 3, 0.0, seed);
    const auto f = factorise(m, 2, 0.0, 'C', 'N');
    ASSERT_EQ(f.ifail, 0);
    expect_input_intact(f, m);  // IROW carried the column lists
    std::vector<bool> pivoted(m.n + 1, false), chosen(m.n + 1, false);
    for (int i = 0; i < m.n; ++i) {
      std::vector<int> count(m.n + 1, 0);
      for (int k = 0; k < m.nnz(); ++k)
        if (!pivoted[m.icol[k]]) ++count[m.irow[k]];
      int best = 0;
      for (int r = 1; r <= m.n; ++r)
        if (!chosen[r] && (best == 0 || count[r] < count[best])) best = r;
      ASSERT_EQ(f.ipivp[i], best) << "step " << i + 1;
      chosen[best] = true;
      pivoted[f.ipivq[i]] = true;
    }
  }
}

// LA exactly what the factor needs works; one less stops with IFAIL 4 and
// leaves the input alone (with complete pivoting too).
TYPED_TEST(Ilu_, LaExactlyEnoughAndOneShort) {
  using T = TypeParam;
  const Coo<T> m = from_csr(krylovtest::convection_diffusion<T>(7, 0.4));
  for (char pstrat : {'N', 'C'}) {
    const auto f = factorise(m, 2, 0.0, pstrat, 'N');
    ASSERT_EQ(f.ifail, 0);
    ASSERT_GT(f.nnzfac, m.nnz());
    const auto g = factorise(m, 2, 0.0, pstrat, 'N', m.nnz() + f.nnzfac);
    ASSERT_EQ(g.ifail, 0);
    EXPECT_TRUE(std::equal(g.a.begin(), g.a.end(), f.a.begin()));
    const auto h = factorise(m, 2, 0.0, pstrat, 'N', m.nnz() + f.nnzfac - 1);
    EXPECT_EQ(h.ifail, 4);
    expect_input_intact(h, m);
  }
  // LA = 2 NNZ: a factor with any fill does not fit.
  const auto h = factorise(m, 1, 0.0, 'N', 'N', 2 * m.nnz());
  EXPECT_EQ(h.ifail, 4);
  expect_input_intact(h, m);
}

TEST(IluFailures, ArgumentsMapToIfailAndExactMessages) {
  struct Case {
    const char* what;
    int n, nnz, la, lfill;
    double dtol;
    const char *pstrat, *milu;
    std::vector<int> irow, icol, ipivp, ipivq;
    int liwork;
    int ifail;
    std::string lines;
  };
  const std::vector<Case> cases = {
      {"LA", 2, 2, 3, 0, 0.0, "N", "N", {1, 2}, {1, 2}, {}, {}, 16, 1,
       " ** On entry, LA .lt. 2*NNZ:\n    LA =               3 NNZ =               2.\n"},
      {"DTOL", 2, 2, 4, -1, -0.5, "N", "N", {1, 2}, {1, 2}, {}, {}, 16, 1,
       " ** On entry, DTOL .lt. 0.0: DTOL = -5.0000e-01.\n"},
      {"PSTRAT", 2, 2, 4, 0, 0.0, "X", "N", {1, 2}, {1, 2}, {}, {}, 16, 1,
       " ** On entry, PSTRAT .ne. 'N', 'U', 'P', or 'C': PSTRAT = 'X'.\n"},
      {"PSTRAT and MILU", 2, 2, 4, 0, 0.0, "X", "Q", {1, 2}, {1, 2}, {}, {}, 16, 1,
       " ** On entry, PSTRAT .ne. 'N', 'U', 'P', or 'C': PSTRAT = 'X'.\n"
       " ** On entry, MILU .ne. 'M' or 'N': MILU = 'Q' .\n"},
      {"N", 0, 1, 4, 0, 0.0, "N", "M", {1}, {1}, {}, {}, 16, 1,
       " ** On entry, N .lt. 1: N =               0.\n"},
      {"NNZ", 2, 5, 10, 0, 0.0, "N", "N", {1, 1, 2, 2, 2}, {1, 2, 1, 2, 2}, {}, {}, 16, 1,
       " ** On entry, NNZ .gt. N**2:\n    NNZ =               5 N =               2.\n"},
      {"row", 2, 2, 4, 0, 0.0, "N", "N", {1, 3}, {1, 2}, {}, {}, 16, 2,
       " ** On entry, IROW(I) .lt. 1 or IROW(I) .gt. N:\n"
       "    I =                2, IROW(I) =                3, N =                2.\n"},
      {"order", 2, 2, 4, 0, 0.0, "N", "N", {2, 1}, {1, 2}, {}, {}, 16, 2,
       " ** On entry, A(I) is out of order:\n    I =               2.\n"},
      {"IPIVP", 2, 2, 4, 0, 0.0, "U", "N", {1, 2}, {1, 2}, {1, 3}, {1, 2}, 16, 3,
       " ** On entry, a user-supplied value of IPIVP lies outside the range [1,N].\n"},
      {"IPIVQ", 2, 2, 4, 0, 0.0, "U", "N", {1, 2}, {1, 2}, {2, 1}, {2, 2}, 16, 3,
       " ** On entry, a user-supplied value of IPIVQ is repeated.\n"},
      {"LIWORK", 2, 2, 4, 0, 0.0, "N", "N", {1, 2}, {1, 2}, {}, {}, 15, 1,
       " ** On entry, LIWORK is too small: LIWORK =              15.\n"
       "    Minimum required value of LIWORK =              16.\n"},
      // 7N+2 beyond the int range is too small for any LIWORK, not wrapped.
      {"LIWORK overflow", 400000000, 1, 2, 0, 0.0, "N", "N", {1}, {1}, {}, {}, 100, 1,
       " ** On entry, LIWORK is too small: LIWORK =             100.\n"
       "    Minimum required value of LIWORK =      2147483647.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<double> a(c.la, 1.0);
    std::vector<int> irow(c.la), icol(c.la), istr(3), idiag(2), iwork(c.liwork);
    std::copy(c.irow.begin(), c.irow.end(), irow.begin());
    std::copy(c.icol.begin(), c.icol.end(), icol.begin());
    std::vector<int> ipivp = c.ipivp, ipivq = c.ipivq;
    ipivp.resize(2);
    ipivq.resize(2);
    int nnzfac = -5, npvmod = -5;
    const auto rep = report([&](char* rec, int* f) {
      return F11DAF(c.n, c.nnz, a.data(), c.la, irow.data(), icol.data(), c.lfill, c.dtol,
                    c.pstrat, c.milu, ipivp.data(), ipivq.data(), istr.data(), idiag.data(),
                    &nnzfac, &npvmod, iwork.data(), c.liwork, rec, f, 1, 1, KIV2_RECORD_LEN);
    });
    EXPECT_EQ(rep.ifail, c.ifail);
    EXPECT_EQ(rep.lines, c.lines);
    EXPECT_EQ(nnzfac, 0);
    EXPECT_EQ(ipivp, [&] { auto p = c.ipivp; p.resize(2); return p; }()) << "permutations restored";
  }
}

// The solve's checks, each corruption in turn: CHECK = 'C' names it, and
// CHECK = 'N' still stays inside the arrays (the vectors are exactly LA
// long, so a sanitiser build sees any stray access) and fails with IFAIL 3.
TYPED_TEST(Ilu_, CorruptedFactorIsDetected) {
  using T = TypeParam;
  const char* pair = kComplex<T> ? "F11DNF and F11DPF." : "F11DAF and F11DBF.";
  const std::string s = std::string("\n    Check that A, IROW, ICOL, IPIVP, IPIVQ, ISTR and IDIAG\n"
                                    "    have not been corrupted between calls to ") + pair + "\n";
  const Coo<T> m = random_sparse<T>(12, 3, 0.0, 8);
  const Ilu<T> good = factorise(m, 1, 0.0, 'C', 'N');
  ASSERT_EQ(good.ifail, 0);
  const int n = good.n, base = good.istr[0];
  struct Case {
    const char* what;
    std::function<void(Ilu<T>&)> corrupt;
    std::string lines;  // CHECK = 'C'
    bool unsafe;        // would lead a plain solve outside the arrays
  };
  int off = base - 1;  // an entry off the diagonal
  while (good.icol[off] == good.irow[off]) ++off;
  auto num = [](long v) { char b[20]; std::snprintf(b, sizeof b, "%16ld", v); return std::string(b); };
  const std::vector<Case> cases = {
      {"IDIAG", [](Ilu<T>& f) { f.idiag[4] += 1; },
       " ** On entry, IDIAG(I) appears to be incorrect:\n    I =" + num(5) + "." + s, false},
      {"ISTR", [](Ilu<T>& f) { f.istr[5] -= 1; },
       " ** On entry, ISTR(I) is inconsistent with IROW:\n    I =" + num(6) + "." + s, false},
      {"ISTR(N+1) past LA", [](Ilu<T>& f) { f.istr[f.n] = f.la + 50; },
       " ** On entry, ISTR appears to be invalid." + s, true},
      {"ISTR(1) below 1", [](Ilu<T>& f) { f.istr[0] = -3; },
       " ** On entry, ISTR appears to be invalid." + s, true},
      {"IPIVP repeated", [](Ilu<T>& f) { f.ipivp[3] = f.ipivp[7]; },
       " ** On entry, IPIVP(I) is a repeated value:\n    I =" + num(8) + "." + s, false},
      {"IPIVQ range", [](Ilu<T>& f) { f.ipivq[2] = 0; },
       " ** On entry, IPIVQ(I) .lt. 1 or IPIVQ(I) .gt. N:\n    I =" + num(3) +
           ", IPIVQ(I) =" + num(0) + ", N =" + num(12) + "." + s, true},
      {"ICOL", [off](Ilu<T>& f) { f.icol[off] = 1000000; },
       " ** On entry, ICOL(I) .lt. 1 or ICOL(I) .gt. N:\n    I = " + num(off + 1) +
           ", ICOL(I) = " + num(1000000) + ", N = " + num(12) + "." + s, true},
  };
  const std::vector<T> y = kivtest::random<T>(n, 3);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Ilu<T> f = good;
    c.corrupt(f);
    const Ilu<T> before = f;
    for (const char* check : {"C", "N"}) {
      std::vector<T> x(n);
      const auto rep = report([&](char* rec, int* ifail) {
        return solve_call(f, "N", check, y.data(), x.data(), rec, ifail);
      });
      if (*check == 'C') {
        EXPECT_EQ(rep.ifail, 3);
        EXPECT_EQ(rep.lines, c.lines);
      } else if (c.unsafe) {
        EXPECT_EQ(rep.ifail, 3);
      }
      EXPECT_EQ(f.ipivp, before.ipivp);
      EXPECT_EQ(f.ipivq, before.ipivq);
    }
  }
  // A bad TRANS is reported only after the checks pass.
  std::vector<T> x(n);
  auto rep = report([&](char* rec, int* ifail) {
    return solve_call(good, "X", "C", y.data(), x.data(), rec, ifail);
  });
  EXPECT_EQ(rep.lines, " ** On entry, TRANS .ne. 'N' or 'T': TRANS = 'X'.\n");
  Ilu<T> bad = good;
  bad.idiag[0] = -1;
  rep = report([&](char* rec, int* ifail) {
    return solve_call(bad, "X", "C", y.data(), x.data(), rec, ifail);
  });
  EXPECT_EQ(rep.ifail, 3);
}

}  // namespace
}  // namespace prec
