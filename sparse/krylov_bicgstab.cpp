// BiCGSTAB(l) (Sleijpen and Fokkema), preconditioned on the right, in sweeps
// of up to l BiCG steps closed by a minimal-residual step over the residual
// directions of the sweep.
//
// Vectors: x, b, the shadow residual, r_0 .. r_{l-1}, u_0 .. u_l, and when
// preconditioned with l > 1 the sweep's correction z (x += M^-1 z at the end
// of the sweep).  r_l is never stored: it arrives in V with the last product
// and the MR step uses it there.  After the vectors: the l x l matrix of the
// Gram-Schmidt coefficients (sigma on its diagonal), gamma' and gamma.
#include <algorithm>
#include <cmath>

#include "frame/constants.hpp"
#include "sparse/krylov.hpp"

namespace kiv::krylov {
namespace {

template <class T>
class Bicgstab final : public Solver<T> {
 public:
  KIV_KRYLOV_USES_FRAMEWORK(T);

  Bicgstab(Scalars<T>& sc, T* u_, T* v_, const double* w_, T* work_)
      : Solver<T>(sc, u_, v_, w_, work_),
        l_(sc.I(kM)),
        zvec_(precon && l_ > 1),
        shadow_(vec(2)),
        r0_(vec(3)),
        u0_(vec(3 + l_)),
        z_(vec(4 + 2 * l_)),
        tmat_(vec(4 + 2 * l_ + (zvec_ ? 1 : 0))),
        gp_(tmat_ + l_ * l_),
        g_(gp_ + l_),
        j_(sc.I(kMethodInt)),
        sweeps_(sc.I(kMethodInt + 1)),
        reset_(sc.I(kMethodInt + 2)),
        first_(sc.I(kMethodInt + 3)),
        sums_ready_(sc.I(kMethodInt + 4)),
        rho_(sc.R(kMethodReal)),
        alpha_(sc.R(kMethodReal + 1)),
        omega_(sc.R(kMethodReal + 2)),
        kappa_(sc.D(kMethodReal + 3)),
        delta_(sc.D(kMethodReal + 4)),
        rs_(sc.D(kMethodReal + 5)),
        rho0_(sc.R(kMethodReal + 6)),
        rr0_(sc.D(kMethodReal + 7)) {}

  // Between the requests of a BiCG step, j_ names a stored residual
  // direction (0 .. l-1); after the sweep it may equal l.
  static bool sound(const T* work) {
    auto I = [work](int k) { return int_field(work, k); };
    const int phase = I(27), j = I(kMethodInt), sweeps = I(kMethodInt + 1), l = I(kM);
    const bool mid_step = phase >= kPreconU && phase <= kProductR;
    return phase <= kFlush && j >= 0 && j <= (mid_step ? l - 1 : l) && sweeps >= 0 &&
           sweeps <= I(kItn);
  }

 private:
  enum Phase : int { kBegin = 0, kPreconU, kProductU, kPreconR, kProductR, kFlush };

  T* r(int i) { return r0_ + static_cast<long>(i) * n; }
  T* uu(int i) { return u0_ + static_cast<long>(i) * n; }
  T& tm(int k, int i) { return tmat_[(k - 1) + static_cast<long>(i - 1) * l_]; }

  T* residual() override { return r0_; }
  int monitor_count() override { return sweeps_; }
  void residual_renewed() override {
    sums_ready_ = 0;  // (r~0, r0) and ||r0||^2 belonged to the old residual
    if (itn == 0) {
      reset_ = 1;
      first_ = 1;
      sweeps_ = 0;
    }
  }

  // Asks for A M^-1 y, the vector already in U.
  int apply(int at_precon, int at_product) {
    phase = precon ? at_precon : at_product;
    return precon ? kPrecondition : kProduct;
  }

  int step() override {
    switch (phase) {
      case kBegin:
        return begin_sweep();
      case kPreconU:
        phase = kProductU;
        return request(kProduct, v);
      case kProductU:
        return after_u_product();
      case kPreconR:
        phase = kProductR;
        return request(kProduct, v);
      case kProductR:
        ++j_;
        if (j_ < l_) copy(n, v, r(j_));
        if (j_ == l_ || itn >= maxitn || tidy) return minimal_residual(j_);
        return bicg_step();
      default:  // kFlush: x += M^-1 (correction)
        if (sums_ready_) {
          // ||r||^2 came from the MR step: ||x||^2 makes the test's pair.
          Lanes<double> xx;
          by_lanes(n, [&](int i, int l) {
            x[i] += v[i];
            xx[l] += abs2(x[i]);
          });
          this->residual_sums(rr0_, xx.sum());
        } else {
          axpy(n, T(1.0), v, x);
        }
        phase = kBegin;
        return kStepComplete;
    }
  }

