// Sparse matrix-vector products against dense products, and their failures.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <complex>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "../sorting/report.hpp"
#include "coo.hpp"
#include "kiv2.h"

namespace {

using kivtest::Coo;
using kivtest::report;
using Complex = std::complex<double>;
constexpr double kRealPoison = -2139062144.0;


template <class T>
T random_value(std::mt19937& gen) {
  std::uniform_real_distribution<double> u(-1.0, 1.0);
  if constexpr (std::is_same_v<T, double>) return u(gen);
  else return T(u(gen), u(gen));
}

// A random sorted matrix without repeated locations; lower triangle only
// when SYM.
template <class T>
Coo<T> random_matrix(int n, int count, bool sym, unsigned seed) {
  std::mt19937 gen(seed);
  std::uniform_int_distribution<int> index(1, n);
  std::set<std::pair<int, int>> locations;
  for (int k = 0; k < count; ++k) {
    int i = index(gen), j = index(gen);
    if (sym && j > i) std::swap(i, j);
    locations.insert({i, j});
  }
  Coo<T> m{n, {}, {}, {}};
  for (auto [i, j] : locations) {
    m.irow.push_back(i);
    m.icol.push_back(j);
    m.a.push_back(random_value<T>(gen));
  }
  return m;
}

double conj(double a) { return a; }
Complex conj(Complex a) { return std::conj(a); }

// The dense matrix op(A): 'N' as stored, 'T' transposed (conjugated for
// complex values), 'S' the symmetric (Hermitian) completion of a lower
// triangle.
template <class T>
std::vector<T> dense(const Coo<T>& m, char op) {
  const int n = m.n;
  std::vector<T> d(static_cast<std::size_t>(n) * n);
  for (int k = 0; k < m.nnz(); ++k) {
    const int i = m.irow[k] - 1, j = m.icol[k] - 1;
    if (op == 'T') d[i * n + j] += conj(m.a[k]);        // column-major A^H
    else d[j * n + i] += m.a[k];                         // column-major A
    if (op == 'S' && i != j) d[i * n + j] += conj(m.a[k]);
  }
  return d;
}

// Largest |y - D x| over the scale sum |D||x|, in units of eps.
template <class T>
double error_in_eps(const std::vector<T>& d, const std::vector<T>& x, const std::vector<T>& y) {
  const std::size_t n = x.size();
  double worst = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    T exact{};
    double scale = 0.0;
    for (std::size_t j = 0; j < n; ++j) {
      exact += d[j * n + i] * x[j];
      scale += std::abs(d[j * n + i]) * std::abs(x[j]);
    }
    if (scale > 0) worst = std::max(worst, std::abs(y[i] - exact) / scale / 2.2e-16);
    else if (y[i] != T{}) return 1e300;
  }
  return worst;
}

template <class T>
int general(const Coo<T>& m, const char* trans, const char* check, const std::vector<T>& x,
            std::vector<T>& y) {
  char record[KIV2_RECORD_LEN + 1];
  int ifail = 1;
  if constexpr (std::is_same_v<T, double>)
    return F11XAF(trans, m.n, m.nnz(), m.a.data(), m.irow.data(), m.icol.data(), check,
                  x.data(), y.data(), record, &ifail, 1, 1, KIV2_RECORD_LEN);
  else
    return F11XNF(trans, m.n, m.nnz(), m.a.data(), m.irow.data(), m.icol.data(), check,
                  x.data(), y.data(), record, &ifail, 1, 1, KIV2_RECORD_LEN);
}

template <class T>
int symmetric(const Coo<T>& m, const char* check, const std::vector<T>& x,
              std::vector<T>& y) {
  char record[KIV2_RECORD_LEN + 1];
  int ifail = 1;
  if constexpr (std::is_same_v<T, double>)
    return F11XEF(m.n, m.nnz(), m.a.data(), m.irow.data(), m.icol.data(), check, x.data(),
                  y.data(), record, &ifail, 1, KIV2_RECORD_LEN);
  else
    return F11XSF(m.n, m.nnz(), m.a.data(), m.irow.data(), m.icol.data(), check, x.data(),
                  y.data(), record, &ifail, 1, KIV2_RECORD_LEN);
}

