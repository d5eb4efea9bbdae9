// kivhost solve: A x = b from Matrix Market files, by the library's
// reverse-communication Krylov solvers; kivhost answers the requests with
// the library's sparse products and, for --precon jacobi, the diagonal.
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstdlib>
#include <cstring>
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
    "  --method M    rgmres (default), cgs, bicgstab or tfqmr\n"
    "  --precon P    none (default) or jacobi\n"
    "  --tol T       stopping tolerance, 0 <= T < 1 (default 1e-8; 0 selects\n"
    "                the square root of the machine precision)\n"
    "  --maxitn N    largest number of iterations (default 10000)\n"
    "  --lfill K     level of fill of an incomplete factorisation (ilu, ic)\n"
    "  --dtol T      drop tolerance of an incomplete factorisation (ilu, ic)\n"
    "  --out FILE    write the solution x as a Matrix Market array\n"
    "  -h, --help    show this help and exit\n"
    "\n"
    "The iteration stops when ||b - Ax|| <= T (||b|| + ||A|| ||x||) in the\n"
    "infinity norm.  Progress (iteration, residual norm, elapsed time) goes to\n"
    "standard error; the summary goes to standard output.  Methods cg and symmlq\n"
    "and preconditioners ssor, ilu and ic are not available yet.\n"
    "\n"
    "Exit status: 0 converged, 1 the solver failed (its IFAIL and message are\n"
    "shown), 2 a usage error or an unreadable file.\n";

struct Options {
  std::string a_path, b_path, out_path;
  std::string method = "rgmres", precon = "none";
  double tol = 1e-8;
  int maxitn = 10000;
};

// The exported entries a solve uses, for one scalar type.
template <class T>
struct Entries;

template <>
struct Entries<double> {
  decltype(&F11BDF_HOST) setup = resolve<decltype(&F11BDF_HOST)>("_q95239@80");
  decltype(&F11BEF_HOST) iterate = resolve<decltype(&F11BEF_HOST)>("_q10821@28");
  decltype(&F11BFF_HOST) monitor = resolve<decltype(&F11BFF_HOST)>("_q27809@32");
  decltype(&F11XAF_HOST) product = resolve<decltype(&F11XAF_HOST)>("_q19673@48");
  decltype(&F11ZAF_HOST) sort = resolve<decltype(&F11ZAF_HOST)>("_q68381@48");
  static constexpr int kBlock = 100;  // the state block at the head of WORK
};

template <>
struct Entries<std::complex<double>> {
  decltype(&F11BRF_HOST) setup = resolve<decltype(&F11BRF_HOST)>("_q93030@80");
  decltype(&F11BSF_HOST) iterate = resolve<decltype(&F11BSF_HOST)>("_q32507@28");
  decltype(&F11BTF_HOST) monitor = resolve<decltype(&F11BTF_HOST)>("_q82576@32");
  decltype(&F11XNF_HOST) product = resolve<decltype(&F11XNF_HOST)>("_q19507@48");
  decltype(&F11ZNF_HOST) sort = resolve<decltype(&F11ZNF_HOST)>("_q79557@48");
  static constexpr int kBlock = 120;
};

