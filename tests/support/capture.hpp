// What a call shows: the text handed to the host and the bytes on standard
// output, captured in-process or from a child that may end the process.
#pragma once

#include <functional>
#include <string>

namespace kivtest {

// Runs FN with standard output redirected; returns every byte written to it.
// With the print library on its default stream this is the host text and the
// newlines interleaved, exactly as a terminal would show them.
std::string capture_stdout(const std::function<void()>& fn);

// Runs FN with the host text diverted to a buffer; returns the text, each
// OldTarlePrintf call's text followed by '|' so that calls can be counted.
std::string capture_host(const std::function<void()>& fn);

struct ChildResult {
  bool exited = false;   // ended by exit(), not by a signal
  int status = -1;       // exit status, when exited
  bool returned = false; // FN came back (the child then exits with 0)
  std::string out;       // everything written to standard output
};

// Runs FN in a child process with standard output captured.
ChildResult run_in_child(const std::function<void()>& fn);

}  // namespace kivtest
