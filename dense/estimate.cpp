// 1-norm estimation by reverse communication (Hager's method with Higham's
// refinements).  All state lives in the caller's arrays, so several
// estimations may run at once.
#include <complex>

#include "dense/fortran.hpp"
#include "dense/lapack.hpp"
#include "frame/errors.hpp"

namespace {

constexpr kiv::Messages kMessages{" ** On entry, N .lt. 1: N =%16ld."};

// Runs one step of the estimator STEP unless N < 1, which is error 1.
template <class Step>
int estimate(const char* srname, int* kase, int n, char* record, int* ifail, int record_len,
             Step step) {
  kiv::Reporter rep(srname, record, record_len);
  if (n < 1) {
    *kase = 0;
    rep.fail(1, kMessages[0], n);
  } else {
    step();
  }
  return rep.finish(ifail);
}

}  // namespace

extern "C" {

int KIV_CALL F04YCF(int* kase, int n, double* x, double* est, double* work, int* isgn,
                    int* isave, char* record, int* ifail, int record_len) {
  return estimate("F04YCF", kase, n, record, ifail, record_len,
                  [&] { kiv::fortran::dlacn2_(&n, work, x, isgn, est, kase, isave); });
}

int KIV_CALL F04ZCF(int* kase, int n, kiv2_complex* x, double* est, kiv2_complex* work,
                    int* isave, char* record, int* ifail, int record_len) {
  return estimate("F04ZCF", kase, n, record, ifail, record_len,
                  [&] { kiv::fortran::zlacn2_(&n, work, x, est, kase, isave); });
}

}  // extern "C"
