// The framework of the Krylov method kernels: the state block's load and
// store, the sequence guard, the vector norms, the reverse-communication
// estimate of ||A||, and the states every method passes through (start,
// norms, residual, iterate, test, monitor, finish).
#include <algorithm>
#include <cmath>

#include "frame/constants.hpp"
#include "sparse/krylov.hpp"
#include "sparse/lanczos_sigma.hpp"

namespace kiv::krylov {

// ---------------------------------------------------------------------------
// State block and sequence guard.

template <class T>
Scalars<T>::Scalars(const T* work, const Layout& lay) : layout(lay) {
  // The group sizes stored in the block say how much to copy; a block that a
  // caller damaged never makes the copy overrun.
  const int ni = std::clamp(int_field(work, kIntSize), 0, lay.ints);
  const int nr = std::clamp(int_field(work, kRealSize), 0, lay.reals);
  const int nl = std::clamp(int_field(work, kLogSize), 0, lay.logs);
  for (int k = 0; k < ni; ++k) ints[k] = to_int(re(work[k]));
  for (int k = 0; k < nr; ++k) reals[k] = work[lay.ints + k];
  for (int k = 0; k < nl; ++k) logs[k] = re(work[lay.ints + lay.reals + k]) > 1.0;
}

template <class T>
void Scalars<T>::store(T* work) const {
  const int ni = layout.ints, nr = layout.reals;
  for (int k = 0; k < ni; ++k) work[k] = static_cast<double>(ints[k]);
  for (int k = 0; k < nr; ++k) work[ni + k] = reals[k];
  for (int k = 0; k < layout.logs; ++k) work[ni + nr + k] = logs[k] ? 2.0 : 0.0;
}

template <class T>
bool sequence_guard(Guard mode, T* work) {
  auto stage = [&](int s) { set_field(work, kStage, s); };
  if (mode == Guard::reset || mode == Guard::setup) {
    set_field(work, kTag1, kTagValue1);
    set_field(work, kTag2, kTagValue2);
    stage(mode == Guard::reset ? kReset : kSetUp);
    return true;
  }
  if (int_field(work, kTag1) != kTagValue1 || int_field(work, kTag2) != kTagValue2) return false;
  switch (mode) {
    case Guard::start:
      if (int_field(work, kStage) != kSetUp) return false;
      stage(kIterating);
      return true;
    case Guard::finish:
      if (int_field(work, kLastIrevcm) == kDone) stage(kFinishedStage);
      return true;
    case Guard::monitor:
      return int_field(work, kStage) == kFinishedStage || int_field(work, kLastIrevcm) == kMonitor;
    default:
      return true;
  }
}

namespace {

// Resume points of the framework.
enum Resume : int {
  kAtStart = 0,
  kInEstimate,
  kInResidual,
  kInStep,
  kInTestPrecon,
  kInTrueResidual,
  kInMonitor,
  kInFinalResidual,
  kAtEnd,
};

// Steps of the estimate of ||A||.
enum EstimateKase : int { kOnes = 1, kSigns, kUnit, kSignsAgain, kAlternating };

template <class T>
T sign_of(T y) {
  if constexpr (kIsComplex<T>) {
    const double a = std::abs(y);
    return a == 0.0 ? T(1.0) : y / a;
  } else {
    return y >= 0.0 ? 1.0 : -1.0;
  }
}

}  // namespace

long long required_work(int block, int method, int iterm, bool precon, long long n, long long m) {
  switch (method) {
    case kRgmres: return block + n * (m + 3) + m * (m + 5) + 1;
    case kCgs: return block + 7 * n;
    case kBicgstab:
      return block + (2 * n + m) * (m + 2) + ((iterm == 2 || (precon && m > 1)) ? n : 0) +
             ((m > 1 && iterm == 2) ? n : 0);
    default: return block + 10 * n;
  }
}

long long required_sym_work(int method, long long n, long long maxits) {
  return kSymBlockLen + sym_vectors(method) * n + (maxits > 0 ? 2 * maxits + 2 : 0);
}

namespace {

bool in(int v, int lo, int hi) { return v >= lo && v <= hi; }

// The checks both families share: the group sizes, the sizes and the norm
// code as LAYOUT places them, the protocol's fields and the framework's own
// integers.  FAILURE_MAX is the largest failure code of the family.
template <class T>
bool block_is_sound(const T* work, const Layout& lay, int failure_max) {
  auto i = [work](int k) { return int_field(work, k); };
  if (i(kIntSize) != lay.ints || i(kRealSize) != lay.reals || i(kLogSize) != lay.logs)
    return false;
  const int n = i(lay.n), maxitn = i(kMaxitn);
  if (n < 1 || maxitn < 1 || i(kMonFreq) < 1 || !in(i(kStage), kReset, kFinishedStage))
    return false;
  // The norm code decides whether WGT is read at all: it must match its copy.
  if (!in(i(lay.norm_code), 0, 5) || i(lay.norm_copy) != i(lay.norm_code)) return false;
  if (!in(i(kLastRequest), kTransProduct, kDone)) return false;
  const int mult = i(kMultiplier);
  if (mult != 0 && mult != 1 && mult != 10 && mult != 100) return false;

  const int failure = i(31);
  if (!in(i(kItn), 0, maxitn) || !in(i(26), kAtStart, kAtEnd) || i(27) < 0 ||
      !in(i(28), 0, 5) || !in(i(29), 0, n - 1) || !in(i(30), 0, 2) || !in(i(32), 0, 5))
    return false;
  return failure == kOk || failure == kAccuracy || failure == kTidyStop ||
         failure == kNoConvergence || (failure >= kBreakdown && failure <= failure_max);
}

}  // namespace

template <class T>
bool state_is_sound(const T* work) {
  auto i = [work](int k) { return int_field(work, k); };
  if (!block_is_sound(work, kGeneral<T>, kBreakdown)) return false;
  const int method = i(kMethod), n = i(kN), m = i(kM), iterm = i(kIterm);
  if (!in(method, kRgmres, kTfqmr) || !in(iterm, 1, method == kTfqmr ? 1 : 2)) return false;
  const int mmax = method == kRgmres ? 50 : method == kBicgstab ? 10 : 0;
  if (mmax == 0 ? m != 0 : !in(m, 1, std::min(mmax, n))) return false;
  const long long need = required_work(kBlockLen<T>, method, iterm, bool_field(work, kPrecon), n, m);
  if (i(kLwreq) < need) return false;
  switch (method) {
    case kRgmres: return rgmres_sound(work);
    case kCgs: return cgs_sound(work);
    case kBicgstab: return bicgstab_sound(work);
    default: return tfqmr_sound(work);
  }
}

template <class T>
bool sym_state_is_sound(const T* work) {
  auto i = [work](int k) { return int_field(work, k); };
  if (!block_is_sound(work, kSymmetric, kMatrixIndefinite)) return false;
  const int method = i(kMethod), n = i(kSymN), maxitn = i(kMaxitn), mode = i(kSigmaMode);
  if (!in(method, kCg, kSymmlq) || !in(i(kSymIterm), 1, method == kCg ? 1 : 2) ||
      !in(mode, 0, 2))
    return false;
  // MAXITS sizes the store of the Lanczos matrix: set only when it is used.
  const int maxits = i(kMaxits);
  if (mode == 2 ? !in(maxits, 1, maxitn) : maxits != 0) return false;
  if (!in(i(kIts), 0, maxits) || i(kLwreq) < required_sym_work(method, n, maxits)) return false;
  return method == kCg ? cg_sound(work) : symmlq_sound(work);
}

// ---------------------------------------------------------------------------
// Vector norms.

template <class T>
double vector_norm(int code, int n, const T* x, const double* w, bool plain) {
  switch (code) {
    case 0: {
      Lanes<double> s;
      by_lanes(n, [&](int i, int l) { s[l] += abs1(x[i]); });
      return s.sum();
    }
    case 1:
      return abs1(x[iamax(n, x) - 1]);
    case 2:
      return plain ? std::sqrt(re(dot(n, x, x))) : nrm2(n, x);
    case 3: {
      Lanes<double> s;
      by_lanes(n, [&](int i, int l) { s[l] += abs1(x[i]) * std::fabs(w[i]); });
      return s.sum();
    }
    case 4: {
      double m = 0.0;
      for (int i = 0; i < n; ++i) m = std::max(m, abs1(x[i]) * std::fabs(w[i]));
      return m;
    }
    default: {
      // Scaled sum of squares of |w_i x_i|, as DNRM2 keeps it.
      double scale = 0.0, ssq = 1.0;
      for (int i = 0; i < n; ++i) {
        const double a = std::abs(x[i]) * std::fabs(w[i]);
        if (a == 0.0) continue;
        if (scale < a) {
          ssq = 1.0 + ssq * (scale / a) * (scale / a);
          scale = a;
        } else {
          ssq += (a / scale) * (a / scale);
        }
      }
      return scale * std::sqrt(ssq);
    }
  }
}

// ---------------------------------------------------------------------------
// The framework.


template <class T>
Solver<T>::Solver(Scalars<T>& sc, T* u_, T* v_, const double* wgt_, T* work_)
    : s(sc),
      u(u_),
      v(v_),
      wgt(wgt_),
      work(work_),
      n(sc.I(sc.layout.n)),
      norm_code(sc.I(sc.layout.norm_code)),
      iterm(sc.I(sc.layout.iterm)),
      maxitn(sc.I(kMaxitn)),
      monfreq(sc.I(kMonFreq)),
      precon(sc.L(sc.layout.log0 + kOffPrecon)),
      itn(sc.I(kItn)),
      phase(sc.I(27)),
      tol(sc.D(kTol)),
      anorm(sc.D(kAnorm)),
      sigmax(sc.D(kSigmax)),
      stplhs(sc.D(kStplhs)),
      stprhs(sc.D(kStprhs)),
      bnorm(sc.D(sc.layout.real0)),
      xnorm(sc.D(sc.layout.real0 + 1)),
      r0bar(sc.D(sc.layout.real0 + 10)),
      plain2(sc.L(sc.layout.log0 + kOffPlain2)),
      tidy(sc.L(sc.layout.log0 + kOffTidy)),
      x(work_ + sc.layout.block),
      b(work_ + sc.layout.block + n),
      resume_(sc.I(26)),
      est_iter_(sc.I(28)),
      est_j_(sc.I(29)),
      counter_(sc.I(30)),
      failure_(sc.I(31)),
      est_kase_(sc.I(32)),
      tol_true_(sc.D(sc.layout.real0 + 2)),
      sqrt_eps_(sc.D(sc.layout.real0 + 3)),
      cancel_(sc.D(sc.layout.real0 + 4)),
      replace_(sc.D(sc.layout.real0 + 5)),
      xmax_(sc.D(sc.layout.real0 + 6)),
      rhs_max_(sc.D(sc.layout.real0 + 7)),
      r0norm_(sc.D(sc.layout.real0 + 8)),
      est_(sc.D(sc.layout.real0 + 9)),
      rec_passed_(sc.L(sc.layout.log0 + kOffRecPassed)),
      fresh_(sc.L(sc.layout.log0 + kOffFresh)),
      have_r0_(sc.L(sc.layout.log0 + kOffHaveR0)),
      have_residual_(sc.L(sc.layout.log0 + kOffHaveResidual)) {}

template <class T>
int Solver<T>::run(int code, int* failure) {
  const int q = dispatch(code);
  *failure = q == kDone ? failure_ : kOk;
  return q;
}

template <class T>
int Solver<T>::dispatch(int code) {
  if (code == 0) return start();
  if (std::abs(code) >= 100) {
    // Stopped at once: when the request just answered was the product A x,
    // V can still be made the residual of the iterate handed back.
    const bool product_of_x =
        resume_ == kInResidual || resume_ == kInTrueResidual || resume_ == kInFinalResidual;
    if (product_of_x) {
      for (int i = 0; i < n; ++i) v[i] = b[i] - v[i];
      have_residual_ = true;
    }
    return finish_now(kOk, product_of_x);
  }
  if (std::abs(code) >= 10) tidy = true;

  switch (resume_) {
    case kInEstimate:
      return estimate(false);
    case kInResidual: {
      T* r = residual();
      for (int i = 0; i < n; ++i) r[i] = b[i] - v[i];
      have_residual_ = true;
      const bool initial = !have_r0_;
      if (initial) {
        r0norm_ = norm(r);
        have_r0_ = true;
      }
      residual_renewed();
      if (initial) return test();
      return continue_iteration();
    }
    case kInStep:
      return continue_iteration();
    case kInTestPrecon:
      stplhs = norm2(v);
      if (itn == 0) r0bar = stplhs;
      return test();
    case kInTrueResidual:
      return s.layout.symmetric ? replacement_true_residual_test() : true_residual_test();
    case kInMonitor:
      return continue_iteration();
    case kInFinalResidual:
      for (int i = 0; i < n; ++i) v[i] = b[i] - v[i];
      return finish_now(failure_, true);
    default:
      // Entered again after the end: hand back the same result.
      return finish_now(failure_, false);
  }
}

template <class T>
int Solver<T>::start() {
  copy(n, u, x);
  copy(n, v, b);
  const double eps = kEps;
  tol_true_ = std::max(tol, eps * std::max(std::sqrt(static_cast<double>(n)), 10.0));
  sqrt_eps_ = std::sqrt(eps);
  cancel_ = 0.01 * sqrt_eps_;
  replace_ = std::max(tol / eps, 1.0);
  plain2 = std::lround(std::log(kSafeMin)) <= -230;
  itn = 0;
  counter_ = 0;
  xmax_ = rhs_max_ = 0.0;
  have_r0_ = have_residual_ = false;
  fresh_ = rec_passed_ = tidy = false;
  phase = 0;
  if (iterm == 1 && anorm <= 0.0) return estimate(true);
  return residual_request();
}

// Hager's estimator of the 1-norm as refined by Higham; the infinity norm is
// the 1-norm of the transpose, so its products start with A^T.
template <class T>
int Solver<T>::estimate(bool first) {
  const bool infinity = norm_code % 3 == 1;
  const int forward = infinity ? kTransProduct : kProduct;
  const int backward = -forward;
  T* xi = residual();  // free until the iteration starts
  auto sum_abs = [&] {
    double sum = 0.0;
    for (int i = 0; i < n; ++i) sum += std::abs(v[i]);
    return sum;
  };
  auto unit = [&](int j) {
    std::fill(u, u + n, T(0.0));
    u[j] = 1.0;
    est_kase_ = kUnit;
    return forward;
  };
  auto alternating = [&] {
    for (int i = 0; i < n; ++i)
      u[i] = (i % 2 == 0 ? 1.0 : -1.0) * (1.0 + static_cast<double>(i) / (n - 1));
    est_kase_ = kAlternating;
    return forward;
  };
  auto largest = [&] { return iamax(n, v) - 1; };

  resume_ = kInEstimate;
  if (first) {
    std::fill(u, u + n, T(1.0 / n));
    est_kase_ = kOnes;
    return forward;
  }
  switch (est_kase_) {
    case kOnes:
      est_ = sum_abs();
      if (n == 1) break;
      for (int i = 0; i < n; ++i) xi[i] = u[i] = sign_of(v[i]);
      est_kase_ = kSigns;
      return backward;
    case kSigns:
      est_j_ = largest();
      est_iter_ = 2;
      return unit(est_j_);
    case kUnit: {
      const double old = est_;
      est_ = sum_abs();
      bool same = true;
      for (int i = 0; i < n && same; ++i) same = sign_of(v[i]) == xi[i];
      if (same || est_ <= old) return alternating();
      for (int i = 0; i < n; ++i) xi[i] = u[i] = sign_of(v[i]);
      est_kase_ = kSignsAgain;
      return backward;
    }
    case kSignsAgain: {
      const int last = est_j_;
      est_j_ = largest();
      if (std::abs(v[last]) != std::abs(v[est_j_]) && est_iter_ < 5) {
        ++est_iter_;
        return unit(est_j_);
      }
      return alternating();
    }
    default:
      est_ = std::max(est_, 2.0 * sum_abs() / (3.0 * n));
      break;
  }
  anorm = est_;
  return residual_request();
}

// State 1 and the request of state 2: the norms of b and x0, then r0.
template <class T>
int Solver<T>::residual_request() {
  if (!have_r0_) {
    bnorm = norm(b);
    if (bnorm == 0.0) {
      // b = 0: the solution is x = 0.
      std::fill(x, x + n, T(0.0));
      std::fill(u, u + n, T(0.0));
      std::fill(v, v + n, T(0.0));
      failure_ = kOk;
      resume_ = kAtEnd;
      have_residual_ = false;
      return kDone;
    }
    xnorm = norm(x);
  }
  resume_ = kInResidual;
  return request(kProduct, x);
}

template <class T>
int Solver<T>::continue_iteration() {
  if (fresh_) {
    fresh_ = false;
    return residual_request();
  }
  resume_ = kInStep;
  const int q = step();
  switch (q) {
    case kStepComplete:
      u_from_step_ = true;
      return test();
    case kStepBreakdown: return finish(kBreakdown, false);
    case kStepPreconIndefinite: return finish(kPreconIndefinite, false);
    case kStepMatrixIndefinite: return finish(kMatrixIndefinite, false);
    default: return q;
  }
}

template <class T>
int Solver<T>::test() {
  if (s.layout.symmetric && iterm == 1) return replacement_test();
  T* r = residual();
  if (iterm == 2) {
    if (resume_ != kInTestPrecon) {
      if (gmres_test() && itn > 0) {
        stplhs = gmres_estimate();
      } else if (precon) {
        resume_ = kInTestPrecon;
        return request(kPrecondition, r);
      } else {
        stplhs = have_sums_ && plain2 ? std::sqrt(rr_) : norm2(r);
        if (itn == 0) r0bar = stplhs;
      }
    }
    xnorm = have_sums_ && plain2 ? std::sqrt(xx_) : norm2(x);
    have_sums_ = false;
    stprhs = tol * (sigmax * xnorm + (gmres_test() ? r0bar : 0.0));
    if (stopping_test_unusable()) return finish(s.layout.nonfinite, false);
    if (stplhs <= stprhs) return finish(kOk, false);
    if (gmres_test()) fresh_ = true;  // the next cycle starts from b - A x
    return after_test(kNoConvergence, false);
  }

  if (gmres_test() && itn > 0) {
    resume_ = kInTrueResidual;
    return request(kProduct, x);
  }
  if (!recurrence_sides(r)) return finish(s.layout.nonfinite, false);
  if (stplhs <= stprhs) {
    rec_passed_ = true;
    if (itn == 0) return finish(kOk, false);
    resume_ = kInTrueResidual;
    return request(kProduct, x);
  }
  rec_passed_ = false;
  counter_ = 0;
  if (tidy) {
    resume_ = kInTrueResidual;
    return request(kProduct, x);
  }
  fresh_ = stplhs < rhs_max_ && (sqrt_eps_ * xmax_ >= xnorm || cancel_ * r0norm_ >= stplhs);
  return after_test(kNoConvergence, false);
}

template <class T>
int Solver<T>::true_residual_test() {
  if (!true_sides()) return finish(s.layout.nonfinite, true);
  if (stplhs <= stprhs) return finish(kOk, true);
  if (gmres_test()) {
    copy(n, v, residual());
    return after_test(kNoConvergence, true);
  }
  if (!rec_passed_) return after_test(kNoConvergence, true);
  if (++counter_ >= 2) return finish(kAccuracy, true);
  if (xmax_ / xnorm / replace_ > 2.0) {
    copy(n, v, residual());
    counter_ = 0;
    residual_renewed();
  }
  return after_test(kAccuracy, true);
}

// The two sides of the test on the recurrence residual R (ITERM = 1), and
// the largest ||x|| and STPRHS seen; false when they are not finite.
template <class T>
bool Solver<T>::recurrence_sides(const T* r) {
  if (have_sums_ && norm_code == 2 && plain2) {
    xnorm = std::sqrt(xx_);
    stplhs = std::sqrt(rr_);
  } else {
    xnorm = norm(x);
    stplhs = norm(r);
  }
  have_sums_ = false;
  stprhs = tol * (anorm * xnorm + bnorm);
  if (stopping_test_unusable()) return false;
  xmax_ = std::max(xmax_, xnorm);
  rhs_max_ = std::max(rhs_max_, stprhs);
  return true;
}

// V = b - A x from the product in V, and the two sides of its test.
template <class T>
bool Solver<T>::true_sides() {
  for (int i = 0; i < n; ++i) v[i] = b[i] - v[i];
  xnorm = norm(x);
  stplhs = norm(v);
  stprhs = tol_true_ * (anorm * xnorm + bnorm);
  return !stopping_test_unusable();
}

// The test of the symmetric methods (ITERM = 1): the recurrence residual is
// checked against the true one before convergence is declared, and replaced
// by it when the iterate has shrunk far below the largest seen, since the
// recurrence then carries the rounding errors of that larger scale.  The
// largest ||x|| and STPRHS restart (from 0, so from the next values) at
// every replacement.
template <class T>
int Solver<T>::replacement_test() {
  T* r = residual();
  if (!recurrence_sides(r)) return finish(s.layout.nonfinite, false);
  if (stplhs > std::max(stprhs, rhs_max_)) {
    counter_ = 0;
    return after_test(kNoConvergence, false);
  }
  if (itn == 0) return finish(kOk, false);
  if (stplhs <= stprhs) {
    resume_ = kInTrueResidual;
    return request(kProduct, x);
  }
  if (xmax_ / xnorm / replace_ > 2.0) {
    fresh_ = true;
    xmax_ = rhs_max_ = 0.0;
  } else {
    counter_ = 0;
  }
  return after_test(kNoConvergence, false);
}

template <class T>
int Solver<T>::replacement_true_residual_test() {
  if (!true_sides()) return finish(s.layout.nonfinite, true);
  if (stplhs <= stprhs) return finish(kOk, true);
  if (++counter_ >= 2) return finish(kAccuracy, true);
  if (xmax_ / xnorm / replace_ > 1.0625) {
    copy(n, v, residual());
    xmax_ = rhs_max_ = 0.0;
    residual_renewed();
  }
  return after_test(kAccuracy, true);
}

template <class T>
void Solver<T>::record_lanczos(int k, double diag, double offdiag_sq) {
  // Row MAXITS + 1 is kept for its coupling to row MAXITS only: it gives
  // the estimate from MAXITS rows its residual bound.
  if (!s.layout.symmetric || s.I(kSigmaMode) != 2 || k < 1 || k > s.I(kMaxits) + 1) return;
  T* t = work + s.layout.block + static_cast<long>(sym_vectors(s.I(kMethod))) * n;
  t[2 * (k - 1)] = diag;
  t[2 * (k - 1) + 1] = offdiag_sq;
  sigma_from_rows(t, k, s.D(kSigtol), &sigmax, &s.D(kSigerr), &s.I(kIts));
}

// The end of state 4: stop, monitor or go on.  STOPPED is the failure if
// the iteration stops now for its limit (5, or 2 when the recurrence passed
// but the true residual did not).
template <class T>
int Solver<T>::after_test(int stopped, bool true_in_v) {
  if (tidy) return finish(stopped == kAccuracy ? kAccuracy : kTidyStop, true_in_v);
  if (itn >= maxitn) return finish(stopped, true_in_v);
  const int count = monitor_count();
  if (count > 0 && count % monfreq == 0) {
    copy(n, x, u);
    if (!true_in_v) copy(n, residual(), v);
    resume_ = kInMonitor;
    return kMonitor;
  }
  return continue_iteration();
}

// An infinity or a NaN on either side of the test is never convergence: the
// iteration cannot go on meaningfully and stops as a breakdown.
template <class T>
bool Solver<T>::stopping_test_unusable() const {
  return !(std::isfinite(stplhs) && std::isfinite(stprhs));
}

// State 6.  V hands back b - A U: once a step has moved x, the recurrence
// residual has drifted from that, so one more product A x comes first.
template <class T>
int Solver<T>::finish(int failure, bool true_in_v) {
  if (!true_in_v && have_residual_ && itn > 0) {
    failure_ = failure;
    resume_ = kInFinalResidual;
    return request(kProduct, x);
  }
  return finish_now(failure, true_in_v);
}

// U = x, V = r (unless V already holds the true residual, which then also
// becomes the stored residual, so that an entry after the end hands back
// the same V).
template <class T>
int Solver<T>::finish_now(int failure, bool true_in_v) {
  failure_ = failure;
  resume_ = kAtEnd;
  copy(n, x, u);
  if (have_residual_) {
    if (true_in_v) copy(n, v, residual());
    else copy(n, residual(), v);
  }
  return kDone;
}

template <class T>
int method_kernel(int code, T* u, T* v, const double* wgt, T* work, int* failure) {
  switch (int_field(work, kMethod)) {
    case kRgmres: return rgmres_kernel(code, u, v, wgt, work, failure);
    case kCgs: return cgs_kernel(code, u, v, wgt, work, failure);
    case kBicgstab: return bicgstab_kernel(code, u, v, wgt, work, failure);
    default: return tfqmr_kernel(code, u, v, wgt, work, failure);
  }
}

template <class T>
int sym_method_kernel(int code, T* u, T* v, const double* wgt, T* work, int* failure) {
  switch (int_field(work, kMethod)) {
    case kCg: return cg_kernel(code, u, v, wgt, work, failure);
    default: return symmlq_kernel(code, u, v, wgt, work, failure);
  }
}

template int method_kernel(int, double*, double*, const double*, double*, int*);
template int sym_method_kernel(int, double*, double*, const double*, double*, int*);
template int sym_method_kernel(int, Complex*, Complex*, const double*, Complex*, int*);
template int method_kernel(int, Complex*, Complex*, const double*, Complex*, int*);
template class Solver<double>;
template class Solver<Complex>;
template struct Scalars<double>;
template struct Scalars<Complex>;
template bool state_is_sound(const double*);
template bool state_is_sound(const Complex*);
template bool sym_state_is_sound(const double*);
template bool sym_state_is_sound(const Complex*);
template bool sequence_guard(Guard, double*);
template bool sequence_guard(Guard, Complex*);
template double vector_norm(int, int, const double*, const double*, bool);
template double vector_norm(int, int, const Complex*, const double*, bool);

}  // namespace kiv::krylov
