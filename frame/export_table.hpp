// The export table: every entry point the library exports, by name.
//
// The rows live in one X-macro list per subsystem (<subsystem>/exports.inc),
// gathered by frame/all_exports.inc:
//
//   KIV_EXPORT(26243, 8, S14AAF_HOST, wrapper)
//
// is the export "_q26243@8" of the function S14AAF_HOST.  From the list come
// the lookup table behind kiv2_entry(), the compile-time check of each K,
// the ELF alias "q26243" (a linker script made by the preprocessor) and the
// Windows module-definition file.
#pragma once

#include <complex>
#include <cstddef>
#include <type_traits>

#include "kiv2.h"

namespace kiv {

enum class ExportKind {
  wrapper,   // host wrapper of a user-callable routine
  body,      // routine body
  kernel,    // matrix-level routine or its library-name entry
  poison,    // poison routine
  constant,  // machine constant
  utility,   // small utility or by-address form
  internal,  // internal routine exported for the host's own use
};

struct Export {
  const char* name;  // "_q26243@8"
  int k;             // bytes of the 32-bit argument list
  void* entry;
  ExportKind kind;
};

// Bytes that one argument takes on the 32-bit stack: 4 per pointer or int,
// 8 per double, 16 per complex passed by value.
template <class T>
constexpr int arg_bytes32() {
  if constexpr (std::is_pointer_v<T>) return 4;
  else if constexpr (std::is_same_v<T, double>) return 8;
  else if constexpr (std::is_same_v<T, std::complex<double>>) return 16;
  else if constexpr (std::is_integral_v<T>) {
    static_assert(sizeof(T) <= 8 && !std::is_same_v<T, long long>,
                  "exports take 32-bit integers");
    return 4;
  } else {
    static_assert(!sizeof(T), "argument type without a 32-bit size rule");
    return 0;
  }
}

template <class R, class... A>
constexpr int arg_bytes(R(KIV_CALL*)(A...)) {
  return (0 + ... + arg_bytes32<A>());
}

// The whole table, in declaration order.
const Export* exports(std::size_t* count);

}  // namespace kiv
