// Determinants and the inverse of a real matrix through its LU factors,
// with the pivots stored as doubles (F07ADG).
#include <algorithm>
#include <cmath>

#include "dense/blas.hpp"
#include "dense/lapack.hpp"
#include "frame/constants.hpp"
#include "frame/errors.hpp"
#include "kiv2.h"

namespace {

// Row interchanged with row I (1-based) according to the pivots in PIV.
int pivot(const double* piv, int i) { return static_cast<int>(std::lround(piv[i - 1])); }

// N >= 0 and IA >= max(1, N), the first two messages of both determinant
// routines; false once error IERR is reported.
template <class M>
bool dimensions_ok(kiv::Reporter& rep, const M& messages, int ierr, int n, int ia) {
  if (n < 0) rep.fail(ierr, messages[0], n);
  else if (ia < std::max(1, n)) rep.fail(ierr, messages[1], ia, n);
  else return true;
  return false;
}

}  // namespace

extern "C" {

int KIV_CALL F03AAF(double* a, int ia, int n, double* det, double* work, int* ifail) {
  static constexpr kiv::Messages kMessages{
      " ** On entry, N .lt. 0: N =%16ld.",
      " ** On entry, IA .lt. max(1,N): IA =%16ld, N =%16ld.",
      " ** The value of the determinant is too large to be stored.",
      " ** The value of the determinant is too small to be stored.",
      " ** Matrix A is approximately singular.",
  };
  kiv::Reporter rep("F03AAF", nullptr, 0);
  *det = 0.0;
  if (!dimensions_ok(rep, kMessages, 4, n, ia)) return rep.finish(ifail);
  int info = 0;
  F07ADG(n, n, a, ia, work, &info);
  if (info > 0) {
    rep.fail(1, kMessages[4]);
    return rep.finish(ifail);
  }
  // The product of the pivots, each factor tested before it is taken so
  // that the running product can neither overflow nor underflow.
  double d = 1.0;
  for (int i = 1; i <= n; ++i) {
    if (pivot(work, i) != i) d = -d;
    const double aii = a[(i - 1) + static_cast<long>(i - 1) * ia];
    const double m = std::fabs(aii);
    if (m >= 1.0 && std::fabs(d) >= (1.0 / kiv::kSafeMin) / m) {
      rep.fail(2, kMessages[2]);
      return rep.finish(ifail);
    }
    if (m < 1.0 && std::fabs(d) < kiv::kSafeMin / m) {
      rep.fail(3, kMessages[3]);
      return rep.finish(ifail);
    }
    d *= aii;
  }
  *det = d;
  return rep.finish(ifail);
}

int KIV_CALL F03AFF(int n, double, double* a, int ia, double* detf, int* dete, double* piv,
                    char* record, int* ifail, int record_len) {
  static constexpr kiv::Messages kMessages{
      " ** On entry, N .lt. 0: N =%16ld.",
      " ** On entry, IA .lt. max(1,N): IA =%16ld, N =%16ld.",
      " ** Matrix A is approximately singular.",
  };
  kiv::Reporter rep("F03AFF", record, record_len);
  if (!dimensions_ok(rep, kMessages, 2, n, ia)) return rep.finish(ifail);
  int info = 0;
  F07ADG(n, n, a, ia, piv, &info);
  *detf = 0.0;
  *dete = 0;
  if (info > 0) {
    rep.fail(1, kMessages[2]);
    return rep.finish(ifail);
  }
  // The determinant as DETF * 2^DETE with 1/16 <= |DETF| < 1.  Each pivot
  // enters as its mantissa and exponent, so the running product stays in
  // [1/2, 1) and can neither overflow nor underflow whatever the pivots'
  // magnitudes; the exponent is moved to a multiple of 4 at the end, which
  // gives the same DETF and DETE as scaling by 16 after every factor.  An
  // infinite or NaN pivot makes DETF infinite or NaN (DETE = 0): that is
  // the determinant's value, and no scaling loop can run on it.
  double f = 1.0;
  int e = 0;
  for (int i = 1; i <= n; ++i) {
    if (pivot(piv, i) != i) f = -f;
    const double aii = a[(i - 1) + static_cast<long>(i - 1) * ia];
    if (!std::isfinite(aii) || !std::isfinite(f)) {
      f *= aii;
      continue;
    }
    int k, k2;
    f = std::frexp(f * std::frexp(aii, &k), &k2);
    e += k + k2;
  }
  if (std::isfinite(f)) {
    const int r = e & 3;  // e mod 4, also for negative e
    f = std::ldexp(f, r);
    e -= r;
    if (std::fabs(f) >= 1.0) f *= 0.0625, e += 4;
  } else {
    e = 0;
  }
  *detf = f;
  *dete = e;
  return rep.finish(ifail);
}

// X = inv(A) = inv(U) * inv(L) * P', A overwritten by its LU factors.  An
// IX too small for X is an error of the dimension kind (2) as well: the
// inverse is not formed into memory the caller does not have.
int KIV_CALL F01AAZ(double* a, int ia, int n, double* x, int ix, double* piv, int* ifail) {
  const int caller = *ifail;
  int ierr = 0;
  if (n >= 0 && ix < std::max(1, n)) {
    ierr = 2;
  } else {
    char record[KIV2_RECORD_LEN + 1];
    int inner = 1;
    double detf;
    int dete;
    ierr = F03AFF(n, kiv::kEps, a, ia, &detf, &dete, piv, record, &inner, KIV2_RECORD_LEN);
  }
  if (ierr != 0) return *ifail = ERROR_EXIT(caller, ierr, "F01AAZ", 0, nullptr, 6, kiv::kLineLen);

  // The diagonal through column offsets: the stride IX + 1 is no int when
  // IX is the largest one.
  for (int j = 0; j < n; ++j) {
    double* column = x + static_cast<long>(j) * ix;
    DLOAD(n, 0.0, column, 1);
    column[j] = 1.0;
  }
  for (int i = 1; i <= n; ++i)
    if (const int p = pivot(piv, i); p != i) DSWAP(n, x + (i - 1), ix, x + (p - 1), ix);
  DTRSM("Left", "Lower", "No transpose", "Unit", n, n, 1.0, a, ia, x, ix, 1, 1, 1, 1);
  DTRSM("Left", "Upper", "No transpose", "Non-unit", n, n, 1.0, a, ia, x, ix, 1, 1, 1, 1);
  return *ifail = 0;
}

int KIV_CALL F01AAZ_BYREF(double* a, const int* ia, const int* n, double* x, const int* ix,
                          double* piv, int* ifail) {
  return F01AAZ(a, *ia, *n, x, *ix, piv, ifail);
}

}  // extern "C"
