// SSOR preconditioner solve (F11DDF, F11DRF) and the preconditioner of
// NITER Jacobi iterations (F11DKF, F11DXF), real and complex, one template
// over the scalar each; the SSOR row structure and solve that the drivers
// share.
#include <algorithm>
#include <climits>
#include <complex>
#include <cstring>

#include "sorting/sorting.hpp"
#include "sparse/precon.hpp"

namespace kiv::precon {

int row_starts(int n, int nnz, const int* irow, int* start) {
  std::fill(start, start + n + 1, 0);
  for (int k = 0; k < nnz; ++k) {
    if (!in_range(irow[k], n)) return -(k + 1);
    ++start[irow[k]];
  }
  start[0] = 1;
  for (int i = 0; i < n; ++i) start[i + 1] += start[i];
  return 0;
}

int row_structure(int n, int nnz, const int* irow, const int* icol, int* iwork) {
  const int* start = iwork;
  int* diag = iwork + n + 1;
  if (const int bad = row_starts(n, nnz, irow, iwork); bad != 0) return bad;
  int missing = 0;
  for (int i = 0; i < n; ++i) {
    diag[i] = 0;
    for (int k = start[i] - 1; k < start[i + 1] - 1; ++k)
      if (icol[k] == i + 1) diag[i] = k + 1;
    if (diag[i] == 0 && missing == 0) missing = i + 1;
  }
  return missing;
}

namespace {

enum class Sweeps { plain, adjoint, hermitian };

// The two sweeps of an SSOR solve.  DPOS(i) is the 1-based position of the
// diagonal of row i (0-based), which splits the row's entries into those
// left and right of it; the diagonal positions are inside their rows by
// construction, the columns are checked as they are used.  DINV is T, or
// real for the Hermitian matrix.
template <class T, class R, class DiagPos>
int ssor_sweeps(Sweeps kind, int n, const T* a, const int* icol, const int* start, DiagPos dpos,
                const R* dinv, double omega, const T* y, T* x) {
  // S := sum A(k) x(ICOL(k)) over positions [LO, HI).
  auto gather = [&](int lo, int hi, T& s) {
    s = T{};
    for (int k = lo; k < hi; ++k) {
      if (!in_range(icol[k], n)) return k + 1;
      s += mul(a[k], x[icol[k] - 1]);
    }
    return 0;
  };
  // x(ICOL(k)) -= w conj(A(k)) XI over positions [LO, HI).
  auto scatter = [&](int lo, int hi, T xi) {
    for (int k = lo; k < hi; ++k) {
      if (!in_range(icol[k], n)) return k + 1;
      x[icol[k] - 1] -= omega * mul(xi, conj(a[k]));
    }
    return 0;
  };
  const double scale = omega * (2.0 - omega);
  for (int i = 0; i < n; ++i) x[i] = scale * y[i];
  if (kind == Sweeps::adjoint) {
    for (int i = 0; i < n; ++i) {
      const T xi = mul(x[i], conj(dinv[i]));
      if (const int bad = scatter(dpos(i), start[i + 1] - 1, xi)) return bad;
      // Scaled by the diagonal once its column updates are out.
      x[i] = mul(conj(a[dpos(i) - 1]), xi);
    }
  } else {
    for (int i = 0; i < n; ++i) {
      T s;
      if (const int bad = gather(start[i] - 1, dpos(i) - 1, s)) return bad;
      x[i] = mul(x[i] - omega * s, dinv[i]);
    }
  }
  if (kind == Sweeps::plain) {
    for (int i = n - 1; i >= 0; --i) {
      T s;
      if (const int bad = gather(dpos(i), start[i + 1] - 1, s)) return bad;
      x[i] = mul(mul(a[dpos(i) - 1], x[i]) - omega * s, dinv[i]);
    }
    return 0;
  }
  if (kind == Sweeps::hermitian)
    for (int i = 0; i < n; ++i) x[i] = mul(a[dpos(i) - 1], x[i]);
  for (int i = n - 1; i >= 0; --i) {
    const T xi = mul(x[i], conj(dinv[i]));
    x[i] = xi;
    if (const int bad = scatter(start[i] - 1, dpos(i) - 1, xi)) return bad;
  }
  return 0;
}

}  // namespace

template <class T>
int ssor_solve(bool trans, int n, const T* a, const int* icol, const int* iwork, const T* dinv,
               double omega, const T* y, T* x) {
  const int* diag = iwork + n + 1;
  return ssor_sweeps(trans ? Sweeps::adjoint : Sweeps::plain, n, a, icol, iwork,
                     [diag](int i) { return diag[i]; }, dinv, omega, y, x);
}

template int ssor_solve(bool, int, const double*, const int*, const int*, const double*, double,
                        const double*, double*);
template int ssor_solve(bool, int, const Complex*, const int*, const int*, const Complex*, double,
                        const Complex*, Complex*);

int hermitian_ssor_solve(int n, const Complex* a, const int* icol, const int* start,
                         const double* dinv, double omega, const Complex* y, Complex* x) {
  return ssor_sweeps(Sweeps::hermitian, n, a, icol, start,
                     [start](int i) { return start[i + 1] - 1; }, dinv, omega, y, x);
}

namespace {

using sorting::Letter;
using sorting::option_letter;

constexpr Messages kSsorMessages{
    kTransOption, kCheckOption, kNSmall, kNnzSmall, kNnzLarge, kOmegaRange,
    kRowRange,    kColRange,    kOrder,  kDuplicate, kNoDiagonal,
};
enum { kSsorTrans, kSsorCheck, kSsorN, kSsorOmega = 5, kSsorRow, kSsorCol, kSsorNoDiag = 10 };

template <class T>
constexpr const char* ssor_name() {
  return std::is_same_v<T, double> ? "F11DDF" : "F11DRF";
}

template <class T>
int ssor(const char* trans, int n, int nnz, const T* a, const int* irow, const int* icol,
         const T* dinv, double omega, const char* check, const T* y, T* x, int* iwork,
         char* record, int* ifail, int trans_len, int check_len, int record_len) {
  const auto& msg = kSsorMessages;
  Reporter rep(ssor_name<T>(), record, record_len);
  auto fail = [&](int ierr, int label, auto... values) {
    rep.fail(ierr, msg[label], values...);
    return rep.finish(ifail);
  };
  const char t = option_letter(trans, trans_len), ck = option_letter(check, check_len);
  if (t != 'N' && t != 'T') return fail(1, kSsorTrans, Letter(trans, trans_len).text);
  if (ck != 'C' && ck != 'N') return fail(1, kSsorCheck, Letter(check, check_len).text);
  if (ck == 'C') {
    if (const auto c = sparse::check_sorted_storage(n, nnz, irow, icol, false); c.code != 0) {
      report_storage(rep, c, n, nnz, irow, icol, 2, 3, [](int code) {
        return kSsorMessages[kSsorN - 1 + code + (code > 3 ? 1 : 0)];
      });
      return rep.finish(ifail);
    }
    if (!(omega > 0.0 && omega < 2.0)) return fail(2, kSsorOmega, omega);
  }
  if (n < 1) return rep.finish(ifail);
  const int missing = row_structure(n, std::max(nnz, 0), irow, icol, iwork);
  if (missing < 0) return fail(3, kSsorRow, -missing, irow[-missing - 1], n);
  // Unchecked storage without a diagonal would have nothing to scale by.
  if (missing > 0) return fail(4, kSsorNoDiag, missing);
  if (const int bad = ssor_solve(t == 'T', n, a, icol, iwork, dinv, omega, y, x); bad != 0) {
    poison(n, x);
    return fail(3, kSsorCol, bad, icol[bad - 1], n);
  }
  return rep.finish(ifail);
}

constexpr Messages kHermitianSsorMessages{
    kCheckOption, kNSmall,       kNnzSmall, kScsNnzLarge, kOmegaRange,
    kRowRange,    kScsColRange,  kOrder,    kDuplicate,   kNoDiagonal,
};
enum { kHsCheck, kHsN, kHsOmega = 4, kHsRow, kHsCol, kHsNoDiag = 9 };

int hermitian_ssor(int n, int nnz, const Complex* a, const int* irow, const int* icol,
                   const double* dinv, double omega, const char* check, const Complex* y,
                   Complex* x, int* iwork, char* record, int* ifail, int check_len,
                   int record_len) {
  const auto& msg = kHermitianSsorMessages;
  Reporter rep("F11JRF", record, record_len);
  auto fail = [&](int ierr, int label, auto... values) {
    rep.fail(ierr, msg[label], values...);
    return rep.finish(ifail);
  };
  const char ck = option_letter(check, check_len);
  if (ck != 'C' && ck != 'N') return fail(1, kHsCheck, Letter(check, check_len).text);
  if (ck == 'C') {
    if (const auto c = sparse::check_sorted_storage(n, nnz, irow, icol, true); c.code != 0) {
      report_storage(rep, c, n, nnz, irow, icol, 2, 3, [](int code) {
        return kHermitianSsorMessages[kHsN - 1 + code + (code > 3 ? 1 : 0)];
      }, true);
      return rep.finish(ifail);
    }
    if (!(omega > 0.0 && omega < 2.0)) return fail(2, kHsOmega, omega);
  }
  if (n < 1) return rep.finish(ifail);
  int* start = iwork;
  if (const int bad = row_starts(n, std::max(nnz, 0), irow, start); bad != 0)
    return fail(3, kHsRow, -bad, irow[-bad - 1], n);
  // An empty row has no last entry to take as its diagonal, checked or not.
  for (int i = 0; i < n; ++i)
    if (start[i] == start[i + 1] || (ck == 'C' && icol[start[i + 1] - 2] != i + 1))
      return fail(4, kHsNoDiag, i + 1);
  if (const int bad = hermitian_ssor_solve(n, a, icol, start, dinv, omega, y, x); bad != 0) {
    poison(n, x);
    return fail(3, kHsCol, bad, icol[bad - 1], irow[bad - 1]);
  }
  return rep.finish(ifail);
}

constexpr Messages kJacobiMessages{
    " ** On entry, STORE .ne. 'N' or 'S': STORE = '%s'.",
    kTransOption,
    " ** On entry, INIT .ne. 'N' or 'I': INIT = '%s' .",
    " ** On entry, CHECK .ne. 'N' or 'C': CHECK = '%s'.",
    " ** On entry, NITER .lt. 1: NITER =%16ld.",
    kNSmall,
    kNnzSmall,
    kNnzLarge,
    " ** On entry, NNZ .gt. N*(N+1)/2:\n    NNZ =%16ld N =%16ld.",
    kRowRange,
    kColRange,
    " ** On entry, ICOL(I) .lt. 1 or ICOL(I) .gt. IROW(I):\n"
    "    I =%16ld, ICOL(I) =%16ld, IROW(I) =%16ld.",
    kOrder,
    kDuplicate,
    " ** On entry, the element DIAG(I) is zero:\n    I =%16ld.",
    " ** On entry, the diagonal element of the I-th row is zero or missing:\n    I =%16ld.",
};
enum {
  kJStore, kJTrans, kJInit, kJCheck, kJNiter, kJN, kJNnzSmall, kJNnzLarge, kJNnzLargeSym, kJRow,
  kJCol, kJColSym, kJOrder, kJDuplicate, kJDiagZero, kJDiagMissing
};

// The letter of an option when it is one of SET, else 0.
char listed(const char* s, int len, const char* set) {
  if (s == nullptr || len < 1 || *s == '\0' || std::strchr(set, *s) == nullptr) return 0;
  return option_letter(s, len);
}

template <class T>
struct Products;
template <>
struct Products<double> {
  static constexpr auto general = &F11XAF;
  static constexpr auto symmetric = &F11XEF;
};
template <>
struct Products<Complex> {
  static constexpr auto general = &F11XNF;
  static constexpr auto symmetric = &F11XSF;
};

// Y := op(A) X by the products, CHECK "No check", soft IFAIL.
template <class T>
int product(bool sym, char trans, int n, int nnz, const T* a, const int* irow, const int* icol,
            const T* x, T* y) {
  char rec[KIV2_RECORD_LEN + 1];
  int ifail = 1;
  const char t[2] = {trans, 0};
  return sym ? Products<T>::symmetric(n, nnz, a, irow, icol, "No check", x, y, rec, &ifail, 8,
                                      KIV2_RECORD_LEN)
             : Products<T>::general(t, n, nnz, a, irow, icol, "No check", x, y, rec, &ifail, 1,
                                    8, KIV2_RECORD_LEN);
}

template <class T>
int jacobi(const char* store, const char* trans, const char* init, int niter, int n, int nnz,
           const T* a, const int* irow, const int* icol, const char* check, const T* y, T* x,
           T* diag, T* work, char* record, int* ifail, int store_len, int trans_len,
           int init_len, int check_len, int record_len) {
  const auto& msg = kJacobiMessages;
  Reporter rep(std::is_same_v<T, double> ? "F11DKF" : "F11DXF", record, record_len);
  auto fail = [&](int ierr, int label, auto... values) {
    rep.fail(ierr, msg[label], values...);
    return rep.finish(ifail);
  };
  const char st = listed(store, store_len, "NnSs"), tr = listed(trans, trans_len, "NnTt"),
             in = listed(init, init_len, "NnIi"), ck = listed(check, check_len, "NnCc");
  if (st == 0) return fail(1, kJStore, Letter(store, store_len).text);
  if (tr == 0) return fail(1, kJTrans, Letter(trans, trans_len).text);
  if (in == 0) return fail(1, kJInit, Letter(init, init_len).text);
  if (ck == 0) return fail(1, kJCheck, Letter(check, check_len).text);
  if (niter < 1) return fail(1, kJNiter, niter);
  const bool sym = st == 'S';
  auto entry_fail = [&](int code, int i) {
    const int at = i - 1;
    if (code == 4) return fail(3, kJRow, i, irow[at], n);
    if (code == 5) return sym ? fail(3, kJColSym, i, icol[at], irow[at]) : fail(3, kJCol, i, icol[at], n);
    return fail(3, code == 6 ? kJOrder : kJDuplicate, i);
  };
  if (ck == 'C') {
    if (const auto c = sparse::check_sorted_storage(n, nnz, irow, icol, sym); c.code != 0) {
      if (c.code == 1) return fail(2, kJN, n);
      if (c.code == 2) return fail(2, kJNnzSmall, nnz);
      if (c.code == 3) return fail(2, sym ? kJNnzLargeSym : kJNnzLarge, nnz, n);
      return entry_fail(c.code, c.i);
    }
    if (in == 'N')
      for (int i = 0; i < n; ++i)
        if (diag[i] == T{}) return fail(4, kJDiagZero, i + 1);
  }
  if (n < 1) return rep.finish(ifail);
  if (in == 'I') {
    std::fill(diag, diag + n, T{});
    for (int k = 0; k < nnz; ++k) {
      if (!in_range(irow[k], n)) return entry_fail(4, k + 1);
      if (irow[k] == icol[k]) diag[irow[k] - 1] = a[k];
    }
    for (int i = 0; i < n; ++i)
      if (diag[i] == T{}) return fail(5, kJDiagMissing, i + 1);
  }
  // Jacobi on A^H divides by the conjugate diagonal.
  const bool adjoint = !sym && tr == 'T';
  auto d = [&](int i) { return adjoint ? conj(diag[i]) : diag[i]; };
  for (int i = 0; i < n; ++i) x[i] = y[i] / d(i);
  for (int it = 1; it < niter; ++it) {
    if (product(sym, tr, n, nnz, a, irow, icol, x, work) != 0) {
      // Only unchecked storage gets here; the product kept to 1..N.
      for (int k = 0; k < nnz; ++k)
        if (!in_range(irow[k], n) || !in_range(icol[k], n) || (sym && icol[k] > irow[k]))
          return entry_fail(in_range(irow[k], n) ? 5 : 4, k + 1);
      return entry_fail(4, 1);
    }
    for (int i = 0; i < n; ++i) x[i] = (y[i] - work[i] + mul(d(i), x[i])) / d(i);
  }
  return rep.finish(ifail);
}

template <class T>
int ssor_host(const char* trans, const int* n, const int* nnz, const T* a, const int* irow,
              const int* icol, const T* dinv, const double* omega, const char* check, const T* y,
              T* x, int* iwork, int* ifail) {
  return host_call(
      ssor_name<T>(), ifail, [&] { poison(*n, x); },
      [&](char* rec) {
        return ssor(trans, *n, *nnz, a, irow, icol, dinv, *omega, check, y, x, iwork, rec, ifail,
                    1, 1, KIV2_RECORD_LEN);
      });
}

int hermitian_ssor_host(const int* n, const int* nnz, const Complex* a, const int* irow,
                        const int* icol, const double* dinv, const double* omega,
                        const char* check, const Complex* y, Complex* x, int* iwork, int* ifail) {
  return host_call(
      "F11JRF", ifail,
      [&] {
        poison(*n, x);
        POISON_INTEGERS(*n < 0 ? 0 : *n + (*n < INT_MAX ? 1 : 0), iwork);
      },
      [&](char* rec) {
        return hermitian_ssor(*n, *nnz, a, irow, icol, dinv, *omega, check, y, x, iwork, rec,
                              ifail, 1, KIV2_RECORD_LEN);
      });
}

template <class T>
int jacobi_host(const char* store, const char* trans, const char* init, const int* niter,
                const int* n, const int* nnz, const T* a, const int* irow, const int* icol,
                const char* check, const T* y, T* x, T* diag, T* work, int* ifail) {
  return host_call(
      std::is_same_v<T, double> ? "F11DKF" : "F11DXF", ifail,
      [&] {
        poison(*n, x);
        poison(*n, work);
      },
      [&](char* rec) {
        return jacobi(store, trans, init, *niter, *n, *nnz, a, irow, icol, check, y, x, diag,
                      work, rec, ifail, 1, 1, 1, 1, KIV2_RECORD_LEN);
      });
}

}  // namespace
}  // namespace kiv::precon

