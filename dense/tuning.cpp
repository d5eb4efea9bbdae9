// The tuning-parameter store: eight integers per routine (parameter 1 the
// block size) for the 48 routines that have a slot.  Every block size
// starts at 1, so the factorisations run unblocked until a host raises it;
// values written persist for the life of the process.
#include <array>
#include <cstring>

#include "dense/lapack.hpp"

namespace {

constexpr int kSlots = 48;
constexpr int kParams = 8;
constexpr int kCodes = 125;  // routine codes 1 to 124; 0 is "no code"

// The routine code of a library name: F07 names 1 to 28, F08 names 29 to
// 124, anything else 0.
int routine_code(const char* name, int len) {
  char c[6] = {};
  for (int i = 0; i < 6 && i < len && name[i] != '\0'; ++i)
    c[i] = (name[i] >= 'a' && name[i] <= 'z') ? static_cast<char>(name[i] - 32) : name[i];
  // "F07ADF" form, or the letters first and the chapter in characters 4-6.
  char chapter, first, second;
  if (c[2] == '7' || c[2] == '8') {
    if (c[0] != 'F' || c[1] != '0') return 0;
    chapter = c[2], first = c[3], second = c[4];
  } else {
    if (c[3] != 'F' || c[4] != '0' || (c[5] != '7' && c[5] != '8')) return 0;
    chapter = c[5], first = c[0], second = c[1];
  }
  const auto index = [](const char* set, char ch) {
    const char* p = ch != '\0' ? std::strchr(set, ch) : nullptr;
    return p ? static_cast<int>(p - set) : -1;
  };
  if (chapter == '7') {
    const int i = index("ABFHMNT", first), j = index("DJRW", second);
    return i < 0 || j < 0 ? 0 : 4 * i + j + 1;
  }
  const int i = index("ACFJKNPS", first), j = index("EFGHJKSTUVWX", second);
  return i < 0 || j < 0 ? 0 : 12 * i + j + 29;
}

struct Store {
  std::array<int, kCodes> slot_of{};  // 1-based slot, 0 none
  std::array<std::array<int, kParams>, kSlots> value{};
};

// Every F07 routine, and the F08 reductions, QR factorisations and
// Hessenberg QR; parameter 2 (the smallest useful block) and parameter 3
// (the crossover) as listed; the Hessenberg QR slots hold only their number
// of shifts (parameter 4) and crossover order (parameter 8), both 1.
constexpr Store initial_store() {
  Store s{};
  int next = 0;
  const auto add = [&](int code, std::array<int, kParams> v) {
    s.slot_of[code] = ++next;
    s.value[next - 1] = v;
  };
  for (int code = 1; code <= 28; ++code) add(code, {1, 0, 0, 0, 0, 0, 0, 0});
  // F08 codes: 12*first + second + 29 over "ACFJKNPS" x "EFGHJKSTUVWX".
  const auto f08 = [](int first, int second) { return 12 * first + second + 29; };
  for (int first : {0, 2, 5})  // A (QR), F (tridiagonal), N (Hessenberg)
    for (int second : {0, 1, 2, 6, 7, 8})  // E F G, S T U
      add(f08(first, second), {1, 1, second == 0 || second == 6 ? 1 : 0, 0, 0, 0, 0, 0});
  add(f08(6, 0), {0, 0, 0, 1, 0, 0, 0, 1});  // F08PEF
  add(f08(6, 6), {0, 0, 0, 1, 0, 0, 0, 1});  // F08PSF
  if (next != kSlots) throw "the store has 48 slots";
  return s;
}

constinit Store g_store = initial_store();

}  // namespace

namespace kiv::dense {

int tuning_parameter(int ispec, const char* name) {
  int value = 0;
  TUNING_STORE(ispec, name, &value, 0, 6);
  return value;
}

}  // namespace kiv::dense

extern "C" void KIV_CALL TUNING_STORE(int ispec, const char* name, int* ival, int rwflag,
                                      int name_len) {
  const int code = name != nullptr ? routine_code(name, name_len) : 0;
  const int slot = g_store.slot_of[code];
  if (slot == 0) {
    *ival = -2;
    return;
  }
  if (ispec < 1 || ispec > kParams) {
    *ival = -1;
    return;
  }
  int& v = g_store.value[slot - 1][ispec - 1];
  if (rwflag == 0) *ival = v;
  else v = *ival;
}
