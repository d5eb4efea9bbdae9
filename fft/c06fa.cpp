// C06FAF, C06FBF and C06GBF: one real or Hermitian sequence in place,
// through the in-place real/Hermitian engine.
#include "fft/fft.hpp"
#include "frame/errors.hpp"
#include "frame/wrappers.hpp"
#include "kiv2.h"

namespace {

constexpr kiv::Messages kMessages{
    " ** On entry, N .le. 1: N =%16ld.",
    " ** At least one prime factor of N is greater than 19.\n    N =%16ld.",
    " ** N has more than 20 prime factors.\n    N =%16ld.",
    " ** Unexpected failure in an internal call.",
};

// C06FAF (ANALYSIS) and C06FBF share their checks and messages.
int one_sequence(const char* name, bool analysis, double* x, int n, double* work, char* record,
                 int* ifail, int record_len) {
  kiv::Reporter rep(name, record, record_len);
  int grouped[kiv::fft::kInplaceListLen], ungrouped[kiv::fft::kInplaceListLen];
  if (n <= 1) {
    rep.fail(3, kMessages[0], n);
    return rep.finish(ifail);
  }
  switch (kiv::fft::inplace_factorise(n, grouped, ungrouped)) {
    case 0:
      if (analysis)
        kiv::fft::inplace_analysis(n, grouped, ungrouped, x, work);
      else
        kiv::fft::inplace_synthesis(n, grouped, ungrouped, x, work);
      break;
    case 1:
      rep.fail(1, kMessages[1], n);
      break;
    case 2:
      rep.fail(2, kMessages[2], n);
      break;
    default:
      rep.fail(4, kMessages[3]);
      break;
  }
  return rep.finish(ifail);
}

constexpr kiv::Messages kC06gbf{" ** On entry, N .lt. 1: N = %16ld."};

}  // namespace

extern "C" {

int KIV_CALL C06FAF(double* x, int n, double* work, char* record, int* ifail, int record_len) {
  return one_sequence("C06FAF", true, x, n, work, record, ifail, record_len);
}

int KIV_CALL C06FBF(double* x, int n, double* work, char* record, int* ifail, int record_len) {
  return one_sequence("C06FBF", false, x, n, work, record, ifail, record_len);
}

int KIV_CALL C06GBF(double* x, int n, char* record, int* ifail, int record_len) {
  kiv::Reporter rep("C06GBF", record, record_len);
  if (n < 1)
    rep.fail(1, kC06gbf[0], n);
  else
    for (int k = kiv::fft::stored_b_first(n); k < n; ++k) x[k] = -x[k];
  return rep.finish(ifail);
}

int KIV_CALL C06FAF_HOST(double* x, const int* n, double* work, int* ifail) {
  return kiv::host_call(
      "C06FAF", ifail, [&] { POISON_REALS(*n, work); },
      [&](char* rec) { return C06FAF(x, *n, work, rec, ifail, KIV2_RECORD_LEN); });
}

int KIV_CALL C06FBF_HOST(double* x, const int* n, double* work, int* ifail) {
  return kiv::host_call(
      "C06FBF", ifail, [&] { POISON_REALS(*n, work); },
      [&](char* rec) { return C06FBF(x, *n, work, rec, ifail, KIV2_RECORD_LEN); });
}

int KIV_CALL C06GBF_HOST(double* x, const int* n, int* ifail) {
  return kiv::host_call("C06GBF", ifail, kiv::no_poison,
                        [&](char* rec) { return C06GBF(x, *n, rec, ifail, KIV2_RECORD_LEN); });
}

}  // extern "C"
