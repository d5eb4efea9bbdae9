/*
 * kiv2 - public interface.
 *
 * Every entry point that the library exports is declared here, with its
 * export name ("_qNNNNN@K") in the comment beside it.  On Linux each export
 * is also an ELF symbol without the underscore and the "@K" ("q26243"), and
 * kiv2_entry() resolves an exact export name the way a host resolves a DLL
 * export.
 *
 * Conventions, shared by every routine:
 *  - arrays are column-major and 1-based (element (i,j) at (i-1)+(j-1)*LDA);
 *  - Real is double, Integer is a 32-bit int, complex data is two doubles
 *    (real part first);
 *  - character arguments are (address, length) pairs, the lengths at the end
 *    of the argument list; only the first letter of an option is read;
 *  - user-callable routines end with IFAIL: on entry it selects how an error
 *    is reported (0 hard stop, -1 or 11 print and return, 1 silent, -13
 *    message lines only), on exit it holds the error number.
 *
 * Host wrappers (the NAME_HOST functions) take every argument by address,
 * poison the outputs and cross-check the error report.  Routine bodies take
 * input scalars by value followed by a 200-character message record, the
 * address of IFAIL and the character lengths, 200 last.
 */
#ifndef KIV2_H
#define KIV2_H

#ifdef __cplusplus
#include <complex>
typedef std::complex<double> kiv2_complex;
#define KIV2_EXTERN_C extern "C"
#else
typedef double _Complex kiv2_complex;
#define KIV2_EXTERN_C
#endif

/* Calling convention of every export and every host callback: stdcall on
 * 32-bit x86, the platform default elsewhere. */
#if defined(__i386__) && defined(_WIN32)
#define KIV_CALL __stdcall
#elif defined(__i386__)
#define KIV_CALL __attribute__((stdcall))
#else
#define KIV_CALL
#endif

#if defined(_WIN32)
#define KIV_API KIV2_EXTERN_C
#else
#define KIV_API KIV2_EXTERN_C __attribute__((visibility("default")))
#endif

/* Length of the message record passed from a host wrapper to a body. */
#define KIV2_RECORD_LEN 200

/* Resolves an exact export name ("_q26243@8") to its entry; NULL if unknown. */
KIV_API void* kiv2_entry(const char* export_name);

/* ===================================================================== */
/* Frame: poison routines                                                 */
/* ===================================================================== */
KIV_API void KIV_CALL POISON_REAL(double* x);                     /* _q43484@4 */
KIV_API void KIV_CALL POISON_REALS(int n, double* x);             /* _q44339@8 */
KIV_API void KIV_CALL POISON_INTEGER(int* x);                     /* _q68526@4 */
KIV_API void KIV_CALL POISON_INTEGERS(int n, int* x);             /* _q18327@8 */
KIV_API void KIV_CALL POISON_COMPLEX(kiv2_complex* x);            /* _q29267@4 */
KIV_API void KIV_CALL POISON_COMPLEXES(int n, kiv2_complex* x);   /* _q67045@8 */

/* ===================================================================== */
/* Frame: error handler and output units                                  */
/* ===================================================================== */
/* Applies the IFAIL convention to error IERR of routine SRNAME, writing the
 * NLINES message lines (records of RECLEN characters) when asked to; returns
 * the new IFAIL (= IERR) or ends the process on a hard failure. */
KIV_API int KIV_CALL ERROR_EXIT(int ifail, int ierr, const char* srname,   /* _q43156@28 */
                                int nlines, const char* msglines,
                                int srname_len, int reclen);
/* As ERROR_EXIT; the exit line names the variable VARNAME (blank: omitted). */
KIV_API int KIV_CALL ERROR_EXIT_NAMED(int ifail, int ierr,                 /* _q54230@36 */
                                      const char* srname, const char* varname,
                                      int nlines, const char* msglines,
                                      int srname_len, int varname_len, int reclen);
/* *mode 0 reads the error unit into *unit, 1 sets it; a negative unit
 * silences error output. */
KIV_API void KIV_CALL ERROR_UNIT_BYREF(const int* mode, int* unit);        /* _q87554@8 */

/* ===================================================================== */
/* Frame: machine constants and small utilities                           */
/* ===================================================================== */
KIV_API double KIV_CALL CONST_PI(void);            /* _q42761@0 */
KIV_API double KIV_CALL MACHINE_PRECISION(void);   /* _q48540@0: 2^-53 (1 + 2^-10 + 2^-47) */
KIV_API double KIV_CALL SAFE_MINIMUM(void);        /* _q48900@0 and _q54356@0 */
KIV_API double KIV_CALL LARGEST_REAL(void);        /* _q22647@0 */
KIV_API int KIV_CALL MODEL_BASE(void);             /* _q32811@0 */

/* Principal square root of a + ib (non-negative real part). */
KIV_API void KIV_CALL COMPLEX_SQRT(double a, double b, double* re, double* im);  /* _q84763@24 */
/* The same with a and b by address; poisons both results first. */
KIV_API void KIV_CALL COMPLEX_SQRT_BYREF(const double* a, const double* b,       /* _q18805@16 */
                                         double* re, double* im);
/* |a + ib| without overflow. */
KIV_API double KIV_CALL COMPLEX_ABS(double a, double b);                           /* _q95043@16 */
/* (a + ib) / (c + id), scaled (Smith). */
KIV_API void KIV_CALL COMPLEX_DIV(double a, double b, double c, double d,          /* _q84615@40 */
                                  double* re, double* im);

/* Uniform random numbers in [0, 1).  Generator 0 is the basic 60-bit
 * multiplicative generator, 1..273 the Wichmann-Hill generators; STATE is
 * four caller-owned integers. */
KIV_API double KIV_CALL RANDOM_UNIFORM_BYREF(const int* generator, int* state);  /* _q56221@8 */
KIV_API double KIV_CALL RANDOM_UNIFORM(int generator, int* state);               /* _q51030@8 */
KIV_API double KIV_CALL RANDOM_WH(int generator, int* state);                    /* _q81284@8 */
/* Selects generator 0 and its initial state. */
KIV_API void KIV_CALL RANDOM_INIT(int* generator, int* state);                   /* _q98008@8 */

/* Writes the implementation-details listing on the advisory unit. */
KIV_API void KIV_CALL IMPLEMENTATION_DETAILS(void);                              /* _q80933@0 */

/* ===================================================================== */
/* Dense linear algebra                                                   */
/* ===================================================================== */
/* The library's layer over BLAS and LAPACK.  Every matrix-level routine is
 * one routine whose first argument is the entry selector (0 library-name
 * entry, 1 standard-name entry; it changes nothing), exported beside its
 * library-name entry; the standard-name entries (DGEMV, DGETRF, ...) are
 * internal (dense/blas.hpp).  Scalars by value, a complex scalar as two
 * doubles (real part first), option lengths last.  Level-2 and level-3
 * kernels end the process through PARAMETER_ERROR on an illegal argument. */

/* Level 1: Euclidean norms (scaled, no overflow) and plane rotations. */
KIV_API double KIV_CALL DNRM2_SEL(int entry, int n, const double* x, int incx);  /* _q88406@16 */
KIV_API double KIV_CALL DNRM2_LIB(int n, const double* x, int incx);             /* _q64593@12 */
KIV_API double KIV_CALL DZNRM2_SEL(int entry, int n, const kiv2_complex* x,      /* _q94172@16 */
                                   int incx);
KIV_API double KIV_CALL DZNRM2_LIB(int n, const kiv2_complex* x, int incx);      /* _q13327@12 */
/* (a, b) -> (r, z), c, s with b = 0 giving c = 1, s = 0. */
KIV_API void KIV_CALL DROTG_SEL(int entry, double* a, double* b, double* c,      /* _q17371@20 */
                                double* s);
KIV_API void KIV_CALL DROTG_LIB(double* a, double* b, double* c, double* s);     /* _q92072@16 */
/* y := alpha*x (alpha = 0 fills y with zeros). */
KIV_API void KIV_CALL DYAX(int n, double alpha, const double* x, int incx,       /* _q47079@28 */
                           double* y, int incy);
KIV_API void KIV_CALL ZYAX(int n, double alpha_re, double alpha_im,              /* _q86102@36 */
                           const kiv2_complex* x, int incx, kiv2_complex* y, int incy);
/* The rotation [c s; -conj(s) c] taking (a, b) to (r, 0); r replaces a.
 * b = 0 gives c = 1, s = 0. */
KIV_API void KIV_CALL ZROTG(kiv2_complex* a, const kiv2_complex* b, double* c,   /* _q22475@16 */
                            kiv2_complex* s);

/* Level 2. */
KIV_API void KIV_CALL F06PAF_DGEMV(int entry, const char* trans, int m, int n,   /* _q98364@60 */
                                   double alpha, const double* a, int lda,
                                   const double* x, int incx, double beta, double* y,
                                   int incy, int trans_len);
KIV_API void KIV_CALL F06PAF(const char* trans, int m, int n, double alpha,      /* _q71427@56 */
                             const double* a, int lda, const double* x, int incx,
                             double beta, double* y, int incy, int trans_len);
KIV_API void KIV_CALL F06PFF_DTRMV(int entry, const char* uplo, const char* trans, /* _q25392@48 */
                                   const char* diag, int n, const double* a, int lda,
                                   double* x, int incx, int uplo_len, int trans_len,
                                   int diag_len);
KIV_API void KIV_CALL F06PFF(const char* uplo, const char* trans,                /* _q71253@44 */
                             const char* diag, int n, const double* a, int lda, double* x,
                             int incx, int uplo_len, int trans_len, int diag_len);
