// The transforms through their host wrappers: lengths that factor into
// small primes (so that the kernels run), large primes (the prime-length
// paths), too many factors, and the extremes; options with any letters and
// lengths; multi-dimensional shapes whose N and LWORK may disagree with ND.
#include "input.hpp"

namespace {

using kivfuzz::Array;
using kivfuzz::Input;

int length(Input& in) {
  switch (in.range(0, 5)) {
    case 5:
      return in.integer(-2, 300);
    case 4:
      // A large prime, or one times a small factor: bounded so that a valid
      // call stays far below the time limit.
      return in.pick<int>({127, 251, 509, 1021, 2039, 4093, 8191, 10007, 16381}) *
             in.pick<int>({1, 1, 2, 3, 4});
    default:
      break;
  }
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

// The M by N+C array of the sine and cosine transforms, with the work
// length they document.
void sine_cosine(Input& in) {
  int m = in.integer(1, 6), n = length(in), ifail = 1;
  const int kind = in.range(0, 3);
  auto direct = in.option("FB");
  const std::int64_t cm = kivfuzz::count(m), cn = kivfuzz::count(n);
  Array<double> x(cm * (cn + (kind == 1 ? 3 : 2))),
      work(m == 1 ? 3 * cn : 2 * cn + (cn + 2) * cm);
  if (kivfuzz::oversized()) return;
  in.fill(x);
  switch (kind) {
    case 0:
      C06RAF_HOST(&m, &n, x.data(), work.data(), &ifail);
      break;
    case 1:
      C06RBF_HOST(&m, &n, x.data(), work.data(), &ifail);
      break;
    case 2:
      C06RCF_HOST(direct.text.get(), &m, &n, x.data(), work.data(), &ifail, direct.len);
      break;
    default:
      C06RDF_HOST(direct.text.get(), &m, &n, x.data(), work.data(), &ifail, direct.len);
  }
  if (ifail < 0 || ifail > 4) __builtin_trap();
}

// ND(1..NDIM) with N and LWORK mostly right, sometimes one off or wild.
void multidim(Input& in) {
  int ndim = in.integer(1, 4), ifail = 1;
  Array<int> nd(ndim);
  if (kivfuzz::oversized()) return;
  std::int64_t product = 1, largest = 0;
  for (std::size_t i = 0; i < nd.size(); ++i) {
    nd[i] = in.range(0, 7) == 7 ? in.integer(-1, 8) : length(in) % 64 + 1;
    if (in.range(0, 15) == 15 && nd[i] > 0) nd[i] = 2039;  // one prime dimension
    product = nd[i] > 0 && product <= kivfuzz::kMaxElements ? product * nd[i] : product;
    largest = nd[i] > largest ? nd[i] : largest;
  }
  const bool all = in.flag();
  int l = in.integer(1, ndim > 0 ? ndim : 1);
  const std::int64_t ndl = l >= 1 && l <= ndim ? nd[l - 1] : 1;
  const std::int64_t need = all ? product + 3 * (largest + 5) : product + ndl + 15;
  auto pick = [&](std::int64_t right) {
    switch (in.range(0, 5)) {
      case 5:
        return in.integer(-2, 100);
      case 4:
        return static_cast<int>(right > INT32_MAX ? INT32_MAX : right - 1);
      default:
        return static_cast<int>(right > INT32_MAX ? INT32_MAX : right);
    }
  };
  int n = pick(product), lwork = pick(need);
  auto direct = in.option("FB");
  Array<kiv2_complex> x(n), work(lwork);
  if (kivfuzz::oversized()) return;
  in.fill(x);
  if (all)
    C06PJF_HOST(direct.text.get(), &ndim, nd.data(), &n, x.data(), work.data(), &lwork, &ifail,
                direct.len);
  else
    C06PFF_HOST(direct.text.get(), &ndim, &l, nd.data(), &n, x.data(), work.data(), &lwork,
                &ifail, direct.len);
  if (ifail < 0 || ifail > 8) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  kivfuzz::steps(in, 4, [&] {
    switch (in.range(0, 4)) {
      case 0:
        real_transform(in);
        break;
      case 1:
        complex_transform(in);
        break;
      case 2:
        multiple(in);
        break;
      case 3:
        sine_cosine(in);
        break;
      default:
        multidim(in);
    }
  });
  return 0;
}
