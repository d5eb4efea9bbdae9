// The dense layer's factorisation and eigenvalue routines by their standard
// names: what the library's own routines call.  Arguments follow LAPACK's
// order; input scalars by value, arrays and outputs by address, option
// lengths last.  Illegal arguments are silent: INFO = -position, nothing
// written, the process goes on.  INFO > 0 has LAPACK's meaning.
//
// The library-name entries, the selector routines and the exported
// auxiliaries (DLAHQR, ZLAHQR, DLAEXC, DLAQTR, ZLARFG, the norms) are
// declared in kiv2.h.
#pragma once

#include "kiv2.h"

extern "C" {

// LU factorisation A = P*L*U with partial pivoting; unblocked forms.
void KIV_CALL DGETRF(int m, int n, double* a, int lda, int* ipiv, int* info);
void KIV_CALL DGETF2(int m, int n, double* a, int lda, int* ipiv, int* info);
void KIV_CALL ZGETRF(int m, int n, kiv2_complex* a, int lda, int* ipiv, int* info);
void KIV_CALL ZGETF2(int m, int n, kiv2_complex* a, int lda, int* ipiv, int* info);
// DGETRF with the pivots stored as doubles (PIV(i) = row interchanged with
// row i); F07ADG itself is exported.
void KIV_CALL F07ADH(int m, int n, double* a, int lda, double* piv, int* info);

// Cholesky factorisation of a Hermitian positive-definite matrix.
void KIV_CALL ZPOTRF(const char* uplo, int n, kiv2_complex* a, int lda, int* info,
                     int uplo_len);
void KIV_CALL ZPOTF2(const char* uplo, int n, kiv2_complex* a, int lda, int* info,
                     int uplo_len);

// Triangular solve op(A)*x = scale*b with scaling against overflow.
void KIV_CALL ZLATRS(const char* uplo, const char* trans, const char* diag, const char* normin,
                     int n, const kiv2_complex* a, int lda, kiv2_complex* x, double* scale,
                     double* cnorm, int* info, int uplo_len, int trans_len, int diag_len,
                     int normin_len);

// The nonsymmetric eigenproblem.  DGEBAL/ZGEBAL asked to scale a matrix
// holding a NaN return INFO = -3, A untouched.
void KIV_CALL DGEBAL(const char* job, int n, double* a, int lda, int* ilo, int* ihi,
                     double* scale, int* info, int job_len);
void KIV_CALL ZGEBAL(const char* job, int n, kiv2_complex* a, int lda, int* ilo, int* ihi,
                     double* scale, int* info, int job_len);
void KIV_CALL DHSEQR(const char* job, const char* compz, int n, int ilo, int ihi, double* h,
                     int ldh, double* wr, double* wi, double* z, int ldz, double* work,
                     int lwork, int* info, int job_len, int compz_len);
void KIV_CALL ZHSEQR(const char* job, const char* compz, int n, int ilo, int ihi,
                     kiv2_complex* h, int ldh, kiv2_complex* w, kiv2_complex* z, int ldz,
                     kiv2_complex* work, int lwork, int* info, int job_len, int compz_len);
void KIV_CALL DTREXC(const char* compq, int n, double* t, int ldt, double* q, int ldq,
                     int* ifst, int* ilst, double* work, int* info, int compq_len);
void KIV_CALL ZTREXC(const char* compq, int n, kiv2_complex* t, int ldt, kiv2_complex* q,
                     int ldq, int ifst, int ilst, int* info, int compq_len);
void KIV_CALL DTREVC(const char* side, const char* howmny, int* select, int n, const double* t,
                     int ldt, double* vl, int ldvl, double* vr, int ldvr, int mm, int* m,
                     double* work, int* info, int side_len, int howmny_len);
void KIV_CALL ZTREVC(const char* side, const char* howmny, const int* select, int n,
                     kiv2_complex* t, int ldt, kiv2_complex* vl, int ldvl, kiv2_complex* vr,
                     int ldvr, int mm, int* m, kiv2_complex* work, double* rwork, int* info,
                     int side_len, int howmny_len);
void KIV_CALL DTRSNA(const char* job, const char* howmny, const int* select, int n,
                     const double* t, int ldt, const double* vl, int ldvl, const double* vr,
                     int ldvr, double* s, double* sep, int mm, int* m, double* work, int ldwork,
                     int* iwork, int* info, int job_len, int howmny_len);
void KIV_CALL ZTRSNA(const char* job, const char* howmny, const int* select, int n,
                     const kiv2_complex* t, int ldt, const kiv2_complex* vl, int ldvl,
                     const kiv2_complex* vr, int ldvr, double* s, double* sep, int mm, int* m,
                     kiv2_complex* work, int ldwork, double* rwork, int* info, int job_len,
                     int howmny_len);
void KIV_CALL DSTEBZ(const char* range, const char* order, int n, double vl, double vu, int il,
                     int iu, double abstol, const double* d, const double* e, int* m,
                     int* nsplit, double* w, int* iblock, int* isplit, double* work, int* iwork,
                     int* info, int range_len, int order_len);

// Determinant of the N x N matrix A (overwritten by its LU factors; WORK
// receives N pivots).  IFAIL: 1 singular, 2 overflow, 3 underflow, 4 N or IA.
int KIV_CALL F03AAF(double* a, int ia, int n, double* det, double* work, int* ifail);
// LU factors of A and the determinant DETF * 2^DETE, 1/16 <= |DETF| < 1
// (an infinite or NaN pivot: DETF infinite or NaN, DETE = 0); TOL is not
// used.  IFAIL: 1 singular (DETF = DETE = 0), 2 N or IA.
int KIV_CALL F03AFF(int n, double tol, double* a, int ia, double* detf, int* dete, double* piv,
                    char* record, int* ifail, int record_len);
// X = inv(A), A overwritten by its LU factors.  IFAIL: 1 singular, 2 N, IA
// or IX; no message lines.
int KIV_CALL F01AAZ(double* a, int ia, int n, double* x, int ix, double* piv, int* ifail);

// Reverse-communication estimate of the 1-norm of a real (complex) matrix:
// start with KASE = 0; on return KASE = 1 asks for X := A*X, KASE = 2 for
// X := A'*X (A^H*X), KASE = 0 means EST holds the estimate.  WORK holds N
// elements, ISGN N integers, ISAVE 3.  IFAIL: 1 when N < 1, or on a
// re-entry when ISAVE holds no state the estimator can have left (KASE = 0
// on return in both cases).
int KIV_CALL F04YCF(int* kase, int n, double* x, double* est, double* work, int* isgn,
                    int* isave, char* record, int* ifail, int record_len);
int KIV_CALL F04ZCF(int* kase, int n, kiv2_complex* x, double* est, kiv2_complex* work,
                    int* isave, char* record, int* ifail, int record_len);

}  // extern "C"

namespace kiv::dense {

// Parameter ISPEC of routine NAME (a six-character library name) from the
// tuning store: -1 for ISPEC outside 1 to 8, -2 for a name without a slot.
int tuning_parameter(int ispec, const char* name);

}  // namespace kiv::dense
