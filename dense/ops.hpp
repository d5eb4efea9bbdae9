// The kernels that the blocked factorisations use, overloaded on the scalar
// type so that one template serves real and complex data.  Options are
// passed as words; the kernels read their first letters.
#pragma once

#include <complex>

#include "dense/blas.hpp"
#include "dense/fortran.hpp"
#include "dense/lapack.hpp"

namespace kiv::dense {

using z = std::complex<double>;

inline void trsm(const char* side, const char* uplo, const char* trans, const char* diag, int m,
                 int n, double alpha, const double* a, int lda, double* b, int ldb) {
  DTRSM(side, uplo, trans, diag, m, n, alpha, a, lda, b, ldb, 1, 1, 1, 1);
}
inline void trsm(const char* side, const char* uplo, const char* trans, const char* diag, int m,
                 int n, z alpha, const z* a, int lda, z* b, int ldb) {
  ZTRSM(side, uplo, trans, diag, m, n, alpha.real(), alpha.imag(), a, lda, b, ldb, 1, 1, 1, 1);
}

inline void gemm(const char* transa, const char* transb, int m, int n, int k, double alpha,
                 const double* a, int lda, const double* b, int ldb, double beta, double* c,
                 int ldc) {
  DGEMM(transa, transb, m, n, k, alpha, a, lda, b, ldb, beta, c, ldc, 1, 1);
}
inline void gemm(const char* transa, const char* transb, int m, int n, int k, z alpha,
                 const z* a, int lda, const z* b, int ldb, z beta, z* c, int ldc) {
  ZGEMM(transa, transb, m, n, k, alpha.real(), alpha.imag(), a, lda, b, ldb, beta.real(),
        beta.imag(), c, ldc, 1, 1);
}

inline void getf2(int m, int n, double* a, int lda, int* ipiv, int* info) {
  DGETF2(m, n, a, lda, ipiv, info);
}
inline void getf2(int m, int n, z* a, int lda, int* ipiv, int* info) {
  ZGETF2(m, n, a, lda, ipiv, info);
}

// Row interchanges K1..K2 of IPIV applied to the N columns of A.
inline void laswp(int n, double* a, int lda, int k1, int k2, const int* ipiv) {
  const int one = 1;
  fortran::dlaswp_(&n, a, &lda, &k1, &k2, ipiv, &one);
}
inline void laswp(int n, z* a, int lda, int k1, int k2, const int* ipiv) {
  const int one = 1;
  fortran::zlaswp_(&n, a, &lda, &k1, &k2, ipiv, &one);
}

}  // namespace kiv::dense
