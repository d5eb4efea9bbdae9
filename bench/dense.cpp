// The dense layer's overhead: its entries against the same BLAS and LAPACK
// routines called directly, in one run.
//
//   dgemm/n          F06YAF (the exported library entry) against dgemm_
//   dgetrf/n         F07ADF with the initial tuning (unblocked) against
//                    dgetf2_, the routine the layer runs then
//   dgetrf-nb64/n    F07ADF with block size 64 set through the store against
//                    LAPACK's own blocked dgetrf_
//
// Every iteration of a factorisation first restores the matrix, in both
// measurements alike.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "dense/fortran.hpp"
#include "kiv2.h"

namespace {

namespace f = kiv::fortran;

std::vector<double> random_matrix(int n, unsigned seed) {
  std::mt19937 gen(seed);
  std::uniform_real_distribution<double> u(-1.0, 1.0);
  std::vector<double> a(static_cast<std::size_t>(n) * n);
  for (double& e : a) e = u(gen);
  return a;
}

void set_block_size(int nb) { TUNING_STORE(1, "F07ADF", &nb, 1, 6); }

template <bool Kiv>
void dgemm(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const auto a = random_matrix(n, 1), b = random_matrix(n, 2);
  auto c = random_matrix(n, 3);
  const double alpha = 1.0, beta = 0.5;
  for (auto _ : state) {
    if constexpr (Kiv)
      F06YAF("N", "T", n, n, n, alpha, a.data(), n, b.data(), n, beta, c.data(), n, 1, 1);
    else
      f::dgemm_("N", "T", &n, &n, &n, &alpha, a.data(), &n, b.data(), &n, &beta, c.data(), &n, 1,
                1);
    benchmark::DoNotOptimize(c.data());
  }
  state.counters["GFlops"] = benchmark::Counter(2.0 * n * n * n * 1e-9 *
                                                    static_cast<double>(state.iterations()),
                                                benchmark::Counter::kIsRate);
}

// Kiv: the layer with block size NB (1 = unblocked); otherwise LAPACK's
// unblocked (NB = 1) or blocked routine directly.
template <bool Kiv, int Nb>
void dgetrf(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const auto a0 = random_matrix(n, 4);
  auto a = a0;
  std::vector<int> ipiv(n);
  int info = 0;
  if (Kiv) set_block_size(Nb);
  for (auto _ : state) {
    std::copy(a0.begin(), a0.end(), a.begin());
    if constexpr (Kiv) F07ADF(n, n, a.data(), n, ipiv.data(), &info);
    else if constexpr (Nb == 1) f::dgetf2_(&n, &n, a.data(), &n, ipiv.data(), &info);
    else f::dgetrf_(&n, &n, a.data(), &n, ipiv.data(), &info);
    benchmark::DoNotOptimize(a.data());
  }
  if (Kiv) set_block_size(1);
  state.counters["GFlops"] = benchmark::Counter(2.0 / 3.0 * n * n * n * 1e-9 *
                                                    static_cast<double>(state.iterations()),
                                                benchmark::Counter::kIsRate);
}

void gemm_sizes(benchmark::internal::Benchmark* b) {
  for (int n : {2, 4, 8, 16, 50, 100, 200, 500}) b->Arg(n);
}
void getrf_sizes(benchmark::internal::Benchmark* b) {
  for (int n : {10, 50, 100, 200, 500, 1000}) b->Arg(n);
}

BENCHMARK(dgemm<true>)->Name("kiv/dgemm")->Apply(gemm_sizes);
BENCHMARK(dgemm<false>)->Name("blas/dgemm")->Apply(gemm_sizes);
BENCHMARK(dgetrf<true, 1>)->Name("kiv/dgetrf")->Apply(getrf_sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(dgetrf<false, 1>)->Name("lapack/dgetrf")->Apply(getrf_sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(dgetrf<true, 64>)->Name("kiv/dgetrf-nb64")->Apply(getrf_sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(dgetrf<false, 64>)->Name("lapack/dgetrf-nb64")->Apply(getrf_sizes)->Unit(benchmark::kMicrosecond);

}  // namespace
