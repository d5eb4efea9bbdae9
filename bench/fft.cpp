// The transforms against FFTW 3 in one run, one thread:
//   pcf_call/N        C06PCF as a host calls it (table built every call)
//                     vs FFTW plan (FFTW_ESTIMATE) + execute + destroy;
//   pcf_exec/N        the complex engine alone, table ready,
//                     vs executing an FFTW_MEASURE plan;
//   ppf_call/M/N, ppf_exec/M/N   the same for C06PPF's M real sequences
//                     (M = 1 and 64) against FFTW's r2c (many) plans;
//   <r>_call/M/N, <r>_exec/M/N   the sine and cosine transforms (r = raf,
//                     rbf, rcf, rdf; rcfb, rdfb backward) against FFTW's
//                     r2r kinds RODFT00, REDFT00, RODFT01, REDFT01, RODFT10,
//                     REDFT10, scaled to match;
//   pjf_call/SHAPE, pjf_exec/SHAPE   C06PJF (its tables built every call)
//                     against FFTW's 2-D and 3-D plans.
// Every timed call starts from the same input on both sides: the input is
// restored inside the timed loop (a copy both sides pay), so neither side
// transforms its own output and drifts to subnormal numbers.  "mflops" is
// 5 N log2 N (complex) or 2.5 N log2 N per sequence (real) over the time.
// Run with --benchmark_repetitions=5: the ratios are then of the medians.
#include "fft/fft.hpp"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstring>
#include <functional>
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

double flops(long n, int m, bool real) {
  return (real ? 2.5 * m : 5.0) * n * std::log2(static_cast<double>(n));
}

