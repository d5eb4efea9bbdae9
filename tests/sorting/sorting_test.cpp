// Sorting, ranking, rearranging and permutation checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <complex>
#include <cstdint>
#include <functional>
#include <limits>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "kiv2.h"
#include "report.hpp"
#include "sorting/sorting.hpp"

namespace {

using kivtest::report;
using Complex = std::complex<double>;

constexpr int kPoison = static_cast<int>(0x80808080u);

int sort(std::vector<double>& v, int m1, int m2, const char* order) {
  char record[KIV2_RECORD_LEN + 1];
  int ifail = 1;
  return M01CAF(v.data(), m1, m2, order, record, &ifail, 1, KIV2_RECORD_LEN);
}

std::vector<int> rank(const std::vector<double>& v, const char* order) {
  std::vector<int> irank(v.size());
  char record[KIV2_RECORD_LEN + 1];
  int ifail = 1;
  M01DAF(v.data(), 1, static_cast<int>(v.size()), order, irank.data(), record, &ifail, 1,
         KIV2_RECORD_LEN);
  EXPECT_EQ(ifail, 0);
  return irank;
}

// Ranks from a stable sort of positions: the reference for M01DAF.  A
// stable descending sort keeps ties in input order, as M01DAF does.
std::vector<int> reference_rank(const std::vector<double>& v, bool ascending) {
  std::vector<int> pos(v.size()), r(v.size());
  std::iota(pos.begin(), pos.end(), 0);
  std::stable_sort(pos.begin(), pos.end(),
                   [&](int a, int b) { return ascending ? v[a] < v[b] : v[a] > v[b]; });
  for (std::size_t k = 0; k < pos.size(); ++k) r[pos[k]] = static_cast<int>(k) + 1;
  return r;
}

std::vector<double> random_values(int n, unsigned seed, int distinct = 0) {
  std::mt19937 gen(seed);
  std::uniform_real_distribution<double> u(-1.0, 1.0);
  std::uniform_int_distribution<int> d(0, std::max(distinct - 1, 0));
  std::vector<double> v(n);
  for (double& x : v) x = distinct > 0 ? d(gen) : u(gen);
  return v;
}

// ---------------------------------------------------------------- errors

// Every routine opens with the same section checks, in this order.
using SectionCall = std::function<int(int m1, int m2, char* record, int* ifail)>;

struct Routine {
  const char* name;
  SectionCall call;
};

std::vector<Routine> all_routines() {
  static std::vector<double> rv(4, 1.0);
  static std::vector<int> iv(4, 1), irank(4, 1);
  static std::vector<Complex> cv(4);
  return {
      {"M01CAF", [](int m1, int m2, char* r, int* f) {
         return M01CAF(rv.data(), m1, m2, "A", r, f, 1, KIV2_RECORD_LEN);
       }},
      {"M01DAF", [](int m1, int m2, char* r, int* f) {
         return M01DAF(rv.data(), m1, m2, "A", irank.data(), r, f, 1, KIV2_RECORD_LEN);
       }},
      {"M01EAF", [](int m1, int m2, char* r, int* f) {
         return M01EAF(rv.data(), m1, m2, irank.data(), r, f, KIV2_RECORD_LEN);
       }},
      {"M01EBF", [](int m1, int m2, char* r, int* f) {
         return M01EBF(iv.data(), m1, m2, irank.data(), r, f, KIV2_RECORD_LEN);
       }},
      {"M01EDF", [](int m1, int m2, char* r, int* f) {
         return M01EDF(cv.data(), m1, m2, irank.data(), r, f, KIV2_RECORD_LEN);
       }},
      {"M01ZAF", [](int m1, int m2, char* r, int* f) {
         return M01ZAF(irank.data(), m1, m2, r, f, KIV2_RECORD_LEN);
       }},
      {"M01ZBF", [](int m1, int m2, char* r, int* f) {
         return M01ZBF(irank.data(), m1, m2, r, f, KIV2_RECORD_LEN);
       }},
  };
}

TEST(Section, ChecksInOrderWithExactMessagesInEveryRoutine) {
  struct Case {
    int m1, m2;
    std::string lines, record_tail;
  };
  const Case cases[] = {
      {0, 0, " ** On entry, M2 .lt. 1: M2 =               0.\n", "     1 99999     1                0"},
      {0, 3, " ** On entry, M1 .lt. 1: M1 =               0.\n", "     1 99998     1                0"},
      {4, 3,
       " ** On entry, M1 .gt. M2:\n    M1 =               4, M2 =               3.\n",
       "     1 99997     2                4                3"},
  };
  for (const Routine& r : all_routines()) {
    for (const Case& c : cases) {
      const auto rep = report([&](char* rec, int* f) { return r.call(c.m1, c.m2, rec, f); });
      EXPECT_EQ(rep.ifail, 1) << r.name;
      EXPECT_EQ(rep.lines, c.lines) << r.name;
      EXPECT_EQ(rep.record, std::string(r.name) + c.record_tail) << r.name;
    }
    // A one-element section succeeds without looking at the data.
    char record[KIV2_RECORD_LEN + 1];
    int ifail = 1;
    EXPECT_EQ(r.call(2, 2, record, &ifail), 0) << r.name;
    EXPECT_STREQ(record, "NONE");
  }
}

TEST(Section, BadOrderIsErrorTwoAfterTheSectionChecks) {
  std::vector<double> v{2.0, 1.0};
  std::vector<int> irank(2);
  for (const char* order : {"X", "!", "$"}) {
    auto rep = report([&](char* rec, int* f) {
      return M01CAF(v.data(), 1, 2, order, rec, f, 1, KIV2_RECORD_LEN);
    });
    EXPECT_EQ(rep.ifail, 2);
    EXPECT_EQ(rep.lines, std::string(" ** On entry, ORDER has an illegal value: ORDER = '") +
                             order + "'.\n");
    EXPECT_EQ(rep.record, std::string("M01CAF     2 99996     1 ") + order);
    rep = report([&](char* rec, int* f) {
      return M01DAF(v.data(), 1, 2, order, irank.data(), rec, f, 1, KIV2_RECORD_LEN);
    });
    EXPECT_EQ(rep.ifail, 2);
    EXPECT_EQ(rep.record, std::string("M01DAF     2 99996     1 ") + order);
  }
  EXPECT_EQ(v, (std::vector<double>{2.0, 1.0}));
  // The section is checked first.
  const auto rep = report([&](char* rec, int* f) {
    return M01CAF(v.data(), 2, 1, "X", rec, f, 1, KIV2_RECORD_LEN);
  });
  EXPECT_EQ(rep.ifail, 1);
}

// ---------------------------------------------------------------- M01CAF

TEST(M01CAF, SortsOnlyTheSectionAroundTheSixteenElementThreshold) {
  for (int n : {2, 3, 15, 16, 17, 33, 100, 1000}) {
    for (const char* order : {"A", "d"}) {
      std::vector<double> v = random_values(n + 4, 7u * n);
      std::vector<double> expected = v;
      std::sort(expected.begin() + 2, expected.end() - 2);
      if (*order == 'd') std::reverse(expected.begin() + 2, expected.end() - 2);
      EXPECT_EQ(sort(v, 3, n + 2, order), 0);
      EXPECT_EQ(v, expected) << n << order;
    }
  }
}

TEST(M01CAF, DescendingReversesTheAscendingOrderOfEqualValues) {
  // Below 16 elements only the (stable) insertion sort runs, so +0 stays
  // before -0 ascending and comes after it descending.
  std::vector<double> v{1.0, 0.0, -0.0, -1.0};
  sort(v, 1, 4, "A");
  EXPECT_EQ(v, (std::vector<double>{-1.0, 0.0, 0.0, 1.0}));
  EXPECT_FALSE(std::signbit(v[1]));
  EXPECT_TRUE(std::signbit(v[2]));
  v = {1.0, 0.0, -0.0, -1.0};
  sort(v, 1, 4, "D");
  EXPECT_TRUE(std::signbit(v[1]));
  EXPECT_FALSE(std::signbit(v[2]));
}

TEST(M01CAF, MillionElementPatternsStayFast) {
  constexpr int n = 1000000;
  const std::vector<std::pair<const char*, std::function<double(int)>>> patterns = {
      {"sorted", [](int i) { return i; }},
      {"reversed", [](int i) { return n - i; }},
      {"equal", [](int) { return 3.0; }},
      {"organ pipe", [](int i) { return std::min(i, n - i); }},
      {"sawtooth", [](int i) { return i % 1000; }},
      {"two values", [](int i) { return (i / 3 + i / 7) % 2; }},
  };
  for (const auto& [name, f] : patterns) {
    std::vector<double> v(n);
    for (int i = 0; i < n; ++i) v[i] = f(i);
    std::vector<double> expected = v;
    std::sort(expected.begin(), expected.end());
    const auto start = std::chrono::steady_clock::now();
    sort(v, 1, n, "A");
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(v, expected) << name;
    EXPECT_LT(seconds, 20.0) << name;  // a quadratic sort takes hours
  }
}

TEST(M01CAF, NaNsNeitherCrashNorLoseValues) {
  std::vector<double> v = random_values(5000, 3);
  for (int i = 0; i < 5000; i += 7) v[i] = std::nan("");
  std::vector<double> sorted = v;
  sort(sorted, 1, 5000, "A");
  auto key = [](std::vector<double> x) {
    for (double& d : x) d = std::isnan(d) ? 9.0 : d;
    std::sort(x.begin(), x.end());
    return x;
  };
  EXPECT_EQ(key(sorted), key(v));
}

// ---------------------------------------------------------------- M01DAF

TEST(M01DAF, SmallExampleIsStableInBothDirections) {
  const std::vector<double> v{3.0, 1.0, 3.0, 2.0};
  EXPECT_EQ(rank(v, "A"), (std::vector<int>{3, 1, 4, 2}));
  EXPECT_EQ(rank(v, "d"), (std::vector<int>{1, 4, 2, 3}));
}

TEST(M01DAF, ManyTiesKeepInputOrderInBothDirections) {
  struct Case {
    int n, distinct;
  };
  for (const Case c : {Case{1, 0}, Case{2, 1}, Case{11, 3}, Case{1000, 2}, Case{20000, 7},
                       Case{50001, 1000}, Case{30000, 0}}) {
    const std::vector<double> v = random_values(c.n, 11u + c.n, c.distinct);
    EXPECT_EQ(rank(v, "a"), reference_rank(v, true)) << c.n;
    EXPECT_EQ(rank(v, "D"), reference_rank(v, false)) << c.n;
  }
}

TEST(M01DAF, RunPatternsRankLikeAStableSort) {
  // Ascending, descending and interleaved runs exercise appending,
  // prepending and the inner insertion of the run builder.
  constexpr int n = 4000;
  const std::vector<std::function<double(int)>> patterns = {
      [](int i) { return i; },
      [](int i) { return -i; },
      [](int i) { return i % 2 ? i : -i; },
      [](int i) { return (i * 37) % 13; },
      [](int i) { return std::sin(i * 0.37); },
  };
  for (const auto& f : patterns) {
    std::vector<double> v(n);
    for (int i = 0; i < n; ++i) v[i] = f(i);
    EXPECT_EQ(rank(v, "A"), reference_rank(v, true));
    EXPECT_EQ(rank(v, "D"), reference_rank(v, false));
  }
}

TEST(M01DAF, SectionRanksRunFromM1) {
  const std::vector<double> v{9.0, 3.0, 1.0, 2.0, 9.0};
  std::vector<int> irank(5, -7);
  char record[KIV2_RECORD_LEN + 1];
  int ifail = 1;
  M01DAF(v.data(), 2, 4, "A", irank.data(), record, &ifail, 1, KIV2_RECORD_LEN);
  EXPECT_EQ(irank, (std::vector<int>{-7, 4, 2, 3, -7}));
}

// ---------------------------------------------------------------- rearranging

TEST(Rearrange, ExampleAndRankRoundTripForEveryElementType) {
  std::vector<double> rv{10.0, 20.0, 30.0};
  std::vector<int> irank{3, 1, 2};
  char record[KIV2_RECORD_LEN + 1];
  int ifail = 1;
  M01EAF(rv.data(), 1, 3, irank.data(), record, &ifail, KIV2_RECORD_LEN);
  EXPECT_EQ(rv, (std::vector<double>{20.0, 30.0, 10.0}));
  EXPECT_EQ(irank, (std::vector<int>{3, 1, 2}));

  // Ranks from M01DAF put each type into sorted order.
  const std::vector<double> v = random_values(3000, 5);
  std::vector<int> ranks = rank(v, "A");
  std::vector<double> r = v;
  std::vector<int> iv(v.size());
  std::vector<Complex> cv(v.size());
  for (std::size_t k = 0; k < v.size(); ++k) {
    iv[k] = static_cast<int>(v[k] * 1e6);
    cv[k] = {v[k], -v[k]};
  }
  const int n = static_cast<int>(v.size());
  M01EAF(r.data(), 1, n, ranks.data(), record, &ifail, KIV2_RECORD_LEN);
  M01EBF(iv.data(), 1, n, ranks.data(), record, &ifail, KIV2_RECORD_LEN);
  M01EDF(cv.data(), 1, n, ranks.data(), record, &ifail, KIV2_RECORD_LEN);
  EXPECT_EQ(ranks, rank(v, "A"));
  std::vector<double> expected = v;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(r, expected);
  EXPECT_TRUE(std::is_sorted(iv.begin(), iv.end()));
  for (int k = 0; k < n; ++k) EXPECT_EQ(cv[k], Complex(expected[k], -expected[k]));
}

// A failing rank or permutation vector: each routine reports it, restores
// every sign and keeps the data (unchanged after error 2; after error 3 a
// rearrangement of the original elements).
TEST(Rearrange, FailuresRestoreSignsAndKeepTheData) {
  struct Case {
    std::vector<int> p;
    int m1, ierr;
    std::string detail;  // the message's last line
  };
  const Case cases[] = {
      {{2, 2, 3}, 1, 3, "contains a repeated value:               2."},
      {{3, 1, 2, 2}, 1, 3, "contains a repeated value:               2."},
      {{2, 3, 1, 5, 5}, 1, 3, "contains a repeated value:               5."},
      // Cycles completed before the repeat is met, and a chain ending in one.
      {{2, 1, 4, 5, 5}, 1, 3, "contains a repeated value:               5."},
      {{3, 1, 2, 1}, 1, 3, "contains a repeated value:               1."},
      {{4, 3, 2, 1, 6, 6}, 1, 3, "contains a repeated value:               6."},
      {{9, 3, 4, 2, 6, 6}, 2, 3, "contains a repeated value:               6."},
      {{1, 0}, 1, 2, "I =               2, I%(I) =               0."},
      {{3, 4, 1, 2, 9}, 1, 2, "I =               5, I%(I) =               9."},
      {{7, 3, 2, 1}, 2, 2, "I =               4, I%(I) =               1."},
  };
  for (const Case& c : cases) {
    const int m2 = static_cast<int>(c.p.size());
    for (const char* name : {"M01EAF", "M01EBF", "M01EDF", "M01ZAF", "M01ZBF"}) {
      const std::string routine(name);
      const bool rank_vector = routine[3] == 'E';
      std::vector<int> p = c.p;
      std::vector<double> rv{1.5, 2.5, 3.5, 4.5, 5.5, 6.5};
      std::vector<int> iv{1, 2, 3, 4, 5, 6};
      std::vector<Complex> cv{{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}};
      const auto rep = report([&](char* rec, int* f) {
        if (routine == "M01EAF") return M01EAF(rv.data(), c.m1, m2, p.data(), rec, f, 200);
        if (routine == "M01EBF") return M01EBF(iv.data(), c.m1, m2, p.data(), rec, f, 200);
        if (routine == "M01EDF") return M01EDF(cv.data(), c.m1, m2, p.data(), rec, f, 200);
        if (routine == "M01ZAF") return M01ZAF(p.data(), c.m1, m2, rec, f, 200);
        return M01ZBF(p.data(), c.m1, m2, rec, f, 200);
      });
      EXPECT_EQ(rep.ifail, c.ierr) << name;
      const std::string v = rank_vector ? "IRANK" : "IPERM";
      std::string detail = c.detail;
      if (auto at = detail.find("I%"); at != std::string::npos) detail.replace(at, 2, v);
      const std::string expected =
          " ** " + v + "(M1:M2) does not contain a permutation of the integers M1 to M2.\n" +
          (c.ierr == 2 ? "    " + v + "(I) contains an out-of-range value:\n    " + detail
                       : "    " + v + " " + detail) +
          "\n";
      EXPECT_EQ(rep.lines, expected) << name;
      EXPECT_EQ(rep.record.substr(0, 18), routine + "     " + std::to_string(c.ierr) +
                                              (c.ierr == 2 ? " 99996" : " 99995"))
          << name;
      EXPECT_EQ(p, c.p) << name;  // M01ZAF too: it puts back what it inverted
      std::vector<double> sorted = rv;
      std::sort(sorted.begin(), sorted.end());
      EXPECT_EQ(sorted, (std::vector<double>{1.5, 2.5, 3.5, 4.5, 5.5, 6.5})) << name;
      std::sort(iv.begin(), iv.end());
      EXPECT_EQ(iv, (std::vector<int>{1, 2, 3, 4, 5, 6})) << name;
      if (c.ierr == 2) {
        EXPECT_EQ(rv, (std::vector<double>{1.5, 2.5, 3.5, 4.5, 5.5, 6.5})) << name;
      }
    }
  }
}

TEST(Permutation, InverseTwiceIsIdentityAndCheckAcceptsPermutations) {
  std::mt19937 gen(17);
  for (int n : {2, 3, 10, 1000}) {
    std::vector<int> p(n + 2, 99);
    std::iota(p.begin() + 1, p.end() - 1, 2);  // section 2..n+1
    std::shuffle(p.begin() + 1, p.end() - 1, gen);
    std::vector<int> q = p;
    char record[KIV2_RECORD_LEN + 1];
    int ifail = 1;
    M01ZAF(q.data(), 2, n + 1, record, &ifail, KIV2_RECORD_LEN);
    EXPECT_EQ(ifail, 0);
    for (int i = 2; i <= n + 1; ++i) EXPECT_EQ(q[p[i - 1] - 1], i);
    EXPECT_EQ(q.front(), 99);
    EXPECT_EQ(q.back(), 99);
    M01ZBF(q.data(), 2, n + 1, record, &ifail, KIV2_RECORD_LEN);
    EXPECT_EQ(ifail, 0);
    M01ZAF(q.data(), 2, n + 1, record, &ifail, KIV2_RECORD_LEN);
    EXPECT_EQ(q, p);
  }
}

// A section at the top of the int range: M2 = INT_MAX must end every loop
// and rank count without stepping past the largest int.  The arrays are
// addressed from a base far below the two elements that exist, so this
// runs only where pointers are 64 bits wide.
TEST(Section, EndsAtTheLargestInt) {
  if constexpr (sizeof(void*) < 8) GTEST_SKIP() << "needs a 64-bit address space";
  constexpr int m2 = std::numeric_limits<int>::max(), m1 = m2 - 1;
  int pv[2], rk[2], iv[2];
  double dv[2];
  // 1-based arrays whose elements M1 and M2 are pv[0] and pv[1], the
  // address formed as an integer (no array of that size exists).
  const auto base = [](auto* a) {
    const std::uintptr_t at =
        reinterpret_cast<std::uintptr_t>(a) - std::uintptr_t{m1 - 1} * sizeof *a;
    return reinterpret_cast<decltype(a)>(at);
  };
  char record[KIV2_RECORD_LEN + 1];
  struct Case {
    int p0, p1, ierr;
  };
  for (const Case c : {Case{m2, m1, 0}, Case{m1, m2, 0}, Case{m2, m2, 3}}) {
    for (const char* name : {"M01EBF", "M01ZAF", "M01ZBF"}) {
      const std::string routine(name);
      pv[0] = c.p0, pv[1] = c.p1, iv[0] = 10, iv[1] = 20;
      int ifail = 1;
      if (routine == "M01EBF") M01EBF(base(iv), m1, m2, base(pv), record, &ifail, 200);
      if (routine == "M01ZAF") M01ZAF(base(pv), m1, m2, record, &ifail, 200);
      if (routine == "M01ZBF") M01ZBF(base(pv), m1, m2, record, &ifail, 200);
      EXPECT_EQ(ifail, c.ierr) << name << " " << c.p0;
      EXPECT_EQ(pv[0], c.p0) << name;  // these are their own inverses
      EXPECT_EQ(pv[1], c.p1) << name;
      if (routine == "M01EBF" && c.ierr == 0) {
        EXPECT_EQ(iv[c.p0 - m1], 10) << c.p0;
      }
    }
  }
  for (const char* order : {"A", "D"}) {
    dv[0] = 2.0, dv[1] = 1.0;
    int ifail = 1;
    M01DAF(base(dv), m1, m2, order, base(rk), record, &ifail, 1, 200);
    EXPECT_EQ(ifail, 0);
    EXPECT_EQ(rk[0], *order == 'A' ? m2 : m1);
    EXPECT_EQ(rk[1], *order == 'A' ? m1 : m2);
    ifail = 1;
    M01CAF(base(dv), m1, m2, order, record, &ifail, 1, 200);
    EXPECT_EQ(ifail, 0);
    EXPECT_EQ(dv[0], *order == 'A' ? 1.0 : 2.0);
  }
}

// The lockstep walk of the sparse sorting routines, on permutations with
// few, many and very long cycles.
TEST(Permutation, LockstepWalkMovesEveryElementToItsRank) {
  std::mt19937 gen(23);
  for (int n : {1, 2, 17, 40, 5000}) {
    std::vector<std::vector<int>> perms;
    std::vector<int> p(n);
    std::iota(p.begin(), p.end(), 1);
    perms.push_back(p);                                   // identity
    for (int i = 0; i + 1 < n; i += 2) std::swap(p[i], p[i + 1]);
    perms.push_back(p);                                   // 2-cycles
    for (int i = 0; i < n; ++i) p[i] = (i + 1) % n + 1;
    perms.push_back(p);                                   // one cycle
    std::shuffle(p.begin(), p.end(), gen);
    perms.push_back(p);                                   // random
    for (const std::vector<int>& rank : perms) {
      std::vector<int> r = rank, iv(n);
      std::vector<double> rv(n);
      for (int i = 0; i < n; ++i) {
        iv[i] = i;
        rv[i] = i + 0.5;
      }
      kiv::sorting::permute(r.data(), n, rv.data(), iv.data());
      EXPECT_EQ(r, rank);
      for (int i = 0; i < n; ++i) {
        EXPECT_EQ(iv[rank[i] - 1], i);
        EXPECT_EQ(rv[rank[i] - 1], i + 0.5);
      }
    }
  }
}

// ---------------------------------------------------------------- wrappers

TEST(Wrappers, ResolveAndRunThroughTheirExportNames) {
  using Rank = int(KIV_CALL*)(const double*, const int*, const int*, const char*, int*, int*,
                              int);
  using RearrangeReal = int(KIV_CALL*)(double*, const int*, const int*, int*, int*);
  using RearrangeComplex = int(KIV_CALL*)(kiv2_complex*, const int*, const int*, int*, int*);
  using Invert = int(KIV_CALL*)(int*, const int*, const int*, int*);
  auto rank_host = reinterpret_cast<Rank>(kiv2_entry("_q87198@28"));
  auto real_host = reinterpret_cast<RearrangeReal>(kiv2_entry("_q80753@20"));
  auto complex_host = reinterpret_cast<RearrangeComplex>(kiv2_entry("_q83773@20"));
  auto invert_host = reinterpret_cast<Invert>(kiv2_entry("_q45975@16"));
  ASSERT_TRUE(rank_host && real_host && complex_host && invert_host);

  const std::vector<double> v{3.0, 1.0, 3.0, 2.0};
  std::vector<int> irank(4);
  int m1 = 1, m2 = 4, ifail = 1;
  rank_host(v.data(), &m1, &m2, "A", irank.data(), &ifail, 1);
  EXPECT_EQ(ifail, 0);
  EXPECT_EQ(irank, (std::vector<int>{3, 1, 4, 2}));

  std::vector<double> rv = v;
  real_host(rv.data(), &m1, &m2, irank.data(), &ifail);
  EXPECT_EQ(rv, (std::vector<double>{1.0, 2.0, 3.0, 3.0}));
  std::vector<kiv2_complex> cv{{3, 0}, {1, 0}, {3, 1}, {2, 0}};
  complex_host(cv.data(), &m1, &m2, irank.data(), &ifail);
  EXPECT_EQ(cv[2], kiv2_complex(3, 0));
  EXPECT_EQ(cv[3], kiv2_complex(3, 1));
  invert_host(irank.data(), &m1, &m2, &ifail);
  EXPECT_EQ(irank, (std::vector<int>{2, 4, 1, 3}));

  // A failing rank call leaves IRANK poisoned, and the record agrees with
  // IFAIL, so the wrapper writes nothing of its own.
  m1 = 5;
  ifail = 1;
  const std::string host = kivtest::capture_host(
      [&] { rank_host(v.data(), &m1, &m2, "A", irank.data(), &ifail, 1); });
  EXPECT_EQ(ifail, 1);
  EXPECT_EQ(host, "");
  for (int x : irank) EXPECT_EQ(x, kPoison);
}

}  // namespace
