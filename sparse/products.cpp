// Sparse matrix-vector products in coordinate storage: F11XAF, F11XNF
// (y = A x or y = A^T x, resp. A^H x) and F11XEF, F11XSF (symmetric resp.
// Hermitian matrices held by their lower triangle); one template over the
// value type and the format.
#include <algorithm>
#include <complex>

#include "frame/wrappers.hpp"
#include "sorting/sorting.hpp"
#include "sparse/storage.hpp"

namespace {

using kiv::sorting::Letter;
using kiv::sorting::option_letter;
using Complex = std::complex<double>;

constexpr const char* kCheckOption = " ** On entry, CHECK .ne. 'C' or 'N': CHECK = '%s'.";
constexpr const char* kNSmall = " ** On entry, N .lt. 1: N =%16ld.";
constexpr const char* kNnzSmall = " ** On entry, NNZ .lt. 1: NNZ =%16ld.";
constexpr const char* kRowRange =
    " ** On entry, IROW(I) .lt. 1 or IROW(I) .gt. N:\n"
    "    I = %16ld, IROW(I) = %16ld, N = %16ld.";
constexpr const char* kOrder = " ** On entry, A(I) is out of order:\n    I =%16ld.";
constexpr const char* kDuplicate =
    " ** On entry, the location (IROW(I), ICOL(I)) is a duplicate:\n    I =%16ld.";

// Label order: CHECK, TRANS, then check codes 1 to 7.
constexpr kiv::Messages kGeneralMessages{
    kCheckOption,
    " ** On entry, TRANS .ne. 'N' or 'T': TRANS = '%s'.",
    kNSmall,
    kNnzSmall,
    " ** On entry, NNZ .gt. N**2:\n    NNZ =%16ld N =%16ld.",
    kRowRange,
    " ** On entry, ICOL(I) .lt. 1 or ICOL(I) .gt. N:\n"
    "    I = %16ld, ICOL(I) = %16ld, N = %16ld.",
    kOrder,
    kDuplicate,
};
// Label order: CHECK, then check codes 1 to 7.
constexpr kiv::Messages kSymmetricMessages{
    kCheckOption,
    kNSmall,
    kNnzSmall,
    " ** On entry, NNZ .gt. N*(N+1)/2:\n    NNZ =%16ld N =%16ld.",
    kRowRange,
    " ** On entry, ICOL(I) .lt. 1 or ICOL(I) .gt. IROW(I):\n"
    "    I =%16ld, ICOL(I) =%16ld, IROW(I) =%16ld.",
    kOrder,
    kDuplicate,
};

double conj(double a) { return a; }
Complex conj(Complex a) { return std::conj(a); }

// a*x without the library's special-value handling of complex products
// (the sum of products a dense product forms).
double mul(double a, double x) { return a * x; }
Complex mul(Complex a, Complex x) {
  return {a.real() * x.real() - a.imag() * x.imag(), a.real() * x.imag() + a.imag() * x.real()};
}

void poison(int n, double* y) { POISON_REALS(n, y); }
void poison(int n, Complex* y) { POISON_COMPLEXES(n, y); }

enum class Product { plain, transposed, symmetric };

// Entries whose column indices are checked together before any is used.
constexpr int kBlock = 512;

// Position of the first of C[0 .. len) outside 1..last+1, or LEN: four
// indices per compare, the scan of the block repeated only when one fails.
int first_outside(const int* c, int len, unsigned last) {
  typedef unsigned Index4 __attribute__((vector_size(16)));
  const Index4 limit = {last, last, last, last};
  Index4 out = {};
  int t = 0;
  for (; t + 4 <= len; t += 4) {
    Index4 v;
    __builtin_memcpy(&v, c + t, sizeof v);
    out |= (Index4)(v - 1u > limit);  // unsigned: INT_MIN - 1 cannot overflow
  }
  bool any = (out[0] | out[1] | out[2] | out[3]) != 0;
  for (; t < len; ++t) any |= static_cast<unsigned>(c[t]) - 1u > last;
  if (!any) return len;
  for (t = 0; t < len; ++t)
    if (static_cast<unsigned>(c[t]) - 1u > last) return t;
  return len;
}

// Y = op(A) X, the entries taken in storage order, one run of equal rows at
// a time.  The product proper keeps Y(row) in a register over a run and
// writes it once at the run's end: a row seen for the first time starts
// from zero (the rows skipped on the way are zeroed then), a row seen again
// (unsorted storage) from its value, so that the sums are those of a
// scatter in storage order.  The other two scatter into Y, zeroed first.
// No index is used before it is checked, even when the storage was not:
// the columns of a block of entries at once, a row where a run starts.
// Returns the 1-based position of the first entry with a bad index (Y then
// holds nothing useful), or 0.
template <Product op, class T>
int multiply(int n, int nnz, const T* a, const int* irow, const int* icol, const T* x, T* y) {
  if (n < 1) return nnz > 0 ? 1 : 0;
  const unsigned last = static_cast<unsigned>(n) - 1;
  if constexpr (op != Product::plain) std::fill(y, y + n, T{});
  int filled = 0;  // rows 1..filled of Y have been started
  int i = 0;       // the row of the open run, 0 before the first
  T s{}, xi{};
  auto close = [&] {
    if constexpr (op != Product::transposed) {
      if (i != 0) y[i - 1] = s;
    }
  };
  for (int k = 0; k < nnz;) {
    const int end = nnz - k > kBlock ? k + kBlock : nnz;
    const int bad = k + first_outside(icol + k, end - k, last);
    for (; k < bad; ++k) {
      const int r = irow[k];
      if (r != i) {
        close();
        if (static_cast<unsigned>(r) - 1u > last) return k + 1;
        i = r;
        if constexpr (op == Product::plain) {
          if (r > filled) {
            std::fill(y + filled, y + r - 1, T{});
            filled = r;
            s = T{};
          } else {
            s = y[r - 1];
          }
        } else {
          xi = x[r - 1];
          if constexpr (op == Product::symmetric) s = y[r - 1];
        }
      }
      const int j = icol[k];
      if constexpr (op == Product::transposed) {
        y[j - 1] += mul(conj(a[k]), xi);
      } else {
        s += mul(a[k], x[j - 1]);
        if (op == Product::symmetric && j != i) y[j - 1] += mul(conj(a[k]), xi);
      }
    }
    if (bad < end) return bad + 1;
  }
  close();
  if constexpr (op == Product::plain) std::fill(y + filled, y + n, T{});
  return 0;
}

template <class T>
int product(const char* name, bool sym, const char* trans, int n, int nnz, const T* a,
            const int* irow, const int* icol, const char* check, const T* x, T* y,
            char* record, int* ifail, int trans_len, int check_len, int record_len) {
  kiv::Reporter rep(name, record, record_len);
  // Position of the message of check code 1 (codes follow in order).
  const int first_code = sym ? 1 : 2;
  auto msg = [sym](int i) { return sym ? kSymmetricMessages[i] : kGeneralMessages[i]; };
  auto fail_code = [&](kiv::sparse::StorageCheck c) {
    const int at = c.i - 1;
    const kiv::Message m = msg(first_code + c.code - 1);
    switch (c.code) {
      case 1: rep.fail(2, m, n); break;
      case 2: rep.fail(2, m, nnz); break;
      case 3: rep.fail(2, m, nnz, n); break;
      case 4: rep.fail(3, m, c.i, irow[at], n); break;
      case 5: rep.fail(3, m, c.i, icol[at], sym ? irow[at] : n); break;
      default: rep.fail(3, m, c.i); break;
    }
    return rep.finish(ifail);
  };

  const char ck = option_letter(check, check_len);
  if (ck != 'C' && ck != 'N') {
    rep.fail(1, msg(0), Letter(check, check_len).text);
    return rep.finish(ifail);
  }
  if (ck == 'C') {
    const auto c = kiv::sparse::check_sorted_storage(n, nnz, irow, icol, sym);
    if (c.code != 0) return fail_code(c);
  }
  int bad = 0;
  if (sym) {
    bad = multiply<Product::symmetric>(n, nnz, a, irow, icol, x, y);
  } else {
    const char t = option_letter(trans, trans_len);
    if (t != 'N' && t != 'T') {
      rep.fail(1, msg(1), Letter(trans, trans_len).text);
      return rep.finish(ifail);
    }
    bad = t == 'N' ? multiply<Product::plain>(n, nnz, a, irow, icol, x, y)
                   : multiply<Product::transposed>(n, nnz, a, irow, icol, x, y);
  }
  if (bad != 0) {
    // Only an unchecked matrix gets here.  Y is not computed: poisoned.
    poison(n, y);
    const bool row = irow[bad - 1] < 1 || irow[bad - 1] > n;
    return fail_code({row ? 4 : 5, bad});
  }
  return rep.finish(ifail);
}

}  // namespace

