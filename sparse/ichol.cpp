// Incomplete Cholesky factorisation (F11JAF, F11JNF, kernels F11JAZ,
// F11JNZ) and its solve (F11JBF, F11JPF): one template over the scalar
// each, real symmetric or complex Hermitian.
//
// The elimination runs on a working copy behind the matrix in A, IROW,
// ICOL: the diagonal of index k at copy position k, the off-diagonal
// entries after the N diagonals, fill appended at the end.  Each stored
// pair sits below the diagonal in the original numbering (the entry above
// is its conjugate).  The IROW slot of an off-diagonal entry links its row
// chain (the last entry holds minus the row), the ICOL slot its column
// chain (0 ends it); its true column is kept in IWORK.  Positions in links
// are 1-based, so that 0 means "none".
#include <algorithm>
#include <climits>
#include <cmath>
#include <complex>
#include <cstring>
#include <numeric>

#include "sorting/sorting.hpp"
#include "sparse/precon.hpp"

namespace kiv::precon {
namespace {

using sorting::Letter;
using sorting::option_letter;

constexpr int kTooLarge = 4;
constexpr int kNotFinite = 5;

bool finite(double v) { return std::isfinite(v); }
bool finite(Complex v) { return std::isfinite(v.real()) && std::isfinite(v.imag()); }

// A(r, p) from the stored pair at position Q holding (max, min): conjugated
// when R lies above P.
template <class T>
T towards(const T* a, int q, int r, int p) {
  return r > p ? a[q] : conj(a[q]);
}


// Steps 1-6 of the factorisation on checked arguments.  COUNT(k) is the
// Markowitz count of a live index and minus its step once eliminated;
// ISTR serves as the marker: for a neighbour c of the pivot, +-(position
// of its pair with the pivot), negative once met in the current row.
// On return (0) positions NNZ+1..NNZ+NNZFAC hold the renumbered, unsorted
// factor and IPIV the elimination order; kTooLarge when it does not fit,
// kNotFinite when a pivot, its inverse or a factor entry is not finite (an
// infinite pivot would invert to a zero that the final sort drops, leaving
// its row without a diagonal).
template <class T>
int eliminate(int n, int nnz, T* a, int la, int* irow, int* icol, int lfill, double dtol,
              double omega, double dshift, double pivtol, int pstrat, int* ipiv, int* mark,
              int* nnzfac, int* npvmod, int* level, int lv, int* tcol, int* count, int* rowhead,
              int* colhead, int* nbr, int* heap, int* heappos, int* /*spare*/) {
  // ISTR(N+1) = NNZ + NNZFAC + 1 must stay an int.
  const int limit = std::min(la, INT_MAX - 1);
  int ndiag = 0;
  for (int k = 0; k < nnz; ++k) ndiag += irow[k] == icol[k];
  *nnzfac = 0;
  *npvmod = 0;
  const long long need = static_cast<long long>(nnz) + n + (nnz - ndiag);
  if (need > limit) {
    *nnzfac = static_cast<int>(std::min<long long>(need - nnz, INT_MAX));
    return kTooLarge;
  }
  T* d = a + nnz;  // d[k - 1]: the diagonal of index k
  const int base = 2 * nnz;  // the first position with a level slot
  std::fill(d, d + n, T{});
  std::fill(rowhead, rowhead + n, 0);
  std::fill(colhead, colhead + n, 0);
  std::fill(mark, mark + n, 0);
  int used = nnz + n;
  // The copy with its row chains, in order of rows and columns.
  for (int k = 0, tail = 0, last_row = 0; k < nnz; ++k) {
    const int r = irow[k], c = icol[k];
    if (r == c) {
      d[r - 1] = a[k];
      continue;
    }
    const int q = used++;
    a[q] = a[k];
    tcol[q - nnz] = c;
    irow[q] = -r;
    if (q >= base && lfill >= 0 && q - base < lv) level[q - base] = 0;
    if (r != last_row) rowhead[r - 1] = q + 1;
    else irow[tail] = q + 1;
    tail = q;
    last_row = r;
  }
  // Column chains in increasing row: built backwards.
  for (int q = used - 1; q >= nnz + n; --q) {
    const int c = tcol[q - nnz];
    icol[q] = colhead[c - 1];
    colhead[c - 1] = q + 1;
  }
  for (int k = 0; k < n; ++k) {
    d[k] *= 1.0 + dshift;
    irow[nnz + k] = icol[nnz + k] = 0;
    tcol[k] = k + 1;
  }
  auto level_of = [&](int q) { return q < base ? 0 : level[q - base]; };
  auto row_of = [&](int q) {
    while (irow[q] > 0) q = irow[q] - 1;
    return -irow[q];
  };

  const bool markowitz = pstrat == 'M';
  if (markowitz) {
    std::fill(count, count + n, 1);
    for (int q = nnz + n; q < used; ++q) ++count[tcol[q - nnz] - 1];
    for (int k = 0; k < nnz; ++k) count[irow[k] - 1] += irow[k] != icol[k];
  } else {
    std::fill(count, count + n, 0);
    if (pstrat == 'N') std::iota(ipiv, ipiv + n, 1);
  }
  auto live = [&](int v) { return count[v - 1] >= 0; };
  // The live indices in Markowitz order: the fewest entries first, then
  // the larger |diagonal|, then the smaller index (a NaN diagonal falls
  // through to the index).  Counts and diagonals change as the elimination
  // goes; each change re-places its index.
  IndexHeap order(markowitz ? n : 0, heap, heappos, [count, d](int a, int b) {
    if (count[a - 1] != count[b - 1]) return count[a - 1] < count[b - 1];
    const double ma = magnitude(d[a - 1]), mb = magnitude(d[b - 1]);
    if (ma != mb && !std::isnan(ma) && !std::isnan(mb)) return ma > mb;
    return a < b;
  });

  for (int i = 1; i <= n; ++i) {
    int p;
    if (markowitz) {
      p = order.pop();
      ipiv[i - 1] = p;
    } else {
      p = ipiv[i - 1];
    }
    count[p - 1] = -i;

    // The neighbours: column chain of P first, then its row chain.
    int nn = 0;
    double s = 0.0;
    for (int q = colhead[p - 1]; q != 0; q = icol[q - 1]) {
      const int r = row_of(q - 1);
      if (!live(r)) continue;
      nbr[nn++] = r;
      mark[r - 1] = q;
      s += magnitude(a[q - 1]);
    }
    for (int q = rowhead[p - 1]; q > 0; q = irow[q - 1] > 0 ? irow[q - 1] : 0) {
      const int r = tcol[q - 1 - nnz];
      if (!live(r)) continue;
      nbr[nn++] = r;
      mark[r - 1] = q;
      s += magnitude(a[q - 1]);
    }

    T& dp = d[p - 1];
    if (!(std::real(dp) > pivtol * s) && !std::isnan(std::real(dp))) {
      dp = T(s > 0.0 ? s : 1.0);
      ++*npvmod;
    }

    for (int j = 0; j < nn; ++j) {
      const int r = nbr[j];
      const int qrp = mark[r - 1] - 1;
      const T arp = towards(a, qrp, r, p);
      const T l = arp / dp;
      if (markowitz) --count[r - 1];
      // Existing entries (r, c) with c a neighbour.
      int tail = -1;
      for (int q = rowhead[r - 1]; q > 0;) {
        const int at = q - 1;
        const int c = tcol[at - nnz];
        if (const int m = mark[c - 1]; m > 0) {
          a[at] -= mul(l, conj(towards(a, m - 1, c, p)));
          mark[c - 1] = -m;
        }
        tail = at;
        q = irow[at];
      }
      d[r - 1] -= mul(l, conj(arp));
      // Fill (r, c) for the neighbours c < r without an entry.
      const int lrp = lfill >= 0 ? level_of(qrp) : 0;
      for (int jc = 0; jc < nn; ++jc) {
        const int c = nbr[jc];
        const int m = mark[c - 1];
        if (c >= r || m < 0) continue;
        const T f = -mul(l, conj(towards(a, m - 1, c, p)));
        const int lev = lfill >= 0 ? std::max(lrp, level_of(m - 1)) + 1 : 0;
        const bool keep = lfill >= 0
                              ? lev <= lfill
                              : magnitude(f) >= dtol * std::sqrt(magnitude(d[r - 1] * d[c - 1]));
        if (!keep) {
          // The real part only: D stays real, so the factor stays
          // Hermitian (for real matrices this is all of f).
          d[r - 1] += omega * std::real(f);
          d[c - 1] += omega * std::real(f);
          if (markowitz && omega != 0.0) order.update(c);
          continue;
        }
        if (used >= limit) {
          *nnzfac = used - nnz + 1;
          return kTooLarge;
        }
        const int q = used++;
        a[q] = f;
        tcol[q - nnz] = c;
        if (lfill >= 0 && q >= base) level[q - base] = lev;
        irow[q] = -r;
        if (tail < 0) rowhead[r - 1] = q + 1;
        else irow[tail] = q + 1;
        tail = q;
        icol[q] = colhead[c - 1];
        colhead[c - 1] = q + 1;
        // The pair exists now: a later neighbour r' meets it as (r, c)
        // only from row r' = r, which is done.
        if (markowitz) {
          ++count[r - 1];
          ++count[c - 1];
          order.update(c);
        }
      }
      for (int jc = 0; jc < nn; ++jc) mark[nbr[jc] - 1] = std::abs(mark[nbr[jc] - 1]);
      if (markowitz) order.update(r);
    }
    for (int j = 0; j < nn; ++j) mark[nbr[j] - 1] = 0;
  }

  // Renumber by step; the pair (r, c) holds (l d)(r, c) of its later
  // index against its earlier one, so it is scaled by the inverted
  // diagonal of the earlier index.
  for (int k = 0; k < n; ++k) {
    if (!finite(d[k])) return kNotFinite;
    d[k] = T(1.0) / d[k];
    if (!finite(d[k])) return kNotFinite;
    irow[nnz + k] = icol[nnz + k] = -count[k];
  }
  for (int r = 1; r <= n; ++r) {
    for (int q = rowhead[r - 1]; q > 0;) {
      const int at = q - 1;
      q = irow[at];
      const int c = tcol[at - nnz];
      const int sr = -count[r - 1], sc = -count[c - 1];
      if (sr > sc) {
        a[at] = mul(a[at], d[c - 1]);
        irow[at] = sr;
        icol[at] = sc;
      } else {
        a[at] = mul(conj(a[at]), d[r - 1]);
        irow[at] = sc;
        icol[at] = sr;
      }
      if (!finite(a[at])) return kNotFinite;
    }
  }
  *nnzfac = used - nnz;
  return 0;
}

template <class T>
struct Names;
template <>
struct Names<double> {
  static constexpr const char* factor = "F11JAF";
  static constexpr const char* solve = "F11JBF";
};
template <>
struct Names<Complex> {
  static constexpr const char* factor = "F11JNF";
  static constexpr const char* solve = "F11JPF";
};

#define KIV_ICHOL_FACTOR_MESSAGES(SORT)                                                  \
  Messages {                                                                            \
    " ** On entry, LA .lt. 2*NNZ:\n    LA =%16ld NNZ =%16ld.",                          \
        " ** On entry, DTOL .lt. 0.0: DTOL =%12.4e.",                                   \
        " ** On entry, MIC .ne. 'M' or 'N': MIC = '%s'.",                               \
        " ** On entry, PSTRAT .ne. 'N', 'U' or 'M': PST  RAT = '%s'.", kNSmall,         \
        kNnzSmall, kScsNnzLarge, kRowRange, kScsColRange, kOrder, kDuplicate,           \
        " ** On entry, LIWORK is too small: LIWORK =%16ld.\n"                           \
        "    Minimum required value of LIWORK =%16ld.",                                 \
        " ** On entry, a user-supplied value of IPIV lies outside the range [1,N].",    \
        " ** On entry, a user-supplied value of IPIV is repeated.",                     \
        " ** The number of non-zero entries in the decomposition is too large.\n"       \
        "    The decomposition has been terminated before completion.\n"                \
        "    Either increase LA, or reduce the fill by setting PSTRAT = 'M',\n"         \
        "    reducing LFILL, or increasing DTOL.",                                      \
        " ** A serious error has occurred in an internal call to " SORT ".\n"           \
        "    Check all subroutine calls and array sizes. Seek expert help."             \
  }
constexpr auto kFactorMessagesReal = KIV_ICHOL_FACTOR_MESSAGES("F11ZBF");
constexpr auto kFactorMessagesComplex = KIV_ICHOL_FACTOR_MESSAGES("F11ZPF");
#undef KIV_ICHOL_FACTOR_MESSAGES
enum {
  kLaMsg, kDtolMsg, kMicMsg, kPstratMsg, kNMsg, kLiworkMsg = 11, kIpivRange, kIpivRepeat,
  kTooLargeMsg, kSeriousMsg
};

template <class T>
const auto& factor_messages() {
  if constexpr (std::is_same_v<T, double>) return kFactorMessagesReal;
  else return kFactorMessagesComplex;
}

// Moves the entries [bound[0], bound[nb]) of A, IROW, ICOL into their
// buckets [bound[b], bound[b + 1]) by BUCKET(row), in place.
template <class T, class Bucket>
void distribute(T* a, int* irow, int* icol, int nb, const int* bound, int* next, Bucket bucket) {
  std::copy(bound, bound + nb, next);
  for (int b = 0; b < nb; ++b)
    while (next[b] < bound[b + 1]) {
      const int k = next[b];
      const int t = bucket(irow[k]);
      if (t == b) {
        ++next[b];
        continue;
      }
      const int to = next[t]++;
      std::swap(a[k], a[to]);
      std::swap(irow[k], irow[to]);
      std::swap(icol[k], icol[to]);
    }
}

// Brings the entries of rows R0+1..R1 into row order, in place; ISTR
// (0-based) holds the row bounds, row r in [istr[r-1], istr[r]).  Moving
// each entry straight to its row would miss the cache at nearly every
// step over a large factor, so the rows are split into at most 64 groups
// (as many write streams) until a group's entries lie in cache.
template <class T>
void gather_rows(T* a, int* irow, int* icol, const int* istr, int r0, int r1) {
  constexpr int kLeafRows = 1024, kGroups = 64;
  const int rows = r1 - r0;
  if (rows <= kLeafRows) {
    int next[kLeafRows];
    distribute(a, irow, icol, rows, istr + r0, next, [r0](int r) { return r - 1 - r0; });
    return;
  }
  int shift = 0;
  while (((rows - 1) >> shift) >= kGroups) ++shift;
  const int groups = ((rows - 1) >> shift) + 1;
  int bound[kGroups + 1], next[kGroups];
  for (int g = 0; g <= groups; ++g) bound[g] = istr[std::min(r0 + (g << shift), r1)];
  distribute(a, irow, icol, groups, bound, next, [r0, shift](int r) { return (r - 1 - r0) >> shift; });
  for (int g = 0; g < groups; ++g)
    gather_rows(a, irow, icol, istr, r0 + (g << shift), std::min(r0 + ((g + 1) << shift), r1));
}

// True when the renumbered factor is in order but for its diagonals: the
// N diagonals first, in row order, then the other entries by row and
// column (natural order with no fill out of turn).
bool in_order(int n, int len, const int* irow, const int* icol) {
  for (int k = 0; k < n; ++k)
    if (irow[k] != k + 1) return false;
  for (int k = n + 1; k < len; ++k)
    if (irow[k] < irow[k - 1] || (irow[k] == irow[k - 1] && icol[k] <= icol[k - 1])) return false;
  return true;
}

// Sorts the renumbered factor (LEN entries of A, IROW, ICOL, each pair
// once) by row and column and drops its zeros; ISTR gets the 1-based row
// starts.  SCRATCH holds N values of T.
template <class T>
int finish_factor(int n, int len, T* a, int* irow, int* icol, int* istr, int* scratch) {
  std::fill(istr, istr + n + 1, 0);
  for (int k = 0; k < len; ++k) ++istr[irow[k]];
  std::partial_sum(istr, istr + n + 1, istr);
  int w = 0;
  auto keep = [&](int r, int k) {
    if (a[k] == T{}) return;
    a[w] = a[k];
    icol[w] = icol[k];
    irow[w++] = r;
  };
  if (in_order(n, len, irow, icol)) {
    // One forward pass: an entry of row r moves down by N - r + 1 places
    // at least, so only the diagonals, set aside, are overwritten unread.
    std::memcpy(scratch, a, sizeof(T) * n);
    for (int r = 1, k = n; r <= n; ++r) {
      istr[r - 1] = w + 1;
      for (; k < len && irow[k] == r; ++k) keep(r, k);
      T d;
      std::memcpy(&d, reinterpret_cast<const char*>(scratch) + sizeof(T) * (r - 1), sizeof(T));
      if (d != T{}) {
        a[w] = d;
        icol[w] = r;
        irow[w++] = r;
      }
    }
    istr[n] = w + 1;
    return w;
  }
  gather_rows(a, irow, icol, istr, 0, n);
  for (int r = 1, begin = 0; r <= n; ++r) {
    const int end = istr[r];
    sort_pairs(icol + begin, a + begin, end - begin);
    istr[r - 1] = w + 1;
    for (int k = begin; k < end; ++k) keep(r, k);
    begin = end;
  }
  istr[n] = w + 1;
  return w;
}

// LIWORK's minimum: one level per possible fill entry (LFILL >= 0 only),
// 7N + 1 for the lists, buckets and counts, a true column per copy slot.
long long liwork_need(int n, int nnz, int la, int lfill) {
  const long long lv = lfill >= 0 ? static_cast<long long>(la) - 2LL * nnz + 1 : 1;
  return lv + 7LL * n + (static_cast<long long>(la) - nnz);
}

template <class T>
int factor(int n, int nnz, T* a, int la, int* irow, int* icol, int lfill, double dtol,
           const char* mic, double dshift, const char* pstrat, int* ipiv, int* istr,
           int* nnzfac, int* npvmod, int* iwork, int liwork, char* record, int* ifail,
           int mic_len, int pstrat_len, int record_len) {
  Reporter rep(Names<T>::factor, record, record_len);
  const auto& msg = factor_messages<T>();
  *nnzfac = 0;
  *npvmod = 0;
  auto fail = [&](int ierr, int label, auto... values) {
    rep.fail(ierr, msg[label], values...);
    return rep.finish(ifail);
  };
  if (static_cast<long long>(la) < 2LL * nnz) return fail(1, kLaMsg, la, nnz);
  if (lfill < 0 && !(dtol >= 0.0)) return fail(1, kDtolMsg, dtol);
  const char mi = option_letter(mic, mic_len);
  if (mi != 'M' && mi != 'N') return fail(1, kMicMsg, Letter(mic, mic_len).text);
  const char ps = option_letter(pstrat, pstrat_len);
  if (ps != 'N' && ps != 'U' && ps != 'M') return fail(1, kPstratMsg, Letter(pstrat, pstrat_len).text);
  if (const auto c = sparse::check_sorted_storage(n, nnz, irow, icol, true); c.code != 0) {
    report_storage(rep, c, n, nnz, irow, icol, 1, 2,
                   [&msg](int code) { return msg[kNMsg - 1 + code]; }, true);
    return rep.finish(ifail);
  }
  if (ps == 'U') {
    const sorting::Walk w = sorting::rearrange(ipiv, 1, n);
    if (w.ierr != 0) return fail(3, w.ierr == 3 ? kIpivRepeat : kIpivRange);
  }
  const long long need = liwork_need(n, nnz, la, lfill);
  if (liwork < need) return fail(1, kLiworkMsg, liwork, clamp_requirement(need));
  // No message names a non-finite matrix; the serious-error one is the
  // nearest, and the elimination need not run to find it.
  if (!std::all_of(a, a + nnz, [](T v) { return finite(v); })) return fail(5, kSeriousMsg);

  // IWORK: levels (LV - 1 used), true columns (LA - NNZ), then the lists.
  const int lv = lfill >= 0 ? la - 2 * nnz : 0;
  int* level = iwork;
  int* tcol = level + lv;
  int* w = tcol + (la - nnz);
  const int status = eliminate(n, nnz, a, la, irow, icol, lfill, dtol, mi == 'M' ? 1.0 : 0.0,
                               dshift, 0.01, ps, ipiv, istr, nnzfac, npvmod, level, lv, tcol, w,
                               w + n, w + 2 * n, w + 3 * n, w + 4 * n, w + 5 * n + 1, w + 6 * n + 1);
  if (status == kTooLarge) return fail(4, kTooLargeMsg);
  if (status == kNotFinite) return fail(5, kSeriousMsg);
  *nnzfac = finish_factor(n, *nnzfac, a + nnz, irow + nnz, icol + nnz, istr, iwork);
  for (int i = 0; i <= n; ++i) istr[i] += nnz;
  return rep.finish(ifail);
}

#define KIV_ICHOL_SOLVE_MESSAGES(S)                                                    \
  Messages {                                                                          \
    kCheckOption, kNSmall, " ** On entry, ISTR appears to be invalid." S,              \
        " ** On entry, IROW(I) .lt. 1 or IROW(I) .gt. N:\n"                            \
        "    I = %16ld, IROW(I) = %16ld, N = %16ld." S,                                \
        " ** On entry, ICOL(I) .lt. 1 or ICOL(I) .gt. IROW(I):\n"                      \
        "    I =%16ld, ICOL(I) =%16ld, IROW(I) =%16ld." S, " ** On entry, A(I) is out of order:\n    I =%16ld." S,        \
        " ** On entry, the location (IROW(I), ICOL(I)) is a duplicate:\n"             \
        "    I =%16ld." S,                                                            \
        " ** On entry, ISTR(I) is inconsistent with IROW:\n    I =%16ld." S,          \
        " ** On entry, IPIV(I) .lt. 1 or IPIV(I) .gt. N:\n"                           \
        "    I =%16ld, IPIV(I) =%16ld, N =%16ld." S,                                  \
        " ** On entry, IPIV(I) is a repeated value:\n    I =%16ld." S                 \
  }
constexpr auto kSolveMessagesReal = KIV_ICHOL_SOLVE_MESSAGES(
    "\n    Check that A, IROW, ICOL, IPIV and ISTR have not been\n"
    "    corrupted between calls to F11JAF and F11JBF.");
constexpr auto kSolveMessagesComplex = KIV_ICHOL_SOLVE_MESSAGES(
    "\n    Check that A, IROW, ICOL, IPIV and ISTR have not been\n"
    "    corrupted between calls to F11JNF and F11JPF.");
#undef KIV_ICHOL_SOLVE_MESSAGES
enum {
  kCheckMsg, kSolveNMsg, kIstrInvalid, kFactorRowMsg, kFactorColMsg, kIstrRowMsg = 7,
  kIpivRangeMsg, kIpivRepeatMsg
};

template <class T>
const auto& solve_messages() {
  if constexpr (std::is_same_v<T, double>) return kSolveMessagesReal;
  else return kSolveMessagesComplex;
}

template <class T>
int solve(int n, const T* a, int la, const int* irow, const int* icol, int* ipiv, const int* istr,
          const char* check, const T* y, T* x, char* record, int* ifail, int check_len,
          int record_len) {
  const auto& msg = solve_messages<T>();
  Reporter rep(Names<T>::solve, record, record_len);
  auto fail = [&](int ierr, int label, auto... values) {
    rep.fail(ierr, msg[label], values...);
    return rep.finish(ifail);
  };
  const char ck = option_letter(check, check_len);
  if (ck != 'C' && ck != 'N') return fail(1, kCheckMsg, Letter(check, check_len).text);
  if (ck == 'C') {
    if (n < 1) return fail(2, kSolveNMsg, n);
    const long long first = istr[0], count = static_cast<long long>(istr[n]) - first;
    if (count < 1 || static_cast<double>(count) > 0.5 * n * (n + 1.0) || first < 1 ||
        first - 1 + count > la)
      return fail(3, kIstrInvalid);
    const int off = istr[0] - 1;
    const auto c = sparse::check_sorted_storage(n, static_cast<int>(count), irow + off,
                                                icol + off, true);
    if (c.code != 0) {
      const int at = off + c.i;
      if (c.code == 4) return fail(3, kFactorRowMsg, at, irow[at - 1], n);
      if (c.code == 5) return fail(3, kFactorColMsg, at, icol[at - 1], irow[at - 1]);
      return fail(3, kFactorRowMsg + c.code - 4, at);
    }
    for (int k = off; k < istr[n] - 1; ++k) {
      const int r = irow[k];
      if ((k == off || r > irow[k - 1]) && istr[r - 1] != k + 1) return fail(3, kIstrRowMsg, r);
    }
    for (int i = 0; i < n; ++i)
      if (!in_range(ipiv[i], n)) return fail(3, kIpivRangeMsg, i + 1, ipiv[i], n);
    if (const int i = first_repeat(ipiv, n, x); i != 0) return fail(3, kIpivRepeatMsg, i);
  }
  if (n < 1) return rep.finish(ifail);

  // Whatever was corrupted: the rows lie within the arrays, each ends in
  // its diagonal, every IPIV value and column is kept within 1..N (a
  // column outside reads or writes X(1) and fails the call).
  const int first = istr[0], last = istr[n];
  if (first < 1 || last < first || last - 1 > la) return fail(3, kIstrInvalid);
  for (int i = 0; i < n; ++i)
    if (!(istr[i] < istr[i + 1] && istr[i + 1] <= last)) return fail(3, kIstrInvalid);
  for (int i = 0; i < n; ++i) {
    const int g = ipiv[i];
    if (!in_range(g, n)) return fail(3, kIpivRangeMsg, i + 1, g, n);
    x[i] = y[g - 1];
  }
  bool bad = false;
  auto column = [&](int c) {
    const bool ok = in_range(c, n);
    bad |= !ok;
    return ok ? c - 1 : 0;
  };
  // L z = y, D w = z (the diagonal entries hold 1/D), L^H x = w: the
  // scaling waits until the forward sweep has used every z(j) unscaled,
  // and comes before the backward sweep subtracts from w.
  for (int i = 0; i < n; ++i) {
    T s = x[i];
    for (int k = istr[i] - 1, end = istr[i + 1] - 2; k < end; ++k)
      s -= mul(a[k], x[column(icol[k])]);
    x[i] = s;
  }
  for (int i = 0; i < n; ++i) x[i] = mul(x[i], a[istr[i + 1] - 2]);
  for (int i = n - 1; i >= 0; --i) {
    const T xi = x[i];
    for (int k = istr[i] - 1, end = istr[i + 1] - 2; k < end; ++k)
      x[column(icol[k])] -= mul(conj(a[k]), xi);
  }
  if (bad) {
    for (int k = first - 1; k < last - 1; ++k)
      if (!in_range(icol[k], n)) return fail(3, kFactorColMsg, k + 1, icol[k], irow[k]);
  }
  const sorting::Walk w = sorting::rearrange(ipiv, 1, n, x);
  if (w.ierr == 2) return fail(3, kIpivRangeMsg, w.index, w.value, n);
  if (w.ierr == 3) return fail(3, kIpivRepeatMsg, first_repeat(ipiv, n, x));
  return rep.finish(ifail);
}

template <class T>
int factor_host(const int* n, const int* nnz, T* a, const int* la, int* irow, int* icol,
                const int* lfill, const double* dtol, const char* mic, const double* dshift,
                const char* pstrat, int* ipiv, int* istr, int* nnzfac, int* npvmod, int* iwork,
                const int* liwork, int* ifail) {
  return host_call(
      Names<T>::factor, ifail,
      [&] {
        POISON_INTEGERS(*n + 1, istr);
        POISON_INTEGER(nnzfac);
        POISON_INTEGER(npvmod);
        POISON_INTEGERS(*liwork, iwork);
      },
      [&](char* rec) {
        return factor(*n, *nnz, a, *la, irow, icol, *lfill, *dtol, mic, *dshift, pstrat, ipiv,
                      istr, nnzfac, npvmod, iwork, *liwork, rec, ifail, 1, 1, KIV2_RECORD_LEN);
      });
}

template <class T>
int solve_host(const int* n, const T* a, const int* la, const int* irow, const int* icol,
               int* ipiv, const int* istr, const char* check, const T* y, T* x, int* ifail) {
  return host_call(
      Names<T>::solve, ifail, [&] { poison(*n, x); },
      [&](char* rec) {
        return solve(*n, a, *la, irow, icol, ipiv, istr, check, y, x, rec, ifail, 1,
                     KIV2_RECORD_LEN);
      });
}

}  // namespace
}  // namespace kiv::precon

