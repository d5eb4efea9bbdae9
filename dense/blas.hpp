// The dense layer's standard-name entries: what the library's own routines
// call (the library-name entries and the routines with the entry selector
// are exported and declared in kiv2.h).  Arguments follow the standard BLAS
// order; input scalars by value, a complex scalar as two doubles (real part
// first), character options by address with their lengths last.
//
// Level-2 and level-3 entries check their arguments and end the process
// through PARAMETER_ERROR on an illegal one; level-1 entries never report,
// and a length below 1 returns at once (a scalar result then being 0).
#pragma once

#include "kiv2.h"

extern "C" {

// Level 1, real.
double KIV_CALL DDOT(int n, const double* x, int incx, const double* y, int incy);
void KIV_CALL DAXPY(int n, double alpha, const double* x, int incx, double* y, int incy);
void KIV_CALL DSCAL(int n, double alpha, double* x, int incx);
void KIV_CALL DCOPY(int n, const double* x, int incx, double* y, int incy);
void KIV_CALL DSWAP(int n, double* x, int incx, double* y, int incy);
double KIV_CALL DNRM2(int n, const double* x, int incx);
double KIV_CALL DASUM(int n, const double* x, int incx);
int KIV_CALL IDAMAX(int n, const double* x, int incx);
void KIV_CALL DROT(int n, double* x, int incx, double* y, int incy, double c, double s);
void KIV_CALL DROTG(double* a, double* b, double* c, double* s);
double KIV_CALL DLAPY2(double x, double y);
void KIV_CALL DLASSQ(int n, const double* x, int incx, double* scale, double* sumsq);

// Level 1, complex.
kiv2_complex KIV_CALL ZDOTU(int n, const kiv2_complex* x, int incx, const kiv2_complex* y,
                            int incy);
kiv2_complex KIV_CALL ZDOTC(int n, const kiv2_complex* x, int incx, const kiv2_complex* y,
                            int incy);
void KIV_CALL ZAXPY(int n, double alpha_re, double alpha_im, const kiv2_complex* x, int incx,
                    kiv2_complex* y, int incy);
void KIV_CALL ZSCAL(int n, double alpha_re, double alpha_im, kiv2_complex* x, int incx);
void KIV_CALL ZDSCAL(int n, double alpha, kiv2_complex* x, int incx);
void KIV_CALL ZCOPY(int n, const kiv2_complex* x, int incx, kiv2_complex* y, int incy);
void KIV_CALL ZSWAP(int n, kiv2_complex* x, int incx, kiv2_complex* y, int incy);
double KIV_CALL DZNRM2(int n, const kiv2_complex* x, int incx);
double KIV_CALL DZASUM(int n, const kiv2_complex* x, int incx);
int KIV_CALL IZAMAX(int n, const kiv2_complex* x, int incx);
void KIV_CALL ZLASSQ(int n, const kiv2_complex* x, int incx, double* scale, double* sumsq);

// x := alpha in every element.
void KIV_CALL DLOAD(int n, double alpha, double* x, int incx);
void KIV_CALL ZLOAD(int n, double alpha_re, double alpha_im, kiv2_complex* x, int incx);

// Also here, exported and declared in kiv2.h: DYAX and ZYAX (y := alpha*x),
// ZROTG (complex plane rotation), and the selector routines and library-name
// entries of DNRM2, DZNRM2, DROTG and of every level-2 and level-3 kernel.

// Level 2.
void KIV_CALL DGEMV(const char* trans, int m, int n, double alpha, const double* a, int lda,
                    const double* x, int incx, double beta, double* y, int incy, int trans_len);
void KIV_CALL DTRMV(const char* uplo, const char* trans, const char* diag, int n,
                    const double* a, int lda, double* x, int incx, int uplo_len, int trans_len,
                    int diag_len);
void KIV_CALL DTRSV(const char* uplo, const char* trans, const char* diag, int n,
                    const double* a, int lda, double* x, int incx, int uplo_len, int trans_len,
                    int diag_len);
void KIV_CALL DGER(int m, int n, double alpha, const double* x, int incx, const double* y,
                   int incy, double* a, int lda);
void KIV_CALL ZGEMV(const char* trans, int m, int n, double alpha_re, double alpha_im,
                    const kiv2_complex* a, int lda, const kiv2_complex* x, int incx,
                    double beta_re, double beta_im, kiv2_complex* y, int incy, int trans_len);
void KIV_CALL ZTRMV(const char* uplo, const char* trans, const char* diag, int n,
                    const kiv2_complex* a, int lda, kiv2_complex* x, int incx, int uplo_len,
                    int trans_len, int diag_len);
void KIV_CALL ZTRSV(const char* uplo, const char* trans, const char* diag, int n,
                    const kiv2_complex* a, int lda, kiv2_complex* x, int incx, int uplo_len,
                    int trans_len, int diag_len);
void KIV_CALL ZGERU(int m, int n, double alpha_re, double alpha_im, const kiv2_complex* x,
                    int incx, const kiv2_complex* y, int incy, kiv2_complex* a, int lda);
void KIV_CALL ZGERC(int m, int n, double alpha_re, double alpha_im, const kiv2_complex* x,
                    int incx, const kiv2_complex* y, int incy, kiv2_complex* a, int lda);

// Level 3.
void KIV_CALL DGEMM(const char* transa, const char* transb, int m, int n, int k, double alpha,
                    const double* a, int lda, const double* b, int ldb, double beta, double* c,
                    int ldc, int transa_len, int transb_len);
void KIV_CALL DTRSM(const char* side, const char* uplo, const char* transa, const char* diag,
                    int m, int n, double alpha, const double* a, int lda, double* b, int ldb,
                    int side_len, int uplo_len, int transa_len, int diag_len);
void KIV_CALL ZGEMM(const char* transa, const char* transb, int m, int n, int k, double alpha_re,
                    double alpha_im, const kiv2_complex* a, int lda, const kiv2_complex* b,
                    int ldb, double beta_re, double beta_im, kiv2_complex* c, int ldc,
                    int transa_len, int transb_len);
void KIV_CALL ZTRSM(const char* side, const char* uplo, const char* transa, const char* diag,
                    int m, int n, double alpha_re, double alpha_im, const kiv2_complex* a,
                    int lda, kiv2_complex* b, int ldb, int side_len, int uplo_len,
                    int transa_len, int diag_len);
void KIV_CALL ZHERK(const char* uplo, const char* trans, int n, int k, double alpha,
                    const kiv2_complex* a, int lda, double beta, kiv2_complex* c, int ldc,
                    int uplo_len, int trans_len);

}  // extern "C"
