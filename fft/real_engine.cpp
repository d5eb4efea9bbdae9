// The self-sorting real engine: the Hermitian kernels run from one array
// into the other, M sequences at once, twiddles from the split table
// (cosines in the first half, negated sines in the second).
//
// Forward, factor F at list position P, m the product of the factors after
// it (already processed) and L the product of those before: the L*F packed
// transforms of length m, sequence l + L*p at elements m*(l + L*p), become
// L packed transforms of length F*m, sequence l at elements F*m*l.  The
// synthesis runs the same shapes the other way, first factor first.
#include <utility>

#include "fft/prime_dft.hpp"
#include "fft/fft.hpp"
#include "fft/hermitian.hpp"

namespace kiv::fft {
namespace {

// The rows of one factor's block of the table.
struct Rows {
  const double* re;  // cosines
  const double* im;  // negated sines
  int m;             // entries per row
  // Row q (1 .. F-1), entry j: exp(-2 pi i q j/(F m)); entry 0 of the rows
  // of a factor of 7 or more holds the root exp(-2 pi i q/F) instead.
  C at(int q, int j) const {
    const long k = static_cast<long>(q - 1) * m + j;
    return {re[k], im[k]};
  }
  C root(int r) const { return r == 0 ? C{1.0, 0.0} : at(r, 0); }
};

// Outputs q and F-q of the DFT of the F values IN(p) (forward sign), the
// terms p and F-p paired; the roots come from the table.
template <class In>
std::pair<C, C> paired_outputs(int f, int q, In&& in, const Rows& rows) {
  C a = in(0), b = {0.0, 0.0};
  for (int p = 1, r = q; 2 * p < f; ++p, r = r + q >= f ? r + q - f : r + q) {
    const C u = in(p), v = in(f - p), w = rows.root(r);  // w = (cos, -sin)
    a = a + w.r * (u + v);
    b = b - w.i * (u - v);
  }
  const C d = rot<true>(b);
  return {a + d, a - d};
}

// Outputs q and F-q of the DFT of the F values IN(p), directly, or from
// the values the chirp convolution CONV (when there is one) computed.
template <class In>
std::pair<C, C> outputs(int f, int q, In&& in, const Rows& rows, PrimeDft* conv) {
  if (conv == nullptr) return paired_outputs(f, q, in, rows);
  C* v = conv->values();
  if (q == 0) {
    for (int p = 0; p < f; ++p) v[p] = in(p);
    conv->transform(true);
  }
  return {v[q], v[q == 0 ? 0 : f - q]};
}

// The convolution for a large prime F, when its scratch can be had.
struct Convolution {
  PrimeDft conv;
  Convolution(int f, const Rows& rows)
      : conv(f >= kPrimeDftFrom ? f : 0, rows.re, rows.im, rows.m) {}
  PrimeDft* get() { return conv.ready() ? &conv : nullptr; }
};

// Any F >= 7: twiddled inputs formed as they are needed, no local arrays.
void general_combine(int f, const PassShape& g, const double* in, double* out, Rows rows) {
  const int m = g.m;
  const long fm = static_cast<long>(f) * m, ls = g.lanes;
  Convolution conv(f, rows);
  for_each_group<false>(
      g, in, out, [](int) {},
      [&](const double* src, double* dst, int j, bool pair) {
        auto input = [&](int p) {
          const C y = sub_read(src + p * g.sub_stride, j, m, ls, pair);
          return j == 0 || p == 0 ? y : mul(y, rows.at(p, j));
        };
        for (int q = 0; 2 * q < f; ++q) {
          const auto [z1, z2] = outputs(f, q, input, rows, conv.get());
          packed_write(dst, j + static_cast<long>(q) * m, fm, ls, z1, pair);
          if (q > 0) packed_write(dst, j + static_cast<long>(f - q) * m, fm, ls, z2, pair);
        }
      });
}

void general_split(int f, const PassShape& g, const double* in, double* out, Rows rows) {
  const int m = g.m;
  const long fm = static_cast<long>(f) * m, ls = g.lanes;
  Convolution conv(f, rows);
  for_each_group<false>(
      g, in, out, [](int) {},
      [&](const double* src, double* dst, int j, bool pair) {
        auto input = [&](int r) { return packed_read(src, j + static_cast<long>(r) * m, fm, ls); };
        auto put = [&](int q, C v) {
          sub_write(dst + q * g.sub_stride, j, m, ls, pair,
                    j > 0 && q > 0 ? mul(v, rows.at(q, j)) : v);
        };
        for (int q = 0; 2 * q < f; ++q) {
          const auto [v1, v2] = outputs(f, q, input, rows, conv.get());
          put(q, v1);
          if (q > 0) put(f - q, v2);
        }
      });
}

template <int F>
void pass(bool forward, const PassShape& g, const double* in, double* out, Rows rows) {
  auto twiddles = [&rows](int j, C* w) {
    for (int q = 1; q < F; ++q) w[q] = rows.at(q, j);
  };
  const Roots roots(F >= 7 ? F : 1);
  const bool one = g.lanes == 1;  // one sequence: no lane loop at all
  if (forward && one)
    hermitian_combine<F, true, false>(g, in, out, twiddles, roots);
  else if (forward)
    hermitian_combine<F, false, false>(g, in, out, twiddles, roots);
  else if (one)
    hermitian_split<F, true, false>(g, in, out, twiddles, roots);
  else
    hermitian_split<F, false, false>(g, in, out, twiddles, roots);
}

void run_pass(bool forward, int f, const PassShape& g, const double* in, double* out, Rows rows) {
  switch (f) {
    case 2:
      return pass<2>(forward, g, in, out, rows);
    case 3:
      return pass<3>(forward, g, in, out, rows);
    case 4:
      return pass<4>(forward, g, in, out, rows);
    case 5:
      return pass<5>(forward, g, in, out, rows);
    case 6:
      return pass<6>(forward, g, in, out, rows);
    case 7:
      return pass<7>(forward, g, in, out, rows);
    case 11:
      return pass<11>(forward, g, in, out, rows);
    case 13:
      return pass<13>(forward, g, in, out, rows);
    default:
      if (forward) return general_combine(f, g, in, out, rows);
      return general_split(f, g, in, out, rows);
  }
}

Rows rows_of(int n, const double* table, int f, int m) {
  const long off = n - static_cast<long>(f) * m;  // the block begins after N - F*m entries
  return {table + off, table + n + off, m};
}

}  // namespace

int real_factorise(int n, int* factors) {
  int count = 0;
  if (n == 1) factors[count++] = 1;
  int rest = n;
  for (int d : {6, 4, 2, 3})
    while (rest > 1 && rest % d == 0) {
      factors[count++] = d;
      rest /= d;
    }
  // Once d*d exceeds the rest, the rest is prime: the search would end there.
  for (int d = 5, step = 2; rest > 1; d += step, step = 6 - step) {
    if (static_cast<long long>(d) * d > rest) {
      factors[count++] = rest;
      break;
    }
    while (rest % d == 0) {
      factors[count++] = d;
      rest /= d;
    }
  }
  factors[count] = 0;
  return count;
}

void real_table(int n, const int* factors, double* table) {
  twiddle_rows(n, factors, table, table + n, 1);
  table[n - 1] = n;
  table[2 * n - 1] = n;
}

Held real_forward_passes(int m, int n, const int* factors, const double* table, double* x,
                         double* y) {
  if (n == 1) return Held::x;
  int k = 0;
  while (factors[k] != 0) ++k;
  double* a = x;
  double* b = y;
  for (int p = k - 1, done = 1; p >= 0; --p) {
    const int f = factors[p], rest = n / (done * f);
    const PassShape g{true,
                      done,
                      m,
                      rest,
                      static_cast<long>(m) * done,
                      static_cast<long>(m) * f * done,
                      static_cast<long>(m) * done * rest};
    run_pass(true, f, g, a, b, rows_of(n, table, f, done));
    done *= f;
    std::swap(a, b);
  }
  return a == x ? Held::x : Held::y;
}

Held real_synthesis_passes(int m, int n, const int* factors, const double* table, Held src,
                           double* x, double* y) {
  if (n == 1) return src;
  double* a = src == Held::x ? x : y;
  double* b = src == Held::x ? y : x;
  for (int p = 0, before = 1; factors[p] != 0; ++p) {
    const int f = factors[p], after = n / (before * f);
    const PassShape g{true,
                      after,
                      m,
                      before,
                      static_cast<long>(m) * f * after,
                      static_cast<long>(m) * after,
                      static_cast<long>(m) * after * before};
    run_pass(false, f, g, a, b, rows_of(n, table, f, after));
    before *= f;
    std::swap(a, b);
  }
  return a == x ? Held::x : Held::y;
}

}  // namespace kiv::fft
