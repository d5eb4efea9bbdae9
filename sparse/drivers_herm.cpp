// One-call solvers of complex Hermitian sparse systems by CG or SYMMLQ:
// F11JQF (with an incomplete Cholesky factor computed beforehand) and
// F11JSF (no, Jacobi or SSOR preconditioning).  They run the drivers'
// shared loop with the symmetric solver family and the Hermitian product.
#include <algorithm>
#include <climits>
#include <cmath>
#include <complex>

#include "frame/constants.hpp"
#include "sparse/driver_loop.hpp"
#include "sparse/krylov.hpp"

namespace kiv::precon {
namespace {

// The messages both drivers share, in this order; F11JQF appends LA and
// the invalid-factor message, F11JSF PRECON, OMEGA and the diagonal
// messages.  S follows each entry message of F11JQF.
#define KIV_HERM_MESSAGES(S, TOL, ...)                                                          \
  Messages {                                                                                   \
    kNSmall, kNnzSmall, kScsNnzLarge,                                                          \
        " ** On entry, IROW(I) .lt. 1 or IROW(I) .gt. N:\n"                                    \
        "    I = %16ld, IROW(I) = %16ld, N = %16ld." S,                                        \
        " ** On entry, ICOL(I) .lt. 1 or ICOL(I) .gt. IROW(I):\n"                              \
        "    I =%16ld, ICOL(I) =%16ld, IROW(I) =%16ld." S,                                     \
        " ** On entry, A(I) is out of order:\n    I =%16ld." S,                                \
        " ** On entry, the location (IROW(I), ICOL(I)) is a duplicate:\n    I =%16ld." S,      \
        " ** On entry, LWORK is too small: LWORK =%16ld.\n"                                    \
        "    Minimum required value of LWORK =%16ld.",                                         \
        " ** On entry, METHOD .ne. 'CG' or 'SYMMLQ': METHOD = '%s'.", TOL,                     \
        " ** On entry, MAXITN .lt. 1: MAXITN =%16ld.",                                         \
        " ** The required accuracy could not be obtained.\n"                                   \
        "    However a reasonable accuracy has been achieved.",                                \
        " ** The solution has not converged after%7ld iterations.",                            \
        " ** The preconditioner appears not to be positive-definite.\n"                        \
        "    The computation cannot continue.",                                                \
        " ** The matrix of the coefficients A appears not to be positive-definite.\n"          \
        "    The computation cannot continue.",                                                \
        " ** A serious error has occurred in an internal call to %6s: IFAIL =%6ld\n"           \
        "    Check all subroutine calls and array sizes. Seek expert help.",                   \
        " ** A serious error has occurred in an internal call to F11GSF: IREVCM =%6ld\n"       \
        "    Check all subroutine calls and array sizes. Seek expert help.",                   \
        __VA_ARGS__                                                                            \
  }
#define KIV_JQF_SUFFIX                                           \
  "\n    Check that A, IROW, ICOL, IPIV and ISTR have not been\n" \
  "    corrupted between calls to F11JNF and F11JQF."
constexpr auto kJqfMessages =
    KIV_HERM_MESSAGES(KIV_JQF_SUFFIX, " ** On entry, TOL .ge. 1.0: TOL =%12.4e.",
                      " ** On entry, LA .lt. 2*NNZ:\n    LA =%16ld NNZ =%16ld.",
                      " ** The SCS representation of the preconditioner is invalid." KIV_JQF_SUFFIX);
constexpr auto kJsfMessages = KIV_HERM_MESSAGES(
    "", " ** On entry, TOL .ge. 1.0: TOL = %12.4e.",
    " ** On entry, PRECON .ne. 'N', 'J' or 'S': PRE  CON = '%s'.", kOmegaRange, kNoDiagonal,
    " ** The matrix A has a zero diagonal entry in row%16ld.",
    " ** The matrix A has a non-real diagonal entry in row%16ld.");
#undef KIV_HERM_MESSAGES
#undef KIV_JQF_SUFFIX

enum {
  kMsgLwork = 7, kMsgMethod, kMsgTol, kMsgMaxitn, kMsgAccuracy, kMsgNotConverged,
  kMsgPreconNotDefinite, kMsgNotDefinite, kMsgInternal, kMsgIrevcm,
  // F11JQF
  kMsgLa = 17, kMsgFactor,
  // F11JSF
  kMsgPrecon = 17, kMsgOmega, kMsgNoDiagonal, kMsgZeroDiagonal, kMsgNonReal
};

// The symmetric solver family of complex data with the Hermitian product.
struct Hermitian {
  static constexpr bool symmetric = true;
  static constexpr const char* names[3] = {"F11GRF", "F11GSF", "F11GTF"};
  static double norm_term(Complex v) { return std::abs(v.real()) + std::abs(v.imag()); }
  static int m_bound(const char*, int) { return 0; }
  static void setup(const char* method, int method_len, bool precon, int n, int /*m*/,
                    double tol, int maxitn, double anorm, int* lwreq, Complex* work, int lwork,
                    char* rec, int* ifail) {
    F11GRF(method, precon ? "P" : "N", "N", "I", "N", 1, n, tol, maxitn, anorm, 0.0, 0.0, 1, 0,
           lwreq, work, lwork, rec, ifail, method_len, 1, 1, 1, 1, KIV2_RECORD_LEN);
  }
  static void iterate(int* irevcm, Complex* u, Complex* v, const double* wgt, Complex* work,
                      int lwork, char* rec, int* ifail) {
    F11GSF(irevcm, u, v, wgt, work, lwork, rec, ifail, KIV2_RECORD_LEN);
  }
  // A^H = A: a transposed request gets the same product.
  static void product(int, int n, int nnz, const Complex* a, const int* irow, const int* icol,
                      const Complex* x, Complex* y) {
    char rec[KIV2_RECORD_LEN + 1];
    int f = 1;
    F11XSF(n, nnz, a, irow, icol, "N", x, y, rec, &f, 1, KIV2_RECORD_LEN);
  }
  static void monitor(int* itn, double* stplhs, Complex* work, int lwork, char* rec,
                      int* ifail) {
    double stprhs = 0.0, anorm = 0.0, sigmax = 0.0, sigerr = 0.0;
    int its = 0;
    F11GTF(itn, stplhs, &stprhs, &anorm, &sigmax, &its, &sigerr, work, lwork, rec, ifail,
           KIV2_RECORD_LEN);
  }
};

// No M; IFAIL 6 and 7 are the positive-definiteness failures.
constexpr RunLabels kJqfLabels{kMsgLwork,    kMsgMethod,   -1,           kMsgTol,
                               kMsgMaxitn,   kMsgFactor,   kMsgInternal, kMsgIrevcm,
                               kMsgAccuracy, kMsgNotConverged, kMsgPreconNotDefinite,
                               kMsgNotDefinite, 8, false};
// F11JSF's preconditioners cannot fail: no factor label.
constexpr RunLabels kJsfLabels{kMsgLwork,    kMsgMethod,   -1,           kMsgTol,
                               kMsgMaxitn,   -1,           kMsgInternal, kMsgIrevcm,
                               kMsgAccuracy, kMsgNotConverged, kMsgPreconNotDefinite,
                               kMsgNotDefinite, 8, false};

// The solver's workspace with V (N) and the state block: CG needs 6N + 120,
// SYMMLQ 7N + 120; a METHOD the set-up rejects, room for what precedes it.
long long requirement(const char* method, int method_len, long long n) {
  const int code = krylov::sym_method_code(method, method_len);
  const long long known = code == krylov::kCg ? 6 * n + 120 : code == krylov::kSymmlq ? 7 * n + 120 : 0;
  return driver_requirement(known, n, krylov::kSymBlockLen, 0);
}

int ichol_driver(const char* method, int n, int nnz, const Complex* a, int la, const int* irow,
                 const int* icol, int* ipiv, const int* istr, const Complex* b, double tol,
                 int maxitn, Complex* x, double* resnrm, int* nits, Complex* work, int lwork,
                 char* record, int* ifail, int method_len, int record_len) {
  const auto& msg = kJqfMessages;
  Reporter rep("F11JQF", record, record_len);
  auto fail = [&](int ierr, int label, auto... values) {
    rep.fail(ierr, msg[label], values...);
    return rep.finish(ifail);
  };
  // Arrays shorter than NNZ cannot hold the matrix: LA is reported before
  // the storage check would read past them.
  if (la >= nnz && !storage_ok(rep, msg, n, nnz, irow, icol, true)) return rep.finish(ifail);
  if (static_cast<long long>(la) < 2LL * nnz) return fail(1, kMsgLa, la, nnz);
  if (const long long need = requirement(method, method_len, n); lwork < need)
    return fail(1, kMsgLwork, lwork, clamp_requirement(need));
  bool first = true;
  auto precondition = [&](const Complex* u, Complex* v) {
    char rec[KIV2_RECORD_LEN + 1];
    int f = 1;
    // The factor is checked once, on the first request; the unchecked
    // solve still keeps within the arrays.
    F11JPF(n, a, la, irow, icol, ipiv, istr, first ? "C" : "N", u, v, rec, &f, 1,
           KIV2_RECORD_LEN);
    first = false;
    return f == 0;
  };
  return run<Hermitian>(rep, msg, kJqfLabels, ifail, method, method_len, true, n, nnz, a, irow,
                        icol, b, 0, tol, maxitn, x, resnrm, nits, work, lwork, 0, precondition);
}

int plain_driver(const char* method, const char* precon, int n, int nnz, const Complex* a,
                 const int* irow, const int* icol, double omega, const Complex* b, double tol,
                 int maxitn, Complex* x, double* resnrm, int* nits, double* dinv, Complex* work,
                 int lwork, int* iwork, char* record, int* ifail, int method_len, int precon_len,
                 int record_len) {
  const auto& msg = kJsfMessages;
  Reporter rep("F11JSF", record, record_len);
  auto fail = [&](int ierr, int label, auto... values) {
    rep.fail(ierr, msg[label], values...);
    return rep.finish(ifail);
  };
  if (!storage_ok(rep, msg, n, nnz, irow, icol, true)) return rep.finish(ifail);
  const char p = precon_letter(rep, msg, kMsgPrecon, kMsgOmega, precon, precon_len, omega);
  if (p == 0) return rep.finish(ifail);
  if (const long long need = requirement(method, method_len, n); lwork < need)
    return fail(1, kMsgLwork, lwork, clamp_requirement(need));

  if (p != 'N') {
    // Checked storage: every row index is within 1..N.
    const int* start = iwork;
    row_starts(n, nnz, irow, iwork);
    for (int i = 0; i < n; ++i) {
      const int last = start[i + 1] - 2;
      if (start[i] == start[i + 1] || icol[last] != i + 1) return fail(3, kMsgNoDiagonal, i + 1);
      if (std::abs(a[last].imag()) > 10.0 * kEps) return fail(9, kMsgNonReal, i + 1);
      if (a[last].real() == 0.0) return fail(3, kMsgZeroDiagonal, i + 1);
      dinv[i] = 1.0 / a[last].real();
    }
  }
  auto precondition = [&](const Complex* u, Complex* v) {
    if (p == 'J') {
      for (int i = 0; i < n; ++i) v[i] = mul(u[i], dinv[i]);
    } else {
      // Checked storage: the solve cannot meet a bad index.
      hermitian_ssor_solve(n, a, icol, iwork, dinv, omega, u, v);
    }
    return true;
  };
  return run<Hermitian>(rep, msg, kJsfLabels, ifail, method, method_len, p != 'N', n, nnz, a,
                        irow, icol, b, 0, tol, maxitn, x, resnrm, nits, work, lwork, 0,
                        precondition);
}

}  // namespace
}  // namespace kiv::precon

