// The callback adapters: the only places where the library calls host code.
#include "frame/callback.hpp"

extern "C" {

double KIV_CALL CALLBACK_X(kiv2_fun1 fn, double x, void* user1, void* user2) {
  // The host sees the address of this frame's own copy of x, never the
  // caller's iterate.
  return fn(&x, user1, user2);
}

double KIV_CALL CALLBACK_NDIM_X(kiv2_funn fn, int ndim, const double* x, void* user1,
                                void* user2) {
  return fn(&ndim, x, user1, user2);
}

}  // extern "C"
