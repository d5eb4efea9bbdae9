// The reverse-communication solvers: a set-up with fuzzed options, then
// the iteration driven as a caller drives it (products with a small dense
// matrix, a diagonal preconditioner, monitoring calls), with the request
// code and fields of WORK damaged now and then, as a careless caller
// would.  Every call must stay within WORK(1..LWORK), U, V and WGT.
#include <complex>
#include <vector>

#include "input.hpp"

namespace {

using kivfuzz::Array;
using kivfuzz::Input;
using z = kiv2_complex;

template <class T>
struct Api;
template <>
struct Api<double> {
  static constexpr auto setup = F11BDF_HOST;
  static constexpr auto iterate = F11BEF_HOST;
  static constexpr auto monitor = F11BFF_HOST;
  static constexpr int kBlock = 100;
};
template <>
struct Api<z> {
  static constexpr auto setup = F11BRF_HOST;
  static constexpr auto iterate = F11BSF_HOST;
  static constexpr auto monitor = F11BTF_HOST;
  static constexpr int kBlock = 120;
};

double conj(double x) { return x; }
z conj(z x) { return std::conj(x); }

template <class T>
void solve(Input& in) {
  // A method name most of the time: single letters name none.
  auto method =
      in.range(0, 3) != 3
          ? in.word({"RGMRES", "CGS", "BICGSTAB", "TFQMR", " tfqmr ", "bicgstab", "cgs", "RGMRESX"})
          : in.option("RCBT");
  // Valid options and sizes most of the time, so that the iteration runs.
  const bool tame = in.range(0, 7) != 7;
  auto precon = tame ? in.word({"N", "P", "p"}) : in.option("NP");
  auto norm = tame ? in.word({"1", "I", "2"}) : in.option("1I2");
  auto weight = tame ? in.word({"N", "W"}) : in.option("NW");
  int iterm = tame ? in.range(1, 2) : in.integer(1, 2);
  int n = tame ? in.range(1, 10) : in.integer(1, 10), m = tame ? in.range(1, 4) : in.integer(1, 6);
  int maxitn = in.integer(1, 60), monit = in.integer(-1, 5);
  const double tol = in.range(0, 3) != 3 ? 1e-8 : in.real();
  double anorm = in.range(0, 3) != 3 ? 0.0 : in.real();
  double sigmax = in.range(0, 3) != 3 ? 0.0 : in.real();
  // WORK is as long as the set-up asks, unless the input says otherwise.
  int lwreq = 0, ifail = 1;
  {
    int lwork = Api<T>::kBlock;
    Array<T> probe(lwork);
    Api<T>::setup(method.text.get(), precon.text.get(), norm.text.get(), weight.text.get(), &iterm,
                  &n, &m, &tol, &maxitn, &anorm, &sigmax, &monit, &lwreq, probe.data(), &lwork,
                  &ifail, method.len, precon.len, norm.len, weight.len);
  }
  int lwork = in.range(0, 3) != 3 ? lwreq : in.integer(0, 400);
  const std::int64_t nn = std::int64_t{n} * n;
  Array<T> work(lwork), u(n), v(n), a(nn), diag(n);
  Array<double> wgt(n);
  if (kivfuzz::oversized()) return;
  in.fill(a);
  in.fill(diag);
  in.fill(wgt);
  in.fill(u);
  in.fill(v);
  // A matrix that the methods can solve now and then: a strong diagonal.
  if (!in.flag())
    for (int i = 0; i < n; ++i) a[i + static_cast<std::size_t>(i) * n] += T(8);
  ifail = 1;
  Api<T>::setup(method.text.get(), precon.text.get(), norm.text.get(), weight.text.get(), &iterm,
                &n, &m, &tol, &maxitn, &anorm, &sigmax, &monit, &lwreq, work.data(), &lwork, &ifail,
                method.len, precon.len, norm.len, weight.len);
  int irevcm = 0;
  for (int call = 0; call < 200; ++call) {
    ifail = 1;
    Api<T>::iterate(&irevcm, u.data(), v.data(), wgt.data(), work.data(), &lwork, &ifail);
    if (irevcm == 4 || ifail != 0) {
      if (irevcm != 4) __builtin_trap();  // every failure finishes
      int itn;
      double stplhs, stprhs, an, sm;
      ifail = 1;
      Api<T>::monitor(&itn, &stplhs, &stprhs, &an, &sm, work.data(), &lwork, &ifail);
      if (in.range(0, 3) != 0) break;
    }
    std::vector<T> y(kivfuzz::count(n));
    switch (irevcm) {
      case 1:
      case -1:
        for (int i = 0; i < n; ++i)
          for (int k = 0; k < n; ++k)
            y[i] += (irevcm == 1 ? a[i + static_cast<std::size_t>(k) * n]
                                 : conj(a[k + static_cast<std::size_t>(i) * n])) *
                    u[k];
        for (int i = 0; i < n; ++i) v[i] = y[i];
        break;
      case 2:
        for (int i = 0; i < n; ++i) v[i] = diag[i] != T(0) ? u[i] / diag[i] : u[i];
        break;
      case 3: {
        int itn;
        double stplhs, stprhs, an, sm;
        ifail = 1;
        Api<T>::monitor(&itn, &stplhs, &stprhs, &an, &sm, work.data(), &lwork, &ifail);
        break;
      }
      default:
        break;
    }
    // Damage: a request code of the caller's choosing, a field of WORK
    // (the state block mostly), or a wrong vector.
    switch (in.range(0, 15)) {
      case 0:
        irevcm = in.pick<int>({5, 6, 0, 4, -1, 2, 3});
        break;
      case 1:
        irevcm = in.integer(-3, 8);
        break;
      case 2:
        if (work.size() > 0) {
          // The fields with a fixed meaning (0-based: the tags, stage, method,
          // N, M, MAXITN, monitoring, LWREQ, request codes, LWORK), any
          // element of the block, or any element at all.
          const int k = in.range(0, 2) == 0
                            ? in.pick<int>({0,  3,  4,  5,  6,  7,  8,  9,  10, 12, 13, 14,
                                            15, 19, 22, 23, 24, 50, 52, 53, 90, 93, 94})
                        : in.flag() ? in.range(0, Api<T>::kBlock - 1)
                                    : in.range(0, 1 << 12);
          if (static_cast<std::size_t>(k) < work.size())
            work[k] = in.flag() ? T(in.integer(-2, 2 * n + 110)) : in.value<T>();
        }
        break;
      case 3:
        if (n > 0) v[in.range(0, n - 1)] = in.value<T>();
        break;
      default:
        break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  kivfuzz::steps(in, 2, [&] {
    if (in.flag())
      solve<double>(in);
    else
      solve<z>(in);
  });
  return 0;
}
