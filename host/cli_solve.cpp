// kivhost solve: A x = b from Matrix Market files.  The nonsymmetric
// methods go through the library's one-call drivers (incomplete LU, SSOR,
// Jacobi or none); CG and SYMMLQ run the library's reverse-communication
// solver, kivhost answering its requests with the library's products and
// preconditioner solves, so that the iteration can be shown as it goes.
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <climits>
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <string>
#include <type_traits>
#include <vector>

#include "cli.hpp"
#include "kiv2.h"
#include "mmio.hpp"
#include "tour.hpp"

namespace kivhost {
namespace {

constexpr const char* kName = "solve";

constexpr const char* kHelp =
    "Usage: kivhost solve A.mtx [b.mtx] [OPTION]...\n"
    "Solve A x = b by a preconditioned Krylov method of libkiv2.\n"
    "\n"
    "A is a square Matrix Market coordinate file: real, integer or complex;\n"
    "general, symmetric, skew-symmetric or hermitian.  b is an array or\n"
    "coordinate file of one column (default: A times a vector of ones).\n"
    "\n"
    "Options:\n"
    "  --method M    rgmres (default), cgs, bicgstab or tfqmr for any A;\n"
    "                cg or symmlq for a symmetric (real) or Hermitian (complex) A\n"
    "  --precon P    none (default), jacobi, ssor, ilu (nonsymmetric methods)\n"
    "                or ic (incomplete Cholesky, cg and symmlq)\n"
    "  --tol T       stopping tolerance, 0 <= T < 1 (default 1e-8; 0 selects\n"
    "                the square root of the machine precision)\n"
    "  --maxitn N    largest number of iterations (default 10000)\n"
    "  --lfill K     level of fill of the incomplete factorisation, K >= 0\n"
    "                (ilu, ic; default 0)\n"
    "  --dtol T      drop tolerance T >= 0 of the incomplete factorisation\n"
    "                instead of a level of fill (ilu, ic)\n"
    "  --omega W     SSOR relaxation parameter, 0 < W < 2 (ssor; default 1)\n"
    "  --out FILE    write the solution x as a Matrix Market array\n"
    "  -h, --help    show this help and exit\n"
    "\n"
    "The iteration stops when ||b - Ax|| <= T (||b|| + ||A|| ||x||) (infinity\n"
    "norm; the Hermitian drivers use their own norm).  CG and SYMMLQ on a real\n"
    "matrix run by reverse communication and show their progress (iteration,\n"
    "residual norm, elapsed time) on standard error; the nonsymmetric methods\n"
    "and CG and SYMMLQ on a complex Hermitian matrix run in one call of the\n"
    "library's drivers and show none.  The summary goes to standard output,\n"
    "with the residual computed afresh from x.\n"
    "\n"
    "Exit status: 0 converged, 1 the solver failed (its IFAIL and message are\n"
    "shown), 2 a usage error or an unreadable file.\n";

struct Options {
  std::string a_path, b_path, out_path;
  std::string method = "rgmres", precon = "none";
  double tol = 1e-8, dtol = 0.0, omega = 1.0;
  int maxitn = 10000, lfill = 0;
  bool lfill_given = false, dtol_given = false, omega_given = false;
  bool symmetric_method() const { return method == "cg" || method == "symmlq"; }
};

using Complex = std::complex<double>;

// The exported entries a solve uses, for one scalar type.
template <class T>
struct Entries;

template <>
struct Entries<double> {
  decltype(&F11XAF_HOST) product = resolve<decltype(&F11XAF_HOST)>("_q19673@48");
  decltype(&F11ZAF_HOST) sort = resolve<decltype(&F11ZAF_HOST)>("_q68381@48");
  decltype(&F11DAF_HOST) ilu = resolve<decltype(&F11DAF_HOST)>("_q85132@84");
  decltype(&F11DCF_HOST) ilu_driver = resolve<decltype(&F11DCF_HOST)>("_q87762@88");
  decltype(&F11DEF_HOST) driver = resolve<decltype(&F11DEF_HOST)>("_q54529@84");
  decltype(&F11GDF_HOST) setup = resolve<decltype(&F11GDF_HOST)>("_q70763@92");
  decltype(&F11GEF_HOST) iterate = resolve<decltype(&F11GEF_HOST)>("_q98114@28");
  decltype(&F11GFF_HOST) monitor = resolve<decltype(&F11GFF_HOST)>("_q39747@40");
  decltype(&F11XEF_HOST) sym_product = resolve<decltype(&F11XEF_HOST)>("_q52022@40");
  decltype(&F11JAF_HOST) ic = resolve<decltype(&F11JAF_HOST)>("_q99068@80");
  decltype(&F11JBF_HOST) ic_solve = resolve<decltype(&F11JBF_HOST)>("_q77786@48");
  decltype(&F11DDF_HOST) ssor = resolve<decltype(&F11DDF_HOST)>("_q87260@60");
  static constexpr int kBlock = 100;  // the nonsymmetric drivers' constant term
};

template <>
struct Entries<Complex> {
  decltype(&F11XNF_HOST) product = resolve<decltype(&F11XNF_HOST)>("_q19507@48");
  decltype(&F11ZNF_HOST) sort = resolve<decltype(&F11ZNF_HOST)>("_q79557@48");
  decltype(&F11DNF_HOST) ilu = resolve<decltype(&F11DNF_HOST)>("_q49142@84");
  decltype(&F11DQF_HOST) ilu_driver = resolve<decltype(&F11DQF_HOST)>("_q22790@88");
  decltype(&F11DSF_HOST) driver = resolve<decltype(&F11DSF_HOST)>("_q72961@84");
  decltype(&F11GRF_HOST) setup = resolve<decltype(&F11GRF_HOST)>("_q24675@92");
  decltype(&F11GSF_HOST) iterate = resolve<decltype(&F11GSF_HOST)>("_q89008@28");
  decltype(&F11GTF_HOST) monitor = resolve<decltype(&F11GTF_HOST)>("_q94429@40");
  decltype(&F11XSF_HOST) sym_product = resolve<decltype(&F11XSF_HOST)>("_q30820@40");
  decltype(&F11JNF_HOST) ic = resolve<decltype(&F11JNF_HOST)>("_q63420@80");
  decltype(&F11JPF_HOST) ic_solve = resolve<decltype(&F11JPF_HOST)>("_q43905@48");
  decltype(&F11JQF_HOST) ic_driver = resolve<decltype(&F11JQF_HOST)>("_q18583@76");
  decltype(&F11JSF_HOST) herm_driver = resolve<decltype(&F11JSF_HOST)>("_q48075@84");
  static constexpr int kBlock = 120;
};

double magnitude(double v) { return std::fabs(v); }
double magnitude(const Complex& v) { return std::abs(v); }
double conj(double v) { return v; }
Complex conj(const Complex& v) { return std::conj(v); }
template <class T>
T from(const Complex& v) {
  if constexpr (std::is_same_v<T, double>)
    return v.real();
  else
    return v;
}

// Progress on standard error: one line rewritten in place on a terminal, a
// line now and then otherwise.
class Progress {
 public:
  Progress() : tty_(isatty(STDERR_FILENO) != 0), start_(clock::now()) {}
  double elapsed() const { return std::chrono::duration<double>(clock::now() - start_).count(); }
  void show(int itn, double lhs, double rhs, bool last) {
    const double t = elapsed();
    if (!last && t - shown_ < (tty_ ? 0.1 : 1.0)) return;
    shown_ = t;
    std::fprintf(stderr, "%siteration %6d  residual %.3e  target %.3e  %8.3f s%s", tty_ ? "\r" : "",
                 itn, lhs, rhs, t, tty_ ? (last ? "\n" : "\x1b[K") : "\n");
    std::fflush(stderr);
    lines_ = !last;
  }
  // Ends a line left open on a terminal.
  void close() {
    if (tty_ && lines_) std::fputc('\n', stderr);
    lines_ = false;
  }

