// Zeros of a real or complex quartic E z^4 + A z^3 + B z^2 + C z + D as the
// eigenvalues of its balanced companion matrix, each with an error estimate
// from the eigenvalue's condition number.
#include <cmath>
#include <complex>

#include "dense/lapack.hpp"
#include "frame/constants.hpp"
#include "frame/errors.hpp"
#include "frame/wrappers.hpp"

namespace {

using Complex = std::complex<double>;

constexpr kiv::Messages kRealMessages{
    " ** On entry, E .eq. 0.0.",
    " ** The companion matrix H cannot be formed without overflow.",
    " ** Failure to converge in F08PEF (SHSEQR/DHSEQR).",
};
constexpr kiv::Messages kComplexMessages{
    " ** On entry, E .eq. (0.0,0.0).",
    " ** The companion matrix H cannot be formed without overflow.",
    " ** Failure to converge in F08PSF (CHSEQR/ZHSEQR).",
};

bool finite(double v) { return std::isfinite(v); }
bool finite(Complex v) { return std::isfinite(v.real()) && std::isfinite(v.imag()); }

// -num/den, or false when it overflows or an operand is not finite.
bool quotient(double num, double den, double* q) {
  int fail = 0;
  *q = kiv::SAFE_DIV(-num, den, &fail);
  return fail == 0 && finite(num) && finite(den);
}
bool quotient(Complex num, Complex den, Complex* q) {
  int fail = 0;
  kiv::COMPLEX_SAFE_DIV(q, -num, den, &fail);
  return fail == 0 && finite(num) && finite(den) && finite(*q);
}

// The LAPACK steps, by scalar type.  H is the 4x4 companion matrix; the
// eigenvalues go to ZR and ZI, the reciprocal condition numbers to S.
constexpr int kN = 4;

int eigenvalues(double* h, double* zr, double* zi, double* s, double* hnorm) {
  int ilo = 1, ihi = kN, info = 0, m = 0;
  double scale[kN], work[3 * kN], z[1], vl[kN * kN], vr[kN * kN], sep[kN];
  int iwork[2 * kN - 2], select[kN] = {};
  DGEBAL("S", kN, h, kN, &ilo, &ihi, scale, &info, 1);
  DHSEQR("S", "N", kN, ilo, ihi, h, kN, zr, zi, z, 1, work, 3 * kN, &info, 1, 1);
  if (info != 0) return info;
  int ignored = 0;
  DTREVC("B", "A", select, kN, h, kN, vl, kN, vr, kN, kN, &m, work, &ignored, 1, 1);
  DTRSNA("E", "A", select, kN, h, kN, vl, kN, vr, kN, s, sep, kN, &m, work, 1, iwork, &ignored,
         1, 1);
  *hnorm = DLANGE("1", kN, kN, h, kN, work, 1);
  return 0;
}

int eigenvalues(Complex* h, double* zr, double* zi, double* s, double* hnorm) {
  int ilo = 1, ihi = kN, info = 0, m = 0;
  double scale[kN], rwork[kN], sep[kN];
  Complex w[kN], work[2 * kN], z[1], vl[kN * kN], vr[kN * kN];
  ZGEBAL("S", kN, h, kN, &ilo, &ihi, scale, &info, 1);
  ZHSEQR("S", "N", kN, ilo, ihi, h, kN, w, z, 1, work, 2 * kN, &info, 1, 1);
  // What the iteration found stands also after a failure.
  for (int i = 0; i < kN; ++i) {
    zr[i] = w[i].real();
    zi[i] = w[i].imag();
  }
  if (info != 0) return info;
  int ignored = 0;
  int select[kN] = {};
  ZTREVC("B", "A", select, kN, h, kN, vl, kN, vr, kN, kN, &m, work, rwork, &ignored, 1, 1);
  ZTRSNA("E", "A", select, kN, h, kN, vl, kN, vr, kN, s, sep, kN, &m, work, 1, rwork, &ignored,
         1, 1);
  *hnorm = ZLANGE("1", kN, kN, h, kN, rwork, 1);
  return 0;
}

template <class T>
void quartic(const kiv::Messages<3>& msg, T e, T a, T b, T c, T d, double* zr, double* zi,
             double* zerr, kiv::Reporter& rep) {
  if (e == T(0)) return rep.fail(1, msg[0]);
  // The companion matrix: ones below the diagonal, -(D, C, B, A)/E in the
  // last column.  A coefficient that is not finite cannot be formed either.
  T h[kN * kN] = {};
  h[1] = h[6] = h[11] = T(1);
  const T num[kN] = {d, c, b, a};
  for (int i = 0; i < kN; ++i)
    if (!quotient(num[i], e, &h[3 * kN + i])) return rep.fail(2, msg[1]);

  double s[kN], hnorm = 0.0;
  if (eigenvalues(h, zr, zi, s, &hnorm) != 0) return rep.fail(3, msg[2]);
  for (int i = 0; i < kN; ++i) {
    int fail = 0;
    zerr[i] = zr[i] == 0.0 && zi[i] == 0.0 ? kiv::kEps : kiv::SAFE_DIV(hnorm, s[i], &fail) * kiv::kEps;
  }
}

}  // namespace

extern "C" {

int KIV_CALL C02ALF(double e, double a, double b, double c, double d, double* zr, double* zi,
                    double* zerr, char* record, int* ifail, int record_len) {
  kiv::Reporter rep("C02ALF", record, record_len);
  quartic(kRealMessages, e, a, b, c, d, zr, zi, zerr, rep);
  return rep.finish(ifail);
}

int KIV_CALL C02ANF(kiv2_complex e, kiv2_complex a, kiv2_complex b, kiv2_complex c,
                    kiv2_complex d, double* zr, double* zi, double* zerr, char* record,
                    int* ifail, int record_len) {
  kiv::Reporter rep("C02ANF", record, record_len);
  quartic(kComplexMessages, e, a, b, c, d, zr, zi, zerr, rep);
  return rep.finish(ifail);
}

int KIV_CALL C02ALF_HOST(const double* e, const double* a, const double* b, const double* c,
                         const double* d, double* zr, double* zi, double* zerr, int* ifail) {
  return kiv::host_call(
      "C02ALF", ifail,
      [&] {
        POISON_REALS(kN, zr);
        POISON_REALS(kN, zi);
        POISON_REALS(kN, zerr);
      },
      [&](char* rec) {
        return C02ALF(*e, *a, *b, *c, *d, zr, zi, zerr, rec, ifail, KIV2_RECORD_LEN);
      });
}

int KIV_CALL C02ANF_HOST(const kiv2_complex* e, const kiv2_complex* a, const kiv2_complex* b,
                         const kiv2_complex* c, const kiv2_complex* d, double* zr, double* zi,
                         double* zerr, int* ifail) {
  return kiv::host_call(
      "C02ANF", ifail,
      [&] {
        POISON_REALS(kN, zr);
        POISON_REALS(kN, zi);
        POISON_REALS(kN, zerr);
      },
      [&](char* rec) {
        return C02ANF(*e, *a, *b, *c, *d, zr, zi, zerr, rec, ifail, KIV2_RECORD_LEN);
      });
}

}  // extern "C"
