#include "frame/errors.hpp"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "host/tarlec.h"

namespace kiv {
namespace {

// Output units: process-wide, statically initialised, no locks (the library
// is single-threaded).
constinit int g_error_unit = 6;
constinit int g_advisory_unit = 6;

constexpr int kExitLineLen = 72;
constexpr char kHardFailure[] = " ** KIV hard failure - execution terminated";
constexpr char kSoftFailure[] = " ** KIV soft failure - control returned";

// The first printf conversion in TEXT at or after FROM: its position and
// length, or npos.  "%%" is not a conversion.
struct Conversion {
  std::size_t pos = std::string_view::npos;
  std::size_t len = 0;
};
Conversion next_conversion(std::string_view text, std::size_t from) {
  for (std::size_t i = text.find('%', from); i != std::string_view::npos;
       i = text.find('%', i)) {
    std::size_t j = i + 1;
    if (j < text.size() && text[j] == '%') {
      i = j + 1;
      continue;
    }
    while (j < text.size() && std::strchr("-+ #0", text[j])) ++j;
    while (j < text.size() && (std::isdigit(static_cast<unsigned char>(text[j])) ||
                               text[j] == '.'))
      ++j;
    while (j < text.size() && (text[j] == 'l' || text[j] == 'h')) ++j;
    if (j < text.size()) return {i, j + 1 - i};
    return {};
  }
  return {};
}

// Appends to a bounded buffer; the text is cut where the buffer ends.
class Buffer {
 public:
  Buffer(char* out, std::size_t cap) : out_(out), cap_(cap) {
    if (cap_ > 0) out_[0] = '\0';
  }
  void text(std::string_view s) {
    // An empty view may have no data at all, which memcpy may not be given.
    if (len_ + 1 >= cap_ || s.empty()) return;
    const std::size_t n = std::min(s.size(), cap_ - 1 - len_);
    std::memcpy(out_ + len_, s.data(), n);
    len_ += n;
    out_[len_] = '\0';
  }
  void value(const Value& v, std::string_view conversion) {
    if (len_ + 1 >= cap_) return;
    const int n = v.format(out_ + len_, cap_ - len_, conversion);
    len_ = std::min(len_ + static_cast<std::size_t>(std::max(n, 0)), cap_ - 1);
  }

 private:
  char* out_;
  std::size_t cap_;
  std::size_t len_ = 0;
};

// A character argument as a view: at most LEN characters, up to a NUL.
std::string_view chars(const char* s, int len) {
  if (s == nullptr || len <= 0) return {};
  return {s, strnlen(s, static_cast<std::size_t>(len))};
}

std::string_view trim_right(std::string_view s) {
  const std::size_t last = s.find_last_not_of(' ');
  return last == std::string_view::npos ? s.substr(0, 0) : s.substr(0, last + 1);
}

// The IFAIL convention, shared by ERROR_EXIT and ERROR_EXIT_NAMED.  VARNAME
// is null for ERROR_EXIT.
int error_exit(int a, int b, std::string_view srname, const std::string_view* varname,
               int nlines, const char* msglines, int reclen) {
  if (b == 0) return 0;
  const bool noisy = a == -1 || a == 0 || a == -13 || (a > 0 && (a / 10) % 10 != 0);
  if (!noisy) return b;

  int unit = 0;
  ERROR_UNIT(0, &unit);
  if (msglines != nullptr && reclen > 0)
    for (int i = 0; i < nlines; ++i)
      WRITE_RECORD(unit, msglines + static_cast<std::ptrdiff_t>(i) * reclen, reclen);
  if (a == -13) return b;

  char line[kExitLineLen + 1];
  Buffer exit_line(line, sizeof line);
  exit_line.text(" ** ABNORMAL EXIT from KIV Library routine ");
  exit_line.text(srname);
  const std::string_view name = varname ? trim_right(*varname) : std::string_view("IFAIL");
  if (!name.empty()) {
    exit_line.text(": ");
    exit_line.text(name);
    exit_line.text(" =");
    exit_line.value(Value(b), "%6ld");
  }
  newline();
  WRITE_RECORD(unit, line, kExitLineLen);

  if (std::abs(a % 10) != 1) {
    WRITE_RECORD(unit, kHardFailure, sizeof kHardFailure - 1);
    HARD_STOP();
  }
  WRITE_RECORD(unit, kSoftFailure, sizeof kSoftFailure - 1);
  return b;
}

}  // namespace

void newline() { std::putchar('\n'); }

int Value::format(char* out, std::size_t cap, std::string_view conversion) const {
  char fmt[24];
  if (conversion.size() + 2 >= sizeof fmt || conversion.empty() || cap == 0) return 0;
  std::memcpy(fmt, conversion.data(), conversion.size());
  fmt[conversion.size()] = '\0';
  const char conv = conversion.back();
  int n = 0;
  if (conv == 's') {
    n = std::snprintf(out, cap, fmt, kind_ == Kind::text && s_ ? s_ : "");
  } else if (std::strchr("eEfFgG", conv)) {
    n = std::snprintf(out, cap, fmt, kind_ == Kind::real ? d_ : static_cast<double>(i_));
  } else {
    // Integer conversions always print a long, whatever length the text says.
    std::size_t k = conversion.size() - 1;
    while (k > 0 && (fmt[k - 1] == 'l' || fmt[k - 1] == 'h')) --k;
    fmt[k] = 'l';
    fmt[k + 1] = conv;
    fmt[k + 2] = '\0';
    n = std::snprintf(out, cap, fmt, kind_ == Kind::integer ? i_ : static_cast<long>(d_));
  }
  return std::min(n, static_cast<int>(cap) - 1);
}

Reporter::Reporter(const char* srname, char* record, int record_len, int line_len)
    : srname_(srname),
      record_(record),
      record_len_(std::min(record_len, kRecordLen)),
      line_len_(std::clamp(line_len, 1, kMaxLineLen)) {
  if (record_ != nullptr && record_len_ > 0) {
    Buffer(record_, static_cast<std::size_t>(record_len_)).text("NONE");
  }
}

// The message lines: one record per "\n"-separated line of the text, the
// values taken in the order of their conversions.  Returns how many values
// the text shows.
std::size_t Reporter::compose_lines(Message m, const Value* values, std::size_t count) {
  const std::string_view text(m.text);
  std::size_t next_value = 0;
  for (std::size_t start = 0; start <= text.size() && nlines_ < kMaxLines;) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view part = text.substr(start, end - start);
    Buffer line(lines_ + static_cast<std::ptrdiff_t>(nlines_++) * line_len_,
                static_cast<std::size_t>(line_len_));
    std::size_t at = 0;
    for (Conversion s = next_conversion(part, 0); s.pos != std::string_view::npos;
         s = next_conversion(part, at)) {
      line.text(part.substr(at, s.pos - at));
      const Value v = next_value < count ? values[next_value] : Value(0);
      ++next_value;
      line.value(v, part.substr(s.pos, s.len));
      at = s.pos + s.len;
    }
    line.text(part.substr(at));
    start = end + 1;
  }
  newline();
  return next_value;
}

