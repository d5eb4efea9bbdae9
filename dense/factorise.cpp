// LU and Cholesky factorisations and the scaled triangular solve.  Each
// factorisation reads its block size from the tuning store: at most 1 (the
// initial value) runs the unblocked form, a larger one LAPACK's blocked
// algorithm over DTRSM and DGEMM (ZHERK, ZGEMM and ZTRSM for Cholesky).
#include <algorithm>
#include <cstring>

#include "dense/checks.hpp"
#include "dense/entries.hpp"
#include "dense/ops.hpp"

namespace {

namespace f = kiv::fortran;
using namespace kiv::dense;

constexpr Checks kGetrf{dim(1), dim(2), ld(4, rows(1))};
constexpr Checks kPotrf{option(1, kUplo), dim(2), ld(4, rows(2))};
constexpr Checks kLatrs{option(1, kUplo), option(2, kTrans), option(3, kDiag), option(4, "YN"),
                        dim(5),           ld(7, rows(5))};
constexpr f::len kOne = 1;

// A = P*L*U of a checked, non-empty matrix, in panels of NB columns.
template <class T>
void lu_blocked(int m, int n, T* a, int lda, int* ipiv, int* info, int nb) {
  const auto at = [&](int i, int j) { return a + (i - 1) + static_cast<long>(j - 1) * lda; };
  const int k = std::min(m, n);
  *info = 0;
  for (int j = 1; j <= k; j += nb) {
    const int jb = std::min(k - j + 1, nb);
    int panel_info = 0;
    kiv::dense::getf2(m - j + 1, jb, at(j, j), lda, ipiv + j - 1, &panel_info);
    if (*info == 0 && panel_info > 0) *info = panel_info + j - 1;
    const int last = std::min(m, j + jb - 1);
    for (int i = j; i <= last; ++i) ipiv[i - 1] += j - 1;
    kiv::dense::laswp(j - 1, a, lda, j, last, ipiv);
    if (j + jb <= n) {
      kiv::dense::laswp(n - j - jb + 1, at(1, j + jb), lda, j, last, ipiv);
      kiv::dense::trsm("Left", "Lower", "No transpose", "Unit", jb, n - j - jb + 1, T(1), at(j, j),
                       lda, at(j, j + jb), lda);
      if (j + jb <= m)
        kiv::dense::gemm("No transpose", "No transpose", m - j - jb + 1, n - j - jb + 1, jb, T(-1),
                         at(j + jb, j), lda, at(j, j + jb), lda, T(1), at(j + jb, j + jb), lda);
    }
  }
}

// LU with the checks and the choice of path; TUNING names the store's slot.
template <class T>
void lu(const char (&name)[14], const char* tuning, int m, int n, T* a, int lda, int* ipiv,
        int* info) {
  *info = silent_info(name, kGetrf, m, n, a, lda, ipiv, info);
  if (*info != 0 || m == 0 || n == 0) return;
  const int nb = kiv::dense::tuning_parameter(1, tuning);
  if (nb <= 1 || nb >= std::min(m, n))
    kiv::dense::getf2(m, n, a, lda, ipiv, info);
  else
    lu_blocked(m, n, a, lda, ipiv, info, nb);
}

// Pivots stored as 32-bit integers at the start of PIV's memory are widened
// in place to doubles, the last first: the double of pivot i covers the
// integers 2i and 2i+1, which are read by then (or, for i = 0, read first).
void widen_pivots(double* piv, int k) {
  auto* bytes = reinterpret_cast<unsigned char*>(piv);
  for (int i = k - 1; i >= 0; --i) {
    int p;
    std::memcpy(&p, bytes + 4 * static_cast<long>(i), sizeof p);
    const double d = p;
    std::memcpy(bytes + 8 * static_cast<long>(i), &d, sizeof d);
  }
}

// Cholesky factorisation, blocked as LAPACK's ZPOTRF.
void cholesky(const char (&name)[14], Option uplo, int n, z* a, int lda, int* info) {
  *info = silent_info(name, kPotrf, uplo, n, a, lda, info);
  if (*info != 0 || n == 0) return;
  const bool upper = kiv::dense::letter(uplo) == 'U';
  const char* u = upper ? "Upper" : "Lower";
  const int nb = kiv::dense::tuning_parameter(1, "F07FRF");
  if (nb <= 1 || nb >= n) return f::zpotf2_(u, &n, a, &lda, info, kOne);
  const auto at = [&](int i, int j) { return a + (i - 1) + static_cast<long>(j - 1) * lda; };
  for (int j = 1; j <= n; j += nb) {
    const int jb = std::min(nb, n - j + 1);
    const int rest = n - j - jb + 1;
    if (upper)
      ZHERK(u, "Conjugate transpose", jb, j - 1, -1.0, at(1, j), lda, 1.0, at(j, j), lda, 1, 1);
    else
      ZHERK(u, "No transpose", jb, j - 1, -1.0, at(j, 1), lda, 1.0, at(j, j), lda, 1, 1);
    f::zpotf2_(u, &jb, at(j, j), &lda, info, kOne);
    if (*info != 0) {
      *info += j - 1;
      return;
    }
    if (rest <= 0) continue;
    if (upper) {
      kiv::dense::gemm("Conjugate transpose", "No transpose", jb, rest, j - 1, z(-1), at(1, j), lda,
                       at(1, j + jb), lda, z(1), at(j, j + jb), lda);
      kiv::dense::trsm("Left", u, "Conjugate transpose", "Non-unit", jb, rest, z(1), at(j, j), lda,
                       at(j, j + jb), lda);
    } else {
      kiv::dense::gemm("No transpose", "Conjugate transpose", rest, jb, j - 1, z(-1), at(j + jb, 1),
                       lda, at(j, 1), lda, z(1), at(j + jb, j), lda);
      kiv::dense::trsm("Right", u, "Conjugate transpose", "Non-unit", rest, jb, z(1), at(j, j), lda,
                       at(j + jb, j), lda);
    }
  }
}

}  // namespace

