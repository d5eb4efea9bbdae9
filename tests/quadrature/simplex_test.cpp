// Integration over a simplex: the rule's order, the continuation contract,
// the edge cases and the argument checks.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <vector>

#include "../sorting/report.hpp"
#include "kiv2.h"
#include "reference.hpp"

namespace {

using kivtest::report;
using Fn = std::function<double(const double*)>;

using kivtest::Context;
using kivtest::trampoline;

// A vertex array of d+1 rows and 2d+2 columns holding VERTICES (d+1 points
// of d coordinates each).
struct Simplex {
  int d;
  std::vector<double> v;
  Simplex(int d, const std::vector<std::vector<double>>& vertices)
      : d(d), v((d + 1) * (2 * d + 2), 0.0) {
    for (int l = 0; l <= d; ++l)
      for (int r = 0; r < d; ++r) v[r + l * (d + 1)] = vertices[l][r];
  }
  // The unit simplex: e_1, ..., e_d, then the origin.
  static Simplex unit(int d) {
    std::vector<std::vector<double>> p(d + 1, std::vector<double>(d, 0.0));
    for (int l = 0; l < d; ++l) p[l][l] = 1.0;
    return Simplex(d, p);
  }
};

struct Outcome {
  int ifail = -99;
  std::vector<double> values;
  double errest = 0;
  int minord = 0, calls = 0;
};

Outcome integrate(Simplex& s, const Fn& f, int minord, int maxord, std::vector<double> values = {}) {
  Context c{f};
  Outcome r;
  r.values = values;
  r.values.resize(maxord, 0.0);
  r.minord = minord;
  r.ifail = 1;
  const int iv1 = s.d + 1, iv2 = 2 * s.d + 2;
  D01PAF_HOST(&s.d, s.v.data(), &iv1, &iv2, trampoline, &r.minord, &maxord, r.values.data(),
              &r.errest, &c, nullptr, &r.ifail);
  r.calls = c.calls;
  if (c.calls > 0) {
    EXPECT_EQ(c.ndim_seen, s.d);
  }
  return r;
}

long binomial(int n, int k) {
  long b = 1;
  for (int i = 1; i <= k; ++i) b = b * (n - k + i) / i;
  return b;
}

double factorial(int n) { return std::tgamma(n + 1.0); }

TEST(Simplex, OrderZeroIsTheCentroidRule) {
  // Area (volume) times the value at the centroid, from one evaluation.
  const auto f = [](const double* x) { return 1 + x[0] * x[1] + std::sin(x[0]); };
  Simplex tri(2, {{0.5, 0.0}, {3.0, 1.0}, {1.0, 2.5}});
  const double area = 0.5 * std::fabs((3.0 - 0.5) * (2.5 - 0.0) - (1.0 - 0.5) * (1.0 - 0.0));
  const double c2[2] = {(0.5 + 3 + 1) / 3, (0 + 1 + 2.5) / 3};
  const Outcome r2 = integrate(tri, f, 0, 1);
  ASSERT_EQ(r2.ifail, 0);
  EXPECT_EQ(r2.calls, 1);
  EXPECT_NEAR(r2.values[0], area * f(c2), 1e-14 * area * std::fabs(f(c2)));
  EXPECT_EQ(r2.errest, std::fabs(r2.values[0]));  // MAXORD = 1
  EXPECT_EQ(r2.minord, 1);

  Simplex tet(3, {{1, 0, 0}, {0, 2, 0}, {0, 0, 3}, {0, 0, 0}});
  const double c3[3] = {0.25, 0.5, 0.75};
  const Outcome r3 = integrate(tet, f, 0, 1);
  ASSERT_EQ(r3.ifail, 0);
  EXPECT_EQ(r3.calls, 1);
  EXPECT_NEAR(r3.values[0], 1.0 * f(c3), 1e-14 * f(c3));  // volume 6/6
}

TEST(Simplex, OrderKIsExactForPolynomialsOfDegree2kPlus1) {
  // Monomials over the unit simplex: the integral of prod x_i^a_i is
  // prod a_i! / (sum a_i + d)!.
  for (int d = 2; d <= 4; ++d) {
    const int maxord = d == 4 ? 3 : 4;
    std::vector<int> a(d, 0);
    // Every exponent vector with sum <= 2 maxord.
    for (;;) {
      int degree = 0;
      for (int e : a) degree += e;
      if (degree <= 2 * maxord - 1) {
        double exact = 1;
        for (int e : a) exact *= factorial(e);
        exact /= factorial(degree + d);
        const auto f = [&a, d](const double* x) {
          double p = 1;
          for (int i = 0; i < d; ++i) p *= std::pow(x[i], a[i]);
          return p;
        };
        Simplex s = Simplex::unit(d);
        const Outcome r = integrate(s, f, 0, maxord);
        ASSERT_EQ(r.ifail, 0);
        for (int k = 0; k < maxord; ++k)
          if (degree <= 2 * k + 1) {
            EXPECT_NEAR(r.values[k], exact, 1e-13 * exact)
                << "d " << d << " order " << k << " degree " << degree;
          }
      }
      int i = 0;
      while (i < d && ++a[i] > 2 * maxord - 1) a[i++] = 0;
      if (i == d) break;
    }
  }
}

TEST(Simplex, EachOrderEvaluatesItsLatticeOnce) {
  for (int d = 2; d <= 5; ++d) {
    Simplex s = Simplex::unit(d);
    const Outcome r = integrate(s, [](const double* x) { return x[0]; }, 0, 4);
    long expected = 0;
    for (int k = 0; k < 4; ++k) expected += binomial(k + d, d);
    EXPECT_EQ(r.calls, expected) << d;
    // x_1 is linear: every order is exact.
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(r.values[k], 1.0 / factorial(d + 1), 1e-15) << d;
  }
}

TEST(Simplex, ContinuationEqualsOneLongerCall) {
  const auto f = [](const double* x) { return std::exp(x[0] - 2 * x[1]) * std::cos(x[2]); };
  const std::vector<std::vector<double>> p{{1, 0, 0}, {0, 1, 0.5}, {0.2, 0, 1}, {-1, -1, 0}};
  Simplex once(3, p), twice(3, p);
  const Outcome whole = integrate(once, f, 0, 5);
  const Outcome first = integrate(twice, f, 0, 3);
  ASSERT_EQ(first.minord, 3);
  const Outcome second = integrate(twice, f, first.minord, 5, first.values);
  ASSERT_EQ(second.ifail, 0);
  EXPECT_EQ(second.minord, 5);
  for (int k = 0; k < 5; ++k) EXPECT_EQ(second.values[k], whole.values[k]) << k;
  EXPECT_EQ(second.errest, whole.errest);
  EXPECT_EQ(first.calls + second.calls, whole.calls);
  EXPECT_EQ(second.errest, std::fabs(whole.values[4] - whole.values[3]));
}

TEST(Simplex, DegenerateSimplexGivesZerosWithoutEvaluations) {
  Simplex flat(2, {{0, 0}, {1, 1}, {2, 2}});
  const Outcome r = integrate(flat, [](const double*) { return 1.0; }, 0, 3);
  EXPECT_EQ(r.ifail, 0);
  EXPECT_EQ(r.calls, 0);
  for (double v : r.values) EXPECT_EQ(v, 0.0);
}

TEST(Simplex, ErrorEstimateIsHonestOnGenzFamilies) {
  // Over the unit simplex, against a product Gauss rule in collapsed
  // coordinates.
  std::mt19937 gen(14);
  int cases = 0, honest = 0;
  for (int d = 2; d <= 3; ++d)
    for (int family = 0; family < 4; ++family)
      for (int trial = 0; trial < 5; ++trial) {
        const kivtest::Genz g(family, d, gen, 0.5);
        const Fn f = [&g](const double* x) { return g(x); };
        const double exact = kivtest::simplex_reference(d, f, d == 2 ? 60 : 30);
        Simplex s = Simplex::unit(d);
        const Outcome r = integrate(s, f, 0, 6);
        ASSERT_EQ(r.ifail, 0);
        ++cases;
        if (std::fabs(r.values[5] - exact) <= r.errest) ++honest;
      }
  EXPECT_GE(honest, 0.95 * cases) << honest << " of " << cases;
}

TEST(Simplex, Failures) {
  struct Case {
    int d, iv1, iv2, minord, maxord, ierr;
    const char* lines;
  };
  const Case cases[] = {
      {1, 3, 6, 0, 1, 1, " ** On entry, NDIM .lt. 2: NDIM =               1.\n"},
      {2, 2, 6, 0, 1, 1,
       " ** On entry, IV1 .lt. NDIM+1:\n    IV1 =               2, NDIM =               2.\n"},
      {2, 3, 5, 0, 1, 1,
       " ** On entry, IV2 .lt. 2*NDIM+2:\n    IV2 =               5, NDIM =               2.\n"},
      {2, 3, 6, -1, 1, 1, " ** On entry, MINORD .lt. 0: MINORD =              -1.\n"},
      {2, 3, 6, 2, 2, 1,
       " ** On entry, MAXORD .le. MINORD:\n    MAXORD =               2, MINORD =               "
       "2.\n"},
      {std::numeric_limits<int>::max(), 3, 6, 0, 1, 1,
       " ** On entry, IV1 .lt. NDIM+1:\n    IV1 =               3, NDIM =      2147483647.\n"},
  };
  for (const Case& k : cases) {
    Simplex s = Simplex::unit(2);
    const std::vector<double> before = s.v;
    std::vector<double> values(4, 7.0);
    Context c{[](const double*) { return 1.0; }};
    int minord = k.minord;
    double errest = -1;
    const auto r = report([&](char* rec, int* ifail) {
      D01PAF(k.d, s.v.data(), k.iv1, k.iv2, trampoline, nullptr, &minord, k.maxord,
             values.data(), &errest, &c, nullptr, rec, ifail, KIV2_RECORD_LEN);
    });
    EXPECT_EQ(r.ifail, k.ierr) << k.lines;
    EXPECT_EQ(r.lines, k.lines);
    EXPECT_EQ(s.v, before);
    EXPECT_EQ(minord, k.minord);
    EXPECT_EQ(values, std::vector<double>(4, 7.0));
    EXPECT_EQ(c.calls, 0);
  }
}

TEST(Simplex, VolumeBeyondTheRangeFails) {
  Simplex huge(2, {{1e200, 0}, {0, 1e200}, {0, 0}});
  std::vector<double> values(2, 7.0);
  Context c{[](const double*) { return 1.0; }};
  int minord = 0;
  double errest;
  const auto r = report([&](char* rec, int* ifail) {
    D01PAF(2, huge.v.data(), 3, 6, trampoline, nullptr, &minord, 2, values.data(), &errest, &c,
           nullptr, rec, ifail, KIV2_RECORD_LEN);
  });
  EXPECT_EQ(r.ifail, 2);
  EXPECT_EQ(r.lines,
            " ** The volume of the simplex integration region is too\n"
            "    large or too small to be represented on the machine.\n");
  EXPECT_EQ(values, std::vector<double>(2, 7.0));
  EXPECT_EQ(c.calls, 0);
  // The work columns hold the edge vectors V_l - V_3.
  EXPECT_EQ(huge.v[0 + 3 * 3], 1e200);
  EXPECT_EQ(huge.v[1 + 4 * 3], 1e200);
}

TEST(Simplex, NonFiniteValueFailsAndKeepsTheFinishedOrders) {
  // Finite at the centroid (order 0), a NaN beyond.
  Simplex s = Simplex::unit(2);
  const Outcome r = integrate(s, [](const double* x) { return x[0] > 0.4 ? NAN : 1.0; }, 0, 3);
  EXPECT_EQ(r.ifail, 3);
  EXPECT_EQ(r.minord, 1);
  EXPECT_NEAR(r.values[0], 0.5, 1e-15);
}

}  // namespace