KIV_API void KIV_CALL F06PJF_DTRSV(int entry, const char* uplo, const char* trans, /* _q71436@48 */
                                   const char* diag, int n, const double* a, int lda,
                                   double* x, int incx, int uplo_len, int trans_len,
                                   int diag_len);
KIV_API void KIV_CALL F06PJF(const char* uplo, const char* trans,                /* _q98372@44 */
                             const char* diag, int n, const double* a, int lda, double* x,
                             int incx, int uplo_len, int trans_len, int diag_len);
KIV_API void KIV_CALL F06PMF_DGER(int entry, int m, int n, double alpha,         /* _q33512@44 */
                                  const double* x, int incx, const double* y, int incy,
                                  double* a, int lda);
KIV_API void KIV_CALL F06PMF(int m, int n, double alpha, const double* x,        /* _q43879@40 */
                             int incx, const double* y, int incy, double* a, int lda);
KIV_API void KIV_CALL F06SAF_ZGEMV(int entry, const char* trans, int m, int n,   /* _q98077@76 */
                                   double alpha_re, double alpha_im, const kiv2_complex* a,
                                   int lda, const kiv2_complex* x, int incx, double beta_re,
                                   double beta_im, kiv2_complex* y, int incy, int trans_len);
KIV_API void KIV_CALL F06SAF(const char* trans, int m, int n, double alpha_re,   /* _q32210@72 */
                             double alpha_im, const kiv2_complex* a, int lda,
                             const kiv2_complex* x, int incx, double beta_re, double beta_im,
                             kiv2_complex* y, int incy, int trans_len);
KIV_API void KIV_CALL F06SFF_ZTRMV(int entry, const char* uplo, const char* trans, /* _q46238@48 */
                                   const char* diag, int n, const kiv2_complex* a, int lda,
                                   kiv2_complex* x, int incx, int uplo_len, int trans_len,
                                   int diag_len);
KIV_API void KIV_CALL F06SFF(const char* uplo, const char* trans,                /* _q44164@44 */
                             const char* diag, int n, const kiv2_complex* a, int lda,
                             kiv2_complex* x, int incx, int uplo_len, int trans_len,
                             int diag_len);
KIV_API void KIV_CALL F06SJF_ZTRSV(int entry, const char* uplo, const char* trans, /* _q68558@48 */
                                   const char* diag, int n, const kiv2_complex* a, int lda,
                                   kiv2_complex* x, int incx, int uplo_len, int trans_len,
                                   int diag_len);
KIV_API void KIV_CALL F06SJF(const char* uplo, const char* trans,                /* _q87857@44 */
                             const char* diag, int n, const kiv2_complex* a, int lda,
                             kiv2_complex* x, int incx, int uplo_len, int trans_len,
                             int diag_len);
KIV_API void KIV_CALL F06SMF_ZGERU(int entry, int m, int n, double alpha_re,     /* _q30031@52 */
                                   double alpha_im, const kiv2_complex* x, int incx,
                                   const kiv2_complex* y, int incy, kiv2_complex* a, int lda);
KIV_API void KIV_CALL F06SMF(int m, int n, double alpha_re, double alpha_im,     /* _q40711@48 */
                             const kiv2_complex* x, int incx, const kiv2_complex* y, int incy,
                             kiv2_complex* a, int lda);
KIV_API void KIV_CALL F06SNF_ZGERC(int entry, int m, int n, double alpha_re,     /* _q44382@52 */
                                   double alpha_im, const kiv2_complex* x, int incx,
                                   const kiv2_complex* y, int incy, kiv2_complex* a, int lda);
KIV_API void KIV_CALL F06SNF(int m, int n, double alpha_re, double alpha_im,     /* _q28005@48 */
                             const kiv2_complex* x, int incx, const kiv2_complex* y, int incy,
                             kiv2_complex* a, int lda);

/* Level 3. */
KIV_API void KIV_CALL F06YAF_DGEMM(int entry, const char* transa,                /* _q47424@72 */
                                   const char* transb, int m, int n, int k, double alpha,
                                   const double* a, int lda, const double* b, int ldb,
                                   double beta, double* c, int ldc, int transa_len,
                                   int transb_len);
KIV_API void KIV_CALL F06YAF(const char* transa, const char* transb, int m,      /* _q17700@68 */
                             int n, int k, double alpha, const double* a, int lda,
                             const double* b, int ldb, double beta, double* c, int ldc,
                             int transa_len, int transb_len);
KIV_API void KIV_CALL F06YJF_DTRSM(int entry, const char* side, const char* uplo, /* _q81191@68 */
                                   const char* transa, const char* diag, int m, int n,
                                   double alpha, const double* a, int lda, double* b, int ldb,
                                   int side_len, int uplo_len, int transa_len, int diag_len);
KIV_API void KIV_CALL F06YJF(const char* side, const char* uplo,                 /* _q87710@64 */
                             const char* transa, const char* diag, int m, int n,
                             double alpha, const double* a, int lda, double* b, int ldb,
                             int side_len, int uplo_len, int transa_len, int diag_len);
KIV_API void KIV_CALL F06ZAF_ZGEMM(int entry, const char* transa,                /* _q86425@88 */
                                   const char* transb, int m, int n, int k, double alpha_re,
                                   double alpha_im, const kiv2_complex* a, int lda,
                                   const kiv2_complex* b, int ldb, double beta_re,
                                   double beta_im, kiv2_complex* c, int ldc, int transa_len,
                                   int transb_len);
KIV_API void KIV_CALL F06ZAF(const char* transa, const char* transb, int m,      /* _q49300@84 */
                             int n, int k, double alpha_re, double alpha_im,
                             const kiv2_complex* a, int lda, const kiv2_complex* b, int ldb,
                             double beta_re, double beta_im, kiv2_complex* c, int ldc,
                             int transa_len, int transb_len);
KIV_API void KIV_CALL F06ZJF_ZTRSM(int entry, const char* side, const char* uplo, /* _q45618@76 */
                                   const char* transa, const char* diag, int m, int n,
                                   double alpha_re, double alpha_im, const kiv2_complex* a,
                                   int lda, kiv2_complex* b, int ldb, int side_len,
                                   int uplo_len, int transa_len, int diag_len);
KIV_API void KIV_CALL F06ZJF(const char* side, const char* uplo,                 /* _q68419@72 */
                             const char* transa, const char* diag, int m, int n,
                             double alpha_re, double alpha_im, const kiv2_complex* a, int lda,
                             kiv2_complex* b, int ldb, int side_len, int uplo_len,
                             int transa_len, int diag_len);
KIV_API void KIV_CALL F06ZPF_ZHERK(int entry, const char* uplo, const char* trans, /* _q58284@60 */
                                   int n, int k, double alpha, const kiv2_complex* a, int lda,
                                   double beta, kiv2_complex* c, int ldc, int uplo_len,
                                   int trans_len);
KIV_API void KIV_CALL F06ZPF(const char* uplo, const char* trans, int n, int k,  /* _q79440@56 */
                             double alpha, const kiv2_complex* a, int lda, double beta,
                             kiv2_complex* c, int ldc, int uplo_len, int trans_len);

/* LU and Cholesky factorisations (LAPACK's meanings; illegal arguments set
 * INFO = -position silently).  Block sizes come from the tuning store. */
KIV_API void KIV_CALL F07ADF_DGETRF(int entry, int m, int n, double* a, int lda,  /* _q91085@28 */
                                    int* ipiv, int* info);
KIV_API void KIV_CALL F07ADF(int m, int n, double* a, int lda, int* ipiv,        /* _q96872@24 */
                             int* info);
KIV_API void KIV_CALL F07ARF_ZGETRF(int entry, int m, int n, kiv2_complex* a,    /* _q33249@28 */
                                    int lda, int* ipiv, int* info);
KIV_API void KIV_CALL F07ARF(int m, int n, kiv2_complex* a, int lda, int* ipiv,  /* _q81169@24 */
                             int* info);
KIV_API void KIV_CALL F07FRF_ZPOTRF(int entry, const char* uplo, int n,          /* _q11772@28 */
                                    kiv2_complex* a, int lda, int* info, int uplo_len);
KIV_API void KIV_CALL F07FRF(const char* uplo, int n, kiv2_complex* a, int lda,  /* _q23606@24 */
                             int* info, int uplo_len);
/* Unblocked Cholesky. */
KIV_API void KIV_CALL F07FRZ(const char* uplo, int n, kiv2_complex* a, int lda,  /* _q87871@24 */
                             int* info, int uplo_len);
/* LU with the pivots stored as doubles: PIV(i) = the row interchanged with
 * row i. */
KIV_API void KIV_CALL F07ADG(int m, int n, double* a, int lda, double* piv,      /* _q47409@24 */
                             int* info);
/* The tuning store: RWFLAG = 0 reads parameter ISPEC (1 to 8; parameter 1 is
 * the block size) of the routine NAME ("F07ADF", "F08PEF", ...) into *IVAL,
 * any other RWFLAG sets it from *IVAL.  *IVAL = -1 for ISPEC outside 1 to 8,
 * -2 for a name without a slot.  Values set persist for the process. */
KIV_API void KIV_CALL TUNING_STORE(int ispec, const char* name, int* ival,       /* _q23883@20 */
                                   int rwflag, int name_len);
/* X = inv(A) (A overwritten by its LU factors), every argument by address.
 * IFAIL: 1 singular, 2 N < 0, IA or IX < max(1,N); no message lines. */
KIV_API int KIV_CALL F01AAZ_BYREF(double* a, const int* ia, const int* n,        /* _q36053@28 */
                                  double* x, const int* ix, double* piv, int* ifail);

