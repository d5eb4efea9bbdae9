// Level-2 and level-3 kernels: each is one routine with the entry selector
// (0 library name, 1 standard name; it changes nothing) and two entries.
// Every routine checks its arguments from its kernel's description before
// the package sees them, so the package's own error handler is never
// reached.  Real and complex twins share one template.
#include <complex>
#include <type_traits>

#include "dense/blas.hpp"
#include "dense/checks.hpp"
#include "dense/entries.hpp"
#include "dense/fortran.hpp"

namespace {

namespace f = kiv::fortran;
using namespace kiv::dense;
using z = std::complex<double>;

// The standard argument lists, as the checks read them.
constexpr Checks kGemv{option(1, kTrans), dim(2), dim(3), ld(6, rows(2)), inc(8), inc(11)};
constexpr Checks kTrmv{option(1, kUplo), option(2, kTrans), option(3, kDiag),
                       dim(4),           ld(6, rows(4)),    inc(8)};
constexpr Checks kGer{dim(1), dim(2), inc(5), inc(7), ld(9, rows(1))};
constexpr Checks kGemm{option(1, kTrans),
                       option(2, kTrans),
                       dim(3),
                       dim(4),
                       dim(5),
                       ld(8, rows_if(1, 'N', 3, 5)),
                       ld(10, rows_if(2, 'N', 5, 4)),
                       ld(13, rows(3))};
constexpr Checks kTrsm{option(1, kSide),
                       option(2, kUplo),
                       option(3, kTrans),
                       option(4, kDiag),
                       dim(5),
                       dim(6),
                       ld(9, rows_if(1, 'L', 5, 6)),
                       ld(11, rows(5))};
constexpr Checks kHerk{option(1, kUplo), option(2, kConjTrans),        dim(3),
                       dim(4),           ld(7, rows_if(2, 'N', 3, 4)), ld(10, rows(3))};

// A one-letter option handed to the package: only its first letter counts.
constexpr f::len kOne = 1;

template <class T>
constexpr bool kComplex = std::is_same_v<T, z>;

template <class T>
constexpr const char (&name(const char (&real)[14], const char (&complex)[14]))[14] {
  if constexpr (kComplex<T>)
    return complex;
  else
    return real;
}

template <class T>
void gemv(Option trans, int m, int n, T alpha, const T* a, int lda, const T* x, int incx, T beta,
          T* y, int incy) {
  check(name<T>("F06PAF/DGEMV ", "F06SAF/ZGEMV "), kGemv, trans, m, n, alpha, a, lda, x, incx, beta,
        y, incy);
  if constexpr (kComplex<T>)
    f::zgemv_(trans.text, &m, &n, &alpha, a, &lda, x, &incx, &beta, y, &incy, kOne);
  else
    f::dgemv_(trans.text, &m, &n, &alpha, a, &lda, x, &incx, &beta, y, &incy, kOne);
}

// Triangular product (SOLVE false) or solve.
template <class T, bool Solve>
void trmv(Option uplo, Option trans, Option diag, int n, const T* a, int lda, T* x, int incx) {
  const auto& names =
      Solve ? name<T>("F06PJF/DTRSV ", "F06SJF/ZTRSV ") : name<T>("F06PFF/DTRMV ", "F06SFF/ZTRMV ");
  check(names, kTrmv, uplo, trans, diag, n, a, lda, x, incx);
  const auto* u = uplo.text;
  const auto* t = trans.text;
  const auto* d = diag.text;
  if constexpr (kComplex<T> && Solve)
    f::ztrsv_(u, t, d, &n, a, &lda, x, &incx, kOne, kOne, kOne);
  else if constexpr (kComplex<T>)
    f::ztrmv_(u, t, d, &n, a, &lda, x, &incx, kOne, kOne, kOne);
  else if constexpr (Solve)
    f::dtrsv_(u, t, d, &n, a, &lda, x, &incx, kOne, kOne, kOne);
  else
    f::dtrmv_(u, t, d, &n, a, &lda, x, &incx, kOne, kOne, kOne);
}

// Rank-one update; CONJ conjugates y (complex only).
template <class T, bool Conj = false>
void ger(const char (&diag_name)[14], int m, int n, T alpha, const T* x, int incx, const T* y,
         int incy, T* a, int lda) {
  check(diag_name, kGer, m, n, alpha, x, incx, y, incy, a, lda);
  if constexpr (Conj)
    f::zgerc_(&m, &n, &alpha, x, &incx, y, &incy, a, &lda);
  else if constexpr (kComplex<T>)
    f::zgeru_(&m, &n, &alpha, x, &incx, y, &incy, a, &lda);
  else
    f::dger_(&m, &n, &alpha, x, &incx, y, &incy, a, &lda);
}

template <class T>
void gemm(Option transa, Option transb, int m, int n, int k, T alpha, const T* a, int lda,
          const T* b, int ldb, T beta, T* c, int ldc) {
  check(name<T>("F06YAF/DGEMM ", "F06ZAF/ZGEMM "), kGemm, transa, transb, m, n, k, alpha, a, lda, b,
        ldb, beta, c, ldc);
  const auto* ta = transa.text;
  const auto* tb = transb.text;
  if constexpr (kComplex<T>)
    f::zgemm_(ta, tb, &m, &n, &k, &alpha, a, &lda, b, &ldb, &beta, c, &ldc, kOne, kOne);
  else
    f::dgemm_(ta, tb, &m, &n, &k, &alpha, a, &lda, b, &ldb, &beta, c, &ldc, kOne, kOne);
}

template <class T>
void trsm(Option side, Option uplo, Option transa, Option diag, int m, int n, T alpha, const T* a,
          int lda, T* b, int ldb) {
  check(name<T>("F06YJF/DTRSM ", "F06ZJF/ZTRSM "), kTrsm, side, uplo, transa, diag, m, n, alpha, a,
        lda, b, ldb);
  const auto* s = side.text;
  const auto* u = uplo.text;
  const auto* t = transa.text;
  const auto* d = diag.text;
  if constexpr (kComplex<T>)
    f::ztrsm_(s, u, t, d, &m, &n, &alpha, a, &lda, b, &ldb, kOne, kOne, kOne, kOne);
  else
    f::dtrsm_(s, u, t, d, &m, &n, &alpha, a, &lda, b, &ldb, kOne, kOne, kOne, kOne);
}

}  // namespace