extern "C" {

void KIV_CALL F07ADF_DGETRF(int, int m, int n, double* a, int lda, int* ipiv, int* info) {
  lu("F07ADF/DGETRF", "F07ADF", m, n, a, lda, ipiv, info);
}
KIV_ENTRIES(F07ADF_DGETRF, F07ADF, DGETRF, (int m, int n, double* a, int lda, int* ipiv, int* info),
            (m, n, a, lda, ipiv, info))

void KIV_CALL F07ARF_ZGETRF(int, int m, int n, kiv2_complex* a, int lda, int* ipiv, int* info) {
  lu("F07ARF/ZGETRF", "F07ARF", m, n, a, lda, ipiv, info);
}
KIV_ENTRIES(F07ARF_ZGETRF, F07ARF, ZGETRF,
            (int m, int n, kiv2_complex* a, int lda, int* ipiv, int* info),
            (m, n, a, lda, ipiv, info))

void KIV_CALL DGETF2(int m, int n, double* a, int lda, int* ipiv, int* info) {
  *info = silent_info("F07ADZ/DGETF2", kGetrf, m, n, a, lda, ipiv, info);
  if (*info == 0 && m > 0 && n > 0) f::dgetf2_(&m, &n, a, &lda, ipiv, info);
}
void KIV_CALL ZGETF2(int m, int n, kiv2_complex* a, int lda, int* ipiv, int* info) {
  *info = silent_info("F07ARZ/ZGETF2", kGetrf, m, n, a, lda, ipiv, info);
  if (*info == 0 && m > 0 && n > 0) f::zgetf2_(&m, &n, a, &lda, ipiv, info);
}

// The pivots go to PIV's memory as integers first, then widen to doubles.
void KIV_CALL F07ADG(int m, int n, double* a, int lda, double* piv, int* info) {
  lu("F07ADG       ", "F07ADG", m, n, a, lda, reinterpret_cast<int*>(piv), info);
  if (*info >= 0) widen_pivots(piv, std::min(m, n));
}
void KIV_CALL F07ADH(int m, int n, double* a, int lda, double* piv, int* info) {
  *info = silent_info("F07ADG       ", kGetrf, m, n, a, lda, piv, info);
  if (*info != 0 || m == 0 || n == 0) return;
  f::dgetf2_(&m, &n, a, &lda, reinterpret_cast<int*>(piv), info);
  widen_pivots(piv, std::min(m, n));
}

void KIV_CALL F07FRF_ZPOTRF(int, const char* uplo, int n, kiv2_complex* a, int lda, int* info,
                            int uplo_len) {
  cholesky("F07FRF/ZPOTRF", {uplo, uplo_len}, n, a, lda, info);
}
KIV_ENTRIES(F07FRF_ZPOTRF, F07FRF, ZPOTRF,
            (const char* uplo, int n, kiv2_complex* a, int lda, int* info, int uplo_len),
            (uplo, n, a, lda, info, uplo_len))

void KIV_CALL F07FRZ(const char* uplo, int n, kiv2_complex* a, int lda, int* info, int uplo_len) {
  *info = silent_info("F07FRZ/ZPOTF2", kPotrf, Option{uplo, uplo_len}, n, a, lda, info);
  if (*info == 0 && n > 0) f::zpotf2_(uplo, &n, a, &lda, info, kOne);
}
void KIV_CALL ZPOTF2(const char* uplo, int n, kiv2_complex* a, int lda, int* info, int uplo_len) {
  F07FRZ(uplo, n, a, lda, info, uplo_len);
}

void KIV_CALL ZLATRS(const char* uplo, const char* trans, const char* diag, const char* normin,
                     int n, const kiv2_complex* a, int lda, kiv2_complex* x, double* scale,
                     double* cnorm, int* info, int uplo_len, int trans_len, int diag_len,
                     int normin_len) {
  *info = silent_info("F07TUZ/ZLATRS", kLatrs, Option{uplo, uplo_len}, Option{trans, trans_len},
                      Option{diag, diag_len}, Option{normin, normin_len}, n, a, lda, x, scale,
                      cnorm, info);
  if (*info != 0) return;
  f::zlatrs_(uplo, trans, diag, normin, &n, a, &lda, x, scale, cnorm, info, kOne, kOne, kOne, kOne);
}

}  // extern "C"
