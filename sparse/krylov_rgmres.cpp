// Restarted GMRES, preconditioned on the left: Arnoldi with modified
// Gram-Schmidt on M^-1 A, the Hessenberg matrix reduced by Givens rotations
// as it grows, the correction from a triangular solve at the end of a cycle.
//
// Vectors: x, b, the basis v_1 .. v_{m+1} (v_1's slot holds the residual
// between cycles).  After them: H ((m+1) x m), the rotations c and s, the
// rotated right side g (m+1) and the coefficients y (m).
#include <algorithm>
#include <cmath>

#include "frame/constants.hpp"
#include "sparse/krylov.hpp"

namespace kiv::krylov {
namespace {

template <class T>
class Rgmres final : public Solver<T> {
 public:
  KIV_KRYLOV_USES_FRAMEWORK(T);

  Rgmres(Scalars<T>& sc, T* u_, T* v_, const double* w_, T* work_)
      : Solver<T>(sc, u_, v_, w_, work_),
        m_(sc.I(kM)),
        basis_(vec(2)),
        h_(vec(m_ + 3)),
        c_(h_ + (m_ + 1) * m_),
        s_(c_ + m_),
        g_(s_ + m_),
        y_(g_ + m_ + 1),
        k_(sc.I(kMethodInt)),
        cycles_(sc.I(kMethodInt + 1)),
        estimate_sigma_(sc.I(kMethodInt + 2)),
        maxcol_(sc.D(kMethodReal)),
        invbound_(sc.D(kMethodReal + 1)),
        est_(sc.D(kMethodReal + 2)),
        xnorm_cycle_(sc.D(kMethodReal + 3)) {}

  // Within a cycle the next basis vector, k_ + 1, must exist.
  static bool sound(Scalars<T>& sc) {
    const int phase = sc.I(27), k = sc.I(kMethodInt), cycles = sc.I(kMethodInt + 1);
    const int m = sc.I(kM);
    const bool mid_cycle = phase == kAwaitProduct || phase == kPreconW;
    return phase <= kPreconW && k >= 0 && k <= (mid_cycle ? m - 1 : m) && cycles >= 0 &&
           cycles <= sc.I(kItn);
  }

 private:
  enum Phase : int { kBegin = 0, kPreconR, kAwaitProduct, kPreconW };

  T* basis(int i) { return basis_ + static_cast<long>(i) * n; }  // v_{i+1}
  T& hh(int i, int j) { return h_[i + static_cast<long>(j) * (m_ + 1)]; }

  T* residual() override { return basis_; }
  int monitor_count() override { return cycles_; }
  bool gmres_test() const override { return true; }
  double gmres_estimate() const override { return est_; }
  void residual_renewed() override {
    if (itn == 0) {
      cycles_ = 0;
      estimate_sigma_ = iterm == 2 && this->sigmax <= 0.0;
    }
  }

  int step() override {
    switch (phase) {
      case kBegin:
        if (precon) {
          phase = kPreconR;
          return request(kPrecondition, basis_);
        }
        return begin_cycle();
      case kPreconR:
        copy(n, v, basis_);
        return begin_cycle();
      case kAwaitProduct:
        if (precon) {
          phase = kPreconW;
          return request(kPrecondition, v);
        }
        copy(n, v, basis(k_ + 1));
        return arnoldi();
      default:  // kPreconW
        copy(n, v, basis(k_ + 1));
        return arnoldi();
    }
  }

  int begin_cycle() {
    const double beta = nrm2(n, basis_);
    // A zero preconditioned residual whose true residual failed the test:
    // nothing can be gained.
    if (beta == 0.0) return kStepBreakdown;
    scal(n, 1.0 / beta, basis_);
    std::fill(g_, g_ + m_ + 1, T(0.0));
    g_[0] = beta;
    k_ = 0;
    maxcol_ = invbound_ = 0.0;
    xnorm_cycle_ = nrm2(n, x);
    return next_product();
  }

  int next_product() {
    count_up(itn);
    phase = kAwaitProduct;
    return request(kProduct, basis(k_));
  }

  // Step k_ + 1 of the cycle: w = M^-1 A v_{k+1} is in basis(k_ + 1).
  int arnoldi() {
    const int k = k_;
    T* w = basis(k + 1);
    for (int i = 0; i <= k; ++i) {
      const T h = dot(n, basis(i), w);
      hh(i, k) = h;
      axpy(n, -h, basis(i), w);
    }
    const double sub = nrm2(n, w);
    for (int i = 0; i < k; ++i) rot(hh(i, k), hh(i + 1, k), re(c_[i]), s_[i]);
    T diag = hh(k, k);
    double c;
    T s;
    rotg(diag, T(sub), c, s);

    // Condition of R with the new column: reject the step when it is too
    // ill-conditioned to trust.
    double col = std::abs(diag);
    for (int i = 0; i < k; ++i) col += std::abs(hh(i, k));
    const double maxcol = std::max(maxcol_, col);
    const double invbound = std::max(invbound_, diag == T(0.0) ? HUGE_VAL : 1.0 / std::abs(diag));
    const double eps_n = std::sqrt(kEps) * std::min(std::sqrt(static_cast<double>(n)), 10.0);
    if (1.0 / (maxcol * invbound) <= eps_n) {
      --itn;
      return end_cycle();
    }
    maxcol_ = maxcol;
    invbound_ = invbound;
    if (estimate_sigma_) this->sigmax = std::max(this->sigmax, col);

    hh(k, k) = diag;
    hh(k + 1, k) = 0.0;
    c_[k] = c;
    s_[k] = s;
    g_[k + 1] = -conj(s) * g_[k];
    g_[k] = c * g_[k];
    est_ = std::abs(g_[k + 1]);
    k_ = k + 1;

    if (sub == 0.0 || k_ == m_ || itn >= maxitn || tidy) return end_cycle();
    if (iterm == 2 && est_ <= this->tol * (this->sigmax * xnorm_cycle_ + this->r0bar))
      return end_cycle();
    scal(n, 1.0 / sub, w);
    return next_product();
  }

  int end_cycle() {
    // Not one step could be kept: the method cannot go on.
    if (k_ == 0) return kStepBreakdown;
    {
      std::copy(g_, g_ + k_, y_);
      trsv("N", k_, h_, m_ + 1, y_);
      gemv("N", n, k_, T(1.0), basis_, n, y_, T(1.0), x);
    }
    est_ = std::abs(g_[k_]);
    count_up(cycles_);
    phase = kBegin;
    return kStepComplete;
  }

  const int m_;
  T* const basis_;
  T* const h_;
  T* const c_;
  T* const s_;
  T* const g_;
  T* const y_;
  int& k_;
  int& cycles_;
  int& estimate_sigma_;
  double& maxcol_;
  double& invbound_;
  double& est_;
  double& xnorm_cycle_;
};

}  // namespace

template <class T>
bool rgmres_sound(Scalars<T>& s) {
  return Rgmres<T>::sound(s);
}

template bool rgmres_sound(Scalars<double>&);
template bool rgmres_sound(Scalars<Complex>&);

template <class T>
int rgmres_kernel(int code, T* u, T* v, const double* wgt, T* work, int* failure) {
  return run_method<Rgmres>(code, u, v, wgt, work, failure);
}

template int rgmres_kernel(int, double*, double*, const double*, double*, int*);
template int rgmres_kernel(int, Complex*, Complex*, const double*, Complex*, int*);

}  // namespace kiv::krylov
