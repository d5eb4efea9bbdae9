// Conjugate gradient squared (Sonneveld), preconditioned on the right: the
// iteration runs on A M^-1, and the iterate takes the preconditioned
// corrections.
#include "sparse/krylov.hpp"

namespace kiv::krylov {
namespace {

template <class T>
class Cgs final : public Solver<T> {
 public:
  KIV_KRYLOV_USES_FRAMEWORK(T);

  Cgs(Scalars<T>& sc, T* u_, T* v_, const double* w_, T* work_)
      : Solver<T>(sc, u_, v_, w_, work_),
        r_(vec(2)), shadow_(vec(3)), u_(vec(4)), p_(vec(5)), q_(vec(6)),
        rho_(sc.R(kMethodReal)), rho_old_(sc.R(kMethodReal + 1)),
        alpha_(sc.R(kMethodReal + 2)), restart_(sc.I(kMethodInt)) {}

  static bool sound(Scalars<T>& sc) { return sc.I(27) <= kProductUq; }

 private:
  enum Phase : int { kBegin = 0, kPreconP, kProductP, kPreconUq, kProductUq };

  T* residual() override { return r_; }

  // The shadow vector follows every new residual, and the recurrences start
  // again from it.
  void residual_renewed() override {
    copy(n, r_, shadow_);
    restart_ = 1;
  }

  int step() override {
    switch (phase) {
      case kBegin: {
        count_up(itn);
        const T rho = dot(n, shadow_, r_);
        if (rho == T(0.0)) return kStepBreakdown;
        if (restart_) {
          copy(n, r_, u_);
          copy(n, r_, p_);
          restart_ = 0;
        } else {
          const T beta = rho / rho_old_;
          for (int i = 0; i < n; ++i) {
            u_[i] = r_[i] + beta * q_[i];
            p_[i] = u_[i] + beta * (q_[i] + beta * p_[i]);
          }
        }
        rho_ = rho;
        phase = precon ? kPreconP : kProductP;
        return request(precon ? kPrecondition : kProduct, p_);
      }
      case kPreconP:
        phase = kProductP;
        return request(kProduct, v);
      case kProductP: {
        const T sigma = dot(n, shadow_, v);
        if (sigma == T(0.0)) return kStepBreakdown;
        alpha_ = rho_ / sigma;
        // q = u - alpha A p, then u becomes u + q.
        for (int i = 0; i < n; ++i) {
          q_[i] = u_[i] - alpha_ * v[i];
          u_[i] += q_[i];
        }
        phase = precon ? kPreconUq : kProductUq;
        return request(precon ? kPrecondition : kProduct, u_);
      }
      case kPreconUq:
        copy(n, v, u_);  // M^-1 (u + q): u + q itself is not needed again
        phase = kProductUq;
        return request(kProduct, u_);
      default:
        // x and r move together, so a stop between requests finds them
        // matching.
        axpy(n, alpha_, u_, x);
        axpy(n, -alpha_, v, r_);
        rho_old_ = rho_;
        phase = kBegin;
        return kStepComplete;
    }
  }

  T* const r_;
  T* const shadow_;
  T* const u_;
  T* const p_;
  T* const q_;
  T& rho_;
  T& rho_old_;
  T& alpha_;
  int& restart_;
};

}  // namespace

template <class T>
bool cgs_sound(Scalars<T>& s) {
  return Cgs<T>::sound(s);
}

template bool cgs_sound(Scalars<double>&);
template bool cgs_sound(Scalars<Complex>&);

template <class T>
int cgs_kernel(int code, T* u, T* v, const double* wgt, T* work, int* failure) {
  return run_method<Cgs>(code, u, v, wgt, work, failure);
}

template int cgs_kernel(int, double*, double*, const double*, double*, int*);
template int cgs_kernel(int, Complex*, Complex*, const double*, Complex*, int*);

}  // namespace kiv::krylov