// Swaps runs of three entries with others and repeats every seventh: runs
// of one row broken up, rows met again, repeated locations.
template <class T>
void scramble(Coo<T>& m, std::mt19937& gen) {
  const int count = m.nnz();
  for (int k = 0; k + 8 < count; k += 8) {
    const int other = std::uniform_int_distribution<int>(0, count - 4)(gen);
    for (int t = 0; t < 3; ++t) {
      std::swap(m.a[k + t], m.a[other + t]);
      std::swap(m.irow[k + t], m.irow[other + t]);
      std::swap(m.icol[k + t], m.icol[other + t]);
    }
  }
  for (int k = 0; k < count; k += 7) {
    m.a.push_back(random_value<T>(gen));
    m.irow.push_back(m.irow[k]);
    m.icol.push_back(m.icol[k]);
  }
}

// Every product against the dense one.  UNSORTED: scrambled storage,
// longer than one block of checked indices, multiplied with CHECK = 'N'.
template <class T>
void against_dense(unsigned seed, bool unsorted = false) {
  for (int n : unsorted ? std::vector<int>{1, 9, 300} : std::vector<int>{1, 7, 60}) {
    const int count = (unsorted ? 5 : 4) * n;
    Coo<T> g = random_matrix<T>(n, count, false, seed + n);
    Coo<T> s = random_matrix<T>(n, count, true, seed + (unsorted ? 3 : 2) * n);
    std::mt19937 gen(seed);
    if (unsorted) {
      scramble(g, gen);
      scramble(s, gen);
    }
    std::vector<T> x(n), y(n, T(7.0));
    for (T& v : x) v = random_value<T>(gen);
    for (const char* trans : {"N", "t"}) {
      EXPECT_EQ(general(g, trans, unsorted ? "N" : "C", x, y), 0);
      EXPECT_LT(error_in_eps(dense(g, *trans == 'N' ? 'N' : 'T'), x, y), 30.0) << n << trans;
    }
    EXPECT_EQ(symmetric(s, unsorted ? "N" : "c", x, y), 0);
    EXPECT_LT(error_in_eps(dense(s, 'S'), x, y), 30.0) << n;
  }
}

TEST(Products, RandomMatricesAgreeWithDenseProducts) {
  against_dense<double>(5);
  against_dense<Complex>(9);
}

TEST(Products, TransposeConjugatesComplexValues) {
  // A single entry i at (1,2): A^H x for x = (1, 0) is (0, -i).
  const Coo<Complex> m{2, {{0, 1}}, {1}, {2}};
  const std::vector<Complex> x{{1, 0}, {0, 0}};
  std::vector<Complex> y(2);
  EXPECT_EQ(general(m, "T", "C", x, y), 0);
  EXPECT_EQ(y, (std::vector<Complex>{{0, 0}, {0, -1}}));
  // Hermitian: the upper triangle is the conjugate of the lower one.
  const Coo<Complex> h{2, {{2, 0}, {0, 1}}, {1, 2}, {1, 1}};
  EXPECT_EQ(symmetric(h, "C", x, y), 0);
  EXPECT_EQ(y, (std::vector<Complex>{{2, 0}, {0, 1}}));
}

TEST(Products, SymmetricStorageAddsDiagonalOnceAndOffDiagonalTwice) {
  const Coo<double> m{2, {3.0, 5.0}, {2, 2}, {1, 2}};
  const std::vector<double> x{1.0, 1.0};
  std::vector<double> y(2);
  EXPECT_EQ(symmetric(m, "C", x, y), 0);
  EXPECT_EQ(y, (std::vector<double>{3.0, 8.0}));
}

TEST(Products, UncheckedStorageComputesAndTouchesOnlyY) {
  // Unsorted, with a repeated location: CHECK = 'N' multiplies as given.
  const Coo<double> m{3, {1.0, 2.0, 4.0, 8.0}, {3, 1, 3, 1}, {1, 2, 1, 3}};
  const Coo<double> copy = m;
  const std::vector<double> x{1.0, 10.0, 100.0}, xcopy = x;
  std::vector<double> y(3);
  EXPECT_EQ(general(m, "N", "N", x, y), 0);
  EXPECT_EQ(y, (std::vector<double>{820.0, 0.0, 5.0}));
  EXPECT_EQ(general(m, "T", "N", x, y), 0);
  EXPECT_EQ(y, (std::vector<double>{500.0, 2.0, 8.0}));
  EXPECT_EQ(m.a, copy.a);
  EXPECT_EQ(m.irow, copy.irow);
  EXPECT_EQ(m.icol, copy.icol);
  EXPECT_EQ(x, xcopy);
  // The order check would have refused it.
  EXPECT_EQ(general(m, "N", "C", x, y), 3);
  const Coo<double> one{1, {2.5}, {1}, {1}};
  std::vector<double> x1{2.0}, y1(1);
  EXPECT_EQ(general(one, "N", "N", x1, y1), 0);
  EXPECT_EQ(y1[0], 5.0);
}

