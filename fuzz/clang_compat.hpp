// Force-included in the fuzz build (clang): GCC's vector shuffle with a
// run-time mask, which clang lacks, written element by element.
#pragma once

#if defined(__clang__) && defined(__cplusplus)
template <class V, class M>
inline V __builtin_shuffle(V a, M mask) {
  V r = a;
  for (int i = 0; i < static_cast<int>(sizeof(V) / sizeof(a[0])); ++i)
    r[i] = a[mask[i] & (static_cast<int>(sizeof(V) / sizeof(a[0])) - 1)];
  return r;
}
#endif
