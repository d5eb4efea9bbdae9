#include "tarlec.h"

#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>

static tarlec_sink g_sink;
static void* g_context;

void tarlec_set_sink(tarlec_sink sink, void* context) {
  g_sink = sink;
  g_context = context;
}

int OldTarlePrintf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  int n;
  if (g_sink == NULL) {
    n = vprintf(format, args);
  } else {
    char small[512];
    va_list again;
    va_copy(again, args);
    n = vsnprintf(small, sizeof small, format, args);
    if (n >= 0 && (size_t)n < sizeof small) {
      g_sink(small, g_context);
    } else if (n >= 0) {
      char* big = malloc((size_t)n + 1);
      if (big != NULL) {
        vsnprintf(big, (size_t)n + 1, format, again);
        g_sink(big, g_context);
        free(big);
      }
    }
    va_end(again);
  }
  va_end(args);
  return n;
}
