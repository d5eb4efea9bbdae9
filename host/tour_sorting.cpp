// Tour stops of sorting, coordinate storage and sparse products.
#include "tour.hpp"

namespace {

void ranking() {
  using Rank = int(KIV_CALL*)(const double*, const int*, const int*, const char*, int*, int*,
                              int);
  using Rearrange = int(KIV_CALL*)(double*, const int*, const int*, int*, int*);
  using Invert = int(KIV_CALL*)(int*, const int*, const int*, int*);
  double rv[6] = {3.0, 1.0, 3.0, 2.0, -1.0, 2.0};
  int irank[6], m1 = 1, m2 = 6, ifail = 1;
  kivhost::resolve<Rank>("_q87198@28")(rv, &m1, &m2, "D", irank, &ifail, 1);
  std::printf("descending ranks:");
  for (int r : irank) std::printf(" %d", r);
  std::printf("   IFAIL = %d\n", ifail);
  kivhost::resolve<Rearrange>("_q80753@20")(rv, &m1, &m2, irank, &ifail);
  std::printf("rearranged:      ");
  for (double v : rv) std::printf(" %g", v);
  std::printf("\n");
  kivhost::resolve<Invert>("_q45975@16")(irank, &m1, &m2, &ifail);
  std::printf("inverse ranks:   ");
  for (int r : irank) std::printf(" %d", r);
  std::printf("\n");
  int bad[3] = {2, 2, 3};
  m2 = 3;
  ifail = -1;
  kivhost::resolve<Rearrange>("_q80753@20")(rv, &m1, &m2, bad, &ifail);
}

void storage_and_product() {
  using Sort = int(KIV_CALL*)(const int*, int*, double*, int*, int*, const char*, const char*,
                              int*, int*, int*, int, int);
  using Product = int(KIV_CALL*)(const char*, const int*, const int*, const double*,
                                 const int*, const int*, const char*, const double*, double*,
                                 int*, int, int);
  // Entries of [[2, 1, 0], [0, 3, 0], [1, 0, 4]] in any order, with (1,1)
  // split in two and an explicit zero.
  double a[7] = {4.0, 1.0, 1.5, 3.0, 0.0, 0.5, 1.0};
  int irow[7] = {3, 1, 1, 2, 2, 1, 3}, icol[7] = {3, 2, 1, 2, 3, 1, 1};
  int n = 3, nnz = 7, istr[4], iwork[3], ifail = 1;
  kivhost::resolve<Sort>("_q68381@48")(&n, &nnz, a, irow, icol, "S", "R", istr, iwork, &ifail,
                                       1, 1);
  std::printf("sorted, NNZ = %d, IFAIL = %d:\n", nnz, ifail);
  for (int k = 0; k < nnz; ++k) std::printf("  (%d,%d) %g\n", irow[k], icol[k], a[k]);
  std::printf("row starts: %d %d %d %d\n", istr[0], istr[1], istr[2], istr[3]);
  const double x[3] = {1.0, 2.0, 3.0};
  double y[3];
  auto product = kivhost::resolve<Product>("_q19673@48");
  for (const char* trans : {"N", "T"}) {
    product(trans, &n, &nnz, a, irow, icol, "C", x, y, &ifail, 1, 1);
    std::printf("TRANS = %s: y = %g %g %g   IFAIL = %d\n", trans, y[0], y[1], y[2], ifail);
  }
}

}  // namespace

KIVHOST_STOP(60, "Ranking, rearranging and inverting (_q87198@28, _q80753@20, _q45975@16)",
             ranking);
KIVHOST_STOP(61, "Coordinate storage and a product (_q68381@48, _q19673@48)",
             storage_and_product);
