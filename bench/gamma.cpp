// S14AAF (gamma) against the C library's tgamma, in one run.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "kiv2.h"

namespace {

std::vector<double> arguments() {
  std::vector<double> x;
  for (int i = 0; i < 1024; ++i) x.push_back(-20.25 + 0.183 * i);  // avoids the poles
  return x;
}

void BM_S14AAF(benchmark::State& state) {
  const std::vector<double> x = arguments();
  char record[KIV2_RECORD_LEN + 1];
  for (auto _ : state) {
    double sum = 0.0;
    for (double v : x) {
      int ifail = 1;
      sum += S14AAF(v, record, &ifail, KIV2_RECORD_LEN);
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(x.size()));
}

void BM_tgamma(benchmark::State& state) {
  const std::vector<double> x = arguments();
  for (auto _ : state) {
    double sum = 0.0;
    for (double v : x) sum += std::tgamma(v);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(x.size()));
}

BENCHMARK(BM_S14AAF)->Name("kiv/gamma");
BENCHMARK(BM_tgamma)->Name("std/gamma");

}  // namespace