extern "C" {

int KIV_CALL F11JQF(const char* method, int n, int nnz, const kiv2_complex* a, int la,
                    const int* irow, const int* icol, int* ipiv, const int* istr,
                    const kiv2_complex* b, double tol, int maxitn, kiv2_complex* x,
                    double* resnrm, int* nits, kiv2_complex* work, int lwork, char* record,
                    int* ifail, int method_len, int record_len) {
  return kiv::precon::ichol_driver(method, n, nnz, a, la, irow, icol, ipiv, istr, b, tol, maxitn,
                                   x, resnrm, nits, work, lwork, record, ifail, method_len,
                                   record_len);
}

int KIV_CALL F11JSF(const char* method, const char* precon, int n, int nnz,
                    const kiv2_complex* a, const int* irow, const int* icol, double omega,
                    const kiv2_complex* b, double tol, int maxitn, kiv2_complex* x,
                    double* resnrm, int* nits, double* dinv, kiv2_complex* work, int lwork,
                    int* iwork, char* record, int* ifail, int method_len, int precon_len,
                    int record_len) {
  return kiv::precon::plain_driver(method, precon, n, nnz, a, irow, icol, omega, b, tol, maxitn,
                                   x, resnrm, nits, dinv, work, lwork, iwork, record, ifail,
                                   method_len, precon_len, record_len);
}

int KIV_CALL F11JQF_HOST(const char* method, const int* n, const int* nnz,
                         const kiv2_complex* a, const int* la, const int* irow, const int* icol,
                         int* ipiv, const int* istr, const kiv2_complex* b, const double* tol,
                         const int* maxitn, kiv2_complex* x, double* resnrm, int* nits,
                         kiv2_complex* work, const int* lwork, int* ifail, int method_len) {
  return kiv::host_call(
      "F11JQF", ifail,
      [&] {
        POISON_REAL(resnrm);
        POISON_INTEGER(nits);
        POISON_COMPLEXES(*lwork, work);
      },
      [&](char* rec) {
        return F11JQF(method, *n, *nnz, a, *la, irow, icol, ipiv, istr, b, *tol, *maxitn, x,
                      resnrm, nits, work, *lwork, rec, ifail, method_len, KIV2_RECORD_LEN);
      });
}

int KIV_CALL F11JSF_HOST(const char* method, const char* precon, const int* n, const int* nnz,
                         const kiv2_complex* a, const int* irow, const int* icol,
                         const double* omega, const kiv2_complex* b, const double* tol,
                         const int* maxitn, kiv2_complex* x, double* resnrm, int* nits,
                         double* dinv, kiv2_complex* work, const int* lwork, int* iwork,
                         int* ifail, int method_len, int precon_len) {
  return kiv::host_call(
      "F11JSF", ifail,
      [&] {
        POISON_REAL(resnrm);
        POISON_INTEGER(nits);
        POISON_REALS(*n, dinv);
        POISON_COMPLEXES(*lwork, work);
        POISON_INTEGERS(*n < 0 ? 0 : *n + (*n < INT_MAX ? 1 : 0), iwork);
      },
      [&](char* rec) {
        return F11JSF(method, precon, *n, *nnz, a, irow, icol, *omega, b, *tol, *maxitn, x,
                      resnrm, nits, dinv, work, *lwork, iwork, rec, ifail, method_len,
                      precon_len, KIV2_RECORD_LEN);
      });
}

}  // extern "C"
