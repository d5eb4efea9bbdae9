// Zero of a continuous function: the interval search (C05AVF) and the
// bracket narrowing (C05AZF) by reverse communication, and the direct
// driver (C05AGF) that answers their requests through a host callback.
#include <algorithm>
#include <cmath>
#include <utility>

#include "frame/callback.hpp"
#include "frame/constants.hpp"
#include "frame/errors.hpp"
#include "frame/wrappers.hpp"
#include "roots/roots.hpp"

namespace {

// Nonzero values of opposite sign.
bool opposite(double u, double v) { return (u > 0.0 && v < 0.0) || (u < 0.0 && v > 0.0); }

// ---- C05AVF: interval search ----------------------------------------------

constexpr kiv::Messages kSearchMessages{
    " ** On entry, BOUNDU .le. BOUNDL:\n    BOUNDL =%12.4e BOUNDU =%12.4e.",
    " ** On entry, X .lt. BOUNDL or X .gt. BOUNDU:\n    X =%12.4e BOUNDL =%12.4e BOUNDU =%12.4e.",
    " ** On entry, H is too small for use as a perturbation of X.\n    X =%12.4e H =%16.6e.",
    " ** On entry, X+H and X-H both lie outside the interval [BOUNDL,BOUNDU]:\n"
    "    X      =%12.4e H      =%16.6e\n    BOUNDL =%12.4e BOUNDU =%12.4e.",
    " ** On entry, IND is not equal to -1, 1, 2, or 3: IND =%16ld.",
    " ** Unable to find an interval containing a simple zero.",
    " ** On entry, FX is not a number (NaN): X =%12.4e.",
};

// The caller's 11-element work array, by name.
struct SearchState {
  double* c;
  double& fy() { return c[0]; }
  double& flast() { return c[1]; }
  double& x0() { return c[2]; }
  double& fx0() { return c[3]; }
  double& h0() { return c[4]; }
  double& restarts() { return c[5]; }
  double& bound_state() { return c[6]; }
  double& xlo() { return c[7]; }
  double& flo() { return c[8]; }
  double& xhi() { return c[9]; }
  double& fhi() { return c[10]; }

