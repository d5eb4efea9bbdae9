// The IFAIL convention, the message lines and record, the output path.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "frame/errors.hpp"
#include "support/capture.hpp"

namespace {

using kivtest::capture_host;
using kivtest::capture_stdout;
using kivtest::run_in_child;

constexpr kiv::Messages kMessages{
    " ** On entry, N .lt. 1: N = %16ld.",
    " ** On entry, TOL .le. 0.0: TOL =%12.4e.\n ** Constraint: TOL .gt. 0.0.",
};

// A body of the usual shape: error 3 with the two-line message.
int failing_body(int* ifail, char* record) {
  kiv::Reporter rep("T01ABF", record, kiv::kRecordLen);
  rep.fail(3, kMessages[1], -2.5);
  return rep.finish(ifail);
}

const std::string kLines =
    " ** On entry, TOL .le. 0.0: TOL = -2.5000e+00.\n"
    " ** Constraint: TOL .gt. 0.0.\n";
const std::string kExit = " ** ABNORMAL EXIT from KIV Library routine T01ABF: IFAIL =     3\n";
const std::string kHard = " ** KIV hard failure - execution terminated\n";
const std::string kSoft = " ** KIV soft failure - control returned\n";

struct Row {
  int ifail;
  bool hard;         // the process ends
  std::string out;   // the whole stdout stream after the body's two newlines
};

class IfailConvention : public ::testing::TestWithParam<Row> {};

TEST_P(IfailConvention, StreamAndOutcome) {
  const Row& row = GetParam();
  // Two newlines follow the composition of the lines and of the record.
  const std::string expected = "\n\n" + row.out;
  const kivtest::ChildResult r = run_in_child([&] {
    int ifail = row.ifail;
    char record[kiv::kRecordLen + 1];
    const int result = failing_body(&ifail, record);
    if (ifail != 3 || result != 3) std::abort();
  });
  EXPECT_EQ(r.out, expected);
  ASSERT_TRUE(r.exited);
  if (row.hard) {
    EXPECT_FALSE(r.returned);
    EXPECT_EQ(r.status, EXIT_FAILURE);
  } else {
    EXPECT_TRUE(r.returned);
    EXPECT_EQ(r.status, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    EveryRow, IfailConvention,
    ::testing::Values(Row{0, true, kLines + "\n" + kExit + kHard},
                      Row{-1, false, kLines + "\n" + kExit + kSoft},
                      Row{1, false, ""}, Row{2, false, ""}, Row{101, false, ""},
                      Row{10, true, kLines + "\n" + kExit + kHard},
                      Row{110, true, kLines + "\n" + kExit + kHard},
                      Row{11, false, kLines + "\n" + kExit + kSoft},
                      Row{111, false, kLines + "\n" + kExit + kSoft},
                      Row{-13, false, kLines}, Row{-5, false, ""}, Row{-11, false, ""}));

TEST(ErrorExit, NoErrorIsSilentWhateverIfail) {
  for (int ifail : {0, -1, 1, 10, -13}) {
    int result = -99;
    const std::string out = capture_stdout([&] {
      result = ERROR_EXIT(ifail, 0, "T01ABF", 0, nullptr, 6, 80);
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(out, "");
  }
}

TEST(ErrorExit, EachLineIsOneHostCall) {
  const std::string host = capture_host([] {
    int ifail = -1;
    char record[kiv::kRecordLen + 1];
    failing_body(&ifail, record);
  });
  EXPECT_EQ(host,
            " ** On entry, TOL .le. 0.0: TOL = -2.5000e+00.|"
            " ** Constraint: TOL .gt. 0.0.|"
            " ** ABNORMAL EXIT from KIV Library routine T01ABF: IFAIL =     3|"
            " ** KIV soft failure - control returned|");
}

TEST(ErrorExitNamed, NamesTheVariableOrOmitsABlankOne) {
  const char line[80] = " ** A message.";
  std::string out = capture_stdout([&] {
    EXPECT_EQ(ERROR_EXIT_NAMED(-1, 7, "T02XYZ", "INFO  ", 1, line, 6, 6, 80), 7);
  });
  EXPECT_EQ(out,
            " ** A message.\n\n"
            " ** ABNORMAL EXIT from KIV Library routine T02XYZ: INFO =     7\n" + kSoft);
  out = capture_stdout([&] {
    EXPECT_EQ(ERROR_EXIT_NAMED(-1, 7, "T02XYZ", "    ", 1, line, 6, 4, 80), 7);
  });
  EXPECT_EQ(out, " ** A message.\n\n ** ABNORMAL EXIT from KIV Library routine T02XYZ\n" + kSoft);
}

TEST(ErrorExit, CharacterArgumentsAreReadWithinTheirLengths) {
  // Neither the name nor the lines carry a NUL within their lengths.
  const char name[6] = {'T', '0', '3', 'A', 'B', 'F'};
  char lines[2 * 5];
  std::memcpy(lines, "ab   cd   ", sizeof lines);
  const std::string out = capture_stdout([&] { ERROR_EXIT(-1, 2, name, 2, lines, 6, 5); });
  EXPECT_EQ(out,
            "ab\ncd\n\n ** ABNORMAL EXIT from KIV Library routine T03ABF: IFAIL =     2\n" +
                kSoft);
}

class ErrorUnit : public ::testing::Test {
 protected:
  void SetUp() override {
    const int read = 0;
    ERROR_UNIT_BYREF(&read, &saved_);
  }
  void TearDown() override {
    const int set = 1;
    ERROR_UNIT_BYREF(&set, &saved_);
  }
  int saved_ = 0;
};

TEST_F(ErrorUnit, NegativeUnitSilencesButStillStops) {
  const kivtest::ChildResult soft = run_in_child([] {
    const int set = 1;
    int unit = -1;
    ERROR_UNIT_BYREF(&set, &unit);
    const std::string host = capture_host([] {
      int ifail = -1;
      char record[kiv::kRecordLen + 1];
      failing_body(&ifail, record);
    });
    if (!host.empty()) std::abort();
    int ifail = 0;
    char record[kiv::kRecordLen + 1];
    failing_body(&ifail, record);
  });
  // Only the composition newlines remain (lines, record, exit line of each
  // call); no text, and the hard failure still ends the process.
  EXPECT_EQ(soft.out, "\n\n\n\n\n\n");
  EXPECT_FALSE(soft.returned);
  EXPECT_EQ(soft.status, EXIT_FAILURE);
}

TEST_F(ErrorUnit, ModesReadAndSet) {
  const int read = 0, set = 1, other = 7;
  int unit = 42;
  ERROR_UNIT_BYREF(&set, &unit);
  int seen = 0;
  ERROR_UNIT_BYREF(&read, &seen);
  EXPECT_EQ(seen, 42);
  unit = 5;
  ERROR_UNIT_BYREF(&other, &unit);  // any other mode does nothing
  ERROR_UNIT_BYREF(&read, &seen);
  EXPECT_EQ(seen, 42);
  EXPECT_EQ(unit, 5);
}

TEST(Reporter, RecordFieldsFollowTheMessage) {
  char record[kiv::kRecordLen + 1];
  std::memset(record, 'x', sizeof record);
  int ifail = 1;
  capture_stdout([&] {
    kiv::Reporter rep("C06GBF", record, kiv::kRecordLen);
    rep.fail(1, kMessages[0], 0);
    rep.finish(&ifail);
  });
  EXPECT_STREQ(record, "C06GBF     1 99999     1                0");
  EXPECT_EQ(ifail, 1);

  capture_stdout([&] {
    constexpr kiv::Messages kNoValue{" ** On entry, E is zero."};
    kiv::Reporter rep("C02ALF", record, kiv::kRecordLen);
    rep.fail(1, kNoValue[0]);
    rep.finish(&ifail);
  });
  EXPECT_STREQ(record, "C02ALF     1 99999     0");

  capture_stdout([&] {
    int quiet = 1;
    failing_body(&quiet, record);
  });
  EXPECT_STREQ(record, "T01ABF     3 99998     1  -2.5000e+00");
}

// A second message reported as well: both messages reach the host, the
// IFAIL and the record stay the first failure's; with no earlier failure
// also() is a plain fail().
TEST(Reporter, AlsoAddsTheLinesOfASecondMessage) {
  char record[kiv::kRecordLen + 1];
  int result = -1;
  const std::string host = capture_host([&] {
    int ifail = -1;
    kiv::Reporter rep("T01ABF", record, kiv::kRecordLen);
    rep.fail(3, kMessages[1], -2.5);
    rep.also(1, kMessages[0], 0);
    result = rep.finish(&ifail);
  });
  EXPECT_EQ(result, 3);
  EXPECT_EQ(host,
            " ** On entry, TOL .le. 0.0: TOL = -2.5000e+00.|"
            " ** Constraint: TOL .gt. 0.0.|"
            " ** On entry, N .lt. 1: N =                0.|"
            " ** ABNORMAL EXIT from KIV Library routine T01ABF: IFAIL =     3|"
            " ** KIV soft failure - control returned|");
  EXPECT_STREQ(record, "T01ABF     3 99998     1  -2.5000e+00");

  capture_stdout([&] {
    int quiet = 1;
    kiv::Reporter rep("C06GBF", record, kiv::kRecordLen);
    rep.also(1, kMessages[0], 0);
    result = rep.finish(&quiet);
  });
  EXPECT_EQ(result, 1);
  EXPECT_STREQ(record, "C06GBF     1 99999     1                0");
}

TEST(Reporter, SuccessLeavesNoneAndPrintsNothing) {
  char record[kiv::kRecordLen + 1];
  int ifail = 0;
  const std::string out = capture_stdout([&] {
    kiv::Reporter rep("T01ABF", record, kiv::kRecordLen);
    EXPECT_EQ(rep.finish(&ifail), 0);
  });
  EXPECT_STREQ(record, "NONE");
  EXPECT_EQ(ifail, 0);
  EXPECT_EQ(out, "");
}

TEST(Reporter, ShortRecordIsNeverOverrun) {
  char guarded[16];
  std::memset(guarded, '#', sizeof guarded);
  int ifail = 1;
  capture_stdout([&] {
    kiv::Reporter rep("T01ABF", guarded, 8);
    rep.fail(3, kMessages[1], 1.0);
    rep.finish(&ifail);
  });
  EXPECT_STREQ(guarded, "T01ABF ");
  for (int i = 8; i < 16; ++i) EXPECT_EQ(guarded[i], '#');
}

TEST(WriteRecord, TrimsTrailingBlanksKeepingOne) {
  EXPECT_EQ(capture_stdout([] { kiv::WRITE_RECORD(6, "abc   ", 6); }), "abc\n");
  EXPECT_EQ(capture_stdout([] { kiv::WRITE_RECORD(6, "      ", 6); }), " \n");
  EXPECT_EQ(capture_stdout([] { kiv::WRITE_RECORD(0, "abcdef", 3); }), "abc\n");
  EXPECT_EQ(capture_stdout([] { kiv::WRITE_RECORD(-1, "abc", 3); }), "");
}

TEST(ParameterError, ReportsPositionAndEndsTheProcess) {
  const kivtest::ChildResult r = run_in_child([] { kiv::PARAMETER_ERROR("F06PAF/DGEMV ", 1, 13); });
  EXPECT_EQ(r.out,
            "\n ** On entry to F06PAF/DGEMV  parameter number  1 had an illegal value\n"
            "\n ** ABNORMAL EXIT from KIV Library routine F06PAF/DGEMV\n" + kHard);
  EXPECT_FALSE(r.returned);
  EXPECT_EQ(r.status, EXIT_FAILURE);

  const kivtest::ChildResult ger = run_in_child([] { kiv::PARAMETER_ERROR("F06PMF/DGER  ", 11, 13); });
  EXPECT_NE(ger.out.find(" ** On entry to F06PMF/DGER   parameter number 11 had an illegal value\n"),
            std::string::npos);
}

}  // namespace
