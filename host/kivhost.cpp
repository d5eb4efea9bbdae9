// kivhost: a host for libkiv2.  It loads the library by file name, resolves
// every entry point by its export name alone, as a host resolves the exports
// of a DLL, supplies the print library the library writes through, and runs
// a short tour of what the library can do (the stops in host/tour_*.cpp).
//
//   kivhost [path-to-libkiv2.so]
#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "tour.hpp"

namespace kivhost {
namespace {

using EntryFn = void* (*)(const char*);
EntryFn g_entry = nullptr;

std::vector<Stop>& stops() {
  static std::vector<Stop> all;
  return all;
}

}  // namespace

void* resolve_entry(const char* export_name) {
  void* p = g_entry(export_name);
  if (p == nullptr) {
    std::fprintf(stderr, "kivhost: export %s not found\n", export_name);
    std::exit(EXIT_FAILURE);
  }
  return p;
}

void section(const char* title) { std::printf("\n== %s\n", title); }

int add_stop(Stop stop) {
  stops().push_back(stop);
  return 0;
}

}  // namespace kivhost

int main(int argc, char** argv) {
  const char* library = argc > 1 ? argv[1] : KIV2_LIBRARY_NAME;
  void* handle = dlopen(library, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    std::fprintf(stderr, "kivhost: cannot load %s: %s\n", library, dlerror());
    return EXIT_FAILURE;
  }
  kivhost::g_entry = reinterpret_cast<kivhost::EntryFn>(dlsym(handle, "kiv2_entry"));
  if (kivhost::g_entry == nullptr) {
    std::fprintf(stderr, "kivhost: %s has no kiv2_entry\n", library);
    return EXIT_FAILURE;
  }
  std::printf("kivhost: loaded %s\n", library);
  auto& all = kivhost::stops();
  std::stable_sort(all.begin(), all.end(),
                   [](const kivhost::Stop& a, const kivhost::Stop& b) { return a.order < b.order; });
  for (const kivhost::Stop& s : all) {
    kivhost::section(s.name);
    s.run();
  }
  std::fflush(stdout);
  dlclose(handle);
  return EXIT_SUCCESS;
}
