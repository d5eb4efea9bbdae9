// Host callbacks, written once.  A routine that evaluates a function the
// host supplied (the direct zero finder, the integrators) takes the
// function's address, the address of an adapter and two user words.  The
// adapter receives the scalars by value, keeps its own copy of each scalar
// argument and calls the host function with their addresses and the user
// words, untouched, under KIV_CALL (stdcall on 32-bit x86: the callee pops
// its arguments).
//
// Inside a body the four are bundled once:
//
//   kiv::Callback1 f{fn, adapter, user1, user2};
//   const double fx = f(x);
//
// A value that is not finite is the body's to report (each routine has an
// IFAIL for it); a NULL adapter selects the library's own.
#pragma once

#include "kiv2.h"

namespace kiv {

// f(x): a host function of one variable.
class Callback1 {
 public:
  Callback1(kiv2_fun1 fn, kiv2_adapter1 adapter, void* user1, void* user2)
      : fn_(fn), adapter_(adapter ? adapter : &CALLBACK_X), user1_(user1), user2_(user2) {}

  double operator()(double x) const { return adapter_(fn_, x, user1_, user2_); }

 private:
  kiv2_fun1 fn_;
  kiv2_adapter1 adapter_;
  void* user1_;
  void* user2_;
};

// f(NDIM, x(1..NDIM)): a host function of a point.
class CallbackN {
 public:
  CallbackN(kiv2_funn fn, kiv2_adaptern adapter, int ndim, void* user1, void* user2)
      : fn_(fn), adapter_(adapter ? adapter : &CALLBACK_NDIM_X), ndim_(ndim), user1_(user1),
        user2_(user2) {}

  double operator()(const double* x) const { return adapter_(fn_, ndim_, x, user1_, user2_); }

 private:
  kiv2_funn fn_;
  kiv2_adaptern adapter_;
  int ndim_;
  void* user1_;
  void* user2_;
};

}  // namespace kiv
