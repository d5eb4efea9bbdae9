// Incomplete LU factorisation (F11DAF, F11DNF, kernels F11DAZ, F11DNZ) and
// its solve (F11DBF, F11DPF): one template over the scalar each.
//
// The factor goes behind the matrix in A, IROW, ICOL.  While a row is
// built, IDIAG is a scatter map from column to position, and the IROW slot
// of every factor entry holds its level of fill; the body renumbers and
// sorts the finished factor.
#include <algorithm>
#include <climits>
#include <complex>
#include <numeric>

#include "frame/constants.hpp"
#include "sorting/sorting.hpp"
#include "sparse/precon.hpp"

namespace kiv::precon {
namespace {

using sorting::Letter;
using sorting::option_letter;


constexpr int kTooLarge = 4;

// The elimination: every row of the factor, in pivot order, with its fill,
// compensation and pivot; see the header comment for the working storage.
// IWORK's parts: ROWSTART (N+1) the input row starts, COLHEAD (N) the
// heads of the per-column lists of input entries, COUNT (N) the entries
// per row, HEAP (N+1) and HEAPPOS (N) the row heap, SPARE (N) unused,
// STEP (N) the step at which each column became a pivot column.  Returns 0
// or kTooLarge; the input IROW is intact on every return.
template <class T>
int eliminate(int n, int nnz, T* a, int la, int* irow, int* icol, int lfill, double tau_drop,
              double tau_pivot, double omega, int pstrat, int* ipivp, int* ipivq, int* istr,
              int* idiag, int* nnzfac, int* npvmod, int* rowstart, int* colhead, int* count,
              int* heap, int* heappos, int* /*spare*/, int* step) {
  // ISTR(N+1) = NNZ + NNZFAC + 1 must stay an int.
  const int limit = std::min(la, INT_MAX - 1);
  std::fill(count, count + n, 0);
  for (int k = 0; k < nnz; ++k) ++count[irow[k] - 1];
  rowstart[0] = 1;
  for (int r = 0; r < n; ++r) rowstart[r + 1] = rowstart[r] + count[r];

  if (pstrat == 'N' || pstrat == 'P') std::iota(ipivp, ipivp + n, 1);
  if (pstrat == 'N') std::iota(ipivq, ipivq + n, 1);
  const bool complete = pstrat == 'C';
  if (complete) {
    // Column lists threaded through the input's IROW, restored at the end.
    std::fill(colhead, colhead + n, 0);
    for (int k = nnz - 1; k >= 0; --k) {
      irow[k] = colhead[icol[k] - 1];
      colhead[icol[k] - 1] = k + 1;
    }
  }
  // The rows complete pivoting has not chosen yet: the smallest row of the
  // lowest count on top; a count that drops moves its row up.
  IndexHeap rows(complete ? n : 0, heap, heappos, [count](int a, int b) {
    return count[a - 1] < count[b - 1] || (count[a - 1] == count[b - 1] && a < b);
  });
  auto restore_irow = [&] {
    if (!complete) return;
    for (int r = 0; r < n; ++r) std::fill(irow + rowstart[r] - 1, irow + rowstart[r + 1] - 1, r + 1);
  };

  const int unpivoted = n + 1;
  std::fill(step, step + n, unpivoted);
  std::fill(idiag, idiag + n, 0);
  *nnzfac = 0;
  *npvmod = 0;
  bool restarted = false;
  int lowest_free = 1;  // the smallest column that may still be unpivoted
  int used = nnz;       // the next free position, 0-based

  for (int i = 1; i <= n; ++i) {
    int r;
    if (complete) {
      r = rows.pop();
      count[r - 1] = unpivoted;
      ipivp[i - 1] = r;
    } else {
      r = ipivp[i - 1];
    }
    const int row0 = used;
    istr[i - 1] = row0 + 1;
    bool recompute = false;
    int pp = -1;  // position of the pivot
    for (;;) {
      auto append = [&](T v, int col, int level) {
        if (used >= limit) return false;
        a[used] = v;
        icol[used] = col;
        irow[used] = level;
        idiag[col - 1] = ++used;
        return true;
      };
      bool full = false;
      for (int k = rowstart[r - 1] - 1; k < rowstart[r] - 1 && !full; ++k)
        full = !append(a[k], icol[k], 0);

      // Apply the earlier rows in increasing pivot step, fill included.
      T s{};
      for (int last = 0; !full;) {
        int kbest = i, pbest = -1;
        for (int p = row0; p < used; ++p) {
          const int st = step[icol[p] - 1];
          if (st > last && st < kbest) {
            kbest = st;
            pbest = p;
          }
        }
        if (pbest < 0) break;
        const T l = a[pbest];
        const int level = irow[pbest];
        for (int q = istr[kbest - 1] - 1, end = istr[kbest] - 1; q < end; ++q) {
          const int j = icol[q];
          if (step[j - 1] <= kbest) continue;
          const T v = mul(l, a[q]);
          if (const int at = idiag[j - 1]; at != 0) {
            a[at - 1] -= v;
            continue;
          }
          const int fill = std::max(level, irow[q]) + 1;
          const bool keep =
              recompute || (lfill >= 0 ? fill <= lfill : magnitude(v) >= tau_drop);
          if (!keep) {
            s -= v;
          } else if (!append(-v, j, fill)) {
            full = true;
            break;
          }
        }
        last = kbest;
      }
      if (full) {
        *nnzfac = used - nnz + 1;
        restore_irow();
        return kTooLarge;
      }
      s *= omega;

      T cand{};
      pp = -1;
      if (pstrat == 'N' || pstrat == 'U') {
        if (const int at = idiag[ipivq[i - 1] - 1]; at != 0) {
          pp = at - 1;
          cand = s + a[pp];
        }
      } else {
        double best = -1.0;
        for (int p = row0; p < used; ++p) {
          if (step[icol[p] - 1] != unpivoted) continue;
          const double m = magnitude(s + a[p]);
          if (m > best) {
            best = m;
            pp = p;
          }
        }
        if (pp >= 0) cand = s + a[pp];
      }
      if (magnitude(cand) > tau_pivot) {
        a[pp] = cand;
        break;
      }
      if (!recompute) {
        for (int p = row0; p < used; ++p) idiag[icol[p] - 1] = 0;
        used = row0;
        recompute = restarted = true;
        continue;
      }
      // Still too small with all fill kept: a unit pivot replaces it.
      int c;
      if (pstrat == 'N' || pstrat == 'U') {
        c = ipivq[i - 1];
      } else {
        while (step[lowest_free - 1] != unpivoted) ++lowest_free;
        c = lowest_free;
      }
      if (!append(T(1.0), c, 0)) {
        *nnzfac = used - nnz + 1;
        restore_irow();
        return kTooLarge;
      }
      pp = used - 1;
      ++*npvmod;
      break;
    }

    const int c = icol[pp];
    ipivq[i - 1] = c;
    step[c - 1] = i;
    if (complete) {
      for (int k = colhead[c - 1]; k != 0; k = irow[k - 1]) {
        // The row of input entry k, from the row starts.
        const int rr = static_cast<int>(std::upper_bound(rowstart, rowstart + n + 1, k) - rowstart);
        if (count[rr - 1] == unpivoted) continue;
        --count[rr - 1];
        rows.lowered(rr);
      }
    }
    const T inv = T(1.0) / a[pp];
    for (int p = row0; p < used; ++p) {
      const int j = icol[p];
      if (step[j - 1] > i) a[p] = mul(a[p], inv);
      idiag[j - 1] = 0;
    }
    istr[i] = used + 1;
  }
  restore_irow();
  *nnzfac = used - nnz;
  if (*npvmod == 0 && restarted) *npvmod = -1;
  return 0;
}

// Renumbers the factor to pivot order (row := step, column := the step of
// the column), sorts each row by column, sums entries that share a column
// (only a replaced pivot beside the tiny entry it replaced does) and drops
// zeros, compacting the rows in place.  The factor is in row order
// already, so the rows are sorted one at a time, where they lie.  ISTR
// comes in and goes out as 1-based positions; returns NNZFAC.
template <class T>
int finish_rows(int n, int nnz, T* a, int* irow, int* icol, int* istr, const int* step) {
  int w = nnz;
  int begin = istr[0] - 1;
  for (int i = 0; i < n; ++i) {
    const int end = istr[i + 1] - 1;
    for (int p = begin; p < end; ++p) icol[p] = step[icol[p] - 1];
    sort_pairs(icol + begin, a + begin, end - begin);
    istr[i] = w + 1;
    const int first = w;
    for (int p = begin; p < end; ++p) {
      if (w > first && icol[w - 1] == icol[p]) {
        a[w - 1] += a[p];
      } else {
        a[w] = a[p];
        icol[w] = icol[p];
        irow[w++] = i + 1;
      }
    }
    int kept = first;
    for (int p = first; p < w; ++p)
      if (a[p] != T{}) {
        a[kept] = a[p];
        icol[kept++] = icol[p];
      }
    w = kept;
    begin = end;
  }
  istr[n] = w + 1;
  return w - nnz;
}

template <class T>
struct Names;
template <>
struct Names<double> {
  static constexpr const char* factor = "F11DAF";
  static constexpr const char* solve = "F11DBF";
};
template <>
struct Names<Complex> {
  static constexpr const char* factor = "F11DNF";
  static constexpr const char* solve = "F11DPF";
};

constexpr Messages kFactorMessages{
    " ** On entry, LA .lt. 2*NNZ:\n    LA =%16ld NNZ =%16ld.",
    " ** On entry, DTOL .lt. 0.0: DTOL =%12.4e.",
    " ** On entry, PSTRAT .ne. 'N', 'U', 'P', or 'C': PSTRAT = '%s'.",
    " ** On entry, MILU .ne. 'M' or 'N': MILU = '%s' .",
    kNSmall,
    kNnzSmall,
    kNnzLarge,
    " ** On entry, LIWORK is too small: LIWORK =%16ld.\n"
    "    Minimum required value of LIWORK =%16ld.",
    kRowRange,
    kColRange,
    kOrder,
    kDuplicate,
    " ** On entry, a user-supplied value of IPIVP lies outside the range [1,N].",
    " ** On entry, a user-supplied value of IPIVP is repeated.",
    " ** On entry, a user-supplied value of IPIVQ lies outside the range [1,N].",
    " ** On entry, a user-supplied value of IPIVQ is repeated.",
    " ** The number of non-zero entries in the decomposition is too large.\n"
    "    The decomposition has been terminated before completion.\n"
    "    Either increase LA, or reduce the fill by reducing LFILL, \n"
    "    or increasing DTOL.",
    " ** A serious error has occurred in an internal call to an auxiliary routine.\n"
    "    Check all subroutine calls and array sizes. Seek expert help.",
};
enum {
  kLaMsg, kDtolMsg, kPstratMsg, kMiluMsg, kNMsg, kLiworkMsg = 7, kIpivpRange = 12,
  kTooLargeMsg = 16, kSeriousMsg
};

template <class T>
int factor(int n, int nnz, T* a, int la, int* irow, int* icol, int lfill, double dtol,
           const char* pstrat, const char* milu, int* ipivp, int* ipivq, int* istr, int* idiag,
           int* nnzfac, int* npvmod, int* iwork, int liwork, char* record, int* ifail,
           int pstrat_len, int milu_len, int record_len) {
  Reporter rep(Names<T>::factor, record, record_len);
  const auto& msg = kFactorMessages;
  *nnzfac = 0;
  auto fail = [&](int ierr, int label, auto... values) {
    rep.fail(ierr, msg[label], values...);
    return rep.finish(ifail);
  };
  if (static_cast<long long>(la) < 2LL * nnz) return fail(1, kLaMsg, la, nnz);
  if (lfill < 0 && !(dtol >= 0.0)) return fail(1, kDtolMsg, dtol);
  const char ps = option_letter(pstrat, pstrat_len), mi = option_letter(milu, milu_len);
  const bool ps_ok = ps == 'N' || ps == 'U' || ps == 'P' || ps == 'C';
  const bool mi_ok = mi == 'M' || mi == 'N';
  if (!ps_ok) rep.fail(1, msg[kPstratMsg], Letter(pstrat, pstrat_len).text);
  if (!mi_ok) rep.also(1, msg[kMiluMsg], Letter(milu, milu_len).text);
  if (!ps_ok || !mi_ok) return rep.finish(ifail);
  const double omega = mi == 'M' ? 1.0 : 0.0;

  if (const auto c = sparse::check_sorted_storage(n, nnz, irow, icol, false); c.code != 0) {
    report_storage(rep, c, n, nnz, irow, icol, 1, 2,
                   [](int code) {
                     // LIWORK's message sits between the size and the entry messages.
                     return kFactorMessages[kNMsg - 1 + code + (code > 3 ? 1 : 0)];
                   });
    return rep.finish(ifail);
  }
  if (ps == 'U') {
    int* perms[2] = {ipivp, ipivq};
    for (int which = 0; which < 2; ++which) {
      const sorting::Walk w = sorting::rearrange(perms[which], 1, n);
      if (w.ierr != 0) return fail(3, kIpivpRange + 2 * which + (w.ierr == 3 ? 1 : 0));
    }
  }
  const long long need = 7LL * n + 2;
  if (liwork < need) return fail(1, kLiworkMsg, liwork, clamp_requirement(need));

  double amax = 0.0;
  for (int k = 0; k < nnz; ++k) amax = std::max(amax, magnitude(a[k]));
  const double tau_drop = lfill < 0 ? dtol * amax : 0.0;
  const double tau_pivot = kEps * std::max(amax, 10.0);
  int* w = iwork;
  const int status = eliminate(n, nnz, a, la, irow, icol, lfill, tau_drop, tau_pivot, omega, ps,
                               ipivp, ipivq, istr, idiag, nnzfac, npvmod, w, w + n + 1,
                               w + 2 * n + 1, w + 3 * n + 1, w + 4 * n + 2, w + 5 * n + 2,
                               w + 6 * n + 2);
  if (status == kTooLarge) return fail(4, kTooLargeMsg);

  *nnzfac = finish_rows(n, nnz, a, irow, icol, istr, w + 6 * n + 2);

  // Invert the diagonal; the rows held l D, scale them to L.
  for (int i = 1; i <= n; ++i) {
    idiag[i - 1] = 0;
    for (int p = istr[i - 1] - 1; p < istr[i] - 1; ++p) {
      const int c = icol[p];
      if (c < i) {
        a[p] = mul(a[p], a[idiag[c - 1] - 1]);
      } else if (c == i) {
        if (a[p] == T{}) break;
        a[p] = T(1.0) / a[p];
        idiag[i - 1] = p + 1;
      }
    }
    if (idiag[i - 1] == 0) return fail(5, kSeriousMsg);
  }
  return rep.finish(ifail);
}

// The solve's messages; S names the routine pair.
#define KIV_ILU_SOLVE_MESSAGES(S)                                                       \
  Messages {                                                                            \
    kCheckOption, kTransOption, kNSmall, " ** On entry, ISTR appears to be invalid." S, \
        " ** On entry, IROW(I) .lt. 1 or IROW(I) .gt. N:\n"                             \
        "    I = %16ld, IROW(I) = %16ld, N = %16ld." S,                                 \
        " ** On entry, ICOL(I) .lt. 1 or ICOL(I) .gt. N:\n"                             \
        "    I = %16ld, ICOL(I) = %16ld, N = %16ld." S,                                 \
        " ** On entry, A(I) is out of order:\n    I =%16ld." S,                         \
        " ** On entry, the location (IROW(I), ICOL(I)) is a duplicate:\n"               \
        "    I =%16ld." S,                                                              \
        " ** On entry, ISTR(I) is inconsistent with IROW:\n    I =%16ld." S,            \
        " ** On entry, IDIAG(I) appears to be incorrect:\n    I =%16ld." S,             \
        " ** On entry, IPIVP(I) .lt. 1 or IPIVP(I) .gt. N:\n"                           \
        "    I =%16ld, IPIVP(I) =%16ld, N =%16ld." S,                                   \
        " ** On entry, IPIVP(I) is a repeated value:\n    I =%16ld." S,                 \
        " ** On entry, IPIVQ(I) .lt. 1 or IPIVQ(I) .gt. N:\n"                           \
        "    I =%16ld, IPIVQ(I) =%16ld, N =%16ld." S,                                   \
        " ** On entry, IPIVQ(I) is a repeated value:\n    I =%16ld." S                  \
  }
constexpr auto kSolveMessagesReal = KIV_ILU_SOLVE_MESSAGES(
    "\n    Check that A, IROW, ICOL, IPIVP, IPIVQ, ISTR and IDIAG\n"
    "    have not been corrupted between calls to F11DAF and F11DBF.");
constexpr auto kSolveMessagesComplex = KIV_ILU_SOLVE_MESSAGES(
    "\n    Check that A, IROW, ICOL, IPIVP, IPIVQ, ISTR and IDIAG\n"
    "    have not been corrupted between calls to F11DNF and F11DPF.");
#undef KIV_ILU_SOLVE_MESSAGES
enum {
  kCheckMsg, kTransMsg, kSolveNMsg, kIstrInvalid, kFactorRowMsg, kFactorColMsg,
  kIstrRowMsg = 8, kIdiagMsg, kIpivpRangeMsg, kIpivpRepeatMsg
};

template <class T>
const auto& solve_messages() {
  if constexpr (std::is_same_v<T, double>) return kSolveMessagesReal;
  else return kSolveMessagesComplex;
}

// Column C as a 0-based index into X, or 0 when C is outside 1..N (then
// BAD is set): the test of each entry costs no branch.
inline unsigned column(int c, unsigned n, unsigned& bad) {
  const unsigned j = static_cast<unsigned>(c) - 1u;
  bad |= static_cast<unsigned>(j >= n);
  return j < n ? j : 0u;
}

// The first position in FROM..TO-1 (0-based) with a column outside 1..N,
// 1-based.
inline int first_bad_column(const int* icol, int from, int to, int n) {
  for (int k = from; k < to; ++k)
    if (!in_range(icol[k], n)) return k + 1;
  return 0;
}

template <class T>
int solve(const char* trans, int n, const T* a, int la, const int* irow, const int* icol,
          int* ipivp, int* ipivq, const int* istr, const int* idiag, const char* check,
          const T* y, T* x, char* record, int* ifail, int trans_len, int check_len,
          int record_len) {
  const auto& msg = solve_messages<T>();
  Reporter rep(Names<T>::solve, record, record_len);
  auto fail = [&](int ierr, int label, auto... values) {
    rep.fail(ierr, msg[label], values...);
    return rep.finish(ifail);
  };
  // Reports permutation P (0 IPIVP, 1 IPIVQ): an entry outside 1..N, or
  // a repeated value (X as marks).
  auto check_permutation = [&](int which, const int* p) {
    for (int i = 0; i < n; ++i)
      if (!in_range(p[i], n)) return fail(3, kIpivpRangeMsg + 2 * which, i + 1, p[i], n);
    if (const int i = first_repeat(p, n, x); i != 0) return fail(3, kIpivpRepeatMsg + 2 * which, i);
    return 0;
  };

  const char ck = option_letter(check, check_len);
  if (ck != 'C' && ck != 'N') return fail(1, kCheckMsg, Letter(check, check_len).text);
  if (ck == 'C') {
    if (n < 1) return fail(2, kSolveNMsg, n);
    const long long first = istr[0], count = static_cast<long long>(istr[n]) - first;
    if (first < 1 || count < 1 || first - 1 + count > la ||
        static_cast<double>(count) > static_cast<double>(n) * n)
      return fail(3, kIstrInvalid);
    const int off = istr[0] - 1;
    const auto c = sparse::check_sorted_storage(n, static_cast<int>(count), irow + off,
                                                icol + off, false);
    if (c.code != 0) {
      const int at = off + c.i;
      if (c.code == 4) return fail(3, kFactorRowMsg, at, irow[at - 1], n);
      if (c.code == 5) return fail(3, kFactorColMsg, at, icol[at - 1], n);
      return fail(3, kFactorRowMsg + c.code - 4, at);
    }
    for (int k = off; k < istr[n] - 1; ++k) {
      const int r = irow[k];
      if (r == icol[k] && idiag[r - 1] != k + 1) return fail(3, kIdiagMsg, r);
      if ((k == off || r > irow[k - 1]) && istr[r - 1] != k + 1) return fail(3, kIstrRowMsg, r);
    }
    if (const int f = check_permutation(0, ipivp); f != 0) return f;
    if (const int f = check_permutation(1, ipivq); f != 0) return f;
  }
  const char t = option_letter(trans, trans_len);
  if (t != 'N' && t != 'T') return fail(1, kTransMsg, Letter(trans, trans_len).text);
  if (n < 1) return rep.finish(ifail);

  // What memory safety needs, whatever was corrupted: the outer row starts
  // within the arrays; as the solve goes, each row inside them with its
  // diagonal inside it, every permutation value within 1..N, and every
  // column within 1..N (a column outside reads X(1) and fails the call).
  if (istr[0] < 1 || istr[n] < istr[0] || istr[n] - 1 > la) return fail(3, kIstrInvalid);
  const int last = istr[n];
  auto row_bad = [&](int i) {
    return !(istr[i] <= idiag[i] && idiag[i] < istr[i + 1] && istr[i + 1] <= last);
  };
  auto row_fail = [&](int i) {
    return istr[i] > istr[i + 1] || istr[i + 1] > last ? fail(3, kIstrInvalid)
                                                       : fail(3, kIdiagMsg, i + 1);
  };
  const int* gather = t == 'N' ? ipivp : ipivq;
  int* scatter = t == 'N' ? ipivq : ipivp;
  const int gather_msg = kIpivpRangeMsg + (t == 'N' ? 0 : 2);
  const unsigned un = static_cast<unsigned>(n);
  unsigned bad = 0;
  if (t == 'N') {
    for (int i = 0; i < n; ++i) {
      if (row_bad(i)) return row_fail(i);
      const int g = gather[i];
      if (!in_range(g, n)) return fail(3, gather_msg, i + 1, g, n);
      T s = y[g - 1];
      for (int k = istr[i] - 1, end = idiag[i] - 1; k < end; ++k)
        s -= mul(a[k], x[column(icol[k], un, bad)]);
      x[i] = s;
    }
    for (int i = n - 1; i >= 0; --i) {
      T s = mul(x[i], a[idiag[i] - 1]);
      for (int k = idiag[i], end = istr[i + 1] - 1; k < end; ++k)
        s -= mul(a[k], x[column(icol[k], un, bad)]);
      x[i] = s;
    }
  } else {
    for (int i = 0; i < n; ++i) {
      const int g = gather[i];
      if (!in_range(g, n)) return fail(3, gather_msg, i + 1, g, n);
      x[i] = y[g - 1];
    }
    for (int i = 0; i < n; ++i) {
      if (row_bad(i)) return row_fail(i);
      const T xi = x[i];
      for (int k = idiag[i], end = istr[i + 1] - 1; k < end; ++k)
        x[column(icol[k], un, bad)] -= mul(a[k], xi);
      x[i] = mul(xi, a[idiag[i] - 1]);
    }
    for (int i = n - 1; i >= 0; --i) {
      const T xi = x[i];
      for (int k = istr[i] - 1, end = idiag[i] - 1; k < end; ++k)
        x[column(icol[k], un, bad)] -= mul(a[k], xi);
    }
  }
  if (bad != 0) {
    const int k = first_bad_column(icol, istr[0] - 1, last - 1, n);
    return fail(3, kFactorColMsg, k, icol[k - 1], n);
  }

  // Identity permutations (no pivoting) need no rearrangement.
  bool identity = true;
  for (int i = 0; i < n; ++i) identity &= scatter[i] == i + 1;
  if (identity) return rep.finish(ifail);

  const sorting::Walk w = sorting::rearrange(scatter, 1, n, x);
  const int which = t == 'N' ? 1 : 0;
  if (w.ierr == 2) return fail(3, kIpivpRangeMsg + 2 * which, w.index, w.value, n);
  if (w.ierr == 3) {
    // X is no solution now; find the repeated entry with X as marks.
    return fail(3, kIpivpRepeatMsg + 2 * which, first_repeat(scatter, n, x));
  }
  return rep.finish(ifail);
}

template <class T>
int factor_host(const int* n, const int* nnz, T* a, const int* la, int* irow, int* icol,
                const int* lfill, const double* dtol, const char* pstrat, const char* milu,
                int* ipivp, int* ipivq, int* istr, int* idiag, int* nnzfac, int* npvmod,
                int* iwork, const int* liwork, int* ifail) {
  return host_call(
      Names<T>::factor, ifail,
      [&] {
        POISON_INTEGERS(*n + 1, istr);
        POISON_INTEGERS(*n, idiag);
        POISON_INTEGER(nnzfac);
        POISON_INTEGER(npvmod);
        POISON_INTEGERS(*liwork, iwork);
      },
      [&](char* rec) {
        return factor(*n, *nnz, a, *la, irow, icol, *lfill, *dtol, pstrat, milu, ipivp, ipivq,
                      istr, idiag, nnzfac, npvmod, iwork, *liwork, rec, ifail, 1, 1,
                      KIV2_RECORD_LEN);
      });
}

template <class T>
int solve_host(const char* trans, const int* n, const T* a, const int* la, const int* irow,
               const int* icol, int* ipivp, int* ipivq, const int* istr, const int* idiag,
               const char* check, const T* y, T* x, int* ifail) {
  return host_call(
      Names<T>::solve, ifail, [&] { poison(*n, x); },
      [&](char* rec) {
        return solve(trans, *n, a, *la, irow, icol, ipivp, ipivq, istr, idiag, check, y, x, rec,
                     ifail, 1, 1, KIV2_RECORD_LEN);
      });
}

}  // namespace
}  // namespace kiv::precon