/* The nonsymmetric eigenproblem (LAPACK's arguments and meanings; illegal
 * arguments set INFO = -position silently).  With the initial tuning values
 * DHSEQR runs the double-shift and ZHSEQR the single-shift QR. */
KIV_API void KIV_CALL F08PEF_DHSEQR(int entry, const char* job,                  /* _q93513@68 */
                                    const char* compz, int n, int ilo, int ihi, double* h,
                                    int ldh, double* wr, double* wi, double* z, int ldz,
                                    double* work, int lwork, int* info, int job_len,
                                    int compz_len);
KIV_API void KIV_CALL F08PEF(const char* job, const char* compz, int n, int ilo, /* _q83817@64 */
                             int ihi, double* h, int ldh, double* wr, double* wi, double* z,
                             int ldz, double* work, int lwork, int* info, int job_len,
                             int compz_len);
KIV_API void KIV_CALL F08PSF_ZHSEQR(int entry, const char* job,                  /* _q93929@64 */
                                    const char* compz, int n, int ilo, int ihi,
                                    kiv2_complex* h, int ldh, kiv2_complex* w, kiv2_complex* z,
                                    int ldz, kiv2_complex* work, int lwork, int* info,
                                    int job_len, int compz_len);
KIV_API void KIV_CALL F08PSF(const char* job, const char* compz, int n, int ilo, /* _q40971@60 */
                             int ihi, kiv2_complex* h, int ldh, kiv2_complex* w,
                             kiv2_complex* z, int ldz, kiv2_complex* work, int lwork,
                             int* info, int job_len, int compz_len);
KIV_API void KIV_CALL F08QFF_DTREXC(int entry, const char* compq, int n,         /* _q36052@48 */
                                    double* t, int ldt, double* q, int ldq, int* ifst,
                                    int* ilst, double* work, int* info, int compq_len);
KIV_API void KIV_CALL F08QFF(const char* compq, int n, double* t, int ldt,       /* _q59783@44 */
                             double* q, int ldq, int* ifst, int* ilst, double* work,
                             int* info, int compq_len);
KIV_API void KIV_CALL F08QTF_ZTREXC(int entry, const char* compq, int n,         /* _q34905@44 */
                                    kiv2_complex* t, int ldt, kiv2_complex* q, int ldq,
                                    int ifst, int ilst, int* info, int compq_len);
KIV_API void KIV_CALL F08QTF(const char* compq, int n, kiv2_complex* t, int ldt, /* _q71144@40 */
                             kiv2_complex* q, int ldq, int ifst, int ilst, int* info,
                             int compq_len);
KIV_API void KIV_CALL F08QKF_DTREVC(int entry, const char* side,                 /* _q47595@68 */
                                    const char* howmny, int* select, int n, const double* t,
                                    int ldt, double* vl, int ldvl, double* vr, int ldvr,
                                    int mm, int* m, double* work, int* info, int side_len,
                                    int howmny_len);
KIV_API void KIV_CALL F08QKF(const char* side, const char* howmny, int* select,  /* _q41861@64 */
                             int n, const double* t, int ldt, double* vl, int ldvl,
                             double* vr, int ldvr, int mm, int* m, double* work, int* info,
                             int side_len, int howmny_len);
KIV_API void KIV_CALL F08QLF_DTRSNA(int entry, const char* job,                  /* _q51210@84 */
                                    const char* howmny, const int* select, int n,
                                    const double* t, int ldt, const double* vl, int ldvl,
                                    const double* vr, int ldvr, double* s, double* sep, int mm,
                                    int* m, double* work, int ldwork, int* iwork, int* info,
                                    int job_len, int howmny_len);
KIV_API void KIV_CALL F08QLF(const char* job, const char* howmny,                /* _q30309@80 */
                             const int* select, int n, const double* t, int ldt,
                             const double* vl, int ldvl, const double* vr, int ldvr, double* s,
                             double* sep, int mm, int* m, double* work, int ldwork, int* iwork,
                             int* info, int job_len, int howmny_len);
KIV_API void KIV_CALL F08QYF_ZTRSNA(int entry, const char* job,                  /* _q68039@84 */
                                    const char* howmny, const int* select, int n,
                                    const kiv2_complex* t, int ldt, const kiv2_complex* vl,
                                    int ldvl, const kiv2_complex* vr, int ldvr, double* s,
                                    double* sep, int mm, int* m, kiv2_complex* work, int ldwork,
                                    double* rwork, int* info, int job_len, int howmny_len);
KIV_API void KIV_CALL F08QYF(const char* job, const char* howmny,                /* _q55101@80 */
                             const int* select, int n, const kiv2_complex* t, int ldt,
                             const kiv2_complex* vl, int ldvl, const kiv2_complex* vr,
                             int ldvr, double* s, double* sep, int mm, int* m,
                             kiv2_complex* work, int ldwork, double* rwork, int* info,
                             int job_len, int howmny_len);
KIV_API void KIV_CALL F08JJF_DSTEBZ(int entry, const char* range,                /* _q49952@96 */
                                    const char* order, int n, double vl, double vu, int il,
                                    int iu, double abstol, const double* d, const double* e,
                                    int* m, int* nsplit, double* w, int* iblock, int* isplit,
                                    double* work, int* iwork, int* info, int range_len,
                                    int order_len);
KIV_API void KIV_CALL F08JJF(const char* range, const char* order, int n,        /* _q39782@92 */
                             double vl, double vu, int il, int iu, double abstol,
                             const double* d, const double* e, int* m, int* nsplit, double* w,
                             int* iblock, int* isplit, double* work, int* iwork, int* info,
                             int range_len, int order_len);

/* Auxiliaries of the eigenproblem, LAPACK's arguments with scalars (and
 * logicals, as 0 or 1) by value. */
KIV_API void KIV_CALL DLAHQR(int wantt, int wantz, int n, int ilo, int ihi,      /* _q52469@56 */
                             double* h, int ldh, double* wr, double* wi, int iloz, int ihiz,
                             double* z, int ldz, int* info);
KIV_API void KIV_CALL ZLAHQR(int wantt, int wantz, int n, int ilo, int ihi,      /* _q74526@52 */
                             kiv2_complex* h, int ldh, kiv2_complex* w, int iloz, int ihiz,
                             kiv2_complex* z, int ldz, int* info);
KIV_API void KIV_CALL DLAEXC(int wantq, int n, double* t, int ldt, double* q,    /* _q95657@44 */
                             int ldq, int j1, int n1, int n2, double* work, int* info);
KIV_API void KIV_CALL DLAQTR(int ltran, int lreal, int n, const double* t,       /* _q94025@48 */
                             int ldt, const double* b, double w, double* scale, double* x,
                             double* work, int* info);
KIV_API void KIV_CALL ZLARFG(int n, kiv2_complex* alpha, kiv2_complex* x,        /* _q24689@20 */
                             int incx, kiv2_complex* tau);
/* Matrix norms: NORM "M" max abs, "1"/"O" 1-norm, "I" infinity, "F"/"E"
 * Frobenius; WORK (rows) for the infinity norm. */
KIV_API double KIV_CALL DLANGE(const char* norm, int m, int n, const double* a,  /* _q33779@28 */
                               int lda, double* work, int norm_len);
KIV_API double KIV_CALL DLANHS(const char* norm, int n, const double* a,         /* _q26427@24 */
                               int lda, double* work, int norm_len);
KIV_API double KIV_CALL ZLANGE(const char* norm, int m, int n,                   /* _q45377@28 */
                               const kiv2_complex* a, int lda, double* work, int norm_len);
KIV_API double KIV_CALL ZLANHS(const char* norm, int n, const kiv2_complex* a,   /* _q61354@24 */
                               int lda, double* work, int norm_len);

/* ===================================================================== */
/* Roots                                                                  */
/* ===================================================================== */

/* ===================================================================== */
/* Fast Fourier transforms                                                */
/* ===================================================================== */
/* Forward transforms scale by 1/sqrt(N): z_k = sum_j x_j exp(-2 pi i jk/N)
 * / sqrt(N); backward ones use +i.  Hermitian packed storage of a real
 * sequence's transform: a_k in X(k+1) for k <= N/2, b_k in X(N-k+1).
 * DIRECT: "F" forward, "B" backward.  WORK(1) holds on exit the number of
 * work elements used. */

/* Real X (N > 1, prime factors <= 19, at most 20 of them) to its transform
 * in Hermitian packed form.  WORK: N doubles.  IFAIL: 1 a prime factor
 * above 19, 2 more than 20 prime factors, 3 N <= 1. */
KIV_API int KIV_CALL C06FAF_HOST(double* x, const int* n, double* work,    /* _q49041@16 */
                                 int* ifail);
KIV_API int KIV_CALL C06FAF(double* x, int n, double* work, char* record,  /* _q21745@24 */
                            int* ifail, int record_len);
/* Hermitian synthesis: packed X to the real x_j = sum_k z_k exp(-2 pi i jk/N)
 * / sqrt(N).  As C06FAF otherwise; C06GBF then C06FBF inverts C06FAF. */
KIV_API int KIV_CALL C06FBF_HOST(double* x, const int* n, double* work,    /* _q94063@16 */
                                 int* ifail);
KIV_API int KIV_CALL C06FBF(double* x, int n, double* work, char* record,  /* _q71337@24 */
                            int* ifail, int record_len);
/* Conjugates a Hermitian packed sequence.  IFAIL: 1 N < 1. */
KIV_API int KIV_CALL C06GBF_HOST(double* x, const int* n, int* ifail);     /* _q48547@12 */
KIV_API int KIV_CALL C06GBF(double* x, int n, char* record, int* ifail, int record_len);

