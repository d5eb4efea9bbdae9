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
#include "sorting/sorting.hpp"
#include "sparse/krylov.hpp"
#include "sparse/precon.hpp"

namespace kiv::precon {
namespace {

using sorting::Letter;
using sorting::option_letter;

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

// The landed solver routines and the product of one scalar type, and the
// names the messages print.
template <class T>
struct Inner;
template <>
struct Inner<double> {
  static constexpr auto setup = &F11BDF;
  static constexpr auto iterate = &F11BEF;
  static constexpr auto monitor = &F11BFF;
  static constexpr auto product = &F11XAF;
  static constexpr auto ilu_solve = &F11DBF;
  static constexpr const char* names[3] = {"F11BDF", "F11BEF", "F11BFF"};
};
template <>
struct Inner<Complex> {
  static constexpr auto setup = &F11BRF;
  static constexpr auto iterate = &F11BSF;
  static constexpr auto monitor = &F11BTF;
  static constexpr auto product = &F11XNF;
  static constexpr auto ilu_solve = &F11DPF;
  static constexpr const char* names[3] = {"F11BRF", "F11BSF", "F11BTF"};
};

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

// An unknown METHOD or an M out of range (rejected later by the set-up)
// still needs room for what the driver writes before it: WORK(1..N), the
// diagonal and the set-up's block.
long long requirement(int method, long long n, long long m, int block, long long shift) {
  return std::max(known_requirement(method, n, m, block) + shift, n + shift + block);
}

// METHOD as a text for its message.
struct MethodText {
  char text[33];
  MethodText(const char* s, int len) : text{} {
    if (s != nullptr && len > 0) std::memcpy(text, s, static_cast<std::size_t>(std::min(len, 32)));
  }
};

// The part after the argument checks that every driver shares: the norm
// of A, the set-up, the loop with its requests, the monitoring and the
// mapping of the inner failures.  WORK(1..N) is V; SHIFT further values
// (the reciprocal diagonal) precede the solver's workspace.  PRECONDITION
// answers a solve request (U in, V out) and returns false when it fails.
template <class T, class Msgs, class Precondition>
int run(Reporter& rep, const Msgs& msg, int* ifail, const char* method, int method_len,
        bool preconditioned, int n, int nnz, const T* a, const int* irow, const int* icol,
        const T* b, int m, double tol, int maxitn, T* x, double* resnrm, int* nits, T* work,
        int lwork, int shift, Precondition&& precondition) {
  using In = Inner<T>;
  auto fail = [&](int ierr, int label, auto... values) {
    rep.fail(ierr, msg[label], values...);
    return rep.finish(ifail);
  };
  auto internal = [&](int which, int code) { return fail(7, kMsgInternal, In::names[which], code); };
  char rec[KIV2_RECORD_LEN + 1];

  std::fill(work, work + n, T{});
  for (int k = 0; k < nnz; ++k) work[irow[k] - 1] += magnitude(a[k]);
  double anorm = 0.0;
  for (int i = 0; i < n; ++i) anorm = std::max(anorm, std::real(work[i]));
  std::copy(b, b + n, work);

  T* const solver_work = work + n + shift;
  const int solver_len = lwork - n - shift;
  int lwreq = 0, inner = 1;
  In::setup(method, preconditioned ? "P" : "N", "I", "N", 1, n, m, tol, maxitn, anorm, 0.0, 0,
            &lwreq, solver_work, solver_len, rec, &inner, method_len, 1, 1, 1, KIV2_RECORD_LEN);
  switch (inner) {
    case 0: break;
    case -1: return fail(1, kMsgMethod, MethodText(method, method_len).text);
    case -7: return fail(1, kMsgM, krylov::method_code(method, method_len) == 1 ? 50 : 10, m, n);
    case -8: return fail(1, kMsgTol, tol);
    case -9: return fail(1, kMsgMaxitn, maxitn);
    default: return internal(0, inner);
  }

  const double weight = 1.0;  // WEIGHT = 'N': never read
  int irevcm = 0;
  bool precon_failed = false;
  for (;;) {
    inner = 1;
    In::iterate(&irevcm, x, work, &weight, solver_work, solver_len, rec, &inner,
                KIV2_RECORD_LEN);
    int pfail = 1;
    if (irevcm == -1 || irevcm == 1) {
      // The matrix was checked: the products cannot fail.
      In::product(irevcm == 1 ? "N" : "T", n, nnz, a, irow, icol, "N", x, work, rec, &pfail, 1,
                  1, KIV2_RECORD_LEN);
    } else if (irevcm == 2) {
      if (!precondition(x, work)) {
        irevcm = 6;
        precon_failed = true;
      }
    } else {
      break;
    }
  }
  if (irevcm != 4) return fail(7, kMsgIrevcm, irevcm);
  if (precon_failed) return fail(3, kMsgFactor);
  switch (inner) {
    case 0: break;
    case 2: rep.fail(4, msg[kMsgAccuracy]); break;
    case 5: rep.fail(5, msg[kMsgNotConverged], maxitn); break;
    case 6: rep.fail(6, msg[kMsgBreakdown]); break;
    case -6:
      return fail(1, kMsgLwork, lwork,
                  clamp_requirement(static_cast<long long>(lwreq) + n + shift));
    default: return internal(1, inner);
  }
  int itn = 0, mfail = 1;
  double stplhs = 0.0, stprhs = 0.0, anorm_used = 0.0, sigmax = 0.0;
  In::monitor(&itn, &stplhs, &stprhs, &anorm_used, &sigmax, solver_work, solver_len, rec, &mfail,
              KIV2_RECORD_LEN);
  if (mfail != 0) return internal(2, mfail);
  *nits = itn;
  *resnrm = stplhs;
  return rep.finish(ifail);
}

// The storage check of a driver: codes 1-3 IFAIL 1, 4-7 IFAIL 2.
template <class Msgs>
bool storage_ok(Reporter& rep, const Msgs& msg, int n, int nnz, const int* irow,
                const int* icol) {
  const auto c = sparse::check_sorted_storage(n, nnz, irow, icol, false);
  if (c.code == 0) return true;
  report_storage(rep, c, n, nnz, irow, icol, 1, 2, [&msg](int code) { return msg[code - 1]; });
  return false;
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
  if (la >= nnz && !storage_ok(rep, msg, n, nnz, irow, icol)) return rep.finish(ifail);
  if (static_cast<long long>(la) < 2LL * nnz) {
    rep.fail(1, msg[kMsgLa], la, nnz);
    return rep.finish(ifail);
  }
  const long long need =
      requirement(krylov::method_code(method, method_len), n, m, krylov::kBlockLen<T>, 0);
  if (lwork < need) {
    rep.fail(1, msg[kMsgLwork], lwork, clamp_requirement(need));
    return rep.finish(ifail);
  }
  bool first = true;
  auto precondition = [&](const T* u, T* v) {
    char rec[KIV2_RECORD_LEN + 1];
    int f = 1;
    // The factor is checked once, on the first request.
    Inner<T>::ilu_solve("N", n, a, la, irow, icol, ipivp, ipivq, istr, idiag, first ? "C" : "N",
                        u, v, rec, &f, 1, 1, KIV2_RECORD_LEN);
    first = false;
    return f == 0;
  };
  return run(rep, msg, ifail, method, method_len, true, n, nnz, a, irow, icol, b, m, tol, maxitn,
             x, resnrm, nits, work, lwork, 0, precondition);
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
  if (!storage_ok(rep, msg, n, nnz, irow, icol)) return rep.finish(ifail);
  const char p = option_letter(precon, precon_len);
  if (p != 'N' && p != 'J' && p != 'S') return fail(1, kMsgPrecon, Letter(precon, precon_len).text);
  if (p == 'S' && !(omega > 0.0 && omega < 2.0)) return fail(1, kMsgOmega, omega);
  const int shift = p == 'N' ? 0 : n;
  const long long need =
      requirement(krylov::method_code(method, method_len), n, m, krylov::kBlockLen<T>, shift);
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
  return run(rep, msg, ifail, method, method_len, p != 'N', n, nnz, a, irow, icol, b, m, tol,
             maxitn, x, resnrm, nits, work, lwork, shift, precondition);
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
