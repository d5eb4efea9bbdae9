// kiv2_smoke: a Windows host for kiv2.dll.  It loads the DLL with
// LoadLibrary, resolves every export of the table by its decorated name with
// GetProcAddress, and calls a few entries of each subsystem present through
// stdcall pointers, as a host does.  Cases of subsystems whose rows are not
// in the export table yet say so and are not counted.
//
//   kiv2_smoke               runs the cases; exit status 0 when all pass
//   kiv2_smoke --hard-stop   (child) gamma(-3) with IFAIL = 0: a hard failure
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "kiv2.h"
#include "tarlec.h"

namespace {

#define KIV_EXPORT(id, k, fn, kind) "_q" #id "@" #k,
constexpr const char* kTable[] = {
#include "frame/all_exports.inc"
};
#undef KIV_EXPORT

bool in_table(const char* name) {
  for (const char* t : kTable)
    if (std::strcmp(t, name) == 0) return true;
  return false;
}

HMODULE g_dll;
int g_passed, g_failed;

template <class F>
F entry(const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(g_dll, name)));
}

void check(bool ok, const char* what, const std::string& detail = {}) {
  if (ok) {
    ++g_passed;
    std::printf("ok    %s\n", what);
  } else {
    ++g_failed;
    std::printf("FAIL  %s%s%s\n", what, detail.empty() ? "" : ": ", detail.c_str());
  }
}

// Whether a subsystem's case can run: its export is in the table.
bool present(const char* name, const char* what) {
  if (in_table(name)) return true;
  std::printf("skip  %s: %s is not in the export table yet\n", what, name);
  return false;
}

std::uint64_t bits(double x) {
  std::uint64_t b;
  std::memcpy(&b, &x, sizeof b);
  return b;
}

bool close(double a, double b, double rel) { return std::fabs(a - b) <= rel * std::fabs(b); }

// The host's text: every OldTarlePrintf call, one string each.
std::vector<std::string> g_host_text;
void collect(const char* text, void*) { g_host_text.emplace_back(text); }

std::string joined(const std::vector<std::string>& lines) {
  std::string s;
  for (const std::string& l : lines) s += "[" + l + "]";
  return s;
}

using Gamma = double(KIV_CALL*)(const double*, int*);

// --- frame -------------------------------------------------------------------

void every_export_resolves() {
  int missing = 0;
  std::string names;
  for (const char* t : kTable)
    if (GetProcAddress(g_dll, t) == nullptr) {
      ++missing;
      names += std::string(" ") + t;
    }
  check(missing == 0, "every export of the table resolves by GetProcAddress", names);
  check(GetProcAddress(g_dll, "kiv2_entry") == nullptr && GetProcAddress(g_dll, "DllMain") == nullptr,
        "nothing but the table is exported");
}

void constants() {
  using Constant = double(KIV_CALL*)();
  check(bits(entry<Constant>("_q42761@0")()) == 0x400921FB54442D18u, "pi (_q42761@0)");
  check(bits(entry<Constant>("_q48540@0")()) == 0x3CA0040000000020u, "machine precision (_q48540@0)");
  check(bits(entry<Constant>("_q48900@0")()) == 0x0010000000000000u &&
            bits(entry<Constant>("_q54356@0")()) == 0x0010000000000000u,
        "safe minimum under both names (_q48900@0, _q54356@0)");
  check(bits(entry<Constant>("_q22647@0")()) == 0x7FEFFFFFFFFFFFFFu, "largest real (_q22647@0)");
  check(entry<int(KIV_CALL*)()>("_q32811@0")() == 2, "model base (_q32811@0)");
  // Mixed by-value doubles and pointers: (3 + 4i) / (1 + 2i) = 2.2 - 0.4i.
  double re = 0, im = 0;
  entry<void(KIV_CALL*)(double, double, double, double, double*, double*)>("_q84615@40")(
      3, 4, 1, 2, &re, &im);
  check(close(re, 2.2, 1e-15) && close(im, -0.4, 1e-15), "complex division (_q84615@40)");
}

void poison() {
  double d[3] = {1, 2, 3};
  entry<void(KIV_CALL*)(int, double*)>("_q44339@8")(2, d);
  int n[2] = {5, 6};
  entry<void(KIV_CALL*)(int, int*)>("_q18327@8")(1, n);
  check(bits(d[0]) == 0xC1DFDFDFE0000000u && bits(d[1]) == 0xC1DFDFDFE0000000u && d[2] == 3 &&
            n[0] == static_cast<int>(0x80808080u) && n[1] == 6,
        "poison routines (_q44339@8, _q18327@8)");
}

// --- special functions -------------------------------------------------------

