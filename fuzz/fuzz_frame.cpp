// The frame's utilities: the error handler with arbitrary names, lines and
// lengths, the output units, the poison routines, the complex arithmetic
// and random number generators, and the export resolver.
#include <cmath>
#include <cstdlib>

#include "frame/constants.hpp"
#include "frame/errors.hpp"
#include "input.hpp"

namespace {

using kivfuzz::Array;
using kivfuzz::Input;

// An IFAIL with which ERROR_EXIT returns instead of ending the process.
int soft_ifail(Input& in) {
  const int a = in.integer(-20, 120);
  const bool noisy = a == -1 || a == 0 || a == -13 || (a > 0 && (a / 10) % 10 != 0);
  return noisy && a != -13 && std::abs(a % 10) != 1 ? 1 : a;
}

// Text of exactly LEN characters (no terminating NUL unless it is one).
Array<char> text(Input& in, int len) {
  Array<char> t(len);
  for (std::size_t i = 0; i < t.size(); ++i)
    t[i] =
        in.flag() ? static_cast<char>(in.range(0, 255)) : in.pick<char>({' ', 'A', 'z', '%', 'd'});
  return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  int unit = 0;
  kiv::ERROR_UNIT(0, &unit);
  for (int step = 0; step < 32 && !in.empty(); ++step) {
    switch (in.range(0, 9)) {
      case 0:
      case 1: {
        const int srname_len = in.integer(0, 14), varname_len = in.integer(0, 8);
        const int nlines = in.integer(0, 4), reclen = in.integer(0, 90);
        if (!kivfuzz::fits(srname_len) || !kivfuzz::fits(varname_len) ||
            !kivfuzz::fits(std::int64_t{kivfuzz::count(nlines)} * kivfuzz::count(reclen)))
          break;
        auto srname = text(in, srname_len), varname = text(in, varname_len);
        auto lines = text(in, std::int64_t{kivfuzz::count(nlines)} * kivfuzz::count(reclen));
        const int ifail = soft_ifail(in), ierr = in.integer(-5, 5);
        if (in.flag())
          ERROR_EXIT(ifail, ierr, srname.data(), nlines, lines.data(), srname_len, reclen);
        else
          ERROR_EXIT_NAMED(ifail, ierr, srname.data(), varname.data(), nlines, lines.data(),
                           srname_len, varname_len, reclen);
        break;
      }
      case 2: {
        int mode = in.integer(-1, 2), u = in.integer(-2, 8);
        ERROR_UNIT_BYREF(&mode, &u);
        break;
      }
      case 3: {
        const int n = in.integer(-2, 40);
        if (!kivfuzz::fits(n)) break;
        Array<double> x(n);
        Array<int> i(n);
        Array<kiv2_complex> z(n);
        POISON_REALS(n, x.data());
        POISON_INTEGERS(n, i.data());
        POISON_COMPLEXES(n, z.data());
        break;
      }
      case 4: {
        const double a = in.real(), b = in.real(), c = in.real(), d = in.real();
        double re, im;
        COMPLEX_SQRT_BYREF(&a, &b, &re, &im);
        if (!std::isnan(re) && re < 0) __builtin_trap();  // the principal root
        COMPLEX_DIV(a, b, c, d, &re, &im);
        COMPLEX_ABS(a, b);
        int fail;
        kiv::SAFE_DIV(a, b, &fail);
        std::complex<double> q;
        kiv::COMPLEX_SAFE_DIV(&q, {a, b}, {c, d}, &fail);
        kiv::MULTIPLY_SIGN(&a, &b);
        break;
      }
      case 5: {
        Array<int> state(4);
        in.fill(state, -5, 40000);
        int generator = in.integer(-1, 280);
        for (int k = in.range(1, 4); k > 0; --k) RANDOM_UNIFORM_BYREF(&generator, state.data());
        RANDOM_WH(in.integer(-1, 280), state.data());
        if (in.flag()) RANDOM_INIT(&generator, state.data());
        break;
      }
      case 6: {
        // A NUL-terminated name, as a host passes one.
        const int len = in.range(0, 16);
        auto name = text(in, len + 1);
        name[len] = '\0';
        kiv2_entry(name.data());
        break;
      }
      case 7: {
        const int len = in.range(0, 16), out_len = in.integer(0, 16), maxlen = in.integer(0, 16);
        if (!kivfuzz::fits(out_len)) break;
        auto name = text(in, len + 1);
        name[len] = '\0';
        auto out = text(in, out_len > 0 ? out_len : 0);
        int count = -1;
        if (out_len > 0) kiv::UPPERCASE_NAME(name.data(), out.data(), &count, out_len, maxlen);
        auto a = text(in, 1), b = text(in, 1);
        kiv::SAME_LETTER(a.data(), b.data(), 1, 1);
        break;
      }
      case 8:
        IMPLEMENTATION_DETAILS();
        break;
      default: {
        int mode = 1;
        ERROR_UNIT_BYREF(&mode, &unit);
      }
    }
  }
  int mode = 1;
  ERROR_UNIT_BYREF(&mode, &unit);
  return 0;
}