TEST(Products, UncheckedIndicesOutsideTheMatrixAreRefused) {
  const std::vector<double> x{1.0, 2.0};
  std::vector<double> y(2);
  const Coo<double> row{2, {1.0, 1.0}, {1, 3}, {1, 1}};
  auto rep = report([&](char* rec, int* f) {
    return F11XAF("N", 2, 2, row.a.data(), row.irow.data(), row.icol.data(), "N", x.data(),
                  y.data(), rec, f, 1, 1, KIV2_RECORD_LEN);
  });
  EXPECT_EQ(rep.ifail, 3);
  EXPECT_EQ(rep.lines,
            " ** On entry, IROW(I) .lt. 1 or IROW(I) .gt. N:\n"
            "    I =                2, IROW(I) =                3, N =                2.\n");
  EXPECT_EQ(y, (std::vector<double>{kRealPoison, kRealPoison}));
  // A bad column in the middle of a row, in both directions.
  const Coo<double> mid{2, {1.0, 1.0, 1.0}, {1, 1, 1}, {1, 2, 5}};
  for (const char* trans : {"N", "T"}) {
    rep = report([&](char* rec, int* f) {
      return F11XAF(trans, 2, 3, mid.a.data(), mid.irow.data(), mid.icol.data(), "N",
                    x.data(), y.data(), rec, f, 1, 1, KIV2_RECORD_LEN);
    });
    EXPECT_EQ(rep.ifail, 3);
    EXPECT_EQ(rep.record.substr(0, 24), "F11XAF     3 99993     3");
    EXPECT_EQ(rep.lines.substr(0, 48), " ** On entry, ICOL(I) .lt. 1 or ICOL(I) .gt. N:\n");
    EXPECT_NE(rep.lines.find("I =                3, ICOL(I) =                5"),
              std::string::npos);
  }
  const Coo<double> col{2, {1.0}, {2}, {0}};
  rep = report([&](char* rec, int* f) {
    return F11XEF(2, 1, col.a.data(), col.irow.data(), col.icol.data(), "N", x.data(),
                  y.data(), rec, f, 1, KIV2_RECORD_LEN);
  });
  EXPECT_EQ(rep.ifail, 3);
  EXPECT_EQ(rep.record.substr(0, 18), "F11XEF     3 99994");
}

TEST(Products, UncheckedUnsortedStorageAgreesWithDenseProducts) {
  against_dense<double>(11, true);
  against_dense<Complex>(12, true);
}

// The first bad index is the one reported, wherever blocks of checked
// column indices begin and end: a bad row before a bad column and the
// reverse, in the first and in a later block.
TEST(Products, FirstBadIndexAcrossBlocks) {
  const int n = 50, nnz = 1400;
  Coo<double> m{n, {}, {}, {}};
  for (int k = 0; k < nnz; ++k) {
    m.a.push_back(1.0);
    m.irow.push_back(1 + k / 28);
    m.icol.push_back(1 + k % 28);
  }
  const std::vector<double> x(n, 1.0);
  struct Case {
    int row_at, col_at;  // 0-based entries given a bad row / column, or -1
    int expected;        // IFAIL 3 position I
    bool row;
  };
  const Case cases[] = {{3, 7, 4, true},       {9, 2, 3, false},        {600, 601, 601, true},
                        {1023, 1022, 1023, false}, {-1, 511, 512, false}, {-1, 512, 513, false},
                        {1399, -1, 1400, true},    {511, -1, 512, true}};
  for (const Case& c : cases)
    for (const char* trans : {"N", "T"}) {
      SCOPED_TRACE(std::to_string(c.row_at) + " " + std::to_string(c.col_at) + trans);
      Coo<double> bad = m;
      if (c.row_at >= 0) bad.irow[c.row_at] = n + 1;
      if (c.col_at >= 0) bad.icol[c.col_at] = 0;
      std::vector<double> y(n);
      auto rep = report([&](char* rec, int* f) {
        return F11XAF(trans, n, nnz, bad.a.data(), bad.irow.data(), bad.icol.data(), "N",
                      x.data(), y.data(), rec, f, 1, 1, KIV2_RECORD_LEN);
      });
      EXPECT_EQ(rep.ifail, 3);
      char expect[80];
      std::snprintf(expect, sizeof expect, "I = %16d, %s", c.expected, c.row ? "IROW" : "ICOL");
      EXPECT_NE(rep.lines.find(expect), std::string::npos) << rep.lines;
      EXPECT_EQ(y[0], kRealPoison);
    }
}

