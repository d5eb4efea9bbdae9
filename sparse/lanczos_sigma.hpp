// The estimate of sigma_1, the largest singular value of the preconditioned
// matrix, from the Lanczos tridiagonal matrix T that CG and SYMMLQ build.
// T is symmetric, so sigma_1(T) is its eigenvalue of largest magnitude, and
// as T grows its extreme eigenvalues approach those of the operator from
// inside.
#pragma once

namespace kiv::krylov {

struct SigmaEstimate {
  double sigma = 0.0;  // the eigenvalue of T of largest magnitude, as |lambda|
  double error = 0.0;  // relative error estimate (below)
};

// T of order M >= 1: D(0..M-1) its diagonal, E2(0..M-2) the squares of its
// off-diagonal, E2(M-1) the square of the coupling beta_{M+1} to the next
// Lanczos vector (0 when not known).
//
// Gershgorin's discs bracket the spectrum; the extreme eigenvalue(s) that can
// hold the largest magnitude are located by bisection on Sturm counts until
// the bracket is narrower than max(SIGTOL/16, eps) times the Gershgorin
// bound max|lambda| <= g.
//
// The error is (h + beta_{M+1} |s_M|) / sigma: h the half-width of the final
// bracket, and beta_{M+1} |s_M| (s the unit eigenvector of T for the
// eigenvalue found, s_M its last component) the Lanczos residual bound for
// the distance from that Ritz value to an eigenvalue of the operator.
// When a D or E2 is not finite, sigma and the error are infinite; when T is
// zero, both are 0.
SigmaEstimate lanczos_sigma(int m, const double* d, const double* e2, double sigtol);

// The number of eigenvalues of T (order M, as above) below LAMBDA: the count
// of negative pivots of T - lambda I, a zero pivot replaced by eps.
int sturm_count(int m, const double* d, const double* e2, double lambda);

}  // namespace kiv::krylov
