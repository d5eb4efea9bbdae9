// SYMMLQ (Paige and Saunders) for Hermitian, possibly indefinite A with a
// positive-definite preconditioner M.  The Lanczos process runs on the
// r-vectors q_k, orthonormal in the M^-1 inner product, and z_k = M^-1 q_k;
// its tridiagonal matrix T_k is factorised as L_k Q_k by plane rotations,
// and the iterate moves along the M-orthonormal directions W = Z Q^H.  All
// scalars are real, so the complex twin differs only in its vectors.
//
// Two candidates come out of every step: the LQ iterate, and the CG point
// (T_k y = beta_1 e_1) one step further along the last direction.  Their
// residuals are combinations of the last two Lanczos vectors,
//   r_LQ = rhs1 q_k - s zeta q~_{k+1},  r_CG = -(s zeta + c zetabar) q~_{k+1}
// (q~ the unnormalised vector, c and s the last rotation), so both are
// measured in the step's last pass and the test runs on the one with the
// smaller ratio of residual norm to its right-hand side.  The chosen one is
// the framework's iterate x with its residual in WORK vector 2; the LQ
// iterate is recovered from it by one step back along the direction.
//
// WORK vectors: 0 x, 1 b, 2 the residual of x (between the requests of a
// preconditioned step it holds z_k instead, and is formed again from the
// Lanczos vectors if an immediate stop asks for it), 3 and 4 the last two
// Lanczos vectors q~, 5 the direction wbar.
#include <cmath>

#include "sparse/krylov.hpp"
#include "sparse/lanczos_sigma.hpp"

namespace kiv::krylov {
namespace {

// Norms accumulated element by element in one pass, for the norm code of
// the test: 0 sum of |.| (|Re| + |Im| for complex), 1 their largest, 2 sum
// of squares, 3 to 5 the same weighted by |w_i|.
template <int Code>
struct Measure {
  static constexpr bool kMax = Code == 1 || Code == 4;
  static constexpr bool kSquares = Code == 2 || Code == 5;
  template <class T>
  static double of(T x, const double* w, int i) {
    if constexpr (Code == 0 || Code == 1) return abs1(x);
    else if constexpr (Code == 2) return abs2(x);
    else if constexpr (Code == 3 || Code == 4) return abs1(x) * std::fabs(w[i]);
    else return abs2(x) * (w[i] * w[i]);
  }
  static void add(double& acc, double e) {
    if constexpr (kMax) acc = acc < e ? e : acc;
    else acc += e;
  }
  static double result(const double (&lane)[4]) {
    double a = lane[0];
    for (int l = 1; l < 4; ++l) add(a, lane[l]);
    return kSquares ? std::sqrt(a) : a;
  }
};

template <class T>
class Symmlq final : public Solver<T> {
 public:
  KIV_KRYLOV_USES_FRAMEWORK(T);

  Symmlq(Scalars<T>& sc, T* u_, T* v_, const double* w_, T* work_)
      : Solver<T>(sc, u_, v_, w_, work_),
        res_(vec(2)), qa_(vec(3)), qb_(vec(4)), wbar_(vec(5)),
        cur_(sc.I(kMethodInt)), cg_(sc.I(kMethodInt + 1)), restart_(sc.I(kMethodInt + 2)),
        k_(sc.I(kMethodInt + 3)), clobbered_(sc.I(kMethodInt + 4)),
        recording_(sc.I(kMethodInt + 5)), qq_ready_(sc.I(kMethodInt + 6)),
        beta_(sc.D(kReal)), beta_prev_(sc.D(kReal + 1)), gbar_(sc.D(kReal + 2)),
        dbar_(sc.D(kReal + 3)), rhs1_(sc.D(kReal + 4)), rhs2_(sc.D(kReal + 5)),
        c_(sc.D(kReal + 6)), s_(sc.D(kReal + 7)), zeta_(sc.D(kReal + 8)),
        zbar_(sc.D(kReal + 9)), ra_(sc.D(kReal + 10)), rb_(sc.D(kReal + 11)),
        alpha_prev_(sc.D(kReal + 12)), qq_(sc.D(kReal + 13)) {}

  static bool sound(const T* work) {
    auto i = [work](int k) { return int_field(work, k); };
    auto flag = [](int f) { return f == 0 || f == 1; };
    return i(27) >= kBegin && i(27) <= kAfterProduct && flag(i(kMethodInt)) &&
           flag(i(kMethodInt + 1)) && flag(i(kMethodInt + 2)) && i(kMethodInt + 3) >= 0 &&
           flag(i(kMethodInt + 4)) && flag(i(kMethodInt + 5)) && flag(i(kMethodInt + 6));
  }