extern "C" {

int KIV_CALL F11JAZ(int n, int nnz, double* a, int la, int* irow, int* icol, int lfill,
                    double dtol, double omega, double dshift, double pivtol, int pstrat,
                    int* ipiv, int* istr, int* nnzfac, int* npvmod, int* level, int lv,
                    int* tcol, int* count, int* rowhead, int* colhead, int* nbr, int* heap,
                    int* heappos, int* spare) {
  return kiv::precon::eliminate(n, nnz, a, la, irow, icol, lfill, dtol, omega, dshift, pivtol,
                                pstrat, ipiv, istr, nnzfac, npvmod, level, lv, tcol, count,
                                rowhead, colhead, nbr, heap, heappos, spare);
}

int KIV_CALL F11JNZ(int n, int nnz, kiv2_complex* a, int la, int* irow, int* icol, int lfill,
                    double dtol, double omega, double dshift, double pivtol, int pstrat,
                    int* ipiv, int* istr, int* nnzfac, int* npvmod, int* level, int lv,
                    int* tcol, int* count, int* rowhead, int* colhead, int* nbr, int* heap,
                    int* heappos, int* spare) {
  return kiv::precon::eliminate(n, nnz, a, la, irow, icol, lfill, dtol, omega, dshift,
                                pivtol, pstrat, ipiv, istr, nnzfac, npvmod, level, lv, tcol,
                                count, rowhead, colhead, nbr, heap, heappos, spare);
}

int KIV_CALL F11JAF(int n, int nnz, double* a, int la, int* irow, int* icol, int lfill,
                    double dtol, const char* mic, double dshift, const char* pstrat, int* ipiv,
                    int* istr, int* nnzfac, int* npvmod, int* iwork, int liwork, char* record,
                    int* ifail, int mic_len, int pstrat_len, int record_len) {
  return kiv::precon::factor(n, nnz, a, la, irow, icol, lfill, dtol, mic, dshift, pstrat, ipiv,
                             istr, nnzfac, npvmod, iwork, liwork, record, ifail, mic_len,
                             pstrat_len, record_len);
}

int KIV_CALL F11JNF(int n, int nnz, kiv2_complex* a, int la, int* irow, int* icol, int lfill,
                    double dtol, const char* mic, double dshift, const char* pstrat, int* ipiv,
                    int* istr, int* nnzfac, int* npvmod, int* iwork, int liwork, char* record,
                    int* ifail, int mic_len, int pstrat_len, int record_len) {
  return kiv::precon::factor(n, nnz, a, la, irow, icol, lfill, dtol, mic, dshift, pstrat,
                             ipiv, istr, nnzfac, npvmod, iwork, liwork, record, ifail, mic_len,
                             pstrat_len, record_len);
}

int KIV_CALL F11JBF(int n, const double* a, int la, const int* irow, const int* icol, int* ipiv,
                    const int* istr, const char* check, const double* y, double* x,
                    char* record, int* ifail, int check_len, int record_len) {
  return kiv::precon::solve(n, a, la, irow, icol, ipiv, istr, check, y, x, record, ifail,
                            check_len, record_len);
}

int KIV_CALL F11JPF(int n, const kiv2_complex* a, int la, const int* irow, const int* icol,
                    int* ipiv, const int* istr, const char* check, const kiv2_complex* y,
                    kiv2_complex* x, char* record, int* ifail, int check_len, int record_len) {
  return kiv::precon::solve(n, a, la, irow, icol, ipiv, istr, check, y, x, record,
                            ifail, check_len, record_len);
}

int KIV_CALL F11JAF_HOST(const int* n, const int* nnz, double* a, const int* la, int* irow,
                         int* icol, const int* lfill, const double* dtol, const char* mic,
                         const double* dshift, const char* pstrat, int* ipiv, int* istr,
                         int* nnzfac, int* npvmod, int* iwork, const int* liwork, int* ifail,
                         int, int) {
  return kiv::precon::factor_host(n, nnz, a, la, irow, icol, lfill, dtol, mic, dshift, pstrat,
                                  ipiv, istr, nnzfac, npvmod, iwork, liwork, ifail);
}

int KIV_CALL F11JNF_HOST(const int* n, const int* nnz, kiv2_complex* a, const int* la,
                         int* irow, int* icol, const int* lfill, const double* dtol,
                         const char* mic, const double* dshift, const char* pstrat, int* ipiv,
                         int* istr, int* nnzfac, int* npvmod, int* iwork, const int* liwork,
                         int* ifail, int, int) {
  return kiv::precon::factor_host(n, nnz, a, la, irow, icol, lfill, dtol, mic, dshift,
                                  pstrat, ipiv, istr, nnzfac, npvmod, iwork, liwork, ifail);
}

int KIV_CALL F11JBF_HOST(const int* n, const double* a, const int* la, const int* irow,
                         const int* icol, int* ipiv, const int* istr, const char* check,
                         const double* y, double* x, int* ifail, int) {
  return kiv::precon::solve_host(n, a, la, irow, icol, ipiv, istr, check, y, x, ifail);
}

int KIV_CALL F11JPF_HOST(const int* n, const kiv2_complex* a, const int* la, const int* irow,
                         const int* icol, int* ipiv, const int* istr, const char* check,
                         const kiv2_complex* y, kiv2_complex* x, int* ifail, int) {
  return kiv::precon::solve_host(n, a, la, irow, icol, ipiv, istr, check, y, x,
                                 ifail);
}

}  // extern "C"