// Indices at the ends of the int range, as row and as column, in every
// product: refused with IFAIL 3, Y poisoned, nothing else touched.
TEST(Products, UncheckedExtremeIndicesAreRefused) {
  const std::vector<double> x{1.0, 2.0};
  const std::vector<Complex> cx{1.0, 2.0};
  for (int bad : {INT_MIN, INT_MIN + 1, -1, 0, 3, INT_MAX})
    for (bool in_row : {true, false}) {
      SCOPED_TRACE(std::to_string(bad) + (in_row ? " row" : " column"));
      // A valid first entry, then the bad one (lower triangle when valid).
      Coo<double> m{2, {1.0, 1.0}, {1, 2}, {1, 1}};
      (in_row ? m.irow : m.icol)[1] = bad;
      const Coo<Complex> c{2, {1.0, 1.0}, m.irow, m.icol};
      for (const char* trans : {"N", "T"}) {
        std::vector<double> y(2);
        std::vector<Complex> cy(2);
        EXPECT_EQ(general(m, trans, "N", x, y), 3);
        EXPECT_EQ(y, (std::vector<double>{kRealPoison, kRealPoison}));
        EXPECT_EQ(general(c, trans, "N", cx, cy), 3);
        EXPECT_EQ(cy[1], Complex(kRealPoison, kRealPoison));
      }
      std::vector<double> y(2);
      std::vector<Complex> cy(2);
      EXPECT_EQ(symmetric(m, "N", x, y), 3);
      EXPECT_EQ(y[0], kRealPoison);
      EXPECT_EQ(symmetric(c, "N", cx, cy), 3);
    }
}

// ---------------------------------------------------------------- failures

TEST(Products, CheckFailuresMapToIfailAndExactMessages) {
  struct Case {
    bool sym;
    const char *trans, *check;
    Coo<double> m;
    int nnz;
    int ifail;
    std::string lines;
  };
  const std::vector<Case> cases = {
      {false, "N", "X", {0, {1}, {1}, {1}}, 1, 1,
       " ** On entry, CHECK .ne. 'C' or 'N': CHECK = 'X'.\n"},
      {false, "Q", "C", {2, {1}, {1}, {1}}, 1, 1,
       " ** On entry, TRANS .ne. 'N' or 'T': TRANS = 'Q'.\n"},
      // The check comes before TRANS.
      {false, "Q", "C", {2, {1, 1}, {2, 1}, {1, 1}}, 2, 3,
       " ** On entry, A(I) is out of order:\n    I =               2.\n"},
      {false, "N", "C", {0, {1}, {1}, {1}}, 1, 2, " ** On entry, N .lt. 1: N =               0.\n"},
      {true, "", "C", {2, {1}, {1}, {1}}, 0, 2,
       " ** On entry, NNZ .lt. 1: NNZ =               0.\n"},
      {false, "N", "C", {1, {1, 1}, {1, 1}, {1, 1}}, 2, 2,
       " ** On entry, NNZ .gt. N**2:\n    NNZ =               2 N =               1.\n"},
      {true, "", "C", {1, {1, 1}, {1, 1}, {1, 1}}, 2, 2,
       " ** On entry, NNZ .gt. N*(N+1)/2:\n    NNZ =               2 N =               1.\n"},
      {false, "N", "C", {2, {1}, {5}, {1}}, 1, 3,
       " ** On entry, IROW(I) .lt. 1 or IROW(I) .gt. N:\n"
       "    I =                1, IROW(I) =                5, N =                2.\n"},
      {false, "N", "C", {2, {1}, {1}, {-1}}, 1, 3,
       " ** On entry, ICOL(I) .lt. 1 or ICOL(I) .gt. N:\n"
       "    I =                1, ICOL(I) =               -1, N =                2.\n"},
      {true, "", "C", {2, {1}, {1}, {2}}, 1, 3,
       " ** On entry, ICOL(I) .lt. 1 or ICOL(I) .gt. IROW(I):\n"
       "    I =               1, ICOL(I) =               2, IROW(I) =               1.\n"},
      {true, "", "C", {2, {1, 1}, {2, 2}, {1, 1}}, 2, 3,
       " ** On entry, the location (IROW(I), ICOL(I)) is a duplicate:\n"
       "    I =               2.\n"},
  };
  for (const Case& c : cases) {
    const std::vector<double> x(3, 1.0);
    std::vector<double> y(3, -7.0);
    const auto rep = report([&](char* rec, int* f) {
      if (c.sym)
        return F11XEF(c.m.n, c.nnz, c.m.a.data(), c.m.irow.data(), c.m.icol.data(), c.check,
                      x.data(), y.data(), rec, f, 1, KIV2_RECORD_LEN);
      return F11XAF(c.trans, c.m.n, c.nnz, c.m.a.data(), c.m.irow.data(), c.m.icol.data(),
                    c.check, x.data(), y.data(), rec, f, 1, 1, KIV2_RECORD_LEN);
    });
    EXPECT_EQ(rep.ifail, c.ifail) << c.lines;
    EXPECT_EQ(rep.lines, c.lines);
    EXPECT_EQ(y, std::vector<double>(3, -7.0)) << "Y is not computed";
  }
}

