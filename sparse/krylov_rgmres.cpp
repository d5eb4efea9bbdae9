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
  static bool sound(const T* work) {
    auto I = [work](int k) { return int_field(work, k); };
    const int phase = I(27), k = I(kMethodInt), cycles = I(kMethodInt + 1), m = I(kM);
    const bool mid_cycle = phase == kAwaitProduct || phase == kPreconW;
    return phase <= kPreconW && k >= 0 && k <= (mid_cycle ? m - 1 : m) && cycles >= 0 &&
           cycles <= I(kItn);
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
    std::fill(g_, g_ + m_ + 1, T(0.0));
    g_[0] = beta;
    k_ = 0;
    maxcol_ = invbound_ = 0.0;
    // Read only by the test of ITERM = 2 within the cycle.
    if (iterm == 2) xnorm_cycle_ = nrm2(n, x);
    return next_product(basis_, beta);
  }

  // Scales W by 1/NORM into the basis vector k_ and asks for its product,
  // in one pass.
  int next_product(T* w, double norm) {
    const double inv = 1.0 / norm;
    for (int i = 0; i < n; ++i) u[i] = w[i] = w[i] * inv;
    count_up(itn);
    phase = kAwaitProduct;
    return kProduct;
  }

  // Step k_ + 1 of the cycle: w = M^-1 A v_{k+1} is in basis(k_ + 1).
  int arnoldi() {
    const int k = k_;
    T* w = basis(k + 1);
    // Modified Gram-Schmidt: subtracting v_i and forming (v_{i+1}, w) share
    // one pass over w, and the last one also forms ||w||^2.
    T h = dot(n, basis(0), w);
    double ss = 0.0;
    for (int i = 0; i <= k; ++i) {
      hh(i, k) = h;
      const T* vi = basis(i);
      const T c = -h;
      if (i < k) {
        const T* next = basis(i + 1);
        Lanes<T> acc;
        by_lanes(n, [&](int e, int l) {
          w[e] += mul(c, vi[e]);
          acc[l] += cmul(next[e], w[e]);
        });
        h = acc.sum();
      } else {
        Lanes<double> acc;
        by_lanes(n, [&](int e, int l) {
          w[e] += mul(c, vi[e]);
          acc[l] += abs2(w[e]);
        });
        ss = acc.sum();
      }
    }
    const double sub = root_of_squares(ss, n, w);
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
    return next_product(w, sub);
  }

  int end_cycle() {
    // Not one step could be kept: the method cannot go on.
    if (k_ == 0) return kStepBreakdown;
    std::copy(g_, g_ + k_, y_);
    trsv("N", k_, h_, m_ + 1, y_);
    // x += V y, reading each basis vector once: x_i + y_1 v_1i + y_2 v_2i
    // + ..., the order of the column-by-column update.
    const int k = k_;
    for (int i = 0; i < n; ++i) {
      T s = x[i];
      for (int j = 0; j < k; ++j) s += mul(y_[j], basis_[i + static_cast<long>(j) * n]);
      x[i] = s;
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
bool rgmres_sound(const T* work) {
  return Rgmres<T>::sound(work);
}

template bool rgmres_sound(const double*);
template bool rgmres_sound(const Complex*);

template <class T>
int rgmres_kernel(int code, T* u, T* v, const double* wgt, T* work, int* failure) {
  return run_method<Rgmres>(code, u, v, wgt, work, failure);
}

template int rgmres_kernel(int, double*, double*, const double*, double*, int*);
template int rgmres_kernel(int, Complex*, Complex*, const double*, Complex*, int*);

}  // namespace kiv::krylov