using kiv::precon::Complex;

extern "C" {

int KIV_CALL F11DAZ(int n, int nnz, double* a, int la, int* irow, int* icol, int lfill,
                    double tau_drop, double tau_pivot, double omega, int pstrat, int* ipivp,
                    int* ipivq, int* istr, int* idiag, int* nnzfac, int* npvmod, int* rowstart,
                    int* colhead, int* count, int* heap, int* heappos, int* spare, int* step) {
  return kiv::precon::eliminate(n, nnz, a, la, irow, icol, lfill, tau_drop, tau_pivot, omega,
                                pstrat, ipivp, ipivq, istr, idiag, nnzfac, npvmod, rowstart,
                                colhead, count, heap, heappos, spare, step);
}

int KIV_CALL F11DNZ(int n, int nnz, kiv2_complex* a, int la, int* irow, int* icol, int lfill,
                    double tau_drop, double tau_pivot, double omega, int pstrat, int* ipivp,
                    int* ipivq, int* istr, int* idiag, int* nnzfac, int* npvmod, int* rowstart,
                    int* colhead, int* count, int* heap, int* heappos, int* spare, int* step) {
  return kiv::precon::eliminate(n, nnz, a, la, irow, icol, lfill, tau_drop, tau_pivot, omega,
                                pstrat, ipivp, ipivq, istr, idiag, nnzfac, npvmod, rowstart,
                                colhead, count, heap, heappos, spare, step);
}

int KIV_CALL F11DAF(int n, int nnz, double* a, int la, int* irow, int* icol, int lfill,
                    double dtol, const char* pstrat, const char* milu, int* ipivp, int* ipivq,
                    int* istr, int* idiag, int* nnzfac, int* npvmod, int* iwork, int liwork,
                    char* record, int* ifail, int pstrat_len, int milu_len, int record_len) {
  return kiv::precon::factor(n, nnz, a, la, irow, icol, lfill, dtol, pstrat, milu, ipivp, ipivq,
                             istr, idiag, nnzfac, npvmod, iwork, liwork, record, ifail,
                             pstrat_len, milu_len, record_len);
}

int KIV_CALL F11DNF(int n, int nnz, kiv2_complex* a, int la, int* irow, int* icol, int lfill,
                    double dtol, const char* pstrat, const char* milu, int* ipivp, int* ipivq,
                    int* istr, int* idiag, int* nnzfac, int* npvmod, int* iwork, int liwork,
                    char* record, int* ifail, int pstrat_len, int milu_len, int record_len) {
  return kiv::precon::factor(n, nnz, a, la, irow, icol, lfill, dtol, pstrat, milu, ipivp, ipivq,
                             istr, idiag, nnzfac, npvmod, iwork, liwork, record, ifail,
                             pstrat_len, milu_len, record_len);
}

int KIV_CALL F11DBF(const char* trans, int n, const double* a, int la, const int* irow,
                    const int* icol, int* ipivp, int* ipivq, const int* istr, const int* idiag,
                    const char* check, const double* y, double* x, char* record, int* ifail,
                    int trans_len, int check_len, int record_len) {
  return kiv::precon::solve(trans, n, a, la, irow, icol, ipivp, ipivq, istr, idiag, check, y, x,
                            record, ifail, trans_len, check_len, record_len);
}

int KIV_CALL F11DPF(const char* trans, int n, const kiv2_complex* a, int la, const int* irow,
                    const int* icol, int* ipivp, int* ipivq, const int* istr, const int* idiag,
                    const char* check, const kiv2_complex* y, kiv2_complex* x, char* record,
                    int* ifail, int trans_len, int check_len, int record_len) {
  return kiv::precon::solve(trans, n, a, la, irow, icol, ipivp, ipivq, istr, idiag, check, y, x,
                            record, ifail, trans_len, check_len, record_len);
}

int KIV_CALL F11DAF_HOST(const int* n, const int* nnz, double* a, const int* la, int* irow,
                         int* icol, const int* lfill, const double* dtol, const char* pstrat,
                         const char* milu, int* ipivp, int* ipivq, int* istr, int* idiag,
                         int* nnzfac, int* npvmod, int* iwork, const int* liwork, int* ifail, int,
                         int) {
  return kiv::precon::factor_host(n, nnz, a, la, irow, icol, lfill, dtol, pstrat, milu, ipivp,
                                  ipivq, istr, idiag, nnzfac, npvmod, iwork, liwork, ifail);
}

int KIV_CALL F11DNF_HOST(const int* n, const int* nnz, kiv2_complex* a, const int* la,
                         int* irow, int* icol, const int* lfill, const double* dtol,
                         const char* pstrat, const char* milu, int* ipivp, int* ipivq,
                         int* istr, int* idiag, int* nnzfac, int* npvmod, int* iwork,
                         const int* liwork, int* ifail, int, int) {
  return kiv::precon::factor_host(n, nnz, a, la, irow, icol, lfill, dtol, pstrat, milu, ipivp,
                                  ipivq, istr, idiag, nnzfac, npvmod, iwork, liwork, ifail);
}

int KIV_CALL F11DBF_HOST(const char* trans, const int* n, const double* a, const int* la,
                         const int* irow, const int* icol, int* ipivp, int* ipivq,
                         const int* istr, const int* idiag, const char* check, const double* y,
                         double* x, int* ifail, int, int) {
  return kiv::precon::solve_host(trans, n, a, la, irow, icol, ipivp, ipivq, istr, idiag, check,
                                 y, x, ifail);
}

int KIV_CALL F11DPF_HOST(const char* trans, const int* n, const kiv2_complex* a, const int* la,
                         const int* irow, const int* icol, int* ipivp, int* ipivq,
                         const int* istr, const int* idiag, const char* check,
                         const kiv2_complex* y, kiv2_complex* x, int* ifail, int, int) {
  return kiv::precon::solve_host(trans, n, a, la, irow, icol, ipivp, ipivq, istr, idiag, check,
                                 y, x, ifail);
}

}  // extern "C"