void set_counters(benchmark::State& state, long n, int m, bool real) {
  state.counters["mflops"] =
      benchmark::Counter(flops(n, m, real) * 1e-6 * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
}

std::vector<double> data(std::size_t count) {
  std::vector<double> v(count);
  for (std::size_t i = 0; i < count; ++i) v[i] = std::sin(0.37 * i) + 0.1 * (i % 7);
  return v;
}

void restore(double* to, const std::vector<double>& from) {
  std::memcpy(to, from.data(), from.size() * sizeof(double));
}

// ---------------------------------------------------------------------------
// kiv

void kiv_pcf_call(benchmark::State& state, int n) {
  const std::vector<double> in = data(2 * n);
  std::vector<cd> x(n), work(2 * n);
  char record[KIV2_RECORD_LEN + 1];
  for (auto _ : state) {
    restore(reinterpret_cast<double*>(x.data()), in);
    int ifail = 1;
    C06PCF("F", x.data(), n, work.data(), record, &ifail, 1, KIV2_RECORD_LEN);
    benchmark::DoNotOptimize(x.data());
  }
  set_counters(state, n, 1, false);
}

void kiv_pcf_exec(benchmark::State& state, int n) {
  const std::vector<double> in = data(2 * n);
  std::vector<double> x(2 * n), table(2 * n), y(2 * n);
  int factors[kf::kComplexListLen];
  kf::complex_factorise(n, factors);
  kf::complex_table(n, factors, table.data());
  for (auto _ : state) {
    restore(x.data(), in);
    kf::complex_transform(true, n, factors, table.data(), x.data(), y.data());
    benchmark::DoNotOptimize(x.data());
  }
  set_counters(state, n, 1, false);
}

std::size_t real_work(int m, int n) { return 2 * n + static_cast<std::size_t>(n + 3) * m; }

void kiv_ppf_call(benchmark::State& state, int m, int n) {
  const std::vector<double> in = data(static_cast<std::size_t>(m) * (n + 2));
  std::vector<double> x(in.size()), work(real_work(m, n));
  char record[KIV2_RECORD_LEN + 1];
  for (auto _ : state) {
    restore(x.data(), in);
    int ifail = 1;
    C06PPF("F", m, n, x.data(), work.data(), record, &ifail, 1, KIV2_RECORD_LEN);
    benchmark::DoNotOptimize(x.data());
  }
  set_counters(state, n, m, true);
}

void kiv_ppf_exec(benchmark::State& state, int m, int n) {
  const std::vector<double> in = data(static_cast<std::size_t>(m) * (n + 2));
  std::vector<double> x(in.size()), work(real_work(m, n));
  kf::RealPlan plan;
  kf::real_prepare(m, n, &plan, work.data());
  for (auto _ : state) {
    restore(x.data(), in);
    kf::c06pp_transform(true, m, n, plan, x.data(), work.data());
    benchmark::DoNotOptimize(x.data());
  }
  set_counters(state, n, m, true);
}

// The sine and cosine transforms.
struct TrigCase {
  const char* name;
  kf::Trig kind;
  bool forward;
#ifdef KIV2_HAVE_FFTW
  fftw_r2r_kind fftw_kind;
#endif
};

#ifdef KIV2_HAVE_FFTW
#define KIV_FFTW_KIND(k) , k
#else
#define KIV_FFTW_KIND(k)
#endif
const TrigCase kTrigCases[] = {
    {"raf", kf::Trig::sine, true KIV_FFTW_KIND(FFTW_RODFT00)},
    {"rbf", kf::Trig::cosine, true KIV_FFTW_KIND(FFTW_REDFT00)},
    {"rcf", kf::Trig::quarter_sine, true KIV_FFTW_KIND(FFTW_RODFT01)},
    {"rdf", kf::Trig::quarter_cosine, true KIV_FFTW_KIND(FFTW_REDFT01)},
    {"rcfb", kf::Trig::quarter_sine, false KIV_FFTW_KIND(FFTW_RODFT10)},
    {"rdfb", kf::Trig::quarter_cosine, false KIV_FFTW_KIND(FFTW_REDFT10)},
};

// The values each transform takes: N-1, N+1 or N.
int trig_values(kf::Trig kind, int n) {
  return kind == kf::Trig::sine ? n - 1 : kind == kf::Trig::cosine ? n + 1 : n;
}

void kiv_trig(benchmark::State& state, const TrigCase& c, int m, int n, bool call) {
  const std::vector<double> in = data(static_cast<std::size_t>(m) * (n + 3));
  std::vector<double> x(in.size()), work(real_work(m, n));
  kf::RealPlan plan;
  kf::real_prepare(m, n, &plan, work.data());
  for (auto _ : state) {
    restore(x.data(), in);
    if (call)
      kf::sine_cosine_compute(c.kind, c.forward, m, n, x.data(), work.data());
    else
      kf::sine_cosine_transform(c.kind, c.forward, m, n, plan, x.data(), work.data());
    benchmark::DoNotOptimize(x.data());
  }
  set_counters(state, n, m, true);
}

// C06PJF on an array of the shape ND (first index fastest).
void kiv_pjf(benchmark::State& state, const std::vector<int>& nd) {
  int n = 1, longest = 0;
  for (int v : nd) n *= v, longest = std::max(longest, v);
  const std::vector<double> in = data(2 * static_cast<std::size_t>(n));
  std::vector<cd> x(n), work(n + 3 * (longest + 5));
  char record[KIV2_RECORD_LEN + 1];
  for (auto _ : state) {
    restore(reinterpret_cast<double*>(x.data()), in);
    int ifail = 1;
    C06PJF(0, "F", static_cast<int>(nd.size()), nd.data(), n, x.data(), work.data(),
           static_cast<int>(work.size()), record, &ifail, 1, KIV2_RECORD_LEN);
    benchmark::DoNotOptimize(x.data());
  }
  set_counters(state, n, 1, false);
}

// ---------------------------------------------------------------------------
// FFTW

#ifdef KIV2_HAVE_FFTW
// Runs PLAN(flags) as a call (ESTIMATE, planned every time) or as an
// execution (MEASURE, planned once), restoring the input IN into X first.
template <class Plan>
void fftw_run(benchmark::State& state, bool call, double* x, const std::vector<double>& in,
              Plan&& plan, void (*after)(void*) = nullptr, void* arg = nullptr) {
  fftw_plan p = call ? nullptr : plan(FFTW_MEASURE);
  for (auto _ : state) {
    restore(x, in);
    if (call) {
      fftw_plan q = plan(FFTW_ESTIMATE);
      fftw_execute(q);
      fftw_destroy_plan(q);
    } else {
      fftw_execute(p);
    }
    if (after) after(arg);
    benchmark::DoNotOptimize(x);
  }
  if (p) fftw_destroy_plan(p);
}

void fftw_pcf(benchmark::State& state, int n, bool call) {
  fftw_complex* x = fftw_alloc_complex(n);
  const std::vector<double> in = data(2 * n);
  fftw_run(state, call, &x[0][0], in,
           [&](unsigned f) { return fftw_plan_dft_1d(n, x, x, FFTW_FORWARD, f); });
  fftw_free(x);
  set_counters(state, n, 1, false);
}

void fftw_ppf(benchmark::State& state, int m, int n, bool call) {
  const std::vector<double> in = data(static_cast<std::size_t>(m) * (n + 2));
  double* x = fftw_alloc_real(in.size());
  fftw_complex* z = fftw_alloc_complex(static_cast<std::size_t>(m) * (n / 2 + 1));
  fftw_run(state, call, x, in, [&](unsigned f) {
    return fftw_plan_many_dft_r2c(1, &n, m, x, nullptr, m, 1, z, nullptr, m, 1, f);
  });
  fftw_free(x);
  fftw_free(z);
  set_counters(state, n, m, true);
}

struct Scaled {
  double* x;
  std::size_t count;
  double s;
};
void scale(void* arg) {
  auto* a = static_cast<Scaled*>(arg);
  for (std::size_t i = 0; i < a->count; ++i) a->x[i] *= a->s;
}

void fftw_trig(benchmark::State& state, const TrigCase& c, int m, int n, bool call) {
  const int values = trig_values(c.kind, n);
  const std::vector<double> in = data(static_cast<std::size_t>(m) * values);
  double* x = fftw_alloc_real(in.size());
  fftw_r2r_kind kind = c.fftw_kind;
  // FFTW's unnormalised sums against the library's scaled ones.
  const double s = c.kind == kf::Trig::sine || c.kind == kf::Trig::cosine
                       ? std::sqrt(2.0 / n) / 2.0
                       : (c.forward ? 0.5 : 1.0) / std::sqrt(static_cast<double>(n));
  Scaled arg{x, in.size(), s};
  fftw_run(
      state, call, x, in,
      [&](unsigned f) {
        return fftw_plan_many_r2r(1, &values, m, x, nullptr, m, 1, x, nullptr, m, 1, &kind, f);
      },
      scale, &arg);
  fftw_free(x);
  set_counters(state, n, m, true);
}

void fftw_pjf(benchmark::State& state, const std::vector<int>& nd, bool call) {
  int n = 1;
  for (int v : nd) n *= v;
  std::vector<int> dims(nd.rbegin(), nd.rend());  // FFTW's last index is fastest
  fftw_complex* x = fftw_alloc_complex(n);
  const std::vector<double> in = data(2 * static_cast<std::size_t>(n));
  fftw_run(state, call, &x[0][0], in, [&](unsigned f) {
    return fftw_plan_dft(static_cast<int>(dims.size()), dims.data(), x, x, FFTW_FORWARD, f);
  });
  fftw_free(x);
  set_counters(state, n, 1, false);
}
#endif

// ---------------------------------------------------------------------------

std::vector<int> lengths() {
  std::vector<int> n;
  for (int k : {4, 5, 6, 7, 8, 10, 11, 12, 14, 16, 18, 20}) n.push_back(1 << k);
  for (int v : {60, 240, 1000, 3600, 15000, 49152, 240000, 1000000}) n.push_back(v);  // 5-smooth
  return n;
}

const int kPrimes[] = {1009, 65537, 100003, 1000003};

void add(const std::string& name, std::function<void(benchmark::State&)> fn) {
  benchmark::RegisterBenchmark(name.c_str(), fn)->MinTime(kMinTime)->Unit(benchmark::kMicrosecond);
}

void register_all() {
#ifdef KIV2_HAVE_FFTW
  fftw_set_timelimit(0.2);  // planning time of each FFTW_MEASURE plan
#endif
  std::vector<int> complex_n = lengths();
  complex_n.insert(complex_n.end(), std::begin(kPrimes), std::end(kPrimes));
  for (int n : complex_n) {
    const std::string s = std::to_string(n);
    for (bool call : {true, false}) {
      const std::string c = call ? "pcf_call/" : "pcf_exec/";
      add("kiv/" + c + s, [n, call](benchmark::State& st) {
        call ? kiv_pcf_call(st, n) : kiv_pcf_exec(st, n);
      });
#ifdef KIV2_HAVE_FFTW
      add("fftw/" + c + s, [n, call](benchmark::State& st) { fftw_pcf(st, n, call); });
#endif
    }
  }
  for (int m : {1, 64}) {
    std::vector<int> real_n = lengths();
    if (m == 1) real_n.insert(real_n.end(), std::begin(kPrimes), std::end(kPrimes));
    for (int n : real_n) {
      if (static_cast<long>(m) * n > (1 << 20)) continue;  // a few MB of data
      const std::string s = std::to_string(m) + "/" + std::to_string(n);
      for (bool call : {true, false}) {
        const std::string c = call ? "ppf_call/" : "ppf_exec/";
        add("kiv/" + c + s, [m, n, call](benchmark::State& st) {
          call ? kiv_ppf_call(st, m, n) : kiv_ppf_exec(st, m, n);
        });
#ifdef KIV2_HAVE_FFTW
        add("fftw/" + c + s, [m, n, call](benchmark::State& st) { fftw_ppf(st, m, n, call); });
#endif
      }
    }
  }
  for (const TrigCase& tc : kTrigCases)
    for (int m : {1, 64})
      for (int n : {64, 1000, 1024, 16384, 48000, 262144}) {
        if (static_cast<long>(m) * n > (1 << 20)) continue;
        const std::string s = std::to_string(m) + "/" + std::to_string(n);
        for (bool call : {true, false}) {
          const std::string c = std::string(tc.name) + (call ? "_call/" : "_exec/");
          add("kiv/" + c + s,
              [&tc, m, n, call](benchmark::State& st) { kiv_trig(st, tc, m, n, call); });
#ifdef KIV2_HAVE_FFTW
          add("fftw/" + c + s,
              [&tc, m, n, call](benchmark::State& st) { fftw_trig(st, tc, m, n, call); });
#endif
        }
      }
  const std::vector<std::vector<int>> shapes = {{64, 64, 64}, {256, 256, 16}, {1000, 1000}};
  for (const auto& nd : shapes) {
    std::string s;
    for (int v : nd) s += (s.empty() ? "" : "x") + std::to_string(v);
    for (bool call : {true, false}) {
      const std::string c = call ? "pjf_call/" : "pjf_exec/";
      // The library has no separate execution: both rows time its call.
      add("kiv/" + c + s, [nd](benchmark::State& st) { kiv_pjf(st, nd); });
#ifdef KIV2_HAVE_FFTW
      add("fftw/" + c + s, [nd, call](benchmark::State& st) { fftw_pjf(st, nd, call); });
#endif
    }
  }
}

const int kRegistered = (register_all(), 0);

}  // namespace