double magnitude(double v) { return std::fabs(v); }
double magnitude(const std::complex<double>& v) { return std::abs(v); }
template <class T>
T from(const std::complex<double>& v) {
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
// infinity norm.
template <class T>
struct System {
  int n = 0, nnz = 0;
  std::vector<T> a, b;
  std::vector<int> irow, icol;
  std::vector<T> diag;
  double anorm = 0.0;
};

template <class T>
int solve(const Options& opt, const mm::Matrix& am, const mm::Matrix* bm) {
  Entries<T> lib;
  System<T> s;
  s.n = am.rows;
  // Stored triangles are mirrored: the library's product takes A whole.
  for (std::size_t k = 0; k < am.values.size(); ++k) {
    const int i = am.irow[k], j = am.icol[k];
    const std::complex<double> v = am.values[k];
    s.irow.push_back(i), s.icol.push_back(j), s.a.push_back(from<T>(v));
    if (i == j || am.symmetry == mm::Symmetry::general) continue;
    const std::complex<double> w = am.symmetry == mm::Symmetry::symmetric        ? v
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

  bool checked = false;
  auto product = [&](const char* trans, const T* x, T* y) {
    int ifail = 1;
    lib.product(trans, &s.n, &s.nnz, s.a.data(), s.irow.data(), s.icol.data(), checked ? "N" : "C",
                x, y, &ifail, 1, 1);
    checked = true;
    return ifail;
  };

  if (bm != nullptr) {
    for (const auto& v : bm->values) s.b.push_back(from<T>(v));
  } else {
    std::vector<T> ones(s.n, T(1));
    s.b.resize(s.n);
    if (product("N", ones.data(), s.b.data()) != 0) {
      std::fprintf(stderr, "kivhost solve: the library's product failed\n");
      return kExitFailed;
    }
  }
  const bool jacobi = opt.precon == "jacobi";
  if (jacobi)
    for (int i = 0; i < s.n; ++i)
      if (s.diag[i] == T(0))
        return usage_error(kName, opt.a_path + ": --precon jacobi needs a nonzero diagonal; A(" +
                                      std::to_string(i + 1) + "," + std::to_string(i + 1) +
                                      ") is zero");

  // Set-up, once to learn the workspace, once in the workspace.
  std::string method = opt.method;
  for (char& c : method) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const int m = method == "RGMRES"     ? std::min(30, s.n)
                : method == "BICGSTAB" ? std::min(2, s.n)
                                       : 1;
  const int iterm = 1, monit = 1;
  const double anorm = s.anorm, sigmax = 0.0;
  const char* precon = jacobi ? "P" : "N";
  const int method_len = static_cast<int>(method.size());
  int lwreq = 0, lwork = Entries<T>::kBlock, ifail = kQuietSoft;
  std::vector<T> work(lwork);
  std::string message;
  {
    MessageCapture capture;
    lib.setup(method.c_str(), precon, "I", "N", &iterm, &s.n, &m, &opt.tol, &opt.maxitn, &anorm,
              &sigmax, &monit, &lwreq, work.data(), &lwork, &ifail, method_len, 1, 1, 1);
    if (ifail == 0) {
      lwork = lwreq;
      work.assign(lwork, T(0));
      ifail = kQuietSoft;
      lib.setup(method.c_str(), precon, "I", "N", &iterm, &s.n, &m, &opt.tol, &opt.maxitn, &anorm,
                &sigmax, &monit, &lwreq, work.data(), &lwork, &ifail, method_len, 1, 1, 1);
    }
    message = capture.text();
  }
  if (ifail != 0) {
    std::fprintf(stderr, "kivhost solve: the set-up failed, IFAIL = %d: %s\n", ifail,
                 message.c_str());
    return kExitFailed;
  }

  // The reverse-communication loop.
  std::vector<T> u(s.n, T(0)), v = s.b;
  const std::vector<double> wgt(s.n, 1.0);
  int irevcm = 0, itn = 0;
  double lhs = 0.0, rhs = 0.0, an = 0.0, sg = 0.0;
  Progress progress;
  {
    MessageCapture capture;
    for (;;) {
      ifail = kQuietSoft;
      lib.iterate(&irevcm, u.data(), v.data(), wgt.data(), work.data(), &lwork, &ifail);
      if (irevcm == 4) break;
      if (irevcm == 1 || irevcm == -1) {
        if (product(irevcm == 1 ? "N" : "T", u.data(), v.data()) != 0) {
          progress.close();
          std::fprintf(stderr, "kivhost solve: the library's product failed\n");
          return kExitFailed;
        }
      } else if (irevcm == 2) {
        for (int i = 0; i < s.n; ++i) v[i] = u[i] / s.diag[i];
      } else if (irevcm == 3) {
        int mfail = 1;
        lib.monitor(&itn, &lhs, &rhs, &an, &sg, work.data(), &lwork, &mfail);
        if (mfail == 0) progress.show(itn, lhs, rhs, false);
      }
    }
    message = capture.text();
  }
  const double seconds = progress.elapsed();
  int mfail = 1;
  lib.monitor(&itn, &lhs, &rhs, &an, &sg, work.data(), &lwork, &mfail);
  if (mfail == 0) progress.show(itn, lhs, rhs, true);
  progress.close();

  // The residual, computed afresh from the final x.
  std::vector<T> ax(s.n);
  product("N", u.data(), ax.data());
  double rnorm = 0.0, bnorm = 0.0, xnorm = 0.0;
  for (int i = 0; i < s.n; ++i) {
    rnorm = std::fmax(rnorm, magnitude(s.b[i] - ax[i]));
    bnorm = std::fmax(bnorm, magnitude(s.b[i]));
    xnorm = std::fmax(xnorm, magnitude(u[i]));
  }
  const double scale = bnorm + s.anorm * xnorm;
  std::printf("matrix      %s: n = %d, %d entries held\n", opt.a_path.c_str(), s.n, s.nnz);
  std::printf("method      %s", method.c_str());
  if (method == "RGMRES") std::printf(" (restart %d)", m);
  if (method == "BICGSTAB") std::printf(" (l = %d)", m);
  std::printf("\nprecon      %s\n", opt.precon.c_str());
  std::printf("iterations  %d\n", itn);
  std::printf("residual    ||b - Ax|| = %.3e, relative %.3e (tolerance %.1e)\n", rnorm,
              scale > 0.0 ? rnorm / scale : 0.0, opt.tol);
  std::printf("time        %.3f s\n", seconds);
  std::printf("IFAIL       %d%s%s\n", ifail, message.empty() ? "" : ": ", message.c_str());

  if (!opt.out_path.empty()) {
    std::vector<std::complex<double>> x(u.begin(), u.end());
    try {
      mm::write_vector(opt.out_path, x, std::is_same_v<T, std::complex<double>>);
    } catch (const mm::Error& e) {
      std::fprintf(stderr, "kivhost solve: %s\n", e.what());
      return kExitFailed;
    }
  }
  return ifail == 0 ? EXIT_SUCCESS : kExitFailed;
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
      if (val == "cg" || val == "symmlq")
        return usage_error(kName, "method " + std::string(val) + " is not available yet");
      if (val != "rgmres" && val != "cgs" && val != "bicgstab" && val != "tfqmr")
        return usage_error(
            kName, "unknown method '" + std::string(val) + "' (rgmres, cgs, bicgstab or tfqmr)");
      opt.method = val;
    } else if (arg == "--precon") {
      if (val == "ssor" || val == "ilu" || val == "ic")
        return usage_error(kName, "preconditioner " + std::string(val) + " is not available yet");
      if (val != "none" && val != "jacobi")
        return usage_error(kName,
                           "unknown preconditioner '" + std::string(val) + "' (none or jacobi)");
      opt.precon = val;
    } else if (arg == "--tol") {
      if (!parse_double(kName, arg, value, 0.0, 1.0, opt.tol)) return kExitUsage;
    } else if (arg == "--maxitn") {
      if (!parse_int(kName, arg, value, 1, INT32_MAX, opt.maxitn)) return kExitUsage;
    } else if (arg == "--lfill" || arg == "--dtol") {
      // Both belong to the incomplete factorisations, none of which is here yet.
      return usage_error(
          kName, std::string(arg) + " applies to --precon ilu or ic, which are not available yet");
    } else if (arg == "--out") {
      opt.out_path = value;
    } else {
      return usage_error(kName, "unknown option '" + std::string(arg) + "'");
    }
  }
  if (files.empty()) return usage_error(kName, "missing the matrix file A.mtx");
  if (files.size() > 2) return usage_error(kName, "too many files: '" + files[2] + "'");
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
  return complex ? solve<std::complex<double>>(opt, a, bp) : solve<double>(opt, a, bp);
}

}  // namespace

KIVHOST_COMMAND("solve", "solve A x = b from Matrix Market files by a Krylov method", kHelp, run);

}  // namespace kivhost
