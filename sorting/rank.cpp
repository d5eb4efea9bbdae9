// M01DAF: stable ranking of a section of reals, with no storage beyond the
// rank vector: a list merge sort whose links live in IRANK.
#include <utility>

#include "frame/wrappers.hpp"
#include "sorting/sorting.hpp"

namespace {

constexpr int kEnd = -1;      // end of a list
constexpr int kInsertSpan = 10;  // a run accepts inner insertions this long

// Lists over the section: element i (0-based) has value v[i] and successor
// next[i].
class Lists {
 public:
  Lists(const double* v, int* next) : v_(v), next_(next) {}

  // Merges list A (earlier elements) with list B (later ones): an element
  // of B goes first only when strictly smaller, so ties keep input order.
  // The value and the successor of each head are loaded together as soon
  // as it becomes the head, so that a step waits for one memory access,
  // not for two in a row.  With RANK the merged list is not linked: each
  // element's link is overwritten with its rank, FIRST and upwards, as it
  // is taken (its successor is already in hand).  Ranks count in unsigned
  // arithmetic: the count passes M2 once after the last one is stored, and
  // M2 may be the largest int.
  template <bool Rank = false>
  int merge(int a, int b, unsigned first = 0) const {
    int head = kEnd;
    int* tail = &head;
    auto take = [&](int x) {
      if constexpr (Rank) next_[x] = static_cast<int>(first++);
      else *tail = x, tail = &next_[x];
    };
    double va = v_[a], vb = v_[b];
    int na = next_[a], nb = next_[b];
    for (;;) {
      if (vb < va) {
        take(b);
        if ((b = nb) == kEnd) break;
        vb = v_[b];
        nb = next_[b];
      } else {
        take(a);
        if ((a = na) == kEnd) break;
        va = v_[a];
        na = next_[a];
      }
    }
    const int rest = a != kEnd ? a : b;
    if constexpr (Rank) rank(rest, first);
    else *tail = rest;
    return head;
  }

  // The two lists whose merge is the ascending order of elements 0..n-1
  // (the second kEnd when one list holds them all).
  std::pair<int, int> sort(int n) const {
    // Runs are merged as they close, like a binary counter: slot k holds a
    // list of 2^k runs.  Adjacent lists merge earlier-first, which yields
    // the same list as merging in passes, while the short merges run on
    // data still in cache.
    int slot[33];
    int used = 0;
    auto close = [&](int run) {
      int k = 0;
      for (; k < used && slot[k] != kEnd; ++k) {
        run = merge(slot[k], run);
        slot[k] = kEnd;
      }
      if (k == used) ++used;
      slot[k] = run;
    };

    int head = 0, tail = 0, first = 0;
    next_[0] = kEnd;
    for (int i = 1; i < n; ++i) {
      const double x = v_[i];
      if (x >= v_[tail]) {
        next_[tail] = i;
        next_[i] = kEnd;
        tail = i;
      } else if (x < v_[head]) {
        next_[i] = head;
        head = i;
      } else if (i < first + kInsertSpan) {
        int p = head;
        while (next_[p] != kEnd && v_[next_[p]] <= x) p = next_[p];
        next_[i] = next_[p];
        next_[p] = i;
        if (next_[i] == kEnd) tail = i;  // only when x is a NaN
      } else {
        close(head);
        head = tail = first = i;
        next_[i] = kEnd;
      }
    }
    close(head);
    // Every slot but the highest merges into one list, the highest last.
    int top = used - 1, rest = kEnd;
    for (int k = 0; k < top; ++k)
      if (slot[k] != kEnd) rest = rest == kEnd ? slot[k] : merge(slot[k], rest);
    return {slot[top], rest};
  }

  // Overwrites the links of list P with ranks FIRST, FIRST+1, ...
  void rank(int p, unsigned first) const {
    while (p != kEnd) {
      const int after = next_[p];
      next_[p] = static_cast<int>(first++);
      p = after;
    }
  }

  // Ranks the N elements of the ascending list P for descending order: the
  // groups of equal values in reverse order, each keeping its inner order.
  void rank_descending(int p, int n, unsigned first) const {
    for (int before = 0; p != kEnd;) {
      int size = 1;
      for (int q = next_[p]; q != kEnd && v_[q] == v_[p]; q = next_[q]) ++size;
      before += size;
      for (unsigned r = first + (n - before); size > 0; --size, ++r) {
        const int after = next_[p];
        next_[p] = static_cast<int>(r);
        p = after;
      }
    }
  }

 private:
  const double* v_;
  int* next_;
};

}  // namespace

extern "C" {

int KIV_CALL M01DAF(const double* rv, int m1, int m2, const char* order, int* irank,
                    char* record, int* ifail, int order_len, int record_len) {
  kiv::Reporter rep("M01DAF", record, record_len);
  if (const char o = kiv::sorting::ordered_section(rep, m1, m2, order, order_len); o != 0) {
    const int n = m2 - m1 + 1;
    const Lists lists(rv + (m1 - 1), irank + (m1 - 1));
    const auto [left, right] = lists.sort(n);
    if (o == 'A') {
      if (right == kEnd) lists.rank(left, m1);
      else lists.merge<true>(left, right, m1);
    } else {
      lists.rank_descending(right == kEnd ? left : lists.merge(left, right), n, m1);
    }
  }
  return rep.finish(ifail);
}

int KIV_CALL M01DAF_HOST(const double* rv, const int* m1, const int* m2, const char* order,
                         int* irank, int* ifail, int) {
  return kiv::host_call(
      "M01DAF", ifail, [&] { POISON_INTEGERS(*m2, irank); },
      [&](char* rec) {
        return M01DAF(rv, *m1, *m2, order, irank, rec, ifail, 1, KIV2_RECORD_LEN);
      });
}

}  // extern "C"
