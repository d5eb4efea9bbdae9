// 1-norm estimation by reverse communication (Hager's method with Higham's
// refinements).  All state lives in the caller's arrays, so several
// estimations may run at once.
#include <complex>

#include "dense/fortran.hpp"
#include "dense/lapack.hpp"
#include "frame/errors.hpp"

namespace {

constexpr kiv::Messages kMessages{
    " ** On entry, N .lt. 1: N =%16ld.",
    " ** On entry, KASE .ne. 0 and ISAVE does not hold a state of the estimation:\n"
    "    ISAVE(1) =%16ld, ISAVE(2) =%16ld,\n    ISAVE(3) =%16ld.",
};

// Whether the state kept in ISAVE between calls is one the estimator can
// have left there: a resume point 1 to 5 and, where the next step reads
// them, an index of X and an iteration count 2 to 5.  Anything else was
// damaged by the caller and would send the estimator outside X.
bool state_ok(const int* isave, int n) {
  const int jump = isave[0];
  if (jump < 1 || jump > 5) return false;
  if (jump == 3 || jump == 4)
    return isave[1] >= 1 && isave[1] <= n && isave[2] >= 2 && isave[2] <= 5;
  return true;
}

// Runs one step of the estimator STEP unless N < 1 or, on a re-entry, the
// state in ISAVE is impossible: both end the estimation (KASE = 0) with
// error 1, the routine's one failure.
template <class Step>
int estimate(const char* srname, int* kase, int n, const int* isave, char* record, int* ifail,
             int record_len, Step step) {
  kiv::Reporter rep(srname, record, record_len);
  if (n < 1) {
    *kase = 0;
    rep.fail(1, kMessages[0], n);
  } else if (*kase != 0 && !state_ok(isave, n)) {
    *kase = 0;
    rep.fail(1, kMessages[1], isave[0], isave[1], isave[2]);
  } else {
    step();
  }
  return rep.finish(ifail);
}

}  // namespace

extern "C" {

int KIV_CALL F04YCF(int* kase, int n, double* x, double* est, double* work, int* isgn,
                    int* isave, char* record, int* ifail, int record_len) {
  return estimate("F04YCF", kase, n, isave, record, ifail, record_len,
                  [&] { kiv::fortran::dlacn2_(&n, work, x, isgn, est, kase, isave); });
}

int KIV_CALL F04ZCF(int* kase, int n, kiv2_complex* x, double* est, kiv2_complex* work,
                    int* isave, char* record, int* ifail, int record_len) {
  return estimate("F04ZCF", kase, n, isave, record, ifail, record_len,
                  [&] { kiv::fortran::zlacn2_(&n, work, x, est, kase, isave); });
}

}  // extern "C"
