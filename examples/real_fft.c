/* A real sequence through the FFT and back: the forward transform of
 * x_j = exp(-j/4) cos(j), j = 0..N-1, compared with a direct sum, then the
 * backward transform of the result, which gives x again.
 *
 * Both directions scale by 1/sqrt(N): z_k = sum_j x_j exp(-2 pi i jk/N) /
 * sqrt(N).  The transform of a real sequence is conjugate-even, so only
 * z_0..z_{N/2} are stored: real part of z_k in X(2k+1), imaginary part in
 * X(2k+2) (1-based), N+2 elements in all. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "kiv2.h"

#define N 12

int main(void) {
  const double pi = 3.14159265358979323846;
  const int m = 1, n = N;
  double x[N + 2], x0[N], work[3 * N], worst_z = 0.0, worst_x = 0.0;
  int j, k, ifail;

  for (j = 0; j < n; ++j) x0[j] = x[j] = exp(-j / 4.0) * cos((double)j);

  ifail = 0;
  C06PPF_HOST("F", &m, &n, x, work, &ifail, 1);
  printf("forward transform, IFAIL = %d\n", ifail);
  for (k = 0; k <= n / 2; ++k) {
    double re = 0.0, im = 0.0;
    for (j = 0; j < n; ++j) {
      re += x0[j] * cos(2.0 * pi * j * k / n);
      im -= x0[j] * sin(2.0 * pi * j * k / n);
    }
    re /= sqrt((double)n), im /= sqrt((double)n);
    worst_z = fmax(worst_z, hypot(x[2 * k] - re, x[2 * k + 1] - im));
    printf("  z(%2d) = %10.6f %+10.6f i\n", k, x[2 * k], x[2 * k + 1]);
  }
  printf("largest difference from the direct sum: %.2e\n", worst_z);

  ifail = 0;
  C06PPF_HOST("B", &m, &n, x, work, &ifail, 1);
  printf("backward transform, IFAIL = %d\n", ifail);
  for (j = 0; j < n; ++j) worst_x = fmax(worst_x, fabs(x[j] - x0[j]));
  printf("largest difference from the sequence: %.2e\n", worst_x);
  return worst_z < 1e-13 && worst_x < 1e-13 ? EXIT_SUCCESS : EXIT_FAILURE;
}
