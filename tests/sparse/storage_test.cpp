// Coordinate storage: the sorted-storage check and the four sorting routines.
#include <gtest/gtest.h>

#include <complex>
#include <limits>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "../sorting/report.hpp"
#include "coo.hpp"
#include "kiv2.h"
#include "sparse/storage.hpp"

namespace {

using kivtest::Coo;
using kivtest::report;
using Complex = std::complex<double>;
constexpr int kPoison = static_cast<int>(0x80808080u);


template <class T>
using Body = int(KIV_CALL*)(int, int*, T*, int*, int*, const char*, const char*, int*, int*,
                            char*, int*, int, int, int);

// The outcome of one sorting call: the report, NNZ and every array.
template <class T>
struct Sorted {
  kivtest::Report rep;
  int nnz = 0;
  Coo<T> m;  // the arrays after the call, at their input length
  std::vector<int> istr, iwork;
};

template <class T>
Sorted<T> sort_with(Body<T> body, Coo<T> m, const char* dup, const char* zero) {
  Sorted<T> s;
  s.nnz = m.nnz();
  s.istr.assign(std::max(m.n, 0) + 1, -5);
  s.iwork.assign(std::max(m.n, 0), -5);
  s.rep = report([&](char* rec, int* f) {
    return body(m.n, &s.nnz, m.a.data(), m.irow.data(), m.icol.data(), dup, zero,
                s.istr.data(), s.iwork.data(), rec, f, 1, 1, KIV2_RECORD_LEN);
  });
  s.m = std::move(m);
  return s;
}

Coo<double> example() {
  // Duplicates at (1,2) summing to zero and three at (2,1); an explicit
  // zero at (1,1).
  return {3,
          {1.0, 2.0, 2.0, 0.0, 3.0, -2.0, 5.0},
          {2, 1, 2, 1, 2, 1, 3},
          {1, 2, 1, 1, 1, 2, 3}};
}

// ---------------------------------------------------------------- check

TEST(StorageCheck, CodesInOrderWithTheFirstOffendingEntry) {
  struct Case {
    bool sym;
    int n, nnz;
    std::vector<int> irow, icol;
    int code, i;
  };
  const Case cases[] = {
      {false, 3, 3, {1, 2, 3}, {1, 2, 3}, 0, 0},
      {true, 3, 3, {1, 2, 3}, {1, 1, 3}, 0, 0},
      {false, 0, -1, {}, {}, 1, 0},
      {false, 2, 0, {}, {}, 2, 0},
      {false, 1, 2, {1, 1}, {1, 1}, 3, 0},
      {true, 2, 4, {1, 2, 2, 2}, {1, 1, 2, 2}, 3, 0},
      {false, 2, 4, {1, 1, 2, 2}, {1, 2, 1, 2}, 0, 0},  // N*N is allowed
      {false, 3, 3, {1, 4, 0}, {9, 1, 1}, 5, 1},        // entry 1's column first
      {false, 3, 3, {1, 4, 1}, {1, 9, 1}, 4, 2},        // row before column
      {true, 3, 2, {2, 2}, {1, 3}, 5, 2},               // above the diagonal
      {false, 3, 3, {1, 2, 1}, {1, 1, 3}, 6, 3},        // row goes back
      {false, 3, 3, {1, 1, 1}, {2, 1, 1}, 6, 2},        // column goes back
      {false, 3, 4, {1, 2, 2, 1}, {1, 3, 3, 1}, 7, 3},  // duplicate before disorder
      {false, 3, 3, {1, 2, 2}, {1, 3, 9}, 5, 3},        // range before order
  };
  for (const Case& c : cases) {
    const auto r =
        kiv::sparse::check_sorted_storage(c.n, c.nnz, c.irow.data(), c.icol.data(), c.sym);
    EXPECT_EQ(r.code, c.code) << c.code << " " << c.i;
    EXPECT_EQ(r.i, c.i) << c.code;
  }
}

// ---------------------------------------------------------------- failures

TEST(F11ZAF, FailuresInOrderOfPrecedenceWithNothingChanged) {
  struct Case {
    Body<double> body;
    Coo<double> m;
    int nnz;  // NNZ passed, when it differs from the arrays' length
    const char *dup, *zero;
    int ifail;
    std::string lines;
  };
  const std::vector<Case> cases = {
      {F11ZAF, {0, {1}, {5}, {5}}, -1, "X", "X", 1,
       " ** On entry, N .lt. 1: N =               0.\n"},
      {F11ZAF, {2, {1}, {5}, {5}}, -1, "X", "X", 1,
       " ** On entry, NNZ .lt. 0: NNZ =              -1.\n"},
      {F11ZAF, {2, {1, 1, 1}, {1, 2, 3}, {1, 9, 1}}, 3, "X", "X", 2,
       " ** On entry, ICOL(I) .lt. 1 or ICOL(I) .gt. N:\n"
       "    I =                2, ICOL(I) =                9, N =                2.\n"},
      {F11ZAF, {2, {1, 1}, {1, 0}, {1, 0}}, 2, "S", "R", 2,
       " ** On entry, IROW(I) .lt. 1 or IROW(I) .gt. N:\n"
       "    I =                2, IROW(I) =                0, N =                2.\n"},
      {F11ZAF, {2, {1}, {1}, {1}}, 1, "x", "Q", 1,
       " ** On entry, DUP .ne. 'R', 'S', or 'F': DUP = 'x'.\n"},
      {F11ZAF, {2, {1}, {1}, {1}}, 1, "f", "Q", 1,
       " ** On entry, ZERO .ne. 'R', 'K', or 'F': ZERO   = 'Q'.\n"},
      {F11ZBF, {3, {1, 1}, {2, 2}, {1, 3}}, 2, "R", "K", 2,
       " ** On entry, ICOL(I) .lt. 1 or ICOL(I) .gt. IROW(I):\n"
       "    I =               2, ICOL(I) =               3, IROW(I) =               2.\n"},
      {F11ZBF, {2, {1}, {1}, {1}}, 1, "F", "K", 1,
       " ** On entry, DUP .ne. 'R' or 'S': DUP = 'F'.\n"},
      {F11ZBF, {2, {1}, {1}, {1}}, 1, "s", "F", 1,
       " ** On entry, ZERO .ne. 'R' or 'K': ZERO = 'F' .\n"},
  };
  for (const Case& c : cases) {
    Coo<double> m = c.m;
    Sorted<double> s;
    s.nnz = c.nnz;
    s.istr.assign(4, -5);
    s.iwork.assign(3, -5);
    s.rep = report([&](char* rec, int* f) {
      return c.body(m.n, &s.nnz, m.a.data(), m.irow.data(), m.icol.data(), c.dup, c.zero,
                    s.istr.data(), s.iwork.data(), rec, f, 1, 1, KIV2_RECORD_LEN);
    });
    s.m = m;
    EXPECT_EQ(s.rep.ifail, c.ifail) << c.lines;
    EXPECT_EQ(s.rep.lines, c.lines);
    EXPECT_EQ(s.nnz, c.nnz);
    EXPECT_EQ(s.m.a, c.m.a);
    EXPECT_EQ(s.m.irow, c.m.irow);
    EXPECT_EQ(s.m.icol, c.m.icol);
    for (int x : s.istr) EXPECT_EQ(x, -5);
    for (int x : s.iwork) EXPECT_EQ(x, -5);
  }
}

TEST(F11ZAF, RecordCarriesRoutineLabelAndValues) {
  Coo<double> m{2, {1.0}, {3}, {1}};
  const auto s = sort_with<double>(F11ZAF, m, "S", "R");
  EXPECT_EQ(s.rep.record,
            "F11ZAF     2 99995     3                1                3                2");
}

// ---------------------------------------------------------------- DUP and ZERO

TEST(F11ZAF, DupAndZeroOptionsAsATable) {
  struct Entry {
    int i, j;
    double v;
  };
  struct Case {
    const char *dup, *zero;
    int ifail;
    std::vector<Entry> result;  // the entries NNZ describes afterwards
    std::vector<int> istr;      // when IFAIL = 0
  };
  const Case cases[] = {
      {"S", "K", 0, {{1, 1, 0}, {1, 2, 0}, {2, 1, 6}, {3, 3, 5}}, {1, 3, 4, 5}},
      {"S", "R", 0, {{2, 1, 6}, {3, 3, 5}}, {1, 1, 2, 3}},
      {"R", "K", 0, {{1, 1, 0}, {1, 2, 2}, {2, 1, 1}, {3, 3, 5}}, {1, 3, 4, 5}},
      {"r", "r", 0, {{1, 2, 2}, {2, 1, 1}, {3, 3, 5}}, {1, 2, 3, 4}},
      // Zeros are judged after the merge: the first zero is (1,1).
      {"S", "F", 4, {{1, 1, 0}, {1, 2, 0}, {2, 1, 6}, {3, 3, 5}}, {}},
      {"R", "F", 4, {{1, 1, 0}, {1, 2, 2}, {2, 1, 1}, {3, 3, 5}}, {}},
      // Nothing merged before the first duplicate: all entries, sorted.
      {"F", "R", 3,
       {{1, 1, 0}, {1, 2, 2}, {1, 2, -2}, {2, 1, 1}, {2, 1, 2}, {2, 1, 3}, {3, 3, 5}},
       {}},
  };
  for (const Case& c : cases) {
    const auto s = sort_with<double>(F11ZAF, example(), c.dup, c.zero);
    EXPECT_EQ(s.rep.ifail, c.ifail) << c.dup << c.zero;
    ASSERT_EQ(s.nnz, static_cast<int>(c.result.size())) << c.dup << c.zero;
    for (int k = 0; k < s.nnz; ++k) {
      EXPECT_EQ(s.m.irow[k], c.result[k].i);
      EXPECT_EQ(s.m.icol[k], c.result[k].j);
      EXPECT_EQ(s.m.a[k], c.result[k].v);
    }
    if (c.ifail == 0) {
      EXPECT_EQ(s.istr, c.istr);
      for (int i = 0; i < 3; ++i) EXPECT_EQ(s.iwork[i], c.istr[i + 1] - c.istr[i]);
    }
  }
  const auto dup = sort_with<double>(F11ZAF, example(), "F", "K");
  EXPECT_EQ(dup.rep.lines,
            " ** On entry, a duplicate entry has been found in row I and column J:\n"
            "    I =                1, J =                2.\n");
  const auto zero = sort_with<double>(F11ZAF, example(), "S", "F");
  EXPECT_EQ(zero.rep.lines,
            " ** On entry, a zero entry has been found in row I and column J:\n"
            "    I =                1, J =                1.\n");
}

TEST(F11ZAF, RetryAfterAZeroFailureCountsEveryEntryOnce) {
  // The caller's natural recovery: ZERO = 'F' fails, then retry with 'R'.
  auto s = sort_with<double>(F11ZAF, example(), "S", "F");
  ASSERT_EQ(s.rep.ifail, 4);
  s.m.a.resize(s.nnz);
  s.m.irow.resize(s.nnz);
  s.m.icol.resize(s.nnz);
  const auto retry = sort_with<double>(F11ZAF, s.m, "S", "R");
  EXPECT_EQ(retry.rep.ifail, 0);
  EXPECT_EQ(retry.nnz, 2);
  EXPECT_EQ(retry.m.a[0], 6.0);
  EXPECT_EQ(retry.m.a[1], 5.0);
}

TEST(F11ZAF, EmptyAndSingleEntryMatrices) {
  auto s = sort_with<double>(F11ZAF, {3, {}, {}, {}}, "S", "R");
  EXPECT_EQ(s.rep.ifail, 0);
  EXPECT_EQ(s.nnz, 0);
  EXPECT_EQ(s.istr, (std::vector<int>{1, 1, 1, 1}));
  EXPECT_EQ(s.iwork, (std::vector<int>{0, 0, 0}));
  s = sort_with<double>(F11ZAF, {3, {0.0}, {2}, {3}}, "F", "R");
  EXPECT_EQ(s.rep.ifail, 0);
  EXPECT_EQ(s.nnz, 0);
  EXPECT_EQ(s.istr, (std::vector<int>{1, 1, 1, 1}));
}

TEST(F11ZNF, ComplexZerosAreBothPartsZero) {
  // (1,1) = i twice-listed with a zero, (2,1) = -0 + 0i, (2,2) = 1.
  const Coo<Complex> m{2, {{0, 1}, {0, 0}, {-0.0, 0}, {1, 0}}, {1, 1, 2, 2}, {1, 1, 1, 2}};
  for (auto body : {F11ZNF, F11ZPF}) {
    const auto s = sort_with<Complex>(body, m, "R", "R");
    EXPECT_EQ(s.rep.ifail, 0);
    ASSERT_EQ(s.nnz, 2);
    EXPECT_EQ(s.m.a[0], Complex(0, 1));
    EXPECT_EQ(s.m.a[1], Complex(1, 0));
    EXPECT_EQ(sort_with<Complex>(body, m, "R", "F").rep.ifail, 4);
  }
}

TEST(F11ZPF, AcceptsFailOptionsButWordsItsLettersLikeF11ZBF) {
  const Coo<Complex> m{2, {{1, 0}, {2, 0}}, {2, 2}, {1, 1}};
  EXPECT_EQ(sort_with<Complex>(F11ZPF, m, "F", "F").rep.ifail, 3);
  const auto s = sort_with<Complex>(F11ZPF, m, "F", "X");
  EXPECT_EQ(s.rep.ifail, 1);
  EXPECT_EQ(s.rep.lines, " ** On entry, ZERO .ne. 'R' or 'K': ZERO = 'X' .\n");
}

TEST(F11ZAF, KeepingTheFirstValueIgnoresLaterInfinities) {
  const double inf = std::numeric_limits<double>::infinity();
  const auto s = sort_with<double>(F11ZAF, {1, {2.0, inf, -inf}, {1, 1, 1}, {1, 1, 1}}, "R", "K");
  EXPECT_EQ(s.nnz, 1);
  EXPECT_EQ(s.m.a[0], 2.0);
}

// ---------------------------------------------------------------- random

// Sorting random lists in both formats and both value types against a map.
template <class T>
void random_against_map(Body<T> body, bool sym, unsigned seed) {
  std::mt19937 gen(seed);
  const int n = 150, count = 20000;
  std::uniform_int_distribution<int> index(1, n), small(-2, 2);
  Coo<T> m{n, {}, {}, {}};
  std::map<std::pair<int, int>, T> sum, first;
  for (int k = 0; k < count; ++k) {
    int i = index(gen), j = index(gen);
    if (sym && j > i) std::swap(i, j);
    T v{};
    if constexpr (std::is_same_v<T, double>) v = small(gen);
    else v = T(small(gen), small(gen));
    m.a.push_back(v);
    m.irow.push_back(i);
    m.icol.push_back(j);
    sum[{i, j}] += v;
    first.try_emplace({i, j}, v);
  }
  for (const char* dup : {"S", "R"}) {
    auto& ref = *dup == 'S' ? sum : first;
    const auto s = sort_with<T>(body, m, dup, "R");
    ASSERT_EQ(s.rep.ifail, 0);
    int k = 0;
    for (const auto& [loc, v] : ref) {
      if (v == T{}) continue;
      ASSERT_LT(k, s.nnz);
      EXPECT_EQ(s.m.irow[k], loc.first);
      EXPECT_EQ(s.m.icol[k], loc.second);
      EXPECT_EQ(s.m.a[k], v);
      ++k;
    }
    EXPECT_EQ(k, s.nnz);
    EXPECT_EQ(s.istr[n], s.nnz + 1);
    for (int i = 1; i <= n; ++i)
      for (int p = s.istr[i - 1]; p < s.istr[i]; ++p) EXPECT_EQ(s.m.irow[p - 1], i);
    EXPECT_EQ(kiv::sparse::check_sorted_storage(n, s.nnz, s.m.irow.data(), s.m.icol.data(), sym)
                  .code,
              0);
  }
}

TEST(SortingRoutines, RandomListsMatchAMapOfSums) {
  random_against_map<double>(F11ZAF, false, 1);
  random_against_map<double>(F11ZBF, true, 2);
  random_against_map<Complex>(F11ZNF, false, 3);
  random_against_map<Complex>(F11ZPF, true, 4);
}

// ---------------------------------------------------------------- wrappers

TEST(SortingRoutines, WrappersPoisonAndBodiesResolve) {
  using Host = int(KIV_CALL*)(const int*, int*, void*, int*, int*, const char*, const char*,
                              int*, int*, int*, int, int);
  for (const char* name : {"_q68381@48", "_q79557@48", "_q84157@48"}) {
    auto host = reinterpret_cast<Host>(kiv2_entry(name));
    ASSERT_NE(host, nullptr) << name;
    double a[4] = {1, 2, 2, 0};  // nonzero as two reals or as two complexes
    int n = 2, nnz = 2, irow[2] = {2, 1}, icol[2] = {1, 1}, istr[3], iwork[2], ifail = 1;
    host(&n, &nnz, a, irow, icol, "S", "R", istr, iwork, &ifail, 1, 1);
    EXPECT_EQ(ifail, 0) << name;
    EXPECT_EQ(istr[2], 3) << name;
    irow[0] = 7;  // IFAIL = 2: ISTR and IWORK keep the poison
    ifail = 1;
    host(&n, &nnz, a, irow, icol, "S", "R", istr, iwork, &ifail, 1, 1);
    EXPECT_EQ(ifail, 2) << name;
    for (int x : istr) EXPECT_EQ(x, kPoison);
    for (int x : iwork) EXPECT_EQ(x, kPoison);
  }
  // N = 0: ISTR(1) alone is poisoned (N + 1 elements), nothing after it.
  auto host = reinterpret_cast<Host>(kiv2_entry("_q68381@48"));
  int n = 0, nnz = 0, istr[2] = {5, 5}, iwork[1] = {5}, ifail = 1;
  double a[1] = {1};
  int irow[1] = {1}, icol[1] = {1};
  host(&n, &nnz, a, irow, icol, "S", "R", istr, iwork, &ifail, 1, 1);
  EXPECT_EQ(ifail, 1);
  EXPECT_EQ(istr[0], kPoison);
  EXPECT_EQ(istr[1], 5);
  EXPECT_EQ(iwork[0], 5);
  EXPECT_EQ(kiv2_entry("_q38098@56"), reinterpret_cast<void*>(&F11ZAF));
  EXPECT_EQ(kiv2_entry("_q56966@56"), reinterpret_cast<void*>(&F11ZBF));
  EXPECT_EQ(kiv2_entry("_q70778@56"), reinterpret_cast<void*>(&F11ZNF));
  EXPECT_EQ(kiv2_entry("_q16903@56"), reinterpret_cast<void*>(&F11ZPF));
}

}  // namespace
