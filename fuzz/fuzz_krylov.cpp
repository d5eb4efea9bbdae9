// The reverse-communication solvers, general and symmetric: a set-up with
// fuzzed options, then the iteration driven as a caller drives it (products with a small dense
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

template <class T>
struct SymApi;
template <>
struct SymApi<double> {
  static constexpr auto setup = F11GDF_HOST;
  static constexpr auto iterate = F11GEF_HOST;
  static constexpr auto monitor = F11GFF_HOST;
};
template <>
struct SymApi<z> {
  static constexpr auto setup = F11GRF_HOST;
  static constexpr auto iterate = F11GSF_HOST;
  static constexpr auto monitor = F11GTF_HOST;
};

double conj(double x) { return x; }
z conj(z x) { return std::conj(x); }

// The problem a caller holds: a dense matrix and a diagonal preconditioner.
template <class T>
struct Operators {
  int n;
  Array<T> a, diag;
};

// Drives an iteration set up in WORK: ITERATE(irevcm, u, v, wgt, work, lwork,
// ifail) and MONITOR(work, lwork) as the family's entries; FIELDS are the
// 0-based elements of the state block with a fixed meaning, BLOCK its length.
template <class T, class Iterate, class Monitor>
void drive(Input& in, Operators<T>& op, Array<T>& u, Array<T>& v, Array<double>& wgt,
           Array<T>& work, int lwork, Iterate iterate, Monitor monitor,
           std::initializer_list<int> fields, int block) {
  const int n = op.n;
  int irevcm = 0, ifail = 1;
  for (int call = 0; call < 200; ++call) {
    ifail = 1;
    iterate(&irevcm, u.data(), v.data(), wgt.data(), work.data(), &lwork, &ifail);
    if (irevcm == 4 || ifail != 0) {
      if (irevcm != 4) __builtin_trap();  // every failure finishes
      monitor(work.data(), &lwork);
      if (in.range(0, 3) != 0) break;
    }
    std::vector<T> y(kivfuzz::count(n));
    switch (irevcm) {
      case 1:
      case -1:
        for (int i = 0; i < n; ++i)
          for (int k = 0; k < n; ++k)
            y[i] += (irevcm == 1 ? op.a[i + static_cast<std::size_t>(k) * n]
                                 : conj(op.a[k + static_cast<std::size_t>(i) * n])) *
                    u[k];
        for (int i = 0; i < n; ++i) v[i] = y[i];
        break;
      case 2:
        for (int i = 0; i < n; ++i) v[i] = op.diag[i] != T(0) ? u[i] / op.diag[i] : u[i];
        break;
      case 3:
        monitor(work.data(), &lwork);
        break;
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
          // A field with a fixed meaning, any element of the block, or any
          // element at all.
          const int k = in.range(0, 2) == 0 ? in.pick<int>(fields)
                        : in.flag()         ? in.range(0, block - 1)
                                            : in.range(0, 1 << 12);
          if (static_cast<std::size_t>(k) < work.size())
            work[k] = in.flag() ? T(in.integer(-2, 2 * n + 130)) : in.value<T>();
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

// The matrix, preconditioner, weights and vectors from the input; a strong
// diagonal now and then so that the methods can solve it.  False when the
// sizes are beyond the harness's limit.
template <class T>
bool fill_problem(Input& in, Operators<T>& op, Array<T>& u, Array<T>& v, Array<double>& wgt) {
  const int n = op.n;
  op.a = Array<T>(std::int64_t{n} * n);
  op.diag = Array<T>(n);
  u = Array<T>(n);
  v = Array<T>(n);
  wgt = Array<double>(n);
  if (kivfuzz::oversized()) return false;
  in.fill(op.a);
  in.fill(op.diag);
  in.fill(wgt);
  in.fill(u);
  in.fill(v);
  if (!in.flag())
    for (int i = 0; i < n; ++i) op.a[i + static_cast<std::size_t>(i) * n] += T(8);
  return true;
}

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
  Operators<T> op{n, Array<T>(0), Array<T>(0)};
  Array<T> work(lwork), u(0), v(0);
  Array<double> wgt(0);
  if (kivfuzz::oversized() || !fill_problem(in, op, u, v, wgt)) return;
  ifail = 1;
  Api<T>::setup(method.text.get(), precon.text.get(), norm.text.get(), weight.text.get(), &iterm,
                &n, &m, &tol, &maxitn, &anorm, &sigmax, &monit, &lwreq, work.data(), &lwork, &ifail,
                method.len, precon.len, norm.len, weight.len);
  drive(in, op, u, v, wgt, work, lwork, Api<T>::iterate,
        [](const T* w, const int* lw) {
          int itn, f = 1;
          double stplhs, stprhs, an, sm;
          Api<T>::monitor(&itn, &stplhs, &stprhs, &an, &sm, w, lw, &f);
        },
        {0, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14, 15, 19, 22, 23, 24, 50, 52, 53, 90, 93, 94},
        Api<T>::kBlock);
}

template <class T>
void solve_sym(Input& in) {
  auto method = in.range(0, 3) != 3 ? in.word({"CG", "SYMMLQ", " cg ", "CGS", "symmlq", "SYMML"})
                                    : in.option("CS");
  const bool tame = in.range(0, 7) != 7;
  auto precon = tame ? in.word({"N", "P", "p"}) : in.option("NP");
  auto sigcmp = tame ? in.word({"N", "S"}) : in.option("NS");
  auto norm = tame ? in.word({"1", "I", "2"}) : in.option("1I2");
  auto weight = tame ? in.word({"N", "W"}) : in.option("NW");
  int iterm = tame ? in.range(1, 2) : in.integer(1, 2);
  int n = tame ? in.range(1, 10) : in.integer(1, 10);
  int maxitn = in.integer(1, 60), monit = in.integer(-1, 5), maxits = in.integer(0, 60);
  const double tol = in.range(0, 3) != 3 ? 1e-8 : in.real();
  double anorm = in.range(0, 3) != 3 ? 0.0 : in.real();
  double sigmax = in.range(0, 3) != 3 ? 0.0 : in.real();
  double sigtol = in.range(0, 3) != 3 ? 0.0 : in.real();
  auto setup = [&](Array<T>& w, int* lw, int* lwreq) {
    int ifail = 1;
    SymApi<T>::setup(method.text.get(), precon.text.get(), sigcmp.text.get(), norm.text.get(),
                     weight.text.get(), &iterm, &n, &tol, &maxitn, &anorm, &sigmax, &sigtol,
                     &maxits, &monit, lwreq, w.data(), lw, &ifail, method.len, precon.len,
                     sigcmp.len, norm.len, weight.len);
  };
  int lwreq = 0;
  {
    int lwork = 120;
    Array<T> probe(lwork);
    setup(probe, &lwork, &lwreq);
  }
  int lwork = in.range(0, 3) != 3 ? lwreq : in.integer(0, 400);
  Operators<T> op{n, Array<T>(0), Array<T>(0)};
  Array<T> work(lwork), u(0), v(0);
  Array<double> wgt(0);
  if (kivfuzz::oversized() || !fill_problem(in, op, u, v, wgt)) return;
  // A Hermitian matrix most of the time, as these methods expect.
  if (in.range(0, 3) != 0)
    for (int i = 0; i < n; ++i)
      for (int k = 0; k < i; ++k)
        op.a[k + static_cast<std::size_t>(i) * n] = conj(op.a[i + static_cast<std::size_t>(k) * n]);
  setup(work, &lwork, &lwreq);
  drive(in, op, u, v, wgt, work, lwork, SymApi<T>::iterate,
        [](const T* w, const int* lw) {
          int itn, its, f = 1;
          double stplhs, stprhs, an, sm, se;
          SymApi<T>::monitor(&itn, &stplhs, &stprhs, &an, &sm, &its, &se, w, lw, &f);
        },
        {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 19, 22, 23, 24, 26, 50,
         51, 52, 53, 56, 100, 103, 104},
        120);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  kivfuzz::steps(in, 2, [&] {
    switch (in.range(0, 3)) {
      case 0: solve<double>(in); break;
      case 1: solve<z>(in); break;
      case 2: solve_sym<double>(in); break;
      default: solve_sym<z>(in); break;
    }
  });
  return 0;
}
