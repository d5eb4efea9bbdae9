// C06PPF: M real or conjugate-even sequences by rows through the
// self-sorting real engine, all M at once on the caller's array (the
// engine's sequence index is the rows' own, so no transposition is needed).
#include <cmath>
#include <cstring>

#include "fft/dft.hpp"
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
  RealPlan plan;
  real_prepare(m, n, &plan, work);
  c06pp_transform(forward, m, n, plan, x, work);
}

namespace {

// A sequence of even length N = 2K runs as the complex transform of the K
// values x_2j + i x_2j+1 and a pass that splits it into the transform of
// the real sequence.  WORK then holds, after the two doubles of WORK(1),
// the complex table of K, the roots exp(-2 pi i k/N) for k <= K/2, and
// either the engine's scratch (one sequence, transformed in place in X) or
// the M sequences gathered one after the other (X is then the scratch):
// 2.5N + 4 doubles, or 1.5N + 4 + M N, within the 3N or 2N + (N+2) M
// there are.
struct Halved {
  double* table;
  double* roots;
  double* rest;
  Halved(int n, double* work)
      : table(work + 2), roots(table + n), rest(roots + 2 * (n / 4 + 1)) {}
};

bool halves(int n) { return n % 2 == 0 && n >= 8; }

// Z (the unscaled transform of the K complex values, at SRC) to the
// conjugate-even form of the real transform in X (columns LD apart),
// scaled by S.  Pairs k and K-k meet in one step, so SRC may be X itself
// when LD is 1.
void split(int n, const double* src, const double* roots, double* x, long ld, double s) {
  const int k2 = n / 2;
  const double h = 0.5 * s;
  const double r0 = src[0], i0 = src[1];
  x[0] = s * (r0 + i0);
  x[ld] = 0.0;
  x[n * ld] = s * (r0 - i0);
  x[(n + 1) * ld] = 0.0;
  for (int k = 1; 2 * k <= k2; ++k) {
    const long up = 2 * k, down = 2 * (k2 - k);
    const C z = {src[up], src[up + 1]}, zc = {src[down], -src[down + 1]};
    const C e = h * (z + zc), d = z - zc;
    const C o = {h * d.i, -h * d.r};  // -i (z - zc) / 2, scaled
    const C wo = mul(o, {roots[2 * k], roots[2 * k + 1]});
    x[up * ld] = e.r + wo.r;
    x[(up + 1) * ld] = e.i + wo.i;
    x[down * ld] = e.r - wo.r;  // the conjugate of e - w^k o
    x[(down + 1) * ld] = wo.i - e.i;
  }
}

// The inverse of the split: conjugate-even X (columns LD apart) to the K
// values at DST whose backward complex transform, unscaled, is the real
// sequence.  DST may be X itself when LD is 1.
void join(int n, const double* roots, const double* x, long ld, double* dst, double s) {
  const int k2 = n / 2;
  const double a0 = x[0], ak = x[n * ld];
  dst[0] = s * (a0 + ak);
  dst[1] = s * (a0 - ak);
  for (int k = 1; 2 * k <= k2; ++k) {
    const long up = 2 * k, down = 2 * (k2 - k);
    const C u = {x[up * ld], x[(up + 1) * ld]}, v = {x[down * ld], -x[(down + 1) * ld]};
    const C e = u + v, o = mul(u - v, {roots[2 * k], -roots[2 * k + 1]});
    dst[up] = s * (e.r - o.i);  // Z_k = e + i o
    dst[up + 1] = s * (e.i + o.r);
    dst[down] = s * (e.r + o.i);  // Z_{K-k} = conj(e) + i conj(o)
    dst[down + 1] = s * (o.r - e.i);
  }
}

void halved_forward(int m, int n, const int* factors, double* x, double* work) {
  const Halved h(n, work);
  const double s = 1.0 / std::sqrt(static_cast<double>(n));
  if (m == 1) {
    const Held r = complex_passes(true, n / 2, factors, h.table, x, h.rest);
    return split(n, r == Held::x ? x : h.rest, h.roots, x, 1, s);
  }
  transpose_reals(m, n, x, h.rest);
  for (int q = 0; q < m; ++q) {
    double* z = h.rest + static_cast<long>(n) * q;
    if (complex_passes(true, n / 2, factors, h.table, z, x) == Held::y)
      std::memcpy(z, x, sizeof(double) * n);
  }
  for (int q = 0; q < m; ++q) split(n, h.rest + static_cast<long>(n) * q, h.roots, x + q, m, s);
}

void halved_backward(int m, int n, const int* factors, double* x, double* work) {
  const Halved h(n, work);
  const double s = 1.0 / std::sqrt(static_cast<double>(n));
  if (m == 1) {
    join(n, h.roots, x, 1, x, s);
    if (complex_passes(false, n / 2, factors, h.table, x, h.rest) == Held::y)
      std::memcpy(x, h.rest, sizeof(double) * n);
  } else {
    for (int q = 0; q < m; ++q) join(n, h.roots, x + q, m, h.rest + static_cast<long>(n) * q, s);
    for (int q = 0; q < m; ++q) {
      double* z = h.rest + static_cast<long>(n) * q;
      if (complex_passes(false, n / 2, factors, h.table, z, x) == Held::y)
        std::memcpy(z, x, sizeof(double) * n);
    }
    transpose_reals(n, m, h.rest, x);
  }
  for (int i = 0; i < m; ++i) x[i + static_cast<long>(n) * m] = x[i + static_cast<long>(n + 1) * m] = 0.0;
}

}  // namespace

void real_prepare(int m, int n, RealPlan* plan, double* work) {
  if (!halves(n) || complex_factorise(n / 2, plan->factors) == kComplexTooMany) {
    plan->halved = false;
    real_factorise(n, plan->factors);
    real_table(n, plan->factors, work);
    return;
  }
  (void)m;
  plan->halved = true;
  const Halved h(n, work);
  complex_table(n / 2, plan->factors, h.table);
  // exp(-2 pi i k/N), k <= N/4: exact roots at multiples of 64 times exact
  // roots below 64.
  constexpr int kSpan = 64;
  C near[kSpan];
  for (int d = 0; d < kSpan; ++d) near[d] = unit_root(d, n);
  for (int k0 = 0; 4 * k0 <= n; k0 += kSpan) {
    const C base = unit_root(k0, n);
    for (int d = 0; d < kSpan && 4 * (k0 + d) <= n; ++d) {
      const C w = d == 0 ? base : mul(base, near[d]);
      h.roots[2 * (k0 + d)] = w.r;
      h.roots[2 * (k0 + d) + 1] = w.i;
    }
  }
}

void c06pp_transform(bool forward, int m, int n, const RealPlan& plan, double* x, double* work) {
  const int* factors = plan.factors;
  if (plan.halved) {
    if (forward)
      halved_forward(m, n, factors, x, work);
    else
      halved_backward(m, n, factors, x, work);
    work[0] = m == 1 ? 3.0 * n : (n + 2.0) * m + 2.0 * n;
    return;
  }
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