 private:
  using clock = std::chrono::steady_clock;
  bool tty_, lines_ = false;
  clock::time_point start_;
  double shown_ = -1.0;
};

// A in coordinate storage sorted by the library, with its diagonal and
// infinity norm; LOWER its lower triangle (symmetric coordinate storage).
template <class T>
struct System {
  int n = 0, nnz = 0;
  std::vector<T> a, b;
  std::vector<int> irow, icol;
  std::vector<T> diag;
  double anorm = 0.0;
  int lower_nnz = 0;
  std::vector<T> lower_a;
  std::vector<int> lower_irow, lower_icol;
};

// What a solve reports: iterations, the solver's IFAIL and message, the
// solution.
template <class T>
struct Outcome {
  int itn = 0, ifail = 0;
  std::string message;
  std::vector<T> x;
  double seconds = 0.0;
};

// The first (1-based) row whose diagonal is zero, or 0.
template <class T>
int zero_diagonal(const System<T>& s) {
  for (int i = 0; i < s.n; ++i)
    if (s.diag[i] == T(0)) return i + 1;
  return 0;
}

// True when A equals its conjugate transpose, entry by entry.
template <class T>
bool hermitian(const System<T>& s) {
  std::vector<int> by_col(s.nnz);
  std::iota(by_col.begin(), by_col.end(), 0);
  std::sort(by_col.begin(), by_col.end(), [&s](int p, int q) {
    return s.icol[p] != s.icol[q] ? s.icol[p] < s.icol[q] : s.irow[p] < s.irow[q];
  });
  for (int k = 0; k < s.nnz; ++k) {
    const int t = by_col[k];
    if (s.irow[k] != s.icol[t] || s.icol[k] != s.irow[t] || s.a[k] != conj(s.a[t])) return false;
  }
  return true;
}

// Nonsymmetric methods through the one-call drivers.
template <class T>
int solve_nonsymmetric(const Options& opt, Entries<T>& lib, const System<T>& s,
                       const std::string& method, int m, Outcome<T>& out) {
  const long long n = s.n;
  // The drivers' LWORK (the complex constant one more for RGMRES), and N
  // more for a diagonal preconditioner of F11DEF/F11DSF.
  long long lwork = method == "RGMRES"     ? m * (m + n + 5) + 4 * n + Entries<T>::kBlock + 1
                    : method == "CGS"      ? 8 * n + Entries<T>::kBlock
                    : method == "BICGSTAB" ? m * (m + 2) + 2 * n * (m + 3) + Entries<T>::kBlock
                                           : 11 * n + Entries<T>::kBlock;
  if (opt.precon != "ilu") lwork += n;
  if (lwork > INT_MAX) {
    std::fprintf(stderr, "kivhost solve: the workspace for n = %d does not fit an int\n", s.n);
    return kExitFailed;
  }
  const int lw = static_cast<int>(lwork);
  std::vector<T> work(lw);
  out.x.assign(s.n, T(0));
  double resnrm = 0.0;
  const int method_len = static_cast<int>(method.size());
  MessageCapture capture;
  Progress clock;
  if (opt.precon == "ilu") {
    // The factor behind A, LA doubled while it does not fit.
    const int lfill = opt.dtol_given ? -1 : opt.lfill;
    long long la = 3LL * s.nnz * (std::max(lfill, 0) + 1) + n;
    for (;;) {
      if (la > INT_MAX) la = INT_MAX;
      const int la_int = static_cast<int>(la), liwork = 7 * s.n + 2;
      std::vector<T> a(la_int);
      std::vector<int> irow(la_int), icol(la_int), ipivp(s.n), ipivq(s.n), istr(s.n + 1),
          idiag(s.n), iwork(liwork);
      std::copy(s.a.begin(), s.a.end(), a.begin());
      std::copy(s.irow.begin(), s.irow.end(), irow.begin());
      std::copy(s.icol.begin(), s.icol.end(), icol.begin());
      int nnzfac = 0, npvmod = 0;
      out.ifail = kQuietSoft;
      lib.ilu(&s.n, &s.nnz, a.data(), &la_int, irow.data(), icol.data(), &lfill, &opt.dtol,
              "N", "N", ipivp.data(), ipivq.data(), istr.data(), idiag.data(), &nnzfac, &npvmod,
              iwork.data(), &liwork, &out.ifail, 1, 1);
      if (out.ifail == 4 && la < INT_MAX) {
        la *= 2;
        capture.clear();
        continue;
      }
      if (out.ifail != 0) {
        std::fprintf(stderr, "kivhost solve: the incomplete LU factorisation failed, IFAIL = %d: %s\n",
                     out.ifail, capture.text().c_str());
        return kExitFailed;
      }
      out.ifail = kQuietSoft;
      lib.ilu_driver(method.c_str(), &s.n, &s.nnz, a.data(), &la_int, irow.data(),
                     icol.data(), ipivp.data(), ipivq.data(), istr.data(), idiag.data(),
                     s.b.data(), &m, &opt.tol, &opt.maxitn, out.x.data(), &resnrm,
                     &out.itn, work.data(), &lw, &out.ifail, method_len);
      break;
    }
  } else {
    const char* precon = opt.precon == "jacobi" ? "J" : opt.precon == "ssor" ? "S" : "N";
    std::vector<int> iwork(2 * n + 1);
    out.ifail = kQuietSoft;
    lib.driver(method.c_str(), precon, &s.n, &s.nnz, s.a.data(), s.irow.data(), s.icol.data(),
               &opt.omega, s.b.data(), &m, &opt.tol, &opt.maxitn, out.x.data(), &resnrm,
               &out.itn, work.data(), &lw, iwork.data(), &out.ifail, method_len, 1);
  }
  out.seconds = clock.elapsed();
  out.message = capture.text();
  return 0;
}

// An incomplete Cholesky factor behind the lower triangle of A, LA doubled
// while it does not fit.
template <class T>
struct Factor {
  int la = 0;
  std::vector<T> a;
  std::vector<int> irow, icol, ipiv, istr;
};

template <class T>
bool incomplete_cholesky(const Options& opt, Entries<T>& lib, const System<T>& s, Factor<T>& f,
                         Outcome<T>& out) {
  const int n = s.n, nnz = s.lower_nnz;
  const int lfill = opt.dtol_given ? -1 : opt.lfill;
  const double dshift = 0.0;
  long long la = 2LL * nnz * (std::max(lfill, 0) + 2) + n;
  MessageCapture capture;
  for (;;) {
    la = std::min<long long>(la, INT_MAX / 2);
    f.la = static_cast<int>(la);
    const long long liwork =
        (lfill >= 0 ? 2LL * f.la - 3LL * nnz : 1LL * f.la - nnz) + 7LL * n + 1;
    if (liwork > INT_MAX) break;
    const int liw = static_cast<int>(liwork);
    f.a.assign(f.la, T(0));
    f.irow.assign(f.la, 0);
    f.icol.assign(f.la, 0);
    f.ipiv.assign(n, 0);
    f.istr.assign(n + 1, 0);
    std::vector<int> iwork(liw);
    std::copy(s.lower_a.begin(), s.lower_a.end(), f.a.begin());
    std::copy(s.lower_irow.begin(), s.lower_irow.end(), f.irow.begin());
    std::copy(s.lower_icol.begin(), s.lower_icol.end(), f.icol.begin());
    int nnzfac = 0, npvmod = 0;
    out.ifail = kQuietSoft;
    lib.ic(&n, &nnz, f.a.data(), &f.la, f.irow.data(), f.icol.data(), &lfill, &opt.dtol, "N",
           &dshift, "N", f.ipiv.data(), f.istr.data(), &nnzfac, &npvmod, iwork.data(), &liw,
           &out.ifail, 1, 1);
    if (out.ifail == 4 && la < INT_MAX / 2) {
      la *= 2;
      capture.clear();
      continue;
    }
    if (out.ifail == 0) return true;
    break;
  }
  std::fprintf(stderr, "kivhost solve: the incomplete Cholesky factorisation failed, IFAIL = %d: %s\n",
               out.ifail, capture.text().c_str());
  return false;
}

// CG and SYMMLQ by reverse communication on the lower triangle of a real
// symmetric matrix.
int solve_symmetric(const Options& opt, Entries<double>& lib, const System<double>& s,
                    const std::string& method, Outcome<double>& out) {
  using T = double;
  const int n = s.n, nnz = s.lower_nnz;
  // The preconditioner: the diagonal, the SSOR sweeps or an incomplete
  // Cholesky factor behind the lower triangle.
  std::vector<double> dinv;
  std::vector<int> iwork;
  Factor<T> ic;
  if (opt.precon == "jacobi" || opt.precon == "ssor") {
    dinv.resize(n);
    for (int i = 0; i < n; ++i) dinv[i] = 1.0 / std::real(s.diag[i]);
    iwork.resize(2 * n + 1);
  } else if (opt.precon == "ic") {
    if (!incomplete_cholesky(opt, lib, s, ic, out)) return kExitFailed;
  }
  const bool precon = opt.precon != "none";
  auto apply = [&](T* u, T* v) {
    int ifail = 1;
    if (opt.precon == "jacobi") {
      for (int i = 0; i < n; ++i) v[i] = u[i] * dinv[i];
      ifail = 0;
    } else if (opt.precon == "ic") {
      lib.ic_solve(&n, ic.a.data(), &ic.la, ic.irow.data(), ic.icol.data(), ic.ipiv.data(),
                   ic.istr.data(), "N", u, v, &ifail, 1);
    } else {
      // SSOR of the whole matrix: with A symmetric, M is too.
      lib.ssor("N", &n, &s.nnz, s.a.data(), s.irow.data(), s.icol.data(), dinv.data(),
               &opt.omega, "N", u, v, iwork.data(), &ifail, 1, 1);
    }
    return ifail;
  };

  const int method_len = static_cast<int>(method.size());
  const int iterm = 1, monit = 1;
  const double sigmax = 0.0, sigtol = 0.0;
  int lwreq = 0, lwork = 120, ifail = kQuietSoft;
  std::vector<T> work(lwork);
  std::string message;
  {
    MessageCapture capture;
    lib.setup(method.c_str(), precon ? "P" : "N", "N", "I", "N", &iterm, &n, &opt.tol,
              &opt.maxitn, &s.anorm, &sigmax, &sigtol, &opt.maxitn, &monit, &lwreq, work.data(),
              &lwork, &ifail, method_len, 1, 1, 1, 1);
    if (ifail == 0) {
      lwork = lwreq;
      work.assign(lwork, T(0));
      ifail = kQuietSoft;
      lib.setup(method.c_str(), precon ? "P" : "N", "N", "I", "N", &iterm, &n, &opt.tol,
                &opt.maxitn, &s.anorm, &sigmax, &sigtol, &opt.maxitn, &monit, &lwreq,
                work.data(), &lwork, &ifail, method_len, 1, 1, 1, 1);
    }
    message = capture.text();
  }
  if (ifail != 0) {
    std::fprintf(stderr, "kivhost solve: the set-up failed, IFAIL = %d: %s\n", ifail,
                 message.c_str());
    return kExitFailed;
  }

  out.x.assign(n, T(0));
  std::vector<T> v = s.b;
  const std::vector<double> wgt(n, 1.0);
  int irevcm = 0, its = 0;
  double lhs = 0.0, rhs = 0.0, an = 0.0, sg = 0.0, sigerr = 0.0;
  Progress progress;
  {
    MessageCapture capture;
    for (;;) {
      out.ifail = kQuietSoft;
      lib.iterate(&irevcm, out.x.data(), v.data(), wgt.data(), work.data(), &lwork,
                  &out.ifail);
      if (irevcm == 4) break;
      int rfail = 0;
      if (irevcm == 1 || irevcm == -1) {
        rfail = 1;
        lib.sym_product(&n, &nnz, s.lower_a.data(), s.lower_irow.data(), s.lower_icol.data(),
                        "N", out.x.data(), v.data(), &rfail, 1);
      } else if (irevcm == 2) {
        rfail = precon ? apply(out.x.data(), v.data()) : 1;
      } else if (irevcm == 3) {
        int mfail = 1;
        lib.monitor(&out.itn, &lhs, &rhs, &an, &sg, &its, &sigerr, work.data(), &lwork, &mfail);
        if (mfail == 0) progress.show(out.itn, lhs, rhs, false);
      }
      if (rfail != 0) irevcm = 6;  // stop at once: the request could not be answered
    }
    out.message = capture.text();
  }
  out.seconds = progress.elapsed();
  int mfail = 1;
  lib.monitor(&out.itn, &lhs, &rhs, &an, &sg, &its, &sigerr, work.data(), &lwork, &mfail);
  if (mfail == 0) progress.show(out.itn, lhs, rhs, true);
  progress.close();
  return 0;
}

// CG and SYMMLQ on a Hermitian matrix through the one-call drivers: with
// the incomplete Cholesky factor, or with SSOR, Jacobi or none.
int solve_hermitian(const Options& opt, Entries<Complex>& lib, const System<Complex>& s,
                    const std::string& method, Outcome<Complex>& out) {
  const int n = s.n, nnz = s.lower_nnz;
  const long long lwork = (method == "CG" ? 6LL : 7LL) * n + 120;
  if (lwork > INT_MAX) {
    std::fprintf(stderr, "kivhost solve: the workspace for n = %d does not fit an int\n", n);
    return kExitFailed;
  }
  const int lw = static_cast<int>(lwork), method_len = static_cast<int>(method.size());
  std::vector<Complex> work(lw);
  out.x.assign(n, Complex(0));
  double resnrm = 0.0;
  Factor<Complex> ic;
  if (opt.precon == "ic" && !incomplete_cholesky(opt, lib, s, ic, out)) return kExitFailed;
  MessageCapture capture;
  Progress clock;
  out.ifail = kQuietSoft;
  if (opt.precon == "ic") {
    lib.ic_driver(method.c_str(), &n, &nnz, ic.a.data(), &ic.la, ic.irow.data(), ic.icol.data(),
                  ic.ipiv.data(), ic.istr.data(), s.b.data(), &opt.tol, &opt.maxitn,
                  out.x.data(), &resnrm, &out.itn, work.data(), &lw, &out.ifail, method_len);
  } else {
    const char* precon = opt.precon == "jacobi" ? "J" : opt.precon == "ssor" ? "S" : "N";
    std::vector<double> dinv(n);
    std::vector<int> iwork(n + 1);
    lib.herm_driver(method.c_str(), precon, &n, &nnz, s.lower_a.data(), s.lower_irow.data(),
                    s.lower_icol.data(), &opt.omega, s.b.data(), &opt.tol, &opt.maxitn,
                    out.x.data(), &resnrm, &out.itn, dinv.data(), work.data(), &lw, iwork.data(),
                    &out.ifail, method_len, 1);
  }
  out.seconds = clock.elapsed();
  out.message = capture.text();
  return 0;
}

template <class T>
int solve(const Options& opt, const mm::Matrix& am, const mm::Matrix* bm) {
  Entries<T> lib;
  System<T> s;
  s.n = am.rows;
  // Stored triangles are mirrored: the products of the nonsymmetric
  // methods take A whole.
  for (std::size_t k = 0; k < am.values.size(); ++k) {
    const int i = am.irow[k], j = am.icol[k];
    const Complex v = am.values[k];
    s.irow.push_back(i), s.icol.push_back(j), s.a.push_back(from<T>(v));
    if (i == j || am.symmetry == mm::Symmetry::general) continue;
    const Complex w = am.symmetry == mm::Symmetry::symmetric        ? v
                      : am.symmetry == mm::Symmetry::skew_symmetric ? -v
                                                                    : std::conj(v);
    s.irow.push_back(j), s.icol.push_back(i), s.a.push_back(from<T>(w));
  }
  if (s.a.size() > static_cast<std::size_t>(INT32_MAX))
    return usage_error(kName, opt.a_path + ": too many entries once the triangle is mirrored");
  s.nnz = static_cast<int>(s.a.size());
  if (s.nnz == 0) return usage_error(kName, opt.a_path + ": the matrix has no entries");
  {
    std::vector<int> istr(s.n + 1), iwork(s.n);
    int ifail = 1;
    lib.sort(&s.n, &s.nnz, s.a.data(), s.irow.data(), s.icol.data(), "F", "K", istr.data(),
             iwork.data(), &ifail, 1, 1);
    if (ifail != 0) {
      std::fprintf(stderr, "kivhost solve: the library could not sort A (IFAIL = %d)\n", ifail);
      return kExitFailed;
    }
  }
  std::vector<double> rowsum(s.n, 0.0);
  s.diag.assign(s.n, T(0));
  for (int k = 0; k < s.nnz; ++k) {
    rowsum[s.irow[k] - 1] += magnitude(s.a[k]);
    if (s.irow[k] == s.icol[k]) s.diag[s.irow[k] - 1] = s.a[k];
  }
  for (double r : rowsum) s.anorm = std::fmax(s.anorm, r);

  auto product = [&](const T* x, T* y) {
    int ifail = 1;
    lib.product("N", &s.n, &s.nnz, s.a.data(), s.irow.data(), s.icol.data(), "N", x, y, &ifail,
                1, 1);
    return ifail;
  };
  if (bm != nullptr) {
    for (const auto& v : bm->values) s.b.push_back(from<T>(v));
  } else {
    std::vector<T> ones(s.n, T(1));
    s.b.resize(s.n);
    if (product(ones.data(), s.b.data()) != 0) {
      std::fprintf(stderr, "kivhost solve: the library's product failed\n");
      return kExitFailed;
    }
  }

  const bool symmetric = opt.symmetric_method();
  if (symmetric) {
    if (!hermitian(s))
      return usage_error(kName, opt.a_path + ": --method " + opt.method + " needs a " +
                                    (std::is_same_v<T, double> ? "symmetric" : "Hermitian") +
                                    " matrix; A is not");
    for (int k = 0; k < s.nnz; ++k)
      if (s.icol[k] <= s.irow[k]) {
        s.lower_a.push_back(s.a[k]);
        s.lower_irow.push_back(s.irow[k]);
        s.lower_icol.push_back(s.icol[k]);
      }
    s.lower_nnz = static_cast<int>(s.lower_a.size());
  }
  if (opt.precon == "jacobi" || opt.precon == "ssor")
    if (const int i = zero_diagonal(s); i != 0)
      return usage_error(kName, opt.a_path + ": --precon " + opt.precon +
                                    " needs a nonzero diagonal; A(" + std::to_string(i) + "," +
                                    std::to_string(i) + ") is zero");

  std::string method = opt.method;
  for (char& c : method) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const int m = method == "RGMRES"     ? std::min(30, s.n)
                : method == "BICGSTAB" ? std::min(2, s.n)
                                       : 1;
  Outcome<T> out;
  int status;
  if (!symmetric) status = solve_nonsymmetric(opt, lib, s, method, m, out);
  else if constexpr (std::is_same_v<T, Complex>) status = solve_hermitian(opt, lib, s, method, out);
  else status = solve_symmetric(opt, lib, s, method, out);
  if (status != 0) return status;

  // The residual, computed afresh from the final x.
  std::vector<T> ax(s.n);
  product(out.x.data(), ax.data());
  double rnorm = 0.0, bnorm = 0.0, xnorm = 0.0;
  for (int i = 0; i < s.n; ++i) {
    rnorm = std::fmax(rnorm, magnitude(s.b[i] - ax[i]));
    bnorm = std::fmax(bnorm, magnitude(s.b[i]));
    xnorm = std::fmax(xnorm, magnitude(out.x[i]));
  }
  const double scale = bnorm + s.anorm * xnorm;
  std::printf("matrix      %s: n = %d, %d entries held\n", opt.a_path.c_str(), s.n,
              symmetric ? s.lower_nnz : s.nnz);
  std::printf("method      %s", method.c_str());
  if (method == "RGMRES") std::printf(" (restart %d)", m);
  if (method == "BICGSTAB") std::printf(" (l = %d)", m);
  std::printf("\nprecon      %s", opt.precon.c_str());
  if (opt.precon == "ilu" || opt.precon == "ic") {
    if (opt.dtol_given) std::printf(" (drop tolerance %g)", opt.dtol);
    else std::printf(" (level of fill %d)", opt.lfill);
  }
  if (opt.precon == "ssor") std::printf(" (omega %g)", opt.omega);
  std::printf("\niterations  %d\n", out.itn);
  std::printf("residual    ||b - Ax|| = %.3e, relative %.3e (tolerance %.1e)\n", rnorm,
              scale > 0.0 ? rnorm / scale : 0.0, opt.tol);
  std::printf("time        %.3f s\n", out.seconds);
  std::printf("IFAIL       %d%s%s\n", out.ifail, out.message.empty() ? "" : ": ",
              out.message.c_str());

  if (!opt.out_path.empty()) {
    std::vector<Complex> x(out.x.begin(), out.x.end());
    try {
      mm::write_vector(opt.out_path, x, std::is_same_v<T, Complex>);
    } catch (const mm::Error& e) {
      std::fprintf(stderr, "kivhost solve: %s\n", e.what());
      return kExitFailed;
    }
  }
  return out.ifail == 0 ? EXIT_SUCCESS : kExitFailed;
}

// Option combinations the methods cannot take: a usage message, or "".
std::string conflict(const Options& opt) {
  const bool factor = opt.precon == "ilu" || opt.precon == "ic";
  if (opt.precon == "ic" && !opt.symmetric_method())
    return "--precon ic needs --method cg or symmlq";
  if (opt.precon == "ilu" && opt.symmetric_method())
    return "--precon ilu needs a nonsymmetric method (rgmres, cgs, bicgstab or tfqmr); "
           "cg and symmlq take ic";
  if (opt.lfill_given && !factor) return "--lfill applies to --precon ilu or ic";
  if (opt.dtol_given && !factor) return "--dtol applies to --precon ilu or ic";
  if (opt.lfill_given && opt.dtol_given) return "give --lfill or --dtol, not both";
  if (opt.omega_given && opt.precon != "ssor") return "--omega applies to --precon ssor";
  return "";
}

int run(int argc, char** argv) {
  Options opt;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg.size() < 2 || arg[0] != '-') {
      files.emplace_back(arg);
      continue;
    }
    if (i + 1 >= argc) return usage_error(kName, "option '" + std::string(arg) + "' needs a value");
    const char* value = argv[++i];
    const std::string_view val = value;
    if (arg == "--method") {
      if (val != "rgmres" && val != "cgs" && val != "bicgstab" && val != "tfqmr" && val != "cg" &&
          val != "symmlq")
        return usage_error(kName, "unknown method '" + std::string(val) +
                                      "' (rgmres, cgs, bicgstab, tfqmr, cg or symmlq)");
      opt.method = val;
    } else if (arg == "--precon") {
      if (val != "none" && val != "jacobi" && val != "ssor" && val != "ilu" && val != "ic")
        return usage_error(kName, "unknown preconditioner '" + std::string(val) +
                                      "' (none, jacobi, ssor, ilu or ic)");
      opt.precon = val;
    } else if (arg == "--tol") {
      if (!parse_double(kName, arg, value, 0.0, 1.0, opt.tol)) return kExitUsage;
    } else if (arg == "--maxitn") {
      if (!parse_int(kName, arg, value, 1, INT32_MAX, opt.maxitn)) return kExitUsage;
    } else if (arg == "--lfill") {
      if (!parse_int(kName, arg, value, 0, INT32_MAX, opt.lfill)) return kExitUsage;
      opt.lfill_given = true;
    } else if (arg == "--dtol") {
      if (!parse_double(kName, arg, value, 0.0, HUGE_VAL, opt.dtol)) return kExitUsage;
      opt.dtol_given = true;
    } else if (arg == "--omega") {
      if (!parse_double(kName, arg, value, 0.0, 2.0, opt.omega)) return kExitUsage;
      if (opt.omega == 0.0)
        return usage_error(kName, "--omega needs a number in (0, 2), not '" + std::string(val) + "'");
      opt.omega_given = true;
    } else if (arg == "--out") {
      opt.out_path = value;
    } else {
      return usage_error(kName, "unknown option '" + std::string(arg) + "'");
    }
  }
  if (files.empty()) return usage_error(kName, "missing the matrix file A.mtx");
  if (files.size() > 2) return usage_error(kName, "too many files: '" + files[2] + "'");
  if (const std::string c = conflict(opt); !c.empty()) return usage_error(kName, c);
  opt.a_path = files[0];
  if (files.size() == 2) opt.b_path = files[1];

