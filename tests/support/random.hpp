// Reproducible random test data, real or complex, entries in [-1, 1].
#pragma once

#include <complex>
#include <random>
#include <type_traits>
#include <vector>

namespace kivtest {

using C = std::complex<double>;

template <class T>
std::vector<T> random(int n, unsigned seed) {
  std::mt19937 gen(seed);
  std::uniform_real_distribution<double> u(-1.0, 1.0);
  std::vector<T> v(n);
  for (T& e : v) {
    if constexpr (std::is_same_v<T, C>) e = C(u(gen), u(gen));
    else e = u(gen);
  }
  return v;
}

}  // namespace kivtest
