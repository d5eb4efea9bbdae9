// The preconditioners and one-call drivers: an incomplete LU factor of a
// small matrix (mostly in valid sorted storage, sometimes not), its solve
// with the factor then damaged as a careless caller would (row starts,
// diagonal positions, permutations, column indices), SSOR and Jacobi
// solves, and the drivers.  Every call must stay within the arrays it is
// given, end with one of its listed IFAIL values, and never call a
// non-finite residual convergence.
#include <cmath>
#include <limits>
#include <type_traits>
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
  static constexpr auto factor = F11DAF_HOST;
  static constexpr auto solve = F11DBF_HOST;
  static constexpr auto ssor = F11DDF_HOST;
  static constexpr auto jacobi = F11DKF_HOST;
  static constexpr auto ilu_driver = F11DCF_HOST;
  static constexpr auto driver = F11DEF_HOST;
};
template <>
struct Api<z> {
  static constexpr auto factor = F11DNF_HOST;
  static constexpr auto solve = F11DPF_HOST;
  static constexpr auto ssor = F11DRF_HOST;
  static constexpr auto jacobi = F11DXF_HOST;
  static constexpr auto ilu_driver = F11DQF_HOST;
  static constexpr auto driver = F11DSF_HOST;
};

constexpr int kMin = std::numeric_limits<int>::min();

void check(bool ok) {
  if (!ok) __builtin_trap();
}

template <class T>
struct Matrix {
  int n = 0;
  std::vector<T> a;
  std::vector<int> irow, icol;
  int nnz() const { return static_cast<int>(a.size()); }
};

// N is kept small (or plainly invalid) so that a valid problem is solved
// quickly and the fuzzer's time goes to the checks, not to arithmetic.
int order(Input& in, bool tame) {
  return tame || in.flag() ? in.range(1, 12) : in.pick<int>({0, -1, kMin});
}

// Mostly sorted storage with a heavy diagonal (so that factors and
// iterations get somewhere); now and then any indices at all.  LOWER keeps
// only the lower triangle, as symmetric storage does.
template <class T>
Matrix<T> matrix(Input& in, int n, bool tame, bool lower) {
  Matrix<T> m;
  m.n = n;
  if (tame && n > 0) {
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= (lower ? i : n); ++j)
        if (j == i ? in.range(0, 15) != 0 : in.range(0, 3) == 0) {
          T v = in.value<T>();
          if (j == i && in.flag()) v += T(8);
          m.a.push_back(v);
          m.irow.push_back(i);
          m.icol.push_back(j);
        }
    if (m.a.empty()) {
      m.a.push_back(T(1));
      m.irow.push_back(1);
      m.icol.push_back(1);
    }
    // One damaged index now and then.
    if (in.range(0, 7) == 0) {
      const std::size_t k = in.range(0, m.nnz() - 1);
      (in.flag() ? m.irow : m.icol)[k] = in.integer(0, n + 1);
    }
  } else {
    const int nnz = in.range(0, 30);
    for (int k = 0; k < nnz; ++k) {
      m.a.push_back(in.value<T>());
      m.irow.push_back(in.integer(1, n > 0 ? n : 1));
      m.icol.push_back(in.integer(1, n > 0 ? n : 1));
    }
  }
  return m;
}

// Copies the first NNZ entries into arrays of exactly LEN elements.
template <class T>
void place(const Matrix<T>& m, Array<T>& a, Array<int>& irow, Array<int>& icol) {
  for (std::size_t k = 0; k < a.size() && k < m.a.size(); ++k) {
    a[k] = m.a[k];
    irow[k] = m.irow[k];
    icol[k] = m.icol[k];
  }
}

// MAXITN is bounded for the same reason as N: a valid problem that does
// not converge must still finish quickly.
int iterations(Input& in) { return in.range(0, 7) != 0 ? in.range(1, 40) : in.pick<int>({0, -1, kMin}); }

kivfuzz::Input::Option method(Input& in) {
  return in.range(0, 3) != 3
             ? in.word({"RGMRES", "CGS", "BICGSTAB", "TFQMR", " tfqmr ", "bicgstab", "RGMRESX"})
             : in.option("RCBT");
}

