// C06RAF, C06RBF, C06RCF and C06RDF: sine and cosine transforms of M
// sequences stored by rows, each a pre-processing pass, the real transform
// of C06PPF on all M rows at once, and a post-processing pass.  The passes
// run column by column, so their inner loops run along the M rows.
#include <cmath>
#include <cstring>

#include "fft/dft.hpp"
#include "fft/fft.hpp"
#include "frame/errors.hpp"
#include "frame/wrappers.hpp"
#include "kiv2.h"

namespace kiv::fft {
namespace {

constexpr double kSqrt2 = 1.4142135623730951;

// Column C (1-based) of the M rows.
struct Cols {
  double* x;
  int m;
  double* operator()(int c) const { return x + static_cast<std::ptrdiff_t>(c - 1) * m; }
  void zero(int c) const { std::memset((*this)(c), 0, sizeof(double) * m); }
  void scale(int c, double s) const {
    double* p = (*this)(c);
    for (int i = 0; i < m; ++i) p[i] *= s;
  }
  // Columns FROM .. FROM+COUNT-1 move to TO .. TO+COUNT-1.
  void move(int to, int from, int count) const {
    std::memmove((*this)(to), (*this)(from), sizeof(double) * m * static_cast<std::size_t>(count));
  }
};

// Calls FN(j, cos(pi j/DEN), sin(pi j/DEN)) for j = 1 .. LAST (2 LAST <=
// DEN).  Each value is a correctly rounded root at a multiple of the span
// times one of the span's own: an ulp or two, for few sines and cosines.
template <class Fn>
void for_angles(int last, long long den, Fn&& fn) {
  constexpr int kSpan = 64;
  auto root = [den](long long j) {
    const double a = kPi * (static_cast<double>(j) / static_cast<double>(den));
    return C{std::cos(a), std::sin(a)};
  };
  C near[kSpan];
  for (int d = 0; d < kSpan && d <= last; ++d) near[d] = root(d);
  for (int j0 = 0; j0 <= last; j0 += kSpan) {
    const C base = root(j0);
    for (int d = j0 == 0 ? 1 : 0; d < kSpan && j0 + d <= last; ++d) {
      const C w = d == 0 ? base : mul(base, near[d]);
      fn(j0 + d, w.r, w.i);
    }
  }
}

// Discrete sine transform: x_j in column j, results in column k.
void sine(const Cols& x, int n, const RealPlan& plan, double* work) {
  const int m = x.m;
  for_angles((n - 1) / 2, n, [&](int j, double, double s) {
    double *u = x(j), *v = x(n - j);
    for (int i = 0; i < m; ++i) {
      const double a = u[i], b = v[i];
      u[i] = 0.5 * (a - b) + (a + b) * s;
      v[i] = (a + b) * s - 0.5 * (a - b);
    }
  });
  if (n % 2 == 0) x.scale(n / 2, 2.0);
  x.move(2, 1, n - 1);  // the sequence handed on is (0, y_1, ..., y_{N-1})
  x.zero(1);
  c06pp_transform(true, m, n, plan, x.x, work);
  x.scale(1, kSqrtHalf);
  for (int k = 1; 2 * k < n; ++k) {
    double *even = x(2 * k), *b = x(2 * k + 2);
    for (int i = 0; i < m; ++i) even[i] = -kSqrt2 * b[i];
    if (2 * k + 1 >= n) break;
    double *odd = x(2 * k + 1), *prev = x(2 * k - 1);
    for (int i = 0; i < m; ++i) odd[i] = prev[i] + kSqrt2 * odd[i];
  }
  for (int c = n; c <= n + 2; ++c) x.zero(c);
}

// Discrete cosine transform: x_j in column j+1, results in column k+1,
// column N+3 the accumulator of the odd terms' start.
void cosine(const Cols& x, int n, const RealPlan& plan, double* work) {
  const int m = x.m;
  double *first = x(1), *last = x(n + 1), *acc = x(n + 3);
  for (int i = 0; i < m; ++i) {
    first[i] = 0.5 * (first[i] + last[i]);
    acc[i] = first[i] - last[i];
  }
  for_angles((n - 1) / 2, n, [&](int j, double c, double s) {
    double *u = x(j + 1), *v = x(n - j + 1);
    for (int i = 0; i < m; ++i) {
      const double d = u[i] - v[i], y = 0.5 * (u[i] + v[i]), z = d * s;
      acc[i] += d * c;
      u[i] = y - z;
      v[i] = y + z;
    }
  });
  x.scale(n + 3, kSqrt2 / std::sqrt(static_cast<double>(n)));
  c06pp_transform(true, m, n, plan, x.x, work);
  x.scale(1, kSqrt2);
  std::memcpy(x(2), acc, sizeof(double) * m);
  for (int k = 1; 2 * k <= n; ++k) {
    x.scale(2 * k + 1, kSqrt2);
    if (2 * k + 1 > n) break;
    double *odd = x(2 * k + 2), *prev = x(2 * k);
    for (int i = 0; i < m; ++i) odd[i] = prev[i] - kSqrt2 * odd[i];
  }
}

// The pairs (a_t, b_t) of the conjugate-even form, a_t in column 2t+1 and
// b_t in column 2t+2, from the quarter-wave outputs (u, v) in columns 2t
// and 2t+1, and back; SINE picks the sine transform's arrangement.
void quarter_post(const Cols& x, int n, bool sine) {
  const int m = x.m;
  x.scale(1, 0.5);
  for (int t = 1; 2 * t < n; ++t) {
    double *u = x(2 * t), *a = x(2 * t + 1), *b = x(2 * t + 2);
    for (int i = 0; i < m; ++i) {
      const double at = a[i], bt = b[i];
      u[i] = sine ? -0.5 * (at + bt) : 0.5 * (at - bt);
      a[i] = sine ? 0.5 * (at - bt) : 0.5 * (at + bt);
    }
  }
  if (n % 2 == 0) {
    double *u = x(n), *a = x(n + 1);
    for (int i = 0; i < m; ++i) u[i] = (sine ? -0.5 : 0.5) * a[i];
  }
}

void quarter_pre_inverse(const Cols& x, int n, bool sine) {
  const int m = x.m;
  if (n % 2 == 0) {
    double *u = x(n), *a = x(n + 1);
    for (int i = 0; i < m; ++i) a[i] = (sine ? -2.0 : 2.0) * u[i];
  }
  for (int t = (n - 1) / 2; t >= 1; --t) {
    double *u = x(2 * t), *a = x(2 * t + 1), *b = x(2 * t + 2);
    for (int i = 0; i < m; ++i) {
      const double ut = u[i], vt = a[i];
      a[i] = sine ? vt - ut : ut + vt;
      b[i] = sine ? -(vt + ut) : vt - ut;
    }
  }
  x.scale(1, 2.0);
  x.zero(2);  // b_0
  x.zero(n + 2);  // b_{N/2}, or the spare element
}

// The quarter-wave pre-processing of the pair of columns U and V: with
// p = u + v and d = u - v, u becomes d c + p s and v becomes p c - d s;
// backward, the inverse rotation halved.
void turn(double* u, double* v, int m, double c, double s, bool forward) {
  for (int i = 0; i < m; ++i) {
    const double uj = u[i], vj = v[i];
    if (forward) {
      const double p = uj + vj, d = uj - vj;
      u[i] = d * c + p * s;
      v[i] = p * c - d * s;
    } else {
      const double d = c * uj - s * vj, p = s * uj + c * vj;
      u[i] = 0.5 * (p + d);
      v[i] = 0.5 * (p - d);
    }
  }
}

// Quarter-wave sine transform: values x_1 .. x_N in columns 1 .. N (its
// rotation is the cosine transform's with the sine and cosine exchanged).
void quarter_sine(bool forward, const Cols& x, int n, const RealPlan& plan, double* work) {
  const int m = x.m;
  auto rotate = [&](int j, double c, double s) { turn(x(j), x(n - j), m, s, c, forward); };
  if (forward) {
    std::memcpy(x(n + 1), x(n), sizeof(double) * m);
    if (n % 2 == 0) x.scale(n / 2, kSqrt2);
    for_angles((n - 1) / 2, 2LL * n, rotate);
    x.move(2, 1, n - 1);
    std::memcpy(x(1), x(n + 1), sizeof(double) * m);
    x.zero(n + 1);
    x.zero(n + 2);
    c06pp_transform(true, m, n, plan, x.x, work);
    quarter_post(x, n, true);
  } else {
    quarter_pre_inverse(x, n, true);
    c06pp_transform(false, m, n, plan, x.x, work);
    std::memcpy(x(n + 1), x(1), sizeof(double) * m);
    x.move(1, 2, n - 1);
    std::memcpy(x(n), x(n + 1), sizeof(double) * m);
    for_angles((n - 1) / 2, 2LL * n, rotate);
    if (n % 2 == 0) x.scale(n / 2, kSqrtHalf);
  }
  x.zero(n + 1);
  x.zero(n + 2);
}

// Quarter-wave cosine transform: values numbered 0 .. N-1 in columns
// 1 .. N.
void quarter_cosine(bool forward, const Cols& x, int n, const RealPlan& plan,
                    double* work) {
  const int m = x.m;
  auto rotate = [&](int j, double c, double s) {
    turn(x(j + 1), x(n - j + 1), m, c, s, forward);
  };
  if (forward) {
    for_angles((n - 1) / 2, 2LL * n, rotate);
    if (n % 2 == 0) x.scale(n / 2 + 1, kSqrt2);
    c06pp_transform(true, m, n, plan, x.x, work);
    quarter_post(x, n, false);
  } else {
    quarter_pre_inverse(x, n, false);
    c06pp_transform(false, m, n, plan, x.x, work);
    if (n % 2 == 0) x.scale(n / 2 + 1, kSqrtHalf);
    for_angles((n - 1) / 2, 2LL * n, rotate);
  }
  x.zero(n + 1);
  x.zero(n + 2);
}

}  // namespace

void sine_cosine_compute(Trig kind, bool forward, int m, int n, double* x, double* work) {
  const Cols cols{x, m};
  if (n == 1) {
    switch (kind) {
      case Trig::sine:
        for (int c = 1; c <= 3; ++c) cols.zero(c);
        break;
      case Trig::cosine: {
        double *a = cols(1), *b = cols(2);
        for (int i = 0; i < m; ++i) {
          const double u = kSqrtHalf * a[i], v = kSqrtHalf * b[i];
          a[i] = u + v;
          b[i] = u - v;
        }
        break;
      }
      default:
        cols.scale(1, forward ? 0.5 : 2.0);
        break;
    }
    work[0] = 1.0;
    return;
  }
  RealPlan plan;
  real_prepare(m, n, &plan, work);
  sine_cosine_transform(kind, forward, m, n, plan, x, work);
}

void sine_cosine_transform(Trig kind, bool forward, int m, int n, const RealPlan& plan, double* x,
                           double* work) {
  const Cols cols{x, m};
  switch (kind) {
    case Trig::sine:
      return sine(cols, n, plan, work);
    case Trig::cosine:
      return cosine(cols, n, plan, work);
    case Trig::quarter_sine:
      return quarter_sine(forward, cols, n, plan, work);
    case Trig::quarter_cosine:
      return quarter_cosine(forward, cols, n, plan, work);
  }
}

}  // namespace kiv::fft

