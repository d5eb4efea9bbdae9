// The host-wrapper protocol and the poison routines.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>

#include "frame/errors.hpp"
#include "frame/wrappers.hpp"
#include "support/capture.hpp"

namespace {

using kivtest::capture_stdout;

constexpr std::uint64_t kRealPoisonBits = 0xC1DFDFDFE0000000u;

// A body stand-in: writes RECORD and returns BODY_IFAIL through *ifail.
struct FakeBody {
  const char* record;
  int body_ifail;
  int operator()(char* rec, int* ifail) const {
    std::strncpy(rec, record, kiv::kRecordLen);
    *ifail = body_ifail;
    return 17;
  }
};

int call(FakeBody body, int* ifail) {
  return kiv::host_call("C02ALF", ifail, kiv::no_poison,
                        [&](char* rec) { return body(rec, ifail); });
}

TEST(HostCall, SuccessReturnsTheBodyResultSilently) {
  int ifail = 1, result = 0;
  // The record is never looked at on success.
  const std::string out = capture_stdout([&] { result = call({"garbage 99", 0}, &ifail); });
  EXPECT_EQ(out, "");
  EXPECT_EQ(result, 17);
}

TEST(HostCall, AgreeingRecordReturnsTheCommonValueSilently) {
  int ifail = 1, result = 0;
  const std::string out =
      capture_stdout([&] { result = call({"C02ALF     2 99999     0", 2}, &ifail); });
  EXPECT_EQ(out, "");
  EXPECT_EQ(result, 2);
  EXPECT_EQ(ifail, 2);
}

TEST(HostCall, MismatchIsReportedInSixHostCallsAndANewline) {
  int ifail = 1, result = 0;
  const std::string host = kivtest::capture_host([&] {
    result = call({"C02ALF     2 99999     0", 1}, &ifail);
  });
  EXPECT_EQ(host,
            " *** IFAIL MISMATCH IN C02ALF: IFAIL = | 1| , IERR =| 2| , SRNAME =| C02ALF|");
  EXPECT_EQ(result, '\n');  // putchar's result
  EXPECT_EQ(ifail, 1);      // outputs stay as the body left them

  const std::string out = capture_stdout([&] { call({"C02ALF     2 99999     0", 1}, &ifail); });
  EXPECT_EQ(out, " *** IFAIL MISMATCH IN C02ALF: IFAIL =  1 , IERR = 2 , SRNAME = C02ALF\n");
}

TEST(HostCall, RecordWithoutANumberAlwaysMismatches) {
  int ifail = 1;
  const std::string out = capture_stdout([&] { call({"NONE", 5}, &ifail); });
  EXPECT_EQ(out,
            " *** IFAIL MISMATCH IN C02ALF: IFAIL =  5 , IERR = -2139062144 , SRNAME = NONE\n");
}

TEST(HostCall, LongFirstWordIsCutToTheNameBuffer) {
  int ifail = 1;
  const std::string out =
      capture_stdout([&] { call({"ABCDEFGHIJKLMNOP 3", 4}, &ifail); });
  // The word is cut at six characters; the rest is not a number.
  EXPECT_EQ(out,
            " *** IFAIL MISMATCH IN C02ALF: IFAIL =  4 , IERR = -2139062144 , SRNAME = ABCDEF\n");
}

TEST(HostCall, FunctionWrapperReturnsItsValueAfterAMismatch) {
  int ifail = 1;
  double value = 0.0;
  capture_stdout([&] {
    value = kiv::host_call("S14AAF", &ifail, kiv::no_poison, [&](char* rec) {
      std::strcpy(rec, "S14AAF     9 99999     0");
      ifail = 4;
      return 2.5;
    });
  });
  EXPECT_EQ(value, 2.5);
}

TEST(HostCall, PoisonsBeforeTheBodyRuns) {
  int ifail = 0;
  double out[3] = {1, 2, 3};
  int iout = 7;
  kiv::host_call(
      "T01ABF", &ifail,
      [&] {
        POISON_REALS(3, out);
        POISON_INTEGER(&iout);
      },
      [&](char* rec) {
        // The body sees the poison and a cleared record.
        EXPECT_EQ(std::bit_cast<std::uint64_t>(out[1]), kRealPoisonBits);
        EXPECT_EQ(iout, -2139062144);
        EXPECT_EQ(rec[0], '\0');
        out[0] = 1.0;
        return 0;
      });
  EXPECT_EQ(out[0], 1.0);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(out[2]), kRealPoisonBits);
}

TEST(Poison, PatternsAndCounts) {
  double d[4] = {1, 1, 1, 1};
  POISON_REAL(&d[0]);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(d[0]), kRealPoisonBits);
  EXPECT_EQ(d[0], -2139062144.0);
  EXPECT_EQ(d[1], 1.0);

  int i[4] = {1, 1, 1, 1};
  POISON_INTEGERS(3, i);
  EXPECT_EQ(static_cast<std::uint32_t>(i[2]), 0x80808080u);
  EXPECT_EQ(i[3], 1);
  POISON_INTEGER(&i[3]);
  EXPECT_EQ(i[3], -2139062144);

  kiv2_complex z[3] = {{1, 1}, {1, 1}, {1, 1}};
  POISON_COMPLEXES(2, z);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(z[1].imag()), kRealPoisonBits);
  EXPECT_EQ(z[2], kiv2_complex(1, 1));
  POISON_COMPLEX(&z[2]);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(z[2].real()), kRealPoisonBits);

  // Counts below 1 poison nothing.
  for (int n : {0, -1, -2139062144}) {
    double dd = 1;
    int ii = 1;
    kiv2_complex zz = {1, 1};
    POISON_REALS(n, &dd);
    POISON_INTEGERS(n, &ii);
    POISON_COMPLEXES(n, &zz);
    EXPECT_EQ(dd, 1.0);
    EXPECT_EQ(ii, 1);
    EXPECT_EQ(zz, kiv2_complex(1, 1));
  }
}

}  // namespace
