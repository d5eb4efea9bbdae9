// The nonsymmetric eigenproblem: balancing, Hessenberg QR, reordering,
// eigenvectors and condition numbers of Schur forms, and bisection for a
// symmetric tridiagonal matrix.  LAPACK does the arithmetic; this layer
// checks every argument first (silently: INFO = -position, nothing touched)
// so that LAPACK's own error handler, which would end the process, is never
// reached, and chooses the Hessenberg QR variant from the tuning store.
#include <algorithm>
#include <cmath>
#include <complex>
#include <cstring>

#include "dense/checks.hpp"
#include "dense/entries.hpp"
#include "dense/fortran.hpp"
#include "dense/lapack.hpp"

namespace {

namespace f = kiv::fortran;
using namespace kiv::dense;
using z = std::complex<double>;

constexpr f::len kOne = 1;

// ---- rules beyond the plain option, dimension and leading-dimension tests.
// Template arguments are 1-based positions, as in the descriptions.

int value(const Arg* a, int pos) { return a[pos - 1].value; }
bool is(const Arg* a, int pos, const char* letters) {
  const char l = letter(a[pos - 1].option);
  return l != 0 && std::strchr(letters, l) != nullptr;
}

// A leading dimension of at least 1, and of at least max(1, N) when the
// option at OPT asks for the array (one of LETTERS).
template <int Ld, int Opt, const char* Letters, int N>
bool ld_when(const Arg* a) {
  return value(a, Ld) >= 1 && (!is(a, Opt, Letters) || value(a, Ld) >= std::max(1, value(a, N)));
}

// 1 <= ILO <= max(1, N) and min(ILO, N) <= IHI <= N.
template <int Ilo, int N>
bool ilo_ok(const Arg* a) {
  return value(a, Ilo) >= 1 && value(a, Ilo) <= std::max(1, value(a, N));
}
template <int Ihi, int Ilo, int N>
bool ihi_ok(const Arg* a) {
  return value(a, Ihi) >= std::min(value(a, Ilo), value(a, N)) && value(a, Ihi) <= value(a, N);
}

// LWORK >= max(1, N), or -1 for a workspace query.
template <int Lwork, int N>
bool lwork_ok(const Arg* a) {
  return value(a, Lwork) == -1 || value(a, Lwork) >= std::max(1, value(a, N));
}

// An index of a diagonal element, unless the matrix is empty.
template <int K, int N>
bool index_ok(const Arg* a) {
  return value(a, N) == 0 || (value(a, K) >= 1 && value(a, K) <= value(a, N));
}

// MM at least the number of columns the selection asks for: all N, or the
// selected eigenvalues, a complex pair of a real Schur form counting 2.
// HOWMNY, SELECT, N, T and LDT are arguments 2 to 6 of every routine here.
template <class T, int Mm>
bool mm_ok(const Arg* a) {
  const int n = value(a, 4);
  int m = n;
  if (letter(a[1].option) == 'S') {
    const auto* select = static_cast<const int*>(a[2].ptr);
    const auto* t = static_cast<const T*>(a[4].ptr);
    const long ldt = value(a, 6);
    m = 0;
    for (int j = 1; j <= n; ++j) {
      if constexpr (std::is_same_v<T, double>) {
        if (j < n && t[j + (j - 1) * ldt] != 0.0) {  // a 2x2 block: j and j+1
          if (select[j - 1] || select[j]) m += 2;
          ++j;
          continue;
        }
      }
      if (select[j - 1]) ++m;
    }
  }
  return value(a, Mm) >= m;
}

// DSTEBZ: VL < VU for a value range, 1 <= IL <= max(1,N) and
// min(N, IL) <= IU <= N for an index range.
bool vu_ok(const Arg* a) { return !is(a, 1, "V") || a[3].real < a[4].real; }
bool il_ok(const Arg* a) {
  return !is(a, 1, "I") || (value(a, 6) >= 1 && value(a, 6) <= std::max(1, value(a, 3)));
}
bool iu_ok(const Arg* a) {
  return !is(a, 1, "I") ||
         (value(a, 7) >= std::min(value(a, 3), value(a, 6)) && value(a, 7) <= value(a, 3));
}

constexpr char kWantZ[] = "IV";
constexpr char kV[] = "V";
constexpr char kLeft[] = "LB";
constexpr char kRight[] = "RB";
constexpr char kValues[] = "EB";
constexpr char kVectors[] = "VB";

constexpr Checks kGebal{option(1, "NPSB"), dim(2), ld(4, rows(2))};
// DHSEQR: JOB 1, COMPZ 2, N 3, ILO 4, IHI 5, LDH 7, LDZ 11, LWORK 13;
// ZHSEQR has one eigenvalue array fewer.
constexpr Checks kDhseqr{option(1, "ES"),           option(2, "NIV"),
                         dim(3),                    rule(4, ilo_ok<4, 3>),
                         rule(5, ihi_ok<5, 4, 3>),  ld(7, rows(3)),
                         rule(11, ld_when<11, 2, kWantZ, 3>), rule(13, lwork_ok<13, 3>)};
constexpr Checks kZhseqr{option(1, "ES"),           option(2, "NIV"),
                         dim(3),                    rule(4, ilo_ok<4, 3>),
                         rule(5, ihi_ok<5, 4, 3>),  ld(7, rows(3)),
                         rule(10, ld_when<10, 2, kWantZ, 3>), rule(12, lwork_ok<12, 3>)};
constexpr Checks kTrexc{option(1, "NV"), dim(2), ld(4, rows(2)), rule(6, ld_when<6, 1, kV, 2>),
                        rule(7, index_ok<7, 2>), rule(8, index_ok<8, 2>)};
template <class T, const char* Howmny>
constexpr Checks kTrevc{option(1, "RLB"),
                        option(2, Howmny),
                        dim(4),
                        ld(6, rows(4)),
                        rule(8, ld_when<8, 1, kLeft, 4>),
                        rule(10, ld_when<10, 1, kRight, 4>),
                        rule(11, mm_ok<T, 11>)};
template <class T>
constexpr Checks kTrsna{option(1, "EVB"),
                        option(2, "AS"),
                        dim(4),
                        ld(6, rows(4)),
                        rule(8, ld_when<8, 1, kValues, 4>),
                        rule(10, ld_when<10, 1, kValues, 4>),
                        rule(13, mm_ok<T, 13>),
                        rule(16, ld_when<16, 1, kVectors, 4>)};
constexpr char kAllBackSelected[] = "ABS";
constexpr char kAllSelected[] = "AS";
constexpr Checks kStebz{option(1, "AVI"), option(2, "BE"), dim(3), rule(5, vu_ok), rule(6, il_ok),
                        rule(7, iu_ok)};

// ---- Hessenberg QR --------------------------------------------------------

// The eigenvalue outputs: WR and WI for real data, W for complex.
struct RealEigenvalues {
  double* wr;
  double* wi;
  void set(int i, double v) const { wr[i - 1] = v, wi[i - 1] = 0.0; }
};
struct ComplexEigenvalues {
  z* w;
  void set(int i, z v) const { w[i - 1] = v; }
};

void lahqr(bool wantt, bool wantz, int n, int ilo, int ihi, double* h, int ldh,
           RealEigenvalues w, double* zz, int ldz, int* info) {
  DLAHQR(wantt, wantz, n, ilo, ihi, h, ldh, w.wr, w.wi, ilo, ihi, zz, ldz, info);
}
void lahqr(bool wantt, bool wantz, int n, int ilo, int ihi, z* h, int ldh, ComplexEigenvalues w,
           z* zz, int ldz, int* info) {
  ZLAHQR(wantt, wantz, n, ilo, ihi, h, ldh, w.w, ilo, ihi, zz, ldz, info);
}
void multishift(Option job, Option compz, int n, int ilo, int ihi, double* h, int ldh,
                RealEigenvalues w, double* zz, int ldz, double* work, int lwork, int* info) {
  f::dhseqr_(job.text, compz.text, &n, &ilo, &ihi, h, &ldh, w.wr, w.wi, zz, &ldz, work, &lwork,
             info, kOne, kOne);
}
void multishift(Option job, Option compz, int n, int ilo, int ihi, z* h, int ldh,
                ComplexEigenvalues w, z* zz, int ldz, z* work, int lwork, int* info) {
  f::zhseqr_(job.text, compz.text, &n, &ilo, &ihi, h, &ldh, w.w, zz, &ldz, work, &lwork, info,
             kOne, kOne);
}
template <class T>
void laset(const char* uplo, int m, int n, T offdiag, T diag, T* a, int lda) {
  if constexpr (std::is_same_v<T, z>) f::zlaset_(uplo, &m, &n, &offdiag, &diag, a, &lda, kOne);
  else f::dlaset_(uplo, &m, &n, &offdiag, &diag, a, &lda, kOne);
}

// The arguments have been checked.  The tuning store decides: with its
// initial values the double-shift (real) or single-shift (complex) QR runs
// on rows and columns ILO..IHI, and what lies outside is filled as LAPACK's
// driver fills it; the multishift driver only when the store asks for
// enough shifts and a crossover below the active order.
template <class T, class W>
void hseqr(Option job, Option compz, int n, int ilo, int ihi, T* h, int ldh, W w, T* zz, int ldz,
           T* work, int lwork, int* info) {
  constexpr bool kComplex = std::is_same_v<T, z>;
  const char* slot = kComplex ? "F08PSF" : "F08PEF";
  const int shifts = kiv::dense::tuning_parameter(4, slot);
  const int crossover = kiv::dense::tuning_parameter(8, slot);
  const int active = ihi - ilo + 1;
  if (shifts > (kComplex ? 1 : 2) && shifts <= active && crossover < active)
    return multishift(job, compz, n, ilo, ihi, h, ldh, w, zz, ldz, work, lwork, info);

  work[0] = std::max(1, n);
  if (lwork == -1 || n == 0) return;
  const auto at = [&](int i, int j) -> T& { return h[(i - 1) + static_cast<long>(j - 1) * ldh]; };
  for (int i = 1; i < ilo; ++i) w.set(i, at(i, i));  // isolated by balancing
  for (int i = ihi + 1; i <= n; ++i) w.set(i, at(i, i));
  if (letter(compz) == 'I') laset("All", n, n, T(0), T(1), zz, ldz);
  if (ilo == ihi) return w.set(ilo, at(ilo, ilo));
  const bool wantt = letter(job) == 'S';
  lahqr(wantt, letter(compz) != 'N', n, ilo, ihi, h, ldh, w, zz, ldz, info);
  // Below the first subdiagonal lies what the iteration left behind.
  if ((wantt || *info != 0) && n > 2) laset("Lower", n - 2, n - 2, T(0), T(0), &at(3, 1), ldh);
}

// LAPACK's balancing stops on a NaN with INFO = -3 through its own error
// handler, which ends the process, and its scaling loops need not end on an
// infinite entry.  Scaling (JOB S or B) a matrix with a NaN therefore gets
// that INFO here, silently and with A untouched; a matrix with an infinity
// (and no NaN) is not scaled: JOB S does nothing (as N), JOB B permutes only
// (as P), and SCALE says so.
enum class Entries { finite, infinite, nan };

template <class T>
Entries scaling_meets(Option job, int n, const T* a, int lda) {
  const char l = letter(job);
  if (l != 'S' && l != 'B') return Entries::finite;
  Entries found = Entries::finite;
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < n; ++i) {
      // Part by part: |inf + i NaN| is inf, yet the entry holds a NaN.
      const T e = a[i + static_cast<long>(j) * lda];
      for (double part : {std::real(e), std::imag(e)}) {
        if (std::isnan(part)) return Entries::nan;
        if (std::isinf(part)) found = Entries::infinite;
      }
    }
  return found;
}

