// Incomplete Cholesky factorisation and solve: matrices that are valid
// (a random lower-triangle pattern) or raw indices, any LA, LFILL, DTOL,
// DSHIFT, options and IPIV, exact or short IWORK; then the solve on the
// factor, sometimes after the input has corrupted its ISTR, IPIV, IROW,
// ICOL or values, or on arrays taken wholly from the input.
#include <algorithm>
#include <climits>
#include <numeric>
#include <type_traits>
#include <vector>

#include "input.hpp"

namespace {

using kivfuzz::Array;
using kivfuzz::Input;

template <class T>
struct Twin;
template <>
struct Twin<double> {
  static constexpr auto factor = F11JAF_HOST;
  static constexpr auto solve = F11JBF_HOST;
};
template <>
struct Twin<kiv2_complex> {
  static constexpr auto factor = F11JNF_HOST;
  static constexpr auto solve = F11JPF_HOST;
};

bool same(double x, double y) { return std::memcmp(&x, &y, sizeof x) == 0; }
bool same(kiv2_complex x, kiv2_complex y) { return std::memcmp(&x, &y, sizeof x) == 0; }

template <class T>
void solve(Input& in, int n, const Array<T>& a, int la, const Array<int>& irow,
           const Array<int>& icol, Array<int>& ipiv, const Array<int>& istr, bool intact) {
  Array<T> y(n), x(n);
  if (kivfuzz::oversized()) return;
  in.fill(y);
  auto check = in.option("CN");
  int ifail = 1;
  Twin<T>::solve(&n, a.data(), &la, irow.data(), icol.data(), ipiv.data(), istr.data(),
                 check.text.get(), y.data(), x.data(), &ifail, check.len);
  if (ifail < 0 || ifail > 3) __builtin_trap();
  // An untouched factor passes every check (IFAIL 1 is a bad CHECK).
  if (intact && ifail > 1) __builtin_trap();
}

// The Hermitian driver on the factor (perhaps corrupted): every failure of
// the matrix or the factor is an argument failure or IFAIL 2 or 3.
void drive(Input& in, int n, int nnz, const Array<kiv2_complex>& a, int la,
           const Array<int>& irow, const Array<int>& icol, Array<int>& ipiv,
           const Array<int>& istr, bool intact) {
  auto meth = in.word({"CG", "SYMMLQ", "cgs", "SYM", " symmlq"});
  // MAXITN bounded (or plainly invalid): a problem that does not converge
  // must still finish quickly.
  int maxitn = in.range(0, 7) != 0 ? in.range(1, 30) : in.pick<int>({0, -1, INT_MIN});
  int lwork = in.flag() ? 7 * std::max(n, 0) + 120 : in.integer(0, 300);
  double tol = in.flag() ? 1e-8 : in.real(), resnrm = -1;
  int nits = -1;
  Array<kiv2_complex> b(n), x(n), work(lwork);
  if (kivfuzz::oversized()) return;
  in.fill(b);
  int ifail = 1;
  F11JQF_HOST(meth.text.get(), &n, &nnz, a.data(), &la, irow.data(), icol.data(), ipiv.data(),
              istr.data(), b.data(), &tol, &maxitn, x.data(), &resnrm, &nits, work.data(),
              &lwork, &ifail, meth.len);
  if (ifail < 0 || ifail > 8) __builtin_trap();
  if (intact && (ifail == 2 || ifail == 3)) __builtin_trap();
  if (ifail == 0 && (nits < 0 || nits > maxitn || !(resnrm >= 0.0))) __builtin_trap();
}

template <class T>
void factor_and_solve(Input& in) {
  // A valid problem keeps N at most 16 (at most 136 entries): larger ones
  // only take longer over the same paths.  Raw indices may take any N the
  // arrays can hold; with at most 40 entries the elimination stays short.
  const bool valid = in.flag();
  int n, nnz;
  std::vector<int> rows, cols;
  if (valid) {
    n = in.range(1, 16);
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= i; ++j)
        if (j == i ? in.range(0, 7) != 0 : in.range(0, 3) == 0) {
          rows.push_back(i);
          cols.push_back(j);
        }
    nnz = static_cast<int>(rows.size());
  } else {
    n = in.integer(-1, 12);
    nnz = in.integer(-1, 40);
  }
  const int la = valid && in.flag() ? 2 * nnz + in.range(0, n * n + n) : in.integer(-1, 200);
  Array<T> a(la);
  Array<int> irow(la), icol(la), ipiv(n), istr(std::int64_t{n} + 1);
  if (kivfuzz::oversized()) return;
  const std::size_t given = std::min<std::size_t>(a.size(), nnz < 0 ? 0 : nnz);
  for (std::size_t k = 0; k < given; ++k) {
    a[k] = in.value<T>();
    if (valid) {
      irow[k] = rows[k];
      icol[k] = cols[k];
    } else {
      irow[k] = in.integer(1, n > 0 ? n : 1);
      icol[k] = in.integer(1, n > 0 ? n : 1);
    }
  }
  if (valid) {
    // Diagonals that keep the matrix safely positive, now and then.
    if (in.flag())
      for (std::size_t k = 0; k < given; ++k)
        if (irow[k] == icol[k]) a[k] = T(4.0 * n);
  }
  int lfill = in.integer(-1, 3);
  double dtol = in.real(), dshift = in.flag() ? 0.0 : in.real();
  auto mic = in.option("MN"), pstrat = in.option("NUM");
  if (in.flag()) {
    std::iota(ipiv.data(), ipiv.data() + ipiv.size(), 1);
    for (std::size_t i = ipiv.size(); i > 1; --i)
      std::swap(ipiv[i - 1], ipiv[static_cast<std::size_t>(in.range(0, int(i) - 1))]);
  } else {
    in.fill(ipiv, 1, n > 0 ? n : 1);
  }
  const std::int64_t need = (lfill >= 0 ? 2LL * la - 3LL * nnz : 1LL * la - nnz) + 7LL * n + 1;
  int liwork = in.flag()
                   ? static_cast<int>(std::clamp<std::int64_t>(need, 0, kivfuzz::kMaxElements))
                   : in.integer(0, 400);
  Array<int> iwork(liwork);
  if (kivfuzz::oversized()) return;
  const std::vector<T> a0(a.data(), a.data() + given);
  const std::vector<int> r0(irow.data(), irow.data() + given), c0(icol.data(), icol.data() + given);
  int nnzfac = 0, npvmod = 0, ifail = 1;
  Twin<T>::factor(&n, &nnz, a.data(), &la, irow.data(), icol.data(), &lfill, &dtol, mic.text.get(),
                  &dshift, pstrat.text.get(), ipiv.data(), istr.data(), &nnzfac, &npvmod,
                  iwork.data(), &liwork, &ifail, mic.len, pstrat.len);
  if (ifail < 0 || ifail > 5) __builtin_trap();
  // The matrix is never altered.
  for (std::size_t k = 0; k < given; ++k)
    if (!same(a[k], a0[k]) || irow[k] != r0[k] || icol[k] != c0[k]) __builtin_trap();
  if (ifail == 0) {
    // The factor fits, and every row ends in a non-zero, finite diagonal.
    if (istr[0] != nnz + 1 || istr[n] != nnz + nnzfac + 1 || istr[n] - 1 > la) __builtin_trap();
    for (int i = 1; i <= n; ++i) {
      const int q = istr[i] - 2;
      if (istr[i] <= istr[i - 1] || istr[i] > istr[n] || irow[q] != i || icol[q] != i)
        __builtin_trap();
    }
  }
  if (ifail != 0 && in.flag()) {
    // A failed factorisation leaves arbitrary ISTR: only the solve's own
    // checks stand between it and the arrays.
    in.fill(istr, 1, la > 0 ? la : 1);
  }
  bool intact = ifail == 0;
  const int corruptions = in.range(0, 3);
  for (int c = 0; c < corruptions && !in.empty(); ++c) {
    intact = false;
    switch (in.range(0, 4)) {
      case 0:
        if (istr.size() > 0)
          istr[static_cast<std::size_t>(in.range(0, n))] = in.integer(1, la > 0 ? la + 1 : 1);
        break;
      case 1:
        if (ipiv.size() > 0)
          ipiv[static_cast<std::size_t>(in.range(0, n - 1))] = in.integer(0, std::max(n, 0) + 1);
        break;
      case 2:
        if (a.size() > 0)
          irow[static_cast<std::size_t>(in.range(0, la - 1))] = in.integer(0, std::max(n, 0) + 1);
        break;
      case 3:
        if (a.size() > 0)
          icol[static_cast<std::size_t>(in.range(0, la - 1))] = in.integer(0, std::max(n, 0) + 1);
        break;
      default:
        if (a.size() > 0) a[static_cast<std::size_t>(in.range(0, la - 1))] = in.value<T>();
    }
  }
  solve(in, n, a, la, irow, icol, ipiv, istr, intact);
  if constexpr (std::is_same_v<T, kiv2_complex>) {
    if (in.flag()) drive(in, n, nnz, a, la, irow, icol, ipiv, istr, intact);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  kivfuzz::steps(in, 4, [&] {
    if (in.flag()) factor_and_solve<double>(in);
    else factor_and_solve<kiv2_complex>(in);
  });
  return 0;
}
