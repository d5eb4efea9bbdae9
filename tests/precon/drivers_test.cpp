// The one-call drivers: every method with every preconditioner on
// convection-diffusion, a complex shifted Laplacian and sherman1 (with its
// right-hand side), judged by the true residual; each IFAIL of the mapping
// from a constructed case.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>

#include "precon.hpp"
#include "support/random.hpp"

namespace prec {
namespace {

using kivtest::report;

struct Method {
  const char* name;
  int m;
};
const Method kMethods[] = {{"RGMRES", 20}, {"CGS", 0}, {"BICGSTAB", 2}, {"TFQMR", 0}};

// The step-2 workspace formula of the drivers, BLOCK the solver's state.
long long lwork_for(const Method& me, long long n, int block) {
  const long long m = me.m;
  switch (me.name[0]) {
    case 'R': return m * (m + n + 5) + 4 * n + block + 1;
    case 'C': return 8 * n + block;
    case 'B': return m * (m + 2) + 2 * n * (m + 3) + block;
    default: return 11 * n + block;
  }
}

struct Result {
  int ifail = 0, nits = -1;
  double resnrm = -1.0;
};

// F11DCF/F11DQF on a factor.
template <class T>
Result ilu_solve(const Ilu<T>& f, const Method& me, const std::vector<T>& b, std::vector<T>& x,
                 double tol, int maxitn, int lwork = 0, std::string* lines = nullptr) {
  const int block = kComplex<T> ? 120 : 100;
  if (lwork == 0) lwork = static_cast<int>(lwork_for(me, f.n, block));
  // A failure case may claim more than it has: the call must refuse it
  // before touching WORK.
  std::vector<T> work(std::clamp(lwork, 1, 1 << 20));
  Result r;
  auto& g = const_cast<Ilu<T>&>(f);
  const auto fn = [] {
    if constexpr (kComplex<T>) return &F11DQF; else return &F11DCF;
  }();
  const auto rep = report([&](char* rec, int* ifail) {
    return fn(me.name, f.n, f.nnz, f.a.data(), f.la, f.irow.data(), f.icol.data(),
              g.ipivp.data(), g.ipivq.data(), f.istr.data(), f.idiag.data(), b.data(), me.m, tol,
              maxitn, x.data(), &r.resnrm, &r.nits, work.data(), lwork, rec, ifail,
              static_cast<int>(std::strlen(me.name)), KIV2_RECORD_LEN);
  });
  r.ifail = rep.ifail;
  if (lines) *lines = rep.lines;
  return r;
}

// F11DEF/F11DSF.
template <class T>
Result plain_solve(const Coo<T>& m, const Method& me, char precon, double omega,
                   const std::vector<T>& b, std::vector<T>& x, double tol, int maxitn,
                   int lwork = 0, std::string* lines = nullptr) {
  const int block = kComplex<T> ? 120 : 100;
  if (lwork == 0) lwork = static_cast<int>(lwork_for(me, m.n, block) + (precon == 'N' ? 0 : m.n));
  std::vector<T> work(std::max(lwork, 1));
  std::vector<int> iwork(2 * m.n + 1);
  Result r;
  const auto fn = [] {
    if constexpr (kComplex<T>) return &F11DSF; else return &F11DEF;
  }();
  const char p[2] = {precon, 0};
  const auto rep = report([&](char* rec, int* ifail) {
    return fn(me.name, p, m.n, m.nnz(), m.a.data(), m.irow.data(), m.icol.data(), omega,
              b.data(), me.m, tol, maxitn, x.data(), &r.resnrm, &r.nits, work.data(), lwork,
              iwork.data(), rec, ifail, static_cast<int>(std::strlen(me.name)), 1,
              KIV2_RECORD_LEN);
  });
  r.ifail = rep.ifail;
  if (lines) *lines = rep.lines;
  return r;
}

// ||b - A x||_inf against TOL (||b|| + ||A|| ||x||), and RESNRM is that
// residual.
template <class T>
void expect_solved(const Coo<T>& m, const std::vector<T>& b, const std::vector<T>& x,
                   const Result& r, double tol) {
  ASSERT_EQ(r.ifail, 0);
  EXPECT_GT(r.nits, 0);
  std::vector<T> ax(m.n);
  std::vector<double> rows(m.n);
  for (int k = 0; k < m.nnz(); ++k) {
    ax[m.irow[k] - 1] += m.a[k] * x[m.icol[k] - 1];
    rows[m.irow[k] - 1] += std::abs(m.a[k]);
  }
  double res = 0.0, bn = 0.0, xn = 0.0, an = 0.0;
  for (int i = 0; i < m.n; ++i) {
    res = std::max(res, std::abs(b[i] - ax[i]));
    bn = std::max(bn, std::abs(b[i]));
    xn = std::max(xn, std::abs(x[i]));
    an = std::max(an, rows[i]);
  }
  EXPECT_LE(res, 1.01 * tol * (bn + an * xn));
  EXPECT_NEAR(r.resnrm, res, 1e-6 * (bn + an * xn));
}

template <class T>
void solve_everything(const Coo<T>& m, const std::vector<T>& b, double tol, int maxitn,
                      const std::string& precons) {
  for (int lfill : {0, 1}) {
    const Ilu<T> f = factorise(m, lfill, 0.0, 'N', 'N', 3 * m.nnz() + 10 * m.n);
    ASSERT_EQ(f.ifail, 0);
    for (const Method& me : kMethods) {
      SCOPED_TRACE(std::string(me.name) + " ILU(" + std::to_string(lfill) + ")");
      std::vector<T> x(m.n);
      const Result r = ilu_solve(f, me, b, x, tol, maxitn);
      expect_solved(m, b, x, r, tol);
    }
  }
  for (char precon : precons)
    for (const Method& me : kMethods) {
      SCOPED_TRACE(std::string(me.name) + " PRECON " + precon);
      std::vector<T> x(m.n);
      const Result r = plain_solve(m, me, precon, 1.3, b, x, tol, maxitn);
      expect_solved(m, b, x, r, tol);
    }
}

TEST(Drivers, ConvectionDiffusion) {
  const Coo<double> m = from_csr(krylovtest::convection_diffusion<double>(16, 0.8));
  solve_everything(m, kivtest::random<double>(m.n, 4), 1e-8, 1000, "NJS");
}

TEST(Drivers, ComplexShiftedLaplacian) {
  const Coo<Complex> m =
      from_csr(krylovtest::convection_diffusion<Complex>(14, 0.0, Complex(-0.3, 0.4)));
  solve_everything(m, kivtest::random<Complex>(m.n, 6), 1e-8, 1000, "NJS");
}

TEST(Drivers, Sherman1WithItsRightHandSide) {
  const Coo<double> m = read_matrix_market(matrix_path("sherman1.mtx"));
  const std::vector<double> b = read_vector(matrix_path("sherman1_rhs1.mtx"));
  ASSERT_EQ(m.n, 1000);
  ASSERT_EQ(b.size(), 1000u);
  // Every preconditioner; unpreconditioned RGMRES(20) stagnates on it.
  solve_everything(m, b, 1e-8, 3000, "JS");
}

// Argument failures: IFAIL and message, X untouched.
TEST(Drivers, ArgumentFailures) {
  const Coo<double> m = from_csr(krylovtest::convection_diffusion<double>(4, 0.5));
  const Ilu<double> f = factorise(m, 0, 0.0, 'N', 'N');
  ASSERT_EQ(f.ifail, 0);
  const std::vector<double> b(m.n, 1.0);
  const int n = m.n;
  auto num = [](long v) { char s[20]; std::snprintf(s, sizeof s, "%16ld", v); return std::string(s); };
  std::string lines;
  std::vector<double> x(n, 0.5);

  // LWORK: exactly the requirement works, one less does not.
  const Method gm{"RGMRES", 5};
  const int need = static_cast<int>(lwork_for(gm, n, 100));
  EXPECT_EQ(ilu_solve(f, gm, b, x, 1e-8, 100, need).ifail, 0);
  x.assign(n, 0.5);
  EXPECT_EQ(ilu_solve(f, gm, b, x, 1e-8, 100, need - 1, &lines).ifail, 1);
  EXPECT_EQ(lines, " ** On entry, LWORK is too small: LWORK =" + num(need - 1) +
                       ".\n    Minimum required value of LWORK =" + num(need) + ".\n");
  EXPECT_EQ(x, std::vector<double>(n, 0.5));
  // A requirement beyond the int range is too small for any LWORK.
  EXPECT_EQ(ilu_solve(f, Method{"RGMRES", 50000}, b, x, 1e-8, 100, INT_MAX, &lines).ifail, 1);
  EXPECT_NE(lines.find("Minimum required value of LWORK =      2147483647."), std::string::npos);

  struct Case {
    Method me;
    double tol;
    int maxitn;
    int ifail;
    std::string lines;
  };
  const std::vector<Case> cases = {
      {{"GMRES", 5}, 1e-8, 10, 1,
       " ** On entry, METHOD .ne. 'RGMRES', 'CGS', or '  BICGSTAB':\n    METHOD = 'GMRES'.\n"},
      {{"RGMRES", 0}, 1e-8, 10, 1,
       " ** On entry, M .lt. 1 or M .gt. MIN (N,50):\n    M =" + num(0) + " N =" + num(n) + ".\n"},
      {{"BICGSTAB", 11}, 1e-8, 10, 1,
       " ** On entry, M .lt. 1 or M .gt. MIN (N,10):\n    M =" + num(11) + " N =" + num(n) + ".\n"},
      {{"CGS", 0}, 1.0, 10, 1, " ** On entry, TOL .ge. 1.0: TOL =  1.0000e+00.\n"},
      {{" cgs  ", 0}, 1e-8, 0, 1, " ** On entry, MAXITN .lt. 1: MAXITN =" + num(0) + ".\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines);
    x.assign(n, 0.5);
    EXPECT_EQ(ilu_solve(f, c.me, b, x, c.tol, c.maxitn, 0, &lines).ifail, c.ifail);
    EXPECT_EQ(lines, c.lines);
    EXPECT_EQ(x, std::vector<double>(n, 0.5));
  }
  // An unknown METHOD or a bad M with a WORK too short for the driver's own
  // vectors: LWORK is reported before anything is written to WORK.
  for (const Method& me : {Method{"GMRES", 5}, Method{"BICGSTAB", -10}}) {
    x.assign(n, 0.5);
    EXPECT_EQ(ilu_solve(f, me, b, x, 1e-8, 10, 1, &lines).ifail, 1);
    EXPECT_EQ(lines, " ** On entry, LWORK is too small: LWORK =" + num(1) +
                         ".\n    Minimum required value of LWORK =" + num(n + 100) + ".\n");
  }
  // F11DEF prints TOL after a blank and checks PRECON and OMEGA.
  EXPECT_EQ(plain_solve(m, Method{"CGS", 0}, 'N', 0.0, b, x, 2.0, 10, 0, &lines).ifail, 1);
  EXPECT_EQ(lines, " ** On entry, TOL .ge. 1.0: TOL =   2.0000e+00.\n");
  EXPECT_EQ(plain_solve(m, Method{"CGS", 0}, 'X', 1.0, b, x, 1e-8, 10, 0, &lines).ifail, 1);
  EXPECT_EQ(lines, " ** On entry, PRECON .ne. 'N', 'J' or 'S': PRE  CON = 'X'.\n");
  EXPECT_EQ(plain_solve(m, Method{"CGS", 0}, 'S', 2.0, b, x, 1e-8, 10, 0, &lines).ifail, 1);
  EXPECT_EQ(lines, " ** On entry, OMEGA .le. 0.0 or OMEGA .ge. 2.0: OMEGA =   2.0000e+00.\n");
  // PRECON = 'N' needs N less and ignores a zero diagonal.
  Coo<double> zero = m;
  for (int k = 0; k < zero.nnz(); ++k)
    if (zero.irow[k] == 3 && zero.icol[k] == 3) zero.a[k] = 0.0;
  const Method cgs{"CGS", 0};
  x.assign(n, 0.0);
  EXPECT_EQ(plain_solve(zero, cgs, 'N', 1.0, b, x, 1e-8, 200, static_cast<int>(lwork_for(cgs, n, 100))).ifail, 0);
  EXPECT_EQ(plain_solve(zero, cgs, 'J', 1.0, b, x, 1e-8, 200, 0, &lines).ifail, 3);
  EXPECT_EQ(lines, " ** The matrix A has a zero diagonal entry in row               3.\n");
  EXPECT_EQ(plain_solve(m, cgs, 'J', 1.0, b, x, 1e-8, 200, static_cast<int>(lwork_for(cgs, n, 100)), &lines).ifail, 1);

  // Storage: sizes IFAIL 1, entries IFAIL 2 with the factor suffix.
  Ilu<double> bad = f;
  std::swap(bad.icol[1], bad.icol[2]);
  x.assign(n, 0.0);
  EXPECT_EQ(ilu_solve(bad, cgs, b, x, 1e-8, 10, 0, &lines).ifail, 2);
  EXPECT_EQ(lines, " ** On entry, A(I) is out of order:\n    I =" + num(3) +
                       ".\n    Check that A, IROW, ICOL, IPIVP, IPIVQ, ISTR and IDIAG\n"
                       "    have not been corrupted between calls to F11DAF and F11DCF.\n");
  bad = f;
  bad.la = 2 * f.nnz - 1;
  EXPECT_EQ(ilu_solve(bad, cgs, b, x, 1e-8, 10, 0, &lines).ifail, 1);
  EXPECT_EQ(lines, " ** On entry, LA .lt. 2*NNZ:\n    LA =" + num(2 * f.nnz - 1) + " NNZ =" +
                       num(f.nnz) + ".\n");
  // N and NNZ below 1 with an LA between 2 NNZ and NNZ: the sizes are
  // still reported (the run would otherwise take N = -100).
  bad = f;
  bad.n = -100;
  bad.nnz = -5;
  bad.la = -7;
  EXPECT_EQ(ilu_solve(bad, cgs, b, x, 1e-8, 10, 200, &lines).ifail, 1);
  EXPECT_EQ(lines, " ** On entry, N .lt. 1: N =" + num(-100) + ".\n");
  // Arrays shorter than NNZ: LA is reported, no entry beyond LA is read
  // (a bad index just past LA would otherwise be named).
  bad = f;
  bad.la = f.nnz - 1;
  bad.irow[f.nnz - 1] = 0;
  EXPECT_EQ(ilu_solve(bad, cgs, b, x, 1e-8, 10, 0, &lines).ifail, 1);
  EXPECT_EQ(lines, " ** On entry, LA .lt. 2*NNZ:\n    LA =" + num(f.nnz - 1) + " NNZ =" +
                       num(f.nnz) + ".\n");
}

// The iteration's outcomes: a corrupted factor (noticed at the first
// preconditioner solve), the accuracy limit, no convergence and breakdown.
TEST(Drivers, IterationFailuresMapToTheirIfail) {
  const Coo<double> m = from_csr(krylovtest::convection_diffusion<double>(20, 1.0));
  const std::vector<double> b(m.n, 1.0);
  std::string lines;
  std::vector<double> x(m.n);

  Ilu<double> f = factorise(m, 0, 0.0, 'N', 'N');
  f.idiag[7] += 1;
  const Result r3 = ilu_solve(f, Method{"BICGSTAB", 1}, b, x, 1e-8, 100, 0, &lines);
  EXPECT_EQ(r3.ifail, 3);
  EXPECT_EQ(lines, " ** The CS representation of the preconditioner is invalid.\n"
                   "    Check that A, IROW, ICOL, IPIVP, IPIVQ, ISTR and IDIAG\n"
                   "    have not been corrupted between calls to F11DAF and F11DCF.\n");

  x.assign(m.n, 0.0);
  const Result r4 = plain_solve(m, Method{"TFQMR", 0}, 'N', 1.0, b, x, 1e-10, 1000, 0, &lines);
  EXPECT_EQ(r4.ifail, 4);
  EXPECT_EQ(lines, " ** The required accuracy could not be obtained.\n"
                   "    However a reasonable accuracy may have been achieved.\n");
  EXPECT_GT(r4.nits, 0);

  x.assign(m.n, 0.0);
  const Result r5 = plain_solve(m, Method{"CGS", 0}, 'J', 1.0, b, x, 1e-10, 3, 0, &lines);
  EXPECT_EQ(r5.ifail, 5);
  EXPECT_EQ(lines, " ** The solution has not converged after      3 iterations.\n");
  EXPECT_EQ(r5.nits, 3);
  EXPECT_GT(r5.resnrm, 0.0);

  // [0 1; 1 0] with b = e1: breakdown at the first step.
  const Coo<double> swap{2, {1.0, 1.0}, {1, 2}, {2, 1}};
  const std::vector<double> e1{1.0, 0.0};
  std::vector<double> x2(2);
  const Result r6 = plain_solve(swap, Method{"CGS", 0}, 'N', 1.0, e1, x2, 1e-8, 10, 0, &lines);
  EXPECT_EQ(r6.ifail, 6);
  EXPECT_EQ(lines, " ** Algorithmic breakdown. A solution is returned, although\n"
                   "    it is possible that it is completely inaccurate.\n");
}

}  // namespace
}  // namespace prec