extern "C" {

// ---- y := alpha*op(A)*x + beta*y ------------------------------------------

void KIV_CALL F06PAF_DGEMV(int, const char* trans, int m, int n, double alpha, const double* a,
                           int lda, const double* x, int incx, double beta, double* y, int incy,
                           int trans_len) {
  gemv({trans, trans_len}, m, n, alpha, a, lda, x, incx, beta, y, incy);
}
KIV_ENTRIES(F06PAF_DGEMV, F06PAF, DGEMV,
            (const char* trans, int m, int n, double alpha, const double* a, int lda,
             const double* x, int incx, double beta, double* y, int incy, int trans_len),
            (trans, m, n, alpha, a, lda, x, incx, beta, y, incy, trans_len))

void KIV_CALL F06SAF_ZGEMV(int, const char* trans, int m, int n, double alpha_re, double alpha_im,
                           const kiv2_complex* a, int lda, const kiv2_complex* x, int incx,
                           double beta_re, double beta_im, kiv2_complex* y, int incy,
                           int trans_len) {
  gemv({trans, trans_len}, m, n, z(alpha_re, alpha_im), a, lda, x, incx, z(beta_re, beta_im), y,
       incy);
}
KIV_ENTRIES(F06SAF_ZGEMV, F06SAF, ZGEMV,
            (const char* trans, int m, int n, double alpha_re, double alpha_im,
             const kiv2_complex* a, int lda, const kiv2_complex* x, int incx, double beta_re,
             double beta_im, kiv2_complex* y, int incy, int trans_len),
            (trans, m, n, alpha_re, alpha_im, a, lda, x, incx, beta_re, beta_im, y, incy,
             trans_len))

// ---- x := op(A)*x and op(A)*x = b, A triangular ----------------------------

#define KIV_TRIANGULAR_VECTOR(ROUTINE, LIB, STD, T, SOLVE)                                      \
  void KIV_CALL ROUTINE(int, const char* uplo, const char* trans, const char* diag, int n,      \
                        const T* a, int lda, T* x, int incx, int uplo_len, int trans_len,       \
                        int diag_len) {                                                         \
    trmv<T, SOLVE>({uplo, uplo_len}, {trans, trans_len}, {diag, diag_len}, n, a, lda, x, incx); \
  }                                                                                             \
  void KIV_CALL LIB(const char* uplo, const char* trans, const char* diag, int n, const T* a,   \
                    int lda, T* x, int incx, int uplo_len, int trans_len, int diag_len) {       \
    ROUTINE(0, uplo, trans, diag, n, a, lda, x, incx, uplo_len, trans_len, diag_len);           \
  }                                                                                             \
  void KIV_CALL STD(const char* uplo, const char* trans, const char* diag, int n, const T* a,   \
                    int lda, T* x, int incx, int uplo_len, int trans_len, int diag_len) {       \
    ROUTINE(1, uplo, trans, diag, n, a, lda, x, incx, uplo_len, trans_len, diag_len);           \
  }

KIV_TRIANGULAR_VECTOR(F06PFF_DTRMV, F06PFF, DTRMV, double, false)
KIV_TRIANGULAR_VECTOR(F06PJF_DTRSV, F06PJF, DTRSV, double, true)
KIV_TRIANGULAR_VECTOR(F06SFF_ZTRMV, F06SFF, ZTRMV, kiv2_complex, false)
KIV_TRIANGULAR_VECTOR(F06SJF_ZTRSV, F06SJF, ZTRSV, kiv2_complex, true)
#undef KIV_TRIANGULAR_VECTOR

// ---- A := alpha*x*y' + A ---------------------------------------------------

void KIV_CALL F06PMF_DGER(int, int m, int n, double alpha, const double* x, int incx,
                          const double* y, int incy, double* a, int lda) {
  ger("F06PMF/DGER  ", m, n, alpha, x, incx, y, incy, a, lda);
}
KIV_ENTRIES(F06PMF_DGER, F06PMF, DGER,
            (int m, int n, double alpha, const double* x, int incx, const double* y, int incy,
             double* a, int lda),
            (m, n, alpha, x, incx, y, incy, a, lda))

#define KIV_COMPLEX_RANK_ONE(ROUTINE, LIB, STD, CONJ)                                       \
  void KIV_CALL ROUTINE(int, int m, int n, double alpha_re, double alpha_im,                \
                        const kiv2_complex* x, int incx, const kiv2_complex* y, int incy,   \
                        kiv2_complex* a, int lda) {                                         \
    ger<z, CONJ>(#LIB "/" #STD " ", m, n, z(alpha_re, alpha_im), x, incx, y, incy, a, lda); \
  }                                                                                         \
  void KIV_CALL LIB(int m, int n, double alpha_re, double alpha_im, const kiv2_complex* x,  \
                    int incx, const kiv2_complex* y, int incy, kiv2_complex* a, int lda) {  \
    ROUTINE(0, m, n, alpha_re, alpha_im, x, incx, y, incy, a, lda);                         \
  }                                                                                         \
  void KIV_CALL STD(int m, int n, double alpha_re, double alpha_im, const kiv2_complex* x,  \
                    int incx, const kiv2_complex* y, int incy, kiv2_complex* a, int lda) {  \
    ROUTINE(1, m, n, alpha_re, alpha_im, x, incx, y, incy, a, lda);                         \
  }

KIV_COMPLEX_RANK_ONE(F06SMF_ZGERU, F06SMF, ZGERU, false)
KIV_COMPLEX_RANK_ONE(F06SNF_ZGERC, F06SNF, ZGERC, true)
#undef KIV_COMPLEX_RANK_ONE

// ---- C := alpha*op(A)*op(B) + beta*C ---------------------------------------

void KIV_CALL F06YAF_DGEMM(int, const char* transa, const char* transb, int m, int n, int k,
                           double alpha, const double* a, int lda, const double* b, int ldb,
                           double beta, double* c, int ldc, int transa_len, int transb_len) {
  gemm({transa, transa_len}, {transb, transb_len}, m, n, k, alpha, a, lda, b, ldb, beta, c, ldc);
}
KIV_ENTRIES(F06YAF_DGEMM, F06YAF, DGEMM,
            (const char* transa, const char* transb, int m, int n, int k, double alpha,
             const double* a, int lda, const double* b, int ldb, double beta, double* c, int ldc,
             int transa_len, int transb_len),
            (transa, transb, m, n, k, alpha, a, lda, b, ldb, beta, c, ldc, transa_len, transb_len))

void KIV_CALL F06ZAF_ZGEMM(int, const char* transa, const char* transb, int m, int n, int k,
                           double alpha_re, double alpha_im, const kiv2_complex* a, int lda,
                           const kiv2_complex* b, int ldb, double beta_re, double beta_im,
                           kiv2_complex* c, int ldc, int transa_len, int transb_len) {
  gemm({transa, transa_len}, {transb, transb_len}, m, n, k, z(alpha_re, alpha_im), a, lda, b, ldb,
       z(beta_re, beta_im), c, ldc);
}
KIV_ENTRIES(F06ZAF_ZGEMM, F06ZAF, ZGEMM,
            (const char* transa, const char* transb, int m, int n, int k, double alpha_re,
             double alpha_im, const kiv2_complex* a, int lda, const kiv2_complex* b, int ldb,
             double beta_re, double beta_im, kiv2_complex* c, int ldc, int transa_len,
             int transb_len),
            (transa, transb, m, n, k, alpha_re, alpha_im, a, lda, b, ldb, beta_re, beta_im, c, ldc,
             transa_len, transb_len))

// ---- op(A)*X = alpha*B or X*op(A) = alpha*B --------------------------------

void KIV_CALL F06YJF_DTRSM(int, const char* side, const char* uplo, const char* transa,
                           const char* diag, int m, int n, double alpha, const double* a, int lda,
                           double* b, int ldb, int side_len, int uplo_len, int transa_len,
                           int diag_len) {
  trsm({side, side_len}, {uplo, uplo_len}, {transa, transa_len}, {diag, diag_len}, m, n, alpha, a,
       lda, b, ldb);
}
KIV_ENTRIES(F06YJF_DTRSM, F06YJF, DTRSM,
            (const char* side, const char* uplo, const char* transa, const char* diag, int m, int n,
             double alpha, const double* a, int lda, double* b, int ldb, int side_len, int uplo_len,
             int transa_len, int diag_len),
            (side, uplo, transa, diag, m, n, alpha, a, lda, b, ldb, side_len, uplo_len, transa_len,
             diag_len))

void KIV_CALL F06ZJF_ZTRSM(int, const char* side, const char* uplo, const char* transa,
                           const char* diag, int m, int n, double alpha_re, double alpha_im,
                           const kiv2_complex* a, int lda, kiv2_complex* b, int ldb, int side_len,
                           int uplo_len, int transa_len, int diag_len) {
  trsm({side, side_len}, {uplo, uplo_len}, {transa, transa_len}, {diag, diag_len}, m, n,
       z(alpha_re, alpha_im), a, lda, b, ldb);
}
KIV_ENTRIES(F06ZJF_ZTRSM, F06ZJF, ZTRSM,
            (const char* side, const char* uplo, const char* transa, const char* diag, int m, int n,
             double alpha_re, double alpha_im, const kiv2_complex* a, int lda, kiv2_complex* b,
             int ldb, int side_len, int uplo_len, int transa_len, int diag_len),
            (side, uplo, transa, diag, m, n, alpha_re, alpha_im, a, lda, b, ldb, side_len, uplo_len,
             transa_len, diag_len))

// ---- C := alpha*A*A^H + beta*C or alpha*A^H*A + beta*C ---------------------

void KIV_CALL F06ZPF_ZHERK(int, const char* uplo, const char* trans, int n, int k, double alpha,
                           const kiv2_complex* a, int lda, double beta, kiv2_complex* c, int ldc,
                           int uplo_len, int trans_len) {
  check("F06ZPF/ZHERK ", kHerk, Option{uplo, uplo_len}, Option{trans, trans_len}, n, k, alpha, a,
        lda, beta, c, ldc);
  f::zherk_(uplo, trans, &n, &k, &alpha, a, &lda, &beta, c, &ldc, kOne, kOne);
}
KIV_ENTRIES(F06ZPF_ZHERK, F06ZPF, ZHERK,
            (const char* uplo, const char* trans, int n, int k, double alpha, const kiv2_complex* a,
             int lda, double beta, kiv2_complex* c, int ldc, int uplo_len, int trans_len),
            (uplo, trans, n, k, alpha, a, lda, beta, c, ldc, uplo_len, trans_len))

}  // extern "C"
