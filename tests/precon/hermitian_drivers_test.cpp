// The one-call Hermitian drivers F11JQF and F11JSF: CG and SYMMLQ with
// every preconditioner on positive-definite and indefinite matrices,
// judged by the true residual; the argument failures, the diagonal checks,
// a factor corrupted between F11JNF and F11JQF, and the outcomes of the
// iteration from constructed cases.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <functional>

#include "frame/constants.hpp"
#include "hermitian.hpp"
#include "support/random.hpp"

extern "C" void zheev_(const char* jobz, const char* uplo, const int* n, std::complex<double>* a,
                       const int* lda, double* w, std::complex<double>* work, const int* lwork,
                       double* rwork, int* info, std::size_t, std::size_t);

namespace prec {
namespace {

using kivtest::report;

struct Result {
  int ifail = 0, nits = -1;
  double resnrm = -1.0;
  std::string lines;
};

long long lwork_for(const char* method, long long n) {
  return (std::strncmp(method, "CG", 2) == 0 ? 6 : 7) * n + 120;
}

// The incomplete Cholesky factor of F11JNF with everything it returns.
struct Ic {
  int n = 0, nnz = 0, la = 0;
  std::vector<Complex> a;
  std::vector<int> irow, icol, ipiv, istr;
  int ifail = 0;
};

Ic factorise(const Coo<Complex>& m, int lfill) {
  Ic f;
  f.n = m.n;
  f.nnz = m.nnz();
  f.la = 3 * f.nnz + 20 * m.n;
  f.a.assign(f.la, 0.0);
  f.irow.assign(f.la, 0);
  f.icol.assign(f.la, 0);
  std::copy(m.a.begin(), m.a.end(), f.a.begin());
  std::copy(m.irow.begin(), m.irow.end(), f.irow.begin());
  std::copy(m.icol.begin(), m.icol.end(), f.icol.begin());
  f.ipiv.assign(m.n, 0);
  f.istr.assign(m.n + 1, 0);
  std::vector<int> iwork(2 * f.la - 3 * f.nnz + 7 * m.n + 1);
  int nnzfac = 0, npvmod = 0;
  char rec[KIV2_RECORD_LEN + 1];
  f.ifail = 1;
  F11JNF(f.n, f.nnz, f.a.data(), f.la, f.irow.data(), f.icol.data(), lfill, 0.0, "N", 0.0, "M",
         f.ipiv.data(), f.istr.data(), &nnzfac, &npvmod, iwork.data(),
         static_cast<int>(iwork.size()), rec, &f.ifail, 1, 1, KIV2_RECORD_LEN);
  return f;
}

Result jqf(Ic& f, const char* method, const std::vector<Complex>& b, std::vector<Complex>& x,
           double tol, int maxitn, int lwork = 0) {
  if (lwork == 0) lwork = static_cast<int>(lwork_for(method, f.n));
  std::vector<Complex> work(std::clamp(lwork, 1, 1 << 20));
  Result r;
  const auto rep = report([&](char* rec, int* ifail) {
    return F11JQF(method, f.n, f.nnz, f.a.data(), f.la, f.irow.data(), f.icol.data(),
                  f.ipiv.data(), f.istr.data(), b.data(), tol, maxitn, x.data(), &r.resnrm,
                  &r.nits, work.data(), lwork, rec, ifail,
                  static_cast<int>(std::strlen(method)), KIV2_RECORD_LEN);
  });
  r.ifail = rep.ifail;
  r.lines = rep.lines;
  return r;
}

Result jsf(const Coo<Complex>& m, const char* method, char precon, double omega,
           const std::vector<Complex>& b, std::vector<Complex>& x, double tol, int maxitn,
           std::vector<double>* dinv = nullptr, int lwork = 0) {
  if (lwork == 0) lwork = static_cast<int>(lwork_for(method, m.n));
  std::vector<Complex> work(std::clamp(lwork, 1, 1 << 20));
  std::vector<double> own(m.n, -7.0);
  std::vector<double>& d = dinv ? *dinv : own;
  std::vector<int> iwork(m.n + 1);
  Result r;
  const char p[2] = {precon, 0};
  const auto rep = report([&](char* rec, int* ifail) {
    return F11JSF(method, p, m.n, m.nnz(), m.a.data(), m.irow.data(), m.icol.data(), omega,
                  b.data(), tol, maxitn, x.data(), &r.resnrm, &r.nits, d.data(), work.data(),
                  lwork, iwork.data(), rec, ifail, static_cast<int>(std::strlen(method)), 1,
                  KIV2_RECORD_LEN);
  });
  r.ifail = rep.ifail;
  r.lines = rep.lines;
  return r;
}

// ||b - A x||_inf against TOL (||b|| + ||A|| ||x||) with the full matrix,
// in the solvers' complex infinity norm (max |re| + |im|), and RESNRM is
// that residual's norm.
void expect_solved(const Coo<Complex>& m, const std::vector<Complex>& b,
                   const std::vector<Complex>& x, const Result& r, double tol) {
  ASSERT_EQ(r.ifail, 0) << r.lines;
  EXPECT_GT(r.nits, 0);
  auto abs1 = [](Complex v) { return std::abs(v.real()) + std::abs(v.imag()); };
  const std::vector<Complex> a = full(m);
  const int n = m.n;
  double res = 0.0, bn = 0.0, xn = 0.0, an = 0.0;
  for (int i = 0; i < n; ++i) {
    Complex s{};
    double row = 0.0;
    for (int j = 0; j < n; ++j) {
      s += a[i * n + j] * x[j];
      row += abs1(a[i * n + j]);
    }
    res = std::max(res, abs1(b[i] - s));
    bn = std::max(bn, abs1(b[i]));
    xn = std::max(xn, abs1(x[i]));
    an = std::max(an, row);
  }
  EXPECT_LE(res, 1.01 * tol * (bn + an * xn));
  EXPECT_NEAR(r.resnrm, res, 1e-6 * (bn + an * xn));
}

void solve_with_everything(const Coo<Complex>& m, const std::vector<const char*>& methods,
                           double tol, int maxitn) {
  const std::vector<Complex> b = kivtest::random<Complex>(m.n, 17);
  for (int lfill : {0, 2}) {
    Ic f = factorise(m, lfill);
    ASSERT_EQ(f.ifail, 0);
    for (const char* method : methods) {
      SCOPED_TRACE(std::string(method) + " IC(" + std::to_string(lfill) + ")");
      std::vector<Complex> x(m.n);
      expect_solved(m, b, x, jqf(f, method, b, x, tol, maxitn), tol);
    }
  }
  for (char precon : {'N', 'J', 'S'})
    for (const char* method : methods) {
      SCOPED_TRACE(std::string(method) + " PRECON " + precon);
      std::vector<Complex> x(m.n, Complex(0.5, -0.5));
      expect_solved(m, b, x, jsf(m, method, precon, 1.2, b, x, tol, maxitn), tol);
    }
}

TEST(HermitianDrivers, PositiveDefiniteByCgAndSymmlq) {
  solve_with_everything(random_hermitian(120, 4, 0.05, 3), {"CG", "symmlq "}, 1e-9, 2000);
}

TEST(HermitianDrivers, Bcsstk01) {
  // The real stiffness matrix as a Hermitian one: its lower triangle.
  const Coo<double> full_real = read_matrix_market(matrix_path("bcsstk01.mtx"));
  ASSERT_EQ(full_real.n, 48);
  Coo<Complex> m{full_real.n, {}, {}, {}};
  for (int k = 0; k < full_real.nnz(); ++k)
    if (full_real.icol[k] <= full_real.irow[k]) {
      m.a.push_back(full_real.a[k]);
      m.irow.push_back(full_real.irow[k]);
      m.icol.push_back(full_real.icol[k]);
    }
  solve_with_everything(m, {"CG", "SYMMLQ"}, 1e-8, 3000);
}

TEST(HermitianDrivers, IndefiniteBySymmlq) {
  // A positive diagonal (so Jacobi, SSOR and IC stay positive definite)
  // under off-diagonal entries large enough to make A indefinite.
  Coo<Complex> m = random_hermitian(100, 4, 0.1, 8);
  for (int k = 0; k < m.nnz(); ++k)
    if (m.irow[k] == m.icol[k]) m.a[k] *= 0.3;
  // Its eigenvalues (by LAPACK) have both signs.
  std::vector<Complex> dense = full(m), work(4 * m.n);
  std::vector<double> w(m.n), rwork(3 * m.n);
  const int lwork = 4 * m.n;
  int info = 0;
  zheev_("N", "L", &m.n, dense.data(), &m.n, w.data(), work.data(), &lwork, rwork.data(), &info,
         1, 1);
  ASSERT_EQ(info, 0);
  ASSERT_LT(w.front(), -0.1);
  ASSERT_GT(w.back(), 0.1);
  solve_with_everything(m, {"SYMMLQ"}, 1e-8, 5000);
}


// Argument failures: IFAIL and message, X untouched.
TEST(HermitianDrivers, ArgumentFailures) {
  const Coo<Complex> m = random_hermitian(6, 2, 1.0, 4);
  const int n = m.n;
  Ic f = factorise(m, 0);
  ASSERT_EQ(f.ifail, 0);
  const std::vector<Complex> b(n, 1.0), x0(n, Complex(0.5, 0.25));
  std::vector<Complex> x = x0;

  // LWORK: exactly the requirement works, one less does not.
  for (const char* method : {"CG", "SYMMLQ"}) {
    SCOPED_TRACE(method);
    const int need = static_cast<int>(lwork_for(method, n));
    x = x0;
    EXPECT_EQ(jqf(f, method, b, x, 1e-8, 100, need).ifail, 0);
    EXPECT_EQ(jsf(m, method, 'J', 1.0, b, x, 1e-8, 100, nullptr, need).ifail, 0);
    x = x0;
    const Result r = jqf(f, method, b, x, 1e-8, 100, need - 1);
    EXPECT_EQ(r.ifail, 1);
    EXPECT_EQ(r.lines, " ** On entry, LWORK is too small: LWORK =" + num(need - 1) +
                           ".\n    Minimum required value of LWORK =" + num(need) + ".\n");
    EXPECT_EQ(x, x0);
  }
  // An unknown METHOD with a WORK too short for V and the state block:
  // LWORK is reported before anything is written to WORK.
  EXPECT_EQ(jqf(f, "GMRES", b, x, 1e-8, 10, 5).lines,
            " ** On entry, LWORK is too small: LWORK =" + num(5) +
                ".\n    Minimum required value of LWORK =" + num(n + 120) + ".\n");

  // A requirement beyond the int range is too small for any LWORK, and is
  // refused before any array of that order is touched.
  {
    const int huge = 400000000;
    const Complex one(1.0);
    const int ij = 1, istr[2] = {2, 3};
    int ipiv = 1, iwork = 0;
    double dinv = 0.0, resnrm = -1.0;
    int nits = -1;
    Complex xs = 0.0, work = 0.0;
    const std::string lines = " ** On entry, LWORK is too small: LWORK =" + num(INT_MAX) +
                              ".\n    Minimum required value of LWORK =" + num(INT_MAX) + ".\n";
    const Complex factor[2] = {one, one};
    const int rows[2] = {1, 1};
    EXPECT_EQ(report([&](char* rec, int* ifail) {
                return F11JQF("CG", huge, 1, factor, 2, rows, rows, &ipiv, istr, &one, 1e-8, 10,
                              &xs, &resnrm, &nits, &work, INT_MAX, rec, ifail, 2,
                              KIV2_RECORD_LEN);
              }).lines,
              lines);
    EXPECT_EQ(report([&](char* rec, int* ifail) {
                return F11JSF("SYMMLQ", "S", huge, 1, &one, &ij, &ij, 1.0, &one, 1e-8, 10, &xs,
                              &resnrm, &nits, &dinv, &work, INT_MAX, &iwork, rec, ifail, 6, 1,
                              KIV2_RECORD_LEN);
              }).lines,
              lines);
  }

  struct Case {
    const char* method;
    double tol;
    int maxitn;
    std::string lines;
  };
  const std::vector<Case> cases = {
      {"GMRES", 1e-8, 10, " ** On entry, METHOD .ne. 'CG' or 'SYMMLQ': METHOD = 'GMRES'.\n"},
      {"CG", 1.0, 10, " ** On entry, TOL .ge. 1.0: TOL =  1.0000e+00.\n"},
      {" symmlq ", 1e-8, 0, " ** On entry, MAXITN .lt. 1: MAXITN =" + num(0) + ".\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines);
    x = x0;
    const Result r = jqf(f, c.method, b, x, c.tol, c.maxitn, 8 * n + 120);
    EXPECT_EQ(r.ifail, 1);
    EXPECT_EQ(r.lines, c.lines);
    EXPECT_EQ(x, x0);
  }
  // F11JSF prints TOL after a blank and checks PRECON and OMEGA.
  EXPECT_EQ(jsf(m, "CG", 'N', 0.0, b, x, 2.0, 10).lines,
            " ** On entry, TOL .ge. 1.0: TOL =   2.0000e+00.\n");
  EXPECT_EQ(jsf(m, "CG", 'X', 1.0, b, x, 1e-8, 10).lines,
            " ** On entry, PRECON .ne. 'N', 'J' or 'S': PRE  CON = 'X'.\n");
  EXPECT_EQ(jsf(m, "CG", 'S', 2.0, b, x, 1e-8, 10).lines,
            " ** On entry, OMEGA .le. 0.0 or OMEGA .ge. 2.0: OMEGA =   2.0000e+00.\n");
  EXPECT_EQ(jsf(m, "CG", 'J', 2.0, b, x, 1e-8, 10).ifail, 0);  // OMEGA ignored
  x = x0;
  Coo<Complex> upper = m;
  upper.icol[1] = upper.irow[1] + 1;
  EXPECT_EQ(jsf(upper, "CG", 'N', 1.0, b, x, 1e-8, 10).lines,
            " ** On entry, ICOL(I) .lt. 1 or ICOL(I) .gt. IROW(I):\n    I =" + num(2) +
                ", ICOL(I) =" + num(upper.icol[1]) + ", IROW(I) =" + num(upper.irow[1]) + ".\n");
  EXPECT_EQ(x, x0);

  // A, IROW, ICOL corrupted since F11JNF: IFAIL 2 with the suffix; LA.
  const std::string suffix =
      "\n    Check that A, IROW, ICOL, IPIV and ISTR have not been\n"
      "    corrupted between calls to F11JNF and F11JQF.\n";
  Ic bad = f;
  bad.irow[1] = bad.irow[0];
  bad.icol[1] = bad.icol[0];
  Result r = jqf(bad, "CG", b, x, 1e-8, 10);
  EXPECT_EQ(r.ifail, 2);
  EXPECT_EQ(r.lines, " ** On entry, the location (IROW(I), ICOL(I)) is a duplicate:\n    I =" +
                         num(2) + "." + suffix);
  bad = f;
  bad.irow[0] = n + 1;
  r = jqf(bad, "CG", b, x, 1e-8, 10);
  EXPECT_EQ(r.ifail, 2);
  EXPECT_EQ(r.lines, " ** On entry, IROW(I) .lt. 1 or IROW(I) .gt. N:\n    I = " + num(1) +
                         ", IROW(I) = " + num(n + 1) + ", N = " + num(n) + "." + suffix);
  // N and NNZ below 1 with an LA between 2 NNZ and NNZ: the sizes are
  // still reported (the run would otherwise take N = -100).
  bad = f;
  bad.n = -100;
  bad.nnz = -5;
  bad.la = -7;
  r = jqf(bad, "CG", b, x, 1e-8, 10, 200);
  EXPECT_EQ(r.ifail, 1);
  EXPECT_EQ(r.lines, " ** On entry, N .lt. 1: N =" + num(-100) + ".\n");
  bad = f;
  bad.la = 2 * f.nnz - 1;
  r = jqf(bad, "CG", b, x, 1e-8, 10);
  EXPECT_EQ(r.ifail, 1);
  EXPECT_EQ(r.lines, " ** On entry, LA .lt. 2*NNZ:\n    LA =" + num(2 * f.nnz - 1) + " NNZ =" +
                         num(f.nnz) + ".\n");
  EXPECT_EQ(x, x0);
}

// The factor corrupted since F11JNF fails at the first preconditioner
// request with IFAIL 3, whatever part was damaged.
TEST(HermitianDrivers, CorruptedFactor) {
  const Coo<Complex> m = random_hermitian(20, 3, 1.0, 12);
  const Ic f = factorise(m, 1);
  ASSERT_EQ(f.ifail, 0);
  const std::vector<Complex> b(m.n, 1.0);
  const std::vector<std::function<void(Ic&)>> damage = {
      [](Ic& g) { g.istr[5] += 1; },
      [](Ic& g) { g.istr[g.n] = g.la + 5; },
      [](Ic& g) { g.ipiv[3] = g.ipiv[4]; },
      [](Ic& g) { g.ipiv[0] = 0; },
      [](Ic& g) { g.icol[g.istr[7] - 1] = g.n + 3; },
      [](Ic& g) { g.irow[g.istr[2] - 1] = INT_MIN; },
  };
  for (std::size_t d = 0; d < damage.size(); ++d) {
    SCOPED_TRACE(d);
    Ic g = f;
    damage[d](g);
    std::vector<Complex> x(m.n);
    const Result r = jqf(g, "SYMMLQ", b, x, 1e-8, 100);
    EXPECT_EQ(r.ifail, 3);
    EXPECT_EQ(r.lines, " ** The SCS representation of the preconditioner is invalid.\n"
                       "    Check that A, IROW, ICOL, IPIV and ISTR have not been\n"
                       "    corrupted between calls to F11JNF and F11JQF.\n");
    EXPECT_EQ(r.nits, -1);
  }
}

// The diagonal checks of PRECON 'J' and 'S', and DINV.
TEST(HermitianDrivers, DiagonalChecks) {
  // [[2, .], [1 - i, 3]] with its diagonal entries varied.
  auto matrix = [](Complex d1) { return Coo<Complex>{2, {d1, {1.0, -1.0}, 3.0}, {1, 2, 2}, {1, 1, 2}}; };
  const std::vector<Complex> b{1.0, Complex(0.0, 1.0)};
  std::vector<Complex> x(2);
  std::vector<double> dinv(2, -7.0);
  Result r = jsf(matrix(2.0), "CG", 'J', 1.0, b, x, 1e-10, 20, &dinv);
  EXPECT_EQ(r.ifail, 0);
  EXPECT_EQ(dinv[0], 0.5);
  EXPECT_EQ(dinv[1], 1.0 / 3.0);
  for (Complex d : {Complex(2.0, 1.0), Complex(2.0, -1.0), Complex(2.0, 11 * kiv::kEps)}) {
    SCOPED_TRACE(d.imag());
    r = jsf(matrix(d), "CG", 'S', 1.0, b, x, 1e-10, 20);
    EXPECT_EQ(r.ifail, 9);
    EXPECT_EQ(r.lines, " ** The matrix A has a non-real diagonal entry in row" + num(1) + ".\n");
    // PRECON = 'N' does not look at the diagonal (A is then not Hermitian,
    // but the call does not fail on it): DINV stays as it was.
    dinv.assign(2, -7.0);
    r = jsf(matrix(d), "CG", 'N', 1.0, b, x, 1e-10, 20, &dinv);
    EXPECT_NE(r.ifail, 9);
    EXPECT_EQ(dinv, std::vector<double>(2, -7.0));
  }
  // An imaginary part of 10 eps passes and is ignored.
  r = jsf(matrix(Complex(2.0, 10 * kiv::kEps)), "CG", 'S', 1.0, b, x, 1e-10, 20, &dinv);
  EXPECT_EQ(r.ifail, 0);
  EXPECT_EQ(dinv[0], 0.5);
  r = jsf(matrix(Complex(0.0, 0.0)), "SYMMLQ", 'J', 1.0, b, x, 1e-10, 20);
  EXPECT_EQ(r.ifail, 3);
  EXPECT_EQ(r.lines, " ** The matrix A has a zero diagonal entry in row" + num(1) + ".\n");
  // Row 2 without its diagonal (row 1 has one).
  const Coo<Complex> nodiag{2, {2.0, {1.0, -1.0}}, {1, 2}, {1, 1}};
  r = jsf(nodiag, "CG", 'S', 1.0, b, x, 1e-10, 20);
  EXPECT_EQ(r.ifail, 3);
  EXPECT_EQ(r.lines, " ** The matrix A has no diagonal entry in row" + num(2) + ".\n");
  // Row 1 empty.
  const Coo<Complex> empty{2, {{1.0, -1.0}, 3.0}, {2, 2}, {1, 2}};
  r = jsf(empty, "CG", 'J', 1.0, b, x, 1e-10, 20);
  EXPECT_EQ(r.ifail, 3);
  EXPECT_EQ(r.lines, " ** The matrix A has no diagonal entry in row" + num(1) + ".\n");
}

// The iteration's outcomes from constructed cases; NITS and RESNRM are set
// only on success.
TEST(HermitianDrivers, IterationOutcomes) {
  const Coo<Complex> m = random_hermitian(60, 4, 0.01, 21);
  const std::vector<Complex> b = kivtest::random<Complex>(m.n, 2);
  std::vector<Complex> x(m.n);
  Ic f = factorise(m, 0);
  Result r = jqf(f, "CG", b, x, 1e-12, 2);
  EXPECT_EQ(r.ifail, 5);
  EXPECT_EQ(r.lines, " ** The solution has not converged after      2 iterations.\n");
  EXPECT_EQ(r.nits, -1);
  EXPECT_EQ(r.resnrm, -1.0);

  // diag(1, -1) with b = (1, 1): the first curvature (b, A b) is zero.
  const Coo<Complex> indefinite{2, {1.0, -1.0}, {1, 2}, {1, 2}};
  const std::vector<Complex> ones(2, 1.0);
  std::vector<Complex> x2(2);
  r = jsf(indefinite, "CG", 'N', 1.0, ones, x2, 1e-10, 20);
  EXPECT_EQ(r.ifail, 7);
  EXPECT_EQ(r.lines, " ** The matrix of the coefficients A appears not to be positive-definite.\n"
                     "    The computation cannot continue.\n");
  EXPECT_EQ(r.nits, -1);

  // A factor whose D has been made negative: (r, M^-1 r) < 0.
  for (int i = 1; i <= f.n; ++i) f.a[f.istr[i] - 2] = -f.a[f.istr[i] - 2];
  for (const char* method : {"CG", "SYMMLQ"}) {
    SCOPED_TRACE(method);
    x.assign(m.n, 0.0);
    r = jqf(f, method, b, x, 1e-10, 100);
    EXPECT_EQ(r.ifail, 6);
    EXPECT_EQ(r.lines, " ** The preconditioner appears not to be positive-definite.\n"
                       "    The computation cannot continue.\n");
  }
}

}  // namespace
}  // namespace prec