void gamma_values() {
  auto gamma = entry<Gamma>("_q26243@8");
  const double sqrt_pi = std::sqrt(3.14159265358979323846);
  struct Case {
    double x, expected;
  } cases[] = {{0.5, sqrt_pi},
               {1.5, sqrt_pi / 2},
               {4.0, 6.0},
               {11.0, 3628800.0},
               {-2.5, sqrt_pi / (-2.5 * -1.5 * -0.5)}};
  for (const Case& c : cases) {
    int ifail = 0;
    const double g = gamma(&c.x, &ifail);
    char what[64];
    std::snprintf(what, sizeof what, "gamma(%g) (_q26243@8)", c.x);
    char detail[96];
    std::snprintf(detail, sizeof detail, "%.17g, IFAIL %d", g, ifail);
    check(ifail == 0 && close(g, c.expected, 1e-13), what, detail);
  }
}

// IFAIL = -1: the message line, the exit line and the soft-failure line reach
// the host, and control returns with IFAIL = 4.
void gamma_soft_failure() {
  const double x = -3.0;
  int ifail = -1;
  g_host_text.clear();
  tarlec_set_sink(collect, nullptr);
  const double g = entry<Gamma>("_q26243@8")(&x, &ifail);
  tarlec_set_sink(nullptr, nullptr);
  const std::vector<std::string> expected = {
      " ** On entry, X is a negative integer: X = -3.0000e+00.",
      " ** ABNORMAL EXIT from KIV Library routine S14AAF: IFAIL =     4",
      " ** KIV soft failure - control returned"};
  check(ifail == 4 && g == 4.3e+304 && g_host_text == expected,
        "gamma(-3) with IFAIL = -1: host text and IFAIL 4", joined(g_host_text));
}

// IFAIL = 0: the same lines, the hard-failure line, and the process ends with
// status 1; run in a child process with its standard output in a pipe.
void gamma_hard_failure() {
  char exe[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, sizeof exe);
  std::string command = std::string("\"") + exe + "\" --hard-stop";

  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE read_end, write_end;
  if (!CreatePipe(&read_end, &write_end, &inherit, 0)) {
    check(false, "hard failure in a child process", "CreatePipe failed");
    return;
  }
  SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdOutput = write_end;
  si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION pi = {};
  std::vector<char> line(command.begin(), command.end());
  line.push_back('\0');
  const BOOL started =
      CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
  CloseHandle(write_end);
  if (!started) {
    CloseHandle(read_end);
    check(false, "hard failure in a child process", "CreateProcess failed");
    return;
  }
  std::string out;
  char buf[512];
  DWORD got;
  while (ReadFile(read_end, buf, sizeof buf, &got, nullptr) && got > 0) out.append(buf, got);
  CloseHandle(read_end);
  WaitForSingleObject(pi.hProcess, INFINITE);
  DWORD status = 0;
  GetExitCodeProcess(pi.hProcess, &status);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);

  // The child's stdout is in text mode: "\r\n" on the wire.
  std::string text;
  for (char c : out)
    if (c != '\r') text += c;
  // A newline after each composed text (message line, record, exit line),
  // each host line followed by its own.
  const std::string expected =
      "\n\n"
      " ** On entry, X is a negative integer: X = -3.0000e+00.\n"
      "\n"
      " ** ABNORMAL EXIT from KIV Library routine S14AAF: IFAIL =     4\n"
      " ** KIV hard failure - execution terminated\n";
  check(status == 1 && text == expected,
        "gamma(-3) with IFAIL = 0: hard failure, its lines, exit status 1",
        "status " + std::to_string(status) + ", output [" + text + "]");
}

// --- sorting -------------------------------------------------------------------

void sorting() {
  if (!present("_q87198@28", "ranking (M01DAF)")) return;
  // Stable ranks: (3, 1, 3, 2) ascending is (3, 1, 4, 2).
  const double rv[4] = {3, 1, 3, 2};
  const int m1 = 1, m2 = 4;
  int irank[4] = {}, ifail = 0;
  entry<int(KIV_CALL*)(const double*, const int*, const int*, const char*, int*, int*, int)>(
      "_q87198@28")(rv, &m1, &m2, "A", irank, &ifail, 1);
  check(ifail == 0 && irank[0] == 3 && irank[1] == 1 && irank[2] == 4 && irank[3] == 2,
        "ranking (M01DAF, _q87198@28)");
}

// --- FFT -----------------------------------------------------------------------

void fft_round_trip() {
  if (!present("_q44888@24", "complex FFT round trip (C06PCF)")) return;
  using Transform = int(KIV_CALL*)(const char*, kiv2_complex*, const int*, kiv2_complex*, int*, int);
  auto c06pcf = entry<Transform>("_q44888@24");
  const int n = 30;  // mixed radix 2 * 3 * 5
  std::vector<kiv2_complex> x(n), y, work(2 * n);
  for (int j = 0; j < n; ++j) x[j] = kiv2_complex(std::cos(0.7 * j) + j, std::sin(1.3 * j));
  y = x;
  int ifail = 0;
  c06pcf("F", y.data(), &n, work.data(), &ifail, 1);
  // Forward transform with the 1/sqrt(n) factor: y_0 = sum(x) / sqrt(n).
  kiv2_complex sum = 0;
  for (const kiv2_complex& v : x) sum += v;
  const bool dc = std::abs(y[0] - sum / std::sqrt(double(n))) <= 1e-13 * std::abs(sum);
  int ifail2 = 0;
  c06pcf("B", y.data(), &n, work.data(), &ifail2, 1);
  double err = 0, scale = 0;
  for (int j = 0; j < n; ++j) {
    err = std::fmax(err, std::abs(y[j] - x[j]));
    scale = std::fmax(scale, std::abs(x[j]));
  }
  check(ifail == 0 && ifail2 == 0 && dc && err <= 1e-13 * scale,
        "complex FFT forward and back (C06PCF, _q44888@24)", "error " + std::to_string(err));
}

