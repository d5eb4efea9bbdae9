/**
 * @file kiv2.h
 * @brief kiv2's public interface: every exported entry point, with its reference documentation.
 *
 * Every entry point that the library exports is declared here, with its export name
 * ("_qNNNNN@K") beside it.  On Linux each export is also an ELF symbol without the
 * underscore and the "@K" ("q26243"), and kiv2_entry() resolves an exact export name the way
 * a host resolves a DLL export.  C and C++ programs may also call the functions by their
 * names; the header compiles as C99 and as C++.
 *
 * @par Conventions shared by every routine
 * - Arrays are column-major and 1-based: element (i,j) of an array with leading dimension
 *   LDA lies at offset (i-1) + (j-1) LDA.
 * - Real is double, Integer is a 32-bit int, complex data is two doubles (real part first).
 * - Character arguments are (address, length) pairs, the lengths at the end of the argument
 *   list in the order of the character arguments; only the first letter of an option is
 *   read, in either case.
 * - User-callable routines end with IFAIL.  On entry it selects how an error is reported:
 *   0 print the message and end the process; -1 or 11 print it and return; 1 return
 *   silently; -13 print only the message lines and return (more generally a positive value
 *   prints when its tens digit is not 0 and returns when its units digit is 1; other
 *   negative values are silent).  On exit it holds 0 or the error number.  Text goes to the
 *   host's print function OldTarlePrintf (the stand-in print library, tarlec.h), a newline
 *   to standard output after each line.
 * - Host wrappers (the NAME_HOST functions) take every argument by address, poison the
 *   outputs and cross-check the error report.  Routine bodies take input scalars by value,
 *   then a 200-character message record, the address of IFAIL and the character lengths,
 *   200 last.
 * - The matrix-level routines of the dense layer report through INFO instead: the level-2
 *   and level-3 kernels end the process on an illegal argument; the factorisations and the
 *   eigenvalue routines set INFO = -k silently.
 *
 * @par Using the library
 * Link with `-lkiv2` (pkg-config: `pkg-config --cflags --libs kiv2`; CMake:
 * `find_package(kiv2)` and the target `kiv2::kiv2`).  Examples: examples/sparse_solve.c (a
 * sparse system by reverse communication) and examples/real_fft.c (a real FFT and its
 * inverse).
 */
#ifndef KIV2_H
#define KIV2_H

/**
 * @mainpage kiv2 reference manual
 *
 * kiv2 is a numerical subroutine library with a procedural C interface: sparse iterative
 * solvers, FFTs, roots, quadrature, a dense layer over BLAS/LAPACK, sorting and special
 * functions.  Everything a program calls is declared and documented in kiv2.h: its page
 * starts with the conventions every routine shares (arrays, character arguments, IFAIL,
 * host wrappers and routine bodies), then documents each routine in the order of the
 * header's sections, with its arguments, its IFAIL or INFO values, the workspace it needs
 * and an example.
 */

#ifdef __cplusplus
#include <complex>
/** @brief A complex value: two doubles, real part first (std::complex<double> in C++). */
typedef std::complex<double> kiv2_complex;
/** @brief C linkage for the declarations when compiled as C++. */
#define KIV2_EXTERN_C extern "C"
#else
/** @brief A complex value: two doubles, real part first (double _Complex in C). */
typedef double _Complex kiv2_complex;
/** @brief C linkage for the declarations when compiled as C++ (empty in C). */
#define KIV2_EXTERN_C
#endif

/** @brief Calling convention of every export and every host callback: stdcall on 32-bit x86,
 *  the platform default elsewhere. */
#if defined(__i386__) && defined(_WIN32)
#define KIV_CALL __stdcall
#elif defined(__i386__)
#define KIV_CALL __attribute__((stdcall))
#else
#define KIV_CALL
#endif

/** @brief Linkage and visibility of every export. */
#if defined(_WIN32)
#define KIV_API KIV2_EXTERN_C
#else
#define KIV_API KIV2_EXTERN_C __attribute__((visibility("default")))
#endif

/** @brief Length of the message record passed from a host wrapper to a body. */
#define KIV2_RECORD_LEN 200

/**
 * @brief Resolves an exact export name to its entry point, as a host resolves a DLL export.
 *
 * Names are matched exactly, case included ("_q26243@8", not "q26243"). The result is cast
 * to the routine's type, declared in this header, before it is called.
 *
 * @param[in]     export_name NUL-terminated export name "_qNNNNN@K"; any text is allowed
 * @return the entry point, or NULL when no export has that name
 * @par Example
 * host/kivhost.cpp (kivhost resolves every call it makes through this function).
 */
KIV_API void* kiv2_entry(const char* export_name);

/* ===================================================================== */
/* Frame: poison routines                                                 */
/* ===================================================================== */
/**
 * @brief Stores the real poison -2139062144.0 (bits 0xC1DFDFDFE0000000) into one double.
 *
 * The host wrappers poison their outputs with these routines before the body runs, so that
 * an output the body never wrote can be recognised.
 *
 * Exported as `_q43484@4`.
 *
 * @param[out]    x the double to poison
 * @par Example
 * tests/frame/wrappers_test.cpp.
 */
KIV_API void KIV_CALL POISON_REAL(double* x);                     /* _q43484@4 */

/**
 * @brief Stores the real poison -2139062144.0 (bits 0xC1DFDFDFE0000000) into N consecutive
 *        double values.
 *
 * Exported as `_q44339@8`.
 *
 * @param[in]     n number of elements; nothing is written when N < 1
 * @param[out]    x first of the N double values
 * @par Example
 * tests/frame/wrappers_test.cpp.
 */
KIV_API void KIV_CALL POISON_REALS(int n, double* x);             /* _q44339@8 */

/**
 * @brief Stores the integer poison 0x80808080 (-2139062144) into one int.
 *
 * The host wrappers poison their outputs with these routines before the body runs, so that
 * an output the body never wrote can be recognised.
 *
 * Exported as `_q68526@4`.
 *
 * @param[out]    x the int to poison
 * @par Example
 * tests/frame/wrappers_test.cpp.
 */
KIV_API void KIV_CALL POISON_INTEGER(int* x);                     /* _q68526@4 */

/**
 * @brief Stores the integer poison 0x80808080 (-2139062144) into N consecutive int values.
 *
 * Exported as `_q18327@8`.
 *
 * @param[in]     n number of elements; nothing is written when N < 1
 * @param[out]    x first of the N int values
 * @par Example
 * tests/frame/wrappers_test.cpp.
 */
KIV_API void KIV_CALL POISON_INTEGERS(int n, int* x);             /* _q18327@8 */

/**
 * @brief Stores the real poison, in both parts, into one complex.
 *
 * The host wrappers poison their outputs with these routines before the body runs, so that
 * an output the body never wrote can be recognised.
 *
 * Exported as `_q29267@4`.
 *
 * @param[out]    x the complex to poison
 * @par Example
 * tests/frame/wrappers_test.cpp.
 */
KIV_API void KIV_CALL POISON_COMPLEX(kiv2_complex* x);            /* _q29267@4 */

/**
 * @brief Stores the real poison, in both parts, into N consecutive complex values.
 *
 * Exported as `_q67045@8`.
 *
 * @param[in]     n number of elements; nothing is written when N < 1
 * @param[out]    x first of the N complex values
 * @par Example
 * tests/frame/wrappers_test.cpp.
 */
KIV_API void KIV_CALL POISON_COMPLEXES(int n, kiv2_complex* x);   /* _q67045@8 */

/* ===================================================================== */
/* Frame: error handler and output units                                  */
/* ===================================================================== */
/**
 * @brief Applies the IFAIL convention to error IERR of routine SRNAME.
 *
 * IERR = 0 returns 0 at once. Otherwise, depending on IFAIL (see the IFAIL parameter of any
 * routine): writes the message lines, the exit line " ** ABNORMAL EXIT from KIV Library
 * routine SRNAME: IFAIL = IERR" and the soft or hard failure line on the error unit; a hard
 * failure ends the process.
 *
 * Exported as `_q43156@28`.
 *
 * @param[in]     ifail      the caller's IFAIL on entry: 0 hard, -1 or 11 soft and noisy, 1
 *                           silent, -13 message lines only; a positive value is noisy when
 *                           its tens digit is not 0 and soft when its units digit is 1
 * @param[in]     ierr       the error number; 0 means no error
 * @param[in]     srname     the routine name shown in the exit line (SRNAME_LEN characters)
 * @param[in]     nlines     number of message lines to write, >= 0
 * @param[in]     msglines   NLINES records of RECLEN characters each, NUL-terminated
 * @param[in]     srname_len length of SRNAME, >= 0
 * @param[in]     reclen     length of one record of MSGLINES, normally 80
 * @return IERR (the new IFAIL); does not return on a hard failure
 * @par IFAIL
 * - The handler reports no error of its own: IFAIL selects how IERR is reported.
 * @par Example
 * tests/frame/errors_test.cpp.
 */
KIV_API int KIV_CALL ERROR_EXIT(int ifail, int ierr, const char* srname,   /* _q43156@28 */
                                int nlines, const char* msglines,
                                int srname_len, int reclen);

/**
 * @brief As ERROR_EXIT, the exit line naming the variable that holds the error number.
 *
 * The exit line reads " ** ABNORMAL EXIT from KIV Library routine SRNAME: VARNAME = IERR";
 * with VARNAME all blanks it stops after SRNAME.
 *
 * Exported as `_q54230@36`.
 *
 * @param[in]     ifail       the caller's IFAIL on entry: 0 hard, -1 or 11 soft and noisy,
 *                            1 silent, -13 message lines only; a positive value is noisy
 *                            when its tens digit is not 0 and soft when its units digit is
 *                            1
 * @param[in]     ierr        the error number; 0 means no error
 * @param[in]     srname      the routine name shown in the exit line (SRNAME_LEN
 *                            characters)
 * @param[in]     varname     the variable name (VARNAME_LEN characters); blanks omit it
 * @param[in]     nlines      number of message lines to write, >= 0
 * @param[in]     msglines    NLINES records of RECLEN characters each, NUL-terminated
 * @param[in]     srname_len  length of SRNAME, >= 0
 * @param[in]     varname_len length of VARNAME, >= 0
 * @param[in]     reclen      length of one record of MSGLINES, normally 80
 * @return IERR; does not return on a hard failure
 * @par IFAIL
 * - The handler reports no error of its own: IFAIL selects how IERR is reported.
 * @par Example
 * tests/frame/errors_test.cpp.
 */
KIV_API int KIV_CALL ERROR_EXIT_NAMED(int ifail, int ierr,                 /* _q54230@36 */
                                      const char* srname, const char* varname,
                                      int nlines, const char* msglines,
                                      int srname_len, int varname_len, int reclen);

/**
 * @brief Reads or sets the error unit; a negative unit silences all error output.
 *
 * The unit is process-wide and starts as 6. Any unit >= 0 sends the text to the host's
 * print function. Silencing does not change whether a failure is hard.
 *
 * Exported as `_q87554@8`.
 *
 * @param[in]     mode 0 reads the unit into *UNIT, 1 sets it from *UNIT; any other value
 *                     does nothing
 * @param[in,out] unit the unit, read (MODE 0) or written (MODE 1)
 * @par Example
 * tests/frame/errors_test.cpp.
 */
KIV_API void KIV_CALL ERROR_UNIT_BYREF(const int* mode, int* unit);        /* _q87554@8 */

/* ===================================================================== */
/* Frame: machine constants and small utilities                           */
/* ===================================================================== */
/**
 * @brief pi, 3.141592653589793.
 *
 * A fixed value; nothing is computed at run time.
 *
 * Exported as `_q42761@0`.
 * @return the constant
 * @par Example
 * the kivhost tour stop "Machine constants"; `kivhost info`.
 */
KIV_API double KIV_CALL CONST_PI(void);            /* _q42761@0 */

/**
 * @brief The relative machine precision eps = 2^-53 (1 + 2^-10 + 2^-47) =
 *        1.11130722679765e-16, slightly above 2^-53.
 *
 * A fixed value; nothing is computed at run time.
 *
 * Exported as `_q48540@0`.
 * @return the constant
 * @par Example
 * the kivhost tour stop "Machine constants"; `kivhost info`.
 */
KIV_API double KIV_CALL MACHINE_PRECISION(void);   /* _q48540@0: 2^-53 (1 + 2^-10 + 2^-47) */

/**
 * @brief The smallest positive normalised double, 2.2250738585072014e-308, whose reciprocal
 *        does not overflow.
 *
 * A fixed value; nothing is computed at run time.
 *
 * Exported as `_q48900@0` and `_q54356@0`.
 * @return the constant
 * @par Example
 * the kivhost tour stop "Machine constants"; `kivhost info`.
 */
KIV_API double KIV_CALL SAFE_MINIMUM(void);        /* _q48900@0 and _q54356@0 */

/**
 * @brief The largest finite double, 1.7976931348623157e+308.
 *
 * A fixed value; nothing is computed at run time.
 *
 * Exported as `_q22647@0`.
 * @return the constant
 * @par Example
 * the kivhost tour stop "Machine constants"; `kivhost info`.
 */
KIV_API double KIV_CALL LARGEST_REAL(void);        /* _q22647@0 */

/**
 * @brief The base of the floating-point model, 2.
 *
 * A fixed value; nothing is computed at run time.
 *
 * Exported as `_q32811@0`.
 * @return the constant
 * @par Example
 * the kivhost tour stop "Machine constants"; `kivhost info`.
 */
KIV_API int KIV_CALL MODEL_BASE(void);             /* _q32811@0 */

/**
 * @brief Principal square root of a + ib, the real part non-negative.
 *
 * The branch cut lies along the negative real axis: sqrt(-4) = 2i, and b = -0 gives a
 * result with real part -0. The modulus never overflows.
 *
 * Exported as `_q84763@24`.
 *
 * @param[in]     a  real part, any finite value
 * @param[in]     b  imaginary part
 * @param[out]    re real part of the root
 * @param[out]    im imaginary part of the root
 * @par Example
 * tests/frame/constants_test.cpp.
 */
KIV_API void KIV_CALL COMPLEX_SQRT(double a, double b, double* re, double* im);  /* _q84763@24 */

/**
 * @brief COMPLEX_SQRT with A and B by address; poisons both results first.
 *
 * Exported as `_q18805@16`.
 *
 * @param[in]     a  as A of COMPLEX_SQRT, by address
 * @param[in]     b  as B of COMPLEX_SQRT, by address
 * @param[out]    re real part of the root
 * @param[out]    im imaginary part of the root
 * @par Example
 * tests/frame/constants_test.cpp.
 */
KIV_API void KIV_CALL COMPLEX_SQRT_BYREF(const double* a, const double* b,       /* _q18805@16 */
                                         double* re, double* im);

/**
 * @brief |a + ib| without overflow or needless underflow.
 *
 * Exported as `_q95043@16`.
 *
 * @param[in]     a real part, any value
 * @param[in]     b imaginary part, any value
 * @return the modulus: p sqrt(1 + (q/p)^2) with p, q the larger and smaller of |a|, |b|
 * @par Example
 * tests/frame/constants_test.cpp.
 */
KIV_API double KIV_CALL COMPLEX_ABS(double a, double b);                           /* _q95043@16 */

/**
 * @brief (a + ib) / (c + id), scaled (Smith) so that no intermediate overflows needlessly.
 *
 * Exported as `_q84615@40`.
 *
 * @param[in]     a  real part of the dividend
 * @param[in]     b  imaginary part of the dividend
 * @param[in]     c  real part of the divisor; c = d = 0 is outside the domain
 * @param[in]     d  imaginary part of the divisor
 * @param[out]    re real part of the quotient
 * @param[out]    im imaginary part of the quotient
 * @par Example
 * tests/frame/constants_test.cpp.
 */
KIV_API void KIV_CALL COMPLEX_DIV(double a, double b, double c, double d,          /* _q84615@40 */
                                  double* re, double* im);

/**
 * @brief RANDOM_UNIFORM with the generator number by address.
 *
 * Generator 0 is the basic 60-bit multiplicative generator (multiplier 13^13, state in four
 * 15-bit limbs, least significant first); generators 1 to 273 are Wichmann-Hill generators
 * (the state holds their four seeds). The state belongs to the caller, so several streams
 * may run at once.
 *
 * Exported as `_q56221@8`.
 *
 * @param[in]     generator as GENERATOR of RANDOM_UNIFORM, by address
 * @param[in,out] state     the generator's four integers, advanced by one step
 * @return a number in [0, 1); never 1
 * @par Example
 * the kivhost tour stop "Basic random generator"; tests/frame/constants_test.cpp.
 */
KIV_API double KIV_CALL RANDOM_UNIFORM_BYREF(const int* generator, int* state);  /* _q56221@8 */

/**
 * @brief The next uniform random number in [0, 1) of a generator.
 *
 * Generator 0 is the basic 60-bit multiplicative generator (multiplier 13^13, state in four
 * 15-bit limbs, least significant first); generators 1 to 273 are Wichmann-Hill generators
 * (the state holds their four seeds). The state belongs to the caller, so several streams
 * may run at once.
 *
 * Exported as `_q51030@8`.
 *
 * @param[in]     generator 0 (basic generator) or 1 to 273 (Wichmann-Hill)
 * @param[in,out] state     the generator's four integers, advanced by one step
 * @return a number in [0, 1); never 1
 * @par Example
 * the kivhost tour stop "Basic random generator"; tests/frame/constants_test.cpp.
 */
KIV_API double KIV_CALL RANDOM_UNIFORM(int generator, int* state);               /* _q51030@8 */

/**
 * @brief One step of Wichmann-Hill generator GENERATOR.
 *
 * s_i = a_i s_i mod m_i for the four seeds, then the fractional part of s1/m1 + s3/m3 +
 * s2/m2 + s4/m4. A generator number outside 1 to 273 leaves the state alone and returns 0.
 *
 * Exported as `_q81284@8`.
 *
 * @param[in]     generator generator number, 1 to 273
 * @param[in,out] state     the four seeds, each in 1 to m_i - 1
 * @return a number in [0, 1)
 * @par Example
 * tests/frame/constants_test.cpp.
 */
KIV_API double KIV_CALL RANDOM_WH(int generator, int* state);                    /* _q81284@8 */

/**
 * @brief Selects the basic generator (0) and its initial state.
 *
 * Exported as `_q98008@8`.
 *
 * @param[out]    generator set to 0
 * @param[out]    state     four integers, set to the initial limbs 6698, 7535, 26792, 30140
 * @par Example
 * the kivhost tour stop "Basic random generator".
 */
KIV_API void KIV_CALL RANDOM_INIT(int* generator, int* state);                   /* _q98008@8 */

/**
 * @brief Writes the eight-line implementation-details listing on the advisory unit.
 *
 * Each line goes through the host's print function and is followed by a newline on standard
 * output.
 *
 * Exported as `_q80933@0`.
 * @par Example
 * `kivhost info`; the kivhost tour stop "Implementation details".
 */
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
 * @return what FN returned.
 *
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
 * @return what FN returned.
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

/**
 * @brief DNRM2_LIB with the entry selector: euclidean norm of a real vector, scaled so that
 *        it neither overflows nor underflows needlessly.
 *
 * One routine serves the library-name entry DNRM2_LIB and the standard-name entry DNRM2
 * used inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q88406@16`.
 *
 * @param[in]     entry entry selector, 0 (library-name entry) or 1 (standard-name entry);
 *                      the computation is the same
 * @param[in]     n     as N of DNRM2_LIB
 * @param[in]     x     as X of DNRM2_LIB
 * @param[in]     incx  as INCX of DNRM2_LIB
 * @return the norm (0 for N < 1)
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API double KIV_CALL DNRM2_SEL(int entry, int n, const double* x, int incx);  /* _q88406@16 */

/**
 * @brief Euclidean norm of a real vector, scaled so that it neither overflows nor
 *        underflows needlessly.
 *
 * Exported as `_q64593@12`.
 *
 * @param[in]     n    number of elements; N < 1 gives 0
 * @param[in]     x    the vector, 1 + (N-1)|INCX| elements
 * @param[in]     incx increment between elements, >= 1
 * @return the norm (0 for N < 1)
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API double KIV_CALL DNRM2_LIB(int n, const double* x, int incx);             /* _q64593@12 */

/**
 * @brief DZNRM2_LIB with the entry selector: euclidean norm of a complex vector, scaled
 *        against overflow and underflow.
 *
 * One routine serves the library-name entry DZNRM2_LIB and the standard-name entry DZNRM2
 * used inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q94172@16`.
 *
 * @param[in]     entry entry selector, 0 (library-name entry) or 1 (standard-name entry);
 *                      the computation is the same
 * @param[in]     n     as N of DZNRM2_LIB
 * @param[in]     x     as X of DZNRM2_LIB
 * @param[in]     incx  as INCX of DZNRM2_LIB
 * @return the norm (0 for N < 1)
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API double KIV_CALL DZNRM2_SEL(int entry, int n, const kiv2_complex* x,      /* _q94172@16 */
                                   int incx);

/**
 * @brief Euclidean norm of a complex vector, scaled against overflow and underflow.
 *
 * Exported as `_q13327@12`.
 *
 * @param[in]     n    number of elements; N < 1 gives 0
 * @param[in]     x    the complex vector, 1 + (N-1)|INCX| elements
 * @param[in]     incx increment between elements, >= 1
 * @return the norm (0 for N < 1)
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API double KIV_CALL DZNRM2_LIB(int n, const kiv2_complex* x, int incx);      /* _q13327@12 */

/**
 * @brief DROTG_LIB with the entry selector: generates the plane rotation [c s; -s c] that
 *        takes (a, b) to (r, 0).
 *
 * One routine serves the library-name entry DROTG_LIB and the standard-name entry DROTG
 * used inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q17371@20`.
 *
 * @param[in]     entry entry selector, 0 (library-name entry) or 1 (standard-name entry);
 *                      the computation is the same
 * @param[in,out] a     as A of DROTG_LIB
 * @param[in,out] b     as B of DROTG_LIB
 * @param[out]    c     as C of DROTG_LIB
 * @param[out]    s     as S of DROTG_LIB
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API void KIV_CALL DROTG_SEL(int entry, double* a, double* b, double* c,      /* _q17371@20 */
                                double* s);

/**
 * @brief Generates the plane rotation [c s; -s c] that takes (a, b) to (r, 0).
 *
 * B = 0 gives C = 1, S = 0.
 *
 * Exported as `_q92072@16`.
 *
 * @param[in,out] a on entry a; on exit r
 * @param[in,out] b on entry b; on exit z, from which c and s can be rebuilt
 * @param[out]    c the cosine
 * @param[out]    s the sine
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API void KIV_CALL DROTG_LIB(double* a, double* b, double* c, double* s);     /* _q92072@16 */

/**
 * @brief y := alpha x for real vectors; alpha = 0 fills y with zeros (x is not read).
 *
 * Exported as `_q47079@28`.
 *
 * @param[in]     n     number of elements; nothing is done for N < 1
 * @param[in]     alpha the scalar
 * @param[in]     x     the vector x, 1 + (N-1)|INCX| elements
 * @param[in]     incx  increment of x, nonzero
 * @param[out]    y     the vector y, 1 + (N-1)|INCY| elements
 * @param[in]     incy  increment of y, nonzero
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API void KIV_CALL DYAX(int n, double alpha, const double* x, int incx,       /* _q47079@28 */
                           double* y, int incy);

/**
 * @brief y := alpha x for complex vectors and a complex alpha; alpha = 0 fills y with
 *        zeros.
 *
 * Exported as `_q86102@36`.
 *
 * @param[in]     n        number of elements; nothing is done for N < 1
 * @param[in]     alpha_re real part of alpha
 * @param[in]     alpha_im imaginary part of alpha
 * @param[in]     x        the complex vector x, 1 + (N-1)|INCX| elements
 * @param[in]     incx     increment of x, nonzero
 * @param[out]    y        the complex vector y, 1 + (N-1)|INCY| elements
 * @param[in]     incy     increment of y, nonzero
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API void KIV_CALL ZYAX(int n, double alpha_re, double alpha_im,              /* _q86102@36 */
                           const kiv2_complex* x, int incx, kiv2_complex* y, int incy);

/**
 * @brief Generates the complex plane rotation [c s; -conj(s) c] that takes (a, b) to (r,
 *        0).
 *
 * B = 0 gives C = 1, S = 0. The divisions are safe: an overflowing quotient is replaced by
 * a large finite value.
 *
 * Exported as `_q22475@16`.
 *
 * @param[in,out] a on entry a; on exit r
 * @param[in]     b b
 * @param[out]    c the real cosine
 * @param[out]    s the complex sine
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API void KIV_CALL ZROTG(kiv2_complex* a, const kiv2_complex* b, double* c,   /* _q22475@16 */
                            kiv2_complex* s);

/**
 * @brief F06PAF with the entry selector: y := alpha op(A) x + beta y for a real M by N
 *        matrix A (DGEMV).
 *
 * One routine serves the library-name entry F06PAF and the standard-name entry DGEMV used
 * inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q98364@60`.
 *
 * @param[in]     entry     entry selector, 0 (library-name entry) or 1 (standard-name
 *                          entry); the computation is the same
 * @param[in]     trans     as TRANS of F06PAF
 * @param[in]     m         as M of F06PAF
 * @param[in]     n         as N of F06PAF
 * @param[in]     alpha     as ALPHA of F06PAF
 * @param[in]     a         as A of F06PAF
 * @param[in]     lda       as LDA of F06PAF
 * @param[in]     x         as X of F06PAF
 * @param[in]     incx      as INCX of F06PAF
 * @param[in]     beta      as BETA of F06PAF
 * @param[in,out] y         as Y of F06PAF
 * @param[in]     incy      as INCY of F06PAF
 * @param[in]     trans_len length of TRANS, >= 1 (only its first character is read)
 * @par Example
 * tests/dense/kernels_test.cpp; the kivhost tour stop "Matrix product through the
 * library-name entry".
 */
KIV_API void KIV_CALL F06PAF_DGEMV(int entry, const char* trans, int m, int n,   /* _q98364@60 */
                                   double alpha, const double* a, int lda,
                                   const double* x, int incx, double beta, double* y,
                                   int incy, int trans_len);

/**
 * @brief y := alpha op(A) x + beta y for a real M by N matrix A (DGEMV).
 *
 * Returns at once when M or N is 0, or alpha = 0 and beta = 1. An illegal argument ends the
 * process: " ** On entry to F06xxF/NAME parameter number k had an illegal value", the exit
 * line and the hard-failure line are written (k counts the standard arguments from 1, the
 * entry selector not counted). Options are read on their first letter, either case.
 * Positions: TRANS 1, M 2, N 3, LDA 6, INCX 8, INCY 11.
 *
 * Exported as `_q71427@56`.
 *
 * @param[in]     trans     'N' op(A) = A, 'T' op(A) = A^T, 'C' op(A) = A^T for real data
 *                          and A^H for complex data
 * @param[in]     m         rows of A, >= 0
 * @param[in]     n         columns of A, >= 0
 * @param[in]     alpha     the scalar alpha
 * @param[in]     a         the matrix A, LDA by N
 * @param[in]     lda       leading dimension of A, >= max(1, M)
 * @param[in]     x         x: N elements for TRANS = N, else M; stride INCX
 * @param[in]     incx      increment of x, nonzero
 * @param[in]     beta      the scalar beta; beta = 0 means y need not be set on entry
 * @param[in,out] y         y: M elements for TRANS = N, else N; stride INCY
 * @param[in]     incy      increment of y, nonzero
 * @param[in]     trans_len length of TRANS, >= 1 (only its first character is read)
 * @par Example
 * tests/dense/kernels_test.cpp; the kivhost tour stop "Matrix product through the
 * library-name entry".
 */
KIV_API void KIV_CALL F06PAF(const char* trans, int m, int n, double alpha,      /* _q71427@56 */
                             const double* a, int lda, const double* x, int incx,
                             double beta, double* y, int incy, int trans_len);

/**
 * @brief F06PFF with the entry selector: x := op(A) x for a real triangular N by N matrix A
 *        (DTRMV).
 *
 * One routine serves the library-name entry F06PFF and the standard-name entry DTRMV used
 * inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q25392@48`.
 *
 * @param[in]     entry     entry selector, 0 (library-name entry) or 1 (standard-name
 *                          entry); the computation is the same
 * @param[in]     uplo      as UPLO of F06PFF
 * @param[in]     trans     as TRANS of F06PFF
 * @param[in]     diag      as DIAG of F06PFF
 * @param[in]     n         as N of F06PFF
 * @param[in]     a         as A of F06PFF
 * @param[in]     lda       as LDA of F06PFF
 * @param[in,out] x         as X of F06PFF
 * @param[in]     incx      as INCX of F06PFF
 * @param[in]     uplo_len  length of UPLO, >= 1 (only its first character is read)
 * @param[in]     trans_len length of TRANS, >= 1 (only its first character is read)
 * @param[in]     diag_len  length of DIAG, >= 1 (only its first character is read)
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API void KIV_CALL F06PFF_DTRMV(int entry, const char* uplo, const char* trans, /* _q25392@48 */
                                   const char* diag, int n, const double* a, int lda,
                                   double* x, int incx, int uplo_len, int trans_len,
                                   int diag_len);

/**
 * @brief x := op(A) x for a real triangular N by N matrix A (DTRMV).
 *
 * An illegal argument ends the process: " ** On entry to F06xxF/NAME parameter number k had
 * an illegal value", the exit line and the hard-failure line are written (k counts the
 * standard arguments from 1, the entry selector not counted). Options are read on their
 * first letter, either case. Positions: UPLO 1, TRANS 2, DIAG 3, N 4, LDA 6, INCX 8.
 *
 * Exported as `_q71253@44`.
 *
 * @param[in]     uplo      'U' A is upper triangular, 'L' lower triangular
 * @param[in]     trans     'N' op(A) = A, 'T' op(A) = A^T, 'C' op(A) = A^T for real data
 *                          and A^H for complex data
 * @param[in]     diag      'U' unit diagonal (not read), 'N' non-unit
 * @param[in]     n         order of A, >= 0
 * @param[in]     a         the triangular matrix A, LDA by N; the other triangle is not
 *                          read
 * @param[in]     lda       leading dimension of A, >= max(1, N)
 * @param[in,out] x         the vector x, N elements with stride INCX; overwritten by the
 *                          result
 * @param[in]     incx      increment of x, nonzero
 * @param[in]     uplo_len  length of UPLO, >= 1 (only its first character is read)
 * @param[in]     trans_len length of TRANS, >= 1 (only its first character is read)
 * @param[in]     diag_len  length of DIAG, >= 1 (only its first character is read)
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API void KIV_CALL F06PFF(const char* uplo, const char* trans,                /* _q71253@44 */
                             const char* diag, int n, const double* a, int lda, double* x,
                             int incx, int uplo_len, int trans_len, int diag_len);

/**
 * @brief F06PJF with the entry selector: solves op(A) x = b for a real triangular N by N
 *        matrix A (DTRSV).
 *
 * One routine serves the library-name entry F06PJF and the standard-name entry DTRSV used
 * inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q71436@48`.
 *
 * @param[in]     entry     entry selector, 0 (library-name entry) or 1 (standard-name
 *                          entry); the computation is the same
 * @param[in]     uplo      as UPLO of F06PJF
 * @param[in]     trans     as TRANS of F06PJF
 * @param[in]     diag      as DIAG of F06PJF
 * @param[in]     n         as N of F06PJF
 * @param[in]     a         as A of F06PJF
 * @param[in]     lda       as LDA of F06PJF
 * @param[in,out] x         as X of F06PJF
 * @param[in]     incx      as INCX of F06PJF
 * @param[in]     uplo_len  length of UPLO, >= 1 (only its first character is read)
 * @param[in]     trans_len length of TRANS, >= 1 (only its first character is read)
 * @param[in]     diag_len  length of DIAG, >= 1 (only its first character is read)
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API void KIV_CALL F06PJF_DTRSV(int entry, const char* uplo, const char* trans, /* _q71436@48 */
                                   const char* diag, int n, const double* a, int lda,
                                   double* x, int incx, int uplo_len, int trans_len,
                                   int diag_len);

/**
 * @brief Solves op(A) x = b for a real triangular N by N matrix A (DTRSV).
 *
 * No test for singularity is made. An illegal argument ends the process: " ** On entry to
 * F06xxF/NAME parameter number k had an illegal value", the exit line and the hard-failure
 * line are written (k counts the standard arguments from 1, the entry selector not
 * counted). Options are read on their first letter, either case. Positions: UPLO 1, TRANS
 * 2, DIAG 3, N 4, LDA 6, INCX 8.
 *
 * Exported as `_q98372@44`.
 *
 * @param[in]     uplo      'U' A is upper triangular, 'L' lower triangular
 * @param[in]     trans     'N' op(A) = A, 'T' op(A) = A^T, 'C' op(A) = A^T for real data
 *                          and A^H for complex data
 * @param[in]     diag      'U' unit diagonal (not read), 'N' non-unit
 * @param[in]     n         order of A, >= 0
 * @param[in]     a         the triangular matrix A, LDA by N; the other triangle is not
 *                          read
 * @param[in]     lda       leading dimension of A, >= max(1, N)
 * @param[in,out] x         on entry b, on exit x; N elements with stride INCX
 * @param[in]     incx      increment of x, nonzero
 * @param[in]     uplo_len  length of UPLO, >= 1 (only its first character is read)
 * @param[in]     trans_len length of TRANS, >= 1 (only its first character is read)
 * @param[in]     diag_len  length of DIAG, >= 1 (only its first character is read)
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API void KIV_CALL F06PJF(const char* uplo, const char* trans,                /* _q98372@44 */
                             const char* diag, int n, const double* a, int lda, double* x,
                             int incx, int uplo_len, int trans_len, int diag_len);

/**
 * @brief F06PMF with the entry selector: a := alpha x y^T + A for a real M by N matrix A
 *        (DGER).
 *
 * One routine serves the library-name entry F06PMF and the standard-name entry DGER used
 * inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q33512@44`.
 *
 * @param[in]     entry entry selector, 0 (library-name entry) or 1 (standard-name entry);
 *                      the computation is the same
 * @param[in]     m     as M of F06PMF
 * @param[in]     n     as N of F06PMF
 * @param[in]     alpha as ALPHA of F06PMF
 * @param[in]     x     as X of F06PMF
 * @param[in]     incx  as INCX of F06PMF
 * @param[in]     y     as Y of F06PMF
 * @param[in]     incy  as INCY of F06PMF
 * @param[in,out] a     as A of F06PMF
 * @param[in]     lda   as LDA of F06PMF
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API void KIV_CALL F06PMF_DGER(int entry, int m, int n, double alpha,         /* _q33512@44 */
                                  const double* x, int incx, const double* y, int incy,
                                  double* a, int lda);

/**
 * @brief A := alpha x y^T + A for a real M by N matrix A (DGER).
 *
 * An illegal argument ends the process: " ** On entry to F06xxF/NAME parameter number k had
 * an illegal value", the exit line and the hard-failure line are written (k counts the
 * standard arguments from 1, the entry selector not counted). Options are read on their
 * first letter, either case. Positions: M 1, N 2, INCX 5, INCY 7, LDA 9.
 *
 * Exported as `_q43879@40`.
 *
 * @param[in]     m     rows of A, >= 0
 * @param[in]     n     columns of A, >= 0
 * @param[in]     alpha the scalar alpha
 * @param[in]     x     x, M elements with stride INCX
 * @param[in]     incx  increment of x, nonzero
 * @param[in]     y     y, N elements with stride INCY
 * @param[in]     incy  increment of y, nonzero
 * @param[in,out] a     the matrix A, LDA by N
 * @param[in]     lda   leading dimension of A, >= max(1, M)
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API void KIV_CALL F06PMF(int m, int n, double alpha, const double* x,        /* _q43879@40 */
                             int incx, const double* y, int incy, double* a, int lda);

/**
 * @brief F06SAF with the entry selector: y := alpha op(A) x + beta y for a complex M by N
 *        matrix A (ZGEMV).
 *
 * One routine serves the library-name entry F06SAF and the standard-name entry ZGEMV used
 * inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q98077@76`.
 *
 * @param[in]     entry     entry selector, 0 (library-name entry) or 1 (standard-name
 *                          entry); the computation is the same
 * @param[in]     trans     as TRANS of F06SAF
 * @param[in]     m         as M of F06SAF
 * @param[in]     n         as N of F06SAF
 * @param[in]     alpha_re  as ALPHA_RE of F06SAF
 * @param[in]     alpha_im  as ALPHA_IM of F06SAF
 * @param[in]     a         as A of F06SAF
 * @param[in]     lda       as LDA of F06SAF
 * @param[in]     x         as X of F06SAF
 * @param[in]     incx      as INCX of F06SAF
 * @param[in]     beta_re   as BETA_RE of F06SAF
 * @param[in]     beta_im   as BETA_IM of F06SAF
 * @param[in,out] y         as Y of F06SAF
 * @param[in]     incy      as INCY of F06SAF
 * @param[in]     trans_len length of TRANS, >= 1 (only its first character is read)
 * @par Example
 * tests/dense/kernels_test.cpp; the kivhost tour stop "Matrix product through the
 * library-name entry".
 */
KIV_API void KIV_CALL F06SAF_ZGEMV(int entry, const char* trans, int m, int n,   /* _q98077@76 */
                                   double alpha_re, double alpha_im, const kiv2_complex* a,
                                   int lda, const kiv2_complex* x, int incx, double beta_re,
                                   double beta_im, kiv2_complex* y, int incy, int trans_len);

/**
 * @brief y := alpha op(A) x + beta y for a complex M by N matrix A (ZGEMV).
 *
 * Returns at once when M or N is 0, or alpha = 0 and beta = 1. An illegal argument ends the
 * process: " ** On entry to F06xxF/NAME parameter number k had an illegal value", the exit
 * line and the hard-failure line are written (k counts the standard arguments from 1, the
 * entry selector not counted). Options are read on their first letter, either case.
 * Positions: TRANS 1, M 2, N 3, LDA 6, INCX 8, INCY 11.
 *
 * Exported as `_q32210@72`.
 *
 * @param[in]     trans     'N' op(A) = A, 'T' op(A) = A^T, 'C' op(A) = A^T for real data
 *                          and A^H for complex data
 * @param[in]     m         rows of A, >= 0
 * @param[in]     n         columns of A, >= 0
 * @param[in]     alpha_re  real part of alpha
 * @param[in]     alpha_im  imaginary part of alpha
 * @param[in]     a         the matrix A, LDA by N
 * @param[in]     lda       leading dimension of A, >= max(1, M)
 * @param[in]     x         x: N elements for TRANS = N, else M; stride INCX
 * @param[in]     incx      increment of x, nonzero
 * @param[in]     beta_re   real part of beta
 * @param[in]     beta_im   imaginary part of beta; beta = 0 means y need not be set
 * @param[in,out] y         y: M elements for TRANS = N, else N; stride INCY
 * @param[in]     incy      increment of y, nonzero
 * @param[in]     trans_len length of TRANS, >= 1 (only its first character is read)
 * @par Example
 * tests/dense/kernels_test.cpp; the kivhost tour stop "Matrix product through the
 * library-name entry".
 */
KIV_API void KIV_CALL F06SAF(const char* trans, int m, int n, double alpha_re,   /* _q32210@72 */
                             double alpha_im, const kiv2_complex* a, int lda,
                             const kiv2_complex* x, int incx, double beta_re, double beta_im,
                             kiv2_complex* y, int incy, int trans_len);

/**
 * @brief F06SFF with the entry selector: x := op(A) x for a complex triangular N by N
 *        matrix A (ZTRMV).
 *
 * One routine serves the library-name entry F06SFF and the standard-name entry ZTRMV used
 * inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q46238@48`.
 *
 * @param[in]     entry     entry selector, 0 (library-name entry) or 1 (standard-name
 *                          entry); the computation is the same
 * @param[in]     uplo      as UPLO of F06SFF
 * @param[in]     trans     as TRANS of F06SFF
 * @param[in]     diag      as DIAG of F06SFF
 * @param[in]     n         as N of F06SFF
 * @param[in]     a         as A of F06SFF
 * @param[in]     lda       as LDA of F06SFF
 * @param[in,out] x         as X of F06SFF
 * @param[in]     incx      as INCX of F06SFF
 * @param[in]     uplo_len  length of UPLO, >= 1 (only its first character is read)
 * @param[in]     trans_len length of TRANS, >= 1 (only its first character is read)
 * @param[in]     diag_len  length of DIAG, >= 1 (only its first character is read)
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API void KIV_CALL F06SFF_ZTRMV(int entry, const char* uplo, const char* trans, /* _q46238@48 */
                                   const char* diag, int n, const kiv2_complex* a, int lda,
                                   kiv2_complex* x, int incx, int uplo_len, int trans_len,
                                   int diag_len);

/**
 * @brief x := op(A) x for a complex triangular N by N matrix A (ZTRMV).
 *
 * An illegal argument ends the process: " ** On entry to F06xxF/NAME parameter number k had
 * an illegal value", the exit line and the hard-failure line are written (k counts the
 * standard arguments from 1, the entry selector not counted). Options are read on their
 * first letter, either case. Positions: UPLO 1, TRANS 2, DIAG 3, N 4, LDA 6, INCX 8.
 *
 * Exported as `_q44164@44`.
 *
 * @param[in]     uplo      'U' A is upper triangular, 'L' lower triangular
 * @param[in]     trans     'N' op(A) = A, 'T' op(A) = A^T, 'C' op(A) = A^T for real data
 *                          and A^H for complex data
 * @param[in]     diag      'U' unit diagonal (not read), 'N' non-unit
 * @param[in]     n         order of A, >= 0
 * @param[in]     a         the triangular matrix A, LDA by N; the other triangle is not
 *                          read
 * @param[in]     lda       leading dimension of A, >= max(1, N)
 * @param[in,out] x         the vector x, N elements with stride INCX; overwritten by the
 *                          result
 * @param[in]     incx      increment of x, nonzero
 * @param[in]     uplo_len  length of UPLO, >= 1 (only its first character is read)
 * @param[in]     trans_len length of TRANS, >= 1 (only its first character is read)
 * @param[in]     diag_len  length of DIAG, >= 1 (only its first character is read)
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API void KIV_CALL F06SFF(const char* uplo, const char* trans,                /* _q44164@44 */
                             const char* diag, int n, const kiv2_complex* a, int lda,
                             kiv2_complex* x, int incx, int uplo_len, int trans_len,
                             int diag_len);

/**
 * @brief F06SJF with the entry selector: solves op(A) x = b for a complex triangular N by N
 *        matrix A (ZTRSV).
 *
 * One routine serves the library-name entry F06SJF and the standard-name entry ZTRSV used
 * inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q68558@48`.
 *
 * @param[in]     entry     entry selector, 0 (library-name entry) or 1 (standard-name
 *                          entry); the computation is the same
 * @param[in]     uplo      as UPLO of F06SJF
 * @param[in]     trans     as TRANS of F06SJF
 * @param[in]     diag      as DIAG of F06SJF
 * @param[in]     n         as N of F06SJF
 * @param[in]     a         as A of F06SJF
 * @param[in]     lda       as LDA of F06SJF
 * @param[in,out] x         as X of F06SJF
 * @param[in]     incx      as INCX of F06SJF
 * @param[in]     uplo_len  length of UPLO, >= 1 (only its first character is read)
 * @param[in]     trans_len length of TRANS, >= 1 (only its first character is read)
 * @param[in]     diag_len  length of DIAG, >= 1 (only its first character is read)
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API void KIV_CALL F06SJF_ZTRSV(int entry, const char* uplo, const char* trans, /* _q68558@48 */
                                   const char* diag, int n, const kiv2_complex* a, int lda,
                                   kiv2_complex* x, int incx, int uplo_len, int trans_len,
                                   int diag_len);

/**
 * @brief Solves op(A) x = b for a complex triangular N by N matrix A (ZTRSV).
 *
 * No test for singularity is made. An illegal argument ends the process: " ** On entry to
 * F06xxF/NAME parameter number k had an illegal value", the exit line and the hard-failure
 * line are written (k counts the standard arguments from 1, the entry selector not
 * counted). Options are read on their first letter, either case. Positions: UPLO 1, TRANS
 * 2, DIAG 3, N 4, LDA 6, INCX 8.
 *
 * Exported as `_q87857@44`.
 *
 * @param[in]     uplo      'U' A is upper triangular, 'L' lower triangular
 * @param[in]     trans     'N' op(A) = A, 'T' op(A) = A^T, 'C' op(A) = A^T for real data
 *                          and A^H for complex data
 * @param[in]     diag      'U' unit diagonal (not read), 'N' non-unit
 * @param[in]     n         order of A, >= 0
 * @param[in]     a         the triangular matrix A, LDA by N; the other triangle is not
 *                          read
 * @param[in]     lda       leading dimension of A, >= max(1, N)
 * @param[in,out] x         on entry b, on exit x; N elements with stride INCX
 * @param[in]     incx      increment of x, nonzero
 * @param[in]     uplo_len  length of UPLO, >= 1 (only its first character is read)
 * @param[in]     trans_len length of TRANS, >= 1 (only its first character is read)
 * @param[in]     diag_len  length of DIAG, >= 1 (only its first character is read)
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API void KIV_CALL F06SJF(const char* uplo, const char* trans,                /* _q87857@44 */
                             const char* diag, int n, const kiv2_complex* a, int lda,
                             kiv2_complex* x, int incx, int uplo_len, int trans_len,
                             int diag_len);

/**
 * @brief F06SMF with the entry selector: a := alpha x y^T + A for a complex M by N matrix A
 *        (ZGERU, unconjugated).
 *
 * One routine serves the library-name entry F06SMF and the standard-name entry ZGERU used
 * inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q30031@52`.
 *
 * @param[in]     entry    entry selector, 0 (library-name entry) or 1 (standard-name
 *                         entry); the computation is the same
 * @param[in]     m        as M of F06SMF
 * @param[in]     n        as N of F06SMF
 * @param[in]     alpha_re as ALPHA_RE of F06SMF
 * @param[in]     alpha_im as ALPHA_IM of F06SMF
 * @param[in]     x        as X of F06SMF
 * @param[in]     incx     as INCX of F06SMF
 * @param[in]     y        as Y of F06SMF
 * @param[in]     incy     as INCY of F06SMF
 * @param[in,out] a        as A of F06SMF
 * @param[in]     lda      as LDA of F06SMF
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API void KIV_CALL F06SMF_ZGERU(int entry, int m, int n, double alpha_re,     /* _q30031@52 */
                                   double alpha_im, const kiv2_complex* x, int incx,
                                   const kiv2_complex* y, int incy, kiv2_complex* a, int lda);

/**
 * @brief A := alpha x y^T + A for a complex M by N matrix A (ZGERU, unconjugated).
 *
 * An illegal argument ends the process: " ** On entry to F06xxF/NAME parameter number k had
 * an illegal value", the exit line and the hard-failure line are written (k counts the
 * standard arguments from 1, the entry selector not counted). Options are read on their
 * first letter, either case. Positions: M 1, N 2, INCX 5, INCY 7, LDA 9.
 *
 * Exported as `_q40711@48`.
 *
 * @param[in]     m        rows of A, >= 0
 * @param[in]     n        columns of A, >= 0
 * @param[in]     alpha_re real part of alpha
 * @param[in]     alpha_im imaginary part of alpha
 * @param[in]     x        x, M elements with stride INCX
 * @param[in]     incx     increment of x, nonzero
 * @param[in]     y        y, N elements with stride INCY
 * @param[in]     incy     increment of y, nonzero
 * @param[in,out] a        the matrix A, LDA by N
 * @param[in]     lda      leading dimension of A, >= max(1, M)
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API void KIV_CALL F06SMF(int m, int n, double alpha_re, double alpha_im,     /* _q40711@48 */
                             const kiv2_complex* x, int incx, const kiv2_complex* y, int incy,
                             kiv2_complex* a, int lda);

/**
 * @brief F06SNF with the entry selector: a := alpha x y^H + A for a complex M by N matrix A
 *        (ZGERC, conjugated).
 *
 * One routine serves the library-name entry F06SNF and the standard-name entry ZGERC used
 * inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q44382@52`.
 *
 * @param[in]     entry    entry selector, 0 (library-name entry) or 1 (standard-name
 *                         entry); the computation is the same
 * @param[in]     m        as M of F06SNF
 * @param[in]     n        as N of F06SNF
 * @param[in]     alpha_re as ALPHA_RE of F06SNF
 * @param[in]     alpha_im as ALPHA_IM of F06SNF
 * @param[in]     x        as X of F06SNF
 * @param[in]     incx     as INCX of F06SNF
 * @param[in]     y        as Y of F06SNF
 * @param[in]     incy     as INCY of F06SNF
 * @param[in,out] a        as A of F06SNF
 * @param[in]     lda      as LDA of F06SNF
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API void KIV_CALL F06SNF_ZGERC(int entry, int m, int n, double alpha_re,     /* _q44382@52 */
                                   double alpha_im, const kiv2_complex* x, int incx,
                                   const kiv2_complex* y, int incy, kiv2_complex* a, int lda);

/**
 * @brief A := alpha x y^H + A for a complex M by N matrix A (ZGERC, conjugated).
 *
 * An illegal argument ends the process: " ** On entry to F06xxF/NAME parameter number k had
 * an illegal value", the exit line and the hard-failure line are written (k counts the
 * standard arguments from 1, the entry selector not counted). Options are read on their
 * first letter, either case. Positions: M 1, N 2, INCX 5, INCY 7, LDA 9.
 *
 * Exported as `_q28005@48`.
 *
 * @param[in]     m        rows of A, >= 0
 * @param[in]     n        columns of A, >= 0
 * @param[in]     alpha_re real part of alpha
 * @param[in]     alpha_im imaginary part of alpha
 * @param[in]     x        x, M elements with stride INCX
 * @param[in]     incx     increment of x, nonzero
 * @param[in]     y        y, N elements with stride INCY
 * @param[in]     incy     increment of y, nonzero
 * @param[in,out] a        the matrix A, LDA by N
 * @param[in]     lda      leading dimension of A, >= max(1, M)
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API void KIV_CALL F06SNF(int m, int n, double alpha_re, double alpha_im,     /* _q28005@48 */
                             const kiv2_complex* x, int incx, const kiv2_complex* y, int incy,
                             kiv2_complex* a, int lda);

/**
 * @brief F06YAF with the entry selector: c := alpha op(A) op(B) + beta C for real matrices,
 *        C M by N (DGEMM).
 *
 * One routine serves the library-name entry F06YAF and the standard-name entry DGEMM used
 * inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q47424@72`.
 *
 * @param[in]     entry      entry selector, 0 (library-name entry) or 1 (standard-name
 *                           entry); the computation is the same
 * @param[in]     transa     as TRANSA of F06YAF
 * @param[in]     transb     as TRANSB of F06YAF
 * @param[in]     m          as M of F06YAF
 * @param[in]     n          as N of F06YAF
 * @param[in]     k          as K of F06YAF
 * @param[in]     alpha      as ALPHA of F06YAF
 * @param[in]     a          as A of F06YAF
 * @param[in]     lda        as LDA of F06YAF
 * @param[in]     b          as B of F06YAF
 * @param[in]     ldb        as LDB of F06YAF
 * @param[in]     beta       as BETA of F06YAF
 * @param[in,out] c          as C of F06YAF
 * @param[in]     ldc        as LDC of F06YAF
 * @param[in]     transa_len length of TRANSA, >= 1 (only its first character is read)
 * @param[in]     transb_len length of TRANSB, >= 1 (only its first character is read)
 * @par Example
 * tests/dense/kernels_test.cpp; the kivhost tour stop "Matrix product through the
 * library-name entry".
 */
KIV_API void KIV_CALL F06YAF_DGEMM(int entry, const char* transa,                /* _q47424@72 */
                                   const char* transb, int m, int n, int k, double alpha,
                                   const double* a, int lda, const double* b, int ldb,
                                   double beta, double* c, int ldc, int transa_len,
                                   int transb_len);

/**
 * @brief C := alpha op(A) op(B) + beta C for real matrices, C M by N (DGEMM).
 *
 * An illegal argument ends the process: " ** On entry to F06xxF/NAME parameter number k had
 * an illegal value", the exit line and the hard-failure line are written (k counts the
 * standard arguments from 1, the entry selector not counted). Options are read on their
 * first letter, either case. Positions: TRANSA 1, TRANSB 2, M 3, N 4, K 5, LDA 8, LDB 10,
 * LDC 13.
 *
 * Exported as `_q17700@68`.
 *
 * @param[in]     transa     op(A): 'N' A, 'T' or 'C' A^T (A^H for complex data)
 * @param[in]     transb     op(B): 'N' B, 'T' or 'C' B^T (B^H for complex data)
 * @param[in]     m          rows of op(A) and C, >= 0
 * @param[in]     n          columns of op(B) and C, >= 0
 * @param[in]     k          columns of op(A) and rows of op(B), >= 0
 * @param[in]     alpha      the scalar alpha
 * @param[in]     a          A: M by K when TRANSA = N, else K by M
 * @param[in]     lda        leading dimension of A, >= max(1, rows of A)
 * @param[in]     b          B: K by N when TRANSB = N, else N by K
 * @param[in]     ldb        leading dimension of B, >= max(1, rows of B)
 * @param[in]     beta       the scalar beta; beta = 0 means C need not be set on entry
 * @param[in,out] c          the matrix C, LDC by N
 * @param[in]     ldc        leading dimension of C, >= max(1, M)
 * @param[in]     transa_len length of TRANSA, >= 1 (only its first character is read)
 * @param[in]     transb_len length of TRANSB, >= 1 (only its first character is read)
 * @par Example
 * tests/dense/kernels_test.cpp; the kivhost tour stop "Matrix product through the
 * library-name entry".
 */
KIV_API void KIV_CALL F06YAF(const char* transa, const char* transb, int m,      /* _q17700@68 */
                             int n, int k, double alpha, const double* a, int lda,
                             const double* b, int ldb, double beta, double* c, int ldc,
                             int transa_len, int transb_len);

/**
 * @brief F06YJF with the entry selector: solves op(A) X = alpha B (SIDE = L) or X op(A) =
 *        alpha B (SIDE = R) for X, A real triangular, B M by N (DTRSM).
 *
 * One routine serves the library-name entry F06YJF and the standard-name entry DTRSM used
 * inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q81191@68`.
 *
 * @param[in]     entry      entry selector, 0 (library-name entry) or 1 (standard-name
 *                           entry); the computation is the same
 * @param[in]     side       as SIDE of F06YJF
 * @param[in]     uplo       as UPLO of F06YJF
 * @param[in]     transa     as TRANSA of F06YJF
 * @param[in]     diag       as DIAG of F06YJF
 * @param[in]     m          as M of F06YJF
 * @param[in]     n          as N of F06YJF
 * @param[in]     alpha      as ALPHA of F06YJF
 * @param[in]     a          as A of F06YJF
 * @param[in]     lda        as LDA of F06YJF
 * @param[in,out] b          as B of F06YJF
 * @param[in]     ldb        as LDB of F06YJF
 * @param[in]     side_len   length of SIDE, >= 1 (only its first character is read)
 * @param[in]     uplo_len   length of UPLO, >= 1 (only its first character is read)
 * @param[in]     transa_len length of TRANSA, >= 1 (only its first character is read)
 * @param[in]     diag_len   length of DIAG, >= 1 (only its first character is read)
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API void KIV_CALL F06YJF_DTRSM(int entry, const char* side, const char* uplo, /* _q81191@68 */
                                   const char* transa, const char* diag, int m, int n,
                                   double alpha, const double* a, int lda, double* b, int ldb,
                                   int side_len, int uplo_len, int transa_len, int diag_len);

/**
 * @brief Solves op(A) X = alpha B (SIDE = L) or X op(A) = alpha B (SIDE = R) for X, A real
 *        triangular, B M by N (DTRSM).
 *
 * X overwrites B. No test for singularity is made. An illegal argument ends the process: "
 * ** On entry to F06xxF/NAME parameter number k had an illegal value", the exit line and
 * the hard-failure line are written (k counts the standard arguments from 1, the entry
 * selector not counted). Options are read on their first letter, either case. Positions:
 * SIDE 1, UPLO 2, TRANSA 3, DIAG 4, M 5, N 6, LDA 9, LDB 11.
 *
 * Exported as `_q87710@64`.
 *
 * @param[in]     side       'L' op(A) on the left (A is M by M), 'R' on the right (A is N
 *                           by N)
 * @param[in]     uplo       'U' A is upper triangular, 'L' lower triangular
 * @param[in]     transa     'N' op(A) = A, 'T' op(A) = A^T, 'C' op(A) = A^T for real data
 *                           and A^H for complex data
 * @param[in]     diag       'U' unit diagonal (not read), 'N' non-unit
 * @param[in]     m          rows of B, >= 0
 * @param[in]     n          columns of B, >= 0
 * @param[in]     alpha      the scalar alpha; alpha = 0 sets B to zero without reading A
 * @param[in]     a          the triangular matrix A, LDA by M (SIDE = L) or by N (SIDE = R)
 * @param[in]     lda        leading dimension of A, >= max(1, order of A)
 * @param[in,out] b          on entry B, on exit X; LDB by N
 * @param[in]     ldb        leading dimension of B, >= max(1, M)
 * @param[in]     side_len   length of SIDE, >= 1 (only its first character is read)
 * @param[in]     uplo_len   length of UPLO, >= 1 (only its first character is read)
 * @param[in]     transa_len length of TRANSA, >= 1 (only its first character is read)
 * @param[in]     diag_len   length of DIAG, >= 1 (only its first character is read)
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API void KIV_CALL F06YJF(const char* side, const char* uplo,                 /* _q87710@64 */
                             const char* transa, const char* diag, int m, int n,
                             double alpha, const double* a, int lda, double* b, int ldb,
                             int side_len, int uplo_len, int transa_len, int diag_len);

/**
 * @brief F06ZAF with the entry selector: c := alpha op(A) op(B) + beta C for complex
 *        matrices, C M by N (ZGEMM).
 *
 * One routine serves the library-name entry F06ZAF and the standard-name entry ZGEMM used
 * inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q86425@88`.
 *
 * @param[in]     entry      entry selector, 0 (library-name entry) or 1 (standard-name
 *                           entry); the computation is the same
 * @param[in]     transa     as TRANSA of F06ZAF
 * @param[in]     transb     as TRANSB of F06ZAF
 * @param[in]     m          as M of F06ZAF
 * @param[in]     n          as N of F06ZAF
 * @param[in]     k          as K of F06ZAF
 * @param[in]     alpha_re   as ALPHA_RE of F06ZAF
 * @param[in]     alpha_im   as ALPHA_IM of F06ZAF
 * @param[in]     a          as A of F06ZAF
 * @param[in]     lda        as LDA of F06ZAF
 * @param[in]     b          as B of F06ZAF
 * @param[in]     ldb        as LDB of F06ZAF
 * @param[in]     beta_re    as BETA_RE of F06ZAF
 * @param[in]     beta_im    as BETA_IM of F06ZAF
 * @param[in,out] c          as C of F06ZAF
 * @param[in]     ldc        as LDC of F06ZAF
 * @param[in]     transa_len length of TRANSA, >= 1 (only its first character is read)
 * @param[in]     transb_len length of TRANSB, >= 1 (only its first character is read)
 * @par Example
 * tests/dense/kernels_test.cpp; the kivhost tour stop "Matrix product through the
 * library-name entry".
 */
KIV_API void KIV_CALL F06ZAF_ZGEMM(int entry, const char* transa,                /* _q86425@88 */
                                   const char* transb, int m, int n, int k, double alpha_re,
                                   double alpha_im, const kiv2_complex* a, int lda,
                                   const kiv2_complex* b, int ldb, double beta_re,
                                   double beta_im, kiv2_complex* c, int ldc, int transa_len,
                                   int transb_len);

/**
 * @brief C := alpha op(A) op(B) + beta C for complex matrices, C M by N (ZGEMM).
 *
 * An illegal argument ends the process: " ** On entry to F06xxF/NAME parameter number k had
 * an illegal value", the exit line and the hard-failure line are written (k counts the
 * standard arguments from 1, the entry selector not counted). Options are read on their
 * first letter, either case. Positions: TRANSA 1, TRANSB 2, M 3, N 4, K 5, LDA 8, LDB 10,
 * LDC 13.
 *
 * Exported as `_q49300@84`.
 *
 * @param[in]     transa     op(A): 'N' A, 'T' or 'C' A^T (A^H for complex data)
 * @param[in]     transb     op(B): 'N' B, 'T' or 'C' B^T (B^H for complex data)
 * @param[in]     m          rows of op(A) and C, >= 0
 * @param[in]     n          columns of op(B) and C, >= 0
 * @param[in]     k          columns of op(A) and rows of op(B), >= 0
 * @param[in]     alpha_re   real part of alpha
 * @param[in]     alpha_im   imaginary part of alpha
 * @param[in]     a          A: M by K when TRANSA = N, else K by M
 * @param[in]     lda        leading dimension of A, >= max(1, rows of A)
 * @param[in]     b          B: K by N when TRANSB = N, else N by K
 * @param[in]     ldb        leading dimension of B, >= max(1, rows of B)
 * @param[in]     beta_re    real part of beta
 * @param[in]     beta_im    imaginary part of beta; beta = 0 means C need not be set
 * @param[in,out] c          the matrix C, LDC by N
 * @param[in]     ldc        leading dimension of C, >= max(1, M)
 * @param[in]     transa_len length of TRANSA, >= 1 (only its first character is read)
 * @param[in]     transb_len length of TRANSB, >= 1 (only its first character is read)
 * @par Example
 * tests/dense/kernels_test.cpp; the kivhost tour stop "Matrix product through the
 * library-name entry".
 */
KIV_API void KIV_CALL F06ZAF(const char* transa, const char* transb, int m,      /* _q49300@84 */
                             int n, int k, double alpha_re, double alpha_im,
                             const kiv2_complex* a, int lda, const kiv2_complex* b, int ldb,
                             double beta_re, double beta_im, kiv2_complex* c, int ldc,
                             int transa_len, int transb_len);

/**
 * @brief F06ZJF with the entry selector: solves op(A) X = alpha B or X op(A) = alpha B for
 *        X, A complex triangular (ZTRSM).
 *
 * One routine serves the library-name entry F06ZJF and the standard-name entry ZTRSM used
 * inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q45618@76`.
 *
 * @param[in]     entry      entry selector, 0 (library-name entry) or 1 (standard-name
 *                           entry); the computation is the same
 * @param[in]     side       as SIDE of F06ZJF
 * @param[in]     uplo       as UPLO of F06ZJF
 * @param[in]     transa     as TRANSA of F06ZJF
 * @param[in]     diag       as DIAG of F06ZJF
 * @param[in]     m          as M of F06ZJF
 * @param[in]     n          as N of F06ZJF
 * @param[in]     alpha_re   as ALPHA_RE of F06ZJF
 * @param[in]     alpha_im   as ALPHA_IM of F06ZJF
 * @param[in]     a          as A of F06ZJF
 * @param[in]     lda        as LDA of F06ZJF
 * @param[in,out] b          as B of F06ZJF
 * @param[in]     ldb        as LDB of F06ZJF
 * @param[in]     side_len   length of SIDE, >= 1 (only its first character is read)
 * @param[in]     uplo_len   length of UPLO, >= 1 (only its first character is read)
 * @param[in]     transa_len length of TRANSA, >= 1 (only its first character is read)
 * @param[in]     diag_len   length of DIAG, >= 1 (only its first character is read)
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API void KIV_CALL F06ZJF_ZTRSM(int entry, const char* side, const char* uplo, /* _q45618@76 */
                                   const char* transa, const char* diag, int m, int n,
                                   double alpha_re, double alpha_im, const kiv2_complex* a,
                                   int lda, kiv2_complex* b, int ldb, int side_len,
                                   int uplo_len, int transa_len, int diag_len);

/**
 * @brief Solves op(A) X = alpha B or X op(A) = alpha B for X, A complex triangular (ZTRSM).
 *
 * X overwrites B. No test for singularity is made. An illegal argument ends the process: "
 * ** On entry to F06xxF/NAME parameter number k had an illegal value", the exit line and
 * the hard-failure line are written (k counts the standard arguments from 1, the entry
 * selector not counted). Options are read on their first letter, either case. Positions:
 * SIDE 1, UPLO 2, TRANSA 3, DIAG 4, M 5, N 6, LDA 9, LDB 11.
 *
 * Exported as `_q68419@72`.
 *
 * @param[in]     side       'L' op(A) on the left (A is M by M), 'R' on the right (A is N
 *                           by N)
 * @param[in]     uplo       'U' A is upper triangular, 'L' lower triangular
 * @param[in]     transa     'N' op(A) = A, 'T' op(A) = A^T, 'C' op(A) = A^T for real data
 *                           and A^H for complex data
 * @param[in]     diag       'U' unit diagonal (not read), 'N' non-unit
 * @param[in]     m          rows of B, >= 0
 * @param[in]     n          columns of B, >= 0
 * @param[in]     alpha_re   real part of alpha
 * @param[in]     alpha_im   imaginary part of alpha
 * @param[in]     a          the triangular matrix A, LDA by M (SIDE = L) or by N (SIDE = R)
 * @param[in]     lda        leading dimension of A, >= max(1, order of A)
 * @param[in,out] b          on entry B, on exit X; LDB by N
 * @param[in]     ldb        leading dimension of B, >= max(1, M)
 * @param[in]     side_len   length of SIDE, >= 1 (only its first character is read)
 * @param[in]     uplo_len   length of UPLO, >= 1 (only its first character is read)
 * @param[in]     transa_len length of TRANSA, >= 1 (only its first character is read)
 * @param[in]     diag_len   length of DIAG, >= 1 (only its first character is read)
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API void KIV_CALL F06ZJF(const char* side, const char* uplo,                 /* _q68419@72 */
                             const char* transa, const char* diag, int m, int n,
                             double alpha_re, double alpha_im, const kiv2_complex* a, int lda,
                             kiv2_complex* b, int ldb, int side_len, int uplo_len,
                             int transa_len, int diag_len);

/**
 * @brief F06ZPF with the entry selector: c := alpha A A^H + beta C (TRANS = N) or alpha A^H
 *        A + beta C (TRANS = C), C complex Hermitian N by N (ZHERK).
 *
 * One routine serves the library-name entry F06ZPF and the standard-name entry ZHERK used
 * inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q58284@60`.
 *
 * @param[in]     entry     entry selector, 0 (library-name entry) or 1 (standard-name
 *                          entry); the computation is the same
 * @param[in]     uplo      as UPLO of F06ZPF
 * @param[in]     trans     as TRANS of F06ZPF
 * @param[in]     n         as N of F06ZPF
 * @param[in]     k         as K of F06ZPF
 * @param[in]     alpha     as ALPHA of F06ZPF
 * @param[in]     a         as A of F06ZPF
 * @param[in]     lda       as LDA of F06ZPF
 * @param[in]     beta      as BETA of F06ZPF
 * @param[in,out] c         as C of F06ZPF
 * @param[in]     ldc       as LDC of F06ZPF
 * @param[in]     uplo_len  length of UPLO, >= 1 (only its first character is read)
 * @param[in]     trans_len length of TRANS, >= 1 (only its first character is read)
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API void KIV_CALL F06ZPF_ZHERK(int entry, const char* uplo, const char* trans, /* _q58284@60 */
                                   int n, int k, double alpha, const kiv2_complex* a, int lda,
                                   double beta, kiv2_complex* c, int ldc, int uplo_len,
                                   int trans_len);

/**
 * @brief C := alpha A A^H + beta C (TRANS = N) or alpha A^H A + beta C (TRANS = C), C
 *        complex Hermitian N by N (ZHERK).
 *
 * Only the triangle UPLO of C is referenced; the imaginary parts of its diagonal are set to
 * zero. An illegal argument ends the process: " ** On entry to F06xxF/NAME parameter number
 * k had an illegal value", the exit line and the hard-failure line are written (k counts
 * the standard arguments from 1, the entry selector not counted). Options are read on their
 * first letter, either case. Positions: UPLO 1, TRANS 2, N 3, K 4, LDA 7, LDC 10.
 *
 * Exported as `_q79440@56`.
 *
 * @param[in]     uplo      'U' the upper triangle of C is used, 'L' the lower
 * @param[in]     trans     'N' C := alpha A A^H + beta C, 'C' C := alpha A^H A + beta C
 *                          ('T' is illegal)
 * @param[in]     n         order of C, >= 0
 * @param[in]     k         columns of A (TRANS = N) or rows of A (TRANS = C), >= 0
 * @param[in]     alpha     the real scalar alpha
 * @param[in]     a         A: N by K when TRANS = N, else K by N
 * @param[in]     lda       leading dimension of A, >= max(1, rows of A)
 * @param[in]     beta      the real scalar beta
 * @param[in,out] c         the Hermitian matrix C, LDC by N
 * @param[in]     ldc       leading dimension of C, >= max(1, N)
 * @param[in]     uplo_len  length of UPLO, >= 1 (only its first character is read)
 * @param[in]     trans_len length of TRANS, >= 1 (only its first character is read)
 * @par Example
 * tests/dense/kernels_test.cpp.
 */
KIV_API void KIV_CALL F06ZPF(const char* uplo, const char* trans, int n, int k,  /* _q79440@56 */
                             double alpha, const kiv2_complex* a, int lda, double beta,
                             kiv2_complex* c, int ldc, int uplo_len, int trans_len);

/**
 * @brief F07ADF with the entry selector: lU factorisation with partial pivoting, A = P L U,
 *        of a real M by N matrix (DGETRF).
 *
 * One routine serves the library-name entry F07ADF and the standard-name entry DGETRF used
 * inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q91085@28`.
 *
 * @param[in]     entry entry selector, 0 (library-name entry) or 1 (standard-name entry);
 *                      the computation is the same
 * @param[in]     m     as M of F07ADF
 * @param[in]     n     as N of F07ADF
 * @param[in,out] a     as A of F07ADF
 * @param[in]     lda   as LDA of F07ADF
 * @param[out]    ipiv  as IPIV of F07ADF
 * @param[out]    info  as INFO of F07ADF
 * @par Example
 * tests/dense/factorise_test.cpp; the kivhost tour stop "LU factorisation and inverse".
 */
KIV_API void KIV_CALL F07ADF_DGETRF(int entry, int m, int n, double* a, int lda,  /* _q91085@28 */
                                    int* ipiv, int* info);

/**
 * @brief LU factorisation with partial pivoting, A = P L U, of a real M by N matrix
 *        (DGETRF).
 *
 * An illegal argument sets INFO = -k (k its position in the standard argument list, the
 * entry selector not counted) and returns without writing anything. The block size is
 * parameter 1 of "F07ADF" in the tuning store (initially 1: unblocked).
 *
 * Exported as `_q96872@24`.
 *
 * @param[in]     m    rows of A, >= 0
 * @param[in]     n    columns of A, >= 0
 * @param[in,out] a    on entry A, on exit L (unit diagonal not stored) and U; LDA by N
 * @param[in]     lda  leading dimension of A, >= max(1, M)
 * @param[out]    ipiv min(M, N) pivot indices: row i was interchanged with row IPIV(i)
 * @param[out]    info 0 success; -k argument k illegal; i > 0 U(i,i) is exactly zero (the
 *                     factorisation is complete, U singular)
 * @par Example
 * tests/dense/factorise_test.cpp; the kivhost tour stop "LU factorisation and inverse".
 */
KIV_API void KIV_CALL F07ADF(int m, int n, double* a, int lda, int* ipiv,        /* _q96872@24 */
                             int* info);

/**
 * @brief F07ARF with the entry selector: lU factorisation with partial pivoting, A = P L U,
 *        of a complex M by N matrix (ZGETRF).
 *
 * One routine serves the library-name entry F07ARF and the standard-name entry ZGETRF used
 * inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q33249@28`.
 *
 * @param[in]     entry entry selector, 0 (library-name entry) or 1 (standard-name entry);
 *                      the computation is the same
 * @param[in]     m     as M of F07ARF
 * @param[in]     n     as N of F07ARF
 * @param[in,out] a     as A of F07ARF
 * @param[in]     lda   as LDA of F07ARF
 * @param[out]    ipiv  as IPIV of F07ARF
 * @param[out]    info  as INFO of F07ARF
 * @par Example
 * tests/dense/factorise_test.cpp; the kivhost tour stop "LU factorisation and inverse".
 */
KIV_API void KIV_CALL F07ARF_ZGETRF(int entry, int m, int n, kiv2_complex* a,    /* _q33249@28 */
                                    int lda, int* ipiv, int* info);

/**
 * @brief LU factorisation with partial pivoting, A = P L U, of a complex M by N matrix
 *        (ZGETRF).
 *
 * An illegal argument sets INFO = -k (k its position in the standard argument list, the
 * entry selector not counted) and returns without writing anything. The block size is
 * parameter 1 of "F07ARF" in the tuning store.
 *
 * Exported as `_q81169@24`.
 *
 * @param[in]     m    rows of A, >= 0
 * @param[in]     n    columns of A, >= 0
 * @param[in,out] a    on entry A, on exit L (unit diagonal not stored) and U; LDA by N
 * @param[in]     lda  leading dimension of A, >= max(1, M)
 * @param[out]    ipiv min(M, N) pivot indices: row i was interchanged with row IPIV(i)
 * @param[out]    info 0 success; -k argument k illegal; i > 0 U(i,i) is exactly zero (the
 *                     factorisation is complete, U singular)
 * @par Example
 * tests/dense/factorise_test.cpp; the kivhost tour stop "LU factorisation and inverse".
 */
KIV_API void KIV_CALL F07ARF(int m, int n, kiv2_complex* a, int lda, int* ipiv,  /* _q81169@24 */
                             int* info);

/**
 * @brief F07FRF with the entry selector: cholesky factorisation A = U^H U or L L^H of a
 *        complex Hermitian positive definite matrix (ZPOTRF).
 *
 * One routine serves the library-name entry F07FRF and the standard-name entry ZPOTRF used
 * inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q11772@28`.
 *
 * @param[in]     entry    entry selector, 0 (library-name entry) or 1 (standard-name
 *                         entry); the computation is the same
 * @param[in]     uplo     as UPLO of F07FRF
 * @param[in]     n        as N of F07FRF
 * @param[in,out] a        as A of F07FRF
 * @param[in]     lda      as LDA of F07FRF
 * @param[out]    info     as INFO of F07FRF
 * @param[in]     uplo_len length of UPLO, >= 1 (only its first character is read)
 * @par Example
 * tests/dense/factorise_test.cpp.
 */
KIV_API void KIV_CALL F07FRF_ZPOTRF(int entry, const char* uplo, int n,          /* _q11772@28 */
                                    kiv2_complex* a, int lda, int* info, int uplo_len);

/**
 * @brief Cholesky factorisation A = U^H U or L L^H of a complex Hermitian positive definite
 *        matrix (ZPOTRF).
 *
 * An illegal argument sets INFO = -k (k its position in the standard argument list, the
 * entry selector not counted) and returns without writing anything. The block size is
 * parameter 1 of "F07FRF" in the tuning store.
 *
 * Exported as `_q23606@24`.
 *
 * @param[in]     uplo     'U' the upper triangle of A is stored and U returned, 'L' the
 *                         lower and L
 * @param[in]     n        order of A, >= 0
 * @param[in,out] a        on entry the triangle UPLO of A, on exit its factor; LDA by N
 * @param[in]     lda      leading dimension of A, >= max(1, N)
 * @param[out]    info     0 success; -k argument k illegal; i > 0 the leading minor of
 *                         order i is not positive definite
 * @param[in]     uplo_len length of UPLO, >= 1 (only its first character is read)
 * @par Example
 * tests/dense/factorise_test.cpp.
 */
KIV_API void KIV_CALL F07FRF(const char* uplo, int n, kiv2_complex* a, int lda,  /* _q23606@24 */
                             int* info, int uplo_len);

/**
 * @brief Unblocked Cholesky factorisation of a complex Hermitian positive definite matrix
 *        (ZPOTF2).
 *
 * An illegal argument sets INFO = -k (k its position in the standard argument list, the
 * entry selector not counted) and returns without writing anything. The block size is
 * parameter 1 of "F07FRF" in the tuning store.
 *
 * Exported as `_q87871@24`.
 *
 * @param[in]     uplo     'U' the upper triangle of A is stored and U returned, 'L' the
 *                         lower and L
 * @param[in]     n        order of A, >= 0
 * @param[in,out] a        on entry the triangle UPLO of A, on exit its factor; LDA by N
 * @param[in]     lda      leading dimension of A, >= max(1, N)
 * @param[out]    info     0 success; -k argument k illegal; i > 0 the leading minor of
 *                         order i is not positive definite
 * @param[in]     uplo_len length of UPLO, >= 1 (only its first character is read)
 * @par Example
 * tests/dense/factorise_test.cpp.
 */
KIV_API void KIV_CALL F07FRZ(const char* uplo, int n, kiv2_complex* a, int lda,  /* _q87871@24 */
                             int* info, int uplo_len);

/**
 * @brief LU factorisation with partial pivoting of a real matrix, the pivots stored as
 *        doubles.
 *
 * An illegal argument sets INFO = -k (k its position in the standard argument list, the
 * entry selector not counted) and returns without writing anything. The block size is
 * parameter 1 of "F07ADF" in the tuning store (initially 1: unblocked).
 *
 * Exported as `_q47409@24`.
 *
 * @param[in]     m    rows of A, >= 0
 * @param[in]     n    columns of A, >= 0
 * @param[in,out] a    on entry A, on exit L (unit diagonal not stored) and U; LDA by N
 * @param[in]     lda  leading dimension of A, >= max(1, M)
 * @param[out]    piv  min(M, N) pivots as doubles: PIV(i) is the row interchanged with row
 *                     i
 * @param[out]    info 0 success; -k argument k illegal; i > 0 U(i,i) is exactly zero (the
 *                     factorisation is complete, U singular)
 * @par Example
 * tests/dense/factorise_test.cpp; the kivhost tour stop "LU factorisation and inverse".
 */
KIV_API void KIV_CALL F07ADG(int m, int n, double* a, int lda, double* piv,      /* _q47409@24 */
                             int* info);

/**
 * @brief Reads or sets a tuning parameter of a factorisation or eigenvalue routine.
 *
 * Parameter 1 is the block size (initially 1 everywhere: unblocked); parameters 4 and 8 of
 * "F08PEF" and "F08PSF" choose the Hessenberg QR variant. Values set persist for the
 * process.
 *
 * Exported as `_q23883@20`.
 *
 * @param[in]     ispec    the parameter, 1 to 8
 * @param[in]     name     library name of the routine, such as "F07ADF" or "F08PEF"
 * @param[in,out] ival     the value read (RWFLAG = 0) or to be set; on a read, -1 when
 *                         ISPEC is outside 1 to 8 and -2 when NAME has no slot
 * @param[in]     rwflag   0 reads, any other value sets
 * @param[in]     name_len length of NAME; its first 6 characters are read, in either case
 *                         (a shorter name has no slot)
 * @par Example
 * the kivhost tour stop "The tuning store".
 */
KIV_API void KIV_CALL TUNING_STORE(int ispec, const char* name, int* ival,       /* _q23883@20 */
                                   int rwflag, int name_len);

/**
 * @brief X := inverse of a real N by N matrix A, every argument by address.
 *
 * A is overwritten by its LU factors. Errors go through the IFAIL convention without
 * message lines.
 *
 * Exported as `_q36053@28`.
 *
 * @param[in,out] a     on entry A, on exit its LU factors; IA by N
 * @param[in]     ia    leading dimension of A, >= max(1, N)
 * @param[in]     n     order of A, >= 0
 * @param[out]    x     the inverse, IX by N
 * @param[in]     ix    leading dimension of X, >= max(1, N)
 * @param[out]    piv   N pivots as doubles (see F07ADG)
 * @param[in,out] ifail on entry how an error is reported (see the header's introduction);
 *                      on exit 0 or the error number
 * @return the final IFAIL
 * @par IFAIL
 * - 1: A is singular (an exactly zero pivot)
 * - 2: N < 0, IA < max(1, N) or IX < max(1, N)
 * @par Example
 * the kivhost tour stop "LU factorisation and inverse".
 */
KIV_API int KIV_CALL F01AAZ_BYREF(double* a, const int* ia, const int* n,        /* _q36053@28 */
                                  double* x, const int* ix, double* piv, int* ifail);

/**
 * @brief F08PEF with the entry selector: eigenvalues, and optionally the Schur form and
 *        Schur vectors, of a real upper Hessenberg matrix H (DHSEQR).
 *
 * One routine serves the library-name entry F08PEF and the standard-name entry DHSEQR used
 * inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q93513@68`.
 *
 * @param[in]     entry     entry selector, 0 (library-name entry) or 1 (standard-name
 *                          entry); the computation is the same
 * @param[in]     job       as JOB of F08PEF
 * @param[in]     compz     as COMPZ of F08PEF
 * @param[in]     n         as N of F08PEF
 * @param[in]     ilo       as ILO of F08PEF
 * @param[in]     ihi       as IHI of F08PEF
 * @param[in,out] h         as H of F08PEF
 * @param[in]     ldh       as LDH of F08PEF
 * @param[out]    wr        as WR of F08PEF
 * @param[out]    wi        as WI of F08PEF
 * @param[in,out] z         as Z of F08PEF
 * @param[in]     ldz       as LDZ of F08PEF
 * @param[out]    work      as WORK of F08PEF
 * @param[in]     lwork     as LWORK of F08PEF
 * @param[out]    info      as INFO of F08PEF
 * @param[in]     job_len   length of JOB, >= 1 (only its first character is read)
 * @param[in]     compz_len length of COMPZ, >= 1 (only its first character is read)
 * @par Workspace
 * WORK: max(1, N) doubles.
 * @par Example
 * tests/dense/eigen_test.cpp; the kivhost tour stop "Hessenberg QR eigenvalues".
 */
KIV_API void KIV_CALL F08PEF_DHSEQR(int entry, const char* job,                  /* _q93513@68 */
                                    const char* compz, int n, int ilo, int ihi, double* h,
                                    int ldh, double* wr, double* wi, double* z, int ldz,
                                    double* work, int lwork, int* info, int job_len,
                                    int compz_len);

/**
 * @brief Eigenvalues, and optionally the Schur form and Schur vectors, of a real upper
 *        Hessenberg matrix H (DHSEQR).
 *
 * An illegal argument sets INFO = -k (k its position in the standard argument list, the
 * entry selector not counted) and returns without writing anything. Positions: JOB 1, COMPZ
 * 2, N 3, ILO 4, IHI 5, LDH 7, LDZ 11, LWORK 13. With the initial tuning values the Francis
 * double-shift QR runs on the active block.
 *
 * Exported as `_q83817@64`.
 *
 * @param[in]     job       'E' eigenvalues only, 'S' also the Schur form T
 * @param[in]     compz     'N' no Schur vectors, 'I' Z is set to the identity first, 'V' Z
 *                          (on entry Q) is updated to Q Z
 * @param[in]     n         order of H, >= 0
 * @param[in]     ilo       H is already upper triangular outside rows and columns ILO to
 *                          IHI; 1 <= ILO <= IHI <= N (ILO = 1, IHI = 0 when N = 0)
 * @param[in]     ihi       see ILO
 * @param[in,out] h         the Hessenberg matrix, LDH by N; on exit T when JOB = S,
 *                          otherwise destroyed
 * @param[in]     ldh       leading dimension of H, >= max(1, N)
 * @param[out]    wr        N real parts of the eigenvalues; a complex pair is stored
 *                          consecutively, positive imaginary part first
 * @param[out]    wi        N imaginary parts of the eigenvalues
 * @param[in,out] z         the Schur vectors, LDZ by N (not referenced when COMPZ = N)
 * @param[in]     ldz       leading dimension of Z, >= 1, and >= N when COMPZ is I or V
 * @param[out]    work      workspace of LWORK elements; WORK(1) returns the optimal LWORK
 * @param[in]     lwork     >= max(1, N); -1 asks for the optimal size only
 * @param[out]    info      0 success; -k argument k illegal; i > 0 eigenvalues i+1 to N
 *                          converged, the others did not
 * @param[in]     job_len   length of JOB, >= 1 (only its first character is read)
 * @param[in]     compz_len length of COMPZ, >= 1 (only its first character is read)
 * @par Workspace
 * WORK: max(1, N) doubles.
 * @par Example
 * tests/dense/eigen_test.cpp; the kivhost tour stop "Hessenberg QR eigenvalues".
 */
KIV_API void KIV_CALL F08PEF(const char* job, const char* compz, int n, int ilo, /* _q83817@64 */
                             int ihi, double* h, int ldh, double* wr, double* wi, double* z,
                             int ldz, double* work, int lwork, int* info, int job_len,
                             int compz_len);

/**
 * @brief F08PSF with the entry selector: eigenvalues, and optionally the Schur form and
 *        Schur vectors, of a complex upper Hessenberg matrix H (ZHSEQR).
 *
 * One routine serves the library-name entry F08PSF and the standard-name entry ZHSEQR used
 * inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q93929@64`.
 *
 * @param[in]     entry     entry selector, 0 (library-name entry) or 1 (standard-name
 *                          entry); the computation is the same
 * @param[in]     job       as JOB of F08PSF
 * @param[in]     compz     as COMPZ of F08PSF
 * @param[in]     n         as N of F08PSF
 * @param[in]     ilo       as ILO of F08PSF
 * @param[in]     ihi       as IHI of F08PSF
 * @param[in,out] h         as H of F08PSF
 * @param[in]     ldh       as LDH of F08PSF
 * @param[out]    w         as W of F08PSF
 * @param[in,out] z         as Z of F08PSF
 * @param[in]     ldz       as LDZ of F08PSF
 * @param[out]    work      as WORK of F08PSF
 * @param[in]     lwork     as LWORK of F08PSF
 * @param[out]    info      as INFO of F08PSF
 * @param[in]     job_len   length of JOB, >= 1 (only its first character is read)
 * @param[in]     compz_len length of COMPZ, >= 1 (only its first character is read)
 * @par Workspace
 * WORK: max(1, N) complex elements.
 * @par Example
 * tests/dense/eigen_test.cpp; the kivhost tour stop "Hessenberg QR eigenvalues".
 */
KIV_API void KIV_CALL F08PSF_ZHSEQR(int entry, const char* job,                  /* _q93929@64 */
                                    const char* compz, int n, int ilo, int ihi,
                                    kiv2_complex* h, int ldh, kiv2_complex* w, kiv2_complex* z,
                                    int ldz, kiv2_complex* work, int lwork, int* info,
                                    int job_len, int compz_len);

/**
 * @brief Eigenvalues, and optionally the Schur form and Schur vectors, of a complex upper
 *        Hessenberg matrix H (ZHSEQR).
 *
 * An illegal argument sets INFO = -k (k its position in the standard argument list, the
 * entry selector not counted) and returns without writing anything. Positions: JOB 1, COMPZ
 * 2, N 3, ILO 4, IHI 5, LDH 7, LDZ 10, LWORK 12. With the initial tuning values the
 * single-shift complex QR runs on the active block.
 *
 * Exported as `_q40971@60`.
 *
 * @param[in]     job       'E' eigenvalues only, 'S' also the Schur form T
 * @param[in]     compz     'N' no Schur vectors, 'I' Z is set to the identity first, 'V' Z
 *                          (on entry Q) is updated to Q Z
 * @param[in]     n         order of H, >= 0
 * @param[in]     ilo       H is already upper triangular outside rows and columns ILO to
 *                          IHI; 1 <= ILO <= IHI <= N (ILO = 1, IHI = 0 when N = 0)
 * @param[in]     ihi       see ILO
 * @param[in,out] h         the Hessenberg matrix, LDH by N; on exit T when JOB = S,
 *                          otherwise destroyed
 * @param[in]     ldh       leading dimension of H, >= max(1, N)
 * @param[out]    w         the N eigenvalues
 * @param[in,out] z         the Schur vectors, LDZ by N (not referenced when COMPZ = N)
 * @param[in]     ldz       leading dimension of Z, >= 1, and >= N when COMPZ is I or V
 * @param[out]    work      workspace of LWORK complex elements; WORK(1) returns the optimal
 *                          LWORK
 * @param[in]     lwork     >= max(1, N); -1 asks for the optimal size only
 * @param[out]    info      0 success; -k argument k illegal; i > 0 eigenvalues i+1 to N
 *                          converged, the others did not
 * @param[in]     job_len   length of JOB, >= 1 (only its first character is read)
 * @param[in]     compz_len length of COMPZ, >= 1 (only its first character is read)
 * @par Workspace
 * WORK: max(1, N) complex elements.
 * @par Example
 * tests/dense/eigen_test.cpp; the kivhost tour stop "Hessenberg QR eigenvalues".
 */
KIV_API void KIV_CALL F08PSF(const char* job, const char* compz, int n, int ilo, /* _q40971@60 */
                             int ihi, kiv2_complex* h, int ldh, kiv2_complex* w,
                             kiv2_complex* z, int ldz, kiv2_complex* work, int lwork,
                             int* info, int job_len, int compz_len);

/**
 * @brief F08QFF with the entry selector: reorders the real Schur factorisation A = Q T Q^T
 *        so that the diagonal block of T at row IFST moves to row ILST (DTREXC).
 *
 * One routine serves the library-name entry F08QFF and the standard-name entry DTREXC used
 * inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q36052@48`.
 *
 * @param[in]     entry     entry selector, 0 (library-name entry) or 1 (standard-name
 *                          entry); the computation is the same
 * @param[in]     compq     as COMPQ of F08QFF
 * @param[in]     n         as N of F08QFF
 * @param[in,out] t         as T of F08QFF
 * @param[in]     ldt       as LDT of F08QFF
 * @param[in,out] q         as Q of F08QFF
 * @param[in]     ldq       as LDQ of F08QFF
 * @param[in,out] ifst      as IFST of F08QFF
 * @param[in,out] ilst      as ILST of F08QFF
 * @param[out]    work      as WORK of F08QFF
 * @param[out]    info      as INFO of F08QFF
 * @param[in]     compq_len length of COMPQ, >= 1 (only its first character is read)
 * @par Workspace
 * WORK: N doubles.
 * @par Example
 * tests/dense/eigen_test.cpp.
 */
KIV_API void KIV_CALL F08QFF_DTREXC(int entry, const char* compq, int n,         /* _q36052@48 */
                                    double* t, int ldt, double* q, int ldq, int* ifst,
                                    int* ilst, double* work, int* info, int compq_len);

/**
 * @brief Reorders the real Schur factorisation A = Q T Q^T so that the diagonal block of T
 *        at row IFST moves to row ILST (DTREXC).
 *
 * An illegal argument sets INFO = -k (k its position in the standard argument list, the
 * entry selector not counted) and returns without writing anything. Positions: COMPQ 1, N
 * 2, LDT 4, LDQ 6, IFST 7, ILST 8.
 *
 * Exported as `_q59783@44`.
 *
 * @param[in]     compq     'V' Q is updated, 'N' Q is not referenced
 * @param[in]     n         order of T, >= 0
 * @param[in,out] t         the upper quasi-triangular T in Schur canonical form, LDT by N;
 *                          reordered on exit
 * @param[in]     ldt       leading dimension of T, >= max(1, N)
 * @param[in,out] q         the Schur vectors, LDQ by N, when COMPQ = V
 * @param[in]     ldq       leading dimension of Q, >= 1, and >= N when COMPQ = V
 * @param[in,out] ifst      row of the block to move, 1 to N; on exit the first row of that
 *                          block
 * @param[in,out] ilst      its destination, 1 to N; on exit the first row of the block
 *                          there
 * @param[out]    work      workspace of N doubles
 * @param[out]    info      0 success; -k argument k illegal; 1 two adjacent blocks were too
 *                          close to swap (T may have been partly reordered)
 * @param[in]     compq_len length of COMPQ, >= 1 (only its first character is read)
 * @par Workspace
 * WORK: N doubles.
 * @par Example
 * tests/dense/eigen_test.cpp.
 */
KIV_API void KIV_CALL F08QFF(const char* compq, int n, double* t, int ldt,       /* _q59783@44 */
                             double* q, int ldq, int* ifst, int* ilst, double* work,
                             int* info, int compq_len);

/**
 * @brief F08QTF with the entry selector: reorders the complex Schur factorisation A = Q T
 *        Q^H so that diagonal element IFST of T moves to row ILST (ZTREXC).
 *
 * One routine serves the library-name entry F08QTF and the standard-name entry ZTREXC used
 * inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q34905@44`.
 *
 * @param[in]     entry     entry selector, 0 (library-name entry) or 1 (standard-name
 *                          entry); the computation is the same
 * @param[in]     compq     as COMPQ of F08QTF
 * @param[in]     n         as N of F08QTF
 * @param[in,out] t         as T of F08QTF
 * @param[in]     ldt       as LDT of F08QTF
 * @param[in,out] q         as Q of F08QTF
 * @param[in]     ldq       as LDQ of F08QTF
 * @param[in]     ifst      as IFST of F08QTF
 * @param[in]     ilst      as ILST of F08QTF
 * @param[out]    info      as INFO of F08QTF
 * @param[in]     compq_len length of COMPQ, >= 1 (only its first character is read)
 * @par Example
 * tests/dense/eigen_test.cpp.
 */
KIV_API void KIV_CALL F08QTF_ZTREXC(int entry, const char* compq, int n,         /* _q34905@44 */
                                    kiv2_complex* t, int ldt, kiv2_complex* q, int ldq,
                                    int ifst, int ilst, int* info, int compq_len);

/**
 * @brief Reorders the complex Schur factorisation A = Q T Q^H so that diagonal element IFST
 *        of T moves to row ILST (ZTREXC).
 *
 * An illegal argument sets INFO = -k (k its position in the standard argument list, the
 * entry selector not counted) and returns without writing anything. Positions: COMPQ 1, N
 * 2, LDT 4, LDQ 6, IFST 7, ILST 8.
 *
 * Exported as `_q71144@40`.
 *
 * @param[in]     compq     'V' Q is updated, 'N' Q is not referenced
 * @param[in]     n         order of T, >= 0
 * @param[in,out] t         the upper triangular T, LDT by N; reordered on exit
 * @param[in]     ldt       leading dimension of T, >= max(1, N)
 * @param[in,out] q         the Schur vectors, LDQ by N, when COMPQ = V
 * @param[in]     ldq       leading dimension of Q, >= 1, and >= N when COMPQ = V
 * @param[in]     ifst      row of the element to move, 1 to N
 * @param[in]     ilst      its destination, 1 to N
 * @param[out]    info      0 success; -k argument k illegal
 * @param[in]     compq_len length of COMPQ, >= 1 (only its first character is read)
 * @par Example
 * tests/dense/eigen_test.cpp.
 */
KIV_API void KIV_CALL F08QTF(const char* compq, int n, kiv2_complex* t, int ldt, /* _q71144@40 */
                             kiv2_complex* q, int ldq, int ifst, int ilst, int* info,
                             int compq_len);

/**
 * @brief F08QKF with the entry selector: right and/or left eigenvectors of a real upper
 *        quasi-triangular matrix T (DTREVC).
 *
 * One routine serves the library-name entry F08QKF and the standard-name entry DTREVC used
 * inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q47595@68`.
 *
 * @param[in]     entry      entry selector, 0 (library-name entry) or 1 (standard-name
 *                           entry); the computation is the same
 * @param[in]     side       as SIDE of F08QKF
 * @param[in]     howmny     as HOWMNY of F08QKF
 * @param[in,out] select     as SELECT of F08QKF
 * @param[in]     n          as N of F08QKF
 * @param[in]     t          as T of F08QKF
 * @param[in]     ldt        as LDT of F08QKF
 * @param[in,out] vl         as VL of F08QKF
 * @param[in]     ldvl       as LDVL of F08QKF
 * @param[in,out] vr         as VR of F08QKF
 * @param[in]     ldvr       as LDVR of F08QKF
 * @param[in]     mm         as MM of F08QKF
 * @param[out]    m          as M of F08QKF
 * @param[out]    work       as WORK of F08QKF
 * @param[out]    info       as INFO of F08QKF
 * @param[in]     side_len   length of SIDE, >= 1 (only its first character is read)
 * @param[in]     howmny_len length of HOWMNY, >= 1 (only its first character is read)
 * @par Workspace
 * WORK: 3N doubles.
 * @par Example
 * tests/dense/eigen_test.cpp.
 */
KIV_API void KIV_CALL F08QKF_DTREVC(int entry, const char* side,                 /* _q47595@68 */
                                    const char* howmny, int* select, int n, const double* t,
                                    int ldt, double* vl, int ldvl, double* vr, int ldvr,
                                    int mm, int* m, double* work, int* info, int side_len,
                                    int howmny_len);

/**
 * @brief Right and/or left eigenvectors of a real upper quasi-triangular matrix T (DTREVC).
 *
 * An illegal argument sets INFO = -k (k its position in the standard argument list, the
 * entry selector not counted) and returns without writing anything. Positions: SIDE 1,
 * HOWMNY 2, N 4, LDT 6, LDVL 8, LDVR 10, MM 11.
 *
 * Exported as `_q41861@64`.
 *
 * @param[in]     side       'R' right eigenvectors, 'L' left, 'B' both
 * @param[in]     howmny     'A' all, 'B' all, back-transformed by the matrices given in
 *                           VL/VR, 'S' those selected by SELECT
 * @param[in,out] select     N flags (0 or 1) choosing the eigenvectors when HOWMNY = S; for
 *                           a complex pair both flags are considered and may be reset
 * @param[in]     n          order of T, >= 0
 * @param[in]     t          the quasi-triangular T in Schur canonical form, LDT by N
 * @param[in]     ldt        leading dimension of T, >= max(1, N)
 * @param[in,out] vl         left eigenvectors, LDVL by MM (with HOWMNY = B, on entry the
 *                           Schur vectors Q); not referenced when SIDE = R
 * @param[in]     ldvl       leading dimension of VL, >= 1, and >= N when SIDE is L or B
 * @param[in,out] vr         right eigenvectors, LDVR by MM (with HOWMNY = B, on entry Q);
 *                           not referenced when SIDE = L
 * @param[in]     ldvr       leading dimension of VR, >= 1, and >= N when SIDE is R or B
 * @param[in]     mm         columns available in VL and VR, >= M
 * @param[out]    m          columns used: N, or the number selected (a complex pair
 *                           counting 2)
 * @param[out]    work       workspace of 3N doubles
 * @param[out]    info       0 success; -k argument k illegal
 * @param[in]     side_len   length of SIDE, >= 1 (only its first character is read)
 * @param[in]     howmny_len length of HOWMNY, >= 1 (only its first character is read)
 * @par Workspace
 * WORK: 3N doubles.
 * @par Example
 * tests/dense/eigen_test.cpp.
 */
KIV_API void KIV_CALL F08QKF(const char* side, const char* howmny, int* select,  /* _q41861@64 */
                             int n, const double* t, int ldt, double* vl, int ldvl,
                             double* vr, int ldvr, int mm, int* m, double* work, int* info,
                             int side_len, int howmny_len);

/**
 * @brief F08QLF with the entry selector: condition numbers of selected eigenvalues and/or
 *        right eigenvectors of a real upper quasi-triangular matrix T (DTRSNA).
 *
 * One routine serves the library-name entry F08QLF and the standard-name entry DTRSNA used
 * inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q51210@84`.
 *
 * @param[in]     entry      entry selector, 0 (library-name entry) or 1 (standard-name
 *                           entry); the computation is the same
 * @param[in]     job        as JOB of F08QLF
 * @param[in]     howmny     as HOWMNY of F08QLF
 * @param[in]     select     as SELECT of F08QLF
 * @param[in]     n          as N of F08QLF
 * @param[in]     t          as T of F08QLF
 * @param[in]     ldt        as LDT of F08QLF
 * @param[in]     vl         as VL of F08QLF
 * @param[in]     ldvl       as LDVL of F08QLF
 * @param[in]     vr         as VR of F08QLF
 * @param[in]     ldvr       as LDVR of F08QLF
 * @param[out]    s          as S of F08QLF
 * @param[out]    sep        as SEP of F08QLF
 * @param[in]     mm         as MM of F08QLF
 * @param[out]    m          as M of F08QLF
 * @param[out]    work       as WORK of F08QLF
 * @param[in]     ldwork     as LDWORK of F08QLF
 * @param[out]    iwork      as IWORK of F08QLF
 * @param[out]    info       as INFO of F08QLF
 * @param[in]     job_len    length of JOB, >= 1 (only its first character is read)
 * @param[in]     howmny_len length of HOWMNY, >= 1 (only its first character is read)
 * @par Workspace
 * WORK: LDWORK by N+6 doubles; IWORK: 2(N-1) integers (JOB V or B).
 * @par Example
 * tests/dense/eigen_test.cpp.
 */
KIV_API void KIV_CALL F08QLF_DTRSNA(int entry, const char* job,                  /* _q51210@84 */
                                    const char* howmny, const int* select, int n,
                                    const double* t, int ldt, const double* vl, int ldvl,
                                    const double* vr, int ldvr, double* s, double* sep, int mm,
                                    int* m, double* work, int ldwork, int* iwork, int* info,
                                    int job_len, int howmny_len);

/**
 * @brief Condition numbers of selected eigenvalues and/or right eigenvectors of a real
 *        upper quasi-triangular matrix T (DTRSNA).
 *
 * An illegal argument sets INFO = -k (k its position in the standard argument list, the
 * entry selector not counted) and returns without writing anything. Positions: JOB 1,
 * HOWMNY 2, N 4, LDT 6, LDVL 8, LDVR 10, MM 13, LDWORK 16.
 *
 * Exported as `_q30309@80`.
 *
 * @param[in]     job        'E' eigenvalues, 'V' eigenvectors, 'B' both
 * @param[in]     howmny     'A' all, 'S' those selected by SELECT
 * @param[in]     select     N flags (0 or 1) choosing the eigenpairs when HOWMNY = S
 * @param[in]     n          order of T, >= 0
 * @param[in]     t          the quasi-triangular T in Schur canonical form, LDT by N
 * @param[in]     ldt        leading dimension of T, >= max(1, N)
 * @param[in]     vl         left eigenvectors (as from DTREVC), LDVL by M; used when JOB is
 *                           E or B
 * @param[in]     ldvl       leading dimension of VL, >= 1, and >= N when JOB is E or B
 * @param[in]     vr         right eigenvectors, LDVR by M; used when JOB is E or B
 * @param[in]     ldvr       leading dimension of VR, >= 1, and >= N when JOB is E or B
 * @param[out]    s          MM reciprocal condition numbers of the eigenvalues (JOB E or B)
 * @param[out]    sep        MM estimated reciprocal condition numbers of the eigenvectors
 *                           (JOB V or B)
 * @param[in]     mm         elements available in S and SEP, >= M
 * @param[out]    m          elements used: N, or the number selected
 * @param[out]    work       workspace LDWORK by N+6 (JOB V or B)
 * @param[in]     ldwork     leading dimension of WORK, >= 1, and >= N when JOB is V or B
 * @param[out]    iwork      workspace of 2(N-1) integers (JOB V or B)
 * @param[out]    info       0 success; -k argument k illegal
 * @param[in]     job_len    length of JOB, >= 1 (only its first character is read)
 * @param[in]     howmny_len length of HOWMNY, >= 1 (only its first character is read)
 * @par Workspace
 * WORK: LDWORK by N+6 doubles; IWORK: 2(N-1) integers (JOB V or B).
 * @par Example
 * tests/dense/eigen_test.cpp.
 */
KIV_API void KIV_CALL F08QLF(const char* job, const char* howmny,                /* _q30309@80 */
                             const int* select, int n, const double* t, int ldt,
                             const double* vl, int ldvl, const double* vr, int ldvr, double* s,
                             double* sep, int mm, int* m, double* work, int ldwork, int* iwork,
                             int* info, int job_len, int howmny_len);

/**
 * @brief F08QYF with the entry selector: condition numbers of selected eigenvalues and/or
 *        right eigenvectors of a complex upper triangular matrix T (ZTRSNA).
 *
 * One routine serves the library-name entry F08QYF and the standard-name entry ZTRSNA used
 * inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q68039@84`.
 *
 * @param[in]     entry      entry selector, 0 (library-name entry) or 1 (standard-name
 *                           entry); the computation is the same
 * @param[in]     job        as JOB of F08QYF
 * @param[in]     howmny     as HOWMNY of F08QYF
 * @param[in]     select     as SELECT of F08QYF
 * @param[in]     n          as N of F08QYF
 * @param[in]     t          as T of F08QYF
 * @param[in]     ldt        as LDT of F08QYF
 * @param[in]     vl         as VL of F08QYF
 * @param[in]     ldvl       as LDVL of F08QYF
 * @param[in]     vr         as VR of F08QYF
 * @param[in]     ldvr       as LDVR of F08QYF
 * @param[out]    s          as S of F08QYF
 * @param[out]    sep        as SEP of F08QYF
 * @param[in]     mm         as MM of F08QYF
 * @param[out]    m          as M of F08QYF
 * @param[out]    work       as WORK of F08QYF
 * @param[in]     ldwork     as LDWORK of F08QYF
 * @param[out]    rwork      as RWORK of F08QYF
 * @param[out]    info       as INFO of F08QYF
 * @param[in]     job_len    length of JOB, >= 1 (only its first character is read)
 * @param[in]     howmny_len length of HOWMNY, >= 1 (only its first character is read)
 * @par Workspace
 * WORK: LDWORK by N+1 complex; RWORK: N doubles (JOB V or B).
 * @par Example
 * tests/dense/eigen_test.cpp.
 */
KIV_API void KIV_CALL F08QYF_ZTRSNA(int entry, const char* job,                  /* _q68039@84 */
                                    const char* howmny, const int* select, int n,
                                    const kiv2_complex* t, int ldt, const kiv2_complex* vl,
                                    int ldvl, const kiv2_complex* vr, int ldvr, double* s,
                                    double* sep, int mm, int* m, kiv2_complex* work, int ldwork,
                                    double* rwork, int* info, int job_len, int howmny_len);

/**
 * @brief Condition numbers of selected eigenvalues and/or right eigenvectors of a complex
 *        upper triangular matrix T (ZTRSNA).
 *
 * An illegal argument sets INFO = -k (k its position in the standard argument list, the
 * entry selector not counted) and returns without writing anything. Positions: JOB 1,
 * HOWMNY 2, N 4, LDT 6, LDVL 8, LDVR 10, MM 13, LDWORK 16.
 *
 * Exported as `_q55101@80`.
 *
 * @param[in]     job        'E' eigenvalues, 'V' eigenvectors, 'B' both
 * @param[in]     howmny     'A' all, 'S' those selected by SELECT
 * @param[in]     select     N flags (0 or 1) choosing the eigenpairs when HOWMNY = S
 * @param[in]     n          order of T, >= 0
 * @param[in]     t          the upper triangular T, LDT by N
 * @param[in]     ldt        leading dimension of T, >= max(1, N)
 * @param[in]     vl         left eigenvectors (as from DTREVC), LDVL by M; used when JOB is
 *                           E or B
 * @param[in]     ldvl       leading dimension of VL, >= 1, and >= N when JOB is E or B
 * @param[in]     vr         right eigenvectors, LDVR by M; used when JOB is E or B
 * @param[in]     ldvr       leading dimension of VR, >= 1, and >= N when JOB is E or B
 * @param[out]    s          MM reciprocal condition numbers of the eigenvalues (JOB E or B)
 * @param[out]    sep        MM estimated reciprocal condition numbers of the eigenvectors
 *                           (JOB V or B)
 * @param[in]     mm         elements available in S and SEP, >= M
 * @param[out]    m          elements used: N, or the number selected
 * @param[out]    work       complex workspace LDWORK by N+1 (JOB V or B)
 * @param[in]     ldwork     leading dimension of WORK, >= 1, and >= N when JOB is V or B
 * @param[out]    rwork      workspace of N doubles (JOB V or B)
 * @param[out]    info       0 success; -k argument k illegal
 * @param[in]     job_len    length of JOB, >= 1 (only its first character is read)
 * @param[in]     howmny_len length of HOWMNY, >= 1 (only its first character is read)
 * @par Workspace
 * WORK: LDWORK by N+1 complex; RWORK: N doubles (JOB V or B).
 * @par Example
 * tests/dense/eigen_test.cpp.
 */
KIV_API void KIV_CALL F08QYF(const char* job, const char* howmny,                /* _q55101@80 */
                             const int* select, int n, const kiv2_complex* t, int ldt,
                             const kiv2_complex* vl, int ldvl, const kiv2_complex* vr,
                             int ldvr, double* s, double* sep, int mm, int* m,
                             kiv2_complex* work, int ldwork, double* rwork, int* info,
                             int job_len, int howmny_len);

/**
 * @brief F08JJF with the entry selector: selected eigenvalues of a real symmetric
 *        tridiagonal matrix by bisection (DSTEBZ).
 *
 * One routine serves the library-name entry F08JJF and the standard-name entry DSTEBZ used
 * inside the library; the selector changes nothing in the computation.
 *
 * Exported as `_q49952@96`.
 *
 * @param[in]     entry     entry selector, 0 (library-name entry) or 1 (standard-name
 *                          entry); the computation is the same
 * @param[in]     range     as RANGE of F08JJF
 * @param[in]     order     as ORDER of F08JJF
 * @param[in]     n         as N of F08JJF
 * @param[in]     vl        as VL of F08JJF
 * @param[in]     vu        as VU of F08JJF
 * @param[in]     il        as IL of F08JJF
 * @param[in]     iu        as IU of F08JJF
 * @param[in]     abstol    as ABSTOL of F08JJF
 * @param[in]     d         as D of F08JJF
 * @param[in]     e         as E of F08JJF
 * @param[out]    m         as M of F08JJF
 * @param[out]    nsplit    as NSPLIT of F08JJF
 * @param[out]    w         as W of F08JJF
 * @param[out]    iblock    as IBLOCK of F08JJF
 * @param[out]    isplit    as ISPLIT of F08JJF
 * @param[out]    work      as WORK of F08JJF
 * @param[out]    iwork     as IWORK of F08JJF
 * @param[out]    info      as INFO of F08JJF
 * @param[in]     range_len length of RANGE, >= 1 (only its first character is read)
 * @param[in]     order_len length of ORDER, >= 1 (only its first character is read)
 * @par Workspace
 * WORK: 4N doubles; IWORK: 3N integers.
 * @par Example
 * tests/dense/eigen_test.cpp.
 */
KIV_API void KIV_CALL F08JJF_DSTEBZ(int entry, const char* range,                /* _q49952@96 */
                                    const char* order, int n, double vl, double vu, int il,
                                    int iu, double abstol, const double* d, const double* e,
                                    int* m, int* nsplit, double* w, int* iblock, int* isplit,
                                    double* work, int* iwork, int* info, int range_len,
                                    int order_len);

/**
 * @brief Selected eigenvalues of a real symmetric tridiagonal matrix by bisection (DSTEBZ).
 *
 * An illegal argument sets INFO = -k (k its position in the standard argument list, the
 * entry selector not counted) and returns without writing anything. Positions: RANGE 1,
 * ORDER 2, N 3, VL/VU 5, IL 6, IU 7.
 *
 * Exported as `_q39782@92`.
 *
 * @param[in]     range     'A' all eigenvalues, 'V' those in (VL, VU], 'I' the IL-th to
 *                          IU-th
 * @param[in]     order     'B' ordered by split-off block, 'E' the whole matrix in
 *                          increasing order
 * @param[in]     n         order of the matrix, >= 0
 * @param[in]     vl        lower end of the interval (RANGE = V)
 * @param[in]     vu        upper end, > VL (RANGE = V)
 * @param[in]     il        index of the smallest eigenvalue wanted (RANGE = I), 1 <= IL <=
 *                          IU <= N
 * @param[in]     iu        index of the largest eigenvalue wanted (RANGE = I)
 * @param[in]     abstol    absolute tolerance of the eigenvalues; <= 0 selects eps times
 *                          the norm of the matrix
 * @param[in]     d         the N diagonal elements
 * @param[in]     e         the N-1 off-diagonal elements
 * @param[out]    m         number of eigenvalues found, 0 to N
 * @param[out]    nsplit    number of diagonal blocks the matrix splits into, 1 to N
 * @param[out]    w         the M eigenvalues in W(1..M)
 * @param[out]    iblock    N block numbers: eigenvalue W(i) belongs to block IBLOCK(i)
 * @param[out]    isplit    N split points: block j ends at row ISPLIT(j)
 * @param[out]    work      workspace of 4N doubles
 * @param[out]    iwork     workspace of 3N integers
 * @param[out]    info      0 success; -k argument k illegal; 1, 2 or 3 some eigenvalues did
 *                          not converge or were not all found (LAPACK meanings); 4 the
 *                          bisection failed on a Gershgorin interval
 * @param[in]     range_len length of RANGE, >= 1 (only its first character is read)
 * @param[in]     order_len length of ORDER, >= 1 (only its first character is read)
 * @par Workspace
 * WORK: 4N doubles; IWORK: 3N integers.
 * @par Example
 * tests/dense/eigen_test.cpp.
 */
KIV_API void KIV_CALL F08JJF(const char* range, const char* order, int n,        /* _q39782@92 */
                             double vl, double vu, int il, int iu, double abstol,
                             const double* d, const double* e, int* m, int* nsplit, double* w,
                             int* iblock, int* isplit, double* work, int* iwork, int* info,
                             int range_len, int order_len);

/**
 * @brief Eigenvalues and the Schur form of a real upper Hessenberg matrix by the Francis
 *        double-shift QR (DLAHQR, logicals as 0 or 1).
 *
 * Works on rows and columns ILO to IHI; transformations are applied to Z in rows ILOZ to
 * IHIZ. No argument is checked.
 *
 * Exported as `_q52469@56`.
 *
 * @param[in]     wantt 1 the full Schur form T is wanted, 0 eigenvalues only
 * @param[in]     wantz 1 the Schur vectors in Z are updated, 0 not
 * @param[in]     n     order of H, >= 0
 * @param[in]     ilo   first row and column of the active block, 1 <= ILO <= max(1, IHI)
 * @param[in]     ihi   last row and column of the active block, <= N; H(ILO, ILO-1) = 0
 *                      unless ILO = 1
 * @param[in,out] h     the Hessenberg matrix, LDH by N; the quasi-triangular T on exit when
 *                      WANTT = 1
 * @param[in]     ldh   leading dimension of H, >= max(1, N)
 * @param[out]    wr    real parts of eigenvalues ILO to IHI (in WR(ILO..IHI))
 * @param[out]    wi    imaginary parts of eigenvalues ILO to IHI
 * @param[in]     iloz  first row of Z to update, 1 <= ILOZ <= ILO
 * @param[in]     ihiz  last row of Z to update, IHI <= IHIZ <= N
 * @param[in,out] z     the Schur vectors, LDZ by N, when WANTZ = 1
 * @param[in]     ldz   leading dimension of Z, >= max(1, N)
 * @param[out]    info  0 success; i > 0 eigenvalues i+1 to IHI converged, the others did
 *                      not within the iteration limit
 * @par Example
 * tests/dense/eigen_test.cpp.
 */
KIV_API void KIV_CALL DLAHQR(int wantt, int wantz, int n, int ilo, int ihi,      /* _q52469@56 */
                             double* h, int ldh, double* wr, double* wi, int iloz, int ihiz,
                             double* z, int ldz, int* info);

/**
 * @brief Eigenvalues and the Schur form of a complex upper Hessenberg matrix by
 *        single-shift QR (ZLAHQR, logicals as 0 or 1).
 *
 * Works on rows and columns ILO to IHI; transformations are applied to Z in rows ILOZ to
 * IHIZ. No argument is checked.
 *
 * Exported as `_q74526@52`.
 *
 * @param[in]     wantt 1 the full Schur form T is wanted, 0 eigenvalues only
 * @param[in]     wantz 1 the Schur vectors in Z are updated, 0 not
 * @param[in]     n     order of H, >= 0
 * @param[in]     ilo   first row and column of the active block, 1 <= ILO <= max(1, IHI)
 * @param[in]     ihi   last row and column of the active block, <= N; H(ILO, ILO-1) = 0
 *                      unless ILO = 1
 * @param[in,out] h     the Hessenberg matrix, LDH by N; the triangular T on exit when WANTT
 *                      = 1
 * @param[in]     ldh   leading dimension of H, >= max(1, N)
 * @param[out]    w     eigenvalues ILO to IHI, in W(ILO..IHI)
 * @param[in]     iloz  first row of Z to update, 1 <= ILOZ <= ILO
 * @param[in]     ihiz  last row of Z to update, IHI <= IHIZ <= N
 * @param[in,out] z     the Schur vectors, LDZ by N, when WANTZ = 1
 * @param[in]     ldz   leading dimension of Z, >= max(1, N)
 * @param[out]    info  0 success; i > 0 eigenvalues i+1 to IHI converged, the others did
 *                      not within the iteration limit
 * @par Example
 * tests/dense/eigen_test.cpp.
 */
KIV_API void KIV_CALL ZLAHQR(int wantt, int wantz, int n, int ilo, int ihi,      /* _q74526@52 */
                             kiv2_complex* h, int ldh, kiv2_complex* w, int iloz, int ihiz,
                             kiv2_complex* z, int ldz, int* info);

/**
 * @brief Swaps adjacent diagonal blocks T11 (N1 by N1) and T22 (N2 by N2) of a real Schur
 *        form by an orthogonal similarity (DLAEXC).
 *
 * Exported as `_q95657@44`.
 *
 * @param[in]     wantq 1 Q is updated, 0 not
 * @param[in]     n     order of T, >= 0
 * @param[in,out] t     the Schur form, LDT by N
 * @param[in]     ldt   leading dimension of T, >= max(1, N)
 * @param[in,out] q     the Schur vectors, LDQ by N, when WANTQ = 1
 * @param[in]     ldq   leading dimension of Q, >= max(1, N)
 * @param[in]     j1    first row of T11, 1 <= J1 <= N - N1 - N2 + 1
 * @param[in]     n1    order of T11: 0, 1 or 2
 * @param[in]     n2    order of T22: 0, 1 or 2
 * @param[out]    work  workspace of N doubles
 * @param[out]    info  0 success; 1 the swap was rejected because T would have become too
 *                      far from Schur form
 * @par Workspace
 * WORK: N doubles.
 * @par Example
 * tests/dense/eigen_test.cpp.
 */
KIV_API void KIV_CALL DLAEXC(int wantq, int n, double* t, int ldt, double* q,    /* _q95657@44 */
                             int ldq, int j1, int n1, int n2, double* work, int* info);

/**
 * @brief Solves the real quasi-triangular system op(T) x = scale b, or its complex form (T
 *        + iB) x = scale c, with scaling against overflow (DLAQTR).
 *
 * Exported as `_q94025@48`.
 *
 * @param[in]     ltran 1 op(T) = T^T, 0 op(T) = T
 * @param[in]     lreal 1 the real system, 0 the complex system with B and W
 * @param[in]     n     order of T, >= 0
 * @param[in]     t     the quasi-triangular T in Schur canonical form, LDT by N
 * @param[in]     ldt   leading dimension of T, >= max(1, N)
 * @param[in]     b     N elements of the diagonal matrix B beside T (LREAL = 0); B(1) is
 *                      not used
 * @param[in]     w     the diagonal element of B in the first row (LREAL = 0)
 * @param[out]    scale scale factor, 0 < SCALE <= 1, chosen so that x does not overflow
 * @param[in,out] x     on entry the right side (N, or 2N for the complex form), on exit the
 *                      solution
 * @param[out]    work  workspace of N doubles
 * @param[out]    info  0 success; 1 some diagonal block was perturbed to avoid a singular
 *                      system
 * @par Workspace
 * WORK: N doubles.
 * @par Example
 * tests/dense/eigen_test.cpp.
 */
KIV_API void KIV_CALL DLAQTR(int ltran, int lreal, int n, const double* t,       /* _q94025@48 */
                             int ldt, const double* b, double w, double* scale, double* x,
                             double* work, int* info);

/**
 * @brief Generates a complex elementary reflector H with H^H (alpha, x) = (beta, 0), beta
 *        real (ZLARFG).
 *
 * Exported as `_q24689@20`.
 *
 * @param[in]     n     order of H, >= 0; N <= 1 gives TAU = 0
 * @param[in,out] alpha on entry alpha, on exit beta
 * @param[in,out] x     the N-1 elements of x with stride INCX; on exit the vector v of H =
 *                      I - tau (1, v)(1, v)^H
 * @param[in]     incx  increment of x, > 0
 * @param[out]    tau   the scalar tau; 0 when H is the identity
 * @par Example
 * tests/dense/eigen_test.cpp.
 */
KIV_API void KIV_CALL ZLARFG(int n, kiv2_complex* alpha, kiv2_complex* x,        /* _q24689@20 */
                             int incx, kiv2_complex* tau);

/**
 * @brief A norm of a real M by N matrix (DLANGE).
 *
 * Exported as `_q33779@28`.
 *
 * @param[in]     norm     'M' largest absolute value, '1' or 'O' 1-norm, 'I' infinity norm,
 *                         'F' or 'E' Frobenius norm
 * @param[in]     m        rows, >= 0; 0 gives 0
 * @param[in]     n        columns, >= 0; 0 gives 0
 * @param[in]     a        the matrix, LDA by N
 * @param[in]     lda      leading dimension of A, >= max(1, M)
 * @param[out]    work     workspace of M doubles, used for the infinity norm
 * @param[in]     norm_len length of NORM, >= 1 (only its first character is read)
 * @return the norm
 * @par Workspace
 * WORK: M doubles (NORM = I), otherwise not referenced.
 * @par Example
 * tests/dense/eigen_test.cpp.
 */
KIV_API double KIV_CALL DLANGE(const char* norm, int m, int n, const double* a,  /* _q33779@28 */
                               int lda, double* work, int norm_len);

/**
 * @brief A norm of a real upper Hessenberg N by N matrix (DLANHS).
 *
 * Exported as `_q26427@24`.
 *
 * @param[in]     norm     'M' largest absolute value, '1' or 'O' 1-norm, 'I' infinity norm,
 *                         'F' or 'E' Frobenius norm
 * @param[in]     n        order, >= 0; 0 gives 0
 * @param[in]     a        the Hessenberg matrix, LDA by N; below the subdiagonal is not
 *                         read
 * @param[in]     lda      leading dimension of A, >= max(1, N)
 * @param[out]    work     workspace of N doubles, used for the infinity norm
 * @param[in]     norm_len length of NORM, >= 1 (only its first character is read)
 * @return the norm
 * @par Workspace
 * WORK: N doubles (NORM = I), otherwise not referenced.
 * @par Example
 * tests/dense/eigen_test.cpp.
 */
KIV_API double KIV_CALL DLANHS(const char* norm, int n, const double* a,         /* _q26427@24 */
                               int lda, double* work, int norm_len);

/**
 * @brief A norm of a complex M by N matrix (ZLANGE).
 *
 * Exported as `_q45377@28`.
 *
 * @param[in]     norm     'M' largest absolute value, '1' or 'O' 1-norm, 'I' infinity norm,
 *                         'F' or 'E' Frobenius norm
 * @param[in]     m        rows, >= 0; 0 gives 0
 * @param[in]     n        columns, >= 0; 0 gives 0
 * @param[in]     a        the matrix, LDA by N
 * @param[in]     lda      leading dimension of A, >= max(1, M)
 * @param[out]    work     workspace of M doubles, used for the infinity norm
 * @param[in]     norm_len length of NORM, >= 1 (only its first character is read)
 * @return the norm
 * @par Workspace
 * WORK: M doubles (NORM = I), otherwise not referenced.
 * @par Example
 * tests/dense/eigen_test.cpp.
 */
KIV_API double KIV_CALL ZLANGE(const char* norm, int m, int n,                   /* _q45377@28 */
                               const kiv2_complex* a, int lda, double* work, int norm_len);

/**
 * @brief A norm of a complex upper Hessenberg N by N matrix (ZLANHS).
 *
 * Exported as `_q61354@24`.
 *
 * @param[in]     norm     'M' largest absolute value, '1' or 'O' 1-norm, 'I' infinity norm,
 *                         'F' or 'E' Frobenius norm
 * @param[in]     n        order, >= 0; 0 gives 0
 * @param[in]     a        the Hessenberg matrix, LDA by N; below the subdiagonal is not
 *                         read
 * @param[in]     lda      leading dimension of A, >= max(1, N)
 * @param[out]    work     workspace of N doubles, used for the infinity norm
 * @param[in]     norm_len length of NORM, >= 1 (only its first character is read)
 * @return the norm
 * @par Workspace
 * WORK: N doubles (NORM = I), otherwise not referenced.
 * @par Example
 * tests/dense/eigen_test.cpp.
 */
KIV_API double KIV_CALL ZLANHS(const char* norm, int n, const kiv2_complex* a,   /* _q61354@24 */
                               int lda, double* work, int norm_len);

/* ===================================================================== */
/* Roots                                                                  */
/* ===================================================================== */
/**
 * @brief Zeros of the real quartic E z^4 + A z^3 + B z^2 + C z + D, as the
 *        eigenvalues of its balanced companion matrix, with error estimates.
 *
 * Exported as `_q37432@36`.
 *
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
 * @return the final IFAIL.
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
 * @param[in] e E, the leading coefficient, by value.
 * @param[in] a A, the coefficient of z^3, by value.
 * @param[in] b B, the coefficient of z^2, by value.
 * @param[in] c C, the coefficient of z, by value.
 * @param[in] d D, the constant term, by value.
 * @param[out] zr as in C02ALF_HOST, 4 doubles.
 * @param[out] zi as in C02ALF_HOST, 4 doubles.
 * @param[out] zerr as in C02ALF_HOST, 4 doubles.
 * @param[out] record        message record, KIV2_RECORD_LEN characters.
 * @param[in,out] ifail      as in C02ALF_HOST.
 * @param[in] record_len     KIV2_RECORD_LEN.
 * @return the final IFAIL.
 * @par IFAIL
 * As C02ALF_HOST.
 */
KIV_API int KIV_CALL C02ALF(double e, double a, double b, double c, double d, double* zr,
                            double* zi, double* zerr, char* record, int* ifail, int record_len);

/**
 * @brief Zeros of the complex quartic E z^4 + A z^3 + B z^2 + C z + D with
 *        error estimates, through the complex Schur form.
 *
 * Exported as `_q86094@36`.
 *
 * @param[in]  e    leading coefficient, nonzero.
 * @param[in]  a    coefficient of z^3.
 * @param[in]  b    coefficient of z^2.
 * @param[in]  c    coefficient of z.
 * @param[in]  d    constant term.
 * @param[out] zr   real parts of the zeros, in the order of the Schur form.
 * @param[out] zi   imaginary parts.
 * @param[out] zerr error estimates, as for C02ALF.
 * @param[in,out] ifail error indicator.
 * @return the final IFAIL.
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
 * @param[in] e E, the leading coefficient, by value.
 * @param[in] a A, the coefficient of z^3, by value.
 * @param[in] b B, the coefficient of z^2, by value.
 * @param[in] c C, the coefficient of z, by value.
 * @param[in] d D, the constant term, by value.
 * @param[out] zr as in C02ANF_HOST.
 * @param[out] zi as in C02ANF_HOST.
 * @param[out] zerr as in C02ANF_HOST.
 * @param[out] record        message record.
 * @param[in,out] ifail      as in C02ANF_HOST.
 * @param[in] record_len     KIV2_RECORD_LEN.
 * @return the final IFAIL.
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
 *
 * Exported as `_q27089@40`.
 *
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
 * @return the final IFAIL.
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
 *
 * Exported as `_q89748@64`.
 *
 * @param[in,out] x      as in C05AGF_HOST.
 * @param[in] h by value, as in C05AGF_HOST.
 * @param[in] eps by value, as in C05AGF_HOST.
 * @param[in] eta by value, as in C05AGF_HOST.
 * @param[in] f          the function.
 * @param[in] adapter    the adapter F is called through: CALLBACK_X, or NULL
 *                       for it.
 * @param[out] a as in C05AGF_HOST.
 * @param[out] b as in C05AGF_HOST.
 * @param[in] user1 handed to F unchanged.
 * @param[in] user2 handed to F unchanged.
 * @param[out] record    message record.
 * @param[in,out] ifail  as in C05AGF_HOST.
 * @param[in] record_len KIV2_RECORD_LEN.
 * @return the final IFAIL.
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
 *
 * Exported as `_q25440@36`.
 *
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
 * @return the final IFAIL.
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
 * @param[in] boundl by value.
 * @param[in] boundu by value.
 * @param[out] y         as in C05AVF_HOST.
 * @param[in,out] c      11 doubles.
 * @param[in,out] ind    as in C05AVF_HOST.
 * @param[out] record    message record.
 * @param[in,out] ifail  as in C05AVF_HOST.
 * @param[in] record_len KIV2_RECORD_LEN.
 * @return the final IFAIL.
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

/**
 * @brief Host wrapper of C06FAF: discrete Fourier transform of a real sequence, the result
 *        in Hermitian packed form.
 *
 * Every argument by address. The wrapper poisons the outputs C06FAF writes, calls C06FAF
 * and reports a disagreement between the returned IFAIL and the message record.
 *
 * Exported as `_q49041@16`.
 *
 * @param[in,out] x     as X of C06FAF
 * @param[in]     n     as N of C06FAF, by address
 * @param[out]    work  as WORK of C06FAF
 * @param[in,out] ifail on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                      conventions of kiv2.h); on exit 0 or an error number listed under
 *                      IFAIL
 * @return the final IFAIL
 * @par IFAIL
 * - 1: N has a prime factor above 19
 * - 2: N has more than 20 prime factors
 * - 3: N <= 1
 * - 4: unexpected internal failure
 * @par Workspace
 * WORK: N doubles.
 * @par Example
 * examples/real_fft.c (C06PPF); tests/fft/routines_test.cpp; the kivhost tour stop "Real
 * FFT, conjugate, Hermitian synthesis".
 */
KIV_API int KIV_CALL C06FAF_HOST(double* x, const int* n, double* work,    /* _q49041@16 */
                                 int* ifail);

/**
 * @brief Discrete Fourier transform of a real sequence, the result in Hermitian packed
 *        form.
 *
 * Forward transforms compute z_k = sum_j x_j exp(-2 pi i jk/N) / sqrt(N), backward ones use
 * +i; both directions scale by 1/sqrt(N), so a forward and a backward transform give the
 * data back. Hermitian packed storage of the transform of a real sequence: a_k = Re z_k in
 * X(k+1) for 0 <= k <= N/2, b_k = Im z_k in X(N-k+1) for 0 < k < (N+1)/2.
 *
 * Exported as `_q21745@24`.
 *
 * @param[in,out] x          on entry x_0..x_{N-1}; on exit the transform, packed
 * @param[in]     n          number of values, > 1, with no prime factor above 19 and at
 *                           most 20 prime factors
 * @param[out]    work       workspace of N doubles
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: N has a prime factor above 19
 * - 2: N has more than 20 prime factors
 * - 3: N <= 1
 * - 4: unexpected internal failure
 * @par Workspace
 * WORK: N doubles.
 * @par Example
 * examples/real_fft.c (C06PPF); tests/fft/routines_test.cpp; the kivhost tour stop "Real
 * FFT, conjugate, Hermitian synthesis".
 */
KIV_API int KIV_CALL C06FAF(double* x, int n, double* work, char* record,  /* _q21745@24 */
                            int* ifail, int record_len);

/**
 * @brief Host wrapper of C06FBF: hermitian synthesis: the real sequence x_j = sum_k z_k
 *        exp(-2 pi i jk/N) / sqrt(N) of a Hermitian sequence z in packed form.
 *
 * Every argument by address. The wrapper poisons the outputs C06FBF writes, calls C06FBF
 * and reports a disagreement between the returned IFAIL and the message record.
 *
 * Exported as `_q94063@16`.
 *
 * @param[in,out] x     as X of C06FBF
 * @param[in]     n     as N of C06FBF, by address
 * @param[out]    work  as WORK of C06FBF
 * @param[in,out] ifail on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                      conventions of kiv2.h); on exit 0 or an error number listed under
 *                      IFAIL
 * @return the final IFAIL
 * @par IFAIL
 * - 1: N has a prime factor above 19
 * - 2: N has more than 20 prime factors
 * - 3: N <= 1
 * - 4: unexpected internal failure
 * @par Workspace
 * WORK: N doubles.
 * @par Example
 * examples/real_fft.c (C06PPF); tests/fft/routines_test.cpp; the kivhost tour stop "Real
 * FFT, conjugate, Hermitian synthesis".
 */
KIV_API int KIV_CALL C06FBF_HOST(double* x, const int* n, double* work,    /* _q94063@16 */
                                 int* ifail);

/**
 * @brief Hermitian synthesis: the real sequence x_j = sum_k z_k exp(-2 pi i jk/N) / sqrt(N)
 *        of a Hermitian sequence z in packed form.
 *
 * Hermitian packed storage of the transform of a real sequence: a_k = Re z_k in X(k+1) for
 * 0 <= k <= N/2, b_k = Im z_k in X(N-k+1) for 0 < k < (N+1)/2. C06GBF then C06FBF inverts
 * C06FAF.
 *
 * Exported as `_q71337@24`.
 *
 * @param[in,out] x          on entry z in Hermitian packed form; on exit the real
 *                           x_0..x_{N-1}
 * @param[in]     n          number of values, > 1, with no prime factor above 19 and at
 *                           most 20 prime factors
 * @param[out]    work       workspace of N doubles
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: N has a prime factor above 19
 * - 2: N has more than 20 prime factors
 * - 3: N <= 1
 * - 4: unexpected internal failure
 * @par Workspace
 * WORK: N doubles.
 * @par Example
 * examples/real_fft.c (C06PPF); tests/fft/routines_test.cpp; the kivhost tour stop "Real
 * FFT, conjugate, Hermitian synthesis".
 */
KIV_API int KIV_CALL C06FBF(double* x, int n, double* work, char* record,  /* _q71337@24 */
                            int* ifail, int record_len);

/**
 * @brief Host wrapper of C06GBF: conjugates a Hermitian sequence in packed form (negates
 *        its stored imaginary parts).
 *
 * Every argument by address. The wrapper poisons the outputs C06GBF writes, calls C06GBF
 * and reports a disagreement between the returned IFAIL and the message record.
 *
 * Exported as `_q48547@12`.
 *
 * @param[in,out] x     as X of C06GBF
 * @param[in]     n     as N of C06GBF, by address
 * @param[in,out] ifail on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                      conventions of kiv2.h); on exit 0 or an error number listed under
 *                      IFAIL
 * @return the final IFAIL
 * @par IFAIL
 * - 1: N < 1
 * @par Example
 * examples/real_fft.c (C06PPF); tests/fft/routines_test.cpp; the kivhost tour stop "Real
 * FFT, conjugate, Hermitian synthesis".
 */
KIV_API int KIV_CALL C06GBF_HOST(double* x, const int* n, int* ifail);     /* _q48547@12 */

/**
 * @brief Conjugates a Hermitian sequence in packed form (negates its stored imaginary
 *        parts).
 *
 * Hermitian packed storage of the transform of a real sequence: a_k = Re z_k in X(k+1) for
 * 0 <= k <= N/2, b_k = Im z_k in X(N-k+1) for 0 < k < (N+1)/2. Elements (N+4)/2 to N are
 * negated; N = 1 and 2 change nothing.
 *
 * @param[in,out] x          the packed sequence, N doubles
 * @param[in]     n          number of values, >= 1
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: N < 1
 * @par Example
 * examples/real_fft.c (C06PPF); tests/fft/routines_test.cpp; the kivhost tour stop "Real
 * FFT, conjugate, Hermitian synthesis".
 */
KIV_API int KIV_CALL C06GBF(double* x, int n, char* record, int* ifail, int record_len);

/**
 * @brief Host wrapper of C06PCF: discrete Fourier transform of one complex sequence,
 *        forward or backward.
 *
 * Every argument by address, followed by the lengths of the character arguments. The
 * wrapper poisons the outputs C06PCF writes, calls C06PCF and reports a disagreement
 * between the returned IFAIL and the message record.
 *
 * Exported as `_q44888@24`.
 *
 * @param[in]     direct     as DIRECT of C06PCF
 * @param[in,out] x          as X of C06PCF
 * @param[in]     n          as N of C06PCF, by address
 * @param[out]    work       as WORK of C06PCF
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     direct_len length of DIRECT, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * - 1: N < 1
 * - 2: DIRECT is not F or B (checked before N = 1 is handled)
 * - 3: N has 31 or more prime factors
 * - 4: unexpected internal failure
 * @par Workspace
 * WORK: 2N complex values; WORK(1) = 2N on exit.
 * @par Example
 * tests/fft/routines_test.cpp; the kivhost tour stop "Complex FFT and its inverse";
 * `kivhost fft`.
 */
KIV_API int KIV_CALL C06PCF_HOST(const char* direct, kiv2_complex* x,      /* _q44888@24 */
                                 const int* n, kiv2_complex* work, int* ifail,
                                 int direct_len);

/**
 * @brief Discrete Fourier transform of one complex sequence, forward or backward.
 *
 * Forward transforms compute z_k = sum_j x_j exp(-2 pi i jk/N) / sqrt(N), backward ones use
 * +i; both directions scale by 1/sqrt(N), so a forward and a backward transform give the
 * data back. On exit WORK(1) holds the number of work elements used.
 *
 * Exported as `_q29400@32`.
 *
 * @param[in]     direct     'F' forward transform, 'B' backward (either case)
 * @param[in,out] x          the N complex values; on exit their transform
 * @param[in]     n          number of values, >= 1, with fewer than 31 prime factors
 * @param[out]    work       workspace of 2N complex values
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     direct_len length of DIRECT, >= 1 (only its first character is read)
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: N < 1
 * - 2: DIRECT is not F or B (checked before N = 1 is handled)
 * - 3: N has 31 or more prime factors
 * - 4: unexpected internal failure
 * @par Workspace
 * WORK: 2N complex values; WORK(1) = 2N on exit.
 * @par Example
 * tests/fft/routines_test.cpp; the kivhost tour stop "Complex FFT and its inverse";
 * `kivhost fft`.
 */
KIV_API int KIV_CALL C06PCF(const char* direct, kiv2_complex* x, int n,    /* _q29400@32 */
                            kiv2_complex* work, char* record, int* ifail, int direct_len,
                            int record_len);

/**
 * @brief Host wrapper of C06PPF: discrete Fourier transforms of M real sequences (forward)
 *        or M conjugate-even sequences (backward), stored by rows.
 *
 * Every argument by address, followed by the lengths of the character arguments. The
 * wrapper poisons the outputs C06PPF writes, calls C06PPF and reports a disagreement
 * between the returned IFAIL and the message record.
 *
 * Exported as `_q48967@28`.
 *
 * @param[in]     direct     as DIRECT of C06PPF
 * @param[in]     m          as M of C06PPF, by address
 * @param[in]     n          as N of C06PPF, by address
 * @param[in,out] x          as X of C06PPF
 * @param[out]    work       as WORK of C06PPF
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     direct_len length of DIRECT, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * - 1: M < 1
 * - 2: N < 1
 * - 3: DIRECT is not F or B
 * - 4: unexpected internal failure
 * @par Workspace
 * WORK: (N+2)M + 2N doubles, 3N when M = 1.
 * @par Example
 * examples/real_fft.c (C06PPF); tests/fft/routines_test.cpp; the kivhost tour stop "Real
 * FFT, conjugate, Hermitian synthesis".
 */
KIV_API int KIV_CALL C06PPF_HOST(const char* direct, const int* m,         /* _q48967@28 */
                                 const int* n, double* x, double* work, int* ifail,
                                 int direct_len);

/**
 * @brief Discrete Fourier transforms of M real sequences (forward) or M conjugate-even
 *        sequences (backward), stored by rows.
 *
 * Forward transforms compute z_k = sum_j x_j exp(-2 pi i jk/N) / sqrt(N), backward ones use
 * +i; both directions scale by 1/sqrt(N), so a forward and a backward transform give the
 * data back. Sequence s (1..M) is row s of X, M by N+2: element k in X(s, k+1). Complex
 * conjugate-even form: Re z_k in column 2k+1 and Im z_k in column 2k+2 for 0 <= k <= N/2
 * (1-based columns); the imaginary parts that must be 0 are stored as 0. On exit WORK(1)
 * holds the number of work elements used.
 *
 * Exported as `_q20876@36`.
 *
 * @param[in]     direct     'F' real sequences to their conjugate-even transforms, 'B'
 *                           conjugate-even sequences to real ones
 * @param[in]     m          number of sequences, >= 1
 * @param[in]     n          length of each sequence, >= 1
 * @param[in,out] x          the M by N+2 array of sequences (leading dimension M);
 *                           backward, columns N+1 and N+2 are set to 0 on exit
 * @param[out]    work       workspace of (N+2)M + 2N doubles (3N when M = 1)
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     direct_len length of DIRECT, >= 1 (only its first character is read)
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: M < 1
 * - 2: N < 1
 * - 3: DIRECT is not F or B
 * - 4: unexpected internal failure
 * @par Workspace
 * WORK: (N+2)M + 2N doubles, 3N when M = 1.
 * @par Example
 * examples/real_fft.c (C06PPF); tests/fft/routines_test.cpp; the kivhost tour stop "Real
 * FFT, conjugate, Hermitian synthesis".
 */
KIV_API int KIV_CALL C06PPF(const char* direct, int m, int n, double* x,   /* _q20876@36 */
                            double* work, char* record, int* ifail, int direct_len,
                            int record_len);

/**
 * @brief Host wrapper of C06PRF: discrete Fourier transforms of M complex sequences of
 *        length N stored by rows.
 *
 * Every argument by address, followed by the lengths of the character arguments. The
 * wrapper poisons the outputs C06PRF writes, calls C06PRF and reports a disagreement
 * between the returned IFAIL and the message record.
 *
 * Exported as `_q53176@28`.
 *
 * @param[in]     direct     as DIRECT of C06PRF
 * @param[in]     m          as M of C06PRF, by address
 * @param[in]     n          as N of C06PRF, by address
 * @param[in,out] x          as X of C06PRF
 * @param[out]    work       as WORK of C06PRF
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     direct_len length of DIRECT, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * - 1: M < 1
 * - 2: N < 1
 * - 3: DIRECT is not F or B
 * - 4: N has 31 or more prime factors
 * - 5: unexpected internal failure
 * @par Workspace
 * WORK: (M+1)N complex values.
 * @par Example
 * tests/fft/routines_test.cpp.
 */
KIV_API int KIV_CALL C06PRF_HOST(const char* direct, const int* m,         /* _q53176@28 */
                                 const int* n, kiv2_complex* x, kiv2_complex* work,
                                 int* ifail, int direct_len);

/**
 * @brief Discrete Fourier transforms of M complex sequences of length N stored by rows.
 *
 * Forward transforms compute z_k = sum_j x_j exp(-2 pi i jk/N) / sqrt(N), backward ones use
 * +i; both directions scale by 1/sqrt(N), so a forward and a backward transform give the
 * data back. Sequence s is row s of X, M by N (element k in X(s, k+1)). On exit WORK(1)
 * holds the number of work elements used.
 *
 * Exported as `_q22767@36`.
 *
 * @param[in]     direct     'F' forward transform, 'B' backward (either case)
 * @param[in]     m          number of sequences, >= 1
 * @param[in]     n          length of each sequence, >= 1, with fewer than 31 prime factors
 * @param[in,out] x          the M by N complex array (leading dimension M); on exit the
 *                           transforms
 * @param[out]    work       workspace of (M+1)N complex values
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     direct_len length of DIRECT, >= 1 (only its first character is read)
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: M < 1
 * - 2: N < 1
 * - 3: DIRECT is not F or B
 * - 4: N has 31 or more prime factors
 * - 5: unexpected internal failure
 * @par Workspace
 * WORK: (M+1)N complex values.
 * @par Example
 * tests/fft/routines_test.cpp.
 */
KIV_API int KIV_CALL C06PRF(const char* direct, int m, int n, kiv2_complex* x,  /* _q22767@36 */
                            kiv2_complex* work, char* record, int* ifail, int direct_len,
                            int record_len);

/**
 * @brief Discrete Fourier transforms of M complex sequences of length N stored by columns.
 *
 * Forward transforms compute z_k = sum_j x_j exp(-2 pi i jk/N) / sqrt(N), backward ones use
 * +i; both directions scale by 1/sqrt(N), so a forward and a backward transform give the
 * data back. Sequence s is column s of X, N by M (element k in X(k+1, s)). The routine body
 * is the export; it has no host wrapper. On exit WORK(1) holds the number of work elements
 * used.
 *
 * Exported as `_q62811@36`.
 *
 * @param[in]     direct     'F' forward transform, 'B' backward (either case)
 * @param[in]     n          length of each sequence, >= 1, with fewer than 31 prime factors
 * @param[in]     m          number of sequences, >= 1
 * @param[in,out] x          the N by M complex array (leading dimension N); on exit the
 *                           transforms
 * @param[out]    work       workspace of (M+1)N complex values
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     direct_len length of DIRECT, >= 1 (only its first character is read)
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: M < 1
 * - 2: N < 1
 * - 3: DIRECT is not F or B
 * - 4: N has 31 or more prime factors
 * - 5: unexpected internal failure
 * @par Workspace
 * WORK: (M+1)N complex values.
 * @par Example
 * tests/fft/routines_test.cpp.
 */
KIV_API int KIV_CALL C06PSF(const char* direct, int n, int m, kiv2_complex* x,  /* _q62811@36 */
                            kiv2_complex* work, char* record, int* ifail, int direct_len,
                            int record_len);

/* --------------------------------------------------------------------- */
/* Multi-dimensional, sine and cosine transforms                          */
/* --------------------------------------------------------------------- */

/**
 * @brief Host wrapper of C06PFF: transforms a multi-dimensional complex array along one
 *        dimension.
 *
 * Every argument by address, followed by the length of DIRECT. The wrapper poisons
 * WORK(1..LWORK), calls C06PFF and reports a disagreement between the returned IFAIL and
 * the message record.
 *
 * Exported as `_q27462@40`.
 *
 * @param[in]     direct     as DIRECT of C06PFF
 * @param[in]     ndim       as NDIM of C06PFF, by address
 * @param[in]     l          as L of C06PFF, by address
 * @param[in]     nd         as ND of C06PFF
 * @param[in]     n          as N of C06PFF, by address
 * @param[in,out] x          as X of C06PFF
 * @param[out]    work       as WORK of C06PFF
 * @param[in]     lwork      as LWORK of C06PFF, by address
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     direct_len length of DIRECT, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * - 1: NDIM < 1
 * - 2: L < 1 or L > NDIM
 * - 3: DIRECT is not F or B
 * - 4: some ND(I) < 1
 * - 5: N differs from the product of the ND(I)
 * - 6: LWORK < N + ND(L) + 15 (checked before 5)
 * - 7: ND(L) has 31 or more prime factors
 * - 8: unexpected internal failure
 * @par Workspace
 * WORK: LWORK complex values, LWORK >= N + ND(L) + 15.
 * @par Example
 * tests/fft/multidim_test.cpp.
 */
KIV_API int KIV_CALL C06PFF_HOST(const char* direct, const int* ndim,        /* _q27462@40 */
                                 const int* l, const int* nd, const int* n, kiv2_complex* x,
                                 kiv2_complex* work, const int* lwork, int* ifail,
                                 int direct_len);

/**
 * @brief Transforms a multi-dimensional complex array along one dimension.
 *
 * X holds ND(1) x ... x ND(NDIM) values, first index fastest; every sequence along
 * dimension L is transformed, forward with exp(-2 pi i jk/n), backward with +i, both scaled
 * by 1/sqrt(n), n = ND(L). A dimension of length 1 leaves X unchanged. Lengths beyond the
 * int range are shown in the messages as 2147483647, never wrapped.
 *
 * Exported as `_q92645@52`.
 *
 * @param[in]     entry      entry selector, 0 from the host wrapper; any value, ignored
 * @param[in]     direct     'F' forward transform, 'B' backward (either case)
 * @param[in]     ndim       number of dimensions, >= 1
 * @param[in]     l          the dimension to transform, 1 <= L <= NDIM
 * @param[in]     nd         the NDIM lengths, each >= 1; ND(L) with fewer than 31 prime
 *                           factors
 * @param[in]     n          number of values, the product of the ND(I)
 * @param[in,out] x          the N complex values; on exit their transforms along
 *                           dimension L
 * @param[out]    work       workspace of LWORK complex values; WORK(1) on exit is the work
 *                           length used
 * @param[in]     lwork      length of WORK, >= N + ND(L) + 15
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     direct_len length of DIRECT, >= 1 (only its first character is read)
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: NDIM < 1
 * - 2: L < 1 or L > NDIM
 * - 3: DIRECT is not F or B
 * - 4: some ND(I) < 1
 * - 5: N differs from the product of the ND(I)
 * - 6: LWORK < N + ND(L) + 15 (checked before 5)
 * - 7: ND(L) has 31 or more prime factors
 * - 8: unexpected internal failure
 * @par Workspace
 * WORK: LWORK complex values, LWORK >= N + ND(L) + 15. WORK(1) on exit: 2 ND(1) when
 * NDIM = 1; otherwise (B+1) ND(L), B the product of the lengths before L, when B > 1, else
 * (A+1) ND(L), A the product of those after; 1 when ND(L) = 1.
 * @par Example
 * tests/fft/multidim_test.cpp.
 */
KIV_API int KIV_CALL C06PFF(int entry, const char* direct, int ndim, int l,  /* _q92645@52 */
                            const int* nd, int n, kiv2_complex* x, kiv2_complex* work,
                            int lwork, char* record, int* ifail, int direct_len,
                            int record_len);

/**
 * @brief Host wrapper of C06PJF: transforms a multi-dimensional complex array along every
 *        dimension.
 *
 * Every argument by address, followed by the length of DIRECT. The wrapper poisons
 * WORK(1..LWORK), calls C06PJF and reports a disagreement between the returned IFAIL and
 * the message record.
 *
 * Exported as `_q59607@36`.
 *
 * @param[in]     direct     as DIRECT of C06PJF
 * @param[in]     ndim       as NDIM of C06PJF, by address
 * @param[in]     nd         as ND of C06PJF
 * @param[in]     n          as N of C06PJF, by address
 * @param[in,out] x          as X of C06PJF
 * @param[out]    work       as WORK of C06PJF
 * @param[in]     lwork      as LWORK of C06PJF, by address
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     direct_len length of DIRECT, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * - 1: NDIM < 1
 * - 2: DIRECT is not F or B
 * - 3: some ND(I) < 1
 * - 4: N differs from the product of the ND(I)
 * - 5: LWORK < N + 3 (max ND(I) + 5) (checked before 4)
 * - 6: some ND(I) has 31 or more prime factors (X unchanged)
 * - 7: unexpected internal failure
 * @par Workspace
 * WORK: LWORK complex values, LWORK >= N + 3 (max ND(I) + 5).
 * @par Example
 * the kivhost tour stop "A 3-D transform of a plane wave"; tests/fft/multidim_test.cpp.
 */
KIV_API int KIV_CALL C06PJF_HOST(const char* direct, const int* ndim,        /* _q59607@36 */
                                 const int* nd, const int* n, kiv2_complex* x,
                                 kiv2_complex* work, const int* lwork, int* ifail,
                                 int direct_len);

/**
 * @brief Transforms a multi-dimensional complex array along every dimension.
 *
 * X holds ND(1) x ... x ND(NDIM) values, first index fastest. The dimensions of length 1
 * are skipped; the others are transformed in increasing order, each as C06PFF does. Every
 * length is checked before X changes. The messages are composed in lines of 180
 * characters.
 *
 * Exported as `_q40979@48`.
 *
 * @param[in]     entry      entry selector, 0 from the host wrapper; any value, ignored
 * @param[in]     direct     'F' forward transform, 'B' backward (either case)
 * @param[in]     ndim       number of dimensions, >= 1
 * @param[in]     nd         the NDIM lengths, each >= 1 with fewer than 31 prime factors
 * @param[in]     n          number of values, the product of the ND(I)
 * @param[in,out] x          the N complex values; on exit their multi-dimensional transform
 * @param[out]    work       workspace of LWORK complex values; WORK(1) on exit is the
 *                           largest work length C06PFF reports over L = 1 .. NDIM
 * @param[in]     lwork      length of WORK, >= N + 3 (max ND(I) + 5)
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     direct_len length of DIRECT, >= 1 (only its first character is read)
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: NDIM < 1
 * - 2: DIRECT is not F or B
 * - 3: some ND(I) < 1
 * - 4: N differs from the product of the ND(I)
 * - 5: LWORK < N + 3 (max ND(I) + 5) (checked before 4)
 * - 6: some ND(I) has 31 or more prime factors (X unchanged)
 * - 7: unexpected internal failure
 * @par Workspace
 * WORK: LWORK complex values, LWORK >= N + 3 (max ND(I) + 5).
 * @par Example
 * the kivhost tour stop "A 3-D transform of a plane wave"; tests/fft/multidim_test.cpp.
 */
KIV_API int KIV_CALL C06PJF(int entry, const char* direct, int ndim,         /* _q40979@48 */
                            const int* nd, int n, kiv2_complex* x, kiv2_complex* work,
                            int lwork, char* record, int* ifail, int direct_len,
                            int record_len);

/**
 * @brief Host wrapper of C06RAF: discrete sine transforms of M real sequences stored by
 *        rows.
 *
 * Every argument by address. The wrapper poisons nothing (X is read and written, WORK's
 * first element is the result), calls C06RAF and reports a disagreement between the
 * returned IFAIL and the message record.
 *
 * Exported as `_q12278@20`.
 *
 * @param[in]     m     as M of C06RAF, by address
 * @param[in]     n     as N of C06RAF, by address
 * @param[in,out] x     as X of C06RAF
 * @param[out]    work  as WORK of C06RAF
 * @param[in,out] ifail on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                      conventions of kiv2.h); on exit 0 or an error number listed under
 *                      IFAIL
 * @return the final IFAIL
 * @par IFAIL
 * - 1: M < 1
 * - 2: N < 1
 * - 3: unexpected internal failure
 * @par Workspace
 * WORK: 2N + (N+2)M doubles, 3N when M = 1.
 * @par Example
 * tests/fft/sine_cosine_test.cpp.
 */
KIV_API int KIV_CALL C06RAF_HOST(const int* m, const int* n, double* x,     /* _q12278@20 */
                                 double* work, int* ifail);

/**
 * @brief Discrete sine transforms of M real sequences stored by rows.
 *
 * x^_k = sqrt(2/N) sum_{j=1}^{N-1} x_j sin(pi j k/N), k = 1 .. N-1. The transform is its
 * own inverse. Its odd-numbered results are a running sum, whose rounding error grows like
 * N eps (about 1e-11 of the data's size at N = 10^5), not log N as for the other
 * transforms.
 *
 * Exported as `_q33216@28`.
 *
 * @param[in]     m          number of sequences, >= 1
 * @param[in]     n          N, one more than the number of values of each sequence, >= 1
 * @param[in,out] x          the M by N+2 array (leading dimension M): x_j in column j on
 *                           entry, x^_k in column k on exit; columns N, N+1 and N+2 are set
 *                           to 0
 * @param[out]    work       workspace of 2N + (N+2)M doubles (3N when M = 1); WORK(1) on
 *                           exit is the work length C06PPF reports (1 when N = 1)
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: M < 1
 * - 2: N < 1
 * - 3: unexpected internal failure
 * @par Workspace
 * WORK: 2N + (N+2)M doubles, 3N when M = 1.
 * @par Example
 * tests/fft/sine_cosine_test.cpp.
 */
KIV_API int KIV_CALL C06RAF(int m, int n, double* x, double* work,          /* _q33216@28 */
                            char* record, int* ifail, int record_len);

/**
 * @brief Host wrapper of C06RBF: discrete cosine transforms of M real sequences stored by
 *        rows.
 *
 * Every argument by address. The wrapper poisons nothing (X is read and written, WORK's
 * first element is the result), calls C06RBF and reports a disagreement between the
 * returned IFAIL and the message record.
 *
 * Exported as `_q26629@20`.
 *
 * @param[in]     m     as M of C06RBF, by address
 * @param[in]     n     as N of C06RBF, by address
 * @param[in,out] x     as X of C06RBF
 * @param[out]    work  as WORK of C06RBF
 * @param[in,out] ifail on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                      conventions of kiv2.h); on exit 0 or an error number listed under
 *                      IFAIL
 * @return the final IFAIL
 * @par IFAIL
 * - 1: M < 1
 * - 2: N < 1
 * - 3: unexpected internal failure
 * @par Workspace
 * WORK: 2N + (N+2)M doubles, 3N when M = 1.
 * @par Example
 * the kivhost tour stop "A discrete cosine transform, its own inverse";
 * tests/fft/sine_cosine_test.cpp.
 */
KIV_API int KIV_CALL C06RBF_HOST(const int* m, const int* n, double* x,     /* _q26629@20 */
                                 double* work, int* ifail);

/**
 * @brief Discrete cosine transforms of M real sequences stored by rows.
 *
 * x^_k = sqrt(2/N) (x_0/2 + sum_{j=1}^{N-1} x_j cos(pi j k/N) + (-1)^k x_N/2), k = 0 .. N.
 * The transform is its own inverse. Its odd-numbered results are a running sum, with an
 * error growing like N eps (as for C06RAF).
 *
 * Exported as `_q92175@28`.
 *
 * @param[in]     m          number of sequences, >= 1
 * @param[in]     n          N, one less than the number of values of each sequence, >= 1
 * @param[in,out] x          the M by N+3 array (leading dimension M): x_j in column j+1 on
 *                           entry, x^_k in column k+1 on exit; column N+3 is scratch
 * @param[out]    work       workspace of 2N + (N+2)M doubles (3N when M = 1); WORK(1) on
 *                           exit is the work length C06PPF reports (1 when N = 1)
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: M < 1
 * - 2: N < 1
 * - 3: unexpected internal failure
 * @par Workspace
 * WORK: 2N + (N+2)M doubles, 3N when M = 1.
 * @par Example
 * the kivhost tour stop "A discrete cosine transform, its own inverse";
 * tests/fft/sine_cosine_test.cpp.
 */
KIV_API int KIV_CALL C06RBF(int m, int n, double* x, double* work,          /* _q92175@28 */
                            char* record, int* ifail, int record_len);

/**
 * @brief Host wrapper of C06RCF: quarter-wave sine transforms of M real sequences stored by
 *        rows.
 *
 * Every argument by address, followed by the length of DIRECT. The wrapper poisons nothing
 * (X is read and written, WORK's first element is the result), calls C06RCF and reports a
 * disagreement between the returned IFAIL and the message record.
 *
 * Exported as `_q16953@28`.
 *
 * @param[in]     direct     as DIRECT of C06RCF
 * @param[in]     m          as M of C06RCF, by address
 * @param[in]     n          as N of C06RCF, by address
 * @param[in,out] x          as X of C06RCF
 * @param[out]    work       as WORK of C06RCF
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     direct_len length of DIRECT, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * - 1: M < 1
 * - 2: N < 1
 * - 3: DIRECT is not F or B
 * - 4: unexpected internal failure
 * @par Workspace
 * WORK: 2N + (N+2)M doubles, 3N when M = 1.
 * @par Example
 * tests/fft/sine_cosine_test.cpp.
 */
KIV_API int KIV_CALL C06RCF_HOST(const char* direct, const int* m,          /* _q16953@28 */
                                 const int* n, double* x, double* work, int* ifail,
                                 int direct_len);

/**
 * @brief Quarter-wave sine transforms of M real sequences stored by rows.
 *
 * Forward: x^_k = (sum_{j=1}^{N-1} x_j sin((2k-1) j phi) + x_N sin((2k-1) N phi)/2)
 * / sqrt(N), k = 1 .. N, phi = pi/(2N). Backward, its inverse:
 * x_j = (2/sqrt(N)) sum_{k=1}^{N} x^_k sin((2k-1) j phi).
 *
 * Exported as `_q86805@36`.
 *
 * @param[in]     direct     'F' forward transform, 'B' backward (either case)
 * @param[in]     m          number of sequences, >= 1
 * @param[in]     n          number of values of each sequence, >= 1
 * @param[in,out] x          the M by N+2 array (leading dimension M): the N values of each
 *                           sequence in columns 1 .. N, on exit their transforms; columns
 *                           N+1 and N+2 are scratch (0 on exit when N > 1)
 * @param[out]    work       workspace of 2N + (N+2)M doubles (3N when M = 1); WORK(1) on
 *                           exit is the work length C06PPF reports (1 when N = 1)
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     direct_len length of DIRECT, >= 1 (only its first character is read)
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: M < 1
 * - 2: N < 1
 * - 3: DIRECT is not F or B
 * - 4: unexpected internal failure
 * @par Workspace
 * WORK: 2N + (N+2)M doubles, 3N when M = 1.
 * @par Example
 * tests/fft/sine_cosine_test.cpp.
 */
KIV_API int KIV_CALL C06RCF(const char* direct, int m, int n, double* x,    /* _q86805@36 */
                            double* work, char* record, int* ifail, int direct_len,
                            int record_len);

/**
 * @brief Host wrapper of C06RDF: quarter-wave cosine transforms of M real sequences stored
 *        by rows.
 *
 * Every argument by address, followed by the length of DIRECT. The wrapper poisons nothing
 * (X is read and written, WORK's first element is the result), calls C06RDF and reports a
 * disagreement between the returned IFAIL and the message record.
 *
 * Exported as `_q12240@28`.
 *
 * @param[in]     direct     as DIRECT of C06RDF
 * @param[in]     m          as M of C06RDF, by address
 * @param[in]     n          as N of C06RDF, by address
 * @param[in,out] x          as X of C06RDF
 * @param[out]    work       as WORK of C06RDF
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     direct_len length of DIRECT, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * - 1: M < 1
 * - 2: N < 1
 * - 3: DIRECT is not F or B
 * - 4: unexpected internal failure
 * @par Workspace
 * WORK: 2N + (N+2)M doubles, 3N when M = 1.
 * @par Example
 * tests/fft/sine_cosine_test.cpp.
 */
KIV_API int KIV_CALL C06RDF_HOST(const char* direct, const int* m,          /* _q12240@28 */
                                 const int* n, double* x, double* work, int* ifail,
                                 int direct_len);

/**
 * @brief Quarter-wave cosine transforms of M real sequences stored by rows.
 *
 * Forward: x^_k = (x_0/2 + sum_{j=1}^{N-1} x_j cos((2k+1) j phi)) / sqrt(N), k = 0 .. N-1,
 * phi = pi/(2N). Backward, its inverse: x_j = (2/sqrt(N)) sum_{k=0}^{N-1} x^_k
 * cos((2k+1) j phi).
 *
 * Exported as `_q85317@36`.
 *
 * @param[in]     direct     'F' forward transform, 'B' backward (either case)
 * @param[in]     m          number of sequences, >= 1
 * @param[in]     n          number of values of each sequence, >= 1
 * @param[in,out] x          the M by N+2 array (leading dimension M): the N values of each
 *                           sequence in columns 1 .. N, on exit their transforms; columns
 *                           N+1 and N+2 are scratch (0 on exit when N > 1)
 * @param[out]    work       workspace of 2N + (N+2)M doubles (3N when M = 1); WORK(1) on
 *                           exit is the work length C06PPF reports (1 when N = 1)
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     direct_len length of DIRECT, >= 1 (only its first character is read)
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: M < 1
 * - 2: N < 1
 * - 3: DIRECT is not F or B
 * - 4: unexpected internal failure
 * @par Workspace
 * WORK: 2N + (N+2)M doubles, 3N when M = 1.
 * @par Example
 * tests/fft/sine_cosine_test.cpp.
 */
KIV_API int KIV_CALL C06RDF(const char* direct, int m, int n, double* x,    /* _q85317@36 */
                            double* work, char* record, int* ifail, int direct_len,
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
 *
 * Exported as `_q22201@52`.
 *
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
 * @return the final IFAIL.
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
 *
 * Exported as `_q39715@76`.
 *
 * @param[in] f        the integrand.
 * @param[in] adapter  CALLBACK_NDIM_X, or NULL for it.
 * @param[in] ndim by value, as in D01JAF_HOST.
 * @param[in] radius by value, as in D01JAF_HOST.
 * @param[in] absacc by value, as in D01JAF_HOST.
 * @param[in] relacc by value, as in D01JAF_HOST.
 * @param[in] method by value, as in D01JAF_HOST.
 * @param[in] icoord by value, as in D01JAF_HOST.
 * @param[out] result as in D01JAF_HOST.
 * @param[out] errest as in D01JAF_HOST.
 * @param[out] nfun as in D01JAF_HOST.
 * @param[in] user1 handed to F unchanged.
 * @param[in] user2 handed to F unchanged.
 * @param[out] record  message record.
 * @param[in,out] ifail as in D01JAF_HOST.
 * @param[in] record_len KIV2_RECORD_LEN.
 * @return the final IFAIL.
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
 *
 * Exported as `_q14537@48`.
 *
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
 * @return the final IFAIL.
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
 *
 * Exported as `_q47651@60`.
 *
 * @param[in] ndim by value, as in D01PAF_HOST.
 * @param[in] iv1 by value, as in D01PAF_HOST.
 * @param[in] iv2 by value, as in D01PAF_HOST.
 * @param[in] maxord by value, as in D01PAF_HOST.
 * @param[in,out] vertex as in D01PAF_HOST.
 * @param[in,out] minord as in D01PAF_HOST.
 * @param[in,out] values as in D01PAF_HOST.
 * @param[in] functn   the integrand.
 * @param[in] adapter  CALLBACK_NDIM_X, or NULL for it.
 * @param[out] errest  as in D01PAF_HOST.
 * @param[in] user1 handed to FUNCTN unchanged.
 * @param[in] user2 handed to FUNCTN unchanged.
 * @param[out] record  message record.
 * @param[in,out] ifail as in D01PAF_HOST.
 * @param[in] record_len KIV2_RECORD_LEN.
 * @return the final IFAIL.
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

/**
 * @brief Host wrapper of F11ZAF: sorts a list of entries into valid coordinate storage (CS)
 *        of a real matrix, removing or summing repeated entries and removing zeros as
 *        asked.
 *
 * Every argument by address, followed by the lengths of the character arguments. The
 * wrapper poisons the outputs F11ZAF writes, calls F11ZAF and reports a disagreement
 * between the returned IFAIL and the message record.
 *
 * Exported as `_q68381@48`.
 *
 * @param[in]     n        as N of F11ZAF, by address
 * @param[in,out] nnz      as NNZ of F11ZAF
 * @param[in,out] a        as A of F11ZAF
 * @param[in,out] irow     as IROW of F11ZAF
 * @param[in,out] icol     as ICOL of F11ZAF
 * @param[in]     dup      as DUP of F11ZAF
 * @param[in]     zero     as ZERO of F11ZAF
 * @param[out]    istr     as ISTR of F11ZAF
 * @param[out]    iwork    as IWORK of F11ZAF
 * @param[in,out] ifail    on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                         conventions of kiv2.h); on exit 0 or an error number listed under
 *                         IFAIL
 * @param[in]     dup_len  length of DUP, >= 1 (only its first character is read)
 * @param[in]     zero_len length of ZERO, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * - 1: N < 1, NNZ < 0, or DUP or ZERO not one of its letters
 * - 2: a row or column index out of range (indices are checked before the options)
 * - 3: a repeated location with DUP = F
 * - 4: a zero value with ZERO = F
 * @par Workspace
 * IWORK: N integers; ISTR: N+1 integers.
 * @par Example
 * examples/sparse_solve.c; tests/sparse/storage_test.cpp; the kivhost tour stop "Coordinate
 * storage and a product".
 */
KIV_API int KIV_CALL F11ZAF_HOST(const int* n, int* nnz, double* a, int* irow,      /* _q68381@48 */
                                 int* icol, const char* dup, const char* zero, int* istr,
                                 int* iwork, int* ifail, int dup_len, int zero_len);

/**
 * @brief Sorts a list of entries into valid coordinate storage (CS) of a real matrix,
 *        removing or summing repeated entries and removing zeros as asked.
 *
 * Coordinate storage (CS): A, IROW, ICOL hold NNZ entries of a square matrix of order N.
 * Valid storage is sorted by row, then column, without repeated locations. On IFAIL = 1 or
 * 2 nothing has changed. On IFAIL = 3 or 4 the entries are sorted and merged, NNZ is the
 * number left and ISTR is not set.
 *
 * Exported as `_q38098@56`.
 *
 * @param[in]     n          order of the matrix, >= 1
 * @param[in,out] nnz        number of entries, >= 0 (0 gives an empty matrix); on exit the
 *                           number kept
 * @param[in,out] a          the NNZ values; on exit in sorted order
 * @param[in,out] irow       the NNZ row indices, each in 1..N; sorted on exit
 * @param[in,out] icol       the NNZ column indices, each in 1..N; sorted on exit
 * @param[in]     dup        repeated locations: 'R' keep the first value, 'S' sum the
 *                           values, 'F' fail
 * @param[in]     zero       zero values (after summing): 'R' remove them, 'K' keep them,
 *                           'F' fail
 * @param[out]    istr       N+1 row starts: row i occupies positions ISTR(i) to ISTR(i+1)-1
 * @param[out]    iwork      workspace of N integers; on exit the number of entries in each
 *                           row
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     dup_len    length of DUP, >= 1 (only its first character is read)
 * @param[in]     zero_len   length of ZERO, >= 1 (only its first character is read)
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: N < 1, NNZ < 0, or DUP or ZERO not one of its letters
 * - 2: a row or column index out of range (indices are checked before the options)
 * - 3: a repeated location with DUP = F
 * - 4: a zero value with ZERO = F
 * @par Workspace
 * IWORK: N integers; ISTR: N+1 integers.
 * @par Example
 * examples/sparse_solve.c; tests/sparse/storage_test.cpp; the kivhost tour stop "Coordinate
 * storage and a product".
 */
KIV_API int KIV_CALL F11ZAF(int n, int* nnz, double* a, int* irow, int* icol,        /* _q38098@56 */
                            const char* dup, const char* zero, int* istr, int* iwork,
                            char* record, int* ifail, int dup_len, int zero_len,
                            int record_len);

/**
 * @brief Sorts a list of lower-triangle entries into valid symmetric coordinate storage
 *        (SCS) of a real symmetric matrix.
 *
 * Symmetric coordinate storage (SCS) holds the lower triangle (ICOL(k) <= IROW(k)) of a
 * symmetric or Hermitian matrix, sorted by row, then column, without repeated locations.
 * The routine body is the export; it has no host wrapper. On IFAIL = 1 or 2 nothing has
 * changed.
 *
 * Exported as `_q56966@56`.
 *
 * @param[in]     n          order of the matrix, >= 1
 * @param[in,out] nnz        number of entries, >= 0 (0 gives an empty matrix); on exit the
 *                           number kept
 * @param[in,out] a          the NNZ values; on exit in sorted order
 * @param[in,out] irow       the NNZ row indices, each in 1..N; sorted on exit
 * @param[in,out] icol       the NNZ column indices, each in 1..IROW(k); sorted on exit
 * @param[in]     dup        repeated locations: 'R' keep the first value, 'S' sum the
 *                           values
 * @param[in]     zero       zero values (after summing): 'R' remove them, 'K' keep them
 * @param[out]    istr       N+1 row starts: row i occupies positions ISTR(i) to ISTR(i+1)-1
 * @param[out]    iwork      workspace of N integers; on exit the number of entries in each
 *                           row
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     dup_len    length of DUP, >= 1 (only its first character is read)
 * @param[in]     zero_len   length of ZERO, >= 1 (only its first character is read)
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: N < 1, NNZ < 0, or DUP or ZERO not one of its letters
 * - 2: a row index outside 1..N or a column index outside 1..IROW(k)
 * @par Workspace
 * IWORK: N integers; ISTR: N+1 integers.
 * @par Example
 * examples/sparse_solve.c; tests/sparse/storage_test.cpp; the kivhost tour stop "Coordinate
 * storage and a product".
 */
KIV_API int KIV_CALL F11ZBF(int n, int* nnz, double* a, int* irow, int* icol,        /* _q56966@56 */
                            const char* dup, const char* zero, int* istr, int* iwork,
                            char* record, int* ifail, int dup_len, int zero_len,
                            int record_len);

/**
 * @brief Host wrapper of F11ZNF: sorts a list of entries into valid coordinate storage (CS)
 *        of a complex matrix, removing or summing repeated entries and removing zeros as
 *        asked.
 *
 * Every argument by address, followed by the lengths of the character arguments. The
 * wrapper poisons the outputs F11ZNF writes, calls F11ZNF and reports a disagreement
 * between the returned IFAIL and the message record.
 *
 * Exported as `_q79557@48`.
 *
 * @param[in]     n        as N of F11ZNF, by address
 * @param[in,out] nnz      as NNZ of F11ZNF
 * @param[in,out] a        as A of F11ZNF
 * @param[in,out] irow     as IROW of F11ZNF
 * @param[in,out] icol     as ICOL of F11ZNF
 * @param[in]     dup      as DUP of F11ZNF
 * @param[in]     zero     as ZERO of F11ZNF
 * @param[out]    istr     as ISTR of F11ZNF
 * @param[out]    iwork    as IWORK of F11ZNF
 * @param[in,out] ifail    on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                         conventions of kiv2.h); on exit 0 or an error number listed under
 *                         IFAIL
 * @param[in]     dup_len  length of DUP, >= 1 (only its first character is read)
 * @param[in]     zero_len length of ZERO, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * - 1: N < 1, NNZ < 0, or DUP or ZERO not one of its letters
 * - 2: a row or column index out of range (indices are checked before the options)
 * - 3: a repeated location with DUP = F
 * - 4: a zero value with ZERO = F
 * @par Workspace
 * IWORK: N integers; ISTR: N+1 integers.
 * @par Example
 * examples/sparse_solve.c; tests/sparse/storage_test.cpp; the kivhost tour stop "Coordinate
 * storage and a product".
 */
KIV_API int KIV_CALL F11ZNF_HOST(const int* n, int* nnz, kiv2_complex* a, int* irow, /* _q79557@48 */
                                 int* icol, const char* dup, const char* zero, int* istr,
                                 int* iwork, int* ifail, int dup_len, int zero_len);

/**
 * @brief Sorts a list of entries into valid coordinate storage (CS) of a complex matrix,
 *        removing or summing repeated entries and removing zeros as asked.
 *
 * Coordinate storage (CS): A, IROW, ICOL hold NNZ entries of a square matrix of order N.
 * Valid storage is sorted by row, then column, without repeated locations. On IFAIL = 1 or
 * 2 nothing has changed. On IFAIL = 3 or 4 the entries are sorted and merged, NNZ is the
 * number left and ISTR is not set.
 *
 * Exported as `_q70778@56`.
 *
 * @param[in]     n          order of the matrix, >= 1
 * @param[in,out] nnz        number of entries, >= 0 (0 gives an empty matrix); on exit the
 *                           number kept
 * @param[in,out] a          the NNZ complex values; on exit in sorted order
 * @param[in,out] irow       the NNZ row indices, each in 1..N; sorted on exit
 * @param[in,out] icol       the NNZ column indices, each in 1..N; sorted on exit
 * @param[in]     dup        repeated locations: 'R' keep the first value, 'S' sum the
 *                           values, 'F' fail
 * @param[in]     zero       zero values (after summing): 'R' remove them, 'K' keep them,
 *                           'F' fail
 * @param[out]    istr       N+1 row starts: row i occupies positions ISTR(i) to ISTR(i+1)-1
 * @param[out]    iwork      workspace of N integers; on exit the number of entries in each
 *                           row
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     dup_len    length of DUP, >= 1 (only its first character is read)
 * @param[in]     zero_len   length of ZERO, >= 1 (only its first character is read)
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: N < 1, NNZ < 0, or DUP or ZERO not one of its letters
 * - 2: a row or column index out of range (indices are checked before the options)
 * - 3: a repeated location with DUP = F
 * - 4: a zero value with ZERO = F
 * @par Workspace
 * IWORK: N integers; ISTR: N+1 integers.
 * @par Example
 * examples/sparse_solve.c; tests/sparse/storage_test.cpp; the kivhost tour stop "Coordinate
 * storage and a product".
 */
KIV_API int KIV_CALL F11ZNF(int n, int* nnz, kiv2_complex* a, int* irow, int* icol,  /* _q70778@56 */
                            const char* dup, const char* zero, int* istr, int* iwork,
                            char* record, int* ifail, int dup_len, int zero_len,
                            int record_len);

/**
 * @brief Host wrapper of F11ZPF: sorts a list of lower-triangle entries into valid
 *        symmetric coordinate storage (SCS) of a complex Hermitian matrix.
 *
 * Every argument by address, followed by the lengths of the character arguments. The
 * wrapper poisons the outputs F11ZPF writes, calls F11ZPF and reports a disagreement
 * between the returned IFAIL and the message record.
 *
 * Exported as `_q84157@48`.
 *
 * @param[in]     n        as N of F11ZPF, by address
 * @param[in,out] nnz      as NNZ of F11ZPF
 * @param[in,out] a        as A of F11ZPF
 * @param[in,out] irow     as IROW of F11ZPF
 * @param[in,out] icol     as ICOL of F11ZPF
 * @param[in]     dup      as DUP of F11ZPF
 * @param[in]     zero     as ZERO of F11ZPF
 * @param[out]    istr     as ISTR of F11ZPF
 * @param[out]    iwork    as IWORK of F11ZPF
 * @param[in,out] ifail    on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                         conventions of kiv2.h); on exit 0 or an error number listed under
 *                         IFAIL
 * @param[in]     dup_len  length of DUP, >= 1 (only its first character is read)
 * @param[in]     zero_len length of ZERO, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * - 1: N < 1, NNZ < 0, or DUP or ZERO not one of its letters
 * - 2: a row index outside 1..N or a column index outside 1..IROW(k)
 * - 3: a repeated location with DUP = F
 * - 4: a zero value with ZERO = F
 * @par Workspace
 * IWORK: N integers; ISTR: N+1 integers.
 * @par Example
 * examples/sparse_solve.c; tests/sparse/storage_test.cpp; the kivhost tour stop "Coordinate
 * storage and a product".
 */
KIV_API int KIV_CALL F11ZPF_HOST(const int* n, int* nnz, kiv2_complex* a, int* irow, /* _q84157@48 */
                                 int* icol, const char* dup, const char* zero, int* istr,
                                 int* iwork, int* ifail, int dup_len, int zero_len);

/**
 * @brief Sorts a list of lower-triangle entries into valid symmetric coordinate storage
 *        (SCS) of a complex Hermitian matrix.
 *
 * Symmetric coordinate storage (SCS) holds the lower triangle (ICOL(k) <= IROW(k)) of a
 * symmetric or Hermitian matrix, sorted by row, then column, without repeated locations. On
 * IFAIL = 1 or 2 nothing has changed. On IFAIL = 3 or 4 the entries are sorted and merged,
 * NNZ is the number left and ISTR is not set.
 *
 * Exported as `_q16903@56`.
 *
 * @param[in]     n          order of the matrix, >= 1
 * @param[in,out] nnz        number of entries, >= 0 (0 gives an empty matrix); on exit the
 *                           number kept
 * @param[in,out] a          the NNZ complex values; on exit in sorted order
 * @param[in,out] irow       the NNZ row indices, each in 1..N; sorted on exit
 * @param[in,out] icol       the NNZ column indices, each in 1..IROW(k); sorted on exit
 * @param[in]     dup        repeated locations: 'R' keep the first value, 'S' sum the
 *                           values, 'F' fail
 * @param[in]     zero       zero values (after summing): 'R' remove them, 'K' keep them,
 *                           'F' fail
 * @param[out]    istr       N+1 row starts: row i occupies positions ISTR(i) to ISTR(i+1)-1
 * @param[out]    iwork      workspace of N integers; on exit the number of entries in each
 *                           row
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     dup_len    length of DUP, >= 1 (only its first character is read)
 * @param[in]     zero_len   length of ZERO, >= 1 (only its first character is read)
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: N < 1, NNZ < 0, or DUP or ZERO not one of its letters
 * - 2: a row index outside 1..N or a column index outside 1..IROW(k)
 * - 3: a repeated location with DUP = F
 * - 4: a zero value with ZERO = F
 * @par Workspace
 * IWORK: N integers; ISTR: N+1 integers.
 * @par Example
 * examples/sparse_solve.c; tests/sparse/storage_test.cpp; the kivhost tour stop "Coordinate
 * storage and a product".
 */
KIV_API int KIV_CALL F11ZPF(int n, int* nnz, kiv2_complex* a, int* irow, int* icol,  /* _q16903@56 */
                            const char* dup, const char* zero, int* istr, int* iwork,
                            char* record, int* ifail, int dup_len, int zero_len,
                            int record_len);

/**
 * @brief Host wrapper of F11XAF: y = A x or y = A^T x for a real matrix in coordinate
 *        storage (CS).
 *
 * Every argument by address, followed by the lengths of the character arguments. The
 * wrapper poisons the outputs F11XAF writes, calls F11XAF and reports a disagreement
 * between the returned IFAIL and the message record.
 *
 * Exported as `_q19673@48`.
 *
 * @param[in]     trans     as TRANS of F11XAF
 * @param[in]     n         as N of F11XAF, by address
 * @param[in]     nnz       as NNZ of F11XAF, by address
 * @param[in]     a         as A of F11XAF
 * @param[in]     irow      as IROW of F11XAF
 * @param[in]     icol      as ICOL of F11XAF
 * @param[in]     check     as CHECK of F11XAF
 * @param[in]     x         as X of F11XAF
 * @param[out]    y         as Y of F11XAF
 * @param[in,out] ifail     on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                          conventions of kiv2.h); on exit 0 or an error number listed
 *                          under IFAIL
 * @param[in]     trans_len length of TRANS, >= 1 (only its first character is read)
 * @param[in]     check_len length of CHECK, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * - 1: CHECK or TRANS not one of its letters (CHECK is read first)
 * - 2: N < 1, NNZ < 1 or NNZ > N^2
 * - 3: an index out of range, an entry out of order or a repeated location
 * @par Example
 * examples/sparse_solve.c; tests/sparse/products_test.cpp; the kivhost tour stop
 * "Coordinate storage and a product".
 */
KIV_API int KIV_CALL F11XAF_HOST(const char* trans, const int* n, const int* nnz,    /* _q19673@48 */
                                 const double* a, const int* irow, const int* icol,
                                 const char* check, const double* x, double* y, int* ifail,
                                 int trans_len, int check_len);

/**
 * @brief y = A x or y = A^T x for a real matrix in coordinate storage (CS).
 *
 * Coordinate storage (CS): A, IROW, ICOL hold NNZ entries of a square matrix of order N.
 * Valid storage is sorted by row, then column, without repeated locations. With CHECK = N
 * the order is trusted but every index is still kept within 1..N. Y is not computed on
 * error (the host wrapper leaves it poisoned).
 *
 * Exported as `_q36382@56`.
 *
 * @param[in]     trans      'N' y = A x, 'T' y = A^T x
 * @param[in]     n          order of A, >= 1
 * @param[in]     nnz        number of entries, 1 <= NNZ <= N^2
 * @param[in]     a          the NNZ values
 * @param[in]     irow       the NNZ row indices, 1..N, sorted
 * @param[in]     icol       the NNZ column indices, 1..N, sorted within a row
 * @param[in]     check      'C' check the storage first, 'N' trust its order
 * @param[in]     x          the vector x, N values
 * @param[out]    y          the product, N values
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     trans_len  length of TRANS, >= 1 (only its first character is read)
 * @param[in]     check_len  length of CHECK, >= 1 (only its first character is read)
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: CHECK or TRANS not one of its letters (CHECK is read first)
 * - 2: N < 1, NNZ < 1 or NNZ > N^2
 * - 3: an index out of range, an entry out of order or a repeated location
 * @par Example
 * examples/sparse_solve.c; tests/sparse/products_test.cpp; the kivhost tour stop
 * "Coordinate storage and a product".
 */
KIV_API int KIV_CALL F11XAF(const char* trans, int n, int nnz, const double* a,      /* _q36382@56 */
                            const int* irow, const int* icol, const char* check,
                            const double* x, double* y, char* record, int* ifail,
                            int trans_len, int check_len, int record_len);

/**
 * @brief Host wrapper of F11XEF: y = A x for a real symmetric matrix in symmetric
 *        coordinate storage (SCS).
 *
 * Every argument by address, followed by the lengths of the character arguments. The
 * wrapper poisons the outputs F11XEF writes, calls F11XEF and reports a disagreement
 * between the returned IFAIL and the message record.
 *
 * Exported as `_q52022@40`.
 *
 * @param[in]     n         as N of F11XEF, by address
 * @param[in]     nnz       as NNZ of F11XEF, by address
 * @param[in]     a         as A of F11XEF
 * @param[in]     irow      as IROW of F11XEF
 * @param[in]     icol      as ICOL of F11XEF
 * @param[in]     check     as CHECK of F11XEF
 * @param[in]     x         as X of F11XEF
 * @param[out]    y         as Y of F11XEF
 * @param[in,out] ifail     on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                          conventions of kiv2.h); on exit 0 or an error number listed
 *                          under IFAIL
 * @param[in]     check_len length of CHECK, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * - 1: CHECK not C or N
 * - 2: N < 1, NNZ < 1 or NNZ > N(N+1)/2
 * - 3: an index out of range, an entry out of order or a repeated location
 * @par Example
 * examples/sparse_solve.c; tests/sparse/products_test.cpp; the kivhost tour stop
 * "Coordinate storage and a product".
 */
KIV_API int KIV_CALL F11XEF_HOST(const int* n, const int* nnz, const double* a,     /* _q52022@40 */
                                 const int* irow, const int* icol, const char* check,
                                 const double* x, double* y, int* ifail, int check_len);

/**
 * @brief y = A x for a real symmetric matrix in symmetric coordinate storage (SCS).
 *
 * Symmetric coordinate storage (SCS) holds the lower triangle (ICOL(k) <= IROW(k)) of a
 * symmetric or Hermitian matrix, sorted by row, then column, without repeated locations. An
 * off-diagonal entry acts in both triangles. Y is not computed on error.
 *
 * Exported as `_q65037@48`.
 *
 * @param[in]     n          order of A, >= 1
 * @param[in]     nnz        number of entries, 1 <= NNZ <= N(N+1)/2
 * @param[in]     a          the NNZ values
 * @param[in]     irow       the NNZ row indices, 1..N, sorted
 * @param[in]     icol       the NNZ column indices, 1..IROW(k), sorted within a row
 * @param[in]     check      'C' check the storage first, 'N' trust its order
 * @param[in]     x          the vector x, N values
 * @param[out]    y          the product, N values
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     check_len  length of CHECK, >= 1 (only its first character is read)
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: CHECK not C or N
 * - 2: N < 1, NNZ < 1 or NNZ > N(N+1)/2
 * - 3: an index out of range, an entry out of order or a repeated location
 * @par Example
 * examples/sparse_solve.c; tests/sparse/products_test.cpp; the kivhost tour stop
 * "Coordinate storage and a product".
 */
KIV_API int KIV_CALL F11XEF(int n, int nnz, const double* a, const int* irow,        /* _q65037@48 */
                            const int* icol, const char* check, const double* x, double* y,
                            char* record, int* ifail, int check_len, int record_len);

/**
 * @brief Host wrapper of F11XNF: y = A x or y = A^H x for a complex matrix in coordinate
 *        storage (CS).
 *
 * Every argument by address, followed by the lengths of the character arguments. The
 * wrapper poisons the outputs F11XNF writes, calls F11XNF and reports a disagreement
 * between the returned IFAIL and the message record.
 *
 * Exported as `_q19507@48`.
 *
 * @param[in]     trans     as TRANS of F11XNF
 * @param[in]     n         as N of F11XNF, by address
 * @param[in]     nnz       as NNZ of F11XNF, by address
 * @param[in]     a         as A of F11XNF
 * @param[in]     irow      as IROW of F11XNF
 * @param[in]     icol      as ICOL of F11XNF
 * @param[in]     check     as CHECK of F11XNF
 * @param[in]     x         as X of F11XNF
 * @param[out]    y         as Y of F11XNF
 * @param[in,out] ifail     on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                          conventions of kiv2.h); on exit 0 or an error number listed
 *                          under IFAIL
 * @param[in]     trans_len length of TRANS, >= 1 (only its first character is read)
 * @param[in]     check_len length of CHECK, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * - 1: CHECK or TRANS not one of its letters (CHECK is read first)
 * - 2: N < 1, NNZ < 1 or NNZ > N^2
 * - 3: an index out of range, an entry out of order or a repeated location
 * @par Example
 * examples/sparse_solve.c; tests/sparse/products_test.cpp; the kivhost tour stop
 * "Coordinate storage and a product".
 */
KIV_API int KIV_CALL F11XNF_HOST(const char* trans, const int* n, const int* nnz,    /* _q19507@48 */
                                 const kiv2_complex* a, const int* irow, const int* icol,
                                 const char* check, const kiv2_complex* x, kiv2_complex* y,
                                 int* ifail, int trans_len, int check_len);

/**
 * @brief y = A x or y = A^H x for a complex matrix in coordinate storage (CS).
 *
 * Coordinate storage (CS): A, IROW, ICOL hold NNZ entries of a square matrix of order N.
 * Valid storage is sorted by row, then column, without repeated locations. With CHECK = N
 * the order is trusted but every index is still kept within 1..N. Y is not computed on
 * error (the host wrapper leaves it poisoned).
 *
 * Exported as `_q74286@56`.
 *
 * @param[in]     trans      'N' y = A x, 'T' y = A^H x (the conjugate transpose)
 * @param[in]     n          order of A, >= 1
 * @param[in]     nnz        number of entries, 1 <= NNZ <= N^2
 * @param[in]     a          the NNZ complex values
 * @param[in]     irow       the NNZ row indices, 1..N, sorted
 * @param[in]     icol       the NNZ column indices, 1..N, sorted within a row
 * @param[in]     check      'C' check the storage first, 'N' trust its order
 * @param[in]     x          the vector x, N complex values
 * @param[out]    y          the product, N complex values
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     trans_len  length of TRANS, >= 1 (only its first character is read)
 * @param[in]     check_len  length of CHECK, >= 1 (only its first character is read)
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: CHECK or TRANS not one of its letters (CHECK is read first)
 * - 2: N < 1, NNZ < 1 or NNZ > N^2
 * - 3: an index out of range, an entry out of order or a repeated location
 * @par Example
 * examples/sparse_solve.c; tests/sparse/products_test.cpp; the kivhost tour stop
 * "Coordinate storage and a product".
 */
KIV_API int KIV_CALL F11XNF(const char* trans, int n, int nnz, const kiv2_complex* a, /* _q74286@56 */
                            const int* irow, const int* icol, const char* check,
                            const kiv2_complex* x, kiv2_complex* y, char* record, int* ifail,
                            int trans_len, int check_len, int record_len);

/**
 * @brief Host wrapper of F11XSF: y = A x for a complex Hermitian matrix in symmetric
 *        coordinate storage (SCS).
 *
 * Every argument by address, followed by the lengths of the character arguments. The
 * wrapper poisons the outputs F11XSF writes, calls F11XSF and reports a disagreement
 * between the returned IFAIL and the message record.
 *
 * Exported as `_q30820@40`.
 *
 * @param[in]     n         as N of F11XSF, by address
 * @param[in]     nnz       as NNZ of F11XSF, by address
 * @param[in]     a         as A of F11XSF
 * @param[in]     irow      as IROW of F11XSF
 * @param[in]     icol      as ICOL of F11XSF
 * @param[in]     check     as CHECK of F11XSF
 * @param[in]     x         as X of F11XSF
 * @param[out]    y         as Y of F11XSF
 * @param[in,out] ifail     on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                          conventions of kiv2.h); on exit 0 or an error number listed
 *                          under IFAIL
 * @param[in]     check_len length of CHECK, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * - 1: CHECK not C or N
 * - 2: N < 1, NNZ < 1 or NNZ > N(N+1)/2
 * - 3: an index out of range, an entry out of order or a repeated location
 * @par Example
 * examples/sparse_solve.c; tests/sparse/products_test.cpp; the kivhost tour stop
 * "Coordinate storage and a product".
 */
KIV_API int KIV_CALL F11XSF_HOST(const int* n, const int* nnz, const kiv2_complex* a, /* _q30820@40 */
                                 const int* irow, const int* icol, const char* check,
                                 const kiv2_complex* x, kiv2_complex* y, int* ifail,
                                 int check_len);

/**
 * @brief y = A x for a complex Hermitian matrix in symmetric coordinate storage (SCS).
 *
 * Symmetric coordinate storage (SCS) holds the lower triangle (ICOL(k) <= IROW(k)) of a
 * symmetric or Hermitian matrix, sorted by row, then column, without repeated locations. An
 * off-diagonal entry a acts as a below the diagonal and conj(a) above. Y is not computed on
 * error.
 *
 * Exported as `_q19079@48`.
 *
 * @param[in]     n          order of A, >= 1
 * @param[in]     nnz        number of entries, 1 <= NNZ <= N(N+1)/2
 * @param[in]     a          the NNZ complex values
 * @param[in]     irow       the NNZ row indices, 1..N, sorted
 * @param[in]     icol       the NNZ column indices, 1..IROW(k), sorted within a row
 * @param[in]     check      'C' check the storage first, 'N' trust its order
 * @param[in]     x          the vector x, N complex values
 * @param[out]    y          the product, N complex values
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     check_len  length of CHECK, >= 1 (only its first character is read)
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: CHECK not C or N
 * - 2: N < 1, NNZ < 1 or NNZ > N(N+1)/2
 * - 3: an index out of range, an entry out of order or a repeated location
 * @par Example
 * examples/sparse_solve.c; tests/sparse/products_test.cpp; the kivhost tour stop
 * "Coordinate storage and a product".
 */
KIV_API int KIV_CALL F11XSF(int n, int nnz, const kiv2_complex* a, const int* irow,  /* _q19079@48 */
                            const int* icol, const char* check, const kiv2_complex* x,
                            kiv2_complex* y, char* record, int* ifail, int check_len,
                            int record_len);


/* ===================================================================== */
/* Sparse linear systems: reverse-communication solvers and kernels       */
/* ===================================================================== */
/**
 * @brief Host wrapper of F11BDF: sets up a real nonsymmetric system A x = b for the
 *        reverse-communication solver F11BEF.
 *
 * Every argument by address, followed by the lengths of the character arguments. The
 * wrapper poisons the outputs F11BDF writes, calls F11BDF and reports a disagreement
 * between the returned IFAIL and the message record.
 *
 * Exported as `_q95239@80`.
 *
 * @param[in]     method     as METHOD of F11BDF
 * @param[in]     precon     as PRECON of F11BDF
 * @param[in]     norm       as NORM of F11BDF
 * @param[in]     weight     as WEIGHT of F11BDF
 * @param[in]     iterm      as ITERM of F11BDF, by address
 * @param[in]     n          as N of F11BDF, by address
 * @param[in]     m          as M of F11BDF, by address
 * @param[in]     tol        as TOL of F11BDF, by address
 * @param[in]     maxitn     as MAXITN of F11BDF, by address
 * @param[in]     anorm      as ANORM of F11BDF, by address
 * @param[in]     sigmax     as SIGMAX of F11BDF, by address
 * @param[in]     monit      as MONIT of F11BDF, by address
 * @param[out]    lwreq      as LWREQ of F11BDF
 * @param[out]    work       as WORK of F11BDF
 * @param[in]     lwork      as LWORK of F11BDF, by address
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     method_len length of METHOD, >= 1 (only its first character is read)
 * @param[in]     precon_len length of PRECON, >= 1 (only its first character is read)
 * @param[in]     norm_len   length of NORM, >= 1 (only its first character is read)
 * @param[in]     weight_len length of WEIGHT, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * - -i: argument i is illegal: -1 METHOD, -2 PRECON, -3 NORM, -4 WEIGHT (or W with ITERM =
 *   2), -5 ITERM (or 2 with TFQMR or a norm other than 2), -6 N (also when the
 *   workspace LWREQ would not fit an int), -7 M, -8 TOL >= 1, -9
 *   MAXITN, -10 ANORM <= 0 with NORM = 2 and ITERM = 1, -11 SIGMAX <= 0 with ITERM = 2 and
 *   CGS or BICGSTAB, -12 MONIT > MAXITN, -15 LWORK < 100. A failed set-up leaves WORK
 *   unusable for F11BEF.
 * @par Workspace
 * WORK: LWREQ elements: RGMRES: 100 + N(M+3) + M(M+5) + 1; CGS: 100 + 7N; BICGSTAB: 100 +
 * (2N+M)(M+2), plus N when ITERM = 2 or (preconditioned and M > 1), plus N more when M > 1
 * and ITERM = 2; TFQMR: 100 + 10N.
 * @par Example
 * examples/sparse_solve.c; host/cli_solve.cpp (`kivhost solve`);
 * tests/krylov/protocol_test.cpp.
 */
KIV_API int KIV_CALL F11BDF_HOST(const char* method, const char* precon,       /* _q95239@80 */
                                 const char* norm, const char* weight, const int* iterm,
                                 const int* n, const int* m, const double* tol,
                                 const int* maxitn, const double* anorm, const double* sigmax,
                                 const int* monit, int* lwreq, double* work, const int* lwork,
                                 int* ifail, int method_len, int precon_len, int norm_len,
                                 int weight_len);

/**
 * @brief Sets up a real nonsymmetric system A x = b for the reverse-communication solver
 *        F11BEF.
 *
 * Checks the options and writes the problem into the state block WORK(1..100); call F11BEF
 * next. The stopping test with ITERM = 1 is ||r|| <= tau (||b|| + ||A|| ||x||), with ITERM
 * = 2 ||r|| <= tau sigma_1 ||x|| (2-norm). Calling again starts a new problem in the same
 * WORK.
 *
 * Exported as `_q60787@100`.
 *
 * @param[in]     method     "RGMRES", "CGS", "BICGSTAB" or "TFQMR" (blanks around it and
 *                           case ignored; at most 20 characters)
 * @param[in]     precon     'N' no preconditioner, 'P' preconditioned (F11BEF then asks for
 *                           solves M v = u)
 * @param[in]     norm       norm of the stopping test: '1', 'I' (infinity) or '2'; '2'
 *                           needs ANORM > 0 when ITERM = 1
 * @param[in]     weight     'N' unweighted, 'W' weighted by WGT of F11BEF (not with ITERM =
 *                           2)
 * @param[in]     iterm      stopping test, 1 or 2 (2 needs NORM = 2; not with TFQMR)
 * @param[in]     n          order of A, >= 1
 * @param[in]     m          RGMRES: restart length, 1 <= M <= min(50, N); BICGSTAB: the
 *                           order l, 1 <= M <= min(10, N); ignored by CGS and TFQMR
 * @param[in]     tol        tolerance tau, < 1; TOL <= 0 selects sqrt(eps), a positive TOL
 *                           below eps is raised to eps
 * @param[in]     maxitn     largest number of iterations, >= 1
 * @param[in]     anorm      ||A|| in the chosen norm when known; <= 0 asks for an estimate
 *                           (ITERM = 1, norms 1 and I)
 * @param[in]     sigmax     largest singular value of the preconditioned matrix for ITERM =
 *                           2; <= 0 asks for an estimate (RGMRES only)
 * @param[in]     monit      monitoring frequency: a request IREVCM = 3 every MONIT
 *                           iterations; <= 0 never; <= MAXITN
 * @param[out]    lwreq      the minimum LWORK for this problem (0 when a check fails)
 * @param[out]    work       workspace, LWORK elements; its first 100 hold the problem state
 *                           between calls
 * @param[in]     lwork      length of WORK, >= 100 here; F11BEF needs >= LWREQ
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     method_len length of METHOD, >= 1 (only its first character is read)
 * @param[in]     precon_len length of PRECON, >= 1 (only its first character is read)
 * @param[in]     norm_len   length of NORM, >= 1 (only its first character is read)
 * @param[in]     weight_len length of WEIGHT, >= 1 (only its first character is read)
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - -i: argument i is illegal: -1 METHOD, -2 PRECON, -3 NORM, -4 WEIGHT (or W with ITERM =
 *   2), -5 ITERM (or 2 with TFQMR or a norm other than 2), -6 N (also when the
 *   workspace LWREQ would not fit an int), -7 M, -8 TOL >= 1, -9
 *   MAXITN, -10 ANORM <= 0 with NORM = 2 and ITERM = 1, -11 SIGMAX <= 0 with ITERM = 2 and
 *   CGS or BICGSTAB, -12 MONIT > MAXITN, -15 LWORK < 100. A failed set-up leaves WORK
 *   unusable for F11BEF.
 * @par Workspace
 * WORK: LWREQ elements: RGMRES: 100 + N(M+3) + M(M+5) + 1; CGS: 100 + 7N; BICGSTAB: 100 +
 * (2N+M)(M+2), plus N when ITERM = 2 or (preconditioned and M > 1), plus N more when M > 1
 * and ITERM = 2; TFQMR: 100 + 10N.
 * @par Example
 * examples/sparse_solve.c; host/cli_solve.cpp (`kivhost solve`);
 * tests/krylov/protocol_test.cpp.
 */
KIV_API int KIV_CALL F11BDF(const char* method, const char* precon, const char* norm, /* _q60787@100 */
                            const char* weight, int iterm, int n, int m, double tol, int maxitn,
                            double anorm, double sigmax, int monit, int* lwreq, double* work,
                            int lwork, char* record, int* ifail, int method_len, int precon_len,
                            int norm_len, int weight_len, int record_len);

/**
 * @brief Host wrapper of F11BEF: the reverse-communication iteration for a real system set
 *        up by F11BDF.
 *
 * Every argument by address. The wrapper poisons the outputs F11BEF writes, calls F11BEF
 * and reports a disagreement between the returned IFAIL and the message record.
 *
 * Exported as `_q10821@28`.
 *
 * @param[in,out] irevcm as IREVCM of F11BEF
 * @param[in,out] u      as U of F11BEF
 * @param[in,out] v      as V of F11BEF
 * @param[in]     wgt    as WGT of F11BEF
 * @param[in,out] work   as WORK of F11BEF
 * @param[in]     lwork  as LWORK of F11BEF, by address
 * @param[in,out] ifail  on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                       conventions of kiv2.h); on exit 0 or an error number listed under
 *                       IFAIL
 * @return the final IFAIL
 * @par IFAIL
 * - -1: IREVCM illegal (not 0 on the first call; later not the last request, 5 or 6)
 * - -6: LWORK < LWREQ (or < 100)
 * - 1: called again after the iteration completed; set up a new problem
 * - 2: the accuracy limit was reached: the required accuracy could not be obtained, a
 *   reasonable one may have been
 * - 3: no successful F11BDF before, or the state block in WORK was altered between calls
 * - 4: tidy termination requested before convergence
 * - 5: MAXITN iterations without convergence
 * - 6: the method broke down, or STPLHS or STPRHS is not finite (an infinity or a NaN in
 *   b, U or a returned product)
 * - 8: immediate termination requested (IREVCM = 6)
 * - Every failure returns IREVCM = 4; after 2, 4, 5 and 6, U holds the last iterate and V
 *   its true residual b - A U (one more IREVCM = 1 request may come before the finish);
 *   after 8, V holds the method's last residual.
 * @par Workspace
 * WORK: as set up by F11BDF.
 * @par Example
 * examples/sparse_solve.c; host/cli_solve.cpp (`kivhost solve`);
 * tests/krylov/protocol_test.cpp.
 */
KIV_API int KIV_CALL F11BEF_HOST(int* irevcm, double* u, double* v,            /* _q10821@28 */
                                 const double* wgt, double* work, const int* lwork, int* ifail);

/**
 * @brief The reverse-communication iteration for a real system set up by F11BDF.
 *
 * Call first with IREVCM = 0, U = x0 and V = b; after each return do what IREVCM asks and
 * call again with IREVCM unchanged: 1 V = A U; -1 V = A^T U (only while ||A|| is
 * estimated); 2 solve M V = U (preconditioned problems); 3 monitoring: U and V hold the
 * iterate x_k and its residual, F11BFF may be called, both must be left unchanged; 4
 * finished: U holds x, V its residual b - A x. Instead of repeating a request the caller
 * may pass 5 (stop tidily at the next convergence test) or 6 (stop at once). All state
 * lives in WORK.
 *
 * Exported as `_q61541@36`.
 *
 * @param[in,out] irevcm     on entry 0 to start, the last request to go on, 5 or 6 to stop;
 *                           on exit the request: -1, 1, 2, 3 or 4
 * @param[in,out] u          N values: x0 on the first call; the vector a request is applied
 *                           to; on exit at IREVCM = 4 the solution
 * @param[in,out] v          N values: b on the first call; the caller's answer to a
 *                           request; at IREVCM = 4 the residual
 * @param[in]     wgt        N weights of the weighted norm, read only when WEIGHT = W
 * @param[in,out] work       the workspace passed to F11BDF, unchanged by the caller between
 *                           calls
 * @param[in]     lwork      length of WORK, >= LWREQ of F11BDF
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - -1: IREVCM illegal (not 0 on the first call; later not the last request, 5 or 6)
 * - -6: LWORK < LWREQ (or < 100)
 * - 1: called again after the iteration completed; set up a new problem
 * - 2: the accuracy limit was reached: the required accuracy could not be obtained, a
 *   reasonable one may have been
 * - 3: no successful F11BDF before, or the state block in WORK was altered between calls
 * - 4: tidy termination requested before convergence
 * - 5: MAXITN iterations without convergence
 * - 6: the method broke down, or STPLHS or STPRHS is not finite (an infinity or a NaN in
 *   b, U or a returned product)
 * - 8: immediate termination requested (IREVCM = 6)
 * - Every failure returns IREVCM = 4; after 2, 4, 5 and 6, U holds the last iterate and V
 *   its true residual b - A U (one more IREVCM = 1 request may come before the finish);
 *   after 8, V holds the method's last residual.
 * @par Workspace
 * WORK: as set up by F11BDF.
 * @par Example
 * examples/sparse_solve.c; host/cli_solve.cpp (`kivhost solve`);
 * tests/krylov/protocol_test.cpp.
 */
KIV_API int KIV_CALL F11BEF(int* irevcm, double* u, double* v, const double* wgt, /* _q61541@36 */
                            double* work, int lwork, char* record, int* ifail, int record_len);

/**
 * @brief Host wrapper of F11BFF: monitoring of the real reverse-communication solver: the
 *        iteration count and the latest stopping test.
 *
 * Every argument by address. The wrapper poisons the outputs F11BFF writes, calls F11BFF
 * and reports a disagreement between the returned IFAIL and the message record.
 *
 * Exported as `_q27809@32`.
 *
 * @param[out]    itn    as ITN of F11BFF
 * @param[out]    stplhs as STPLHS of F11BFF
 * @param[out]    stprhs as STPRHS of F11BFF
 * @param[out]    anorm  as ANORM of F11BFF
 * @param[out]    sigmax as SIGMAX of F11BFF
 * @param[in]     work   as WORK of F11BFF
 * @param[in]     lwork  as LWORK of F11BFF, by address
 * @param[in,out] ifail  on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                       conventions of kiv2.h); on exit 0 or an error number listed under
 *                       IFAIL
 * @return the final IFAIL
 * @par IFAIL
 * - -7: LWORK < 100
 * - 1: called out of sequence, or the state block in WORK was altered
 * @par Example
 * examples/sparse_solve.c; host/cli_solve.cpp (`kivhost solve`);
 * tests/krylov/protocol_test.cpp.
 */
KIV_API int KIV_CALL F11BFF_HOST(int* itn, double* stplhs, double* stprhs,     /* _q27809@32 */
                                 double* anorm, double* sigmax, const double* work,
                                 const int* lwork, int* ifail);

/**
 * @brief Monitoring of the real reverse-communication solver: the iteration count and the
 *        latest stopping test.
 *
 * Allowed right after an IREVCM = 3 return of F11BEF or after the iteration has ended. All
 * outputs are 0 on failure.
 *
 * Exported as `_q20790@40`.
 *
 * @param[out]    itn        iterations done
 * @param[out]    stplhs     left side of the latest stopping test, ||r_k||
 * @param[out]    stprhs     right side of the latest stopping test
 * @param[out]    anorm      ||A|| used (given or estimated)
 * @param[out]    sigmax     sigma_1 used for ITERM = 2 (given or estimated)
 * @param[in]     work       the workspace of F11BEF
 * @param[in]     lwork      length of WORK, >= 100
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - -7: LWORK < 100
 * - 1: called out of sequence, or the state block in WORK was altered
 * @par Example
 * examples/sparse_solve.c; host/cli_solve.cpp (`kivhost solve`);
 * tests/krylov/protocol_test.cpp.
 */
KIV_API int KIV_CALL F11BFF(int* itn, double* stplhs, double* stprhs,          /* _q20790@40 */
                            double* anorm, double* sigmax, const double* work, int lwork,
                            char* record, int* ifail, int record_len);

/**
 * @brief Host wrapper of F11BRF: sets up a complex nonsymmetric system A x = b for the
 *        reverse-communication solver F11BSF.
 *
 * Every argument by address, followed by the lengths of the character arguments. The
 * wrapper poisons the outputs F11BRF writes, calls F11BRF and reports a disagreement
 * between the returned IFAIL and the message record.
 *
 * Exported as `_q93030@80`.
 *
 * @param[in]     method     as METHOD of F11BRF
 * @param[in]     precon     as PRECON of F11BRF
 * @param[in]     norm       as NORM of F11BRF
 * @param[in]     weight     as WEIGHT of F11BRF
 * @param[in]     iterm      as ITERM of F11BRF, by address
 * @param[in]     n          as N of F11BRF, by address
 * @param[in]     m          as M of F11BRF, by address
 * @param[in]     tol        as TOL of F11BRF, by address
 * @param[in]     maxitn     as MAXITN of F11BRF, by address
 * @param[in]     anorm      as ANORM of F11BRF, by address
 * @param[in]     sigmax     as SIGMAX of F11BRF, by address
 * @param[in]     monit      as MONIT of F11BRF, by address
 * @param[out]    lwreq      as LWREQ of F11BRF
 * @param[out]    work       as WORK of F11BRF
 * @param[in]     lwork      as LWORK of F11BRF, by address
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     method_len length of METHOD, >= 1 (only its first character is read)
 * @param[in]     precon_len length of PRECON, >= 1 (only its first character is read)
 * @param[in]     norm_len   length of NORM, >= 1 (only its first character is read)
 * @param[in]     weight_len length of WEIGHT, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * - -i: argument i is illegal, as for F11BDF; -15 LWORK < 120
 * @par Workspace
 * WORK: LWREQ complex elements, the F11BDF values with 120 in place of 100.
 * @par Example
 * examples/sparse_solve.c; host/cli_solve.cpp (`kivhost solve`);
 * tests/krylov/protocol_test.cpp.
 */
KIV_API int KIV_CALL F11BRF_HOST(const char* method, const char* precon,       /* _q93030@80 */
                                 const char* norm, const char* weight, const int* iterm,
                                 const int* n, const int* m, const double* tol,
                                 const int* maxitn, const double* anorm, const double* sigmax,
                                 const int* monit, int* lwreq, kiv2_complex* work,
                                 const int* lwork, int* ifail, int method_len, int precon_len,
                                 int norm_len, int weight_len);

/**
 * @brief Sets up a complex nonsymmetric system A x = b for the reverse-communication solver
 *        F11BSF.
 *
 * As F11BDF, with complex WORK whose first 120 elements hold the problem state.
 *
 * Exported as `_q63532@100`.
 *
 * @param[in]     method     "RGMRES", "CGS", "BICGSTAB" or "TFQMR" (blanks around it and
 *                           case ignored; at most 20 characters)
 * @param[in]     precon     'N' no preconditioner, 'P' preconditioned (F11BEF then asks for
 *                           solves M v = u)
 * @param[in]     norm       norm of the stopping test: '1', 'I' (infinity) or '2'; '2'
 *                           needs ANORM > 0 when ITERM = 1
 * @param[in]     weight     'N' unweighted, 'W' weighted by WGT of F11BEF (not with ITERM =
 *                           2)
 * @param[in]     iterm      stopping test, 1 or 2 (2 needs NORM = 2; not with TFQMR)
 * @param[in]     n          order of A, >= 1
 * @param[in]     m          RGMRES: restart length, 1 <= M <= min(50, N); BICGSTAB: the
 *                           order l, 1 <= M <= min(10, N); ignored by CGS and TFQMR
 * @param[in]     tol        tolerance tau, < 1; TOL <= 0 selects sqrt(eps), a positive TOL
 *                           below eps is raised to eps
 * @param[in]     maxitn     largest number of iterations, >= 1
 * @param[in]     anorm      ||A|| in the chosen norm when known; <= 0 asks for an estimate
 *                           (ITERM = 1, norms 1 and I)
 * @param[in]     sigmax     largest singular value of the preconditioned matrix for ITERM =
 *                           2; <= 0 asks for an estimate (RGMRES only)
 * @param[in]     monit      monitoring frequency: a request IREVCM = 3 every MONIT
 *                           iterations; <= 0 never; <= MAXITN
 * @param[out]    lwreq      the minimum LWORK for this problem (0 when a check fails)
 * @param[out]    work       complex workspace, LWORK elements; its first 120 hold the
 *                           problem state
 * @param[in]     lwork      length of WORK, >= 120 here; F11BSF needs >= LWREQ
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     method_len length of METHOD, >= 1 (only its first character is read)
 * @param[in]     precon_len length of PRECON, >= 1 (only its first character is read)
 * @param[in]     norm_len   length of NORM, >= 1 (only its first character is read)
 * @param[in]     weight_len length of WEIGHT, >= 1 (only its first character is read)
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - -i: argument i is illegal, as for F11BDF; -15 LWORK < 120
 * @par Workspace
 * WORK: LWREQ complex elements, the F11BDF values with 120 in place of 100.
 * @par Example
 * examples/sparse_solve.c; host/cli_solve.cpp (`kivhost solve`);
 * tests/krylov/protocol_test.cpp.
 */
KIV_API int KIV_CALL F11BRF(const char* method, const char* precon, const char* norm, /* _q63532@100 */
                            const char* weight, int iterm, int n, int m, double tol, int maxitn,
                            double anorm, double sigmax, int monit, int* lwreq,
                            kiv2_complex* work, int lwork, char* record, int* ifail,
                            int method_len, int precon_len, int norm_len, int weight_len,
                            int record_len);

/**
 * @brief Host wrapper of F11BSF: the reverse-communication iteration for a complex system
 *        set up by F11BRF.
 *
 * Every argument by address. The wrapper poisons the outputs F11BSF writes, calls F11BSF
 * and reports a disagreement between the returned IFAIL and the message record.
 *
 * Exported as `_q32507@28`.
 *
 * @param[in,out] irevcm as IREVCM of F11BSF
 * @param[in,out] u      as U of F11BSF
 * @param[in,out] v      as V of F11BSF
 * @param[in]     wgt    as WGT of F11BSF
 * @param[in,out] work   as WORK of F11BSF
 * @param[in]     lwork  as LWORK of F11BSF, by address
 * @param[in,out] ifail  on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                       conventions of kiv2.h); on exit 0 or an error number listed under
 *                       IFAIL
 * @return the final IFAIL
 * @par IFAIL
 * - As F11BEF, with F11BRF in place of F11BDF; -6 also when LWORK < 120.
 * @par Workspace
 * WORK: as set up by F11BRF.
 * @par Example
 * examples/sparse_solve.c; host/cli_solve.cpp (`kivhost solve`);
 * tests/krylov/protocol_test.cpp.
 */
KIV_API int KIV_CALL F11BSF_HOST(int* irevcm, kiv2_complex* u, kiv2_complex* v, /* _q32507@28 */
                                 const double* wgt, kiv2_complex* work, const int* lwork,
                                 int* ifail);

/**
 * @brief The reverse-communication iteration for a complex system set up by F11BRF.
 *
 * Call first with IREVCM = 0, U = x0 and V = b; after each return do what IREVCM asks and
 * call again with IREVCM unchanged: 1 V = A U; -1 V = A^H U (the conjugate transpose) (only
 * while ||A|| is estimated); 2 solve M V = U (preconditioned problems); 3 monitoring: U and
 * V hold the iterate x_k and its residual, F11BTF may be called, both must be left
 * unchanged; 4 finished: U holds x, V its residual b - A x. Instead of repeating a request
 * the caller may pass 5 (stop tidily at the next convergence test) or 6 (stop at once). All
 * state lives in WORK.
 *
 * Exported as `_q20065@36`.
 *
 * @param[in,out] irevcm     on entry 0 to start, the last request to go on, 5 or 6 to stop;
 *                           on exit the request: -1, 1, 2, 3 or 4
 * @param[in,out] u          N complex values: x0 on the first call; the vector a request is
 *                           applied to; on exit at IREVCM = 4 the solution
 * @param[in,out] v          N complex values: b on the first call; the caller's answer to a
 *                           request; at IREVCM = 4 the residual
 * @param[in]     wgt        N weights of the weighted norm, read only when WEIGHT = W
 * @param[in,out] work       the complex workspace passed to F11BRF
 * @param[in]     lwork      length of WORK, >= LWREQ of F11BRF (and >= 120)
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - As F11BEF, with F11BRF in place of F11BDF; -6 also when LWORK < 120.
 * @par Workspace
 * WORK: as set up by F11BRF.
 * @par Example
 * examples/sparse_solve.c; host/cli_solve.cpp (`kivhost solve`);
 * tests/krylov/protocol_test.cpp.
 */
KIV_API int KIV_CALL F11BSF(int* irevcm, kiv2_complex* u, kiv2_complex* v,     /* _q20065@36 */
                            const double* wgt, kiv2_complex* work, int lwork, char* record,
                            int* ifail, int record_len);

/**
 * @brief Host wrapper of F11BTF: monitoring of the complex reverse-communication solver:
 *        the iteration count and the latest stopping test.
 *
 * Every argument by address. The wrapper poisons the outputs F11BTF writes, calls F11BTF
 * and reports a disagreement between the returned IFAIL and the message record.
 *
 * Exported as `_q82576@32`.
 *
 * @param[out]    itn    as ITN of F11BTF
 * @param[out]    stplhs as STPLHS of F11BTF
 * @param[out]    stprhs as STPRHS of F11BTF
 * @param[out]    anorm  as ANORM of F11BTF
 * @param[out]    sigmax as SIGMAX of F11BTF
 * @param[in]     work   as WORK of F11BTF
 * @param[in]     lwork  as LWORK of F11BTF, by address
 * @param[in,out] ifail  on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                       conventions of kiv2.h); on exit 0 or an error number listed under
 *                       IFAIL
 * @return the final IFAIL
 * @par IFAIL
 * - -7: LWORK < 120
 * - 1: called out of sequence, or the state block in WORK was altered
 * @par Example
 * examples/sparse_solve.c; host/cli_solve.cpp (`kivhost solve`);
 * tests/krylov/protocol_test.cpp.
 */
KIV_API int KIV_CALL F11BTF_HOST(int* itn, double* stplhs, double* stprhs,     /* _q82576@32 */
                                 double* anorm, double* sigmax, const kiv2_complex* work,
                                 const int* lwork, int* ifail);

/**
 * @brief Monitoring of the complex reverse-communication solver: the iteration count and
 *        the latest stopping test.
 *
 * Allowed right after an IREVCM = 3 return of F11BSF or after the iteration has ended. All
 * outputs are 0 on failure.
 *
 * Exported as `_q70118@40`.
 *
 * @param[out]    itn        iterations done
 * @param[out]    stplhs     left side of the latest stopping test, ||r_k||
 * @param[out]    stprhs     right side of the latest stopping test
 * @param[out]    anorm      ||A|| used (given or estimated)
 * @param[out]    sigmax     sigma_1 used for ITERM = 2 (given or estimated)
 * @param[in]     work       the complex workspace of F11BSF
 * @param[in]     lwork      length of WORK, >= 120
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - -7: LWORK < 120
 * - 1: called out of sequence, or the state block in WORK was altered
 * @par Example
 * examples/sparse_solve.c; host/cli_solve.cpp (`kivhost solve`);
 * tests/krylov/protocol_test.cpp.
 */
KIV_API int KIV_CALL F11BTF(int* itn, double* stplhs, double* stprhs,          /* _q70118@40 */
                            double* anorm, double* sigmax, const kiv2_complex* work, int lwork,
                            char* record, int* ifail, int record_len);

/**
 * @brief Host wrapper of F11GDF: sets up a real symmetric system A x = b for the
 *        reverse-communication solver F11GEF.
 *
 * Every argument by address, followed by the lengths of the character arguments. The wrapper poisons the outputs F11GDF writes, calls
 * F11GDF and reports a disagreement between the returned IFAIL and the message record.
 *
 * Exported as `_q70763@92`.
 *
 * @param[in]     method     as METHOD of F11GDF
 * @param[in]     precon     as PRECON of F11GDF
 * @param[in]     sigcmp     as SIGCMP of F11GDF
 * @param[in]     norm       as NORM of F11GDF
 * @param[in]     weight     as WEIGHT of F11GDF
 * @param[in]     iterm      as ITERM of F11GDF, by address
 * @param[in]     n          as N of F11GDF, by address
 * @param[in]     tol        as TOL of F11GDF, by address
 * @param[in]     maxitn     as MAXITN of F11GDF, by address
 * @param[in]     anorm      as ANORM of F11GDF, by address
 * @param[in]     sigmax     as SIGMAX of F11GDF, by address
 * @param[in]     sigtol     as SIGTOL of F11GDF, by address
 * @param[in]     maxits     as MAXITS of F11GDF, by address
 * @param[in]     monit      as MONIT of F11GDF, by address
 * @param[out]    lwreq      as LWREQ of F11GDF
 * @param[out]    work       as WORK of F11GDF
 * @param[in]     lwork      as LWORK of F11GDF, by address
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     method_len length of METHOD, >= 1 (only its first character is read)
 * @param[in]     precon_len length of PRECON, >= 1 (only its first character is read)
 * @param[in]     sigcmp_len length of SIGCMP, >= 1 (only its first character is read)
 * @param[in]     norm_len   length of NORM, >= 1 (only its first character is read)
 * @param[in]     weight_len length of WEIGHT, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * - -i: argument i is illegal: -1 METHOD, -2 PRECON, -3 SIGCMP, -4 NORM (or a norm
 *   other than 2 with ITERM = 2), -5 WEIGHT (or W with ITERM = 2), -6 ITERM (or 2 with
 *   CG), -7 N (also when the workspace LWREQ would not fit an int), -8 TOL >= 1, -9
 *   MAXITN, -10 ANORM <= 0 with NORM = 2 and ITERM = 1, -12 SIGTOL >= 1 and -13 MAXITS
 *   outside [1, MAXITN] (or making LWREQ exceed the int range) when sigma_1 is
 *   estimated, -14 MONIT > MAXITN, -17 LWORK < 120.
 *   A failed set-up leaves WORK unusable for F11GEF.
 * @par Workspace
 * WORK: LWREQ elements: CG 120 + 5N, SYMMLQ 120 + 6N, plus 2 MAXITS + 2 when sigma_1 is
 * estimated (SIGCMP = S and no SIGMAX > 0 given).
 * @par Example
 * tests/krylov/symmetric_test.cpp.
 */
KIV_API int KIV_CALL F11GDF_HOST(const char* method, const char* precon,       /* _q70763@92 */
                                 const char* sigcmp, const char* norm, const char* weight,
                                 const int* iterm, const int* n, const double* tol,
                                 const int* maxitn, const double* anorm, const double* sigmax,
                                 const double* sigtol, const int* maxits, const int* monit,
                                 int* lwreq, double* work, const int* lwork, int* ifail,
                                 int method_len, int precon_len, int sigcmp_len, int norm_len,
                                 int weight_len);

/**
 * @brief Sets up a real symmetric system A x = b for the reverse-communication solver
 *        F11GEF.
 *
 * Checks the options and writes the problem into the state block WORK(1..120); call F11GEF
 * next. Calling again starts a new problem in the same WORK.
 *
 * Exported as `_q25698@116`.
 *
 * @param[in]     method     "CG" (conjugate gradients, for positive-definite A) or "SYMMLQ"
 *                           (A may be indefinite); blanks around it and case ignored, at
 *                           most 20 characters, compared on 2 and 6 characters ("CGS"
 *                           names CG)
 * @param[in]     precon     'N' no preconditioner, 'P' preconditioned by a positive-definite
 *                           M (F11GEF then asks for solves M v = u)
 * @param[in]     sigcmp     'S' estimate sigma_1, the largest singular value of the
 *                           preconditioned matrix, from the Lanczos matrix of the iteration
 *                           (unless SIGMAX > 0 is given): bisection on Sturm counts within
 *                           Gershgorin bounds, over the first MAXITS rows; 'N' do not, except
 *                           that SYMMLQ with ITERM = 2 or an unweighted norm then keeps the
 *                           cheap lower bound max_k ||row k of T||_2 (within sqrt(3) of
 *                           ||T||_2) as SIGMAX
 * @param[in]     norm       norm of the stopping test: '1', 'I' (infinity) or '2'; '2'
 *                           needs ANORM > 0 when ITERM = 1
 * @param[in]     weight     'N' unweighted, 'W' weighted by WGT of F11GEF (not with ITERM =
 *                           2)
 * @param[in]     iterm      stopping test: 1 ||r|| <= tau (||b|| + ||A|| ||x||); 2 (SYMMLQ
 *                           only, NORM = 2) ||r|| <= tau sigma_1 ||x||
 * @param[in]     n          order of A, >= 1
 * @param[in]     tol        tolerance tau, < 1; TOL <= 0 selects sqrt(eps), a positive TOL
 *                           below eps is raised to eps
 * @param[in]     maxitn     largest number of iterations, >= 1
 * @param[in]     anorm      ||A|| in the chosen norm when known (ITERM = 1); <= 0 asks for
 *                           an estimate (norms 1 and I)
 * @param[in]     sigmax     sigma_1 when known (> 0); used when the method needs it
 * @param[in]     sigtol     relative tolerance of the sigma_1 estimate, < 1; <= 0 selects
 *                           0.01
 * @param[in]     maxits     iterations that feed the sigma_1 estimate, 1 <= MAXITS <=
 *                           MAXITN when it is estimated; else not used
 * @param[in]     monit      monitoring frequency: a request IREVCM = 3 every MONIT
 *                           iterations; <= 0 never; <= MAXITN
 * @param[out]    lwreq      the minimum LWORK for this problem (0 when a check fails)
 * @param[out]    work       workspace, LWORK elements; its first 120 hold the problem
 *                           state between calls
 * @param[in]     lwork      length of WORK, >= 120 here; F11GEF needs >= LWREQ
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     method_len length of METHOD, >= 1
 * @param[in]     precon_len length of PRECON, >= 1 (only its first character is read)
 * @param[in]     sigcmp_len length of SIGCMP, >= 1 (only its first character is read)
 * @param[in]     norm_len   length of NORM, >= 1 (only its first character is read)
 * @param[in]     weight_len length of WEIGHT, >= 1 (only its first character is read)
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - -i: argument i is illegal: -1 METHOD, -2 PRECON, -3 SIGCMP, -4 NORM (or a norm
 *   other than 2 with ITERM = 2), -5 WEIGHT (or W with ITERM = 2), -6 ITERM (or 2 with
 *   CG), -7 N (also when the workspace LWREQ would not fit an int), -8 TOL >= 1, -9
 *   MAXITN, -10 ANORM <= 0 with NORM = 2 and ITERM = 1, -12 SIGTOL >= 1 and -13 MAXITS
 *   outside [1, MAXITN] (or making LWREQ exceed the int range) when sigma_1 is
 *   estimated, -14 MONIT > MAXITN, -17 LWORK < 120.
 *   A failed set-up leaves WORK unusable for F11GEF.
 * @par Workspace
 * WORK: LWREQ elements: CG 120 + 5N, SYMMLQ 120 + 6N, plus 2 MAXITS + 2 when sigma_1 is
 * estimated (SIGCMP = S and no SIGMAX > 0 given).
 * @par Example
 * tests/krylov/symmetric_test.cpp.
 */
KIV_API int KIV_CALL F11GDF(const char* method, const char* precon,             /* _q25698@116 */
                            const char* sigcmp, const char* norm, const char* weight, int iterm,
                            int n, double tol, int maxitn, double anorm, double sigmax,
                            double sigtol, int maxits, int monit, int* lwreq, double* work,
                            int lwork, char* record, int* ifail, int method_len, int precon_len,
                            int sigcmp_len, int norm_len, int weight_len, int record_len);

/**
 * @brief Host wrapper of F11GEF: the reverse-communication iteration for a real symmetric
 *        system set up by F11GDF.
 *
 * Every argument by address. The wrapper poisons the outputs F11GEF writes, calls
 * F11GEF and reports a disagreement between the returned IFAIL and the message record.
 *
 * Exported as `_q98114@28`.
 *
 * @param[in,out] irevcm as IREVCM of F11GEF
 * @param[in,out] u      as U of F11GEF
 * @param[in,out] v      as V of F11GEF
 * @param[in]     wgt    as WGT of F11GEF
 * @param[in,out] work   as WORK of F11GEF
 * @param[in]     lwork  as LWORK of F11GEF, by address
 * @param[in,out] ifail  on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                       conventions of kiv2.h); on exit 0 or an error number listed
 *                       under IFAIL
 * @return the final IFAIL
 * @par IFAIL
 * - -1: IREVCM illegal (not 0 on the first call; later not the last request, 5 or 6)
 * - -6: LWORK < LWREQ (or < 120)
 * - 1: called again after the iteration completed; set up a new problem
 * - 2: the accuracy limit was reached: the required accuracy could not be obtained, a
 *   reasonable one may have been
 * - 3: no successful F11GDF before, or the state block in WORK was altered between calls
 * - 4: tidy termination requested before convergence
 * - 5: MAXITN iterations without convergence
 * - 6: the preconditioner is not positive-definite ((r, M^-1 r) <= 0 with r nonzero)
 * - 7: A is not positive-definite (CG met a direction p with (p, A p) = 0), or
 *   STPLHS or STPRHS is not finite (an infinity or a NaN in b, U or a returned product)
 * - 8: immediate termination requested (IREVCM = 6)
 * - Every failure returns IREVCM = 4; after 2, 4, 5, 6 and 7, U holds the last iterate
 *   and V its true residual b - A U (one more IREVCM = 1 request may come before the
 *   finish); after 8, V holds the method's last residual.
 * @par Workspace
 * WORK: as set up by F11GDF; its elements 121 to LWREQ are cleared at the first call.
 * @par Example
 * tests/krylov/symmetric_test.cpp.
 */
KIV_API int KIV_CALL F11GEF_HOST(int* irevcm, double* u, double* v,            /* _q98114@28 */
                                 const double* wgt, double* work, const int* lwork, int* ifail);

/**
 * @brief The reverse-communication iteration for a real symmetric system set up by
 *        F11GDF.
 *
 * Call first with IREVCM = 0, U = x0 and V = b; after each return do what IREVCM asks and
 * call again with IREVCM unchanged: 1 V = A U; -1 V = A^T U = A U (only while ||A|| is
 * estimated); 2 solve M V = U (preconditioned problems); 3 monitoring: U and V hold the
 * iterate x_k and its residual, F11GFF may be called, both must be left unchanged; 4
 * finished: U holds x, V its residual b - A x. Instead of repeating a request the caller
 * may pass 5 (stop tidily at the next convergence test) or 6 (stop at once). All state
 * lives in WORK. CG declares convergence only after checking the true residual b - A x.
 * SYMMLQ tests the better of its two iterates, the LQ iterate and the CG point (the one
 * whose residual norm is the smaller fraction of its test's right-hand side), and hands
 * that one back; with ITERM = 2 its sigma_1 is the one given, estimated, or the row bound
 * of SIGCMP = N, none of which exceeds the true sigma_1.
 *
 * Exported as `_q88577@36`.
 *
 * @param[in,out] irevcm     on entry 0 to start, the last request to go on, 5 or 6 to stop;
 *                           on exit the request: -1, 1, 2, 3 or 4
 * @param[in,out] u          N values: x0 on the first call; the vector a request is applied
 *                           to; on exit at IREVCM = 4 the solution
 * @param[in,out] v          N values: b on the first call; the caller's answer to a
 *                           request; at IREVCM = 4 the residual
 * @param[in]     wgt        N weights of the weighted norm, read only when WEIGHT = W
 * @param[in,out] work       the workspace passed to F11GDF, unchanged by the caller between
 *                           calls
 * @param[in]     lwork      length of WORK, >= LWREQ of F11GDF
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - -1: IREVCM illegal (not 0 on the first call; later not the last request, 5 or 6)
 * - -6: LWORK < LWREQ (or < 120)
 * - 1: called again after the iteration completed; set up a new problem
 * - 2: the accuracy limit was reached: the required accuracy could not be obtained, a
 *   reasonable one may have been
 * - 3: no successful F11GDF before, or the state block in WORK was altered between calls
 * - 4: tidy termination requested before convergence
 * - 5: MAXITN iterations without convergence
 * - 6: the preconditioner is not positive-definite ((r, M^-1 r) <= 0 with r nonzero)
 * - 7: A is not positive-definite (CG met a direction p with (p, A p) = 0), or
 *   STPLHS or STPRHS is not finite (an infinity or a NaN in b, U or a returned product)
 * - 8: immediate termination requested (IREVCM = 6)
 * - Every failure returns IREVCM = 4; after 2, 4, 5, 6 and 7, U holds the last iterate
 *   and V its true residual b - A U (one more IREVCM = 1 request may come before the
 *   finish); after 8, V holds the method's last residual.
 * @par Workspace
 * WORK: as set up by F11GDF; its elements 121 to LWREQ are cleared at the first call.
 * @par Example
 * tests/krylov/symmetric_test.cpp.
 */
KIV_API int KIV_CALL F11GEF(int* irevcm, double* u, double* v, const double* wgt, /* _q88577@36 */
                            double* work, int lwork, char* record, int* ifail, int record_len);

/**
 * @brief Host wrapper of F11GFF: monitoring of the real symmetric reverse-communication
 *        solver: the iteration count, the latest stopping test and the sigma_1 estimate.
 *
 * Every argument by address. The wrapper poisons the outputs F11GFF writes, calls
 * F11GFF and reports a disagreement between the returned IFAIL and the message record.
 *
 * Exported as `_q39747@40`.
 *
 * @param[out]    itn    as ITN of F11GFF
 * @param[out]    stplhs as STPLHS of F11GFF
 * @param[out]    stprhs as STPRHS of F11GFF
 * @param[out]    anorm  as ANORM of F11GFF
 * @param[out]    sigmax as SIGMAX of F11GFF
 * @param[out]    its    as ITS of F11GFF
 * @param[out]    sigerr as SIGERR of F11GFF
 * @param[in]     work   as WORK of F11GFF
 * @param[in]     lwork  as LWORK of F11GFF, by address
 * @param[in,out] ifail  on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                       conventions of kiv2.h); on exit 0 or an error number listed
 *                       under IFAIL
 * @return the final IFAIL
 * @par IFAIL
 * - -9: LWORK < 120
 * - 1: called out of sequence, or the state block in WORK was altered
 * @par Example
 * tests/krylov/symmetric_test.cpp.
 */
KIV_API int KIV_CALL F11GFF_HOST(int* itn, double* stplhs, double* stprhs,     /* _q39747@40 */
                                 double* anorm, double* sigmax, int* its, double* sigerr,
                                 const double* work, const int* lwork, int* ifail);

/**
 * @brief Monitoring of the real symmetric reverse-communication solver: the iteration
 *        count, the latest stopping test and the sigma_1 estimate.
 *
 * Allowed right after an IREVCM = 3 return of F11GEF or after the iteration has ended. All
 * outputs are 0 on failure.
 *
 * Exported as `_q22858@48`.
 *
 * @param[out]    itn        iterations done
 * @param[out]    stplhs     left side of the latest stopping test
 * @param[out]    stprhs     right side of the latest stopping test
 * @param[out]    anorm      ||A|| used (given or estimated)
 * @param[out]    sigmax     sigma_1 used (given or estimated)
 * @param[out]    its        rows of the Lanczos matrix T that fed the sigma_1 estimate: one
 *                           fewer than the iterations recorded (at most MAXITS + 1), since
 *                           the last row only couples them to the next Lanczos vector
 * @param[out]    sigerr     estimated relative error of the sigma_1 estimate: (w + beta |s|)
 *                           / SIGMAX, w the width of the final bisection bracket, beta |s|
 *                           the Lanczos residual bound of the Ritz value (beta the coupling
 *                           to the next vector, s the last component of the Ritz vector); 1
 *                           when only one row is known
 * @param[in]     work       the workspace of F11GEF
 * @param[in]     lwork      length of WORK, >= 120
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - -9: LWORK < 120
 * - 1: called out of sequence, or the state block in WORK was altered
 * @par Example
 * tests/krylov/symmetric_test.cpp.
 */
KIV_API int KIV_CALL F11GFF(int* itn, double* stplhs, double* stprhs,          /* _q22858@48 */
                            double* anorm, double* sigmax, int* its, double* sigerr,
                            const double* work, int lwork, char* record, int* ifail,
                            int record_len);

/**
 * @brief Host wrapper of F11GRF: sets up a complex Hermitian system A x = b for the
 *        reverse-communication solver F11GSF.
 *
 * Every argument by address, followed by the lengths of the character arguments. The wrapper poisons the outputs F11GRF writes, calls
 * F11GRF and reports a disagreement between the returned IFAIL and the message record.
 *
 * Exported as `_q24675@92`.
 *
 * @param[in]     method     as METHOD of F11GRF
 * @param[in]     precon     as PRECON of F11GRF
 * @param[in]     sigcmp     as SIGCMP of F11GRF
 * @param[in]     norm       as NORM of F11GRF
 * @param[in]     weight     as WEIGHT of F11GRF
 * @param[in]     iterm      as ITERM of F11GRF, by address
 * @param[in]     n          as N of F11GRF, by address
 * @param[in]     tol        as TOL of F11GRF, by address
 * @param[in]     maxitn     as MAXITN of F11GRF, by address
 * @param[in]     anorm      as ANORM of F11GRF, by address
 * @param[in]     sigmax     as SIGMAX of F11GRF, by address
 * @param[in]     sigtol     as SIGTOL of F11GRF, by address
 * @param[in]     maxits     as MAXITS of F11GRF, by address
 * @param[in]     monit      as MONIT of F11GRF, by address
 * @param[out]    lwreq      as LWREQ of F11GRF
 * @param[out]    work       as WORK of F11GRF
 * @param[in]     lwork      as LWORK of F11GRF, by address
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     method_len length of METHOD, >= 1 (only its first character is read)
 * @param[in]     precon_len length of PRECON, >= 1 (only its first character is read)
 * @param[in]     sigcmp_len length of SIGCMP, >= 1 (only its first character is read)
 * @param[in]     norm_len   length of NORM, >= 1 (only its first character is read)
 * @param[in]     weight_len length of WEIGHT, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * - -i: argument i is illegal: -1 METHOD, -2 PRECON, -3 SIGCMP, -4 NORM (or a norm
 *   other than 2 with ITERM = 2), -5 WEIGHT (or W with ITERM = 2), -6 ITERM (or 2 with
 *   CG), -7 N (also when the workspace LWREQ would not fit an int), -8 TOL >= 1, -9
 *   MAXITN, -10 ANORM <= 0 with NORM = 2 and ITERM = 1, -12 SIGTOL >= 1 and -13 MAXITS
 *   outside [1, MAXITN] (or making LWREQ exceed the int range) when sigma_1 is
 *   estimated, -14 MONIT > MAXITN, -17 LWORK < 120.
 *   A failed set-up leaves WORK unusable for F11GSF.
 * @par Workspace
 * WORK: LWREQ complex elements: CG 120 + 5N, SYMMLQ 120 + 6N, plus 2 MAXITS + 2 when sigma_1 is
 * estimated (SIGCMP = S and no SIGMAX > 0 given).
 * @par Example
 * tests/krylov/symmetric_test.cpp.
 */
KIV_API int KIV_CALL F11GRF_HOST(const char* method, const char* precon,       /* _q24675@92 */
                                 const char* sigcmp, const char* norm, const char* weight,
                                 const int* iterm, const int* n, const double* tol,
                                 const int* maxitn, const double* anorm, const double* sigmax,
                                 const double* sigtol, const int* maxits, const int* monit,
                                 int* lwreq, kiv2_complex* work, const int* lwork, int* ifail,
                                 int method_len, int precon_len, int sigcmp_len, int norm_len,
                                 int weight_len);

/**
 * @brief Sets up a complex Hermitian system A x = b for the reverse-communication solver
 *        F11GSF.
 *
 * Checks the options and writes the problem into the state block WORK(1..120); call F11GSF
 * next. Calling again starts a new problem in the same WORK.
 *
 * Exported as `_q90066@116`.
 *
 * @param[in]     method     "CG" (conjugate gradients, for positive-definite A) or "SYMMLQ"
 *                           (A may be indefinite); blanks around it and case ignored, at
 *                           most 20 characters, compared on 2 and 6 characters ("CGS"
 *                           names CG)
 * @param[in]     precon     'N' no preconditioner, 'P' preconditioned by a positive-definite
 *                           M (F11GSF then asks for solves M v = u)
 * @param[in]     sigcmp     'S' estimate sigma_1, the largest singular value of the
 *                           preconditioned matrix, from the Lanczos matrix of the iteration
 *                           (unless SIGMAX > 0 is given): bisection on Sturm counts within
 *                           Gershgorin bounds, over the first MAXITS rows; 'N' do not, except
 *                           that SYMMLQ with ITERM = 2 or an unweighted norm then keeps the
 *                           cheap lower bound max_k ||row k of T||_2 (within sqrt(3) of
 *                           ||T||_2) as SIGMAX
 * @param[in]     norm       norm of the stopping test: '1', 'I' (infinity) or '2'; '2'
 *                           needs ANORM > 0 when ITERM = 1
 * @param[in]     weight     'N' unweighted, 'W' weighted by WGT of F11GSF (not with ITERM =
 *                           2)
 * @param[in]     iterm      stopping test: 1 ||r|| <= tau (||b|| + ||A|| ||x||); 2 (SYMMLQ
 *                           only, NORM = 2) ||r|| <= tau sigma_1 ||x||
 * @param[in]     n          order of A, >= 1
 * @param[in]     tol        tolerance tau, < 1; TOL <= 0 selects sqrt(eps), a positive TOL
 *                           below eps is raised to eps
 * @param[in]     maxitn     largest number of iterations, >= 1
 * @param[in]     anorm      ||A|| in the chosen norm when known (ITERM = 1); <= 0 asks for
 *                           an estimate (norms 1 and I)
 * @param[in]     sigmax     sigma_1 when known (> 0); used when the method needs it
 * @param[in]     sigtol     relative tolerance of the sigma_1 estimate, < 1; <= 0 selects
 *                           0.01
 * @param[in]     maxits     iterations that feed the sigma_1 estimate, 1 <= MAXITS <=
 *                           MAXITN when it is estimated; else not used
 * @param[in]     monit      monitoring frequency: a request IREVCM = 3 every MONIT
 *                           iterations; <= 0 never; <= MAXITN
 * @param[out]    lwreq      the minimum LWORK for this problem (0 when a check fails)
 * @param[out]    work       workspace, LWORK complex elements; its first 120 hold the problem
 *                           state between calls
 * @param[in]     lwork      length of WORK, >= 120 here; F11GSF needs >= LWREQ
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     method_len length of METHOD, >= 1
 * @param[in]     precon_len length of PRECON, >= 1 (only its first character is read)
 * @param[in]     sigcmp_len length of SIGCMP, >= 1 (only its first character is read)
 * @param[in]     norm_len   length of NORM, >= 1 (only its first character is read)
 * @param[in]     weight_len length of WEIGHT, >= 1 (only its first character is read)
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - -i: argument i is illegal: -1 METHOD, -2 PRECON, -3 SIGCMP, -4 NORM (or a norm
 *   other than 2 with ITERM = 2), -5 WEIGHT (or W with ITERM = 2), -6 ITERM (or 2 with
 *   CG), -7 N (also when the workspace LWREQ would not fit an int), -8 TOL >= 1, -9
 *   MAXITN, -10 ANORM <= 0 with NORM = 2 and ITERM = 1, -12 SIGTOL >= 1 and -13 MAXITS
 *   outside [1, MAXITN] (or making LWREQ exceed the int range) when sigma_1 is
 *   estimated, -14 MONIT > MAXITN, -17 LWORK < 120.
 *   A failed set-up leaves WORK unusable for F11GSF.
 * @par Workspace
 * WORK: LWREQ complex elements: CG 120 + 5N, SYMMLQ 120 + 6N, plus 2 MAXITS + 2 when sigma_1 is
 * estimated (SIGCMP = S and no SIGMAX > 0 given).
 * @par Example
 * tests/krylov/symmetric_test.cpp.
 */
KIV_API int KIV_CALL F11GRF(const char* method, const char* precon,             /* _q90066@116 */
                            const char* sigcmp, const char* norm, const char* weight, int iterm,
                            int n, double tol, int maxitn, double anorm, double sigmax,
                            double sigtol, int maxits, int monit, int* lwreq, kiv2_complex* work,
                            int lwork, char* record, int* ifail, int method_len, int precon_len,
                            int sigcmp_len, int norm_len, int weight_len, int record_len);

/**
 * @brief Host wrapper of F11GSF: the reverse-communication iteration for a complex Hermitian
 *        system set up by F11GRF.
 *
 * Every argument by address. The wrapper poisons the outputs F11GSF writes, calls
 * F11GSF and reports a disagreement between the returned IFAIL and the message record.
 *
 * Exported as `_q89008@28`.
 *
 * @param[in,out] irevcm as IREVCM of F11GSF
 * @param[in,out] u      as U of F11GSF
 * @param[in,out] v      as V of F11GSF
 * @param[in]     wgt    as WGT of F11GSF
 * @param[in,out] work   as WORK of F11GSF
 * @param[in]     lwork  as LWORK of F11GSF, by address
 * @param[in,out] ifail  on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                       conventions of kiv2.h); on exit 0 or an error number listed
 *                       under IFAIL
 * @return the final IFAIL
 * @par IFAIL
 * - -1: IREVCM illegal (not 0 on the first call; later not the last request, 5 or 6)
 * - -6: LWORK < LWREQ (or < 120)
 * - 1: called again after the iteration completed; set up a new problem
 * - 2: the accuracy limit was reached: the required accuracy could not be obtained, a
 *   reasonable one may have been
 * - 3: no successful F11GRF before, or the state block in WORK was altered between calls
 * - 4: tidy termination requested before convergence
 * - 5: MAXITN iterations without convergence
 * - 6: the preconditioner is not positive-definite ((r, M^-1 r) <= 0 with r nonzero)
 * - 7: A is not positive-definite (CG met a direction p with (p, A p) = 0), or
 *   STPLHS or STPRHS is not finite (an infinity or a NaN in b, U or a returned product)
 * - 8: immediate termination requested (IREVCM = 6)
 * - Every failure returns IREVCM = 4; after 2, 4, 5, 6 and 7, U holds the last iterate
 *   and V its true residual b - A U (one more IREVCM = 1 request may come before the
 *   finish); after 8, V holds the method's last residual.
 * @par Workspace
 * WORK: as set up by F11GRF; its elements 121 to LWREQ are cleared at the first call.
 * @par Example
 * tests/krylov/symmetric_test.cpp.
 */
KIV_API int KIV_CALL F11GSF_HOST(int* irevcm, kiv2_complex* u, kiv2_complex* v,            /* _q89008@28 */
                                 const double* wgt, kiv2_complex* work, const int* lwork, int* ifail);

/**
 * @brief The reverse-communication iteration for a complex Hermitian system set up by
 *        F11GRF.
 *
 * Call first with IREVCM = 0, U = x0 and V = b; after each return do what IREVCM asks and
 * call again with IREVCM unchanged: 1 V = A U; -1 V = A^H U = A U (only while ||A|| is
 * estimated); 2 solve M V = U (preconditioned problems); 3 monitoring: U and V hold the
 * iterate x_k and its residual, F11GTF may be called, both must be left unchanged; 4
 * finished: U holds x, V its residual b - A x. Instead of repeating a request the caller
 * may pass 5 (stop tidily at the next convergence test) or 6 (stop at once). All state
 * lives in WORK. CG declares convergence only after checking the true residual b - A x.
 * SYMMLQ tests the better of its two iterates, the LQ iterate and the CG point (the one
 * whose residual norm is the smaller fraction of its test's right-hand side), and hands
 * that one back; with ITERM = 2 its sigma_1 is the one given, estimated, or the row bound
 * of SIGCMP = N, none of which exceeds the true sigma_1.
 *
 * Exported as `_q25479@36`.
 *
 * @param[in,out] irevcm     on entry 0 to start, the last request to go on, 5 or 6 to stop;
 *                           on exit the request: -1, 1, 2, 3 or 4
 * @param[in,out] u          N values: x0 on the first call; the vector a request is applied
 *                           to; on exit at IREVCM = 4 the solution
 * @param[in,out] v          N values: b on the first call; the caller's answer to a
 *                           request; at IREVCM = 4 the residual
 * @param[in]     wgt        N weights of the weighted norm, read only when WEIGHT = W
 * @param[in,out] work       the workspace passed to F11GRF, unchanged by the caller between
 *                           calls
 * @param[in]     lwork      length of WORK, >= LWREQ of F11GRF
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - -1: IREVCM illegal (not 0 on the first call; later not the last request, 5 or 6)
 * - -6: LWORK < LWREQ (or < 120)
 * - 1: called again after the iteration completed; set up a new problem
 * - 2: the accuracy limit was reached: the required accuracy could not be obtained, a
 *   reasonable one may have been
 * - 3: no successful F11GRF before, or the state block in WORK was altered between calls
 * - 4: tidy termination requested before convergence
 * - 5: MAXITN iterations without convergence
 * - 6: the preconditioner is not positive-definite ((r, M^-1 r) <= 0 with r nonzero)
 * - 7: A is not positive-definite (CG met a direction p with (p, A p) = 0), or
 *   STPLHS or STPRHS is not finite (an infinity or a NaN in b, U or a returned product)
 * - 8: immediate termination requested (IREVCM = 6)
 * - Every failure returns IREVCM = 4; after 2, 4, 5, 6 and 7, U holds the last iterate
 *   and V its true residual b - A U (one more IREVCM = 1 request may come before the
 *   finish); after 8, V holds the method's last residual.
 * @par Workspace
 * WORK: as set up by F11GRF; its elements 121 to LWREQ are cleared at the first call.
 * @par Example
 * tests/krylov/symmetric_test.cpp.
 */
KIV_API int KIV_CALL F11GSF(int* irevcm, kiv2_complex* u, kiv2_complex* v, const double* wgt, /* _q25479@36 */
                            kiv2_complex* work, int lwork, char* record, int* ifail, int record_len);

/**
 * @brief Host wrapper of F11GTF: monitoring of the complex Hermitian reverse-communication
 *        solver: the iteration count, the latest stopping test and the sigma_1 estimate.
 *
 * Every argument by address. The wrapper poisons the outputs F11GTF writes, calls
 * F11GTF and reports a disagreement between the returned IFAIL and the message record.
 *
 * Exported as `_q94429@40`.
 *
 * @param[out]    itn    as ITN of F11GTF
 * @param[out]    stplhs as STPLHS of F11GTF
 * @param[out]    stprhs as STPRHS of F11GTF
 * @param[out]    anorm  as ANORM of F11GTF
 * @param[out]    sigmax as SIGMAX of F11GTF
 * @param[out]    its    as ITS of F11GTF
 * @param[out]    sigerr as SIGERR of F11GTF
 * @param[in]     work   as WORK of F11GTF
 * @param[in]     lwork  as LWORK of F11GTF, by address
 * @param[in,out] ifail  on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                       conventions of kiv2.h); on exit 0 or an error number listed
 *                       under IFAIL
 * @return the final IFAIL
 * @par IFAIL
 * - -9: LWORK < 120
 * - 1: called out of sequence, or the state block in WORK was altered
 * @par Example
 * tests/krylov/symmetric_test.cpp.
 */
KIV_API int KIV_CALL F11GTF_HOST(int* itn, double* stplhs, double* stprhs,     /* _q94429@40 */
                                 double* anorm, double* sigmax, int* its, double* sigerr,
                                 const kiv2_complex* work, const int* lwork, int* ifail);

/**
 * @brief Monitoring of the complex Hermitian reverse-communication solver: the iteration
 *        count, the latest stopping test and the sigma_1 estimate.
 *
 * Allowed right after an IREVCM = 3 return of F11GSF or after the iteration has ended. All
 * outputs are 0 on failure.
 *
 * Exported as `_q87264@48`.
 *
 * @param[out]    itn        iterations done
 * @param[out]    stplhs     left side of the latest stopping test
 * @param[out]    stprhs     right side of the latest stopping test
 * @param[out]    anorm      ||A|| used (given or estimated)
 * @param[out]    sigmax     sigma_1 used (given or estimated)
 * @param[out]    its        rows of the Lanczos matrix T that fed the sigma_1 estimate: one
 *                           fewer than the iterations recorded (at most MAXITS + 1), since
 *                           the last row only couples them to the next Lanczos vector
 * @param[out]    sigerr     estimated relative error of the sigma_1 estimate: (w + beta |s|)
 *                           / SIGMAX, w the width of the final bisection bracket, beta |s|
 *                           the Lanczos residual bound of the Ritz value (beta the coupling
 *                           to the next vector, s the last component of the Ritz vector); 1
 *                           when only one row is known
 * @param[in]     work       the workspace of F11GSF
 * @param[in]     lwork      length of WORK, >= 120
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - -9: LWORK < 120
 * - 1: called out of sequence, or the state block in WORK was altered
 * @par Example
 * tests/krylov/symmetric_test.cpp.
 */
KIV_API int KIV_CALL F11GTF(int* itn, double* stplhs, double* stprhs,          /* _q87264@48 */
                            double* anorm, double* sigmax, int* its, double* sigerr,
                            const kiv2_complex* work, int lwork, char* record, int* ifail,
                            int record_len);

/* ===================================================================== */
/* Sparse linear systems: preconditioners and one-call drivers            */
/* ===================================================================== */

/**
 * @brief Host wrapper of F11DAF: every argument by address, followed by the lengths of the
 *        character arguments; it calls F11DAF with its own message record.
 *
 * @param[in]      n          as N of F11DAF, by address
 * @param[in]      nnz        as NNZ of F11DAF, by address
 * @param[in,out]  a          as A of F11DAF
 * @param[in]      la         as LA of F11DAF, by address
 * @param[in,out]  irow       as IROW of F11DAF
 * @param[in,out]  icol       as ICOL of F11DAF
 * @param[in]      lfill      as LFILL of F11DAF, by address
 * @param[in]      dtol       as DTOL of F11DAF, by address
 * @param[in]      pstrat     as PSTRAT of F11DAF
 * @param[in]      milu       as MILU of F11DAF
 * @param[in,out]  ipivp      as IPIVP of F11DAF
 * @param[in,out]  ipivq      as IPIVQ of F11DAF
 * @param[out]     istr       as ISTR of F11DAF
 * @param[out]     idiag      as IDIAG of F11DAF
 * @param[out]     nnzfac     as NNZFAC of F11DAF
 * @param[out]     npvmod     as NPVMOD of F11DAF
 * @param[out]     iwork      as IWORK of F11DAF
 * @param[in]      liwork     as LIWORK of F11DAF, by address
 * @param[in,out]  ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                            conventions of kiv2.h); on exit 0 or an error number listed under
 *                            IFAIL
 * @param[in]      pstrat_len length of PSTRAT, >= 1 (only its first character is read)
 * @param[in]      milu_len   length of MILU, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * - 1: LA, DTOL, PSTRAT, MILU, N, NNZ or LIWORK invalid (a bad MILU is reported as well
 *   after a bad PSTRAT)
 * - 2: an index out of range, an entry out of order or a repeated location
 * - 3: IPIVP or IPIVQ not a permutation (PSTRAT = 'U')
 * - 4: the factor does not fit in LA (the factor outputs are incomplete)
 * - 5: internal failure of the factor's sort
 * @par Workspace
 * IWORK: 7N+2 integers; the factor needs NNZFAC positions behind NNZ in A, IROW and ICOL. A
 * requirement beyond the int range is reported as too small.
 * @par Example
 * tests/precon/ilu_test.cpp; the kivhost tour stop "Incomplete LU".
 */
KIV_API int KIV_CALL F11DAF_HOST(const int* n, const int* nnz, double* a,       /* _q85132@84 */
                                 const int* la, int* irow, int* icol, const int* lfill,
                                 const double* dtol, const char* pstrat, const char* milu,
                                 int* ipivp, int* ipivq, int* istr, int* idiag, int* nnzfac,
                                 int* npvmod, int* iwork, const int* liwork, int* ifail,
                                 int pstrat_len, int milu_len);
/**
 * @brief Incomplete LU factorisation M = P L D U Q of a real sparse matrix in coordinate
 *        storage, appended to A, IROW, ICOL behind the matrix.
 *
 * Factor entry (i, j) in pivot numbering holds L(i,j) for j < i, 1/D(i) for j = i and U(i,j)
 * for j > i; M(IPIVP(i), IPIVQ(j)) = (L D U)(i, j). The first NNZ positions of A, IROW, ICOL
 * come back as they went in.
 *
 * @param[in]      n          order of A, >= 1
 * @param[in]      nnz        entries of A, 1 <= NNZ <= N*N
 * @param[in,out]  a          A(1..NNZ): the matrix, sorted by row then column without repeated
 *                            locations (returned unchanged); A(NNZ+1..NNZ+NNZFAC) receives the
 *                            factor
 * @param[in]      la         length of A, IROW and ICOL, >= 2*NNZ
 * @param[in,out]  irow       row indices of A (1..NNZ, returned unchanged); the factor's
 *                            behind them
 * @param[in,out]  icol       column indices of A (1..NNZ, returned unchanged); the factor's
 *                            behind them
 * @param[in]      lfill      >= 0: largest level of fill; < 0: fill is controlled by DTOL
 *                            alone
 * @param[in]      dtol       drop tolerance relative to max |A(i,j)|, >= 0 when LFILL < 0
 * @param[in]      pstrat     'N' no pivoting, 'U' pivots given in IPIVP and IPIVQ, 'P' partial
 *                            (column) pivoting, 'C' complete pivoting
 * @param[in]      milu       'M' modified factorisation (row sums kept), 'N' none
 * @param[in,out]  ipivp      row permutation, N elements: input with PSTRAT = 'U' (a
 *                            permutation of 1..N), output always
 * @param[in,out]  ipivq      column permutation, N elements: as IPIVP
 * @param[out]     istr       ISTR(1..N+1): position of the first factor entry of each row;
 *                            ISTR(N+1) is one past the last
 * @param[out]     idiag      IDIAG(1..N): position of each factor row's diagonal entry
 * @param[out]     nnzfac     number of factor entries
 * @param[out]     npvmod     pivots replaced by 1; -1 when none was but a row was recomputed
 *                            without dropping
 * @param[out]     iwork      workspace, LIWORK elements
 * @param[in]      liwork     length of IWORK, >= 7N+2
 * @param[out]     record     the message record, at least 200 characters: "NONE" on success,
 *                            else the routine name, the error number, the message label and
 *                            its values
 * @param[in,out]  ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                            conventions of kiv2.h); on exit 0 or an error number listed under
 *                            IFAIL
 * @param[in]      pstrat_len length of PSTRAT, >= 1 (only its first character is read)
 * @param[in]      milu_len   length of MILU, >= 1 (only its first character is read)
 * @param[in]      record_len length of RECORD, >= 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: LA, DTOL, PSTRAT, MILU, N, NNZ or LIWORK invalid (a bad MILU is reported as well
 *   after a bad PSTRAT)
 * - 2: an index out of range, an entry out of order or a repeated location
 * - 3: IPIVP or IPIVQ not a permutation (PSTRAT = 'U')
 * - 4: the factor does not fit in LA (the factor outputs are incomplete)
 * - 5: internal failure of the factor's sort
 * @par Workspace
 * IWORK: 7N+2 integers; the factor needs NNZFAC positions behind NNZ in A, IROW and ICOL. A
 * requirement beyond the int range is reported as too small.
 * @par Example
 * tests/precon/ilu_test.cpp; the kivhost tour stop "Incomplete LU".
 */
KIV_API int KIV_CALL F11DAF(int n, int nnz, double* a, int la, int* irow, int* icol, /* _q35085@96 */
                            int lfill, double dtol, const char* pstrat, const char* milu,
                            int* ipivp, int* ipivq, int* istr, int* idiag, int* nnzfac,
                            int* npvmod, int* iwork, int liwork, char* record, int* ifail,
                            int pstrat_len, int milu_len, int record_len);
/**
 * @brief Factorisation kernel of F11DAF on checked arguments: every row in pivot order with
 *        its fill, compensation and pivot, before renumbering.
 *
 * @param[in]      n         order of A, >= 1
 * @param[in]      nnz       entries of A, 1 <= NNZ <= N*N
 * @param[in,out]  a         A(1..NNZ): the matrix, sorted by row then column without repeated
 *                           locations (returned unchanged); A(NNZ+1..NNZ+NNZFAC) receives the
 *                           factor
 * @param[in]      la        length of A, IROW and ICOL, >= 2*NNZ
 * @param[in,out]  irow      as IROW of F11DAF (IROW of factor entries holds their levels
 *                           during the call)
 * @param[in,out]  icol      column indices of A (1..NNZ, returned unchanged); the factor's
 *                           behind them
 * @param[in]      lfill     >= 0: largest level of fill; < 0: fill is controlled by DTOL alone
 * @param[in]      tau_drop  absolute drop threshold, >= 0
 * @param[in]      tau_pivot small-pivot threshold, >= 0
 * @param[in]      omega     compensation weight: 1 (modified factorisation) or 0
 * @param[in]      pstrat    'N', 'U', 'P' or 'C' as a character code
 * @param[in,out]  ipivp     row permutation, N elements: input with PSTRAT = 'U' (a
 *                           permutation of 1..N), output always
 * @param[in,out]  ipivq     column permutation, N elements: as IPIVP
 * @param[out]     istr      ISTR(1..N+1): position of the first factor entry of each row;
 *                           ISTR(N+1) is one past the last
 * @param[out]     idiag     IDIAG(1..N): position of each factor row's diagonal entry
 * @param[out]     nnzfac    number of factor entries
 * @param[out]     npvmod    pivots replaced by 1; -1 when none was but a row was recomputed
 *                           without dropping
 * @param[out]     rowstart  part of IWORK of F11DAF, N+1 elements
 * @param[out]     colhead   part of IWORK, N elements
 * @param[out]     count     part of IWORK, N elements
 * @param[out]     heap      part of IWORK, N elements
 * @param[out]     heappos   part of IWORK, N elements
 * @param[out]     spare     part of IWORK, N elements
 * @param[out]     step      part of IWORK, N elements
 * @return 0, or 4 when the factor does not fit in LA
 * @par IFAIL
 * Not an argument: the result is the error number (0 or 4) for F11DAF to report.
 * @par Workspace
 * the seven parts of IWORK of F11DAF.
 */
KIV_API int KIV_CALL F11DAZ(int n, int nnz, double* a, int la, int* irow, int* icol, /* _q82502@108 */
                            int lfill, double tau_drop, double tau_pivot, double omega,
                            int pstrat, int* ipivp, int* ipivq, int* istr, int* idiag,
                            int* nnzfac, int* npvmod, int* rowstart, int* colhead, int* count,
                            int* heap, int* heappos, int* spare, int* step);

/**
 * @brief Host wrapper of F11DBF: every argument by address, followed by the lengths of the
 *        character arguments; it calls F11DBF with its own message record.
 *
 * @param[in]      trans     as TRANS of F11DBF
 * @param[in]      n         as N of F11DBF, by address
 * @param[in]      a         as A of F11DBF
 * @param[in]      la        as LA of F11DBF, by address
 * @param[in]      irow      as IROW of F11DBF
 * @param[in]      icol      as ICOL of F11DBF
 * @param[in,out]  ipivp     as IPIVP of F11DBF
 * @param[in,out]  ipivq     as IPIVQ of F11DBF
 * @param[in]      istr      as ISTR of F11DBF
 * @param[in]      idiag     as IDIAG of F11DBF
 * @param[in]      check     as CHECK of F11DBF
 * @param[in]      y         as Y of F11DBF
 * @param[out]     x         as X of F11DBF
 * @param[in,out]  ifail     on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed under
 *                           IFAIL
 * @param[in]      trans_len length of TRANS, >= 1 (only its first character is read)
 * @param[in]      check_len length of CHECK, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * - 1: CHECK or TRANS invalid
 * - 2: N < 1 (CHECK = 'C')
 * - 3: the factor, ISTR, IDIAG, IPIVP or IPIVQ is invalid
 * @par Example
 * tests/precon/ilu_test.cpp.
 */
KIV_API int KIV_CALL F11DBF_HOST(const char* trans, const int* n, const double* a,  /* _q50007@64 */
                                 const int* la, const int* irow, const int* icol, int* ipivp,
                                 int* ipivq, const int* istr, const int* idiag,
                                 const char* check, const double* y, double* x, int* ifail,
                                 int trans_len, int check_len);
/**
 * @brief Solves M x = y or M^T x = y with the incomplete LU factor of F11DAF.
 *
 * Whatever was changed between the calls, nothing outside A, IROW, ICOL (LA), the
 * permutations, X and Y is read or written: with CHECK = 'N' the row starts, diagonal
 * positions, column indices and permutation values are still kept in range, and a corrupted
 * factor fails with IFAIL 3.
 *
 * @param[in]      trans      'N' solves M x = y, 'T' solves M^T x = y
 * @param[in]      n          order, >= 1
 * @param[in]      a          the factor as F11DAF returned it, LA elements
 * @param[in]      la         length of A, IROW and ICOL, >= 1
 * @param[in]      irow       row indices as F11DAF returned them, LA elements
 * @param[in]      icol       column indices as F11DAF returned them, LA elements
 * @param[in,out]  ipivp      row permutation from F11DAF, N elements (its sign bits are
 *                            borrowed during the call and restored)
 * @param[in,out]  ipivq      column permutation from F11DAF, N elements (as IPIVP)
 * @param[in]      istr       factor row starts from F11DAF, N+1 elements
 * @param[in]      idiag      factor diagonal positions from F11DAF, N elements
 * @param[in]      check      'C' checks the factor first, 'N' does not (the accesses are still
 *                            kept in range)
 * @param[in]      y          right-hand side, N elements
 * @param[out]     x          solution, N elements
 * @param[out]     record     the message record, at least 200 characters: "NONE" on success,
 *                            else the routine name, the error number, the message label and
 *                            its values
 * @param[in,out]  ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                            conventions of kiv2.h); on exit 0 or an error number listed under
 *                            IFAIL
 * @param[in]      trans_len  length of TRANS, >= 1 (only its first character is read)
 * @param[in]      check_len  length of CHECK, >= 1 (only its first character is read)
 * @param[in]      record_len length of RECORD, >= 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: CHECK or TRANS invalid
 * - 2: N < 1 (CHECK = 'C')
 * - 3: the factor, ISTR, IDIAG, IPIVP or IPIVQ is invalid
 * @par Example
 * tests/precon/ilu_test.cpp.
 */
KIV_API int KIV_CALL F11DBF(const char* trans, int n, const double* a, int la,     /* _q24993@72 */
                            const int* irow, const int* icol, int* ipivp, int* ipivq,
                            const int* istr, const int* idiag, const char* check,
                            const double* y, double* x, char* record, int* ifail, int trans_len,
                            int check_len, int record_len);

/**
 * @brief Host wrapper of F11DNF: every argument by address, followed by the lengths of the
 *        character arguments; it calls F11DNF with its own message record.
 *
 * @param[in]      n          as N of F11DNF, by address
 * @param[in]      nnz        as NNZ of F11DNF, by address
 * @param[in,out]  a          as A of F11DNF
 * @param[in]      la         as LA of F11DNF, by address
 * @param[in,out]  irow       as IROW of F11DNF
 * @param[in,out]  icol       as ICOL of F11DNF
 * @param[in]      lfill      as LFILL of F11DNF, by address
 * @param[in]      dtol       as DTOL of F11DNF, by address
 * @param[in]      pstrat     as PSTRAT of F11DNF
 * @param[in]      milu       as MILU of F11DNF
 * @param[in,out]  ipivp      as IPIVP of F11DNF
 * @param[in,out]  ipivq      as IPIVQ of F11DNF
 * @param[out]     istr       as ISTR of F11DNF
 * @param[out]     idiag      as IDIAG of F11DNF
 * @param[out]     nnzfac     as NNZFAC of F11DNF
 * @param[out]     npvmod     as NPVMOD of F11DNF
 * @param[out]     iwork      as IWORK of F11DNF
 * @param[in]      liwork     as LIWORK of F11DNF, by address
 * @param[in,out]  ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                            conventions of kiv2.h); on exit 0 or an error number listed under
 *                            IFAIL
 * @param[in]      pstrat_len length of PSTRAT, >= 1 (only its first character is read)
 * @param[in]      milu_len   length of MILU, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * As F11DAF.
 * @par Workspace
 * As F11DAF.
 */
KIV_API int KIV_CALL F11DNF_HOST(const int* n, const int* nnz, kiv2_complex* a, /* _q49142@84 */
                                 const int* la, int* irow, int* icol, const int* lfill,
                                 const double* dtol, const char* pstrat, const char* milu,
                                 int* ipivp, int* ipivq, int* istr, int* idiag, int* nnzfac,
                                 int* npvmod, int* iwork, const int* liwork, int* ifail,
                                 int pstrat_len, int milu_len);
/**
 * @brief Complex twin of F11DAF: magnitudes are moduli, a replaced pivot is 1 + 0i.
 *
 * @param[in]      n          order of A, >= 1
 * @param[in]      nnz        entries of A, 1 <= NNZ <= N*N
 * @param[in,out]  a          complex: A(1..NNZ): the matrix, sorted by row then column without
 *                            repeated locations (returned unchanged); A(NNZ+1..NNZ+NNZFAC)
 *                            receives the factor
 * @param[in]      la         length of A, IROW and ICOL, >= 2*NNZ
 * @param[in,out]  irow       row indices of A (1..NNZ, returned unchanged); the factor's
 *                            behind them
 * @param[in,out]  icol       column indices of A (1..NNZ, returned unchanged); the factor's
 *                            behind them
 * @param[in]      lfill      >= 0: largest level of fill; < 0: fill is controlled by DTOL
 *                            alone
 * @param[in]      dtol       drop tolerance relative to max |A(i,j)|, >= 0 when LFILL < 0
 * @param[in]      pstrat     'N' no pivoting, 'U' pivots given in IPIVP and IPIVQ, 'P' partial
 *                            (column) pivoting, 'C' complete pivoting
 * @param[in]      milu       'M' modified factorisation (row sums kept), 'N' none
 * @param[in,out]  ipivp      row permutation, N elements: input with PSTRAT = 'U' (a
 *                            permutation of 1..N), output always
 * @param[in,out]  ipivq      column permutation, N elements: as IPIVP
 * @param[out]     istr       ISTR(1..N+1): position of the first factor entry of each row;
 *                            ISTR(N+1) is one past the last
 * @param[out]     idiag      IDIAG(1..N): position of each factor row's diagonal entry
 * @param[out]     nnzfac     number of factor entries
 * @param[out]     npvmod     pivots replaced by 1; -1 when none was but a row was recomputed
 *                            without dropping
 * @param[out]     iwork      workspace, LIWORK elements
 * @param[in]      liwork     length of IWORK, >= 7N+2
 * @param[out]     record     the message record, at least 200 characters: "NONE" on success,
 *                            else the routine name, the error number, the message label and
 *                            its values
 * @param[in,out]  ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                            conventions of kiv2.h); on exit 0 or an error number listed under
 *                            IFAIL
 * @param[in]      pstrat_len length of PSTRAT, >= 1 (only its first character is read)
 * @param[in]      milu_len   length of MILU, >= 1 (only its first character is read)
 * @param[in]      record_len length of RECORD, >= 200
 * @return the final IFAIL
 * @par IFAIL
 * As F11DAF.
 * @par Workspace
 * As F11DAF.
 */
KIV_API int KIV_CALL F11DNF(int n, int nnz, kiv2_complex* a, int la, int* irow,   /* _q68468@96 */
                            int* icol, int lfill, double dtol, const char* pstrat,
                            const char* milu, int* ipivp, int* ipivq, int* istr, int* idiag,
                            int* nnzfac, int* npvmod, int* iwork, int liwork, char* record,
                            int* ifail, int pstrat_len, int milu_len, int record_len);
/**
 * @brief Complex factorisation kernel, as F11DAZ.
 *
 * @param[in]      n         order of A, >= 1
 * @param[in]      nnz       entries of A, 1 <= NNZ <= N*N
 * @param[in,out]  a         complex: A(1..NNZ): the matrix, sorted by row then column without
 *                           repeated locations (returned unchanged); A(NNZ+1..NNZ+NNZFAC)
 *                           receives the factor
 * @param[in]      la        length of A, IROW and ICOL, >= 2*NNZ
 * @param[in,out]  irow      as IROW of F11DAF (IROW of factor entries holds their levels
 *                           during the call)
 * @param[in,out]  icol      column indices of A (1..NNZ, returned unchanged); the factor's
 *                           behind them
 * @param[in]      lfill     >= 0: largest level of fill; < 0: fill is controlled by DTOL alone
 * @param[in]      tau_drop  absolute drop threshold, >= 0
 * @param[in]      tau_pivot small-pivot threshold, >= 0
 * @param[in]      omega     compensation weight: 1 (modified factorisation) or 0
 * @param[in]      pstrat    'N', 'U', 'P' or 'C' as a character code
 * @param[in,out]  ipivp     row permutation, N elements: input with PSTRAT = 'U' (a
 *                           permutation of 1..N), output always
 * @param[in,out]  ipivq     column permutation, N elements: as IPIVP
 * @param[out]     istr      ISTR(1..N+1): position of the first factor entry of each row;
 *                           ISTR(N+1) is one past the last
 * @param[out]     idiag     IDIAG(1..N): position of each factor row's diagonal entry
 * @param[out]     nnzfac    number of factor entries
 * @param[out]     npvmod    pivots replaced by 1; -1 when none was but a row was recomputed
 *                           without dropping
 * @param[out]     rowstart  part of IWORK of F11DAF, N+1 elements
 * @param[out]     colhead   part of IWORK, N elements
 * @param[out]     count     part of IWORK, N elements
 * @param[out]     heap      part of IWORK, N elements
 * @param[out]     heappos   part of IWORK, N elements
 * @param[out]     spare     part of IWORK, N elements
 * @param[out]     step      part of IWORK, N elements
 * @return 0, or 4 when the factor does not fit in LA
 * @par IFAIL
 * Not an argument: the result is the error number (0 or 4) for F11DAF to report.
 * @par Workspace
 * As F11DAZ.
 */
KIV_API int KIV_CALL F11DNZ(int n, int nnz, kiv2_complex* a, int la, int* irow,   /* _q30453@108 */
                            int* icol, int lfill, double tau_drop, double tau_pivot,
                            double omega, int pstrat, int* ipivp, int* ipivq, int* istr,
                            int* idiag, int* nnzfac, int* npvmod, int* rowstart, int* colhead,
                            int* count, int* heap, int* heappos, int* spare, int* step);
/**
 * @brief Host wrapper of F11DPF: every argument by address, followed by the lengths of the
 *        character arguments; it calls F11DPF with its own message record.
 *
 * @param[in]      trans     as TRANS of F11DPF
 * @param[in]      n         as N of F11DPF, by address
 * @param[in]      a         as A of F11DPF
 * @param[in]      la        as LA of F11DPF, by address
 * @param[in]      irow      as IROW of F11DPF
 * @param[in]      icol      as ICOL of F11DPF
 * @param[in,out]  ipivp     as IPIVP of F11DPF
 * @param[in,out]  ipivq     as IPIVQ of F11DPF
 * @param[in]      istr      as ISTR of F11DPF
 * @param[in]      idiag     as IDIAG of F11DPF
 * @param[in]      check     as CHECK of F11DPF
 * @param[in]      y         as Y of F11DPF
 * @param[out]     x         as X of F11DPF
 * @param[in,out]  ifail     on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed under
 *                           IFAIL
 * @param[in]      trans_len length of TRANS, >= 1 (only its first character is read)
 * @param[in]      check_len length of CHECK, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * As F11DBF.
 */
KIV_API int KIV_CALL F11DPF_HOST(const char* trans, const int* n,               /* _q42366@64 */
                                 const kiv2_complex* a, const int* la, const int* irow,
                                 const int* icol, int* ipivp, int* ipivq, const int* istr,
                                 const int* idiag, const char* check, const kiv2_complex* y,
                                 kiv2_complex* x, int* ifail, int trans_len, int check_len);
/**
 * @brief Complex twin of F11DBF, with the factor of F11DNF; TRANS = 'T' is the plain
 *        transpose.
 *
 * @param[in]      trans      'N' solves M x = y, 'T' solves M^T x = y
 * @param[in]      n          order, >= 1
 * @param[in]      a          complex: the factor as F11DAF returned it, LA elements
 * @param[in]      la         length of A, IROW and ICOL, >= 1
 * @param[in]      irow       row indices as F11DAF returned them, LA elements
 * @param[in]      icol       column indices as F11DAF returned them, LA elements
 * @param[in,out]  ipivp      row permutation from F11DAF, N elements (its sign bits are
 *                            borrowed during the call and restored)
 * @param[in,out]  ipivq      column permutation from F11DAF, N elements (as IPIVP)
 * @param[in]      istr       factor row starts from F11DAF, N+1 elements
 * @param[in]      idiag      factor diagonal positions from F11DAF, N elements
 * @param[in]      check      'C' checks the factor first, 'N' does not (the accesses are still
 *                            kept in range)
 * @param[in]      y          complex: right-hand side, N elements
 * @param[out]     x          complex: solution, N elements
 * @param[out]     record     the message record, at least 200 characters: "NONE" on success,
 *                            else the routine name, the error number, the message label and
 *                            its values
 * @param[in,out]  ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                            conventions of kiv2.h); on exit 0 or an error number listed under
 *                            IFAIL
 * @param[in]      trans_len  length of TRANS, >= 1 (only its first character is read)
 * @param[in]      check_len  length of CHECK, >= 1 (only its first character is read)
 * @param[in]      record_len length of RECORD, >= 200
 * @return the final IFAIL
 * @par IFAIL
 * As F11DBF.
 */
KIV_API int KIV_CALL F11DPF(const char* trans, int n, const kiv2_complex* a,       /* _q30245@72 */
                            int la, const int* irow, const int* icol, int* ipivp, int* ipivq,
                            const int* istr, const int* idiag, const char* check,
                            const kiv2_complex* y, kiv2_complex* x, char* record, int* ifail,
                            int trans_len, int check_len, int record_len);

/**
 * @brief Host wrapper of F11DDF: every argument by address, followed by the lengths of the
 *        character arguments; it calls F11DDF with its own message record.
 *
 * @param[in]      trans     as TRANS of F11DDF
 * @param[in]      n         as N of F11DDF, by address
 * @param[in]      nnz       as NNZ of F11DDF, by address
 * @param[in]      a         as A of F11DDF
 * @param[in]      irow      as IROW of F11DDF
 * @param[in]      icol      as ICOL of F11DDF
 * @param[in]      dinv      as DINV of F11DDF
 * @param[in]      omega     as OMEGA of F11DDF, by address
 * @param[in]      check     as CHECK of F11DDF
 * @param[in]      y         as Y of F11DDF
 * @param[out]     x         as X of F11DDF
 * @param[out]     iwork     as IWORK of F11DDF
 * @param[in,out]  ifail     on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed under
 *                           IFAIL
 * @param[in]      trans_len length of TRANS, >= 1 (only its first character is read)
 * @param[in]      check_len length of CHECK, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * - 1: TRANS or CHECK invalid
 * - 2: N, NNZ or OMEGA invalid
 * - 3: an index out of range, an entry out of order or a repeated location
 * - 4: a row without a diagonal entry
 * @par Workspace
 * IWORK: 2N+1 integers.
 * @par Example
 * tests/precon/ssor_jacobi_test.cpp.
 */
KIV_API int KIV_CALL F11DDF_HOST(const char* trans, const int* n, const int* nnz,  /* _q87260@60 */
                                 const double* a, const int* irow, const int* icol,
                                 const double* dinv, const double* omega, const char* check,
                                 const double* y, double* x, int* iwork, int* ifail,
                                 int trans_len, int check_len);
/**
 * @brief SSOR preconditioner solve M x = y or M^T x = y, with M = (D + w L) D^-1 (D + w U) /
 *        (w (2 - w)) for A = D + L + U.
 *
 * @param[in]      trans      'N' solves M x = y, 'T' solves M^T x = y
 * @param[in]      n          order, >= 1
 * @param[in]      nnz        entries of A, 1 <= NNZ <= N*N
 * @param[in]      a          A in sorted CS storage, NNZ elements, every row with its diagonal
 *                            entry
 * @param[in]      irow       row indices, NNZ elements, 1..N
 * @param[in]      icol       column indices, NNZ elements, 1..N
 * @param[in]      dinv       DINV(i) = 1/A(i,i), N elements, taken as given
 * @param[in]      omega      relaxation parameter, 0 < OMEGA < 2 (checked with CHECK = 'C')
 * @param[in]      check      'C' checks A and OMEGA first, 'N' does not (indices are still
 *                            kept within 1..N)
 * @param[in]      y          right-hand side, N elements
 * @param[out]     x          solution, N elements
 * @param[out]     iwork      workspace, 2N+1 elements: row starts, then diagonal positions
 * @param[out]     record     the message record, at least 200 characters: "NONE" on success,
 *                            else the routine name, the error number, the message label and
 *                            its values
 * @param[in,out]  ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                            conventions of kiv2.h); on exit 0 or an error number listed under
 *                            IFAIL
 * @param[in]      trans_len  length of TRANS, >= 1 (only its first character is read)
 * @param[in]      check_len  length of CHECK, >= 1 (only its first character is read)
 * @param[in]      record_len length of RECORD, >= 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: TRANS or CHECK invalid
 * - 2: N, NNZ or OMEGA invalid
 * - 3: an index out of range, an entry out of order or a repeated location
 * - 4: a row without a diagonal entry
 * @par Workspace
 * IWORK: 2N+1 integers.
 * @par Example
 * tests/precon/ssor_jacobi_test.cpp.
 */
KIV_API int KIV_CALL F11DDF(const char* trans, int n, int nnz, const double* a,    /* _q87479@72 */
                            const int* irow, const int* icol, const double* dinv, double omega,
                            const char* check, const double* y, double* x, int* iwork,
                            char* record, int* ifail, int trans_len, int check_len,
                            int record_len);
/**
 * @brief Host wrapper of F11DRF: every argument by address, followed by the lengths of the
 *        character arguments; it calls F11DRF with its own message record.
 *
 * @param[in]      trans     as TRANS of F11DRF
 * @param[in]      n         as N of F11DRF, by address
 * @param[in]      nnz       as NNZ of F11DRF, by address
 * @param[in]      a         as A of F11DRF
 * @param[in]      irow      as IROW of F11DRF
 * @param[in]      icol      as ICOL of F11DRF
 * @param[in]      dinv      as DINV of F11DRF
 * @param[in]      omega     as OMEGA of F11DRF, by address
 * @param[in]      check     as CHECK of F11DRF
 * @param[in]      y         as Y of F11DRF
 * @param[out]     x         as X of F11DRF
 * @param[out]     iwork     as IWORK of F11DRF
 * @param[in,out]  ifail     on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed under
 *                           IFAIL
 * @param[in]      trans_len length of TRANS, >= 1 (only its first character is read)
 * @param[in]      check_len length of CHECK, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * As F11DDF.
 * @par Workspace
 * As F11DDF.
 */
KIV_API int KIV_CALL F11DRF_HOST(const char* trans, const int* n, const int* nnz,  /* _q30310@60 */
                                 const kiv2_complex* a, const int* irow, const int* icol,
                                 const kiv2_complex* dinv, const double* omega,
                                 const char* check, const kiv2_complex* y, kiv2_complex* x,
                                 int* iwork, int* ifail, int trans_len, int check_len);
/**
 * @brief Complex twin of F11DDF; TRANS = 'T' solves with the conjugate transpose M^H.
 *
 * @param[in]      trans      'N' solves M x = y, 'T' solves M^T x = y
 * @param[in]      n          order, >= 1
 * @param[in]      nnz        entries of A, 1 <= NNZ <= N*N
 * @param[in]      a          complex: A in sorted CS storage, NNZ elements, every row with its
 *                            diagonal entry
 * @param[in]      irow       row indices, NNZ elements, 1..N
 * @param[in]      icol       column indices, NNZ elements, 1..N
 * @param[in]      dinv       complex: dINV(i) = 1/A(i,i), N elements, taken as given
 * @param[in]      omega      relaxation parameter, 0 < OMEGA < 2 (checked with CHECK = 'C')
 * @param[in]      check      'C' checks A and OMEGA first, 'N' does not (indices are still
 *                            kept within 1..N)
 * @param[in]      y          complex: right-hand side, N elements
 * @param[out]     x          complex: solution, N elements
 * @param[out]     iwork      workspace, 2N+1 elements: row starts, then diagonal positions
 * @param[out]     record     the message record, at least 200 characters: "NONE" on success,
 *                            else the routine name, the error number, the message label and
 *                            its values
 * @param[in,out]  ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                            conventions of kiv2.h); on exit 0 or an error number listed under
 *                            IFAIL
 * @param[in]      trans_len  length of TRANS, >= 1 (only its first character is read)
 * @param[in]      check_len  length of CHECK, >= 1 (only its first character is read)
 * @param[in]      record_len length of RECORD, >= 200
 * @return the final IFAIL
 * @par IFAIL
 * As F11DDF.
 * @par Workspace
 * As F11DDF.
 */
KIV_API int KIV_CALL F11DRF(const char* trans, int n, int nnz,                   /* _q28158@72 */
                            const kiv2_complex* a, const int* irow, const int* icol,
                            const kiv2_complex* dinv, double omega, const char* check,
                            const kiv2_complex* y, kiv2_complex* x, int* iwork, char* record,
                            int* ifail, int trans_len, int check_len, int record_len);

/**
 * @brief Host wrapper of F11DKF: every argument by address, followed by the lengths of the
 *        character arguments; it calls F11DKF with its own message record.
 *
 * @param[in]      store     as STORE of F11DKF
 * @param[in]      trans     as TRANS of F11DKF
 * @param[in]      init      as INIT of F11DKF
 * @param[in]      niter     as NITER of F11DKF, by address
 * @param[in]      n         as N of F11DKF, by address
 * @param[in]      nnz       as NNZ of F11DKF, by address
 * @param[in]      a         as A of F11DKF
 * @param[in]      irow      as IROW of F11DKF
 * @param[in]      icol      as ICOL of F11DKF
 * @param[in]      check     as CHECK of F11DKF
 * @param[in]      y         as Y of F11DKF
 * @param[out]     x         as X of F11DKF
 * @param[in,out]  diag      as DIAG of F11DKF
 * @param[out]     work      as WORK of F11DKF
 * @param[in,out]  ifail     on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed under
 *                           IFAIL
 * @param[in]      store_len length of STORE, >= 1 (only its first character is read)
 * @param[in]      trans_len length of TRANS, >= 1 (only its first character is read)
 * @param[in]      init_len  length of INIT, >= 1 (only its first character is read)
 * @param[in]      check_len length of CHECK, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * - 1: an option or NITER invalid
 * - 2: N or NNZ invalid
 * - 3: an index out of range, an entry out of order or a repeated location
 * - 4: a zero DIAG(I) (INIT = 'N', CHECK = 'C')
 * - 5: a zero or missing diagonal entry (INIT = 'I')
 * @par Workspace
 * WORK: N elements.
 * @par Example
 * tests/precon/ssor_jacobi_test.cpp.
 */
KIV_API int KIV_CALL F11DKF_HOST(const char* store, const char* trans,             /* _q83796@76 */
                                 const char* init, const int* niter, const int* n,
                                 const int* nnz, const double* a, const int* irow,
                                 const int* icol, const char* check, const double* y, double* x,
                                 double* diag, double* work, int* ifail, int store_len,
                                 int trans_len, int init_len, int check_len);
/**
 * @brief Preconditioner of NITER Jacobi iterations on A x = y (or the transposed system) from
 *        x = 0: x1 = D^-1 y, x(k+1) = D^-1 (y - (A - D) x(k)).
 *
 * @param[in]      store      'N' CS storage of a general matrix; 'S' SCS storage (lower
 *                            triangle) of a symmetric matrix
 * @param[in]      trans      'N' iterates with A, 'T' with A^T (ignored with STORE = 'S')
 * @param[in]      init       'I' computes DIAG from A; 'N' DIAG holds it from an earlier call
 * @param[in]      niter      number of iterations, >= 1
 * @param[in]      n          order, >= 1
 * @param[in]      nnz        entries, 1 <= NNZ <= N*N (N(N+1)/2 with STORE = 'S')
 * @param[in]      a          the matrix, sorted, NNZ elements
 * @param[in]      irow       row indices, NNZ elements, 1..N
 * @param[in]      icol       column indices, NNZ elements, 1..N
 * @param[in]      check      'C' checks the storage (and a given DIAG) first, 'N' does not
 * @param[in]      y          right-hand side, N elements
 * @param[out]     x          result, N elements
 * @param[in,out]  diag       the diagonal of A, N elements: output with INIT = 'I', input with
 *                            INIT = 'N'
 * @param[out]     work       workspace, N elements
 * @param[out]     record     the message record, at least 200 characters: "NONE" on success,
 *                            else the routine name, the error number, the message label and
 *                            its values
 * @param[in,out]  ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                            conventions of kiv2.h); on exit 0 or an error number listed under
 *                            IFAIL
 * @param[in]      store_len  length of STORE, >= 1 (only its first character is read)
 * @param[in]      trans_len  length of TRANS, >= 1 (only its first character is read)
 * @param[in]      init_len   length of INIT, >= 1 (only its first character is read)
 * @param[in]      check_len  length of CHECK, >= 1 (only its first character is read)
 * @param[in]      record_len length of RECORD, >= 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: an option or NITER invalid
 * - 2: N or NNZ invalid
 * - 3: an index out of range, an entry out of order or a repeated location
 * - 4: a zero DIAG(I) (INIT = 'N', CHECK = 'C')
 * - 5: a zero or missing diagonal entry (INIT = 'I')
 * @par Workspace
 * WORK: N elements.
 * @par Example
 * tests/precon/ssor_jacobi_test.cpp.
 */
KIV_API int KIV_CALL F11DKF(const char* store, const char* trans, const char* init, /* _q80478@84 */
                            int niter, int n, int nnz, const double* a, const int* irow,
                            const int* icol, const char* check, const double* y, double* x,
                            double* diag, double* work, char* record, int* ifail, int store_len,
                            int trans_len, int init_len, int check_len, int record_len);
/**
 * @brief Host wrapper of F11DXF: every argument by address, followed by the lengths of the
 *        character arguments; it calls F11DXF with its own message record.
 *
 * @param[in]      store     as STORE of F11DXF
 * @param[in]      trans     as TRANS of F11DXF
 * @param[in]      init      as INIT of F11DXF
 * @param[in]      niter     as NITER of F11DXF, by address
 * @param[in]      n         as N of F11DXF, by address
 * @param[in]      nnz       as NNZ of F11DXF, by address
 * @param[in]      a         as A of F11DXF
 * @param[in]      irow      as IROW of F11DXF
 * @param[in]      icol      as ICOL of F11DXF
 * @param[in]      check     as CHECK of F11DXF
 * @param[in]      y         as Y of F11DXF
 * @param[out]     x         as X of F11DXF
 * @param[in,out]  diag      as DIAG of F11DXF
 * @param[out]     work      as WORK of F11DXF
 * @param[in,out]  ifail     on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed under
 *                           IFAIL
 * @param[in]      store_len length of STORE, >= 1 (only its first character is read)
 * @param[in]      trans_len length of TRANS, >= 1 (only its first character is read)
 * @param[in]      init_len  length of INIT, >= 1 (only its first character is read)
 * @param[in]      check_len length of CHECK, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * As F11DKF.
 * @par Workspace
 * As F11DKF.
 */
KIV_API int KIV_CALL F11DXF_HOST(const char* store, const char* trans,             /* _q20761@76 */
                                 const char* init, const int* niter, const int* n,
                                 const int* nnz, const kiv2_complex* a, const int* irow,
                                 const int* icol, const char* check, const kiv2_complex* y,
                                 kiv2_complex* x, kiv2_complex* diag, kiv2_complex* work,
                                 int* ifail, int store_len, int trans_len, int init_len,
                                 int check_len);
/**
 * @brief Complex twin of F11DKF: TRANS = 'T' iterates on A^H, STORE = 'S' holds a Hermitian
 *        matrix.
 *
 * @param[in]      store      'N' CS storage of a general matrix; 'S' SCS storage (lower
 *                            triangle) of a symmetric matrix
 * @param[in]      trans      'N' iterates with A, 'T' with A^T (ignored with STORE = 'S')
 * @param[in]      init       'I' computes DIAG from A; 'N' DIAG holds it from an earlier call
 * @param[in]      niter      number of iterations, >= 1
 * @param[in]      n          order, >= 1
 * @param[in]      nnz        entries, 1 <= NNZ <= N*N (N(N+1)/2 with STORE = 'S')
 * @param[in]      a          complex: the matrix, sorted, NNZ elements
 * @param[in]      irow       row indices, NNZ elements, 1..N
 * @param[in]      icol       column indices, NNZ elements, 1..N
 * @param[in]      check      'C' checks the storage (and a given DIAG) first, 'N' does not
 * @param[in]      y          complex: right-hand side, N elements
 * @param[out]     x          complex: result, N elements
 * @param[in,out]  diag       complex: the diagonal of A, N elements: output with INIT = 'I',
 *                            input with INIT = 'N'
 * @param[out]     work       complex: workspace, N elements
 * @param[out]     record     the message record, at least 200 characters: "NONE" on success,
 *                            else the routine name, the error number, the message label and
 *                            its values
 * @param[in,out]  ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                            conventions of kiv2.h); on exit 0 or an error number listed under
 *                            IFAIL
 * @param[in]      store_len  length of STORE, >= 1 (only its first character is read)
 * @param[in]      trans_len  length of TRANS, >= 1 (only its first character is read)
 * @param[in]      init_len   length of INIT, >= 1 (only its first character is read)
 * @param[in]      check_len  length of CHECK, >= 1 (only its first character is read)
 * @param[in]      record_len length of RECORD, >= 200
 * @return the final IFAIL
 * @par IFAIL
 * As F11DKF.
 * @par Workspace
 * As F11DKF.
 */
KIV_API int KIV_CALL F11DXF(const char* store, const char* trans, const char* init, /* _q97772@84 */
                            int niter, int n, int nnz, const kiv2_complex* a, const int* irow,
                            const int* icol, const char* check, const kiv2_complex* y,
                            kiv2_complex* x, kiv2_complex* diag, kiv2_complex* work,
                            char* record, int* ifail, int store_len, int trans_len,
                            int init_len, int check_len, int record_len);

/**
 * @brief Host wrapper of F11DCF: every argument by address, followed by the lengths of the
 *        character arguments; it calls F11DCF with its own message record.
 *
 * @param[in]      method     as METHOD of F11DCF
 * @param[in]      n          as N of F11DCF, by address
 * @param[in]      nnz        as NNZ of F11DCF, by address
 * @param[in]      a          as A of F11DCF
 * @param[in]      la         as LA of F11DCF, by address
 * @param[in]      irow       as IROW of F11DCF
 * @param[in]      icol       as ICOL of F11DCF
 * @param[in,out]  ipivp      as IPIVP of F11DCF
 * @param[in,out]  ipivq      as IPIVQ of F11DCF
 * @param[in]      istr       as ISTR of F11DCF
 * @param[in]      idiag      as IDIAG of F11DCF
 * @param[in]      b          as B of F11DCF
 * @param[in]      m          as M of F11DCF, by address
 * @param[in]      tol        as TOL of F11DCF, by address
 * @param[in]      maxitn     as MAXITN of F11DCF, by address
 * @param[in,out]  x          as X of F11DCF
 * @param[out]     resnrm     as RESNRM of F11DCF
 * @param[out]     nits       as NITS of F11DCF
 * @param[out]     work       as WORK of F11DCF
 * @param[in]      lwork      as LWORK of F11DCF, by address
 * @param[in,out]  ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                            conventions of kiv2.h); on exit 0 or an error number listed under
 *                            IFAIL
 * @param[in]      method_len length of METHOD, >= 1
 * @return the final IFAIL
 * @par IFAIL
 * - 1: N, NNZ, LA, LWORK, METHOD, M, TOL or MAXITN invalid
 * - 2: an index out of range, an entry out of order or a repeated location
 * - 3: the factor is invalid (found at the first preconditioner solve)
 * - 4: the accuracy required could not be reached
 * - 5: no convergence in MAXITN iterations
 * - 6: breakdown
 * - 7: an unexpected failure of an inner routine
 * @par Workspace
 * WORK: LWORK elements as above (complex twin: its constant term is 120 instead of 100, 121
 * for RGMRES); a requirement beyond the int range is too small for any LWORK.
 * @par Example
 * tests/precon/drivers_test.cpp; the kivhost tour stop "Incomplete LU".
 */
KIV_API int KIV_CALL F11DCF_HOST(const char* method, const int* n, const int* nnz, /* _q87762@88 */
                                 const double* a, const int* la, const int* irow,
                                 const int* icol, int* ipivp, int* ipivq, const int* istr,
                                 const int* idiag, const double* b, const int* m,
                                 const double* tol, const int* maxitn, double* x,
                                 double* resnrm, int* nits, double* work, const int* lwork,
                                 int* ifail, int method_len);
/**
 * @brief Solves a real nonsymmetric sparse system A x = b with RGMRES, CGS, BICGSTAB or TFQMR,
 *        preconditioned by the incomplete LU factor of F11DAF, in one call.
 *
 * Stops when ||b - A x||_inf <= TOL (||b||_inf + ||A||_inf ||x||_inf). The factor is checked
 * on the first preconditioner request.
 *
 * @param[in]      method     "RGMRES", "CGS", "BICGSTAB" or "TFQMR" (case and surrounding
 *                            blanks ignored)
 * @param[in]      n          order, >= 1
 * @param[in]      nnz        entries of A, 1 <= NNZ <= N*N
 * @param[in]      a          A and its factor as F11DAF returned them, LA elements
 * @param[in]      la         length of A, IROW and ICOL, >= 2*NNZ
 * @param[in]      irow       row indices of A and the factor, LA elements
 * @param[in]      icol       column indices of A and the factor, LA elements
 * @param[in,out]  ipivp      row permutation from F11DAF, N elements (sign bits borrowed
 *                            during the call and restored)
 * @param[in,out]  ipivq      column permutation from F11DAF, N elements (as IPIVP)
 * @param[in]      istr       factor row starts from F11DAF, N+1 elements
 * @param[in]      idiag      factor diagonal positions from F11DAF, N elements
 * @param[in]      b          right-hand side, N elements
 * @param[in]      m          RGMRES: restart length, 1 <= M <= min(N,50); BICGSTAB: order l, 1
 *                            <= M <= min(N,10); otherwise not used
 * @param[in]      tol        tolerance, < 1 (<= 0 selects sqrt(eps))
 * @param[in]      maxitn     iteration limit, >= 1
 * @param[in,out]  x          initial guess in, solution out, N elements
 * @param[out]     resnrm     infinity norm of the final residual
 * @param[out]     nits       iterations done
 * @param[out]     work       workspace, LWORK elements
 * @param[in]      lwork      length of WORK: RGMRES M(M+N+5)+4N+101; CGS 8N+100; BICGSTAB
 *                            M(M+2)+2N(M+3)+100; TFQMR 11N+100
 * @param[out]     record     the message record, at least 200 characters: "NONE" on success,
 *                            else the routine name, the error number, the message label and
 *                            its values
 * @param[in,out]  ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                            conventions of kiv2.h); on exit 0 or an error number listed under
 *                            IFAIL
 * @param[in]      method_len length of METHOD, >= 1
 * @param[in]      record_len length of RECORD, >= 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: N, NNZ, LA, LWORK, METHOD, M, TOL or MAXITN invalid
 * - 2: an index out of range, an entry out of order or a repeated location
 * - 3: the factor is invalid (found at the first preconditioner solve)
 * - 4: the accuracy required could not be reached
 * - 5: no convergence in MAXITN iterations
 * - 6: breakdown
 * - 7: an unexpected failure of an inner routine
 * @par Workspace
 * WORK: LWORK elements as above (complex twin: its constant term is 120 instead of 100, 121
 * for RGMRES); a requirement beyond the int range is too small for any LWORK.
 * @par Example
 * tests/precon/drivers_test.cpp; the kivhost tour stop "Incomplete LU".
 */
KIV_API int KIV_CALL F11DCF(const char* method, int n, int nnz, const double* a,   /* _q39635@100 */
                            int la, const int* irow, const int* icol, int* ipivp, int* ipivq,
                            const int* istr, const int* idiag, const double* b, int m,
                            double tol, int maxitn, double* x, double* resnrm, int* nits,
                            double* work, int lwork, char* record, int* ifail, int method_len,
                            int record_len);
/**
 * @brief Host wrapper of F11DQF: every argument by address, followed by the lengths of the
 *        character arguments; it calls F11DQF with its own message record.
 *
 * @param[in]      method     as METHOD of F11DQF
 * @param[in]      n          as N of F11DQF, by address
 * @param[in]      nnz        as NNZ of F11DQF, by address
 * @param[in]      a          as A of F11DQF
 * @param[in]      la         as LA of F11DQF, by address
 * @param[in]      irow       as IROW of F11DQF
 * @param[in]      icol       as ICOL of F11DQF
 * @param[in,out]  ipivp      as IPIVP of F11DQF
 * @param[in,out]  ipivq      as IPIVQ of F11DQF
 * @param[in]      istr       as ISTR of F11DQF
 * @param[in]      idiag      as IDIAG of F11DQF
 * @param[in]      b          as B of F11DQF
 * @param[in]      m          as M of F11DQF, by address
 * @param[in]      tol        as TOL of F11DQF, by address
 * @param[in]      maxitn     as MAXITN of F11DQF, by address
 * @param[in,out]  x          as X of F11DQF
 * @param[out]     resnrm     as RESNRM of F11DQF
 * @param[out]     nits       as NITS of F11DQF
 * @param[out]     work       as WORK of F11DQF
 * @param[in]      lwork      as LWORK of F11DQF, by address
 * @param[in,out]  ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                            conventions of kiv2.h); on exit 0 or an error number listed under
 *                            IFAIL
 * @param[in]      method_len length of METHOD, >= 1
 * @return the final IFAIL
 * @par IFAIL
 * As F11DCF.
 * @par Workspace
 * As F11DCF.
 */
KIV_API int KIV_CALL F11DQF_HOST(const char* method, const int* n, const int* nnz, /* _q22790@88 */
                                 const kiv2_complex* a, const int* la, const int* irow,
                                 const int* icol, int* ipivp, int* ipivq, const int* istr,
                                 const int* idiag, const kiv2_complex* b, const int* m,
                                 const double* tol, const int* maxitn, kiv2_complex* x,
                                 double* resnrm, int* nits, kiv2_complex* work,
                                 const int* lwork, int* ifail, int method_len);
/**
 * @brief Complex twin of F11DCF, with the factor of F11DNF. LWORK counts complex values and
 *        its constant term is 120 instead of 100 (101 for RGMRES becomes 121).
 *
 * @param[in]      method     "RGMRES", "CGS", "BICGSTAB" or "TFQMR" (case and surrounding
 *                            blanks ignored)
 * @param[in]      n          order, >= 1
 * @param[in]      nnz        entries of A, 1 <= NNZ <= N*N
 * @param[in]      a          complex: A and its factor as F11DAF returned them, LA elements
 * @param[in]      la         length of A, IROW and ICOL, >= 2*NNZ
 * @param[in]      irow       row indices of A and the factor, LA elements
 * @param[in]      icol       column indices of A and the factor, LA elements
 * @param[in,out]  ipivp      row permutation from F11DAF, N elements (sign bits borrowed
 *                            during the call and restored)
 * @param[in,out]  ipivq      column permutation from F11DAF, N elements (as IPIVP)
 * @param[in]      istr       factor row starts from F11DAF, N+1 elements
 * @param[in]      idiag      factor diagonal positions from F11DAF, N elements
 * @param[in]      b          complex: right-hand side, N elements
 * @param[in]      m          RGMRES: restart length, 1 <= M <= min(N,50); BICGSTAB: order l, 1
 *                            <= M <= min(N,10); otherwise not used
 * @param[in]      tol        tolerance, < 1 (<= 0 selects sqrt(eps))
 * @param[in]      maxitn     iteration limit, >= 1
 * @param[in,out]  x          complex: initial guess in, solution out, N elements
 * @param[out]     resnrm     infinity norm of the final residual
 * @param[out]     nits       iterations done
 * @param[out]     work       complex: workspace, LWORK elements
 * @param[in]      lwork      length of WORK: RGMRES M(M+N+5)+4N+101; CGS 8N+100; BICGSTAB
 *                            M(M+2)+2N(M+3)+100; TFQMR 11N+100
 * @param[out]     record     the message record, at least 200 characters: "NONE" on success,
 *                            else the routine name, the error number, the message label and
 *                            its values
 * @param[in,out]  ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                            conventions of kiv2.h); on exit 0 or an error number listed under
 *                            IFAIL
 * @param[in]      method_len length of METHOD, >= 1
 * @param[in]      record_len length of RECORD, >= 200
 * @return the final IFAIL
 * @par IFAIL
 * As F11DCF.
 * @par Workspace
 * As F11DCF.
 */
KIV_API int KIV_CALL F11DQF(const char* method, int n, int nnz,                  /* _q99368@100 */
                            const kiv2_complex* a, int la, const int* irow, const int* icol,
                            int* ipivp, int* ipivq, const int* istr, const int* idiag,
                            const kiv2_complex* b, int m, double tol, int maxitn,
                            kiv2_complex* x, double* resnrm, int* nits, kiv2_complex* work,
                            int lwork, char* record, int* ifail, int method_len,
                            int record_len);
/**
 * @brief Host wrapper of F11DEF: every argument by address, followed by the lengths of the
 *        character arguments; it calls F11DEF with its own message record.
 *
 * @param[in]      method     as METHOD of F11DEF
 * @param[in]      precon     as PRECON of F11DEF
 * @param[in]      n          as N of F11DEF, by address
 * @param[in]      nnz        as NNZ of F11DEF, by address
 * @param[in]      a          as A of F11DEF
 * @param[in]      irow       as IROW of F11DEF
 * @param[in]      icol       as ICOL of F11DEF
 * @param[in]      omega      as OMEGA of F11DEF, by address
 * @param[in]      b          as B of F11DEF
 * @param[in]      m          as M of F11DEF, by address
 * @param[in]      tol        as TOL of F11DEF, by address
 * @param[in]      maxitn     as MAXITN of F11DEF, by address
 * @param[in,out]  x          as X of F11DEF
 * @param[out]     resnrm     as RESNRM of F11DEF
 * @param[out]     nits       as NITS of F11DEF
 * @param[out]     work       as WORK of F11DEF
 * @param[in]      lwork      as LWORK of F11DEF, by address
 * @param[out]     iwork      as IWORK of F11DEF
 * @param[in,out]  ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                            conventions of kiv2.h); on exit 0 or an error number listed under
 *                            IFAIL
 * @param[in]      method_len length of METHOD, >= 1
 * @param[in]      precon_len length of PRECON, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * - 1: N, NNZ, PRECON, OMEGA, LWORK, METHOD, M, TOL or MAXITN invalid
 * - 2: an index out of range, an entry out of order or a repeated location
 * - 3: a missing or zero diagonal entry (PRECON = 'J' or 'S')
 * - 4, 5, 6, 7: as F11DCF
 * @par Workspace
 * WORK: LWORK elements as above; IWORK: 2N+1 integers.
 * @par Example
 * tests/precon/drivers_test.cpp.
 */
KIV_API int KIV_CALL F11DEF_HOST(const char* method, const char* precon,           /* _q54529@84 */
                                 const int* n, const int* nnz, const double* a, const int* irow,
                                 const int* icol, const double* omega, const double* b,
                                 const int* m, const double* tol, const int* maxitn, double* x,
                                 double* resnrm, int* nits, double* work, const int* lwork,
                                 int* iwork, int* ifail, int method_len, int precon_len);
/**
 * @brief Solves a real nonsymmetric sparse system with RGMRES, CGS, BICGSTAB or TFQMR and no,
 *        Jacobi or SSOR preconditioning, in one call.
 *
 * Stops as F11DCF.
 *
 * @param[in]      method     "RGMRES", "CGS", "BICGSTAB" or "TFQMR" (case and surrounding
 *                            blanks ignored)
 * @param[in]      precon     'N' none, 'J' Jacobi (M = D), 'S' SSOR
 * @param[in]      n          order, >= 1
 * @param[in]      nnz        entries of A, 1 <= NNZ <= N*N
 * @param[in]      a          A in sorted CS storage, NNZ elements
 * @param[in]      irow       row indices, NNZ elements, 1..N
 * @param[in]      icol       column indices, NNZ elements, 1..N
 * @param[in]      omega      SSOR relaxation parameter, 0 < OMEGA < 2 (PRECON = 'S' only)
 * @param[in]      b          right-hand side, N elements
 * @param[in]      m          RGMRES: restart length, 1 <= M <= min(N,50); BICGSTAB: order l, 1
 *                            <= M <= min(N,10); otherwise not used
 * @param[in]      tol        tolerance, < 1 (<= 0 selects sqrt(eps))
 * @param[in]      maxitn     iteration limit, >= 1
 * @param[in,out]  x          initial guess in, solution out, N elements
 * @param[out]     resnrm     infinity norm of the final residual
 * @param[out]     nits       iterations done
 * @param[out]     work       workspace, LWORK elements
 * @param[in]      lwork      length of WORK: as LWORK of F11DCF, plus N with PRECON = 'J' or
 *                            'S'
 * @param[out]     iwork      workspace, 2N+1 elements
 * @param[out]     record     the message record, at least 200 characters: "NONE" on success,
 *                            else the routine name, the error number, the message label and
 *                            its values
 * @param[in,out]  ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                            conventions of kiv2.h); on exit 0 or an error number listed under
 *                            IFAIL
 * @param[in]      method_len length of METHOD, >= 1
 * @param[in]      precon_len length of PRECON, >= 1 (only its first character is read)
 * @param[in]      record_len length of RECORD, >= 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: N, NNZ, PRECON, OMEGA, LWORK, METHOD, M, TOL or MAXITN invalid
 * - 2: an index out of range, an entry out of order or a repeated location
 * - 3: a missing or zero diagonal entry (PRECON = 'J' or 'S')
 * - 4, 5, 6, 7: as F11DCF
 * @par Workspace
 * WORK: LWORK elements as above; IWORK: 2N+1 integers.
 * @par Example
 * tests/precon/drivers_test.cpp.
 */
KIV_API int KIV_CALL F11DEF(const char* method, const char* precon, int n, int nnz, /* _q96143@100 */
                            const double* a, const int* irow, const int* icol, double omega,
                            const double* b, int m, double tol, int maxitn, double* x,
                            double* resnrm, int* nits, double* work, int lwork, int* iwork,
                            char* record, int* ifail, int method_len, int precon_len,
                            int record_len);
/**
 * @brief Host wrapper of F11DSF: every argument by address, followed by the lengths of the
 *        character arguments; it calls F11DSF with its own message record.
 *
 * @param[in]      method     as METHOD of F11DSF
 * @param[in]      precon     as PRECON of F11DSF
 * @param[in]      n          as N of F11DSF, by address
 * @param[in]      nnz        as NNZ of F11DSF, by address
 * @param[in]      a          as A of F11DSF
 * @param[in]      irow       as IROW of F11DSF
 * @param[in]      icol       as ICOL of F11DSF
 * @param[in]      omega      as OMEGA of F11DSF, by address
 * @param[in]      b          as B of F11DSF
 * @param[in]      m          as M of F11DSF, by address
 * @param[in]      tol        as TOL of F11DSF, by address
 * @param[in]      maxitn     as MAXITN of F11DSF, by address
 * @param[in,out]  x          as X of F11DSF
 * @param[out]     resnrm     as RESNRM of F11DSF
 * @param[out]     nits       as NITS of F11DSF
 * @param[out]     work       as WORK of F11DSF
 * @param[in]      lwork      as LWORK of F11DSF, by address
 * @param[out]     iwork      as IWORK of F11DSF
 * @param[in,out]  ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                            conventions of kiv2.h); on exit 0 or an error number listed under
 *                            IFAIL
 * @param[in]      method_len length of METHOD, >= 1
 * @param[in]      precon_len length of PRECON, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * As F11DEF.
 * @par Workspace
 * As F11DEF.
 */
KIV_API int KIV_CALL F11DSF_HOST(const char* method, const char* precon,           /* _q72961@84 */
                                 const int* n, const int* nnz, const kiv2_complex* a,
                                 const int* irow, const int* icol, const double* omega,
                                 const kiv2_complex* b, const int* m, const double* tol,
                                 const int* maxitn, kiv2_complex* x, double* resnrm, int* nits,
                                 kiv2_complex* work, const int* lwork, int* iwork, int* ifail,
                                 int method_len, int precon_len);
/**
 * @brief Complex twin of F11DEF (complex SSOR and reciprocal diagonal; LWORK's constant term
 *        as F11DQF).
 *
 * @param[in]      method     "RGMRES", "CGS", "BICGSTAB" or "TFQMR" (case and surrounding
 *                            blanks ignored)
 * @param[in]      precon     'N' none, 'J' Jacobi (M = D), 'S' SSOR
 * @param[in]      n          order, >= 1
 * @param[in]      nnz        entries of A, 1 <= NNZ <= N*N
 * @param[in]      a          complex: A in sorted CS storage, NNZ elements
 * @param[in]      irow       row indices, NNZ elements, 1..N
 * @param[in]      icol       column indices, NNZ elements, 1..N
 * @param[in]      omega      SSOR relaxation parameter, 0 < OMEGA < 2 (PRECON = 'S' only)
 * @param[in]      b          complex: right-hand side, N elements
 * @param[in]      m          RGMRES: restart length, 1 <= M <= min(N,50); BICGSTAB: order l, 1
 *                            <= M <= min(N,10); otherwise not used
 * @param[in]      tol        tolerance, < 1 (<= 0 selects sqrt(eps))
 * @param[in]      maxitn     iteration limit, >= 1
 * @param[in,out]  x          complex: initial guess in, solution out, N elements
 * @param[out]     resnrm     infinity norm of the final residual
 * @param[out]     nits       iterations done
 * @param[out]     work       complex: workspace, LWORK elements
 * @param[in]      lwork      length of WORK: as LWORK of F11DCF, plus N with PRECON = 'J' or
 *                            'S'
 * @param[out]     iwork      workspace, 2N+1 elements
 * @param[out]     record     the message record, at least 200 characters: "NONE" on success,
 *                            else the routine name, the error number, the message label and
 *                            its values
 * @param[in,out]  ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                            conventions of kiv2.h); on exit 0 or an error number listed under
 *                            IFAIL
 * @param[in]      method_len length of METHOD, >= 1
 * @param[in]      precon_len length of PRECON, >= 1 (only its first character is read)
 * @param[in]      record_len length of RECORD, >= 200
 * @return the final IFAIL
 * @par IFAIL
 * As F11DEF.
 * @par Workspace
 * As F11DEF.
 */
KIV_API int KIV_CALL F11DSF(const char* method, const char* precon, int n, int nnz, /* _q88899@100 */
                            const kiv2_complex* a, const int* irow, const int* icol,
                            double omega, const kiv2_complex* b, int m, double tol, int maxitn,
                            kiv2_complex* x, double* resnrm, int* nits, kiv2_complex* work,
                            int lwork, int* iwork, char* record, int* ifail, int method_len,
                            int precon_len, int record_len);

/* ===================================================================== */
/* Sparse linear systems: incomplete Cholesky factorisation and solve     */
/* ===================================================================== */

/**
 * @brief Incomplete Cholesky factorisation C = P L D L^T P^T of a real
 *        symmetric sparse matrix in symmetric coordinate storage.
 *
 * The factor is written behind the matrix: positions NNZ+1..NNZ+NNZFAC of
 * A, IROW, ICOL hold its lower triangle in sorted symmetric coordinate
 * storage, in the permuted numbering; each row ends with its diagonal,
 * which holds 1/D(i); the other entries hold L(i,j).  A pivot d_p with
 * d_p <= 0.01 s (s the sum of the moduli of the off-diagonal entries of
 * its row and column still to be eliminated) is replaced by s, or by 1
 * when s = 0, and counted in NPVMOD.
 *
 * @param[in] n order, >= 1
 * @param[in] nnz entries of the lower triangle, 1..N(N+1)/2
 * @param[in,out] a values (LA): A(1..NNZ) the matrix, kept; the factor behind it
 * @param[in] la length of A, IROW, ICOL, >= 2 NNZ (the factor's fill needs more)
 * @param[in,out] irow,icol row and column indices (LA), sorted by row then
 *        column, ICOL <= IROW, no repeats; the factor's indices behind them
 * @param[in] lfill >= 0: the largest level of fill kept; < 0: fill is
 *        dropped by DTOL instead
 * @param[in] dtol drop tolerance (LFILL < 0), >= 0: a fill value f of
 *        (r, c) is kept when |f| >= DTOL sqrt(|d_r d_c|)
 * @param[in] mic 'M' modified: the dropped fill is added to both
 *        diagonals (row sums kept); 'N' plain
 * @param[in] dshift every diagonal is multiplied by 1 + DSHIFT first
 * @param[in] pstrat 'N' natural order, 'U' order in IPIV, 'M' Markowitz
 *        (least entries first, ties to the larger |diagonal|, then the
 *        smaller index)
 * @param[in,out] ipiv (N) PSTRAT = 'U': the order on entry; on exit
 *        IPIV(i) is the index eliminated at step i
 * @param[out] istr (N+1) starts of the factor's rows in A (ISTR(1) = NNZ+1)
 * @param[out] nnzfac entries of the factor
 * @param[out] npvmod pivots modified
 * @param[out] iwork workspace (LIWORK)
 * @param[in] liwork length of IWORK
 * @param[in,out] ifail error indicator
 * @param[in] mic_len,pstrat_len lengths of MIC and PSTRAT
 * @return IFAIL
 * @par IFAIL
 *  1 LA < 2 NNZ, DTOL < 0, MIC, PSTRAT, N, NNZ or LIWORK invalid;
 *  2 an index out of range, an entry out of order or a repeated location;
 *  3 IPIV (PSTRAT = 'U') not a permutation;
 *  4 the factor does not fit in LA (the outputs must not be used; the
 *    matrix itself is intact);
 *  5 internal failure of the factor's sort, or a non-finite value in
 *    A(1..NNZ), a pivot or a factor entry (the matrix itself is intact).
 * @par Workspace
 *  LIWORK >= 2 LA - 3 NNZ + 7 N + 1 (LFILL >= 0) or LA - NNZ + 7 N + 1
 *  (LFILL < 0), computed without overflow: a requirement beyond the int
 *  range is reported as INT_MAX.
 *  Example: tests/ichol/ichol_test.cpp, the kivhost tour stop "Incomplete Cholesky".
 */
KIV_API int KIV_CALL F11JAF_HOST(const int* n, const int* nnz, double* a,       /* _q99068@80 */
                                 const int* la, int* irow, int* icol, const int* lfill,
                                 const double* dtol, const char* mic, const double* dshift,
                                 const char* pstrat, int* ipiv, int* istr, int* nnzfac,
                                 int* npvmod, int* iwork, const int* liwork, int* ifail,
                                 int mic_len, int pstrat_len);
/** @brief Body of F11JAF: scalars by value, then the message record.
 *  @param[in] n,nnz,la,lfill,dtol,dshift,liwork as F11JAF, by value
 *  @param[in,out] a,irow,icol,ipiv as F11JAF
 *  @param[in] mic,pstrat as F11JAF
 *  @param[out] istr,nnzfac,npvmod,iwork as F11JAF
 *  @param[out] record message record
 *  @param[in,out] ifail as F11JAF
 *  @param[in] mic_len,pstrat_len,record_len character lengths
 *  @return IFAIL
 *  @par IFAIL
 *  As F11JAF.
 *  @par Workspace
 *  As F11JAF. */
KIV_API int KIV_CALL F11JAF(int n, int nnz, double* a, int la, int* irow, int* icol, /* _q23802@96 */
                            int lfill, double dtol, const char* mic, double dshift,
                            const char* pstrat, int* ipiv, int* istr, int* nnzfac, int* npvmod,
                            int* iwork, int liwork, char* record, int* ifail, int mic_len,
                            int pstrat_len, int record_len);
/** @brief Elimination kernel of F11JAF on checked arguments: the working
 *  copy, the order, the elimination with fill control and the renumbering;
 *  the factor is left unsorted in positions NNZ+1..NNZ+NNZFAC.
 *  @param[in] n,nnz,la,lfill,dtol,dshift as F11JAF
 *  @param[in,out] a,irow,icol as F11JAF (links of the chains during the call)
 *  @param[in] omega weight of the dropped fill added to the diagonals (1 or 0)
 *  @param[in] pivtol a pivot <= PIVTOL times its off-diagonal sum is modified
 *  @param[in] pstrat 'N', 'U' or 'M' as a character code
 *  @param[in,out] ipiv elimination order (in for 'U')
 *  @param[out] istr N integers: the per-index marker
 *  @param[out] nnzfac,npvmod as F11JAF
 *  @param[out] level fill levels of positions 2 NNZ+1.. (LV)
 *  @param[in] lv length of LEVEL (LA - 2 NNZ, or 0 when LFILL < 0)
 *  @param[out] tcol true column of each copy position (LA - NNZ)
 *  @param[out] count,rowhead,colhead,nbr,heap,heappos,spare lists: N each, SPARE N+1
 *        (HEAP and HEAPPOS order the live indices for PSTRAT = 'M')
 *  @return 0, 4 when the factor does not fit in LA, or 5 when a pivot,
 *          its inverse or a factor entry is not finite
 *  @par IFAIL none: the return value only.
 *  @par Workspace the arrays above. */
KIV_API int KIV_CALL F11JAZ(int n, int nnz, double* a, int la, int* irow, int* icol, /* _q63039@120 */
                            int lfill, double dtol, double omega, double dshift, double pivtol,
                            int pstrat, int* ipiv, int* istr, int* nnzfac, int* npvmod,
                            int* level, int lv, int* tcol, int* count, int* rowhead,
                            int* colhead, int* nbr, int* heap, int* heappos, int* spare);

/**
 * @brief Solves C x = y with the incomplete Cholesky factor of F11JAF.
 *
 * Whatever was changed between the calls, nothing outside A, IROW, ICOL
 * (LA), ISTR, IPIV, X and Y is read or written: with CHECK = 'N' the row
 * starts, column indices and IPIV values are still kept in range, and a
 * corrupted factor fails with IFAIL 3.
 *
 * @param[in] n order, >= 1
 * @param[in] a,irow,icol the arrays as F11JAF returned them (length LA)
 * @param[in] la their length
 * @param[in] ipiv the order from F11JAF (its sign bits are borrowed during
 *        the call and restored)
 * @param[in] istr the factor's row starts
 * @param[in] check 'C' check the factor first, 'N' no check
 * @param[in] y right-hand side (N)
 * @param[out] x solution (N)
 * @param[in,out] ifail error indicator
 * @param[in] check_len length of CHECK
 * @return IFAIL
 * @par IFAIL
 *  1 CHECK invalid; 2 N < 1 (CHECK = 'C'); 3 the factor, ISTR or IPIV is invalid.
 */
KIV_API int KIV_CALL F11JBF_HOST(const int* n, const double* a, const int* la,  /* _q77786@48 */
                                 const int* irow, const int* icol, int* ipiv, const int* istr,
                                 const char* check, const double* y, double* x, int* ifail,
                                 int check_len);
/** @brief Body of F11JBF.
 *  @param[in] n,a,la,irow,icol,istr,check,y as F11JBF, scalars by value
 *  @param[in] ipiv as F11JBF
 *  @param[out] x as F11JBF
 *  @param[out] record message record
 *  @param[in,out] ifail as F11JBF
 *  @param[in] check_len,record_len character lengths
 *  @return IFAIL
 *  @par IFAIL
 *  As F11JBF. */
KIV_API int KIV_CALL F11JBF(int n, const double* a, int la, const int* irow,       /* _q22791@56 */
                            const int* icol, int* ipiv, const int* istr, const char* check,
                            const double* y, double* x, char* record, int* ifail,
                            int check_len, int record_len);

/**
 * @brief Complex twin of F11JAF: incomplete Cholesky C = P L D L^H P^T of a
 *        Hermitian matrix (lower triangle stored; the entry above the
 *        diagonal is the conjugate).  Magnitudes are moduli; the
 *        modification test uses the real part of the pivot; with MIC =
 *        'M' a dropped fill f of (r, c) adds f to d_r and conj(f) to d_c.
 * @param[in] n,nnz,la,lfill,dtol,mic,dshift,pstrat,liwork as F11JAF
 * @param[in,out] a complex matrix and factor (LA)
 * @param[in,out] irow,icol,ipiv as F11JAF
 * @param[out] istr,nnzfac,npvmod,iwork as F11JAF
 * @param[in,out] ifail error indicator
 * @param[in] mic_len,pstrat_len lengths
 * @return IFAIL
 * @par IFAIL
 * As F11JAF (IFAIL 5 names F11ZPF).
 * @par Workspace
 * As F11JAF.
 */
KIV_API int KIV_CALL F11JNF_HOST(const int* n, const int* nnz, kiv2_complex* a, /* _q63420@80 */
                                 const int* la, int* irow, int* icol, const int* lfill,
                                 const double* dtol, const char* mic, const double* dshift,
                                 const char* pstrat, int* ipiv, int* istr, int* nnzfac,
                                 int* npvmod, int* iwork, const int* liwork, int* ifail,
                                 int mic_len, int pstrat_len);
/** @brief Body of F11JNF.
 *  @param[in] n,nnz,la,lfill,dtol,dshift,liwork as F11JNF, by value
 *  @param[in,out] a,irow,icol,ipiv as F11JNF
 *  @param[in] mic,pstrat as F11JNF
 *  @param[out] istr,nnzfac,npvmod,iwork as F11JNF
 *  @param[out] record message record
 *  @param[in,out] ifail as F11JNF
 *  @param[in] mic_len,pstrat_len,record_len character lengths
 *  @return IFAIL
 *  @par IFAIL
 *  As F11JNF.
 *  @par Workspace
 *  As F11JAF. */
KIV_API int KIV_CALL F11JNF(int n, int nnz, kiv2_complex* a, int la, int* irow,    /* _q13243@96 */
                            int* icol, int lfill, double dtol, const char* mic, double dshift,
                            const char* pstrat, int* ipiv, int* istr, int* nnzfac, int* npvmod,
                            int* iwork, int liwork, char* record, int* ifail, int mic_len,
                            int pstrat_len, int record_len);
/** @brief Complex elimination kernel, as F11JAZ.
 *  @param[in] n,nnz,la,lfill,dtol,omega,dshift,pivtol,pstrat,lv as F11JAZ
 *  @param[in,out] a complex matrix and working copy
 *  @param[in,out] irow,icol,ipiv as F11JAZ
 *  @param[out] istr,nnzfac,npvmod,level,tcol,count,rowhead,colhead,nbr,heap,heappos,spare as F11JAZ
 *  @return 0, 4 when the factor does not fit in LA, or 5 when a pivot,
 *          its inverse or a factor entry is not finite
 *  @par IFAIL none: the return value only.
 *  @par Workspace
 *  As F11JAZ. */
KIV_API int KIV_CALL F11JNZ(int n, int nnz, kiv2_complex* a, int la, int* irow,    /* _q80706@120 */
                            int* icol, int lfill, double dtol, double omega, double dshift,
                            double pivtol, int pstrat, int* ipiv, int* istr, int* nnzfac,
                            int* npvmod, int* level, int lv, int* tcol, int* count, int* rowhead,
                            int* colhead, int* nbr, int* heap, int* heappos, int* spare);

/**
 * @brief Solves C x = y with the incomplete Cholesky factor of F11JNF; the
 *        backward sweep uses the conjugates of the stored entries (L^H).
 * @param[in] n,la,irow,icol,ipiv,istr,check as F11JBF
 * @param[in] a complex factor arrays (LA)
 * @param[in] y right-hand side (N)
 * @param[out] x solution (N)
 * @param[in,out] ifail error indicator
 * @param[in] check_len length of CHECK
 * @return IFAIL
 * @par IFAIL
 * As F11JBF.
 */
KIV_API int KIV_CALL F11JPF_HOST(const int* n, const kiv2_complex* a,           /* _q43905@48 */
                                 const int* la, const int* irow, const int* icol, int* ipiv,
                                 const int* istr, const char* check, const kiv2_complex* y,
                                 kiv2_complex* x, int* ifail, int check_len);
/** @brief Body of F11JPF.
 *  @param[in] n,a,la,irow,icol,istr,check,y as F11JPF, scalars by value
 *  @param[in] ipiv as F11JPF
 *  @param[out] x as F11JPF
 *  @param[out] record message record
 *  @param[in,out] ifail as F11JPF
 *  @param[in] check_len,record_len character lengths
 *  @return IFAIL
 *  @par IFAIL
 *  As F11JBF. */
KIV_API int KIV_CALL F11JPF(int n, const kiv2_complex* a, int la, const int* irow, /* _q22592@56 */
                            const int* icol, int* ipiv, const int* istr, const char* check,
                            const kiv2_complex* y, kiv2_complex* x, char* record, int* ifail,
                            int check_len, int record_len);

/**
 * @brief Host wrapper of F11JRF: every argument by address, followed by the length of CHECK;
 *        it poisons X and IWORK and calls F11JRF with its own message record.
 *
 * @param[in]      n         as N of F11JRF, by address
 * @param[in]      nnz       as NNZ of F11JRF, by address
 * @param[in]      a         as A of F11JRF
 * @param[in]      irow      as IROW of F11JRF
 * @param[in]      icol      as ICOL of F11JRF
 * @param[in]      dinv      as DINV of F11JRF
 * @param[in]      omega     as OMEGA of F11JRF, by address
 * @param[in]      check     as CHECK of F11JRF
 * @param[in]      y         as Y of F11JRF
 * @param[out]     x         as X of F11JRF
 * @param[out]     iwork     as IWORK of F11JRF
 * @param[in,out]  ifail     as IFAIL of F11JRF
 * @param[in]      check_len length of CHECK, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * As F11JRF.
 * @par Workspace
 * As F11JRF.
 */
KIV_API int KIV_CALL F11JRF_HOST(const int* n, const int* nnz, const kiv2_complex* a, /* _q48472@52 */
                                 const int* irow, const int* icol, const double* dinv,
                                 const double* omega, const char* check, const kiv2_complex* y,
                                 kiv2_complex* x, int* iwork, int* ifail, int check_len);
/**
 * @brief Solves M x = y with the SSOR preconditioner of a complex Hermitian matrix in
 *        symmetric coordinate storage, M = (D + wL) D^-1 (D + wL^H) / (w(2 - w)).
 *
 * D is the diagonal and L the strictly lower triangle of A; the diagonal of a row is its
 * last entry.  With CHECK = 'N' neither OMEGA nor the diagonal entries are examined, but
 * every index is still kept within the arrays: a row index outside 1..N or a column outside
 * 1..N fails with IFAIL 3 (X poisoned), an empty row with IFAIL 4.
 *
 * @param[in]      n          order, >= 1
 * @param[in]      nnz        entries of the lower triangle, 1 <= NNZ <= N(N+1)/2
 * @param[in]      a          complex: the lower triangle of A in sorted SCS storage, NNZ
 *                            elements, every row ending with its diagonal entry
 * @param[in]      irow       row indices, NNZ elements, 1..N
 * @param[in]      icol       column indices, NNZ elements, 1..IROW(I)
 * @param[in]      dinv       real: DINV(i) = 1/A(i,i), N elements, taken as given
 * @param[in]      omega      relaxation parameter, 0 < OMEGA < 2 (checked with CHECK = 'C')
 * @param[in]      check      'C' checks A, OMEGA and the diagonal entries first, 'N' does not
 * @param[in]      y          complex: right-hand side, N elements
 * @param[out]     x          complex: solution, N elements
 * @param[out]     iwork      workspace, N+1 elements: the row starts
 * @param[out]     record     the message record, at least 200 characters: "NONE" on success,
 *                            else the routine name, the error number, the message label and
 *                            its values
 * @param[in,out]  ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                            conventions of kiv2.h); on exit 0 or an error number listed under
 *                            IFAIL
 * @param[in]      check_len  length of CHECK, >= 1 (only its first character is read)
 * @param[in]      record_len length of RECORD, >= 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: CHECK is not 'C' or 'N'
 * - 2: N < 1, NNZ < 1, NNZ > N(N+1)/2, or OMEGA outside (0, 2) (CHECK = 'C')
 * - 3: an index out of range, an entry out of order or a repeated location
 * - 4: a row without a diagonal entry (CHECK = 'C'), or an empty row
 * @par Workspace
 * IWORK: N+1 elements.
 * @par Example
 * tests/precon/hermitian_test.cpp.
 */
KIV_API int KIV_CALL F11JRF(int n, int nnz, const kiv2_complex* a, const int* irow, /* _q50756@64 */
                            const int* icol, const double* dinv, double omega, const char* check,
                            const kiv2_complex* y, kiv2_complex* x, int* iwork, char* record,
                            int* ifail, int check_len, int record_len);

/**
 * @brief Host wrapper of F11JQF: every argument by address, followed by the length of METHOD;
 *        it poisons RESNRM, NITS and WORK and calls F11JQF with its own message record.
 *
 * @param[in]      method     as METHOD of F11JQF
 * @param[in]      n          as N of F11JQF, by address
 * @param[in]      nnz        as NNZ of F11JQF, by address
 * @param[in]      a          as A of F11JQF
 * @param[in]      la         as LA of F11JQF, by address
 * @param[in]      irow       as IROW of F11JQF
 * @param[in]      icol       as ICOL of F11JQF
 * @param[in]      ipiv       as IPIV of F11JQF
 * @param[in]      istr       as ISTR of F11JQF
 * @param[in]      b          as B of F11JQF
 * @param[in]      tol        as TOL of F11JQF, by address
 * @param[in]      maxitn     as MAXITN of F11JQF, by address
 * @param[in,out]  x          as X of F11JQF
 * @param[out]     resnrm     as RESNRM of F11JQF
 * @param[out]     nits       as NITS of F11JQF
 * @param[out]     work       as WORK of F11JQF
 * @param[in]      lwork      as LWORK of F11JQF, by address
 * @param[in,out]  ifail      as IFAIL of F11JQF
 * @param[in]      method_len length of METHOD, >= 1
 * @return the final IFAIL
 * @par IFAIL
 * As F11JQF.
 * @par Workspace
 * As F11JQF.
 */
KIV_API int KIV_CALL F11JQF_HOST(const char* method, const int* n, const int* nnz, /* _q18583@76 */
                                 const kiv2_complex* a, const int* la, const int* irow,
                                 const int* icol, int* ipiv, const int* istr,
                                 const kiv2_complex* b, const double* tol, const int* maxitn,
                                 kiv2_complex* x, double* resnrm, int* nits, kiv2_complex* work,
                                 const int* lwork, int* ifail, int method_len);
/**
 * @brief Solves a complex Hermitian system A x = b by CG or SYMMLQ with the incomplete
 *        Cholesky factor computed by F11JNF as preconditioner.
 *
 * The driver checks the matrix, sets up F11GRF (infinity norm, ITERM = 1, ||A|| the largest
 * row sum of |re| + |im| over the full matrix), answers F11GSF's requests with F11XSF and the
 * solve of F11JPF (the factor checked on the first request only), and fetches NITS and
 * RESNRM from F11GTF on success.
 *
 * @param[in]      method     "CG" (A positive definite) or "SYMMLQ" (A may be indefinite),
 *                            blanks and case ignored
 * @param[in]      n          order, >= 1
 * @param[in]      nnz        entries of the lower triangle of A, 1 <= NNZ <= N(N+1)/2
 * @param[in]      a          complex, LA elements: A in sorted SCS storage (1..NNZ), then the
 *                            factor as F11JNF returned it
 * @param[in]      la         length of A, IROW and ICOL, >= 2 NNZ
 * @param[in]      irow       row indices, LA elements, as F11JNF returned them
 * @param[in]      icol       column indices, LA elements, as F11JNF returned them
 * @param[in]      ipiv       the pivot order of F11JNF, N elements
 * @param[in]      istr       the factor's row starts of F11JNF, N+1 elements
 * @param[in]      b          complex: right-hand side, N elements
 * @param[in]      tol        tolerance, < 1 (<= 0: the default sqrt(eps))
 * @param[in]      maxitn     iteration limit, >= 1
 * @param[in,out]  x          complex, N elements: initial guess on entry, solution on exit
 * @param[out]     resnrm     the final residual norm (set only when IFAIL = 0)
 * @param[out]     nits       iterations done (set only when IFAIL = 0)
 * @param[out]     work       complex workspace, LWORK elements
 * @param[in]      lwork      length of WORK: >= 6N + 120 for CG, >= 7N + 120 for SYMMLQ
 * @param[out]     record     the message record, at least 200 characters: "NONE" on success,
 *                            else the routine name, the error number, the message label and
 *                            its values
 * @param[in,out]  ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                            conventions of kiv2.h); on exit 0 or an error number listed under
 *                            IFAIL
 * @param[in]      method_len length of METHOD, >= 1
 * @param[in]      record_len length of RECORD, >= 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: N, NNZ, LA, LWORK, METHOD, TOL or MAXITN invalid
 * - 2: an index of A out of range, an entry out of order or a repeated location (A, IROW or
 *      ICOL corrupted since F11JNF)
 * - 3: the factor is not a valid SCS factor (corrupted since F11JNF)
 * - 4: the requested accuracy could not be reached; a reasonable one was
 * - 5: no convergence within MAXITN iterations
 * - 6: the preconditioner appears not to be positive definite
 * - 7: A appears not to be positive definite (CG)
 * - 8: an unexpected failure of an inner routine
 * @par Workspace
 * WORK: 6N + 120 (CG) or 7N + 120 (SYMMLQ) complex elements.
 * @par Example
 * tests/precon/hermitian_drivers_test.cpp.
 */
KIV_API int KIV_CALL F11JQF(const char* method, int n, int nnz, const kiv2_complex* a, /* _q18774@88 */
                            int la, const int* irow, const int* icol, int* ipiv,
                            const int* istr, const kiv2_complex* b, double tol, int maxitn,
                            kiv2_complex* x, double* resnrm, int* nits, kiv2_complex* work,
                            int lwork, char* record, int* ifail, int method_len, int record_len);

/**
 * @brief Host wrapper of F11JSF: every argument by address, followed by the lengths of METHOD
 *        and PRECON; it poisons RESNRM, NITS, DINV, WORK and IWORK and calls F11JSF with its
 *        own message record.
 *
 * @param[in]      method     as METHOD of F11JSF
 * @param[in]      precon     as PRECON of F11JSF
 * @param[in]      n          as N of F11JSF, by address
 * @param[in]      nnz        as NNZ of F11JSF, by address
 * @param[in]      a          as A of F11JSF
 * @param[in]      irow       as IROW of F11JSF
 * @param[in]      icol       as ICOL of F11JSF
 * @param[in]      omega      as OMEGA of F11JSF, by address
 * @param[in]      b          as B of F11JSF
 * @param[in]      tol        as TOL of F11JSF, by address
 * @param[in]      maxitn     as MAXITN of F11JSF, by address
 * @param[in,out]  x          as X of F11JSF
 * @param[out]     resnrm     as RESNRM of F11JSF
 * @param[out]     nits       as NITS of F11JSF
 * @param[out]     dinv       as DINV of F11JSF
 * @param[out]     work       as WORK of F11JSF
 * @param[in]      lwork      as LWORK of F11JSF, by address
 * @param[out]     iwork      as IWORK of F11JSF
 * @param[in,out]  ifail      as IFAIL of F11JSF
 * @param[in]      method_len length of METHOD, >= 1
 * @param[in]      precon_len length of PRECON, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * As F11JSF.
 * @par Workspace
 * As F11JSF.
 */
KIV_API int KIV_CALL F11JSF_HOST(const char* method, const char* precon,           /* _q48075@84 */
                                 const int* n, const int* nnz, const kiv2_complex* a,
                                 const int* irow, const int* icol, const double* omega,
                                 const kiv2_complex* b, const double* tol, const int* maxitn,
                                 kiv2_complex* x, double* resnrm, int* nits, double* dinv,
                                 kiv2_complex* work, const int* lwork, int* iwork, int* ifail,
                                 int method_len, int precon_len);
/**
 * @brief Solves a complex Hermitian system A x = b by CG or SYMMLQ with no, Jacobi or SSOR
 *        preconditioning.
 *
 * As F11JQF, with the preconditioner built from A: M = D (Jacobi) or the SSOR matrix of
 * F11JRF with OMEGA.  Each row must end with its diagonal entry, whose imaginary part may be
 * at most 10 eps in magnitude (it is ignored) and whose real part must not be zero; PRECON =
 * 'N' does not look at the diagonal.
 *
 * @param[in]      method     "CG" or "SYMMLQ", blanks and case ignored
 * @param[in]      precon     'N' none, 'J' Jacobi, 'S' SSOR
 * @param[in]      n          order, >= 1
 * @param[in]      nnz        entries of the lower triangle of A, 1 <= NNZ <= N(N+1)/2
 * @param[in]      a          complex: the lower triangle of A in sorted SCS storage, NNZ
 *                            elements
 * @param[in]      irow       row indices, NNZ elements, 1..N
 * @param[in]      icol       column indices, NNZ elements, 1..IROW(I)
 * @param[in]      omega      relaxation parameter, 0 < OMEGA < 2 (read only with PRECON = 'S')
 * @param[in]      b          complex: right-hand side, N elements
 * @param[in]      tol        tolerance, < 1 (<= 0: the default sqrt(eps))
 * @param[in]      maxitn     iteration limit, >= 1
 * @param[in,out]  x          complex, N elements: initial guess on entry, solution on exit
 * @param[out]     resnrm     the final residual norm (set only when IFAIL = 0)
 * @param[out]     nits       iterations done (set only when IFAIL = 0)
 * @param[out]     dinv       N reals: 1/re(A(i,i)) (PRECON 'J' or 'S')
 * @param[out]     work       complex workspace, LWORK elements
 * @param[in]      lwork      length of WORK: >= 6N + 120 for CG, >= 7N + 120 for SYMMLQ
 * @param[out]     iwork      workspace, N+1 elements: the row starts
 * @param[out]     record     the message record, at least 200 characters: "NONE" on success,
 *                            else the routine name, the error number, the message label and
 *                            its values
 * @param[in,out]  ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                            conventions of kiv2.h); on exit 0 or an error number listed under
 *                            IFAIL
 * @param[in]      method_len length of METHOD, >= 1
 * @param[in]      precon_len length of PRECON, >= 1 (only its first character is read)
 * @param[in]      record_len length of RECORD, >= 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: N, NNZ, PRECON, OMEGA, LWORK, METHOD, TOL or MAXITN invalid
 * - 2: an index out of range, an entry out of order or a repeated location
 * - 3: a row without a diagonal entry, or a diagonal entry with zero real part (PRECON 'J'
 *      or 'S')
 * - 4: the requested accuracy could not be reached; a reasonable one was
 * - 5: no convergence within MAXITN iterations
 * - 6: the preconditioner appears not to be positive definite
 * - 7: A appears not to be positive definite (CG)
 * - 8: an unexpected failure of an inner routine
 * - 9: a diagonal entry with an imaginary part above 10 eps (PRECON 'J' or 'S')
 * @par Workspace
 * WORK: 6N + 120 (CG) or 7N + 120 (SYMMLQ) complex elements; IWORK: N+1.
 * @par Example
 * tests/precon/hermitian_drivers_test.cpp.
 */
KIV_API int KIV_CALL F11JSF(const char* method, const char* precon, int n, int nnz, /* _q99232@100 */
                            const kiv2_complex* a, const int* irow, const int* icol,
                            double omega, const kiv2_complex* b, double tol, int maxitn,
                            kiv2_complex* x, double* resnrm, int* nits, double* dinv,
                            kiv2_complex* work, int lwork, int* iwork, char* record, int* ifail,
                            int method_len, int precon_len, int record_len);

/* ===================================================================== */
/* Sorting and ranking                                                    */
/* ===================================================================== */
/* Sections M1..M2 (1 <= M1 <= M2) of 1-based vectors; ORDER 'A' ascending
 * or 'D' descending.  IFAIL errors: 1 bad section (every routine), 2 bad
 * ORDER (M01CAF, M01DAF), 2 a rank or permutation entry outside M1..M2,
 * 3 a repeated entry (the others).  Rank and permutation vectors come back
 * as they went in, also after a failure. */

/**
 * @brief Sorts RV(M1..M2) in place into ascending or descending order (quicksort).
 *
 * The routines work on the section M1..M2 of 1-based vectors (1 <= M1 <= M2); elements
 * outside it are not touched. Equal values come out in no defined order; the results are
 * reproducible.
 *
 * @param[in,out] rv         the vector, at least M2 elements; the section is sorted on exit
 * @param[in]     m1         first element of the section, >= 1
 * @param[in]     m2         last element, >= M1
 * @param[in]     order      'A' ascending, 'D' descending (either case)
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     order_len  length of ORDER, >= 1 (only its first character is read)
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: M2 < 1, M1 < 1 or M1 > M2
 * - 2: ORDER is not A or D
 * @par Example
 * tests/sorting/sorting_test.cpp.
 */
KIV_API int KIV_CALL M01CAF(double* rv, int m1, int m2, const char* order, char* record,
                            int* ifail, int order_len, int record_len);

/**
 * @brief Host wrapper of M01DAF: stable ranks of RV(M1..M2): IRANK(i) is the position
 *        element i takes in sorted order.
 *
 * Every argument by address, followed by the lengths of the character arguments. The
 * wrapper poisons the outputs M01DAF writes, calls M01DAF and reports a disagreement
 * between the returned IFAIL and the message record.
 *
 * Exported as `_q87198@28`.
 *
 * @param[in]     rv        as RV of M01DAF
 * @param[in]     m1        as M1 of M01DAF, by address
 * @param[in]     m2        as M2 of M01DAF, by address
 * @param[in]     order     as ORDER of M01DAF
 * @param[out]    irank     as IRANK of M01DAF
 * @param[in,out] ifail     on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                          conventions of kiv2.h); on exit 0 or an error number listed
 *                          under IFAIL
 * @param[in]     order_len length of ORDER, >= 1 (only its first character is read)
 * @return the final IFAIL
 * @par IFAIL
 * - 1: M2 < 1, M1 < 1 or M1 > M2
 * - 2: ORDER is not A or D
 * @par Example
 * tests/sorting/sorting_test.cpp; the kivhost tour stop "Ranking, rearranging and
 * inverting".
 */
KIV_API int KIV_CALL M01DAF_HOST(const double* rv, const int* m1, const int* m2,  /* _q87198@28 */
                                 const char* order, int* irank, int* ifail, int order_len);

/**
 * @brief Stable ranks of RV(M1..M2): IRANK(i) is the position element i takes in sorted
 *        order.
 *
 * The routines work on the section M1..M2 of 1-based vectors (1 <= M1 <= M2); elements
 * outside it are not touched. Equal values keep their input order in both directions.
 *
 * @param[in]     rv         the vector, at least M2 elements
 * @param[in]     m1         first element of the section, >= 1
 * @param[in]     m2         last element, >= M1
 * @param[in]     order      'A' ascending, 'D' descending (either case)
 * @param[out]    irank      ranks IRANK(M1..M2), a permutation of M1..M2
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     order_len  length of ORDER, >= 1 (only its first character is read)
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: M2 < 1, M1 < 1 or M1 > M2
 * - 2: ORDER is not A or D
 * @par Example
 * tests/sorting/sorting_test.cpp; the kivhost tour stop "Ranking, rearranging and
 * inverting".
 */
KIV_API int KIV_CALL M01DAF(const double* rv, int m1, int m2, const char* order, int* irank,
                            char* record, int* ifail, int order_len, int record_len);

/**
 * @brief Host wrapper of M01EAF: rearranges RV(M1..M2) by ranks: element i moves to
 *        position IRANK(i).
 *
 * Every argument by address. The wrapper poisons the outputs M01EAF writes, calls M01EAF
 * and reports a disagreement between the returned IFAIL and the message record.
 *
 * Exported as `_q80753@20`.
 *
 * @param[in,out] rv    as RV of M01EAF
 * @param[in]     m1    as M1 of M01EAF, by address
 * @param[in]     m2    as M2 of M01EAF, by address
 * @param[in]     irank as IRANK of M01EAF
 * @param[in,out] ifail on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                      conventions of kiv2.h); on exit 0 or an error number listed under
 *                      IFAIL
 * @return the final IFAIL
 * @par IFAIL
 * - 1: M2 < 1, M1 < 1 or M1 > M2
 * - 2: a rank outside M1..M2
 * - 3: a repeated rank
 * @par Example
 * tests/sorting/sorting_test.cpp; the kivhost tour stop "Ranking, rearranging and
 * inverting".
 */
KIV_API int KIV_CALL M01EAF_HOST(double* rv, const int* m1, const int* m2,        /* _q80753@20 */
                                 int* irank, int* ifail);

/**
 * @brief Rearranges RV(M1..M2) by ranks: element i moves to position IRANK(i).
 *
 * The routines work on the section M1..M2 of 1-based vectors (1 <= M1 <= M2); elements
 * outside it are not touched. IRANK is given back as it came, also after a failure; after
 * error 2 the data are unchanged, after error 3 the section holds its elements in some
 * order.
 *
 * @param[in,out] rv         the real vector, at least M2 elements
 * @param[in]     m1         first element of the section, >= 1
 * @param[in]     m2         last element, >= M1
 * @param[in]     irank      the ranks IRANK(M1..M2), a permutation of M1..M2 (its sign bits
 *                           are borrowed during the call)
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: M2 < 1, M1 < 1 or M1 > M2
 * - 2: a rank outside M1..M2
 * - 3: a repeated rank
 * @par Example
 * tests/sorting/sorting_test.cpp; the kivhost tour stop "Ranking, rearranging and
 * inverting".
 */
KIV_API int KIV_CALL M01EAF(double* rv, int m1, int m2, int* irank, char* record, int* ifail,
                            int record_len);

/**
 * @brief Rearranges the integers IV(M1..M2) by ranks: element i moves to position IRANK(i).
 *
 * The routines work on the section M1..M2 of 1-based vectors (1 <= M1 <= M2); elements
 * outside it are not touched. IRANK is given back as it came, also after a failure; after
 * error 2 the data are unchanged, after error 3 the section holds its elements in some
 * order.
 *
 * @param[in,out] iv         the integer vector, at least M2 elements
 * @param[in]     m1         first element of the section, >= 1
 * @param[in]     m2         last element, >= M1
 * @param[in]     irank      the ranks IRANK(M1..M2), a permutation of M1..M2 (its sign bits
 *                           are borrowed during the call)
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: M2 < 1, M1 < 1 or M1 > M2
 * - 2: a rank outside M1..M2
 * - 3: a repeated rank
 * @par Example
 * tests/sorting/sorting_test.cpp; the kivhost tour stop "Ranking, rearranging and
 * inverting".
 */
KIV_API int KIV_CALL M01EBF(int* iv, int m1, int m2, int* irank, char* record, int* ifail,
                            int record_len);

/**
 * @brief Host wrapper of M01EDF: rearranges the complex CV(M1..M2) by ranks: element i
 *        moves to position IRANK(i).
 *
 * Every argument by address. The wrapper poisons the outputs M01EDF writes, calls M01EDF
 * and reports a disagreement between the returned IFAIL and the message record.
 *
 * Exported as `_q83773@20`.
 *
 * @param[in,out] cv    as CV of M01EDF
 * @param[in]     m1    as M1 of M01EDF, by address
 * @param[in]     m2    as M2 of M01EDF, by address
 * @param[in]     irank as IRANK of M01EDF
 * @param[in,out] ifail on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                      conventions of kiv2.h); on exit 0 or an error number listed under
 *                      IFAIL
 * @return the final IFAIL
 * @par IFAIL
 * - 1: M2 < 1, M1 < 1 or M1 > M2
 * - 2: a rank outside M1..M2
 * - 3: a repeated rank
 * @par Example
 * tests/sorting/sorting_test.cpp; the kivhost tour stop "Ranking, rearranging and
 * inverting".
 */
KIV_API int KIV_CALL M01EDF_HOST(kiv2_complex* cv, const int* m1, const int* m2,  /* _q83773@20 */
                                 int* irank, int* ifail);

/**
 * @brief Rearranges the complex CV(M1..M2) by ranks: element i moves to position IRANK(i).
 *
 * The routines work on the section M1..M2 of 1-based vectors (1 <= M1 <= M2); elements
 * outside it are not touched. IRANK is given back as it came, also after a failure; after
 * error 2 the data are unchanged, after error 3 the section holds its elements in some
 * order.
 *
 * @param[in,out] cv         the complex vector, at least M2 elements
 * @param[in]     m1         first element of the section, >= 1
 * @param[in]     m2         last element, >= M1
 * @param[in]     irank      the ranks IRANK(M1..M2), a permutation of M1..M2 (its sign bits
 *                           are borrowed during the call)
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: M2 < 1, M1 < 1 or M1 > M2
 * - 2: a rank outside M1..M2
 * - 3: a repeated rank
 * @par Example
 * tests/sorting/sorting_test.cpp; the kivhost tour stop "Ranking, rearranging and
 * inverting".
 */
KIV_API int KIV_CALL M01EDF(kiv2_complex* cv, int m1, int m2, int* irank, char* record,
                            int* ifail, int record_len);

/**
 * @brief Host wrapper of M01ZAF: inverts the permutation IPERM(M1..M2) in place.
 *
 * Every argument by address. The wrapper poisons the outputs M01ZAF writes, calls M01ZAF
 * and reports a disagreement between the returned IFAIL and the message record.
 *
 * Exported as `_q45975@16`.
 *
 * @param[in,out] iperm as IPERM of M01ZAF
 * @param[in]     m1    as M1 of M01ZAF, by address
 * @param[in]     m2    as M2 of M01ZAF, by address
 * @param[in,out] ifail on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                      conventions of kiv2.h); on exit 0 or an error number listed under
 *                      IFAIL
 * @return the final IFAIL
 * @par IFAIL
 * - 1: M2 < 1, M1 < 1 or M1 > M2
 * - 2: an entry outside M1..M2
 * - 3: a repeated entry
 * @par Example
 * tests/sorting/sorting_test.cpp.
 */
KIV_API int KIV_CALL M01ZAF_HOST(int* iperm, const int* m1, const int* m2,        /* _q45975@16 */
                                 int* ifail);

/**
 * @brief Inverts the permutation IPERM(M1..M2) in place.
 *
 * The routines work on the section M1..M2 of 1-based vectors (1 <= M1 <= M2); elements
 * outside it are not touched. After a failure IPERM is given back as it came.
 *
 * @param[in,out] iperm      a permutation of M1..M2 in IPERM(M1..M2); its inverse on exit
 * @param[in]     m1         first element of the section, >= 1
 * @param[in]     m2         last element, >= M1
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: M2 < 1, M1 < 1 or M1 > M2
 * - 2: an entry outside M1..M2
 * - 3: a repeated entry
 * @par Example
 * tests/sorting/sorting_test.cpp.
 */
KIV_API int KIV_CALL M01ZAF(int* iperm, int m1, int m2, char* record, int* ifail,
                            int record_len);

/**
 * @brief Checks that IPERM(M1..M2) is a permutation of M1..M2.
 *
 * The routines work on the section M1..M2 of 1-based vectors (1 <= M1 <= M2); elements
 * outside it are not touched. IPERM's sign bits are borrowed during the call and restored.
 *
 * @param[in]     iperm      the vector to check, at least M2 elements
 * @param[in]     m1         first element of the section, >= 1
 * @param[in]     m2         last element, >= M1
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     record_len length of RECORD: 200
 * @return the final IFAIL
 * @par IFAIL
 * - 1: M2 < 1, M1 < 1 or M1 > M2
 * - 2: an entry outside M1..M2
 * - 3: a repeated entry
 * @par Example
 * tests/sorting/sorting_test.cpp.
 */
KIV_API int KIV_CALL M01ZBF(int* iperm, int m1, int m2, char* record, int* ifail,
                            int record_len);


/* ===================================================================== */
/* Special functions                                                      */
/* ===================================================================== */
/**
 * @brief Host wrapper of S14AAF: the gamma function Gamma(x).
 *
 * Every argument by address. The wrapper poisons the outputs S14AAF writes, calls S14AAF
 * and reports a disagreement between the returned IFAIL and the message record.
 *
 * Exported as `_q26243@8`.
 *
 * @param[in]     x     as X of S14AAF, by address
 * @param[in,out] ifail on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                      conventions of kiv2.h); on exit 0 or an error number listed under
 *                      IFAIL
 * @return Gamma(x); after error 1 the largest value the routine can return, after 2 zero,
 *         after 3 1/x at the smallest safe |x| with the sign of x, after 4 the largest
 *         value
 * @par IFAIL
 * - 1: x too large: Gamma(x) would overflow
 * - 2: x too large and negative: Gamma(x) would underflow
 * - 3: x too close to zero: 1/x would overflow
 * - 4: x is a negative integer (a pole)
 * @par Example
 * tests/functions/gamma_arccos_test.cpp; the kivhost tour stop "Gamma function through its
 * host wrapper".
 */
KIV_API double KIV_CALL S14AAF_HOST(const double* x, int* ifail);                /* _q26243@8 */

/**
 * @brief The gamma function Gamma(x).
 *
 * A NaN argument is returned unchanged without an error.
 *
 * @param[in]     x          the argument; see IFAIL for the values that fail
 * @param[out]    record     the message record, at least 200 characters: "NONE" on success,
 *                           else the routine name, the error number, the message label and
 *                           its values
 * @param[in,out] ifail      on entry how an error is reported (0, -1, 1, 11 or -13: see the
 *                           conventions of kiv2.h); on exit 0 or an error number listed
 *                           under IFAIL
 * @param[in]     record_len length of RECORD: 200
 * @return Gamma(x); after error 1 the largest value the routine can return, after 2 zero,
 *         after 3 1/x at the smallest safe |x| with the sign of x, after 4 the largest
 *         value
 * @par IFAIL
 * - 1: x too large: Gamma(x) would overflow
 * - 2: x too large and negative: Gamma(x) would underflow
 * - 3: x too close to zero: 1/x would overflow
 * - 4: x is a negative integer (a pole)
 * @par Example
 * tests/functions/gamma_arccos_test.cpp; the kivhost tour stop "Gamma function through its
 * host wrapper".
 */
KIV_API double KIV_CALL S14AAF(double x, char* record, int* ifail, int record_len);

#endif /* KIV2_H */
