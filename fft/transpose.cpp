// Transpositions of complex arrays, in tiles so that both sides stay in
// cache.
#include <algorithm>
#include <utility>

#include "fft/fft.hpp"

namespace kiv::fft {
namespace {
constexpr int kTile = 16;
}

namespace {

// W doubles per element.
template <int W>
void tiled(int rows, int cols, const double* a, double* b) {
  for (int i0 = 0; i0 < rows; i0 += kTile)
    for (int j0 = 0; j0 < cols; j0 += kTile) {
      const int i1 = std::min(rows, i0 + kTile), j1 = std::min(cols, j0 + kTile);
      for (int i = i0; i < i1; ++i)
        for (int j = j0; j < j1; ++j) {
          const long from = W * (i + static_cast<long>(rows) * j);
          const long to = W * (j + static_cast<long>(cols) * i);
          for (int w = 0; w < W; ++w) b[to + w] = a[from + w];
        }
    }
}

}  // namespace

void transpose(int rows, int cols, const double* a, double* b) { tiled<2>(rows, cols, a, b); }

void transpose_reals(int rows, int cols, const double* a, double* b) {
  tiled<1>(rows, cols, a, b);
}

void transpose_square(int n, double* a) {
  auto swap = [a, n](int i, int j) {
    const long u = 2 * (i + static_cast<long>(n) * j), v = 2 * (j + static_cast<long>(n) * i);
    std::swap(a[u], a[v]);
    std::swap(a[u + 1], a[v + 1]);
  };
  for (int i0 = 0; i0 < n; i0 += kTile)
    for (int j0 = i0; j0 < n; j0 += kTile) {
      const int i1 = std::min(n, i0 + kTile), j1 = std::min(n, j0 + kTile);
      for (int i = i0; i < i1; ++i)
        for (int j = std::max(j0, i + 1); j < j1; ++j) swap(i, j);
    }
}

}  // namespace kiv::fft