// A 2-D transform along every dimension and back (C06PJF), and a sine
// transform applied twice (C06RAF).
void fft_more() {
  if (!present("_q59607@36", "2-D FFT (C06PJF)") || !present("_q12278@20", "sine transform (C06RAF)"))
    return;
  using Pjf = int(KIV_CALL*)(const char*, const int*, const int*, const int*, kiv2_complex*,
                             kiv2_complex*, const int*, int*, int);
  const int nd[2] = {6, 10}, ndim = 2, n = 60, lwork = n + 3 * (10 + 5);
  std::vector<kiv2_complex> x(n), y, work(lwork);
  for (int j = 0; j < n; ++j) x[j] = kiv2_complex(std::sin(0.3 * j), 0.1 * j);
  y = x;
  int ifail = 0, ifail2 = 0;
  entry<Pjf>("_q59607@36")("F", &ndim, nd, &n, y.data(), work.data(), &lwork, &ifail, 1);
  kiv2_complex sum = 0;
  for (const kiv2_complex& v : x) sum += v;
  const bool dc = std::abs(y[0] - sum / std::sqrt(60.0)) <= 1e-13 * std::abs(sum);
  entry<Pjf>("_q59607@36")("B", &ndim, nd, &n, y.data(), work.data(), &lwork, &ifail2, 1);
  double err = 0;
  for (int j = 0; j < n; ++j) err = std::fmax(err, std::abs(y[j] - x[j]));
  check(ifail == 0 && ifail2 == 0 && dc && err <= 1e-13 && work[0].real() == 70.0,
        "2-D FFT forward and back (C06PJF, _q59607@36)", "error " + std::to_string(err));

  using Raf = int(KIV_CALL*)(const int*, const int*, double*, double*, int*);
  const int m = 1, len = 12;
  std::vector<double> s(len + 2), w(3 * len);
  for (int j = 0; j < len - 1; ++j) s[j] = std::cos(0.4 * j);
  const std::vector<double> s0 = s;
  entry<Raf>("_q12278@20")(&m, &len, s.data(), w.data(), &ifail);
  entry<Raf>("_q12278@20")(&m, &len, s.data(), w.data(), &ifail2);
  err = 0;
  for (int j = 0; j < len - 1; ++j) err = std::fmax(err, std::fabs(s[j] - s0[j]));
  check(ifail == 0 && ifail2 == 0 && err <= 1e-14, "sine transform twice (C06RAF, _q12278@20)",
        "error " + std::to_string(err));
}

// --- roots ---------------------------------------------------------------------

struct RootUser {
  int calls;
};

// The host's function, stdcall: f(x) = x^2 - 2, counting its calls through
// the first user word; the second must come back unchanged.
double KIV_CALL root_function(const double* x, void* user1, void* user2) {
  static_cast<RootUser*>(user1)->calls += (user2 == reinterpret_cast<void*>(0x5eed)) ? 1 : 1000000;
  return *x * *x - 2.0;
}

void root_by_callback() {
  if (!present("_q27089@40", "zero by callback (C05AGF)")) return;
  using Fn = double(KIV_CALL*)(const double*, void*, void*);
  using C05agf = int(KIV_CALL*)(double*, const double*, const double*, const double*, Fn, double*,
                                double*, void*, void*, int*);
  double x = 1.0, a = 0, b = 0;
  const double h = 0.1, eps = 1e-12, eta = 0.0;
  RootUser user{0};
  int ifail = 0;
  entry<C05agf>("_q27089@40")(&x, &h, &eps, &eta, root_function, &a, &b, &user,
                              reinterpret_cast<void*>(0x5eed), &ifail);
  check(ifail == 0 && std::fabs(x - std::sqrt(2.0)) <= 1e-10 && a <= x && x <= b &&
            user.calls > 0 && user.calls < 1000000,
        "zero of x^2 - 2 by a stdcall callback (C05AGF, _q27089@40)",
        "x " + std::to_string(x) + ", IFAIL " + std::to_string(ifail));
}

