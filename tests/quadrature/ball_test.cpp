// Integration over the ball: the shell generator, closed-form volumes and
// moments for every method and coordinate form, the honesty of the error
// estimate, and the argument checks.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <vector>

#include "../sorting/report.hpp"
#include "kiv2.h"
#include "quadrature/quadrature.hpp"
#include "reference.hpp"

namespace {

using kivtest::report;
using Fn = std::function<double(const double*)>;

using kivtest::Context;
using kivtest::trampoline;

struct Outcome {
  int ifail = -99;
  double result = 0, errest = 0;
  int nfun = 0, calls = 0;
};

Outcome integrate(const Fn& f, int n, double radius, double absacc, double relacc, int method,
              int icoord) {
  Context c{f};
  Outcome r;
  r.ifail = 1;
  D01JAF_HOST(trampoline, &n, &radius, &absacc, &relacc, &method, &icoord, &r.result, &r.errest,
              &r.nfun, &c, reinterpret_cast<void*>(0x77), &r.ifail);
  r.calls = c.calls;
  if (c.calls > 0) {
    EXPECT_EQ(c.ndim_seen, n);
    EXPECT_EQ(c.second, reinterpret_cast<void*>(0x77));
  }
  return r;
}

// Cartesian coordinates of a point given in the routine's polar form.
void from_polar(int n, const double* p, double* x) {
  double s = p[0];
  for (int i = 0; i < n - 1; ++i) {
    x[i] = s * std::cos(p[i + 1]);
    s *= std::sin(p[i + 1]);
  }
  x[n - 1] = s;
}

// The integrand as the routine hands it points: Cartesian (ICOORD 0) or
// polar (1, 2).
Fn as_called(int n, int icoord, const Fn& cartesian) {
  if (icoord == 0) return cartesian;
  return [n, cartesian](const double* p) {
    double x[4];
    from_polar(n, p, x);
    return cartesian(x);
  };
}

double sphere_area(int n) { return 2 * std::pow(M_PI, 0.5 * n) / std::tgamma(0.5 * n); }

TEST(Shells, EveryLatticePointOfEachNormExactlyOnce) {
  for (int n = 2; n <= 4; ++n) {
    // Brute force: every point with coordinates in [-8, 8], by norm.
    std::map<long, std::set<std::vector<long>>> expected;
    std::vector<long> z(n, -8);
    for (;;) {
      long m = 0;
      for (long c : z) m += c * c;
      if (m <= 60) expected[m].insert(z);
      int i = 0;
      while (i < n && ++z[i] > 8) z[i++] = -8;
      if (i == n) break;
    }
    for (long m = 0; m <= 60; ++m) {
      std::vector<std::vector<long>> got;
      kiv::quadrature::shell(n, m, [&](const auto& p) { got.emplace_back(p.begin(), p.begin() + n); });
      const std::set<std::vector<long>> unique(got.begin(), got.end());
      EXPECT_EQ(unique.size(), got.size()) << "n " << n << " m " << m;  // no repeats
      EXPECT_EQ(unique, expected[m]) << "n " << n << " m " << m;
    }
  }
}

TEST(Ball, RadiusZeroCallsNothing) {
  const Outcome r = integrate([](const double*) { return 1.0; }, 3, 0.0, 0, 1e-6, 0, 0);
  EXPECT_EQ(r.ifail, 0);
  EXPECT_EQ(r.result, 0.0);
  EXPECT_EQ(r.nfun, 0);
  EXPECT_EQ(r.calls, 0);
}

struct Combination {
  int method, icoord;
};
const Combination kCombinations[] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}, {2, 0}, {2, 1},
                                     {3, 2}, {4, 2}, {5, 0}, {5, 1}, {6, 0}, {6, 1}};

