// Error reporting: the output path, the IFAIL convention and the one
// mechanism with which every routine body declares and reports its messages.
//
// A body declares its messages once, in label order:
//
//   constexpr kiv::Messages kMessages{
//       " ** On entry, N .lt. 1: N = %16ld.",           // label 99999
//       " ** On entry, X is too large: X =%12.4e."};    // label 99998
//
// and reports through a Reporter that lives for the call:
//
//   kiv::Reporter rep("C06GBF", record, record_len);
//   if (n < 1) rep.fail(1, kMessages[0], n);
//   return rep.finish(ifail);
//
// fail() composes the message lines and the message record; finish() hands
// them to ERROR_EXIT under the caller's IFAIL and stores the result.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "kiv2.h"

namespace kiv {

// Characters of one message line, including its terminating NUL.
inline constexpr int kLineLen = 80;
// The longest line a routine may ask for (one with values too wide for 80).
inline constexpr int kMaxLineLen = 180;
// Lines of the longest message any routine declares.
inline constexpr int kMaxLines = 10;
// Characters of the message record, including its terminating NUL.
inline constexpr int kRecordLen = KIV2_RECORD_LEN;

// One newline on the process's standard output.  It follows every
// composition of a text into a buffer and every line shown to the host.
void newline();

// A value shown in a message: an integer, a real or a text.
class Value {
 public:
  constexpr Value(int v) : kind_(Kind::integer), i_(v) {}
  constexpr Value(long v) : kind_(Kind::integer), i_(v) {}
  constexpr Value(double v) : kind_(Kind::real), d_(v) {}
  constexpr Value(const char* s) : kind_(Kind::text), s_(s) {}

  // Formats the value with one printf conversion CONVERSION ("%16ld", "%12.4e",
  // "%6s") into OUT (CAP bytes); returns the characters written.
  int format(char* out, std::size_t cap, std::string_view conversion) const;

 private:
  enum class Kind { integer, real, text };
  Kind kind_;
  long i_ = 0;
  double d_ = 0.0;
  const char* s_ = nullptr;
};

// A message text and its label (99999 for a routine's first message, then
// downwards in declaration order).
struct Message {
  const char* text;
  int label;
};

template <std::size_t N>
class Messages {
 public:
  template <class... T>
  constexpr Messages(T... texts) : texts_{texts...} {}
  constexpr Message operator[](std::size_t i) const {
    return {texts_[i], 99999 - static_cast<int>(i)};
  }
  static constexpr std::size_t size() { return N; }

 private:
  std::array<const char*, N> texts_;
};
template <class... T>
Messages(T...) -> Messages<sizeof...(T)>;

// The error state of one call of a routine body.
class Reporter {
 public:
  // Sets the record (RECORD_LEN characters, may be null) to "NONE".  LINE_LEN
  // (at most kMaxLineLen) is the length of the message lines handed to the
  // error handler.
  Reporter(const char* srname, char* record, int record_len, int line_len = kLineLen);

  // Reports error IERR with message M showing VALUES: composes the message
  // lines and the message record.  A later fail() replaces an earlier one.
  template <class... V>
  void fail(int ierr, Message m, V... values) {
    const std::array<Value, sizeof...(V)> v{Value(values)...};
    compose(ierr, m, v.data(), v.size());
  }

  // Reports message M as well, below the lines of the failure already
  // reported, for a check that still runs after a failure: IFAIL and the
  // record stay the first failure's.  With no failure yet it is fail().
  template <class... V>
  void also(int ierr, Message m, V... values) {
    const std::array<Value, sizeof...(V)> v{Value(values)...};
    if (ierr_ == 0)
      compose(ierr, m, v.data(), v.size());
    else
      compose_lines(m, v.data(), v.size());
  }

  // Closes the call: applies the IFAIL convention through ERROR_EXIT,
  // stores the new IFAIL and returns it.  May end the process.
  int finish(int* ifail);

  int ierr() const { return ierr_; }

 private:
  void compose(int ierr, Message m, const Value* values, std::size_t count);
  std::size_t compose_lines(Message m, const Value* values, std::size_t count);

  const char* srname_;
  char* record_;
  int record_len_;
  int ierr_ = 0;
  int line_len_;
  int nlines_ = 0;
  char lines_[kMaxLines * kMaxLineLen];
};

// Writes one line of at most LEN characters (trailing blanks removed, at
// least one kept) to the host, then a newline; nothing when UNIT < 0.
void WRITE_RECORD(int unit, const char* text, int len);

// Mode 0 stores the unit through UNIT, mode 1 sets it from UNIT.
void ERROR_UNIT(int mode, int* unit);
void ADVISORY_UNIT(int mode, int* unit);

// Ends the process after a hard failure.
[[noreturn]] void HARD_STOP();

// Fatal report of an illegal argument of a level-2 or level-3 kernel:
// SRNAME is the 13-character diagnostic name ("F06PAF/DGEMV "), INFO the
// 1-based position of the argument.  Never returns.
[[noreturn]] void PARAMETER_ERROR(const char* srname, int info, int srname_len);

}  // namespace kiv
