// Tour stop of the incomplete LU preconditioner: a real matrix from the
// shared Matrix Market collection, sorted into coordinate storage by
// F11ZAF, factorised by F11DAF and solved in one call by F11DCF.
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "tour.hpp"

namespace {

using Sort = int(KIV_CALL*)(const int*, int*, double*, int*, int*, const char*, const char*,
                            int*, int*, int*, int, int);
using Factor = int(KIV_CALL*)(const int*, const int*, double*, const int*, int*, int*,
                              const int*, const double*, const char*, const char*, int*, int*,
                              int*, int*, int*, int*, int*, const int*, int*, int, int);
using Solve = int(KIV_CALL*)(const char*, const int*, const int*, const double*, const int*,
                             const int*, const int*, int*, int*, const int*, const int*,
                             const double*, const int*, const double*, const int*, double*,
                             double*, int*, double*, const int*, int*, int);

// The matrix as the file lists it (a symmetric file: both triangles),
// unsorted; false when the file cannot be read.
bool read_matrix(const std::string& path, int* n, std::vector<double>* a, std::vector<int>* irow,
                 std::vector<int>* icol) {
  std::FILE* f = std::fopen(path.c_str(), "r");
  if (f == nullptr) return false;
  char line[256];
  bool symmetric = false;
  int rows = 0, cols = 0, entries = 0;
  while (std::fgets(line, sizeof line, f) != nullptr) {
    if (line[0] == '%') {
      symmetric = symmetric || std::string_view(line).find("symmetric") != std::string_view::npos;
      continue;
    }
    std::sscanf(line, "%d %d %d", &rows, &cols, &entries);
    break;
  }
  for (int k = 0; k < entries; ++k) {
    int i = 0, j = 0;
    double v = 0.0;
    if (std::fscanf(f, "%d %d %lf", &i, &j, &v) != 3) break;
    a->push_back(v), irow->push_back(i), icol->push_back(j);
    if (symmetric && i != j) a->push_back(v), irow->push_back(j), icol->push_back(i);
  }
  std::fclose(f);
  *n = rows;
  return rows > 0 && rows == cols;
}

std::vector<double> read_vector(const std::string& path) {
  std::vector<double> v;
  std::FILE* f = std::fopen(path.c_str(), "r");
  if (f == nullptr) return v;
  char line[256];
  int rows = 0, cols = 0;
  while (std::fgets(line, sizeof line, f) != nullptr)
    if (line[0] != '%' && std::sscanf(line, "%d %d", &rows, &cols) == 2) break;
  double x = 0.0;
  for (int i = 0; i < rows && std::fscanf(f, "%lf", &x) == 1; ++i) v.push_back(x);
  std::fclose(f);
  return v;
}

void ilu_solve() {
  // From the repository root, as scripts/kivhost.sh runs the tour, or the
  // collection beside the source tree.
  std::string dir = "../shared/data/matrices/";
  int n = 0;
  std::vector<double> a;
  std::vector<int> irow, icol;
  if (!read_matrix(dir + "sherman1.mtx", &n, &a, &irow, &icol)) {
    dir = KIVHOST_MATRICES "/";
    if (!read_matrix(dir + "sherman1.mtx", &n, &a, &irow, &icol)) {
      std::printf("sherman1.mtx not found in ../shared/data/matrices: stop skipped\n");
      return;
    }
  }
  const std::vector<double> b = read_vector(dir + "sherman1_rhs1.mtx");
  if (static_cast<int>(b.size()) != n) {
    std::printf("sherman1_rhs1.mtx not readable: stop skipped\n");
    return;
  }

  // Room behind the matrix for the factor.
  int nnz = static_cast<int>(a.size());
  const int la = 4 * nnz;
  a.resize(la), irow.resize(la), icol.resize(la);
  std::vector<int> istr(n + 1), iwork(7 * n + 2);
  int ifail = 1;
  kivhost::resolve<Sort>("_q68381@48")(&n, &nnz, a.data(), irow.data(), icol.data(), "S", "R",
                                      istr.data(), iwork.data(), &ifail, 1, 1);
  std::printf("sherman1: N = %d, %d entries in coordinate storage (F11ZAF, IFAIL %d)\n", n, nnz,
              ifail);

  std::printf("%-9s %6s %7s %7s %6s %11s %14s\n", "method", "LFILL", "NNZFAC", "NPVMOD", "IFAIL",
              "iterations", "max|b - Ax|");
  for (const int lfill : {0, 1})
    for (const char* method : {"RGMRES", "BICGSTAB"}) {
      // The factor overwrites the positions behind NNZ on every call.
      std::vector<int> ipivp(n), ipivq(n), idiag(n);
      const int liwork = 7 * n + 2;
      const double dtol = 0.0;
      int nnzfac = 0, npvmod = 0;
      ifail = 1;
      kivhost::resolve<Factor>("_q85132@84")(&n, &nnz, a.data(), &la, irow.data(), icol.data(),
                                            &lfill, &dtol, "N", "N", ipivp.data(), ipivq.data(),
                                            istr.data(), idiag.data(), &nnzfac, &npvmod,
                                            iwork.data(), &liwork, &ifail, 1, 1);
      const int m = method[0] == 'R' ? 30 : 2, maxitn = 1000;
      const double tol = 1e-10;
      const int lwork = m * (m + n + 5) + 2 * n * (m + 3) + 4 * n + 200;
      std::vector<double> x(n, 0.0), work(lwork);
      double resnrm = 0.0;
      int nits = 0;
      ifail = 1;
      kivhost::resolve<Solve>("_q87762@88")(
          method, &n, &nnz, a.data(), &la, irow.data(), icol.data(), ipivp.data(), ipivq.data(),
          istr.data(), idiag.data(), b.data(), &m, &tol, &maxitn, x.data(), &resnrm, &nits,
          work.data(), &lwork, &ifail, static_cast<int>(std::string_view(method).size()));
      // The residual computed here, from the matrix in the first NNZ positions.
      std::vector<double> r(b);
      for (int k = 0; k < nnz; ++k) r[irow[k] - 1] -= a[k] * x[icol[k] - 1];
      double worst = 0.0;
      for (double v : r) worst = std::fmax(worst, std::fabs(v));
      std::printf("%-9s %6d %7d %7d %6d %11d %14.3e\n", method, lfill, nnzfac, npvmod, ifail,
                  nits, worst);
    }
}

}  // namespace

KIVHOST_STOP(65, "Incomplete LU: one-call solve of sherman1 (_q68381@48, _q85132@84, _q87762@88)",
             ilu_solve);
