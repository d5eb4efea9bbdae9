// The plumbing both families of reverse-communication solvers share: the
// option letters, the iteration entry (protocol, sequence guard, state
// checks, failure reports), the monitoring entry's checks and the host
// wrappers' poisoning.  A family is described by a traits class:
//
//   struct Family {
//     template <class T> struct Names;   // routine names and their texts
//     static constexpr bool symmetric;
//     template <class T> static const Layout& layout();
//     template <class T> static bool sound(const T* work);
//     template <class T> static int kernel(int code, T* u, T* v, const double* wgt,
//                                          T* work, int* failure);
//   };
#pragma once

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

#include "frame/constants.hpp"
#include "frame/errors.hpp"
#include "frame/wrappers.hpp"
#include "sparse/krylov.hpp"

namespace kiv::krylov {
namespace {

constexpr const char* kIllegal = " ** On entry, parameter number %2ld had an illegal value.";

// The first letter of an option, or 0 when the argument is empty.
inline char letter(const char* text, int len) {
  return len >= 1 && text != nullptr ? text[0] : '\0';
}
inline bool one_of(char c, const char* set) { return c != '\0' && std::strchr(set, c) != nullptr; }

// The norm code of a NORM letter: '1' 0, 'I' 1, '2' 2; -1 when invalid.
inline int norm_letter_code(char c) {
  const char* kNorms = "11Ii22";
  if (!one_of(c, kNorms)) return -1;
  const int pos = static_cast<int>(std::strchr(kNorms, c) - kNorms) + 1;
  return (pos + 1) / 2 - 1;
}

// What both families' set-up stores in a fresh block.
struct BlockFields {
  int method, norm_code, iterm, n, maxitn, monit, lwreq;
  double tol, anorm, sigmax;
  bool precon;
};

// Clears the block and writes the fields both families keep, at the places
// the layout gives; a family adds its own and then calls the guard.
template <class T>
void write_block(T* work, const Layout& lay, const BlockFields& f) {
  std::fill(work, work + lay.block, T(0.0));
  set_field(work, kIntSize, lay.ints);
  set_field(work, kRealSize, lay.reals);
  set_field(work, kLogSize, lay.logs);
  set_field(work, kMethod, f.method);
  set_field(work, lay.norm_code, f.norm_code);
  set_field(work, lay.norm_copy, f.norm_code);
  set_field(work, lay.iterm, f.iterm);
  set_field(work, lay.n, f.n);
  set_field(work, kMaxitn, f.maxitn);
  // Never monitored: a frequency beyond MAXITN, saturated at INT_MAX.
  set_field(work, kMonFreq, f.monit > 0 ? f.monit : std::min<long long>(f.maxitn + 4LL, INT_MAX));
  set_field(work, kLwreq, f.lwreq);
  set_field(work, kTol, f.tol > 0.0 ? std::max(f.tol, kEps) : std::sqrt(kEps));
  set_field(work, kAnorm, f.anorm);
  set_field(work, kSigmax, f.sigmax);
  set_bool(work, lay.log0 + kOffPrecon, f.precon);
  set_bool(work, lay.log0 + kOffFirstEntry, true);
  set_bool(work, lay.log0 + kOffFinished, false);
}

// The routine names of a family's Names<T> and the texts that name them.
#define KIV_KRYLOV_NAMES(SETUP, ITERATE, MONITOR)                                       \
  static constexpr const char* setup = SETUP;                                           \
  static constexpr const char* iterate = ITERATE;                                       \
  static constexpr const char* monitor = MONITOR;                                       \
  static constexpr const char* completed =                                              \
      " ** " ITERATE " has already completed its tasks. You need to set a new problem."; \
  static constexpr const char* not_set_up =                                             \
      " ** Either " SETUP " was not called before calling this routine\n"               \
      " ** or it has returned an error.";                                               \
  static constexpr const char* out_of_sequence = " ** " MONITOR " has been called out of sequence."

// The messages of an iteration entry, in label order; a family may add
// its own after the common ones.
template <class Names, class... Extra>
constexpr auto iterate_messages(Extra... extra) {
  return Messages{
      " ** On first entry, parameter number %2ld had an illegal value.",
      " ** On re-entry, parameter number %2ld had an illegal value.",
      Names::completed,
      " ** The required accuracy could not be obtained.\n"
      " ** However, a reasonable accuracy may have been achieved.",
      " ** User-requested termination: the required accuracy could not be obtained.\n"
      " ** However, a reasonable accuracy may have been achieved.",
      Names::not_set_up,
      " ** User-requested tidy termination.\n"
      " ** The solution has not converged after%7ld iterations.",
      " ** The solution has not converged after%7ld iterations.",
      " ** Algorithm breakdown at iteration no.%7ld",
      " ** User-requested immediate termination.",
      extra...};
}
enum IterateMessage {
  kFirstIllegal, kReIllegal, kCompleted, kAccuracyMsg, kUserAccuracy, kNotSetUp, kTidyMsg,
  kNotConverged, kBreakdownMsg, kImmediate, kFamilyMsg1, kFamilyMsg2,
};

// The iteration entry of either family.
template <class F, class T>
int iterate(int* irevcm, T* u, T* v, const double* wgt, T* work, int lwork, char* record,
            int* ifail, int record_len) {
  using R = typename F::template Names<T>;
  const Layout& lay = F::template layout<T>();
  const int block = lay.block;
  const int finished_at = lay.log0 + kOffFinished, first_at = lay.log0 + kOffFirstEntry;
  constexpr auto kMessages = F::template messages<T>();
  Reporter rep(R::iterate, record, record_len);

  // Nothing in WORK may be touched when it is too short or was never set up.
  // (The symmetric family names a short block in the first-entry form.)
  if (lwork < block) {
    rep.fail(-6, kMessages[*irevcm == 0 || F::symmetric ? kFirstIllegal : kReIllegal], 6);
    *irevcm = kDone;
    return rep.finish(ifail);
  }
  // A block whose tags, sizes, counters or resume points were damaged is
  // treated as never set up: nothing it says is used to index or divide.
  if (!(int_field(work, kTag1) == kTagValue1 && int_field(work, kTag2) == kTagValue2) ||
      !F::sound(work)) {
    rep.fail(3, kMessages[kNotSetUp]);
    *irevcm = kDone;
    return rep.finish(ifail);
  }

  set_field(work, kLastIrevcm, *irevcm);
  bool first = bool_field(work, first_at);
  bool finished = bool_field(work, finished_at);
  const long long lwreq = int_field(work, kLwreq);
  int multiplier = 1;
  int failure = 0;
  int request = kDone;
  bool run = false;
  int code = 0;

  if (first) {
    if (finished && *irevcm == kDone) {
      failure = 1;
    } else if (*irevcm != 0) {
      failure = -1;
    } else if (!sequence_guard(Guard::start, work)) {
      failure = 3;
    } else if (lwork < lwreq) {
      failure = -6;
    } else {
      set_field(work, kLwork, lwork);
      // The symmetric methods start from a clean workspace.
      if (F::symmetric) std::fill(work + block, work + lwreq, T(0.0));
      run = true;
    }
  } else if (lwork < lwreq) {
    failure = -6;
  } else {
    const int last = int_field(work, kLastRequest);
    if (*irevcm == 5) {
      multiplier = 10;
    } else if (*irevcm == 6) {
      multiplier = 100;
      failure = 8;
    } else if (*irevcm == last) {
      multiplier = int_field(work, kMultiplier);
    } else {
      multiplier = 100;
      failure = -1;
    }
    code = multiplier * last;
    run = true;
  }

  if (run) {
    int kernel_failure = 0;
    request = F::kernel(code, u, v, wgt, work, &kernel_failure);
    if (failure == 0) failure = kernel_failure;
  }
  *irevcm = request;
  set_field(work, kLastIrevcm, request);

  if (request != kDone) {
    if (request <= kPrecondition) first = false;
  } else {
    if (!first || failure == 0) {
      finished = true;
      sequence_guard(Guard::finish, work);
    } else if (failure != 1 && failure != 3) {
      sequence_guard(Guard::start, work);
      sequence_guard(Guard::finish, work);
    }
    const long itn = int_field(work, kItn);
    switch (failure) {
      case 0: break;
      case -1: case -6:
        rep.fail(failure, kMessages[first ? kFirstIllegal : kReIllegal], -failure);
        break;
      case 1: rep.fail(1, kMessages[kCompleted]); break;
      case 2: rep.fail(2, kMessages[multiplier == 10 ? kUserAccuracy : kAccuracyMsg]); break;
      case 3: rep.fail(3, kMessages[kNotSetUp]); break;
      case 4: rep.fail(4, kMessages[kTidyMsg], itn); break;
      case 5: rep.fail(5, kMessages[kNotConverged], itn); break;
      case 6:
        if constexpr (F::symmetric) rep.fail(6, kMessages[kFamilyMsg1]);
        else rep.fail(6, kMessages[kBreakdownMsg], itn);
        break;
      case 7:
        if constexpr (F::symmetric) rep.fail(7, kMessages[kFamilyMsg2]);
        break;
      default: rep.fail(8, kMessages[kImmediate]); break;
    }
  }

  set_field(work, kLastRequest, request);
  set_field(work, kMultiplier, multiplier);
  set_bool(work, finished_at, finished);
  set_bool(work, first_at, first);
  return rep.finish(ifail);
}

// The checks of a monitoring entry: LWORK (argument LWORK_ARG) and the
// sequence; false, with the failure reported, when the outputs stay 0.
template <class F, class T>
bool monitor_allowed(Reporter& rep, const T* work, int lwork, int lwork_arg) {
  constexpr Messages kMessages{kIllegal, F::template Names<T>::out_of_sequence};
  if (lwork < F::template layout<T>().block) {
    rep.fail(-lwork_arg, kMessages[0], lwork_arg);
    return false;
  }
  if (!sequence_guard(Guard::monitor, const_cast<T*>(work)) || !F::sound(work)) {
    rep.fail(1, kMessages[1]);
    return false;
  }
  return true;
}

inline void poison_work(int n, double* work) { POISON_REALS(n, work); }
inline void poison_work(int n, Complex* work) { POISON_COMPLEXES(n, work); }

template <class F, class T>
int iterate_host(int* irevcm, T* u, T* v, const double* wgt, T* work, const int* lwork,
                 int* ifail) {
  return host_call(F::template Names<T>::iterate, ifail, no_poison, [&](char* rec) {
    return iterate<F>(irevcm, u, v, wgt, work, *lwork, rec, ifail, KIV2_RECORD_LEN);
  });
}

}  // namespace
}  // namespace kiv::krylov
