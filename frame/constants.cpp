#include "frame/constants.hpp"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

#include "frame/errors.hpp"

namespace kiv {
namespace {

// Just below 2^1022: the substitute quotient of a failed safe division.
constexpr double kFlmax = std::bit_cast<double>(std::uint64_t{0x7FCFFFFFFFFFFFECu});
constexpr double kHalfFlmax = std::bit_cast<double>(std::uint64_t{0x7FBFFFFFFFFFFFECu});
// Just above the smallest normalised number.
constexpr double kTiny = std::bit_cast<double>(std::uint64_t{0x0010000000000026u});
constexpr double kSqrtHalf = std::bit_cast<double>(std::uint64_t{0x3FE6A09E667F3BCDu});

// FLMAX with the sign of x*y, whatever the product would round to.
double signed_flmax(double x, double y) {
  return std::signbit(x) != std::signbit(y) ? -kFlmax : kFlmax;
}

}  // namespace

int LARGEST_INTEGER(const void*, const void*) { return INT_MAX; }

double MULTIPLY_SIGN(const double* a, const double* b) { return *b >= 0.0 ? *a : -*a; }

void UPPERCASE_NAME(const char* text, char* out, int* count, int out_len, int maxlen) {
  *count = 0;
  const std::size_t n = std::strlen(text);
  const std::size_t first = std::string_view(text, n).find_first_not_of(' ');
  if (first == std::string_view::npos) return;
  const std::size_t last = std::string_view(text, n).find_last_not_of(' ');
  const std::size_t len = last + 1 - first;
  // The room in OUT bounds the copy too, so a short buffer is never overrun.
  if (len > static_cast<std::size_t>(std::max(maxlen, 0)) ||
      (out_len > 0 && len > static_cast<std::size_t>(out_len)))
    return;
  for (std::size_t i = 0; i < len; ++i) {
    const char c = text[first + i];
    out[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
  }
  *count = static_cast<int>(len);
}

int SAME_LETTER(const char* a, const char* b, int, int) {
  const int d = static_cast<unsigned char>(*a) - static_cast<unsigned char>(*b);
  return d == 0 || d == 32 || d == -32;
}

double SAFE_DIV(double a, double b, int* fail) {
  *fail = 0;
  if (a == 0.0) {
    if (b == 0.0) *fail = 1;
    return 0.0;
  }
  if (b == 0.0) {
    *fail = 1;
    return std::copysign(kFlmax, a);
  }
  if (std::fabs(b) >= 1.0) return std::fabs(a) < std::fabs(b) * kTiny ? 0.0 : a / b;
  if (std::fabs(a) >= std::fabs(b) * kFlmax) {
    *fail = 1;
    return signed_flmax(a, b);
  }
  return a / b;
}

std::complex<double>* COMPLEX_SAFE_DIV(std::complex<double>* result, std::complex<double> a,
                                       std::complex<double> b, int* fail) {
  *fail = 0;
  if (a == 0.0) {
    *fail = b == 0.0;
    *result = 0.0;
    return result;
  }
  double ar = a.real(), ai = a.imag(), br = b.real(), bi = b.imag();
  if (std::max({std::fabs(ar), std::fabs(ai), std::fabs(br), std::fabs(bi)}) >= kHalfFlmax) {
    ar *= 0.5, ai *= 0.5, br *= 0.5, bi *= 0.5;
  }
  if (br == 0.0 && bi == 0.0) {
    *fail = 1;
    *result = {std::copysign(kFlmax, ar), std::copysign(kFlmax, ai)};
    return result;
  }
  double den, nr, ni;
  if (std::fabs(bi) <= std::fabs(br)) {
    const double r = bi / br;
    den = br + r * bi;
    nr = ar + r * ai;
    ni = ai - r * ar;
  } else {
    const double r = br / bi;
    den = r * br + bi;
    nr = r * ar + ai;
    ni = r * ai - ar;
  }
  const double limit = std::fabs(den) * kFlmax;
  if (std::fabs(den) >= 1.0 || (std::fabs(nr) < limit && std::fabs(ni) < limit)) {
    *result = {nr / den, ni / den};
  } else {
    *fail = 1;
    *result = {signed_flmax(nr, den), signed_flmax(ni, den)};
  }
  return result;
}

}  // namespace kiv

extern "C" {

double KIV_CALL CONST_PI() { return kiv::kPi; }
double KIV_CALL MACHINE_PRECISION() { return kiv::kEps; }
double KIV_CALL SAFE_MINIMUM() { return kiv::kSafeMin; }
double KIV_CALL LARGEST_REAL() { return kiv::kLargest; }
int KIV_CALL MODEL_BASE() { return 2; }

double KIV_CALL COMPLEX_ABS(double a, double b) {
  double p = std::fabs(a), q = std::fabs(b);
  if (q > p) std::swap(p, q);
  if (q == 0.0) return p;
  const double r = q / p;
  return p * std::sqrt(1.0 + r * r);
}

void KIV_CALL COMPLEX_SQRT(double a, double b, double* re, double* im) {
  const double aa = std::fabs(a);
  const double t = aa <= 1.0 ? std::sqrt(COMPLEX_ABS(aa, b) + aa) * kiv::kSqrtHalf
                             : std::sqrt(COMPLEX_ABS(aa * 0.5, b * 0.5) + aa * 0.5);
  const double q = b != 0.0 ? b / (2.0 * t) : b;
  if (!(a < 0.0)) {
    *re = t, *im = q;
  } else if (q < 0.0) {
    *re = -q, *im = -t;
  } else {
    *re = q, *im = t;
  }
}

void KIV_CALL COMPLEX_SQRT_BYREF(const double* a, const double* b, double* re, double* im) {
  POISON_REAL(re);
  POISON_REAL(im);
  COMPLEX_SQRT(*a, *b, re, im);
}

void KIV_CALL COMPLEX_DIV(double a, double b, double c, double d, double* re, double* im) {
  if (std::fabs(d) >= std::fabs(c)) {
    const double r = c / d, s = 1.0 / (r * c + d);
    *re = (r * a + b) * s;
    *im = (r * b - a) * s;
  } else {
    const double r = d / c, s = 1.0 / (r * d + c);
    *re = (r * b + a) * s;
    *im = (b - r * a) * s;
  }
}

void KIV_CALL IMPLEMENTATION_DETAILS() {
  static constexpr char kLines[8][kiv::kLineLen] = {
      " *** Start of KIV Library implementation details ***",
      " ",
      " Implementation title: Generalised Base Version",
      "            Precision: FORTRAN double precision",
      "         Product Code: QZMRK07H",
      "                 Mark: 20A",
      " ",
      " *** End of KIV Library implementation details ***",
  };
  int unit = 0;
  kiv::ADVISORY_UNIT(0, &unit);
  for (const auto& line : kLines) kiv::WRITE_RECORD(unit, line, kiv::kLineLen);
}

}  // extern "C"
