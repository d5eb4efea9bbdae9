// kivhost's commands (kivhost solve, fft, info): each lives in its own
// host/cli_*.cpp and registers itself; kivhost loads the library before it
// runs one, and the command reaches the library through kivhost::resolve().
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace kivhost {

// Exit statuses: a usage error or an unreadable input file is 2, a
// computation that failed (the library's IFAIL) is 1.
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// IFAIL on entry for the library's calls: return on error with the message
// lines only (no exit line).
constexpr int kQuietSoft = -13;

struct Command {
  const char* name;
  const char* summary;                // one line for kivhost --help
  const char* help;                   // the command's --help text
  int (*run)(int argc, char** argv);  // argv[0] is the command's name
};

int add_command(Command command);

// Reports "kivhost CMD: what" and a pointer to the help on stderr; returns
// kExitUsage.
int usage_error(const char* command, const std::string& what);

// Option values: false (after a usage error report) when TEXT is not a whole
// number of its kind within [lo, hi].
bool parse_int(const char* command, std::string_view option, const char* text, long lo, long hi,
               int& out);
bool parse_double(const char* command, std::string_view option, const char* text, double lo,
                  double hi, double& out);

// While alive, collects every line the library shows (through the print
// library) and keeps the newlines it writes after them off standard output,
// so that a command's own output stays clean.
class MessageCapture {
 public:
  MessageCapture();
  ~MessageCapture();
  MessageCapture(const MessageCapture&) = delete;
  MessageCapture& operator=(const MessageCapture&) = delete;
  // The lines so far, trimmed of blanks and leading stars, joined by a blank.
  std::string text() const;
  // Forgets the lines so far (a retried call reports only its own).
  void clear() { lines_.clear(); }

 private:
  static void sink(const char* text, void* self);
  std::string lines_;
  int saved_stdout_ = -1;
};

}  // namespace kivhost

#define KIVHOST_COMMAND_CONCAT2(a, b) a##b
#define KIVHOST_COMMAND_CONCAT(a, b) KIVHOST_COMMAND_CONCAT2(a, b)
#define KIVHOST_COMMAND(...)                                            \
  static const int KIVHOST_COMMAND_CONCAT(kivhost_command_, __LINE__) = \
      kivhost::add_command({__VA_ARGS__})
