// The Fortran BLAS and LAPACK underneath the dense layer: every argument by
// address, the hidden lengths of character arguments as size_t at the end.
// Only the dense layer includes this; everyone else calls dense/blas.hpp.
#pragma once

#include <complex>
#include <cstddef>

namespace kiv::fortran {

using z = std::complex<double>;
using len = std::size_t;

extern "C" {

// Level 1.
double ddot_(const int* n, const double* x, const int* incx, const double* y, const int* incy);
void daxpy_(const int* n, const double* a, const double* x, const int* incx, double* y,
            const int* incy);
void dscal_(const int* n, const double* a, double* x, const int* incx);
void dcopy_(const int* n, const double* x, const int* incx, double* y, const int* incy);
void dswap_(const int* n, double* x, const int* incx, double* y, const int* incy);
double dnrm2_(const int* n, const double* x, const int* incx);
double dasum_(const int* n, const double* x, const int* incx);
int idamax_(const int* n, const double* x, const int* incx);
void drot_(const int* n, double* x, const int* incx, double* y, const int* incy, const double* c,
           const double* s);
void drotg_(double* a, double* b, double* c, double* s);
double dlapy2_(const double* x, const double* y);
void dlassq_(const int* n, const double* x, const int* incx, double* scale, double* sumsq);

z zdotu_(const int* n, const z* x, const int* incx, const z* y, const int* incy);
z zdotc_(const int* n, const z* x, const int* incx, const z* y, const int* incy);
void zaxpy_(const int* n, const z* a, const z* x, const int* incx, z* y, const int* incy);
void zscal_(const int* n, const z* a, z* x, const int* incx);
void zdscal_(const int* n, const double* a, z* x, const int* incx);
void zcopy_(const int* n, const z* x, const int* incx, z* y, const int* incy);
void zswap_(const int* n, z* x, const int* incx, z* y, const int* incy);
double dznrm2_(const int* n, const z* x, const int* incx);
double dzasum_(const int* n, const z* x, const int* incx);
int izamax_(const int* n, const z* x, const int* incx);
void zlassq_(const int* n, const z* x, const int* incx, double* scale, double* sumsq);

// Level 2.
void dgemv_(const char* trans, const int* m, const int* n, const double* alpha, const double* a,
            const int* lda, const double* x, const int* incx, const double* beta, double* y,
            const int* incy, len);
void zgemv_(const char* trans, const int* m, const int* n, const z* alpha, const z* a,
            const int* lda, const z* x, const int* incx, const z* beta, z* y, const int* incy,
            len);
void dtrmv_(const char* uplo, const char* trans, const char* diag, const int* n, const double* a,
            const int* lda, double* x, const int* incx, len, len, len);
void ztrmv_(const char* uplo, const char* trans, const char* diag, const int* n, const z* a,
            const int* lda, z* x, const int* incx, len, len, len);
void dtrsv_(const char* uplo, const char* trans, const char* diag, const int* n, const double* a,
            const int* lda, double* x, const int* incx, len, len, len);
void ztrsv_(const char* uplo, const char* trans, const char* diag, const int* n, const z* a,
            const int* lda, z* x, const int* incx, len, len, len);
void dger_(const int* m, const int* n, const double* alpha, const double* x, const int* incx,
           const double* y, const int* incy, double* a, const int* lda);
void zgeru_(const int* m, const int* n, const z* alpha, const z* x, const int* incx, const z* y,
            const int* incy, z* a, const int* lda);
void zgerc_(const int* m, const int* n, const z* alpha, const z* x, const int* incx, const z* y,
            const int* incy, z* a, const int* lda);

// Level 3.
void dgemm_(const char* transa, const char* transb, const int* m, const int* n, const int* k,
            const double* alpha, const double* a, const int* lda, const double* b,
            const int* ldb, const double* beta, double* c, const int* ldc, len, len);
void zgemm_(const char* transa, const char* transb, const int* m, const int* n, const int* k,
            const z* alpha, const z* a, const int* lda, const z* b, const int* ldb,
            const z* beta, z* c, const int* ldc, len, len);
void dtrsm_(const char* side, const char* uplo, const char* transa, const char* diag,
            const int* m, const int* n, const double* alpha, const double* a, const int* lda,
            double* b, const int* ldb, len, len, len, len);
void ztrsm_(const char* side, const char* uplo, const char* transa, const char* diag,
            const int* m, const int* n, const z* alpha, const z* a, const int* lda, z* b,
            const int* ldb, len, len, len, len);
void zherk_(const char* uplo, const char* trans, const int* n, const int* k, const double* alpha,
            const z* a, const int* lda, const double* beta, z* c, const int* ldc, len, len);

// LAPACK: factorisations.
void dgetrf_(const int* m, const int* n, double* a, const int* lda, int* ipiv, int* info);
void dgetf2_(const int* m, const int* n, double* a, const int* lda, int* ipiv, int* info);
void zgetf2_(const int* m, const int* n, z* a, const int* lda, int* ipiv, int* info);
void dlaswp_(const int* n, double* a, const int* lda, const int* k1, const int* k2,
             const int* ipiv, const int* incx);
void zlaswp_(const int* n, z* a, const int* lda, const int* k1, const int* k2, const int* ipiv,
             const int* incx);
void zpotf2_(const char* uplo, const int* n, z* a, const int* lda, int* info, len);
void zpotrf_(const char* uplo, const int* n, z* a, const int* lda, int* info, len);
void zlatrs_(const char* uplo, const char* trans, const char* diag, const char* normin,
             const int* n, const z* a, const int* lda, z* x, double* scale, double* cnorm,
             int* info, len, len, len, len);
void dlacn2_(const int* n, double* v, double* x, int* isgn, double* est, int* kase, int* isave);
void zlacn2_(const int* n, z* v, z* x, double* est, int* kase, int* isave);

// LAPACK: the nonsymmetric eigenproblem.
void dgebal_(const char* job, const int* n, double* a, const int* lda, int* ilo, int* ihi,
             double* scale, int* info, len);
void zgebal_(const char* job, const int* n, z* a, const int* lda, int* ilo, int* ihi,
             double* scale, int* info, len);
void dhseqr_(const char* job, const char* compz, const int* n, const int* ilo, const int* ihi,
             double* h, const int* ldh, double* wr, double* wi, double* zz, const int* ldz,
             double* work, const int* lwork, int* info, len, len);
void zhseqr_(const char* job, const char* compz, const int* n, const int* ilo, const int* ihi,
             z* h, const int* ldh, z* w, z* zz, const int* ldz, z* work, const int* lwork,
             int* info, len, len);
void dlahqr_(const int* wantt, const int* wantz, const int* n, const int* ilo, const int* ihi,
             double* h, const int* ldh, double* wr, double* wi, const int* iloz, const int* ihiz,
             double* zz, const int* ldz, int* info);
void zlahqr_(const int* wantt, const int* wantz, const int* n, const int* ilo, const int* ihi,
             z* h, const int* ldh, z* w, const int* iloz, const int* ihiz, z* zz,
             const int* ldz, int* info);
void dlaset_(const char* uplo, const int* m, const int* n, const double* alpha,
             const double* beta, double* a, const int* lda, len);
void zlaset_(const char* uplo, const int* m, const int* n, const z* alpha, const z* beta, z* a,
             const int* lda, len);
void dtrexc_(const char* compq, const int* n, double* t, const int* ldt, double* q,
             const int* ldq, int* ifst, int* ilst, double* work, int* info, len);
void ztrexc_(const char* compq, const int* n, z* t, const int* ldt, z* q, const int* ldq,
             const int* ifst, const int* ilst, int* info, len);
void dtrevc_(const char* side, const char* howmny, int* select, const int* n, const double* t,
             const int* ldt, double* vl, const int* ldvl, double* vr, const int* ldvr,
             const int* mm, int* m, double* work, int* info, len, len);
void ztrevc_(const char* side, const char* howmny, const int* select, const int* n, z* t,
             const int* ldt, z* vl, const int* ldvl, z* vr, const int* ldvr, const int* mm,
             int* m, z* work, double* rwork, int* info, len, len);
void dtrsna_(const char* job, const char* howmny, const int* select, const int* n,
             const double* t, const int* ldt, const double* vl, const int* ldvl,
             const double* vr, const int* ldvr, double* s, double* sep, const int* mm, int* m,
             double* work, const int* ldwork, int* iwork, int* info, len, len);
void ztrsna_(const char* job, const char* howmny, const int* select, const int* n, const z* t,
             const int* ldt, const z* vl, const int* ldvl, const z* vr, const int* ldvr,
             double* s, double* sep, const int* mm, int* m, z* work, const int* ldwork,
             double* rwork, int* info, len, len);
void dstebz_(const char* range, const char* order, const int* n, const double* vl,
             const double* vu, const int* il, const int* iu, const double* abstol,
             const double* d, const double* e, int* m, int* nsplit, double* w, int* iblock,
             int* isplit, double* work, int* iwork, int* info, len, len);
void dlaexc_(const int* wantq, const int* n, double* t, const int* ldt, double* q,
             const int* ldq, const int* j1, const int* n1, const int* n2, double* work,
             int* info);
void dlaqtr_(const int* ltran, const int* lreal, const int* n, const double* t, const int* ldt,
             const double* b, const double* w, double* scale, double* x, double* work,
             int* info);
void zlarfg_(const int* n, z* alpha, z* x, const int* incx, z* tau);
double dlange_(const char* norm, const int* m, const int* n, const double* a, const int* lda,
               double* work, len);
double dlanhs_(const char* norm, const int* n, const double* a, const int* lda, double* work,
               len);
double zlange_(const char* norm, const int* m, const int* n, const z* a, const int* lda,
               double* work, len);
double zlanhs_(const char* norm, const int* n, const z* a, const int* lda, double* work, len);

}  // extern "C"

}  // namespace kiv::fortran