 private:
  static constexpr int kReal = kSymmetric.method_real;
  enum Phase : int { kBegin = 0, kAfterPrecon, kAfterProduct };

  T* q_cur() { return cur_ ? qb_ : qa_; }
  T* q_prev() { return cur_ ? qa_ : qb_; }

  // Between the two requests of a preconditioned step the residual's vector
  // holds z_k; a stop then finds the residual formed again.
  T* residual() override {
    if (clobbered_) {
      const double a = ra_, b = rb_;
      const T* qp = q_prev();
      const T* qc = q_cur();
      for (int i = 0; i < n; ++i) res_[i] = a * qp[i] + b * qc[i];
      clobbered_ = 0;
    }
    return res_;
  }

  // A new residual of x (the first, a fresh one, a replacement): the
  // Lanczos process starts again from it, with x as its base iterate.
  void residual_renewed() override {
    restart_ = 1;
    cg_ = 0;
    clobbered_ = 0;
    qq_ready_ = 0;
  }

  int step() override {
    switch (phase) {
      case kBegin: {
        if (restart_) begin_lanczos();
        count_up(itn);
        ++k_;
        if (precon) {
          phase = kAfterPrecon;
          return request(kPrecondition, q_cur());
        }
        const double qq = qq_ready_ ? qq_ : re(dot(n, q_cur(), q_cur()));
        qq_ready_ = 0;
        return next_vector(qq, qq);
      }
      case kAfterPrecon:
        return next_vector(re(dot(n, q_cur(), v)), -1.0);
      default:
        return update();
    }
  }

  // q~_1 = r, and the factorisation starts empty.
  void begin_lanczos() {
    copy(n, res_, q_cur());
    // The first step's pass still reads both (scaled by 0).
    std::fill(q_prev(), q_prev() + n, T(0.0));
    std::fill(wbar_, wbar_ + n, T(0.0));
    restart_ = 0;
    recording_ = k_ == 0 && itn == 0;  // sigma_1 is fed by the first run only
    k_ = 0;
    beta_ = beta_prev_ = 0.0;
    c_ = 1.0;
    s_ = zeta_ = rhs2_ = 0.0;
    ra_ = 0.0;
    rb_ = 1.0;
  }

  // beta_k^2 = (q~_k, z~_k) (QQ the squared 2-norm of q~_k when known):
  // z_k = z~_k / beta_k goes to the caller for the product.
  int next_vector(double beta2, double qq) {
    if (!(beta2 > 0.0) || !std::isfinite(beta2)) {
      if (qq < 0.0) qq = re(dot(n, q_cur(), q_cur()));
      // q~_k = 0: the Lanczos process has found an invariant subspace and
      // the last CG point solves the system; the test judges it by its true
      // residual.
      if (qq == 0.0) {
        --k_;
        phase = kBegin;
        return kStepComplete;
      }
      return kStepPreconIndefinite;
    }
    const double beta = std::sqrt(beta2);
    beta_prev_ = beta_;
    beta_ = beta;
    if (k_ >= 2) {
      // The entries of row k that the previous rotation left.
      const double eps = s_ * beta;
      dbar_ = c_ * beta;
      rhs2_ = -eps * zeta_;
    } else {
      rhs1_ = beta;
    }
    const double inv = 1.0 / beta;
    if (precon) {
      for (int i = 0; i < n; ++i) u[i] = res_[i] = inv * v[i];
      clobbered_ = 1;
    } else {
      const T* q = q_cur();
      for (int i = 0; i < n; ++i) u[i] = inv * q[i];
    }
    phase = kAfterProduct;
    return kProduct;
  }