/* One complex sequence X(N), forward or backward.  WORK: 2N complex.
 * IFAIL: 1 N < 1, 2 invalid DIRECT, 3 N with 31 or more factors. */
KIV_API int KIV_CALL C06PCF_HOST(const char* direct, kiv2_complex* x,      /* _q44888@24 */
                                 const int* n, kiv2_complex* work, int* ifail,
                                 int direct_len);
KIV_API int KIV_CALL C06PCF(const char* direct, kiv2_complex* x, int n,    /* _q29400@32 */
                            kiv2_complex* work, char* record, int* ifail, int direct_len,
                            int record_len);
/* M real (DIRECT F) or conjugate-even (B) sequences stored by rows in
 * X(M, N+2): element k of sequence s in X(s, k).  Conjugate-even form:
 * a_k in column 2k, b_k in column 2k+1 (from 0).  WORK: 2N + (N+2)M
 * doubles (3N when M = 1).  IFAIL: 1 M < 1, 2 N < 1, 3 invalid DIRECT. */
KIV_API int KIV_CALL C06PPF_HOST(const char* direct, const int* m,         /* _q48967@28 */
                                 const int* n, double* x, double* work, int* ifail,
                                 int direct_len);
KIV_API int KIV_CALL C06PPF(const char* direct, int m, int n, double* x,   /* _q20876@36 */
                            double* work, char* record, int* ifail, int direct_len,
                            int record_len);
/* M complex sequences of length N stored by rows in X(M, N).  WORK:
 * (M+1)N complex.  IFAIL: 1 M < 1, 2 N < 1, 3 invalid DIRECT, 4 N with 31
 * or more factors. */
KIV_API int KIV_CALL C06PRF_HOST(const char* direct, const int* m,         /* _q53176@28 */
                                 const int* n, kiv2_complex* x, kiv2_complex* work,
                                 int* ifail, int direct_len);
KIV_API int KIV_CALL C06PRF(const char* direct, int m, int n, kiv2_complex* x,  /* _q22767@36 */
                            kiv2_complex* work, char* record, int* ifail, int direct_len,
                            int record_len);
/* As C06PRF with the sequences stored by columns in X(N, M); the body is
 * the export. */
KIV_API int KIV_CALL C06PSF(const char* direct, int n, int m, kiv2_complex* x,  /* _q62811@36 */
                            kiv2_complex* work, char* record, int* ifail, int direct_len,
                            int record_len);

/* ===================================================================== */
/* Quadrature                                                             */
/* ===================================================================== */

/* ===================================================================== */
/* Sparse linear systems: coordinate storage and products                 */
/* ===================================================================== */
/* Coordinate storage (CS): A, IROW, ICOL hold NNZ entries of a square
 * matrix of order N.  Symmetric coordinate storage (SCS) holds the lower
 * triangle (ICOL(k) <= IROW(k)) of a symmetric or Hermitian matrix.  Valid
 * storage is sorted by row, then column, without repeated locations. */

/* Sort entries into valid CS (F11ZAF, F11ZNF) or SCS (F11ZBF, F11ZPF) form.
 * DUP: 'R' keep the first of entries at one location, 'S' sum them, 'F'
 * fail (not F11ZBF).  ZERO: 'R' remove zero values, 'K' keep, 'F' fail (not
 * F11ZBF).  ISTR(1..N+1) receives the row starts, IWORK(1..N) the row
 * counts.  IFAIL errors: 1 N < 1, NNZ < 0 or a bad option; 2 an index out
 * of range (nothing changed); 3 a duplicate with DUP = 'F' (entries sorted,
 * NNZ unchanged); 4 a zero with ZERO = 'F' (entries sorted and merged, NNZ
 * their number); ISTR unset after 3 and 4. */
KIV_API int KIV_CALL F11ZAF_HOST(const int* n, int* nnz, double* a, int* irow,      /* _q68381@48 */
                                 int* icol, const char* dup, const char* zero, int* istr,
                                 int* iwork, int* ifail, int dup_len, int zero_len);
KIV_API int KIV_CALL F11ZAF(int n, int* nnz, double* a, int* irow, int* icol,        /* _q38098@56 */
                            const char* dup, const char* zero, int* istr, int* iwork,
                            char* record, int* ifail, int dup_len, int zero_len,
                            int record_len);
KIV_API int KIV_CALL F11ZBF(int n, int* nnz, double* a, int* irow, int* icol,        /* _q56966@56 */
                            const char* dup, const char* zero, int* istr, int* iwork,
                            char* record, int* ifail, int dup_len, int zero_len,
                            int record_len);
KIV_API int KIV_CALL F11ZNF_HOST(const int* n, int* nnz, kiv2_complex* a, int* irow, /* _q79557@48 */
                                 int* icol, const char* dup, const char* zero, int* istr,
                                 int* iwork, int* ifail, int dup_len, int zero_len);
KIV_API int KIV_CALL F11ZNF(int n, int* nnz, kiv2_complex* a, int* irow, int* icol,  /* _q70778@56 */
                            const char* dup, const char* zero, int* istr, int* iwork,
                            char* record, int* ifail, int dup_len, int zero_len,
                            int record_len);
KIV_API int KIV_CALL F11ZPF_HOST(const int* n, int* nnz, kiv2_complex* a, int* irow, /* _q84157@48 */
                                 int* icol, const char* dup, const char* zero, int* istr,
                                 int* iwork, int* ifail, int dup_len, int zero_len);
KIV_API int KIV_CALL F11ZPF(int n, int* nnz, kiv2_complex* a, int* irow, int* icol,  /* _q16903@56 */
                            const char* dup, const char* zero, int* istr, int* iwork,
                            char* record, int* ifail, int dup_len, int zero_len,
                            int record_len);

/* Y = A X.  F11XAF, F11XNF: CS, TRANS 'N' (A X) or 'T' (A^T X, for F11XNF
 * the conjugate transpose A^H X).  F11XEF, F11XSF: SCS, A symmetric resp.
 * Hermitian.  CHECK 'C' validates the storage first, 'N' trusts its order
 * (indices are still kept within 1..N).  IFAIL errors: 1 bad CHECK or
 * TRANS; 2 N < 1, NNZ < 1 or NNZ too large; 3 an index out of range, an
 * entry out of order or a repeated location.  Y is not computed on error. */
KIV_API int KIV_CALL F11XAF_HOST(const char* trans, const int* n, const int* nnz,    /* _q19673@48 */
                                 const double* a, const int* irow, const int* icol,
                                 const char* check, const double* x, double* y, int* ifail,
                                 int trans_len, int check_len);
KIV_API int KIV_CALL F11XAF(const char* trans, int n, int nnz, const double* a,      /* _q36382@56 */
                            const int* irow, const int* icol, const char* check,
                            const double* x, double* y, char* record, int* ifail,
                            int trans_len, int check_len, int record_len);
KIV_API int KIV_CALL F11XEF_HOST(const int* n, const int* nnz, const double* a,     /* _q52022@40 */
                                 const int* irow, const int* icol, const char* check,
                                 const double* x, double* y, int* ifail, int check_len);
KIV_API int KIV_CALL F11XEF(int n, int nnz, const double* a, const int* irow,        /* _q65037@48 */
                            const int* icol, const char* check, const double* x, double* y,
                            char* record, int* ifail, int check_len, int record_len);
KIV_API int KIV_CALL F11XNF_HOST(const char* trans, const int* n, const int* nnz,    /* _q19507@48 */
                                 const kiv2_complex* a, const int* irow, const int* icol,
                                 const char* check, const kiv2_complex* x, kiv2_complex* y,
                                 int* ifail, int trans_len, int check_len);
KIV_API int KIV_CALL F11XNF(const char* trans, int n, int nnz, const kiv2_complex* a, /* _q74286@56 */
                            const int* irow, const int* icol, const char* check,
                            const kiv2_complex* x, kiv2_complex* y, char* record, int* ifail,
                            int trans_len, int check_len, int record_len);
KIV_API int KIV_CALL F11XSF_HOST(const int* n, const int* nnz, const kiv2_complex* a, /* _q30820@40 */
                                 const int* irow, const int* icol, const char* check,
                                 const kiv2_complex* x, kiv2_complex* y, int* ifail,
                                 int check_len);
KIV_API int KIV_CALL F11XSF(int n, int nnz, const kiv2_complex* a, const int* irow,  /* _q19079@48 */
                            const int* icol, const char* check, const kiv2_complex* x,
                            kiv2_complex* y, char* record, int* ifail, int check_len,
                            int record_len);


/* ===================================================================== */
/* Sparse linear systems: reverse-communication solvers and kernels       */
/* ===================================================================== */
/* Set-up of a nonsymmetric problem for the reverse-communication solver:
 * METHOD "RGMRES", "CGS", "BICGSTAB" or "TFQMR"; PRECON 'N'/'P'; NORM '1',
 * 'I' or '2'; WEIGHT 'N'/'W'; ITERM 1 or 2; M the restart length (RGMRES)
 * or the order l (BICGSTAB); TOL <= 0 selects sqrt(eps); ANORM, SIGMAX <= 0
 * ask for estimates; MONIT the monitoring frequency.  LWREQ returns the
 * minimum LWORK.  IFAIL = -i: argument i illegal. */
KIV_API int KIV_CALL F11BDF_HOST(const char* method, const char* precon,       /* _q95239@80 */
                                 const char* norm, const char* weight, const int* iterm,
                                 const int* n, const int* m, const double* tol,
                                 const int* maxitn, const double* anorm, const double* sigmax,
                                 const int* monit, int* lwreq, double* work, const int* lwork,
                                 int* ifail, int method_len, int precon_len, int norm_len,
                                 int weight_len);
