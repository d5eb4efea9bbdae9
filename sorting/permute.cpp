// M01EAF, M01EBF, M01EDF: rearrange a section into rank order (one template
// over the element type); M01ZAF: invert a permutation in place; M01ZBF:
// check one.  All walk the cycles of the permutation, marking what is left
// to visit with the sign bit and restoring every sign before they return.
#include "frame/wrappers.hpp"
#include "sorting/sorting.hpp"

namespace {

using kiv::sorting::kM1Large;
using kiv::sorting::kM1Small;
using kiv::sorting::kM2Small;
using kiv::sorting::Walk;

constexpr kiv::Messages kRankMessages{
    kM2Small, kM1Small, kM1Large,
    " ** IRANK(M1:M2) does not contain a permutation of the integers M1 to M2.\n"
    "    IRANK(I) contains an out-of-range value:\n    I =%16ld, IRANK(I) =%16ld.",
    " ** IRANK(M1:M2) does not contain a permutation of the integers M1 to M2.\n"
    "    IRANK contains a repeated value:%16ld.",
};

constexpr kiv::Messages kPermMessages{
    kM2Small, kM1Small, kM1Large,
    " ** IPERM(M1:M2) does not contain a permutation of the integers M1 to M2.\n"
    "    IPERM(I) contains an out-of-range value:\n    I =%16ld, IPERM(I) =%16ld.",
    " ** IPERM(M1:M2) does not contain a permutation of the integers M1 to M2.\n"
    "    IPERM contains a repeated value:%16ld.",
};

// Runs WALK on a valid section and reports its outcome with MESSAGES.
template <class Messages, class F>
int permutation_routine(const char* name, const Messages& messages, int m1, int m2,
                        char* record, int* ifail, int record_len, F&& walk) {
  kiv::Reporter rep(name, record, record_len);
  if (kiv::sorting::section_ok(rep, messages, m1, m2) && m1 < m2) {
    const Walk w = walk();
    if (w.ierr == 2) rep.fail(2, messages[3], w.index, w.value);
    if (w.ierr == 3) rep.fail(3, messages[4], w.value);
  }
  return rep.finish(ifail);
}

template <class T>
int rearrange_routine(const char* name, T* v, int m1, int m2, int* irank, char* record,
                      int* ifail, int record_len) {
  return permutation_routine(name, kRankMessages, m1, m2, record, ifail, record_len,
                             [&] { return kiv::sorting::rearrange(irank, m1, m2, v); });
}

// Reverses every cycle of P(M1..M2) whose entries are marked negative, as
// it walks it: i -> k1 -> ... -> i becomes i <- k1 <- ... <- i.  A walk
// from I that ends on an entry already positive meets a repeated value K;
// then the walk stops with the chain from I reversed up to PREV.
struct Reversal {
  int ierr = 0, i = 0, prev = 0, k = 0;
};
Reversal reverse_cycles(int* p, int m1, int m2) {
  for (int i0 = m1 - 1; i0 < m2; ++i0) {
    const int i = i0 + 1;
    if (p[i0] >= 0) continue;
    int prev = i, k = -p[i0];
    p[i0] = k;
    while (p[k - 1] < 0) {
      const int after = -p[k - 1];
      p[k - 1] = prev;
      prev = k;
      k = after;
    }
    if (k != i) return {3, i, prev, k};
    p[i0] = prev;
  }
  return {};
}

// Inverts the permutation in place.  A repeated value is found only part
// way through, after some cycles have been inverted: then the chain walked
// last is put back (marked, as unvisited entries are), and the completed
// cycles, now the only unmarked non-fixed entries, are inverted once more,
// so that IPERM comes back as it went in.
Walk invert(int* p, int m1, int m2) {
  if (const Walk w = kiv::sorting::mark_permutation(p, m1, m2); w.ierr != 0) return w;
  const Reversal r = reverse_cycles(p, m1, m2);
  if (r.ierr == 0) return {};
  int next = r.k;
  for (int x = r.prev; x != r.i;) {
    const int before = p[x - 1];
    p[x - 1] = -next;
    next = x;
    x = before;
  }
  p[r.i - 1] = -next;
  for (int j = m1 - 1; j < m2; ++j) p[j] = -p[j];
  reverse_cycles(p, m1, m2);
  return {3, 0, r.k};
}

}  // namespace

extern "C" {

int KIV_CALL M01EAF(double* rv, int m1, int m2, int* irank, char* record, int* ifail,
                    int record_len) {
  return rearrange_routine("M01EAF", rv, m1, m2, irank, record, ifail, record_len);
}

int KIV_CALL M01EBF(int* iv, int m1, int m2, int* irank, char* record, int* ifail,
                    int record_len) {
  return rearrange_routine("M01EBF", iv, m1, m2, irank, record, ifail, record_len);
}

int KIV_CALL M01EDF(kiv2_complex* cv, int m1, int m2, int* irank, char* record, int* ifail,
                    int record_len) {
  return rearrange_routine("M01EDF", cv, m1, m2, irank, record, ifail, record_len);
}

int KIV_CALL M01ZAF(int* iperm, int m1, int m2, char* record, int* ifail, int record_len) {
  return permutation_routine("M01ZAF", kPermMessages, m1, m2, record, ifail, record_len,
                             [&] { return invert(iperm, m1, m2); });
}

int KIV_CALL M01ZBF(int* iperm, int m1, int m2, char* record, int* ifail, int record_len) {
  // A rearrangement of no arrays: the walk alone, which borrows the sign
  // bits and gives them all back.
  return permutation_routine("M01ZBF", kPermMessages, m1, m2, record, ifail, record_len,
                             [&] { return kiv::sorting::rearrange(iperm, m1, m2); });
}

int KIV_CALL M01EAF_HOST(double* rv, const int* m1, const int* m2, int* irank, int* ifail) {
  return kiv::host_call("M01EAF", ifail, kiv::no_poison, [&](char* rec) {
    return M01EAF(rv, *m1, *m2, irank, rec, ifail, KIV2_RECORD_LEN);
  });
}

int KIV_CALL M01EDF_HOST(kiv2_complex* cv, const int* m1, const int* m2, int* irank,
                         int* ifail) {
  return kiv::host_call("M01EDF", ifail, kiv::no_poison, [&](char* rec) {
    return M01EDF(cv, *m1, *m2, irank, rec, ifail, KIV2_RECORD_LEN);
  });
}

int KIV_CALL M01ZAF_HOST(int* iperm, const int* m1, const int* m2, int* ifail) {
  return kiv::host_call("M01ZAF", ifail, kiv::no_poison, [&](char* rec) {
    return M01ZAF(iperm, *m1, *m2, rec, ifail, KIV2_RECORD_LEN);
  });
}

}  // extern "C"