// ---------------------------------------------------------------- wrappers

TEST(Products, WrappersResolveComputeAndPoisonOnFailure) {
  const Coo<Complex> m{2, {{1, 1}, {2, 0}}, {1, 2}, {1, 1}};
  const std::vector<Complex> x{{1, 0}, {0, 1}};
  std::vector<Complex> y(2);
  int n = 2, nnz = 2, ifail = 1;
  using General = int(KIV_CALL*)(const char*, const int*, const int*, const void*, const int*,
                                 const int*, const char*, const void*, void*, int*, int, int);
  using Symmetric = int(KIV_CALL*)(const int*, const int*, const void*, const int*,
                                   const int*, const char*, const void*, void*, int*, int);
  auto xnf = reinterpret_cast<General>(kiv2_entry("_q19507@48"));
  auto xsf = reinterpret_cast<Symmetric>(kiv2_entry("_q30820@40"));
  auto xaf = reinterpret_cast<General>(kiv2_entry("_q19673@48"));
  auto xef = reinterpret_cast<Symmetric>(kiv2_entry("_q52022@40"));
  ASSERT_TRUE(xnf && xsf && xaf && xef);
  for (const char* body : {"_q36382@56", "_q65037@48", "_q74286@56", "_q19079@48"})
    EXPECT_NE(kiv2_entry(body), nullptr) << body;

  xnf("N", &n, &nnz, m.a.data(), m.irow.data(), m.icol.data(), "C", x.data(), y.data(),
      &ifail, 1, 1);
  EXPECT_EQ(ifail, 0);
  EXPECT_EQ(y, (std::vector<Complex>{{1, 1}, {2, 0}}));
  xsf(&n, &nnz, m.a.data(), m.irow.data(), m.icol.data(), "C", x.data(), y.data(), &ifail, 1);
  EXPECT_EQ(y, (std::vector<Complex>{{1, 3}, {2, 0}}));

  const std::vector<double> a{1.0, 2.0}, xr{1.0, 1.0};
  std::vector<double> yr(2);
  xaf("T", &n, &nnz, a.data(), m.irow.data(), m.icol.data(), "C", xr.data(), yr.data(), &ifail,
      1, 1);
  EXPECT_EQ(yr, (std::vector<double>{3.0, 0.0}));
  xef(&n, &nnz, a.data(), m.irow.data(), m.icol.data(), "C", xr.data(), yr.data(), &ifail, 1);
  EXPECT_EQ(yr, (std::vector<double>{3.0, 2.0}));

  ifail = 1;
  xaf("X", &n, &nnz, a.data(), m.irow.data(), m.icol.data(), "C", xr.data(), yr.data(), &ifail,
      1, 1);
  EXPECT_EQ(ifail, 1);
  EXPECT_EQ(yr, (std::vector<double>{kRealPoison, kRealPoison}));
  xsf(&n, &nnz, m.a.data(), m.irow.data(), m.icol.data(), "Z", x.data(), y.data(), &ifail, 1);
  EXPECT_EQ(y[1], Complex(kRealPoison, kRealPoison));
}

}  // namespace
