// The host-wrapper protocol, written once.  Every host wrapper is a short
// declaration on top of host_call():
//
//   extern "C" int KIV_CALL M01DAF_HOST(const double* rv, const int* m1,
//                                       const int* m2, const char* order,
//                                       int* irank, int* ifail, int) {
//     return kiv::host_call("M01DAF", ifail,
//         [&] { POISON_INTEGERS(*m2, irank); },
//         [&](char* rec) { return M01DAF(rv, *m1, *m2, order, irank, rec, ifail, 1, 200); });
//   }
//
// POISON fills the outputs; CALL reads the input scalars through their
// addresses (after the poisoning, as the protocol orders) and runs the body
// with the cleared message record.
#pragma once

#include <type_traits>

#include "kiv2.h"

namespace kiv {

// No outputs to poison.
inline constexpr auto no_poison = [] {};

// The IERR that a record without a number yields: the integer poison, which
// no routine returns as IFAIL, so a mismatch is always reported.
inline constexpr int kNoIerr = static_cast<int>(0x80808080u);

namespace detail {
// Parses the record ("%6s %5ld"); returns IERR, or kNoIerr.
long parse_record(const char* record, char (&srname)[7]);
// Writes the mismatch report; returns putchar's result.
int report_mismatch(const char* routine, int ifail, long ierr, const char* srname);
}  // namespace detail

template <class Poison, class Call>
auto host_call(const char* routine, const int* ifail, Poison&& poison, Call&& call) {
  char srname[7] = {};
  char record[KIV2_RECORD_LEN + 1] = {};
  poison();
  const auto result = call(record);
  if (*ifail == 0) return result;
  const long ierr = detail::parse_record(record, srname);
  if (ierr == *ifail) {
    if constexpr (std::is_integral_v<decltype(result)>) return static_cast<decltype(result)>(ierr);
    else return result;
  }
  const int r = detail::report_mismatch(routine, *ifail, ierr, srname);
  if constexpr (std::is_integral_v<decltype(result)>) return static_cast<decltype(result)>(r);
  else return result;
}

}  // namespace kiv