void Reporter::compose(int ierr, Message m, const Value* values, std::size_t count) {
  ierr_ = ierr;
  nlines_ = 0;
  const std::size_t next_value = compose_lines(m, values, count);
  const std::string_view text(m.text);

  // The message record: name, number, label, count, then each value in the
  // conversion its text shows it with.
  if (record_ != nullptr && record_len_ > 0) {
    Buffer rec(record_, static_cast<std::size_t>(record_len_));
    rec.text(srname_);
    rec.value(Value(ierr), " %5ld");
    rec.value(Value(m.label), " %5ld");
    rec.value(Value(static_cast<long>(next_value)), " %5ld");
    std::size_t i = 0;
    for (Conversion s = next_conversion(text, 0); s.pos != std::string_view::npos;
         s = next_conversion(text, s.pos + s.len), ++i) {
      char conversion[16] = " ";
      const std::size_t n = std::min(s.len, sizeof conversion - 2);
      std::memcpy(conversion + 1, text.data() + s.pos, n);
      rec.value(i < count ? values[i] : Value(0), std::string_view(conversion, n + 1));
    }
  }
  newline();
}

int Reporter::finish(int* ifail) {
  if (record_ != nullptr && record_len_ > 0) record_[record_len_ - 1] = '\0';
  const int caller = ifail ? *ifail : 0;
  const int result = ERROR_EXIT(caller, ierr_, srname_, nlines_, lines_,
                                static_cast<int>(strnlen(srname_, 6)), line_len_);
  if (ifail) *ifail = result;
  return result;
}

void WRITE_RECORD(int unit, const char* text, int len) {
  if (unit < 0) return;
  std::string_view s = chars(text, len);
  const std::string_view t = trim_right(s);
  s = s.substr(0, std::max<std::size_t>(t.size(), std::min<std::size_t>(s.size(), 1)));
  char line[kRecordLen + 1];
  Buffer(line, sizeof line).text(s);
  OldTarlePrintf("%s", line);
  newline();
}

void ERROR_UNIT(int mode, int* unit) {
  if (mode == 0) *unit = g_error_unit;
  else if (mode == 1) g_error_unit = *unit;
}

void ADVISORY_UNIT(int mode, int* unit) {
  if (mode == 0) *unit = g_advisory_unit;
  else if (mode == 1) g_advisory_unit = *unit;
}

// Hard failures end the process with EXIT_FAILURE, so that whatever started
// the host learns that the run did not succeed.
void HARD_STOP() { std::exit(EXIT_FAILURE); }

void PARAMETER_ERROR(const char* srname, int info, int srname_len) {
  const std::string_view name = chars(srname, srname_len);
  char name13[16];
  Buffer(name13, sizeof name13).text(name.substr(0, 13));
  char line[kLineLen];
  Buffer msg(line, sizeof line);
  msg.text(" ** On entry to ");
  msg.value(Value(name13), "%13s");
  msg.text(" parameter number ");
  msg.value(Value(info), "%2ld");
  msg.text(" had an illegal value");
  newline();
  // The whole diagnostic name goes on the exit line, as in
  // " ** ABNORMAL EXIT from KIV Library routine F06PAF/DGEMV".
  ERROR_EXIT_NAMED(0, -1, name13, "    ", 1, line, static_cast<int>(name.size()), 4,
                   kLineLen);
  HARD_STOP();
}

}  // namespace kiv

extern "C" {

int KIV_CALL ERROR_EXIT(int ifail, int ierr, const char* srname, int nlines,
                        const char* msglines, int srname_len, int reclen) {
  return kiv::error_exit(ifail, ierr, kiv::chars(srname, srname_len), nullptr, nlines,
                         msglines, reclen);
}

int KIV_CALL ERROR_EXIT_NAMED(int ifail, int ierr, const char* srname, const char* varname,
                              int nlines, const char* msglines, int srname_len,
                              int varname_len, int reclen) {
  const std::string_view var = kiv::chars(varname, varname_len);
  return kiv::error_exit(ifail, ierr, kiv::chars(srname, srname_len), &var, nlines, msglines,
                         reclen);
}

void KIV_CALL ERROR_UNIT_BYREF(const int* mode, int* unit) { kiv::ERROR_UNIT(*mode, unit); }

}  // extern "C"
