// The transforms through their host wrappers: lengths that factor into
// small primes (so that the kernels run), large primes, too many factors,
// and the extremes; options with any letters and lengths.
#include "input.hpp"

namespace {

using kivfuzz::Array;
using kivfuzz::Input;

int length(Input& in) {
  if (in.range(0, 3) == 3) return in.integer(-2, 300);
  // A product of small primes (and now and then a larger one).
  int n = 1;
  for (int k = in.range(0, 6); k > 0; --k) {
    const int p = in.pick<int>({2, 3, 4, 5, 6, 7, 8, 11, 13, 16, 17, 19, 23, 29, 31, 37});
    if (n > 2048 / p) break;
    n *= p;
  }
  return n;
}

void real_transform(Input& in) {
  int n = length(in), ifail = 1;
  Array<double> x(n), work(n);
  if (kivfuzz::oversized()) return;
  in.fill(x);
  switch (in.range(0, 2)) {
    case 0:
      C06FAF_HOST(x.data(), &n, work.data(), &ifail);
      break;
    case 1:
      C06FBF_HOST(x.data(), &n, work.data(), &ifail);
      break;
    default:
      C06GBF_HOST(x.data(), &n, &ifail);
  }
  if (ifail < 0 || ifail > 3) __builtin_trap();
}

void complex_transform(Input& in) {
  int n = length(in), ifail = 1;
  auto direct = in.option("FB");
  Array<kiv2_complex> x(n), work(2 * kivfuzz::count(n));
  if (kivfuzz::oversized()) return;
  in.fill(x);
  C06PCF_HOST(direct.text.get(), x.data(), &n, work.data(), &ifail, direct.len);
  if (ifail < 0 || ifail > 3) __builtin_trap();
}

void multiple(Input& in) {
  int m = in.integer(1, 6), n = length(in), ifail = 1;
  auto direct = in.option("FB");
  const std::int64_t cm = kivfuzz::count(m), cn = kivfuzz::count(n);
  char record[KIV2_RECORD_LEN + 1];
  switch (in.range(0, 2)) {
    case 0: {
      Array<double> x(cm * (std::int64_t{n} + 2)), work(m == 1 ? 3 * cn : 2 * cn + (cn + 2) * cm);
      if (kivfuzz::oversized()) return;
      in.fill(x);
      C06PPF_HOST(direct.text.get(), &m, &n, x.data(), work.data(), &ifail, direct.len);
      break;
    }
    case 1: {
      Array<kiv2_complex> x(cm * cn), work((cm + 1) * cn);
      if (kivfuzz::oversized()) return;
      in.fill(x);
      C06PRF_HOST(direct.text.get(), &m, &n, x.data(), work.data(), &ifail, direct.len);
      break;
    }
    default: {
      Array<kiv2_complex> x(cm * cn), work((cm + 1) * cn);
      if (kivfuzz::oversized()) return;
      in.fill(x);
      C06PSF(direct.text.get(), n, m, x.data(), work.data(), record, &ifail, direct.len,
             KIV2_RECORD_LEN);
    }
  }
  if (ifail < 0 || ifail > 4) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  kivfuzz::steps(in, 4, [&] {
    switch (in.range(0, 2)) {
      case 0:
        real_transform(in);
        break;
      case 1:
        complex_transform(in);
        break;
      default:
        multiple(in);
    }
  });
  return 0;
}
