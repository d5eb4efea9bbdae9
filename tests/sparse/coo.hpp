// A sparse matrix in coordinate storage, as the tests build it.
#pragma once

#include <vector>

namespace kivtest {

template <class T>
struct Coo {
  int n = 0;
  std::vector<T> a;
  std::vector<int> irow, icol;
  int nnz() const { return static_cast<int>(a.size()); }
};

}  // namespace kivtest
