// The reverse-communication solvers of symmetric and Hermitian systems:
// set-up, iteration and monitoring, real (F11GDF, F11GEF, F11GFF) and
// complex (F11GRF, F11GSF, F11GTF), one template over the scalar type.
#include <algorithm>
#include <climits>
#include <cmath>

#include "frame/constants.hpp"
#include "frame/errors.hpp"
#include "frame/wrappers.hpp"
#include "kiv2.h"
#include "sparse/krylov.hpp"
#include "sparse/rcomm.hpp"

namespace kiv::krylov {
namespace {

// The symmetric family for the shared iteration and monitoring entries.
struct Symmetric {
  template <class T>
  struct Names;
  static constexpr bool symmetric = true;
  template <class T>
  static const Layout& layout() { return kSymmetric; }
  template <class T>
  static bool sound(const T* work) { return sym_state_is_sound(work); }
  template <class T>
  static int kernel(int code, T* u, T* v, const double* wgt, T* work, int* failure) {
    return sym_method_kernel(code, u, v, wgt, work, failure);
  }
  template <class T>
  static constexpr auto messages() {
    return iterate_messages<Names<T>>(
        " ** The preconditioner appears not to be positive-definite.\n"
        " ** The computation cannot continue.",
        " ** The matrix of the coefficients A appears not to be positive-definite.\n"
        " ** The computation cannot continue.");
  }
};

template <>
struct Symmetric::Names<double> {
  KIV_KRYLOV_NAMES("F11GDF", "F11GEF", "F11GFF");
};
template <>
struct Symmetric::Names<Complex> {
  KIV_KRYLOV_NAMES("F11GRF", "F11GSF", "F11GTF");
};

template <class T>
using Names = Symmetric::Names<T>;

// The options of a set-up call, as given.
struct SymOptions {
  const char *method, *precon, *sigcmp, *norm, *weight;
  int method_len, precon_len, sigcmp_len, norm_len, weight_len;
  int iterm, n;
  double tol;
  int maxitn;
  double anorm, sigmax, sigtol;
  int maxits, monit;
};

template <class T>
int setup(const SymOptions& o, int* lwreq, T* work, int lwork, char* record, int* ifail,
          int record_len) {
  constexpr int block = kSymBlockLen;
  constexpr Messages kMessages{kIllegal};
  Reporter rep(Names<T>::setup, record, record_len);
  *lwreq = 0;
  if (lwork >= block) sequence_guard(Guard::reset, work);

  const int code = sym_method_code(o.method, o.method_len);
  const char p = letter(o.precon, o.precon_len), sc = letter(o.sigcmp, o.sigcmp_len),
             w = letter(o.weight, o.weight_len);
  const int ncode = norm_letter_code(letter(o.norm, o.norm_len));
  const bool weighted = w == 'W' || w == 'w';
  const bool estimate = sc == 'S' || sc == 's';
  const double tol_used = o.tol > 0.0 ? o.tol : 0.0;

  // sigma mode: 2 estimate sigma_1; 1 wanted by the method's own test; 0 not
  // used.  A sigma_1 the caller knows replaces any of them.
  int mode = estimate ? 2 : (o.iterm == 2 || (code == kSymmlq && !weighted)) ? 1 : 0;
  double sigmax_used = 0.0;
  if (mode >= 1 && o.sigmax > 0.0) {
    sigmax_used = o.sigmax;
    mode = 0;
  }

  int bad = 0;
  if (code == 0) bad = 1;
  else if (!one_of(p, "NnPp")) bad = 2;
  else if (!one_of(sc, "NnSs")) bad = 3;
  else if (ncode < 0) bad = 4;
  else if (!one_of(w, "NnWw")) bad = 5;
  else if (o.iterm != 1 && !(o.iterm == 2 && code == kSymmlq)) bad = 6;
  else if (o.n < 1) bad = 7;
  else if (!(tol_used < 1.0)) bad = 8;
  else if (o.maxitn < 1) bad = 9;
  else if (o.monit > o.maxitn) bad = 14;
  else if (lwork < block) bad = 17;
  else if (o.iterm == 2 && weighted) bad = 5;
  else if (o.iterm == 2 && ncode != 2) bad = 4;
  else if (o.iterm == 1 && ncode == 2 && !(o.anorm > 0.0)) bad = 10;
  else if (mode == 2 && !(o.sigtol < 1.0)) bad = 12;
  else if (mode == 2 && (o.maxits < 1 || o.maxits > o.maxitn)) bad = 13;

  const int maxits = mode == 2 ? o.maxits : 0;
  // A workspace beyond the int range could never be passed: N, or else
  // MAXITS, is too large.
  const long long req = bad == 0 ? required_sym_work(code, o.n, maxits) : 0;
  if (req > INT_MAX) bad = required_sym_work(code, o.n, 0) > INT_MAX ? 7 : 13;
  if (bad != 0) {
    rep.fail(-bad, kMessages[0], bad);
    return rep.finish(ifail);
  }
  *lwreq = static_cast<int>(req);

  write_block(work, kSymmetric,
              {code, ncode + (weighted ? 3 : 0), o.iterm, o.n, o.maxitn, o.monit, *lwreq, o.tol,
               o.iterm == 1 && o.anorm > 0.0 ? o.anorm : 0.0, sigmax_used, p == 'P' || p == 'p'});
  set_field(work, kSigmaMode, mode);
  set_field(work, kMaxits, maxits);
  if (mode == 2) set_field(work, kSigtol, o.sigtol > 0.0 ? std::max(o.sigtol, kEps) : 0.01);
  sequence_guard(Guard::setup, work);
  return rep.finish(ifail);
}

template <class T>
int monitor(int* itn, double* stplhs, double* stprhs, double* anorm, double* sigmax, int* its,
            double* sigerr, const T* work, int lwork, char* record, int* ifail,
            int record_len) {
  Reporter rep(Names<T>::monitor, record, record_len);
  *itn = *its = 0;
  *stplhs = *stprhs = *anorm = *sigmax = *sigerr = 0.0;
  if (monitor_allowed<Symmetric>(rep, work, lwork, 9)) {
    *itn = int_field(work, kItn);
    *its = int_field(work, kIts);
    *stplhs = field(work, kStplhs);
    *stprhs = field(work, kStprhs);
    *anorm = field(work, kAnorm);
    *sigmax = field(work, kSigmax);
    *sigerr = field(work, kSigerr);
  }
  return rep.finish(ifail);
}

template <class T>
int setup_host(const SymOptions& o, int* lwreq, T* work, const int* lwork, int* ifail) {
  return host_call(
      Names<T>::setup, ifail, [&] { POISON_INTEGER(lwreq); poison_work(*lwork, work); },
      [&](char* rec) { return setup(o, lwreq, work, *lwork, rec, ifail, KIV2_RECORD_LEN); });
}

template <class T>
int monitor_host(int* itn, double* stplhs, double* stprhs, double* anorm, double* sigmax,
                 int* its, double* sigerr, const T* work, const int* lwork, int* ifail) {
  return host_call(
      Names<T>::monitor, ifail,
      [&] {
        POISON_INTEGER(itn);
        POISON_INTEGER(its);
        for (double* out : {stplhs, stprhs, anorm, sigmax, sigerr}) POISON_REAL(out);
      },
      [&](char* rec) {
        return monitor(itn, stplhs, stprhs, anorm, sigmax, its, sigerr, work, *lwork, rec, ifail,
                       KIV2_RECORD_LEN);
      });
}

}  // namespace

int sym_method_code(const char* text, int len) {
  constexpr const char* kNames[] = {"CG", "SYMMLQ"};
  return name_code(text, len, kNames, 2);
}

}  // namespace kiv::krylov

