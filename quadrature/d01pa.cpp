// Integral over a simplex: lattice sums of increasing order, each combined
// with the lower orders by extrapolation in h^2.  A call continues a
// sequence where the previous call left it (MINORD), the simplex measure
// kept in the caller's vertex array.
#include <cmath>
#include <cstddef>

#include "dense/lapack.hpp"
#include "frame/callback.hpp"
#include "frame/errors.hpp"
#include "frame/wrappers.hpp"

namespace {

constexpr kiv::Messages kMessages{
    " ** On entry, NDIM .lt. 2: NDIM =%16ld.",
    " ** On entry, IV1 .lt. NDIM+1:\n    IV1 =%16ld, NDIM =%16ld.",
    " ** On entry, IV2 .lt. 2*NDIM+2:\n    IV2 =%16ld, NDIM =%16ld.",
    " ** On entry, MINORD .lt. 0: MINORD =%16ld.",
    " ** On entry, MAXORD .le. MINORD:\n    MAXORD =%16ld, MINORD =%16ld.",
    " ** The volume of the simplex integration region is too\n    large or too small to be "
    "represented on the machine.",
    " ** The function returned a value that is not finite:\n    F =%12.4e.",
};

// The caller's vertex array: columns 1..d+1 the vertices; columns d+2..2d+1
// the edge vectors (rows 1..d) with the lattice counters in row d+1;
// column 2d+2 the current point (rows 1..d) and the measure (row d+1).
class Vertices {
 public:
  Vertices(double* v, int d, int iv1) : v_(v), d_(d), iv1_(iv1) {}

  double& at(int row, int col) {  // 1-based
    return v_[(row - 1) + static_cast<std::ptrdiff_t>(col - 1) * iv1_];
  }
  double* column(int col) { return &at(1, col); }
  double* edge(int l) { return column(d_ + 1 + l); }
  double& counter(int l) { return at(d_ + 1, d_ + 1 + l); }
  double* point() { return column(2 * d_ + 2); }
  double& measure() { return at(d_ + 1, 2 * d_ + 2); }

  // Edge l scaled: s (V_l - V_{d+1}).
  void set_edges(double s) {
    for (int l = 1; l <= d_; ++l)
      for (int r = 1; r <= d_; ++r) edge(l)[r - 1] = s * (at(r, l) - at(r, d_ + 1));
  }

  // The point V_{d+1} + sum over l of (beta_l + 1/2) times edge l (edges
  // scaled by 2/m): computed afresh, so that no rounding accumulates.
  void place_point() {
    for (int r = 1; r <= d_; ++r) {
      double x = at(r, d_ + 1);
      for (int l = 1; l <= d_; ++l) x += (counter(l) + 0.5) * edge(l)[r - 1];
      point()[r - 1] = x;
    }
  }

 private:
  double* v_;
  int d_;
  int iv1_;
};

// Sum of f over the lattice points of order k, odometer-fashion: the first
// counter runs fastest; a carry resets it and recomputes the point.
// A value that is not finite ends the sum at once: it is returned.
double lattice_sum(Vertices& v, int d, int k, const kiv::CallbackN& f) {
  for (int l = 1; l <= d; ++l) v.counter(l) = 0.0;
  v.place_point();
  double sum = 0.0;
  int total = 0;  // sum of the counters
  for (;;) {
    const double fx = f(v.point());
    if (!std::isfinite(fx)) return fx;
    sum += fx;
    if (total < k) {  // step the first counter
      v.counter(1) += 1.0;
      ++total;
      for (int r = 0; r < d; ++r) v.point()[r] += v.edge(1)[r];
      continue;
    }
    // Carry: clear counters from the first until one can be raised.
    int l = 1;
    while (l <= d && v.counter(l) == 0.0) ++l;
    if (l >= d) return sum;  // the last counter holds all k: done
    total -= static_cast<int>(v.counter(l));
    v.counter(l) = 0.0;
    v.counter(l + 1) += 1.0;
    ++total;
    v.place_point();
  }
}

void simplex(int d, double* vertex, int iv1, int iv2, const kiv::CallbackN& f, int* minord,
             int maxord, double* values, double* errest, kiv::Reporter& rep) {
  const auto& m = kMessages;
  if (d < 2) return rep.fail(1, m[0], d);
  if (iv1 < static_cast<long long>(d) + 1) return rep.fail(1, m[1], iv1, d);
  if (iv2 < 2LL * d + 2) return rep.fail(1, m[2], iv2, d);
  if (*minord < 0) return rep.fail(1, m[3], *minord);
  if (maxord <= *minord) return rep.fail(1, m[4], maxord, *minord);

  Vertices v(vertex, d, iv1);
  double measure;
  if (*minord == 0) {
    v.set_edges(1.0);
    double det = 0.0;
    int inner = 1;
    F03AAF(v.edge(1), iv1, d, &det, v.point(), &inner);
    if (inner > 1) {
      v.set_edges(1.0);
      return rep.fail(2, m[5]);
    }
    measure = std::fabs(det);  // a singular matrix gives 0
  } else {
    measure = v.measure();
  }

  const int half_d = d / 2;
  for (int k = *minord; k < maxord; ++k) {
    const int mk = d + 2 * k + 1;
    const double h = 2.0 / mk;
    double q = 0.0;
    if (measure != 0.0) {
      v.set_edges(h);
      const double sum = lattice_sum(v, d, k, f);
      if (!std::isfinite(sum)) {
        *minord = k;  // the orders below k stand in VALUES
        if (k > 0) v.measure() = measure;
        return rep.fail(3, m[6], sum);
      }
      q = std::pow(h, d) * sum * measure;
    }
    // Extrapolation in H = h^2 against the lower orders; the orders below
    // the first (m < d + 1) have no points and count as 0.
    const double hh = h * h;
    double e = q;
    for (int i = 2; i <= half_d + k + 1; ++i) {
      const int j = i - half_d - 1;
      const double p = j >= 1 ? values[j - 1] : 0.0;
      const double mu = (d % 2) + 1 + 2 * (i - 2);
      const double g = (2.0 / mu) * (2.0 / mu);
      e -= hh / (hh - g) * (e - p);
    }
    values[k] = e;
  }
  *errest = maxord >= 2 ? std::fabs(values[maxord - 1] - values[maxord - 2])
                        : std::fabs(values[0]);
  *minord = maxord;
  v.measure() = measure;
}

}  // namespace

extern "C" {

int KIV_CALL D01PAF(int ndim, double* vertex, int iv1, int iv2, kiv2_funn functn,
                    kiv2_adaptern adapter, int* minord, int maxord, double* values,
                    double* errest, void* user1, void* user2, char* record, int* ifail,
                    int record_len) {
  kiv::Reporter rep("D01PAF", record, record_len);
  simplex(ndim, vertex, iv1, iv2, kiv::CallbackN{functn, adapter, ndim, user1, user2}, minord,
          maxord, values, errest, rep);
  return rep.finish(ifail);
}

int KIV_CALL D01PAF_HOST(const int* ndim, double* vertex, const int* iv1, const int* iv2,
                         kiv2_funn functn, int* minord, const int* maxord, double* values,
                         double* errest, void* user1, void* user2, int* ifail) {
  return kiv::host_call(
      "D01PAF", ifail, [&] { POISON_REAL(errest); },
      [&](char* rec) {
        return D01PAF(*ndim, vertex, *iv1, *iv2, functn, &CALLBACK_NDIM_X, minord, *maxord,
                      values, errest, user1, user2, rec, ifail, KIV2_RECORD_LEN);
      });
}

}  // extern "C"
