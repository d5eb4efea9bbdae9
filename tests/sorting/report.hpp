// What a routine body reports: its IFAIL, its message lines (as the host
// receives them under IFAIL = -13, one line per print) and its record.
#pragma once

#include <algorithm>
#include <string>

#include "frame/errors.hpp"
#include "support/capture.hpp"

namespace kivtest {

struct Report {
  int ifail = 0;
  std::string lines;   // each message line followed by '\n'
  std::string record;  // the message record
};

// Runs BODY(record, &ifail) with IFAIL = -13 on entry.
template <class F>
Report report(F&& body) {
  Report r;
  char record[kiv::kRecordLen + 1] = {};
  int ifail = -13;
  capture_stdout([&] { r.lines = capture_host([&] { body(record, &ifail); }); });
  std::replace(r.lines.begin(), r.lines.end(), '|', '\n');
  r.ifail = ifail;
  r.record = record;
  return r;
}

}  // namespace kivtest
