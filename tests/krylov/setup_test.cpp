// Set-up of a problem: every argument check as one table, the required
// workspace, and the fixed fields of the state block.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/capture.hpp"
#include "problems.hpp"

namespace krylovtest {
namespace {

struct SetupCase {
  const char* what;
  Options o;
  int n;
  int lwork;
  int ifail;
};

Options with(void (*edit)(Options&)) {
  Options o;
  o.method = "RGMRES";
  o.m = 5;
  o.maxitn = 100;
  edit(o);
  return o;
}

const std::vector<SetupCase>& setup_cases() {
  static const std::vector<SetupCase> cases = {
      {"unknown method", with([](Options& o) { o.method = "GMRES"; }), 40, 1000, -1},
      {"empty method", with([](Options& o) { o.method = "   "; }), 40, 1000, -1},
      {"method too long", with([](Options& o) { o.method = "bicgstab             x"; }), 40, 1000, -1},
      {"bad precon", with([](Options& o) { o.precon = 'J'; }), 40, 1000, -2},
      {"bad norm", with([](Options& o) { o.norm = '3'; }), 40, 1000, -3},
      {"bad weight", with([](Options& o) { o.weight = 'Y'; }), 40, 1000, -4},
      {"weighted with ITERM 2", with([](Options& o) { o.iterm = 2; o.norm = '2'; o.weight = 'W'; }), 40, 1000, -4},
      {"ITERM 3", with([](Options& o) { o.iterm = 3; }), 40, 1000, -5},
      {"TFQMR with ITERM 2", with([](Options& o) { o.method = "TFQMR"; o.iterm = 2; o.norm = '2'; }), 40, 1000, -5},
      {"ITERM 2 with norm 1", with([](Options& o) { o.iterm = 2; o.norm = '1'; }), 40, 1000, -5},
      {"N = 0", with([](Options&) {}), 0, 1000, -6},
      {"RGMRES M = 50 > N = 40", with([](Options& o) { o.m = 50; }), 40, 1000, -7},
      {"RGMRES M = 51", with([](Options& o) { o.m = 51; }), 100, 100000, -7},
      {"BICGSTAB M = 11", with([](Options& o) { o.method = "BICGSTAB"; o.m = 11; }), 40, 1000, -7},
      {"M = 0", with([](Options& o) { o.m = 0; }), 40, 1000, -7},
      {"TOL = 1", with([](Options& o) { o.tol = 1.0; }), 40, 1000, -8},
      {"MAXITN = 0", with([](Options& o) { o.maxitn = 0; o.monit = -1; }), 40, 1000, -9},
      {"MONIT > MAXITN", with([](Options& o) { o.monit = 101; }), 40, 1000, -12},
      {"LWORK below the block", with([](Options&) {}), 40, 99, -15},
      {"norm 2 without ANORM", with([](Options& o) { o.norm = '2'; }), 40, 1000, -10},
      {"CGS ITERM 2 without SIGMAX", with([](Options& o) { o.method = "CGS"; o.iterm = 2; o.norm = '2'; }), 40, 1000, -11},
      // Accepted: CGS and TFQMR ignore M; names are trimmed and raised.
      {"CGS ignores M", with([](Options& o) { o.method = " cgs "; o.m = 0; }), 40, 1000, 0},
      {"TFQMR", with([](Options& o) { o.method = "tfqmr"; }), 40, 1000, 0},
      {"RGMRES ITERM 2 estimates sigma", with([](Options& o) { o.iterm = 2; o.norm = '2'; }), 40, 1000, 0},
      {"norm 2 with ANORM", with([](Options& o) { o.norm = '2'; o.anorm = 8.0; }), 40, 1000, 0},
  };
  return cases;
}

TEST(Setup, EveryCheckInOrder) {
  for (const SetupCase& c : setup_cases()) {
    for (bool complex : {false, true}) {
      SCOPED_TRACE(std::string(c.what) + (complex ? " (complex)" : ""));
      const Options& o = c.o;
      int lwreq = 12345, ifail = -1;
      std::string text;
      if (complex) {
        std::vector<Complex> work(std::max(c.lwork, 1));
        const int lwork = c.lwork == 99 ? 119 : c.lwork;
        work.resize(std::max(lwork, 1));
        text = kivtest::capture_host([&] {
          Api<Complex>::setup(o.method, o.precon, o.norm, o.weight, o.iterm, c.n, o.m, o.tol,
                              o.maxitn, o.anorm, o.sigmax, o.monit, &lwreq, work.data(), lwork,
                              &ifail);
        });
      } else {
        std::vector<double> work(std::max(c.lwork, 1));
        text = kivtest::capture_host([&] {
          Api<double>::setup(o.method, o.precon, o.norm, o.weight, o.iterm, c.n, o.m, o.tol,
                             o.maxitn, o.anorm, o.sigmax, o.monit, &lwreq, work.data(), c.lwork,
                             &ifail);
        });
      }
      EXPECT_EQ(ifail, c.ifail);
      if (c.ifail != 0) {
        EXPECT_EQ(lwreq, 0);
        char line[100];
        std::snprintf(line, sizeof line, " ** On entry, parameter number %2d had an illegal value.|",
                      -c.ifail);
        EXPECT_NE(text.find(line), std::string::npos) << text;
        EXPECT_NE(text.find(complex ? "routine F11BRF: IFAIL =" : "routine F11BDF: IFAIL ="),
                  std::string::npos);
      } else {
        EXPECT_EQ(text, "");
        EXPECT_GT(lwreq, 0);
      }
    }
  }
}

// The minimum workspace of every method, real and complex.
TEST(Setup, RequiredWorkspace) {
  struct Case {
    const char* method;
    char precon;
    int iterm, n, m, expected;  // for the real block of 100
  };
  const Case cases[] = {
      {"RGMRES", 'N', 1, 40, 7, 100 + 40 * 10 + 7 * 12 + 1},
      {"CGS", 'P', 1, 40, 0, 100 + 7 * 40},
      {"TFQMR", 'N', 1, 40, 0, 100 + 10 * 40},
      {"BICGSTAB", 'N', 1, 40, 1, 100 + (80 + 1) * 3},
      {"BICGSTAB", 'P', 1, 40, 1, 100 + (80 + 1) * 3},
      {"BICGSTAB", 'P', 1, 40, 2, 100 + (80 + 2) * 4 + 40},
      {"BICGSTAB", 'N', 2, 40, 1, 100 + (80 + 1) * 3 + 40},
      {"BICGSTAB", 'N', 2, 40, 3, 100 + (80 + 3) * 5 + 80},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.method) + " M=" + std::to_string(c.m));
    int lwreq = -1, ifail = 1;
    std::vector<double> work(100);
    const double sigmax = c.iterm == 2 ? 10.0 : 0.0;
    const char norm = c.iterm == 2 ? '2' : 'I';
    Api<double>::setup(c.method, c.precon, norm, 'N', c.iterm, c.n, c.m, 0.0, 50, 0.0, sigmax, 0,
                       &lwreq, work.data(), 100, &ifail);
    ASSERT_EQ(ifail, 0);
    EXPECT_EQ(lwreq, c.expected);
    std::vector<Complex> cwork(120);
    Api<Complex>::setup(c.method, c.precon, norm, 'N', c.iterm, c.n, c.m, 0.0, 50, 0.0, sigmax,
                        0, &lwreq, cwork.data(), 120, &ifail);
    ASSERT_EQ(ifail, 0);
    EXPECT_EQ(lwreq, c.expected + 20);
  }
}

