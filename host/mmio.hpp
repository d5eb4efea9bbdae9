// A strict Matrix Market reader and a vector writer for kivhost.  Every
// problem in a file is an Error naming the file, the line and what is wrong;
// nothing is read partially.
#pragma once

#include <complex>
#include <stdexcept>
#include <string>
#include <vector>

namespace kivhost::mm {

enum class Symmetry { general, symmetric, skew_symmetric, hermitian };

struct Error : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct Matrix {
  bool coordinate = true;
  bool complex = false;  // "integer" and "real" files are real
  Symmetry symmetry = Symmetry::general;
  int rows = 0, cols = 0;
  // Coordinate: one (irow, icol, value) per stored entry, 1-based, in file
  // order.  Array: values holds rows * cols elements by columns.
  std::vector<int> irow, icol;
  std::vector<std::complex<double>> values;
};

Matrix read(const std::string& path);

// The elements of a one-column or one-row matrix (array or coordinate),
// densely; an Error naming PATH for any other shape.
std::vector<std::complex<double>> dense_vector(const Matrix& m, const std::string& path);

// A dense vector as an array file, real (imaginary parts dropped) or complex;
// PATH "-" is standard output.
void write_vector(const std::string& path, const std::vector<std::complex<double>>& x,
                  bool complex);

}  // namespace kivhost::mm
