// The estimate of sigma_1, the largest singular value of the preconditioned
// matrix, from the Lanczos tridiagonal matrix T that CG and SYMMLQ build.
// T is symmetric, so sigma_1(T) is its eigenvalue of largest magnitude, and
// as T grows its extreme eigenvalues approach those of the operator from
// inside.
#pragma once

namespace kiv::krylov {

struct SigmaEstimate {
  double sigma = 0.0;  // |lambda| for the eigenvalue of T of largest magnitude
  double error = 0.0;  // relative error estimate (below)
};

// T of order M >= 1: D(0), D(S), ..., D((M-1)S) its diagonal (S the
// stride), E2(0), ..., E2((M-2)S) the squares of its off-diagonal,
// E2((M-1)S) the square of the coupling beta_{M+1} to the next Lanczos
// vector (0 when not known).
//
// Gershgorin's discs bracket the spectrum; the extreme eigenvalue(s) that can
// hold the largest magnitude are located by bisection on Sturm counts until
// the bracket is narrower than max(SIGTOL/16, eps) times the Gershgorin
// bound max|lambda| <= g.  Sigma is the end of the final bracket nearer to
// zero, so that it does not exceed |lambda| (and a Ritz value does not
// exceed sigma_1 of the operator).
//
// The error is (h + beta_{M+1} |s_M|) / sigma: h the width of the final
// bracket, and beta_{M+1} |s_M| (s the unit eigenvector of T for the
// eigenvalue found, s_M its last component) the Lanczos residual bound for
// the distance from that Ritz value to an eigenvalue of the operator.
// When a D or E2 is not finite, sigma and the error are infinite; when T is
// zero, both are 0.
SigmaEstimate lanczos_sigma(int m, const double* d, const double* e2, double sigtol,
                            int stride = 1);

// The estimate from the first K rows of the Lanczos matrix as the symmetric
// methods record them: element 2(j-1) of ROWS the diagonal T(j,j), element
// 2(j-1)+1 the square T(j-1,j)^2 (elements of T, a complex WORK keeping
// them in the real parts).  The last row recorded gives the coupling of
// those before it to the next Lanczos vector, so from K >= 2 rows the
// estimate is that of T_{K-1} with its residual bound, and *ITS = K - 1;
// from one row it is |T(1,1)|, and with no coupling known the error is
// reported as 1.
template <class T>
void sigma_from_rows(const T* rows, int k, double sigtol, double* sigmax, double* sigerr,
                     int* its) {
  constexpr int w = sizeof(T) / sizeof(double);
  const double* t = reinterpret_cast<const double*>(rows);
  if (k <= 1) {
    const double d = t[0], e2 = 0.0;
    const SigmaEstimate est = lanczos_sigma(1, &d, &e2, sigtol);
    *sigmax = est.sigma;
    *sigerr = est.sigma == 0.0 ? 0.0 : 1.0;
    *its = 1;
    return;
  }
  const SigmaEstimate est = lanczos_sigma(k - 1, t, t + 3 * w, sigtol, 2 * w);
  *sigmax = est.sigma;
  *sigerr = est.error;
  *its = k - 1;
}

// The number of eigenvalues of T (order M, as above) below LAMBDA: the count
// of negative pivots of T - lambda I, a zero pivot replaced by eps.
int sturm_count(int m, const double* d, const double* e2, double lambda, int stride = 1);

}  // namespace kiv::krylov
