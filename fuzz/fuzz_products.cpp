// Sparse matrix-vector products: storage that is mostly valid (sorted,
// without repeats; lower triangle for SCS), sometimes damaged, with CHECK
// 'C' or 'N' and any TRANS.
#include <algorithm>
#include <tuple>
#include <vector>

#include "input.hpp"

namespace {

using kivfuzz::Array;
using kivfuzz::Input;

// NNZ entries of an order-N matrix, sorted and without repeats unless the
// input damages one.
struct Storage {
  Array<int> irow, icol;
  Storage(Input& in, int n, int nnz, bool lower) : irow(nnz), icol(nnz) {
    if (kivfuzz::oversized()) return;
    std::vector<std::pair<int, int>> at;
    for (std::size_t k = 0; k < irow.size(); ++k) {
      int i = in.integer(1, n > 0 ? n : 1), j = in.integer(1, n > 0 ? n : 1);
      if (lower && j > i) std::swap(i, j);
      at.emplace_back(i, j);
    }
    if (in.range(0, 3) != 0) std::sort(at.begin(), at.end());
    for (std::size_t k = 0; k < at.size(); ++k) std::tie(irow[k], icol[k]) = at[k];
  }
};

template <class T>
void product(Input& in, bool symmetric) {
  int n = in.integer(-1, 12), nnz = in.integer(-1, 40);
  Array<T> a(nnz), x(n), y(n);
  if (kivfuzz::oversized()) return;
  Storage s(in, n, nnz, symmetric);
  if (kivfuzz::oversized()) return;
  in.fill(a);
  in.fill(x);
  auto check = in.option("CN"), trans = in.option("NT");
  int ifail = 1;
  if constexpr (std::is_same_v<T, double>) {
    if (symmetric)
      F11XEF_HOST(&n, &nnz, a.data(), s.irow.data(), s.icol.data(), check.text.get(), x.data(),
                  y.data(), &ifail, check.len);
    else
      F11XAF_HOST(trans.text.get(), &n, &nnz, a.data(), s.irow.data(), s.icol.data(),
                  check.text.get(), x.data(), y.data(), &ifail, trans.len, check.len);
  } else {
    if (symmetric)
      F11XSF_HOST(&n, &nnz, a.data(), s.irow.data(), s.icol.data(), check.text.get(), x.data(),
                  y.data(), &ifail, check.len);
    else
      F11XNF_HOST(trans.text.get(), &n, &nnz, a.data(), s.irow.data(), s.icol.data(),
                  check.text.get(), x.data(), y.data(), &ifail, trans.len, check.len);
  }
  if (ifail < 0 || ifail > 3) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  kivfuzz::steps(in, 8, [&] {
    switch (in.range(0, 3)) {
      case 0:
        product<double>(in, false);
        break;
      case 1:
        product<double>(in, true);
        break;
      case 2:
        product<kiv2_complex>(in, false);
        break;
      default:
        product<kiv2_complex>(in, true);
    }
  });
  return 0;
}
