// Internal interface of the sorting subsystem: the checks every routine
// opens with, option letters, and the rank-rearrangement kernel that the
// sparse storage routines run on several arrays at once.
#pragma once

#include <cstddef>
#include <tuple>
#include <utility>

#include "frame/errors.hpp"
#include "kiv2.h"

namespace kiv::sorting {

// The three section messages every routine declares first (labels 99999 to
// 99997), in this order.
inline constexpr const char* kM2Small = " ** On entry, M2 .lt. 1: M2 =%16ld.";
inline constexpr const char* kM1Small = " ** On entry, M1 .lt. 1: M1 =%16ld.";
inline constexpr const char* kM1Large = " ** On entry, M1 .gt. M2:\n    M1 =%16ld, M2 =%16ld.";

// Checks the section M1..M2 against the first three of MESSAGES; false
// after reporting a failure (IERR 1).
template <std::size_t N>
bool section_ok(Reporter& rep, const Messages<N>& messages, int m1, int m2) {
  if (m2 < 1) rep.fail(1, messages[0], m2);
  else if (m1 < 1) rep.fail(1, messages[1], m1);
  else if (m1 > m2) rep.fail(1, messages[2], m1, m2);
  else return true;
  return false;
}

// The first letter of a character option, upper case; 0 when the option is
// empty.  Exact letters only: a code 32 away from a letter is no letter.
inline char option_letter(const char* s, int len) {
  if (s == nullptr || len < 1) return 0;
  const char c = *s;
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The first letter of an option as a one-letter text, for messages.
struct Letter {
  char text[2];
  Letter(const char* s, int len) : text{s != nullptr && len > 0 ? *s : '\0', '\0'} {}
};

// The messages of the routines with an ORDER argument (M01CAF, M01DAF).
inline constexpr Messages kOrderedMessages{
    kM2Small, kM1Small, kM1Large,
    " ** On entry, ORDER has an illegal value: ORDER = '%1s'.",
};

// The opening checks of those routines: the section, then ORDER (IERR 2).
// Returns 'A' or 'D', or 0 after reporting a failure.
inline char ordered_section(Reporter& rep, int m1, int m2, const char* order, int order_len) {
  if (!section_ok(rep, kOrderedMessages, m1, m2)) return 0;
  const char o = option_letter(order, order_len);
  if (o == 'A' || o == 'D') return o;
  rep.fail(2, kOrderedMessages[3], Letter(order, order_len).text);
  return 0;
}

// Outcome of a permutation walk: IERR 0, 2 (INDEX holds an out-of-range
// value) or 3 (VALUE is repeated).
struct Walk {
  int ierr = 0;
  int index = 0;
  int value = 0;
};

// Marks the entries of P(M1..M2) that are not fixed points by negating
// them; stops at the first entry outside [M1, M2] (IERR 2) after restoring
// the signs it set.  P is 1-based: P[i - 1] is P(i).  The loops here run
// over 0-based positions below M2, so that M2 = INT_MAX cannot step past
// the largest int.
inline Walk mark_permutation(int* p, int m1, int m2) {
  for (int j = m1 - 1; j < m2; ++j) {
    const int v = p[j];
    if (v < m1 || v > m2) {
      for (int k = m1 - 1; k < j; ++k) p[k] = p[k] < 0 ? -p[k] : p[k];
      return {2, j + 1, v};
    }
    if (v != j + 1) p[j] = -v;
  }
  return {};
}

// Makes every entry of P after position I, up to M2, positive again.
inline void restore_signs_after(int* p, int i, int m2) {
  for (int j = i; j < m2; ++j)
    if (p[j] < 0) p[j] = -p[j];
}

// Moves element i of each array V (1-based, section M1..M2) to position
// IRANK(i).  One temporary per array; the sign bits of IRANK mark what is
// left to move and are restored on every exit.  After IERR 2 the arrays are
// untouched; after IERR 3 each section holds its original elements in some
// order (none lost).
template <class... T>
Walk rearrange(int* irank, int m1, int m2, T*... v) {
  if (const Walk w = mark_permutation(irank, m1, m2); w.ierr != 0) return w;
  for (int i0 = m1 - 1; i0 < m2; ++i0) {
    const int i = i0 + 1;
    if (irank[i - 1] >= 0) continue;
    int k = -irank[i - 1];
    irank[i - 1] = k;
    std::tuple<T...> carry{v[i - 1]...};
    for (;;) {
      // Put the carried element at k and pick up the one it displaces.
      [&]<std::size_t... I>(std::index_sequence<I...>) {
        (std::swap(std::get<I>(carry), v[k - 1]), ...);
      }(std::index_sequence_for<T...>{});
      if (irank[k - 1] >= 0) break;
      irank[k - 1] = -irank[k - 1];
      k = irank[k - 1];
    }
    if (k != i) {
      // A repeated rank: the cycle closed elsewhere.  Park the element in
      // hand in the slot it came from so that nothing is lost.
      [&]<std::size_t... I>(std::index_sequence<I...>) {
        ((v[i - 1] = std::get<I>(carry)), ...);
      }(std::index_sequence_for<T...>{});
      restore_signs_after(irank, i, m2);
      return {3, 0, k};
    }
  }
  return {};
}

// Moves element i of each array V (1-based, positions 1..N) to position
// P(i), for a P known to be a permutation of 1..N; P comes back unchanged.
// The cycles are cut at up to kWalkers start points and the pieces walked
// in lockstep, so that the random accesses of the walkers overlap instead
// of waiting for each other.
template <class... T>
void permute(int* p, int n, T*... v) {
  constexpr int kWalkers = 16;
  for (int i = 0; i < n; ++i)
    if (p[i] != i + 1) p[i] = -p[i];
  struct Walker {
    int to;  // 0-based destination of the element in hand
    std::tuple<T...> carry;
  };
  Walker w[kWalkers];
  int active = 0, scan = 0;
  // Picks up the element at the next position still marked; its entry
  // becomes positive, which is where the walker ending there stops.
  auto start = [&](Walker& x) {
    while (scan < n && p[scan] >= 0) ++scan;
    if (scan == n) return false;
    p[scan] = -p[scan];
    x.to = p[scan] - 1;
    x.carry = std::tuple<T...>{v[scan]...};
    ++scan;
    return true;
  };
  while (active < kWalkers && start(w[active])) ++active;
  while (active > 0) {
    for (int k = 0; k < active;) {
      Walker& x = w[k];
      const int at = x.to, next = p[at];
      if (next < 0) {
        p[at] = -next;
        x.to = -next - 1;
        [&]<std::size_t... I>(std::index_sequence<I...>) {
          (std::swap(std::get<I>(x.carry), v[at]), ...);
        }(std::index_sequence_for<T...>{});
        __builtin_prefetch(&p[x.to]);
        (__builtin_prefetch(&v[x.to]), ...);
        ++k;
      } else {
        // A start point: its element is already in another hand.
        [&]<std::size_t... I>(std::index_sequence<I...>) {
          ((v[at] = std::get<I>(x.carry)), ...);
        }(std::index_sequence_for<T...>{});
        if (!start(x)) x = w[--active];
        else ++k;
      }
    }
  }
}

}  // namespace kiv::sorting
