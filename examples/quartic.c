/* The zeros of a real quartic with their error estimates.
 *
 * p(z) = (z - 1)(z + 2)(z^2 - 2z + 5) = z^4 - z^3 + z^2 + 9z - 10 has the
 * zeros 1, -2 and 1 +- 2i.  C02ALF returns them with an estimate of each
 * one's error; the program checks every zero against the nearest exact one
 * and against its estimate (with a margin: the estimate is first order). */
#include <math.h>
#include <stdio.h>

#include "kiv2.h"

int main(void) {
  const double e = 1.0, a = -1.0, b = 1.0, c = 9.0, d = -10.0;
  const double exact_re[4] = {1.0, -2.0, 1.0, 1.0}, exact_im[4] = {0.0, 0.0, 2.0, -2.0};
  double zr[4], zi[4], zerr[4];
  int i, k, ifail = 0, within = 1;

  C02ALF_HOST(&e, &a, &b, &c, &d, zr, zi, zerr, &ifail);
  printf("C02ALF: IFAIL = %d\n", ifail);
  for (i = 0; i < 4; ++i) {
    double err = INFINITY;
    for (k = 0; k < 4; ++k) err = fmin(err, hypot(zr[i] - exact_re[k], zi[i] - exact_im[k]));
    printf("  z = %10.6f %+10.6f i   estimate %.1e   error %.1e\n", zr[i], zi[i], zerr[i], err);
    if (!(err <= 16.0 * zerr[i] + 1e-15)) within = 0;
  }
  printf("every error within its estimate: %s\n", within ? "yes" : "no");
  return ifail == 0 && within ? 0 : 1;
}