// Enough workspace for any method and preconditioner with this N and M.
int workspace(Input& in, int n, int m) {
  if (in.range(0, 3) == 3) return in.integer(0, 300);
  if (n < 1 || n > 12 || m < 1 || m > 60) return 400;
  return m * (m + n + 5) + 2 * n * (m + 3) + 12 * n + 200;
}

template <class T>
void ilu(Input& in) {
  const bool tame = in.range(0, 7) != 7;
  int n = order(in, tame);
  const Matrix<T> mat = matrix<T>(in, n, tame, false);
  int nnz = mat.nnz();
  // LA: room for any fill most of the time, else whatever the input says.
  int la = in.range(0, 3) != 3 ? 2 * nnz + (n > 0 ? n * n : 0) : in.integer(0, 2 * nnz + 4);
  int lfill = in.integer(-1, 3);
  double dtol = in.range(0, 3) != 3 ? in.pick<double>({0.0, 1e-2, 0.3}) : in.real();
  auto pstrat = in.option("NUPC");
  auto milu = in.option("MN");
  const int need = n > 0 ? 7 * n + 2 : 2;
  int liwork = in.range(0, 7) != 7 ? need : in.integer(0, need);
  Array<T> a(la);
  Array<int> irow(la), icol(la), ipivp(n), ipivq(n), istr(std::int64_t{n} + 1), idiag(n),
      iwork(liwork);
  if (kivfuzz::oversized()) return;
  place(mat, a, irow, icol);
  // Permutations for PSTRAT = 'U': mostly the identity rotated, else anything.
  const int shift = in.range(0, 11);
  for (int i = 0; i < n; ++i) {
    ipivp[i] = in.range(0, 7) != 0 ? (i + shift) % n + 1 : in.integer(1, n);
    ipivq[i] = (i + 2 * shift) % n + 1;
  }
  int nnzfac = -7, npvmod = -7, ifail = 1;
  Api<T>::factor(&n, &nnz, a.data(), &la, irow.data(), icol.data(), &lfill, &dtol,
                 pstrat.text.get(), milu.text.get(), ipivp.data(), ipivq.data(), istr.data(),
                 idiag.data(), &nnzfac, &npvmod, iwork.data(), &liwork, &ifail, pstrat.len,
                 milu.len);
  check(ifail >= 0 && ifail <= 5);
  // A finished factor lies within LA behind the matrix.
  if (ifail == 0) check(nnzfac >= 1 && nnzfac <= la - nnz && istr[n] == nnz + nnzfac + 1);

  // Damage to the factor, then its solve.
  for (int k = in.range(0, 2); k > 0 && n > 0; --k) {
    const int hi = (la > 0 ? la : 0) + 2;  // LA <= 1 << 16 here (arrays allocated)
    switch (in.range(0, 5)) {
      case 0:
        istr[in.range(0, n)] = in.integer(-1, hi);
        break;
      case 1:
        idiag[in.range(0, n - 1)] = in.integer(-1, hi);
        break;
      case 2:
        ipivp[in.range(0, n - 1)] = in.integer(0, n + 1);
        break;
      case 3:
        ipivq[in.range(0, n - 1)] = in.integer(0, n + 1);
        break;
      case 4:
        if (la > 0) icol[in.range(0, la - 1)] = in.integer(0, n + 1);
        break;
      default:
        if (la > 0) a[in.range(0, la - 1)] = in.value<T>();
    }
  }
  auto trans = in.option("NT");
  auto checkopt = in.option("CN");
  Array<T> y(n), x(n);
  in.fill(y);
  ifail = 1;
  Api<T>::solve(trans.text.get(), &n, a.data(), &la, irow.data(), icol.data(), ipivp.data(),
                ipivq.data(), istr.data(), idiag.data(), checkopt.text.get(), y.data(), x.data(),
                &ifail, trans.len, checkopt.len);
  check(ifail >= 0 && ifail <= 3);

  // The driver with the same (perhaps damaged) factor.
  if (in.flag()) {
    auto meth = method(in);
    int m = in.integer(1, 6), maxitn = iterations(in), lwork = workspace(in, n, m);
    double tol = in.range(0, 3) != 3 ? 1e-8 : in.real(), resnrm = -1;
    int nits = -1;
    Array<T> work(lwork);
    if (kivfuzz::oversized()) return;
    for (int i = 0; i < n; ++i) x[i] = in.flag() ? T(0) : in.value<T>();
    ifail = 1;
    Api<T>::ilu_driver(meth.text.get(), &n, &nnz, a.data(), &la, irow.data(), icol.data(),
                       ipivp.data(), ipivq.data(), istr.data(), idiag.data(), y.data(), &m, &tol,
                       &maxitn, x.data(), &resnrm, &nits, work.data(), &lwork, &ifail, meth.len);
    check(ifail >= 0 && ifail <= 7);
    if (ifail == 0) check(std::isfinite(resnrm) && nits >= 0 && nits <= maxitn);
  }
}

