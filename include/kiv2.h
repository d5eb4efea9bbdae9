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
/* Frame: host callbacks                                                  */
/* ===================================================================== */
/**
 * @brief A function of one variable supplied by the caller: returns f(*x).
 * @param[in] x     address of the adapter's own copy of x.
 * @param[in] user1 first user word, as the caller passed it to the routine.
 * @param[in] user2 second user word, likewise.
 *
 * The user words are 4 bytes on 32-bit x86 and pointer-sized elsewhere, so
 * a C caller can hand its function a context pointer.  Called as KIV_CALL
 * (stdcall on 32-bit x86).
 */
typedef double(KIV_CALL* kiv2_fun1)(const double* x, void* user1, void* user2);

/**
 * @brief A function of a point of NDIM dimensions: returns f(x(1..NDIM)).
 * @param[in] ndim  address of the adapter's own copy of NDIM.
 * @param[in] x     the point, NDIM doubles.
 * @param[in] user1 first user word, untouched.
 * @param[in] user2 second user word, untouched.
 */
typedef double(KIV_CALL* kiv2_funn)(const int* ndim, const double* x, void* user1, void* user2);

/** @brief The adapter a body calls a kiv2_fun1 through (CALLBACK_X). */
typedef double(KIV_CALL* kiv2_adapter1)(kiv2_fun1 fn, double x, void* user1, void* user2);
/** @brief The adapter a body calls a kiv2_funn through (CALLBACK_NDIM_X). */
typedef double(KIV_CALL* kiv2_adaptern)(kiv2_funn fn, int ndim, const double* x, void* user1,
                                        void* user2);

/**
 * @brief The library's adapter for functions of one variable: stores X in
 *        its own argument area and returns FN(&copy, USER1, USER2).
 * @param[in] fn    the caller's function.
 * @param[in] x     the point.
 * @param[in] user1 passed on unchanged.
 * @param[in] user2 passed on unchanged.
 * Bodies that take an adapter (C05AGF) accept this one, or NULL for it.
 */
KIV_API double KIV_CALL CALLBACK_X(kiv2_fun1 fn, double x, void* user1, void* user2);

/**
 * @brief The library's adapter for functions of a point: returns
 *        FN(&copy of NDIM, X, USER1, USER2).
 * @param[in] fn    the caller's function.
 * @param[in] ndim  number of coordinates, >= 1.
 * @param[in] x     the point, NDIM doubles.
 * @param[in] user1 passed on unchanged.
 * @param[in] user2 passed on unchanged.
 */
KIV_API double KIV_CALL CALLBACK_NDIM_X(kiv2_funn fn, int ndim, const double* x, void* user1,
                                        void* user2);

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
/**
 * @brief Zeros of the real quartic E z^4 + A z^3 + B z^2 + C z + D, as the
 *        eigenvalues of its balanced companion matrix, with error estimates.
 * @param[in]  e    leading coefficient, nonzero.
 * @param[in]  a    coefficient of z^3.
 * @param[in]  b    coefficient of z^2.
 * @param[in]  c    coefficient of z.
 * @param[in]  d    constant term.
 * @param[out] zr   real parts of the four zeros, in the order of the Schur
 *                  form (a conjugate pair adjacent, positive imaginary part
 *                  first).
 * @param[out] zi   imaginary parts.
 * @param[out] zerr error estimates: eps * ||T||_1 / s_i, s_i the reciprocal
 *                  condition number of the eigenvalue (eps for a zero at 0).
 * @param[in,out] ifail error indicator (0 hard, 1 silent, -1 soft).
 * @par IFAIL
 *  - 1: E = 0 (nothing written).
 *  - 2: a coefficient of the companion matrix overflows, or a coefficient
 *       is not finite (nothing written).
 *  - 3: the QR iteration failed (ZR, ZI as it left them; ZERR not written).
 *
 * Example: tests/roots/quartic_test.cpp, host/tour_roots.cpp.
 */
KIV_API int KIV_CALL C02ALF_HOST(const double* e, const double* a, const double* b,  /* _q37432@36 */
                                 const double* c, const double* d, double* zr, double* zi,
                                 double* zerr, int* ifail);
/**
 * @brief Body of C02ALF (not exported).
 * @param[in] e, a, b, c, d  the coefficients, by value.
 * @param[out] zr, zi, zerr  as in C02ALF_HOST, 4 each.
 * @param[out] record        message record, KIV2_RECORD_LEN characters.
 * @param[in,out] ifail      as in C02ALF_HOST.
 * @param[in] record_len     KIV2_RECORD_LEN.
 * @par IFAIL
 * As C02ALF_HOST.
 */
KIV_API int KIV_CALL C02ALF(double e, double a, double b, double c, double d, double* zr,
                            double* zi, double* zerr, char* record, int* ifail, int record_len);

