#include "frame/wrappers.hpp"

#include <bit>
#include <cstdint>
#include <cstdio>

#include "frame/errors.hpp"
#include "host/tarlec.h"

namespace {

constexpr std::int32_t kIntPoison = static_cast<std::int32_t>(0x80808080u);
constexpr double kRealPoison = std::bit_cast<double>(std::uint64_t{0xC1DFDFDFE0000000u});
static_assert(kRealPoison == static_cast<double>(kIntPoison),
              "the real poison reads as the integer poison");

// Keeps the poison stores even where nothing reads them before the body
// overwrites them.
void keep(const void* p) { asm volatile("" : : "r"(p) : "memory"); }

}  // namespace

namespace kiv::detail {

long parse_record(const char* record, char (&srname)[7]) {
  long ierr = kNoIerr;
  // Bounded: a first word longer than six characters is cut, never copied
  // past the buffer.
  std::sscanf(record, "%6s %5ld", srname, &ierr);
  return ierr;
}

int report_mismatch(const char* routine, int ifail, long ierr, const char* srname) {
  char text[48];
  std::snprintf(text, sizeof text, "*** IFAIL MISMATCH IN %s: IFAIL = ", routine);
  OldTarlePrintf(" %s", text);
  OldTarlePrintf(" %ld", static_cast<long>(ifail));
  OldTarlePrintf(" %s", ", IERR =");
  OldTarlePrintf(" %ld", ierr);
  OldTarlePrintf(" %s", ", SRNAME =");
  OldTarlePrintf(" %s", srname);
  return std::putchar('\n');
}

}  // namespace kiv::detail

extern "C" {

void KIV_CALL POISON_REAL(double* x) {
  *x = kRealPoison;
  keep(x);
}

void KIV_CALL POISON_REALS(int n, double* x) {
  for (int i = 0; i < n; ++i) x[i] = kRealPoison;
  keep(x);
}

void KIV_CALL POISON_INTEGER(int* x) {
  *x = kIntPoison;
  keep(x);
}

void KIV_CALL POISON_INTEGERS(int n, int* x) {
  for (int i = 0; i < n; ++i) x[i] = kIntPoison;
  keep(x);
}

void KIV_CALL POISON_COMPLEX(kiv2_complex* x) {
  *x = {kRealPoison, kRealPoison};
  keep(x);
}

void KIV_CALL POISON_COMPLEXES(int n, kiv2_complex* x) {
  for (int i = 0; i < n; ++i) x[i] = {kRealPoison, kRealPoison};
  keep(x);
}

}  // extern "C"
