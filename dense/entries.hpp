// The two entries of a matrix-level routine with the entry selector: the
// library-name entry passes 0, the standard-name entry 1, and both pass
// their arguments on unchanged.
//
//   KIV_ENTRIES(F08PEF_DHSEQR, F08PEF, DHSEQR, (const char* job, ..., int compz_len),
//               (job, ..., compz_len))
#pragma once

#define KIV_UNPAREN(...) __VA_ARGS__
#define KIV_ENTRIES(ROUTINE, LIB, STD, PARAMS, ARGS)                 \
  void KIV_CALL LIB PARAMS { ROUTINE(0, KIV_UNPAREN ARGS); }         \
  void KIV_CALL STD PARAMS { ROUTINE(1, KIV_UNPAREN ARGS); }