extern "C" {

int KIV_CALL F11XAF(const char* trans, int n, int nnz, const double* a, const int* irow,
                    const int* icol, const char* check, const double* x, double* y,
                    char* record, int* ifail, int trans_len, int check_len, int record_len) {
  return product("F11XAF", false, trans, n, nnz, a, irow, icol, check, x, y, record, ifail,
                 trans_len, check_len, record_len);
}

int KIV_CALL F11XNF(const char* trans, int n, int nnz, const kiv2_complex* a, const int* irow,
                    const int* icol, const char* check, const kiv2_complex* x, kiv2_complex* y,
                    char* record, int* ifail, int trans_len, int check_len, int record_len) {
  return product("F11XNF", false, trans, n, nnz, a, irow, icol, check, x, y, record, ifail,
                 trans_len, check_len, record_len);
}

int KIV_CALL F11XEF(int n, int nnz, const double* a, const int* irow, const int* icol,
                    const char* check, const double* x, double* y, char* record, int* ifail,
                    int check_len, int record_len) {
  return product("F11XEF", true, nullptr, n, nnz, a, irow, icol, check, x, y, record, ifail, 0,
                 check_len, record_len);
}

int KIV_CALL F11XSF(int n, int nnz, const kiv2_complex* a, const int* irow, const int* icol,
                    const char* check, const kiv2_complex* x, kiv2_complex* y, char* record,
                    int* ifail, int check_len, int record_len) {
  return product("F11XSF", true, nullptr, n, nnz, a, irow, icol, check, x, y, record, ifail, 0,
                 check_len, record_len);
}

int KIV_CALL F11XAF_HOST(const char* trans, const int* n, const int* nnz, const double* a,
                         const int* irow, const int* icol, const char* check, const double* x,
                         double* y, int* ifail, int, int) {
  return kiv::host_call(
      "F11XAF", ifail, [&] { POISON_REALS(*n, y); },
      [&](char* rec) {
        return F11XAF(trans, *n, *nnz, a, irow, icol, check, x, y, rec, ifail, 1, 1,
                      KIV2_RECORD_LEN);
      });
}

int KIV_CALL F11XNF_HOST(const char* trans, const int* n, const int* nnz, const kiv2_complex* a,
                         const int* irow, const int* icol, const char* check,
                         const kiv2_complex* x, kiv2_complex* y, int* ifail, int, int) {
  return kiv::host_call(
      "F11XNF", ifail, [&] { POISON_COMPLEXES(*n, y); },
      [&](char* rec) {
        return F11XNF(trans, *n, *nnz, a, irow, icol, check, x, y, rec, ifail, 1, 1,
                      KIV2_RECORD_LEN);
      });
}

int KIV_CALL F11XEF_HOST(const int* n, const int* nnz, const double* a, const int* irow,
                         const int* icol, const char* check, const double* x, double* y,
                         int* ifail, int) {
  return kiv::host_call(
      "F11XEF", ifail, [&] { POISON_REALS(*n, y); },
      [&](char* rec) {
        return F11XEF(*n, *nnz, a, irow, icol, check, x, y, rec, ifail, 1, KIV2_RECORD_LEN);
      });
}

int KIV_CALL F11XSF_HOST(const int* n, const int* nnz, const kiv2_complex* a, const int* irow,
                         const int* icol, const char* check, const kiv2_complex* x,
                         kiv2_complex* y, int* ifail, int) {
  return kiv::host_call(
      "F11XSF", ifail, [&] { POISON_COMPLEXES(*n, y); },
      [&](char* rec) {
        return F11XSF(*n, *nnz, a, irow, icol, check, x, y, rec, ifail, 1, KIV2_RECORD_LEN);
      });
}

}  // extern "C"
