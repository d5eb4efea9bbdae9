// The vector kernels of the Krylov methods, one name per operation for the
// real and the complex scalar: the dense layer's standard-name entries where
// it has one, small loops for the fused updates it has not.
#pragma once

#include <algorithm>
#include <cmath>
#include <complex>

#include "dense/blas.hpp"

namespace kiv::krylov {

using Complex = std::complex<double>;

template <class T>
inline constexpr bool kIsComplex = std::is_same_v<T, Complex>;

inline double re(double x) { return x; }
inline double re(Complex x) { return x.real(); }
inline double conj(double x) { return x; }
inline Complex conj(Complex x) { return std::conj(x); }
// |Re| + |Im|: the magnitude that the complex 1- and infinity norms sum.
inline double abs1(double x) { return std::fabs(x); }
inline double abs1(Complex x) { return std::fabs(x.real()) + std::fabs(x.imag()); }

// ---------------------------------------------------------------------------
// Sums with independent accumulators.  A single running sum waits for each
// add to finish before the next; four (or eight) chains keep the adder busy,
// and their error bound is that of a sum over a quarter of the terms.  The
// chains are combined in one fixed order, so a given input gives the same
// bits on every run and every machine (no contraction into FMAs: the library
// is built without them).

// Four partial sums, the term of element i going to lane i % 4.
template <class T>
struct Lanes {
  T v[4] = {};
  T& operator[](int lane) { return v[lane]; }
  T sum() const { return (v[0] + v[1]) + (v[2] + v[3]); }
};

// Calls BODY(i, lane) for i = 0 .. n-1 in blocks of four, lane = i % 4.
template <class Body>
inline void by_lanes(int n, Body&& body) {
  int i = 0;
  for (; i + 4 <= n; i += 4) {
    body(i, 0);
    body(i + 1, 1);
    body(i + 2, 2);
    body(i + 3, 3);
  }
  for (int lane = 0; i < n; ++i, ++lane) body(i, lane);
}

// conj(a) b without the special-value path of the library's complex product.
inline double cmul(double a, double b) { return a * b; }
inline Complex cmul(Complex a, Complex b) {
  return {a.real() * b.real() + a.imag() * b.imag(), a.real() * b.imag() - a.imag() * b.real()};
}
// a b, likewise.
inline double mul(double a, double b) { return a * b; }
inline Complex mul(Complex a, Complex b) {
  return {a.real() * b.real() - a.imag() * b.imag(), a.real() * b.imag() + a.imag() * b.real()};
}
// |a|^2.
inline double abs2(double a) { return a * a; }
inline double abs2(Complex a) { return a.real() * a.real() + a.imag() * a.imag(); }

namespace detail {

// Two doubles in one register (SSE2 on x86, plain pairs elsewhere).
typedef double Pair __attribute__((vector_size(16)));
inline Pair load(const double* p) {
  Pair r;
  __builtin_memcpy(&r, p, sizeof r);
  return r;
}

// sum x_i y_i over 2n doubles, and when SWAP the cross sum x_{2k} y_{2k+1}
// - x_{2k+1} y_{2k}: the real and imaginary parts of a conjugated complex
// dot product.  Eight chains in four pairs.
template <bool Swap>
inline void pair_sums(long long len, const double* x, const double* y, double* re, double* im) {
  Pair a0 = {}, a1 = {}, a2 = {}, a3 = {}, c0 = {}, c1 = {}, c2 = {}, c3 = {};
  long long i = 0;
  auto cross = [](Pair xv, Pair yv) {
    const Pair ys = {yv[1], yv[0]};
    return xv * ys;
  };
  for (; i + 8 <= len; i += 8) {
    const Pair x0 = load(x + i), x1 = load(x + i + 2), x2 = load(x + i + 4), x3 = load(x + i + 6);
    const Pair y0 = load(y + i), y1 = load(y + i + 2), y2 = load(y + i + 4), y3 = load(y + i + 6);
    a0 += x0 * y0;
    a1 += x1 * y1;
    a2 += x2 * y2;
    a3 += x3 * y3;
    if constexpr (Swap) {
      c0 += cross(x0, y0);
      c1 += cross(x1, y1);
      c2 += cross(x2, y2);
      c3 += cross(x3, y3);
    }
  }
  for (; i + 2 <= len; i += 2) {
    a0 += load(x + i) * load(y + i);
    if constexpr (Swap) c0 += cross(load(x + i), load(y + i));
  }
  const Pair a = (a0 + a1) + (a2 + a3);
  double r = a[0] + a[1];
  if (i < len) r += x[i] * y[i];  // odd real length only
  *re = r;
  if constexpr (Swap) {
    const Pair c = (c0 + c1) + (c2 + c3);
    *im = c[0] - c[1];
  }
}

}  // namespace detail

// Conjugated inner product (x, y) = sum conj(x_i) y_i.
inline double dot(int n, const double* x, const double* y) {
  double s;
  detail::pair_sums<false>(n, x, y, &s, nullptr);
  return s;
}
inline Complex dot(int n, const Complex* x, const Complex* y) {
  double re, im;
  detail::pair_sums<true>(2LL * n, reinterpret_cast<const double*>(x),
                          reinterpret_cast<const double*>(y), &re, &im);
  return {re, im};
}

// The level-1 updates and the one-sided matrix-vector product as inline
// loops, which the compiler vectorises where the reference BLAS would run
// scalar code behind a call; each element gets the reference's operations
// in the reference's order, so the results are those bits.

// y += a x (nothing when a = 0, as DAXPY).
template <class T>
inline void axpy(int n, T a, const T* x, T* y) {
  if (a == T(0.0)) return;
  for (int i = 0; i < n; ++i) y[i] += mul(a, x[i]);
}

template <class T>
inline void copy(int n, const T* x, T* y) {
  if (n > 0) std::copy(x, x + n, y);
}

template <class T>
inline void scal(int n, double a, T* x) {
  for (int i = 0; i < n; ++i) x[i] *= a;
}

// y += alpha A x, A m by n (leading dimension lda): per element of y the
// columns in order, each scaled by alpha x_j first, as DGEMV does.
template <class T>
inline void gemv_add(int m, int n, T alpha, const T* a, int lda, const T* x, T* y) {
  T ax[16];  // n <= 10 (the BiCGSTAB order)
  for (int j = 0; j < n; ++j) ax[j] = mul(alpha, x[j]);
  for (int i = 0; i < m; ++i) {
    T s = y[i];
    for (int j = 0; j < n; ++j) s += mul(ax[j], a[i + static_cast<long>(j) * lda]);
    y[i] = s;
  }
}

// The 2-norm as the root of the sum of squares, which is exact to a few
// ulps whenever that sum is neither tiny (squares below the underflow
// threshold could matter) nor beyond the overflow limit; the scaled DNRM2
// takes the rare other cases.
inline double root_of_squares(double ssq, int n, const double* x) {
  if (ssq >= 1e-280 && ssq <= 1e300) return std::sqrt(ssq);
  return DNRM2(n, x, 1);
}
inline double root_of_squares(double ssq, int n, const Complex* x) {
  if (ssq >= 1e-280 && ssq <= 1e300) return std::sqrt(ssq);
  return DZNRM2(n, x, 1);
}
template <class T>
double nrm2(int n, const T* x) {
  return root_of_squares(re(dot(n, x, x)), n, x);
}

// (x, y) and (z, y) in one pass over y.
template <class T>
void dots(int n, const T* y, const T* x, const T* z, T* xy, T* zy) {
  Lanes<T> a, c;
  by_lanes(n, [&](int i, int l) {
    a[l] += cmul(x[i], y[i]);
    c[l] += cmul(z[i], y[i]);
  });
  *xy = a.sum();
  *zy = c.sum();
}

inline int iamax(int n, const double* x) { return IDAMAX(n, x, 1); }
inline int iamax(int n, const Complex* x) { return IZAMAX(n, x, 1); }


// x = op(T) x or x = op(T)^-1 x with T upper triangular.
inline void trmv(const char* diag, int n, const double* a, int lda, double* x) {
  DTRMV("U", "N", diag, n, a, lda, x, 1, 1, 1, 1);
}
inline void trmv(const char* diag, int n, const Complex* a, int lda, Complex* x) {
  ZTRMV("U", "N", diag, n, a, lda, x, 1, 1, 1, 1);
}
inline void trsv(const char* diag, int n, const double* a, int lda, double* x) {
  DTRSV("U", "N", diag, n, a, lda, x, 1, 1, 1, 1);
}
inline void trsv(const char* diag, int n, const Complex* a, int lda, Complex* x) {
  ZTRSV("U", "N", diag, n, a, lda, x, 1, 1, 1, 1);
}

// Plane rotations.  rotg turns (a, b) into (r, 0): on return a = r, and
// [c s; -conj(s) c] is the rotation; rot applies it to the pair (x, y).
inline void rotg(double& a, double b, double& c, double& s) {
  DROTG(&a, &b, &c, &s);
}
// The complex rotation: the dense layer offers no complex rotation yet, so it
// lives here (c real, s complex, r carrying the phase of a).
inline void rotg(Complex& a, Complex b, double& c, Complex& s) {
  const double abs_a = std::abs(a);
  if (abs_a == 0.0) {
    c = 0.0;
    s = 1.0;
    a = b;
    return;
  }
  const double scale = abs_a + std::abs(b);
  const double norm = scale * std::hypot(abs_a / scale, std::abs(b) / scale);
  const Complex alpha = a / abs_a;
  c = abs_a / norm;
  s = alpha * std::conj(b) / norm;
  a = alpha * norm;
}
inline void rot(double& x, double& y, double c, double s) {
  const double t = c * x + s * y;
  y = c * y - s * x;
  x = t;
}
inline void rot(Complex& x, Complex& y, double c, Complex s) {
  const Complex t = c * x + s * y;
  y = c * y - std::conj(s) * x;
  x = t;
}

}  // namespace kiv::krylov