KIV_API int KIV_CALL F11BDF(const char* method, const char* precon, const char* norm, /* _q60787@100 */
                            const char* weight, int iterm, int n, int m, double tol, int maxitn,
                            double anorm, double sigmax, int monit, int* lwreq, double* work,
                            int lwork, char* record, int* ifail, int method_len, int precon_len,
                            int norm_len, int weight_len, int record_len);
/* The iteration.  Call with IREVCM = 0 (U = x0, V = b), then again after
 * each request: 1 V = A U, -1 V = A^T U, 2 solve M V = U, 3 monitoring
 * (U, V = x, r unchanged), 4 finished.  IREVCM = 5 asks for a tidy stop,
 * 6 for an immediate one.  IFAIL: 1 finished already, 2 accuracy limit,
 * 3 no set-up, 4 tidy stop, 5 MAXITN reached, 6 breakdown, 8 immediate
 * stop, -1 IREVCM, -6 LWORK. */
KIV_API int KIV_CALL F11BEF_HOST(int* irevcm, double* u, double* v,            /* _q10821@28 */
                                 const double* wgt, double* work, const int* lwork, int* ifail);
KIV_API int KIV_CALL F11BEF(int* irevcm, double* u, double* v, const double* wgt, /* _q61541@36 */
                            double* work, int lwork, char* record, int* ifail, int record_len);
/* Monitoring: iteration count, the two sides of the latest stopping test,
 * the norm of A and sigma_1 used.  IFAIL = 1 out of sequence, -7 LWORK. */
KIV_API int KIV_CALL F11BFF_HOST(int* itn, double* stplhs, double* stprhs,     /* _q27809@32 */
                                 double* anorm, double* sigmax, const double* work,
                                 const int* lwork, int* ifail);
KIV_API int KIV_CALL F11BFF(int* itn, double* stplhs, double* stprhs,          /* _q20790@40 */
                            double* anorm, double* sigmax, const double* work, int lwork,
                            char* record, int* ifail, int record_len);
/* The complex twins: WORK is complex with a 120-element state block;
 * IREVCM = -1 asks for the conjugate transpose. */
KIV_API int KIV_CALL F11BRF_HOST(const char* method, const char* precon,       /* _q93030@80 */
                                 const char* norm, const char* weight, const int* iterm,
                                 const int* n, const int* m, const double* tol,
                                 const int* maxitn, const double* anorm, const double* sigmax,
                                 const int* monit, int* lwreq, kiv2_complex* work,
                                 const int* lwork, int* ifail, int method_len, int precon_len,
                                 int norm_len, int weight_len);
KIV_API int KIV_CALL F11BRF(const char* method, const char* precon, const char* norm, /* _q63532@100 */
                            const char* weight, int iterm, int n, int m, double tol, int maxitn,
                            double anorm, double sigmax, int monit, int* lwreq,
                            kiv2_complex* work, int lwork, char* record, int* ifail,
                            int method_len, int precon_len, int norm_len, int weight_len,
                            int record_len);
KIV_API int KIV_CALL F11BSF_HOST(int* irevcm, kiv2_complex* u, kiv2_complex* v, /* _q32507@28 */
                                 const double* wgt, kiv2_complex* work, const int* lwork,
                                 int* ifail);
KIV_API int KIV_CALL F11BSF(int* irevcm, kiv2_complex* u, kiv2_complex* v,     /* _q20065@36 */
                            const double* wgt, kiv2_complex* work, int lwork, char* record,
                            int* ifail, int record_len);
KIV_API int KIV_CALL F11BTF_HOST(int* itn, double* stplhs, double* stprhs,     /* _q82576@32 */
                                 double* anorm, double* sigmax, const kiv2_complex* work,
                                 const int* lwork, int* ifail);
KIV_API int KIV_CALL F11BTF(int* itn, double* stplhs, double* stprhs,          /* _q70118@40 */
                            double* anorm, double* sigmax, const kiv2_complex* work, int lwork,
                            char* record, int* ifail, int record_len);

/* ===================================================================== */
/* Sparse linear systems: preconditioners and one-call drivers            */
/* ===================================================================== */

/**
 * @brief Incomplete LU factorisation M = P L D U Q of a real sparse matrix
 *        in coordinate storage, appended to A, IROW, ICOL behind the matrix.
 *
 * Factor entry (i, j) in pivot numbering holds L(i,j) for j < i, 1/D(i) for
 * j = i and U(i,j) for j > i; M(IPIVP(i), IPIVQ(j)) = (L D U)(i, j).  The
 * first NNZ positions of A, IROW, ICOL come back as they went in.
 *
 * @param[in] n order of A, >= 1
 * @param[in] nnz entries of A, 1 <= NNZ <= N*N
 * @param[in,out] a A(1..NNZ) the matrix, sorted by row then column without
 *        repeated locations; A(NNZ+1..NNZ+NNZFAC) receives the factor
 * @param[in] la length of A, IROW, ICOL, >= 2*NNZ
 * @param[in,out] irow row indices (1..NNZ in, the factor's behind)
 * @param[in,out] icol column indices (1..NNZ in, the factor's behind)
 * @param[in] lfill >= 0: maximum level of fill; < 0: fill controlled by DTOL
 * @param[in] dtol drop tolerance (relative to max |A|), >= 0 when LFILL < 0
 * @param[in] pstrat 'N' no pivoting, 'U' pivots given in IPIVP/IPIVQ,
 *        'P' partial (column) pivoting, 'C' complete pivoting
 * @param[in] milu 'M' modified factorisation (row sums kept), 'N' none
 * @param[in,out] ipivp row permutation (input with 'U')
 * @param[in,out] ipivq column permutation (input with 'U')
 * @param[out] istr ISTR(1..N+1): position of the first entry of each factor
 *        row, ISTR(N+1) one past the last
 * @param[out] idiag IDIAG(1..N): position of each factor row's diagonal
 * @param[out] nnzfac number of factor entries
 * @param[out] npvmod pivots replaced by 1; -1 when none was but a row was
 *        recomputed without dropping
 * @param[out] iwork workspace
 * @param[in] liwork length of IWORK, >= 7N+2
 * @param record message record (200 characters)
 * @param[in,out] ifail error indicator
 * @param pstrat_len, milu_len, record_len lengths of the character arguments
 * @par IFAIL
 *  1 LA, DTOL, PSTRAT, MILU, N, NNZ or LIWORK invalid;
 *  2 an index out of range, an entry out of order or a repeated location;
 *  3 IPIVP or IPIVQ (PSTRAT = 'U') not a permutation;
 *  4 the factor does not fit in LA (factor outputs incomplete);
 *  5 internal failure of the factor's sort.
 * @par Workspace
 *  IWORK 7N+2 integers; the factor needs NNZFAC positions behind NNZ in A,
 *  IROW, ICOL.  A requirement beyond the int range is reported as too small.
 *  Example: tests/precon/ilu_test.cpp, the kivhost tour stop "Incomplete LU".
 */
KIV_API int KIV_CALL F11DAF_HOST(const int* n, const int* nnz, double* a,       /* _q85132@84 */
                                 const int* la, int* irow, int* icol, const int* lfill,
                                 const double* dtol, const char* pstrat, const char* milu,
                                 int* ipivp, int* ipivq, int* istr, int* idiag, int* nnzfac,
                                 int* npvmod, int* iwork, const int* liwork, int* ifail,
                                 int pstrat_len, int milu_len);
/** @brief Body of F11DAF: scalars by value, then the message record.
 *  @param[in] n,nnz,la,lfill,dtol,liwork as F11DAF, by value
 *  @param[in,out] a,irow,icol,ipivp,ipivq as F11DAF
 *  @param[in] pstrat,milu as F11DAF
 *  @param[out] istr,idiag,nnzfac,npvmod,iwork as F11DAF
 *  @param[out] record message record; @param[in,out] ifail as F11DAF
 *  @param[in] pstrat_len,milu_len,record_len character lengths
 *  @par IFAIL as F11DAF. */
KIV_API int KIV_CALL F11DAF(int n, int nnz, double* a, int la, int* irow, int* icol, /* _q35085@96 */
                            int lfill, double dtol, const char* pstrat, const char* milu,
                            int* ipivp, int* ipivq, int* istr, int* idiag, int* nnzfac,
                            int* npvmod, int* iwork, int liwork, char* record, int* ifail,
                            int pstrat_len, int milu_len, int record_len);
/** @brief Factorisation kernel of F11DAF on checked arguments: every row in
 *  pivot order with its fill, compensation and pivot, before renumbering.
 *  @param[in] n,nnz,la as F11DAF
 *  @param[in,out] a,irow,icol as F11DAF (IROW of factor entries: levels)
 *  @param[in] lfill as F11DAF; @param[in] tau_drop absolute drop threshold
 *  @param[in] tau_pivot small-pivot threshold; @param[in] omega 1 (MILU) or 0
 *  @param[in] pstrat 'N', 'U', 'P' or 'C' as a character code
 *  @param[in,out] ipivp,ipivq permutations; @param[out] istr,idiag,nnzfac,npvmod
 *  @param[out] rowstart,colhead,count,heap,heappos,spare,step the seven parts of IWORK
 *  @par IFAIL returns 0, or 4 when the factor does not fit in LA. */
KIV_API int KIV_CALL F11DAZ(int n, int nnz, double* a, int la, int* irow, int* icol, /* _q82502@108 */
                            int lfill, double tau_drop, double tau_pivot, double omega,
                            int pstrat, int* ipivp, int* ipivq, int* istr, int* idiag,
                            int* nnzfac, int* npvmod, int* rowstart, int* colhead, int* count,
                            int* heap, int* heappos, int* spare, int* step);

