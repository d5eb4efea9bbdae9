// Coordinate storage: the sorted-storage check that every sparse routine
// runs on its matrix before use.
//
// A matrix of order N with NNZ entries is held in A(1..NNZ), IROW(1..NNZ),
// ICOL(1..NNZ).  In coordinate storage (CS) it is valid when N >= 1,
// 1 <= NNZ <= N*N, every index lies in [1, N], the entries are ordered by
// row and then by column, and no location repeats.  Symmetric coordinate
// storage (SCS) holds the lower triangle only: NNZ <= N*(N+1)/2 and
// 1 <= ICOL(k) <= IROW(k).
#pragma once

namespace kiv::sparse {

// Outcome of the check: CODE 0 valid, 1 N < 1, 2 NNZ < 1, 3 NNZ above the
// bound of the format (compared in double), 4 row index out of range,
// 5 column index out of range (SCS: also above the row), 6 entry out of
// order, 7 duplicate location.  For codes 4 to 7, I is the 1-based index of
// the first offending entry (its row tested before its column, both before
// the order and duplicate tests); otherwise 0.
struct StorageCheck {
  int code = 0;
  int i = 0;
};

// SYM false: CS; true: SCS.  IROW and ICOL are read for NNZ entries only
// when N and NNZ pass.
StorageCheck check_sorted_storage(int n, int nnz, const int* irow, const int* icol, bool sym);

}  // namespace kiv::sparse
