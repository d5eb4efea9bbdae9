// Zero of a continuous function: the interval search and bracket narrowing
// protocols, and the direct driver with its host callback.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "../sorting/report.hpp"
#include "kiv2.h"
#include "roots/roots.hpp"

namespace {

using kivtest::report;
using Fn = std::function<double(double)>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
const double kPoison = -2139062144.0;

// ---- C05AVF ----------------------------------------------------------------

struct SearchRun {
  int ifail = -99;
  double x = 0, y = 0;
  std::vector<double> evaluated;  // every X the caller was asked about
  double c[11] = {};
};

// Runs the search to its end the way a caller does, IND = 1 first.
SearchRun search(const Fn& f, double x, double h, double lo, double hi) {
  SearchRun r;
  r.x = x;
  int ind = 1;
  double fx = 0;
  char record[KIV2_RECORD_LEN + 1];
  for (int calls = 0; calls < 200; ++calls) {
    r.ifail = 1;
    C05AVF(&r.x, fx, &h, lo, hi, &r.y, r.c, &ind, record, &r.ifail, KIV2_RECORD_LEN);
    if (ind == 0) break;
    EXPECT_TRUE(ind == 2 || ind == 3) << ind;
    EXPECT_EQ(ind == 2, r.evaluated.empty());  // 2 asks for the start only
    r.evaluated.push_back(r.x);
    fx = f(r.x);
  }
  EXPECT_EQ(ind, 0);
  return r;
}

TEST(IntervalSearch, StepsDoubleWhileTheFunctionFallsAndStopAtTheSignChange) {
  // f(0) = -2.5, f(1) = -1.5 (better: H doubles), f(3) = 0.5 (sign change);
  // the tracked point nearer to 3 is 1.
  const SearchRun r = search([](double x) { return x - 2.5; }, 0.0, 1.0, -10.0, 10.0);
  EXPECT_EQ(r.ifail, 0);
  EXPECT_EQ(r.evaluated, (std::vector<double>{0.0, 1.0, 3.0}));
  EXPECT_EQ(r.x, 3.0);
  EXPECT_EQ(r.y, 1.0);
  EXPECT_EQ(r.c[0], -1.5);  // f(Y), where the bracket narrowing looks for it
}

TEST(IntervalSearch, AStepPastABoundIsClippedAndEvaluatedThere) {
  // From X = BOUNDL the steps go inward: 0, 1, 3, then 7 is clipped to 5.
  const SearchRun r = search([](double x) { return x - 4.9; }, 0.0, 1.0, 0.0, 5.0);
  EXPECT_EQ(r.ifail, 0);
  EXPECT_EQ(r.evaluated, (std::vector<double>{0.0, 1.0, 3.0, 5.0}));
  EXPECT_EQ(r.x, 5.0);
  EXPECT_EQ(r.y, 3.0);
}

TEST(IntervalSearch, ThreeRestartsWithoutASignChangeFail) {
  // f grows away from X0 = BOUNDL: the walk turns back and reaches BOUNDL
  // again, which restarts it with H = -0.1 H0 (reversed inward), 0.01 H0,
  // -0.001 H0; the fourth arrival fails with the extreme points of the
  // last walk.
  const SearchRun r = search([](double x) { return x + 1.0; }, 0.0, 1.0, 0.0, 5.0);
  EXPECT_EQ(r.ifail, 4);
  ASSERT_EQ(r.evaluated.size(), 5u);
  const double expected[] = {0.0, 1.0, 0.1, 0.01, 0.001};
  for (int i = 0; i < 5; ++i) EXPECT_NEAR(r.evaluated[i], expected[i], 1e-15) << i;
  EXPECT_EQ(r.x, 0.0);
  EXPECT_NEAR(r.y, 0.001, 1e-15);
  EXPECT_EQ(r.c[5], 3.0);  // restart count
}

TEST(IntervalSearch, DamagedRestartCountEndsTheSearch) {
  // f(x) = x + 1 from BOUNDL = 0: the walk goes to 1, turns back, is
  // clipped at 0 and restarts, reading the count from C(6).  A count that
  // is not 0, 1 or 2 must end the search, not let it restart for ever.
  for (double damaged : {-kInf, kNaN, -1e300, 0.5, 7.0}) {
    double x = 0, h = 1, y = 0, c[11] = {};
    int ind = 1, ifail = 1;
    char record[KIV2_RECORD_LEN + 1];
    for (int call = 0; call < 3; ++call) {
      if (call == 2) c[5] = damaged;
      ifail = 1;
      C05AVF(&x, x + 1.0, &h, 0.0, 5.0, &y, c, &ind, record, &ifail, KIV2_RECORD_LEN);
    }
    EXPECT_EQ(ifail, 4) << damaged;
    EXPECT_EQ(ind, 0) << damaged;
  }
}

TEST(IntervalSearch, AnExactZeroEndsTheSearchAtOnce) {
  const SearchRun r = search([](double x) { return x - 3.0; }, 0.0, 1.0, -10.0, 10.0);
  EXPECT_EQ(r.ifail, 0);
  EXPECT_EQ(r.evaluated, (std::vector<double>{0.0, 1.0, 3.0}));
  EXPECT_EQ(r.x, 3.0);
  EXPECT_EQ(r.y, 3.0);
}

TEST(IntervalSearch, ValueSuppliedWithTheFirstCall) {
  double x = 0, h = 1, y = 0, c[11];
  int ind = -1, ifail = 1;
  char record[KIV2_RECORD_LEN + 1];
  C05AVF(&x, -2.5, &h, -10, 10, &y, c, &ind, record, &ifail, KIV2_RECORD_LEN);
  EXPECT_EQ(ifail, 0);
  EXPECT_EQ(ind, 3);
  EXPECT_EQ(x, 1.0);
}

TEST(IntervalSearch, Failures) {
  struct Case {
    double x, fx, h, lo, hi;
    int ind, ierr;
    const char* lines;
  };
  const Case cases[] = {
      {0, 0, 1, 1, 1, 1, 1,
       " ** On entry, BOUNDU .le. BOUNDL:\n    BOUNDL =  1.0000e+00 BOUNDU =  1.0000e+00.\n"},
      {0, 0, 1, kNaN, 1, 1, 1,
       " ** On entry, BOUNDU .le. BOUNDL:\n    BOUNDL =         nan BOUNDU =  1.0000e+00.\n"},
      {2, 0, 1, 0, 1, -1, 1,
       " ** On entry, X .lt. BOUNDL or X .gt. BOUNDU:\n"
       "    X =  2.0000e+00 BOUNDL =  0.0000e+00 BOUNDU =  1.0000e+00.\n"},
      {1, 0, 1e-20, 0, 2, 1, 2,
       " ** On entry, H is too small for use as a perturbation of X.\n"
       "    X =  1.0000e+00 H =    1.000000e-20.\n"},
      {0.5, 0, 3, 0, 1, 1, 1,
       " ** On entry, X+H and X-H both lie outside the interval [BOUNDL,BOUNDU]:\n"
       "    X      =  5.0000e-01 H      =    3.000000e+00\n"
       "    BOUNDL =  0.0000e+00 BOUNDU =  1.0000e+00.\n"},
      {0, 0, 1, 0, 1, 0, 3, " ** On entry, IND is not equal to -1, 1, 2, or 3: IND =               0.\n"},
      {0, kNaN, 1, 0, 1, -1, 5, " ** On entry, FX is not a number (NaN): X =  0.0000e+00.\n"},
  };
  for (const Case& k : cases) {
    double x = k.x, h = k.h, y = -7, c[11] = {};
    int ind = k.ind;
    const auto r = report([&](char* rec, int* ifail) {
      C05AVF(&x, k.fx, &h, k.lo, k.hi, &y, c, &ind, rec, ifail, KIV2_RECORD_LEN);
    });
    EXPECT_EQ(r.ifail, k.ierr) << k.lines;
    EXPECT_EQ(r.lines, k.lines);
    EXPECT_EQ(ind, 0);
    EXPECT_EQ(r.record.rfind("C05AVF", 0), 0u) << r.record;
  }
}

TEST(IntervalSearch, HostWrapperFindsTheSameInterval) {
  auto wrapper = reinterpret_cast<int(KIV_CALL*)(double*, const double*, double*, const double*,
                                                 const double*, double*, double*, int*, int*)>(
      kiv2_entry("_q25440@36"));
  ASSERT_NE(wrapper, nullptr);
  double x = 0, fx = 0, h = 1, lo = -10, hi = 10, y = 0, c[11];
  int ind = 1, ifail = 0;
  while (true) {
    wrapper(&x, &fx, &h, &lo, &hi, &y, c, &ind, &ifail);
    if (ind == 0) break;
    fx = x - 2.5;
  }
  EXPECT_EQ(ifail, 0);
  EXPECT_EQ(x, 3.0);
  EXPECT_EQ(y, 1.0);
}

// ---- C05AZF ----------------------------------------------------------------

struct BracketRun {
  int ifail = -99;
  double x = 0, y = 0;
  int evaluations = 0;
  std::vector<int> inds;  // the request codes, in order
};

BracketRun narrow(const Fn& f, double x, double y, double tolx, int ir) {
  BracketRun r;
  r.x = x;
  r.y = y;
  double c[17] = {}, fx = 0;
  int ind = 1;
  char record[KIV2_RECORD_LEN + 1];
  for (int calls = 0; calls < 500; ++calls) {
    r.ifail = 1;
    C05AZF(&r.x, &r.y, fx, tolx, ir, c, &ind, record, &r.ifail, KIV2_RECORD_LEN);
    r.inds.push_back(ind);
    if (ind == 0) break;
    fx = f(r.x);
    ++r.evaluations;
  }
  EXPECT_EQ(ind, 0);
  return r;
}

TEST(BracketNarrowing, AsksForBothEndsThenForIterates) {
  const BracketRun r = narrow([](double x) { return std::exp(x) - 2.0; }, 0.0, 2.0, 1e-10, 0);
  ASSERT_EQ(r.ifail, 0);
  ASSERT_GE(r.inds.size(), 4u);
  EXPECT_EQ(r.inds[0], 2);
  EXPECT_EQ(r.inds[1], 3);
  for (std::size_t i = 2; i + 1 < r.inds.size(); ++i) EXPECT_EQ(r.inds[i], 4);
  EXPECT_LE(std::fabs(r.x - r.y), 1e-10);
  EXPECT_LE(std::fmin(r.x, r.y), std::log(2.0));
  EXPECT_GE(std::fmax(r.x, r.y), std::log(2.0));
}

TEST(BracketNarrowing, ErrorTestFollowsIR) {
  // Each weight matters where the zero's magnitude is far from 1.
  struct Case {
    int ir;
    double root, lo, hi, width;  // width: the bound on |X - Y|
  };
  const Case cases[] = {
      {0, 1000.3, 0, 2000, 1e-6 * 1000.3},  // mixed: relative beyond 1
      {0, 1e-3, 0, 1, 1e-6},                // mixed: absolute below 1
      {1, 1000.3, 0, 2000, 1e-6},           // absolute only
      {2, 1e-3, 1e-4, 1, 1e-6 * 1e-3},      // relative only
  };
  for (const Case& k : cases) {
    const double root = k.root;
    const BracketRun r =
        narrow([root](double x) { return std::atan(x - root) + 0.1 * (x - root); }, k.lo, k.hi,
               1e-6, k.ir);
    EXPECT_EQ(r.ifail, 0) << k.ir;
    EXPECT_LE(std::fabs(r.x - r.y), k.width * (1 + 1e-9)) << k.ir << " " << k.root;
    EXPECT_LE(std::fmin(r.x, r.y), root);
    EXPECT_GE(std::fmax(r.x, r.y), root);
  }
}

TEST(BracketNarrowing, ExactZeroAtAnyEvaluationEndsAtOnce) {
  // First end, second end, and an iterate (the linear step of a line).
  for (double lo : {1.0, 0.0}) {
    const BracketRun r = narrow([](double x) { return x - 1.0; }, lo, lo == 1.0 ? 3.0 : 1.0,
                                1e-12, 0);
    EXPECT_EQ(r.ifail, 0);
    EXPECT_EQ(r.x, 1.0);
    EXPECT_EQ(r.y, 1.0);
  }
  const BracketRun r = narrow([](double x) { return 2.0 * x - 1.0; }, 0.0, 2.0, 1e-12, 0);
  EXPECT_EQ(r.ifail, 0);
  EXPECT_EQ(r.x, 0.5);
  EXPECT_EQ(r.y, 0.5);
  EXPECT_EQ(r.evaluations, 3);
}

TEST(BracketNarrowing, PoleIsReportedNotAZero) {
  const double pole = std::sqrt(2.0);
  const BracketRun r = narrow([pole](double x) { return 1.0 / (x - pole); }, 1.0, 2.0, 1e-10, 0);
  EXPECT_EQ(r.ifail, 4);
  EXPECT_NEAR(r.x, pole, 1e-8);
}

TEST(BracketNarrowing, RelativeTestAtTheOriginCannotConverge) {
  // b = 0 (the smaller |f|) with IR = 2: tol = 0, IERR 5 instead of a
  // convergence that cannot come.
  const BracketRun r = narrow([](double x) { return x - 1e-310; }, 0.0, 1.0, 1e-8, 2);
  EXPECT_EQ(r.ifail, 5);
  EXPECT_EQ(r.x, 0.0);
}

TEST(BracketNarrowing, Failures) {
  struct Case {
    double fx, tolx;
    int ir, ind;
    double fy;
    int ierr;
    const char* lines;
  };
  const Case cases[] = {
      {0, 1e-6, 0, 5, 0, 2, " ** On entry, IND .ne. -1, 1, 2, 3, or 4: IND =               5.\n"},
      {0, 0.0, 0, 1, 0, 3, " ** On entry, TOLX .le. 0.0: TOLX =  0.0000e+00.\n"},
      {0, kNaN, 0, 1, 0, 3, " ** On entry, TOLX .le. 0.0: TOLX =         nan.\n"},
      {0, 1e-6, 3, 1, 0, 3, " ** On entry, IR .ne. 0, 1, or 2: IR =               3.\n"},
      {1.0, 1e-6, 0, -1, 2.0, 1,
       " ** On entry, f(X) and f(Y) have the same sign with f(X) .ne. 0.0.\n"},
      {kNaN, 1e-6, 0, -1, 2.0, 6, " ** On entry, FX is not a number (NaN): X =  1.0000e+00.\n"},
      {1.0, 1e-20, 0, -1, -1.0, 5,
       " ** The tolerance TOLX has been set too small for the problem\n"
       "    being solved. However, the values X and Y returned may well\n"
       "    be good approximations to the zero.\n    TOLX =  1.0000e-20.\n"},
  };
  for (const Case& k : cases) {
    // The bracket [1, 1 + 2^-52]: as narrow as the arithmetic allows.
    double x = 1, y = std::nextafter(1.0, 2.0), c[17] = {k.fy};
    int ind = k.ind;
    const auto r = report([&](char* rec, int* ifail) {
      C05AZF(&x, &y, k.fx, k.tolx, k.ir, c, &ind, rec, ifail, KIV2_RECORD_LEN);
    });
    EXPECT_EQ(r.ifail, k.ierr) << k.lines;
    EXPECT_EQ(r.lines, k.lines);
    EXPECT_EQ(ind, 0);
  }
}

// ---- C05AGF ----------------------------------------------------------------

// What a callback sees: the test's function, a count and the user words.
struct Context {
  Fn f;
  int calls = 0;
  void* second = nullptr;  // the second user word, as it arrived
};

double KIV_CALL trampoline(const double* x, void* user1, void* user2) {
  Context* ctx = static_cast<Context*>(user1);
  ++ctx->calls;
  ctx->second = user2;
  return ctx->f(*x);
}

using HostC05agf = int(KIV_CALL*)(double*, const double*, const double*, const double*,
                                  kiv2_fun1, double*, double*, void*, void*, int*);

HostC05agf host_c05agf() { return reinterpret_cast<HostC05agf>(kiv2_entry("_q27089@40")); }

struct Solve {
  int ifail = -99;
  double x = 0, a = 0, b = 0;
  int calls = 0;
};

Solve solve(const Fn& f, double x, double h, double eps, double eta) {
  Context ctx{f};
  Solve s;
  s.x = x;
  s.ifail = 1;
  host_c05agf()(&s.x, &h, &eps, &eta, trampoline, &s.a, &s.b, &ctx,
                reinterpret_cast<void*>(0x5eed), &s.ifail);
  s.calls = ctx.calls;
  if (ctx.calls > 0) {
    EXPECT_EQ(ctx.second, reinterpret_cast<void*>(0x5eed));
  }
  return s;
}

struct Problem {
  const char* name;
  Fn f;
  double x, h;
  double root;  // NaN: no closed form, checked by the sign change alone
};

// A bracketing test set: simple and multiple polynomial zeros, exp and
// trigonometric functions, steep and flat ones (after Alefeld, Potra and Shi).
std::vector<Problem> problems() {
  return {
      {"sin(x) - x/2", [](double x) { return std::sin(x) - x / 2; }, 1.6, 0.2, kNaN},
      {"x^3 - 2x - 5", [](double x) { return (x * x - 2) * x - 5; }, 1.0, 0.5, kNaN},
      {"(x - 1)^3", [](double x) { return (x - 1) * (x - 1) * (x - 1); }, 0.3, 0.1, 1.0},
      {"x e^x - 1", [](double x) { return x * std::exp(x) - 1; }, -1.0, 0.3, kNaN},
      {"e^x - 2", [](double x) { return std::exp(x) - 2; }, 0.0, 0.1, std::log(2.0)},
      {"cos(x) - x", [](double x) { return std::cos(x) - x; }, 0.0, 0.1, kNaN},
      {"x^2 - 2", [](double x) { return x * x - 2; }, 1.0, 0.1, std::sqrt(2.0)},
      {"20x - 1 over 19x", [](double x) { return (20 * x - 1) / (19 * x); }, 0.3, 0.05, 0.05},
      {"x^20 - 1", [](double x) { return std::pow(x, 20) - 1; }, 0.0, 0.1, 1.0},
      {"e^(-20x)(x - 1) + x^20",
       [](double x) { return std::exp(-20 * x) * (x - 1) + std::pow(x, 20); }, 0.0, 0.1, kNaN},
      {"tanh(50(x - 0.3))", [](double x) { return std::tanh(50 * (x - 0.3)); }, 0.0, 0.05, kNaN},
      {"2x e^-5 + 1 - 2 e^-5x",
       [](double x) { return 2 * x * std::exp(-5.0) + 1 - 2 * std::exp(-5 * x); }, 0.0, 0.1,
       kNaN},
      {"x^9", [](double x) { return std::pow(x, 9); }, -1.0, 0.2, 0.0},
      {"(x - 1) e^-x", [](double x) { return (x - 1) * std::exp(-x); }, -3.0, 0.5, 1.0},
  };
}

TEST(DirectZero, ReachesEpsOnTheTestSet) {
  for (const double eps : {1e-6, 1e-12}) {
    for (const Problem& p : problems()) {
      const Solve s = solve(p.f, p.x, p.h, eps, 0.0);
      ASSERT_EQ(s.ifail, 0) << p.name;
      EXPECT_LE(s.a, s.b) << p.name;
      EXPECT_LE(s.a, s.x) << p.name;
      EXPECT_GE(s.b, s.x) << p.name;
      // The zero lies within EPS max(1, |X|) of X: the function changes
      // sign across that neighbourhood (or vanishes in it).
      const double d = eps * std::fmax(1.0, std::fabs(s.x)) * 1.001;
      EXPECT_LE(p.f(s.x - d) * p.f(s.x + d), 0.0) << p.name << " x = " << s.x;
      if (!std::isnan(p.root)) {
        EXPECT_LE(std::fabs(s.x - p.root), d) << p.name;
      }
      EXPECT_LT(s.calls, 200) << p.name;
    }
  }
}

TEST(DirectZero, SmallValueAtTheStartReturnsAtOnce) {
  const Solve s = solve([](double x) { return x - 1.0; }, 1.0 + 1e-9, 0.1, 1e-12, 1e-6);
  EXPECT_EQ(s.ifail, 0);
  EXPECT_EQ(s.calls, 1);
  EXPECT_EQ(s.a, 1.0 + 1e-9);
  EXPECT_EQ(s.b, 1.0 + 1e-9);
}

TEST(DirectZero, EtaStopsOnTheFunctionValue) {
  // A flat function: |f| < ETA is met long before the bracket is narrow.
  const auto f = [](double x) { return 1e-8 * (x - 0.7); };
  const Solve loose = solve(f, 0.0, 0.1, 1e-14, 1e-9);
  EXPECT_EQ(loose.ifail, 0);
  EXPECT_LT(std::fabs(f(loose.x)), 1e-9);
  EXPECT_EQ(loose.a, loose.x);
  EXPECT_EQ(loose.b, loose.x);
  const Solve exact = solve(f, 0.0, 0.1, 1e-14, 0.0);
  EXPECT_EQ(exact.ifail, 0);
  EXPECT_NEAR(exact.x, 0.7, 1e-13);
}

TEST(DirectZero, ExactZeroMetByTheSearch) {
  const Solve s = solve([](double x) { return x - 0.5; }, 0.0, 0.25, 1e-12, 0.0);
  EXPECT_EQ(s.ifail, 0);
  EXPECT_EQ(s.x, 0.5);
  EXPECT_EQ(s.a, 0.5);
  EXPECT_EQ(s.b, 0.5);
}

struct Seen {
  void* w1 = nullptr;
  void* w2 = nullptr;
  int calls = 0;
} g_seen;

double KIV_CALL record_words(const double* x, void* w1, void* w2) {
  g_seen.w1 = w1;
  g_seen.w2 = w2;
  ++g_seen.calls;
  return *x * *x - 3.0;
}

double KIV_CALL infinite(const double*, void*, void*) { return kInf; }

TEST(DirectZero, UserWordsArriveUnchanged) {
  // Both words arrive bit for bit, whatever their bits.
  g_seen = {};
  void* w1 = reinterpret_cast<void*>(~std::uintptr_t{0} - 0x10);
  void* w2 = reinterpret_cast<void*>(std::uintptr_t{0x80000001u});
  double x = 1, h = 0.1, eps = 1e-12, eta = 0, a, b;
  int ifail = 0;
  host_c05agf()(&x, &h, &eps, &eta, record_words, &a, &b, w1, w2, &ifail);
  EXPECT_EQ(ifail, 0);
  EXPECT_NEAR(x, std::sqrt(3.0), 1e-11);
  EXPECT_GT(g_seen.calls, 2);
  EXPECT_EQ(g_seen.w1, w1);
  EXPECT_EQ(g_seen.w2, w2);
}

TEST(DirectZero, NonFiniteValuesFailClearly) {
  struct Case {
    const char* name;
    Fn f;
  };
  const Case cases[] = {
      {"NaN at once", [](double) { return kNaN; }},
      {"infinity at once", [](double) { return kInf; }},
      {"NaN during the search", [](double x) { return x < 1.05 ? x - 5 : kNaN; }},
      {"NaN while narrowing", [](double x) { return x > 1.4 && x < 1.6 ? kNaN : x - 1.5; }},
      {"pole hit exactly", [](double x) { return 1.0 / (x - 1.25); }},
  };
  for (const Case& k : cases) {
    const Solve s = solve(k.f, 1.0, 0.25, 1e-10, 0.0);
    EXPECT_EQ(s.ifail, 7) << k.name;
    EXPECT_FALSE(std::isfinite(k.f(s.x))) << k.name;
    EXPECT_LT(s.calls, 50) << k.name;
  }
  const auto r = report([](char* rec, int* ifail) {
    double x = 2, a, b;
    C05AGF(&x, 1, 1e-8, 0, infinite, nullptr,
           &a, &b, nullptr, nullptr, rec, ifail, KIV2_RECORD_LEN);
  });
  EXPECT_EQ(r.ifail, 7);
  EXPECT_EQ(r.lines,
            " ** The function returned a value that is not finite:\n"
            "    F(X) =         inf at X =  2.0000e+00.\n");
}

TEST(DirectZero, Failures) {
  struct Case {
    const char* name;
    Fn f;
    double x, h, eps;
    int ierr;
    const char* lines;
  };
  const double pole = std::sqrt(2.0);
  const Case cases[] = {
      {"EPS", [](double x) { return x; }, 1, 1, 0.0, 1,
       " ** On entry, EPS .le. 0.0: EPS =  0.0000e+00.\n"},
      {"X+H", [](double x) { return x; }, 1, 1e-20, 1e-8, 1,
       " ** On entry, X+H .eq. X:\n    X =  1.0000e+00 H =  1.0000e-20.\n"},
      {"X not finite", [](double x) { return x; }, kNaN, 1, 1e-8, 1,
       " ** On entry, X or H is not finite:\n    X =         nan H =  1.0000e+00.\n"},
      {"no sign change", [](double x) { return x * x + 1; }, 0.5, 0.1, 1e-8, 2,
       " ** An interval containing the zero could not be found.\n"},
      {"pole", [pole](double x) { return 1 / (x - pole); }, 1.0, 0.5, 1e-10, 3,
       " ** Solution may be a pole rather than a zero.\n"},
      {"EPS too small", [](double x) { return x * x - 2; }, 1.0, 0.3, 1e-20, 4,
       " ** The tolerance EPS has been set too small for the problem\n"
       "    being solved. However, the value X returned may well\n"
       "    be a good approximation to the zero.\n    EPS =  1.0000e-20.\n"},
  };
  for (const Case& k : cases) {
    Context ctx{k.f};
    double x = k.x, a = kPoison, b = kPoison;
    const auto r = report([&](char* rec, int* ifail) {
      C05AGF(&x, k.h, k.eps, 0.0, trampoline, &CALLBACK_X, &a, &b, &ctx, nullptr, rec, ifail,
             KIV2_RECORD_LEN);
    });
    EXPECT_EQ(r.ifail, k.ierr) << k.name;
    EXPECT_EQ(r.lines, k.lines) << k.name;
    if (k.ierr == 1) {
      EXPECT_EQ(ctx.calls, 0) << k.name;
      EXPECT_EQ(a, kPoison);
    } else {
      EXPECT_LE(a, b) << k.name;
    }
  }
}

TEST(DirectZero, NoSignChangeReturnsTheExtremePointsThroughTheWrapper) {
  const Solve s = solve([](double x) { return x * x + 1; }, 0.5, 0.1, 1e-8, 0.0);
  EXPECT_EQ(s.ifail, 2);
  EXPECT_LT(s.a, s.b);
  EXPECT_GE(s.a, 0.5 - 25.6);
  EXPECT_LE(s.b, 0.5 + 25.6);
}

TEST(DirectZero, ArgumentErrorLeavesOutputsPoisoned) {
  Context ctx{[](double x) { return x; }};
  double x = 1, h = 1, eps = -1, eta = 0, a = 0, b = 0;
  int ifail = 1;
  host_c05agf()(&x, &h, &eps, &eta, trampoline, &a, &b, &ctx, nullptr, &ifail);
  EXPECT_EQ(ifail, 1);
  EXPECT_EQ(a, kPoison);
  EXPECT_EQ(b, kPoison);
}

}  // namespace
