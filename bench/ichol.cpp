// The incomplete Cholesky preconditioner and CG on 2-D and 3-D Poisson
// and on the stiffness matrix bcsstk01:
//  - F11JAF's time per factor entry for IC(0) in natural order at four
//    sizes (a table at exit gives largest-n over smallest-n, flat is 1),
//    beside Eigen's IncompleteCholesky (natural ordering) on the same
//    matrix;
//  - one application of the factor, F11JBF against Eigen's solve;
//  - CG preconditioned by IC(0) to 1e-8: the library's CG by reverse
//    communication (F11GDF/F11GEF/F11GFF, products by F11XEF, the factor
//    applied by F11JBF) against Eigen's ConjugateGradient with its
//    IncompleteCholesky (and PETSc's KSPCG with PCICC when it was found at
//    configuration); counters itn and us/itn.  Both stop at
//    ||b - A x||_2 <= 1e-8 ||b||_2 from x = 0 (the library's 2-norm test
//    with ||A|| given as the smallest normal number, so that the term
//    ||A|| ||x|| vanishes);
//  - for context, SYMMLQ against CG on the same problem and factor: the
//    library's CG is the "cg" side of the "symmlq-ic0" cases.
//
// Sizes: n up to about 2.5 10^5 by default; KIV2_BENCH_LARGE=1 adds 10^6.
#include <benchmark/benchmark.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "kiv2.h"
#include "sparse_problems.hpp"

#ifdef KIV2_HAVE_EIGEN
#include <Eigen/IterativeLinearSolvers>
#include <Eigen/Sparse>
#endif
#ifdef KIV2_HAVE_PETSC
#include <petscksp.h>
#endif

