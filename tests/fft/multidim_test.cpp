// C06PFF and C06PJF against nested one-dimensional DFTs summed in long
// double, their edge cases, every failure row and their exports.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "frame/errors.hpp"
#include "kiv2.h"
#include "failure.hpp"
#include "reference.hpp"
#include "support/capture.hpp"

namespace {

using fftest::cd;
using fftest::cld;

char g_record[KIV2_RECORD_LEN + 1];

int product(const std::vector<int>& nd) {
  int p = 1;
  for (int v : nd) p *= v;
  return p;
}

// X transformed along dimension L (0-based) by a long double DFT of every
// line: the lines of length ND(L) at stride B, in A blocks.
std::vector<cld> along(const std::vector<cld>& x, const std::vector<int>& nd, int l, int sign) {
  long b = 1, a = 1;
  for (int i = 0; i < l; ++i) b *= nd[i];
  for (std::size_t i = l + 1; i < nd.size(); ++i) a *= nd[i];
  const int n = nd[l];
  std::vector<cld> out(x.size());
  for (long blk = 0; blk < a; ++blk)
    for (long s = 0; s < b; ++s) {
      std::vector<cld> line(n);
      for (int k = 0; k < n; ++k) line[k] = x[s + b * (k + n * blk)];
      const std::vector<cld> z = fftest::dft(line, sign);
      for (int k = 0; k < n; ++k) out[s + b * (k + n * blk)] = z[k];
    }
  return out;
}

std::vector<cld> widen(const std::vector<cd>& x) { return {x.begin(), x.end()}; }

double ratio_allowed(const std::vector<int>& nd) { return fftest::allowed(product(nd)); }

struct Shape {
  std::vector<int> nd;
  std::vector<double> used;  // WORK(1) after C06PFF for L = 1 .. NDIM
  double used_all;           // WORK(1) after C06PJF
};

// WORK(1) worked out by hand from the stated rule: 2 ND(1) in one dimension;
// (B+1) n with B the product before L when B > 1, else (A+1) n; 1 when n = 1.
const Shape kShapes[] = {
    {{7}, {14}, 14},
    {{16}, {32}, 32},
    {{6, 5}, {36, 35}, 36},
    {{1, 12}, {1, 24}, 24},
    {{12, 1}, {24, 1}, 24},
    {{4, 1, 9}, {40, 1, 45}, 45},
    {{3, 5, 2, 4}, {123, 20, 32, 124}, 124},
    {{17, 11, 8}, {1513, 198, 1504}, 1513},
};

TEST(C06pff, EveryDimensionAgainstNestedDfts) {
  for (const Shape& s : kShapes) {
    const int n = product(s.nd), ndim = static_cast<int>(s.nd.size());
    for (int l = 1; l <= ndim; ++l)
      for (const char* dir : {"F", "b"}) {
        SCOPED_TRACE(::testing::Message() << "N = " << n << " L = " << l << " " << dir);
        std::vector<cd> x = fftest::random_complex(n, n + l), work(n + s.nd[l - 1] + 15);
        const std::vector<cld> ref = along(widen(x), s.nd, l - 1, dir[0] == 'F' ? -1 : 1);
        int ifail = 1;
        C06PFF(0, dir, ndim, l, s.nd.data(), n, x.data(), work.data(),
               static_cast<int>(work.size()), g_record, &ifail, 1, KIV2_RECORD_LEN);
        ASSERT_EQ(ifail, 0);
        EXPECT_LE(fftest::error_ratio(x, ref), ratio_allowed(s.nd));
        EXPECT_EQ(work[0], cd(s.used[l - 1], 0.0));
      }
  }
}

TEST(C06pjf, AllDimensionsAgainstNestedDfts) {
  std::vector<Shape> shapes(std::begin(kShapes), std::end(kShapes));
  shapes.push_back({{1, 1, 1}, {}, 1});
  shapes.push_back({{32, 24, 10}, {}, 241 * 32});
  for (const Shape& s : shapes) {
    const int n = product(s.nd), ndim = static_cast<int>(s.nd.size());
    int longest = 0;
    for (int v : s.nd) longest = std::max(longest, v);
    for (const char* dir : {"f", "B"}) {
      SCOPED_TRACE(::testing::Message() << "N = " << n << " " << dir);
      std::vector<cd> x = fftest::random_complex(n, 3 * n), work(n + 3 * (longest + 5));
      std::vector<cld> ref = widen(x);
      for (int l = 0; l < ndim; ++l) ref = along(ref, s.nd, l, dir[0] == 'f' ? -1 : 1);
      int ifail = 1;
      C06PJF(0, dir, ndim, s.nd.data(), n, x.data(), work.data(), static_cast<int>(work.size()),
             g_record, &ifail, 1, KIV2_RECORD_LEN);
      ASSERT_EQ(ifail, 0);
      EXPECT_LE(fftest::error_ratio(x, ref), ratio_allowed(s.nd));
      EXPECT_EQ(work[0], cd(s.used_all, 0.0));
    }
  }
}

TEST(C06pff, OneDimensionIsC06pcfAndLengthOneChangesNothing) {
  const int n = 60, nd = n;
  std::vector<cd> a = fftest::random_complex(n, 5), b = a, wa(n + n + 15), wb(2 * n);
  int ifail = 1;
  C06PFF(0, "F", 1, 1, &nd, n, a.data(), wa.data(), static_cast<int>(wa.size()), g_record, &ifail,
         1, KIV2_RECORD_LEN);
  C06PCF("F", b.data(), n, wb.data(), g_record, &ifail, 1, KIV2_RECORD_LEN);
  EXPECT_EQ(a, b);
  EXPECT_EQ(wa[0], cd(2.0 * n, 0.0));

  const int dims[3] = {5, 1, 4};
  const std::vector<cd> x0 = fftest::random_complex(20, 6);
  std::vector<cd> x = x0, work(40, cd(9, 9));
  C06PFF(0, "B", 3, 2, dims, 20, x.data(), work.data(), 40, g_record, &ifail, 1, KIV2_RECORD_LEN);
  EXPECT_EQ(ifail, 0);
  EXPECT_EQ(x, x0);
  EXPECT_EQ(work[0], cd(1.0, 0.0));
  const int ones[3] = {1, 1, 1};
  C06PJF(0, "F", 3, ones, 1, x.data(), work.data(), 40, g_record, &ifail, 1, KIV2_RECORD_LEN);
  EXPECT_EQ(ifail, 0);
  EXPECT_EQ(x, x0);
  EXPECT_EQ(work[0], cd(1.0, 0.0));
}

// ---------------------------------------------------------------------------
// Failure rows: the number, the host text and the record; X untouched.

struct Row {
  std::string name;
  std::function<int(cd* x, cd* work, int* ifail)> call;
  int ierr, label;
  std::string lines;
};

std::string v(int width, long value) {
  const std::string t = std::to_string(value);
  return std::string(width - t.size(), ' ') + t;
}

std::vector<Row> rows() {
  auto pff = [](const char* d, int ndim, int l, std::vector<int> nd, int n, int lwork) {
    return [=](cd* x, cd* w, int* f) {
      return C06PFF(0, d, ndim, l, nd.data(), n, x, w, lwork, g_record, f, 1, 200);
    };
  };
  auto pjf = [](const char* d, int ndim, std::vector<int> nd, int n, int lwork) {
    return [=](cd* x, cd* w, int* f) {
      return C06PJF(0, d, ndim, nd.data(), n, x, w, lwork, g_record, f, 1, 200);
    };
  };
  const std::string lwork = " ** LWORK, = ";
  const int big = INT_MAX;
  return {
      {"C06PFF", pff("F", 0, 1, {4}, 4, 64), 1, 99999,
       " ** On entry, NDIM .lt. 1: NDIM = " + v(16, 0) + ".|"},
      {"C06PFF", pff("X", 2, 3, {4, 4}, 16, 64), 2, 99998,
       " ** On entry, L .lt. 1 or L .gt. NDIM: L = " + v(16, 3) + ".|"},
      {"C06PFF", pff("X", 2, 0, {4, 4}, 16, 64), 2, 99998,
       " ** On entry, L .lt. 1 or L .gt. NDIM: L = " + v(16, 0) + ".|"},
      {"C06PFF", pff("X", 2, 1, {0, 4}, 16, 64), 3, 99997, " ** X is an invalid value of DIRECT.|"},
      {"C06PFF", pff("F", 3, 1, {2, 3, -1}, 6, 64), 4, 99996,
       " ** ND(I) .lt. 1: ND(I) = " + v(12, -1) + " I = " + v(12, 3) + ".|"},
      // LWORK is checked before the product.
      {"C06PFF", pff("F", 2, 2, {4, 4}, 15, 33), 6, 99994,
       lwork + v(16, 33) + ",  must be at least:" + v(16, 34) + ".|"},
      {"C06PFF", pff("F", 2, 2, {4, 4}, 15, 64), 5, 99995,
       " ** N must = product of the ND(I): N = " + v(12, 15) + " ND(I) = " + v(12, 16) + ".|"},
      // Lengths beyond every int are shown as the largest int, not wrapped.
      {"C06PFF", pff("F", 1, 1, {big}, big, big), 6, 99994,
       lwork + v(16, big) + ",  must be at least:" + v(16, big) + ".|"},
      {"C06PFF", pff("F", 2, 1, {65536, 65536}, 16, 100000), 5, 99995,
       " ** N must = product of the ND(I): N = " + v(12, 16) + " ND(I) = " + v(12, big) + ".|"},
      {"C06PFF", pff("F", 4, 1, {2, big, big, big}, 1, 64), 5, 99995,
       " ** N must = product of the ND(I): N = " + v(12, 1) + " ND(I) = " + v(12, big) + ".|"},
      {"C06PJF", pjf("F", -2, {4}, 4, 64), 1, 99999, " ** NDIM .lt. 1: NDIM = " + v(16, -2) + ".|"},
      {"C06PJF", pjf("", 1, {0}, 4, 64), 2, 99998, " **   is an invalid value of DIRECT.|"},
      {"C06PJF", pjf("B", 2, {3, 0}, 0, 64), 3, 99997,
       " ** ND(I) .lt. 1: ND(I) = " + v(16, 0) + " I = " + v(16, 2) + ".|"},
      {"C06PJF", pjf("B", 2, {3, 7}, 20, 40), 5, 99995,
       lwork + v(16, 40) + ",  must be at least:" + v(16, 56) + ".|"},
      {"C06PJF", pjf("B", 2, {3, 7}, 20, 56), 4, 99996,
       " ** N = the product of the ND(I): N = " + v(12, 20) + " ND(I) = " + v(12, 21) + ".|"},
      {"C06PJF", pjf("F", 1, {big}, big, big), 5, 99995,
       lwork + v(16, big) + ",  must be at least:" + v(16, big) + ".|"},
      {"C06PJF", pjf("F", 3, {2048, 2048, 2048}, 64, 10000), 4, 99996,
       " ** N = the product of the ND(I): N = " + v(12, 64) + " ND(I) = " + v(12, big) + ".|"},
  };
}

TEST(MultiDimensionalFailures, EveryRowReportsItsNumberAndMessageAndLeavesXAlone) {
  for (const Row& row : rows()) {
    SCOPED_TRACE(row.name + " " + row.lines);
    std::vector<cd> x = fftest::random_complex(64, 2), x0 = x, work(64);
    fftest::expect_failure([&](int* f) { return row.call(x.data(), work.data(), f); }, row.name,
                           row.ierr, row.label, row.lines, g_record);
    EXPECT_EQ(x, x0);
  }
}

// C06PJF composes its messages in 180-character lines: its widest one (a
// factor count no int reaches) is 81 characters, one more than the usual line.
TEST(MultiDimensionalFailures, WideLinesStayWhole) {
  const std::string text = " ** ND(I) must have < 31 prime factors: for I = %12ld ND(I) =%12ld.";
  const std::string shown = " ** ND(I) must have < 31 prime factors: for I = " + v(12, 3) +
                            " ND(I) =" + v(12, 1 << 30) + ".|";
  ASSERT_GT(shown.size() - 1, 80u);
  for (int len : {80, 180}) {
    const std::string host = kivtest::capture_host([&] {
      kiv::Reporter rep("C06PJF", g_record, KIV2_RECORD_LEN, len);
      rep.fail(6, kiv::Message{text.c_str(), 99994}, 3, 1 << 30);
      int ifail = -13;
      rep.finish(&ifail);
    });
    if (len == 180)
      EXPECT_EQ(host, shown);
    else
      EXPECT_EQ(host, shown.substr(0, 79) + "|");  // cut where an 80-character line ends
  }
}

// ---------------------------------------------------------------------------

TEST(MultiDimensionalExports, WrappersPoisonWorkAndAgreeWithTheBodies) {
  using Pff = int(KIV_CALL*)(const char*, const int*, const int*, const int*, const int*,
                             kiv2_complex*, kiv2_complex*, const int*, int*, int);
  using Pjf = int(KIV_CALL*)(const char*, const int*, const int*, const int*, kiv2_complex*,
                             kiv2_complex*, const int*, int*, int);
  using PffBody = int(KIV_CALL*)(int, const char*, int, int, const int*, int, kiv2_complex*,
                                 kiv2_complex*, int, char*, int*, int, int);
  using PjfBody = int(KIV_CALL*)(int, const char*, int, const int*, int, kiv2_complex*,
                                 kiv2_complex*, int, char*, int*, int, int);
  const auto pff = reinterpret_cast<Pff>(kiv2_entry("_q27462@40"));
  const auto pjf = reinterpret_cast<Pjf>(kiv2_entry("_q59607@36"));
  const auto pff_body = reinterpret_cast<PffBody>(kiv2_entry("_q92645@52"));
  const auto pjf_body = reinterpret_cast<PjfBody>(kiv2_entry("_q40979@48"));
  ASSERT_TRUE(pff && pjf && pff_body && pjf_body);

  const int nd[2] = {6, 4}, ndim = 2, l = 2, n = 24, lwork = 80;
  const std::vector<cd> x0 = fftest::random_complex(n, 8);
  std::vector<cd> a = x0, b = x0, wa(lwork), wb(lwork);
  int ifail = 1;
  pff("F", &ndim, &l, nd, &n, a.data(), wa.data(), &lwork, &ifail, 1);
  EXPECT_EQ(ifail, 0);
  pff_body(0, "F", ndim, l, nd, n, b.data(), wb.data(), lwork, g_record, &ifail, 1, 200);
  EXPECT_EQ(a, b);
  EXPECT_EQ(wa[0], cd(28.0, 0.0));  // (B+1) n with B = 6
  // The wrapper poisons every one of the LWORK elements; the body writes
  // the table and scratch it needs (28 values here) and WORK(1).
  EXPECT_EQ(wa[lwork - 1], cd(-2139062144.0, -2139062144.0));

  a = b = x0;
  pjf("B", &ndim, nd, &n, a.data(), wa.data(), &lwork, &ifail, 1);
  EXPECT_EQ(ifail, 0);
  pjf_body(0, "B", ndim, nd, n, b.data(), wb.data(), lwork, g_record, &ifail, 1, 200);
  EXPECT_EQ(a, b);
  EXPECT_EQ(wa[0], cd(30.0, 0.0));  // the larger of (A+1) n for L = 1 and 28

  // An error through a wrapper: the record agrees, the wrapper says nothing.
  const int bad = 0;
  ifail = 1;
  const std::string host = kivtest::capture_host(
      [&] { pjf("F", &bad, nd, &n, a.data(), wa.data(), &lwork, &ifail, 1); });
  EXPECT_EQ(ifail, 1);
  EXPECT_EQ(host, "");
}

}  // namespace