  // V = A z_k: alpha_k, the rotation, the new Lanczos vector, the iterate,
  // the direction and both candidates' residuals, then the choice.
  int update() {
    const T* qc = q_cur();
    const double alpha = precon ? re(dot(n, res_, v)) : re(dot(n, qc, v)) / beta_;
    const double beta = beta_;
    const bool first = k_ == 1;
    lanczos_row(alpha);

    double zeta = 0.0, c = 1.0, sn = 0.0;
    if (first) {
      gbar_ = alpha;
    } else {
      // The rotation that closes row k-1 of L: (gbar, beta_k) -> (gamma, 0).
      double gamma = gbar_;
      rotg(gamma, beta, c, sn);
      zeta = rhs1_ / gamma;
      double delta = dbar_, g = alpha;
      rot(delta, g, c, sn);
      gbar_ = g;
      rhs1_ = rhs2_ - delta * zeta;
      c_ = c;
      s_ = sn;
      zeta_ = zeta;
    }
    const double zbar = gbar_ != 0.0 ? rhs1_ / gbar_ : 0.0;

    // The pass writes the candidate the last step chose, which is usually
    // chosen again; a wrong guess costs one more pass.
    const double coef_cg = -(sn * zeta + c * zbar);
    const bool guess_cg = cg_ && gbar_ != 0.0;
    Pass p;
    p.a_cur = alpha / beta;
    p.a_prev = first ? 0.0 : beta / beta_prev_;
    p.back = cg_ ? zbar_ : 0.0;
    p.zc = zeta * c;
    p.zs = zeta * sn;
    p.c = c;
    p.s = sn;
    p.guess_cg = guess_cg;
    p.inv_beta = 1.0 / beta;
    p.rl_cur = rhs1_ / beta;
    p.rl_next = -sn * zeta;
    p.zbar = zbar;
    p.coef_cg = coef_cg;
    const int code = iterm == 2 ? 2 : this->norm_code;
    switch (code) {
      case 0: pass_for<0>(p); break;
      case 1: pass_for<1>(p); break;
      case 2: pass_for<2>(p); break;
      case 3: pass_for<3>(p); break;
      case 4: pass_for<4>(p); break;
      default: pass_for<5>(p); break;
    }

    // The CG point is taken when its ratio of residual norm to the test's
    // right-hand side is not larger than the LQ iterate's.
    const double r_cg = std::fabs(coef_cg) * p.qn_norm;
    const double base = iterm == 2 ? 0.0 : this->bnorm;
    const double scale = iterm == 2 ? 1.0 : this->anorm;
    const bool take_cg = gbar_ != 0.0 && r_cg * (scale * p.xl_norm + base) <=
                                             p.rl_norm * (scale * p.xc_norm + base);
    if (take_cg != guess_cg) {
      const T* qc = q_cur();
      const T* qn = q_prev();  // the new Lanczos vector took the oldest one's place
      const double step = take_cg ? zbar : -zbar;
      const double a = take_cg ? 0.0 : p.rl_cur, b = take_cg ? coef_cg : p.rl_next;
      for (int i = 0; i < n; ++i) {
        x[i] += step * wbar_[i];
        res_[i] = a * qc[i] + b * qn[i];
      }
    }
    if (code == 2) {
      if (take_cg) this->residual_sums(coef_cg * coef_cg * p.qn_sq, p.xc_sq);
      else this->residual_sums(p.rl_sq, p.xl_sq);
    }
    if (take_cg) {
      zbar_ = zbar;
      ra_ = 0.0;
      rb_ = coef_cg;
    } else {
      ra_ = p.rl_cur;
      rb_ = p.rl_next;
    }
    cg_ = take_cg;
    cur_ = 1 - cur_;
    clobbered_ = 0;
    qq_ = p.qn_sq;
    qq_ready_ = 1;
    phase = kBegin;
    return kStepComplete;
  }

  // Row k of T (alpha_k, and beta_k off the diagonal) to the sigma_1
  // estimate: the Lanczos-bisection estimate in mode 2, or in mode 1 the
  // largest 2-norm of a row of T_k, a lower bound of ||T_k|| within a factor
  // sqrt(3), which never exceeds sigma_1.
  void lanczos_row(double alpha) {
    const int mode = s.I(kSigmaMode);
    const double off = k_ >= 2 ? beta_ : 0.0;
    if (mode == 2 && recording_) this->record_lanczos(k_, alpha, off * off);
    if (mode == 1) {
      double& sigma = this->sigmax;
      sigma = std::max(sigma, COMPLEX_ABS(off, alpha));
      if (k_ >= 2) {
        const double before = k_ >= 3 ? beta_prev_ : 0.0;
        sigma = std::max(sigma, COMPLEX_ABS(COMPLEX_ABS(before, alpha_prev_), off));
      }
    }
    alpha_prev_ = alpha;
  }

  struct Pass {
    double a_cur, a_prev, back, zc, zs, c, s, inv_beta, rl_cur, rl_next, zbar, coef_cg;
    bool guess_cg;
    double rl_norm = 0.0, qn_norm = 0.0, xl_norm = 0.0, xc_norm = 0.0;
    double rl_sq = 0.0, xl_sq = 0.0, xc_sq = 0.0, qn_sq = 0.0;
  };

