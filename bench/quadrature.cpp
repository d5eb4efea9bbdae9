// Quadrature against plain Monte Carlo and product Gauss-Legendre rules
// (spherical coordinates over the ball, collapsed coordinates over the
// simplex), at the same number of evaluations, on Genz's families
// (oscillatory, product peak, Gaussian, corner peak) in 2 to 4 dimensions.
// Printed at exit: D01JAF's evaluations and errors for relative accuracy
// 1e-6 and 1e-10, D01PAF's error against MAXORD, each beside the peers;
// the benchmark table times D01JAF beside the Gauss rule of the same size,
// and the library's own cost per evaluation with a trivial integrand.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "kiv2.h"
#include "tests/quadrature/reference.hpp"

namespace {

const char* const kFamily[4] = {"oscillatory", "product peak", "gaussian", "corner peak"};

double KIV_CALL genz(const int*, const double* x, void* g, void* calls) {
  ++*static_cast<long*>(calls);
  return (*static_cast<const kivtest::Genz*>(g))(x);
}

double KIV_CALL constant(const int*, const double*, void*, void*) { return 1.0; }

struct Case {
  int family, n;
  kivtest::Genz g;
  double exact_ball, exact_simplex;
};

std::vector<Case> make_cases() {
  std::mt19937 gen(5);
  std::vector<Case> cases;
  for (int n = 2; n <= 4; ++n)
    for (int family = 0; family < 4; ++family) {
      kivtest::Genz g(family, n, gen, 0.5);
      const kivtest::Point f = [&g](const double* x) { return g(x); };
      // The references: Gauss rules of far more points than any run below.
      cases.push_back({family, n, g, kivtest::ball_reference(n, 1.0, f, n == 4 ? 40 : 120),
                       kivtest::simplex_reference(n, f, n == 4 ? 40 : 120)});
    }
  return cases;
}

// Built before the tables below, so destroyed after them.
const std::vector<Case> g_cases = make_cases();
const std::vector<Case>& cases() { return g_cases; }

struct BallRun {
  double result, errest;
  int nfun, ifail;
};

BallRun d01jaf(const Case& c, double relacc) {
  BallRun r{};
  long calls = 0;
  char record[KIV2_RECORD_LEN + 1];
  r.ifail = 1;
  D01JAF(genz, nullptr, c.n, 1.0, 0.0, relacc, 0, 0, &r.result, &r.errest, &r.nfun,
         const_cast<kivtest::Genz*>(&c.g), &calls, record, &r.ifail, KIV2_RECORD_LEN);
  return r;
}

// Monte Carlo over the unit ball (rejection from the cube) with N points.
double monte_carlo_ball(const Case& c, long n_points) {
  std::mt19937_64 gen(99);
  std::uniform_real_distribution<double> u(-1.0, 1.0);
  double sum = 0, x[4];
  for (long k = 0; k < n_points;) {
    double q = 0;
    for (int i = 0; i < c.n; ++i) {
      x[i] = u(gen);
      q += x[i] * x[i];
    }
    if (q > 1) continue;
    sum += c.g(x);
    ++k;
  }
  return sum / n_points * std::pow(M_PI, 0.5 * c.n) / std::tgamma(0.5 * c.n + 1);
}

// Monte Carlo over the unit simplex (sorted uniforms give its points).
double monte_carlo_simplex(const Case& c, long n_points) {
  std::mt19937_64 gen(98);
  std::exponential_distribution<double> e(1.0);
  double sum = 0, x[5];
  for (long k = 0; k < n_points; ++k) {
    double total = 0;
    for (int i = 0; i <= c.n; ++i) total += (x[i] = e(gen));
    for (int i = 0; i < c.n; ++i) x[i] /= total;
    sum += c.g(x);
  }
  return sum / n_points / std::tgamma(c.n + 1.0);
}

// The Gauss rule with q points per coordinate and q^n <= N.
int points_per_coordinate(long n_points, int n) {
  int q = static_cast<int>(std::floor(std::pow(static_cast<double>(n_points), 1.0 / n)));
  while (std::pow(q + 1, n) <= n_points) ++q;
  return std::max(q, 1);
}

struct Tables {
  ~Tables() {
    if (!used) return;
    std::printf("\nD01JAF over the unit ball against Monte Carlo and the product Gauss rule in "
                "spherical coordinates at the same evaluations (absolute errors)\n");
    std::printf("%-13s %4s %8s %9s %5s %10s %10s %10s %10s\n", "family", "NDIM", "RELACC",
                "NFUN", "IFAIL", "D01JAF", "ERREST", "Gauss", "MC");
    for (const Case& c : cases())
      for (double relacc : {1e-6, 1e-10}) {
        const BallRun r = d01jaf(c, relacc);
        const kivtest::Point f = [&c](const double* x) { return c.g(x); };
        const double gauss = kivtest::ball_reference(c.n, 1.0, f, points_per_coordinate(r.nfun, c.n));
        const double mc = monte_carlo_ball(c, r.nfun);
        std::printf("%-13s %4d %8.0e %9d %5d %10.2e %10.2e %10.2e %10.2e\n", kFamily[c.family],
                    c.n, relacc, r.nfun, r.ifail, std::fabs(r.result - c.exact_ball), r.errest,
                    std::fabs(gauss - c.exact_ball), std::fabs(mc - c.exact_ball));
      }
    std::printf("\nD01PAF over the unit simplex: error against MAXORD, beside Monte Carlo and "
                "the collapsed Gauss rule at the same evaluations\n");
    std::printf("%-13s %4s %6s %9s %10s %10s %10s %10s\n", "family", "NDIM", "MAXORD", "evals",
                "D01PAF", "ERREST", "Gauss", "MC");
    for (const Case& c : cases()) {
      const int iv1 = c.n + 1, iv2 = 2 * c.n + 2;
      std::vector<double> vertex(iv1 * iv2, 0.0), values(8);
      for (int l = 0; l < c.n; ++l) vertex[l + l * iv1] = 1.0;
      int minord = 0;
      long calls = 0;
      for (int maxord = 1; maxord <= 8; ++maxord) {
        double errest = 0;
        int ifail = 1;
        char record[KIV2_RECORD_LEN + 1];
        D01PAF(c.n, vertex.data(), iv1, iv2, genz, nullptr, &minord, maxord, values.data(),
               &errest, const_cast<kivtest::Genz*>(&c.g), &calls, record, &ifail,
               KIV2_RECORD_LEN);
        if (maxord % 2 == 1 && maxord > 1) continue;
        const kivtest::Point f = [&c](const double* x) { return c.g(x); };
        const double gauss =
            kivtest::simplex_reference(c.n, f, points_per_coordinate(calls, c.n));
        const double mc = monte_carlo_simplex(c, calls);
        std::printf("%-13s %4d %6d %9ld %10.2e %10.2e %10.2e %10.2e\n", kFamily[c.family], c.n,
                    maxord, calls, std::fabs(values[maxord - 1] - c.exact_simplex), errest,
                    std::fabs(gauss - c.exact_simplex), std::fabs(mc - c.exact_simplex));
      }
    }
  }
  bool used = false;
} g_tables;

// Time of one D01JAF call beside the Gauss rule with as many points.
void kiv_ball(benchmark::State& state, const Case* c, double relacc) {
  g_tables.used = true;
  BallRun r{};
  for (auto _ : state) benchmark::DoNotOptimize(r = d01jaf(*c, relacc));
  state.counters["nfun"] = r.nfun;
  state.counters["ns/eval"] =
      benchmark::Counter(r.nfun, benchmark::Counter::kIsIterationInvariantRate |
                                     benchmark::Counter::kInvert);
}

void gauss_ball(benchmark::State& state, const Case* c, double relacc) {
  const int q = points_per_coordinate(d01jaf(*c, relacc).nfun, c->n);
  const kivtest::Point f = [c](const double* x) { return c->g(x); };
  for (auto _ : state) benchmark::DoNotOptimize(kivtest::ball_reference(c->n, 1.0, f, q));
  state.counters["nfun"] = std::pow(q, c->n);
}

// The library's own cost per evaluation: a constant integrand.
void kiv_overhead(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  double result, errest;
  int nfun = 0;
  char record[KIV2_RECORD_LEN + 1];
  for (auto _ : state) {
    int ifail = 1;
    D01JAF(constant, nullptr, n, 1.0, 0.0, 1e-10, 2, 0, &result, &errest, &nfun, nullptr,
           nullptr, record, &ifail, KIV2_RECORD_LEN);
  }
  state.counters["nfun"] = nfun;
  state.counters["ns/eval"] = benchmark::Counter(
      nfun, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

int register_all() {
  for (const Case& c : cases())
    for (double relacc : {1e-6, 1e-10}) {
      const std::string key = std::string(kFamily[c.family]) + "/" + std::to_string(c.n) +
                              (relacc == 1e-6 ? "/1e-6" : "/1e-10");
      benchmark::RegisterBenchmark(("kiv/ball/" + key).c_str(), kiv_ball, &c, relacc)
          ->Unit(benchmark::kMillisecond);
      benchmark::RegisterBenchmark(("gauss/ball/" + key).c_str(), gauss_ball, &c, relacc)
          ->Unit(benchmark::kMillisecond);
    }
  benchmark::RegisterBenchmark("kiv/overhead", kiv_overhead)->Arg(2)->Arg(3)->Arg(4)
      ->Unit(benchmark::kMillisecond);
  return 0;
}
const int g_registered = register_all();

}  // namespace
