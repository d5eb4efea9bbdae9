// Uniform random numbers: the basic 60-bit multiplicative generator and the
// Wichmann-Hill generators.  The state is four caller-owned integers.
#include <cmath>
#include <cstdint>

#include "frame/constants.hpp"

namespace kiv {
namespace {

// 13^13 = 302875106592253 in 15-bit limbs, least significant first.
constexpr std::int64_t kMultiplier[4] = {17917, 13895, 19930, 8};
constexpr int kInitial[4] = {6698, 7535, 26792, 30140};
constexpr std::int32_t kTable[kWichmannHillCount][8] = {
#include "frame/wh_table.inc"
};

double basic_step(int* y) {
  // Schoolbook product of the limbs, keeping the low 60 bits.
  std::int64_t carry = 0;
  std::int64_t next[4];
  for (int k = 0; k < 4; ++k) {
    std::int64_t sum = carry;
    for (int i = 0; i <= k; ++i) sum += y[i] * kMultiplier[k - i];
    next[k] = sum % 32768;
    carry = sum / 32768;
  }
  for (int k = 0; k < 4; ++k) y[k] = static_cast<int>(next[k]);
  const double u = (y[3] * 32768.0 + y[2]) * 0x1p-30 + (y[1] * 32768.0 + y[0]) * 0x1p-60;
  return std::fmin(u, 1.0 - kEps);
}

}  // namespace

const std::int32_t* wichmann_hill_row(int g) { return kTable[g - 1]; }

}  // namespace kiv

extern "C" {

double KIV_CALL RANDOM_WH(int generator, int* s) {
  // Generator numbers outside 1..273 are no generator: the state is left
  // alone rather than read past the table.
  if (generator < 1 || generator > kiv::kWichmannHillCount) return 0.0;
  const std::int32_t* row = kiv::wichmann_hill_row(generator);
  // Valid seeds keep the products below 2^31; wider arithmetic keeps any
  // other seed defined.
  for (int i = 0; i < 4; ++i)
    s[i] = static_cast<int>(std::int64_t{row[i]} * s[i] % row[4 + i]);
  const double sum = static_cast<double>(s[0]) / row[4] + static_cast<double>(s[2]) / row[6] +
                     static_cast<double>(s[1]) / row[5] + static_cast<double>(s[3]) / row[7];
  return std::fmod(sum, 1.0);
}

double KIV_CALL RANDOM_UNIFORM(int generator, int* state) {
  return generator == 0 ? kiv::basic_step(state) : RANDOM_WH(generator, state);
}

double KIV_CALL RANDOM_UNIFORM_BYREF(const int* generator, int* state) {
  return RANDOM_UNIFORM(*generator, state);
}

void KIV_CALL RANDOM_INIT(int* generator, int* state) {
  *generator = 0;
  for (int i = 0; i < 4; ++i) state[i] = kiv::kInitial[i];
}

}  // extern "C"
