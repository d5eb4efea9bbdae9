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
        alpha_(sc.R(kMethodReal + 2)), rho_next_(sc.R(kMethodReal + 3)),
        restart_(sc.I(kMethodInt)), sums_ready_(sc.I(kMethodInt + 1)) {}

  static bool sound(const T* work) { return int_field(work, 27) <= kProductUq; }

 private:
  enum Phase : int { kBegin = 0, kPreconP, kProductP, kPreconUq, kProductUq };

  T* residual() override { return r_; }

  // The shadow vector follows every new residual, and the recurrences start
  // again from it.
  void residual_renewed() override {
    copy(n, r_, shadow_);
    restart_ = 1;
    sums_ready_ = 0;
  }

  // Asks for A M^-1 y, the vector already in U.
  int apply(int at_precon, int at_product) {
    phase = precon ? at_precon : at_product;
    return precon ? kPrecondition : kProduct;
  }

  int step() override {
    switch (phase) {
      case kBegin: {
        count_up(itn);
        // (r~0, r) comes from the last update of r when it formed it.
        const T rho = sums_ready_ ? rho_next_ : dot(n, shadow_, r_);
        sums_ready_ = 0;
        if (rho == T(0.0)) return kStepBreakdown;
        // u and p, and p to the caller, in one pass.
        if (restart_) {
          for (int i = 0; i < n; ++i) u[i] = p_[i] = u_[i] = r_[i];
          restart_ = 0;
        } else {
          const T beta = rho / rho_old_;
          for (int i = 0; i < n; ++i) {
            u_[i] = r_[i] + mul(beta, q_[i]);
            u[i] = p_[i] = u_[i] + mul(beta, q_[i] + mul(beta, p_[i]));
          }
        }
        rho_ = rho;
        return apply(kPreconP, kProductP);
      }
      case kPreconP:
        phase = kProductP;
        return request(kProduct, v);
      case kProductP: {
        const T sigma = dot(n, shadow_, v);
        if (sigma == T(0.0)) return kStepBreakdown;
        alpha_ = rho_ / sigma;
        // q = u - alpha A p, then u becomes u + q (also to the caller).
        const T a = alpha_;
        for (int i = 0; i < n; ++i) {
          q_[i] = u_[i] - mul(a, v[i]);
          u[i] = u_[i] += q_[i];
        }
        return apply(kPreconUq, kProductUq);
      }
      case kPreconUq:
        // M^-1 (u + q): u + q itself is not needed again.
        for (int i = 0; i < n; ++i) u[i] = u_[i] = v[i];
        phase = kProductUq;
        return kProduct;
      default: {
        // x and r move together, so a stop between requests finds them
        // matching; the same pass forms (r~0, r) for the next step and the
        // test's ||r||^2 and ||x||^2.
        const T a = alpha_;
        Lanes<T> rho;
        Lanes<double> rr, xx;
        by_lanes(n, [&](int i, int l) {
          x[i] += mul(a, u_[i]);
          r_[i] -= mul(a, v[i]);
          rho[l] += cmul(shadow_[i], r_[i]);
          rr[l] += abs2(r_[i]);
          xx[l] += abs2(x[i]);
        });
        rho_next_ = rho.sum();
        sums_ready_ = 1;
        this->residual_sums(rr.sum(), xx.sum());
        rho_old_ = rho_;
        phase = kBegin;
        return kStepComplete;
      }
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
  T& rho_next_;
  int& restart_;
  int& sums_ready_;
};

}  // namespace

template <class T>
bool cgs_sound(const T* work) {
  return Cgs<T>::sound(work);
}

template bool cgs_sound(const double*);
template bool cgs_sound(const Complex*);

template <class T>
int cgs_kernel(int code, T* u, T* v, const double* wgt, T* work, int* failure) {
  return run_method<Cgs>(code, u, v, wgt, work, failure);
}

template int cgs_kernel(int, double*, double*, const double*, double*, int*);
template int cgs_kernel(int, Complex*, Complex*, const double*, Complex*, int*);

}  // namespace kiv::krylov
