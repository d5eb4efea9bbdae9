// Tour stops of the roots subsystem: a zero of a function kivhost supplies,
// and the zeros of quartics with their error estimates.
#include <cmath>

#include "tour.hpp"

namespace {

// kivhost's own function, reached through the library's callback: the
// first user word points at its parameter, the second at a call counter.
double KIV_CALL kepler(const double* e_anomaly, void* eccentricity, void* calls) {
  ++*static_cast<int*>(calls);
  // Kepler's equation E - e sin E = M with mean anomaly M = 1.
  return *e_anomaly - *static_cast<const double*>(eccentricity) * std::sin(*e_anomaly) - 1.0;
}

double KIV_CALL no_zero(const double* x, void*, void* calls) {
  ++*static_cast<int*>(calls);
  return *x * *x + 1.0;
}

void zero_by_callback() {
  using C05agf = int(KIV_CALL*)(double*, const double*, const double*, const double*, kiv2_fun1,
                                double*, double*, void*, void*, int*);
  auto c05agf = kivhost::resolve<C05agf>("_q27089@40");
  for (double e : {0.1, 0.5, 0.9}) {
    double x = 1.0, h = 0.1, eps = 1e-12, eta = 0.0, a = 0, b = 0;
    int calls = 0, ifail = 1;
    c05agf(&x, &h, &eps, &eta, kepler, &a, &b, &e, &calls, &ifail);
    std::printf("e = %.1f: E = %.15f  in [%.6f, %.6f]  %2d calls  IFAIL = %d\n", e, x, a, b, calls,
                ifail);
  }
  // A function without a zero: the search gives up, and says so.
  double x = 0.5, h = 0.1, eps = 1e-12, eta = 0.0, a = 0, b = 0;
  int calls = 0, ifail = -1;
  c05agf(&x, &h, &eps, &eta, no_zero, &a, &b, nullptr, &calls, &ifail);
  std::printf("x^2 + 1: IFAIL = %d after %d calls, searched [%g, %g]\n", ifail, calls, a, b);
}

void quartics() {
  using C02alf = int(KIV_CALL*)(const double*, const double*, const double*, const double*,
                                const double*, double*, double*, double*, int*);
  using C02anf = int(KIV_CALL*)(const kiv2_complex*, const kiv2_complex*, const kiv2_complex*,
                                const kiv2_complex*, const kiv2_complex*, double*, double*,
                                double*, int*);
  auto show = [](const char* what, const double* zr, const double* zi, const double* zerr,
                 int ifail) {
    std::printf("%s (IFAIL = %d)\n", what, ifail);
    for (int i = 0; i < 4; ++i)
      std::printf("  %22.15e %+22.15e i   error estimate %.2e\n", zr[i], zi[i], zerr[i]);
  };
  double zr[4], zi[4], zerr[4];
  int ifail = 1;
  {
    const double e = 1, a = 0, b = 0, c = 0, d = -1;
    kivhost::resolve<C02alf>("_q37432@36")(&e, &a, &b, &c, &d, zr, zi, zerr, &ifail);
    show("z^4 - 1", zr, zi, zerr, ifail);
  }
  {
    // (z - 1)^2 (z - 1.001)(z - 2): the close pair pays in accuracy.
    const double e = 1, a = -5.001, b = 9.004, c = -7.005, d = 2.002;
    ifail = 1;
    kivhost::resolve<C02alf>("_q37432@36")(&e, &a, &b, &c, &d, zr, zi, zerr, &ifail);
    show("(z - 1)^2 (z - 1.001)(z - 2)", zr, zi, zerr, ifail);
  }
  {
    // (z - i)(z + i)(z - 2 - i)(z + 1): coefficients of a complex quartic.
    const kiv2_complex e{1, 0}, a{-1, -1}, b{-1, -1}, c{-1, -1}, d{-2, -1};
    ifail = 1;
    kivhost::resolve<C02anf>("_q86094@36")(&e, &a, &b, &c, &d, zr, zi, zerr, &ifail);
    show("(z^2 + 1)(z - 2 - i)(z + 1)", zr, zi, zerr, ifail);
  }
}

}  // namespace

KIVHOST_STOP(30, "A zero of kivhost's own function by callback (_q27089@40)", zero_by_callback);
KIVHOST_STOP(31, "Zeros of quartics with error estimates (_q37432@36, _q86094@36)", quartics);