void quartic_zeros() {
  if (!present("_q37432@36", "quartic zeros (C02ALF)")) return;
  using C02alf = int(KIV_CALL*)(const double*, const double*, const double*, const double*,
                                const double*, double*, double*, double*, int*);
  // (z - 1)(z - 2)(z - 3)(z - 4).
  const double e = 1, a = -10, b = 35, c = -50, d = 24;
  double zr[4], zi[4], zerr[4];
  int ifail = 0;
  entry<C02alf>("_q37432@36")(&e, &a, &b, &c, &d, zr, zi, zerr, &ifail);
  double sum = 0, worst = 0;
  for (int i = 0; i < 4; ++i) {
    sum += zr[i];
    worst = std::fmax(worst, std::fabs(zr[i] - std::round(zr[i])) + std::fabs(zi[i]));
  }
  check(ifail == 0 && worst <= 1e-12 && close(sum, 10.0, 1e-14),
        "zeros of (z-1)(z-2)(z-3)(z-4) (C02ALF, _q37432@36)",
        "IFAIL " + std::to_string(ifail) + ", error " + std::to_string(worst));

  if (!present("_q86094@36", "complex quartic zeros (C02ANF)")) return;
  using C02anf = int(KIV_CALL*)(const kiv2_complex*, const kiv2_complex*, const kiv2_complex*,
                                const kiv2_complex*, const kiv2_complex*, double*, double*,
                                double*, int*);
  const kiv2_complex ce{1, 0}, zero{0, 0}, cd{-1, 0};  // z^4 - 1
  ifail = 0;
  entry<C02anf>("_q86094@36")(&ce, &zero, &zero, &zero, &cd, zr, zi, zerr, &ifail);
  bool unit = ifail == 0;
  for (int i = 0; i < 4; ++i) unit = unit && close(std::hypot(zr[i], zi[i]), 1.0, 1e-14);
  check(unit, "zeros of z^4 - 1 on the unit circle (C02ANF, _q86094@36)");
}

void interval_search() {
  if (!present("_q25440@36", "interval search (C05AVF)")) return;
  using C05avf = int(KIV_CALL*)(double*, const double*, double*, const double*, const double*,
                                double*, double*, int*, int*);
  double x = 0, fx = 0, h = 1, lo = -10, hi = 10, y = 0, c[11];
  int ind = 1, ifail = 0, calls = 0;
  while (calls < 100) {
    entry<C05avf>("_q25440@36")(&x, &fx, &h, &lo, &hi, &y, c, &ind, &ifail);
    if (ind == 0) break;
    fx = x - 2.5;
    ++calls;
  }
  check(ifail == 0 && ind == 0 && std::fmin(x, y) <= 2.5 && std::fmax(x, y) >= 2.5,
        "sign change of x - 2.5 by reverse communication (C05AVF, _q25440@36)");
}

// --- quadrature ------------------------------------------------------------------

double KIV_CALL quadrature_integrand(const int* ndim, const double* x, void* calls, void* tag) {
  *static_cast<int*>(calls) += tag == reinterpret_cast<void*>(0x71) ? 1 : 1000000;
  double q = 0;
  for (int i = 0; i < *ndim; ++i) q += x[i] * x[i];
  return q;
}

void quadrature() {
  if (present("_q22201@52", "integral over a ball (D01JAF)")) {
    using D01jaf = int(KIV_CALL*)(kiv2_funn, const int*, const double*, const double*,
                                  const double*, const int*, const int*, double*, double*, int*,
                                  void*, void*, int*);
    const int ndim = 3, method = 0, icoord = 0;
    const double radius = 1.0, absacc = 0.0, relacc = 1e-8;
    double result = 0, errest = 0;
    int nfun = 0, calls = 0, ifail = 0;
    entry<D01jaf>("_q22201@52")(quadrature_integrand, &ndim, &radius, &absacc, &relacc, &method,
                                &icoord, &result, &errest, &nfun, &calls,
                                reinterpret_cast<void*>(0x71), &ifail);
    // The integral of |x|^2 over the unit ball in 3-D is 4 pi / 5.
    check(ifail == 0 && close(result, 4 * 3.141592653589793 / 5, 1e-8) && nfun == calls,
          "integral of |x|^2 over the unit ball by a stdcall callback (D01JAF, _q22201@52)",
          "IFAIL " + std::to_string(ifail) + ", result " + std::to_string(result));
  }
  if (present("_q14537@48", "integral over a simplex (D01PAF)")) {
    using D01paf = int(KIV_CALL*)(const int*, double*, const int*, const int*, kiv2_funn, int*,
                                  const int*, double*, double*, void*, void*, int*);
    const int ndim = 2, iv1 = 3, iv2 = 6, maxord = 3;
    double vertex[iv1 * iv2] = {1, 0, 0, 0, 1, 0, 0, 0, 0};  // the unit triangle
    double values[maxord], errest = 0;
    int minord = 0, calls = 0, ifail = 0;
    entry<D01paf>("_q14537@48")(&ndim, vertex, &iv1, &iv2, quadrature_integrand, &minord, &maxord,
                                values, &errest, &calls, reinterpret_cast<void*>(0x71), &ifail);
    // x^2 + y^2 over the unit triangle: 1/6, exact from order 1 (degree 3).
    check(ifail == 0 && minord == maxord && close(values[2], 1.0 / 6.0, 1e-14) && calls == 1 + 3 + 6,
          "integral over the unit triangle by a stdcall callback (D01PAF, _q14537@48)",
          "IFAIL " + std::to_string(ifail) + ", value " + std::to_string(values[2]));
  }
}

