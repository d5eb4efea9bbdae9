// The check of one failing call, shared by the failure rows of every
// routine of the folder.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "support/capture.hpp"

namespace fftest {

// CALL(&ifail) runs with IFAIL = -13 (the message lines only): IFAIL and the
// result must be IERR, the host must have seen LINES (each line followed by
// '|'), and RECORD must name NAME, IERR and LABEL.
inline void expect_failure(const std::function<int(int*)>& call, const std::string& name,
                           int ierr, int label, const std::string& lines, const char* record) {
  int ifail = -13, result = 0;
  const std::string host = kivtest::capture_host([&] { result = call(&ifail); });
  EXPECT_EQ(ifail, ierr);
  EXPECT_EQ(result, ierr);
  EXPECT_EQ(host, lines);
  char got[8] = {};
  long number = 0, got_label = 0;
  ASSERT_EQ(std::sscanf(record, "%7s %ld %ld", got, &number, &got_label), 3);
  EXPECT_EQ(got, name);
  EXPECT_EQ(number, ierr);
  EXPECT_EQ(got_label, label);
}

}  // namespace fftest
