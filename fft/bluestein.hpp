// The DFT of a large prime length F in O(F log F): Bluestein's chirp turns
// it into a cyclic convolution of a 5-smooth length >= 2F-1, done with the
// complex engine.  The chirp exp(-2 pi i h n^2/F), h = (F+1)/2 (so that
// 2h = 1 mod F), comes from the caller's table of the F-th roots: no sine or
// cosine is taken, and the errors stay those of the smooth lengths.
//
// The scratch is the library's own, allocated by the constructor and freed
// by the destructor, so that it never outlives the call; when it cannot be
// had, ready() is false and the caller keeps its direct kernel.
#pragma once

#include "fft/dft.hpp"
#include "fft/fft.hpp"

namespace kiv::fft {

// Primes from this one on go through the convolution (below it the direct
// kernels are faster).
inline constexpr int kBluesteinFrom = 90;

class Bluestein {
 public:
  // RE and IM hold exp(-2 pi i r/F) for r = 1 .. F-1 at (r-1)*STRIDE.
  Bluestein(int f, const double* re, const double* im, long stride);
  ~Bluestein();
  Bluestein(const Bluestein&) = delete;
  Bluestein& operator=(const Bluestein&) = delete;

  bool ready() const { return block_ != nullptr; }
  // F values to fill before transform() and read after it.
  C* values() const { return io_; }
  // The DFT of values() in place, with exp(-2 pi i jk/F) (FORWARD) or its
  // conjugate, unscaled.
  void transform(bool forward);

 private:
  int f_, len_ = 0;
  int factors_[kComplexListLen];
  double* block_ = nullptr;
  double *table_, *kernel_, *buf_, *scratch_;
  C *chirp_, *io_;
};

}  // namespace kiv::fft
