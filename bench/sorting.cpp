// M01CAF against std::sort and M01DAF against std::stable_sort of an index
// vector, on the same random doubles, in one run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include "kiv2.h"

namespace {

std::vector<double> random_doubles(int n) {
  std::mt19937_64 gen(2024);
  std::uniform_real_distribution<double> u(0.0, 1.0);
  std::vector<double> v(n);
  for (double& x : v) x = u(gen);
  return v;
}

void BM_M01CAF(benchmark::State& state) {
  const std::vector<double> input = random_doubles(static_cast<int>(state.range(0)));
  std::vector<double> v;
  char record[KIV2_RECORD_LEN + 1];
  for (auto _ : state) {
    state.PauseTiming();
    v = input;
    state.ResumeTiming();
    int ifail = 1;
    M01CAF(v.data(), 1, static_cast<int>(v.size()), "A", record, &ifail, 1, KIV2_RECORD_LEN);
    benchmark::DoNotOptimize(v.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_sort(benchmark::State& state) {
  const std::vector<double> input = random_doubles(static_cast<int>(state.range(0)));
  std::vector<double> v;
  for (auto _ : state) {
    state.PauseTiming();
    v = input;
    state.ResumeTiming();
    std::sort(v.begin(), v.end());
    benchmark::DoNotOptimize(v.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_M01DAF(benchmark::State& state) {
  const std::vector<double> v = random_doubles(static_cast<int>(state.range(0)));
  std::vector<int> irank(v.size());
  char record[KIV2_RECORD_LEN + 1];
  for (auto _ : state) {
    int ifail = 1;
    M01DAF(v.data(), 1, static_cast<int>(v.size()), "A", irank.data(), record, &ifail, 1,
           KIV2_RECORD_LEN);
    benchmark::DoNotOptimize(irank.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The peer's natural form of a stable ranking: sort positions by value.
void BM_stable_sort(benchmark::State& state) {
  const std::vector<double> v = random_doubles(static_cast<int>(state.range(0)));
  std::vector<int> index(v.size());
  for (auto _ : state) {
    std::iota(index.begin(), index.end(), 0);
    std::stable_sort(index.begin(), index.end(), [&](int a, int b) { return v[a] < v[b]; });
    benchmark::DoNotOptimize(index.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

#define SIZES ->RangeMultiplier(10)->Range(1000, 10000000)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_M01CAF)->Name("kiv/sort") SIZES;
BENCHMARK(BM_sort)->Name("std/sort") SIZES;
BENCHMARK(BM_M01DAF)->Name("kiv/rank") SIZES;
BENCHMARK(BM_stable_sort)->Name("std/rank") SIZES;

}  // namespace
