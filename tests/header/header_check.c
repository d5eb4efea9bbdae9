/* include/kiv2.h compiled alone, as strict C99 and as C++ (the build makes
 * both); a declaration that only one language accepts fails the build.
 * Taking a few addresses makes the declarations' types be checked. */
#include "kiv2.h"

typedef int(KIV_CALL *kiv2_check_fft)(double *, const int *, double *, int *);

int kiv2_header_check(void) {
  kiv2_check_fft f = C06FAF_HOST;
  void *(*entry)(const char *) = kiv2_entry;
  return f != 0 && entry != 0;
}
