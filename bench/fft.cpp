// The one-dimensional transforms against FFTW 3 in one run, one thread:
//   pcf_call/N      C06PCF as a host calls it (table built every call)
//                   vs FFTW plan (FFTW_ESTIMATE) + execute + destroy;
//   pcf_exec/N      the complex engine alone, table ready,
//                   vs executing an FFTW_MEASURE plan;
//   ppf_call/M/N, ppf_exec/M/N   the same for C06PPF's M real sequences
//                   (M = 1 and 64) against FFTW's r2c (many) plans.
// "mflops" is 5 N log2 N (complex) or 2.5 N log2 N per sequence (real)
// over the time.
#include "fft/fft.hpp"

#include <benchmark/benchmark.h>

#include <cmath>
#include <complex>
#include <string>
#include <vector>

#include "kiv2.h"

#ifdef KIV2_HAVE_FFTW
#include <fftw3.h>
#endif

namespace {

namespace kf = kiv::fft;
using cd = std::complex<double>;

constexpr double kMinTime = 0.05;

double flops(int n, int m, bool real) {
  return (real ? 2.5 * m : 5.0) * n * std::log2(static_cast<double>(n));
}

void set_counters(benchmark::State& state, int n, int m, bool real) {
  state.counters["mflops"] =
      benchmark::Counter(flops(n, m, real) * 1e-6 * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
}

std::vector<double> data(std::size_t count) {
  std::vector<double> v(count);
  for (std::size_t i = 0; i < count; ++i) v[i] = std::sin(0.37 * i) + 0.1 * (i % 7);
  return v;
}

void kiv_pcf_call(benchmark::State& state, int n) {
  std::vector<cd> x(n), work(2 * n);
  const std::vector<double> d = data(2 * n);
  for (int j = 0; j < n; ++j) x[j] = {d[2 * j], d[2 * j + 1]};
  char record[KIV2_RECORD_LEN + 1];
  for (auto _ : state) {
    int ifail = 1;
    C06PCF("F", x.data(), n, work.data(), record, &ifail, 1, KIV2_RECORD_LEN);
    benchmark::DoNotOptimize(x.data());
  }
  set_counters(state, n, 1, false);
}

void kiv_pcf_exec(benchmark::State& state, int n) {
  std::vector<double> x = data(2 * n), table(2 * n), y(2 * n);
  int factors[kf::kComplexListLen];
  kf::complex_factorise(n, factors);
  kf::complex_table(n, factors, table.data());
  for (auto _ : state) {
    kf::complex_transform(true, n, factors, table.data(), x.data(), y.data());
    benchmark::DoNotOptimize(x.data());
  }
  set_counters(state, n, 1, false);
}

void kiv_ppf_call(benchmark::State& state, int m, int n) {
  std::vector<double> x = data(static_cast<std::size_t>(m) * (n + 2));
  std::vector<double> work(2 * n + (n + 2) * m);
  char record[KIV2_RECORD_LEN + 1];
  for (auto _ : state) {
    int ifail = 1;
    C06PPF("F", m, n, x.data(), work.data(), record, &ifail, 1, KIV2_RECORD_LEN);
    benchmark::DoNotOptimize(x.data());
  }
  set_counters(state, n, m, true);
}

void kiv_ppf_exec(benchmark::State& state, int m, int n) {
  std::vector<double> x = data(static_cast<std::size_t>(m) * (n + 2));
  std::vector<double> work(2 * n + (n + 2) * m);
  int factors[kf::kRealListLen];
  kf::real_factorise(n, factors);
  kf::real_table(n, factors, work.data());
  for (auto _ : state) {
    // The real data is re-read every time: the forward transform alone.
    kf::c06pp_transform(true, m, n, factors, x.data(), work.data());
    benchmark::DoNotOptimize(x.data());
  }
  set_counters(state, n, m, true);
}

#ifdef KIV2_HAVE_FFTW
void fftw_pcf_call(benchmark::State& state, int n) {
  fftw_complex* x = fftw_alloc_complex(n);
  const std::vector<double> d = data(2 * n);
  for (int j = 0; j < n; ++j) x[j][0] = d[2 * j], x[j][1] = d[2 * j + 1];
  for (auto _ : state) {
    fftw_plan p = fftw_plan_dft_1d(n, x, x, FFTW_FORWARD, FFTW_ESTIMATE);
    fftw_execute(p);
    fftw_destroy_plan(p);
    benchmark::DoNotOptimize(x);
  }
  fftw_free(x);
  set_counters(state, n, 1, false);
}

void fftw_pcf_exec(benchmark::State& state, int n) {
  fftw_complex* x = fftw_alloc_complex(n);
  fftw_plan p = fftw_plan_dft_1d(n, x, x, FFTW_FORWARD, FFTW_MEASURE);
  const std::vector<double> d = data(2 * n);
  for (int j = 0; j < n; ++j) x[j][0] = d[2 * j], x[j][1] = d[2 * j + 1];
  for (auto _ : state) {
    fftw_execute(p);
    benchmark::DoNotOptimize(x);
  }
  fftw_destroy_plan(p);
  fftw_free(x);
  set_counters(state, n, 1, false);
}

// M real sequences with the sequence index fastest, as C06PPF stores them.
fftw_plan r2c_plan(int m, int n, double* x, fftw_complex* z, unsigned flags) {
  return fftw_plan_many_dft_r2c(1, &n, m, x, nullptr, m, 1, z, nullptr, m, 1, flags);
}

void fftw_ppf_call(benchmark::State& state, int m, int n) {
  double* x = fftw_alloc_real(static_cast<std::size_t>(m) * (n + 2));
  fftw_complex* z = fftw_alloc_complex(static_cast<std::size_t>(m) * (n / 2 + 1));
  const std::vector<double> d = data(static_cast<std::size_t>(m) * (n + 2));
  std::copy(d.begin(), d.end(), x);
  for (auto _ : state) {
    fftw_plan p = r2c_plan(m, n, x, z, FFTW_ESTIMATE);
    fftw_execute(p);
    fftw_destroy_plan(p);
    benchmark::DoNotOptimize(z);
  }
  fftw_free(x);
  fftw_free(z);
  set_counters(state, n, m, true);
}

void fftw_ppf_exec(benchmark::State& state, int m, int n) {
  double* x = fftw_alloc_real(static_cast<std::size_t>(m) * (n + 2));
  fftw_complex* z = fftw_alloc_complex(static_cast<std::size_t>(m) * (n / 2 + 1));
  fftw_plan p = r2c_plan(m, n, x, z, FFTW_MEASURE);
  const std::vector<double> d = data(static_cast<std::size_t>(m) * (n + 2));
  std::copy(d.begin(), d.end(), x);
  for (auto _ : state) {
    fftw_execute(p);
    benchmark::DoNotOptimize(z);
  }
  fftw_destroy_plan(p);
  fftw_free(x);
  fftw_free(z);
  set_counters(state, n, m, true);
}
#endif

std::vector<int> complex_lengths() {
  std::vector<int> n;
  for (int k = 4; k <= 20; ++k) n.push_back(1 << k);
  for (int k = 4; k <= 16; k += 2) n.push_back(3 << k);
  for (int p = 25; p <= 390625; p *= 5) n.push_back(p);
  for (int v : {2 * 3 * 5 * 7, 8 * 9 * 25 * 7, 16 * 49 * 5 * 9, 64 * 27 * 5 * 7, 1009})
    n.push_back(v);
  return n;
}

void register_all() {
  benchmark::SetDefaultTimeUnit(benchmark::kMicrosecond);
  auto add = [](const std::string& name, auto fn) {
    benchmark::RegisterBenchmark(name.c_str(), fn)
        ->MinTime(kMinTime)
        ->Unit(benchmark::kMicrosecond);
  };
#ifdef KIV2_HAVE_FFTW
  fftw_set_timelimit(0.2);  // planning time of each FFTW_MEASURE plan
#endif
  for (int n : complex_lengths()) {
    const std::string s = std::to_string(n);
    add("kiv/pcf_call/" + s, [n](benchmark::State& st) { kiv_pcf_call(st, n); });
#ifdef KIV2_HAVE_FFTW
    add("fftw/pcf_call/" + s, [n](benchmark::State& st) { fftw_pcf_call(st, n); });
#endif
    add("kiv/pcf_exec/" + s, [n](benchmark::State& st) { kiv_pcf_exec(st, n); });
#ifdef KIV2_HAVE_FFTW
    add("fftw/pcf_exec/" + s, [n](benchmark::State& st) { fftw_pcf_exec(st, n); });
#endif
  }
  for (int m : {1, 64})
    for (int n : complex_lengths()) {
      if (m > 1 && n > (1 << 14)) continue;  // keep the arrays within a few MB
      const std::string s = std::to_string(m) + "/" + std::to_string(n);
      add("kiv/ppf_call/" + s, [m, n](benchmark::State& st) { kiv_ppf_call(st, m, n); });
#ifdef KIV2_HAVE_FFTW
      add("fftw/ppf_call/" + s, [m, n](benchmark::State& st) { fftw_ppf_call(st, m, n); });
#endif
      add("kiv/ppf_exec/" + s, [m, n](benchmark::State& st) { kiv_ppf_exec(st, m, n); });
#ifdef KIV2_HAVE_FFTW
      add("fftw/ppf_exec/" + s, [m, n](benchmark::State& st) { fftw_ppf_exec(st, m, n); });
#endif
    }
}

const int kRegistered = (register_all(), 0);

}  // namespace