// The fixed fields of the state block after a set-up.
TEST(Setup, StateBlock) {
  std::vector<double> work(1000, 7.0);
  int lwreq = 0, ifail = 1;
  Api<double>::setup("bicgstab", 'p', 'i', 'w', 1, 30, 4, 0.0, 3, 0.0, 0.0, 0, &lwreq,
                     work.data(), 1000, &ifail);
  ASSERT_EQ(ifail, 0);
  auto at = [&](int k) { return work[k - 1]; };
  EXPECT_EQ(at(1), 50); EXPECT_EQ(at(2), 40); EXPECT_EQ(at(3), 10);
  EXPECT_EQ(at(4), 1739512); EXPECT_EQ(at(20), 840653);
  EXPECT_EQ(at(5), 1);      // set up
  EXPECT_EQ(at(6), 3);      // BICGSTAB
  EXPECT_EQ(at(7), 1 + 3);  // infinity norm, weighted
  EXPECT_EQ(at(8), 1);
  EXPECT_EQ(at(9), 30);
  EXPECT_EQ(at(10), 3);     // min(M, MAXITN)
  EXPECT_EQ(at(11), 3);
  EXPECT_EQ(at(13), 3 + 4); // no monitoring
  EXPECT_EQ(at(14), lwreq);
  EXPECT_EQ(at(51), std::sqrt(MACHINE_PRECISION()));  // TOL = 0
  EXPECT_EQ(at(53), 0.0);
  EXPECT_EQ(at(91), 2.0);   // preconditioned
  EXPECT_EQ(at(94), 0.0);
  EXPECT_EQ(at(95), 2.0);   // first entry to come
  for (int k : {12, 15, 16, 23, 24, 25, 52, 55, 56, 60, 92, 100}) EXPECT_EQ(at(k), 0.0) << k;
  EXPECT_EQ(work[100], 7.0);  // nothing beyond the block

  // TOL below eps is raised to eps; a failed set-up leaves stage 0.
  Api<double>::setup("CGS", 'N', '1', 'N', 1, 30, 0, 1e-30, 3, 0.0, 0.0, 0, &lwreq, work.data(),
                     1000, &ifail);
  EXPECT_EQ(at(51), MACHINE_PRECISION());
  ifail = 1;
  Api<double>::setup("CGS", 'N', '1', 'N', 1, 0, 0, 0.0, 3, 0.0, 0.0, 0, &lwreq, work.data(),
                     1000, &ifail);
  EXPECT_EQ(ifail, -6);
  EXPECT_EQ(at(5), 0);
}

}  // namespace
}  // namespace krylovtest
