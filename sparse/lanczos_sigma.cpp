// The sigma_1 estimate: Gershgorin bounds and bisection on Sturm counts over
// the Lanczos tridiagonal matrix.
#include "sparse/lanczos_sigma.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

#include "frame/constants.hpp"

namespace kiv::krylov {

namespace {
// Element I at stride S, past the int range when the rows are many.
inline std::ptrdiff_t at(int i, int s) { return static_cast<std::ptrdiff_t>(i) * s; }
}  // namespace

int sturm_count(int m, const double* d, const double* e2, double lambda, int stride) {
  int count = 0;
  double q = 1.0;
  for (int i = 0; i < m; ++i) {
    q = d[at(i, stride)] - lambda - (i > 0 ? e2[at(i - 1, stride)] / q : 0.0);
    if (q == 0.0) q = kEps;
    count += q < 0.0 ? 1 : 0;
  }
  return count;
}

namespace {

// Squared last component of the unit eigenvector of T for the eigenvalue
// THETA: f_{m-1}(theta) / f_m'(theta), f_j the leading principal minors of
// T - lambda I, formed from the pivots q_j = f_j / f_{j-1} and their
// derivatives.
double last_component2(int m, const double* d, const double* e2, double theta, int st) {
  double q = 1.0, dq = 0.0, ratio_sum = 0.0;
  for (int i = 0; i < m; ++i) {
    if (i > 0) ratio_sum += dq / q;
    const double c = i > 0 ? e2[at(i - 1, st)] : 0.0;
    // A zero coupling starts the derivative afresh: 0 * inf would be NaN.
    dq = -1.0 + (c == 0.0 ? 0.0 : c * dq / (q * q));
    q = d[at(i, st)] - theta - (i > 0 ? c / q : 0.0);
    if (q == 0.0) q = kEps;
  }
  const double denom = std::fabs(dq + q * ratio_sum);
  if (std::isnan(denom)) return 1.0;  // nothing known: the bound stays whole
  return std::min(1.0, 1.0 / denom);
}

}  // namespace

SigmaEstimate lanczos_sigma(int m, const double* d_in, const double* e2_in, double sigtol,
                            int stride) {
  const double inf = std::numeric_limits<double>::infinity();
  auto d = [&](int i) { return d_in[at(i, stride)]; };
  auto e2 = [&](int i) { return e2_in[at(i, stride)]; };
  for (int i = 0; i < m; ++i)
    if (!std::isfinite(d(i)) || !std::isfinite(e2(i)) || e2(i) < 0.0) return {inf, inf};

  // Gershgorin: every eigenvalue lies in [lo_g, hi_g].
  double lo_g = inf, hi_g = -inf;
  for (int i = 0; i < m; ++i) {
    const double radius = (i > 0 ? std::sqrt(e2(i - 1)) : 0.0) + (i < m - 1 ? std::sqrt(e2(i)) : 0.0);
    lo_g = std::min(lo_g, d(i) - radius);
    hi_g = std::max(hi_g, d(i) + radius);
  }
  const double bound = std::max(std::fabs(lo_g), std::fabs(hi_g));
  if (bound == 0.0) return {};
  if (!std::isfinite(bound)) return {inf, inf};
  const double width = std::max(sigtol / 16.0, kEps) * bound;

  // Bisection for the largest (TOP) or the smallest eigenvalue, from a
  // bracket widened so that an eigenvalue on a Gershgorin end is inside it.
  struct Bracket {
    double lo, hi;
  };
  auto locate = [&](bool top) {
    Bracket b{lo_g - width, hi_g + width};
    // Halves first: near the overflow limit hi - lo itself may overflow.
    while (0.5 * b.hi - 0.5 * b.lo > 0.5 * width) {
      const double mid = 0.5 * b.lo + 0.5 * b.hi;
      if (mid <= b.lo || mid >= b.hi) break;
      const int below = sturm_count(m, d_in, e2_in, mid, stride);
      if (top ? below == m : below >= 1) b.hi = mid;
      else b.lo = mid;
    }
    return b;
  };

  // The end with the larger Gershgorin magnitude first; the other only when
  // its bound could still beat what the first found.  Each bracket gives its
  // end nearer to zero: in exact arithmetic a lower bound of the extreme
  // Ritz value's magnitude, which never exceeds sigma_1 of the operator.
  auto inner = [](const Bracket& b, bool top) { return std::fabs(top ? b.lo : b.hi); };
  const bool top_first = std::fabs(hi_g) >= std::fabs(lo_g);
  Bracket best = locate(top_first);
  double sigma = inner(best, top_first);
  const double other_bound = top_first ? std::fabs(lo_g) : std::fabs(hi_g);
  if ((top_first ? lo_g < 0.0 : hi_g > 0.0) && other_bound > sigma) {
    const Bracket b = locate(!top_first);
    if (inner(b, !top_first) > sigma) {
      best = b;
      sigma = inner(b, !top_first);
    }
  }
  const double lambda = 0.5 * best.lo + 0.5 * best.hi;

  SigmaEstimate est;
  est.sigma = sigma;
  const double width_left = 2.0 * (0.5 * best.hi - 0.5 * best.lo);
  const double coupling = std::sqrt(e2(m - 1));
  const double residual =
      coupling == 0.0 ? 0.0
                      : coupling * std::sqrt(last_component2(m, d_in, e2_in, lambda, stride));
  est.error = est.sigma > 0.0 ? (width_left + residual) / est.sigma : inf;
  return est;
}

}  // namespace kiv::krylov
