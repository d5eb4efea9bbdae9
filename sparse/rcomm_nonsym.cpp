// The reverse-communication solvers of general systems: set-up, iteration
// and monitoring, real (F11BDF, F11BEF, F11BFF) and complex (F11BRF, F11BSF,
// F11BTF), one template over the scalar type.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <string>

#include "frame/constants.hpp"
#include "frame/errors.hpp"
#include "frame/wrappers.hpp"
#include "kiv2.h"
#include "sparse/krylov.hpp"
#include "sparse/rcomm.hpp"

namespace kiv::krylov {
namespace {

// The general family for the shared iteration and monitoring entries.
struct General {
  template <class T>
  struct Names;
  static constexpr bool symmetric = false;
  template <class T>
  static const Layout& layout() { return kGeneral<T>; }
  template <class T>
  static bool sound(const T* work) { return state_is_sound(work); }
  template <class T>
  static int kernel(int code, T* u, T* v, const double* wgt, T* work, int* failure) {
    return method_kernel(code, u, v, wgt, work, failure);
  }
  template <class T>
  static constexpr auto messages() { return iterate_messages<Names<T>>(); }
};

template <>
struct General::Names<double> {
  KIV_KRYLOV_NAMES("F11BDF", "F11BEF", "F11BFF");
};
template <>
struct General::Names<Complex> {
  KIV_KRYLOV_NAMES("F11BRF", "F11BSF", "F11BTF");
};

template <class T>
using Routines = General::Names<T>;

}  // namespace

int name_code(const char* text, int len, const char* const* names, int count) {
  if (text == nullptr || len < 1) return 0;
  const std::string copy(text, static_cast<std::size_t>(len));
  char name[21] = {};
  int used = 0;
  UPPERCASE_NAME(copy.c_str(), name, &used, 20, 20);
  if (used == 0) return 0;
  for (int k = 0; k < count; ++k)
    if (std::strncmp(name, names[k], std::strlen(names[k])) == 0) return k + 1;
  return 0;
}

int method_code(const char* text, int len) {
  constexpr const char* kNames[] = {"RGMRES", "CGS", "BICGSTAB", "TFQMR"};
  return name_code(text, len, kNames, 4);
}

namespace {

template <class T>
int setup(const char* method, const char* precon, const char* norm, const char* weight,
          int iterm, int n, int m, double tol, int maxitn, double anorm, double sigmax, int monit,
          int* lwreq, T* work, int lwork, char* record, int* ifail, int method_len,
          int precon_len, int norm_len, int weight_len, int record_len) {
  constexpr int block = kBlockLen<T>;
  constexpr Messages kMessages{kIllegal};
  Reporter rep(Routines<T>::setup, record, record_len);
  *lwreq = 0;
  if (lwork >= block) sequence_guard(Guard::reset, work);

  const int code = method_code(method, method_len);
  const int mmax = code == kRgmres ? 50 : 10;
  const char p = letter(precon, precon_len), nm = letter(norm, norm_len),
             w = letter(weight, weight_len);
  const int ncode = norm_letter_code(nm);
  const bool weighted = w == 'W' || w == 'w';
  const double tol_used = tol > 0.0 ? tol : 0.0;
  const double anorm_used = iterm == 1 && anorm > 0.0 ? anorm : 0.0;
  const double sigmax_used = iterm == 2 && sigmax > 0.0 ? sigmax : 0.0;

  int bad = 0;
  if (code == 0) bad = 1;
  else if (!one_of(p, "NnPp")) bad = 2;
  else if (ncode < 0) bad = 3;
  else if (!one_of(w, "NnWw")) bad = 4;
  else if ((iterm != 1 && iterm != 2) || (iterm == 2 && code == kTfqmr)) bad = 5;
  else if (n < 1) bad = 6;
  else if ((code == kRgmres || code == kBicgstab) && (m < 1 || m > std::min(mmax, n))) bad = 7;
  else if (!(tol_used < 1.0)) bad = 8;
  else if (maxitn < 1) bad = 9;
  else if (monit > maxitn) bad = 12;
  else if (lwork < block) bad = 15;
  else if (iterm == 1 && ncode == 2 && anorm_used <= 0.0) bad = 10;
  else if (iterm == 2 && weighted) bad = 4;
  else if (iterm == 2 && ncode != 2) bad = 5;
  else if (iterm == 2 && (code == kCgs || code == kBicgstab) && sigmax_used <= 0.0) bad = 11;

  const bool preconditioned = p == 'P' || p == 'p';
  const bool uses_m = code == kRgmres || code == kBicgstab;
  // A workspace beyond the int range could never be passed: N is too large.
  const long long req =
      bad == 0 ? required_work(block, code, iterm, preconditioned, n, uses_m ? m : 0) : 0;
  if (req > INT_MAX) bad = 6;
  if (bad != 0) {
    rep.fail(-bad, kMessages[0], bad);
    return rep.finish(ifail);
  }

  *lwreq = static_cast<int>(req);

  write_block(work, kGeneral<T>,
              {code, ncode + (weighted ? 3 : 0), iterm, n, maxitn, monit, *lwreq, tol,
               anorm_used, sigmax_used, preconditioned});
  set_field(work, kM, uses_m ? std::min(m, maxitn) : 0);
  sequence_guard(Guard::setup, work);
  return rep.finish(ifail);
}

template <class T>
int monitor(int* itn, double* stplhs, double* stprhs, double* anorm, double* sigmax,
            const T* work, int lwork, char* record, int* ifail, int record_len) {
  Reporter rep(Routines<T>::monitor, record, record_len);
  *itn = 0;
  *stplhs = *stprhs = *anorm = *sigmax = 0.0;
  if (monitor_allowed<General>(rep, work, lwork, 7)) {
    *itn = int_field(work, kItn);
    *stplhs = field(work, kStplhs);
    *stprhs = field(work, kStprhs);
    *anorm = field(work, kAnorm);
    *sigmax = field(work, kSigmax);
  }
  return rep.finish(ifail);
}

template <class T>
int setup_host(const char* method, const char* precon, const char* norm, const char* weight,
               const int* iterm, const int* n, const int* m, const double* tol,
               const int* maxitn, const double* anorm, const double* sigmax, const int* monit,
               int* lwreq, T* work, const int* lwork, int* ifail, int method_len) {
  return host_call(
      Routines<T>::setup, ifail, [&] { POISON_INTEGER(lwreq); poison_work(*lwork, work); },
      [&](char* rec) {
        return setup(method, precon, norm, weight, *iterm, *n, *m, *tol, *maxitn, *anorm, *sigmax,
                     *monit, lwreq, work, *lwork, rec, ifail, method_len, 1, 1, 1,
                     KIV2_RECORD_LEN);
      });
}

template <class T>
int monitor_host(int* itn, double* stplhs, double* stprhs, double* anorm, double* sigmax,
                 const T* work, const int* lwork, int* ifail) {
  return host_call(
      Routines<T>::monitor, ifail,
      [&] {
        POISON_INTEGER(itn);
        for (double* out : {stplhs, stprhs, anorm, sigmax}) POISON_REAL(out);
      },
      [&](char* rec) {
        return monitor(itn, stplhs, stprhs, anorm, sigmax, work, *lwork, rec, ifail,
                       KIV2_RECORD_LEN);
      });
}

}  // namespace
}  // namespace kiv::krylov

