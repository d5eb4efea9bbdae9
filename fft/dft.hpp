// Small DFTs, the arithmetic core of every radix kernel of the three engines:
// y_q = sum_p x_p exp(-+2 pi i pq/F) on F complex values held in locals.
#pragma once

#include <cmath>

#include "frame/constants.hpp"

namespace kiv::fft {

struct C {
  double r, i;
};
inline C operator+(C a, C b) { return {a.r + b.r, a.i + b.i}; }
inline C operator-(C a, C b) { return {a.r - b.r, a.i - b.i}; }
inline C operator*(double s, C a) { return {s * a.r, s * a.i}; }
inline C mul(C a, C w) { return {a.r * w.r - a.i * w.i, a.r * w.i + a.i * w.r}; }
inline C conj(C a) { return {a.r, -a.i}; }
// a * exp(-+i pi/2): -i for the forward sign, +i for the backward one.
template <bool Fwd>
inline C rot(C a) {
  if constexpr (Fwd)
    return {a.i, -a.r};
  else
    return {-a.i, a.r};
}
// a times the twiddle w of the forward sign, or its conjugate.
template <bool Fwd>
inline C twiddle(C a, C w) {
  return mul(a, Fwd ? w : conj(w));
}

// cos(2 pi j/f) and sin(2 pi j/f) for j < f: the roots of a generic odd
// radix, tabulated for half the circle and mirrored.
inline constexpr int kMaxTabledRadix = 19;
struct Roots {
  double c[kMaxTabledRadix], s[kMaxTabledRadix];
  explicit Roots(int f) {
    c[0] = 1.0;
    s[0] = 0.0;
    for (int j = 1; j <= f / 2; ++j) {
      const double a = 2.0 * kPi * j / f;
      c[j] = c[f - j] = std::cos(a);
      s[j] = std::sin(a);
      s[f - j] = -s[j];
    }
  }
  Roots() = default;
};

inline constexpr double kSin60 = 0.8660254037844386;
inline constexpr double kSqrtHalf = 0.7071067811865476;
inline constexpr double kCos72 = 0.30901699437494745;
inline constexpr double kCos36 = 0.8090169943749475;
inline constexpr double kSin72 = 0.9510565162951535;
inline constexpr double kSin36 = 0.5877852522924731;

// The DFT of the F values in X, in place; T is C or any type with the same
// operations (+, -, a real factor times T, rot).  Generic odd F pairs the terms p
// and F-p; F = 2, 3, 4, 5, 6 and 8 have their own arrangements.
template <int F, bool Fwd, class T>
inline void dft(T* x, const Roots& roots) {
  if constexpr (F == 2) {
    const T a = x[0], b = x[1];
    x[0] = a + b;
    x[1] = a - b;
  } else if constexpr (F == 3) {
    const T t = x[1] + x[2];
    const T u = x[0] - 0.5 * t;
    const T d = rot<Fwd>(kSin60 * (x[1] - x[2]));
    x[0] = x[0] + t;
    x[1] = u + d;
    x[2] = u - d;
  } else if constexpr (F == 4) {
    const T a = x[0] + x[2], b = x[0] - x[2], c = x[1] + x[3];
    const T d = rot<Fwd>(x[1] - x[3]);
    x[0] = a + c;
    x[2] = a - c;
    x[1] = b + d;
    x[3] = b - d;
  } else if constexpr (F == 5) {
    const T t1 = x[1] + x[4], t2 = x[2] + x[3];
    const T d1 = x[1] - x[4], d2 = x[2] - x[3];
    const T a1 = x[0] + kCos72 * t1 - kCos36 * t2;
    const T a2 = x[0] - kCos36 * t1 + kCos72 * t2;
    const T b1 = rot<Fwd>(kSin72 * d1 + kSin36 * d2);
    const T b2 = rot<Fwd>(kSin36 * d1 - kSin72 * d2);
    x[0] = x[0] + t1 + t2;
    x[1] = a1 + b1;
    x[4] = a1 - b1;
    x[2] = a2 + b2;
    x[3] = a2 - b2;
  } else if constexpr (F == 6) {
    // Prime-factor split 6 = 2 x 3: no twiddles between the two stages.
    T e[3] = {x[0], x[2], x[4]}, o[3] = {x[3], x[5], x[1]};
    dft<3, Fwd, T>(e, roots);
    dft<3, Fwd, T>(o, roots);
    x[0] = e[0] + o[0];
    x[3] = e[0] - o[0];
    x[4] = e[1] + o[1];
    x[1] = e[1] - o[1];
    x[2] = e[2] + o[2];
    x[5] = e[2] - o[2];
  } else if constexpr (F == 8) {
    T e[4] = {x[0], x[2], x[4], x[6]}, o[4] = {x[1], x[3], x[5], x[7]};
    dft<4, Fwd, T>(e, roots);
    dft<4, Fwd, T>(o, roots);
    const T o1 = kSqrtHalf * (o[1] + rot<Fwd>(o[1]));
    const T o2 = rot<Fwd>(o[2]);
    const T o3 = kSqrtHalf * (rot<Fwd>(o[3]) - o[3]);
    x[0] = e[0] + o[0];
    x[4] = e[0] - o[0];
    x[1] = e[1] + o1;
    x[5] = e[1] - o1;
    x[2] = e[2] + o2;
    x[6] = e[2] - o2;
    x[3] = e[3] + o3;
    x[7] = e[3] - o3;
  } else {
    static_assert(F % 2 == 1 && F <= kMaxTabledRadix);
    constexpr int h = F / 2;
    T sum[h + 1], dif[h + 1];
    T y0 = x[0];
#pragma GCC unroll 19
    for (int p = 1; p <= h; ++p) {
      sum[p] = x[p] + x[F - p];
      dif[p] = x[p] - x[F - p];
      y0 = y0 + sum[p];
    }
#pragma GCC unroll 19
    for (int q = 1; q <= h; ++q) {
      T a = x[0], b{};
      int r = 0;
#pragma GCC unroll 19
      for (int p = 1; p <= h; ++p) {
        r += q;
        if (r >= F) r -= F;
        a = a + roots.c[r] * sum[p];
        b = b + roots.s[r] * dif[p];
      }
      const T d = rot<Fwd>(b);
      x[q] = a + d;
      x[F - q] = a - d;
    }
    x[0] = y0;
  }
}

}  // namespace kiv::fft