// --- sparse ----------------------------------------------------------------------

void sparse_solve() {
  if (!present("_q54529@84", "sparse solve (F11DEF)")) return;
  // Tridiagonal (-1, 4, -1) of order 8 in coordinate storage, sorted by row
  // and column; the right-hand side of the solution x = (1, 2, ..., 8).
  const int n = 8;
  std::vector<double> a;
  std::vector<int> irow, icol;
  for (int i = 1; i <= n; ++i)
    for (int j = i - 1; j <= i + 1; ++j)
      if (j >= 1 && j <= n) {
        a.push_back(i == j ? 4.0 : -1.0);
        irow.push_back(i);
        icol.push_back(j);
      }
  std::vector<double> rhs(n), x(n, 0.0);
  for (int i = 1; i <= n; ++i) rhs[i - 1] = 4.0 * i - (i > 1 ? i - 1 : 0) - (i < n ? i + 1 : 0);
  const int nnz = static_cast<int>(a.size()), m = 4, maxitn = 100;
  const double omega = 1.1, tol = 1e-12;
  int lwork = 2000, nits = 0, ifail = 0;
  double resnrm = 0;
  std::vector<double> work(lwork);
  std::vector<int> iwork(2 * n + 1);
  using F11def = int(KIV_CALL*)(const char*, const char*, const int*, const int*, const double*,
                                const int*, const int*, const double*, const double*, const int*,
                                const double*, const int*, double*, double*, int*, double*,
                                const int*, int*, int*, int, int);
  entry<F11def>("_q54529@84")("BICGSTAB", "S", &n, &nnz, a.data(), irow.data(), icol.data(),
                              &omega, rhs.data(), &m, &tol, &maxitn, x.data(), &resnrm, &nits,
                              work.data(), &lwork, iwork.data(), &ifail, 8, 1);
  double err = 0;
  for (int i = 0; i < n; ++i) err = std::fmax(err, std::fabs(x[i] - (i + 1)));
  check(ifail == 0 && err <= 1e-9, "sparse solve, BiCGSTAB with SSOR (F11DEF, _q54529@84)",
        "IFAIL " + std::to_string(ifail) + ", error " + std::to_string(err));
}

// The same tridiagonal matrix factorised by F11DAF (level 0 is exact here):
// F11DBF solves with the factor alone, F11DCF runs RGMRES on it.
void sparse_ilu_solve() {
  if (!present("_q85132@84", "incomplete LU (F11DAF)")) return;
  const int n = 8, la = 200, lfill = 0, liwork = 7 * n + 2;
  std::vector<double> a(la);
  std::vector<int> irow(la), icol(la);
  int nnz = 0;
  for (int i = 1; i <= n; ++i)
    for (int j = i - 1; j <= i + 1; ++j)
      if (j >= 1 && j <= n) {
        a[nnz] = i == j ? 4.0 : -1.0;
        irow[nnz] = i;
        icol[nnz++] = j;
      }
  std::vector<double> rhs(n), x(n, 0.0);
  for (int i = 1; i <= n; ++i) rhs[i - 1] = 4.0 * i - (i > 1 ? i - 1 : 0) - (i < n ? i + 1 : 0);
  std::vector<int> ipivp(n), ipivq(n), istr(n + 1), idiag(n), iwork(liwork);
  const double dtol = 0.0;
  int nnzfac = 0, npvmod = 0, ifail = 0;
  using F11daf = int(KIV_CALL*)(const int*, const int*, double*, const int*, int*, int*,
                                const int*, const double*, const char*, const char*, int*, int*,
                                int*, int*, int*, int*, int*, const int*, int*, int, int);
  entry<F11daf>("_q85132@84")(&n, &nnz, a.data(), &la, irow.data(), icol.data(), &lfill, &dtol,
                              "N", "N", ipivp.data(), ipivq.data(), istr.data(), idiag.data(),
                              &nnzfac, &npvmod, iwork.data(), &liwork, &ifail, 1, 1);
  check(ifail == 0 && nnzfac == nnz && npvmod == 0, "incomplete LU (F11DAF, _q85132@84)",
        "IFAIL " + std::to_string(ifail) + ", NNZFAC " + std::to_string(nnzfac));

  using F11dbf = int(KIV_CALL*)(const char*, const int*, const double*, const int*, const int*,
                                const int*, int*, int*, const int*, const int*, const char*,
                                const double*, double*, int*, int, int);
  ifail = 0;
  entry<F11dbf>("_q50007@64")("N", &n, a.data(), &la, irow.data(), icol.data(), ipivp.data(),
                              ipivq.data(), istr.data(), idiag.data(), "C", rhs.data(), x.data(),
                              &ifail, 1, 1);
  double err = 0;
  for (int i = 0; i < n; ++i) err = std::fmax(err, std::fabs(x[i] - (i + 1)));
  check(ifail == 0 && err <= 1e-12, "exact factor solve (F11DBF, _q50007@64)",
        "IFAIL " + std::to_string(ifail) + ", error " + std::to_string(err));

  using F11dcf = int(KIV_CALL*)(const char*, const int*, const int*, const double*, const int*,
                                const int*, const int*, int*, int*, const int*, const int*,
                                const double*, const int*, const double*, const int*, double*,
                                double*, int*, double*, const int*, int*, int);
  const int m = 4, maxitn = 50, lwork = 1000;
  const double tol = 1e-12;
  std::vector<double> work(lwork);
  double resnrm = 0;
  int nits = 0;
  std::fill(x.begin(), x.end(), 0.0);
  ifail = 0;
  entry<F11dcf>("_q87762@88")("RGMRES", &n, &nnz, a.data(), &la, irow.data(), icol.data(),
                              ipivp.data(), ipivq.data(), istr.data(), idiag.data(), rhs.data(),
                              &m, &tol, &maxitn, x.data(), &resnrm, &nits, work.data(), &lwork,
                              &ifail, 6);
  err = 0;
  for (int i = 0; i < n; ++i) err = std::fmax(err, std::fabs(x[i] - (i + 1)));
  check(ifail == 0 && err <= 1e-9 && nits >= 1, "sparse solve, RGMRES with ILU (F11DCF, _q87762@88)",
        "IFAIL " + std::to_string(ifail) + ", error " + std::to_string(err));
}

