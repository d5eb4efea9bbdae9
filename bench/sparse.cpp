// Coordinate storage and products, each beside a peer in the same run:
//  - F11ZAF (two counting-sort passes) against std::sort of (row, col,
//    value) triples, NNZ = 10^4 .. 10^7;
//  - F11XAF and F11XNF (CHECK = 'N'), and F11XAF through its host wrapper
//    (which also poisons Y), against a plain CSR product of the same 2D
//    Poisson matrix, real and complex, compiled as a user would (this file
//    is built with -O3 -march=native), and F11XAF against a STREAM-style
//    triad that moves as many bytes as it does, N = 10^4 .. 4*10^6 rows.
//    Each reports bytes per second; against the triad the time ratio is
//    the inverse of the fraction of the triad's bandwidth reached.
//
// Run with --benchmark_repetitions=5 or more: the ratios are of medians.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <complex>
#include <map>
#include <random>
#include <vector>

#include "kiv2.h"

namespace {

// ---------------------------------------------------------------- sorting

struct Triples {
  int n;
  std::vector<double> a;
  std::vector<int> irow, icol;
};

const Triples& random_triples(int nnz) {
  static std::map<int, Triples> cache;
  auto [it, fresh] = cache.try_emplace(nnz);
  if (fresh) {
    Triples& t = it->second;
    t.n = std::max(nnz / 10, 1);
    std::mt19937 gen(nnz);
    std::uniform_int_distribution<int> index(1, t.n);
    for (int k = 0; k < nnz; ++k) {
      t.a.push_back(k + 1.0);
      t.irow.push_back(index(gen));
      t.icol.push_back(index(gen));
    }
  }
  return it->second;
}

void BM_F11ZAF(benchmark::State& state) {
  const Triples& in = random_triples(static_cast<int>(state.range(0)));
  Triples t;
  std::vector<int> istr(in.n + 1), iwork(in.n);
  char record[KIV2_RECORD_LEN + 1];
  for (auto _ : state) {
    state.PauseTiming();
    t = in;
    state.ResumeTiming();
    int nnz = static_cast<int>(t.a.size()), ifail = 1;
    F11ZAF(t.n, &nnz, t.a.data(), t.irow.data(), t.icol.data(), "S", "K", istr.data(),
           iwork.data(), record, &ifail, 1, 1, KIV2_RECORD_LEN);
    benchmark::DoNotOptimize(t.a.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_sort_triples(benchmark::State& state) {
  const Triples& in = random_triples(static_cast<int>(state.range(0)));
  struct Entry {
    int r, c;
    double v;
  };
  std::vector<Entry> e;
  for (auto _ : state) {
    state.PauseTiming();
    e.clear();
    for (std::size_t k = 0; k < in.a.size(); ++k) e.push_back({in.irow[k], in.icol[k], in.a[k]});
    state.ResumeTiming();
    std::sort(e.begin(), e.end(),
              [](const Entry& x, const Entry& y) { return x.r < y.r || (x.r == y.r && x.c < y.c); });
    benchmark::DoNotOptimize(e.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_F11ZAF)->Name("kiv/storage")->RangeMultiplier(10)->Range(10000, 10000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_sort_triples)->Name("std/storage")->RangeMultiplier(10)->Range(10000, 10000000)
    ->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------- products

// The 5-point Laplacian on an m x m grid, in CS and in CSR.
struct Poisson {
  int n = 0;
  std::vector<double> a;
  std::vector<int> irow, icol, rowptr;
  std::vector<double> x, y;
  long bytes_cs() const { return 16L * a.size() + 16L * n; }
  long bytes_csr() const { return 12L * a.size() + 4L * (n + 1) + 16L * n; }
};

const Poisson& poisson(int m) {
  static std::map<int, Poisson> cache;
  auto [it, fresh] = cache.try_emplace(m);
  if (fresh) {
    Poisson& p = it->second;
    p.n = m * m;
    p.rowptr.push_back(0);
    for (int i = 0; i < m; ++i)
      for (int j = 0; j < m; ++j) {
        const int row = i * m + j + 1;
        auto add = [&](int col, double v) {
          p.a.push_back(v);
          p.irow.push_back(row);
          p.icol.push_back(col);
        };
        if (i > 0) add(row - m, -1.0);
        if (j > 0) add(row - 1, -1.0);
        add(row, 4.0);
        if (j < m - 1) add(row + 1, -1.0);
        if (i < m - 1) add(row + m, -1.0);
        p.rowptr.push_back(static_cast<int>(p.a.size()));
      }
    p.x.assign(p.n, 1.0);
    for (int k = 0; k < p.n; k += 3) p.x[k] = 0.5;
    p.y.assign(p.n, 0.0);
  }
  return it->second;
}

void BM_F11XAF_host(benchmark::State& state) {
  Poisson& p = const_cast<Poisson&>(poisson(static_cast<int>(state.range(0))));
  const int nnz = static_cast<int>(p.a.size());
  for (auto _ : state) {
    int ifail = 1;
    F11XAF_HOST("N", &p.n, &nnz, p.a.data(), p.irow.data(), p.icol.data(), "N", p.x.data(),
                p.y.data(), &ifail, 1, 1);
    benchmark::DoNotOptimize(p.y.data());
  }
  state.SetBytesProcessed(state.iterations() * p.bytes_cs());
}

// The same matrix with complex values (a + a/2 i) and x.
struct ComplexPoisson {
  std::vector<std::complex<double>> a, x, y;
};
const ComplexPoisson& complex_poisson(int m) {
  static std::map<int, ComplexPoisson> cache;
  auto [it, fresh] = cache.try_emplace(m);
  if (fresh) {
    const Poisson& p = poisson(m);
    for (double v : p.a) it->second.a.emplace_back(v, 0.5 * v);
    for (double v : p.x) it->second.x.emplace_back(v, -v);
    it->second.y.resize(p.n);
  }
  return it->second;
}

void BM_F11XNF(benchmark::State& state) {
  const Poisson& p = poisson(static_cast<int>(state.range(0)));
  ComplexPoisson& c = const_cast<ComplexPoisson&>(complex_poisson(static_cast<int>(state.range(0))));
  char record[KIV2_RECORD_LEN + 1];
  for (auto _ : state) {
    int ifail = 1;
    F11XNF("N", p.n, static_cast<int>(c.a.size()), c.a.data(), p.irow.data(), p.icol.data(), "N",
           c.x.data(), c.y.data(), record, &ifail, 1, 1, KIV2_RECORD_LEN);
    benchmark::DoNotOptimize(c.y.data());
  }
  state.SetBytesProcessed(state.iterations() * (24L * c.a.size() + 32L * p.n));
}

void BM_csr_complex(benchmark::State& state) {
  const Poisson& p = poisson(static_cast<int>(state.range(0)));
  ComplexPoisson& c = const_cast<ComplexPoisson&>(complex_poisson(static_cast<int>(state.range(0))));
  std::vector<int> col(p.icol);
  for (int& k : col) --k;
  for (auto _ : state) {
    const std::complex<double>* a = c.a.data();
    const std::complex<double>* x = c.x.data();
    for (int i = 0; i < p.n; ++i) {
      std::complex<double> s = 0.0;
      for (int k = p.rowptr[i]; k < p.rowptr[i + 1]; ++k) s += a[k] * x[col[k]];
      c.y[i] = s;
    }
    benchmark::DoNotOptimize(c.y.data());
  }
  state.SetBytesProcessed(state.iterations() * (20L * c.a.size() + 4L * (p.n + 1) + 32L * p.n));
}

void BM_F11XAF(benchmark::State& state) {
  Poisson& p = const_cast<Poisson&>(poisson(static_cast<int>(state.range(0))));
  char record[KIV2_RECORD_LEN + 1];
  for (auto _ : state) {
    int ifail = 1;
    F11XAF("N", p.n, static_cast<int>(p.a.size()), p.a.data(), p.irow.data(), p.icol.data(),
           "N", p.x.data(), p.y.data(), record, &ifail, 1, 1, KIV2_RECORD_LEN);
    benchmark::DoNotOptimize(p.y.data());
  }
  state.SetBytesProcessed(state.iterations() * p.bytes_cs());
}

void BM_csr(benchmark::State& state) {
  Poisson& p = const_cast<Poisson&>(poisson(static_cast<int>(state.range(0))));
  // Column indices 0-based, as a CSR library keeps them.
  std::vector<int> col(p.icol);
  for (int& c : col) --c;
  for (auto _ : state) {
    const double* a = p.a.data();
    const double* x = p.x.data();
    for (int i = 0; i < p.n; ++i) {
      double s = 0.0;
      for (int k = p.rowptr[i]; k < p.rowptr[i + 1]; ++k) s += a[k] * x[col[k]];
      p.y[i] = s;
    }
    benchmark::DoNotOptimize(p.y.data());
  }
  state.SetBytesProcessed(state.iterations() * p.bytes_csr());
}

void BM_triad(benchmark::State& state) {
  const Poisson& p = poisson(static_cast<int>(state.range(0)));
  const long length = p.bytes_cs() / 24;  // as many bytes as F11XAF moves
  std::vector<double> a(length), b(length, 1.0), c(length, 2.0);
  for (auto _ : state) {
    for (long i = 0; i < length; ++i) a[i] = b[i] + 3.0 * c[i];
    benchmark::DoNotOptimize(a.data());
  }
  state.SetBytesProcessed(state.iterations() * 24 * length);
}

#define GRIDS ->Arg(100)->Arg(316)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_F11XAF)->Name("kiv/spmv") GRIDS;
BENCHMARK(BM_csr)->Name("csr/spmv") GRIDS;
BENCHMARK(BM_triad)->Name("triad/spmv") GRIDS;
BENCHMARK(BM_F11XAF_host)->Name("kiv/spmv_host") GRIDS;
BENCHMARK(BM_csr)->Name("csr/spmv_host") GRIDS;
BENCHMARK(BM_F11XNF)->Name("kiv/spmv_complex") GRIDS;
BENCHMARK(BM_csr_complex)->Name("csr/spmv_complex") GRIDS;

}  // namespace
