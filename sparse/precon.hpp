// Internal interface of the preconditioners and the one-call drivers: the
// message texts they share, scalar helpers over real and complex values,
// the SSOR row structure and solve, and the checked size arithmetic of the
// workspace formulas.
#pragma once

#include <algorithm>
#include <climits>
#include <complex>
#include <utility>

#include "frame/errors.hpp"
#include "frame/wrappers.hpp"
#include "kiv2.h"
#include "sparse/storage.hpp"

namespace kiv::precon {

using Complex = std::complex<double>;

// The storage-check messages, in the order of the check codes 1 to 7.
inline constexpr const char* kNSmall = " ** On entry, N .lt. 1: N =%16ld.";
inline constexpr const char* kNnzSmall = " ** On entry, NNZ .lt. 1: NNZ =%16ld.";
inline constexpr const char* kNnzLarge = " ** On entry, NNZ .gt. N**2:\n    NNZ =%16ld N =%16ld.";
inline constexpr const char* kRowRange =
    " ** On entry, IROW(I) .lt. 1 or IROW(I) .gt. N:\n"
    "    I = %16ld, IROW(I) = %16ld, N = %16ld.";
inline constexpr const char* kColRange =
    " ** On entry, ICOL(I) .lt. 1 or ICOL(I) .gt. N:\n"
    "    I = %16ld, ICOL(I) = %16ld, N = %16ld.";
inline constexpr const char* kOrder = " ** On entry, A(I) is out of order:\n    I =%16ld.";
inline constexpr const char* kDuplicate =
    " ** On entry, the location (IROW(I), ICOL(I)) is a duplicate:\n    I =%16ld.";
inline constexpr const char* kTransOption = " ** On entry, TRANS .ne. 'N' or 'T': TRANS = '%s'.";
inline constexpr const char* kCheckOption = " ** On entry, CHECK .ne. 'C' or 'N': CHECK = '%s'.";
inline constexpr const char* kOmegaRange =
    " ** On entry, OMEGA .le. 0.0 or OMEGA .ge. 2.0: OMEGA = %12.4e.";
inline constexpr const char* kNoDiagonal = " ** The matrix A has no diagonal entry in row%16ld.";
// The size and column messages of symmetric coordinate storage.
inline constexpr const char* kScsNnzLarge =
    " ** On entry, NNZ .gt. N*(N+1)/2:\n    NNZ =%16ld N =%16ld.";
inline constexpr const char* kScsColRange =
    " ** On entry, ICOL(I) .lt. 1 or ICOL(I) .gt. IROW(I):\n"
    "    I =%16ld, ICOL(I) =%16ld, IROW(I) =%16ld.";

// Reports a failed CS or SCS check (CODE 1..7, I the entry): codes 1-3 as
// IERR_SIZE, 4-7 as IERR_ENTRY.  MSG(k) gives the Message of code k (it
// carries the label).  The SCS column message (SYM) shows IROW(I) where the
// CS one shows N.
template <class Msg>
void report_storage(Reporter& rep, sparse::StorageCheck c, int n, int nnz, const int* irow,
                    const int* icol, int ierr_size, int ierr_entry, Msg msg, bool sym = false) {
  const int at = c.i - 1;
  switch (c.code) {
    case 1: rep.fail(ierr_size, msg(1), n); break;
    case 2: rep.fail(ierr_size, msg(2), nnz); break;
    case 3: rep.fail(ierr_size, msg(3), nnz, n); break;
    case 4: rep.fail(ierr_entry, msg(4), c.i, irow[at], n); break;
    case 5: rep.fail(ierr_entry, msg(5), c.i, icol[at], sym ? irow[at] : n); break;
    default: rep.fail(ierr_entry, msg(c.code), c.i); break;
  }
}

// The first index I with P(I) repeating an earlier value (P known to hold
// values in 1..N only), or 0.  X serves as the marks.
template <class T>
int first_repeat(const int* p, int n, T* x) {
  std::fill(x, x + n, T(-1.0));
  for (int i = 0; i < n; ++i) {
    T& mark = x[p[i] - 1];
    if (std::real(mark) > 0.0) return i + 1;
    mark = T(1.0);
  }
  return 0;
}

// Scalar helpers.  mul is the plain product, without the special-value
// path of std::complex (these are the sums of products a dense product
// forms).
inline double mul(double a, double x) { return a * x; }
inline Complex mul(Complex a, Complex x) {
  return {a.real() * x.real() - a.imag() * x.imag(), a.real() * x.imag() + a.imag() * x.real()};
}
inline Complex mul(Complex a, double x) { return {a.real() * x, a.imag() * x}; }
inline double conj(double a) { return a; }
inline Complex conj(Complex a) { return std::conj(a); }
inline double magnitude(double a) { return a < 0.0 ? -a : a; }
inline double magnitude(Complex a) { return std::abs(a); }
inline void poison(int n, double* x) { POISON_REALS(n, x); }
inline void poison(int n, Complex* x) { POISON_COMPLEXES(n, x); }

// A workspace requirement as the int the messages print, or INT_MAX when
// it does not fit (then every int LWORK is below it, so it is refused).
inline int clamp_requirement(long long req) { return req > INT_MAX ? INT_MAX : static_cast<int>(req); }

// True when 1 <= v <= n, one compare.
inline bool in_range(int v, int n) {
  return static_cast<unsigned>(v) - 1u < static_cast<unsigned>(n);
}

// The row starts of a coordinate list in START (N+1 integers).  The rows
// are counted, so an unchecked matrix gets starts within 1..NNZ+1.
// Returns -k when entry k has a row outside 1..N (the starts are then not
// set), else 0.
int row_starts(int n, int nnz, const int* irow, int* start);

// The row structure of a CS matrix in IWORK (2N+1 integers): IWORK(1..N+1)
// the row starts, IWORK(N+1+i) the diagonal position of row i or 0.
// Returns -k when entry k has a row outside 1..N (nothing else is then
// set), else the first row without a diagonal entry, or 0.
int row_structure(int n, int nnz, const int* irow, const int* icol, int* iwork);

// The SSOR solve M x = y (TRANS false) or M^H x = y, with the row
// structure above, the reciprocal diagonal DINV and 0 < OMEGA < 2.  A
// matrix that was not checked still has its indices kept within 1..N:
// returns the 1-based position of the first bad column met, or 0.
template <class T>
int ssor_solve(bool trans, int n, const T* a, const int* icol, const int* iwork, const T* dinv,
               double omega, const T* y, T* x);

// Sorts KEY[0..LEN) ascending, carrying VAL along: insertion for the short
// rows a factor mostly has, heapsort beyond, so a long row costs
// O(len log len).
template <class T>
void sort_pairs(int* key, T* val, int len) {
  if (len <= 32) {
    for (int i = 1; i < len; ++i) {
      const int k = key[i];
      const T v = val[i];
      int j = i;
      for (; j > 0 && key[j - 1] > k; --j) {
        key[j] = key[j - 1];
        val[j] = val[j - 1];
      }
      key[j] = k;
      val[j] = v;
    }
    return;
  }
  auto sift = [&](int root, int end) {
    for (int child; (child = 2 * root + 1) < end; root = child) {
      if (child + 1 < end && key[child + 1] > key[child]) ++child;
      if (key[root] >= key[child]) return;
      std::swap(key[root], key[child]);
      std::swap(val[root], val[child]);
    }
  };
  for (int i = len / 2 - 1; i >= 0; --i) sift(i, len);
  for (int end = len - 1; end > 0; --end) {
    std::swap(key[0], key[end]);
    std::swap(val[0], val[end]);
    sift(0, end);
  }
}

// The SSOR solve M x = y of a Hermitian matrix in symmetric coordinate
// storage, M = (D + wL) D^-1 (D + wL^H) / (w(2 - w)), with the row starts
// START (every row not empty; its last entry is its diagonal) and the real
// reciprocal diagonal DINV.  Columns are kept within 1..N as in ssor_solve.
int hermitian_ssor_solve(int n, const Complex* a, const int* icol, const int* start,
                         const double* dinv, double omega, const Complex* y, Complex* x);

// Indices 1..N in a binary heap kept in caller workspace (HEAP and POS, N
// integers each), ordered by BEFORE(a, b): the top is the first index in
// that order, and an index whose key changed is re-placed in O(log N),
// where a scan of count buckets would cost O(N) a step.
template <class Before>
class IndexHeap {
 public:
  IndexHeap(int n, int* heap, int* pos, Before before)
      : heap_(heap), pos_(pos), before_(before), size_(n) {
    for (int v = 1; v <= n; ++v) place(v - 1, v);
    for (int i = n / 2 - 1; i >= 0; --i) down(i);
  }
  int pop() {
    const int top = heap_[0];
    if (--size_ > 0) {
      place(0, heap_[size_]);
      down(0);
    }
    return top;
  }
  // The key of V has moved towards the top.
  void lowered(int v) { up(pos_[v - 1]); }
  // The key of V has changed either way.
  void update(int v) {
    up(pos_[v - 1]);
    down(pos_[v - 1]);
  }

 private:
  void place(int i, int v) {
    heap_[i] = v;
    pos_[v - 1] = i;
  }
  void up(int i) {
    const int v = heap_[i];
    while (i > 0) {
      const int parent = (i - 1) / 2;
      if (!before_(v, heap_[parent])) break;
      place(i, heap_[parent]);
      i = parent;
    }
    place(i, v);
  }
  void down(int i) {
    const int v = heap_[i];
    for (;;) {
      int child = 2 * i + 1;
      if (child >= size_) break;
      if (child + 1 < size_ && before_(heap_[child + 1], heap_[child])) ++child;
      if (!before_(heap_[child], v)) break;
      place(i, heap_[child]);
      i = child;
    }
    place(i, v);
  }

  int* heap_;
  int* pos_;
  Before before_;
  int size_;
};

}  // namespace kiv::precon