// A Hermitian tridiagonal matrix (its lower triangle): incomplete Cholesky
// with level 0 keeps all of it, so F11JAF/F11JNF factorise exactly and
// F11JBF/F11JPF return the solution 1, 2, ..., N.
double conjugate(double v) { return v; }
std::complex<double> conjugate(std::complex<double> v) { return std::conj(v); }

template <class T>
void sparse_ichol_case(const char* factor_name, const char* factor_export,
                       const char* solve_name, const char* solve_export, T off) {
  if (!present(factor_export, factor_name)) return;
  const int n = 8, la = 100, lfill = 0;
  std::vector<T> a(la);
  std::vector<int> irow(la), icol(la);
  int nnz = 0;
  for (int i = 1; i <= n; ++i) {
    if (i > 1) a[nnz] = off, irow[nnz] = i, icol[nnz++] = i - 1;
    a[nnz] = T(4.0), irow[nnz] = i, icol[nnz++] = i;
  }
  // y = A x for x(i) = i, with A(i-1, i) the conjugate of A(i, i-1).
  std::vector<T> y(n), x(n);
  for (int i = 1; i <= n; ++i) {
    y[i - 1] = T(4.0 * i);
    if (i > 1) y[i - 1] += off * T(i - 1.0);
    if (i < n) y[i - 1] += conjugate(off) * T(i + 1.0);
  }
  const int liwork = 2 * la - 3 * nnz + 7 * n + 1;
  std::vector<int> ipiv(n), istr(n + 1), iwork(liwork);
  const double dtol = 0.0, dshift = 0.0;
  int nnzfac = 0, npvmod = 0, ifail = 0;
  using Factor = int(KIV_CALL*)(const int*, const int*, T*, const int*, int*, int*, const int*,
                                const double*, const char*, const double*, const char*, int*,
                                int*, int*, int*, int*, const int*, int*, int, int);
  entry<Factor>(factor_export)(&n, &nnz, a.data(), &la, irow.data(), icol.data(), &lfill, &dtol,
                               "N", &dshift, "M", ipiv.data(), istr.data(), &nnzfac, &npvmod,
                               iwork.data(), &liwork, &ifail, 1, 1);
  check(ifail == 0 && nnzfac == nnz && npvmod == 0,
        (std::string("incomplete Cholesky (") + factor_name + ", " + factor_export + ")").c_str(),
        "IFAIL " + std::to_string(ifail) + ", NNZFAC " + std::to_string(nnzfac));
  using Solve = int(KIV_CALL*)(const int*, const T*, const int*, const int*, const int*, int*,
                               const int*, const char*, const T*, T*, int*, int);
  ifail = 0;
  entry<Solve>(solve_export)(&n, a.data(), &la, irow.data(), icol.data(), ipiv.data(),
                             istr.data(), "C", y.data(), x.data(), &ifail, 1);
  double err = 0;
  for (int i = 0; i < n; ++i) err = std::fmax(err, std::abs(x[i] - T(i + 1.0)));
  check(ifail == 0 && err <= 1e-12,
        (std::string("incomplete Cholesky solve (") + solve_name + ", " + solve_export + ")").c_str(),
        "IFAIL " + std::to_string(ifail) + ", error " + std::to_string(err));
}

void sparse_ichol_solve() {
  sparse_ichol_case<double>("F11JAF", "_q99068@80", "F11JBF", "_q77786@48", -1.0);
  sparse_ichol_case<std::complex<double>>("F11JNF", "_q63420@80", "F11JPF", "_q43905@48",
                                          std::complex<double>(-1.0, 0.5));
}