namespace {

using kiv::fft::Trig;

constexpr kiv::Messages kSineCosine{
    " ** On entry, M .lt. 1: M = %16ld.",
    " ** On entry, N .lt. 1: N = %16ld.",
    " ** Unexpected failure in an internal call.",
};
constexpr kiv::Messages kQuarterWave{
    " ** On entry, M .lt. 1: M = %16ld.",
    " ** On entry, N .lt. 1: N = %16ld.",
    " ** %1s is an invalid value of DIRECT.",
    " ** Unexpected failure in an internal call.",
};

int self_inverse(const char* name, Trig kind, int m, int n, double* x, double* work, char* record,
                 int* ifail, int record_len) {
  kiv::Reporter rep(name, record, record_len);
  if (m < 1)
    rep.fail(1, kSineCosine[0], m);
  else if (n < 1)
    rep.fail(2, kSineCosine[1], n);
  else
    kiv::fft::sine_cosine_compute(kind, true, m, n, x, work);
  return rep.finish(ifail);
}

int quarter_wave(const char* name, Trig kind, const char* direct, int m, int n, double* x,
                 double* work, char* record, int* ifail, int direct_len, int record_len) {
  kiv::Reporter rep(name, record, record_len);
  const kiv::fft::Direction dir = kiv::fft::read_direction(direct, direct_len);
  if (m < 1)
    rep.fail(1, kQuarterWave[0], m);
  else if (n < 1)
    rep.fail(2, kQuarterWave[1], n);
  else if (!dir.valid)
    rep.fail(3, kQuarterWave[2], dir.text);
  else
    kiv::fft::sine_cosine_compute(kind, dir.forward, m, n, x, work);
  return rep.finish(ifail);
}

}  // namespace

