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

}  // namespace

KIVHOST_STOP(40, "Complex FFT and its inverse (_q44888@24)", complex_round_trip);
KIVHOST_STOP(41, "Real FFT, conjugate, Hermitian synthesis (_q49041@16, _q48547@12, _q94063@16)",
             real_round_trip);
KIVHOST_STOP(42, "An invalid DIRECT reported with IFAIL = -1", invalid_direct);
