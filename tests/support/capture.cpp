#include "capture.hpp"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "host/tarlec.h"

namespace kivtest {

std::string capture_stdout(const std::function<void()>& fn) {
  std::fflush(stdout);
  FILE* tmp = std::tmpfile();
  const int saved = dup(STDOUT_FILENO);
  dup2(fileno(tmp), STDOUT_FILENO);
  fn();
  std::fflush(stdout);
  dup2(saved, STDOUT_FILENO);
  close(saved);
  std::string out;
  std::rewind(tmp);
  for (int c; (c = std::fgetc(tmp)) != EOF;) out.push_back(static_cast<char>(c));
  std::fclose(tmp);
  return out;
}

std::string capture_host(const std::function<void()>& fn) {
  std::string text;
  tarlec_set_sink(
      [](const char* t, void* ctx) {
        auto* s = static_cast<std::string*>(ctx);
        s->append(t);
        s->push_back('|');
      },
      &text);
  fn();
  tarlec_set_sink(nullptr, nullptr);
  return text;
}

ChildResult run_in_child(const std::function<void()>& fn) {
  ChildResult r;
  int fds[2];
  if (pipe(fds) != 0) return r;
  std::fflush(stdout);
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    dup2(fds[1], STDOUT_FILENO);
    fn();
    std::fflush(stdout);
    // Mark a normal return, then leave without running the parent's cleanup.
    std::fputs("\x01returned", stdout);
    std::fflush(stdout);
    _exit(0);
  }
  close(fds[1]);
  char buf[4096];
  for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;) r.out.append(buf, static_cast<size_t>(n));
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  r.exited = WIFEXITED(status);
  r.status = r.exited ? WEXITSTATUS(status) : -1;
  const std::string mark = "\x01returned";
  if (r.out.size() >= mark.size() && r.out.compare(r.out.size() - mark.size(), mark.size(), mark) == 0) {
    r.returned = true;
    r.out.resize(r.out.size() - mark.size());
  }
  return r;
}

}  // namespace kivtest
