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
        theta2_(sc.D(kMethodReal + 5)), restart_(sc.I(kMethodInt)) {}

  static bool sound(Scalars<T>& sc) { return sc.I(27) <= kProductY1; }

 private:
  // y is the current direction (y1, then y2 = y1 - alpha v, then the next
  // y1 = w + beta y2, all in place); yhat is M^-1 y; d is kept as M^-1 d,
  // which is all the iterate needs.
  enum Phase : int {
    kBegin = 0, kStartPrecon, kStartProduct, kPreconY2, kProductY2, kPreconY1, kProductY1,
  };

  T* residual() override { return r_; }
  void residual_renewed() override { restart_ = 1; }

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

  // One half-step after w has been updated: the rotation of the
  // quasi-residual, the iterate and the smoothed residual.
  void half_step() {
    const T coef = theta2_ * eta_ / alpha_;
    const T* yh = yhat();
    for (int i = 0; i < n; ++i) d_[i] = yh[i] + coef * d_[i];
    double rr = tau_, c, sn;
    rotg(rr, nrm2(n, w_), c, sn);
    if (rr == 0.0) return;  // tau = |w| = 0: nothing left to correct
    theta2_ = c != 0.0 ? (sn / c) * (sn / c) : 0.0;
    tau_ *= sn;
    eta_ = c * c * alpha_;
    axpy(n, eta_, d_, x);
    const double s2 = sn * sn, c2 = c * c;
    for (int i = 0; i < n; ++i) r_[i] = s2 * r_[i] + c2 * w_[i];
  }

  // The first half of an iteration, up to the product with y2.
  int iterate() {
    count_up(itn);
    const T sigma = dot(n, shadow_, v_);
    if (sigma == T(0.0)) return kStepBreakdown;
    alpha_ = rho_ / sigma;
    axpy(n, -alpha_, ay1_, w_);
    half_step();
    axpy(n, -alpha_, v_, y_);
    return apply(kPreconY2, kProductY2);
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
        axpy(n, -alpha_, v, w_);
        half_step();
        const T rho = dot(n, shadow_, w_);
        if (rho == T(0.0)) {
          if (tau_ != 0.0) return kStepBreakdown;
          // w = 0: the iterate is exact; let the test see it.
          restart_ = 1;
          phase = kBegin;
          return kStepComplete;
        }
        beta_ = rho / rho_;
        rho_ = rho;
        for (int i = 0; i < n; ++i) {
          v_[i] = v[i] + beta_ * v_[i];
          y_[i] = w_[i] + beta_ * y_[i];
        }
        return apply(kPreconY1, kProductY1);
      }
      case kPreconY1:
        return product_of_solve(kProductY1);
      default:  // kProductY1
        copy(n, v, ay1_);
        for (int i = 0; i < n; ++i) v_[i] = v[i] + beta_ * v_[i];
        phase = kBegin;
        return kStepComplete;
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
  int& restart_;
};

}  // namespace

template <class T>
bool tfqmr_sound(Scalars<T>& s) {
  return Tfqmr<T>::sound(s);
}

template bool tfqmr_sound(Scalars<double>&);
template bool tfqmr_sound(Scalars<Complex>&);

template <class T>
int tfqmr_kernel(int code, T* u, T* v, const double* wgt, T* work, int* failure) {
  return run_method<Tfqmr>(code, u, v, wgt, work, failure);
}

template int tfqmr_kernel(int, double*, double*, const double*, double*, int*);
template int tfqmr_kernel(int, Complex*, Complex*, const double*, Complex*, int*);

}  // namespace kiv::krylov
