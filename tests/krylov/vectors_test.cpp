// The Krylov methods' vector kernels against a long-double reference: dot
// products (one and two in a pass), 2-norms and 1-norms of long vectors,
// including vectors whose terms cancel and entries whose squares leave the
// double range.  The bounds are those of a sum split over eight (dot,
// 2-norm) or four (fused sums, 1-norm) chains, several times tighter than
// those of a single running sum at these lengths.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "sparse/krylov.hpp"

namespace {

using kiv::krylov::Complex;
using LD = long double;
constexpr double kU = 1.1102230246251565e-16;  // unit roundoff 2^-53

// Random values with magnitudes spread over 2^-20 .. 2^20.
template <class T>
std::vector<T> spread(int n, unsigned seed) {
  std::mt19937_64 gen(seed);
  std::uniform_real_distribution<double> m(-1.0, 1.0);
  std::uniform_int_distribution<int> e(-20, 20);
  std::vector<T> x(n);
  for (T& v : x) {
    if constexpr (std::is_same_v<T, double>) v = std::ldexp(m(gen), e(gen));
    else v = Complex(std::ldexp(m(gen), e(gen)), std::ldexp(m(gen), e(gen)));
  }
  return x;
}

// y with sum conj(x_i) y_i = 0 exactly: each pair (a, b) of x is met by
// (b, -a), conjugated for complex values, so that the two terms are the
// same products with opposite signs.
template <class T>
std::vector<T> cancelling(const std::vector<T>& x) {
  std::vector<T> y(x.size(), T(0.0));
  for (std::size_t i = 0; i + 1 < x.size(); i += 2) {
    if constexpr (std::is_same_v<T, double>) {
      y[i] = x[i + 1];
      y[i + 1] = -x[i];
    } else {
      y[i] = std::conj(x[i + 1]);
      y[i + 1] = -std::conj(x[i]);
    }
  }
  return y;
}

// The exact sum (to long-double accuracy, compensated) and the sum of the
// magnitudes of the terms.
struct Ref {
  std::complex<LD> value;
  LD magnitude;
};
template <class T>
Ref reference_dot(const std::vector<T>& x, const std::vector<T>& y) {
  LD re = 0, im = 0, cre = 0, cim = 0, mag = 0;
  auto add = [](LD& s, LD& c, LD t) {  // Neumaier
    const LD u = s + t;
    c += std::fabs(s) >= std::fabs(t) ? (s - u) + t : (t - u) + s;
    s = u;
  };
  for (std::size_t i = 0; i < x.size(); ++i) {
    if constexpr (std::is_same_v<T, double>) {
      add(re, cre, static_cast<LD>(x[i]) * y[i]);
      mag += std::fabs(static_cast<LD>(x[i]) * y[i]);
    } else {
      const LD xr = x[i].real(), xi = x[i].imag(), yr = y[i].real(), yi = y[i].imag();
      add(re, cre, xr * yr);
      add(re, cre, xi * yi);
      add(im, cim, xr * yi);
      add(im, cim, -xi * yr);
      mag += std::sqrt((xr * xr + xi * xi) * (yr * yr + yi * yi));
    }
  }
  return {{re + cre, im + cim}, mag};
}

template <class T>
void check_dot(const std::vector<T>& x, const std::vector<T>& y, const std::string& what) {
  SCOPED_TRACE(what + " n = " + std::to_string(x.size()));
  const int n = static_cast<int>(x.size());
  const Ref ref = reference_dot(x, y);
  // Eight chains of n/8 (real) or 2n/8 (complex) terms, combined in three
  // levels; a factor 2 covers the two parts of a complex result.
  const double k = std::is_same_v<T, double> ? n / 8.0 + 5 : 2 * (n / 4.0 + 5);
  const double bound = k * kU * static_cast<double>(ref.magnitude) + 1e-300;
  const T d = kiv::krylov::dot(n, x.data(), y.data());
  EXPECT_LE(std::abs(std::complex<LD>(d) - ref.value), bound);
  EXPECT_EQ(kiv::krylov::dot(n, x.data(), y.data()), d);  // same bits again
  // The fused pair (x, y), (y, y): four chains each.
  T xy, yy;
  kiv::krylov::dots(n, y.data(), x.data(), y.data(), &xy, &yy);
  const double k4 = (std::is_same_v<T, double> ? 1.0 : 2.0) * (n / 4.0 + 4);
  EXPECT_LE(std::abs(std::complex<LD>(xy) - ref.value),
            k4 * kU * static_cast<double>(ref.magnitude) + 1e-300);
  const Ref self = reference_dot(y, y);
  EXPECT_LE(std::abs(std::complex<LD>(yy) - self.value),
            k4 * kU * static_cast<double>(self.magnitude));
}

template <class T>
void dots_of_type(unsigned seed) {
  for (int n : {1, 2, 3, 7, 8, 9, 17, 1000, 100003}) {
    const std::vector<T> x = spread<T>(n, seed + n), y = spread<T>(n, seed + 7 * n);
    check_dot(x, y, "random");
    check_dot(x, cancelling(x), "cancelling");
    // The same data one element off its alignment.
    if (n > 1) {
      const std::vector<T> xs(x.begin() + 1, x.end()), ys(y.begin() + 1, y.end());
      check_dot(xs, ys, "shifted");
    }
  }
}

TEST(Vectors, DotProductsAgainstLongDouble) {
  dots_of_type<double>(1);
  dots_of_type<Complex>(2);
}

// The cancelling pairs really cancel: the reference is zero, and so is
// (to within the bound) the library's sum.
TEST(Vectors, CancellingVectorsHaveAZeroReference) {
  const std::vector<double> x = spread<double>(1000, 5);
  const Ref r = reference_dot(x, cancelling(x));
  EXPECT_EQ(r.value, std::complex<LD>(0));
  EXPECT_GT(r.magnitude, 1.0);
}

template <class T>
void norms_of_type(unsigned seed) {
  for (double scale : {1.0, 1e-160, 1e-300, 1e160, 1e300})
    for (int n : {1, 5, 1000, 100003}) {
      char label[64];
      std::snprintf(label, sizeof label, "scale %g n %d", scale, n);
      SCOPED_TRACE(label);
      std::vector<T> x = spread<T>(n, seed + n);
      for (T& v : x) v *= scale;
      LD ss = 0, s1 = 0;
      for (const T& v : x) {
        const LD a = std::abs(std::complex<LD>(v));
        ss += a * a;
        if constexpr (std::is_same_v<T, double>) s1 += std::fabs(static_cast<LD>(v));
        else s1 += std::fabs(static_cast<LD>(v.real())) + std::fabs(static_cast<LD>(v.imag()));
      }
      const double exact = static_cast<double>(std::sqrt(ss));
      const double nrm = kiv::krylov::nrm2(n, x.data());
      // Half the relative bound of the sum of squares, plus the root; the
      // scaled fallback has its own few ulps.
      EXPECT_LE(std::fabs(nrm - exact), ((2.0 * n / 8.0 + 8) * kU) * exact);
      if (s1 > 1e300) continue;  // the 1-norm itself overflows
      const double one = kiv::krylov::vector_norm(0, n, x.data(), nullptr, true);
      EXPECT_LE(std::fabs(one - static_cast<double>(s1)),
                (2.0 * n / 4.0 + 4) * kU * static_cast<double>(s1));
    }
}

TEST(Vectors, NormsAgainstLongDoubleAcrossTheRange) {
  norms_of_type<double>(3);
  norms_of_type<Complex>(4);
}

}  // namespace
