// Transpose-free QMR (Freund), preconditioned on the right.  The residual of
// the QMR iterate is smoothed along with it, r = s^2 r + c^2 w, so the
// convergence test sees a residual without an extra product.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "sparse/krylov.hpp"

namespace kiv::krylov {
namespace {

template <class T>
class Tfqmr final : public Solver<T> {
 public:
  KIV_KRYLOV_USES_FRAMEWORK(T);

  Tfqmr(Scalars<T>& sc, T* u_, T* v_, const double* w_, T* work_)
      : Solver<T>(sc, u_, v_, w_, work_),
        r_(vec(2)), shadow_(vec(3)), w_(vec(4)), y_(vec(5)), yhat_(vec(6)), v_(vec(7)),
        ay1_(vec(8)), d_(vec(9)),
        rho_(sc.R(kMethodReal)), alpha_(sc.R(kMethodReal + 1)), beta_(sc.R(kMethodReal + 2)),
        eta_(sc.R(kMethodReal + 3)), tau_(sc.D(kMethodReal + 4)),
        theta2_(sc.D(kMethodReal + 5)), rr_saved_(sc.D(kMethodReal + 6)),
        xx_saved_(sc.D(kMethodReal + 7)), restart_(sc.I(kMethodInt)),
        sums_ready_(sc.I(kMethodInt + 1)) {}

  static bool sound(const T* work) { return int_field(work, 27) <= kProductY1; }

 private:
  // y is the current direction (y1, then y2 = y1 - alpha v, then the next
  // y1 = w + beta y2, all in place); yhat is M^-1 y; d is kept as M^-1 d,
  // which is all the iterate needs.
  enum Phase : int {
    kBegin = 0, kStartPrecon, kStartProduct, kPreconY2, kProductY2, kPreconY1, kProductY1,
  };

  T* residual() override { return r_; }
  void residual_renewed() override {
    restart_ = 1;
    sums_ready_ = 0;
  }

  // The test's ||r||^2 and ||x||^2, formed by the last half-step.
  void saved_sums() {
    if (sums_ready_) this->residual_sums(rr_saved_, xx_saved_);
    sums_ready_ = 0;
  }

  const T* yhat() const { return precon ? yhat_ : y_; }

  // Asks for A M^-1 y: the solve first when preconditioned.
  int apply(int at_precon, int at_product) {
    phase = precon ? at_precon : at_product;
    return request(precon ? kPrecondition : kProduct, y_);
  }
  int product_of_solve(int at_product) {
    copy(n, v, yhat_);
    phase = at_product;
    return request(kProduct, yhat_);
  }

  // w -= alpha a, with ||w||^2 and, when SHADOW, (r~0, w), in one pass.
  double update_w(const T* a, bool shadow, T* rho) {
    const T al = alpha_;
    Lanes<double> ww;
    Lanes<T> rw;
    if (shadow) {
      by_lanes(n, [&](int i, int l) {
        w_[i] -= mul(al, a[i]);
        ww[l] += abs2(w_[i]);
        rw[l] += cmul(shadow_[i], w_[i]);
      });
      *rho = rw.sum();
    } else {
      by_lanes(n, [&](int i, int l) {
        w_[i] -= mul(al, a[i]);
        ww[l] += abs2(w_[i]);
      });
    }
    return ww.sum();
  }

  // One half-step after w has been updated (WW = ||w||^2): the rotation of
  // the quasi-residual, then d, the iterate and the smoothed residual in
  // one pass.  LAST: the test follows, so the pass also forms ||r||^2 and
  // ||x||^2.
  void half_step(double ww, bool last) {
    sums_ready_ = 0;
    const T coef = theta2_ * eta_ / alpha_;
    const T* yh = yhat();
    double rr = tau_, c, sn;
    rotg(rr, root_of_squares(ww, n, w_), c, sn);
    if (rr == 0.0) {
      // tau = |w| = 0: nothing left to correct.
      for (int i = 0; i < n; ++i) d_[i] = yh[i] + mul(coef, d_[i]);
      return;
    }
    theta2_ = c != 0.0 ? (sn / c) * (sn / c) : 0.0;
    tau_ *= sn;
    eta_ = c * c * alpha_;
    const T eta = eta_;
    const double s2 = sn * sn, c2 = c * c;
    Lanes<double> rs, xs;
    by_lanes(n, [&](int i, int l) {
      d_[i] = yh[i] + mul(coef, d_[i]);
      x[i] += mul(eta, d_[i]);
      r_[i] = s2 * r_[i] + c2 * w_[i];
      if (last) {
        rs[l] += abs2(r_[i]);
        xs[l] += abs2(x[i]);
      }
    });
    if (last) {
      rr_saved_ = rs.sum();
      xx_saved_ = xs.sum();
      sums_ready_ = 1;
    }
  }

