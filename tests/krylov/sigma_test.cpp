// The sigma_1 estimate from a Lanczos tridiagonal matrix, against LAPACK's
// bisection (DSTEBZ) on the same matrix, and its error estimate against the
// true extreme eigenvalue of an operator whose tridiagonal it is.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "dense/fortran.hpp"
#include "frame/constants.hpp"
#include "sparse/lanczos_sigma.hpp"

namespace {

using kiv::krylov::lanczos_sigma;
using kiv::krylov::sturm_count;

// All eigenvalues of T (d, off-diagonal e), ascending, by LAPACK.
std::vector<double> eigenvalues(const std::vector<double>& d, const std::vector<double>& e) {
  const int n = static_cast<int>(d.size());
  std::vector<double> w(n), work(4 * n);
  std::vector<int> iblock(n), isplit(n), iwork(3 * n);
  int m = 0, nsplit = 0, info = 0;
  const double vl = 0.0, vu = 0.0, abstol = 0.0;
  const int il = 0, iu = 0;
  std::vector<double> ee(e);
  ee.resize(std::max(n, 1));
  kiv::fortran::dstebz_("A", "E", &n, &vl, &vu, &il, &iu, &abstol, d.data(), ee.data(), &m,
                        &nsplit, w.data(), iblock.data(), isplit.data(), work.data(),
                        iwork.data(), &info, 1, 1);
  EXPECT_EQ(info, 0);
  w.resize(m);
  return w;
}

struct Tridiagonal {
  std::string name;
  std::vector<double> d, e;  // e has d.size() - 1 entries
};

std::vector<Tridiagonal> cases() {
  std::vector<Tridiagonal> t;
  std::mt19937 gen(11);
  std::uniform_real_distribution<double> u(-1.0, 1.0);
  for (int n : {2, 7, 60, 300}) {
    Tridiagonal c{"random n=" + std::to_string(n), {}, {}};
    for (int i = 0; i < n; ++i) c.d.push_back(u(gen));
    for (int i = 0; i + 1 < n; ++i) c.e.push_back(u(gen));
    t.push_back(c);
  }
  t.push_back({"n=1 negative", {-3.5}, {}});
  t.push_back({"n=1 positive", {2.0}, {}});
  // Diagonal: the largest magnitude is a negative entry, and it is tied.
  t.push_back({"zero off-diagonals", {1.0, -4.0, 2.0, -4.0, 3.0}, {0.0, 0.0, 0.0, 0.0}});
  // Two copies of one block: every eigenvalue is double.
  t.push_back({"tied blocks", {2.0, 1.0, 3.0, 2.0, 1.0, 3.0}, {0.5, -0.7, 0.0, 0.5, -0.7}});
  // Constant diagonal 2, off-diagonals -1: eigenvalues 2 - 2 cos(k pi/(n+1)).
  t.push_back({"Laplacian", std::vector<double>(40, 2.0), std::vector<double>(39, -1.0)});
  // Symmetric about zero: |lambda_min| = lambda_max.
  t.push_back({"symmetric spectrum", std::vector<double>(9, 0.0), std::vector<double>(8, 1.0)});
  // Negative definite with a wide range of scales.
  {
    Tridiagonal c{"graded negative", {}, {}};
    for (int i = 0; i < 12; ++i) c.d.push_back(-std::pow(10.0, i - 6.0));
    for (int i = 0; i < 11; ++i) c.e.push_back(1e-3 * std::pow(10.0, i - 6.0));
    t.push_back(c);
  }
  // Tiny scale: eps as a substitute pivot must not decide the count.
  {
    Tridiagonal c{"tiny scale", {}, {}};
    for (int i = 0; i < 8; ++i) c.d.push_back(1e-200 * (i - 3.5));
    for (int i = 0; i < 7; ++i) c.e.push_back(1e-201);
    t.push_back(c);
  }
  return t;
}

TEST(SigmaEstimate, MatchesLapackBisectionWithinTheRequestedWidth) {
  for (double sigtol : {0.01, 1e-6, 0.0}) {
    for (const Tridiagonal& c : cases()) {
      SCOPED_TRACE(c.name + " sigtol " + std::to_string(sigtol));
      const int n = static_cast<int>(c.d.size());
      std::vector<double> e2(n, 0.0), g(n, 0.0);
      for (int i = 0; i + 1 < n; ++i) e2[i] = c.e[i] * c.e[i];
      for (int i = 0; i < n; ++i)
        g[i] = std::fabs(c.d[i]) + (i > 0 ? std::fabs(c.e[i - 1]) : 0.0) +
               (i + 1 < n ? std::fabs(c.e[i]) : 0.0);
      const double bound = *std::max_element(g.begin(), g.end());
      const std::vector<double> w = eigenvalues(c.d, c.e);
      const double ref = std::max(std::fabs(w.front()), std::fabs(w.back()));
      const auto est = lanczos_sigma(n, c.d.data(), e2.data(), sigtol);
      const double width = std::max(sigtol / 16.0, kiv::kEps) * bound;
      EXPECT_NEAR(est.sigma, ref, width + 4.0 * n * kiv::kEps * bound);
      // No coupling to a next vector: the error is the bracket's alone.
      EXPECT_LE(est.error, (width + 4.0 * n * kiv::kEps * bound) / ref);
      EXPECT_GE(est.error * est.sigma, std::fabs(est.sigma - ref) - 4.0 * n * kiv::kEps * bound);
    }
  }
}

TEST(SigmaEstimate, SturmCountsAgreeWithTheSpectrum) {
  for (const Tridiagonal& c : cases()) {
    SCOPED_TRACE(c.name);
    const int n = static_cast<int>(c.d.size());
    std::vector<double> e2(n, 0.0);
    for (int i = 0; i + 1 < n; ++i) e2[i] = c.e[i] * c.e[i];
    const std::vector<double> w = eigenvalues(c.d, c.e);
    // Midpoints between distinct eigenvalues, and beyond both ends.
    std::vector<double> probes{w.front() - 1.0, w.back() + 1.0};
    for (std::size_t k = 0; k + 1 < w.size(); ++k)
      if (w[k + 1] - w[k] > 1e-8 * (std::fabs(w[k]) + std::fabs(w[k + 1])))
        probes.push_back(0.5 * (w[k] + w[k + 1]));
    for (double p : probes) {
      const int expect = static_cast<int>(std::count_if(w.begin(), w.end(), [&](double x) { return x < p; }));
      EXPECT_EQ(sturm_count(n, c.d.data(), e2.data(), p), expect) << "at " << p;
    }
  }
}

TEST(SigmaEstimate, DegenerateInput) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double zero[3] = {0.0, 0.0, 0.0};
  auto z = lanczos_sigma(3, zero, zero, 0.01);
  EXPECT_EQ(z.sigma, 0.0);
  EXPECT_EQ(z.error, 0.0);
  for (double bad : {inf, -inf, nan}) {
    const double d[3] = {1.0, bad, 2.0};
    const double e2[3] = {0.5, 0.5, 0.0};
    EXPECT_EQ(lanczos_sigma(3, d, e2, 0.01).sigma, inf);
    const double d2[3] = {1.0, 1.0, 2.0};
    const double e2bad[3] = {0.5, bad, 0.0};
    EXPECT_EQ(lanczos_sigma(3, d2, e2bad, 0.01).sigma, inf);
  }
  // Near the overflow limit: eigenvalues +-sqrt(1e616 + 1e300), about 1e308.
  const double big[2] = {1e308, -1e308};
  const double e2big[2] = {1e300, 0.0};
  const auto huge = lanczos_sigma(2, big, e2big, 0.01);
  EXPECT_NEAR(huge.sigma, 1e308, 0.01 * 1e308);
  EXPECT_LT(huge.error, 0.01);
}

