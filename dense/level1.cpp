// Level-1 kernels and auxiliaries: no argument checks, no diagnostics.  A
// length below 1 returns at once, before the package is reached, so that a
// scalar result is then 0 whatever the package would make of it.
#include <cmath>
#include <complex>

#include "dense/blas.hpp"
#include "dense/fortran.hpp"
#include "frame/constants.hpp"

namespace {

namespace f = kiv::fortran;
using kiv::fortran::z;

// Offset of the first element that a stride-INC traversal of N elements
// visits (the standard meaning of a negative increment).
constexpr long start(int n, int inc) { return inc < 0 ? static_cast<long>(1 - n) * inc : 0; }

template <class T>
void fill(int n, T alpha, T* x, int incx) {
  for (long i = 0, ix = start(n, incx); i < n; ++i, ix += incx) x[ix] = alpha;
}

// y := alpha*x; alpha = 0 writes zeros, so that Inf and NaN in x do not
// reach y.
template <class T>
void scaled_copy(int n, T alpha, const T* x, int incx, T* y, int incy) {
  if (n < 1) return;
  if (alpha == T(0)) return fill(n, T(0), y, incy);
  for (long i = 0, ix = start(n, incx), iy = start(n, incy); i < n; ++i, ix += incx, iy += incy)
    y[iy] = alpha * x[ix];
}

}  // namespace

