// C06PFF and C06PJF: a multi-dimensional complex array transformed along
// one dimension or along all of them.  Along dimension L the array is A
// blocks of B sequences of length n stored by rows (C06PRF's layout), or,
// when B = 1, A sequences by columns (C06PSF's).
#include <algorithm>
#include <climits>

#include "fft/fft.hpp"
#include "frame/errors.hpp"
#include "frame/wrappers.hpp"
#include "kiv2.h"

namespace {

namespace kf = kiv::fft;
using kf::Direction;

double* reals(kiv2_complex* z) { return reinterpret_cast<double*>(z); }

// Lengths are formed in 64 bits and reported clamped to the int range: a
// length no int can reach is shown as the largest int, never wrapped.  The
// product stops growing once it is beyond every int.
long long saturated_product(const int* nd, int from, int to) {
  long long p = 1;
  for (int i = from; i < to; ++i) p = std::min<long long>(p * nd[i], LLONG_MAX / INT_MAX);
  return p;
}
long shown(long long v) { return static_cast<long>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

// The work length used by the transform along dimension L (0-based), as
// WORK(1) reports it.
double work_used(int ndim, const int* nd, int l) {
  const double n = nd[l];
  if (nd[l] == 1) return 1.0;
  double b = 1.0, a = 1.0;
  for (int i = 0; i < l; ++i) b *= nd[i];
  for (int i = l + 1; i < ndim; ++i) a *= nd[i];
  return b != 1.0 ? (b + 1.0) * n : (a + 1.0) * n;
}

// Transforms the B x n x A array X along its middle index; WORK as C06PFF
// takes it (room for the table of n and B*n scratch values).
void along(bool forward, long long b, int n, long long a, const int* factors, double* x,
           double* work) {
  kf::complex_table(n, factors, work);
  double* scratch = work + 2L * n;
  if (b == 1) return kf::columns_transform(forward, n, static_cast<int>(a), factors, work, x, scratch);
  for (long long k = 0; k < a; ++k)
    kf::rows_transform(forward, static_cast<int>(b), n, factors, work, x + 2 * b * n * k, scratch);
}

constexpr kiv::Messages kC06pff{
    " ** On entry, NDIM .lt. 1: NDIM = %16ld.",
    " ** On entry, L .lt. 1 or L .gt. NDIM: L = %16ld.",
    " ** %1s is an invalid value of DIRECT.",
    " ** ND(I) .lt. 1: ND(I) = %12ld I = %12ld.",
    " ** N must = product of the ND(I): N = %12ld ND(I) = %12ld.",
    " ** LWORK, = %16ld,  must be at least:%16ld.",
    " ** ND(L) must have < 31 prime factors: ND(L) = %16ld.",
    " ** Unexpected failure in an internal call.",
};

constexpr kiv::Messages kC06pjf{
    " ** NDIM .lt. 1: NDIM = %16ld.",
    " ** %1s is an invalid value of DIRECT.",
    " ** ND(I) .lt. 1: ND(I) = %16ld I = %16ld.",
    " ** N = the product of the ND(I): N = %12ld ND(I) = %12ld.",
    " ** LWORK, = %16ld,  must be at least:%16ld.",
    " ** ND(I) must have < 31 prime factors: for I = %12ld ND(I) =%12ld.",
    " ** Unexpected failure in an internal call.",
};
// Its last-but-one message is wider than 80 characters.
constexpr int kC06pjfLineLen = 180;

// The first ND(I) below 1 (0-based), or -1.
int first_below_one(int ndim, const int* nd) {
  for (int i = 0; i < ndim; ++i)
    if (nd[i] < 1) return i;
  return -1;
}

}  // namespace

extern "C" {

int KIV_CALL C06PFF(int, const char* direct, int ndim, int l, const int* nd, int n,
                    kiv2_complex* x, kiv2_complex* work, int lwork, char* record, int* ifail,
                    int direct_len, int record_len) {
  kiv::Reporter rep("C06PFF", record, record_len);
  const Direction dir = kf::read_direction(direct, direct_len);
  int factors[kf::kComplexListLen];
  int bad = -1;
  if (ndim < 1) {
    rep.fail(1, kC06pff[0], ndim);
  } else if (l < 1 || l > ndim) {
    rep.fail(2, kC06pff[1], l);
  } else if (!dir.valid) {
    rep.fail(3, kC06pff[2], dir.text);
  } else if ((bad = first_below_one(ndim, nd)) >= 0) {
    rep.fail(4, kC06pff[3], nd[bad], bad + 1);
  } else {
    const int len = nd[l - 1];
    const long long b = saturated_product(nd, 0, l - 1), a = saturated_product(nd, l, ndim);
    const long long required = static_cast<long long>(n) + len + 15;
    const long long product = saturated_product(nd, 0, ndim);
    if (lwork < required)
      rep.fail(6, kC06pff[5], lwork, shown(required));
    else if (product != n)
      rep.fail(5, kC06pff[4], n, shown(product));
    else if (len > 1 && kf::complex_factorise(len, factors) == kf::kComplexTooMany)
      rep.fail(7, kC06pff[6], len);
    else if (len > 1)
      along(dir.forward, b, len, a, factors, reals(x), reals(work));
    if (rep.ierr() == 0) work[0] = work_used(ndim, nd, l - 1);
  }
  return rep.finish(ifail);
}

int KIV_CALL C06PJF(int, const char* direct, int ndim, const int* nd, int n, kiv2_complex* x,
                    kiv2_complex* work, int lwork, char* record, int* ifail, int direct_len,
                    int record_len) {
  kiv::Reporter rep("C06PJF", record, record_len, kC06pjfLineLen);
  const Direction dir = kf::read_direction(direct, direct_len);
  int bad = -1;
  if (ndim < 1) {
    rep.fail(1, kC06pjf[0], ndim);
  } else if (!dir.valid) {
    rep.fail(2, kC06pjf[1], dir.text);
  } else if ((bad = first_below_one(ndim, nd)) >= 0) {
    rep.fail(3, kC06pjf[2], nd[bad], bad + 1);
  } else {
    const int longest = *std::max_element(nd, nd + ndim);
    const long long required = n + 3LL * (longest + 5LL);
    const long long product = saturated_product(nd, 0, ndim);
    if (lwork < required) {
      rep.fail(5, kC06pjf[4], lwork, shown(required));
    } else if (product != n) {
      rep.fail(4, kC06pjf[3], n, shown(product));
    } else {
      // Every length is factorised before X changes.
      int factors[kf::kComplexListLen];
      for (int i = 0; i < ndim && rep.ierr() == 0; ++i)
        if (nd[i] > 1 && kf::complex_factorise(nd[i], factors) == kf::kComplexTooMany)
          rep.fail(6, kC06pjf[5], i + 1, nd[i]);
      for (int i = 0; i < ndim && rep.ierr() == 0; ++i) {
        if (nd[i] == 1) continue;
        kf::complex_factorise(nd[i], factors);
        const long long b = saturated_product(nd, 0, i);
        along(dir.forward, b, nd[i], n / (b * nd[i]), factors, reals(x), reals(work));
      }
      if (rep.ierr() == 0) {
        double used = 1.0;
        for (int i = 0; i < ndim; ++i) used = std::max(used, work_used(ndim, nd, i));
        work[0] = used;
      }
    }
  }
  return rep.finish(ifail);
}

int KIV_CALL C06PFF_HOST(const char* direct, const int* ndim, const int* l, const int* nd,
                         const int* n, kiv2_complex* x, kiv2_complex* work, const int* lwork,
                         int* ifail, int) {
  return kiv::host_call(
      "C06PFF", ifail, [&] { POISON_COMPLEXES(*lwork, work); },
      [&](char* rec) {
        return C06PFF(0, direct, *ndim, *l, nd, *n, x, work, *lwork, rec, ifail, 1,
                      KIV2_RECORD_LEN);
      });
}

int KIV_CALL C06PJF_HOST(const char* direct, const int* ndim, const int* nd, const int* n,
                         kiv2_complex* x, kiv2_complex* work, const int* lwork, int* ifail, int) {
  return kiv::host_call(
      "C06PJF", ifail, [&] { POISON_COMPLEXES(*lwork, work); },
      [&](char* rec) {
        return C06PJF(0, direct, *ndim, nd, *n, x, work, *lwork, rec, ifail, 1, KIV2_RECORD_LEN);
      });
}

}  // extern "C"