namespace {

using kivbench::cpu_seconds;
using kivbench::Problem;

constexpr double kTol = 1e-8;
constexpr int kMaxitn = 5000;

struct Factor {
  int n = 0, nnz = 0, la = 0, nnzfac = 0, npvmod = 0, ifail = -1;
  std::vector<double> a;
  std::vector<int> irow, icol, ipiv, istr, iwork;
};

void prepare(const Problem& p, Factor& f) {
  f.n = p.n;
  f.nnz = p.nnz;
  f.la = 2 * p.nnz + p.n;
  kivbench::place(p, f.la, f.a, f.irow, f.icol);
  f.ipiv.assign(p.n, 0);
  f.istr.assign(p.n + 1, 0);
  f.iwork.assign(2LL * f.la - 3LL * f.nnz + 7LL * f.n + 1, 0);
}

void run_factor(Factor& f) {
  char record[KIV2_RECORD_LEN + 1];
  f.ifail = 1;
  F11JAF(f.n, f.nnz, f.a.data(), f.la, f.irow.data(), f.icol.data(), 0, 0.0, "N", 0.0, "N",
         f.ipiv.data(), f.istr.data(), &f.nnzfac, &f.npvmod, f.iwork.data(),
         static_cast<int>(f.iwork.size()), record, &f.ifail, 1, 1, KIV2_RECORD_LEN);
}

int apply(Factor& f, const double* y, double* x) {
  char record[KIV2_RECORD_LEN + 1];
  int ifail = 1;
  F11JBF(f.n, f.a.data(), f.la, f.irow.data(), f.icol.data(), f.ipiv.data(), f.istr.data(), "N",
         y, x, record, &ifail, 1, KIV2_RECORD_LEN);
  return ifail;
}

// The grids, and bcsstk01 (SIDE 0).
struct Case {
  const char* name;
  int dim;
  std::vector<int> sides;
};
const Case kCases[] = {
    {"poisson2d", 2, {125, 250, 500, 1000}},
    {"poisson3d", 3, {25, 40, 63, 100}},
    {"bcsstk01", 0, {0}},
};

const Problem& problem(const Case& c, int side) {
  return c.dim == 0 ? kivbench::test_matrix("bcsstk01.mtx")
                    : kivbench::cached_grid(c.dim, side, 0.0, true);
}

kivbench::Flatness& flatness() {
  static kivbench::Flatness f("F11JAF time per entry");
  return f;
}

void bm_factor(benchmark::State& state, const Case& c, int side) {
  const Problem& p = problem(c, side);
  Factor f;
  prepare(p, f);
  run_factor(f);
  double seconds = 0.0;
  std::int64_t runs = 0;
  for (auto _ : state) {
    const double t0 = cpu_seconds();
    run_factor(f);
    seconds += cpu_seconds() - t0;
    ++runs;
    if (f.ifail != 0) {
      state.SkipWithError("F11JAF failed");
      return;
    }
  }
  const double ns = 1e9 * seconds / runs / f.nnzfac;
  state.counters["n"] = p.n;
  state.counters["nnzfac"] = f.nnzfac;
  state.counters["ns/entry"] = ns;
  if (c.dim != 0) flatness().record(c.name, p.n, ns);
}

void bm_apply(benchmark::State& state, const Case& c, int side) {
  const Problem& p = problem(c, side);
  Factor f;
  prepare(p, f);
  run_factor(f);
  std::vector<double> y(p.n, 1.0), x(p.n);
  for (auto _ : state) {
    apply(f, y.data(), x.data());
    benchmark::DoNotOptimize(x.data());
  }
}

// b = A e: the same right-hand side on every side.
std::vector<double> rhs(const Problem& p) {
  std::vector<double> ones(p.n, 1.0), b(p.n);
  kivbench::product(p, ones.data(), b.data());
  return b;
}

// The library's CG or SYMMLQ preconditioned by the factor, from x = 0;
// returns the iterations, or -1 when the solver did not converge.
int kiv_solve(const char* method, const Problem& p, Factor& f, const std::vector<double>& b,
              std::vector<double>& x, std::vector<double>& work) {
  char record[KIV2_RECORD_LEN + 1];
  const int n = p.n, lwork = static_cast<int>(work.size());
  int lwreq = 0, ifail = 1;
  F11GDF(method, "P", "N", "2", "N", 1, n, kTol, kMaxitn, DBL_MIN, 0.0, 0.0, kMaxitn, 0, &lwreq,
         work.data(), lwork, record, &ifail, static_cast<int>(std::strlen(method)), 1, 1, 1, 1,
         KIV2_RECORD_LEN);
  if (ifail != 0) return -1;
  std::fill(x.begin(), x.end(), 0.0);
  std::vector<double> v = b;
  const double wgt = 1.0;
  int irevcm = 0;
  for (;;) {
    ifail = 1;
    F11GEF(&irevcm, x.data(), v.data(), &wgt, work.data(), lwork, record, &ifail,
           KIV2_RECORD_LEN);
    if (irevcm == 4) break;
    int rfail = 1;
    if (irevcm == 1 || irevcm == -1)
      F11XEF(n, p.nnz, p.a.data(), p.irow.data(), p.icol.data(), "N", x.data(), v.data(), record,
             &rfail, 1, KIV2_RECORD_LEN);
    else if (irevcm == 2)
      rfail = apply(f, x.data(), v.data());
    if (rfail != 0) irevcm = 6;
  }
  if (ifail != 0) return -1;
  int itn = 0, its = 0;
  double lhs, rhs_, anorm, sigmax, sigerr;
  F11GFF(&itn, &lhs, &rhs_, &anorm, &sigmax, &its, &sigerr, work.data(), lwork, record, &ifail,
         KIV2_RECORD_LEN);
  return itn;
}


void bm_kiv_solve(benchmark::State& state, const Case& c, int side, const char* method) {
  const Problem& p = problem(c, side);
  Factor f;
  prepare(p, f);
  run_factor(f);
  const std::vector<double> b = rhs(p);
  std::vector<double> x(p.n), work(120 + 6LL * p.n);
  int itn = 0;
  double seconds = 0.0;
  std::int64_t runs = 0;
  for (auto _ : state) {
    const double t0 = cpu_seconds();
    itn = kiv_solve(method, p, f, b, x, work);
    seconds += cpu_seconds() - t0;
    ++runs;
  }
  kivbench::report_solve(state, itn, seconds, runs, p.n);
}

#ifdef KIV2_HAVE_EIGEN
using SpMat = Eigen::SparseMatrix<double>;
using Ic = Eigen::IncompleteCholesky<double, Eigen::Lower, Eigen::NaturalOrdering<int>>;

void bm_eigen_factor(benchmark::State& state, const Case& c, int side) {
  const SpMat m = kivbench::to_eigen<SpMat>(problem(c, side));
  Ic ic;
  for (auto _ : state) {
    ic.compute(m);
    benchmark::DoNotOptimize(&ic);
  }
}

void bm_eigen_apply(benchmark::State& state, const Case& c, int side) {
  const SpMat m = kivbench::to_eigen<SpMat>(problem(c, side));
  Ic ic(m);
  const Eigen::VectorXd y = Eigen::VectorXd::Ones(m.rows());
  Eigen::VectorXd x(m.rows());
  for (auto _ : state) {
    x = ic.solve(y);
    benchmark::DoNotOptimize(x.data());
  }
}

void bm_eigen_solve(benchmark::State& state, const Case& c, int side) {
  const Problem& p = problem(c, side);
  const SpMat m = kivbench::to_eigen<SpMat>(p);
  Eigen::ConjugateGradient<SpMat, Eigen::Lower | Eigen::Upper, Ic> cg;
  cg.setTolerance(kTol);
  cg.setMaxIterations(kMaxitn);
  cg.compute(m);
  kivbench::time_eigen_solve(state, cg, rhs(p));
}
#endif

#ifdef KIV2_HAVE_PETSC
// PETSc's CG with its incomplete Cholesky (level 0), natural ordering, the
// same stopping test.
void bm_petsc_solve(benchmark::State& state, const Case& c, int side) {
  const Problem& p = problem(c, side);
  std::vector<PetscInt> nz(p.n, 0);
  for (int k = 0; k < p.nnz; ++k) {
    ++nz[p.irow[k] - 1];
    if (p.irow[k] != p.icol[k]) ++nz[p.icol[k] - 1];
  }
  Mat a;
  MatCreateSeqAIJ(PETSC_COMM_SELF, p.n, p.n, 0, nz.data(), &a);
  for (int k = 0; k < p.nnz; ++k) {
    const PetscInt i = p.irow[k] - 1, j = p.icol[k] - 1;
    MatSetValue(a, i, j, p.a[k], INSERT_VALUES);
    if (i != j) MatSetValue(a, j, i, p.a[k], INSERT_VALUES);
  }
  MatAssemblyBegin(a, MAT_FINAL_ASSEMBLY);
  MatAssemblyEnd(a, MAT_FINAL_ASSEMBLY);
  const std::vector<double> bv = rhs(p);
  Vec b, x;
  VecCreateSeq(PETSC_COMM_SELF, p.n, &b);
  VecDuplicate(b, &x);
  for (PetscInt i = 0; i < p.n; ++i) VecSetValue(b, i, bv[i], INSERT_VALUES);
  VecAssemblyBegin(b);
  VecAssemblyEnd(b);
  KSP ksp;
  PC pc;
  KSPCreate(PETSC_COMM_SELF, &ksp);
  KSPSetOperators(ksp, a, a);
  KSPSetType(ksp, KSPCG);
  KSPGetPC(ksp, &pc);
  PCSetType(pc, PCICC);
  KSPSetNormType(ksp, KSP_NORM_UNPRECONDITIONED);
  KSPSetTolerances(ksp, kTol, 0.0, PETSC_DEFAULT, kMaxitn);
  KSPSetUp(ksp);
  int itn = 0;
  double seconds = 0.0;
  std::int64_t runs = 0;
  for (auto _ : state) {
    VecSet(x, 0.0);
    const double t0 = cpu_seconds();
    KSPSolve(ksp, b, x);
    seconds += cpu_seconds() - t0;
    ++runs;
    PetscInt its = 0;
    KSPConvergedReason reason;
    KSPGetIterationNumber(ksp, &its);
    KSPGetConvergedReason(ksp, &reason);
    itn = reason > 0 ? static_cast<int>(its) : -1;
  }
  kivbench::report_solve(state, itn, seconds, runs, p.n);
  KSPDestroy(&ksp);
  VecDestroy(&x);
  VecDestroy(&b);
  MatDestroy(&a);
}
#endif

int register_all() {
#ifdef KIV2_HAVE_PETSC
  PetscInitializeNoArguments();
#endif
  for (const Case& c : kCases) {
    const int count = c.dim == 0 ? 1 : kivbench::sizes();
    for (int s = 0; s < count; ++s) {
      const int side = c.sides[s];
      const std::string tag = c.dim == 0 ? c.name : std::string(c.name) + "/" + std::to_string(side);
      // Each case once at the largest sizes: a CG solve there takes seconds.
      const int iterations = s < 2 ? 0 : 1;
      auto add = [&](const std::string& name, auto fn, benchmark::TimeUnit unit) {
        auto* b = benchmark::RegisterBenchmark(name.c_str(), [fn, &c, side](benchmark::State& st) {
          fn(st, c, side);
        });
        b->Unit(unit);
        if (iterations > 0) b->Iterations(iterations);
      };
      add("kiv/factor-ic0/" + tag, bm_factor, benchmark::kMillisecond);
      add("kiv/apply-ic0/" + tag, bm_apply, benchmark::kMicrosecond);
      add("kiv/cg-ic0/" + tag,
          [](benchmark::State& st, const Case& cc, int sd) { bm_kiv_solve(st, cc, sd, "CG"); },
          benchmark::kMillisecond);
#ifdef KIV2_HAVE_EIGEN
      add("eigen/factor-ic0/" + tag, bm_eigen_factor, benchmark::kMillisecond);
      add("eigen/apply-ic0/" + tag, bm_eigen_apply, benchmark::kMicrosecond);
      add("eigen/cg-ic0/" + tag, bm_eigen_solve, benchmark::kMillisecond);
#endif
#ifdef KIV2_HAVE_PETSC
      add("petsc/cg-ic0/" + tag, bm_petsc_solve, benchmark::kMillisecond);
#endif
      add("kiv/symmlq-ic0/" + tag,
          [](benchmark::State& st, const Case& cc, int sd) { bm_kiv_solve(st, cc, sd, "SYMMLQ"); },
          benchmark::kMillisecond);
      add("cg/symmlq-ic0/" + tag,
          [](benchmark::State& st, const Case& cc, int sd) { bm_kiv_solve(st, cc, sd, "CG"); },
          benchmark::kMillisecond);
    }
  }
  flatness();  // constructed first, so destroyed after the table is printed
  std::atexit([] { flatness().print(); });
  return 0;
}
const int kRegistered = register_all();

}  // namespace
