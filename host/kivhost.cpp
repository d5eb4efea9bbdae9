// kivhost: a host for libkiv2.  It loads the library by file name, resolves
// every entry point by its export name alone, as a host resolves the exports
// of a DLL, and supplies the print library the library writes through.
// Without a command it runs a short tour of what the library can do (the
// stops in host/tour_*.cpp); the commands (host/cli_*.cpp) run it on the
// user's own data.
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "cli.hpp"
#include "tarlec.h"
#include "tour.hpp"

namespace kivhost {
namespace {

using EntryFn = void* (*)(const char*);
EntryFn g_entry = nullptr;

std::vector<Stop>& stops() {
  static std::vector<Stop> all;
  return all;
}

std::vector<Command>& commands() {
  static std::vector<Command> all;
  return all;
}

const Command* find_command(std::string_view name) {
  for (const Command& c : commands())
    if (name == c.name) return &c;
  return nullptr;
}

void print_help() {
  std::printf(
      "Usage: kivhost [LIBRARY]\n"
      "       kivhost COMMAND [OPTION]... [FILE]...\n"
      "\n"
      "Without a command, loads libkiv2 (or LIBRARY) and runs a tour of the library.\n"
      "\n"
      "Commands:\n");
  std::vector<Command> sorted = commands();
  std::sort(sorted.begin(), sorted.end(),
            [](const Command& a, const Command& b) { return std::strcmp(a.name, b.name) < 0; });
  for (const Command& c : sorted) std::printf("  %-8s %s\n", c.name, c.summary);
  std::printf(
      "\n"
      "Options:\n"
      "  -h, --help     show this help and exit\n"
      "  --version      show the version and exit\n"
      "\n"
      "Run 'kivhost COMMAND --help' for a command's options.  The library is found\n"
      "as %s beside kivhost or in its installed library folder, or\n"
      "through KIV2_LIBRARY when set.\n"
      "Exit status: 0 success, 1 a computation failed, 2 a usage or input error.\n",
      KIV2_LIBRARY_NAME);
}

// The library beside kivhost (build tree) or in the installed library
// folder; else its plain name for dlopen's own search.  The run path cannot
// be relied on: under a sanitizer dlopen is called from the runtime, whose
// run path it then uses.
std::string library_beside_program() {
  char exe[4096];
  const ssize_t len = readlink("/proc/self/exe", exe, sizeof exe - 1);
  if (len > 0) {
    std::string dir(exe, static_cast<std::size_t>(len));
    dir.erase(dir.rfind('/') + 1);
    for (const char* sub : {"", KIV2_LIBDIR_FROM_BIN "/"}) {
      const std::string path = dir + sub + KIV2_LIBRARY_NAME;
      if (access(path.c_str(), R_OK) == 0) return path;
    }
  }
  return KIV2_LIBRARY_NAME;
}

int load(const char* library) {
  void* handle = dlopen(library, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    std::fprintf(stderr, "kivhost: cannot load %s: %s\n", library, dlerror());
    return EXIT_FAILURE;
  }
  g_entry = reinterpret_cast<EntryFn>(dlsym(handle, "kiv2_entry"));
  if (g_entry == nullptr) {
    std::fprintf(stderr, "kivhost: %s has no kiv2_entry\n", library);
    return EXIT_FAILURE;
  }
  return EXIT_SUCCESS;
}

int tour(const char* library) {
  std::printf("kivhost: loaded %s\n", library);
  auto& all = stops();
  std::stable_sort(all.begin(), all.end(),
                   [](const Stop& a, const Stop& b) { return a.order < b.order; });
  for (const Stop& s : all) {
    section(s.name);
    s.run();
  }
  std::fflush(stdout);
  return EXIT_SUCCESS;
}

}  // namespace

void* entry(const char* export_name) { return g_entry(export_name); }

void* resolve_entry(const char* export_name) {
  void* p = g_entry(export_name);
  if (p == nullptr) {
    std::fprintf(stderr, "kivhost: export %s not found\n", export_name);
    std::exit(EXIT_FAILURE);
  }
  return p;
}

void section(const char* title) { std::printf("\n== %s\n", title); }

int add_stop(Stop stop) {
  stops().push_back(stop);
  return 0;
}

int add_command(Command command) {
  commands().push_back(command);
  return 0;
}

int usage_error(const char* command, const std::string& what) {
  std::fprintf(stderr, "kivhost %s: %s\nTry 'kivhost %s --help' for more information.\n", command,
               what.c_str(), command);
  return kExitUsage;
}

bool parse_int(const char* command, std::string_view option, const char* text, long lo, long hi,
               int& out) {
  errno = 0;
  char* end = nullptr;
  const long v = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || errno == ERANGE || v < lo || v > hi) {
    usage_error(command, std::string(option) + " needs a whole number in " + std::to_string(lo) +
                             ".." + std::to_string(hi) + ", not '" + text + "'");
    return false;
  }
  out = static_cast<int>(v);
  return true;
}