// The Hermitian tridiagonal matrix (4 on the diagonal, -1 + 0.5i below):
// the SSOR solve with OMEGA = 1 maps (D + L) e1 = 4 e1 + A(2,1) e2 back to
// e1; the drivers solve A x = y for x(i) = i by CG, with the incomplete
// Cholesky factor (F11JQF) and with SSOR (F11JSF).
void sparse_hermitian() {
  using z = std::complex<double>;
  if (!present("_q48472@52", "Hermitian SSOR solve (F11JRF)")) return;
  const int n = 8, la = 100;
  const z off(-1.0, 0.5);
  std::vector<z> a(la);
  std::vector<int> irow(la), icol(la);
  int nnz = 0;
  for (int i = 1; i <= n; ++i) {
    if (i > 1) a[nnz] = off, irow[nnz] = i, icol[nnz++] = i - 1;
    a[nnz] = z(4.0), irow[nnz] = i, icol[nnz++] = i;
  }
  std::vector<double> dinv(n, 0.25);
  std::vector<z> y(n), x(n);
  y[0] = 4.0;
  y[1] = off;
  std::vector<int> iwork(n + 1);
  const double omega = 1.0;
  int ifail = 0;
  using F11jrf = int(KIV_CALL*)(const int*, const int*, const z*, const int*, const int*,
                                const double*, const double*, const char*, const z*, z*, int*,
                                int*, int);
  entry<F11jrf>("_q48472@52")(&n, &nnz, a.data(), irow.data(), icol.data(), dinv.data(), &omega,
                              "C", y.data(), x.data(), iwork.data(), &ifail, 1);
  double err = 0;
  for (int i = 0; i < n; ++i) err = std::fmax(err, std::abs(x[i] - z(i == 0 ? 1.0 : 0.0)));
  check(ifail == 0 && err <= 1e-14, "Hermitian SSOR solve (F11JRF, _q48472@52)",
        "IFAIL " + std::to_string(ifail) + ", error " + std::to_string(err));

  // y = A x for x(i) = i.
  for (int i = 1; i <= n; ++i) {
    y[i - 1] = z(4.0 * i);
    if (i > 1) y[i - 1] += off * z(i - 1.0);
    if (i < n) y[i - 1] += std::conj(off) * z(i + 1.0);
  }
  const int maxitn = 50, lwork = 6 * n + 120;
  const double tol = 1e-12;
  std::vector<z> work(lwork);
  double resnrm = 0;
  int nits = 0;
  if (present("_q48075@84", "Hermitian solve with SSOR (F11JSF)")) {
    using F11jsf = int(KIV_CALL*)(const char*, const char*, const int*, const int*, const z*,
                                  const int*, const int*, const double*, const z*,
                                  const double*, const int*, z*, double*, int*, double*, z*,
                                  const int*, int*, int*, int, int);
    const double w = 1.2;
    std::fill(x.begin(), x.end(), z(0.0));
    ifail = 0;
    entry<F11jsf>("_q48075@84")("CG", "S", &n, &nnz, a.data(), irow.data(), icol.data(), &w,
                                y.data(), &tol, &maxitn, x.data(), &resnrm, &nits, dinv.data(),
                                work.data(), &lwork, iwork.data(), &ifail, 2, 1);
    err = 0;
    for (int i = 0; i < n; ++i) err = std::fmax(err, std::abs(x[i] - z(i + 1.0)));
    check(ifail == 0 && err <= 1e-9 && nits >= 1, "Hermitian solve, CG with SSOR (F11JSF, _q48075@84)",
          "IFAIL " + std::to_string(ifail) + ", error " + std::to_string(err));
  }
  if (present("_q18583@76", "Hermitian solve with incomplete Cholesky (F11JQF)")) {
    const int lfill = 0, liwork = 2 * la - 3 * nnz + 7 * n + 1;
    std::vector<int> ipiv(n), istr(n + 1), icwork(liwork);
    const double dtol = 0.0, dshift = 0.0;
    int nnzfac = 0, npvmod = 0;
    using Factor = int(KIV_CALL*)(const int*, const int*, z*, const int*, int*, int*, const int*,
                                  const double*, const char*, const double*, const char*, int*,
                                  int*, int*, int*, int*, const int*, int*, int, int);
    ifail = 0;
    entry<Factor>("_q63420@80")(&n, &nnz, a.data(), &la, irow.data(), icol.data(), &lfill, &dtol,
                                "N", &dshift, "N", ipiv.data(), istr.data(), &nnzfac, &npvmod,
                                icwork.data(), &liwork, &ifail, 1, 1);
    using F11jqf = int(KIV_CALL*)(const char*, const int*, const int*, const z*, const int*,
                                  const int*, const int*, int*, const int*, const z*,
                                  const double*, const int*, z*, double*, int*, z*, const int*,
                                  int*, int);
    std::fill(x.begin(), x.end(), z(0.0));
    entry<F11jqf>("_q18583@76")("CG", &n, &nnz, a.data(), &la, irow.data(), icol.data(),
                                ipiv.data(), istr.data(), y.data(), &tol, &maxitn, x.data(),
                                &resnrm, &nits, work.data(), &lwork, &ifail, 2);
    err = 0;
    for (int i = 0; i < n; ++i) err = std::fmax(err, std::abs(x[i] - z(i + 1.0)));
    check(ifail == 0 && err <= 1e-9, "Hermitian solve, CG with incomplete Cholesky (F11JQF, _q18583@76)",
          "IFAIL " + std::to_string(ifail) + ", error " + std::to_string(err));
  }
}