  void track_all(double x, double f) {
    xlo() = xhi() = x;
    flo() = fhi() = f;
  }
};

bool inside(double x, double lo, double hi) { return x >= lo && x <= hi; }

// One call of the search; returns with *IND set (0 when finished).
void search(double* x, double fx, double* h, double boundl, double boundu, double* y,
            SearchState s, int* ind, kiv::Reporter& rep) {
  const auto& m = kSearchMessages;
  const int mode = *ind;
  *ind = 0;
  if (mode != -1 && mode != 1 && mode != 2 && mode != 3) return rep.fail(3, m[4], mode);

  bool have_value = mode != 1;
  bool at_start = mode != 3;
  if (mode == 1 || mode == -1) {
    // A NaN bound or X fails the comparisons and so lands on these errors.
    if (!(boundl < boundu)) return rep.fail(1, m[0], boundl, boundu);
    if (!inside(*x, boundl, boundu)) return rep.fail(1, m[1], *x, boundl, boundu);
    if (*x + *h == *x) return rep.fail(2, m[2], *x, *h);
    if (!inside(*x + *h, boundl, boundu) && !inside(*x - *h, boundl, boundu))
      return rep.fail(1, m[3], *x, *h, boundl, boundu);
    s.x0() = *x;
    s.h0() = *h;
    s.restarts() = 0.0;
    s.bound_state() = 0.0;
    *y = *x;
    s.xlo() = s.xhi() = *x;
    if (!have_value) {
      *ind = 2;
      return;
    }
  }

  if (std::isnan(fx)) return rep.fail(5, m[6], *x);
  s.flast() = fx;
  if (fx == 0.0) {
    *y = *x;
    return;
  }

  if (at_start) {
    s.fx0() = s.fy() = fx;
    s.flo() = s.fhi() = fx;
  } else {
    if (opposite(fx, s.fy())) {
      // Bracketed: the tracked point nearer to X closes the interval.
      const bool upper = std::fabs(s.xhi() - *x) < std::fabs(s.xlo() - *x);
      *y = upper ? s.xhi() : s.xlo();
      s.fy() = upper ? s.fhi() : s.flo();
      return;
    }
    if (std::fabs(*x - boundl) <= std::fabs(s.xlo() - boundl)) {
      s.xlo() = *x;
      s.flo() = fx;
    } else if (std::fabs(*x - boundu) <= std::fabs(s.xhi() - boundu)) {
      s.xhi() = *x;
      s.fhi() = fx;
    }
    if (std::fabs(fx) < std::fabs(s.fy())) {
      *h = 2.0 * *h;
      *y = *x;
      s.fy() = fx;
    } else {
      *h = -2.0 * *h;
    }
  }

  // At most three restarts, each ending here or in a return.
  for (;;) {
    if (at_start) {
      if ((*x == boundl && *x + *h < boundl) || (*x == boundu && *x + *h > boundu)) *h = -*h;
      if (*x == boundl) s.bound_state() = -1.0;
      if (*x == boundu) s.bound_state() = 1.0;
    }
    *x += *h;
    double& state = s.bound_state();
    if (*x <= boundl) {
      *x = boundl;
      if (state != -1.0 && std::fabs(state) <= 1.5) {
        state = state == 0.0 ? -1.0 : -2.0;
        *ind = 3;
        return;
      }
    } else if (*x >= boundu) {
      *x = boundu;
      if (state != 1.0 && std::fabs(state) <= 1.5) {
        state = state == 0.0 ? 1.0 : 2.0;
        *ind = 3;
        return;
      }
    } else if (*x > boundl && *x < boundu) {
      *ind = 3;
      return;
    }

    // Both bounds used up (or the step left the reals): restart from X0
    // with a smaller step of alternating sign.
    // The count comes back from the caller's C: any value but 0, 1 or 2
    // ends the search, so that a damaged one (an infinity that += 1 leaves
    // alone) cannot keep it going.
    const double done = s.restarts();
    bool failed = !(done == 0.0 || done == 1.0 || done == 2.0);
    if (!failed) {
      s.restarts() += 1.0;
      *h = std::pow(-0.1, s.restarts()) * s.h0();
      failed = s.x0() + *h == s.x0();
    }
    if (failed) {
      const bool lo_first = s.xlo() <= s.xhi();
      *x = lo_first ? s.xlo() : s.xhi();
      *y = lo_first ? s.xhi() : s.xlo();
      s.flast() = lo_first ? s.flo() : s.fhi();
      s.fy() = lo_first ? s.fhi() : s.flo();
      return rep.fail(4, m[5]);
    }
    *x = *y = s.x0();
    s.fy() = s.fx0();
    s.track_all(s.x0(), s.fx0());
    s.bound_state() = 0.0;
    at_start = true;
  }
}

// ---- C05AZF: zero in a bracket --------------------------------------------

constexpr kiv::Messages kBracketMessages{
    " ** On entry, IND .ne. -1, 1, 2, 3, or 4: IND =%16ld.",
    " ** On entry, TOLX .le. 0.0: TOLX =%12.4e.",
    " ** On entry, IR .ne. 0, 1, or 2: IR =%16ld.",
    " ** On entry, f(X) and f(Y) have the same sign with f(X) .ne. 0.0.",
    " ** The tolerance TOLX has been set too small for the problem\n    being solved. However, "
    "the values X and Y returned may well\n    be good approximations to the zero.\n"
    "    TOLX =%12.4e.",
    " ** Interval may contain a pole rather than a zero.",
    " ** On entry, FX is not a number (NaN): X =%12.4e.",
};

// The caller's 17-element work array, by name.
struct BracketState {
  double* w;
  double& c() { return w[0]; }
  double& fc() { return w[1]; }
  double& b() { return w[2]; }
  double& fb() { return w[3]; }
  double& a() { return w[4]; }
  double& fa() { return w[5]; }
  double& d() { return w[6]; }
  double& fd() { return w[7]; }
  double& q1() { return w[8]; }
  double& q2() { return w[9]; }
  double& last_step() { return w[10]; }
  double& half() { return w[11]; }
  double& sqrt_eps() { return w[12]; }
  double& tiny() { return w[13]; }
  double& fmax() { return w[14]; }
  double& pole() { return w[15]; }
  double& count() { return w[16]; }
};

void bracket(double* x, double* y, double fx, double tolx, int ir, BracketState s, int* ind,
             kiv::Reporter& rep) {
  const auto& m = kBracketMessages;
  int mode = *ind;
  *ind = 0;
  if (mode < -1 || mode > 4 || mode == 0) return rep.fail(2, m[0], mode);
  if (!(tolx > 0.0)) return rep.fail(3, m[1], tolx);
  if (ir < 0 || ir > 2) return rep.fail(3, m[2], ir);
  const double rel = ir == 1 ? 0.0 : 1.0;
  const double abs = ir == 2 ? 0.0 : 1.0;

  const bool supplied = mode == -1;
  if (mode == 1 || mode == -1) {
    s.b() = *x;
    if (mode == 1) {
      *ind = 2;
      return;
    }
    mode = 2;
  }
  if (std::isnan(fx)) return rep.fail(6, m[6], *x);
  if (fx == 0.0) {
    *y = *x;
    return;
  }

  if (mode == 2) {
    const double f_second = s.c();  // f(Y), when the caller supplied it
    s.fb() = fx;
    s.pole() = 0.0;
    s.fmax() = std::fabs(fx);
    std::swap(*x, *y);
    s.fc() = fx;
    s.a() = *x;
    if (!supplied) {
      *ind = 3;
      return;
    }
    fx = f_second;
    if (std::isnan(fx)) return rep.fail(6, m[6], *x);
    if (fx == 0.0) {
      *y = *x;
      return;
    }
    mode = 3;
  }

  if (mode == 3) {
    if (!opposite(fx, s.fc())) return rep.fail(1, m[3]);
    s.fa() = fx;
    s.sqrt_eps() = std::sqrt(kiv::kEps);
    s.tiny() = kiv::kSafeMin;
    s.fmax() = std::max(s.fmax(), std::fabs(fx));
    s.pole() = 0.0;
    s.c() = s.a();
    s.fc() = s.fa();
    s.count() = 0.0;
  } else {  // mode 4: the value at the new iterate b
    s.fb() = fx;
    if (s.fmax() < std::fabs(fx) * s.sqrt_eps()) {
      s.pole() = s.pole() == 0.0 ? 1.0 : -1.0;
    } else {
      s.pole() = 0.0;
    }
    if (!opposite(s.fb(), s.fc())) {
      s.c() = s.a();
      s.fc() = s.fa();
      s.count() = 0.0;
    } else {
      s.count() = s.last_step() == s.half() ? 0.0 : s.count() + 1.0;
    }
  }

  if (std::fabs(s.fc()) < std::fabs(s.fb())) {
    if (s.c() != s.a()) {
      s.d() = s.a();
      s.fd() = s.fa();
    }
    s.a() = s.b();
    s.fa() = s.fb();
    s.b() = s.c();
    s.fb() = s.fc();
    s.c() = s.a();
    s.fc() = s.fa();
  }
  // X is always the best approximation b, also when the first bracket is
  // already narrow enough.
  *x = s.b();

  const double scale = std::max(rel * std::fabs(s.b()), abs);
  const double tol = 0.5 * tolx * scale;
  const double half = 0.5 * (s.c() - s.b());
  s.half() = half;
  if (half == 0.0) return rep.fail(5, m[4], tolx);
  if (std::fabs(half) <= tol) {
    if (s.pole() < 0.0) return rep.fail(4, m[5]);
    *y = s.c();
    return;
  }
  // Narrower than the arithmetic can resolve, or a relative test at b = 0
  // that no bracket can pass.
  if (scale == 0.0 || !(std::fabs(half) > 2.0 * kiv::kEps * scale))
    return rep.fail(5, m[4], tolx);

  double step;
  if (s.count() >= 2.5) {
    step = half;
  } else {
    const double sgn_tol = std::copysign(tol, half);
    double p = (s.b() - s.a()) * s.fb();
    double q;
    if (s.count() <= 1.5) {
      q = s.fa() - s.fb();
    } else {
      if (s.d() == s.b() || s.d() == s.a()) return rep.fail(5, m[4], tolx);
      s.q1() = (s.fd() - s.fb()) / (s.d() - s.b());
      s.q2() = (s.fd() - s.fa()) / (s.d() - s.a());
      p = s.q2() * p;
      q = s.q1() * s.fa() - s.q2() * s.fb();
    }
    if (p < 0.0) {
      p = -p;
      q = -q;
    }
    if (std::fabs(p) <= s.tiny() || p <= q * sgn_tol) step = sgn_tol;
    else if (p < q * half) step = p / q;
    else step = half;
  }
  s.last_step() = step;
  s.d() = s.a();
  s.fd() = s.fa();
  s.a() = s.b();
  s.fa() = s.fb();
  s.b() += step;
  *x = s.b();
  *y = s.c();
  *ind = 4;
}

// ---- C05AGF: direct driver --------------------------------------------------

constexpr kiv::Messages kDriverMessages{
    " ** On entry, EPS .le. 0.0: EPS =%12.4e.",
    " ** On entry, X+H .eq. X:\n    X =%12.4e H =%12.4e.",
    " ** A serious error occurred in an internal call to an auxiliary routine.",
    " ** An interval containing the zero could not be found.",
    " ** Solution may be a pole rather than a zero.",
    " ** The tolerance EPS has been set too small for the problem\n    being solved. However, the "
    "value X returned may well\n    be a good approximation to the zero.\n    EPS =%12.4e.",
    " ** The function returned a value that is not finite:\n    F(X) =%12.4e at X =%12.4e.",
    " ** On entry, X or H is not finite:\n    X =%12.4e H =%12.4e.",
};

enum class Outcome { running, done };

void drive(double* x, double h, double eps, double eta, const kiv::Callback1& f, double* a,
           double* b, kiv::Reporter& rep) {
  const auto& m = kDriverMessages;
  if (!(eps > 0.0)) return rep.fail(1, m[0], eps);
  if (!std::isfinite(*x) || !std::isfinite(h)) return rep.fail(1, m[7], *x, h);
  if (*x + h == *x) return rep.fail(1, m[1], *x, h);

  // Every exit from here on leaves A <= B.
  struct Order {
    double *a, *b;
    ~Order() {
      if (*b <= *a) std::swap(*a, *b);
    }
  } order{a, b};

  // One evaluation: false when the call is over (a small value or a
  // non-finite one).
  double fx = 0.0;
  bool stop = false;
  auto evaluate = [&] {
    fx = f(*x);
    if (!std::isfinite(fx)) {
      rep.fail(7, m[6], fx, *x);
      stop = true;
    } else if (std::fabs(fx) < eta) {
      *a = *b = *x;
      stop = true;
    }
    return !stop;
  };
  if (!evaluate()) return;

  double work[17] = {};
  char record[kiv::kRecordLen + 1] = {};
  double step = h;
  const double reach = 256.0 * std::fabs(h);
  const double boundl = *x - reach, boundu = *x + reach;
  int ind = -1, inner = 1;
  for (;;) {
    inner = 1;
    C05AVF(x, fx, &step, boundl, boundu, a, work, &ind, record, &inner, kiv::kRecordLen);
    if (ind == 0 || !evaluate()) break;
  }
  if (stop) return;
  if (inner == 4) {
    *b = *x;
    return rep.fail(2, m[3]);
  }
  if (inner != 0) return rep.fail(5, m[2]);
  if (*a == *x) {  // the search met an exact zero
    if (eta > 0.0) return rep.fail(5, m[2]);
    *b = *x;
    return;
  }

  *b = *x;
  double y = *a;
  ind = -1;
  for (;;) {
    inner = 1;
    C05AZF(x, &y, fx, eps, 0, work, &ind, record, &inner, kiv::kRecordLen);
    if (ind != 4 || !evaluate()) break;
  }
  if (stop) return;
  if (ind != 0) return rep.fail(6, m[2]);
  switch (inner) {
    case 0:
      if (*x == y) {
        if (eta > 0.0) return rep.fail(6, m[2]);
        *a = *b = *x;
      }
      return;
    case 4: return rep.fail(3, m[4]);
    case 5: return rep.fail(4, m[5], eps);
    default: return rep.fail(6, m[2]);
  }
}

}  // namespace

