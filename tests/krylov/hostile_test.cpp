// Hostile callers of the reverse-communication solvers: a state block
// damaged between calls, non-finite data, workspace sizes beyond the int
// range, and the final V of every way a solve can end.  Arrays are exact
// size (WORK of LWREQ, WGT of one element when unweighted), so that the
// sanitizer build sees any access outside them.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "problems.hpp"
#include "support/capture.hpp"

namespace krylovtest {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();


// A problem driven one call at a time with exact-size arrays.
struct Driver {
  using A = Api<double>;
  const Csr<double>& a = matrix();
  std::vector<double> b, u, v, work, w;
  int lwreq = 0, irevcm = 0, ifail = 0, products = 0;
  int nan_product = 0;  // answer this product (1-based) with NaN

  Driver(const Options& o, std::vector<double> rhs_, bool weighted = false) : b(std::move(rhs_)) {
    std::vector<double> probe(100);
    int f = 1;
    A::setup(o.method, o.precon, o.norm, o.weight, o.iterm, a.n, o.m, o.tol, o.maxitn, o.anorm,
             o.sigmax, o.monit, &lwreq, probe.data(), 100, &f);
    EXPECT_EQ(f, 0);
    work.assign(lwreq, 0.0);
    f = 1;
    A::setup(o.method, o.precon, o.norm, o.weight, o.iterm, a.n, o.m, o.tol, o.maxitn, o.anorm,
             o.sigmax, o.monit, &lwreq, work.data(), lwreq, &f);
    u.assign(a.n, 0.0);
    v = b;
    w.assign(weighted ? a.n : 1, 1.0);
  }
  int call() {
    ifail = 1;
    A::iterate(&irevcm, u.data(), v.data(), w.data(), work.data(), lwreq, &ifail);
    return irevcm;
  }
  void answer() {
    if (irevcm == 1 || irevcm == -1) {
      ++products;
      if (irevcm == 1) a.apply(u.data(), v.data());
      else a.apply_adjoint(u.data(), v.data());
      if (products == nan_product) v.assign(a.n, kNaN);
    } else if (irevcm == 2) {
      for (int i = 0; i < a.n; ++i) v[i] = u[i] / a.diagonal(i);
    }
  }
  // Answers and calls until the end or LIMIT calls; returns the calls made.
  int finish(int limit = 100000) {
    int calls = 0;
    while (irevcm != 4 && calls < limit) {
      answer();
      call();
      ++calls;
    }
    return calls;
  }
  int itn() {
    int itn = -1, f = 1;
    double l, r, an, sg;
    A::monitor(&itn, &l, &r, &an, &sg, work.data(), lwreq, &f);
    return f == 0 ? itn : -1;
  }
};

Options method(const char* name, int m, char precon) {
  Options o;
  o.method = name;
  o.m = m;
  o.precon = precon;
  o.anorm = 8.0;
  o.maxitn = 50;
  return o;
}
const Options kConfigs[] = {method("RGMRES", 3, 'P'), method("CGS", 0, 'N'),
                            method("BICGSTAB", 2, 'N'), method("TFQMR", 0, 'P')};

// ---------------------------------------------------------------- state block

// One field changed between calls (the tags left alone): IFAIL 3, IREVCM 4,
// and the block is left as it was found.
TEST(DamagedBlock, EveryFieldThatDecidesAnAccessIsChecked) {
  const int n = matrix().n;
  struct Damage {
    int field;
    double value;
    const char* only;  // the method it applies to, or null for all
  };
  const Damage damages[] = {
      {1, 49, nullptr}, {2, 41, nullptr}, {3, 0, nullptr},        // group sizes
      {5, 9, nullptr}, {6, 0, nullptr}, {6, 5, nullptr},          // stage, method
      {7, 3, nullptr}, {17, 3, nullptr}, {7, 6, nullptr},         // norm code, its copy
      {8, 3, nullptr}, {8, 2, "TFQMR"},                           // ITERM
      {9, 0, nullptr}, {9, n + 1.0, nullptr}, {9, 1e300, nullptr}, {9, kNaN, nullptr},
      {9, -1e300, nullptr}, {9, 3e9, nullptr},                    // N
      {10, 0, "RGMRES"}, {10, 4, "RGMRES"}, {10, 1000, "BICGSTAB"}, {10, 1, "CGS"},
      {11, 0, nullptr}, {13, 0, nullptr}, {13, -5, nullptr},      // MAXITN, frequency
      {14, 100, nullptr}, {14, 1e10, nullptr}, {14, kInf, nullptr},  // LWREQ
      {16, -1, nullptr}, {16, 51, nullptr},                       // ITN
      {23, 7, nullptr}, {23, 1e9, nullptr}, {24, 3, nullptr},     // last request, multiplier
      {26, 9, nullptr}, {26, -1, nullptr}, {27, 50, nullptr}, {27, -1, nullptr},
      {28, 6, nullptr}, {29, n + 0.0, nullptr}, {29, -1, nullptr}, {30, 3, nullptr},
      {31, 1, nullptr}, {31, 8, nullptr}, {32, 6, nullptr},       // framework's own
      {36, 4, "RGMRES"}, {36, 3, "BICGSTAB"}, {37, -1, "RGMRES"}, {37, 1e6, "BICGSTAB"},
      {91, 2.0, "BICGSTAB"},                                      // preconditioned: more vectors
  };
  for (const Options& o : kConfigs)
    for (int calls : {1, 4, 9}) {
      Driver base(o, rhs());
      base.call();
      for (int k = 1; k < calls; ++k) {
        base.answer();
        base.call();
      }
      ASSERT_NE(base.irevcm, 4);
      base.answer();
      for (const Damage& d : damages) {
        if (d.only != nullptr && o.method != d.only) continue;
        SCOPED_TRACE(o.method + " after " + std::to_string(calls) + " calls, WORK(" +
                     std::to_string(d.field) + ") = " + std::to_string(d.value));
        Driver r = base;
        r.work[d.field - 1] = d.value;
        const std::vector<double> damaged = r.work, u = r.u, v = r.v;
        std::string text = kivtest::capture_host([&] {
          r.ifail = -1;
          Api<double>::iterate(&r.irevcm, r.u.data(), r.v.data(), r.w.data(), r.work.data(),
                               r.lwreq, &r.ifail);
        });
        EXPECT_EQ(r.ifail, 3);
        EXPECT_EQ(r.irevcm, 4);
        EXPECT_NE(text.find(" ** Either F11BDF was not called before calling this routine"),
                  std::string::npos);
        EXPECT_EQ(0, std::memcmp(damaged.data(), r.work.data(), damaged.size() * 8));
        EXPECT_EQ(r.u, u);
        EXPECT_EQ(0, std::memcmp(v.data(), r.v.data(), v.size() * 8));
      }
    }
}

// A raised N with spare workspace: LWORK would hold the longer vectors, so
// only the sizes' agreement with LWREQ refuses the block, and U and V (of
// the set-up N) are never read past their end.
TEST(DamagedBlock, RaisedOrderIsRefusedWhateverLworkHolds) {
  const Csr<double>& a = matrix();
  for (const Options& o : kConfigs)
    for (double order : {a.n + 1.0, 2.0 * a.n, 40.0 * a.n}) {
      SCOPED_TRACE(o.method + " N = " + std::to_string(order));
      int lwreq = 0, f = 1, irevcm = 0;
      const int lwork = 200 + 60 * 40 * a.n;
      std::vector<double> work(lwork), u(a.n, 0.0), v = rhs(), w(1, 1.0);
      Api<double>::setup(o.method, o.precon, o.norm, o.weight, o.iterm, a.n, o.m, o.tol,
                         o.maxitn, o.anorm, o.sigmax, o.monit, &lwreq, work.data(), lwork, &f);
      ASSERT_EQ(f, 0);
      f = 1;
      Api<double>::iterate(&irevcm, u.data(), v.data(), w.data(), work.data(), lwork, &f);
      ASSERT_TRUE(irevcm == 1 || irevcm == 2);
      if (irevcm == 1) a.apply(u.data(), v.data());
      else v = u;
      work[8] = order;
      kivtest::capture_host([&] {
        f = -1;
        Api<double>::iterate(&irevcm, u.data(), v.data(), w.data(), work.data(), lwork, &f);
      });
      EXPECT_EQ(f, 3);
      EXPECT_EQ(irevcm, 4);
    }
}

// The monitoring routine reads only the fixed fields, but does not report
// ITN and the test's two sides from a damaged block either.
TEST(DamagedBlock, MonitoringRefusesIt) {
  Driver r(method("CGS", 0, 'N'), rhs());
  r.call();
  r.finish();
  ASSERT_EQ(r.ifail, 0);
  ASSERT_GT(r.itn(), 0);
  r.work[15] = 1e300;  // ITN
  EXPECT_EQ(r.itn(), -1);
}

// Random single-field damage at random points of a solve: every call stays
// within the caller's arrays (the sanitizer build checks) and the solve
// ends, with IFAIL 3 or with the method's own outcome.
TEST(DamagedBlock, RandomDamageNeverEscapesTheArrays) {
  std::mt19937 gen(2024);
  const int n = matrix().n;
  const double values[] = {0, -1, 1, 2, 3, 4, 5, 6, 9, 10, 99, 100, n - 1.0, n + 0.0, n + 1.0,
                           1e9, -1e9, 3e9, 1e300, -1e300, kInf, -kInf, kNaN, 0.5, 2.0};
  for (int trial = 0; trial < 400; ++trial) {
    const Options& o = kConfigs[trial % 4];
    Driver r(o, rhs());
    std::uniform_int_distribution<int> when(1, 30), field(1, 100), value(0, 24);
    const int at = when(gen), f = field(gen);
    const double x = values[value(gen)];
    SCOPED_TRACE(o.method + " call " + std::to_string(at) + " WORK(" + std::to_string(f) +
                 ") = " + std::to_string(x));
    r.call();
    for (int k = 1; k < at && r.irevcm != 4; ++k) {
      r.answer();
      r.call();
    }
    if (r.irevcm == 4) continue;
    r.work[f - 1] = x;
    const int calls = r.finish(20000);
    EXPECT_EQ(r.irevcm, 4) << calls;
  }
}

// ---------------------------------------------------------------- non-finite data

// An infinity or a NaN in b, in x0 or in an answered product is never
// convergence: the solve stops soon with IFAIL 6 (breakdown).
TEST(NonFinite, NeverConvergesAndStopsPromptly) {
  struct Case {
    const char* what;
    int b_at;        // entry of b set to B_VALUE, or -1
    double b_value;
    int x0_inf;      // entry of x0 set to infinity, or -1
    int nan_product; // product answered with NaN, or 0
    double anorm;    // 0: estimated
  };
  const Case cases[] = {
      {"b with +inf", 3, kInf, -1, 0, 8.0},
      {"b with -inf, estimated norm", 0, -kInf, -1, 0, 0.0},
      {"b with NaN", 5, kNaN, -1, 0, 8.0},
      {"x0 with inf", -1, 0.0, 2, 0, 8.0},
      {"NaN from the first product", -1, 0.0, -1, 1, 8.0},
      {"NaN from the sixth product", -1, 0.0, -1, 6, 8.0},
  };
  for (const Options& base : kConfigs)
    for (const Case& c : cases) {
      SCOPED_TRACE(base.method + ": " + c.what);
      Options o = base;
      o.anorm = c.anorm;
      o.maxitn = 1000;
      std::vector<double> b = rhs();
      if (c.b_at >= 0) b[c.b_at] = c.b_value;
      Driver r(o, b);
      if (c.x0_inf >= 0) r.u[c.x0_inf] = kInf;
      r.nan_product = c.nan_product;
      r.call();
      std::string text = kivtest::capture_host([&] {
        while (r.irevcm != 4 && r.products < 200) {
          r.answer();
          r.ifail = -1;
          Api<double>::iterate(&r.irevcm, r.u.data(), r.v.data(), r.w.data(), r.work.data(),
                               r.lwreq, &r.ifail);
        }
      });
      EXPECT_EQ(r.irevcm, 4);
      EXPECT_EQ(r.ifail, 6);
      EXPECT_LT(r.products, 30);
      EXPECT_NE(text.find(" ** Algorithm breakdown at iteration no."), std::string::npos);
    }
}

// ---------------------------------------------------------------- final V

// Every finish but the immediate one hands back V = b - A U, bit for bit
// the caller's own b - A U: converged, accuracy limit, tidy stop,
// iteration limit, breakdown; ITERM 1 and 2, with and without M.
TEST(FinalResidual, IsTheTrueResidualOfU) {
  struct Stop {
    const char* what;
    int maxitn;
    int tidy_after;  // calls before IREVCM = 5, or 0
  };
  const Stop stops[] = {{"converged", 500, 0}, {"limit 3", 3, 0}, {"limit 7", 7, 0},
                        {"tidy after 5", 500, 5}, {"tidy after 8", 500, 8},
                        {"tidy after 13", 500, 13}};
  for (const char* name : {"RGMRES", "CGS", "BICGSTAB", "TFQMR"})
    for (char precon : {'N', 'P'})
      for (int iterm : {1, 2}) {
        if (iterm == 2 && std::string(name) == "TFQMR") continue;
        for (const Stop& s : stops) {
          SCOPED_TRACE(std::string(name) + " " + precon + " ITERM " + std::to_string(iterm) +
                       " " + s.what);
          Options o = method(name, 2, precon);
          o.iterm = iterm;
          o.maxitn = s.maxitn;
          o.tol = 1e-10;
          if (iterm == 2) {
            o.norm = '2';
            o.sigmax = std::string(name) == "RGMRES" ? 0.0 : 8.0;
          }
          Driver r(o, rhs());
          r.call();
          for (int k = 1; k < s.tidy_after && r.irevcm != 4; ++k) {
            r.answer();
            r.call();
          }
          if (s.tidy_after > 0 && r.irevcm != 4) {
            r.answer();
            r.irevcm = 5;
            r.call();
          }
          r.finish();
          ASSERT_EQ(r.irevcm, 4);
          if (s.tidy_after > 0) EXPECT_TRUE(r.ifail == 4 || r.ifail == 0 || r.ifail == 2) << r.ifail;
          else if (s.maxitn < 10) EXPECT_EQ(r.ifail, 5);
          else EXPECT_EQ(r.ifail, 0);
          EXPECT_EQ(r.v, residual(matrix(), r.b, r.u));
          // An entry after the end hands back the same U and V.
          const std::vector<double> u = r.u, v = r.v;
          r.call();
          EXPECT_EQ(r.irevcm, 4);
          EXPECT_EQ(r.u, u);
          EXPECT_EQ(r.v, v);
        }
      }
}

// ---------------------------------------------------------------- sizes

// A workspace beyond the int range cannot be asked for: the set-up refuses
// N (IFAIL -6, LWREQ 0); one below the limit is accepted with the exact
// requirement.
TEST(Sizes, WorkspaceBeyondTheIntRangeIsRefused) {
  struct Case {
    const char* method;
    int m;
    long long per_n, fixed;  // LWREQ = fixed + per_n N (block of 100)
  };
  const Case cases[] = {{"CGS", 0, 7, 100}, {"TFQMR", 0, 10, 100},
                        {"RGMRES", 50, 53, 100 + 50 * 55 + 1}, {"BICGSTAB", 10, 24, 100 + 120}};
  for (const Case& c : cases)
    for (bool complex : {false, true}) {
      SCOPED_TRACE(std::string(c.method) + (complex ? " complex" : ""));
      const long long fixed = c.fixed + (complex ? 20 : 0);
      const int largest = static_cast<int>((INT_MAX - fixed) / c.per_n);
      for (int n : {largest, largest + 1, INT_MAX}) {
        int lwreq = -1, ifail = 1;
        if (complex) {
          std::vector<Complex> work(120);
          Api<Complex>::setup(c.method, 'N', 'I', 'N', 1, n, c.m, 0.0, 100, 0.0, 0.0, 0, &lwreq,
                              work.data(), 120, &ifail);
        } else {
          std::vector<double> work(100);
          Api<double>::setup(c.method, 'N', 'I', 'N', 1, n, c.m, 0.0, 100, 0.0, 0.0, 0, &lwreq,
                             work.data(), 100, &ifail);
        }
        if (n == largest) {
          EXPECT_EQ(ifail, 0);
          EXPECT_EQ(lwreq, fixed + c.per_n * n);
        } else {
          EXPECT_EQ(ifail, -6) << n;
          EXPECT_EQ(lwreq, 0);
        }
      }
    }
}

// MAXITN + 4, the frequency that never monitors, saturates at INT_MAX; a
// solve with MAXITN = INT_MAX runs normally.
TEST(Sizes, LargestIterationLimit) {
  for (int maxitn : {INT_MAX - 5, INT_MAX - 4, INT_MAX}) {
    std::vector<double> work(1000);
    int lwreq = 0, ifail = 1;
    Api<double>::setup("CGS", 'N', 'I', 'N', 1, 10, 0, 0.0, maxitn, 0.0, 0.0, 0, &lwreq,
                       work.data(), 1000, &ifail);
    ASSERT_EQ(ifail, 0);
    EXPECT_EQ(work[12], maxitn == INT_MAX - 5 ? INT_MAX - 1.0 : INT_MAX) << maxitn;
  }
  Options o = method("BICGSTAB", 2, 'P');
  o.maxitn = INT_MAX;
  const Outcome<double> run = solve(matrix(), rhs(), o);
  EXPECT_EQ(run.ifail, 0);
  EXPECT_EQ(run.r, residual(matrix(), rhs(), run.x));
}

}  // namespace
}  // namespace krylovtest