using kiv::krylov::Complex;

extern "C" {

int KIV_CALL F11BDF(const char* method, const char* precon, const char* norm,
                    const char* weight, int iterm, int n, int m, double tol, int maxitn,
                    double anorm, double sigmax, int monit, int* lwreq, double* work, int lwork,
                    char* record, int* ifail, int method_len, int precon_len, int norm_len,
                    int weight_len, int record_len) {
  return kiv::krylov::setup(method, precon, norm, weight, iterm, n, m, tol, maxitn, anorm, sigmax,
                            monit, lwreq, work, lwork, record, ifail, method_len, precon_len,
                            norm_len, weight_len, record_len);
}

int KIV_CALL F11BRF(const char* method, const char* precon, const char* norm,
                    const char* weight, int iterm, int n, int m, double tol, int maxitn,
                    double anorm, double sigmax, int monit, int* lwreq, kiv2_complex* work,
                    int lwork, char* record, int* ifail, int method_len, int precon_len,
                    int norm_len, int weight_len, int record_len) {
  return kiv::krylov::setup(method, precon, norm, weight, iterm, n, m, tol, maxitn, anorm, sigmax,
                            monit, lwreq, work, lwork, record, ifail, method_len, precon_len,
                            norm_len, weight_len, record_len);
}

int KIV_CALL F11BEF(int* irevcm, double* u, double* v, const double* wgt, double* work,
                    int lwork, char* record, int* ifail, int record_len) {
  return kiv::krylov::iterate<kiv::krylov::General>(irevcm, u, v, wgt, work, lwork, record, ifail, record_len);
}

int KIV_CALL F11BSF(int* irevcm, kiv2_complex* u, kiv2_complex* v, const double* wgt,
                    kiv2_complex* work, int lwork, char* record, int* ifail, int record_len) {
  return kiv::krylov::iterate<kiv::krylov::General>(irevcm, u, v, wgt, work, lwork, record, ifail, record_len);
}

int KIV_CALL F11BFF(int* itn, double* stplhs, double* stprhs, double* anorm, double* sigmax,
                    const double* work, int lwork, char* record, int* ifail, int record_len) {
  return kiv::krylov::monitor(itn, stplhs, stprhs, anorm, sigmax, work, lwork, record, ifail,
                              record_len);
}

int KIV_CALL F11BTF(int* itn, double* stplhs, double* stprhs, double* anorm, double* sigmax,
                    const kiv2_complex* work, int lwork, char* record, int* ifail,
                    int record_len) {
  return kiv::krylov::monitor(itn, stplhs, stprhs, anorm, sigmax, work, lwork, record, ifail,
                              record_len);
}

// Host wrappers.

int KIV_CALL F11BDF_HOST(const char* method, const char* precon, const char* norm,
                         const char* weight, const int* iterm, const int* n, const int* m,
                         const double* tol, const int* maxitn, const double* anorm,
                         const double* sigmax, const int* monit, int* lwreq, double* work,
                         const int* lwork, int* ifail, int method_len, int, int, int) {
  return kiv::krylov::setup_host(method, precon, norm, weight, iterm, n, m, tol, maxitn, anorm,
                                 sigmax, monit, lwreq, work, lwork, ifail, method_len);
}

int KIV_CALL F11BRF_HOST(const char* method, const char* precon, const char* norm,
                         const char* weight, const int* iterm, const int* n, const int* m,
                         const double* tol, const int* maxitn, const double* anorm,
                         const double* sigmax, const int* monit, int* lwreq, kiv2_complex* work,
                         const int* lwork, int* ifail, int method_len, int, int, int) {
  return kiv::krylov::setup_host(method, precon, norm, weight, iterm, n, m, tol, maxitn, anorm,
                                 sigmax, monit, lwreq, work, lwork, ifail, method_len);
}

// The record is compared only when the call ends with a failure; a body that
// fails always writes a record that agrees, so the check stays silent.
int KIV_CALL F11BEF_HOST(int* irevcm, double* u, double* v, const double* wgt, double* work,
                         const int* lwork, int* ifail) {
  return kiv::krylov::iterate_host<kiv::krylov::General>(irevcm, u, v, wgt, work, lwork, ifail);
}

int KIV_CALL F11BSF_HOST(int* irevcm, kiv2_complex* u, kiv2_complex* v, const double* wgt,
                         kiv2_complex* work, const int* lwork, int* ifail) {
  return kiv::krylov::iterate_host<kiv::krylov::General>(irevcm, u, v, wgt, work, lwork, ifail);
}

int KIV_CALL F11BFF_HOST(int* itn, double* stplhs, double* stprhs, double* anorm,
                         double* sigmax, const double* work, const int* lwork, int* ifail) {
  return kiv::krylov::monitor_host(itn, stplhs, stprhs, anorm, sigmax, work, lwork, ifail);
}

int KIV_CALL F11BTF_HOST(int* itn, double* stplhs, double* stprhs, double* anorm,
                         double* sigmax, const kiv2_complex* work, const int* lwork, int* ifail) {
  return kiv::krylov::monitor_host(itn, stplhs, stprhs, anorm, sigmax, work, lwork, ifail);
}

}  // extern "C"