extern "C" {

int KIV_CALL C05AVF(double* x, double fx, double* h, double boundl, double boundu, double* y,
                    double* c, int* ind, char* record, int* ifail, int record_len) {
  kiv::Reporter rep("C05AVF", record, record_len);
  search(x, fx, h, boundl, boundu, y, SearchState{c}, ind, rep);
  return rep.finish(ifail);
}

int KIV_CALL C05AZF(double* x, double* y, double fx, double tolx, int ir, double* c, int* ind,
                    char* record, int* ifail, int record_len) {
  kiv::Reporter rep("C05AZF", record, record_len);
  bracket(x, y, fx, tolx, ir, BracketState{c}, ind, rep);
  return rep.finish(ifail);
}

int KIV_CALL C05AGF(double* x, double h, double eps, double eta, kiv2_fun1 f,
                    kiv2_adapter1 adapter, double* a, double* b, void* user1, void* user2,
                    char* record, int* ifail, int record_len) {
  kiv::Reporter rep("C05AGF", record, record_len);
  drive(x, h, eps, eta, kiv::Callback1{f, adapter, user1, user2}, a, b, rep);
  return rep.finish(ifail);
}

int KIV_CALL C05AVF_HOST(double* x, const double* fx, double* h, const double* boundl,
                         const double* boundu, double* y, double* c, int* ind, int* ifail) {
  return kiv::host_call("C05AVF", ifail, kiv::no_poison, [&](char* rec) {
    return C05AVF(x, *fx, h, *boundl, *boundu, y, c, ind, rec, ifail, KIV2_RECORD_LEN);
  });
}

int KIV_CALL C05AGF_HOST(double* x, const double* h, const double* eps, const double* eta,
                         kiv2_fun1 f, double* a, double* b, void* user1, void* user2,
                         int* ifail) {
  return kiv::host_call(
      "C05AGF", ifail,
      [&] {
        POISON_REAL(a);
        POISON_REAL(b);
      },
      [&](char* rec) {
        return C05AGF(x, *h, *eps, *eta, f, &CALLBACK_X, a, b, user1, user2, rec, ifail,
                      KIV2_RECORD_LEN);
      });
}

}  // extern "C"
