// What the reference BLAS/LAPACK subset needs from outside itself, supplied
// here so that kiv2.dll carries no Fortran runtime: XERBLA, which reports
// through the library's own error path instead of Fortran I/O, and the one
// string helper that gfortran emits calls to.  They sit in a static archive
// linked after the subset, so a definition in the library proper wins.
#include <cstddef>
#include <cstring>

#include "frame/errors.hpp"

extern "C" {

// An illegal argument seen inside a reference routine ends the process, as
// an illegal argument of the library's own kernels does.
[[noreturn]] void xerbla_(const char* srname, const int* info, std::size_t srname_len) {
  kiv::PARAMETER_ERROR(srname, *info, static_cast<int>(srname_len));
}

// DEST(1:DEST_LEN) = S1 // S2, truncated or blank-padded to DEST_LEN.
void _gfortran_concat_string(std::size_t dest_len, char* dest, std::size_t len1,
                             const char* s1, std::size_t len2, const char* s2) {
  const std::size_t n1 = len1 < dest_len ? len1 : dest_len;
  std::memcpy(dest, s1, n1);
  const std::size_t room = dest_len - n1;
  const std::size_t n2 = len2 < room ? len2 : room;
  std::memcpy(dest + n1, s2, n2);
  std::memset(dest + n1 + n2, ' ', room - n2);
}

}  // extern "C"
