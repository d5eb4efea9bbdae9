// The reference of the transform tests: the DFT summed directly in long
// double, and scale-free error ratios in units of the machine precision.
#pragma once

#include <cmath>
#include <complex>
#include <random>
#include <vector>

#include "frame/constants.hpp"

namespace fftest {

using cld = std::complex<long double>;
using cd = std::complex<double>;

// "High-entropy" data in [-1, 1), the same for the same seed.
inline std::vector<double> random_reals(std::size_t n, unsigned seed) {
  std::mt19937_64 gen(seed);
  std::uniform_real_distribution<double> u(-1.0, 1.0);
  std::vector<double> v(n);
  for (double& x : v) x = u(gen);
  return v;
}

inline std::vector<cd> random_complex(std::size_t n, unsigned seed) {
  const std::vector<double> r = random_reals(2 * n, seed);
  std::vector<cd> v(n);
  for (std::size_t k = 0; k < n; ++k) v[k] = {r[2 * k], r[2 * k + 1]};
  return v;
}

// exp(2 pi i r/N) for r < N, in long double, as the product of an entry of
// a coarse and of a fine table (both small enough to stay in cache).
class Roots {
 public:
  explicit Roots(int n) : n_(n) {
    for (int r = 0; r < kFine && r < n; ++r) fine_.push_back(root(r));
    for (long r = 0; r < n; r += kFine) coarse_.push_back(root(r));
  }
  cld operator()(int r) const {
    const cld a = coarse_[r / kFine], b = fine_[r % kFine];
    return {a.real() * b.real() - a.imag() * b.imag(), a.real() * b.imag() + a.imag() * b.real()};
  }

 private:
  static constexpr int kFine = 1024;
  cld root(long r) const {
    const long double a = 2.0L * 3.141592653589793238462643383279502884L * r / n_;
    return {std::cos(a), std::sin(a)};
  }
  int n_;
  std::vector<cld> fine_, coarse_;
};

// z_k = sum_j x_j exp(sign 2 pi i jk/N) / sqrt(N) for the frequencies KS.
template <class T>
std::vector<cld> dft(const std::vector<T>& x, int sign, const std::vector<int>& ks) {
  const int n = static_cast<int>(x.size());
  const Roots w(n);
  std::vector<cld> z;
  for (int k : ks) {
    long double re = 0, im = 0;  // spelt out: complex<long double>'s * is slow
    for (int j = 0, r = 0; j < n; ++j, r = r + k >= n ? r + k - n : r + k) {
      const cld v(x[j]), e = w(r);
      const long double wi = sign * e.imag();
      re += v.real() * e.real() - v.imag() * wi;
      im += v.real() * wi + v.imag() * e.real();
    }
    z.push_back(cld(re, im) / std::sqrt(static_cast<long double>(n)));
  }
  return z;
}

template <class T>
std::vector<cld> dft(const std::vector<T>& x, int sign) {
  std::vector<int> ks(x.size());
  for (std::size_t k = 0; k < ks.size(); ++k) ks[k] = static_cast<int>(k);
  return dft(x, sign, ks);
}

// max_k |z_k - ref_k| / (eps * rms(ref)): the error in units of eps of the
// typical output, free of the data's scale.
inline double error_ratio(const std::vector<cd>& z, const std::vector<cld>& ref) {
  long double norm = 0, worst = 0;
  for (std::size_t k = 0; k < ref.size(); ++k) {
    norm += std::norm(ref[k]);
    worst = std::max(worst, std::abs(cld(z[k]) - ref[k]));
  }
  const long double rms = std::sqrt(norm / ref.size());
  return static_cast<double>(worst / (rms * kiv::kEps));
}

// What an FFT of length N may show in error_ratio: a multiple of log2 N.
inline double allowed(int n) { return 4.0 * (1.0 + std::log2(static_cast<double>(n))); }

}  // namespace fftest