// CG by reverse communication on the same Hermitian tridiagonal matrix,
// through the host wrappers: set-up, the caller's products until the end,
// then the monitoring call.
template <class T>
void sparse_cg_case(const char* what, const char* setup_export, const char* iterate_export,
                    const char* monitor_export, T off) {
  if (!present(setup_export, what)) return;
  const int n = 8, iterm = 1, maxitn = 50, maxits = 0, monit = 0, lwork = 120 + 5 * n;
  const double tol = 1e-12, anorm = 0.0, sigmax = 0.0, sigtol = 0.0;
  std::vector<T> u(n, T(0.0)), v(n), work(lwork);
  std::vector<double> wgt(n, 1.0);
  for (int i = 1; i <= n; ++i) {
    v[i - 1] = T(4.0 * i);
    if (i > 1) v[i - 1] += off * T(i - 1.0);
    if (i < n) v[i - 1] += conjugate(off) * T(i + 1.0);
  }
  int lwreq = 0, ifail = 0;
  using Setup = int(KIV_CALL*)(const char*, const char*, const char*, const char*, const char*,
                               const int*, const int*, const double*, const int*, const double*,
                               const double*, const double*, const int*, const int*, int*, T*,
                               const int*, int*, int, int, int, int, int);
  entry<Setup>(setup_export)("CG", "N", "N", "1", "N", &iterm, &n, &tol, &maxitn, &anorm,
                             &sigmax, &sigtol, &maxits, &monit, &lwreq, work.data(), &lwork,
                             &ifail, 2, 1, 1, 1, 1);
  using Iterate = int(KIV_CALL*)(int*, T*, T*, const double*, T*, const int*, int*);
  int irevcm = 0, calls = 0;
  while (ifail == 0 && calls++ < 1000) {
    entry<Iterate>(iterate_export)(&irevcm, u.data(), v.data(), wgt.data(), work.data(), &lwork,
                                   &ifail);
    if (irevcm == 4) break;
    if (irevcm == 1 || irevcm == -1) {  // A is Hermitian: A^H U = A U
      for (int i = 0; i < n; ++i) {
        v[i] = T(4.0) * u[i];
        if (i > 0) v[i] += off * u[i - 1];
        if (i < n - 1) v[i] += conjugate(off) * u[i + 1];
      }
    }
  }
  int itn = 0, its = 0;
  double stplhs = 0, stprhs = 0, anorm_out = 0, sigmax_out = 0, sigerr = 0;
  int mfail = 0;
  using Monitor = int(KIV_CALL*)(int*, double*, double*, double*, double*, int*, double*,
                                 const T*, const int*, int*);
  entry<Monitor>(monitor_export)(&itn, &stplhs, &stprhs, &anorm_out, &sigmax_out, &its, &sigerr,
                                 work.data(), &lwork, &mfail);
  double err = 0;
  for (int i = 0; i < n; ++i) err = std::fmax(err, std::abs(u[i] - T(i + 1.0)));
  check(ifail == 0 && mfail == 0 && err <= 1e-9 && itn >= 1 && stplhs <= stprhs, what,
        "IFAIL " + std::to_string(ifail) + ", error " + std::to_string(err));
}

void sparse_cg_solve() {
  sparse_cg_case<double>("CG by reverse communication (F11GDF, F11GEF, F11GFF)", "_q70763@92",
                         "_q98114@28", "_q39747@40", -1.0);
  sparse_cg_case<std::complex<double>>(
      "complex CG by reverse communication (F11GRF, F11GSF, F11GTF)", "_q24675@92", "_q89008@28",
      "_q94429@40", std::complex<double>(-1.0, 0.5));
}

}  // namespace

int main(int argc, char** argv) {
  g_dll = LoadLibraryA("kiv2.dll");
  if (g_dll == nullptr) {
    std::printf("FAIL  LoadLibrary(kiv2.dll): error %lu\n", GetLastError());
    return 1;
  }
  if (argc > 1 && std::strcmp(argv[1], "--hard-stop") == 0) {
    const double x = -3.0;
    int ifail = 0;
    entry<Gamma>("_q26243@8")(&x, &ifail);
    return 0;  // not reached: the library ends the process
  }
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  every_export_resolves();
  poison();
  constants();
  gamma_values();
  gamma_soft_failure();
  gamma_hard_failure();
  sorting();
  fft_round_trip();
  fft_more();
  root_by_callback();
  quartic_zeros();
  interval_search();
  quadrature();
  sparse_solve();
  sparse_ilu_solve();
  sparse_ichol_solve();
  sparse_cg_solve();
  sparse_hermitian();
  FreeLibrary(g_dll);
  std::printf("smoke: %d passed, %d failed\n", g_passed, g_failed);
  return g_failed == 0 ? 0 : 1;
}
