#include "fft/prime_dft.hpp"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace kiv::fft {
namespace {

// Whether N has no prime factor above 5.
bool smooth(long long n) {
  for (int d : {2, 3, 5})
    while (n % d == 0) n /= d;
  return n == 1;
}

// The least 2^a 3^b 5^c >= TARGET.
int smooth_at_least(long long target) {
  long long best = 1;
  while (best < target) best *= 2;
  for (long long p2 = 1; p2 < 2 * target; p2 *= 2)
    for (long long p3 = p2; p3 < 2 * target; p3 *= 3)
      for (long long p5 = p3; p5 < best; p5 *= 5)
        if (p5 >= target) {
          best = p5;
          break;
        }
  return static_cast<int>(best);
}

long long power_mod(long long b, long long e, long long p) {
  long long r = 1;
  for (b %= p; e > 0; e >>= 1, b = b * b % p)
    if (e & 1) r = r * b % p;
  return r;
}

// The least primitive root of the prime P whose P-1 is 5-smooth.
long long primitive_root(long long p) {
  for (long long g = 2;; ++g) {
    bool generates = true;
    for (int q : {2, 3, 5})
      if ((p - 1) % q == 0 && power_mod(g, (p - 1) / q, p) == 1) generates = false;
    if (generates) return g;
  }
}

// The convolutions hold only for a prime length.
bool odd_prime(int f) {
  if (f < 3 || f % 2 == 0) return false;
  for (int d = 3; static_cast<long long>(d) * d <= f; d += 2)
    if (f % d == 0) return false;
  return true;
}

}  // namespace

bool PrimeDft::allocate(long long doubles, long long ints) {
  const unsigned long long bytes = doubles * sizeof(double) + ints * sizeof(int);
  if (bytes > SIZE_MAX) return false;  // beyond a 32-bit address space
  block_ = static_cast<double*>(prime_dft_malloc(static_cast<std::size_t>(bytes)));
  if (block_ == nullptr) return false;
  table_ = block_;
  kernel_ = table_ + 2L * len_;
  buf_ = kernel_ + 2L * len_;
  scratch_ = buf_ + 2L * len_;
  io_ = reinterpret_cast<C*>(scratch_ + 2L * len_);
  chirp_ = io_ + f_;
  return true;
}

PrimeDft::PrimeDft(int f, const double* re, const double* im, long stride) : f_(f) {
  if (f > (1 << 29) || !odd_prime(f)) return;  // a prime a convolution can hold
  auto root = [&](long long r) {
    return r == 0 ? C{1.0, 0.0} : C{re[(r - 1) * stride], im[(r - 1) * stride]};
  };
  rader_ = smooth(f - 1LL);
  if (rader_) {
    len_ = f - 1;
    if (!allocate(8LL * len_ + 2LL * f, 2LL * len_)) return;
    into_ = reinterpret_cast<int*>(io_ + f);
    outof_ = into_ + len_;
    const long long g = primitive_root(f), ginv = power_mod(g, f - 2LL, f);
    for (long long q = 0, up = 1, down = 1; q < len_; ++q, up = up * g % f, down = down * ginv % f) {
      into_[q] = static_cast<int>(up);
      outof_[q] = static_cast<int>(down);
    }
    for (int s = 0; s < len_; ++s) {
      const C b = root(outof_[s]);  // w^(g^-s)
      kernel_[2 * s] = b.r, kernel_[2 * s + 1] = b.i;
    }
  } else {
    // A power of 2 runs the fastest kernels: worth up to a quarter more length.
    const int least = smooth_at_least(2LL * f - 1);
    len_ = 1;
    while (len_ < 2 * f - 1) len_ *= 2;
    if (len_ > least + least / 4) len_ = least;
    if (!allocate(8LL * len_ + 4LL * f, 0)) return;
    // chirp_n = w^(h n^2 mod F); n^2 mod F advances by 2n+1.
    const long long h = (f + 1LL) / 2;
    for (long long n = 0, sq = 0; n < f; sq = (sq + 2 * n + 1) % f, ++n) chirp_[n] = root(h * sq % f);
    // The kernel conj(chirp) at +-n.
    for (long k = 0; k < 2L * len_; ++k) kernel_[k] = 0.0;
    for (int n = 0; n < f; ++n) {
      const C b = conj(chirp_[n]);
      kernel_[2 * n] = b.r, kernel_[2 * n + 1] = b.i;
      if (n > 0) kernel_[2L * (len_ - n)] = b.r, kernel_[2L * (len_ - n) + 1] = b.i;
    }
  }
  complex_factorise(len_, factors_);
  complex_table(len_, factors_, table_);
  // The kernel transformed once; the factor sqrt(len) makes the two scaled
  // transforms of a convolution exact.
  complex_transform(true, len_, factors_, table_, kernel_, scratch_);
  const double s = std::sqrt(static_cast<double>(len_));
  for (long k = 0; k < 2L * len_; ++k) kernel_[k] *= s;
}

PrimeDft::~PrimeDft() { std::free(block_); }

void PrimeDft::transform(bool forward) {
  // The backward sign is the conjugate of the forward DFT of the conjugate.
  if (!forward)
    for (int n = 0; n < f_; ++n) io_[n] = conj(io_[n]);
  if (rader_)
    rader_transform();
  else
    bluestein_transform();
  if (!forward)
    for (int n = 0; n < f_; ++n) io_[n] = conj(io_[n]);
}

// BUF times the kernel, then the backward transform: the convolution.
void PrimeDft::convolve() {
  for (long k = 0; k < len_; ++k) {
    const C p = mul({buf_[2 * k], buf_[2 * k + 1]}, {kernel_[2 * k], kernel_[2 * k + 1]});
    buf_[2 * k] = p.r, buf_[2 * k + 1] = p.i;
  }
  complex_transform(false, len_, factors_, table_, buf_, scratch_);
}

void PrimeDft::rader_transform() {
  const C x0 = io_[0];
  for (int q = 0; q < len_; ++q) {
    const C a = io_[into_[q]];
    buf_[2 * q] = a.r, buf_[2 * q + 1] = a.i;
  }
  complex_transform(true, len_, factors_, table_, buf_, scratch_);
  const double s = std::sqrt(static_cast<double>(len_));
  const C sum = x0 + s * C{buf_[0], buf_[1]};  // x_0 plus the sum of the others
  convolve();
  for (int r = 0; r < len_; ++r) io_[outof_[r]] = x0 + C{buf_[2 * r], buf_[2 * r + 1]};
  io_[0] = sum;
}

void PrimeDft::bluestein_transform() {
  for (int n = 0; n < f_; ++n) {
    const C a = mul(io_[n], chirp_[n]);
    buf_[2 * n] = a.r, buf_[2 * n + 1] = a.i;
  }
  for (long k = 2L * f_; k < 2L * len_; ++k) buf_[k] = 0.0;
  complex_transform(true, len_, factors_, table_, buf_, scratch_);
  convolve();
  for (int k = 0; k < f_; ++k) io_[k] = mul({buf_[2 * k], buf_[2 * k + 1]}, chirp_[k]);
}

}  // namespace kiv::fft
