// The reverse-communication protocol: request sequences, calls out of
// order, tidy and immediate termination, monitoring, the monitoring
// routine's sequence rule, and problems sharing or not sharing WORK.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "problems.hpp"
#include "support/capture.hpp"

namespace krylovtest {
namespace {

// A problem in progress, driven one call at a time.
template <class T>
struct Session {
  using A = Api<T>;
  const Csr<T>& a;
  std::vector<T> b, u, v, work;
  std::vector<double> w;
  int lwreq = 0;
  int irevcm = 0;
  int ifail = 0;

  Session(const Csr<T>& mat, const Options& o, std::vector<T> rhs) : a(mat), b(std::move(rhs)) {
    work.assign(A::block, T(0.0));
    setup(o);
    work.resize(lwreq);
    setup(o);
    u.assign(a.n, T(0.0));
    v = b;
    w.assign(a.n, 1.0);
  }
  int setup(const Options& o) {
    ifail = 1;
    return A::setup(o.method, o.precon, o.norm, o.weight, o.iterm, a.n, o.m, o.tol, o.maxitn,
                    o.anorm, o.sigmax, o.monit, &lwreq, work.data(),
                    static_cast<int>(work.size()), &ifail);
  }
  // Calls the iteration with IREVCM as it stands; returns the request.
  int call(int lwork = -1) {
    ifail = 1;
    A::iterate(&irevcm, u.data(), v.data(), w.data(), work.data(),
               lwork < 0 ? static_cast<int>(work.size()) : lwork, &ifail);
    return irevcm;
  }
  void answer() {
    if (irevcm == 1) a.apply(u.data(), v.data());
    else if (irevcm == -1) a.apply_adjoint(u.data(), v.data());
    else if (irevcm == 2)
      for (int i = 0; i < a.n; ++i) v[i] = u[i] / a.diagonal(i);
  }
  // Answers and calls until the end; returns every request seen.
  std::vector<int> finish() {
    std::vector<int> seen;
    while (irevcm != 4) {
      answer();
      seen.push_back(call());
    }
    return seen;
  }
  int monitor(int* itn, double* lhs = nullptr) {
    double l, r, an, sg;
    int f = 1;
    A::monitor(itn, &l, &r, &an, &sg, work.data(), static_cast<int>(work.size()), &f);
    if (lhs) *lhs = l;
    return f;
  }
};

Options cgs() {
  Options o;
  o.method = "CGS";
  o.tol = 1e-10;
  o.maxitn = 500;
  return o;
}


TEST(Protocol, FirstRequestsOfTheNormEstimate) {
  struct Case {
    char norm;
    double anorm;
    std::vector<int> first;
  };
  const Case cases[] = {
      {'1', 0.0, {1, -1, 1, -1}},
      {'I', 0.0, {-1, 1, -1, 1}},
      {'I', 8.0, {1, 1}},  // residual, then CGS's product
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("norm ") + c.norm);
    Options o = cgs();
    o.norm = c.norm;
    o.anorm = c.anorm;
    Session<double> s(matrix(), o, rhs());
    std::vector<int> seen = {s.call()};
    while (seen.size() < c.first.size()) {
      s.answer();
      seen.push_back(s.call());
    }
    EXPECT_EQ(seen, c.first);
    s.finish();
    EXPECT_EQ(s.ifail, 0);
    double an = 0;
    int itn = 0;
    double lhs, rr, sg;
    int f = 1;
    Api<double>::monitor(&itn, &lhs, &rr, &an, &sg, s.work.data(), s.lwreq, &f);
    const double exact = c.norm == '1' ? matrix().norm1() : matrix().norm_inf();
    EXPECT_NEAR(an, c.anorm > 0 ? c.anorm : exact, 1e-12 * exact);
  }
}

TEST(Protocol, OneByOneEstimate) {
  Csr<double> a;
  a.n = 1;
  a.add(0, -3.0);
  a.end_row();
  Options o = cgs();
  o.norm = '1';
  const Outcome<double> run = solve(a, std::vector<double>{6.0}, o);
  EXPECT_EQ(run.ifail, 0);
  ASSERT_GE(run.requests.size(), 2u);
  EXPECT_EQ(run.requests[0], 1);  // the one product of the estimate
  EXPECT_EQ(run.requests[1], 1);  // the residual
  EXPECT_EQ(run.anorm, 3.0);
  EXPECT_NEAR(run.x[0], -2.0, 1e-15);
}

TEST(Protocol, CallsOutOfOrder) {
  std::vector<double> u(4), v(4), w(4, 1.0), work(200, 0.0);
  int irevcm = 0, ifail = -1;
  // Never set up.
  std::string text = kivtest::capture_host([&] {
    Api<double>::iterate(&irevcm, u.data(), v.data(), w.data(), work.data(), 200, &ifail);
  });
  EXPECT_EQ(ifail, 3);
  EXPECT_EQ(irevcm, 4);
  EXPECT_NE(text.find(" ** Either F11BDF was not called before calling this routine| ** or it "
                      "has returned an error.|"),
            std::string::npos)
      << text;

  // A set-up that failed leaves the work unusable.
  Session<double> s(matrix(), cgs(), rhs());
  Options bad = cgs();
  bad.tol = 2.0;
  s.setup(bad);
  EXPECT_EQ(s.ifail, -8);
  s.irevcm = 0;
  EXPECT_EQ(s.call(), 4);
  EXPECT_EQ(s.ifail, 3);

  // The first call must have IREVCM = 0.
  Session<double> t(matrix(), cgs(), rhs());
  t.irevcm = 1;
  int f = -1;
  text = kivtest::capture_host([&] {
    Api<double>::iterate(&t.irevcm, t.u.data(), t.v.data(), t.w.data(), t.work.data(),
                         t.lwreq, &f);
  });
  EXPECT_EQ(f, -1);
  EXPECT_EQ(t.irevcm, 4);
  EXPECT_NE(text.find(" ** On first entry, parameter number  1 had an illegal value.|"),
            std::string::npos);

  // Answering a product request with a preconditioner code.
  Session<double> r(matrix(), cgs(), rhs());
  ASSERT_EQ(r.call(), -1);
  r.answer();
  r.irevcm = 2;
  f = -1;
  text = kivtest::capture_host([&] {
    Api<double>::iterate(&r.irevcm, r.u.data(), r.v.data(), r.w.data(), r.work.data(), r.lwreq,
                         &f);
  });
  EXPECT_EQ(f, -1);
  EXPECT_EQ(r.irevcm, 4);
  EXPECT_NE(text.find(" ** On re-entry, parameter number  1 had an illegal value.|"),
            std::string::npos);

  // LWORK shorter than required.
  Session<double> q(matrix(), cgs(), rhs());
  EXPECT_EQ(q.call(q.lwreq - 1), 4);
  EXPECT_EQ(q.ifail, -6);
  EXPECT_EQ(q.call(99), 4);
  EXPECT_EQ(q.ifail, -6);
}

// Finished at the first entry (b = 0): asking again is IFAIL 1.
TEST(Protocol, AlreadyCompleted) {
  Options o = cgs();
  o.anorm = 8.0;
  Session<double> s(matrix(), o, std::vector<double>(matrix().n, 0.0));
  EXPECT_EQ(s.call(), 4);
  EXPECT_EQ(s.ifail, 0);
  EXPECT_EQ(s.call(), 4);
  EXPECT_EQ(s.ifail, 1);
}

TEST(Protocol, TidyAndImmediateTermination) {
  for (int stop : {5, 6}) {
    SCOPED_TRACE(stop);
    Session<double> s(matrix(), cgs(), rhs());
    s.call();
    for (int k = 0; k < 30; ++k) {
      s.answer();
      s.call();
    }
    s.answer();
    s.irevcm = stop;
    s.call();
    std::vector<int> rest = s.finish();
    if (stop == 6) {
      EXPECT_TRUE(rest.empty());
      EXPECT_EQ(s.ifail, 8);
    } else {
      EXPECT_EQ(s.ifail, 4);
      EXPECT_LE(rest.size(), 6u);  // stops at the next test
    }
    EXPECT_EQ(s.irevcm, 4);
    const std::vector<double> r = residual(matrix(), s.b, s.u);
    if (stop == 5) {
      for (int i = 0; i < matrix().n; ++i) EXPECT_NEAR(s.v[i], r[i], 1e-12);
    }
    int itn = 0;
    EXPECT_EQ(s.monitor(&itn), 0);
    EXPECT_GT(itn, 0);
  }
}

// Stopped at once just after answering the product A x0 (the initial
// residual, no norm estimate): V must be b - A U, not the product itself.
TEST(Protocol, ImmediateTerminationAfterTheInitialResidual) {
  for (const char* method : {"RGMRES", "CGS", "BICGSTAB", "TFQMR"})
    for (char precon : {'N', 'P'}) {
      SCOPED_TRACE(std::string(method) + " " + precon);
      Options o;
      o.method = method;
      o.precon = precon;
      o.m = 2;
      o.anorm = 8.0;
      Session<double> s(matrix(), o, rhs());
      std::vector<double> x0(matrix().n);
      for (int i = 0; i < matrix().n; ++i) x0[i] = 0.25 * std::cos(1.0 + i);
      s.u = x0;
      ASSERT_EQ(s.call(), 1);
      s.answer();
      s.irevcm = 6;
      EXPECT_EQ(s.call(), 4);
      EXPECT_EQ(s.ifail, 8);
      const std::vector<double> r = residual(matrix(), s.b, x0);
      for (int i = 0; i < matrix().n; ++i) {
        EXPECT_EQ(s.u[i], x0[i]);
        EXPECT_NEAR(s.v[i], r[i], 1e-13);
      }
    }
}

// CGS stopped at once after any answered request: U and V still belong
// together (the iterate and the residual are updated in the same step).
TEST(Protocol, ImmediateTerminationKeepsCgsConsistent) {
  for (char precon : {'N', 'P'})
    for (int stop = 1; stop <= 40; ++stop) {
      SCOPED_TRACE(std::string(1, precon) + " stop after return " + std::to_string(stop));
      Options o = cgs();
      o.precon = precon;
      o.anorm = 8.0;
      Session<double> s(matrix(), o, rhs());
      s.call();
      for (int k = 1; k < stop && s.irevcm != 4; ++k) {
        s.answer();
        s.call();
      }
      if (s.irevcm == 4) break;
      s.answer();
      s.irevcm = 6;
      EXPECT_EQ(s.call(), 4);
      EXPECT_EQ(s.ifail, 8);
      const std::vector<double> r = residual(matrix(), s.b, s.u);
      const double scale = 8.0 * norm_inf(s.u) + norm_inf(s.b);
      for (int i = 0; i < matrix().n; ++i) EXPECT_NEAR(s.v[i], r[i], 1e-14 * scale);
    }
}

TEST(Protocol, MonitoringFrequency) {
  struct Case {
    const char* method;
    int m, monit;
  };
  for (const Case& c : {Case{"CGS", 0, 1}, Case{"CGS", 0, 0}, Case{"CGS", 0, 3},
                        Case{"RGMRES", 3, 1}, Case{"BICGSTAB", 2, 2}, Case{"TFQMR", 0, 2}}) {
    SCOPED_TRACE(std::string(c.method) + " MONIT=" + std::to_string(c.monit));
    Options o = cgs();
    o.method = c.method;
    o.m = c.m;
    o.monit = c.monit;
    Session<double> s(matrix(), o, rhs());
    s.call();
    std::vector<int> counts;  // ITN at every monitoring return
    while (s.irevcm != 4) {
      if (s.irevcm == 3) {
        int itn = -1;
        double lhs = 0;
        EXPECT_EQ(s.monitor(&itn, &lhs), 0);
        counts.push_back(itn);
        // U and V are the iterate and its residual.
        const std::vector<double> r = residual(matrix(), s.b, s.u);
        for (int i = 0; i < matrix().n; ++i) EXPECT_NEAR(s.v[i], r[i], 1e-9);
      } else {
        int itn = 0;
        EXPECT_EQ(s.monitor(&itn), 1);  // only at a monitoring return or the end
      }
      s.answer();
      s.call();
    }
    int itn = 0;
    s.monitor(&itn);
    EXPECT_EQ(s.ifail, 0);
    if (c.monit == 0) {
      EXPECT_TRUE(counts.empty());
    } else if (std::string(c.method) == "CGS" || std::string(c.method) == "TFQMR") {
      ASSERT_EQ(static_cast<int>(counts.size()), (itn - 1) / c.monit) << itn;
      for (std::size_t k = 0; k < counts.size(); ++k)
        EXPECT_EQ(counts[k], static_cast<int>(k + 1) * c.monit);
    } else {
      EXPECT_FALSE(counts.empty());  // once per cycle or sweep
      for (std::size_t k = 1; k < counts.size(); ++k) EXPECT_GT(counts[k], counts[k - 1]);
    }
  }
}

// A second problem in the same WORK, and two problems interleaved.
TEST(Protocol, SharedAndInterleavedWork) {
  Session<double> s(matrix(), cgs(), rhs());
  s.call();
  for (int k = 0; k < 5; ++k) {
    s.answer();
    s.call();
  }
  Options o = cgs();
  o.method = "TFQMR";
  s.work.assign(s.work.size() + 1000, 0.0);
  s.setup(o);
  ASSERT_EQ(s.ifail, 0);
  s.irevcm = 0;
  s.u.assign(matrix().n, 0.0);
  s.v = s.b;
  s.call();
  s.finish();
  EXPECT_EQ(s.ifail, 0);

  Options g = cgs();
  g.method = "RGMRES";
  g.m = 4;
  Session<double> p(matrix(), g, rhs());
  Session<double> q(matrix(), cgs(), std::vector<double>(matrix().n, 1.0));
  p.call();
  q.call();
  while (p.irevcm != 4 || q.irevcm != 4) {
    if (p.irevcm != 4) {
      p.answer();
      p.call();
    }
    if (q.irevcm != 4) {
      q.answer();
      q.call();
    }
  }
  EXPECT_EQ(p.ifail, 0);
  EXPECT_EQ(q.ifail, 0);
  const Outcome<double> alone = solve(matrix(), rhs(), g);
  EXPECT_EQ(p.u, alone.x);  // bit for bit: nothing leaked between them
}

TEST(Protocol, FailureMessages) {
  Options o = cgs();
  o.maxitn = 3;
  Session<double> s(matrix(), o, rhs());
  s.call();
  std::string text = kivtest::capture_host([&] {
    while (s.irevcm != 4) {
      s.answer();
      s.ifail = -1;
      Api<double>::iterate(&s.irevcm, s.u.data(), s.v.data(), s.w.data(), s.work.data(),
                           s.lwreq, &s.ifail);
    }
  });
  EXPECT_EQ(s.ifail, 5);
  EXPECT_NE(text.find(" ** The solution has not converged after      3 iterations.|"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("routine F11BEF: IFAIL =     5|"), std::string::npos);
}

// Every export resolves, and a solve through the host wrappers works.
TEST(Protocol, HostWrappers) {
  for (const char* name : {"_q95239@80", "_q60787@100", "_q10821@28", "_q61541@36", "_q27809@32",
                           "_q20790@40", "_q93030@80", "_q63532@100", "_q32507@28", "_q20065@36",
                           "_q82576@32", "_q70118@40"})
    EXPECT_NE(kiv2_entry(name), nullptr) << name;
  using Setup = decltype(&F11BRF_HOST);
  using Iterate = decltype(&F11BSF_HOST);
  using Monitor = decltype(&F11BTF_HOST);
  auto setup = reinterpret_cast<Setup>(kiv2_entry("_q93030@80"));
  auto iterate = reinterpret_cast<Iterate>(kiv2_entry("_q32507@28"));
  auto monitor = reinterpret_cast<Monitor>(kiv2_entry("_q82576@32"));
  const Csr<Complex> a = convection_diffusion<Complex>(5, 0.5, Complex(0.0, 1.0));
  const int n = a.n, iterm = 1, m = 0, maxitn = 100, monit = 0;
  const double tol = 1e-12, anorm = 0.0, sigmax = 0.0;
  int lwreq = 0, lwork = 2000, ifail = 1;
  std::vector<Complex> work(lwork);
  setup("TFQMR", "N", "I", "N", &iterm, &n, &m, &tol, &maxitn, &anorm, &sigmax, &monit, &lwreq,
        work.data(), &lwork, &ifail, 5, 1, 1, 1);
  ASSERT_EQ(ifail, 0);
  EXPECT_EQ(lwreq, 120 + 10 * n);
  EXPECT_EQ(std::real(work[lwreq]), -2139062144.0);  // the wrapper poisoned WORK
  std::vector<Complex> u(n), v(n, Complex(1.0, -1.0));
  std::vector<double> w(n, 1.0);
  int irevcm = 0;
  for (;;) {
    iterate(&irevcm, u.data(), v.data(), w.data(), work.data(), &lwork, &ifail);
    if (irevcm == 4) break;
    if (irevcm == 1) a.apply(u.data(), v.data());
    else a.apply_adjoint(u.data(), v.data());
  }
  EXPECT_EQ(ifail, 0);
  int itn = 0;
  double lhs, rhs_, an, sg;
  monitor(&itn, &lhs, &rhs_, &an, &sg, work.data(), &lwork, &ifail);
  EXPECT_EQ(ifail, 0);
  EXPECT_LE(lhs, rhs_);
  EXPECT_NEAR(an, a.norm_inf(), 1e-12);
}

}  // namespace
}  // namespace krylovtest