  mm::Matrix a, b;
  try {
    a = mm::read(opt.a_path);
    if (!opt.b_path.empty()) b = mm::read(opt.b_path);
  } catch (const mm::Error& e) {
    std::fprintf(stderr, "kivhost solve: %s\n", e.what());
    return kExitUsage;
  }
  if (!a.coordinate)
    return usage_error(kName, opt.a_path + ": A must be a coordinate (sparse) file");
  if (a.rows != a.cols)
    return usage_error(kName, opt.a_path + ": A is " + std::to_string(a.rows) + " x " +
                                  std::to_string(a.cols) + ", not square");
  if (!opt.b_path.empty()) {
    if (b.cols != 1 || b.rows != a.rows)
      return usage_error(kName, opt.b_path + ": b is " + std::to_string(b.rows) + " x " +
                                    std::to_string(b.cols) + "; A needs " + std::to_string(a.rows) +
                                    " x 1");
    b.values = mm::dense_vector(b, opt.b_path);
  }
  const bool complex = a.complex || (!opt.b_path.empty() && b.complex);
  const mm::Matrix* bp = opt.b_path.empty() ? nullptr : &b;
  return complex ? solve<Complex>(opt, a, bp) : solve<double>(opt, a, bp);
}

}  // namespace

KIVHOST_COMMAND("solve", "solve A x = b from Matrix Market files by a Krylov method", kHelp, run);

}  // namespace kivhost
