// C06PPF: M real or conjugate-even sequences by rows through the
// self-sorting real engine, all M at once on the caller's array (the
// engine's sequence index is the rows' own, so no transposition is needed).
#include <cmath>

#include "fft/fft.hpp"
#include "frame/errors.hpp"
#include "frame/wrappers.hpp"
#include "kiv2.h"

namespace kiv::fft {
namespace {

// Element K of the M sequences in an array with sequence index fastest.
struct Rows {
  double* a;
  int m;
  double* operator[](long k) const { return a + k * m; }
};

// Unscaled Hermitian packed data in P to the scaled conjugate-even form in
// X.  P is X itself or the scratch Y; in place, the b_k wait in Y while the
// a_k spread out from the top down (a_k moves to 2k >= k).
void packed_to_conjugate_even(int m, int n, Rows p, Rows x, Rows y, double s) {
  if (p.a == x.a) {
    for (int k = 1; 2 * k < n; ++k)
      for (int i = 0; i < m; ++i) y[k][i] = p[n - k][i];
    for (int k = n / 2; k >= 0; --k)
      for (int i = 0; i < m; ++i) x[2 * k][i] = s * x[k][i];
    for (int k = 1; 2 * k < n; ++k)
      for (int i = 0; i < m; ++i) x[2 * k + 1][i] = s * y[k][i];
  } else {
    for (int k = 0; 2 * k <= n; ++k)
      for (int i = 0; i < m; ++i) x[2 * k][i] = s * p[k][i];
    for (int k = 1; 2 * k < n; ++k)
      for (int i = 0; i < m; ++i) x[2 * k + 1][i] = s * p[n - k][i];
  }
  for (int i = 0; i < m; ++i) {
    x[1][i] = 0.0;
    x[n + 1][i] = 0.0;  // b_{N/2} for even N, the spare element for odd N
  }
}

}  // namespace

void c06pp_compute(bool forward, int m, int n, double* x, double* work) {
  if (n == 1) {
    for (int i = 0; i < m; ++i) x[i + m] = x[i + 2 * m] = 0.0;
    work[0] = 1.0;
    return;
  }
  int factors[kRealListLen];
  real_factorise(n, factors);
  real_table(n, factors, work);
  c06pp_transform(forward, m, n, factors, x, work);
}

void c06pp_transform(bool forward, int m, int n, const int* factors, double* x, double* work) {
  const Rows rx{x, m};
  double* y = work + 2L * n;
  const Rows ry{y, m};
  const double s = 1.0 / std::sqrt(static_cast<double>(n));
  if (forward) {
    const Held h = real_forward_passes(m, n, factors, work, x, y);
    packed_to_conjugate_even(m, n, h == Held::x ? rx : ry, rx, ry, s);
  } else {
    // The backward transform is the synthesis of the conjugate.
    for (int k = 0; 2 * k <= n; ++k)
      for (int i = 0; i < m; ++i) ry[k][i] = rx[2 * k][i];
    for (int k = 1; 2 * k < n; ++k)
      for (int i = 0; i < m; ++i) ry[n - k][i] = -rx[2 * k + 1][i];
    const Held h = real_synthesis_passes(m, n, factors, work, Held::y, x, y);
    const double* r = h == Held::x ? x : y;
    for (long k = 0; k < static_cast<long>(m) * n; ++k) x[k] = s * r[k];
    for (int i = 0; i < m; ++i) rx[n][i] = rx[n + 1][i] = 0.0;
  }
  work[0] = m == 1 ? 3.0 * n : (n + 2.0) * m + 2.0 * n;
}

}  // namespace kiv::fft

namespace {

constexpr kiv::Messages kMessages{
    " ** On entry, M .lt. 1: M = %16ld.",
    " ** On entry, N .lt. 1: N = %16ld.",
    " ** %1s is an invalid value of DIRECT.",
    " ** Unexpected failure in an internal call.",
};

}  // namespace

extern "C" {

int KIV_CALL C06PPF(const char* direct, int m, int n, double* x, double* work, char* record,
                    int* ifail, int direct_len, int record_len) {
  kiv::Reporter rep("C06PPF", record, record_len);
  const kiv::fft::Direction dir = kiv::fft::read_direction(direct, direct_len);
  if (m < 1)
    rep.fail(1, kMessages[0], m);
  else if (n < 1)
    rep.fail(2, kMessages[1], n);
  else if (!dir.valid)
    rep.fail(3, kMessages[2], dir.text);
  else
    kiv::fft::c06pp_compute(dir.forward, m, n, x, work);
  return rep.finish(ifail);
}

int KIV_CALL C06PPF_HOST(const char* direct, const int* m, const int* n, double* x, double* work,
                         int* ifail, int) {
  return kiv::host_call("C06PPF", ifail, kiv::no_poison, [&](char* rec) {
    return C06PPF(direct, *m, *n, x, work, rec, ifail, 1, KIV2_RECORD_LEN);
  });
}

}  // extern "C"
