// kivhost: a host for libkiv2.  It loads the library by file name, resolves
// every entry point by its export name alone, as a host resolves the exports
// of a DLL, supplies the print library the library writes through, and runs
// a short tour of what the library can do.
//
//   kivhost [path-to-libkiv2.so]
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

#include "kiv2.h"
#include "tarlec.h"

namespace {

using EntryFn = void* (*)(const char*);
EntryFn g_entry = nullptr;

template <class F>
F resolve(const char* export_name) {
  void* p = g_entry(export_name);
  if (p == nullptr) {
    std::fprintf(stderr, "kivhost: export %s not found\n", export_name);
    std::exit(EXIT_FAILURE);
  }
  return reinterpret_cast<F>(p);
}

void section(const char* title) { std::printf("\n== %s\n", title); }

void tour_details() {
  section("Implementation details (_q80933@0)");
  resolve<void(KIV_CALL*)()>("_q80933@0")();
}

void tour_constants() {
  section("Machine constants");
  std::printf("pi                 %.17g\n", resolve<double(KIV_CALL*)()>("_q42761@0")());
  std::printf("machine precision  %.17g\n", resolve<double(KIV_CALL*)()>("_q48540@0")());
  std::printf("safe minimum       %.17g\n", resolve<double(KIV_CALL*)()>("_q48900@0")());
  std::printf("largest real       %.17g\n", resolve<double(KIV_CALL*)()>("_q22647@0")());
}

void tour_gamma() {
  section("Gamma function through the host wrapper (_q26243@8)");
  auto gamma = resolve<double(KIV_CALL*)(const double*, int*)>("_q26243@8");
  for (double x : {0.5, 1.0, 4.0, 10.1, -2.5, 170.0}) {
    int ifail = 1;
    const double g = gamma(&x, &ifail);
    std::printf("gamma(%7.2f) = %-24.16g IFAIL = %d\n", x, g, ifail);
  }
  section("An error reported with IFAIL = -1: gamma(-3)");
  double x = -3.0;
  int ifail = -1;
  const double g = gamma(&x, &ifail);
  std::printf("returned %.4g with IFAIL = %d\n", g, ifail);
}

void tour_random() {
  section("Basic random generator (_q98008@8, _q56221@8)");
  int generator = -1, state[4];
  resolve<void(KIV_CALL*)(int*, int*)>("_q98008@8")(&generator, state);
  auto uniform = resolve<double(KIV_CALL*)(const int*, int*)>("_q56221@8");
  for (int i = 0; i < 4; ++i) std::printf("%.15f\n", uniform(&generator, state));
}

}  // namespace

int main(int argc, char** argv) {
  const char* library = argc > 1 ? argv[1] : KIV2_LIBRARY_NAME;
  void* handle = dlopen(library, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    std::fprintf(stderr, "kivhost: cannot load %s: %s\n", library, dlerror());
    return EXIT_FAILURE;
  }
  g_entry = reinterpret_cast<EntryFn>(dlsym(handle, "kiv2_entry"));
  if (g_entry == nullptr) {
    std::fprintf(stderr, "kivhost: %s has no kiv2_entry\n", library);
    return EXIT_FAILURE;
  }
  std::printf("kivhost: loaded %s\n", library);
  tour_details();
  tour_constants();
  tour_gamma();
  tour_random();
  std::fflush(stdout);
  dlclose(handle);
  return EXIT_SUCCESS;
}