extern "C" {

int KIV_CALL F11DDF(const char* trans, int n, int nnz, const double* a, const int* irow,
                    const int* icol, const double* dinv, double omega, const char* check,
                    const double* y, double* x, int* iwork, char* record, int* ifail,
                    int trans_len, int check_len, int record_len) {
  return kiv::precon::ssor(trans, n, nnz, a, irow, icol, dinv, omega, check, y, x, iwork, record,
                           ifail, trans_len, check_len, record_len);
}

int KIV_CALL F11DRF(const char* trans, int n, int nnz, const kiv2_complex* a, const int* irow,
                    const int* icol, const kiv2_complex* dinv, double omega, const char* check,
                    const kiv2_complex* y, kiv2_complex* x, int* iwork, char* record,
                    int* ifail, int trans_len, int check_len, int record_len) {
  return kiv::precon::ssor(trans, n, nnz, a, irow, icol, dinv, omega, check, y, x, iwork, record,
                           ifail, trans_len, check_len, record_len);
}

int KIV_CALL F11JRF(int n, int nnz, const kiv2_complex* a, const int* irow, const int* icol,
                    const double* dinv, double omega, const char* check, const kiv2_complex* y,
                    kiv2_complex* x, int* iwork, char* record, int* ifail, int check_len,
                    int record_len) {
  return kiv::precon::hermitian_ssor(n, nnz, a, irow, icol, dinv, omega, check, y, x, iwork,
                                     record, ifail, check_len, record_len);
}

int KIV_CALL F11DKF(const char* store, const char* trans, const char* init, int niter, int n,
                    int nnz, const double* a, const int* irow, const int* icol,
                    const char* check, const double* y, double* x, double* diag, double* work,
                    char* record, int* ifail, int store_len, int trans_len, int init_len,
                    int check_len, int record_len) {
  return kiv::precon::jacobi(store, trans, init, niter, n, nnz, a, irow, icol, check, y, x, diag,
                             work, record, ifail, store_len, trans_len, init_len, check_len,
                             record_len);
}

int KIV_CALL F11DXF(const char* store, const char* trans, const char* init, int niter, int n,
                    int nnz, const kiv2_complex* a, const int* irow, const int* icol,
                    const char* check, const kiv2_complex* y, kiv2_complex* x,
                    kiv2_complex* diag, kiv2_complex* work, char* record, int* ifail,
                    int store_len, int trans_len, int init_len, int check_len, int record_len) {
  return kiv::precon::jacobi(store, trans, init, niter, n, nnz, a, irow, icol, check, y, x, diag,
                             work, record, ifail, store_len, trans_len, init_len, check_len,
                             record_len);
}

int KIV_CALL F11DDF_HOST(const char* trans, const int* n, const int* nnz, const double* a,
                         const int* irow, const int* icol, const double* dinv,
                         const double* omega, const char* check, const double* y, double* x,
                         int* iwork, int* ifail, int, int) {
  return kiv::precon::ssor_host(trans, n, nnz, a, irow, icol, dinv, omega, check, y, x, iwork,
                                ifail);
}

int KIV_CALL F11DRF_HOST(const char* trans, const int* n, const int* nnz, const kiv2_complex* a,
                         const int* irow, const int* icol, const kiv2_complex* dinv,
                         const double* omega, const char* check, const kiv2_complex* y,
                         kiv2_complex* x, int* iwork, int* ifail, int, int) {
  return kiv::precon::ssor_host(trans, n, nnz, a, irow, icol, dinv, omega, check, y, x, iwork,
                                ifail);
}

int KIV_CALL F11JRF_HOST(const int* n, const int* nnz, const kiv2_complex* a, const int* irow,
                         const int* icol, const double* dinv, const double* omega,
                         const char* check, const kiv2_complex* y, kiv2_complex* x, int* iwork,
                         int* ifail, int) {
  return kiv::precon::hermitian_ssor_host(n, nnz, a, irow, icol, dinv, omega, check, y, x, iwork,
                                          ifail);
}

int KIV_CALL F11DKF_HOST(const char* store, const char* trans, const char* init,
                         const int* niter, const int* n, const int* nnz, const double* a,
                         const int* irow, const int* icol, const char* check, const double* y,
                         double* x, double* diag, double* work, int* ifail, int, int, int, int) {
  return kiv::precon::jacobi_host(store, trans, init, niter, n, nnz, a, irow, icol, check, y, x,
                                  diag, work, ifail);
}

int KIV_CALL F11DXF_HOST(const char* store, const char* trans, const char* init,
                         const int* niter, const int* n, const int* nnz, const kiv2_complex* a,
                         const int* irow, const int* icol, const char* check,
                         const kiv2_complex* y, kiv2_complex* x, kiv2_complex* diag,
                         kiv2_complex* work, int* ifail, int, int, int, int) {
  return kiv::precon::jacobi_host(store, trans, init, niter, n, nnz, a, irow, icol, check, y, x,
                                  diag, work, ifail);
}

}  // extern "C"
