// Integral over the ball of radius R in 2 to 4 dimensions: a product
// trapezoidal (lattice) rule in variables where the radius is mapped
// double-exponentially onto [0, R], taken shell by shell, the step halved
// after each pass until two passes agree.
#include <cmath>

#include "frame/callback.hpp"
#include "frame/constants.hpp"
#include "frame/errors.hpp"
#include "frame/wrappers.hpp"
#include "quadrature/quadrature.hpp"
#include "special/special.hpp"

namespace {

constexpr kiv::Messages kMessages{
    " ** On entry, NDIM .gt. 4: NDIM =%16ld.",
    " ** On entry, NDIM .lt. 2: NDIM =%16ld.",
    " ** On entry, METHOD .lt. 0: METHOD =%16ld.",
    " ** On entry, METHOD .gt. 6: METHOD =%16ld.",
    " ** On entry, ICOORD .lt. 0: ICOORD =%16ld.",
    " ** On entry, ICOORD .gt. 2: ICOORD =%16ld.",
    " ** On entry, METHOD .ne. 3 or 4, but ICOORD .eq. 2:\n    METHOD =%16ld.",
    " ** On entry, METHOD .eq. 3, but ICOORD .ne. 2: ICOORD =%16ld.",
    " ** On entry, METHOD .eq. 4, but ICOORD .ne. 2: ICOORD =%16ld.",
    " ** On entry, RADIUS .lt. 0.0: RADIUS =%12.4e.",
    " ** The required accuracy could not be achieved.\n    Try setting METHOD .eq. 3 or 4.",
    " ** The required accuracy could not be achieved.",
    " ** The function returned a value that is not finite:\n    F =%12.4e.",
};

constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = 1.5707963267948966;

// Initial steps and halvings by accuracy class (1, 2) and NDIM (2, 3, 4).
constexpr double kInitialStep[2][3] = {{1.0, 1.0, 1.6}, {1.0, 1.42, 1.42}};
constexpr int kHalvings[2][3] = {{6, 4, 4}, {6, 5, 4}};
// Terms beyond this share of the truncation point of the transformed radius
// count as its edge.
constexpr double kEdge = 0.95;
// The initial step is the tabulated one times this share of the truncated
// range of the lattice radius.
constexpr double kStepShare = 0.25;

// tanh(x) and sech^2(x) without overflow, and 1 - tanh(x), 1 + tanh(x)
// without cancellation.
struct Hyperbolic {
  double tanh, sech2, one_minus, one_plus;
  explicit Hyperbolic(double x) {
    const double e = std::exp(-2.0 * std::fabs(x));  // in (0, 1]
    const double t = (1.0 - e) / (1.0 + e);
    sech2 = 4.0 * e / ((1.0 + e) * (1.0 + e));
    tanh = std::copysign(t, x);
    const double small = 2.0 * e / (1.0 + e);  // 1 - |tanh|
    one_minus = x >= 0 ? small : 1.0 + t;
    one_plus = x >= 0 ? 1.0 + t : small;
  }
};

// The radial map of one method: lattice radius tau0 -> radius rho of the
// ball, and the weight |d rho / d tau0| (rho / tau0)^(n-1).
class RadialMap {
 public:
  RadialMap(int method, int n, double radius) : method_(method), n_(n), radius_(radius) {
    const double eps = kiv::kEps, tiny = kiv::kSafeMin;
    q_ = 1.0;
    double t;
    if (method <= 2) {
      t = std::asinh(std::log(2.0 / eps) / kPi);
    } else if (method <= 4) {
      t = std::asinh(std::log(2.0 / (1000.0 * tiny)) / kPi);
    } else {
      t = std::asinh(-std::log(eps) / kPi);
      c_ = method == 5 ? 1.0 - 0.5 / t : 2.0 * t - 1.0;
      low_ = std::asinh(std::log(tiny) / (n * kPi));
    }
    if (method == 1 || method == 3) q_ = n == 4 ? 3.0 : 5.0;
    upper_tau_ = t;
    // The lattice radius where tau reaches t: the truncation point.
    if (method == 1 || method == 3) {
      const double s = q_ / (2.0 * t);
      upper_ = std::sqrt(s * s + 1.0) - s;
    } else if (method == 2 || method == 4) {
      upper_ = t;
    } else {
      upper_ = solve(t);
      lower_ = solve(low_);
    }
    if (boundary_at_origin()) upper_ = std::pow(upper_, 1.0 / n);
  }

