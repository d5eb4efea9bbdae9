// The preconditioned conjugate gradient method of Hestenes and Stiefel, for
// Hermitian positive-definite A and M.  Each iteration costs one product,
// one solve and four passes over the vectors: (r, z), the new direction
// (written to the caller's U as well), (p, A p), and x, r with their norms
// (r written to U as well, for the next solve).
#include "sparse/krylov.hpp"

namespace kiv::krylov {
namespace {

template <class T>
class Cg final : public Solver<T> {
 public:
  KIV_KRYLOV_USES_FRAMEWORK(T);

  Cg(Scalars<T>& sc, T* u_, T* v_, const double* w_, T* work_)
      : Solver<T>(sc, u_, v_, w_, work_),
        r_(vec(2)), p_(vec(3)),
        have_p_(sc.I(kMethodInt)), sums_ready_(sc.I(kMethodInt + 1)),
        rho_(sc.D(kSymmetric.method_real)), alpha_(sc.D(kSymmetric.method_real + 1)),
        beta_(sc.D(kSymmetric.method_real + 2)), rho_next_(sc.D(kSymmetric.method_real + 3)) {}

  static bool sound(const T* work) { return int_field(work, 27) <= kAfterProduct; }

 private:
  enum Phase : int { kBegin = 0, kAfterPrecon, kAfterProduct };

  T* residual() override { return r_; }

  // A replaced residual keeps the direction (the recurrences go on from the
  // true residual); only (r, r) formed from the old one is stale.
  void residual_renewed() override { sums_ready_ = 0; }

  int step() override {
    switch (phase) {
      case kBegin: {
        count_up(itn);
        if (precon) {
          // The last update left r in U unless a request came since.
          phase = kAfterPrecon;
          if (this->u_from_step()) return kPrecondition;
          return request(kPrecondition, r_);
        }
        const double rho = sums_ready_ ? rho_next_ : re(dot(n, r_, r_));
        sums_ready_ = 0;
        return direction(r_, rho);
      }
      case kAfterPrecon:
        return direction(v, re(dot(n, r_, v)));
      default:
        return update();
    }
  }

  // p = z + beta p with rho = (r, z), and the request A p.
  int direction(const T* z, double rho) {
    if (!(rho > 0.0)) {
      // A zero recurrence residual has nothing left to give: the test then
      // judges the iterate by its true residual.
      if (rho == 0.0 && re(dot(n, r_, r_)) == 0.0) {
        phase = kBegin;
        return kStepComplete;
      }
      return kStepPreconIndefinite;
    }
    const double beta = have_p_ ? rho / rho_ : 0.0;
    for (int i = 0; i < n; ++i) u[i] = p_[i] = z[i] + beta * p_[i];
    beta_ = beta;
    rho_ = rho;
    have_p_ = 1;
    phase = kAfterProduct;
    return kProduct;
  }

  // alpha = rho / (p, A p); x += alpha p and r -= alpha A p in one pass that
  // also forms ||r||^2 and ||x||^2 for the test.
  int update() {
    const double curvature = re(dot(n, p_, v));
    if (curvature == 0.0) return kStepMatrixIndefinite;
    const double alpha = rho_ / curvature;
    // Row ITN of the Lanczos matrix CG implies: T(k,k) = 1/alpha_k +
    // beta_{k-1}/alpha_{k-1}, T(k-1,k)^2 = beta_{k-1}/alpha_{k-1}^2.
    const double carry = beta_ != 0.0 ? beta_ / alpha_ : 0.0;
    this->record_lanczos(itn, 1.0 / alpha + carry, beta_ != 0.0 ? carry / alpha_ : 0.0);
    alpha_ = alpha;
    Lanes<double> rr, xx;
    if (precon) {
      // r goes to U as well, for the solve the next step asks for.
      by_lanes(n, [&](int i, int l) {
        x[i] += alpha * p_[i];
        u[i] = r_[i] -= alpha * v[i];
        rr[l] += abs2(r_[i]);
        xx[l] += abs2(x[i]);
      });
    } else {
      by_lanes(n, [&](int i, int l) {
        x[i] += alpha * p_[i];
        r_[i] -= alpha * v[i];
        rr[l] += abs2(r_[i]);
        xx[l] += abs2(x[i]);
      });
    }
    rho_next_ = rr.sum();
    sums_ready_ = !precon;
    this->residual_sums(rr.sum(), xx.sum());
    phase = kBegin;
    return kStepComplete;
  }

  T* const r_;
  T* const p_;
  int& have_p_;
  int& sums_ready_;
  double& rho_;
  double& alpha_;
  double& beta_;
  double& rho_next_;
};

}  // namespace

template <class T>
bool cg_sound(const T* work) {
  return Cg<T>::sound(work);
}

template bool cg_sound(const double*);
template bool cg_sound(const Complex*);

template <class T>
int cg_kernel(int code, T* u, T* v, const double* wgt, T* work, int* failure) {
  return run_method<Cg>(code, u, v, wgt, work, failure, kSymmetric);
}

template int cg_kernel(int, double*, double*, const double*, double*, int*);
template int cg_kernel(int, Complex*, Complex*, const double*, Complex*, int*);

}  // namespace kiv::krylov
