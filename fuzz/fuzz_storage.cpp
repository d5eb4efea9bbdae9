// Sorting coordinate lists into CS and SCS storage: entries with indices
// mostly within the matrix, repeated locations and zero values, options
// with any letters and lengths.
#include "input.hpp"

namespace {

using kivfuzz::Array;
using kivfuzz::Input;

using Real = int(KIV_CALL*)(const int*, int*, double*, int*, int*, const char*, const char*, int*,
                            int*, int*, int, int);
using Complex = int(KIV_CALL*)(const int*, int*, kiv2_complex*, int*, int*, const char*,
                               const char*, int*, int*, int*, int, int);

// F11ZBF has no host wrapper: its body with the wrapper's poisoning.
int KIV_CALL f11zbf(const int* n, int* nnz, double* a, int* irow, int* icol, const char* dup,
                    const char* zero, int* istr, int* iwork, int* ifail, int dup_len,
                    int zero_len) {
  char record[KIV2_RECORD_LEN + 1];
  return F11ZBF(*n, nnz, a, irow, icol, dup, zero, istr, iwork, record, ifail, dup_len, zero_len,
                KIV2_RECORD_LEN);
}

template <class T, class F>
void sort(Input& in, F routine) {
  int n = in.integer(-1, 12), nnz = in.integer(-1, 40);
  Array<T> a(nnz);
  Array<int> irow(nnz), icol(nnz), istr(std::int64_t{n} + 1), iwork(n);
  if (kivfuzz::oversized()) return;
  for (std::size_t k = 0; k < a.size(); ++k) {
    // Zeros now and then, so that ZERO has something to act on.
    a[k] = in.range(0, 5) == 0 ? T(0) : in.value<T>();
    irow[k] = in.integer(1, n > 0 ? n : 1);
    icol[k] = in.integer(1, n > 0 ? n : 1);
  }
  auto dup = in.option("RSF"), zero = in.option("RKF");
  int ifail = 1;
  routine(&n, &nnz, a.data(), irow.data(), icol.data(), dup.text.get(), zero.text.get(),
          istr.data(), iwork.data(), &ifail, dup.len, zero.len);
  // After sorting (also after errors 3 and 4) NNZ counts entries in the arrays.
  if (ifail < 0 || ifail > 4 ||
      (ifail != 1 && ifail != 2 && (nnz < 0 || static_cast<std::size_t>(nnz) > a.size())))
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  kivfuzz::steps(in, 8, [&] {
    switch (in.range(0, 3)) {
      case 0:
        sort<double>(in, static_cast<Real>(F11ZAF_HOST));
        break;
      case 1:
        sort<double>(in, static_cast<Real>(f11zbf));
        break;
      case 2:
        sort<kiv2_complex>(in, static_cast<Complex>(F11ZNF_HOST));
        break;
      default:
        sort<kiv2_complex>(in, static_cast<Complex>(F11ZPF_HOST));
    }
  });
  return 0;
}
