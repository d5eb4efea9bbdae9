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

// One sequence of even length N = 2K runs as the complex transform of the K
// values x_2j + i x_2j+1 and a pass that splits it into the transform of
// the real sequence.  WORK then holds, after the two doubles of WORK(1),
// the complex table of K, the roots exp(-2 pi i k/N) for k <= K/2 and the
// complex engine's scratch: 2.5N + 4 doubles, within the 3N there are.
struct Halved {
  double* table;
  double* roots;
  double* scratch;
  Halved(int n, double* work)
      : table(work + 2), roots(table + n), scratch(roots + 2 * (n / 4 + 1)) {}
};

bool halves(int m, int n) { return m == 1 && n % 2 == 0 && n >= 8; }

// The split: Z (the unscaled transform of the K complex values, at SRC) to
// the conjugate-even form of the real transform in X, scaled by S.  Pairs
// k and K-k meet in one step, so SRC may be X itself.
void split(int n, const double* src, const double* roots, double* x, double s) {
  const int k2 = n / 2;
  const double h = 0.5 * s;
  const double r0 = src[0], i0 = src[1];
  x[0] = s * (r0 + i0);
  x[1] = 0.0;
  x[n] = s * (r0 - i0);
  x[n + 1] = 0.0;
  for (int k = 1; 2 * k <= k2; ++k) {
    const C z = {src[2 * k], src[2 * k + 1]}, zc = {src[2 * (k2 - k)], -src[2 * (k2 - k) + 1]};
    const C e = h * (z + zc), d = z - zc;
    const C o = {h * d.i, -h * d.r};  // -i (z - zc) / 2, scaled
    const C wo = mul(o, {roots[2 * k], roots[2 * k + 1]});
    x[2 * k] = e.r + wo.r;
    x[2 * k + 1] = e.i + wo.i;
    x[2 * (k2 - k)] = e.r - wo.r;  // the conjugate of e - w^k o
    x[2 * (k2 - k) + 1] = wo.i - e.i;
  }
}

// The inverse of the split, in place: conjugate-even X to the K values
// whose complex transform (backward, unscaled) is the real sequence.
void join(int n, const double* roots, double* x, double s) {
  const int k2 = n / 2;
  const double a0 = x[0], ak = x[n];
  x[0] = s * (a0 + ak);
  x[1] = s * (a0 - ak);
  for (int k = 1; 2 * k <= k2; ++k) {
    const C u = {x[2 * k], x[2 * k + 1]}, v = {x[2 * (k2 - k)], -x[2 * (k2 - k) + 1]};
    const C e = u + v, o = mul(u - v, {roots[2 * k], -roots[2 * k + 1]});
    const C io = {-o.i, o.r};
    x[2 * k] = s * (e.r + io.r);
    x[2 * k + 1] = s * (e.i + io.i);
    // Z_{K-k} = conj(E_k) + i conj(O_k)
    x[2 * (k2 - k)] = s * (e.r + o.i);
    x[2 * (k2 - k) + 1] = s * (o.r - e.i);
  }
}

}  // namespace

void real_prepare(int m, int n, RealPlan* plan, double* work) {
  plan->halved = halves(m, n) && complex_factorise(n / 2, plan->factors) != kComplexTooMany;
  if (!plan->halved) {
    real_factorise(n, plan->factors);
    real_table(n, plan->factors, work);
    return;
  }
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
    const Halved h(n, work);
    const double s = 1.0 / std::sqrt(static_cast<double>(n));
    if (forward) {
      const Held r = complex_passes(true, n / 2, factors, h.table, x, h.scratch);
      split(n, r == Held::x ? x : h.scratch, h.roots, x, s);
    } else {
      join(n, h.roots, x, s);
      if (complex_passes(false, n / 2, factors, h.table, x, h.scratch) == Held::y)
        std::memcpy(x, h.scratch, sizeof(double) * n);
      x[n] = x[n + 1] = 0.0;
    }
    work[0] = 3.0 * n;
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