// The JOB LAPACK is called with: scaling dropped where an entry is infinite.
template <class T>
const char* balancing_job(const char* job, int n, const T* a, int lda, int job_len, int* info) {
  const Option o{job, job_len};
  switch (scaling_meets(o, n, a, lda)) {
    case Entries::nan: *info = -3; return job;
    case Entries::infinite: return letter(o) == 'B' ? "P" : "N";
    default: return job;
  }
}

}  // namespace

extern "C" {

// ---- balancing (internal) -------------------------------------------------

void KIV_CALL DGEBAL(const char* job, int n, double* a, int lda, int* ilo, int* ihi,
                     double* scale, int* info, int job_len) {
  *info = silent_info("F08NHF/DGEBAL", kGebal, Option{job, job_len}, n, a, lda, ilo, ihi, scale,
                      info);
  if (*info != 0) return;
  const char* lapack_job = balancing_job(job, n, a, lda, job_len, info);
  if (*info == 0) f::dgebal_(lapack_job, &n, a, &lda, ilo, ihi, scale, info, kOne);
}

void KIV_CALL ZGEBAL(const char* job, int n, kiv2_complex* a, int lda, int* ilo, int* ihi,
                     double* scale, int* info, int job_len) {
  *info = silent_info("F08NVF/ZGEBAL", kGebal, Option{job, job_len}, n, a, lda, ilo, ihi, scale,
                      info);
  if (*info != 0) return;
  const char* lapack_job = balancing_job(job, n, a, lda, job_len, info);
  if (*info == 0) f::zgebal_(lapack_job, &n, a, &lda, ilo, ihi, scale, info, kOne);
}

// ---- Hessenberg QR --------------------------------------------------------

void KIV_CALL F08PEF_DHSEQR(int, const char* job, const char* compz, int n, int ilo, int ihi,
                            double* h, int ldh, double* wr, double* wi, double* z, int ldz,
                            double* work, int lwork, int* info, int job_len, int compz_len) {
  const Option j{job, job_len}, c{compz, compz_len};
  *info = silent_info("F08PEF/DHSEQR", kDhseqr, j, c, n, ilo, ihi, h, ldh, wr, wi, z, ldz, work,
                      lwork, info);
  if (*info == 0) hseqr(j, c, n, ilo, ihi, h, ldh, RealEigenvalues{wr, wi}, z, ldz, work, lwork, info);
}
KIV_ENTRIES(F08PEF_DHSEQR, F08PEF, DHSEQR,
            (const char* job, const char* compz, int n, int ilo, int ihi, double* h, int ldh,
             double* wr, double* wi, double* z, int ldz, double* work, int lwork, int* info,
             int job_len, int compz_len),
            (job, compz, n, ilo, ihi, h, ldh, wr, wi, z, ldz, work, lwork, info, job_len,
             compz_len))

void KIV_CALL F08PSF_ZHSEQR(int, const char* job, const char* compz, int n, int ilo, int ihi,
                            kiv2_complex* h, int ldh, kiv2_complex* w, kiv2_complex* z, int ldz,
                            kiv2_complex* work, int lwork, int* info, int job_len,
                            int compz_len) {
  const Option j{job, job_len}, c{compz, compz_len};
  *info = silent_info("F08PSF/ZHSEQR", kZhseqr, j, c, n, ilo, ihi, h, ldh, w, z, ldz, work, lwork,
                      info);
  if (*info == 0) hseqr(j, c, n, ilo, ihi, h, ldh, ComplexEigenvalues{w}, z, ldz, work, lwork, info);
}
KIV_ENTRIES(F08PSF_ZHSEQR, F08PSF, ZHSEQR,
            (const char* job, const char* compz, int n, int ilo, int ihi, kiv2_complex* h,
             int ldh, kiv2_complex* w, kiv2_complex* z, int ldz, kiv2_complex* work, int lwork,
             int* info, int job_len, int compz_len),
            (job, compz, n, ilo, ihi, h, ldh, w, z, ldz, work, lwork, info, job_len, compz_len))

// ---- reordering of Schur forms --------------------------------------------

void KIV_CALL F08QFF_DTREXC(int, const char* compq, int n, double* t, int ldt, double* q, int ldq,
                            int* ifst, int* ilst, double* work, int* info, int compq_len) {
  *info = silent_info("F08QFF/DTREXC", kTrexc, Option{compq, compq_len}, n, t, ldt, q, ldq, *ifst,
                      *ilst, work, info);
  if (*info == 0) f::dtrexc_(compq, &n, t, &ldt, q, &ldq, ifst, ilst, work, info, kOne);
}
KIV_ENTRIES(F08QFF_DTREXC, F08QFF, DTREXC,
            (const char* compq, int n, double* t, int ldt, double* q, int ldq, int* ifst,
             int* ilst, double* work, int* info, int compq_len),
            (compq, n, t, ldt, q, ldq, ifst, ilst, work, info, compq_len))

void KIV_CALL F08QTF_ZTREXC(int, const char* compq, int n, kiv2_complex* t, int ldt,
                            kiv2_complex* q, int ldq, int ifst, int ilst, int* info,
                            int compq_len) {
  *info = silent_info("F08QTF/ZTREXC", kTrexc, Option{compq, compq_len}, n, t, ldt, q, ldq, ifst,
                      ilst, info);
  if (*info == 0) f::ztrexc_(compq, &n, t, &ldt, q, &ldq, &ifst, &ilst, info, kOne);
}
KIV_ENTRIES(F08QTF_ZTREXC, F08QTF, ZTREXC,
            (const char* compq, int n, kiv2_complex* t, int ldt, kiv2_complex* q, int ldq,
             int ifst, int ilst, int* info, int compq_len),
            (compq, n, t, ldt, q, ldq, ifst, ilst, info, compq_len))

// ---- eigenvectors of Schur forms ------------------------------------------

void KIV_CALL F08QKF_DTREVC(int, const char* side, const char* howmny, int* select, int n,
                            const double* t, int ldt, double* vl, int ldvl, double* vr, int ldvr,
                            int mm, int* m, double* work, int* info, int side_len,
                            int howmny_len) {
  *info = silent_info("F08QKF/DTREVC", kTrevc<double, kAllBackSelected>, Option{side, side_len},
                      Option{howmny, howmny_len}, select, n, t, ldt, vl, ldvl, vr, ldvr, mm, m,
                      work, info);
  if (*info == 0)
    f::dtrevc_(side, howmny, select, &n, t, &ldt, vl, &ldvl, vr, &ldvr, &mm, m, work, info, kOne,
               kOne);
}
KIV_ENTRIES(F08QKF_DTREVC, F08QKF, DTREVC,
            (const char* side, const char* howmny, int* select, int n, const double* t, int ldt,
             double* vl, int ldvl, double* vr, int ldvr, int mm, int* m, double* work, int* info,
             int side_len, int howmny_len),
            (side, howmny, select, n, t, ldt, vl, ldvl, vr, ldvr, mm, m, work, info, side_len,
             howmny_len))

// Internal only.  LAPACK's routine restores T's diagonal after using it.
void KIV_CALL ZTREVC(const char* side, const char* howmny, const int* select, int n,
                     kiv2_complex* t, int ldt, kiv2_complex* vl, int ldvl, kiv2_complex* vr,
                     int ldvr, int mm, int* m, kiv2_complex* work, double* rwork, int* info,
                     int side_len, int howmny_len) {
  *info = silent_info("F08QXF/ZTREVC", kTrevc<z, kAllSelected>, Option{side, side_len},
                      Option{howmny, howmny_len}, select, n, t, ldt, vl, ldvl, vr, ldvr, mm, m,
                      work, rwork, info);
  if (*info == 0)
    f::ztrevc_(side, howmny, select, &n, t, &ldt, vl, &ldvl, vr, &ldvr, &mm, m, work, rwork, info,
               kOne, kOne);
}

// ---- condition numbers ----------------------------------------------------

void KIV_CALL F08QLF_DTRSNA(int, const char* job, const char* howmny, const int* select, int n,
                            const double* t, int ldt, const double* vl, int ldvl,
                            const double* vr, int ldvr, double* s, double* sep, int mm, int* m,
                            double* work, int ldwork, int* iwork, int* info, int job_len,
                            int howmny_len) {
  *info = silent_info("F08QLF/DTRSNA", kTrsna<double>, Option{job, job_len},
                      Option{howmny, howmny_len}, select, n, t, ldt, vl, ldvl, vr, ldvr, s, sep,
                      mm, m, work, ldwork, iwork, info);
  if (*info == 0)
    f::dtrsna_(job, howmny, select, &n, t, &ldt, vl, &ldvl, vr, &ldvr, s, sep, &mm, m, work,
               &ldwork, iwork, info, kOne, kOne);
}
KIV_ENTRIES(F08QLF_DTRSNA, F08QLF, DTRSNA,
            (const char* job, const char* howmny, const int* select, int n, const double* t,
             int ldt, const double* vl, int ldvl, const double* vr, int ldvr, double* s,
             double* sep, int mm, int* m, double* work, int ldwork, int* iwork, int* info,
             int job_len, int howmny_len),
            (job, howmny, select, n, t, ldt, vl, ldvl, vr, ldvr, s, sep, mm, m, work, ldwork,
             iwork, info, job_len, howmny_len))

void KIV_CALL F08QYF_ZTRSNA(int, const char* job, const char* howmny, const int* select, int n,
                            const kiv2_complex* t, int ldt, const kiv2_complex* vl, int ldvl,
                            const kiv2_complex* vr, int ldvr, double* s, double* sep, int mm,
                            int* m, kiv2_complex* work, int ldwork, double* rwork, int* info,
                            int job_len, int howmny_len) {
  *info = silent_info("F08QYF/ZTRSNA", kTrsna<z>, Option{job, job_len},
                      Option{howmny, howmny_len}, select, n, t, ldt, vl, ldvl, vr, ldvr, s, sep,
                      mm, m, work, ldwork, rwork, info);
  if (*info == 0)
    f::ztrsna_(job, howmny, select, &n, t, &ldt, vl, &ldvl, vr, &ldvr, s, sep, &mm, m, work,
               &ldwork, rwork, info, kOne, kOne);
}
KIV_ENTRIES(F08QYF_ZTRSNA, F08QYF, ZTRSNA,
            (const char* job, const char* howmny, const int* select, int n,
             const kiv2_complex* t, int ldt, const kiv2_complex* vl, int ldvl,
             const kiv2_complex* vr, int ldvr, double* s, double* sep, int mm, int* m,
             kiv2_complex* work, int ldwork, double* rwork, int* info, int job_len,
             int howmny_len),
            (job, howmny, select, n, t, ldt, vl, ldvl, vr, ldvr, s, sep, mm, m, work, ldwork,
             rwork, info, job_len, howmny_len))

// ---- bisection ------------------------------------------------------------

void KIV_CALL F08JJF_DSTEBZ(int, const char* range, const char* order, int n, double vl,
                            double vu, int il, int iu, double abstol, const double* d,
                            const double* e, int* m, int* nsplit, double* w, int* iblock,
                            int* isplit, double* work, int* iwork, int* info, int range_len,
                            int order_len) {
  *info = silent_info("F08JJF/DSTEBZ", kStebz, Option{range, range_len}, Option{order, order_len},
                      n, vl, vu, il, iu, abstol, d, e, m, nsplit, w, iblock, isplit, work, iwork,
                      info);
  if (*info == 0)
    f::dstebz_(range, order, &n, &vl, &vu, &il, &iu, &abstol, d, e, m, nsplit, w, iblock, isplit,
               work, iwork, info, kOne, kOne);
}
KIV_ENTRIES(F08JJF_DSTEBZ, F08JJF, DSTEBZ,
            (const char* range, const char* order, int n, double vl, double vu, int il, int iu,
             double abstol, const double* d, const double* e, int* m, int* nsplit, double* w,
             int* iblock, int* isplit, double* work, int* iwork, int* info, int range_len,
             int order_len),
            (range, order, n, vl, vu, il, iu, abstol, d, e, m, nsplit, w, iblock, isplit, work,
             iwork, info, range_len, order_len))

// ---- exported auxiliaries (LAPACK's arguments, scalars by value) ----------

void KIV_CALL DLAHQR(int wantt, int wantz, int n, int ilo, int ihi, double* h, int ldh,
                     double* wr, double* wi, int iloz, int ihiz, double* z, int ldz, int* info) {
  f::dlahqr_(&wantt, &wantz, &n, &ilo, &ihi, h, &ldh, wr, wi, &iloz, &ihiz, z, &ldz, info);
}

void KIV_CALL ZLAHQR(int wantt, int wantz, int n, int ilo, int ihi, kiv2_complex* h, int ldh,
                     kiv2_complex* w, int iloz, int ihiz, kiv2_complex* z, int ldz, int* info) {
  f::zlahqr_(&wantt, &wantz, &n, &ilo, &ihi, h, &ldh, w, &iloz, &ihiz, z, &ldz, info);
}

void KIV_CALL DLAEXC(int wantq, int n, double* t, int ldt, double* q, int ldq, int j1, int n1,
                     int n2, double* work, int* info) {
  f::dlaexc_(&wantq, &n, t, &ldt, q, &ldq, &j1, &n1, &n2, work, info);
}

void KIV_CALL DLAQTR(int ltran, int lreal, int n, const double* t, int ldt, const double* b,
                     double w, double* scale, double* x, double* work, int* info) {
  f::dlaqtr_(&ltran, &lreal, &n, t, &ldt, b, &w, scale, x, work, info);
}

void KIV_CALL ZLARFG(int n, kiv2_complex* alpha, kiv2_complex* x, int incx, kiv2_complex* tau) {
  f::zlarfg_(&n, alpha, x, &incx, tau);
}

double KIV_CALL DLANGE(const char* norm, int m, int n, const double* a, int lda, double* work,
                       int) {
  return f::dlange_(norm, &m, &n, a, &lda, work, kOne);
}

double KIV_CALL DLANHS(const char* norm, int n, const double* a, int lda, double* work, int) {
  return f::dlanhs_(norm, &n, a, &lda, work, kOne);
}

double KIV_CALL ZLANGE(const char* norm, int m, int n, const kiv2_complex* a, int lda,
                       double* work, int) {
  return f::zlange_(norm, &m, &n, a, &lda, work, kOne);
}

double KIV_CALL ZLANHS(const char* norm, int n, const kiv2_complex* a, int lda, double* work,
                       int) {
  return f::zlanhs_(norm, &n, a, &lda, work, kOne);
}

}  // extern "C"