extern "C" {

double KIV_CALL DDOT(int n, const double* x, int incx, const double* y, int incy) {
  return n < 1 ? 0.0 : f::ddot_(&n, x, &incx, y, &incy);
}

void KIV_CALL DAXPY(int n, double alpha, const double* x, int incx, double* y, int incy) {
  if (n >= 1) f::daxpy_(&n, &alpha, x, &incx, y, &incy);
}

void KIV_CALL DSCAL(int n, double alpha, double* x, int incx) {
  if (n >= 1) f::dscal_(&n, &alpha, x, &incx);
}

void KIV_CALL DCOPY(int n, const double* x, int incx, double* y, int incy) {
  if (n >= 1) f::dcopy_(&n, x, &incx, y, &incy);
}

void KIV_CALL DSWAP(int n, double* x, int incx, double* y, int incy) {
  if (n >= 1) f::dswap_(&n, x, &incx, y, &incy);
}

double KIV_CALL DNRM2_SEL(int, int n, const double* x, int incx) {
  return n < 1 ? 0.0 : f::dnrm2_(&n, x, &incx);
}
double KIV_CALL DNRM2_LIB(int n, const double* x, int incx) { return DNRM2_SEL(0, n, x, incx); }
double KIV_CALL DNRM2(int n, const double* x, int incx) { return DNRM2_SEL(1, n, x, incx); }

double KIV_CALL DASUM(int n, const double* x, int incx) {
  return n < 1 ? 0.0 : f::dasum_(&n, x, &incx);
}

int KIV_CALL IDAMAX(int n, const double* x, int incx) {
  return n < 1 ? 0 : f::idamax_(&n, x, &incx);
}

void KIV_CALL DROT(int n, double* x, int incx, double* y, int incy, double c, double s) {
  if (n >= 1) f::drot_(&n, x, &incx, y, &incy, &c, &s);
}

void KIV_CALL DROTG_SEL(int, double* a, double* b, double* c, double* s) {
  f::drotg_(a, b, c, s);
}
void KIV_CALL DROTG_LIB(double* a, double* b, double* c, double* s) { DROTG_SEL(0, a, b, c, s); }
void KIV_CALL DROTG(double* a, double* b, double* c, double* s) { DROTG_SEL(1, a, b, c, s); }

double KIV_CALL DLAPY2(double x, double y) { return f::dlapy2_(&x, &y); }

void KIV_CALL DLASSQ(int n, const double* x, int incx, double* scale, double* sumsq) {
  if (n >= 1) f::dlassq_(&n, x, &incx, scale, sumsq);
}

kiv2_complex KIV_CALL ZDOTU(int n, const kiv2_complex* x, int incx, const kiv2_complex* y,
                            int incy) {
  return n < 1 ? z(0.0) : f::zdotu_(&n, x, &incx, y, &incy);
}

kiv2_complex KIV_CALL ZDOTC(int n, const kiv2_complex* x, int incx, const kiv2_complex* y,
                            int incy) {
  return n < 1 ? z(0.0) : f::zdotc_(&n, x, &incx, y, &incy);
}

void KIV_CALL ZAXPY(int n, double alpha_re, double alpha_im, const kiv2_complex* x, int incx,
                    kiv2_complex* y, int incy) {
  const z alpha(alpha_re, alpha_im);
  if (n >= 1) f::zaxpy_(&n, &alpha, x, &incx, y, &incy);
}

void KIV_CALL ZSCAL(int n, double alpha_re, double alpha_im, kiv2_complex* x, int incx) {
  const z alpha(alpha_re, alpha_im);
  if (n >= 1) f::zscal_(&n, &alpha, x, &incx);
}

void KIV_CALL ZDSCAL(int n, double alpha, kiv2_complex* x, int incx) {
  if (n >= 1) f::zdscal_(&n, &alpha, x, &incx);
}

void KIV_CALL ZCOPY(int n, const kiv2_complex* x, int incx, kiv2_complex* y, int incy) {
  if (n >= 1) f::zcopy_(&n, x, &incx, y, &incy);
}

void KIV_CALL ZSWAP(int n, kiv2_complex* x, int incx, kiv2_complex* y, int incy) {
  if (n >= 1) f::zswap_(&n, x, &incx, y, &incy);
}

double KIV_CALL DZNRM2_SEL(int, int n, const kiv2_complex* x, int incx) {
  return n < 1 ? 0.0 : f::dznrm2_(&n, x, &incx);
}
double KIV_CALL DZNRM2_LIB(int n, const kiv2_complex* x, int incx) {
  return DZNRM2_SEL(0, n, x, incx);
}
double KIV_CALL DZNRM2(int n, const kiv2_complex* x, int incx) {
  return DZNRM2_SEL(1, n, x, incx);
}

double KIV_CALL DZASUM(int n, const kiv2_complex* x, int incx) {
  return n < 1 ? 0.0 : f::dzasum_(&n, x, &incx);
}

int KIV_CALL IZAMAX(int n, const kiv2_complex* x, int incx) {
  return n < 1 ? 0 : f::izamax_(&n, x, &incx);
}

void KIV_CALL ZLASSQ(int n, const kiv2_complex* x, int incx, double* scale, double* sumsq) {
  if (n >= 1) f::zlassq_(&n, x, &incx, scale, sumsq);
}

void KIV_CALL DLOAD(int n, double alpha, double* x, int incx) {
  if (n >= 1) fill(n, alpha, x, incx);
}

void KIV_CALL ZLOAD(int n, double alpha_re, double alpha_im, kiv2_complex* x, int incx) {
  if (n >= 1) fill(n, z(alpha_re, alpha_im), x, incx);
}

void KIV_CALL DYAX(int n, double alpha, const double* x, int incx, double* y, int incy) {
  scaled_copy(n, alpha, x, incx, y, incy);
}

void KIV_CALL ZYAX(int n, double alpha_re, double alpha_im, const kiv2_complex* x, int incx,
                   kiv2_complex* y, int incy) {
  scaled_copy(n, z(alpha_re, alpha_im), x, incx, y, incy);
}

// The rotation [c s; -conj(s) c] that takes (a, b) to (r, 0); r replaces a.
// The divisions by |a| and by the norm go through the safe division, so
// that extreme magnitudes saturate instead of overflowing.
void KIV_CALL ZROTG(kiv2_complex* a, const kiv2_complex* b, double* c, kiv2_complex* s) {
  if (*b == 0.0) {
    *c = 1.0;
    *s = 0.0;
    return;
  }
  if (*a == 0.0) {
    *c = 0.0;
    *s = 1.0;
    *a = *b;
    return;
  }
  const double abs_a = std::abs(*a), abs_b = std::abs(*b);
  const double scale = abs_a + abs_b;
  const double norm = scale * std::sqrt(std::norm(*a / scale) + std::norm(*b / scale));
  int fail = 0;
  z alpha, t;
  kiv::COMPLEX_SAFE_DIV(&alpha, *a, z(abs_a), &fail);
  *c = abs_a / norm;
  kiv::COMPLEX_SAFE_DIV(&t, alpha * std::conj(*b), z(norm), &fail);
  *s = t;
  *a = alpha * norm;
}

}  // extern "C"