template <class T>
void ssor(Input& in) {
  const bool tame = in.range(0, 7) != 7;
  int n = order(in, tame);
  const Matrix<T> mat = matrix<T>(in, n, tame, false);
  int nnz = mat.nnz();
  Array<T> a(nnz), dinv(n), y(n), x(n);
  Array<int> irow(nnz), icol(nnz), iwork(2 * std::int64_t{n} + 1);
  if (kivfuzz::oversized()) return;
  place(mat, a, irow, icol);
  in.fill(dinv);
  in.fill(y);
  double omega = in.range(0, 3) != 3 ? 1.2 : in.real();
  auto trans = in.option("NT");
  auto checkopt = in.option("CN");
  int ifail = 1;
  Api<T>::ssor(trans.text.get(), &n, &nnz, a.data(), irow.data(), icol.data(), dinv.data(),
               &omega, checkopt.text.get(), y.data(), x.data(), iwork.data(), &ifail, trans.len,
               checkopt.len);
  check(ifail >= 0 && ifail <= 4);
}

template <class T>
void jacobi(Input& in) {
  const bool tame = in.range(0, 7) != 7;
  auto store = in.option("NS");
  const bool lower = store.len == 1 && (store.text[0] == 'S' || store.text[0] == 's');
  int n = order(in, tame);
  const Matrix<T> mat = matrix<T>(in, n, tame, lower);
  int nnz = mat.nnz();
  // NITER bounded for speed, as MAXITN.
  int niter = iterations(in) / 4 + 1;
  if (in.range(0, 7) == 0) niter = in.pick<int>({0, -1, kMin});
  Array<T> a(nnz), y(n), x(n), diag(n), work(n);
  Array<int> irow(nnz), icol(nnz);
  if (kivfuzz::oversized()) return;
  place(mat, a, irow, icol);
  in.fill(y);
  in.fill(diag);
  auto trans = in.option("NT");
  auto init = in.option("IN");
  auto checkopt = in.option("CN");
  int ifail = 1;
  Api<T>::jacobi(store.text.get(), trans.text.get(), init.text.get(), &niter, &n, &nnz, a.data(),
                 irow.data(), icol.data(), checkopt.text.get(), y.data(), x.data(), diag.data(),
                 work.data(), &ifail, store.len, trans.len, init.len, checkopt.len);
  check(ifail >= 0 && ifail <= 5);
}

template <class T>
void driver(Input& in) {
  const bool tame = in.range(0, 7) != 7;
  int n = order(in, tame);
  const Matrix<T> mat = matrix<T>(in, n, tame, false);
  int nnz = mat.nnz();
  auto meth = method(in);
  auto precon = in.option("NJS");
  int m = in.integer(1, 6), maxitn = iterations(in), lwork = workspace(in, n, m);
  double omega = in.range(0, 3) != 3 ? 1.1 : in.real();
  double tol = in.range(0, 3) != 3 ? 1e-8 : in.real(), resnrm = -1;
  int nits = -1;
  Array<T> a(nnz), b(n), x(n), work(lwork);
  Array<int> irow(nnz), icol(nnz), iwork(2 * std::int64_t{n} + 1);
  if (kivfuzz::oversized()) return;
  place(mat, a, irow, icol);
  in.fill(b);
  for (int i = 0; i < n; ++i) x[i] = in.flag() ? T(0) : in.value<T>();
  int ifail = 1;
  Api<T>::driver(meth.text.get(), precon.text.get(), &n, &nnz, a.data(), irow.data(), icol.data(),
                 &omega, b.data(), &m, &tol, &maxitn, x.data(), &resnrm, &nits, work.data(),
                 &lwork, iwork.data(), &ifail, meth.len, precon.len);
  check(ifail >= 0 && ifail <= 7);
  if (ifail == 0) check(std::isfinite(resnrm) && nits >= 0 && nits <= maxitn);
}