/**
 * @brief Solves M x = y or M^T x = y with the incomplete LU factor of F11DAF.
 *
 * Whatever was changed between the calls, nothing outside A, IROW, ICOL
 * (LA), the permutations, X and Y is read or written: with CHECK = 'N' the
 * row starts, diagonal positions, column indices and permutation values
 * are still kept in range, and a corrupted factor fails with IFAIL 3.
 *
 * @param[in] trans 'N' M x = y, 'T' M^T x = y
 * @param[in] n order, >= 1
 * @param[in] a,irow,icol the arrays as F11DAF returned them (length LA)
 * @param[in] la their length
 * @param[in] ipivp,ipivq permutations from F11DAF (their sign bits are
 *        borrowed during the call and restored)
 * @param[in] istr,idiag factor row starts and diagonal positions
 * @param[in] check 'C' check the factor first, 'N' no check
 * @param[in] y right-hand side (N)
 * @param[out] x solution (N)
 * @param[in,out] ifail error indicator
 * @param trans_len, check_len lengths of the character arguments
 * @par IFAIL
 *  1 CHECK or TRANS invalid; 2 N < 1 (CHECK = 'C'); 3 the factor, ISTR,
 *  IDIAG, IPIVP or IPIVQ is invalid.
 */
KIV_API int KIV_CALL F11DBF_HOST(const char* trans, const int* n, const double* a,  /* _q50007@64 */
                                 const int* la, const int* irow, const int* icol, int* ipivp,
                                 int* ipivq, const int* istr, const int* idiag,
                                 const char* check, const double* y, double* x, int* ifail,
                                 int trans_len, int check_len);
/** @brief Body of F11DBF.
 *  @param[in] trans,n,a,la,irow,icol,istr,idiag,check,y as F11DBF, scalars by value
 *  @param[in] ipivp,ipivq as F11DBF; @param[out] x as F11DBF
 *  @param[out] record message record; @param[in,out] ifail as F11DBF
 *  @param[in] trans_len,check_len,record_len character lengths
 *  @par IFAIL as F11DBF. */
KIV_API int KIV_CALL F11DBF(const char* trans, int n, const double* a, int la,     /* _q24993@72 */
                            const int* irow, const int* icol, int* ipivp, int* ipivq,
                            const int* istr, const int* idiag, const char* check,
                            const double* y, double* x, char* record, int* ifail, int trans_len,
                            int check_len, int record_len);

/**
 * @brief Complex twin of F11DAF: magnitudes are moduli, the replacement
 *        pivot is 1 + 0i.
 * @param[in] n,nnz,la,lfill,dtol,pstrat,milu,liwork as F11DAF
 * @param[in,out] a complex matrix and factor; @param[in,out] irow,icol,ipivp,ipivq as F11DAF
 * @param[out] istr,idiag,nnzfac,npvmod,iwork as F11DAF
 * @param[in,out] ifail; @param pstrat_len,milu_len lengths
 * @par IFAIL as F11DAF.  @par Workspace as F11DAF.
 */
KIV_API int KIV_CALL F11DNF_HOST(const int* n, const int* nnz, kiv2_complex* a, /* _q49142@84 */
                                 const int* la, int* irow, int* icol, const int* lfill,
                                 const double* dtol, const char* pstrat, const char* milu,
                                 int* ipivp, int* ipivq, int* istr, int* idiag, int* nnzfac,
                                 int* npvmod, int* iwork, const int* liwork, int* ifail,
                                 int pstrat_len, int milu_len);
/** @brief Body of F11DNF.
 *  @param[in] n,nnz,la,lfill,dtol,pstrat,milu,liwork by value as F11DNF
 *  @param[in,out] a,irow,icol,ipivp,ipivq; @param[out] istr,idiag,nnzfac,npvmod,iwork
 *  @param[out] record; @param[in,out] ifail; @param[in] pstrat_len,milu_len,record_len
 *  @par IFAIL as F11DAF. */
KIV_API int KIV_CALL F11DNF(int n, int nnz, kiv2_complex* a, int la, int* irow,   /* _q68468@96 */
                            int* icol, int lfill, double dtol, const char* pstrat,
                            const char* milu, int* ipivp, int* ipivq, int* istr, int* idiag,
                            int* nnzfac, int* npvmod, int* iwork, int liwork, char* record,
                            int* ifail, int pstrat_len, int milu_len, int record_len);
/** @brief Complex factorisation kernel, as F11DAZ.
 *  @param[in] n,nnz,la,lfill,tau_drop,tau_pivot,omega,pstrat as F11DAZ
 *  @param[in,out] a,irow,icol,ipivp,ipivq; @param[out] istr,idiag,nnzfac,npvmod
 *  @param[out] rowstart,colhead,count,heap,heappos,spare,step IWORK's parts
 *  @par IFAIL returns 0 or 4. */
KIV_API int KIV_CALL F11DNZ(int n, int nnz, kiv2_complex* a, int la, int* irow,   /* _q30453@108 */
                            int* icol, int lfill, double tau_drop, double tau_pivot,
                            double omega, int pstrat, int* ipivp, int* ipivq, int* istr,
                            int* idiag, int* nnzfac, int* npvmod, int* rowstart, int* colhead,
                            int* count, int* heap, int* heappos, int* spare, int* step);
/**
 * @brief Complex twin of F11DBF; TRANS = 'T' is the plain transpose.
 * @param[in] trans,n,la,irow,icol,istr,idiag,check as F11DBF
 * @param[in] a complex factor from F11DNF; @param[in] ipivp,ipivq as F11DBF
 * @param[in] y complex right-hand side; @param[out] x complex solution
 * @param[in,out] ifail; @param trans_len,check_len lengths
 * @par IFAIL as F11DBF.
 */
KIV_API int KIV_CALL F11DPF_HOST(const char* trans, const int* n,               /* _q42366@64 */
                                 const kiv2_complex* a, const int* la, const int* irow,
                                 const int* icol, int* ipivp, int* ipivq, const int* istr,
                                 const int* idiag, const char* check, const kiv2_complex* y,
                                 kiv2_complex* x, int* ifail, int trans_len, int check_len);
/** @brief Body of F11DPF.
 *  @param[in] trans,n,a,la,irow,icol,istr,idiag,check,y as F11DPF, scalars by value
 *  @param[in] ipivp,ipivq; @param[out] x; @param[out] record; @param[in,out] ifail
 *  @param[in] trans_len,check_len,record_len character lengths
 *  @par IFAIL as F11DBF. */
KIV_API int KIV_CALL F11DPF(const char* trans, int n, const kiv2_complex* a,       /* _q30245@72 */
                            int la, const int* irow, const int* icol, int* ipivp, int* ipivq,
                            const int* istr, const int* idiag, const char* check,
                            const kiv2_complex* y, kiv2_complex* x, char* record, int* ifail,
                            int trans_len, int check_len, int record_len);

/**
 * @brief SSOR preconditioner solve M x = y or M^T x = y, with
 *        M = (D + w L) D^-1 (D + w U) / (w (2 - w)) for A = D + L + U.
 * @param[in] trans 'N' M x = y, 'T' M^T x = y
 * @param[in] n order, >= 1
 * @param[in] nnz entries, 1 <= NNZ <= N*N
 * @param[in] a,irow,icol A in sorted CS, every row with its diagonal
 * @param[in] dinv DINV(i) = 1/A(i,i), taken as given
 * @param[in] omega relaxation parameter, 0 < OMEGA < 2 (checked with CHECK = 'C')
 * @param[in] check 'C' check A and OMEGA first, 'N' no check (indices are
 *        still kept within 1..N)
 * @param[in] y right-hand side (N)
 * @param[out] x solution (N)
 * @param[out] iwork workspace, 2N+1: row starts, then diagonal positions
 * @param[in,out] ifail error indicator
 * @param trans_len, check_len lengths of the character arguments
 * @par IFAIL
 *  1 TRANS or CHECK invalid; 2 N, NNZ or OMEGA invalid; 3 an index out of
 *  range, an entry out of order or a repeated location; 4 a row without a
 *  diagonal entry.
 * @par Workspace IWORK 2N+1 integers.
 */
KIV_API int KIV_CALL F11DDF_HOST(const char* trans, const int* n, const int* nnz,  /* _q87260@60 */
                                 const double* a, const int* irow, const int* icol,
                                 const double* dinv, const double* omega, const char* check,
                                 const double* y, double* x, int* iwork, int* ifail,
                                 int trans_len, int check_len);
/** @brief Body of F11DDF.
 *  @param[in] trans,n,nnz,a,irow,icol,dinv,omega,check,y as F11DDF, scalars by value
 *  @param[out] x,iwork as F11DDF; @param[out] record message record
 *  @param[in,out] ifail; @param[in] trans_len,check_len,record_len lengths
 *  @par IFAIL as F11DDF. */
KIV_API int KIV_CALL F11DDF(const char* trans, int n, int nnz, const double* a,    /* _q87479@72 */
                            const int* irow, const int* icol, const double* dinv, double omega,
                            const char* check, const double* y, double* x, int* iwork,
                            char* record, int* ifail, int trans_len, int check_len,
                            int record_len);
/**
 * @brief Complex twin of F11DDF; TRANS = 'T' solves with the conjugate
 *        transpose M^H.
 * @param[in] trans,n,nnz,irow,icol,omega,check as F11DDF
 * @param[in] a,dinv,y complex; @param[out] x complex; @param[out] iwork as F11DDF
 * @param[in,out] ifail; @param trans_len,check_len lengths
 * @par IFAIL as F11DDF.  @par Workspace as F11DDF.
 */
