// What the one-call drivers share, nonsymmetric and Hermitian alike: the
// storage check, the workspace rule, and the run after the argument checks
// (the norm of A, the set-up, the reverse-communication loop answered by a
// product or a preconditioner solve, the mapping of the inner failures and
// the monitoring call).  A solver family (the set-up, iteration and
// monitoring routines of one scalar with their product) is a policy class.
#pragma once

#include <algorithm>
#include <complex>
#include <cstring>

#include "sorting/sorting.hpp"
#include "sparse/precon.hpp"

namespace kiv::precon {

// Where a driver's message table keeps the texts the run reports (-1: the
// family has no such failure), and the IFAIL of an unexpected inner
// failure.
struct RunLabels {
  int lwork, method, m, tol, maxitn, factor, internal, irevcm;
  int accuracy, not_converged, breakdown, not_definite;
  int serious;
  // Whether NITS and RESNRM are fetched after IFAIL 4 to 7 as well.
  bool monitor_failures;
};

// METHOD as a text for its message.
struct MethodText {
  char text[33];
  MethodText(const char* s, int len) : text{} {
    if (s != nullptr && len > 0) std::memcpy(text, s, static_cast<std::size_t>(std::min(len, 32)));
  }
};

// The workspace of a driver, in 64 bits: the solver's (KNOWN, 0 for a
// METHOD the set-up will reject), N for V and SHIFT more.  A METHOD that is
// rejected later still needs room for what the driver writes before the
// set-up does: V, the shift and the set-up's block.
inline long long driver_requirement(long long known, long long n, int block, long long shift) {
  return std::max(known + shift, n + shift + block);
}

// The storage check of a driver (SYM for symmetric storage): codes 1-3
// IFAIL 1, 4-7 IFAIL 2, the messages of code k at MSG[k - 1].
template <class Msgs>
bool storage_ok(Reporter& rep, const Msgs& msg, int n, int nnz, const int* irow,
                const int* icol, bool sym) {
  const auto c = sparse::check_sorted_storage(n, nnz, irow, icol, sym);
  if (c.code == 0) return true;
  report_storage(rep, c, n, nnz, irow, icol, 1, 2, [&msg](int code) { return msg[code - 1]; },
                 sym);
  return false;
}

// PRECON of a driver built on A ('N', 'J' or 'S'; with 'S', 0 < OMEGA < 2):
// its letter, or 0 after reporting the failure with IFAIL 1.
template <class Msgs>
char precon_letter(Reporter& rep, const Msgs& msg, int precon_label, int omega_label,
                   const char* precon, int precon_len, double omega) {
  const char p = sorting::option_letter(precon, precon_len);
  if (p != 'N' && p != 'J' && p != 'S') {
    rep.fail(1, msg[precon_label], sorting::Letter(precon, precon_len).text);
    return 0;
  }
  if (p == 'S' && !(omega > 0.0 && omega < 2.0)) {
    rep.fail(1, msg[omega_label], omega);
    return 0;
  }
  return p;
}

// The run of a driver with family F after its own checks.  WORK(1..N) is V;
// SHIFT further values (the reciprocal diagonal) precede the solver's
// workspace.  PRECONDITION answers a solve request (U in, V out) and
// returns false when it fails.
template <class F, class T, class Msgs, class Precondition>
int run(Reporter& rep, const Msgs& msg, const RunLabels& lab, int* ifail, const char* method,
        int method_len, bool preconditioned, int n, int nnz, const T* a, const int* irow,
        const int* icol, const T* b, int m, double tol, int maxitn, T* x, double* resnrm,
        int* nits, T* work, int lwork, int shift, Precondition&& precondition) {
  auto fail = [&](int ierr, int label, auto... values) {
    rep.fail(ierr, msg[label], values...);
    return rep.finish(ifail);
  };
  auto internal = [&](int which, int code) {
    return fail(lab.serious, lab.internal, F::names[which], code);
  };
  char rec[KIV2_RECORD_LEN + 1];

  // The infinity norm; symmetric storage adds an off-diagonal entry to its
  // column's sum too.
  std::fill(work, work + n, T{});
  for (int k = 0; k < nnz; ++k) {
    const double e = F::norm_term(a[k]);
    work[irow[k] - 1] += e;
    if (F::symmetric && icol[k] != irow[k]) work[icol[k] - 1] += e;
  }
  double anorm = 0.0;
  for (int i = 0; i < n; ++i) anorm = std::max(anorm, std::real(work[i]));
  std::copy(b, b + n, work);

  T* const solver_work = work + n + shift;
  const int solver_len = lwork - n - shift;
  int lwreq = 0, inner = 1;
  F::setup(method, method_len, preconditioned, n, m, tol, maxitn, anorm, &lwreq, solver_work,
           solver_len, rec, &inner);
  if (inner == -1) return fail(1, lab.method, MethodText(method, method_len).text);
  if (inner == -7 && lab.m >= 0) return fail(1, lab.m, F::m_bound(method, method_len), m, n);
  if (inner == -8) return fail(1, lab.tol, tol);
  if (inner == -9) return fail(1, lab.maxitn, maxitn);
  if (inner != 0) return internal(0, inner);

  const double weight = 1.0;  // WEIGHT = 'N': never read
  int irevcm = 0;
  bool precon_failed = false;
  for (;;) {
    inner = 1;
    F::iterate(&irevcm, x, work, &weight, solver_work, solver_len, rec, &inner);
    if (irevcm == -1 || irevcm == 1) {
      // The matrix was checked: the products cannot fail.
      F::product(irevcm, n, nnz, a, irow, icol, x, work);
    } else if (irevcm == 2) {
      if (!precondition(x, work)) {
        irevcm = 6;
        precon_failed = true;
      }
    } else {
      break;
    }
  }
  if (irevcm != 4) return fail(lab.serious, lab.irevcm, irevcm);
  if (precon_failed) return fail(3, lab.factor);
  switch (inner) {
    case 0: break;
    case 2: rep.fail(4, msg[lab.accuracy]); break;
    case 5: rep.fail(5, msg[lab.not_converged], maxitn); break;
    case 6: rep.fail(6, msg[lab.breakdown]); break;
    case -6:
      return fail(1, lab.lwork, lwork,
                  clamp_requirement(static_cast<long long>(lwreq) + n + shift));
    default:
      if (inner == 7 && lab.not_definite >= 0) {
        rep.fail(7, msg[lab.not_definite]);
        break;
      }
      return internal(1, inner);
  }
  if (inner != 0 && !lab.monitor_failures) return rep.finish(ifail);
  int itn = 0, mfail = 1;
  double stplhs = 0.0;
  F::monitor(&itn, &stplhs, solver_work, solver_len, rec, &mfail);
  if (mfail != 0) return internal(2, mfail);
  *nits = itn;
  *resnrm = stplhs;
  return rep.finish(ifail);
}

}  // namespace kiv::precon
