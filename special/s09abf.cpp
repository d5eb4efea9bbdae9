// Inverse cosine: arcsin(x)/x as a polynomial in 4x^2 - 1 on x^2 <= 1/2,
// the complementary angle beyond.
#include <cmath>

#include "frame/errors.hpp"
#include "special/special.hpp"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = 1.570796326794897;

// P(4x^2 - 1) approximates arcsin(x)/x for x^2 <= 1/2; a0 = pi/3.
constexpr double kP[18] = {
    1.047197551196598,     0.05375149359132719,   0.007798902238957732,
    0.00151966853958242,   0.00034086372384306,   8.302317819598986e-5,
    2.134554822576075e-5,  5.701781046148566e-6,  1.566985123962741e-6,
    4.402076871418002e-7,  1.25781116259411e-7,   3.646577948300129e-8,
    1.081021746966715e-8,  3.212744286269388e-9,  8.515014302985799e-10,
    2.513296398553196e-10, 1.342121568282535e-10, 4.210346761190271e-11};

constexpr kiv::Messages kMessages{" ** On entry, ABS(X) .gt. 1.0: X =%12.4e."};

double arccos(double x, kiv::Reporter& rep) {
  if (std::fabs(x) > 1.0) {
    rep.fail(1, kMessages[0], x);
    return 0.0;
  }
  const double s = x * x;
  const bool small = s <= 0.5;
  const double t = 4.0 * (small ? s : 1.0 - s) - 1.0;
  double p = kP[17];
  for (int k = 16; k >= 0; --k) p = p * t + kP[k];
  if (small) return kHalfPi - x * p;
  const double r = std::sqrt(1.0 - s) * p;
  return x >= 0.0 ? r : kPi - r;
}

}  // namespace

double KIV_CALL S09ABF(double x, char* record, int* ifail, int record_len) {
  kiv::Reporter rep("S09ABF", record, record_len);
  const double value = arccos(x, rep);
  rep.finish(ifail);
  return value;
}