using kiv::krylov::SymOptions;

extern "C" {

int KIV_CALL F11GDF(const char* method, const char* precon, const char* sigcmp,
                    const char* norm, const char* weight, int iterm, int n, double tol,
                    int maxitn, double anorm, double sigmax, double sigtol, int maxits,
                    int monit, int* lwreq, double* work, int lwork, char* record, int* ifail,
                    int method_len, int precon_len, int sigcmp_len, int norm_len,
                    int weight_len, int record_len) {
  const SymOptions o{method, precon, sigcmp, norm, weight, method_len, precon_len, sigcmp_len,
                     norm_len, weight_len, iterm, n, tol, maxitn, anorm, sigmax, sigtol, maxits,
                     monit};
  return kiv::krylov::setup(o, lwreq, work, lwork, record, ifail, record_len);
}

int KIV_CALL F11GRF(const char* method, const char* precon, const char* sigcmp,
                    const char* norm, const char* weight, int iterm, int n, double tol,
                    int maxitn, double anorm, double sigmax, double sigtol, int maxits,
                    int monit, int* lwreq, kiv2_complex* work, int lwork, char* record,
                    int* ifail, int method_len, int precon_len, int sigcmp_len, int norm_len,
                    int weight_len, int record_len) {
  const SymOptions o{method, precon, sigcmp, norm, weight, method_len, precon_len, sigcmp_len,
                     norm_len, weight_len, iterm, n, tol, maxitn, anorm, sigmax, sigtol, maxits,
                     monit};
  return kiv::krylov::setup(o, lwreq, work, lwork, record, ifail, record_len);
}

int KIV_CALL F11GEF(int* irevcm, double* u, double* v, const double* wgt, double* work,
                    int lwork, char* record, int* ifail, int record_len) {
  return kiv::krylov::iterate<kiv::krylov::Symmetric>(irevcm, u, v, wgt, work, lwork, record,
                                                      ifail, record_len);
}

int KIV_CALL F11GSF(int* irevcm, kiv2_complex* u, kiv2_complex* v, const double* wgt,
                    kiv2_complex* work, int lwork, char* record, int* ifail, int record_len) {
  return kiv::krylov::iterate<kiv::krylov::Symmetric>(irevcm, u, v, wgt, work, lwork, record,
                                                      ifail, record_len);
}

int KIV_CALL F11GFF(int* itn, double* stplhs, double* stprhs, double* anorm, double* sigmax,
                    int* its, double* sigerr, const double* work, int lwork, char* record,
                    int* ifail, int record_len) {
  return kiv::krylov::monitor(itn, stplhs, stprhs, anorm, sigmax, its, sigerr, work, lwork,
                              record, ifail, record_len);
}

int KIV_CALL F11GTF(int* itn, double* stplhs, double* stprhs, double* anorm, double* sigmax,
                    int* its, double* sigerr, const kiv2_complex* work, int lwork,
                    char* record, int* ifail, int record_len) {
  return kiv::krylov::monitor(itn, stplhs, stprhs, anorm, sigmax, its, sigerr, work, lwork,
                              record, ifail, record_len);
}

// Host wrappers.

int KIV_CALL F11GDF_HOST(const char* method, const char* precon, const char* sigcmp,
                         const char* norm, const char* weight, const int* iterm, const int* n,
                         const double* tol, const int* maxitn, const double* anorm,
                         const double* sigmax, const double* sigtol, const int* maxits,
                         const int* monit, int* lwreq, double* work, const int* lwork,
                         int* ifail, int method_len, int, int, int, int) {
  const SymOptions o{method, precon, sigcmp, norm, weight, method_len, 1, 1, 1, 1, *iterm, *n,
                     *tol, *maxitn, *anorm, *sigmax, *sigtol, *maxits, *monit};
  return kiv::krylov::setup_host(o, lwreq, work, lwork, ifail);
}

int KIV_CALL F11GRF_HOST(const char* method, const char* precon, const char* sigcmp,
                         const char* norm, const char* weight, const int* iterm, const int* n,
                         const double* tol, const int* maxitn, const double* anorm,
                         const double* sigmax, const double* sigtol, const int* maxits,
                         const int* monit, int* lwreq, kiv2_complex* work, const int* lwork,
                         int* ifail, int method_len, int, int, int, int) {
  const SymOptions o{method, precon, sigcmp, norm, weight, method_len, 1, 1, 1, 1, *iterm, *n,
                     *tol, *maxitn, *anorm, *sigmax, *sigtol, *maxits, *monit};
  return kiv::krylov::setup_host(o, lwreq, work, lwork, ifail);
}

// The record is compared only when the call ends with a failure; a body that
// fails always writes a record that agrees, so the check stays silent.
int KIV_CALL F11GEF_HOST(int* irevcm, double* u, double* v, const double* wgt, double* work,
                         const int* lwork, int* ifail) {
  return kiv::krylov::iterate_host<kiv::krylov::Symmetric>(irevcm, u, v, wgt, work, lwork,
                                                           ifail);
}

int KIV_CALL F11GSF_HOST(int* irevcm, kiv2_complex* u, kiv2_complex* v, const double* wgt,
                         kiv2_complex* work, const int* lwork, int* ifail) {
  return kiv::krylov::iterate_host<kiv::krylov::Symmetric>(irevcm, u, v, wgt, work, lwork,
                                                           ifail);
}

int KIV_CALL F11GFF_HOST(int* itn, double* stplhs, double* stprhs, double* anorm,
                         double* sigmax, int* its, double* sigerr, const double* work,
                         const int* lwork, int* ifail) {
  return kiv::krylov::monitor_host(itn, stplhs, stprhs, anorm, sigmax, its, sigerr, work, lwork,
                                   ifail);
}

int KIV_CALL F11GTF_HOST(int* itn, double* stplhs, double* stprhs, double* anorm,
                         double* sigmax, int* its, double* sigerr, const kiv2_complex* work,
                         const int* lwork, int* ifail) {
  return kiv::krylov::monitor_host(itn, stplhs, stprhs, anorm, sigmax, its, sigerr, work, lwork,
                                   ifail);
}

}  // extern "C"
