// Gamma (S14AAF) and inverse cosine (S09ABF).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "frame/errors.hpp"
#include "kiv2.h"
#include "special/special.hpp"
#include "support/capture.hpp"

namespace {

struct Reference {
  std::string function;
  double x;
  long double value;
};

// 40-digit values from tools/make_gamma_arccos_reference.py.
std::vector<Reference> reference() {
  std::ifstream in(KIV2_TEST_DATA "/gamma_arccos_reference.txt");
  std::vector<Reference> rows;
  for (std::string line; std::getline(in, line);) {
    std::istringstream fields(line);
    std::string f, x, v;
    fields >> f >> x >> v;
    rows.push_back({f, std::strtod(x.c_str(), nullptr), std::strtold(v.c_str(), nullptr)});
  }
  return rows;
}

double gamma(double x, int* ifail) {
  char record[kiv::kRecordLen + 1];
  return S14AAF(x, record, ifail, kiv::kRecordLen);
}

double arccos(double x, int* ifail) {
  char record[kiv::kRecordLen + 1];
  return S09ABF(x, record, ifail, kiv::kRecordLen);
}

TEST(Special, AgreeWithHighPrecisionValues) {
  const std::vector<Reference> rows = reference();
  ASSERT_GT(rows.size(), 200u);
  const double eps = std::numeric_limits<double>::epsilon();
  for (const Reference& r : rows) {
    int ifail = 0;
    const bool is_gamma = r.function == "gamma";
    const double got = is_gamma ? gamma(r.x, &ifail) : arccos(r.x, &ifail);
    EXPECT_EQ(ifail, 0) << r.function << "(" << r.x << ")";
    // Gamma: relative error, the argument reduction's products costing about
    // one rounding per factor.  Arccos: near |x| = 1 the problem itself
    // amplifies the rounding of x*x by 1/sqrt(1 - x^2).
    const long double err = std::fabs(got - r.value);
    const double bound = is_gamma ? (8.0 + 0.5 * std::fabs(r.x)) * eps * std::fabs(double(r.value))
                                  : 4.0 * eps * std::fabs(double(r.value)) +
                                        (r.x * r.x > 0.5 ? eps / std::sqrt(1.0 - r.x * r.x) : 0.0);
    EXPECT_LE(err, bound) << r.function << "(" << r.x << ") = " << got;
  }
}

TEST(Gamma, Thresholds) {
  struct Case {
    double x;
    int ierr;
    double value;  // NaN: check only that it is finite and positive
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Case cases[] = {
      {170.0, 0, nan},
      {std::nextafter(170.0, 200.0), 1, 4.3e+304},
      {-170.5, 2, 0.0},
      {1.0e-17, 0, 1.0e17},
      {-1.0e-17, 0, -1.0e17},
      {0.0, 3, 1.0 / 2.23e-308},
      {-0.0, 3, 1.0 / 2.23e-308},  // the positive value, as at +0
      {std::numeric_limits<double>::infinity(), 1, 4.3e+304},
      {-std::numeric_limits<double>::infinity(), 2, 0.0},
      {-1.0e-310, 3, -1.0 / 2.23e-308},
      {-3.0, 4, 4.3e+304},
      {-170.0, 4, 4.3e+304},
  };
  for (const Case& c : cases) {
    int ifail = 1;
    const double g = gamma(c.x, &ifail);
    EXPECT_EQ(ifail, c.ierr) << c.x;
    if (std::isnan(c.value)) {
      EXPECT_NEAR(g / 4.2690680090047052749e304, 1.0, 1e-13) << c.x;  // 169!
    } else {
      EXPECT_EQ(g, c.value) << c.x;
    }
  }
  int ifail = 0;
  EXPECT_NEAR(gamma(-169.5, &ifail), 5.648e-306, 0.0005e-306);
  EXPECT_EQ(ifail, 0);
}

TEST(Gamma, IntegersAreExactFactorials) {
  double factorial = 1.0;
  for (int n = 1; n <= 23; ++n) {  // (n-1)! is exact in a double up to 22!
    int ifail = 0;
    EXPECT_EQ(gamma(n, &ifail), factorial) << n;
    factorial *= n;
  }
}

TEST(Gamma, NanPropagatesWithoutError) {
  int ifail = 0;
  EXPECT_TRUE(std::isnan(gamma(std::numeric_limits<double>::quiet_NaN(), &ifail)));
  EXPECT_EQ(ifail, 0);
}

TEST(Gamma, MessagesAndRecords) {
  struct Case {
    double x;
    const char* line;
    const char* record;
  };
  const Case cases[] = {
      {200.0, " ** On entry, X is too large: X =  2.0000e+02.",
       "S14AAF     1 99998     1   2.0000e+02"},
      {-200.0, " ** On entry, X is too large and negative: X = -2.0000e+02.",
       "S14AAF     2 99999     1  -2.0000e+02"},
      {0.0, " ** On entry, X is too close to zero: X =  0.0000e+00.",
       "S14AAF     3 99997     1   0.0000e+00"},
      {-3.0, " ** On entry, X is a negative integer: X = -3.0000e+00.",
       "S14AAF     4 99996     1  -3.0000e+00"},
  };
  for (const Case& c : cases) {
    char record[kiv::kRecordLen + 1];
    int ifail = -1;
    const std::string out =
        kivtest::capture_stdout([&] { S14AAF(c.x, record, &ifail, kiv::kRecordLen); });
    EXPECT_EQ(out, std::string("\n\n") + c.line + "\n\n ** ABNORMAL EXIT from KIV Library routine S14AAF: IFAIL =     " +
                       std::to_string(ifail) + "\n ** KIV soft failure - control returned\n");
    EXPECT_STREQ(record, c.record);
  }
}

TEST(Gamma, HardFailureThroughTheWrapperEndsTheProcess) {
  const kivtest::ChildResult r = kivtest::run_in_child([] {
    double x = -3.0;
    int ifail = 0;
    S14AAF_HOST(&x, &ifail);
  });
  EXPECT_EQ(r.out,
            "\n\n ** On entry, X is a negative integer: X = -3.0000e+00.\n"
            "\n ** ABNORMAL EXIT from KIV Library routine S14AAF: IFAIL =     4\n"
            " ** KIV hard failure - execution terminated\n");
  EXPECT_FALSE(r.returned);
  EXPECT_EQ(r.status, EXIT_FAILURE);
}

TEST(Arccos, EndpointsAndBranches) {
  const double pi = 3.141592653589793, eps = std::numeric_limits<double>::epsilon();
  int ifail = 0;
  EXPECT_EQ(arccos(1.0, &ifail), 0.0);
  EXPECT_NEAR(arccos(-1.0, &ifail), pi, 2 * eps);
  // pi/2 as the decimal literal 1.570796326794897, two units above the
  // double nearest pi/2.
  EXPECT_EQ(arccos(0.0, &ifail), 1.570796326794897);
  EXPECT_NEAR(arccos(0.0, &ifail), pi / 2, 2 * eps);
  EXPECT_EQ(ifail, 0);
  // Either side of x^2 = 1/2 the two branches agree with acos.
  for (double x : {0.7071067811865475, 0.7071067811865476, 0.7071067811865477, -0.7071067811865476}) {
    EXPECT_NEAR(arccos(x, &ifail), std::acos(x), 4 * eps) << x;
  }
}

TEST(Arccos, OutOfDomain) {
  for (double x : {std::nextafter(1.0, 2.0), -1.5, 1e300}) {
    char record[kiv::kRecordLen + 1];
    int ifail = -1;
    double value = 1.0;
    const std::string out =
        kivtest::capture_stdout([&] { value = S09ABF(x, record, &ifail, kiv::kRecordLen); });
    EXPECT_EQ(value, 0.0);
    EXPECT_EQ(ifail, 1);
    char line[80];
    std::snprintf(line, sizeof line, " ** On entry, ABS(X) .gt. 1.0: X =%12.4e.", x);
    EXPECT_NE(out.find(line), std::string::npos) << out;
    char rec[80];
    std::snprintf(rec, sizeof rec, "S09ABF     1 99999     1 %12.4e", x);
    EXPECT_STREQ(record, rec);
  }
}

}  // namespace