KIV_API int KIV_CALL F11DRF_HOST(const char* trans, const int* n, const int* nnz,  /* _q30310@60 */
                                 const kiv2_complex* a, const int* irow, const int* icol,
                                 const kiv2_complex* dinv, const double* omega,
                                 const char* check, const kiv2_complex* y, kiv2_complex* x,
                                 int* iwork, int* ifail, int trans_len, int check_len);
/** @brief Body of F11DRF.
 *  @param[in] trans,n,nnz,a,irow,icol,dinv,omega,check,y as F11DRF, scalars by value
 *  @param[out] x,iwork; @param[out] record; @param[in,out] ifail
 *  @param[in] trans_len,check_len,record_len lengths
 *  @par IFAIL as F11DDF. */
KIV_API int KIV_CALL F11DRF(const char* trans, int n, int nnz,                   /* _q28158@72 */
                            const kiv2_complex* a, const int* irow, const int* icol,
                            const kiv2_complex* dinv, double omega, const char* check,
                            const kiv2_complex* y, kiv2_complex* x, int* iwork, char* record,
                            int* ifail, int trans_len, int check_len, int record_len);

/**
 * @brief Preconditioner of NITER Jacobi iterations on A x = y (or the
 *        transposed system) from x = 0: x1 = D^-1 y, x(k+1) = D^-1 (y - (A - D) x(k)).
 * @param[in] store 'N' CS, general; 'S' SCS, lower triangle of a symmetric matrix
 * @param[in] trans 'N' A, 'T' A^T (ignored with STORE = 'S')
 * @param[in] init 'I' compute DIAG from A; 'N' DIAG holds it from an earlier call
 * @param[in] niter number of iterations, >= 1
 * @param[in] n order, >= 1
 * @param[in] nnz entries, 1 <= NNZ <= N*N (N(N+1)/2 for SCS)
 * @param[in] a,irow,icol the matrix, sorted
 * @param[in] check 'C' check the storage (and a given DIAG) first, 'N' no check
 * @param[in] y right-hand side (N)
 * @param[out] x result (N)
 * @param[in,out] diag the diagonal of A (N): out with INIT = 'I', in with 'N'
 * @param[out] work workspace (N)
 * @param[in,out] ifail error indicator
 * @param store_len, trans_len, init_len, check_len lengths of the options
 * @par IFAIL
 *  1 an option or NITER invalid; 2 N or NNZ invalid; 3 an index out of
 *  range, an entry out of order or a repeated location; 4 a zero DIAG(I)
 *  (INIT = 'N', CHECK = 'C'); 5 a zero or missing diagonal (INIT = 'I').
 * @par Workspace WORK N values.
 */
KIV_API int KIV_CALL F11DKF_HOST(const char* store, const char* trans,             /* _q83796@76 */
                                 const char* init, const int* niter, const int* n,
                                 const int* nnz, const double* a, const int* irow,
                                 const int* icol, const char* check, const double* y, double* x,
                                 double* diag, double* work, int* ifail, int store_len,
                                 int trans_len, int init_len, int check_len);
/** @brief Body of F11DKF.
 *  @param[in] store,trans,init,niter,n,nnz,a,irow,icol,check,y as F11DKF, scalars by value
 *  @param[out] x,work; @param[in,out] diag; @param[out] record; @param[in,out] ifail
 *  @param[in] store_len,trans_len,init_len,check_len,record_len lengths
 *  @par IFAIL as F11DKF. */
KIV_API int KIV_CALL F11DKF(const char* store, const char* trans, const char* init, /* _q80478@84 */
                            int niter, int n, int nnz, const double* a, const int* irow,
                            const int* icol, const char* check, const double* y, double* x,
                            double* diag, double* work, char* record, int* ifail, int store_len,
                            int trans_len, int init_len, int check_len, int record_len);
/**
 * @brief Complex twin of F11DKF: TRANS = 'T' iterates on A^H, STORE = 'S'
 *        holds a Hermitian matrix.
 * @param[in] store,trans,init,niter,n,nnz,irow,icol,check as F11DKF
 * @param[in] a,y complex; @param[out] x,work complex; @param[in,out] diag complex
 * @param[in,out] ifail; @param store_len,trans_len,init_len,check_len lengths
 * @par IFAIL as F11DKF.  @par Workspace as F11DKF.
 */
KIV_API int KIV_CALL F11DXF_HOST(const char* store, const char* trans,             /* _q20761@76 */
                                 const char* init, const int* niter, const int* n,
                                 const int* nnz, const kiv2_complex* a, const int* irow,
                                 const int* icol, const char* check, const kiv2_complex* y,
                                 kiv2_complex* x, kiv2_complex* diag, kiv2_complex* work,
                                 int* ifail, int store_len, int trans_len, int init_len,
                                 int check_len);
/** @brief Body of F11DXF.
 *  @param[in] store,trans,init,niter,n,nnz,a,irow,icol,check,y as F11DXF, scalars by value
 *  @param[out] x,work; @param[in,out] diag; @param[out] record; @param[in,out] ifail
 *  @param[in] store_len,trans_len,init_len,check_len,record_len lengths
 *  @par IFAIL as F11DKF. */
KIV_API int KIV_CALL F11DXF(const char* store, const char* trans, const char* init, /* _q97772@84 */
                            int niter, int n, int nnz, const kiv2_complex* a, const int* irow,
                            const int* icol, const char* check, const kiv2_complex* y,
                            kiv2_complex* x, kiv2_complex* diag, kiv2_complex* work,
                            char* record, int* ifail, int store_len, int trans_len,
                            int init_len, int check_len, int record_len);

/**
 * @brief Solves a real nonsymmetric sparse system A x = b with RGMRES, CGS,
 *        BICGSTAB or TFQMR, preconditioned by the incomplete LU factor of
 *        F11DAF, in one call.
 *
 * Stops when ||b - A x||_inf <= TOL (||b||_inf + ||A||_inf ||x||_inf).  The
 * factor is checked on the first preconditioner request.
 *
 * @param[in] method "RGMRES", "CGS", "BICGSTAB" or "TFQMR" (case and
 *        surrounding blanks ignored)
 * @param[in] n order, >= 1
 * @param[in] nnz entries of A, 1 <= NNZ <= N*N
 * @param[in] a,irow,icol A and its factor as F11DAF returned them (length LA)
 * @param[in] la their length, >= 2*NNZ
 * @param[in] ipivp,ipivq,istr,idiag the factor's outputs of F11DAF
 * @param[in] b right-hand side (N)
 * @param[in] m RGMRES: restart length, 1 <= M <= min(N,50); BICGSTAB: order
 *        l, 1 <= M <= min(N,10); otherwise not used
 * @param[in] tol tolerance, < 1 (<= 0 selects sqrt(eps))
 * @param[in] maxitn iteration limit, >= 1
 * @param[in,out] x initial guess in, solution out (N)
 * @param[out] resnrm the final residual's infinity norm
 * @param[out] nits iterations done
 * @param[out] work workspace (LWORK)
 * @param[in] lwork RGMRES: M(M+N+5)+4N+101; CGS: 8N+100; BICGSTAB:
 *        M(M+2)+2N(M+3)+100; TFQMR: 11N+100
 * @param[in,out] ifail error indicator
 * @param method_len length of METHOD
 * @par IFAIL
 *  1 N, NNZ, LA, LWORK, METHOD, M, TOL or MAXITN invalid; 2 an index out of
 *  range, an entry out of order or a repeated location; 3 the factor is
 *  invalid (found at the first preconditioner solve); 4 the accuracy
 *  required could not be reached; 5 no convergence in MAXITN iterations;
 *  6 breakdown; 7 an unexpected failure of an inner routine.
 * @par Workspace LWORK as above; a requirement beyond the int range is too
 *  small for any LWORK.  Example: tests/precon/drivers_test.cpp, the
 *  kivhost tour stop "Incomplete LU".
 */
KIV_API int KIV_CALL F11DCF_HOST(const char* method, const int* n, const int* nnz, /* _q87762@88 */
                                 const double* a, const int* la, const int* irow,
                                 const int* icol, int* ipivp, int* ipivq, const int* istr,
                                 const int* idiag, const double* b, const int* m,
                                 const double* tol, const int* maxitn, double* x,
                                 double* resnrm, int* nits, double* work, const int* lwork,
                                 int* ifail, int method_len);
/** @brief Body of F11DCF.
 *  @param[in] method,n,nnz,a,la,irow,icol,istr,idiag,b,m,tol,maxitn,lwork as F11DCF, scalars by value
 *  @param[in] ipivp,ipivq; @param[in,out] x; @param[out] resnrm,nits,work
 *  @param[out] record; @param[in,out] ifail; @param[in] method_len,record_len lengths
 *  @par IFAIL as F11DCF. */
KIV_API int KIV_CALL F11DCF(const char* method, int n, int nnz, const double* a,   /* _q39635@100 */
                            int la, const int* irow, const int* icol, int* ipivp, int* ipivq,
                            const int* istr, const int* idiag, const double* b, int m,
                            double tol, int maxitn, double* x, double* resnrm, int* nits,
                            double* work, int lwork, char* record, int* ifail, int method_len,
                            int record_len);
