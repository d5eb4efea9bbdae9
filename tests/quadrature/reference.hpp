// The test integrand's callback, and independent reference integrals: Gauss-Legendre product rules over the
// simplex (collapsed coordinates) and the ball (spherical coordinates), and
// Genz's test families.
#pragma once

#include <cmath>
#include <functional>
#include <random>
#include <vector>

#include "kiv2.h"

namespace kivtest {

using Point = std::function<double(const double*)>;

// What an integrand sees through the library's callback: the test's
// function, the call count, NDIM and the second user word as they arrived.
struct Context {
  Point f;
  int calls = 0;
  int ndim_seen = 0;
  void* second = nullptr;
};

// The integrand handed to the library: the first user word is the Context.
inline double KIV_CALL trampoline(const int* ndim, const double* x, void* user1, void* user2) {
  Context* c = static_cast<Context*>(user1);
  ++c->calls;
  c->ndim_seen = *ndim;
  c->second = user2;
  return c->f(x);
}

// Nodes and weights of the n-point Gauss-Legendre rule on [0, 1] (Newton on
// the Legendre recurrence).
struct GaussLegendre {
  std::vector<double> x, w;
  explicit GaussLegendre(int n) : x(n), w(n) {
    for (int i = 0; i < n; ++i) {
      double z = std::cos(M_PI * (i + 0.75) / (n + 0.5)), dp = 0;
      for (int it = 0; it < 100; ++it) {
        double p0 = 1, p1 = z;
        for (int k = 2; k <= n; ++k) {
          const double p2 = ((2 * k - 1) * z * p1 - (k - 1) * p0) / k;
          p0 = p1, p1 = p2;
        }
        dp = n * (z * p1 - p0) / (z * z - 1);
        const double dz = p1 / dp;
        z -= dz;
        if (std::fabs(dz) < 1e-16) break;
      }
      x[i] = 0.5 * (1 - z);
      w[i] = 1.0 / ((1 - z * z) * dp * dp);  // 2/((1-z^2)p'^2), halved for [0, 1]
    }
  }
};

// Integral over the ball of radius r in n = 2..4 dimensions, Cartesian
// integrand, product Gauss rule in spherical coordinates (q points each).
inline double ball_reference(int n, double r, const Point& f, int q) {
  const GaussLegendre g(q);
  double total = 0, x[4];
  // Angles: the first n-2 in [0, pi], the last in [0, 2 pi].
  std::vector<int> idx(n, 0);
  const int count = static_cast<int>(std::pow(q, n));
  for (int c = 0; c < count; ++c) {
    int k = c;
    for (int i = 0; i < n; ++i) idx[i] = k % q, k /= q;
    const double rho = r * g.x[idx[0]];
    double w = r * g.w[idx[0]] * std::pow(rho, n - 1), s = 1;
    for (int i = 1; i < n; ++i) {
      const bool last = i == n - 1;
      const double span = last ? 2 * M_PI : M_PI;
      const double a = span * g.x[idx[i]];
      w *= span * g.w[idx[i]];
      x[i - 1] = rho * s * std::cos(a);
      if (!last) w *= std::pow(std::sin(a), n - 1 - i);
      s *= std::sin(a);
    }
    x[n - 1] = rho * s;
    total += w * f(x);
  }
  return total;
}

// Integral over the unit simplex (vertices 0, e_1, ..., e_n) by collapsed
// coordinates x_i = u_i prod_{j<i} (1 - u_j), q points each.
inline double simplex_reference(int n, const Point& f, int q) {
  const GaussLegendre g(q);
  double total = 0, x[8];
  std::vector<int> idx(n, 0);
  const int count = static_cast<int>(std::pow(q, n));
  for (int c = 0; c < count; ++c) {
    int k = c;
    for (int i = 0; i < n; ++i) idx[i] = k % q, k /= q;
    double rest = 1, w = 1;
    for (int i = 0; i < n; ++i) {
      const double u = g.x[idx[i]];
      x[i] = rest * u;
      w *= g.w[idx[i]] * rest;
      rest *= 1 - u;
    }
    total += w * f(x);
  }
  return total;
}

// One of Genz's families with random parameters: 0 oscillatory, 1 product
// peak, 2 Gaussian, 3 corner peak.  Centres lie in [-c, c]^n.
struct Genz {
  int family, n;
  double a[4], u[4];
  Genz(int family, int n, std::mt19937& gen, double c) : family(family), n(n) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int i = 0; i < n; ++i) {
      a[i] = 0.5 + unit(gen);
      u[i] = c * (2 * unit(gen) - 1);
    }
  }
  double operator()(const double* x) const {
    double s = 0, p = 1;
    switch (family) {
      case 0:
        for (int i = 0; i < n; ++i) s += a[i] * x[i];
        return std::cos(2 * M_PI * u[0] + s);
      case 1:
        for (int i = 0; i < n; ++i) p /= 1 / (a[i] * a[i]) + (x[i] - u[i]) * (x[i] - u[i]);
        return p;
      case 2:
        for (int i = 0; i < n; ++i) s += a[i] * a[i] * (x[i] - u[i]) * (x[i] - u[i]);
        return std::exp(-s);
      default:
        for (int i = 0; i < n; ++i) s += a[i] * (x[i] + 2);  // the corner at -2
        return std::pow(1 + s, -(n + 1));
    }
  }
};

}  // namespace kivtest
