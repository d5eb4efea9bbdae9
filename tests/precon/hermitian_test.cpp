// The Hermitian SSOR solve (F11JRF) against its dense definition, and its
// failures, unchecked storage included.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>

#include "hermitian.hpp"
#include "support/random.hpp"

namespace prec {
namespace {

using kivtest::report;

std::vector<double> real_reciprocal_diagonal(const Coo<Complex>& s) {
  std::vector<double> d(s.n);
  for (int k = 0; k < s.nnz(); ++k)
    if (s.irow[k] == s.icol[k]) d[s.irow[k] - 1] = 1.0 / s.a[k].real();
  return d;
}

int jrf_call(const Coo<Complex>& m, const std::vector<double>& dinv, double omega,
             const char* check, const std::vector<Complex>& y, std::vector<Complex>& x,
             char* rec, int* ifail, int nnz = -1) {
  std::vector<int> iwork(m.n + 1);
  return F11JRF(m.n, nnz < 0 ? m.nnz() : nnz, m.a.data(), m.irow.data(), m.icol.data(),
                dinv.data(), omega, check, y.data(), x.data(), iwork.data(), rec, ifail, 1,
                KIV2_RECORD_LEN);
}

TEST(HermitianSsor, SolvesItsDefinition) {
  const Coo<Complex> m = random_hermitian(25, 3, 0.5, 5);
  const int n = m.n;
  const std::vector<Complex> a = full(m), y = kivtest::random<Complex>(n, 9);
  const std::vector<double> dinv = real_reciprocal_diagonal(m);
  for (double omega : {0.3, 1.0, 1.7}) {
    SCOPED_TRACE(omega);
    // (D + wL) D^-1 (D + wL^H) / (w(2-w)) from the full matrix: the upper
    // triangle holds the conjugates.
    std::vector<Complex> mm(n * n);
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j)
        for (int k = 0; k <= std::min(i, j); ++k) {
          const Complex l = k == i ? a[i * n + i] : omega * a[i * n + k];
          const Complex u = k == j ? a[j * n + j] : omega * a[k * n + j];
          mm[i * n + j] += l * u / a[k * n + k] / (omega * (2.0 - omega));
        }
    std::vector<Complex> checked(n), unchecked(n);
    char rec[KIV2_RECORD_LEN + 1];
    int ifail = 1;
    jrf_call(m, dinv, omega, "C", y, checked, rec, &ifail);
    ASSERT_EQ(ifail, 0);
    jrf_call(m, dinv, omega, "n", y, unchecked, rec, &ifail);
    ASSERT_EQ(ifail, 0);
    EXPECT_EQ(checked, unchecked);
    for (int i = 0; i < n; ++i) {
      Complex s{};
      for (int j = 0; j < n; ++j) s += mm[i * n + j] * checked[j];
      ASSERT_LE(std::abs(s - y[i]), 1e-12 * (1.0 + std::abs(y[i]))) << i;
    }
  }
}

// Every failure with its message; X is poisoned wherever the solve started.
TEST(HermitianSsor, Failures) {
  // [[4, .], [1+i, 5, .], [0, 2i, 6]] in SCS.
  const Coo<Complex> good{3,
                          {4.0, {1.0, 1.0}, 5.0, {0.0, 2.0}, 6.0},
                          {1, 2, 2, 3, 3},
                          {1, 1, 2, 2, 3}};
  const std::vector<double> dinv{0.25, 0.2, 1.0 / 6.0};
  const std::vector<Complex> y{1.0, 2.0, 3.0};
  struct Case {
    const char* what;
    Coo<Complex> m;
    double omega;
    const char* check;
    int nnz;
    int ifail;
    std::string lines;
  };
  auto with = [&](auto edit) {
    Coo<Complex> m = good;
    edit(m);
    return m;
  };
  const std::vector<Case> cases = {
      {"check letter", good, 1.0, "X", -1, 1, " ** On entry, CHECK .ne. 'C' or 'N': CHECK = 'X'.\n"},
      {"N", with([](Coo<Complex>& m) { m.n = 0; }), 1.0, "C", -1, 2,
       " ** On entry, N .lt. 1: N =" + num(0) + ".\n"},
      {"NNZ", good, 1.0, "C", 0, 2, " ** On entry, NNZ .lt. 1: NNZ =" + num(0) + ".\n"},
      {"NNZ large", with([](Coo<Complex>& m) { m.n = 2; }), 1.0, "C", 4, 2,
       " ** On entry, NNZ .gt. N*(N+1)/2:\n    NNZ =" + num(4) + " N =" + num(2) + ".\n"},
      {"OMEGA", good, 0.0, "C", -1, 2,
       " ** On entry, OMEGA .le. 0.0 or OMEGA .ge. 2.0: OMEGA =   0.0000e+00.\n"},
      {"row", with([](Coo<Complex>& m) { m.irow[4] = 4; }), 1.0, "C", -1, 3,
       " ** On entry, IROW(I) .lt. 1 or IROW(I) .gt. N:\n    I = " + num(5) +
           ", IROW(I) = " + num(4) + ", N = " + num(3) + ".\n"},
      {"upper", with([](Coo<Complex>& m) { m.icol[3] = 3, m.icol[4] = 4; }), 1.0, "C", -1, 3,
       " ** On entry, ICOL(I) .lt. 1 or ICOL(I) .gt. IROW(I):\n    I =" + num(5) +
           ", ICOL(I) =" + num(4) + ", IROW(I) =" + num(3) + ".\n"},
      {"order", with([](Coo<Complex>& m) { std::swap(m.icol[3], m.icol[4]); }), 1.0, "C", -1, 3,
       " ** On entry, A(I) is out of order:\n    I =" + num(5) + ".\n"},
      {"duplicate", with([](Coo<Complex>& m) { m.icol[4] = 2; }), 1.0, "C", -1, 3,
       " ** On entry, the location (IROW(I), ICOL(I)) is a duplicate:\n    I =" + num(5) + ".\n"},
      {"row 3 without its diagonal",
       with([](Coo<Complex>& m) { m.icol[3] = 1, m.icol[4] = 2; }), 1.0, "C", -1, 4,
       " ** The matrix A has no diagonal entry in row" + num(3) + ".\n"},
      // Unchecked storage: indices are still kept within 1..N, and an empty
      // row has no last entry to take as its diagonal.
      {"unchecked row", with([](Coo<Complex>& m) { m.irow[1] = INT_MIN; }), 1.0, "N", -1, 3,
       " ** On entry, IROW(I) .lt. 1 or IROW(I) .gt. N:\n    I = " + num(2) + ", IROW(I) = " +
           num(INT_MIN) + ", N = " + num(3) + ".\n"},
      {"unchecked column", with([](Coo<Complex>& m) { m.icol[3] = 4; }), 1.0, "N", -1, 3,
       " ** On entry, ICOL(I) .lt. 1 or ICOL(I) .gt. IROW(I):\n    I =" + num(4) +
           ", ICOL(I) =" + num(4) + ", IROW(I) =" + num(3) + ".\n"},
      {"unchecked empty row", with([](Coo<Complex>& m) { m.irow[1] = m.irow[2] = 3; }), 1.0,
       "N", -1, 4, " ** The matrix A has no diagonal entry in row" + num(2) + ".\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<Complex> x(3, 7.0);
    const auto rep = report([&](char* rec, int* ifail) {
      return jrf_call(c.m, dinv, c.omega, c.check, y, x, rec, ifail, c.nnz);
    });
    EXPECT_EQ(rep.ifail, c.ifail);
    EXPECT_EQ(rep.lines, c.lines);
  }
}

// CHECK = 'N' reads neither OMEGA nor which entry is the diagonal: the
// last entry of each row is taken as it.
TEST(HermitianSsor, UncheckedIgnoresOmegaAndTheDiagonals) {
  const Coo<Complex> m{2, {3.0, {1.0, -1.0}}, {1, 2}, {1, 1}};
  const std::vector<double> dinv{1.0 / 3.0, 2.0};
  const std::vector<Complex> y{1.0, {0.0, 1.0}};
  std::vector<Complex> x(2);
  char rec[KIV2_RECORD_LEN + 1];
  int ifail = 1;
  jrf_call(m, dinv, 1.0, "C", y, x, rec, &ifail);
  EXPECT_EQ(ifail, 4);
  ifail = 1;
  jrf_call(m, dinv, 2.5, "N", y, x, rec, &ifail);
  EXPECT_EQ(ifail, 0);
  // Row 2's only entry (1-i) is its "diagonal": x = w(2-w) y D^-1 scaled
  // back: x1 = s y1 / 3 * 3 / 3, x2 = s y2 * 2 * (1-i) * 2 with s = w(2-w).
  const double s = 2.5 * (2.0 - 2.5);
  EXPECT_NEAR(std::abs(x[0] - s / 3.0), 0.0, 1e-15);
  EXPECT_NEAR(std::abs(x[1] - s * Complex(0.0, 1.0) * 4.0 * Complex(1.0, -1.0)), 0.0, 1e-14);
}

}  // namespace
}  // namespace prec
