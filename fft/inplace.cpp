// The in-place real/Hermitian engine: a digit-reversal permutation and
// decimation-in-time passes on one array, every twiddle computed afresh.
// Radix-2 passes are grouped into radix-4 and radix-8 passes; a grouped pass
// meets its sub-transforms in bit-reversed order.
#include <cmath>

#include "fft/fft.hpp"
#include "fft/hermitian.hpp"

namespace kiv::fft {
namespace {

constexpr int kLargestPrime = 19;
constexpr int kMostFactors = 20;
constexpr int kGroupLimit = 8;

// The digit reversal over the ungrouped list (f_1 .. f_k): position j, with
// digits d_1 (radix f_1, least significant) .. d_k, holds after the passes
// the value whose index has d_k least significant and d_1 most.  GATHER
// moves x[src(j)] to j (before the analysis); otherwise j goes to src(j)
// (after the synthesis).
void permute(int n, const int* digits, double* x, double* work, bool gather) {
  int k = 0;
  while (digits[k] != 0) ++k;
  if (k == 0) return;
  int weight[kInplaceListLen], d[kInplaceListLen] = {};
  weight[k - 1] = 1;
  for (int i = k - 2; i >= 0; --i) weight[i] = weight[i + 1] * digits[i + 1];
  long src = 0;
  for (int j = 0; j < n; ++j) {
    if (gather)
      work[j] = x[src];
    else
      work[src] = x[j];
    for (int i = 0; i < k; ++i) {  // odometer step
      src += weight[i];
      if (++d[i] < digits[i]) break;
      src -= static_cast<long>(digits[i]) * weight[i];
      d[i] = 0;
    }
  }
  for (int j = 0; j < n; ++j) x[j] = work[j];
}

template <int F>
void pass(bool analysis, int n, int m, double* x) {
  const double step = 2.0 * kPi / (F * m);
  // Powers of one root per index j: the cosine and sine are taken once.
  auto twiddles = [step](int j, C* w) {
    const C w1 = {std::cos(step * j), -std::sin(step * j)};
    w[1] = w1;
    for (int o = 2; o < F; ++o) w[o] = mul(w[o - 1], w1);
  };
  const Roots roots(F % 2 ? F : 1);
  const PassShape g{false, m, 1, n / (F * m), F * m, F * m, m};
  if (analysis)
    hermitian_combine<F, true, true>(g, x, x, twiddles, roots);
  else
    hermitian_split<F, true, true>(g, x, x, twiddles, roots);
}

void run_pass(bool analysis, int f, int n, int m, double* x) {
  switch (f) {
    case 2:
      return pass<2>(analysis, n, m, x);
    case 3:
      return pass<3>(analysis, n, m, x);
    case 4:
      return pass<4>(analysis, n, m, x);
    case 5:
      return pass<5>(analysis, n, m, x);
    case 7:
      return pass<7>(analysis, n, m, x);
    case 8:
      return pass<8>(analysis, n, m, x);
    case 11:
      return pass<11>(analysis, n, m, x);
    case 13:
      return pass<13>(analysis, n, m, x);
    case 17:
      return pass<17>(analysis, n, m, x);
    case 19:
      return pass<19>(analysis, n, m, x);
    default:
      return;  // 1: a radix-2 pass grouped into a later one
  }
}

void scale(int n, double* x) {
  const double s = 1.0 / std::sqrt(static_cast<double>(n));
  for (int j = 0; j < n; ++j) x[j] *= s;
}

}  // namespace

int inplace_factorise(int n, int* grouped, int* ungrouped) {
  int pairs[kMostFactors], singles[kMostFactors];
  int npairs = 0, nsingles = 0, count = 0;
  for (int rest = n, d = 2; rest > 1;) {
    while (d <= kLargestPrime && rest % d != 0) ++d;
    if (d > kLargestPrime) return 1;
    if (count >= kMostFactors) return 2;
    rest /= d;
    if (rest % d == 0) {
      rest /= d;
      pairs[npairs++] = d;
      count += 2;
    } else {
      singles[nsingles++] = d;
      ++count;
    }
    if (count > kMostFactors) return 2;
  }
  // Square pairs descending, singles ascending, square pairs ascending.
  int len = 0;
  for (int i = npairs - 1; i >= 0; --i) ungrouped[len++] = pairs[i];
  for (int i = 0; i < nsingles; ++i) ungrouped[len++] = singles[i];
  for (int i = 0; i < npairs; ++i) ungrouped[len++] = pairs[i];
  ungrouped[len] = 0;

  for (int i = 0, run = 1; i < len; ++i) {
    if (ungrouped[i] != 2) {
      grouped[i] = ungrouped[i];
      continue;
    }
    run *= 2;
    grouped[i] = 1;
    if (run == kGroupLimit || i + 1 == len || ungrouped[i + 1] != 2) {
      grouped[i] = run;
      run = 1;
    }
  }
  grouped[len] = 0;
  if (len == 1) ungrouped[0] = 0;  // a single factor needs no permutation
  return 0;
}

void inplace_analysis(int n, const int* grouped, const int* ungrouped, double* x, double* work) {
  permute(n, ungrouped, x, work, true);
  for (int i = 0, m = 1; grouped[i] != 0; ++i) {
    if (grouped[i] == 1) continue;
    run_pass(true, grouped[i], n, m, x);
    m *= grouped[i];
  }
  scale(n, x);
}

void inplace_synthesis(int n, const int* grouped, const int* ungrouped, double* x, double* work) {
  int k = 0;
  while (grouped[k] != 0) ++k;
  for (int i = k - 1, m = n; i >= 0; --i) {
    if (grouped[i] == 1) continue;
    m /= grouped[i];
    run_pass(false, grouped[i], n, m, x);
  }
  permute(n, ungrouped, x, work, false);
  scale(n, x);
}

}  // namespace kiv::fft