  // The first half of an iteration, up to the product with y2.
  int iterate() {
    count_up(itn);
    const T sigma = dot(n, shadow_, v_);
    if (sigma == T(0.0)) return kStepBreakdown;
    alpha_ = rho_ / sigma;
    half_step(update_w(ay1_, false, nullptr), false);
    // y2 = y1 - alpha v, also to the caller.
    const T al = alpha_;
    for (int i = 0; i < n; ++i) u[i] = y_[i] = y_[i] - mul(al, v_[i]);
    phase = precon ? kPreconY2 : kProductY2;
    return precon ? kPrecondition : kProduct;
  }

  int step() override {
    switch (phase) {
      case kBegin:
        if (!restart_) return iterate();
        copy(n, r_, shadow_);
        copy(n, r_, w_);
        copy(n, r_, y_);
        std::fill(d_, d_ + n, T(0.0));
        tau_ = nrm2(n, r_);
        theta2_ = 0.0;
        eta_ = 0.0;
        rho_ = dot(n, shadow_, r_);
        restart_ = 0;
        return apply(kStartPrecon, kStartProduct);
      case kStartPrecon:
        return product_of_solve(kStartProduct);
      case kStartProduct:
        copy(n, v, ay1_);
        copy(n, v, v_);
        return iterate();
      case kPreconY2:
        return product_of_solve(kProductY2);
      case kProductY2: {
        T rho;
        half_step(update_w(v, true, &rho), true);
        if (rho == T(0.0)) {
          if (tau_ != 0.0) return kStepBreakdown;
          // w = 0: the iterate is exact; let the test see it.
          saved_sums();
          restart_ = 1;
          phase = kBegin;
          return kStepComplete;
        }
        beta_ = rho / rho_;
        rho_ = rho;
        const T beta = beta_;
        for (int i = 0; i < n; ++i) {
          v_[i] = v[i] + mul(beta, v_[i]);
          u[i] = y_[i] = w_[i] + mul(beta, y_[i]);
        }
        phase = precon ? kPreconY1 : kProductY1;
        return precon ? kPrecondition : kProduct;
      }
      case kPreconY1:
        return product_of_solve(kProductY1);
      default: {  // kProductY1
        const T beta = beta_;
        for (int i = 0; i < n; ++i) {
          ay1_[i] = v[i];
          v_[i] = v[i] + mul(beta, v_[i]);
        }
        saved_sums();
        phase = kBegin;
        return kStepComplete;
      }
    }
  }

  T* const r_;
  T* const shadow_;
  T* const w_;
  T* const y_;
  T* const yhat_;
  T* const v_;
  T* const ay1_;
  T* const d_;
  T& rho_;
  T& alpha_;
  T& beta_;
  T& eta_;
  double& tau_;
  double& theta2_;
  double& rr_saved_;
  double& xx_saved_;
  int& restart_;
  int& sums_ready_;
};

}  // namespace

template <class T>
bool tfqmr_sound(const T* work) {
  return Tfqmr<T>::sound(work);
}

template bool tfqmr_sound(const double*);
template bool tfqmr_sound(const Complex*);

template <class T>
int tfqmr_kernel(int code, T* u, T* v, const double* wgt, T* work, int* failure) {
  return run_method<Tfqmr>(code, u, v, wgt, work, failure);
}

template int tfqmr_kernel(int, double*, double*, const double*, double*, int*);
template int tfqmr_kernel(int, Complex*, Complex*, const double*, Complex*, int*);

}  // namespace kiv::krylov
