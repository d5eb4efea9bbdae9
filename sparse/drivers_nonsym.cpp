// One-call solvers of nonsymmetric sparse systems: F11DCF, F11DQF (with an
// incomplete LU factor computed beforehand) and F11DEF, F11DSF (no, Jacobi
// or SSOR preconditioning), real and complex, one template over the
// scalar.  They run the reverse-communication loop of the landed solvers,
// answering each request with a sparse product or a preconditioner solve.
#include <algorithm>
#include <climits>
#include <complex>
#include <cstring>

#include "frame/constants.hpp"
#include "sparse/driver_loop.hpp"
#include "sparse/krylov.hpp"

namespace kiv::precon {
namespace {

// The messages every driver shares, in this order; the ILU drivers append
// LA and the invalid-factor message, the others PRECON, OMEGA and the
// diagonal messages.  S follows each entry message of the ILU drivers.
#define KIV_DRIVER_MESSAGES(S, TOL, IREVCM_ROUTINE, ...)                                       \
  Messages {                                                                                   \
    kNSmall, kNnzSmall, kNnzLarge,                                                             \
        " ** On entry, IROW(I) .lt. 1 or IROW(I) .gt. N:\n"                                    \
        "    I = %16ld, IROW(I) = %16ld, N = %16ld." S,                                        \
        " ** On entry, ICOL(I) .lt. 1 or ICOL(I) .gt. N:\n"                                    \
        "    I = %16ld, ICOL(I) = %16ld, N = %16ld." S,                                        \
        " ** On entry, A(I) is out of order:\n    I =%16ld." S,                                \
        " ** On entry, the location (IROW(I), ICOL(I)) is a duplicate:\n    I =%16ld." S,      \
        " ** On entry, LWORK is too small: LWORK =%16ld.\n"                                    \
        "    Minimum required value of LWORK =%16ld.",                                         \
        " ** On entry, METHOD .ne. 'RGMRES', 'CGS', or '  BICGSTAB':\n    METHOD = '%s'.",     \
        " ** On entry, M .lt. 1 or M .gt. MIN (N,%2ld):\n    M =%16ld N =%16ld.", TOL,         \
        " ** On entry, MAXITN .lt. 1: MAXITN =%16ld.",                                         \
        " ** The required accuracy could not be obtained.\n"                                   \
        "    However a reasonable accuracy may have been achieved.",                           \
        " ** The solution has not converged after%7ld iterations.",                            \
        " ** Algorithmic breakdown. A solution is returned, although\n"                        \
        "    it is possible that it is completely inaccurate.",                                \
        " ** A serious error has occurred in an internal call to %6s: IFAIL =%6ld\n"           \
        "    Check all subroutine calls and array sizes. Seek expert help.",                   \
        " ** A serious error has occurred in an internal call to " IREVCM_ROUTINE              \
        ": IREVCM =%6ld\n"                                                                     \
        "    Check all subroutine calls and array sizes. Seek expert help.",                   \
        __VA_ARGS__                                                                            \
  }
#define KIV_ILU_SUFFIX(PAIR)                                    \
  "\n    Check that A, IROW, ICOL, IPIVP, IPIVQ, ISTR and IDIAG\n" \
  "    have not been corrupted between calls to " PAIR "."
#define KIV_ILU_DRIVER_MESSAGES(PAIR, IREVCM_ROUTINE)                                          \
  KIV_DRIVER_MESSAGES(KIV_ILU_SUFFIX(PAIR), " ** On entry, TOL .ge. 1.0: TOL =%12.4e.",        \
                      IREVCM_ROUTINE, " ** On entry, LA .lt. 2*NNZ:\n    LA =%16ld NNZ =%16ld.", \
                      " ** The CS representation of the preconditioner is invalid."            \
                          KIV_ILU_SUFFIX(PAIR))
#define KIV_PLAIN_DRIVER_MESSAGES(IREVCM_ROUTINE)                                              \
  KIV_DRIVER_MESSAGES("", " ** On entry, TOL .ge. 1.0: TOL = %12.4e.", IREVCM_ROUTINE,         \
                      " ** On entry, PRECON .ne. 'N', 'J' or 'S': PRE  CON = '%s'.",            \
                      kOmegaRange, kNoDiagonal,                                                \
                      " ** The matrix A has a zero diagonal entry in row%16ld.")

constexpr auto kDcfMessages = KIV_ILU_DRIVER_MESSAGES("F11DAF and F11DCF", "F11BEF");
constexpr auto kDqfMessages = KIV_ILU_DRIVER_MESSAGES("F11DNF and F11DQF", "F11BSF");
constexpr auto kDefMessages = KIV_PLAIN_DRIVER_MESSAGES("F11BEF");
constexpr auto kDsfMessages = KIV_PLAIN_DRIVER_MESSAGES("F11BSF");
#undef KIV_DRIVER_MESSAGES
#undef KIV_ILU_SUFFIX
#undef KIV_ILU_DRIVER_MESSAGES
#undef KIV_PLAIN_DRIVER_MESSAGES

enum {
  kMsgN, kMsgRow = 3, kMsgLwork = 7, kMsgMethod, kMsgM, kMsgTol, kMsgMaxitn, kMsgAccuracy,
  kMsgNotConverged, kMsgBreakdown, kMsgInternal, kMsgIrevcm,
  // ILU drivers
  kMsgLa = 17, kMsgFactor,
  // the others
  kMsgPrecon = 17, kMsgOmega, kMsgNoDiagonal, kMsgZeroDiagonal
};

// The landed solver routines of one scalar type with their product, and
// the names the messages print.
template <class T>
struct Routines;
template <>
struct Routines<double> {
  static constexpr auto setup = &F11BDF;
  static constexpr auto iterate = &F11BEF;
  static constexpr auto monitor = &F11BFF;
  static constexpr auto product = &F11XAF;
  static constexpr auto ilu_solve = &F11DBF;
  static constexpr const char* names[3] = {"F11BDF", "F11BEF", "F11BFF"};
};
template <>
struct Routines<Complex> {
  static constexpr auto setup = &F11BRF;
  static constexpr auto iterate = &F11BSF;
  static constexpr auto monitor = &F11BTF;
  static constexpr auto product = &F11XNF;
  static constexpr auto ilu_solve = &F11DPF;
  static constexpr const char* names[3] = {"F11BRF", "F11BSF", "F11BTF"};
};

// The nonsymmetric family for the shared run.
template <class T>
struct Family : Routines<T> {
  using R = Routines<T>;
  static constexpr bool symmetric = false;
  static double norm_term(T v) { return magnitude(v); }
  static int m_bound(const char* method, int len) {
    return krylov::method_code(method, len) == krylov::kRgmres ? 50 : 10;
  }
  static void setup(const char* method, int method_len, bool precon, int n, int m, double tol,
                    int maxitn, double anorm, int* lwreq, T* work, int lwork, char* rec,
                    int* ifail) {
    R::setup(method, precon ? "P" : "N", "I", "N", 1, n, m, tol, maxitn, anorm, 0.0, 0, lwreq,
             work, lwork, rec, ifail, method_len, 1, 1, 1, KIV2_RECORD_LEN);
  }
  static void iterate(int* irevcm, T* u, T* v, const double* wgt, T* work, int lwork, char* rec,
                      int* ifail) {
    R::iterate(irevcm, u, v, wgt, work, lwork, rec, ifail, KIV2_RECORD_LEN);
  }
  static void product(int irevcm, int n, int nnz, const T* a, const int* irow, const int* icol,
                      const T* x, T* y) {
    char rec[KIV2_RECORD_LEN + 1];
    int f = 1;
    R::product(irevcm == 1 ? "N" : "T", n, nnz, a, irow, icol, "N", x, y, rec, &f, 1, 1,
               KIV2_RECORD_LEN);
  }
  static void monitor(int* itn, double* stplhs, T* work, int lwork, char* rec, int* ifail) {
    double stprhs = 0.0, anorm = 0.0, sigmax = 0.0;
    R::monitor(itn, stplhs, &stprhs, &anorm, &sigmax, work, lwork, rec, ifail, KIV2_RECORD_LEN);
  }
};

constexpr RunLabels kIluLabels{kMsgLwork, kMsgMethod,   kMsgM,   kMsgTol,
                               kMsgMaxitn, kMsgFactor,  kMsgInternal, kMsgIrevcm,
                               kMsgAccuracy, kMsgNotConverged, kMsgBreakdown, -1,
                               7, true};
// No factor to fail: its label is never reported.
constexpr RunLabels kPlainLabels{kMsgLwork, kMsgMethod,   kMsgM,   kMsgTol,
                                 kMsgMaxitn, -1,  kMsgInternal, kMsgIrevcm,
                                 kMsgAccuracy, kMsgNotConverged, kMsgBreakdown, -1,
                                 7, true};

// The workspace of the solver and the protocol vector V, in 64 bits.
long long known_requirement(int method, long long n, long long m, int block) {
  switch (method) {
    case 1: return m * (m + n + 5) + 4 * n + block + 1;
    case 2: return 8 * n + block;
    case 3: return m * (m + 2) + 2 * n * (m + 3) + block;
    case 4: return 11 * n + block;
    default: return 0;
  }
}

long long requirement(const char* method, int method_len, long long n, long long m, int block,
                      long long shift) {
  return driver_requirement(known_requirement(krylov::method_code(method, method_len), n, m, block),
                            n, block, shift);
}

template <class T>
int ilu_driver(const char* method, int n, int nnz, const T* a, int la, const int* irow,
               const int* icol, int* ipivp, int* ipivq, const int* istr, const int* idiag,
               const T* b, int m, double tol, int maxitn, T* x, double* resnrm, int* nits,
               T* work, int lwork, char* record, int* ifail, int method_len, int record_len) {
  constexpr bool real = std::is_same_v<T, double>;
  const auto& msg = [] {
    if constexpr (real) return kDcfMessages; else return kDqfMessages;
  }();
  Reporter rep(real ? "F11DCF" : "F11DQF", record, record_len);
  // Arrays shorter than NNZ cannot hold the matrix: LA is reported before
  // the storage check would read past them.
  if (la >= nnz && !storage_ok(rep, msg, n, nnz, irow, icol, false)) return rep.finish(ifail);
  if (static_cast<long long>(la) < 2LL * nnz) {
    rep.fail(1, msg[kMsgLa], la, nnz);
    return rep.finish(ifail);
  }
  const long long need = requirement(method, method_len, n, m, krylov::kBlockLen<T>, 0);
  if (lwork < need) {
    rep.fail(1, msg[kMsgLwork], lwork, clamp_requirement(need));
    return rep.finish(ifail);
  }
  bool first = true;
  auto precondition = [&](const T* u, T* v) {
    char rec[KIV2_RECORD_LEN + 1];
    int f = 1;
    // The factor is checked once, on the first request.
    Routines<T>::ilu_solve("N", n, a, la, irow, icol, ipivp, ipivq, istr, idiag, first ? "C" : "N",
                        u, v, rec, &f, 1, 1, KIV2_RECORD_LEN);
    first = false;
    return f == 0;
  };
  return run<Family<T>>(rep, msg, kIluLabels, ifail, method, method_len, true, n, nnz, a, irow,
                       icol, b, m, tol, maxitn, x, resnrm, nits, work, lwork, 0, precondition);
}

template <class T>
int plain_driver(const char* method, const char* precon, int n, int nnz, const T* a,
                 const int* irow, const int* icol, double omega, const T* b, int m, double tol,
                 int maxitn, T* x, double* resnrm, int* nits, T* work, int lwork, int* iwork,
                 char* record, int* ifail, int method_len, int precon_len, int record_len) {
  constexpr bool real = std::is_same_v<T, double>;
  const auto& msg = [] {
    if constexpr (real) return kDefMessages; else return kDsfMessages;
  }();
  Reporter rep(real ? "F11DEF" : "F11DSF", record, record_len);
  auto fail = [&](int ierr, int label, auto... values) {
    rep.fail(ierr, msg[label], values...);
    return rep.finish(ifail);
  };
  if (!storage_ok(rep, msg, n, nnz, irow, icol, false)) return rep.finish(ifail);
  const char p = precon_letter(rep, msg, kMsgPrecon, kMsgOmega, precon, precon_len, omega);
  if (p == 0) return rep.finish(ifail);
  const int shift = p == 'N' ? 0 : n;
  const long long need = requirement(method, method_len, n, m, krylov::kBlockLen<T>, shift);
  if (lwork < need) return fail(1, kMsgLwork, lwork, clamp_requirement(need));

  T* const dinv = work + n;
  if (p != 'N') {
    row_structure(n, nnz, irow, icol, iwork);
    const int* diag = iwork + n + 1;
    for (int i = 0; i < n; ++i) {
      if (diag[i] == 0) return fail(3, kMsgNoDiagonal, i + 1);
      if (a[diag[i] - 1] == T{}) return fail(3, kMsgZeroDiagonal, i + 1);
      dinv[i] = T(1.0) / a[diag[i] - 1];
    }
  }
  auto precondition = [&](const T* u, T* v) {
    if (p == 'J') {
      for (int i = 0; i < n; ++i) v[i] = mul(u[i], dinv[i]);
    } else {
      // Checked storage: the solve cannot meet a bad index.
      ssor_solve(false, n, a, icol, iwork, dinv, omega, u, v);
    }
    return true;
  };
  return run<Family<T>>(rep, msg, kPlainLabels, ifail, method, method_len, p != 'N', n, nnz, a,
                       irow, icol, b, m, tol, maxitn, x, resnrm, nits, work, lwork, shift,
                       precondition);
}

template <class T>
int ilu_driver_host(const char* method, const int* n, const int* nnz, const T* a, const int* la,
                    const int* irow, const int* icol, int* ipivp, int* ipivq, const int* istr,
                    const int* idiag, const T* b, const int* m, const double* tol,
                    const int* maxitn, T* x, double* resnrm, int* nits, T* work,
                    const int* lwork, int* ifail, int method_len) {
  constexpr bool real = std::is_same_v<T, double>;
  return host_call(
      real ? "F11DCF" : "F11DQF", ifail,
      [&] {
        POISON_REAL(resnrm);
        POISON_INTEGER(nits);
        if constexpr (!real) poison(*lwork, work);
      },
      [&](char* rec) {
        return ilu_driver(method, *n, *nnz, a, *la, irow, icol, ipivp, ipivq, istr, idiag, b, *m,
                          *tol, *maxitn, x, resnrm, nits, work, *lwork, rec, ifail, method_len,
                          KIV2_RECORD_LEN);
      });
}

template <class T>
int plain_driver_host(const char* method, const char* precon, const int* n, const int* nnz,
                      const T* a, const int* irow, const int* icol, const double* omega,
                      const T* b, const int* m, const double* tol, const int* maxitn, T* x,
                      double* resnrm, int* nits, T* work, const int* lwork, int* iwork,
                      int* ifail, int method_len) {
  return host_call(
      std::is_same_v<T, double> ? "F11DEF" : "F11DSF", ifail,
      [&] {
        POISON_REAL(resnrm);
        POISON_INTEGER(nits);
        poison(*lwork, work);
      },
      [&](char* rec) {
        return plain_driver(method, precon, *n, *nnz, a, irow, icol, *omega, b, *m, *tol, *maxitn,
                            x, resnrm, nits, work, *lwork, iwork, rec, ifail, method_len, 1,
                            KIV2_RECORD_LEN);
      });
}

}  // namespace
}  // namespace kiv::precon

