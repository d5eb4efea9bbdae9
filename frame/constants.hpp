// Machine constants and small utilities that are internal to the library
// (the exported ones are declared in kiv2.h).
#pragma once

#include <bit>
#include <complex>
#include <cstdint>

#include "kiv2.h"

namespace kiv {

// The constants, bit for bit.
inline constexpr double kPi = std::bit_cast<double>(std::uint64_t{0x400921FB54442D18u});
inline constexpr double kEps = std::bit_cast<double>(std::uint64_t{0x3CA0040000000020u});
inline constexpr double kSafeMin = std::bit_cast<double>(std::uint64_t{0x0010000000000000u});
inline constexpr double kLargest = std::bit_cast<double>(std::uint64_t{0x7FEFFFFFFFFFFFFFu});

// Number of Wichmann-Hill generators.
inline constexpr int kWichmannHillCount = 273;
// Row G (1-based) of the Wichmann-Hill table: a1..a4, m1..m4.
const std::int32_t* wichmann_hill_row(int g);

// Ignores both arguments; the largest 32-bit integer.
int LARGEST_INTEGER(const void*, const void*);

// A when B >= 0, -A when B < 0.
double MULTIPLY_SIGN(const double* a, const double* b);

// Normalises a name argument: the text between its first and last non-blank
// characters, lowercase letters raised, copied to OUT; *COUNT is its length,
// or 0 when the text is blank or longer than MAXLEN (or than OUT_LEN, the
// room in OUT, when positive).
void UPPERCASE_NAME(const char* text, char* out, int* count, int out_len, int maxlen);

// True when the first characters are equal or their codes differ by 32.
int SAME_LETTER(const char* a, const char* b, int a_len, int b_len);

// A / B with overflow and division by zero caught: *FAIL is 1 then, and the
// quotient a substitute of the right sign.
double SAFE_DIV(double a, double b, int* fail);
std::complex<double>* COMPLEX_SAFE_DIV(std::complex<double>* result, std::complex<double> a,
                                       std::complex<double> b, int* fail);

}  // namespace kiv
