// Coordinate storage: the sorted-storage check, and F11ZAF, F11ZBF, F11ZNF,
// F11ZPF, which bring an arbitrary list of entries into valid CS or SCS
// form (one template over the value type and the format).
#include "sparse/storage.hpp"

#include <algorithm>
#include <complex>

#include "frame/wrappers.hpp"
#include "sorting/sorting.hpp"

namespace kiv::sparse {

StorageCheck check_sorted_storage(int n, int nnz, const int* irow, const int* icol, bool sym) {
  if (n < 1) return {1, 0};
  if (nnz < 1) return {2, 0};
  const double dn = n;
  if (nnz > (sym ? dn * (dn + 1.0) / 2.0 : dn * dn)) return {3, 0};
  for (int k = 0; k < nnz; ++k) {
    const int r = irow[k], c = icol[k];
    if (r < 1 || r > n) return {4, k + 1};
    if (c < 1 || c > (sym ? r : n)) return {5, k + 1};
    if (k > 0) {
      const int pr = irow[k - 1], pc = icol[k - 1];
      if (r < pr || (r == pr && c < pc)) return {6, k + 1};
      if (r == pr && c == pc) return {7, k + 1};
    }
  }
  return {};
}

}  // namespace kiv::sparse

namespace {

using kiv::sorting::Letter;
using kiv::sorting::option_letter;

constexpr const char* kNSmall = " ** On entry, N .lt. 1: N =%16ld.";
constexpr const char* kNnzNegative = " ** On entry, NNZ .lt. 0: NNZ =%16ld.";
constexpr const char* kRowRange =
    " ** On entry, IROW(I) .lt. 1 or IROW(I) .gt. N:\n"
    "    I = %16ld, IROW(I) = %16ld, N = %16ld.";
constexpr const char* kDuplicate =
    " ** On entry, a duplicate entry has been found in row I and column J:\n"
    "    I = %16ld, J = %16ld.";
constexpr const char* kZero =
    " ** On entry, a zero entry has been found in row I and column J:\n"
    "    I = %16ld, J = %16ld.";

// Messages in label order: N, NNZ, DUP, ZERO, row, column, duplicate, zero.
constexpr kiv::Messages kGeneralMessages{
    kNSmall,
    kNnzNegative,
    " ** On entry, DUP .ne. 'R', 'S', or 'F': DUP = '%s'.",
    " ** On entry, ZERO .ne. 'R', 'K', or 'F': ZERO   = '%s'.",
    kRowRange,
    " ** On entry, ICOL(I) .lt. 1 or ICOL(I) .gt. N:\n"
    "    I = %16ld, ICOL(I) = %16ld, N = %16ld.",
    kDuplicate,
    kZero,
};
constexpr kiv::Messages kSymmetricMessages{
    kNSmall,
    kNnzNegative,
    " ** On entry, DUP .ne. 'R' or 'S': DUP = '%s'.",
    " ** On entry, ZERO .ne. 'R' or 'K': ZERO = '%s' .",
    kRowRange,
    " ** On entry, ICOL(I) .lt. 1 or ICOL(I) .gt. IROW(I):\n"
    "    I =%16ld, ICOL(I) =%16ld, IROW(I) =%16ld.",
    kDuplicate,
    kZero,
};

// What distinguishes the four routines.
struct Routine {
  const char* name;
  bool sym;                   // SCS: ICOL(k) in [1, IROW(k)], SCS messages
  bool fail_options;          // DUP = 'F' and ZERO = 'F' accepted
};

// Stable counting sort of the entries by KEY (values in [1, N]), carrying
// A and OTHER along: KEY becomes a rank vector, the entries move by it, and
// KEY is rewritten from the bucket bounds in ISTR.
template <class T>
void counting_pass(int n, int nnz, int* key, T* a, int* other, int* istr, int* iwork) {
  std::fill(iwork, iwork + n, 0);
  for (int k = 0; k < nnz; ++k) ++iwork[key[k] - 1];
  istr[0] = 1;
  for (int c = 0; c < n; ++c) istr[c + 1] = istr[c] + iwork[c];
  std::copy(istr, istr + n, iwork);
  for (int k = 0; k < nnz; ++k) key[k] = iwork[key[k] - 1]++;
  // A permutation by construction.
  kiv::sorting::permute(key, nnz, a, other);
  for (int c = 0; c < n; ++c) std::fill(key + istr[c] - 1, key + istr[c + 1] - 1, c + 1);
}

template <class T>
int sort_storage(const Routine& r, int n, int* nnz, T* a, int* irow, int* icol, const char* dup,
                 const char* zero, int* istr, int* iwork, char* record, int* ifail,
                 int dup_len, int zero_len, int record_len) {
  const auto& msg = r.sym ? kSymmetricMessages : kGeneralMessages;
  kiv::Reporter rep(r.name, record, record_len);
  auto fail = [&](int ierr, int label, auto... values) {
    rep.fail(ierr, msg[label], values...);
    return rep.finish(ifail);
  };
  if (n < 1) return fail(1, 0, n);
  if (*nnz < 0) return fail(1, 1, *nnz);
  int count = *nnz;
  for (int k = 0; k < count; ++k) {
    if (irow[k] < 1 || irow[k] > n) return fail(2, 4, k + 1, irow[k], n);
    if (icol[k] < 1 || icol[k] > (r.sym ? irow[k] : n)) {
      return fail(2, 5, k + 1, icol[k], r.sym ? irow[k] : n);
    }
  }
  const char d = option_letter(dup, dup_len), z = option_letter(zero, zero_len);
  if (d != 'R' && d != 'S' && !(d == 'F' && r.fail_options)) {
    return fail(1, 2, Letter(dup, dup_len).text);
  }
  if (z != 'R' && z != 'K' && !(z == 'F' && r.fail_options)) {
    return fail(1, 3, Letter(zero, zero_len).text);
  }

  if (count > 1) {
    counting_pass(n, count, icol, a, irow, istr, iwork);
    counting_pass(n, count, irow, a, icol, istr, iwork);

    // Merge entries at one location into the first of them.
    int m = 0;
    for (int k = 1; k < count; ++k) {
      if (irow[k] != irow[m] || icol[k] != icol[m]) {
        ++m;
        a[m] = a[k];
        irow[m] = irow[k];
        icol[m] = icol[k];
      } else if (d == 'F') {
        // Nothing was merged before the first duplicate: the arrays hold
        // all NNZ entries, sorted.
        return fail(3, 6, irow[k], icol[k]);
      } else if (d == 'S') {
        a[m] += a[k];
      }
    }
    count = m + 1;
  }

  if (z != 'K') {
    int m = 0;
    for (int k = 0; k < count; ++k) {
      if (a[k] == T{}) {
        if (z == 'F') {
          // NNZ follows the merge, so that the arrays and NNZ describe the
          // same entries.
          *nnz = count;
          return fail(4, 7, irow[k], icol[k]);
        }
        continue;
      }
      a[m] = a[k];
      irow[m] = irow[k];
      icol[m] = icol[k];
      ++m;
    }
    count = m;
  }

  std::fill(iwork, iwork + n, 0);
  for (int k = 0; k < count; ++k) ++iwork[irow[k] - 1];
  istr[0] = 1;
  for (int i = 0; i < n; ++i) istr[i + 1] = istr[i] + iwork[i];
  *nnz = count;
  return rep.finish(ifail);
}

constexpr Routine kF11ZAF{"F11ZAF", false, true};
constexpr Routine kF11ZBF{"F11ZBF", true, false};
constexpr Routine kF11ZNF{"F11ZNF", false, true};
constexpr Routine kF11ZPF{"F11ZPF", true, true};

// The wrappers of F11ZAF, F11ZNF and F11ZPF: ISTR and IWORK poisoned.
template <class T, class Body>
int sort_storage_host(const char* name, Body body, const int* n, int* nnz, T* a, int* irow,
                      int* icol, const char* dup, const char* zero, int* istr, int* iwork,
                      int* ifail) {
  return kiv::host_call(
      name, ifail,
      [&] {
        // N + 1 elements without forming N + 1, which overflows at INT_MAX.
        POISON_INTEGERS(*n, istr);
        if (*n >= 0) POISON_INTEGER(istr + *n);
        POISON_INTEGERS(*n, iwork);
      },
      [&](char* rec) {
        return body(*n, nnz, a, irow, icol, dup, zero, istr, iwork, rec, ifail, 1, 1,
                    KIV2_RECORD_LEN);
      });
}

}  // namespace