bool parse_double(const char* command, std::string_view option, const char* text, double lo,
                  double hi, double& out) {
  char* end = nullptr;
  const double v = std::strtod(text, &end);
  if (end == text || *end != '\0' || !(v >= lo && v < hi)) {
    char range[64];
    std::snprintf(range, sizeof range, "[%g, %g)", lo, hi);
    usage_error(command,
                std::string(option) + " needs a number in " + range + ", not '" + text + "'");
    return false;
  }
  out = v;
  return true;
}

MessageCapture::MessageCapture() {
  std::fflush(stdout);
  const int null = open("/dev/null", O_WRONLY);
  if (null >= 0) {
    saved_stdout_ = dup(STDOUT_FILENO);
    if (saved_stdout_ >= 0) dup2(null, STDOUT_FILENO);
    close(null);
  }
  tarlec_set_sink(&MessageCapture::sink, this);
}

MessageCapture::~MessageCapture() {
  tarlec_set_sink(nullptr, nullptr);
  std::fflush(stdout);
  if (saved_stdout_ >= 0) {
    dup2(saved_stdout_, STDOUT_FILENO);
    close(saved_stdout_);
  }
}

void MessageCapture::sink(const char* text, void* self) {
  std::string_view t = text;
  while (!t.empty() && (t.front() == ' ' || t.front() == '*')) t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\n')) t.remove_suffix(1);
  if (t.empty()) return;
  auto& lines = static_cast<MessageCapture*>(self)->lines_;
  if (!lines.empty()) lines += ' ';
  lines += t;
}

std::string MessageCapture::text() const { return lines_; }

}  // namespace kivhost

int main(int argc, char** argv) {
  using namespace kivhost;
  const char* env = std::getenv("KIV2_LIBRARY");
  const std::string beside = library_beside_program();
  const char* library = env != nullptr && *env != '\0' ? env : beside.c_str();
  if (argc > 1) {
    const std::string_view first = argv[1];
    if (first == "-h" || first == "--help") {
      print_help();
      return EXIT_SUCCESS;
    }
    if (first == "--version") {
      std::printf("kivhost (kiv2) %s\n", KIV2_VERSION);
      return EXIT_SUCCESS;
    }
    if (const Command* c = find_command(first)) {
      for (int i = 2; i < argc; ++i)
        if (std::string_view(argv[i]) == "-h" || std::string_view(argv[i]) == "--help") {
          std::printf("%s", c->help);
          return EXIT_SUCCESS;
        }
      if (load(library) != EXIT_SUCCESS) return kExitFailed;
      const int status = c->run(argc - 1, argv + 1);
      std::fflush(stdout);
      return status;
    }
    if (first.size() > 1 && first[0] == '-') {
      std::fprintf(stderr,
                   "kivhost: unknown option '%s'\nTry 'kivhost --help' for more information.\n",
                   argv[1]);
      return kExitUsage;
    }
    // A library path names a file; anything else was meant as a command.
    const bool path =
        first.find('/') != std::string_view::npos || first.find(".so") != std::string_view::npos;
    if (argc > 2 || !path) {
      std::fprintf(stderr,
                   "kivhost: unknown command '%s'\nTry 'kivhost --help' for more information.\n",
                   argv[1]);
      return kExitUsage;
    }
    library = argv[1];
  }
  if (load(library) != EXIT_SUCCESS) return EXIT_FAILURE;
  return tour(library);
}
