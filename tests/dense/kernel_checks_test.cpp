// Illegal arguments of the level-2 and level-3 kernels: one row per
// argument position (and a few rows with two bad arguments, where the
// earlier position must win), each run in a child that the kernel ends.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "dense/blas.hpp"
#include "support/capture.hpp"

namespace {

using C = kiv2_complex;

struct Case {
  const char* what;
  const char* name;  // 13-character diagnostic name
  int position;
  std::function<void()> call;
};

// The exact stream of a fatal parameter error: the message line, the exit
// line (the diagnostic name, its trailing blanks dropped) and the
// hard-failure line, each composition followed by a newline.
std::string expected_stream(const std::string& name, int position) {
  char line[96];
  std::snprintf(line, sizeof line, " ** On entry to %13s parameter number %2d had an illegal value",
                name.c_str(), position);
  std::string trimmed = name;
  while (trimmed.back() == ' ') trimmed.pop_back();
  return "\n" + std::string(line) + "\n\n ** ABNORMAL EXIT from KIV Library routine " + trimmed +
         "\n ** KIV hard failure - execution terminated\n";
}

double a[16], x[4], y[4];
C za[16], zx[4], zy[4];

std::vector<Case> cases() {
  return {
      // DGEMV: TRANS 1, M 2, N 3, LDA 6, INCX 8, INCY 11.
      {"dgemv trans", "F06PAF/DGEMV ", 1, [] { DGEMV("X", 2, 2, 1, a, 2, x, 1, 0, y, 1, 1); }},
      {"dgemv m", "F06PAF/DGEMV ", 2, [] { DGEMV("N", -1, 2, 1, a, 2, x, 1, 0, y, 1, 1); }},
      {"dgemv n", "F06PAF/DGEMV ", 3, [] { DGEMV("n", 2, -1, 1, a, 2, x, 1, 0, y, 1, 1); }},
      {"dgemv lda", "F06PAF/DGEMV ", 6, [] { DGEMV("T", 3, 1, 1, a, 2, x, 1, 0, y, 1, 1); }},
      {"dgemv lda 0 with 0 rows", "F06PAF/DGEMV ", 6,
       [] { DGEMV("T", 0, 1, 1, a, 0, x, 1, 0, y, 1, 1); }},
      {"dgemv incx", "F06PAF/DGEMV ", 8, [] { DGEMV("C", 2, 2, 1, a, 2, x, 0, 0, y, 1, 1); }},
      {"dgemv incy", "F06PAF/DGEMV ", 11, [] { DGEMV("t", 2, 2, 1, a, 2, x, 1, 0, y, 0, 1); }},
      {"dgemv trans before m", "F06PAF/DGEMV ", 1,
       [] { DGEMV("Q", -1, 2, 1, a, 2, x, 1, 0, y, 1, 1); }},
      {"dgemv empty option", "F06PAF/DGEMV ", 1, [] { DGEMV("N", 2, 2, 1, a, 2, x, 1, 0, y, 1, 0); }},
      {"zgemv trans", "F06SAF/ZGEMV ", 1,
       [] { ZGEMV("h", 2, 2, 1, 0, za, 2, zx, 1, 0, 0, zy, 1, 1); }},
      {"zgemv lda", "F06SAF/ZGEMV ", 6,
       [] { ZGEMV("N", 3, 2, 1, 0, za, 2, zx, 1, 0, 0, zy, 1, 1); }},
      {"zgemv incy", "F06SAF/ZGEMV ", 11,
       [] { ZGEMV("N", 2, 2, 1, 0, za, 2, zx, 1, 0, 0, zy, 0, 1); }},
      // DTRMV, DTRSV: UPLO 1, TRANS 2, DIAG 3, N 4, LDA 6, INCX 8.
      {"dtrmv uplo", "F06PFF/DTRMV ", 1, [] { DTRMV("X", "N", "N", 2, a, 2, x, 1, 1, 1, 1); }},
      {"dtrmv trans", "F06PFF/DTRMV ", 2, [] { DTRMV("U", "X", "N", 2, a, 2, x, 1, 1, 1, 1); }},
      {"dtrmv diag", "F06PFF/DTRMV ", 3, [] { DTRMV("l", "n", "X", 2, a, 2, x, 1, 1, 1, 1); }},
      {"dtrmv n", "F06PFF/DTRMV ", 4, [] { DTRMV("U", "N", "U", -1, a, 2, x, 1, 1, 1, 1); }},
      {"dtrmv lda", "F06PFF/DTRMV ", 6, [] { DTRMV("U", "N", "U", 3, a, 2, x, 1, 1, 1, 1); }},
      {"dtrmv incx", "F06PFF/DTRMV ", 8, [] { DTRMV("U", "N", "U", 2, a, 2, x, 0, 1, 1, 1); }},
      {"dtrsv diag", "F06PJF/DTRSV ", 3, [] { DTRSV("U", "T", "T", 2, a, 2, x, 1, 1, 1, 1); }},
      {"dtrsv lda", "F06PJF/DTRSV ", 6, [] { DTRSV("U", "T", "N", 2, a, 1, x, 1, 1, 1, 1); }},
      {"ztrmv uplo", "F06SFF/ZTRMV ", 1, [] { ZTRMV("N", "N", "N", 2, za, 2, zx, 1, 1, 1, 1); }},
      {"ztrsv incx", "F06SJF/ZTRSV ", 8, [] { ZTRSV("L", "C", "U", 2, za, 2, zx, 0, 1, 1, 1); }},
      // DGER: M 1, N 2, INCX 5, INCY 7, LDA 9 (the increments come first).
      {"dger m", "F06PMF/DGER  ", 1, [] { DGER(-1, -1, 1, x, 1, y, 1, a, 2); }},
      {"dger n", "F06PMF/DGER  ", 2, [] { DGER(0, -1, 1, x, 1, y, 1, a, 2); }},
      {"dger incx", "F06PMF/DGER  ", 5, [] { DGER(2, 2, 1, x, 0, y, 1, a, 0); }},
      {"dger incy", "F06PMF/DGER  ", 7, [] { DGER(2, 2, 1, x, 1, y, 0, a, 0); }},
      {"dger lda", "F06PMF/DGER  ", 9, [] { DGER(2, 2, 1, x, 1, y, 1, a, 1); }},
      {"zgeru lda", "F06SMF/ZGERU ", 9, [] { ZGERU(2, 2, 1, 0, zx, 1, zy, 1, za, 1); }},
      {"zgerc m", "F06SNF/ZGERC ", 1, [] { ZGERC(-2, 2, 1, 0, zx, 1, zy, 1, za, 2); }},
      // DGEMM: TRANSA 1, TRANSB 2, M 3, N 4, K 5, LDA 8, LDB 10, LDC 13.
      {"dgemm transa", "F06YAF/DGEMM ", 1,
       [] { DGEMM("x", "N", 2, 2, 2, 1, a, 2, a, 2, 0, y, 2, 1, 1); }},
      {"dgemm transb", "F06YAF/DGEMM ", 2,
       [] { DGEMM("N", "x", 2, 2, 2, 1, a, 2, a, 2, 0, y, 2, 1, 1); }},
      {"dgemm m", "F06YAF/DGEMM ", 3, [] { DGEMM("N", "N", -1, 2, 2, 1, a, 2, a, 2, 0, y, 2, 1, 1); }},
      {"dgemm n", "F06YAF/DGEMM ", 4, [] { DGEMM("N", "N", 2, -1, 2, 1, a, 2, a, 2, 0, y, 2, 1, 1); }},
      {"dgemm k", "F06YAF/DGEMM ", 5, [] { DGEMM("N", "N", 2, 2, -1, 1, a, 2, a, 2, 0, y, 2, 1, 1); }},
      {"dgemm lda (rows m)", "F06YAF/DGEMM ", 8,
       [] { DGEMM("N", "N", 3, 1, 1, 1, a, 2, a, 2, 0, y, 3, 1, 1); }},
      {"dgemm lda (rows k)", "F06YAF/DGEMM ", 8,
       [] { DGEMM("T", "N", 1, 1, 3, 1, a, 2, a, 3, 0, y, 1, 1, 1); }},
      {"dgemm ldb (rows k)", "F06YAF/DGEMM ", 10,
       [] { DGEMM("N", "N", 1, 1, 3, 1, a, 1, a, 2, 0, y, 1, 1, 1); }},
      {"dgemm ldb (rows n)", "F06YAF/DGEMM ", 10,
       [] { DGEMM("N", "Transpose", 1, 3, 1, 1, a, 1, a, 2, 0, y, 1, 1, 9); }},
      {"dgemm ldc", "F06YAF/DGEMM ", 13,
       [] { DGEMM("N", "N", 2, 2, 2, 1, a, 2, a, 2, 0, y, 1, 1, 1); }},
      {"zgemm transb", "F06ZAF/ZGEMM ", 2,
       [] { ZGEMM("N", "u", 2, 2, 2, 1, 0, za, 2, za, 2, 0, 0, zy, 2, 1, 1); }},
      {"zgemm ldc", "F06ZAF/ZGEMM ", 13,
       [] { ZGEMM("c", "t", 2, 2, 2, 1, 0, za, 2, za, 2, 0, 0, zy, 1, 1, 1); }},
      // DTRSM: SIDE 1, UPLO 2, TRANSA 3, DIAG 4, M 5, N 6, LDA 9, LDB 11.
      {"dtrsm side", "F06YJF/DTRSM ", 1,
       [] { DTRSM("X", "U", "N", "N", 2, 2, 1, a, 2, y, 2, 1, 1, 1, 1); }},
      {"dtrsm uplo", "F06YJF/DTRSM ", 2,
       [] { DTRSM("L", "X", "N", "N", 2, 2, 1, a, 2, y, 2, 1, 1, 1, 1); }},
      {"dtrsm transa", "F06YJF/DTRSM ", 3,
       [] { DTRSM("L", "U", "X", "N", 2, 2, 1, a, 2, y, 2, 1, 1, 1, 1); }},
      {"dtrsm diag", "F06YJF/DTRSM ", 4,
       [] { DTRSM("L", "U", "N", "X", 2, 2, 1, a, 2, y, 2, 1, 1, 1, 1); }},
      {"dtrsm m", "F06YJF/DTRSM ", 5,
       [] { DTRSM("L", "U", "N", "N", -1, 2, 1, a, 2, y, 2, 1, 1, 1, 1); }},
      {"dtrsm n", "F06YJF/DTRSM ", 6,
       [] { DTRSM("L", "U", "N", "N", 2, -1, 1, a, 2, y, 2, 1, 1, 1, 1); }},
      {"dtrsm lda (left: m)", "F06YJF/DTRSM ", 9,
       [] { DTRSM("Left", "U", "N", "N", 3, 1, 1, a, 2, y, 3, 4, 1, 1, 1); }},
      {"dtrsm lda (right: n)", "F06YJF/DTRSM ", 9,
       [] { DTRSM("right", "U", "N", "N", 1, 3, 1, a, 2, y, 1, 5, 1, 1, 1); }},
      {"dtrsm ldb", "F06YJF/DTRSM ", 11,
       [] { DTRSM("R", "L", "T", "U", 3, 1, 1, a, 1, y, 2, 1, 1, 1, 1); }},
      {"ztrsm lda", "F06ZJF/ZTRSM ", 9,
       [] { ZTRSM("L", "U", "C", "N", 3, 1, 1, 0, za, 2, zy, 3, 1, 1, 1, 1); }},
      // ZHERK: UPLO 1, TRANS 2 (N or C only), N 3, K 4, LDA 7, LDC 10.
      {"zherk uplo", "F06ZPF/ZHERK ", 1, [] { ZHERK("x", "N", 2, 2, 1, za, 2, 0, zy, 2, 1, 1); }},
      {"zherk trans T", "F06ZPF/ZHERK ", 2, [] { ZHERK("U", "T", 2, 2, 1, za, 2, 0, zy, 2, 1, 1); }},
      {"zherk n", "F06ZPF/ZHERK ", 3, [] { ZHERK("U", "N", -1, 2, 1, za, 2, 0, zy, 2, 1, 1); }},
      {"zherk k", "F06ZPF/ZHERK ", 4, [] { ZHERK("U", "N", 2, -1, 1, za, 2, 0, zy, 2, 1, 1); }},
      {"zherk lda (rows n)", "F06ZPF/ZHERK ", 7,
       [] { ZHERK("U", "N", 3, 1, 1, za, 2, 0, zy, 3, 1, 1); }},
      {"zherk lda (rows k)", "F06ZPF/ZHERK ", 7,
       [] { ZHERK("L", "C", 1, 3, 1, za, 2, 0, zy, 1, 1, 1); }},
      {"zherk ldc", "F06ZPF/ZHERK ", 10, [] { ZHERK("U", "C", 2, 1, 1, za, 1, 0, zy, 1, 1, 1); }},
  };
}

TEST(KernelChecks, IllegalArgumentEndsTheProcessWithTheExactStream) {
  for (const Case& c : cases()) {
    SCOPED_TRACE(c.what);
    const kivtest::ChildResult r = kivtest::run_in_child(c.call);
    EXPECT_FALSE(r.returned);
    EXPECT_TRUE(r.exited);
    EXPECT_EQ(r.status, EXIT_FAILURE);
    EXPECT_EQ(r.out, expected_stream(c.name, c.position));
  }
}

// The library-name entries and the selector routines check just the same.
TEST(KernelChecks, EveryEntryChecks) {
  const std::function<void()> calls[] = {
      [] { F06PAF("X", 2, 2, 1, a, 2, x, 1, 0, y, 1, 1); },
      [] { F06PAF_DGEMV(0, "X", 2, 2, 1, a, 2, x, 1, 0, y, 1, 1); },
      [] { F06PAF_DGEMV(1, "X", 2, 2, 1, a, 2, x, 1, 0, y, 1, 1); },
  };
  for (const auto& call : calls) {
    const kivtest::ChildResult r = kivtest::run_in_child(call);
    EXPECT_EQ(r.out, expected_stream("F06PAF/DGEMV ", 1));
    EXPECT_EQ(r.status, EXIT_FAILURE);
  }
}

// Legal edge cases come back: a leading dimension of 0 with no rows, empty
// dimensions, and every spelling the library's own callers use.
TEST(KernelChecks, LegalArgumentsReturn) {
  const kivtest::ChildResult r = kivtest::run_in_child([] {
    DGEMV("No transpose", 0, 3, 1, a, 1, x, 1, 0, y, 1, 12);
    DGER(0, 2, 1, x, 1, y, 1, a, 1);
    DGEMM("Transpose", "Conjugate transpose", 0, 0, 0, 1, a, 1, a, 1, 0, y, 1, 9, 19);
    DTRSM("Right", "Lower", "No transpose", "Non-unit", 0, 0, 1, a, 1, y, 1, 5, 5, 12, 8);
    DTRMV("Upper", "Transpose", "Unit", 0, a, 1, x, -1, 5, 9, 4);
    ZHERK("Lower", "Conjugate transpose", 0, 0, 1, za, 1, 0, zy, 1, 5, 19);
  });
  EXPECT_TRUE(r.returned);
  EXPECT_EQ(r.out, "");
}

}  // namespace
