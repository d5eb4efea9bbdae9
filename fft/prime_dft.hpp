// The DFT of a large prime length F in O(F log F), as a cyclic convolution
// done with the complex engine:
//  - Rader's, when F-1 is 5-smooth: the inputs and outputs 1 .. F-1 taken in
//    the order of the powers of a primitive root g make the DFT a cyclic
//    convolution of length F-1 with w^(g^-s);
//  - Bluestein's otherwise: the chirp w^(h n^2), 2h = 1 mod F, makes it a
//    convolution, zero-padded to a smooth length >= 2F-1.
// Every root comes from the caller's table of the F-th roots (no sine or
// cosine is taken), so the errors stay those of the smooth lengths.
//
// The scratch is the library's own, allocated by the constructor and freed
// by the destructor, so that it never outlives the call; when it cannot be
// had, ready() is false and the caller keeps its direct kernel.
#pragma once

#include <cstddef>
#include <cstdlib>

#include "fft/dft.hpp"
#include "fft/fft.hpp"

namespace kiv::fft {

// Where the scratch comes from: std::malloc, never changed by the library.
// A test points it at an allocator that fails, to run the direct kernels
// that the engines fall back on.
inline void* system_malloc(std::size_t bytes) { return std::malloc(bytes); }
inline void* (*prime_dft_malloc)(std::size_t) = system_malloc;

// Primes from this one on go through a convolution (below it the direct
// kernels are faster).
inline constexpr int kPrimeDftFrom = 90;

class PrimeDft {
 public:
  // RE and IM hold exp(-2 pi i r/F) for r = 1 .. F-1 at (r-1)*STRIDE.
  PrimeDft(int f, const double* re, const double* im, long stride);
  ~PrimeDft();
  PrimeDft(const PrimeDft&) = delete;
  PrimeDft& operator=(const PrimeDft&) = delete;

  bool ready() const { return block_ != nullptr; }
  // F values to fill before transform() and read after it.
  C* values() const { return io_; }
  // The DFT of values() in place, with exp(-2 pi i jk/F) (FORWARD) or its
  // conjugate, unscaled.
  void transform(bool forward);

 private:
  bool allocate(long long doubles, long long ints);
  void convolve();
  void rader_transform();
  void bluestein_transform();

  int f_, len_ = 0;  // the prime, the convolution's length
  bool rader_ = false;
  int factors_[kComplexListLen];
  double* block_ = nullptr;
  double *table_, *kernel_, *buf_, *scratch_;
  C *chirp_, *io_;
  int *into_, *outof_;  // Rader: g^q and g^-q mod F
};

}  // namespace kiv::fft
