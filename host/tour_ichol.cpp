// Tour stop of the incomplete Cholesky preconditioner: the stiffness matrix
// bcsstk01, brought into symmetric coordinate storage here, factorised by
// F11JAF at two fill levels and used by a preconditioned conjugate
// gradient iteration that the stop drives itself, each preconditioner
// application one call of F11JBF.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "mmio.hpp"
#include "tour.hpp"

namespace {

using Factor = int(KIV_CALL*)(const int*, const int*, double*, const int*, int*, int*,
                              const int*, const double*, const char*, const double*,
                              const char*, int*, int*, int*, int*, int*, const int*, int*, int,
                              int);
using Solve = int(KIV_CALL*)(const int*, const double*, const int*, const int*, const int*, int*,
                             const int*, const char*, const double*, double*, int*, int);

struct Scs {
  int n = 0;
  std::vector<double> a;
  std::vector<int> irow, icol;
};

// The lower triangle of a real symmetric file, sorted by row and column.
bool read_scs(const std::string& path, Scs* s) {
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

// y = A x from the lower triangle.
void product(const Scs& s, int nnz, const std::vector<double>& x, std::vector<double>& y) {
  std::fill(y.begin(), y.end(), 0.0);
  for (int k = 0; k < nnz; ++k) {
    const int i = s.irow[k] - 1, j = s.icol[k] - 1;
    y[i] += s.a[k] * x[j];
    if (i != j) y[j] += s.a[k] * x[i];
  }
}

double norm(const std::vector<double>& v) {
  double s = 0.0;
  for (double e : v) s += e * e;
  return std::sqrt(s);
}

void ichol_cg() {
  Scs s;
  if (!read_scs("../shared/data/matrices/bcsstk01.mtx", &s) &&
      !read_scs(KIVHOST_MATRICES "/bcsstk01.mtx", &s)) {
    std::printf("bcsstk01.mtx not found in ../shared/data/matrices: stop skipped\n");
    return;
  }
  const int n = s.n, nnz = static_cast<int>(s.a.size());
  // b = A e, so that the solution is known.
  std::vector<double> b(n), ones(n, 1.0);
  product(s, nnz, ones, b);
  std::printf("bcsstk01: N = %d, %d entries in the lower triangle\n", n, nnz);
  std::printf("%-10s %7s %7s %11s %14s\n", "precond", "NNZFAC", "NPVMOD", "iterations",
              "max|x - e|");

  const int la = nnz + n * (n + 1) / 2 + n;
  s.a.resize(la), s.irow.resize(la), s.icol.resize(la);
  for (const int lfill : {-2, 0, 1}) {
    std::vector<int> ipiv(n), istr(n + 1);
    const int liwork = 2 * la - 3 * nnz + 7 * n + 1;
    std::vector<int> iwork(liwork);
    int nnzfac = 0, npvmod = 0, ifail = lfill >= 0 ? 1 : 0;
    const double dtol = 0.0, dshift = 0.0;
    if (lfill >= 0)
      kivhost::resolve<Factor>("_q99068@80")(&n, &nnz, s.a.data(), &la, s.irow.data(),
                                            s.icol.data(), &lfill, &dtol, "N", &dshift, "M",
                                            ipiv.data(), istr.data(), &nnzfac, &npvmod,
                                            iwork.data(), &liwork, &ifail, 1, 1);
    if (ifail != 0) {
      std::printf("IC(%d): F11JAF IFAIL %d\n", lfill, ifail);
      continue;
    }
    // Preconditioned CG to a relative residual of 1e-10.
    auto precondition = [&](const std::vector<double>& r, std::vector<double>& z) {
      if (lfill < 0) {
        z = r;
        return 0;
      }
      int f = 1;
      kivhost::resolve<Solve>("_q77786@48")(&n, s.a.data(), &la, s.irow.data(), s.icol.data(),
                                           ipiv.data(), istr.data(), "N", r.data(), z.data(), &f,
                                           1);
      return f;
    };
    std::vector<double> x(n, 0.0), r(b), z(n), p(n), q(n);
    if (precondition(r, z) != 0) return;
    p = z;
    double rz = 0.0;
    for (int i = 0; i < n; ++i) rz += r[i] * z[i];
    const double stop = 1e-10 * norm(b);
    int its = 0;
    while (its < 2000 && norm(r) > stop) {
      ++its;
      product(s, nnz, p, q);
      double pq = 0.0;
      for (int i = 0; i < n; ++i) pq += p[i] * q[i];
      const double alpha = rz / pq;
      for (int i = 0; i < n; ++i) x[i] += alpha * p[i], r[i] -= alpha * q[i];
      if (precondition(r, z) != 0) return;
      double rz1 = 0.0;
      for (int i = 0; i < n; ++i) rz1 += r[i] * z[i];
      for (int i = 0; i < n; ++i) p[i] = z[i] + rz1 / rz * p[i];
      rz = rz1;
    }
    double err = 0.0;
    for (double v : x) err = std::fmax(err, std::fabs(v - 1.0));
    char name[16];
    if (lfill < 0) std::snprintf(name, sizeof name, "none");
    else std::snprintf(name, sizeof name, "IC(%d)", lfill);
    std::printf("%-10s %7d %7d %11d %14.3e\n", name, nnzfac, npvmod, its, err);
  }
}

}  // namespace

KIVHOST_STOP(66, "Incomplete Cholesky: preconditioned CG on bcsstk01 (_q99068@80, _q77786@48)",
             ichol_cg);