  // (r~0, r0) and ||r0||^2, unless the last MR step formed them.
  void shadow_sums() {
    if (sums_ready_) return;
    T rr;
    dots(n, r0_, shadow_, r0_, &rho0_, &rr);
    rr0_ = re(rr);
    sums_ready_ = 1;
  }

  int begin_sweep() {
    j_ = 0;
    if (zvec_) std::fill(z_, z_ + n, T(0.0));
    if (!reset_) {
      // The sweep's starting residual norm is read by steps j >= 1 only.
      shadow_sums();
      if (l_ > 1) rs_ = root_of_squares(rr0_, n, r0_);
      return bicg_step();
    }
    // r~0 = u_0 = r_0, also to the caller, with ||r_0||^2 = (r~0, r_0).
    Lanes<double> ss;
    by_lanes(n, [&](int i, int l) {
      u[i] = u0_[i] = shadow_[i] = r0_[i];
      ss[l] += abs2(r0_[i]);
    });
    const double norm = root_of_squares(ss.sum(), n, r0_);
    const double c = std::min(std::sqrt(static_cast<double>(n)), 100.0);
    kappa_ = std::sqrt(kEps) * c * norm;
    if (first_) {
      delta_ = std::min(kEps * std::sqrt(static_cast<double>(n)), std::sqrt(kEps));
      first_ = 0;
    }
    rs_ = norm;
    rho_ = ss.sum();
    sums_ready_ = 0;
    reset_ = 0;
    count_up(itn);
    return apply(kPreconU, kProductU);
  }

  // BiCG step j_ (0-based) of the sweep, from rho and beta on.
  int bicg_step() {
    T* rj = r(j_);
    T rho;
    if (j_ == 0) {
      rho = rho0_;  // from shadow_sums
    } else if (iterm == 1) {
      T rr;
      dots(n, rj, shadow_, rj, &rho, &rr);
      const double rn = root_of_squares(re(rr), n, rj);
      const T beta = alpha_ * rho / rho_;
      if (!(kappa_ * rn <= std::abs(rho) && delta_ * rs_ <= rn && std::abs(beta) >= delta_))
        return minimal_residual(j_);
    } else {
      rho = dot(n, shadow_, rj);
    }
    sums_ready_ = 0;
    const T beta = alpha_ * rho / rho_;
    rho_ = rho;
    for (int i = 0; i < j_; ++i) {
      T* ui = uu(i);
      const T* ri = r(i);
      for (int k = 0; k < n; ++k) ui[k] = ri[k] - beta * ui[k];
    }
    // The last direction goes to the caller in the same pass.
    T* uj = uu(j_);
    for (int k = 0; k < n; ++k) u[k] = uj[k] = rj[k] - mul(beta, uj[k]);
    count_up(itn);
    return apply(kPreconU, kProductU);
  }

  int after_u_product() {
    T* next = uu(j_ + 1);
    Lanes<T> sig;
    by_lanes(n, [&](int i, int l) {
      next[i] = v[i];
      sig[l] += cmul(shadow_[i], v[i]);
    });
    const T sigma = sig.sum();
    if (sigma == T(0.0)) return kStepBreakdown;
    alpha_ = rho_ / sigma;
    for (int i = 0; i < j_; ++i) axpy(n, -alpha_, uu(i + 1), r(i));
    // r_j -= alpha u_{j+1}, the iterate's (or z's) share alpha u_0, and r_j
    // to the caller, in one pass.
    T* rj = r(j_);
    T* target = !precon ? x : (zvec_ ? z_ : nullptr);
    const T a = alpha_;
    if (target != nullptr) {
      for (int k = 0; k < n; ++k) {
        u[k] = rj[k] = rj[k] - mul(a, next[k]);
        target[k] += mul(a, u0_[k]);
      }
    } else {
      for (int k = 0; k < n; ++k) u[k] = rj[k] = rj[k] - mul(a, next[k]);
    }
    return apply(kPreconR, kProductR);
  }

