// kivhost info: the library's implementation details, its machine constants
// and its exports, each resolved by name.
#include <cstdio>
#include <cstdlib>

#include "cli.hpp"
#include "kiv2.h"
#include "tour.hpp"

namespace kivhost {
namespace {

constexpr const char* kHelp =
    "Usage: kivhost info\n"
    "Show libkiv2's implementation details, its machine constants and the number\n"
    "of its exports (every name of the export table is resolved in the loaded\n"
    "library).\n"
    "\n"
    "  -h, --help    show this help and exit\n";

// The export table kivhost was built with.
constexpr const char* kExports[] = {
#define KIV_EXPORT(id, k, function, kind) "_q" #id "@" #k,
#include "frame/all_exports.inc"
#undef KIV_EXPORT
};

int run(int argc, char** argv) {
  if (argc > 1) return usage_error("info", std::string("unexpected argument '") + argv[1] + "'");
  std::printf("Implementation details:\n");
  std::fflush(stdout);
  resolve<decltype(&IMPLEMENTATION_DETAILS)>("_q80933@0")();
  std::printf("\nMachine constants:\n");
  std::printf("  pi                  %.17g\n", resolve<decltype(&CONST_PI)>("_q42761@0")());
  std::printf("  machine precision   %.17g\n",
              resolve<decltype(&MACHINE_PRECISION)>("_q48540@0")());
  std::printf("  safe minimum        %.17g\n", resolve<decltype(&SAFE_MINIMUM)>("_q48900@0")());
  std::printf("  largest real        %.17g\n", resolve<decltype(&LARGEST_REAL)>("_q22647@0")());
  std::printf("  model base          %d\n", resolve<decltype(&MODEL_BASE)>("_q32811@0")());
  int missing = 0;
  for (const char* name : kExports) {
    if (entry(name) == nullptr) {
      std::fprintf(stderr, "kivhost info: export %s not found\n", name);
      ++missing;
    }
  }
  const int count = static_cast<int>(sizeof kExports / sizeof kExports[0]);
  std::printf("\nExports: %d (%d resolved)\n", count, count - missing);
  return missing == 0 ? EXIT_SUCCESS : kExitFailed;
}

}  // namespace

KIVHOST_COMMAND("info", "show implementation details, constants and the export count", kHelp, run);

}  // namespace kivhost
