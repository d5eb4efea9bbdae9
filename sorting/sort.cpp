// M01CAF: in-place sort of a section of reals.  Quicksort on segments of 16
// or more, median-of-three pivots, a deterministic random pre-swap for
// segments that follow a lopsided split, and one insertion sort at the end.
#include <cmath>
#include <utility>

#include "sorting/sorting.hpp"

namespace {

constexpr int kShort = 16;  // shorter segments wait for the insertion sort

// Three multiplicative generators (Schrage's splitting keeps every product
// within 32 bits), restarted on every call so that sorts are reproducible.
class PreSwap {
 public:
  double next() {
    x_ = step(x_, 171, 177, 2, 30269);
    y_ = step(y_, 172, 176, 35, 30307);
    z_ = step(z_, 170, 178, 63, 30323);
    return std::fmod(x_ / 30269.0 + y_ / 30307.0 + z_ / 30323.0, 1.0);
  }

 private:
  // a*s mod m with m = a*q + r.
  static int step(int s, int a, int q, int r, int m) {
    s = a * (s % q) - r * (s / q);
    return s < 0 ? s + m : s;
  }
  int x_ = 15223, y_ = 17795, z_ = 28707;
};

struct Segment {
  int l, r;
  bool marked;  // pre-swap before partitioning
};

// Sorts v[0..n-1] ascending.
void quicksort(double* v, int n) {
  PreSwap random;
  // The shorter part is always processed first, so the stack holds at most
  // log2(n) segments.
  Segment stack[64];
  int top = 0;
  Segment s{0, n - 1, false};
  while (n >= kShort) {
    const int l = s.l, r = s.r;
    if (s.marked) {
      const int p = l + static_cast<int>(random.next() * (r - l));
      std::swap(v[l], v[p]);
      std::swap(v[r], v[l + r - p]);
    }
    const int mid = l + (r - l) / 2;
    if (v[mid] < v[l]) std::swap(v[mid], v[l]);
    if (v[r] < v[l]) std::swap(v[r], v[l]);
    if (v[r] < v[mid]) std::swap(v[r], v[mid]);
    // v[l] and v[r] now stop the scans (also when NaNs are present), and
    // after each swap the swapped pair stops the next ones.
    const double pivot = v[mid];
    int i = l, j = r;
    for (;;) {
      do ++i; while (v[i] < pivot);
      do --j; while (pivot < v[j]);
      if (i >= j) break;
      std::swap(v[i], v[j]);
    }
    const Segment left{l, j, false}, right{j + 1, r, false};
    const int nl = j - l + 1, nr = r - j;
    const bool left_shorter = nl <= nr;
    Segment shorter = left_shorter ? left : right, longer = left_shorter ? right : left;
    const int ns = left_shorter ? nl : nr, ng = left_shorter ? nr : nl;
    longer.marked = ng > 5 * ns + 25;
    if (ns >= kShort) {
      stack[top++] = longer;
      s = shorter;
    } else if (ng >= kShort) {
      s = longer;
    } else if (top > 0) {
      s = stack[--top];
    } else {
      break;
    }
  }
  for (int i = 1; i < n; ++i) {
    const double t = v[i];
    int j = i;
    for (; j > 0 && t < v[j - 1]; --j) v[j] = v[j - 1];
    v[j] = t;
  }
}

}  // namespace

extern "C" int KIV_CALL M01CAF(double* rv, int m1, int m2, const char* order, char* record,
                               int* ifail, int order_len, int record_len) {
  kiv::Reporter rep("M01CAF", record, record_len);
  const char o = kiv::sorting::ordered_section(rep, m1, m2, order, order_len);
  if (o != 0 && m1 < m2) {
    double* v = rv + (m1 - 1);
    const int n = m2 - m1 + 1;
    quicksort(v, n);
    if (o == 'D')
      for (int k = 0; k < n / 2; ++k) std::swap(v[k], v[n - 1 - k]);
  }
  return rep.finish(ifail);
}
