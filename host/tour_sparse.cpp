// Tour stop of the sparse solvers: a small convection-diffusion system
// solved by each method, the host answering every request itself.
#include <cmath>
#include <string_view>
#include <vector>

#include "tour.hpp"

namespace {

using Setup = int(KIV_CALL*)(const char*, const char*, const char*, const char*, const int*,
                             const int*, const int*, const double*, const int*, const double*,
                             const double*, const int*, int*, double*, const int*, int*, int, int,
                             int, int);
using Iterate = int(KIV_CALL*)(int*, double*, double*, const double*, double*, const int*, int*);
using Monitor = int(KIV_CALL*)(int*, double*, double*, double*, double*, const double*,
                               const int*, int*);

// -u_xx - u_yy + 20 u_x on an 8 x 8 grid (cell Peclet number 0.5), as a
// five-point stencil applied in place of a stored matrix.
constexpr int kSide = 8;
constexpr int kN = kSide * kSide;
constexpr double kWest = -1.25, kEast = -0.75, kSouth = -1.0, kNorth = -1.0, kCentre = 4.0;

void product(const double* x, double* y, bool transpose) {
  const double w = transpose ? kEast : kWest, e = transpose ? kWest : kEast;
  for (int j = 0; j < kSide; ++j)
    for (int i = 0; i < kSide; ++i) {
      const int k = j * kSide + i;
      double s = kCentre * x[k];
      if (i > 0) s += w * x[k - 1];
      if (i < kSide - 1) s += e * x[k + 1];
      if (j > 0) s += kSouth * x[k - kSide];
      if (j < kSide - 1) s += kNorth * x[k + kSide];
      y[k] = s;
    }
}

void sparse_solve() {
  auto setup = kivhost::resolve<Setup>("_q95239@80");
  auto iterate = kivhost::resolve<Iterate>("_q10821@28");
  auto monitor = kivhost::resolve<Monitor>("_q27809@32");
  std::printf("%-9s %-7s %6s %10s %14s\n", "method", "precon", "IFAIL", "iterations",
              "max|b - Ax|");
  for (const char* method : {"RGMRES", "CGS", "BICGSTAB", "TFQMR"})
    for (const char* precon : {"N", "P"}) {
      const int iterm = 1, n = kN, m = 4, maxitn = 500, monit = 0;
      const double tol = 1e-10, anorm = 0.0, sigmax = 0.0;
      int lwreq = 0, lwork = 2000, ifail = 1;
      std::vector<double> work(lwork);
      const int method_len = static_cast<int>(std::string_view(method).size());
      setup(method, precon, "I", "N", &iterm, &n, &m, &tol, &maxitn, &anorm, &sigmax, &monit,
            &lwreq, work.data(), &lwork, &ifail, method_len, 1, 1, 1);
      std::vector<double> u(n, 0.0), v(n, 1.0), wgt(n, 1.0), b = v;
      int irevcm = 0;
      for (;;) {
        ifail = 1;
        iterate(&irevcm, u.data(), v.data(), wgt.data(), work.data(), &lwork, &ifail);
        if (irevcm == 4) break;
        if (irevcm == 1 || irevcm == -1) product(u.data(), v.data(), irevcm == -1);
        else if (irevcm == 2)
          for (int i = 0; i < n; ++i) v[i] = u[i] / kCentre;  // Jacobi
      }
      int itn = 0, mfail = 1;
      double lhs, rhs, an, sg;
      monitor(&itn, &lhs, &rhs, &an, &sg, work.data(), &lwork, &mfail);
      std::vector<double> r(n);
      product(u.data(), r.data(), false);
      double worst = 0.0;
      for (int i = 0; i < n; ++i) worst = std::fmax(worst, std::fabs(b[i] - r[i]));
      std::printf("%-9s %-7s %6d %10d %14.3e\n", method, precon, ifail, itn, worst);
    }
}

}  // namespace

KIVHOST_STOP(60, "Sparse solve by reverse communication (_q95239@80, _q10821@28, _q27809@32)",
             sparse_solve);
