// Tour stops of the fast Fourier transforms.
#include <cmath>
#include <complex>

#include "tour.hpp"

namespace {

using Pcf = int(KIV_CALL*)(const char*, kiv2_complex*, const int*, kiv2_complex*, int*, int);

// A complex sequence through C06PCF's wrapper, forward and back.
void complex_round_trip() {
  const auto pcf = kivhost::resolve<Pcf>("_q44888@24");
  constexpr int n = 8;
  kiv2_complex x[n], work[2 * n];
  for (int j = 0; j < n; ++j) x[j] = {std::cos(0.7 * j), 0.25 * j};
  const kiv2_complex x0[n] = {x[0], x[1], x[2], x[3], x[4], x[5], x[6], x[7]};
  int ifail = 0;
  const int len = n;
  pcf("F", x, &len, work, &ifail, 1);
  std::printf("forward, IFAIL = %d, WORK(1) = %g\n", ifail, work[0].real());
  for (int k = 0; k < n; ++k)
    std::printf("  z(%d) = %10.6f %+10.6f i\n", k, x[k].real(), x[k].imag());
  pcf("B", x, &len, work, &ifail, 1);
  double worst = 0.0;
  for (int j = 0; j < n; ++j) worst = std::fmax(worst, std::abs(x[j] - x0[j]));
  std::printf("backward, IFAIL = %d: largest difference from the data %.2e\n", ifail, worst);
}

// A real sequence through C06FAF's wrapper, then C06GBF and C06FBF back.
void real_round_trip() {
  using Faf = int(KIV_CALL*)(double*, const int*, double*, int*);
  using Gbf = int(KIV_CALL*)(double*, const int*, int*);
  const auto faf = kivhost::resolve<Faf>("_q49041@16");
  const auto gbf = kivhost::resolve<Gbf>("_q48547@12");
  const auto fbf = kivhost::resolve<Faf>("_q94063@16");
  constexpr int n = 6;
  double x[n] = {1.0, 2.0, 0.5, -1.0, 3.0, 0.25}, work[n];
  int ifail = 0;
  const int len = n;
  faf(x, &len, work, &ifail);
  std::printf("Hermitian packed transform:");
  for (double v : x) std::printf(" %.6f", v);
  gbf(x, &len, &ifail);
  fbf(x, &len, work, &ifail);
  std::printf("\nback again:");
  for (double v : x) std::printf(" %.6f", v);
  std::printf("\n");
}

void invalid_direct() {
  kiv2_complex x[4], work[8];
  int ifail = -1;
  const int n = 4;
  kivhost::resolve<Pcf>("_q44888@24")("Z", x, &n, work, &ifail, 1);
  std::printf("returned with IFAIL = %d\n", ifail);
}

// A 3-D complex array through C06PJF's wrapper: the transform of a plane
// wave is one spike, at the wave's frequency, of height sqrt(N).
void three_dimensional() {
  using Pjf = int(KIV_CALL*)(const char*, const int*, const int*, const int*, kiv2_complex*,
                             kiv2_complex*, const int*, int*, int);
  const auto pjf = kivhost::resolve<Pjf>("_q59607@36");
  const int nd[3] = {8, 6, 5}, ndim = 3, n = 8 * 6 * 5, lwork = n + 3 * (8 + 5);
  const int k1 = 3, k2 = 1, k3 = 4;  // the wave's frequency
  kiv2_complex x[n], work[lwork];
  const double pi = 3.141592653589793;
  for (int a = 0; a < 8; ++a)
    for (int b = 0; b < 6; ++b)
      for (int c = 0; c < 5; ++c)
        x[a + 8 * (b + 6 * c)] = std::polar(1.0, 2 * pi * (k1 * a / 8.0 + k2 * b / 6.0 + k3 * c / 5.0));
  int ifail = 0;
  pjf("F", &ndim, nd, &n, x, work, &lwork, &ifail, 1);
  int at = 0;
  double rest = 0.0;
  for (int k = 1; k < n; ++k)
    if (std::abs(x[k]) > std::abs(x[at])) at = k;
  for (int k = 0; k < n; ++k)
    if (k != at) rest = std::fmax(rest, std::abs(x[k]));
  std::printf("8 x 6 x 5 plane wave at frequency (%d, %d, %d), IFAIL = %d, WORK(1) = %g\n", k1, k2,
              k3, ifail, work[0].real());
  std::printf("  spike at (%d, %d, %d): %.12f (sqrt(240) = %.12f); largest other value %.1e\n",
              at % 8, at / 8 % 6, at / 48, std::abs(x[at]), std::sqrt(240.0), rest);
}

// A cosine transform through C06RBF's wrapper: a single cosine mode
// cos(pi 3 j/N) comes out as one coefficient; applied twice the transform
// gives the data back.
void cosine_transform() {
  using Rbf = int(KIV_CALL*)(const int*, const int*, double*, double*, int*);
  const auto rbf = kivhost::resolve<Rbf>("_q26629@20");
  const int m = 1, n = 8;
  double x[n + 3], work[3 * n];
  for (int j = 0; j <= n; ++j) x[j] = std::cos(3.141592653589793 * 3 * j / n);
  int ifail = 0;
  rbf(&m, &n, x, work, &ifail);
  std::printf("cos(3 pi j/8), j = 0 .. 8, IFAIL = %d; coefficients (sqrt(N/2) = 2 at k = 3):\n ",
              ifail);
  for (int k = 0; k <= n; ++k) std::printf(" %.3f", std::fabs(x[k]) < 5e-16 ? 0.0 : x[k]);
  rbf(&m, &n, x, work, &ifail);
  double worst = 0.0;
  for (int j = 0; j <= n; ++j)
    worst = std::fmax(worst, std::fabs(x[j] - std::cos(3.141592653589793 * 3 * j / n)));
  std::printf("\napplied again: largest difference from the data %.2e\n", worst);
}

}  // namespace

KIVHOST_STOP(40, "Complex FFT and its inverse (_q44888@24)", complex_round_trip);
KIVHOST_STOP(41, "Real FFT, conjugate, Hermitian synthesis (_q49041@16, _q48547@12, _q94063@16)",
             real_round_trip);
KIVHOST_STOP(42, "An invalid DIRECT reported with IFAIL = -1", invalid_direct);
KIVHOST_STOP(43, "A 3-D transform of a plane wave (_q59607@36)", three_dimensional);
KIVHOST_STOP(44, "A discrete cosine transform, its own inverse (_q26629@20)", cosine_transform);
