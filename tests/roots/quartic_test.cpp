// Zeros of real and complex quartics: against zeros known in closed form or
// refined independently in extended precision, and the error estimates.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <limits>
#include <random>

#include "../sorting/report.hpp"
#include "kiv2.h"

namespace {

using kivtest::report;
using C = std::complex<double>;
using CL = std::complex<long double>;
constexpr double kEps = 1.11130722679765e-16;
const double kPoison = -2139062144.0;
// ZERR is eps ||T|| / s_i, first order with the backward error taken as
// eps ||T||; Hessenberg QR's backward error carries a modest constant, which
// for a 4x4 matrix stays below n^2.
constexpr double kSlack = 16.0;

struct Zeros {
  int ifail = -99;
  std::array<double, 4> zr{}, zi{}, zerr{};
  C z(int i) const { return {zr[i], zi[i]}; }
};

// Through the host wrappers, IFAIL = 1.
Zeros real_quartic(double e, double a, double b, double c, double d) {
  Zeros z;
  z.ifail = 1;
  C02ALF_HOST(&e, &a, &b, &c, &d, z.zr.data(), z.zi.data(), z.zerr.data(), &z.ifail);
  return z;
}
Zeros complex_quartic(C e, C a, C b, C c, C d) {
  Zeros z;
  z.ifail = 1;
  C02ANF_HOST(&e, &a, &b, &c, &d, z.zr.data(), z.zi.data(), z.zerr.data(), &z.ifail);
  return z;
}

// Coefficients (E = 1, A, B, C, D) of (z - r1)(z - r2)(z - r3)(z - r4).
std::array<C, 5> expand(const std::array<C, 4>& r) {
  std::array<C, 5> p{1.0, 0.0, 0.0, 0.0, 0.0};  // highest power first
  for (const C& root : r)
    for (int k = 4; k >= 1; --k) p[k] -= root * p[k - 1];
  return p;
}

// For each computed zero, the distance to the nearest unused expected one.
std::array<double, 4> errors(const Zeros& z, std::array<C, 4> expected) {
  std::array<double, 4> err{};
  std::array<bool, 4> used{};
  for (int i = 0; i < 4; ++i) {
    int best = -1;
    for (int j = 0; j < 4; ++j)
      if (!used[j] && (best < 0 || std::abs(z.z(i) - expected[j]) < std::abs(z.z(i) - expected[best])))
        best = j;
    used[best] = true;
    err[i] = std::abs(z.z(i) - expected[best]);
  }
  return err;
}

// The zero of the polynomial P (highest power first) near Z, refined by
// Newton's method in extended precision.
C refine(const std::array<C, 5>& p, C z) {
  CL x(z.real(), z.imag());
  for (int it = 0; it < 30; ++it) {
    CL v = CL(p[0].real(), p[0].imag()), dv = 0;
    for (int k = 1; k <= 4; ++k) {
      dv = dv * x + v;
      v = v * x + CL(p[k].real(), p[k].imag());
    }
    if (dv == CL(0)) break;
    x -= v / dv;
  }
  return {static_cast<double>(x.real()), static_cast<double>(x.imag())};
}

TEST(Quartic, FourthRootsOfUnity) {
  const std::array<C, 4> unity{C(1, 0), C(-1, 0), C(0, 1), C(0, -1)};
  for (const Zeros& z : {real_quartic(1, 0, 0, 0, -1), complex_quartic(1, 0, 0, 0, -1)}) {
    ASSERT_EQ(z.ifail, 0);
    const auto err = errors(z, unity);
    for (int i = 0; i < 4; ++i) {
      EXPECT_LE(err[i], 10 * kEps) << i;
      EXPECT_LE(err[i], kSlack * z.zerr[i]) << i;
      EXPECT_LE(z.zerr[i], 100 * kEps) << i;
    }
  }
}

TEST(Quartic, ProductsOfKnownLinearFactors) {
  // Integer and Gaussian-integer zeros: the coefficients are exact.
  const std::array<C, 4> real_cases[] = {
      {C(1), C(2), C(3), C(4)},
      {C(-5), C(0.5), C(2, 3), C(2, -3)},
      {C(1, 1), C(1, -1), C(-1, 2), C(-1, -2)},
      {C(1e3), C(-1), C(1e-2), C(7)},
  };
  for (const auto& r : real_cases) {
    const auto p = expand(r);
    const Zeros z = real_quartic(p[0].real(), p[1].real(), p[2].real(), p[3].real(), p[4].real());
    ASSERT_EQ(z.ifail, 0);
    const auto err = errors(z, r);
    for (int i = 0; i < 4; ++i) {
      EXPECT_LE(err[i], kSlack * z.zerr[i]) << r[i];
      EXPECT_LE(z.zerr[i], 1e4 * kEps * std::max(1.0, std::abs(z.z(i)))) << r[i];
    }
    // A conjugate pair is adjacent, positive imaginary part first.
    for (int i = 0; i < 4; ++i)
      if (z.zi[i] > 0) {
        ASSERT_LT(i, 3);
        EXPECT_EQ(z.zr[i + 1], z.zr[i]);
        EXPECT_EQ(z.zi[i + 1], -z.zi[i]);
      }
  }
  const std::array<C, 4> complex_cases[] = {
      {C(0, 1), C(2, 0), C(-1, -1), C(3, 2)},
      {C(1, 1), C(1, 2), C(1, 3), C(1, 4)},
  };
  for (const auto& r : complex_cases) {
    const auto p = expand(r);
    const Zeros z = complex_quartic(p[0], p[1], p[2], p[3], p[4]);
    ASSERT_EQ(z.ifail, 0);
    const auto err = errors(z, r);
    for (int i = 0; i < 4; ++i) EXPECT_LE(err[i], kSlack * z.zerr[i]) << r[i];
  }
}

TEST(Quartic, ErrorEstimateBoundsTheErrorOnRandomQuartics) {
  std::mt19937 gen(13);
  std::uniform_real_distribution<double> u(-1.0, 1.0);
  for (int trial = 0; trial < 200; ++trial) {
    const bool complex = trial % 2 == 1;
    std::array<C, 5> p;
    for (C& c : p) c = complex ? C(u(gen), u(gen)) : C(u(gen));
    const Zeros z = complex ? complex_quartic(p[0], p[1], p[2], p[3], p[4])
                            : real_quartic(p[0].real(), p[1].real(), p[2].real(),
                                           p[3].real(), p[4].real());
    ASSERT_EQ(z.ifail, 0);
    for (int i = 0; i < 4; ++i) {
      const double err = std::abs(z.z(i) - refine(p, z.z(i)));
      EXPECT_LE(err, kSlack * z.zerr[i]) << "trial " << trial << " zero " << z.z(i);
    }
  }
}

TEST(Quartic, ClusteredZerosGetLargerEstimates) {
  // (z - 1)^4 and a cluster of width 1e-3 against well-separated zeros.
  const std::array<C, 4> separated{C(1), C(2), C(3), C(4)};
  const std::array<C, 4> cluster{C(1), C(1.001), C(0.999), C(4)};
  const std::array<C, 4> multiple{C(1), C(1), C(1), C(1)};
  double smallest[3];
  int k = 0;
  for (const auto& r : {separated, cluster, multiple}) {
    const auto p = expand(r);
    const Zeros z = real_quartic(1, p[1].real(), p[2].real(), p[3].real(), p[4].real());
    ASSERT_EQ(z.ifail, 0);
    const auto err = errors(z, r);
    double worst = 0;
    for (int i = 0; i < 4; ++i) {
      worst = std::max(worst, z.zerr[i]);
      EXPECT_LE(err[i], kSlack * z.zerr[i]) << k << " " << i;
    }
    smallest[k++] = worst;
  }
  EXPECT_GT(smallest[1], 1e3 * smallest[0]);
  EXPECT_GT(smallest[2], 1e3 * smallest[1]);
}

TEST(Quartic, UnderflowingQuotientBecomesZero) {
  // 1e10 z (z - 1)(z - 2)(z - 3) + 1e-300: -D/E underflows (|D| < |E| TINY
  // with |E| >= 1) and is taken as 0, without an error.
  const Zeros z = real_quartic(1e10, -6e10, 11e10, -6e10, 1e-300);
  ASSERT_EQ(z.ifail, 0);
  const auto err = errors(z, {C(0), C(1), C(2), C(3)});
  for (int i = 0; i < 4; ++i) {
    EXPECT_LE(err[i], 1e-13);
    // A zero that comes out exactly 0 has the estimate eps.
    if (z.zr[i] == 0 && z.zi[i] == 0) {
      EXPECT_EQ(z.zerr[i], kEps);
    }
  }
}

TEST(Quartic, Failures) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    bool complex;
    double e, d;
    int ierr;
    const char* lines;
  };
  const Case cases[] = {
      {false, 0.0, 1.0, 1, " ** On entry, E .eq. 0.0.\n"},
      {true, 0.0, 1.0, 1, " ** On entry, E .eq. (0.0,0.0).\n"},
      {false, 1e-300, 1e300, 2, " ** The companion matrix H cannot be formed without overflow.\n"},
      {true, 1e-300, 1e300, 2, " ** The companion matrix H cannot be formed without overflow.\n"},
      {false, 1.0, nan, 2, " ** The companion matrix H cannot be formed without overflow.\n"},
      {true, nan, 1.0, 2, " ** The companion matrix H cannot be formed without overflow.\n"},
  };
  for (const Case& k : cases) {
    std::array<double, 4> zr, zi, zerr;
    zr.fill(kPoison), zi.fill(kPoison), zerr.fill(kPoison);
    const auto r = report([&](char* rec, int* ifail) {
      if (k.complex) C02ANF(k.e, 0, 0, 0, k.d, zr.data(), zi.data(), zerr.data(), rec, ifail, KIV2_RECORD_LEN);
      else C02ALF(k.e, 0, 0, 0, k.d, zr.data(), zi.data(), zerr.data(), rec, ifail, KIV2_RECORD_LEN);
    });
    EXPECT_EQ(r.ifail, k.ierr) << k.lines;
    EXPECT_EQ(r.lines, k.lines);
    EXPECT_EQ(r.record.substr(0, 6), k.complex ? "C02ANF" : "C02ALF");
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(zr[i] == kPoison && zi[i] == kPoison && zerr[i] == kPoison);
  }
}

TEST(Quartic, WrapperLeavesOutputsPoisonedOnError) {
  const Zeros z = real_quartic(0, 1, 2, 3, 4);
  EXPECT_EQ(z.ifail, 1);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(z.zerr[i], kPoison);
  EXPECT_NE(kiv2_entry("_q37432@36"), nullptr);
  EXPECT_NE(kiv2_entry("_q86094@36"), nullptr);
}

}  // namespace
