// kivhost fft: the discrete Fourier transform of a sequence in a Matrix
// Market file, by the library's FFTs, written as a Matrix Market array.
#include <complex>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli.hpp"
#include "kiv2.h"
#include "mmio.hpp"
#include "tour.hpp"

namespace kivhost {
namespace {

constexpr const char* kName = "fft";

constexpr const char* kHelp =
    "Usage: kivhost fft [--real] [--inverse] [--odd] FILE\n"
    "Transform the sequence in FILE (a Matrix Market array or coordinate file of\n"
    "one column or one row) and write the result to standard output as a\n"
    "Matrix Market array.\n"
    "\n"
    "Both directions scale by 1/sqrt(n): z_k = sum_j x_j exp(-+2 pi i jk/n) /\n"
    "sqrt(n), with the minus sign forward.\n"
    "\n"
    "Options:\n"
    "  --real       FILE holds a real sequence x_0..x_{n-1}; the result is the\n"
    "               half spectrum z_0..z_{n/2} (the rest are its conjugates).\n"
    "               With --inverse, FILE holds that half spectrum and the result\n"
    "               is the real sequence\n"
    "  --inverse    the backward transform (exp(+2 pi i jk/n))\n"
    "  --odd        with --real --inverse: the sequence has odd length 2h-1 for\n"
    "               h values in FILE (default: even length 2h-2)\n"
    "  -h, --help   show this help and exit\n";

int fail(int ifail, const std::string& message) {
  std::fprintf(stderr, "kivhost fft: the transform failed, IFAIL = %d%s%s\n", ifail,
               message.empty() ? "" : ": ", message.c_str());
  return kExitFailed;
}

int run(int argc, char** argv) {
  bool real = false, inverse = false, odd = false;
  std::string path;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--real")
      real = true;
    else if (arg == "--inverse")
      inverse = true;
    else if (arg == "--odd")
      odd = true;
    else if (arg.size() > 1 && arg[0] == '-')
      return usage_error(kName, "unknown option '" + std::string(arg) + "'");
    else if (!path.empty())
      return usage_error(kName, "more than one file");
    else
      path = arg;
  }
  if (path.empty()) return usage_error(kName, "missing the input FILE");
  if (odd && !(real && inverse))
    return usage_error(kName, "--odd applies to --real --inverse only");

  std::vector<std::complex<double>> data;
  bool complex_input = false;
  try {
    const mm::Matrix m = mm::read(path);
    data = mm::dense_vector(m, path);
    complex_input = m.complex;
  } catch (const mm::Error& e) {
    std::fprintf(stderr, "kivhost fft: %s\n", e.what());
    return kExitUsage;
  }
  int ifail = kQuietSoft;
  std::vector<std::complex<double>> out;
  if (!real) {
    const auto pcf = resolve<decltype(&C06PCF_HOST)>("_q44888@24");
    const int n = static_cast<int>(data.size());
    std::vector<std::complex<double>> work(2 * data.size());
    MessageCapture capture;
    pcf(inverse ? "B" : "F", data.data(), &n, work.data(), &ifail, 1);
    if (ifail != 0) return fail(ifail, capture.text());
    out = std::move(data);
  } else {
    const auto ppf = resolve<decltype(&C06PPF_HOST)>("_q48967@28");
    if (!inverse && complex_input) return usage_error(kName, path + ": --real needs real data");
    const std::size_t h = data.size();
    if (inverse && h < 2 && !odd)
      return usage_error(kName, path + ": a half spectrum of one value needs --odd");
    const std::size_t n = inverse ? (odd ? 2 * h - 1 : 2 * h - 2) : h;
    const int m = 1, len = static_cast<int>(n);
    std::vector<double> x(n + 2, 0.0), work(3 * n + 2);
    if (!inverse) {
      for (std::size_t j = 0; j < n; ++j) x[j] = data[j].real();
    } else {
      for (std::size_t k = 0; k < h; ++k) x[2 * k] = data[k].real(), x[2 * k + 1] = data[k].imag();
    }
    MessageCapture capture;
    ppf(inverse ? "B" : "F", &m, &len, x.data(), work.data(), &ifail, 1);
    if (ifail != 0) return fail(ifail, capture.text());
    if (!inverse) {
      for (std::size_t k = 0; k <= n / 2; ++k) out.emplace_back(x[2 * k], x[2 * k + 1]);
    } else {
      for (std::size_t j = 0; j < n; ++j) out.emplace_back(x[j], 0.0);
    }
  }
  try {
    mm::write_vector("-", out, !(real && inverse));
  } catch (const mm::Error& e) {
    std::fprintf(stderr, "kivhost fft: %s\n", e.what());
    return kExitFailed;
  }
  return EXIT_SUCCESS;
}

}  // namespace

KIVHOST_COMMAND("fft", "Fourier transform of a sequence in a Matrix Market file", kHelp, run);

}  // namespace kivhost