extern "C" {

int KIV_CALL C06RAF(int m, int n, double* x, double* work, char* record, int* ifail,
                    int record_len) {
  return self_inverse("C06RAF", Trig::sine, m, n, x, work, record, ifail, record_len);
}

int KIV_CALL C06RBF(int m, int n, double* x, double* work, char* record, int* ifail,
                    int record_len) {
  return self_inverse("C06RBF", Trig::cosine, m, n, x, work, record, ifail, record_len);
}

int KIV_CALL C06RCF(const char* direct, int m, int n, double* x, double* work, char* record,
                    int* ifail, int direct_len, int record_len) {
  return quarter_wave("C06RCF", Trig::quarter_sine, direct, m, n, x, work, record, ifail,
                      direct_len, record_len);
}

int KIV_CALL C06RDF(const char* direct, int m, int n, double* x, double* work, char* record,
                    int* ifail, int direct_len, int record_len) {
  return quarter_wave("C06RDF", Trig::quarter_cosine, direct, m, n, x, work, record, ifail,
                      direct_len, record_len);
}

int KIV_CALL C06RAF_HOST(const int* m, const int* n, double* x, double* work, int* ifail) {
  return kiv::host_call("C06RAF", ifail, kiv::no_poison, [&](char* rec) {
    return C06RAF(*m, *n, x, work, rec, ifail, KIV2_RECORD_LEN);
  });
}

int KIV_CALL C06RBF_HOST(const int* m, const int* n, double* x, double* work, int* ifail) {
  return kiv::host_call("C06RBF", ifail, kiv::no_poison, [&](char* rec) {
    return C06RBF(*m, *n, x, work, rec, ifail, KIV2_RECORD_LEN);
  });
}

int KIV_CALL C06RCF_HOST(const char* direct, const int* m, const int* n, double* x,
                         double* work, int* ifail, int) {
  return kiv::host_call("C06RCF", ifail, kiv::no_poison, [&](char* rec) {
    return C06RCF(direct, *m, *n, x, work, rec, ifail, 1, KIV2_RECORD_LEN);
  });
}

int KIV_CALL C06RDF_HOST(const char* direct, const int* m, const int* n, double* x,
                         double* work, int* ifail, int) {
  return kiv::host_call("C06RDF", ifail, kiv::no_poison, [&](char* rec) {
    return C06RDF(direct, *m, *n, x, work, rec, ifail, 1, KIV2_RECORD_LEN);
  });
}

}  // extern "C"
