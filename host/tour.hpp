// kivhost's tour: each stop lives in its own host/tour_*.cpp and registers
// itself; kivhost runs the stops in order.  Stops reach the library only
// through kivhost::resolve(), by export name.
#pragma once

#include <cstdio>

#include "kiv2.h"

namespace kivhost {

// The entry of an exact export name; ends kivhost when there is none.
void* resolve_entry(const char* export_name);
// The same, or null when there is none.
void* entry(const char* export_name);

template <class F>
F resolve(const char* export_name) {
  return reinterpret_cast<F>(resolve_entry(export_name));
}

// Prints a stop's heading.
void section(const char* title);

struct Stop {
  int order;
  const char* name;
  void (*run)();
};

// Registers a stop at static-initialisation time.
int add_stop(Stop stop);

}  // namespace kivhost

#define KIVHOST_CONCAT2(a, b) a##b
#define KIVHOST_CONCAT(a, b) KIVHOST_CONCAT2(a, b)
#define KIVHOST_STOP(order, name, fn) \
  static const int KIVHOST_CONCAT(kivhost_stop_, __LINE__) = kivhost::add_stop({order, name, fn})
