// The dense layer's routines whose illegal arguments are silent or go
// through IFAIL: LU and Cholesky factorisation, the scaled triangular
// solve, determinants and the inverse, the norm estimators (driven through
// their reverse communication with a damaged state now and then), the
// tuning store and the eigenproblem routines.  The level-2 and level-3
// kernels end the process on an illegal argument by design and are left
// out, as are the raw LAPACK auxiliaries, which check nothing.
#include <algorithm>
#include <complex>
#include <string>
#include <vector>

#include "dense/lapack.hpp"
#include "input.hpp"

namespace {

using kivfuzz::Array;
using kivfuzz::count;
using kivfuzz::Input;
using z = kiv2_complex;

int dim(Input& in) { return in.integer(-1, 8); }
int ld(Input& in) { return in.integer(0, 10); }

// Orders above this are skipped by the routines whose work grows like
// N^2 or N^3: a valid large problem is merely slow, and an input has 2 s.
constexpr int kLargestOrder = 64;
bool too_slow(int n) { return n > kLargestOrder; }

// Elements of an LD x COLS array, or -1 when it may not be allocated.
std::int64_t elements(std::int64_t ld, std::int64_t cols) {
  const std::int64_t n = count(ld) * count(cols);
  return kivfuzz::fits(n) ? n : -1;
}

// Tuning values changed during one input, put back at its end so that
// every input starts from the same store.
struct Tuning {
  struct Saved {
    int ispec;
    std::string name;
    int value;
  };
  std::vector<Saved> saved;
  void set(Input& in) {
    const std::string name =
        in.pick<const char*>({"F07ADF", "F07ARF", "F07FRF", "F07ADG", "F08PEF", "F08PSF"});
    const int ispec = in.range(1, 8);
    int old = 0, v = in.integer(-1, 6);
    TUNING_STORE(ispec, name.c_str(), &old, 0, 6);
    saved.push_back({ispec, name, old});
    TUNING_STORE(ispec, name.c_str(), &v, 1, 6);
  }
  ~Tuning() {
    for (auto s = saved.rbegin(); s != saved.rend(); ++s)
      TUNING_STORE(s->ispec, s->name.c_str(), &s->value, 1, 6);
  }
};

template <class T>
void factorise(Input& in) {
  const int m = dim(in), n = dim(in), lda = ld(in);
  const std::int64_t na = elements(lda, n);
  if (na < 0) return;
  Array<T> a(na);
  Array<int> ipiv(std::min(count(m), count(n)));
  Array<double> piv(std::min(count(m), count(n)));
  if (kivfuzz::oversized()) return;
  in.fill(a);
  int info = 0;
  if constexpr (std::is_same_v<T, double>) {
    switch (in.range(0, 3)) {
      case 0:
        DGETRF(m, n, a.data(), lda, ipiv.data(), &info);
        break;
      case 1:
        DGETF2(m, n, a.data(), lda, ipiv.data(), &info);
        break;
      case 2:
        F07ADG(m, n, a.data(), lda, piv.data(), &info);
        break;
      default:
        F07ADH(m, n, a.data(), lda, piv.data(), &info);
    }
  } else {
    if (in.flag())
      ZGETRF(m, n, a.data(), lda, ipiv.data(), &info);
    else
      ZGETF2(m, n, a.data(), lda, ipiv.data(), &info);
  }
}

void cholesky_and_solve(Input& in) {
  const int n = dim(in), lda = ld(in);
  const std::int64_t na = elements(lda, n);
  if (na < 0) return;
  Array<z> a(na), x(n);
  Array<double> cnorm(n);
  if (kivfuzz::oversized()) return;
  in.fill(a);
  in.fill(x);
  in.fill(cnorm);
  int info = 0;
  auto uplo = in.option("UL", {"Upper", "Lower"});
  if (in.flag()) {
    if (in.flag())
      ZPOTRF(uplo.text.get(), n, a.data(), lda, &info, uplo.len);
    else
      ZPOTF2(uplo.text.get(), n, a.data(), lda, &info, uplo.len);
    return;
  }
  auto trans = in.option("NTC"), diag = in.option("UN"), normin = in.option("YN");
  double scale = 0;
  ZLATRS(uplo.text.get(), trans.text.get(), diag.text.get(), normin.text.get(), n, a.data(), lda,
         x.data(), &scale, cnorm.data(), &info, uplo.len, trans.len, diag.len, normin.len);
}

void determinants(Input& in) {
  const int n = dim(in), ia = ld(in), ix = ld(in);
  if (too_slow(n)) return;
  const std::int64_t na = elements(ia, n), nx = elements(ix, n);
  if (na < 0 || nx < 0) return;
  Array<double> a(na), x(nx), piv(n);
  if (kivfuzz::oversized()) return;
  in.fill(a);
  int ifail = 1;
  switch (in.range(0, 2)) {
    case 0: {
      double det;
      F03AAF(a.data(), ia, n, &det, piv.data(), &ifail);
      if (ifail < 0 || ifail > 4) __builtin_trap();
      break;
    }
    case 1: {
      double detf;
      int dete;
      char record[KIV2_RECORD_LEN + 1];
      F03AFF(n, in.real(), a.data(), ia, &detf, &dete, piv.data(), record, &ifail, KIV2_RECORD_LEN);
      if (ifail < 0 || ifail > 2) __builtin_trap();
      // A finite scaled determinant is normalised.
      if (ifail == 0 && std::isfinite(detf) &&
          !(std::fabs(detf) >= 0.0625 && std::fabs(detf) < 1.0))
        __builtin_trap();
      break;
    }
    default:
      F01AAZ_BYREF(a.data(), &ia, &n, x.data(), &ix, piv.data(), &ifail);
      if (ifail < 0 || ifail > 2) __builtin_trap();
  }
}

// The estimator as a caller drives it, X := A X or A' X on request, with
// the state damaged now and then.
template <class T>
void estimate(Input& in) {
  const int n = dim(in);
  if (too_slow(n)) return;
  const std::int64_t na = elements(n, n);
  if (na < 0) return;
  Array<T> a(na), x(n), work(n);
  Array<int> isgn(n), isave(3);
  in.fill(a);
  in.fill(isave, -1, 6);
  double est = in.real();
  int kase = in.flag() ? 0 : in.integer(0, 2);
  for (int call = 0; call < 16; ++call) {
    int ifail = 1;
    char record[KIV2_RECORD_LEN + 1];
    if constexpr (std::is_same_v<T, z>)
      F04ZCF(&kase, n, x.data(), &est, work.data(), isave.data(), record, &ifail, 200);
    else
      F04YCF(&kase, n, x.data(), &est, work.data(), isgn.data(), isave.data(), record, &ifail, 200);
    if (ifail != 0 && kase != 0) __builtin_trap();
    if (kase == 0) break;
    std::vector<T> y(count(n));
    for (int i = 0; i < n; ++i)
      for (int k = 0; k < n; ++k) {
        T e = kase == 1 ? a[i + k * static_cast<std::size_t>(n)]
                        : a[k + i * static_cast<std::size_t>(n)];
        if constexpr (std::is_same_v<T, z>)
          if (kase != 1) e = std::conj(e);
        y[i] += e * x[k];
      }
    std::copy(y.begin(), y.end(), x.data());
    if (in.range(0, 3) == 0) isave[in.range(0, 2)] = in.integer(-1, n + 1);
    if (in.range(0, 7) == 0) kase = in.integer(0, 2);
  }
}

template <class T>
void balance_and_qr(Input& in) {
  const int n = dim(in), lda = ld(in), ldz = ld(in);
  if (too_slow(n)) return;
  const std::int64_t na = elements(lda, n), nz = elements(ldz, n);
  if (na < 0 || nz < 0) return;
  Array<T> h(na), zz(nz), w(n);
  Array<double> scale(n), wr(n), wi(n);
  if (kivfuzz::oversized()) return;
  in.fill(h);
  in.fill(zz);
  int info = 0, ilo = in.integer(0, 9), ihi = in.integer(0, 9);
  if (in.flag()) {
    auto job = in.option("NPSB");
    if constexpr (std::is_same_v<T, double>)
      DGEBAL(job.text.get(), n, h.data(), lda, &ilo, &ihi, scale.data(), &info, job.len);
    else
      ZGEBAL(job.text.get(), n, h.data(), lda, &ilo, &ihi, scale.data(), &info, job.len);
    return;
  }
  auto job = in.option("ES"), compz = in.option("NIV");
  const int lwork = in.integer(-1, 12);
  if (!kivfuzz::fits(lwork)) return;
  Array<T> work(std::max(1, lwork));
  if constexpr (std::is_same_v<T, double>)
    DHSEQR(job.text.get(), compz.text.get(), n, ilo, ihi, h.data(), lda, wr.data(), wi.data(),
           zz.data(), ldz, work.data(), lwork, &info, job.len, compz.len);
  else
    ZHSEQR(job.text.get(), compz.text.get(), n, ilo, ihi, h.data(), lda, w.data(), zz.data(), ldz,
           work.data(), lwork, &info, job.len, compz.len);
}

template <class T>
void schur(Input& in) {
  const int n = dim(in), ldt = ld(in), ldl = ld(in), ldr = ld(in), mm = in.integer(0, 9);
  if (too_slow(n)) return;
  const std::int64_t nt = elements(ldt, n), nl = elements(ldl, mm), nr = elements(ldr, mm);
  if (nt < 0 || nl < 0 || nr < 0) return;
  Array<T> t(nt), vl(nl), vr(nr);
  Array<int> select(n), iwork(2 * count(std::int64_t{n} - 1));
  if (kivfuzz::oversized()) return;
  in.fill(t);
  in.fill(vl);
  in.fill(vr);
  in.fill(select, 0, 1);
  int info = 0, m = 0;
  switch (in.range(0, 2)) {
    case 0: {  // reordering
      auto compq = in.option("NV");
      int ifst = in.integer(0, 9), ilst = in.integer(0, 9);
      const std::int64_t nq = elements(ldl, n);
      if (nq < 0) return;
      Array<T> work(n), q(nq);
      in.fill(q);
      if constexpr (std::is_same_v<T, double>)
        DTREXC(compq.text.get(), n, t.data(), ldt, q.data(), ldl, &ifst, &ilst, work.data(), &info,
               compq.len);
      else
        ZTREXC(compq.text.get(), n, t.data(), ldt, q.data(), ldl, ifst, ilst, &info, compq.len);
      break;
    }
    case 1: {  // eigenvectors
      auto side = in.option("RLB"), howmny = in.option("ABS");
      Array<T> work(std::is_same_v<T, double> ? 3 * count(n) : 2 * count(n));
      Array<double> rwork(n);
      if (kivfuzz::oversized()) return;
      if constexpr (std::is_same_v<T, double>)
        DTREVC(side.text.get(), howmny.text.get(), select.data(), n, t.data(), ldt, vl.data(), ldl,
               vr.data(), ldr, mm, &m, work.data(), &info, side.len, howmny.len);
      else
        ZTREVC(side.text.get(), howmny.text.get(), select.data(), n, t.data(), ldt, vl.data(), ldl,
               vr.data(), ldr, mm, &m, work.data(), rwork.data(), &info, side.len, howmny.len);
      break;
    }
    default: {  // condition numbers
      auto job = in.option("EVB"), howmny = in.option("AS");
      const int ldwork = ld(in);
      const std::int64_t nw =
          elements(ldwork, std::int64_t{n} + (std::is_same_v<T, double> ? 6 : 1));
      if (nw < 0) return;
      Array<T> work(nw);
      Array<double> s(mm), sep(mm), rwork(n);
      if (kivfuzz::oversized()) return;
      if constexpr (std::is_same_v<T, double>)
        DTRSNA(job.text.get(), howmny.text.get(), select.data(), n, t.data(), ldt, vl.data(), ldl,
               vr.data(), ldr, s.data(), sep.data(), mm, &m, work.data(), ldwork, iwork.data(),
               &info, job.len, howmny.len);
      else
        ZTRSNA(job.text.get(), howmny.text.get(), select.data(), n, t.data(), ldt, vl.data(), ldl,
               vr.data(), ldr, s.data(), sep.data(), mm, &m, work.data(), ldwork, rwork.data(),
               &info, job.len, howmny.len);
    }
  }
}

void bisection(Input& in) {
  const int n = dim(in);
  if (too_slow(n)) return;
  Array<double> d(n), e(std::int64_t{n} - 1), w(n), work(4 * count(n));
  Array<int> iblock(n), isplit(n), iwork(3 * count(n));
  if (kivfuzz::oversized()) return;
  in.fill(d);
  in.fill(e);
  auto range = in.option("AVI"), order = in.option("BE");
  int m = 0, nsplit = 0, info = 0;
  DSTEBZ(range.text.get(), order.text.get(), n, in.real(), in.real(), in.integer(0, 9),
         in.integer(0, 9), in.real(), d.data(), e.data(), &m, &nsplit, w.data(), iblock.data(),
         isplit.data(), work.data(), iwork.data(), &info, range.len, order.len);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  Tuning tuning;
  kivfuzz::steps(in, 8, [&] {
    switch (in.range(0, 13)) {
      case 0:
        factorise<double>(in);
        break;
      case 1:
        factorise<z>(in);
        break;
      case 2:
        cholesky_and_solve(in);
        break;
      case 3:
        determinants(in);
        break;
      case 4:
        estimate<double>(in);
        break;
      case 5:
        estimate<z>(in);
        break;
      case 6:
        balance_and_qr<double>(in);
        break;
      case 7:
        balance_and_qr<z>(in);
        break;
      case 8:
        schur<double>(in);
        break;
      case 9:
        schur<z>(in);
        break;
      case 10:
        bisection(in);
        break;
      case 11: {
        int v = 0;
        const std::string name = in.flag() ? "F07ADF" : std::string(1 + in.range(0, 6), 'F');
        TUNING_STORE(in.integer(0, 9), name.c_str(), &v, 0, static_cast<int>(name.size()));
        break;
      }
      default:
        tuning.set(in);
    }
  });
  return 0;
}