  // Truncation points of the lattice radius: shells between them count.
  double upper() const { return upper_; }
  double lower() const { return lower_; }
  // Lattice radius S lies near the truncation point, where the weights of
  // a bounded integrand are at the level of the machine precision.
  bool at_edge(double s) const {
    double d;
    return transform(boundary_at_origin() ? std::pow(s, n_) : s, &d) > kEdge * upper_tau_;
  }
  // The boundary of the ball sits at the lattice origin (methods 3, 4).
  bool boundary_at_origin() const { return method_ == 3 || method_ == 4; }

  // Radius of the mapped point at lattice radius S and its weight.  With
  // the boundary at the origin (methods 3, 4) the map takes tau0 = S^n, so
  // that the weight stays finite there: d rho/dS (rho/S)^(n-1) becomes
  // n |d rho/d tau0| rho^(n-1).
  void map(double s, double* rho, double* weight) const {
    const double tau0 = boundary_at_origin() ? std::pow(s, n_) : s;
    double dtau;
    const double tau = transform(tau0, &dtau);
    const double x = kHalfPi * std::sinh(tau);
    const double dx = kHalfPi * std::cosh(tau) * dtau;
    const Hyperbolic hy(x);
    double drho;
    if (method_ <= 2) {
      *rho = radius_ * hy.tanh;
      drho = radius_ * hy.sech2 * dx;
    } else if (method_ <= 4) {
      *rho = radius_ * hy.one_minus;
      drho = radius_ * hy.sech2 * dx;
    } else {
      *rho = 0.5 * radius_ * hy.one_plus;
      drho = 0.5 * radius_ * hy.sech2 * dx;
    }
    *weight = boundary_at_origin() ? n_ * std::fabs(drho) * std::pow(*rho, n_ - 1)
                                   : std::fabs(drho) * std::pow(*rho / s, n_ - 1);
  }

  // Weight of the lattice origin, the limit of the formula: it maps to the
  // centre for methods 1 and 2 (rho'(0)^n) and to the sphere for methods 3
  // and 4 (n rho'(0) R^(n-1)); methods 5 and 6 give it nothing.
  double origin_weight() const {
    const double slope = radius_ * kHalfPi * q_;  // |d rho / d tau0| at 0
    if (method_ <= 2) return std::pow(slope, n_);
    if (method_ <= 4) return n_ * slope * std::pow(radius_, n_ - 1);
    return 0.0;
  }

 private:
  double transform(double tau0, double* dtau) const {
    switch (method_) {
      case 1:
      case 3: {
        const double u = 1.0 - tau0 * tau0;
        *dtau = q_ * (1.0 + tau0 * tau0) / (u * u);
        return q_ * tau0 / u;
      }
      case 5: {
        const double g = tau0 * (1.0 - tau0);
        *dtau = (g - (tau0 - 0.5 * c_) * (1.0 - 2.0 * tau0)) / (g * g);
        return (tau0 - 0.5 * c_) / g;
      }
      case 6:
        *dtau = 1.0 + 0.5 * c_ / (tau0 * tau0);
        return tau0 + 1.0 - 0.5 * c_ - 0.5 * c_ / tau0;
      default:
        *dtau = 1.0;
        return tau0;
    }
  }