/**
 * @brief Zeros of the complex quartic E z^4 + A z^3 + B z^2 + C z + D with
 *        error estimates, through the complex Schur form.
 * @param[in]  e    leading coefficient, nonzero.
 * @param[in]  a    coefficient of z^3.
 * @param[in]  b    coefficient of z^2.
 * @param[in]  c    coefficient of z.
 * @param[in]  d    constant term.
 * @param[out] zr   real parts of the zeros, in the order of the Schur form.
 * @param[out] zi   imaginary parts.
 * @param[out] zerr error estimates, as for C02ALF.
 * @param[in,out] ifail error indicator.
 * @par IFAIL
 *  - 1: E = (0,0).
 *  - 2: a coefficient of the companion matrix overflows or is not finite.
 *  - 3: the QR iteration failed.
 */
KIV_API int KIV_CALL C02ANF_HOST(const kiv2_complex* e, const kiv2_complex* a,       /* _q86094@36 */
                                 const kiv2_complex* b, const kiv2_complex* c,
                                 const kiv2_complex* d, double* zr, double* zi, double* zerr,
                                 int* ifail);
/**
 * @brief Body of C02ANF (not exported).
 * @param[in] e, a, b, c, d  the coefficients, by value.
 * @param[out] zr, zi, zerr  as in C02ANF_HOST.
 * @param[out] record        message record.
 * @param[in,out] ifail      as in C02ANF_HOST.
 * @param[in] record_len     KIV2_RECORD_LEN.
 * @par IFAIL
 * As C02ANF_HOST.
 */
KIV_API int KIV_CALL C02ANF(kiv2_complex e, kiv2_complex a, kiv2_complex b, kiv2_complex c,
                            kiv2_complex d, double* zr, double* zi, double* zerr, char* record,
                            int* ifail, int record_len);

/**
 * @brief A zero of a continuous function f near X: an interval search
 *        (C05AVF) within X +- 256|H|, then the bracket is narrowed (mixed
 *        bisection, linear and rational interpolation) until its half-width
 *        is at most EPS/2 * max(1, |X|).  F is called through the library's
 *        adapter with the user words untouched.
 * @param[in,out] x  starting point; on exit the zero found (or the point
 *                   where F was not finite, IFAIL 7).
 * @param[in]  h     first step of the search, X + H != X.
 * @param[in]  eps   tolerance on the zero, > 0.
 * @param[in]  eta   stop as soon as |f(X)| < ETA (ETA <= 0: never).
 * @param[in]  f     the function (kiv2_fun1, KIV_CALL).
 * @param[out] a     lower end of the interval the search found (A <= B).
 * @param[out] b     upper end.
 * @param[in]  user1 handed to F unchanged.
 * @param[in]  user2 handed to F unchanged.
 * @param[in,out] ifail error indicator.
 * @par IFAIL
 *  - 1: EPS <= 0, X + H = X, or X or H not finite.
 *  - 2: no sign change found; A, B the extreme points reached.
 *  - 3: the zero may be a pole.
 *  - 4: EPS too small for the problem; X may still be good.
 *  - 5, 6: an internal call failed (after the search, after the zero finder).
 *  - 7: F returned a NaN or an infinity (at X).
 *
 * Example: tests/roots/zero_test.cpp, host/tour_roots.cpp.
 */
KIV_API int KIV_CALL C05AGF_HOST(double* x, const double* h, const double* eps,      /* _q27089@40 */
                                 const double* eta, kiv2_fun1 f, double* a, double* b,
                                 void* user1, void* user2, int* ifail);
/**
 * @brief Body of C05AGF.
 * @param[in,out] x      as in C05AGF_HOST.
 * @param[in] h, eps, eta by value, as in C05AGF_HOST.
 * @param[in] f          the function.
 * @param[in] adapter    the adapter F is called through: CALLBACK_X, or NULL
 *                       for it.
 * @param[out] a, b      as in C05AGF_HOST.
 * @param[in] user1, user2 handed to F unchanged.
 * @param[out] record    message record.
 * @param[in,out] ifail  as in C05AGF_HOST.
 * @param[in] record_len KIV2_RECORD_LEN.
 * @par IFAIL
 * As C05AGF_HOST.
 */
KIV_API int KIV_CALL C05AGF(double* x, double h, double eps, double eta, kiv2_fun1 f, /* _q89748@64 */
                            kiv2_adapter1 adapter, double* a, double* b, void* user1,
                            void* user2, char* record, int* ifail, int record_len);