// The Hermitian SSOR solve on symmetric storage, checked or not.
void hermitian_ssor(Input& in) {
  const bool tame = in.range(0, 7) != 7;
  int n = order(in, tame);
  const Matrix<z> mat = matrix<z>(in, n, tame, true);
  int nnz = mat.nnz();
  Array<z> a(nnz), y(n), x(n);
  Array<double> dinv(n);
  Array<int> irow(nnz), icol(nnz), iwork(std::int64_t{n} + 1);
  if (kivfuzz::oversized()) return;
  place(mat, a, irow, icol);
  in.fill(dinv);
  in.fill(y);
  double omega = in.range(0, 3) != 3 ? 1.2 : in.real();
  auto checkopt = in.option("CN");
  int ifail = 1;
  F11JRF_HOST(&n, &nnz, a.data(), irow.data(), icol.data(), dinv.data(), &omega,
              checkopt.text.get(), y.data(), x.data(), iwork.data(), &ifail, checkopt.len);
  check(ifail >= 0 && ifail <= 4);
}

// The Hermitian driver with no, Jacobi or SSOR preconditioning.
void hermitian_driver(Input& in) {
  const bool tame = in.range(0, 7) != 7;
  int n = order(in, tame);
  const Matrix<z> mat = matrix<z>(in, n, tame, true);
  int nnz = mat.nnz();
  auto meth = in.range(0, 3) != 3 ? in.word({"CG", "SYMMLQ", " cg ", "symmlq", "CGS", "SYMM"})
                                  : in.option("CS");
  auto precon = in.option("NJS");
  int maxitn = iterations(in), lwork = workspace(in, n, 1);
  double omega = in.range(0, 3) != 3 ? 1.1 : in.real();
  double tol = in.range(0, 3) != 3 ? 1e-8 : in.real(), resnrm = -1;
  int nits = -1;
  Array<z> a(nnz), b(n), x(n), work(lwork);
  Array<double> dinv(n);
  Array<int> irow(nnz), icol(nnz), iwork(std::int64_t{n} + 1);
  if (kivfuzz::oversized()) return;
  place(mat, a, irow, icol);
  in.fill(b);
  for (int i = 0; i < n; ++i) x[i] = in.flag() ? z(0) : in.value<z>();
  int ifail = 1;
  F11JSF_HOST(meth.text.get(), precon.text.get(), &n, &nnz, a.data(), irow.data(), icol.data(),
              &omega, b.data(), &tol, &maxitn, x.data(), &resnrm, &nits, dinv.data(),
              work.data(), &lwork, iwork.data(), &ifail, meth.len, precon.len);
  check(ifail >= 0 && ifail <= 9);
  if (ifail == 0) check(std::isfinite(resnrm) && nits >= 0 && nits <= maxitn);
}

template <class T>
void one(Input& in) {
  if constexpr (std::is_same_v<T, z>) {
    if (in.range(0, 4) == 0) return in.flag() ? hermitian_ssor(in) : hermitian_driver(in);
  }
  switch (in.range(0, 3)) {
    case 0:
      ilu<T>(in);
      break;
    case 1:
      ssor<T>(in);
      break;
    case 2:
      jacobi<T>(in);
      break;
    default:
      driver<T>(in);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  kivfuzz::steps(in, 3, [&] {
    if (in.flag())
      one<double>(in);
    else
      one<z>(in);
  });
  return 0;
}
