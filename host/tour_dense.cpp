// Tour stops of the dense layer, every entry resolved by its export name.
#include "tour.hpp"

namespace {

void product() {
  using Gemm = void(KIV_CALL*)(const char*, const char*, int, int, int, double, const double*,
                               int, const double*, int, double, double*, int, int, int);
  const double a[4] = {1, 3, 2, 4}, b[4] = {5, 7, 6, 8};  // column-major [1 2; 3 4], [5 6; 7 8]
  double c[4] = {};
  kivhost::resolve<Gemm>("_q17700@68")("No transpose", "No transpose", 2, 2, 2, 1.0, a, 2, b, 2,
                                       0.0, c, 2, 12, 12);
  std::printf("[1 2; 3 4] * [5 6; 7 8] = [%g %g; %g %g]\n", c[0], c[2], c[1], c[3]);
}

void lu_and_inverse() {
  using Getrf = void(KIV_CALL*)(int, int, double*, int, int*, int*);
  double a[9] = {2, 4, -2, 1, -6, 7, 1, 0, 2};
  int ipiv[3], info = -1;
  kivhost::resolve<Getrf>("_q96872@24")(3, 3, a, 3, ipiv, &info);
  std::printf("LU: INFO = %d, pivots %d %d %d, U diagonal %g %g %g\n", info, ipiv[0], ipiv[1],
              ipiv[2], a[0], a[4], a[8]);

  using Inverse = int(KIV_CALL*)(double*, const int*, const int*, double*, const int*, double*,
                                 int*);
  double m[4] = {4, 2, 7, 6}, x[4], piv[2];  // [4 7; 2 6], determinant 10
  const int two = 2;
  int ifail = 1;
  kivhost::resolve<Inverse>("_q36053@28")(m, &two, &two, x, &two, piv, &ifail);
  std::printf("inverse of [4 7; 2 6] = [%g %g; %g %g], IFAIL = %d\n", x[0], x[2], x[1], x[3],
              ifail);
}

void eigenvalues() {
  using Hseqr = void(KIV_CALL*)(const char*, const char*, int, int, int, double*, int, double*,
                                double*, double*, int, double*, int, int*, int, int);
  // Companion matrix of x^3 - 6x^2 + 11x - 6 = (x-1)(x-2)(x-3).
  double h[9] = {6, 1, 0, -11, 0, 1, 6, 0, 0}, wr[3], wi[3], z[1], work[3];
  int info = -1;
  kivhost::resolve<Hseqr>("_q83817@64")("Eigenvalues", "No vectors", 3, 1, 3, h, 3, wr, wi, z, 1,
                                        work, 3, &info, 11, 10);
  std::printf("eigenvalues %.15g %.15g %.15g, INFO = %d\n", wr[0], wr[1], wr[2], info);
  int bad = 99;
  kivhost::resolve<Hseqr>("_q83817@64")("x", "N", 3, 1, 3, h, 3, wr, wi, z, 1, work, 3, &bad, 1,
                                        1);
  std::printf("JOB = \"x\": INFO = %d, nothing written\n", bad);
}

void tuning() {
  using Store = void(KIV_CALL*)(int, const char*, int*, int, int);
  auto store = kivhost::resolve<Store>("_q23883@20");
  int nb = 0, shifts = 0, none = 0, out_of_range = 0;
  store(1, "F07ADF", &nb, 0, 6);
  store(4, "F08PEF", &shifts, 0, 6);
  store(1, "DGETRF", &none, 0, 6);
  store(9, "F07ADF", &out_of_range, 0, 6);
  std::printf("F07ADF block size %d, F08PEF shifts %d, DGETRF %d, parameter 9 %d\n", nb, shifts,
              none, out_of_range);
}

}  // namespace

KIVHOST_STOP(20, "Matrix product through the library-name entry (_q17700@68)", product);
KIVHOST_STOP(21, "LU factorisation and inverse (_q96872@24, _q36053@28)", lu_and_inverse);
KIVHOST_STOP(22, "Hessenberg QR eigenvalues and a silent illegal option (_q83817@64)",
             eigenvalues);
KIVHOST_STOP(23, "The tuning store (_q23883@20)", tuning);