/**
 * @brief Reverse-communication search for an interval [min(X,Y), max(X,Y)]
 *        on which f changes sign, within [BOUNDL, BOUNDU]: steps from X
 *        that double (reversing when f grows), clipped at the bounds, with
 *        up to three restarts from X with steps -H/10, H/100, -H/1000.
 * @param[in,out] x  on the first call the start, BOUNDL <= X <= BOUNDU;
 *                   then the point to evaluate; on success one end.
 * @param[in]  fx    f(X) when IND = -1 on the first call, or on a re-entry.
 * @param[in,out] h  the first step (X + H != X); changed by the search.
 * @param[in]  boundl lower bound, < BOUNDU.
 * @param[in]  boundu upper bound.
 * @param[out] y     on success the other end of the interval.
 * @param[in,out] c  work array of 11 doubles, kept between calls.
 * @param[in,out] ind 1 (start, no value) or -1 (start, FX = f(X)); on
 *                   return 2 or 3 asks for FX = f(X), 0 means finished.
 * @param[in,out] ifail error indicator.
 * @par IFAIL
 *  - 1: BOUNDU <= BOUNDL, X outside the bounds, or X +- H both outside.
 *  - 2: H too small for X.
 *  - 3: IND not -1, 1, 2 or 3.
 *  - 4: no sign change after three restarts (X, Y the extreme points).
 *  - 5: FX is a NaN.
 * @par Workspace
 * C(1..11), kept by the caller between calls; several searches may run at
 * once, each in its own C.
 */
KIV_API int KIV_CALL C05AVF_HOST(double* x, const double* fx, double* h,             /* _q25440@36 */
                                 const double* boundl, const double* boundu, double* y,
                                 double* c, int* ind, int* ifail);
/**
 * @brief Body of C05AVF (not exported).
 * @param[in,out] x      as in C05AVF_HOST.
 * @param[in] fx         by value.
 * @param[in,out] h      as in C05AVF_HOST.
 * @param[in] boundl, boundu by value.
 * @param[out] y         as in C05AVF_HOST.
 * @param[in,out] c      11 doubles.
 * @param[in,out] ind    as in C05AVF_HOST.
 * @param[out] record    message record.
 * @param[in,out] ifail  as in C05AVF_HOST.
 * @param[in] record_len KIV2_RECORD_LEN.
 * @par IFAIL
 * As C05AVF_HOST.
 */
KIV_API int KIV_CALL C05AVF(double* x, double fx, double* h, double boundl, double boundu,
                            double* y, double* c, int* ind, char* record, int* ifail,
                            int record_len);

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
/**
 * @brief Integral of f over the ball of radius RADIUS about the origin in
 *        NDIM = 2..4 dimensions: a lattice (product trapezoidal) rule in
 *        variables where the radius is mapped double-exponentially onto
 *        [0, RADIUS], taken shell by shell, the step halved after each
 *        pass (at most 6 halvings) until two passes agree.
 * @param[in]  f      the integrand (kiv2_funn, KIV_CALL), called with the
 *                    adapter's copy of NDIM and the point.
 * @param[in]  ndim   2, 3 or 4.
 * @param[in]  radius >= 0; 0 gives RESULT = 0 without a call of F.
 * @param[in]  absacc absolute accuracy wanted (its magnitude).
 * @param[in]  relacc relative accuracy wanted; below 10 eps counts as 10 eps.
 * @param[in]  method 0 automatic (1 for RELACC > 1e-6, else 2); 1, 2 centre
 *                    at the lattice origin, the boundary mapped to infinity
 *                    (1 through a rational map, 2 directly); 3, 4 the same
 *                    with the boundary at the origin (radial integrands,
 *                    ICOORD = 2); 5, 6 both ends at infinity (for
 *                    integrands singular at the centre and the boundary).
 * @param[in]  icoord 0 F gets Cartesian coordinates; 1 polar (radius, then
 *                    the angles in [0, pi], the last in [0, 2 pi)); 2 polar,
 *                    F depends on the radius alone (METHOD 3 or 4 only).
 * @param[out] result the integral.
 * @param[out] errest estimate of its absolute error.
 * @param[out] nfun   number of calls of F.
 * @param[in]  user1  handed to F unchanged.
 * @param[in]  user2  handed to F unchanged.
 * @param[in,out] ifail error indicator.
 * @par IFAIL
 *  - 1: the accuracy was not reached in the allowed halvings.
 *  - 2: the estimates stopped improving, or RELACC is below 10 eps.
 *  - 3: as 1 or 2, with weight left at the boundary: try METHOD 3 or 4.
 *  - 4: NDIM, METHOD, ICOORD (and their combination) or RADIUS illegal,
 *       checked in that order.
 *  - 5: F returned a NaN or an infinity (RESULT: the last complete pass).
 *
 * Example: tests/quadrature/ball_test.cpp, host/tour_quadrature.cpp.
 */
