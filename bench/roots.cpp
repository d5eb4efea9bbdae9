// Roots against peers, in one run:
//  - function evaluations to a bracket of width EPS max(1, |x|) on a
//    bracketing test set: C05AGF from a starting point (search and
//    narrowing, first step a tenth of the bracket) against Boost's
//    bracket_and_solve_root from the same point (factor 2),
//    and the library's narrowing alone (C05AZF) against Boost's
//    toms748_solve from the same bracket; printed as a table at exit, with
//    the time of each solve in the benchmark table;
//  - C02ALF per quartic against LAPACK dgeev on the same companion matrix.
#include <benchmark/benchmark.h>

#include <boost/math/tools/roots.hpp>
#include <boost/math/tools/toms748_solve.hpp>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "kiv2.h"
#include "roots/roots.hpp"

extern "C" void dgeev_(const char* jobvl, const char* jobvr, const int* n, double* a,
                       const int* lda, double* wr, double* wi, double* vl, const int* ldvl,
                       double* vr, const int* ldvr, double* work, const int* lwork, int* info,
                       std::size_t, std::size_t);

namespace {

constexpr double kEpsTol = 1e-10;

struct Problem {
  const char* name;
  double (*f)(double);
  double lo, hi;  // a bracket
  double guess;   // starting point, inside the bracket
  bool rising;    // f increases through the zero (Boost needs to know)
};

// After Alefeld, Potra and Shi: simple and multiple zeros, exponentials,
// trigonometric, steep and flat functions.
const Problem kProblems[] = {
    {"sin(x)-x/2", [](double x) { return std::sin(x) - x / 2; }, 1.5707963267948966,
     3.141592653589793, 1.6, false},
    {"x^3-2x-5", [](double x) { return (x * x - 2) * x - 5; }, 2, 3, 2.5, true},
    {"(x-1)^3", [](double x) { return (x - 1) * (x - 1) * (x - 1); }, 0, 1.5, 0.3, true},
    {"xe^x-1", [](double x) { return x * std::exp(x) - 1; }, 0, 1, 0.3, true},
    {"e^x-2", [](double x) { return std::exp(x) - 2; }, 0, 1, 0.1, true},
    {"cos(x)-x", [](double x) { return std::cos(x) - x; }, 0, 1, 0.1, false},
    {"(20x-1)/19x", [](double x) { return (20 * x - 1) / (19 * x); }, 0.01, 1, 0.3, true},
    {"x^20-1", [](double x) { return std::pow(x, 20) - 1; }, 0, 5, 0.3, true},
    {"e^-20x(x-1)+x^20", [](double x) { return std::exp(-20 * x) * (x - 1) + std::pow(x, 20); },
     0, 1, 0.1, true},
    {"tanh(50(x-.3))", [](double x) { return std::tanh(50 * (x - 0.3)); }, 0, 1, 0.1, true},
    {"2xe^-5+1-2e^-5x", [](double x) { return 2 * x * std::exp(-5.0) + 1 - 2 * std::exp(-5 * x); },
     0, 1, 0.05, true},
    {"(x-1)e^-x", [](double x) { return (x - 1) * std::exp(-x); }, 0, 1.5, 0.3, true},
    {"x^2(x^2/3+r2 sin x)-r3/18",
     [](double x) { return x * x * (x * x / 3 + std::sqrt(2.0) * std::sin(x)) - std::sqrt(3.0) / 18; },
     0.1, 1, 0.2, true},
    {"x^5-0.5", [](double x) { return std::pow(x, 5) - 0.5; }, 0, 1, 0.2, true},
};

// Evaluation counts per solver and problem, printed at exit.
struct Table {
  std::map<std::string, std::map<std::string, long>> evals;  // solver -> problem -> count
  std::vector<std::string> solvers;

