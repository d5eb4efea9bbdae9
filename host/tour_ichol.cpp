// Tour stops of the incomplete Cholesky preconditioner with the library's
// conjugate gradients: the stiffness matrix bcsstk01 by reverse
// communication (F11JAF/F11JBF with F11GDF/F11GEF/F11GFF and the product
// F11XEF; the stop answers the solver's requests itself), and a Hermitian
// magnetic Laplacian on a grid by the one-call driver (F11JNF, then
// F11JQF).  Each prints the iterations and the true residual.
#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "mmio.hpp"
#include "tour.hpp"

namespace {

using Complex = std::complex<double>;

// The entries of the real stop.
struct Entries {
  decltype(&F11JAF_HOST) factor = kivhost::resolve<decltype(&F11JAF_HOST)>("_q99068@80");
  decltype(&F11JBF_HOST) solve = kivhost::resolve<decltype(&F11JBF_HOST)>("_q77786@48");
  decltype(&F11GDF_HOST) setup = kivhost::resolve<decltype(&F11GDF_HOST)>("_q70763@92");
  decltype(&F11GEF_HOST) iterate = kivhost::resolve<decltype(&F11GEF_HOST)>("_q98114@28");
  decltype(&F11GFF_HOST) monitor = kivhost::resolve<decltype(&F11GFF_HOST)>("_q39747@40");
  decltype(&F11XEF_HOST) product = kivhost::resolve<decltype(&F11XEF_HOST)>("_q52022@40");
};
// A lower triangle in symmetric coordinate storage, sorted.
template <class T>
struct Scs {
  int n = 0;
  std::vector<T> a;
  std::vector<int> irow, icol;
};

// The lower triangle of a real symmetric file, sorted by row and column.
bool read_scs(const std::string& path, Scs<double>* s) {
  try {
    const kivhost::mm::Matrix m = kivhost::mm::read(path);
    if (m.complex || m.rows != m.cols || !m.coordinate) return false;
    std::vector<std::tuple<int, int, double>> e;
    for (std::size_t k = 0; k < m.values.size(); ++k)
      e.emplace_back(std::max(m.irow[k], m.icol[k]), std::min(m.irow[k], m.icol[k]),
                     m.values[k].real());
    std::sort(e.begin(), e.end());
    s->n = m.rows;
    for (const auto& [i, j, v] : e) s->irow.push_back(i), s->icol.push_back(j), s->a.push_back(v);
    return true;
  } catch (const kivhost::mm::Error&) {
    return false;
  }
}

// The magnetic Laplacian on a SIDE x SIDE grid: 4.1 on the diagonal and
// -exp(i theta) between neighbours, the phase growing along the grid as a
// magnetic field would make it; Hermitian positive definite.
Scs<Complex> magnetic_laplacian(int side) {
  Scs<Complex> s;
  s.n = side * side;
  auto add = [&s](int i, int j, Complex v) {
    s.irow.push_back(i + 1), s.icol.push_back(j + 1), s.a.push_back(v);
  };
  for (int i = 0; i < s.n; ++i) {
    const int x = i % side, y = i / side;
    if (y > 0) add(i, i - side, -std::polar(1.0, 0.3 * x));
    if (x > 0) add(i, i - 1, -std::polar(1.0, -0.1 * y));
    add(i, i, 4.1);
  }
  return s;
}

// CG by reverse communication on S (its lower triangle), b = A e, without
// a preconditioner (LFILL < 0) or with IC(LFILL); one table row.
void cg_row(Entries& lib, Scs<double> s, int lfill) {
  using T = double;
  const int n = s.n, nnz = static_cast<int>(s.a.size());
  std::vector<T> ones(n, T(1.0)), b(n);
  int ifail = 1;
  lib.product(&n, &nnz, s.a.data(), s.irow.data(), s.icol.data(), "C", ones.data(), b.data(),
              &ifail, 1);
  if (ifail != 0) return;

  // The factor behind the matrix: room for a complete one.
  const int la = 2 * nnz + n * (n + 1) / 2;
  s.a.resize(la), s.irow.resize(la), s.icol.resize(la);
  std::vector<int> ipiv(n), istr(n + 1);
  int nnzfac = 0, npvmod = 0;
  if (lfill >= 0) {
    const int liwork = 2 * la - 3 * nnz + 7 * n + 1;
    std::vector<int> iwork(liwork);
    const double dtol = 0.0, dshift = 0.0;
    ifail = 0;
    lib.factor(&n, &nnz, s.a.data(), &la, s.irow.data(), s.icol.data(), &lfill, &dtol, "N",
               &dshift, "M", ipiv.data(), istr.data(), &nnzfac, &npvmod, iwork.data(), &liwork,
               &ifail, 1, 1);
  }

  const int iterm = 1, maxitn = 2000, monit = 0;
  const double tol = 1e-10, anorm = 0.0, sigmax = 0.0, sigtol = 0.0;
  const char* precon = lfill >= 0 ? "P" : "N";
  int lwreq = 0, lwork = 120 + 5 * n;
  std::vector<T> work(lwork), x(n, T(0.0)), v = b;
  std::vector<double> wgt(n, 1.0);
  ifail = 0;
  lib.setup("CG", precon, "N", "I", "N", &iterm, &n, &tol, &maxitn, &anorm, &sigmax, &sigtol,
            &maxitn, &monit, &lwreq, work.data(), &lwork, &ifail, 2, 1, 1, 1, 1);
  int irevcm = 0;
  for (;;) {
    ifail = 1;
    lib.iterate(&irevcm, x.data(), v.data(), wgt.data(), work.data(), &lwork, &ifail);
    if (irevcm == 4) break;
    int f = 1;
    if (irevcm == 1 || irevcm == -1)
      lib.product(&n, &nnz, s.a.data(), s.irow.data(), s.icol.data(), "N", x.data(), v.data(),
                  &f, 1);
    else if (irevcm == 2)
      lib.solve(&n, s.a.data(), &la, s.irow.data(), s.icol.data(), ipiv.data(), istr.data(), "N",
                x.data(), v.data(), &f, 1);
    if (f != 0) irevcm = 6;
  }
  int itn = 0, its = 0, mfail = 0;
  double lhs = 0.0, rhs = 0.0, an = 0.0, sg = 0.0, sigerr = 0.0;
  lib.monitor(&itn, &lhs, &rhs, &an, &sg, &its, &sigerr, work.data(), &lwork, &mfail);

  // The true residual b - A x, and the error against e.
  std::vector<T> ax(n);
  int pfail = 1;
  lib.product(&n, &nnz, s.a.data(), s.irow.data(), s.icol.data(), "N", x.data(), ax.data(),
              &pfail, 1);
  double res = 0.0, bnorm = 0.0, err = 0.0;
  for (int i = 0; i < n; ++i) {
    res = std::fmax(res, std::fabs(b[i] - ax[i]));
    bnorm = std::fmax(bnorm, std::fabs(b[i]));
    err = std::fmax(err, std::fabs(x[i] - 1.0));
  }
  char name[16];
  if (lfill < 0) std::snprintf(name, sizeof name, "none");
  else std::snprintf(name, sizeof name, "IC(%d)", lfill);
  std::printf("%-8s %7d %7d %6d %6d %14.3e %11.3e\n", name, nnzfac, npvmod, ifail, itn,
              res / bnorm, err);
}

void cg_table(const Scs<double>& s) {
  Entries lib;
  std::printf("%-8s %7s %7s %6s %6s %14s %11s\n", "precond", "NNZFAC", "NPVMOD", "IFAIL", "itn",
              "|b-Ax|/|b|", "max|x-e|");
  for (const int lfill : {-1, 0, 1}) cg_row(lib, s, lfill);
}

void ichol_cg() {
  Scs<double> s;
  if (!read_scs("../shared/data/matrices/bcsstk01.mtx", &s) &&
      !read_scs(KIVHOST_MATRICES "/bcsstk01.mtx", &s)) {
    std::printf("bcsstk01.mtx not found in ../shared/data/matrices: stop skipped\n");
    return;
  }
  std::printf("bcsstk01: N = %d, %zu entries in the lower triangle; CG to 1e-10, b = A e\n", s.n,
              s.a.size());
  cg_table(s);
}

void hermitian_ichol_cg() {
  Scs<Complex> s = magnetic_laplacian(20);
  const int n = s.n, nnz = static_cast<int>(s.a.size());
  std::printf("magnetic Laplacian on a 20 x 20 grid: N = %d, %d entries in the lower triangle;\n"
              "CG by F11JQF to 1e-10, b = A e\n",
              n, nnz);
  const auto product = kivhost::resolve<decltype(&F11XSF_HOST)>("_q30820@40");
  const auto factor = kivhost::resolve<decltype(&F11JNF_HOST)>("_q63420@80");
  const auto driver = kivhost::resolve<decltype(&F11JQF_HOST)>("_q18583@76");
  std::vector<Complex> ones(n, 1.0), b(n), ax(n);
  int ifail = 1;
  product(&n, &nnz, s.a.data(), s.irow.data(), s.icol.data(), "C", ones.data(), b.data(), &ifail,
          1);
  const Scs<Complex> a = s;
  std::printf("%-8s %7s %7s %6s %6s %14s %11s\n", "precond", "NNZFAC", "NPVMOD", "IFAIL", "itn",
              "|b-Ax|/|b|", "max|x-e|");
  const int la = 2 * nnz + n * (n + 1) / 2;
  s.a.resize(la), s.irow.resize(la), s.icol.resize(la);
  for (const int lfill : {0, 1, 2}) {
    const int liwork = 2 * la - 3 * nnz + 7 * n + 1, maxitn = 500, lwork = 6 * n + 120;
    std::vector<int> ipiv(n), istr(n + 1), iwork(liwork);
    int nnzfac = 0, npvmod = 0;
    const double dtol = 0.0, dshift = 0.0, tol = 1e-10;
    ifail = 0;
    factor(&n, &nnz, s.a.data(), &la, s.irow.data(), s.icol.data(), &lfill, &dtol, "N", &dshift,
           "M", ipiv.data(), istr.data(), &nnzfac, &npvmod, iwork.data(), &liwork, &ifail, 1, 1);
    std::vector<Complex> x(n), work(lwork);
    double resnrm = 0.0;
    int itn = 0;
    ifail = 1;
    driver("CG", &n, &nnz, s.a.data(), &la, s.irow.data(), s.icol.data(), ipiv.data(),
           istr.data(), b.data(), &tol, &maxitn, x.data(), &resnrm, &itn, work.data(), &lwork,
           &ifail, 2);
    int pfail = 1;
    product(&n, &nnz, a.a.data(), a.irow.data(), a.icol.data(), "N", x.data(), ax.data(), &pfail,
            1);
    double res = 0.0, bnorm = 0.0, err = 0.0;
    for (int i = 0; i < n; ++i) {
      res = std::fmax(res, std::abs(b[i] - ax[i]));
      bnorm = std::fmax(bnorm, std::abs(b[i]));
      err = std::fmax(err, std::abs(x[i] - 1.0));
    }
    std::printf("IC(%d)    %7d %7d %6d %6d %14.3e %11.3e\n", lfill, nnzfac, npvmod, ifail, itn,
                res / bnorm, err);
  }
}

}  // namespace

KIVHOST_STOP(66,
             "Incomplete Cholesky: CG by reverse communication on bcsstk01 (_q99068@80, "
             "_q77786@48, _q70763@92, _q98114@28, _q39747@40, _q52022@40)",
             ichol_cg);
KIVHOST_STOP(67,
             "Hermitian incomplete Cholesky: CG by the driver F11JQF on a magnetic Laplacian "
             "(_q63420@80, _q18583@76, _q30820@40)",
             hermitian_ichol_cg);