KIV_API int KIV_CALL D01JAF_HOST(kiv2_funn f, const int* ndim, const double* radius, /* _q22201@52 */
                                 const double* absacc, const double* relacc,
                                 const int* method, const int* icoord, double* result,
                                 double* errest, int* nfun, void* user1, void* user2,
                                 int* ifail);
/**
 * @brief Body of D01JAF.
 * @param[in] f        the integrand.
 * @param[in] adapter  CALLBACK_NDIM_X, or NULL for it.
 * @param[in] ndim, radius, absacc, relacc, method, icoord by value, as in
 *                     D01JAF_HOST.
 * @param[out] result, errest, nfun as in D01JAF_HOST.
 * @param[in] user1, user2 handed to F unchanged.
 * @param[out] record  message record.
 * @param[in,out] ifail as in D01JAF_HOST.
 * @param[in] record_len KIV2_RECORD_LEN.
 * @par IFAIL
 * As D01JAF_HOST.
 */
KIV_API int KIV_CALL D01JAF(kiv2_funn f, kiv2_adaptern adapter, int ndim, double radius, /* _q39715@76 */
                            double absacc, double relacc, int method, int icoord,
                            double* result, double* errest, int* nfun, void* user1,
                            void* user2, char* record, int* ifail, int record_len);

/**
 * @brief Integral of f over the simplex with vertices V_1..V_{NDIM+1}: lattice
 *        sums of orders MINORD..MAXORD-1 (order k has C(k+NDIM, NDIM)
 *        points), each extrapolated in h^2 with the lower orders; VALUES(k+1)
 *        is exact for polynomials of degree 2k+1.  A later call with MINORD
 *        as left by this one and a larger MAXORD continues the sequence.
 * @param[in]  ndim    >= 2.
 * @param[in,out] vertex IV1 x IV2, column-major: columns 1..NDIM+1 the
 *                     vertices; columns NDIM+2..2 NDIM+2 workspace kept
 *                     between calls (row NDIM+1 of column 2 NDIM+2 the
 *                     simplex measure).
 * @param[in]  iv1     leading dimension, >= NDIM+1.
 * @param[in]  iv2     columns, >= 2 NDIM+2.
 * @param[in]  functn  the integrand (kiv2_funn).
 * @param[in,out] minord 0 for a new sequence, else the orders already in
 *                     VALUES; on exit MAXORD.
 * @param[in]  maxord  > MINORD.
 * @param[in,out] values MAXORD doubles: VALUES(1..MINORD) from earlier
 *                     calls, the new orders on exit.
 * @param[out] errest  |VALUES(MAXORD) - VALUES(MAXORD-1)| (|VALUES(1)| when
 *                     MAXORD = 1).
 * @param[in]  user1   handed to FUNCTN unchanged.
 * @param[in]  user2   handed to FUNCTN unchanged.
 * @param[in,out] ifail error indicator.
 * @par IFAIL
 *  - 1: NDIM < 2, IV1 < NDIM+1, IV2 < 2 NDIM+2, MINORD < 0 or MAXORD <=
 *       MINORD (nothing changed).
 *  - 2: the simplex volume cannot be represented (the work columns hold
 *       the edge vectors, VALUES unchanged).
 *  - 3: FUNCTN returned a NaN or an infinity; MINORD is the number of
 *       orders completed in VALUES.
 * @par Workspace
 * Columns NDIM+2..2 NDIM+2 of VERTEX.
 *
 * Example: tests/quadrature/simplex_test.cpp, host/tour_quadrature.cpp.
 */
KIV_API int KIV_CALL D01PAF_HOST(const int* ndim, double* vertex, const int* iv1,    /* _q14537@48 */
                                 const int* iv2, kiv2_funn functn, int* minord,
                                 const int* maxord, double* values, double* errest,
                                 void* user1, void* user2, int* ifail);
/**
 * @brief Body of D01PAF.
 * @param[in] ndim, iv1, iv2, maxord by value, as in D01PAF_HOST.
 * @param[in,out] vertex, minord, values as in D01PAF_HOST.
 * @param[in] functn   the integrand.
 * @param[in] adapter  CALLBACK_NDIM_X, or NULL for it.
 * @param[out] errest  as in D01PAF_HOST.
 * @param[in] user1, user2 handed to FUNCTN unchanged.
 * @param[out] record  message record.
 * @param[in,out] ifail as in D01PAF_HOST.
 * @param[in] record_len KIV2_RECORD_LEN.
 * @par IFAIL
 * As D01PAF_HOST.
 */
KIV_API int KIV_CALL D01PAF(int ndim, double* vertex, int iv1, int iv2, kiv2_funn functn, /* _q47651@60 */
                            kiv2_adaptern adapter, int* minord, int maxord, double* values,
                            double* errest, void* user1, void* user2, char* record, int* ifail,
                            int record_len);

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
