// C06RAF, C06RBF, C06RCF and C06RDF against their defining sums in long
// double, their edge cases, failure rows and exports.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "fft/prime_dft.hpp"
#include "kiv2.h"
#include "failure.hpp"
#include "reference.hpp"
#include "support/capture.hpp"

namespace {

using fftest::cd;
using fftest::cld;

char g_record[KIV2_RECORD_LEN + 1];

enum Kind { kSine, kCosine, kQuarterSine, kQuarterCosine };
const char* const kNames[] = {"C06RAF", "C06RBF", "C06RCF", "C06RDF"};

// sin and cos of pi r/(2N) for r mod 4N, in long double.
struct QuarterRoots {
  explicit QuarterRoots(int n) : n4(4L * n), c(n4), s(n4) {
    const long double pi = 3.141592653589793238462643383279502884L;
    for (long r = 0; r < n4; ++r) {
      c[r] = std::cos(2 * pi * r / n4);
      s[r] = std::sin(2 * pi * r / n4);
    }
  }
  long double sin(long r) const { return s[r % n4]; }
  long double cos(long r) const { return c[r % n4]; }
  long n4;
  std::vector<long double> c, s;
};

// The values each routine reads and writes, and the definition's sums:
// IN holds them as the routine numbers them (first index 0 for C06RBF
// and C06RDF, 1 otherwise; C06RAF's and C06RBF's range as stated).
struct Layout {
  int first, count;  // the values' first column (1-based) and their count
};
Layout layout(Kind kind, int n) {
  switch (kind) {
    case kSine:
      return {1, n - 1};
    case kCosine:
      return {1, n + 1};
    default:
      return {1, n};
  }
}

std::vector<cld> reference(Kind kind, bool forward, const std::vector<double>& in, int n,
                           const QuarterRoots& w) {
  const long double sn = std::sqrt(static_cast<long double>(n));
  const long double two_n = std::sqrt(2.0L / n);
  std::vector<cld> out(in.size());
  for (std::size_t a = 0; a < in.size(); ++a) {
    long double sum = 0;
    const long k = static_cast<long>(a);
    switch (kind) {
      case kSine:  // x_j = in[j-1], k = a+1
        for (long j = 1; j < n; ++j) sum += in[j - 1] * w.sin(2 * j * (k + 1));
        sum *= two_n;
        break;
      case kCosine:  // x_j = in[j]
        sum = in[0] / 2.0L + ((k % 2) ? -1.0L : 1.0L) * in[n] / 2.0L;
        for (long j = 1; j < n; ++j) sum += in[j] * w.cos(2 * j * k);
        sum *= two_n;
        break;
      case kQuarterSine:  // x_j = in[j-1], j, k = 1 .. N
        if (forward) {
          for (long j = 1; j < n; ++j) sum += in[j - 1] * w.sin((2 * (k + 1) - 1) * j);
          sum = (sum + 0.5L * in[n - 1] * w.sin((2 * (k + 1) - 1) * n)) / sn;
        } else {
          for (long c = 1; c <= n; ++c) sum += in[c - 1] * w.sin((2 * c - 1) * (k + 1));
          sum *= 2 / sn;
        }
        break;
      case kQuarterCosine:  // x_j = in[j], j, k = 0 .. N-1
        if (forward) {
          sum = 0.5L * in[0];
          for (long j = 1; j < n; ++j) sum += in[j] * w.cos((2 * k + 1) * j);
          sum /= sn;
        } else {
          for (long c = 0; c < n; ++c) sum += in[c] * w.cos((2 * c + 1) * k);
          sum *= 2 / sn;
        }
        break;
    }
    out[a] = sum;
  }
  return out;
}

int call(Kind kind, const char* dir, int m, int n, double* x, double* work, int* ifail) {
  switch (kind) {
    case kSine:
      return C06RAF(m, n, x, work, g_record, ifail, KIV2_RECORD_LEN);
    case kCosine:
      return C06RBF(m, n, x, work, g_record, ifail, KIV2_RECORD_LEN);
    case kQuarterSine:
      return C06RCF(dir, m, n, x, work, g_record, ifail, 1, KIV2_RECORD_LEN);
    default:
      return C06RDF(dir, m, n, x, work, g_record, ifail, 1, KIV2_RECORD_LEN);
  }
}

int columns(Kind kind, int n) { return kind == kCosine ? n + 3 : n + 2; }

// C06RAF and C06RBF form their odd-numbered results as a running sum of
// the real transform's outputs: the sum divides the rounding errors of the
// pre-processed data by sin(pi j/N), so their error grows like N eps, not
// log N.  The quarter-wave pair keeps log N.
double bound(Kind kind, int n) {
  const double b = fftest::allowed(2 * n);
  return kind == kSine || kind == kCosine ? b * (1.0 + n / 16.0) : b;
}

// M sequences of length N through the routine, each row against its sum.
void check_case(Kind kind, bool forward, int m, int n) {
  SCOPED_TRACE(::testing::Message() << kNames[kind] << (forward ? " F" : " B") << " M = " << m
                                    << " N = " << n);
  const QuarterRoots w(n);
  const int cols = columns(kind, n);
  const Layout lay = layout(kind, n);
  std::vector<double> x = fftest::random_reals(static_cast<std::size_t>(m) * cols, 31 * n + m);
  std::vector<double> work(2 * n + (n + 2) * m);
  std::vector<std::vector<cld>> refs;
  for (int s = 0; s < m; ++s) {
    std::vector<double> in;
    for (int c = lay.first; c < lay.first + lay.count; ++c) in.push_back(x[s + (c - 1) * m]);
    refs.push_back(reference(kind, forward, in, n, w));
  }
  int ifail = 1;
  call(kind, forward ? "F" : "B", m, n, x.data(), work.data(), &ifail);
  ASSERT_EQ(ifail, 0);
  EXPECT_EQ(work[0], n == 1 ? 1.0 : m == 1 ? 3.0 * n : (n + 2.0) * m + 2.0 * n);
  for (int s = 0; s < m; ++s) {
    std::vector<cd> got;
    for (int c = lay.first; c < lay.first + lay.count; ++c) got.push_back(x[s + (c - 1) * m]);
    if (!got.empty()) {
      EXPECT_LE(fftest::error_ratio(got, refs[s]), bound(kind, n));
    }
    const int zero_from = kind == kSine ? n : kind == kCosine || n == 1 ? n + 3 : n + 1;
    for (int c = zero_from; c <= n + 2; ++c) EXPECT_EQ(x[s + (c - 1) * m], 0.0) << c;
  }
}

TEST(SineCosine, EveryLengthUpTo64AgainstTheSums) {
  for (int n = 1; n <= 64; ++n)
    for (int m : {1, 3})
      for (Kind kind : {kSine, kCosine, kQuarterSine, kQuarterCosine})
        for (bool forward : {true, false}) {
          if (!forward && (kind == kSine || kind == kCosine)) continue;
          check_case(kind, forward, m, n);
        }
}

TEST(SineCosine, LongerSmoothAndPrimeLengths) {
  for (int n : {100, 128, 243, 360, 1000, 1024, 1009, 4096})
    for (Kind kind : {kSine, kCosine, kQuarterSine, kQuarterCosine}) {
      check_case(kind, true, 1, n);
      if (kind >= kQuarterSine) check_case(kind, false, 1, n);
    }
  for (Kind kind : {kSine, kCosine, kQuarterSine, kQuarterCosine}) check_case(kind, true, 7, 480);
}

// C06RAF and C06RBF are their own inverses; C06RCF and C06RDF backward undo
// forward.  Length 1 and 2 have closed forms.
TEST(SineCosine, InversesAndShortLengths) {
  for (int n : {1, 2, 3, 16, 45, 210})
    for (Kind kind : {kSine, kCosine, kQuarterSine, kQuarterCosine}) {
      const int m = 2, cols = columns(kind, n);
      const Layout lay = layout(kind, n);
      const std::vector<double> x0 = fftest::random_reals(m * cols, n);
      std::vector<double> x = x0, work(2 * n + (n + 2) * m);
      int ifail = 1;
      call(kind, "F", m, n, x.data(), work.data(), &ifail);
      call(kind, "B", m, n, x.data(), work.data(), &ifail);
      std::vector<cd> got;
      std::vector<cld> want;
      for (int c = lay.first; c < lay.first + lay.count; ++c)
        for (int s = 0; s < m; ++s) {
          got.push_back(x[s + (c - 1) * m]);
          want.push_back(x0[s + (c - 1) * m]);
        }
      if (!got.empty()) {
        EXPECT_LE(fftest::error_ratio(got, want), 2 * bound(kind, n)) << kNames[kind] << n;
      }
    }

  int ifail = 1;
  double work[6];  // 3N for N = 2
  double two[4] = {9.0, -0.75, 5.0, 7.0};  // C06RAF, N = 2: x^_1 = x_1
  C06RAF(1, 2, two, work, g_record, &ifail, KIV2_RECORD_LEN);
  EXPECT_DOUBLE_EQ(two[0], 9.0);
  EXPECT_EQ(two[1], 0.0);
  double one[4] = {3.0, -5.0, 1.0, 1.0};  // C06RBF, N = 1: sum and difference / sqrt(2)
  C06RBF(1, 1, one, work, g_record, &ifail, KIV2_RECORD_LEN);
  EXPECT_DOUBLE_EQ(one[0], -2.0 / std::sqrt(2.0));
  EXPECT_DOUBLE_EQ(one[1], 8.0 / std::sqrt(2.0));
  for (const char* name : {"C06RCF", "C06RDF"}) {
    double v[3] = {6.0, 1.0, 1.0};
    Kind kind = name[4] == 'C' ? kQuarterSine : kQuarterCosine;
    call(kind, "F", 1, 1, v, work, &ifail);
    EXPECT_EQ(v[0], 3.0) << name;
    call(kind, "B", 1, 1, v, work, &ifail);
    EXPECT_EQ(v[0], 6.0) << name;
    EXPECT_EQ(work[0], 1.0);
  }
}

// A large prime factor's convolution needs scratch of the library's own;
// when none can be had the pass runs its direct kernel, with the same
// results.  The allocator refuses every request and counts them, so each
// case shows that it reached the fallback.
int g_refused = 0;
void* refuse(std::size_t) {
  ++g_refused;
  return nullptr;
}

TEST(SineCosine, PrimeFactorsWithoutScratchRunTheDirectKernels) {
  struct Refusing {
    Refusing() { kiv::fft::prime_dft_malloc = refuse; }
    ~Refusing() { kiv::fft::prime_dft_malloc = kiv::fft::system_malloc; }
  } refusing;
  // Odd 1009 goes through the real engine (Bluestein's: 1008 is not
  // 5-smooth); even lengths through the complex one on N/2: 101 (Rader's)
  // and 1009.  One row and several.
  for (int n : {1009, 202, 2018})
    for (int m : {1, 3})
      for (Kind kind : {kSine, kCosine, kQuarterSine, kQuarterCosine}) {
        const int before = g_refused;
        check_case(kind, true, m, n);
        if (kind >= kQuarterSine) check_case(kind, false, m, n);
        EXPECT_GT(g_refused, before) << kNames[kind] << " M = " << m << " N = " << n;
      }
}

// ---------------------------------------------------------------------------

TEST(SineCosineFailures, EveryRowReportsItsNumberAndMessageAndLeavesXAlone) {
  struct Row {
    Kind kind;
    const char* dir;
    int m, n, ierr, label;
    std::string lines;
  };
  auto v16 = [](long v) {
    const std::string t = std::to_string(v);
    return std::string(16 - t.size(), ' ') + t + ".|";
  };
  const std::string mlt1 = " ** On entry, M .lt. 1: M = ", nlt1 = " ** On entry, N .lt. 1: N = ";
  const Row rows[] = {
      {kSine, "", 0, 4, 1, 99999, mlt1 + v16(0)},
      {kSine, "", 2, -1, 2, 99998, nlt1 + v16(-1)},
      {kCosine, "", -7, 0, 1, 99999, mlt1 + v16(-7)},
      {kCosine, "", 1, 0, 2, 99998, nlt1 + v16(0)},
      {kQuarterSine, "Z", 0, 4, 1, 99999, mlt1 + v16(0)},
      {kQuarterSine, "Z", 3, 0, 2, 99998, nlt1 + v16(0)},
      {kQuarterSine, "Z", 3, 4, 3, 99997, " ** Z is an invalid value of DIRECT.|"},
      {kQuarterCosine, "F", 0, 0, 1, 99999, mlt1 + v16(0)},
      {kQuarterCosine, "x", 1, 1, 3, 99997, " ** x is an invalid value of DIRECT.|"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(kNames[row.kind]) + " " + row.lines);
    std::vector<double> x = fftest::random_reals(64, 1), x0 = x, work(64);
    fftest::expect_failure(
        [&](int* f) { return call(row.kind, row.dir, row.m, row.n, x.data(), work.data(), f); },
        kNames[row.kind], row.ierr, row.label, row.lines, g_record);
    EXPECT_EQ(x, x0);
  }
}

TEST(SineCosineExports, WrappersAndBodiesResolveAndAgree) {
  using Plain = int(KIV_CALL*)(const int*, const int*, double*, double*, int*);
  using Directed = int(KIV_CALL*)(const char*, const int*, const int*, double*, double*, int*, int);
  using PlainBody = int(KIV_CALL*)(int, int, double*, double*, char*, int*, int);
  using DirectedBody = int(KIV_CALL*)(const char*, int, int, double*, double*, char*, int*, int,
                                      int);
  const int m = 3, n = 12;
  const std::vector<double> x0 = fftest::random_reals(m * (n + 3), 12);
  for (Kind kind : {kSine, kCosine, kQuarterSine, kQuarterCosine}) {
    static const char* const hosts[] = {"_q12278@20", "_q26629@20", "_q16953@28", "_q12240@28"};
    static const char* const bodies[] = {"_q33216@28", "_q92175@28", "_q86805@36", "_q85317@36"};
    void* host = kiv2_entry(hosts[kind]);
    void* body = kiv2_entry(bodies[kind]);
    ASSERT_TRUE(host && body) << kNames[kind];
    std::vector<double> a = x0, b = x0, c = x0, work(2 * n + (n + 2) * m);
    int ifail = 1;
    if (kind <= kCosine) {
      reinterpret_cast<Plain>(host)(&m, &n, a.data(), work.data(), &ifail);
      reinterpret_cast<PlainBody>(body)(m, n, b.data(), work.data(), g_record, &ifail, 200);
    } else {
      reinterpret_cast<Directed>(host)("B", &m, &n, a.data(), work.data(), &ifail, 1);
      reinterpret_cast<DirectedBody>(body)("B", m, n, b.data(), work.data(), g_record, &ifail, 1,
                                           200);
    }
    EXPECT_EQ(ifail, 0);
    call(kind, "B", m, n, c.data(), work.data(), &ifail);
    EXPECT_EQ(a, c) << kNames[kind];
    EXPECT_EQ(b, c) << kNames[kind];
  }
}

}  // namespace
