// The vector kernels of the Krylov methods, one name per operation for the
// real and the complex scalar: the dense layer's standard-name entries where
// it has one, small loops for the fused updates it has not.
#pragma once

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

// Conjugated inner product (x, y) = sum conj(x_i) y_i.
inline double dot(int n, const double* x, const double* y) { return DDOT(n, x, 1, y, 1); }
inline Complex dot(int n, const Complex* x, const Complex* y) { return ZDOTC(n, x, 1, y, 1); }

// y += a x.
inline void axpy(int n, double a, const double* x, double* y) { DAXPY(n, a, x, 1, y, 1); }
inline void axpy(int n, Complex a, const Complex* x, Complex* y) {
  ZAXPY(n, a.real(), a.imag(), x, 1, y, 1);
}

inline void copy(int n, const double* x, double* y) { DCOPY(n, x, 1, y, 1); }
inline void copy(int n, const Complex* x, Complex* y) { ZCOPY(n, x, 1, y, 1); }

inline void scal(int n, double a, double* x) { DSCAL(n, a, x, 1); }
inline void scal(int n, double a, Complex* x) { ZDSCAL(n, a, x, 1); }

inline double nrm2(int n, const double* x) { return DNRM2(n, x, 1); }
inline double nrm2(int n, const Complex* x) { return DZNRM2(n, x, 1); }

inline int iamax(int n, const double* x) { return IDAMAX(n, x, 1); }
inline int iamax(int n, const Complex* x) { return IZAMAX(n, x, 1); }

// y = alpha A x + beta y, A m by n (leading dimension lda), "N" or "C".
inline void gemv(const char* trans, int m, int n, double alpha, const double* a, int lda,
                 const double* x, double beta, double* y) {
  DGEMV(trans, m, n, alpha, a, lda, x, 1, beta, y, 1, 1);
}
inline void gemv(const char* trans, int m, int n, Complex alpha, const Complex* a, int lda,
                 const Complex* x, Complex beta, Complex* y) {
  ZGEMV(trans, m, n, alpha.real(), alpha.imag(), a, lda, x, 1, beta.real(), beta.imag(), y, 1, 1);
}

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
