// M01DAF: stable ranking of a section of reals, with no storage beyond the
// rank vector: a list merge sort whose links live in IRANK.
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
  int merge(int a, int b) const {
    int head = kEnd;
    int* tail = &head;
    while (a != kEnd && b != kEnd) {
      if (v_[b] < v_[a]) {
        *tail = b;
        tail = &next_[b];
        b = next_[b];
      } else {
        *tail = a;
        tail = &next_[a];
        a = next_[a];
      }
    }
    *tail = a != kEnd ? a : b;
    return head;
  }

  // Sorts elements 0..n-1 into one ascending list; returns its head.
  int sort(int n) const {
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
    int list = kEnd;
    for (int k = 0; k < used; ++k)
      if (slot[k] != kEnd) list = list == kEnd ? slot[k] : merge(slot[k], list);
    return list;
  }

  // Reverses the order of the groups of equal values, each group keeping
  // its inner order.
  int reverse_groups(int p) const {
    int reversed = kEnd;
    while (p != kEnd) {
      int last = p;
      while (next_[last] != kEnd && v_[next_[last]] == v_[p]) last = next_[last];
      const int after = next_[last];
      next_[last] = reversed;
      reversed = p;
      p = after;
    }
    return reversed;
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
    int* next = irank + (m1 - 1);
    const Lists lists(rv + (m1 - 1), next);
    int p = lists.sort(m2 - m1 + 1);
    if (o == 'D') p = lists.reverse_groups(p);
    // Overwrite the links with ranks, reading each link before it goes.
    for (int rank = m1; p != kEnd; ++rank) {
      const int after = next[p];
      next[p] = rank;
      p = after;
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