extern "C" {

int KIV_CALL F11ZAF(int n, int* nnz, double* a, int* irow, int* icol, const char* dup,
                    const char* zero, int* istr, int* iwork, char* record, int* ifail,
                    int dup_len, int zero_len, int record_len) {
  return sort_storage(kF11ZAF, n, nnz, a, irow, icol, dup, zero, istr, iwork, record, ifail,
                      dup_len, zero_len, record_len);
}

int KIV_CALL F11ZBF(int n, int* nnz, double* a, int* irow, int* icol, const char* dup,
                    const char* zero, int* istr, int* iwork, char* record, int* ifail,
                    int dup_len, int zero_len, int record_len) {
  return sort_storage(kF11ZBF, n, nnz, a, irow, icol, dup, zero, istr, iwork, record, ifail,
                      dup_len, zero_len, record_len);
}

int KIV_CALL F11ZNF(int n, int* nnz, kiv2_complex* a, int* irow, int* icol, const char* dup,
                    const char* zero, int* istr, int* iwork, char* record, int* ifail,
                    int dup_len, int zero_len, int record_len) {
  return sort_storage(kF11ZNF, n, nnz, a, irow, icol, dup, zero, istr, iwork, record, ifail,
                      dup_len, zero_len, record_len);
}

int KIV_CALL F11ZPF(int n, int* nnz, kiv2_complex* a, int* irow, int* icol, const char* dup,
                    const char* zero, int* istr, int* iwork, char* record, int* ifail,
                    int dup_len, int zero_len, int record_len) {
  return sort_storage(kF11ZPF, n, nnz, a, irow, icol, dup, zero, istr, iwork, record, ifail,
                      dup_len, zero_len, record_len);
}

int KIV_CALL F11ZAF_HOST(const int* n, int* nnz, double* a, int* irow, int* icol,
                         const char* dup, const char* zero, int* istr, int* iwork, int* ifail,
                         int, int) {
  return sort_storage_host("F11ZAF", F11ZAF, n, nnz, a, irow, icol, dup, zero, istr, iwork,
                           ifail);
}

int KIV_CALL F11ZNF_HOST(const int* n, int* nnz, kiv2_complex* a, int* irow, int* icol,
                         const char* dup, const char* zero, int* istr, int* iwork, int* ifail,
                         int, int) {
  return sort_storage_host("F11ZNF", F11ZNF, n, nnz, a, irow, icol, dup, zero, istr, iwork,
                           ifail);
}

int KIV_CALL F11ZPF_HOST(const int* n, int* nnz, kiv2_complex* a, int* irow, int* icol,
                         const char* dup, const char* zero, int* istr, int* iwork, int* ifail,
                         int, int) {
  return sort_storage_host("F11ZPF", F11ZPF, n, nnz, a, irow, icol, dup, zero, istr, iwork,
                           ifail);
}

}  // extern "C"
