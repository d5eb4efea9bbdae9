// C06PCF, C06PRF and C06PSF: complex sequences through the self-sorting
// complex engine, one at a time, by rows or by columns.
#include "fft/fft.hpp"
#include "frame/errors.hpp"
#include "frame/wrappers.hpp"
#include "kiv2.h"

namespace kiv::fft {

Direction read_direction(const char* direct, int len) {
  const char c = direct != nullptr && len > 0 ? direct[0] : ' ';
  return {c == 'F' || c == 'f' || c == 'B' || c == 'b', c == 'F' || c == 'f', {c, '\0'}};
}

void c06pc_compute(bool forward, int n, const int* factors, double* x, double* work) {
  complex_table(n, factors, work);
  complex_transform(forward, n, factors, work, x, work + 2L * n);
  work[0] = 2.0 * n;
  work[1] = 0.0;
}

void rows_transform(bool forward, int m, int n, const int* factors, const double* table,
                    double* x, double* scratch) {
  if (m == 1) return complex_transform(forward, n, factors, table, x, scratch);
  if (lanes_fit(factors)) return lanes_transform(forward, n, factors, table, m, x, scratch);
  if (m != n) {
    transpose(m, n, x, scratch);
    for (int s = 0; s < m; ++s)
      complex_transform(forward, n, factors, table, scratch + 2L * n * s, x);
    transpose(n, m, scratch, x);
  } else {
    transpose_square(n, x);
    for (int s = 0; s < m; ++s)
      complex_transform(forward, n, factors, table, x + 2L * n * s, scratch);
    transpose_square(n, x);
  }
}

void columns_transform(bool forward, int n, int m, const int* factors, const double* table,
                       double* x, double* scratch) {
  for (int s = 0; s < m; ++s)
    complex_transform(forward, n, factors, table, x + 2L * n * s, scratch);
}

void c06pr_compute(bool forward, int m, int n, const int* factors, double* x, double* work) {
  if (m == 1) return c06pc_compute(forward, n, factors, x, work);
  complex_table(n, factors, work);
  rows_transform(forward, m, n, factors, work, x, work + 2L * n);
  work[0] = (m + 1.0) * n;
  work[1] = 0.0;
}

void c06ps_compute(bool forward, int n, int m, const int* factors, double* x, double* work) {
  if (m == 1) return c06pc_compute(forward, n, factors, x, work);
  complex_table(n, factors, work);
  columns_transform(forward, n, m, factors, work, x, work + 2L * n);
  work[0] = (m + 1.0) * n;
  work[1] = 0.0;
}

}  // namespace kiv::fft

namespace {

using kiv::fft::Direction;

double* reals(kiv2_complex* z) { return reinterpret_cast<double*>(z); }

constexpr kiv::Messages kC06pcf{
    " ** On entry, N .lt. 1: N = %16ld.",
    " ** %1s is an invalid value of DIRECT.",
    " ** N must have less than 31 prime factors: N = %16ld.",
    " ** Unexpected failure in an internal call.",
};
constexpr kiv::Messages kC06prf{
    " ** On entry, M .lt. 1: M = %16ld.",
    " ** On entry, N .lt. 1: N = %16ld.",
    " ** %1s is an invalid value of DIRECT.",
    " ** N must have less than 31 prime factors: N = %16ld.",
    " ** Unexpected failure in an internal call.",
};
constexpr kiv::Messages kC06psf{
    " ** M .lt. 1: M = %16ld.",
    " ** N .lt. 1: N = %16ld.",
    " ** %1s is an invalid value of DIRECT.",
    " ** N must have less than 31 prime factors: N = %16ld.",
    " ** Unexpected failure in an internal call.",
};

// C06PRF (BY_ROWS) and C06PSF: the same checks, two layouts.
int multiple(const char* name, const kiv::Messages<5>& messages, bool by_rows, const char* direct,
             int m, int n, kiv2_complex* x, kiv2_complex* work, char* record, int* ifail,
             int direct_len, int record_len) {
  kiv::Reporter rep(name, record, record_len);
  const Direction dir = kiv::fft::read_direction(direct, direct_len);
  int factors[kiv::fft::kComplexListLen];
  if (m < 1)
    rep.fail(1, messages[0], m);
  else if (n < 1)
    rep.fail(2, messages[1], n);
  else if (!dir.valid)
    rep.fail(3, messages[2], dir.text);
  else if (n == 1)
    work[0] = 1.0;
  else if (kiv::fft::complex_factorise(n, factors) == kiv::fft::kComplexTooMany)
    rep.fail(4, messages[3], n);
  else if (by_rows)
    kiv::fft::c06pr_compute(dir.forward, m, n, factors, reals(x), reals(work));
  else
    kiv::fft::c06ps_compute(dir.forward, n, m, factors, reals(x), reals(work));
  return rep.finish(ifail);
}

}  // namespace

extern "C" {

int KIV_CALL C06PCF(const char* direct, kiv2_complex* x, int n, kiv2_complex* work, char* record,
                    int* ifail, int direct_len, int record_len) {
  kiv::Reporter rep("C06PCF", record, record_len);
  const Direction dir = kiv::fft::read_direction(direct, direct_len);
  int factors[kiv::fft::kComplexListLen];
  if (n < 1)
    rep.fail(1, kC06pcf[0], n);
  else if (!dir.valid)
    rep.fail(2, kC06pcf[1], dir.text);
  else if (n == 1)
    work[0] = 1.0;
  else if (kiv::fft::complex_factorise(n, factors) == kiv::fft::kComplexTooMany)
    rep.fail(3, kC06pcf[2], n);
  else
    kiv::fft::c06pc_compute(dir.forward, n, factors, reals(x), reals(work));
  return rep.finish(ifail);
}

int KIV_CALL C06PRF(const char* direct, int m, int n, kiv2_complex* x, kiv2_complex* work,
                    char* record, int* ifail, int direct_len, int record_len) {
  return multiple("C06PRF", kC06prf, true, direct, m, n, x, work, record, ifail, direct_len,
                  record_len);
}

int KIV_CALL C06PSF(const char* direct, int n, int m, kiv2_complex* x, kiv2_complex* work,
                    char* record, int* ifail, int direct_len, int record_len) {
  return multiple("C06PSF", kC06psf, false, direct, m, n, x, work, record, ifail, direct_len,
                  record_len);
}

int KIV_CALL C06PCF_HOST(const char* direct, kiv2_complex* x, const int* n, kiv2_complex* work,
                         int* ifail, int) {
  return kiv::host_call("C06PCF", ifail, kiv::no_poison, [&](char* rec) {
    return C06PCF(direct, x, *n, work, rec, ifail, 1, KIV2_RECORD_LEN);
  });
}

int KIV_CALL C06PRF_HOST(const char* direct, const int* m, const int* n, kiv2_complex* x,
                         kiv2_complex* work, int* ifail, int) {
  return kiv::host_call("C06PRF", ifail, kiv::no_poison, [&](char* rec) {
    return C06PRF(direct, *m, *n, x, work, rec, ifail, 1, KIV2_RECORD_LEN);
  });
}

}  // extern "C"