  // The lattice radius where the increasing map reaches TAU (methods 5, 6).
  double solve(double tau) const {
    double lo = 0.0, hi = 1.0, d;
    if (method_ == 6)
      while (transform(hi, &d) < tau) hi *= 2.0;
    for (int i = 0; i < 200 && hi - lo > 4.0 * kiv::kEps * hi; ++i) {
      const double mid = 0.5 * (lo + hi);
      (transform(mid, &d) < tau ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
  }

  int method_, n_;
  double radius_;
  double q_ = 1.0, c_ = 0.0, low_ = 0.0;
  double upper_tau_ = 0.0, upper_ = 0.0, lower_ = 0.0;
};

// Polar coordinates of the Cartesian point X (radius RHO > 0): radius,
// then angles from the inverse cosine of each coordinate over the radius
// and the sines of the angles already found.
void to_polar(int n, const double* x, double rho, double* polar) {
  polar[0] = rho;
  double scale = rho;
  bool flat = false;  // an angle of 0 or pi: the rest are 0
  for (int i = 0; i < n - 1; ++i) {
    if (flat) {
      polar[i + 1] = 0.0;
      continue;
    }
    const double q = scale > 0.0 ? x[i] / scale : 1.0;
    double angle;
    if (q >= 1.0) {
      angle = 0.0, flat = true;
    } else if (q <= -1.0) {
      angle = kPi, flat = true;
    } else {
      int ifail = 1;
      angle = S09ABF(q, nullptr, &ifail, 0);
      scale *= std::sin(angle);
    }
    polar[i + 1] = angle;
  }
  if (!flat && x[n - 1] < 0.0) polar[n - 1] = 2.0 * kPi - polar[n - 1];
}

// Compensated (Neumaier) sum: a pass adds up to millions of terms.
class Sum {
 public:
  void add(double v) {
    const double t = sum_ + v;
    carry_ += std::fabs(sum_) >= std::fabs(v) ? (sum_ - t) + v : (v - t) + sum_;
    sum_ = t;
  }
  double value() const { return sum_ + carry_; }

 private:
  double sum_ = 0.0, carry_ = 0.0;
};

struct Outcome {
  double result = 0.0, errest = 0.0;
  int nfun = 0;
};

void ball(const kiv::CallbackN& f, int n, double radius, double absacc, double relacc,
          int method, int icoord, Outcome& out, kiv::Reporter& rep) {
  const auto& m = kMessages;
  if (n > 4) return rep.fail(4, m[0], n);
  if (n < 2) return rep.fail(4, m[1], n);
  if (method < 0) return rep.fail(4, m[2], method);
  if (method > 6) return rep.fail(4, m[3], method);
  if (icoord < 0) return rep.fail(4, m[4], icoord);
  if (icoord > 2) return rep.fail(4, m[5], icoord);
  if (method == 3 && icoord != 2) return rep.fail(4, m[7], icoord);
  if (method == 4 && icoord != 2) return rep.fail(4, m[8], icoord);
  if (method != 3 && method != 4 && icoord == 2) return rep.fail(4, m[6], method);
  if (!(radius >= 0.0)) return rep.fail(4, m[9], radius);
  if (radius == 0.0) return;

  const double tol_abs = std::fabs(absacc);
  const double tol_rel = std::fmax(std::fabs(relacc), 10.0 * kiv::kEps);
  const int cls = tol_rel > 1.0e-6 ? 0 : 1;
  if (method == 0) method = cls == 0 ? 1 : 2;
  const RadialMap map(method, n, radius);
  const double h0 = kInitialStep[cls][n - 2] * kStepShare * map.upper();
  const int halvings = kHalvings[cls][n - 2];

  double point[kiv::quadrature::kMaxDim], polar[kiv::quadrature::kMaxDim];
  bool bad = false;
  double bad_value = 0.0;
  auto evaluate = [&](const double* p) {
    const double v = f(p);
    ++out.nfun;
    if (!std::isfinite(v) && !bad) bad = true, bad_value = v;
    return v;
  };
  const bool polar_form = icoord != 0;

  double estimate = 0.0, previous_err = 0.0;
  bool truncated = false;
  for (int pass = 0; pass <= halvings; ++pass) {
    const double h = std::ldexp(h0, -pass);
    const double hn = std::pow(h, n);
    Sum sum;
    double size = 0.0, edge = 0.0;  // edge: the terms near the truncation point
    if (pass == 0 && map.origin_weight() != 0.0) {
      for (int i = 0; i < n; ++i) point[i] = polar[i] = 0.0;
      if (map.boundary_at_origin()) polar[0] = radius;
      const double term = evaluate(polar_form ? polar : point) * map.origin_weight();
      sum.add(term);
      size += std::fabs(term);
    }
    // Shells inside the truncated range; on later passes only the points
    // that the halving added (some coordinate odd).
    const double reach = map.upper() / h;
    const long shells = static_cast<long>(reach * reach);
    for (long s = 1; s <= shells && !bad; ++s) {
      const double tau0 = h * std::sqrt(static_cast<double>(s));
      if (tau0 >= map.upper() || tau0 <= map.lower()) continue;
      // The map is evaluated once per shell, and only for a shell that has
      // new points: many have none.
      bool mapped = false, at_edge = false;
      double rho = 0.0, weight = 0.0, scale = 0.0;
      kiv::quadrature::decompositions(n, s, [&](const auto& parts) {
        bool odd = pass == 0;
        for (int i = 0; i < n && !odd; ++i) odd = parts[i] % 2 != 0;
        if (!odd || bad) return;
        if (!mapped) {
          map.map(tau0, &rho, &weight);
          scale = rho / std::sqrt(static_cast<double>(s));
          at_edge = map.at_edge(tau0);
          mapped = true;
        }
        kiv::quadrature::shell_of(n, parts, [&](const auto& z) {
          for (int i = 0; i < n; ++i) point[i] = scale * static_cast<double>(z[i]);
          if (polar_form) to_polar(n, point, rho, polar);
          const double term = evaluate(polar_form ? polar : point) * weight;
          sum.add(term);
          size += std::fabs(term);
          if (at_edge) edge += std::fabs(term);
        });
      });
    }
    if (bad) {
      out.result = estimate;
      return rep.fail(5, m[12], bad_value);
    }
    const double next = (pass == 0 ? 0.0 : estimate / std::pow(2.0, n)) + hn * sum.value();
    // Rounding, and the mass near the truncation point (what lies beyond it
    // is of that order).
    const double rounding = std::fmax(10.0 * kiv::kEps * hn * size, hn * edge);
    if (pass == 0) {
      estimate = next;
      continue;
    }
    const double err = std::fmax(std::fabs(next - estimate), rounding);
    const double goal = std::fmax(tol_abs, tol_rel * std::fabs(next));
    // Mass left at the truncation point: the integrand does not fall off
    // toward the boundary, where methods 3 and 4 take their finest points.
    truncated = !map.boundary_at_origin() && hn * edge > goal;
    // An estimate that overflowed never converges, whatever the tolerance.
    if (std::isfinite(next) && err <= goal) {
      out.result = next;
      out.errest = std::fmax(err, 10.0 * kiv::kEps * std::fabs(next));
      if (out.errest > std::fmax(tol_abs, std::fabs(relacc * next))) rep.fail(2, m[11]);
      return;
    }
    // The error estimate has stopped falling: more passes will not help.
    if (pass >= 2 && err >= 0.999 * previous_err && err <= 1.001 * previous_err) {
      out.result = estimate;
      out.errest = previous_err;
      return truncated ? rep.fail(3, m[10]) : rep.fail(2, m[11]);
    }
    estimate = next;
    previous_err = err;
    out.result = estimate;
    out.errest = err;
  }
  truncated ? rep.fail(3, m[10]) : rep.fail(1, m[11]);
}

}  // namespace

extern "C" {

int KIV_CALL D01JAF(kiv2_funn f, kiv2_adaptern adapter, int ndim, double radius, double absacc,
                    double relacc, int method, int icoord, double* result, double* errest,
                    int* nfun, void* user1, void* user2, char* record, int* ifail,
                    int record_len) {
  kiv::Reporter rep("D01JAF", record, record_len);
  Outcome out;
  *result = *errest = 0.0;
  *nfun = 0;
  ball(kiv::CallbackN{f, adapter, ndim, user1, user2}, ndim, radius, absacc, relacc, method,
       icoord, out, rep);
  *result = out.result;
  *errest = out.errest;
  *nfun = out.nfun;
  return rep.finish(ifail);
}

int KIV_CALL D01JAF_HOST(kiv2_funn f, const int* ndim, const double* radius,
                         const double* absacc, const double* relacc, const int* method,
                         const int* icoord, double* result, double* errest, int* nfun,
                         void* user1, void* user2, int* ifail) {
  return kiv::host_call(
      "D01JAF", ifail,
      [&] {
        POISON_REAL(result);
        POISON_REAL(errest);
        POISON_INTEGER(nfun);
      },
      [&](char* rec) {
        return D01JAF(f, &CALLBACK_NDIM_X, *ndim, *radius, *absacc, *relacc, *method, *icoord,
                      result, errest, nfun, user1, user2, rec, ifail, KIV2_RECORD_LEN);
      });
}

}  // extern "C"
