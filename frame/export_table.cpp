#include "frame/export_table.hpp"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace kiv {
namespace {

// K of every row against its function's parameter list.
#define KIV_EXPORT(id, k, fn, kind) \
  static_assert(arg_bytes(&fn) == (k), "K of _q" #id "@" #k " does not match " #fn);
#include "frame/all_exports.inc"
#undef KIV_EXPORT

#define KIV_EXPORT(id, k, fn, kind) "_q" #id "@" #k,
constexpr const char* kNames[] = {
#include "frame/all_exports.inc"
};
#undef KIV_EXPORT

constexpr bool names_unique() {
  constexpr std::size_t n = std::size(kNames);
  for (std::size_t i = 0; i < n; ++i)
    for (std::size_t j = i + 1; j < n; ++j)
      if (std::string_view(kNames[i]) == std::string_view(kNames[j])) return false;
  return true;
}
static_assert(names_unique(), "an export name appears twice");

#define KIV_EXPORT(id, k, fn, kind) \
  Export{"_q" #id "@" #k, k, reinterpret_cast<void*>(&fn), ExportKind::kind},
const Export kTable[] = {
#include "frame/all_exports.inc"
};
#undef KIV_EXPORT

}  // namespace

const Export* exports(std::size_t* count) {
  *count = std::size(kTable);
  return kTable;
}

}  // namespace kiv

extern "C" void* kiv2_entry(const char* export_name) {
  if (export_name == nullptr) return nullptr;
  for (const kiv::Export& e : kiv::kTable)
    if (std::strcmp(e.name, export_name) == 0) return e.entry;
  return nullptr;
}
