// Machine constants, complex arithmetic, safe division, small utilities.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <complex>
#include <cstdint>
#include <limits>
#include <random>
#include <set>
#include <cstring>
#include <string>

#include "frame/constants.hpp"
#include "frame/errors.hpp"
#include "support/capture.hpp"

namespace {

std::uint64_t bits(double x) { return std::bit_cast<std::uint64_t>(x); }

TEST(Constants, ExactBits) {
  EXPECT_EQ(bits(CONST_PI()), 0x400921FB54442D18u);
  EXPECT_EQ(bits(MACHINE_PRECISION()), 0x3CA0040000000020u);
  EXPECT_EQ(bits(SAFE_MINIMUM()), 0x0010000000000000u);
  EXPECT_EQ(bits(LARGEST_REAL()), 0x7FEFFFFFFFFFFFFFu);
  EXPECT_EQ(MODEL_BASE(), 2);
  EXPECT_EQ(kiv::LARGEST_INTEGER(nullptr, nullptr), 2147483647);
  EXPECT_EQ(LARGEST_REAL(), std::numeric_limits<double>::max());
  EXPECT_EQ(SAFE_MINIMUM(), std::numeric_limits<double>::min());
}

TEST(Constants, PrecisionIsJustAboveHalfAnUlpOfOne) {
  const double eps = MACHINE_PRECISION();
  EXPECT_EQ(eps, std::ldexp(1.0 + std::ldexp(1.0, -10) + std::ldexp(1.0, -47), -53));
  volatile double one = 1.0;
  EXPECT_GT(one + eps, 1.0);
  EXPECT_LT(one - eps, 1.0);
  EXPECT_EQ(one + std::ldexp(1.0, -53), 1.0);
}

TEST(ComplexAbs, Cases) {
  EXPECT_EQ(COMPLEX_ABS(0.0, 0.0), 0.0);
  EXPECT_EQ(COMPLEX_ABS(3.0, 4.0), 5.0);
  EXPECT_EQ(COMPLEX_ABS(-4.0, 3.0), 5.0);
  EXPECT_EQ(COMPLEX_ABS(0.0, -2.5), 2.5);
  EXPECT_DOUBLE_EQ(COMPLEX_ABS(1e300, 1e300), std::sqrt(2.0) * 1e300);
  EXPECT_DOUBLE_EQ(COMPLEX_ABS(1e-300, 1e-300), std::sqrt(2.0) * 1e-300);
  EXPECT_TRUE(std::isfinite(COMPLEX_ABS(1.7e308, 1.7e308 / 4)));
}

TEST(ComplexSqrt, Cases) {
  struct Case {
    double a, b, re, im;
  };
  const Case cases[] = {{0, 0, 0, 0},   {4, 0, 2, 0},     {-4, 0, 0, 2},
                        {0, 2, 1, 1},   {-3, -4, 1, -2},  {3, 4, 2, 1},
                        {-3, 4, 1, 2},  {0, -2, 1, -1},   {0.25, 0, 0.5, 0}};
  for (const Case& c : cases) {
    double re = 9, im = 9;
    COMPLEX_SQRT(c.a, c.b, &re, &im);
    EXPECT_DOUBLE_EQ(re, c.re) << c.a << " " << c.b;
    EXPECT_DOUBLE_EQ(im, c.im) << c.a << " " << c.b;
  }
  double re, im;
  COMPLEX_SQRT(-4.0, -0.0, &re, &im);  // b = -0 stays on the upper side
  EXPECT_EQ(bits(re), bits(-0.0));
  EXPECT_EQ(im, 2.0);
}

TEST(ComplexSqrt, SquaresBackAcrossScales) {
  std::mt19937_64 gen(2385);
  std::uniform_real_distribution<double> mant(-1.0, 1.0);
  std::uniform_int_distribution<int> expo(-300, 300);
  for (int i = 0; i < 2000; ++i) {
    const std::complex<double> z(std::ldexp(mant(gen), expo(gen)), std::ldexp(mant(gen), expo(gen)));
    double re, im;
    COMPLEX_SQRT(z.real(), z.imag(), &re, &im);
    ASSERT_GE(re, 0.0);
    const std::complex<double> w(re, im), ref = std::sqrt(z);
    EXPECT_LE(std::abs(w - ref), 4 * MACHINE_PRECISION() * std::abs(ref)) << z;
  }
}

TEST(ComplexSqrt, ByAddressForm) {
  const double a = -3, b = -4;
  double re = 0, im = 0;
  COMPLEX_SQRT_BYREF(&a, &b, &re, &im);
  EXPECT_DOUBLE_EQ(re, 1.0);
  EXPECT_DOUBLE_EQ(im, -2.0);
}

TEST(ComplexDiv, MatchesComplexDivisionAndAvoidsOverflow) {
  std::mt19937_64 gen(7);
  std::uniform_real_distribution<double> u(-10.0, 10.0);
  for (int i = 0; i < 1000; ++i) {
    const std::complex<double> x(u(gen), u(gen)), y(u(gen), u(gen));
    double re, im;
    COMPLEX_DIV(x.real(), x.imag(), y.real(), y.imag(), &re, &im);
    const std::complex<double> ref = x / y;
    EXPECT_LE(std::abs(std::complex<double>(re, im) - ref), 8 * MACHINE_PRECISION() * std::abs(ref));
  }
  double re, im;
  COMPLEX_DIV(1e300, 1e300, 1e300, 1e300, &re, &im);
  EXPECT_DOUBLE_EQ(re, 1.0);
  EXPECT_EQ(im, 0.0);
  // |c| = |d| takes the first branch: r = c/d = -1, s = 1/(r c + d) = 1/4.
  COMPLEX_DIV(1.0, 3.0, -2.0, 2.0, &re, &im);
  EXPECT_EQ(re, (-1.0 * 1.0 + 3.0) * 0.25);
  EXPECT_EQ(im, (-1.0 * 3.0 - 1.0) * 0.25);
}

constexpr double kFlmax = std::bit_cast<double>(std::uint64_t{0x7FCFFFFFFFFFFFECu});

TEST(SafeDiv, Table) {
  struct Case {
    double a, b, q;
    int fail;
  };
  const double tiny = std::bit_cast<double>(std::uint64_t{0x0010000000000026u});
  const Case cases[] = {
      {0, 0, 0, 1},        {0, 5, 0, 0},         {3, 0, kFlmax, 1},  {-3, 0, -kFlmax, 1},
      {6, 3, 2, 0},        {tiny, 2, 0, 0},      {1e300, 1e-10, kFlmax, 1},
      {-1e300, 1e-10, -kFlmax, 1}, {1e300, -1e-10, -kFlmax, 1}, {1, 0.5, 2, 0},
      {-1e-300, -1e-300, 1, 0}};
  for (const Case& c : cases) {
    int fail = -1;
    EXPECT_EQ(kiv::SAFE_DIV(c.a, c.b, &fail), c.q) << c.a << "/" << c.b;
    EXPECT_EQ(fail, c.fail) << c.a << "/" << c.b;
  }
}

TEST(ComplexSafeDiv, Table) {
  using C = std::complex<double>;
  struct Case {
    C a, b, q;
    int fail;
  };
  const Case cases[] = {
      {{0, 0}, {0, 0}, {0, 0}, 1},
      {{0, 0}, {1, 2}, {0, 0}, 0},
      {{1, -2}, {0, 0}, {kFlmax, -kFlmax}, 1},
      {{-4, 2}, {1, 1}, {-1, 3}, 0},
      {{1e300, 1e300}, {1e-10, 0}, {kFlmax, kFlmax}, 1},
      {{1.5e308, 0}, {1.5e308, 0}, {1, 0}, 0},  // halved first, no overflow
  };
  for (const Case& c : cases) {
    int fail = -1;
    C q;
    EXPECT_EQ(kiv::COMPLEX_SAFE_DIV(&q, c.a, c.b, &fail), &q);
    EXPECT_EQ(q, c.q) << c.a << "/" << c.b;
    EXPECT_EQ(fail, c.fail) << c.a << "/" << c.b;
  }
}

TEST(BasicGenerator, IsTheSixtyBitCongruence) {
  int generator = 9, state[4];
  RANDOM_INIT(&generator, state);
  EXPECT_EQ(generator, 0);
  std::uint64_t y = 6698u | 7535u << 15 | std::uint64_t{26792} << 30 | std::uint64_t{30140} << 45;
  const std::uint64_t a = 302875106592253u, mask = (std::uint64_t{1} << 60) - 1;
  EXPECT_EQ(a, std::uint64_t{17917} | 13895u << 15 | std::uint64_t{19930} << 30 | std::uint64_t{8} << 45);
  for (int i = 0; i < 10000; ++i) {
    y = (y * a) & mask;
    const double u = RANDOM_UNIFORM_BYREF(&generator, state);
    ASSERT_EQ(u, std::ldexp(static_cast<double>(y >> 30), -30) +
                     std::ldexp(static_cast<double>(y & ((1u << 30) - 1)), -60));
    ASSERT_GE(u, 0.0);
    ASSERT_LT(u, 1.0);
  }
  // Restarting reproduces the sequence.
  int again[4];
  RANDOM_INIT(&generator, again);
  const double first = RANDOM_UNIFORM(0, again);
  RANDOM_INIT(&generator, state);
  EXPECT_EQ(RANDOM_UNIFORM(0, state), first);
}

TEST(BasicGenerator, NeverReturnsOne) {
  // The state whose successor is 2^60 - 1, which would round to 1.0.
  const std::uint64_t mask = (std::uint64_t{1} << 60) - 1;
  std::uint64_t inverse = 1;  // of 13^13 modulo 2^60, by Newton's iteration
  for (int i = 0; i < 7; ++i) inverse *= 2 - 302875106592253u * inverse;
  const std::uint64_t y = (mask * inverse) & mask;
  ASSERT_EQ((y * 302875106592253u) & mask, mask);
  int state[4] = {static_cast<int>(y & 32767), static_cast<int>(y >> 15 & 32767),
                  static_cast<int>(y >> 30 & 32767), static_cast<int>(y >> 45 & 32767)};
  EXPECT_EQ(RANDOM_UNIFORM(0, state), 1.0 - MACHINE_PRECISION());
}

bool is_prime(std::int64_t n) {
  if (n < 2) return false;
  for (std::int64_t f = 2; f * f <= n; ++f)
    if (n % f == 0) return false;
  return true;
}

std::int64_t power_mod(std::int64_t a, std::int64_t e, std::int64_t m) {
  std::int64_t r = 1;
  for (a %= m; e > 0; e >>= 1, a = a * a % m)
    if (e & 1) r = r * a % m;
  return r;
}

bool primitive_root(std::int64_t a, std::int64_t m) {
  std::int64_t n = m - 1;
  for (std::int64_t f = 2; f * f <= n; ++f) {
    if (n % f) continue;
    if (power_mod(a, (m - 1) / f, m) == 1) return false;
    while (n % f == 0) n /= f;
  }
  return n == 1 || power_mod(a, (m - 1) / n, m) != 1;
}

TEST(WichmannHill, TableRowsAreFullPeriodGenerators) {
  const std::int32_t first[8] = {125, 117, 127, 126, 16770647, 16770643, 16770623, 16770617};
  const std::int32_t last[8] = {126, 127, 125, 124, 16766363, 16766359, 16766327, 16766231};
  for (int k = 0; k < 8; ++k) {
    EXPECT_EQ(kiv::wichmann_hill_row(1)[k], first[k]);
    EXPECT_EQ(kiv::wichmann_hill_row(273)[k], last[k]);
  }
  std::set<std::int32_t> moduli;
  for (int g = 1; g <= kiv::kWichmannHillCount; ++g) {
    const std::int32_t* row = kiv::wichmann_hill_row(g);
    for (int i = 0; i < 4; ++i) {
      const std::int32_t a = row[i], m = row[4 + i];
      ASSERT_GE(a, 112) << g;
      ASSERT_LE(a, 127) << g;
      ASSERT_GE(m, 16718909) << g;
      ASSERT_LE(m, 16776971) << g;
      ASSERT_TRUE(is_prime(m)) << g;
      ASSERT_TRUE(primitive_root(a, m)) << g << " " << a << " " << m;
      // Products of a multiplier and a seed stay below 2^31.
      ASSERT_LT(std::int64_t{a} * (m - 1), std::int64_t{1} << 31);
      moduli.insert(m);
    }
  }
  EXPECT_EQ(moduli.size(), 4u * kiv::kWichmannHillCount);
}

TEST(WichmannHill, StepIsTheSumOfFourCongruences) {
  for (int g : {1, 2, 100, 273}) {
    const std::int32_t* row = kiv::wichmann_hill_row(g);
    int state[4] = {1, 2, 3, 4};
    std::int64_t s[4] = {1, 2, 3, 4};
    for (int step = 0; step < 2000; ++step) {
      for (int i = 0; i < 4; ++i) s[i] = row[i] * s[i] % row[4 + i];
      const double sum = static_cast<double>(s[0]) / row[4] + static_cast<double>(s[2]) / row[6] +
                         static_cast<double>(s[1]) / row[5] + static_cast<double>(s[3]) / row[7];
      // Both entries take the same step; alternate them.
      const double u = step % 2 ? RANDOM_UNIFORM(g, state) : RANDOM_WH(g, state);
      ASSERT_EQ(u, sum - std::floor(sum));
      ASSERT_LT(u, 1.0);
    }
  }
}

TEST(WichmannHill, OutOfRangeGeneratorLeavesTheStateAlone) {
  int state[4] = {1, 2, 3, 4};
  EXPECT_EQ(RANDOM_WH(274, state), 0.0);
  EXPECT_EQ(RANDOM_WH(-1, state), 0.0);
  EXPECT_EQ(state[3], 4);
}

TEST(ImplementationDetails, EightLinesOnTheAdvisoryUnit) {
  const std::string out = kivtest::capture_stdout([] { IMPLEMENTATION_DETAILS(); });
  EXPECT_EQ(out,
            " *** Start of KIV Library implementation details ***\n"
            " \n"
            " Implementation title: Generalised Base Version\n"
            "            Precision: FORTRAN double precision\n"
            "         Product Code: QZMRK07H\n"
            "                 Mark: 20A\n"
            " \n"
            " *** End of KIV Library implementation details ***\n");
  int saved = 0, silent = -1;
  kiv::ADVISORY_UNIT(0, &saved);
  kiv::ADVISORY_UNIT(1, &silent);
  EXPECT_EQ(kivtest::capture_stdout([] { IMPLEMENTATION_DETAILS(); }), "");
  kiv::ADVISORY_UNIT(1, &saved);
}

TEST(UppercaseName, Cases) {
  struct Case {
    const char* in;
    const char* out;
  };
  const Case cases[] = {{"  cg  ", "CG"},         {"bicgstab", "BICGSTAB"}, {"RGMRES", "RGMRES"},
                        {" t f-q mr", "T F-Q MR"}, {"", ""},               {"     ", ""},
                        {"abcdefghijklmnopqrst", "ABCDEFGHIJKLMNOPQRST"},
                        {"abcdefghijklmnopqrstu", ""}};
  for (const Case& c : cases) {
    char out[32] = {};
    int count = -1;
    kiv::UPPERCASE_NAME(c.in, out, &count, 20, 20);
    EXPECT_EQ(count, static_cast<int>(std::strlen(c.out))) << c.in;
    EXPECT_EQ(std::string(out, static_cast<std::size_t>(count)), c.out) << c.in;
  }
  // A buffer shorter than the name is never overrun.
  char small[4] = {'#', '#', '#', '#'};
  int count = -1;
  kiv::UPPERCASE_NAME("rgmres", small, &count, 3, 20);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(small[3], '#');
}

TEST(SmallUtilities, SameLetterAndMultiplySign) {
  EXPECT_TRUE(kiv::SAME_LETTER("a", "A", 1, 1));
  EXPECT_TRUE(kiv::SAME_LETTER("Nonsense", "n", 8, 1));
  EXPECT_TRUE(kiv::SAME_LETTER("@", "`", 1, 1));  // codes 64 and 96
  EXPECT_FALSE(kiv::SAME_LETTER("a", "b", 1, 1));
  const double a = 2.5, pos = 1.0, neg = -1.0, zero = 0.0, nzero = -0.0;
  EXPECT_EQ(kiv::MULTIPLY_SIGN(&a, &pos), 2.5);
  EXPECT_EQ(kiv::MULTIPLY_SIGN(&a, &neg), -2.5);
  EXPECT_EQ(kiv::MULTIPLY_SIGN(&a, &zero), 2.5);
  EXPECT_EQ(kiv::MULTIPLY_SIGN(&a, &nzero), 2.5);
}

}  // namespace