// Lanczos on a diagonal operator with known spectrum.  The error estimate
// is a residual bound: some eigenvalue of the operator lies within it of the
// estimate at every step; once the Ritz value has found the extreme
// eigenvalue, that is sigma_1 itself, and the estimate shrinks with the
// distance.
TEST(SigmaEstimate, ErrorEstimateCoversTheDistanceToTheOperatorsSigma) {
  const int n = 400;
  std::vector<double> lambda(n);
  for (int i = 0; i < n; ++i) lambda[i] = -2.0 + 5.0 * i / (n - 1.0);
  lambda[n - 1] = 4.0;  // sigma_1, well separated
  const double sigma_true = 4.0;
  std::mt19937 gen(5);
  std::uniform_real_distribution<double> u(-1.0, 1.0);
  std::vector<double> q(n), q_old(n, 0.0), p(n);
  for (double& x : q) x = u(gen);
  double nq = 0.0;
  for (double x : q) nq += x * x;
  for (double& x : q) x /= std::sqrt(nq);
  std::vector<double> d, e2;
  double beta = 0.0;
  std::vector<double> errors;
  for (int k = 1; k <= 40; ++k) {
    for (int i = 0; i < n; ++i) p[i] = lambda[i] * q[i] - beta * q_old[i];
    double alpha = 0.0;
    for (int i = 0; i < n; ++i) alpha += q[i] * p[i];
    for (int i = 0; i < n; ++i) p[i] -= alpha * q[i];
    double bb = 0.0;
    for (double x : p) bb += x * x;
    beta = std::sqrt(bb);
    q_old = q;
    for (int i = 0; i < n; ++i) q[i] = p[i] / beta;
    d.push_back(alpha);
    e2.push_back(beta * beta);
    const auto est = lanczos_sigma(k, d.data(), e2.data(), 1e-10);
    SCOPED_TRACE(k);
    EXPECT_LE(est.sigma, sigma_true * (1.0 + 1e-12));
    double nearest = 1e300;
    for (double l : lambda) nearest = std::min(nearest, std::fabs(std::fabs(l) - est.sigma));
    EXPECT_LE(nearest, 1.0001 * est.error * est.sigma);
    if (est.error < 0.05) {
      EXPECT_LE(std::fabs(est.sigma - sigma_true), 1.0001 * est.error * est.sigma);
    }
    errors.push_back(est.error);
  }
  EXPECT_LT(errors[39], 1e-6);
  EXPECT_LT(errors[39], errors[29]);
  EXPECT_LT(errors[29], errors[19]);
}

}  // namespace
