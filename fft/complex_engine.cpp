// The self-sorting complex engine: Stockham passes between the data and a
// scratch array, twiddles from a table built for the factor list.
//
// Pass with factor F, m the product of the earlier factors, L = N/(m F):
//   B(i, j, q) = w^(q i) sum_p A(i, p, j) exp(-2 pi i pq/F)
// with A(i, p, j) = A[i + L p + L F j] and B(i, j, q) = B[i + L j + L m q],
// w^(q i) the table entry i of the pass's row q.
#include <cmath>
#include <cstring>
#include <utility>

#include "fft/prime_dft.hpp"
#include "fft/dft.hpp"
#include "fft/fft.hpp"

namespace kiv::fft {
namespace {

// A complex value in one 16-byte vector register: the butterflies of the
// passes then add and subtract both parts at once.
typedef double v2 __attribute__((vector_size(16)));
typedef long long v2i __attribute__((vector_size(16)));
struct V {
  v2 v;
};
inline V operator+(V a, V b) { return {a.v + b.v}; }
inline V operator-(V a, V b) { return {a.v - b.v}; }
inline V operator*(double s, V a) { return {s * a.v}; }
inline v2 swapped(v2 a) { return __builtin_shuffle(a, v2i{1, 0}); }
template <bool Fwd>
inline V rot(V a) {  // times -i (forward) or +i
  return {swapped(a.v) * (Fwd ? v2{1.0, -1.0} : v2{-1.0, 1.0})};
}
// A times W, or times the conjugate of W for the backward sign.
template <bool Fwd>
inline V twiddle(V a, V w) {
  const v2 re = __builtin_shuffle(a.v, v2i{0, 0}), im = __builtin_shuffle(a.v, v2i{1, 1});
  const v2 wt = Fwd ? swapped(w.v) * v2{-1.0, 1.0} : swapped(w.v);
  return {(Fwd ? w.v : w.v * v2{1.0, -1.0}) * re + wt * im};
}
inline V load(const double* a, long k) {
  V x;
  std::memcpy(&x.v, a + 2 * k, sizeof x.v);
  return x;
}
inline void store(double* a, long k, V x) { std::memcpy(a + 2 * k, &x.v, sizeof x.v); }

// F known at compile time (2, 3, 4, 5 and the small odd primes).
// The last pass (L = 1) multiplies by SCALE as it stores.
template <int F, bool Fwd>
void pass(int L, int m, const double* a, double* b, const double* rows, const Roots& roots,
          double scale) {
  const long lf = static_cast<long>(L) * F, lm = static_cast<long>(L) * m;
  if (L == 1) {  // the last pass: no twiddles, j runs along the data
    for (int j = 0; j < m; ++j) {
      V x[F];
#pragma GCC unroll 19
      for (int p = 0; p < F; ++p) x[p] = load(a, p + F * j);
      dft<F, Fwd>(x, roots);
#pragma GCC unroll 19
      for (int q = 0; q < F; ++q) store(b, j + m * q, scale * x[q]);
    }
    return;
  }
  for (int j = 0; j < m; ++j) {
    const double* aj = a + 2 * lf * j;
    double* bj = b + 2 * L * j;
    {  // i = 0: every twiddle is 1
      V x[F];
#pragma GCC unroll 19
      for (int p = 0; p < F; ++p) x[p] = load(aj, L * p);
      dft<F, Fwd>(x, roots);
#pragma GCC unroll 19
      for (int q = 0; q < F; ++q) store(bj, lm * q, x[q]);
    }
    for (int i = 1; i < L; ++i) {
      V x[F];
#pragma GCC unroll 19
      for (int p = 0; p < F; ++p) x[p] = load(aj, i + L * p);
      dft<F, Fwd>(x, roots);
      store(bj, i, x[0]);
#pragma GCC unroll 19
      for (int q = 1; q < F; ++q)
        store(bj, i + lm * q, twiddle<Fwd>(x[q], load(rows, (q - 1) * L + i)));
    }
  }
}

// A large prime F: each DFT through the chirp convolution.  False when
// its scratch cannot be had.
template <bool Fwd>
bool convolution_pass(int f, int L, int m, const double* a, double* b, const double* rows,
                      double scale) {
  PrimeDft conv(f, rows, rows + 1, 2L * L);
  if (!conv.ready()) return false;
  const long lf = static_cast<long>(L) * f, lm = static_cast<long>(L) * m;
  C* v = conv.values();
  for (int j = 0; j < m; ++j) {
    const double* aj = a + 2 * lf * j;
    double* bj = b + 2 * L * j;
    for (int i = 0; i < L; ++i) {
      for (int p = 0; p < f; ++p) {
        const V x = load(aj, i + static_cast<long>(L) * p);
        v[p] = {x.v[0], x.v[1]};
      }
      conv.transform(Fwd);
      store(bj, i, scale * V{v2{v[0].r, v[0].i}});
      for (int q = 1; q < f; ++q) {
        V y{v2{v[q].r, v[q].i}};
        if (i > 0) y = twiddle<Fwd>(y, load(rows, static_cast<long>(q - 1) * L + i));
        store(bj, i + lm * q, scale * y);
      }
    }
  }
  return true;
}

// Any F >= 7: the roots are the first entries of the table rows.
template <bool Fwd>
void general_pass(int f, int L, int m, const double* a, double* b, const double* rows,
                  double scale) {
  if (f >= kPrimeDftFrom && convolution_pass<Fwd>(f, L, m, a, b, rows, scale)) return;
  const long lf = static_cast<long>(L) * f, lm = static_cast<long>(L) * m;
  auto root = [&](int r) {
    return r == 0 ? V{v2{1.0, 0.0}} : load(rows, static_cast<long>(r - 1) * L);
  };
  const int h = f / 2;
  for (int j = 0; j < m; ++j) {
    const double* aj = a + 2 * lf * j;
    double* bj = b + 2 * L * j;
    for (int i = 0; i < L; ++i) {
      const V x0 = load(aj, i);
      V y0 = x0;
      for (int p = 1; p < f; ++p) y0 = y0 + load(aj, i + L * p);
      store(bj, i, scale * y0);
      for (int q = 1; q <= h; ++q) {
        V s = x0, d{};
        int r = 0;
        for (int p = 1; p <= h; ++p) {
          r += q;
          if (r >= f) r -= f;
          const V u = load(aj, i + L * p), v = load(aj, i + L * (f - p));
          const v2 w = root(r).v;  // (cos, -sin) of 2 pi r/f
          s = s + w[0] * (u + v);
          d = d + (-w[1]) * (u - v);
        }
        const V e = rot<Fwd>(d);
        V y1 = s + e, y2 = s - e;
        if (i > 0) {
          y1 = twiddle<Fwd>(y1, load(rows, static_cast<long>(q - 1) * L + i));
          y2 = twiddle<Fwd>(y2, load(rows, static_cast<long>(f - q - 1) * L + i));
        }
        store(bj, i + lm * q, scale * y1);
        store(bj, i + lm * (f - q), scale * y2);
      }
    }
  }
}

template <bool Fwd>
void run_pass(int f, int L, int m, const double* a, double* b, const double* rows, double scale) {
  switch (f) {
    case 2:
      return pass<2, Fwd>(L, m, a, b, rows, Roots(), scale);
    case 3:
      return pass<3, Fwd>(L, m, a, b, rows, Roots(), scale);
    case 4:
      return pass<4, Fwd>(L, m, a, b, rows, Roots(), scale);
    case 5:
      return pass<5, Fwd>(L, m, a, b, rows, Roots(), scale);
    case 7:
      return pass<7, Fwd>(L, m, a, b, rows, Roots(7), scale);
    case 11:
      return pass<11, Fwd>(L, m, a, b, rows, Roots(11), scale);
    case 13:
      return pass<13, Fwd>(L, m, a, b, rows, Roots(13), scale);
    default:
      return general_pass<Fwd>(f, L, m, a, b, rows, scale);
  }
}

// The last pass multiplies by SCALE.
template <bool Fwd>
double* passes(int n, const int* factors, const double* table, double* x, double* y,
               double scale) {
  double* a = x;
  double* b = y;
  long row = 0;
  for (int k = 0, m = 1; n > 1 && factors[k] != 0; ++k) {
    const int f = factors[k], L = n / (m * f);
    run_pass<Fwd>(f, L, m, a, b, table + 2 * row, factors[k + 1] == 0 ? scale : 1.0);
    row += static_cast<long>(f - 1) * L;
    m *= f;
    std::swap(a, b);
  }
  return a;
}

// The same passes on LANES sequences stored by rows (element k of sequence
// s at k*LANES + s): each butterfly runs along the lanes with its twiddles
// loaded once, so the sequences need no transposition.
template <int F, bool Fwd>
void lanes_pass(int L, int m, long lanes, const double* a, double* b, const double* rows,
                const Roots& roots, double scale) {
  const long in_step = lanes * L, out_step = lanes * L * static_cast<long>(m);
  for (int j = 0; j < m; ++j)
    for (int i = 0; i < L; ++i) {
      V w[F];
      for (int q = 1; q < F && i > 0; ++q) w[q] = load(rows, static_cast<long>(q - 1) * L + i);
      const double* src = a + 2 * lanes * (i + static_cast<long>(L) * F * j);
      double* dst = b + 2 * lanes * (i + static_cast<long>(L) * j);
      for (long s = 0; s < lanes; ++s) {
        V x[F];
#pragma GCC unroll 19
        for (int p = 0; p < F; ++p) x[p] = load(src, in_step * p + s);
        dft<F, Fwd>(x, roots);
        store(dst, s, scale * x[0]);
#pragma GCC unroll 19
        for (int q = 1; q < F; ++q)
          store(dst, out_step * q + s, scale * (i > 0 ? twiddle<Fwd>(x[q], w[q]) : x[q]));
      }
    }
}

template <bool Fwd>
void run_lanes_pass(int f, int L, int m, long lanes, const double* a, double* b,
                    const double* rows, double scale) {
  switch (f) {
    case 2:
      return lanes_pass<2, Fwd>(L, m, lanes, a, b, rows, Roots(), scale);
    case 3:
      return lanes_pass<3, Fwd>(L, m, lanes, a, b, rows, Roots(), scale);
    case 4:
      return lanes_pass<4, Fwd>(L, m, lanes, a, b, rows, Roots(), scale);
    case 5:
      return lanes_pass<5, Fwd>(L, m, lanes, a, b, rows, Roots(), scale);
    case 7:
      return lanes_pass<7, Fwd>(L, m, lanes, a, b, rows, Roots(7), scale);
    case 11:
      return lanes_pass<11, Fwd>(L, m, lanes, a, b, rows, Roots(11), scale);
    default:
      return lanes_pass<13, Fwd>(L, m, lanes, a, b, rows, Roots(13), scale);
  }
}

template <bool Fwd>
double* lanes_passes(int n, const int* factors, const double* table, long lanes, double* x,
                     double* y, double scale) {
  double* a = x;
  double* b = y;
  long row = 0;
  for (int k = 0, m = 1; n > 1 && factors[k] != 0; ++k) {
    const int f = factors[k], L = n / (m * f);
    run_lanes_pass<Fwd>(f, L, m, lanes, a, b, table + 2 * row, factors[k + 1] == 0 ? scale : 1.0);
    row += static_cast<long>(f - 1) * L;
    m *= f;
    std::swap(a, b);
  }
  return a;
}

}  // namespace

int complex_factorise(int n, int* factors) {
  int count = 0;
  auto record = [&](int f) {
    if (count == kComplexTooMany) return false;
    factors[count++] = f;
    return true;
  };
  int rest = n;
  if (n == 1) record(1);
  for (int d : {5, 4, 2, 3})
    while (rest % d == 0 && rest > 1) {
      if (!record(d)) return kComplexTooMany;
      rest /= d;
    }
  for (int d = 7, step = 4; rest > 1; d += step, step = 6 - step) {
    if (static_cast<long long>(d) * d > rest) {
      if (!record(rest)) return kComplexTooMany;
      break;
    }
    while (rest % d == 0) {
      if (!record(d)) return kComplexTooMany;
      rest /= d;
    }
  }
  factors[count] = 0;
  return count;
}

C unit_root(long r, long n) {
  // The angle 2 pi r/n as a quarter turn count and a part phi <= pi/4 of
  // the next quarter, so that cos and sin see a small exact argument.
  r %= n;
  const long long quad = 4LL * r / n;
  long long rest = 4LL * r - quad * n;  // the angle within the quarter: (pi/2) rest/n
  const bool upper = 2 * rest > n;
  if (upper) rest = n - rest;
  const double phi = 0.5 * kPi * (static_cast<double>(rest) / n);
  double c = std::cos(phi), s = std::sin(phi);
  if (upper) std::swap(c, s);
  switch (quad) {  // turn by quarters: (c, s) -> (-s, c)
    case 1:
      std::swap(c, s), c = -c;
      break;
    case 2:
      c = -c, s = -s;
      break;
    case 3:
      std::swap(c, s), s = -s;
      break;
    default:
      break;
  }
  return {c, -s};
}

void twiddle_rows(int n, const int* factors, double* re, double* im, int stride) {
  // Entry t of a row is the product of an exact root at t0, a multiple of
  // the span, and one of span exact roots for t - t0: an ulp or two from the
  // exact value, for span + L/span sines and cosines per row (the span near
  // sqrt L makes that least).
  constexpr int kMaxSpan = 256;
  long at = 0;
  auto put = [&](C w) {
    re[stride * at] = w.r;
    im[stride * at] = w.i;
    ++at;
  };
  for (int k = 0, m = 1; factors[k] != 0 && n > 1; m *= factors[k], ++k) {
    const int f = factors[k], L = n / (m * f);
    int span = 4;
    while (span < kMaxSpan && static_cast<long>(span) * span < L) span *= 2;
    for (int q = 1; q < f; ++q) {
      const long step = static_cast<long>(q) * m % n;  // the index advances by q m
      if (L <= span) {
        for (int t = 0; t < L; ++t) put(unit_root(step * t, n));
      } else {
        C near[kMaxSpan];
        for (int d = 0; d < span; ++d) near[d] = unit_root(step * d, n);
        for (int t0 = 0; t0 < L; t0 += span) {
          const C base = unit_root(step * t0, n);
          for (int d = 0; d < span && t0 + d < L; ++d) put(d == 0 ? base : mul(base, near[d]));
        }
      }
      if (f >= 7) {  // the row starts with the radix's own root
        at -= L;
        put(unit_root(q, f));
        at += L - 1;
      }
    }
  }
}

void complex_table(int n, const int* factors, double* table) {
  twiddle_rows(n, factors, table, table + 1, 2);
}

Held complex_passes(bool forward, int n, const int* factors, const double* table, double* x,
                    double* y, double scale) {
  const double* r = forward ? passes<true>(n, factors, table, x, y, scale)
                            : passes<false>(n, factors, table, x, y, scale);
  return r == x ? Held::x : Held::y;
}

bool lanes_fit(const int* factors) {
  for (int k = 0; factors[k] != 0; ++k)
    if (factors[k] > 13) return false;
  return true;
}

void lanes_transform(bool forward, int n, const int* factors, const double* table, int lanes,
                     double* x, double* y) {
  const double s = 1.0 / std::sqrt(static_cast<double>(n));
  const double* r = forward ? lanes_passes<true>(n, factors, table, lanes, x, y, s)
                            : lanes_passes<false>(n, factors, table, lanes, x, y, s);
  if (r != x) std::memcpy(x, y, sizeof(double) * 2 * n * static_cast<std::size_t>(lanes));
}

void complex_transform(bool forward, int n, const int* factors, const double* table, double* x,
                       double* y) {
  const double s = 1.0 / std::sqrt(static_cast<double>(n));
  if (complex_passes(forward, n, factors, table, x, y, s) == Held::y)
    std::memcpy(x, y, sizeof(double) * 2 * n);
}

}  // namespace kiv::fft