  void record(const std::string& solver, const std::string& problem, long n) {
    if (evals.count(solver) == 0) solvers.push_back(solver);
    evals[solver][problem] = n;
  }
  ~Table() {
    if (solvers.empty()) return;
    std::printf("\nFunction evaluations to a bracket of width %.0e max(1,|x|)\n", kEpsTol);
    std::printf("%-28s", "problem");
    for (const auto& s : solvers) std::printf(" %14s", s.c_str());
    std::printf("\n");
    std::map<std::string, long> total;
    for (const Problem& p : kProblems) {
      std::printf("%-28s", p.name);
      for (const auto& s : solvers) {
        const auto it = evals[s].find(p.name);
        const long n = it == evals[s].end() ? -1 : it->second;
        total[s] += n;
        std::printf(" %14ld", n);
      }
      std::printf("\n");
    }
    std::printf("%-28s", "total");
    for (const auto& s : solvers) std::printf(" %14ld", total[s]);
    std::printf("\n");
  }
} g_table;

struct Counted {
  double (*f)(double);
  long* n;
  double operator()(double x) const {
    ++*n;
    return f(x);
  }
};

double KIV_CALL callback(const double* x, void* f, void* count) {
  ++*static_cast<long*>(count);
  return reinterpret_cast<double (*)(double)>(f)(*x);
}

// The stopping rule of the library's narrowing, for the peers.
bool narrow_enough(double a, double b) {
  return std::fabs(b - a) <= kEpsTol * std::fmax(1.0, std::fmin(std::fabs(a), std::fabs(b)));
}

long kiv_direct(const Problem& p) {
  long n = 0;
  double x = p.guess, a, b;
  int ifail = 1;
  char record[KIV2_RECORD_LEN + 1];
  // The first step a tenth of the bracket: the scale of the problem.
  C05AGF(&x, 0.1 * (p.hi - p.lo), kEpsTol, 0.0, callback, nullptr, &a, &b,
         reinterpret_cast<void*>(p.f), &n, record, &ifail, KIV2_RECORD_LEN);
  return ifail == 0 ? n : -1000 - ifail;
}

long kiv_bracket(const Problem& p) {
  long n = 0;
  double x = p.lo, y = p.hi, fx = 0, c[17];
  int ind = 1, ifail = 1;
  char record[KIV2_RECORD_LEN + 1];
  for (;;) {
    C05AZF(&x, &y, fx, kEpsTol, 0, c, &ind, record, &ifail, KIV2_RECORD_LEN);
    if (ind == 0) break;
    fx = p.f(x);
    ++n;
  }
  return ifail == 0 ? n : -1000 - ifail;
}

long boost_toms748(const Problem& p) {
  long n = 0;
  std::uintmax_t iters = 200;
  try {
    boost::math::tools::toms748_solve(Counted{p.f, &n}, p.lo, p.hi, narrow_enough, iters);
  } catch (const std::exception&) {
    return -1;
  }
  return n;
}

long boost_bracket_and_solve(const Problem& p) {
  long n = 0;
  std::uintmax_t iters = 200;
  try {
    boost::math::tools::bracket_and_solve_root(Counted{p.f, &n}, p.guess, 2.0, p.rising,
                                               narrow_enough, iters);
  } catch (const std::exception&) {
    return -1;
  }
  return n;
}

void solve(benchmark::State& state, const char* solver, long (*run)(const Problem&),
           const Problem& p) {
  long n = 0;
  for (auto _ : state) benchmark::DoNotOptimize(n = run(p));
  state.counters["evals"] = static_cast<double>(n);
  g_table.record(solver, p.name, n);
}

// ---- quartics ----------------------------------------------------------------

struct Quartics {
  std::vector<double> coef;  // 5 per quartic, E first
  Quartics() {
    std::mt19937 gen(4);
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    coef.resize(5 * 64);
    for (double& c : coef) c = u(gen);
  }
} const g_quartics;

void kiv_quartic(benchmark::State& state) {
  double zr[4], zi[4], zerr[4];
  char record[KIV2_RECORD_LEN + 1];
  std::size_t i = 0;
  for (auto _ : state) {
    const double* q = &g_quartics.coef[5 * (i++ % 64)];
    int ifail = 1;
    C02ALF(q[0], q[1], q[2], q[3], q[4], zr, zi, zerr, record, &ifail, KIV2_RECORD_LEN);
    benchmark::DoNotOptimize(zerr);
  }
}

void lapack_quartic(benchmark::State& state) {
  double zr[4], zi[4], work[64], vl[1], vr[1];
  const int n = 4, one = 1, lwork = 64;
  std::size_t i = 0;
  for (auto _ : state) {
    const double* q = &g_quartics.coef[5 * (i++ % 64)];
    // The same companion matrix C02ALF forms.
    double h[16] = {0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1,
                    -q[4] / q[0], -q[3] / q[0], -q[2] / q[0], -q[1] / q[0]};
    int info = 0;
    dgeev_("N", "N", &n, h, &n, zr, zi, vl, &one, vr, &one, work, &lwork, &info, 1, 1);
    benchmark::DoNotOptimize(zr);
  }
}

int register_all() {
  for (const Problem& p : kProblems) {
    const std::string name = p.name;
    benchmark::RegisterBenchmark(("kiv/direct/" + name).c_str(), solve, "C05AGF", kiv_direct, p);
    benchmark::RegisterBenchmark(("boost_bracket_and_solve/direct/" + name).c_str(), solve,
                                 "bracket+solve", boost_bracket_and_solve, p);
    benchmark::RegisterBenchmark(("kiv/bracket/" + name).c_str(), solve, "C05AZF", kiv_bracket, p);
    benchmark::RegisterBenchmark(("boost_toms748/bracket/" + name).c_str(), solve, "toms748",
                                 boost_toms748, p);
  }
  benchmark::RegisterBenchmark("kiv/quartic", kiv_quartic);
  benchmark::RegisterBenchmark("dgeev/quartic", lapack_quartic);
  return 0;
}
const int g_registered = register_all();

}  // namespace
