// A caller of the symmetric and Hermitian reverse-communication solvers
// (F11GDF/F11GEF/F11GFF, F11GRF/F11GSF/F11GTF): the options of one problem,
// the caller's operators, and a solve driven to its end with what the
// caller saw.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "kiv2.h"
#include "problems.hpp"
#include "sorting/report.hpp"

namespace krylovtest {

inline constexpr int kBlock = 120;

template <class T>
struct SymApi {
  static constexpr bool complex = std::is_same_v<T, Complex>;
  static constexpr auto setup_fn = [] {
    if constexpr (complex) return &F11GRF; else return &F11GDF;
  }();
  static constexpr auto iterate_fn = [] {
    if constexpr (complex) return &F11GSF; else return &F11GEF;
  }();
  static constexpr auto monitor_fn = [] {
    if constexpr (complex) return &F11GTF; else return &F11GFF;
  }();
  static constexpr const char* setup_name = complex ? "F11GRF" : "F11GDF";
  static constexpr const char* iterate_name = complex ? "F11GSF" : "F11GEF";
};

struct SymOptions {
  std::string method = "CG";
  char precon = 'N', sigcmp = 'N', norm = '2', weight = 'N';
  int iterm = 1;
  double tol = 1e-10;
  int maxitn = 500;
  double anorm = 0.0, sigmax = 0.0, sigtol = 0.0;
  int maxits = 0, monit = 0;
};

// Set-up with soft failure, the record and the message lines.
template <class T>
kivtest::Report setup(const SymOptions& o, int n, std::vector<T>& work, int* lwreq,
                      int lwork = -1) {
  return kivtest::report([&](char* rec, int* ifail) {
    SymApi<T>::setup_fn(o.method.c_str(), &o.precon, &o.sigcmp, &o.norm, &o.weight, o.iterm, n,
                        o.tol, o.maxitn, o.anorm, o.sigmax, o.sigtol, o.maxits, o.monit, lwreq,
                        work.data(), lwork < 0 ? static_cast<int>(work.size()) : lwork, rec,
                        ifail, static_cast<int>(o.method.size()), 1, 1, 1, 1, KIV2_RECORD_LEN);
  });
}

// A problem driven by the caller's own operators.
template <class T>
struct Problem {
  int n = 0;
  std::function<void(const T*, T*)> apply;         // V = A U
  std::function<void(const T*, T*)> precondition;  // solve M V = U
};

template <class T>
Problem<T> from_csr(const Csr<T>& a, bool jacobi = false) {
  Problem<T> p;
  p.n = a.n;
  p.apply = [&a](const T* x, T* y) { a.apply(x, y); };
  if (jacobi)
    p.precondition = [&a](const T* x, T* y) {
      for (int i = 0; i < a.n; ++i) y[i] = x[i] / a.diagonal(i);
    };
  return p;
}

template <class T>
struct SymRun {
  int setup_ifail = 0, ifail = 0, lwreq = 0;
  std::vector<int> requests;
  std::vector<T> x, r, work;
  int itn = 0, its = 0, monitor_ifail = 0;
  double stplhs = 0, stprhs = 0, anorm = 0, sigmax = 0, sigerr = 0;
  std::string lines;
};

// Sets up and drives a solve to its end (or until STOP_AFTER returns, when
// it answers with IREVCM = STOP_CODE instead of the request).
template <class T>
SymRun<T> solve(const Problem<T>& p, const std::vector<T>& b, const SymOptions& o,
                int stop_after = -1, int stop_code = 5, const std::vector<T>& x0 = {}) {
  SymRun<T> run;
  run.work.assign(kBlock, T(0.0));
  kivtest::Report rep = setup(o, p.n, run.work, &run.lwreq);
  if (rep.ifail != 0) {
    run.setup_ifail = rep.ifail;
    return run;
  }
  run.work.resize(run.lwreq);
  rep = setup(o, p.n, run.work, &run.lwreq);
  std::vector<T> u = x0.empty() ? std::vector<T>(p.n, T(0.0)) : x0, v = b;
  std::vector<double> w(p.n, 1.0);
  int irevcm = 0;
  for (int k = 0; k < 100000; ++k) {
    rep = kivtest::report([&](char* rec, int* ifail) {
      SymApi<T>::iterate_fn(&irevcm, u.data(), v.data(), w.data(), run.work.data(),
                            static_cast<int>(run.work.size()), rec, ifail, KIV2_RECORD_LEN);
    });
    run.requests.push_back(irevcm);
    if (irevcm == 4) break;
    if (irevcm == 1 || irevcm == -1) p.apply(u.data(), v.data());
    else if (irevcm == 2) p.precondition(u.data(), v.data());
    if (k == stop_after) irevcm = stop_code;
  }
  run.ifail = rep.ifail;
  run.lines = rep.lines;
  run.x = u;
  run.r = v;
  const kivtest::Report m = kivtest::report([&](char* rec, int* ifail) {
    SymApi<T>::monitor_fn(&run.itn, &run.stplhs, &run.stprhs, &run.anorm, &run.sigmax, &run.its,
                          &run.sigerr, run.work.data(), static_cast<int>(run.work.size()), rec,
                          ifail, KIV2_RECORD_LEN);
  });
  run.monitor_ifail = m.ifail;
  return run;
}

}  // namespace krylovtest