/**
 * @brief Complex twin of F11DCF, with the factor of F11DNF.  LWORK counts
 *        complex values and its constant term is 120 instead of 100 (101
 *        for RGMRES becomes 121).
 * @param[in] method,n,nnz,la,irow,icol,ipivp,ipivq,istr,idiag,m,tol,maxitn as F11DCF
 * @param[in] a,b complex; @param[in,out] x complex; @param[out] resnrm,nits
 * @param[out] work complex workspace; @param[in] lwork; @param[in,out] ifail
 * @param method_len length of METHOD
 * @par IFAIL as F11DCF.  @par Workspace as F11DCF.
 */
KIV_API int KIV_CALL F11DQF_HOST(const char* method, const int* n, const int* nnz, /* _q22790@88 */
                                 const kiv2_complex* a, const int* la, const int* irow,
                                 const int* icol, int* ipivp, int* ipivq, const int* istr,
                                 const int* idiag, const kiv2_complex* b, const int* m,
                                 const double* tol, const int* maxitn, kiv2_complex* x,
                                 double* resnrm, int* nits, kiv2_complex* work,
                                 const int* lwork, int* ifail, int method_len);
/** @brief Body of F11DQF.
 *  @param[in] method,n,nnz,a,la,irow,icol,istr,idiag,b,m,tol,maxitn,lwork as F11DQF, scalars by value
 *  @param[in] ipivp,ipivq; @param[in,out] x; @param[out] resnrm,nits,work
 *  @param[out] record; @param[in,out] ifail; @param[in] method_len,record_len lengths
 *  @par IFAIL as F11DCF. */
KIV_API int KIV_CALL F11DQF(const char* method, int n, int nnz,                  /* _q99368@100 */
                            const kiv2_complex* a, int la, const int* irow, const int* icol,
                            int* ipivp, int* ipivq, const int* istr, const int* idiag,
                            const kiv2_complex* b, int m, double tol, int maxitn,
                            kiv2_complex* x, double* resnrm, int* nits, kiv2_complex* work,
                            int lwork, char* record, int* ifail, int method_len,
                            int record_len);
/**
 * @brief Solves a real nonsymmetric sparse system with RGMRES, CGS,
 *        BICGSTAB or TFQMR and no, Jacobi or SSOR preconditioning, in one call.
 * @param[in] method as F11DCF
 * @param[in] precon 'N' none, 'J' Jacobi (M = D), 'S' SSOR
 * @param[in] n order, >= 1
 * @param[in] nnz entries, 1 <= NNZ <= N*N
 * @param[in] a,irow,icol A in sorted CS
 * @param[in] omega SSOR relaxation parameter, 0 < OMEGA < 2 (PRECON = 'S' only)
 * @param[in] b right-hand side (N)
 * @param[in] m,tol,maxitn as F11DCF
 * @param[in,out] x initial guess in, solution out (N)
 * @param[out] resnrm,nits as F11DCF
 * @param[out] work workspace (LWORK)
 * @param[in] lwork as F11DCF, plus N with PRECON = 'J' or 'S'
 * @param[out] iwork workspace (2N+1)
 * @param[in,out] ifail error indicator
 * @param method_len, precon_len lengths of the character arguments
 * @par IFAIL
 *  1 N, NNZ, PRECON, OMEGA, LWORK, METHOD, M, TOL or MAXITN invalid; 2 an
 *  index out of range, an entry out of order or a repeated location; 3 a
 *  missing or zero diagonal entry (PRECON 'J' or 'S'); 4, 5, 6, 7 as F11DCF.
 * @par Workspace LWORK as above, IWORK 2N+1.
 */
KIV_API int KIV_CALL F11DEF_HOST(const char* method, const char* precon,           /* _q54529@84 */
                                 const int* n, const int* nnz, const double* a, const int* irow,
                                 const int* icol, const double* omega, const double* b,
                                 const int* m, const double* tol, const int* maxitn, double* x,
                                 double* resnrm, int* nits, double* work, const int* lwork,
                                 int* iwork, int* ifail, int method_len, int precon_len);
/** @brief Body of F11DEF.
 *  @param[in] method,precon,n,nnz,a,irow,icol,omega,b,m,tol,maxitn,lwork as F11DEF, scalars by value
 *  @param[in,out] x; @param[out] resnrm,nits,work,iwork; @param[out] record
 *  @param[in,out] ifail; @param[in] method_len,precon_len,record_len lengths
 *  @par IFAIL as F11DEF. */
KIV_API int KIV_CALL F11DEF(const char* method, const char* precon, int n, int nnz, /* _q96143@100 */
                            const double* a, const int* irow, const int* icol, double omega,
                            const double* b, int m, double tol, int maxitn, double* x,
                            double* resnrm, int* nits, double* work, int lwork, int* iwork,
                            char* record, int* ifail, int method_len, int precon_len,
                            int record_len);
/**
 * @brief Complex twin of F11DEF (complex SSOR and reciprocal diagonal;
 *        LWORK's constant term as F11DQF).
 * @param[in] method,precon,n,nnz,irow,icol,omega,m,tol,maxitn,lwork as F11DEF
 * @param[in] a,b complex; @param[in,out] x complex; @param[out] resnrm,nits
 * @param[out] work complex workspace; @param[out] iwork; @param[in,out] ifail
 * @param method_len, precon_len lengths
 * @par IFAIL as F11DEF.  @par Workspace as F11DEF.
 */
KIV_API int KIV_CALL F11DSF_HOST(const char* method, const char* precon,           /* _q72961@84 */
                                 const int* n, const int* nnz, const kiv2_complex* a,
                                 const int* irow, const int* icol, const double* omega,
                                 const kiv2_complex* b, const int* m, const double* tol,
                                 const int* maxitn, kiv2_complex* x, double* resnrm, int* nits,
                                 kiv2_complex* work, const int* lwork, int* iwork, int* ifail,
                                 int method_len, int precon_len);
/** @brief Body of F11DSF.
 *  @param[in] method,precon,n,nnz,a,irow,icol,omega,b,m,tol,maxitn,lwork as F11DSF, scalars by value
 *  @param[in,out] x; @param[out] resnrm,nits,work,iwork; @param[out] record
 *  @param[in,out] ifail; @param[in] method_len,precon_len,record_len lengths
 *  @par IFAIL as F11DEF. */
KIV_API int KIV_CALL F11DSF(const char* method, const char* precon, int n, int nnz, /* _q88899@100 */
                            const kiv2_complex* a, const int* irow, const int* icol,
                            double omega, const kiv2_complex* b, int m, double tol, int maxitn,
                            kiv2_complex* x, double* resnrm, int* nits, kiv2_complex* work,
                            int lwork, int* iwork, char* record, int* ifail, int method_len,
                            int precon_len, int record_len);

/* ===================================================================== */
/* Sorting and ranking                                                    */
/* ===================================================================== */
/* Sections M1..M2 (1 <= M1 <= M2) of 1-based vectors; ORDER 'A' ascending
 * or 'D' descending.  IFAIL errors: 1 bad section (every routine), 2 bad
 * ORDER (M01CAF, M01DAF), 2 a rank or permutation entry outside M1..M2,
 * 3 a repeated entry (the others).  Rank and permutation vectors come back
 * as they went in, also after a failure. */

/* Sorts RV(M1..M2) in place (quicksort; equal values in no defined order). */
KIV_API int KIV_CALL M01CAF(double* rv, int m1, int m2, const char* order, char* record,
                            int* ifail, int order_len, int record_len);
/* Stable ranks of RV(M1..M2) into IRANK(M1..M2): ties keep input order in
 * both directions. */
KIV_API int KIV_CALL M01DAF_HOST(const double* rv, const int* m1, const int* m2,  /* _q87198@28 */
                                 const char* order, int* irank, int* ifail, int order_len);
KIV_API int KIV_CALL M01DAF(const double* rv, int m1, int m2, const char* order, int* irank,
                            char* record, int* ifail, int order_len, int record_len);
/* Moves element i of the section to position IRANK(i).  After error 3 the
 * section holds its elements in some order. */
KIV_API int KIV_CALL M01EAF_HOST(double* rv, const int* m1, const int* m2,        /* _q80753@20 */
                                 int* irank, int* ifail);
KIV_API int KIV_CALL M01EAF(double* rv, int m1, int m2, int* irank, char* record, int* ifail,
                            int record_len);
KIV_API int KIV_CALL M01EBF(int* iv, int m1, int m2, int* irank, char* record, int* ifail,
                            int record_len);
KIV_API int KIV_CALL M01EDF_HOST(kiv2_complex* cv, const int* m1, const int* m2,  /* _q83773@20 */
                                 int* irank, int* ifail);
KIV_API int KIV_CALL M01EDF(kiv2_complex* cv, int m1, int m2, int* irank, char* record,
                            int* ifail, int record_len);
/* Inverts the permutation IPERM(M1..M2) in place. */
KIV_API int KIV_CALL M01ZAF_HOST(int* iperm, const int* m1, const int* m2,        /* _q45975@16 */
                                 int* ifail);
KIV_API int KIV_CALL M01ZAF(int* iperm, int m1, int m2, char* record, int* ifail,
                            int record_len);
/* Checks that IPERM(M1..M2) is a permutation of M1..M2 (its sign bits are
 * borrowed during the call). */
KIV_API int KIV_CALL M01ZBF(int* iperm, int m1, int m2, char* record, int* ifail,
                            int record_len);


/* ===================================================================== */
/* Special functions                                                      */
/* ===================================================================== */
/* Gamma function; IFAIL errors: 1 X too large, 2 X too large and negative,
 * 3 X too close to zero, 4 X a negative integer. */
KIV_API double KIV_CALL S14AAF_HOST(const double* x, int* ifail);                /* _q26243@8 */
KIV_API double KIV_CALL S14AAF(double x, char* record, int* ifail, int record_len);

#endif /* KIV2_H */