  // The one pass of the step: q~_{k+1} = A z_k - (alpha/beta_k) q~_k -
  // (beta_k/beta_{k-1}) q~_{k-1} over the oldest vector; x back to the LQ
  // iterate and on along w_{k-1} = c wbar + s z_k; wbar = c z_k - s wbar;
  // the guessed candidate and its residual into x and the residual's
  // vector; and the norms of both candidates.
  // The loop's invariant choices made outside it, so that it vectorises.
  template <int Code>
  void pass_for(Pass& p) {
    if (precon) {
      if (p.guess_cg) run_pass<Code, true, true>(p);
      else run_pass<Code, true, false>(p);
    } else {
      if (p.guess_cg) run_pass<Code, false, true>(p);
      else run_pass<Code, false, false>(p);
    }
  }

  template <int Code, bool Precon, bool GuessCg>
  void run_pass(Pass& p) {
    using M = Measure<Code>;
    T* qc = q_cur();
    T* qo = q_prev();
    const double* w = this->wgt;
    double rl[4] = {}, qn[4] = {}, xl[4] = {}, xc[4] = {}, qq[4] = {};
    const double a_cur = p.a_cur, a_prev = p.a_prev, back = p.back, zc = p.zc, zs = p.zs;
    const double c = p.c, s = p.s, inv = p.inv_beta, rl_cur = p.rl_cur, rl_next = p.rl_next;
    const double zbar = p.zbar, coef_cg = p.coef_cg;
    // (A body this long is not inlined into by_lanes unless asked.)
    by_lanes(n, [&](int i, int l) __attribute__((always_inline)) {
      T z;
      if constexpr (Precon) z = res_[i];
      else z = inv * qc[i];
      const T q = v[i] - a_cur * qc[i] - a_prev * qo[i];
      qo[i] = q;
      const T wold = wbar_[i];
      const T xi = x[i] - back * wold + zc * wold + zs * z;
      const T wn = c * z - s * wold;  // z itself at the first step (c = 1, s = 0)
      wbar_[i] = wn;
      const T r = rl_cur * qc[i] + rl_next * q;
      const T xg = xi + zbar * wn;
      if constexpr (GuessCg) {
        x[i] = xg;
        res_[i] = coef_cg * q;
      } else {
        x[i] = xi;
        res_[i] = r;
      }
      M::add(rl[l], M::of(r, w, i));
      M::add(qn[l], M::of(q, w, i));
      M::add(xl[l], M::of(xi, w, i));
      M::add(xc[l], M::of(xg, w, i));
      qq[l] += abs2(q);
    });
    p.rl_norm = M::result(rl);
    p.qn_norm = M::result(qn);
    p.xl_norm = M::result(xl);
    p.xc_norm = M::result(xc);
    p.qn_sq = (qq[0] + qq[1]) + (qq[2] + qq[3]);
    if constexpr (Code == 2) {
      p.rl_sq = (rl[0] + rl[1]) + (rl[2] + rl[3]);
      p.xl_sq = (xl[0] + xl[1]) + (xl[2] + xl[3]);
      p.xc_sq = (xc[0] + xc[1]) + (xc[2] + xc[3]);
    }
  }

  T* const res_;
  T* const qa_;
  T* const qb_;
  T* const wbar_;
  int& cur_;
  int& cg_;
  int& restart_;
  int& k_;
  int& clobbered_;
  int& recording_;
  int& qq_ready_;
  double& beta_;
  double& beta_prev_;
  double& gbar_;
  double& dbar_;
  double& rhs1_;
  double& rhs2_;
  double& c_;
  double& s_;
  double& zeta_;
  double& zbar_;
  double& ra_;
  double& rb_;
  double& alpha_prev_;
  double& qq_;
};

}  // namespace

template <class T>
bool symmlq_sound(const T* work) {
  return Symmlq<T>::sound(work);
}

template bool symmlq_sound(const double*);
template bool symmlq_sound(const Complex*);

template <class T>
int symmlq_kernel(int code, T* u, T* v, const double* wgt, T* work, int* failure) {
  return run_method<Symmlq>(code, u, v, wgt, work, failure, kSymmetric);
}

template int symmlq_kernel(int, double*, double*, const double*, double*, int*);
template int symmlq_kernel(int, Complex*, Complex*, const double*, Complex*, int*);

}  // namespace kiv::krylov
