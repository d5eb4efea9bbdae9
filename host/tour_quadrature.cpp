// Tour stops of the quadrature subsystem: an integral over a ball and one
// over a simplex, with their error estimates and function counts.
#include <cmath>

#include "tour.hpp"

namespace {

// kivhost's integrand: exp(-a |x|^2), a through the first user word, the
// calls counted through the second.
double KIV_CALL gaussian(const int* ndim, const double* x, void* a, void* calls) {
  ++*static_cast<long*>(calls);
  double q = 0;
  for (int i = 0; i < *ndim; ++i) q += x[i] * x[i];
  return std::exp(-*static_cast<const double*>(a) * q);
}

void ball() {
  using D01jaf = int(KIV_CALL*)(kiv2_funn, const int*, const double*, const double*,
                                const double*, const int*, const int*, double*, double*, int*,
                                void*, void*, int*);
  auto d01jaf = kivhost::resolve<D01jaf>("_q22201@52");
  const double pi = 3.141592653589793;
  for (int n : {2, 3, 4}) {
    double a = 1.0, radius = 1.0, absacc = 0.0, relacc = n == 4 ? 1e-5 : 1e-8;
    int method = 0, icoord = 0, nfun = 0, ifail = 1;
    long calls = 0;
    double result = 0, errest = 0;
    d01jaf(gaussian, &n, &radius, &absacc, &relacc, &method, &icoord, &result, &errest, &nfun, &a,
           &calls, &ifail);
    // The closed forms over the unit ball.
    const double e = std::exp(-1.0);
    const double exact = n == 2 ? pi * (1 - e)
                         : n == 3 ? 4 * pi * (std::sqrt(pi) / 4 * std::erf(1.0) - e / 2)
                                  : pi * pi * (1 - 2 * e);
    std::printf("exp(-|x|^2) over the unit ball, NDIM = %d: %.15f  error estimate %.1e  "
                "true error %.1e  NFUN = %d (%ld calls)  IFAIL = %d\n",
                n, result, errest, std::fabs(result - exact), nfun, calls, ifail);
  }
}

void simplex() {
  using D01paf = int(KIV_CALL*)(const int*, double*, const int*, const int*, kiv2_funn, int*,
                                const int*, double*, double*, void*, void*, int*);
  auto d01paf = kivhost::resolve<D01paf>("_q14537@48");
  // The unit tetrahedron, in a 4 x 8 vertex array (vertices in columns 1-4).
  const int ndim = 3, iv1 = 4, iv2 = 8;
  double vertex[iv1 * iv2] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0};
  double values[6], errest = 0, a = 1.0;
  long calls = 0;
  int minord = 0, ifail = 1;
  for (int maxord : {3, 6}) {  // the second call continues the first
    d01paf(&ndim, vertex, &iv1, &iv2, gaussian, &minord, &maxord, values, &errest, &a, &calls,
           &ifail);
    std::printf("exp(-|x|^2) over the unit tetrahedron, orders up to %d (IFAIL = %d, %ld calls "
                "so far):\n",
                maxord - 1, ifail, calls);
    for (int k = 0; k < maxord; ++k) std::printf("  VALUES(%d) = %.15f\n", k + 1, values[k]);
    std::printf("  error estimate %.1e\n", errest);
  }
}

}  // namespace

KIVHOST_STOP(50, "An integral over a ball by callback (_q22201@52)", ball);
KIVHOST_STOP(51, "An integral over a simplex, continued (_q14537@48)", simplex);