TEST(Ball, VolumesAndMomentsForEveryMethod) {
  const double radius = 1.5;
  for (int n = 2; n <= 4; ++n) {
    const double s = sphere_area(n), rn = std::pow(radius, n);
    struct Integrand {
      const char* name;
      Fn f;
      double exact;
      bool radial;
    };
    const double r2 = radius * radius, e = std::exp(-r2);
    const double gauss = n == 2   ? M_PI * (1 - e)
                         : n == 3 ? 4 * M_PI * (std::sqrt(M_PI) / 4 * std::erf(radius) - radius * e / 2)
                                  : M_PI * M_PI * (1 - (1 + r2) * e);
    const std::vector<Integrand> integrands = {
        {"1", [](const double*) { return 1.0; }, s * rn / n, true},
        {"r^2", [n](const double* x) {
           double q = 0;
           for (int i = 0; i < n; ++i) q += x[i] * x[i];
           return q;
         }, s * rn * r2 / (n + 2), true},
        {"exp(-r^2)", [n](const double* x) {
           double q = 0;
           for (int i = 0; i < n; ++i) q += x[i] * x[i];
           return std::exp(-q);
         }, gauss, true},
        {"x1^2 x2^2", [](const double* x) { return x[0] * x[0] * x[1] * x[1]; },
         s * rn * r2 * r2 / (n + 4) / (n * (n + 2.0)), false},
    };
    for (const Combination& c : kCombinations) {
      for (const Integrand& g : integrands) {
        if (c.icoord == 2 && !g.radial) continue;
        // Each halving costs 2^n times more points: looser requests in more
        // dimensions (both accuracy classes are met).
        const double relacc = n == 2 ? 1e-9 : n == 3 ? 1e-5 : 1e-3;
        const Outcome r = integrate(as_called(n, c.icoord, g.f), n, radius, 0, relacc, c.method, c.icoord);
        const double err = std::fabs(r.result - g.exact);
        EXPECT_EQ(r.ifail, 0) << "n " << n << " method " << c.method << " icoord " << c.icoord << " " << g.name;
        EXPECT_LE(err, 10 * relacc * g.exact) << "n " << n << " method " << c.method << " icoord " << c.icoord << " " << g.name;
        EXPECT_LE(err, std::fmax(r.errest, 1e-14 * g.exact)) << "n " << n << " method " << c.method << " " << g.name;
        EXPECT_EQ(r.nfun, r.calls);
      }
    }
  }
}

TEST(Ball, ErrorEstimateIsHonestOnGenzFamilies) {
  // Over the unit ball, against a product Gauss rule in spherical
  // coordinates; both accuracy classes.
  std::mt19937 gen(2026);
  int cases = 0, honest = 0, claimed = 0, met = 0;
  for (int n = 2; n <= 4; ++n)
    for (int family = 0; family < 4; ++family)
      for (int trial = 0; trial < 4; ++trial) {
        const kivtest::Genz g(family, n, gen, 0.5);
        const Fn f = [&g](const double* x) { return g(x); };
        const double exact = kivtest::ball_reference(n, 1.0, f, n == 4 ? 28 : 48);
        const double relacc = n == 4 ? (trial % 2 == 0 ? 1e-3 : 1e-5) : (trial % 2 == 0 ? 1e-4 : 1e-8);
        const Outcome r = integrate(f, n, 1.0, 0, relacc, 0, 0);
        const double err = std::fabs(r.result - exact);
        ++cases;
        if (err <= r.errest) ++honest;
        if (r.ifail == 0) {
          ++claimed;
          if (err <= relacc * std::fabs(exact)) ++met;
        }
      }
  EXPECT_GE(honest, 0.95 * cases) << honest << " of " << cases;
  EXPECT_GE(met, 0.95 * claimed) << met << " of " << claimed;
  EXPECT_GE(claimed, 0.8 * cases);
}