extern "C" {

int KIV_CALL F11DCF(const char* method, int n, int nnz, const double* a, int la,
                    const int* irow, const int* icol, int* ipivp, int* ipivq, const int* istr,
                    const int* idiag, const double* b, int m, double tol, int maxitn, double* x,
                    double* resnrm, int* nits, double* work, int lwork, char* record, int* ifail,
                    int method_len, int record_len) {
  return kiv::precon::ilu_driver(method, n, nnz, a, la, irow, icol, ipivp, ipivq, istr, idiag, b,
                                 m, tol, maxitn, x, resnrm, nits, work, lwork, record, ifail,
                                 method_len, record_len);
}

int KIV_CALL F11DQF(const char* method, int n, int nnz, const kiv2_complex* a, int la,
                    const int* irow, const int* icol, int* ipivp, int* ipivq, const int* istr,
                    const int* idiag, const kiv2_complex* b, int m, double tol, int maxitn,
                    kiv2_complex* x, double* resnrm, int* nits, kiv2_complex* work, int lwork,
                    char* record, int* ifail, int method_len, int record_len) {
  return kiv::precon::ilu_driver(method, n, nnz, a, la, irow, icol, ipivp, ipivq, istr, idiag, b,
                                 m, tol, maxitn, x, resnrm, nits, work, lwork, record, ifail,
                                 method_len, record_len);
}

int KIV_CALL F11DEF(const char* method, const char* precon, int n, int nnz, const double* a,
                    const int* irow, const int* icol, double omega, const double* b, int m,
                    double tol, int maxitn, double* x, double* resnrm, int* nits, double* work,
                    int lwork, int* iwork, char* record, int* ifail, int method_len,
                    int precon_len, int record_len) {
  return kiv::precon::plain_driver(method, precon, n, nnz, a, irow, icol, omega, b, m, tol,
                                   maxitn, x, resnrm, nits, work, lwork, iwork, record, ifail,
                                   method_len, precon_len, record_len);
}

int KIV_CALL F11DSF(const char* method, const char* precon, int n, int nnz,
                    const kiv2_complex* a, const int* irow, const int* icol, double omega,
                    const kiv2_complex* b, int m, double tol, int maxitn, kiv2_complex* x,
                    double* resnrm, int* nits, kiv2_complex* work, int lwork, int* iwork,
                    char* record, int* ifail, int method_len, int precon_len, int record_len) {
  return kiv::precon::plain_driver(method, precon, n, nnz, a, irow, icol, omega, b, m, tol,
                                   maxitn, x, resnrm, nits, work, lwork, iwork, record, ifail,
                                   method_len, precon_len, record_len);
}

int KIV_CALL F11DCF_HOST(const char* method, const int* n, const int* nnz, const double* a,
                         const int* la, const int* irow, const int* icol, int* ipivp,
                         int* ipivq, const int* istr, const int* idiag, const double* b,
                         const int* m, const double* tol, const int* maxitn, double* x,
                         double* resnrm, int* nits, double* work, const int* lwork, int* ifail,
                         int method_len) {
  return kiv::precon::ilu_driver_host(method, n, nnz, a, la, irow, icol, ipivp, ipivq, istr,
                                      idiag, b, m, tol, maxitn, x, resnrm, nits, work, lwork,
                                      ifail, method_len);
}

int KIV_CALL F11DQF_HOST(const char* method, const int* n, const int* nnz,
                         const kiv2_complex* a, const int* la, const int* irow, const int* icol,
                         int* ipivp, int* ipivq, const int* istr, const int* idiag,
                         const kiv2_complex* b, const int* m, const double* tol,
                         const int* maxitn, kiv2_complex* x, double* resnrm, int* nits,
                         kiv2_complex* work, const int* lwork, int* ifail, int method_len) {
  return kiv::precon::ilu_driver_host(method, n, nnz, a, la, irow, icol, ipivp, ipivq, istr,
                                      idiag, b, m, tol, maxitn, x, resnrm, nits, work, lwork,
                                      ifail, method_len);
}

int KIV_CALL F11DEF_HOST(const char* method, const char* precon, const int* n, const int* nnz,
                         const double* a, const int* irow, const int* icol, const double* omega,
                         const double* b, const int* m, const double* tol, const int* maxitn,
                         double* x, double* resnrm, int* nits, double* work, const int* lwork,
                         int* iwork, int* ifail, int method_len, int) {
  return kiv::precon::plain_driver_host(method, precon, n, nnz, a, irow, icol, omega, b, m, tol,
                                        maxitn, x, resnrm, nits, work, lwork, iwork, ifail,
                                        method_len);
}

int KIV_CALL F11DSF_HOST(const char* method, const char* precon, const int* n, const int* nnz,
                         const kiv2_complex* a, const int* irow, const int* icol,
                         const double* omega, const kiv2_complex* b, const int* m,
                         const double* tol, const int* maxitn, kiv2_complex* x, double* resnrm,
                         int* nits, kiv2_complex* work, const int* lwork, int* iwork, int* ifail,
                         int method_len, int) {
  return kiv::precon::plain_driver_host(method, precon, n, nnz, a, irow, icol, omega, b, m, tol,
                                        maxitn, x, resnrm, nits, work, lwork, iwork, ifail,
                                        method_len);
}

}  // extern "C"
