// Gamma function: argument reduction to [0, 1) and a fixed Chebyshev-type
// polynomial for gamma(1 + T), with the thresholds of a double.
#include <cmath>

#include "frame/errors.hpp"
#include "frame/wrappers.hpp"
#include "kiv2.h"

namespace {

constexpr double kXbig = 170.0;      // gamma(170) is near the overflow limit
constexpr double kXsmall = 1.0e-17;  // below it, gamma(x) = 1/x to the last bit
constexpr double kXminv = 2.23e-308;
constexpr double kGbig = 4.3e+304;

// Q(2T - 1) approximates gamma(1 + T) on [0, 1]; c0 = gamma(3/2).
constexpr double kQ[24] = {
    0.886226925452758,      0.01616919872444251,   0.10370336342207545,
    -0.013411850570596776,  0.00904033494028102,   -0.002422595384362682,
    0.0009157859972889331,  -0.0002968901216332,   0.00010092814882336512,
    -3.363758332402688e-5,  1.125246429755904e-5,  -3.75499034136576e-6,
    1.25281466396672e-6,    -4.1780877635584e-7,   1.3938352259072e-7,
    -4.647749271552e-8,     1.538352152576e-8,     -5.1196133376e-9,
    1.8224316416e-9,        -6.1351395328e-10,     1.2767985664e-10,
    -4.014997504e-11,       4.265607168e-11,       -1.463812096e-11};

constexpr kiv::Messages kMessages{
    " ** On entry, X is too large and negative: X =%12.4e.",
    " ** On entry, X is too large: X =%12.4e.",
    " ** On entry, X is too close to zero: X =%12.4e.",
    " ** On entry, X is a negative integer: X =%12.4e.",
};

double gamma(double x, kiv::Reporter& rep) {
  if (std::isnan(x)) return x;  // no threshold applies; NaN in, NaN out
  if (std::fabs(x) > kXbig) {
    if (x < 0.0) {
      rep.fail(2, kMessages[0], x);
      return 0.0;
    }
    rep.fail(1, kMessages[1], x);
    return kGbig;
  }
  if (std::fabs(x) <= kXsmall) {
    if (std::fabs(x) < kXminv) {
      rep.fail(3, kMessages[2], x);
      // Both zeros give the positive value: -0.0 is not below zero.
      return x == 0.0 ? 1.0 / kXminv : std::copysign(1.0 / kXminv, x);
    }
    return 1.0 / x;
  }
  if (x < 0.0 && x - (std::trunc(x) - 1.0) == 1.0) {
    rep.fail(4, kMessages[3], x);
    return kGbig;
  }

  const double i = std::trunc(x);
  double t, g;
  if (x < 0.0) {
    t = x - i + 1.0;
    g = x;
    for (int k = 1; k <= static_cast<int>(1.0 - i); ++k) g *= x + k;
    g = 1.0 / g;
  } else {
    t = x - i;
    const int m = static_cast<int>(i) - 1;
    g = m < 0 ? 1.0 / x : 1.0;
    for (int k = 1; k <= m; ++k) g *= x - k;
  }
  const double u = 2.0 * t - 1.0;
  double q = kQ[23];
  for (int k = 22; k >= 0; --k) q = q * u + kQ[k];
  return g * q;
}

}  // namespace

extern "C" {

double KIV_CALL S14AAF(double x, char* record, int* ifail, int record_len) {
  kiv::Reporter rep("S14AAF", record, record_len);
  const double value = gamma(x, rep);
  rep.finish(ifail);
  return value;
}

double KIV_CALL S14AAF_HOST(const double* x, int* ifail) {
  return kiv::host_call("S14AAF", ifail, kiv::no_poison,
                        [&](char* rec) { return S14AAF(*x, rec, ifail, KIV2_RECORD_LEN); });
}

}  // extern "C"
