// The radix kernels of the two real engines: one pass that combines F
// Hermitian packed transforms of length m into one of length F*m (real data
// towards its transform), and the pass that splits one back into F (the
// Hermitian synthesis).  The in-place engine runs them on blocks of its own
// array, the self-sorting real engine from one array into the other, on M
// sequences at once (LANES values per element, sequence index fastest).
//
// Frequency K of a packed transform of length n: a_K at K and b_K at n-K
// when 0 < 2K < n; a_K alone when K = 0 or 2K = n; the conjugate of
// frequency n-K when
// 2K > n.  The F inputs of the DFT at index j are the sub-transforms'
// frequency j; their outputs are the frequencies j + q*m.  So every index j
// (0 <= j <= m/2) touches the same 2F positions of input and output, and a
// pass can run in place.
#pragma once

#include "fft/dft.hpp"

namespace kiv::fft {

// The relative index of the sequence whose transform is sub-transform p:
// p itself, or its bit reversal where radix-2 passes were grouped into a
// radix-4 or radix-8 pass.
template <int F, bool Reversed>
constexpr int offset(int p) {
  if constexpr (Reversed && F == 4)
    return (p & 1) << 1 | p >> 1;
  else if constexpr (Reversed && F == 8)
    return (p & 1) << 2 | (p & 2) | p >> 2;
  else
    return p;
}

struct PassShape {
  bool blocks_outer;  // visit index j inside each block (cheap twiddles),
                      // or each block inside index j (costly ones)
  int m;              // length of the F sub-transforms
  int lanes;          // values per element (sequences at once)
  int blocks;         // independent groups of F sub-transforms
  long in_block;      // doubles between blocks of the input
  long out_block;     // doubles between blocks of the output
  long sub_stride;    // doubles between sub-transforms (input of a combine,
                      // output of a split); F*m elements apart from the
                      // other side's block
};

// Calls FN(src, dst, j, pair) for every group: every block, every index j
// (PAIR when 0 < j < m/2, the inputs then complex) and every lane, SRC and
// DST pointing at the lane's first element of the block.  TWIDDLES(j) runs
// before the groups of index j that need it.
template <bool One, class T, class Fn>
void for_each_group(const PassShape& g, const double* in, double* out, T&& twiddles, Fn&& fn) {
  auto group = [&](int b, int j) {
    const bool pair = j > 0 && 2 * j < g.m;
    if (j > 0 && (g.blocks_outer || b == 0)) twiddles(j);
    const double* src = in + b * g.in_block;
    double* dst = out + b * g.out_block;
    if constexpr (One)
      fn(src, dst, j, pair);
    else
      for (long s = 0; s < g.lanes; ++s) fn(src + s, dst + s, j, pair);
  };
  if (g.blocks_outer) {
    for (int b = 0; b < g.blocks; ++b)
      for (int j = 0; 2 * j <= g.m; ++j) group(b, j);
  } else {
    for (int j = 0; 2 * j <= g.m; ++j)
      for (int b = 0; b < g.blocks; ++b) group(b, j);
  }
}

// Frequency K of a packed transform of length FM, read from SRC (lanes LS).
inline C packed_read(const double* src, long k, long fm, long ls) {
  if (k > 0 && 2 * k < fm) return {src[k * ls], src[(fm - k) * ls]};
  if (k == 0 || 2 * k == fm) return {src[k * ls], 0.0};
  return {src[(fm - k) * ls], -src[k * ls]};
}

// Stores frequency K of a packed transform of length FM; a frequency above
// FM/2 is stored only when ALL (its mirror is not among the outputs).
inline void packed_write(double* dst, long k, long fm, long ls, C z, bool all) {
  if (k > 0 && 2 * k < fm) {
    dst[k * ls] = z.r;
    dst[(fm - k) * ls] = z.i;
  } else if (k == 0 || 2 * k == fm) {
    dst[k * ls] = z.r;
  } else if (all) {
    dst[(fm - k) * ls] = z.r;
    dst[k * ls] = -z.i;
  }
}

// Element j (and m-j when PAIR) of a packed sub-transform of length m.
inline C sub_read(const double* sp, int j, int m, long ls, bool pair) {
  return {sp[j * ls], pair ? sp[(m - j) * ls] : 0.0};
}
inline void sub_write(double* dp, int j, int m, long ls, bool pair, C v) {
  dp[j * ls] = v.r;
  if (pair) dp[(m - j) * ls] = v.i;
}

// W(j, w) fills w[o] = exp(-2 pi i o j/(F m)) for o = 1 .. F-1.
template <int F, bool One, bool Reversed, class W>
void hermitian_combine(const PassShape& g, const double* in, double* out, W&& twiddles,
                       const Roots& roots) {
  const int m = g.m;
  const long fm = F * m, ls = One ? 1 : g.lanes;
  C w[F];
  w[0] = {1.0, 0.0};
  for_each_group<One>(
      g, in, out, [&](int j) { twiddles(j, w); },
      [&](const double* src, double* dst, int j, bool pair) {
        C t[F];
#pragma GCC unroll 19
        for (int p = 0; p < F; ++p) {
          const C y = sub_read(src + p * g.sub_stride, j, m, ls, pair);
          t[offset<F, Reversed>(p)] = j == 0 ? y : mul(y, w[offset<F, Reversed>(p)]);
        }
        dft<F, true>(t, roots);
        // 0 < j < m/2: frequency j + q m lies below F m/2 exactly when 2q < F.
        if (!pair) {
#pragma GCC unroll 19
          for (int q = 0; q < F; ++q) packed_write(dst, j + q * m, fm, ls, t[q], false);
          return;
        }
#pragma GCC unroll 19
        for (int q = 0; q < F; ++q) {
          const long k = j + q * m;
          if (2 * q < F) {
            dst[k * ls] = t[q].r;
            dst[(fm - k) * ls] = t[q].i;
          } else {
            dst[(fm - k) * ls] = t[q].r;
            dst[k * ls] = -t[q].i;
          }
        }
      });
}

// The inverse arrangement: sub-transform p receives
// v_j = w^(o j) * sum_r W_{j + r m} exp(-2 pi i r o/F) with o = offset(p).
template <int F, bool One, bool Reversed, class W>
void hermitian_split(const PassShape& g, const double* in, double* out, W&& twiddles,
                     const Roots& roots) {
  const int m = g.m;
  const long fm = F * m, ls = One ? 1 : g.lanes;
  C w[F];
  w[0] = {1.0, 0.0};
  for_each_group<One>(
      g, in, out, [&](int j) { twiddles(j, w); },
      [&](const double* src, double* dst, int j, bool pair) {
        C t[F];
#pragma GCC unroll 19
        for (int r = 0; r < F; ++r) {
          const long k = j + r * m;
          if (!pair)
            t[r] = packed_read(src, k, fm, ls);
          else if (2 * r < F)
            t[r] = {src[k * ls], src[(fm - k) * ls]};  // as in the combine
          else
            t[r] = {src[(fm - k) * ls], -src[k * ls]};
        }
        dft<F, true>(t, roots);
#pragma GCC unroll 19
        for (int p = 0; p < F; ++p) {
          const int o = offset<F, Reversed>(p);
          sub_write(dst + p * g.sub_stride, j, m, ls, pair, j == 0 ? t[o] : mul(t[o], w[o]));
        }
      });
}

}  // namespace kiv::fft
