// Factorisations, twiddle tables, storage forms, edge cases, every failure
// row and the exports of the one-dimensional transforms.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "fft/fft.hpp"
#include "kiv2.h"
#include "failure.hpp"
#include "reference.hpp"
#include "support/capture.hpp"

namespace {

using fftest::cd;
namespace kf = kiv::fft;

std::vector<int> list(const int* f) {
  std::vector<int> v;
  while (*f != 0) v.push_back(*f++);
  return v;
}

// ---------------------------------------------------------------------------
// Factorisations

struct InplaceRow {
  int n, error;
  std::vector<int> grouped, ungrouped;
};

TEST(Factorise, InplaceEngine) {
  const std::vector<int> twenty(20, 2);
  std::vector<int> grouped20;
  for (int i = 0; i < 20; ++i) grouped20.push_back(i % 3 == 2 ? 8 : (i == 19 ? 4 : 1));
  const InplaceRow rows[] = {
      {2, 0, {2}, {}},                            // one factor: no permutation
      {8, 0, {1, 1, 8}, {2, 2, 2}},               // a pair and a single 2
      {32, 0, {1, 1, 8, 1, 4}, {2, 2, 2, 2, 2}},  // a radix-8 then a radix-4 pass
      {36, 0, {3, 1, 4, 3}, {3, 2, 2, 3}},        // pairs outside, descending then ascending
      {30, 0, {2, 3, 5}, {2, 3, 5}},              // singles ascending
      {2 * 9 * 5 * 4, 0, {3, 1, 4, 5, 2, 3}, {3, 2, 2, 5, 2, 3}},  // a pair of 2s and a 2
      {361, 0, {19, 19}, {19, 19}},                                // the largest prime, squared
      {1 << 20, 0, grouped20, twenty},                             // exactly 20 factors
      {23, 1, {}, {}},
      {19 * 23, 1, {}, {}},
      {1 << 21, 2, {}, {}},
      {(1 << 19) * 9, 2, {}, {}},  // a pair that takes the count to 21
  };
  for (const InplaceRow& r : rows) {
    int g[kf::kInplaceListLen], u[kf::kInplaceListLen];
    ASSERT_EQ(kf::inplace_factorise(r.n, g, u), r.error) << r.n;
    if (r.error != 0) continue;
    EXPECT_EQ(list(g), r.grouped) << r.n;
    EXPECT_EQ(list(u), r.ungrouped) << r.n;
  }
}

TEST(Factorise, ComplexEngine) {
  const std::vector<std::pair<int, std::vector<int>>> rows = {
      {1, {1}},
      {49, {7, 7}},
      {50, {5, 5, 2}},
      {48, {4, 4, 3}},
      {121, {11, 11}},
      {1009, {1009}},
      {4 * 49 * 1009, {4, 7, 7, 1009}},
      {2 * 3 * 5 * 7, {5, 2, 3, 7}},
      {1162261467, std::vector<int>(19, 3)},  // 3^19: the most factors an int can have
  };
  for (const auto& [n, expected] : rows) {
    int f[kf::kComplexListLen];
    EXPECT_EQ(kf::complex_factorise(n, f), static_cast<int>(expected.size())) << n;
    EXPECT_EQ(list(f), expected) << n;
  }
}

TEST(Factorise, RealEngine) {
  const std::vector<std::pair<int, std::vector<int>>> rows = {
      {1, {1}},
      {12, {6, 2}},
      {72, {6, 6, 2}},
      {8, {4, 2}},
      {9, {3, 3}},
      {25 * 1009, {5, 5, 1009}},
      {7 * 11 * 13, {7, 11, 13}},
      {2 * 2 * 9 * 5, {6, 6, 5}},
  };
  for (const auto& [n, expected] : rows) {
    int f[kf::kRealListLen];
    EXPECT_EQ(kf::real_factorise(n, f), static_cast<int>(expected.size())) << n;
    EXPECT_EQ(list(f), expected) << n;
  }
}

// ---------------------------------------------------------------------------
// Twiddle tables: every entry against exp(-2 pi i q t m/N) in long double.

struct Entry {
  long double re, im;
};

// The rows of the factor list, as the tables lay them out.
std::vector<Entry> expected_rows(int n, const int* factors) {
  const long double pi = 3.141592653589793238462643383279502884L;
  std::vector<Entry> e;
  for (int k = 0, m = 1; factors[k] != 0; m *= factors[k], ++k) {
    const int f = factors[k], l = n / (m * f);
    for (int q = 1; q < f; ++q)
      for (int t = 0; t < l; ++t) {
        const long double a = t == 0 && f >= 7 ? 2 * pi * q / f : 2 * pi * q * t * m / n;
        e.push_back({std::cos(a), -std::sin(a)});
      }
  }
  return e;
}

TEST(Tables, ComplexAndRealEnginesHoldTheStatedTwiddles) {
  for (int n : {2, 12, 60, 308, 1009, 7 * 11 * 64, 4096}) {
    int cf[kf::kComplexListLen], rf[kf::kRealListLen];
    kf::complex_factorise(n, cf);
    kf::real_factorise(n, rf);
    std::vector<double> ct(2 * n), rt(2 * n);
    kf::complex_table(n, cf, ct.data());
    kf::real_table(n, rf, rt.data());
    const std::vector<Entry> ce = expected_rows(n, cf), re = expected_rows(n, rf);
    ASSERT_EQ(ce.size(), static_cast<std::size_t>(n - 1));
    ASSERT_EQ(re.size(), static_cast<std::size_t>(n - 1));
    for (int i = 0; i < n - 1; ++i) {
      EXPECT_NEAR(ct[2 * i], ce[i].re, 4 * kiv::kEps) << n << " " << i;
      EXPECT_NEAR(ct[2 * i + 1], ce[i].im, 4 * kiv::kEps) << n << " " << i;
      EXPECT_NEAR(rt[i], re[i].re, 4 * kiv::kEps) << n << " " << i;
      EXPECT_NEAR(rt[n + i], re[i].im, 4 * kiv::kEps) << n << " " << i;
    }
    EXPECT_EQ(rt[n - 1], n);  // the markers
    EXPECT_EQ(rt[2 * n - 1], n);
  }
}

// ---------------------------------------------------------------------------
// Small cases with closed forms, storage forms, edge cases.

char g_record[KIV2_RECORD_LEN + 1];
constexpr double kSqrt3 = 1.7320508075688772;

TEST(EdgeCases, InplaceEngineLengthsTwoAndThree) {
  double work[3];
  int ifail = 1;
  double x2[2] = {0.75, -2.5};
  C06FAF(x2, 2, work, g_record, &ifail, KIV2_RECORD_LEN);
  EXPECT_DOUBLE_EQ(x2[0], (0.75 - 2.5) / std::sqrt(2.0));
  EXPECT_DOUBLE_EQ(x2[1], (0.75 + 2.5) / std::sqrt(2.0));
  double x3[3] = {0.5, 1.25, -3.0};
  C06FAF(x3, 3, work, g_record, &ifail, KIV2_RECORD_LEN);
  EXPECT_DOUBLE_EQ(x3[0], (0.5 + 1.25 - 3.0) / kSqrt3);
  EXPECT_DOUBLE_EQ(x3[1], (0.5 - 0.5 * (1.25 - 3.0)) / kSqrt3);
  EXPECT_DOUBLE_EQ(x3[2], -0.8660254037844386 * (1.25 + 3.0) / kSqrt3);
}

TEST(EdgeCases, SynthesisOfLengthThreeInBothRealEngines) {
  const double a0 = 0.5, a1 = -1.25, b1 = 2.0;
  const double x1 = (a0 - a1 + kSqrt3 * b1) / kSqrt3, x2 = (a0 - a1 - kSqrt3 * b1) / kSqrt3;
  double packed[3] = {a0, a1, b1}, work[9];
  int ifail = 1;
  C06FBF(packed, 3, work, g_record, &ifail, KIV2_RECORD_LEN);
  EXPECT_NEAR(packed[1], x1, 4 * kiv::kEps * std::abs(x1));
  EXPECT_NEAR(packed[2], x2, 4 * kiv::kEps * std::abs(x2));
  // C06PPF's backward transform is the synthesis of the conjugate.
  double ce[5] = {a0, 0.0, a1, -b1, 0.0};
  C06PPF("B", 1, 3, ce, work, g_record, &ifail, 1, KIV2_RECORD_LEN);
  EXPECT_NEAR(ce[1], x1, 4 * kiv::kEps * std::abs(x1));
  EXPECT_NEAR(ce[2], x2, 4 * kiv::kEps * std::abs(x2));
  EXPECT_EQ(ce[3], 0.0);
  EXPECT_EQ(ce[4], 0.0);
}

TEST(EdgeCases, C06gbfNegatesTheStoredImaginaryParts) {
  const std::vector<std::pair<int, std::vector<double>>> rows = {
      {1, {1}}, {2, {1, 2}}, {4, {1, 2, 3, -4}}, {5, {1, 2, 3, -4, -5}}, {6, {1, 2, 3, 4, -5, -6}}};
  for (const auto& [n, expected] : rows) {
    std::vector<double> x = {1, 2, 3, 4, 5, 6};
    x.resize(n);
    int ifail = 1;
    EXPECT_EQ(C06GBF(x.data(), n, g_record, &ifail, KIV2_RECORD_LEN), 0);
    EXPECT_EQ(x, expected) << n;
  }
}

// The first negated element is X(N/2+2): at N = INT_MAX it is formed
// without passing the int range (N+4 would wrap).
TEST(EdgeCases, C06gbfRangeAtTheLargestLength) {
  EXPECT_EQ(kf::stored_b_first(2147483647), 1073741824);
  EXPECT_EQ(kf::stored_b_first(2147483646), 1073741824);
  EXPECT_EQ(kf::stored_b_first(5), 3);
}

TEST(EdgeCases, LengthOne) {
  int ifail = 1;
  cd x = {0.25, -7.0}, work[2] = {{9, 9}, {9, 9}};
  C06PCF("B", &x, 1, work, g_record, &ifail, 1, KIV2_RECORD_LEN);
  EXPECT_EQ(x, cd(0.25, -7.0));
  EXPECT_EQ(work[0], cd(1.0, 0.0));
  // C06PPF: z_0 = x_0 with a zero imaginary part (and the spare element 0).
  double rows[6] = {1.5, -2.0, 3.0, 4.0, 5.0, 6.0}, rwork[8];
  C06PPF("F", 2, 1, rows, rwork, g_record, &ifail, 1, KIV2_RECORD_LEN);
  EXPECT_EQ(std::vector<double>(rows, rows + 6), (std::vector<double>{1.5, -2.0, 0, 0, 0, 0}));
  EXPECT_EQ(rwork[0], 1.0);
  cd many[3] = {{1, 2}, {3, 4}, {5, 6}}, mwork[6];
  C06PRF("F", 3, 1, many, mwork, g_record, &ifail, 1, KIV2_RECORD_LEN);
  EXPECT_EQ(many[2], cd(5, 6));
  EXPECT_EQ(mwork[0], cd(1.0, 0.0));
}

// C06PPF's conjugate-even rows: b_0 and b_{N/2} (even N) or the spare
// element (odd N) are 0; the rest agrees with C06FAF's packed form.
TEST(StorageForms, ConjugateEvenRowsMatchThePackedForm) {
  for (int n : {4, 5, 12, 15}) {
    const int m = 3;
    std::vector<double> x = fftest::random_reals(m * (n + 2), n), work(2 * n + (n + 2) * m);
    std::vector<std::vector<double>> packed(m, std::vector<double>(n));
    for (int s = 0; s < m; ++s) {
      for (int k = 0; k < n; ++k) packed[s][k] = x[s + k * m];
      int ifail = 1;
      C06FAF(packed[s].data(), n, work.data(), g_record, &ifail, KIV2_RECORD_LEN);
    }
    int ifail = 1;
    C06PPF("F", m, n, x.data(), work.data(), g_record, &ifail, 1, KIV2_RECORD_LEN);
    for (int s = 0; s < m; ++s) {
      auto col = [&](int c) { return x[s + c * m]; };
      EXPECT_EQ(col(1), 0.0);
      EXPECT_EQ(col(n + 1), 0.0);
      for (int k = 0; 2 * k <= n; ++k) EXPECT_NEAR(col(2 * k), packed[s][k], 1e-14);
      for (int k = 1; 2 * k < n; ++k) EXPECT_NEAR(col(2 * k + 1), packed[s][n - k], 1e-14);
    }
  }
}

// ---------------------------------------------------------------------------
// Failure rows: IFAIL, the message lines, the record, and X untouched.

struct FailureRow {
  std::string name;
  std::function<int(double* x, double* work, int* ifail)> call;
  int ierr;
  int label;
  std::string lines;  // the host text, each line followed by '|'
};

std::vector<FailureRow> failure_rows() {
  auto z = [](double* p) { return reinterpret_cast<kiv2_complex*>(p); };
  auto faf = [](int n) {
    return [n](double* x, double* w, int* f) { return C06FAF(x, n, w, g_record, f, 200); };
  };
  auto fbf = [](int n) {
    return [n](double* x, double* w, int* f) { return C06FBF(x, n, w, g_record, f, 200); };
  };
  auto pcf = [z](const char* d, int n) {
    return
        [=](double* x, double* w, int* f) { return C06PCF(d, z(x), n, z(w), g_record, f, 1, 200); };
  };
  auto ppf = [](const char* d, int m, int n) {
    return [=](double* x, double* w, int* f) { return C06PPF(d, m, n, x, w, g_record, f, 1, 200); };
  };
  auto prf = [z](const char* d, int m, int n) {
    return [=](double* x, double* w, int* f) {
      return C06PRF(d, m, n, z(x), z(w), g_record, f, 1, 200);
    };
  };
  auto psf = [z](const char* d, int n, int m) {
    return [=](double* x, double* w, int* f) {
      return C06PSF(d, n, m, z(x), z(w), g_record, f, 1, 200);
    };
  };
  // A value as "%16ld" shows it.
  auto v16 = [](long v) {
    const std::string t = std::to_string(v);
    return std::string(16 - t.size(), ' ') + t + ".|";
  };
  const std::string le1 = " ** On entry, N .le. 1: N =";
  const std::string big = " ** At least one prime factor of N is greater than 19.|    N =";
  const std::string many = " ** N has more than 20 prime factors.|    N =";
  const std::string nlt1 = " ** On entry, N .lt. 1: N = ";
  const std::string mlt1 = " ** On entry, M .lt. 1: M = ";
  return {
      {"C06FAF", faf(1), 3, 99999, le1 + v16(1)},
      {"C06FAF", faf(-4), 3, 99999, le1 + v16(-4)},
      {"C06FAF", faf(23), 1, 99998, big + v16(23)},
      {"C06FAF", faf(1 << 21), 2, 99997, many + v16(2097152)},
      {"C06FBF", fbf(0), 3, 99999, le1 + v16(0)},
      {"C06FBF", fbf(2 * 29), 1, 99998, big + v16(58)},
      {"C06FBF", fbf(3 << 20), 2, 99997, many + v16(3145728)},
      {"C06GBF", [](double* x, double*, int* f) { return C06GBF(x, 0, g_record, f, 200); }, 1,
       99999, nlt1 + v16(0)},
      {"C06PCF", pcf("F", 0), 1, 99999, nlt1 + v16(0)},
      {"C06PCF", pcf("X", 0), 1, 99999, nlt1 + v16(0)},  // N is checked first
      {"C06PCF", pcf("x", 1), 2, 99998, " ** x is an invalid value of DIRECT.|"},
      {"C06PCF", pcf("", 8), 2, 99998, " **   is an invalid value of DIRECT.|"},
      {"C06PPF", ppf("F", 0, 4), 1, 99999, mlt1 + v16(0)},
      {"C06PPF", ppf("F", 2, -3), 2, 99998, nlt1 + v16(-3)},
      {"C06PPF", ppf("R", 2, 4), 3, 99997, " ** R is an invalid value of DIRECT.|"},
      {"C06PRF", prf("F", -1, 4), 1, 99999, mlt1 + v16(-1)},
      {"C06PRF", prf("b", 2, 0), 2, 99998, nlt1 + v16(0)},
      {"C06PRF", prf("?", 2, 1), 3, 99997, " ** ? is an invalid value of DIRECT.|"},
      {"C06PSF", psf("F", 4, 0), 1, 99999, " ** M .lt. 1: M = " + v16(0)},
      {"C06PSF", psf("F", 0, 4), 2, 99998, " ** N .lt. 1: N = " + v16(0)},
      {"C06PSF", psf("s", 4, 2), 3, 99997, " ** s is an invalid value of DIRECT.|"},
  };
}

TEST(Failures, EveryRowReportsItsNumberAndMessageAndLeavesXAlone) {
  for (const FailureRow& row : failure_rows()) {
    SCOPED_TRACE(row.name + " " + row.lines);
    std::vector<double> x = fftest::random_reals(64, 1), x0 = x, work(64);
    fftest::expect_failure([&](int* f) { return row.call(x.data(), work.data(), f); }, row.name,
                           row.ierr, row.label, row.lines, g_record);
    EXPECT_EQ(x, x0);
  }
}

TEST(Failures, IfailZeroEndsTheProcessAfterTheMessage) {
  const kivtest::ChildResult r = kivtest::run_in_child([] {
    int ifail = 0;
    cd x[1], w[2];
    C06PCF("Q", x, 4, w, g_record, &ifail, 1, KIV2_RECORD_LEN);
  });
  EXPECT_TRUE(r.exited);
  EXPECT_FALSE(r.returned);
  EXPECT_EQ(r.status, EXIT_FAILURE);
  EXPECT_NE(r.out.find(" ** Q is an invalid value of DIRECT.\n"), std::string::npos);
  EXPECT_NE(r.out.find("routine C06PCF: IFAIL =     2"), std::string::npos);
}

// ---------------------------------------------------------------------------
// The exports: every entry resolves; the wrappers call the bodies.

TEST(Exports, WrappersAndBodiesResolveAndAgree) {
  for (const char* name :
       {"_q49041@16", "_q21745@24", "_q94063@16", "_q71337@24", "_q48547@12", "_q44888@24",
        "_q29400@32", "_q48967@28", "_q20876@36", "_q53176@28", "_q22767@36", "_q62811@36"})
    EXPECT_NE(kiv2_entry(name), nullptr) << name;

  using Pcf = int(KIV_CALL*)(const char*, kiv2_complex*, const int*, kiv2_complex*, int*, int);
  const auto pcf = reinterpret_cast<Pcf>(kiv2_entry("_q44888@24"));
  std::vector<cd> a = fftest::random_complex(12, 4), b = a, wa(24), wb(24);
  const int n = 12;
  int ifail = 1;
  pcf("F", a.data(), &n, wa.data(), &ifail, 1);
  EXPECT_EQ(ifail, 0);
  C06PCF("F", b.data(), n, wb.data(), g_record, &ifail, 1, KIV2_RECORD_LEN);
  EXPECT_EQ(a, b);

  // The body of C06PSF is its own export.
  using Psf =
      int(KIV_CALL*)(const char*, int, int, kiv2_complex*, kiv2_complex*, char*, int*, int, int);
  const auto psf = reinterpret_cast<Psf>(kiv2_entry("_q62811@36"));
  ifail = 1;
  psf("B", n, 1, a.data(), wa.data(), g_record, &ifail, 1, KIV2_RECORD_LEN);
  EXPECT_EQ(ifail, 0);
  EXPECT_EQ(wa[0], cd(24.0, 0.0));
}

TEST(Exports, C06fafWrapperPoisonsWorkAndReportsWithoutMismatch) {
  using Faf = int(KIV_CALL*)(double*, const int*, double*, int*);
  const auto faf = reinterpret_cast<Faf>(kiv2_entry("_q49041@16"));
  // A prime length needs no permutation: WORK keeps the poison.
  const int n = 7;
  double x[7] = {1, 2, 3, 4, 5, 6, 7}, work[7] = {};
  int ifail = 1;
  std::string host = kivtest::capture_host([&] { faf(x, &n, work, &ifail); });
  EXPECT_EQ(ifail, 0);
  EXPECT_EQ(host, "");
  for (double w : work) EXPECT_EQ(std::bit_cast<std::uint64_t>(w), 0xC1DFDFDFE0000000u);
  // An error through the wrapper: the record agrees, nothing more is said.
  const int bad = 1;
  ifail = 1;
  host = kivtest::capture_host([&] { faf(x, &bad, work, &ifail); });
  EXPECT_EQ(ifail, 3);
  EXPECT_EQ(host, "");
}

}  // namespace