  // The MR step over r_1 .. r_L (r_l in V), then the flush of the
  // preconditioned correction.
  int minimal_residual(int L) {
    auto rv = [&](int i) { return i < l_ ? r(i) : v; };
    bool truncated = false;
    for (int i = 1; i <= L; ++i) {
      T* ri = rv(i);
      for (int k = 1; k < i; ++k) {
        const T t = dot(n, rv(k), ri) / tm(k, k);
        tm(k, i) = t;
        axpy(n, -t, rv(k), ri);
      }
      T sigma, r0ri;
      dots(n, ri, ri, r0_, &sigma, &r0ri);
      if (sigma == T(0.0)) {
        L = i - 1;
        truncated = true;
        break;
      }
      tm(i, i) = sigma;
      gp_[i - 1] = conj(r0ri) / sigma;
    }

    // Where the iterate's correction goes: x itself, the sweep's z, or for
    // l = 1 the single combination alpha u_0 + omega r_0 handed to M^-1.
    T* target = !precon ? x : (zvec_ ? z_ : u);
    omega_ = 0.0;
    sums_ready_ = 0;
    if (L == 1) {
      // One direction: every update and the sums the test and the next
      // sweep read, in one pass.
      if (!truncated) omega_ = gp_[0];
      one_direction_update(gp_[0], rv(1), target);
    } else {
      if (precon && !zvec_) {
        for (int k = 0; k < n; ++k) u[k] = alpha_ * u0_[k];
      }
      if (L > 0) {
        std::copy(gp_, gp_ + L, g_);
        // gamma solves T gamma = gamma' (T unit upper triangular).
        trsv("U", L, tmat_, l_, g_);
        if (!truncated) omega_ = g_[L - 1];
        axpy(n, g_[0], r0_, target);
        // r_0 -= sum gamma'_i r_i (r_l from V).
        const int stored = std::min(L, l_ - 1);
        if (stored > 0) gemv_add(n, stored, T(-1.0), r(1), n, gp_, r0_);
        if (L == l_) axpy(n, -gp_[L - 1], v, r0_);
        // gamma''_i = gamma_{i+1} + sum_{k>i} T(i,k) gamma_{k+1}, i < L.
        if (L > 1) {
          std::copy(g_ + 1, g_ + L, gp_);
          trmv("U", L - 1, tmat_, l_, gp_);
          gemv_add(n, L - 1, T(1.0), r(1), n, gp_, target);
        }
        gemv_add(n, L, T(-1.0), uu(1), n, g_, u0_);
      }
    }
    rho_ = -omega_ * rho_;
    if (omega_ == T(0.0)) reset_ = 1;
    count_up(sweeps_);
    if (!precon) {
      phase = kBegin;
      return kStepComplete;
    }
    if (zvec_) copy(n, z_, u);
    phase = kFlush;
    return kPrecondition;
  }

  // x (or z, or U = alpha u_0 + g r_0) += g r_0, r_0 -= g r_1, u_0 -= g u_1,
  // with (r~0, r_0), ||r_0||^2 and, when x moved, ||x||^2.
  void one_direction_update(T g, const T* r1, T* target) {
    const T* u1 = uu(1);
    const T a = alpha_;
    Lanes<T> rho;
    Lanes<double> rr, xx;
    by_lanes(n, [&](int i, int l) {
      const T r0i = r0_[i];
      if (!precon) {
        x[i] += mul(g, r0i);
        xx[l] += abs2(x[i]);
      } else if (zvec_) {
        target[i] += g * r0i;
      } else {
        u[i] = mul(a, u0_[i]) + mul(g, r0i);
      }
      const T rn = r0i - mul(g, r1[i]);
      r0_[i] = rn;
      u0_[i] -= mul(g, u1[i]);
      rr[l] += abs2(rn);
      rho[l] += cmul(shadow_[i], rn);
    });
    rho0_ = rho.sum();
    rr0_ = rr.sum();
    sums_ready_ = 1;
    if (!precon) this->residual_sums(rr0_, xx.sum());
  }

  const int l_;
  const bool zvec_;
  T* const shadow_;
  T* const r0_;
  T* const u0_;
  T* const z_;
  T* const tmat_;
  T* const gp_;
  T* const g_;
  int& j_;
  int& sweeps_;
  int& reset_;
  int& first_;
  int& sums_ready_;
  T& rho_;
  T& alpha_;
  T& omega_;
  double& kappa_;
  double& delta_;
  double& rs_;
  T& rho0_;
  double& rr0_;
};

}  // namespace

template <class T>
bool bicgstab_sound(const T* work) {
  return Bicgstab<T>::sound(work);
}

template bool bicgstab_sound(const double*);
template bool bicgstab_sound(const Complex*);

template <class T>
int bicgstab_kernel(int code, T* u, T* v, const double* wgt, T* work, int* failure) {
  return run_method<Bicgstab>(code, u, v, wgt, work, failure);
}

template int bicgstab_kernel(int, double*, double*, const double*, double*, int*);
template int bicgstab_kernel(int, Complex*, Complex*, const double*, Complex*, int*);

}  // namespace kiv::krylov
