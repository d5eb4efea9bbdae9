#include "fft/bluestein.hpp"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace kiv::fft {
namespace {

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

}  // namespace

Bluestein::Bluestein(int f, const double* re, const double* im, long stride) : f_(f) {
  if (f < 3 || f % 2 == 0 || f > (1 << 29)) return;  // an odd prime the convolution can hold
  // A power of 2 runs the fastest kernels: worth up to a quarter more length.
  const int smooth = smooth_at_least(2LL * f - 1);
  len_ = 1;
  while (len_ < 2 * f - 1) len_ *= 2;
  if (len_ > smooth + smooth / 4) len_ = smooth;
  const unsigned long long doubles = 8ULL * len_ + 4ULL * f;
  if (doubles > SIZE_MAX / sizeof(double)) return;  // beyond a 32-bit address space
  block_ = static_cast<double*>(std::malloc(static_cast<std::size_t>(doubles) * sizeof(double)));
  if (block_ == nullptr) return;
  table_ = block_;
  kernel_ = table_ + 2L * len_;
  buf_ = kernel_ + 2L * len_;
  scratch_ = buf_ + 2L * len_;
  chirp_ = reinterpret_cast<C*>(scratch_ + 2L * len_);
  io_ = chirp_ + f;
  complex_factorise(len_, factors_);
  complex_table(len_, factors_, table_);

  // chirp_n = w^(h n^2 mod F); n^2 mod F advances by 2n+1.
  const long long h = (f + 1LL) / 2;
  long long sq = 0;
  for (int n = 0; n < f; ++n) {
    const long long r = h * sq % f;
    chirp_[n] = r == 0 ? C{1.0, 0.0} : C{re[(r - 1) * stride], im[(r - 1) * stride]};
    sq = (sq + 2LL * n + 1) % f;
  }
  // The kernel conj(chirp) at +-n, transformed once; the factor sqrt(len)
  // makes the two scaled transforms of transform() an exact convolution.
  for (long k = 0; k < 2L * len_; ++k) kernel_[k] = 0.0;
  for (int n = 0; n < f; ++n) {
    const C b = conj(chirp_[n]);
    kernel_[2 * n] = b.r, kernel_[2 * n + 1] = b.i;
    if (n > 0) kernel_[2L * (len_ - n)] = b.r, kernel_[2L * (len_ - n) + 1] = b.i;
  }
  complex_transform(true, len_, factors_, table_, kernel_, scratch_);
  const double s = std::sqrt(static_cast<double>(len_));
  for (long k = 0; k < 2L * len_; ++k) kernel_[k] *= s;
}

Bluestein::~Bluestein() { std::free(block_); }

void Bluestein::transform(bool forward) {
  // The backward sign is the conjugate of the forward DFT of the conjugate.
  for (int n = 0; n < f_; ++n) {
    const C a = mul(forward ? io_[n] : conj(io_[n]), chirp_[n]);
    buf_[2 * n] = a.r, buf_[2 * n + 1] = a.i;
  }
  for (long k = 2L * f_; k < 2L * len_; ++k) buf_[k] = 0.0;
  complex_transform(true, len_, factors_, table_, buf_, scratch_);
  for (long k = 0; k < len_; ++k) {
    const C p = mul({buf_[2 * k], buf_[2 * k + 1]}, {kernel_[2 * k], kernel_[2 * k + 1]});
    buf_[2 * k] = p.r, buf_[2 * k + 1] = p.i;
  }
  complex_transform(false, len_, factors_, table_, buf_, scratch_);
  for (int k = 0; k < f_; ++k) {
    const C y = mul({buf_[2 * k], buf_[2 * k + 1]}, chirp_[k]);
    io_[k] = forward ? y : conj(y);
  }
}

}  // namespace kiv::fft