TEST(Ball, UnreachableAccuracyIsReported) {
  // A kink inside the ball defeats the rule at a tight tolerance.
  const Outcome r = integrate([](const double* x) { return std::fabs(x[0] - 0.3); }, 3, 1.0, 0,
                          1e-12, 2, 0);
  EXPECT_TRUE(r.ifail == 1 || r.ifail == 2 || r.ifail == 3) << r.ifail;
  EXPECT_GT(r.errest, 1e-12 * std::fabs(r.result));
}

TEST(Ball, NonFiniteValueFails) {
  const Outcome r = integrate([](const double* x) { return x[0] > 0.5 ? INFINITY : 1.0; }, 2, 1.0, 0,
                          1e-6, 1, 0);
  EXPECT_EQ(r.ifail, 5);
  EXPECT_GT(r.nfun, 0);
}

TEST(Ball, OverflowingSumIsNeverConvergence) {
  // Every value is finite, but pi * 1e308 is not: the sums overflow, and an
  // infinite estimate must not pass the tolerance test, even an infinite
  // tolerance.
  for (double absacc : {0.0, double(INFINITY)}) {
    const Outcome r = integrate([](const double*) { return 1e308; }, 2, 1.0, absacc, 1e-4, 1, 0);
    EXPECT_NE(r.ifail, 0) << absacc;
    EXPECT_FALSE(std::isfinite(r.result)) << absacc;
  }
  // Finite values whose sum is finite still converge with an infinite one.
  const Outcome ok = integrate([](const double*) { return 1.0; }, 2, 1.0, INFINITY, 1e-4, 1, 0);
  EXPECT_EQ(ok.ifail, 0);
  EXPECT_NEAR(ok.result, M_PI, 1e-3);
}

TEST(Ball, ArgumentChecksInOrder) {
  struct Case {
    int n, method, icoord;
    double radius;
    const char* lines;
  };
  const Case cases[] = {
      {5, -1, -1, -1, " ** On entry, NDIM .gt. 4: NDIM =               5.\n"},
      {1, -1, -1, -1, " ** On entry, NDIM .lt. 2: NDIM =               1.\n"},
      {2, -1, -1, -1, " ** On entry, METHOD .lt. 0: METHOD =              -1.\n"},
      {2, 7, -1, -1, " ** On entry, METHOD .gt. 6: METHOD =               7.\n"},
      {2, 1, -1, -1, " ** On entry, ICOORD .lt. 0: ICOORD =              -1.\n"},
      {2, 1, 3, -1, " ** On entry, ICOORD .gt. 2: ICOORD =               3.\n"},
      {2, 3, 0, -1, " ** On entry, METHOD .eq. 3, but ICOORD .ne. 2: ICOORD =               0.\n"},
      {2, 4, 1, -1, " ** On entry, METHOD .eq. 4, but ICOORD .ne. 2: ICOORD =               1.\n"},
      {2, 5, 2, -1,
       " ** On entry, METHOD .ne. 3 or 4, but ICOORD .eq. 2:\n    METHOD =               5.\n"},
      {2, 1, 0, -1, " ** On entry, RADIUS .lt. 0.0: RADIUS = -1.0000e+00.\n"},
      {2, 1, 0, NAN, " ** On entry, RADIUS .lt. 0.0: RADIUS =         nan.\n"},
  };
  for (const Case& k : cases) {
    Context c{[](const double*) { return 1.0; }};
    double result = 7, errest = 7;
    int nfun = 7;
    const auto r = report([&](char* rec, int* ifail) {
      D01JAF(trampoline, nullptr, k.n, k.radius, 0, 1e-6, k.method, k.icoord, &result, &errest,
             &nfun, &c, nullptr, rec, ifail, KIV2_RECORD_LEN);
    });
    EXPECT_EQ(r.ifail, 4) << k.lines;
    EXPECT_EQ(r.lines, k.lines);
    EXPECT_EQ(result, 0.0);
    EXPECT_EQ(errest, 0.0);
    EXPECT_EQ(nfun, 0);
    EXPECT_EQ(c.calls, 0);
  }
}

}  // namespace
