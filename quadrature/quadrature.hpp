// Internal pieces of the quadrature subsystem.
#pragma once

#include <algorithm>
#include <array>
#include <utility>

namespace kiv::quadrature {

// Largest dimension of the lattice rules over the ball.
inline constexpr int kMaxDim = 4;

// Calls VISIT(a) for every decomposition m = a[0]^2 + ... + a[n-1]^2 with
// a[0] >= a[1] >= ... >= a[n-1] >= 0 (a holds n entries).
template <class Visit>
void decompositions(int n, long m, Visit&& visit) {
  std::array<long, kMaxDim> a{};
  // Part i takes values from the largest that fits below the previous part
  // down to the smallest that still lets the remaining parts reach m.
  auto place = [&](auto&& self, int i, long rest, long cap) -> void {
    if (i == n - 1) {
      long r = 0;
      while ((r + 1) * (r + 1) <= rest) ++r;
      if (r * r == rest && r <= cap) {
        a[i] = r;
        visit(a);
      }
      return;
    }
    long hi = 0;
    while ((hi + 1) * (hi + 1) <= rest && hi + 1 <= cap) ++hi;
    for (long v = hi; v >= 0 && v * v * (n - i) >= rest; --v) {
      a[i] = v;
      self(self, i + 1, rest - v * v, v);
    }
  };
  place(place, 0, m, m);
}

// Calls VISIT(z) for every integer point z of n coordinates whose absolute
// values are the n PARTS in some order, each exactly once: the distinct
// permutations, with every choice of signs of the nonzero entries.
template <class Visit>
void shell_of(int n, const std::array<long, kMaxDim>& parts, Visit&& visit) {
  std::array<long, kMaxDim> p{};
  std::copy(parts.begin(), parts.begin() + n, p.begin());
  for (int i = 1; i < n; ++i)  // ascending, for the permutations
    for (int j = i; j > 0 && p[j - 1] > p[j]; --j) std::swap(p[j - 1], p[j]);
  do {
    int nonzero[kMaxDim], k = 0;
    for (int i = 0; i < n; ++i)
      if (p[i] != 0) nonzero[k++] = i;
    for (unsigned signs = 0; signs < (1u << k); ++signs) {
      std::array<long, kMaxDim> z = p;
      for (int j = 0; j < k; ++j)
        if (signs & (1u << j)) z[nonzero[j]] = -z[nonzero[j]];
      visit(z);
    }
  } while (std::next_permutation(p.begin(), p.begin() + n));
}

// Calls VISIT(z) for every integer point z of n coordinates with
// |z|^2 = m, each exactly once.
template <class Visit>
void shell(int n, long m, Visit&& visit) {
  decompositions(n, m, [&](const std::array<long, kMaxDim>& parts) { shell_of(n, parts, visit); });
}

}  // namespace kiv::quadrature
