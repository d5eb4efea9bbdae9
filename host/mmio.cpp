#include "mmio.hpp"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <limits>
#include <numeric>
#include <string_view>
#include <tuple>

namespace kivhost::mm {
namespace {

std::vector<std::string_view> split(std::string_view line) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) out.push_back(line.substr(start, i - start));
  }
  return out;
}

std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

class Reader {
 public:
  explicit Reader(const std::string& path) : path_(path), in_(path) {
    if (!in_) throw Error(path + ": " + std::strerror(errno));
  }

  [[noreturn]] void fail(const std::string& what) const { fail_at(line_no_, what); }
  [[noreturn]] void fail_at(int line, const std::string& what) const {
    throw Error(path_ + ":" + std::to_string(line) + ": " + what);
  }

  // The next line (without its end), or false at the end of the file.
  bool next() {
    if (!std::getline(in_, line_)) {
      if (in_.bad()) fail(std::strerror(errno));
      ++line_no_;  // errors at the end name the line after the last
      return false;
    }
    ++line_no_;
    if (!line_.empty() && line_.back() == '\r') line_.pop_back();
    return true;
  }

  // The next line that is neither blank nor a comment.
  bool next_data() {
    while (next()) {
      const auto first = line_.find_first_not_of(" \t");
      if (first != std::string::npos && line_[first] != '%') return true;
    }
    return false;
  }

  const std::string& line() const { return line_; }
  int line_no() const { return line_no_; }

  long long integer(std::string_view token, const char* what) const {
    const std::string s(token);
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(s.c_str(), &end, 10);
    if (end == s.c_str() || *end != '\0')
      fail(std::string(what) + " '" + s + "' is not an integer");
    if (errno == ERANGE || v > std::numeric_limits<int>::max() ||
        v < std::numeric_limits<int>::min())
      fail(std::string(what) + " " + s + " is out of range");
    return v;
  }

  double real(std::string_view token) const {
    const std::string s(token);
    char* end = nullptr;
    const double v = std::strtod(s.c_str(), &end);
    if (end == s.c_str() || *end != '\0') fail("non-numeric value '" + s + "'");
    if (!std::isfinite(v)) fail("value '" + s + "' is not finite");
    return v;
  }

 private:
  std::string path_;
  std::ifstream in_;
  std::string line_;
  int line_no_ = 0;
};

void read_header(Reader& r, Matrix& m) {
  if (!r.next()) r.fail("empty file");
  const auto t = split(r.line());
  if (t.empty() || t[0] != "%%MatrixMarket")
    r.fail("not a Matrix Market file (the first line must start with %%MatrixMarket)");
  if (t.size() != 5)
    r.fail("the header needs 4 words after %%MatrixMarket: object, format, field, symmetry");
  if (lower(t[1]) != "matrix")
    r.fail("unsupported object '" + std::string(t[1]) + "' (only matrix)");
  const std::string format = lower(t[2]), field = lower(t[3]), symmetry = lower(t[4]);
  if (format == "coordinate")
    m.coordinate = true;
  else if (format == "array")
    m.coordinate = false;
  else
    r.fail("unknown format '" + std::string(t[2]) + "' (coordinate or array)");
  if (field == "real" || field == "double" || field == "integer")
    m.complex = false;
  else if (field == "complex")
    m.complex = true;
  else if (field == "pattern")
    r.fail("unsupported field 'pattern': the solver needs values");
  else
    r.fail("unknown field '" + std::string(t[3]) + "' (real, integer or complex)");
  if (symmetry == "general")
    m.symmetry = Symmetry::general;
  else if (symmetry == "symmetric")
    m.symmetry = Symmetry::symmetric;
  else if (symmetry == "skew-symmetric")
    m.symmetry = Symmetry::skew_symmetric;
  else if (symmetry == "hermitian")
    m.symmetry = Symmetry::hermitian;
  else
    r.fail("unknown symmetry '" + std::string(t[4]) +
           "' (general, symmetric, skew-symmetric or hermitian)");
  if (m.symmetry == Symmetry::hermitian && !m.complex) r.fail("a hermitian file must be complex");
  if (!m.coordinate && m.symmetry != Symmetry::general)
    r.fail("unsupported: an array file must be general");
}

std::complex<double> value(Reader& r, const std::vector<std::string_view>& t, std::size_t at) {
  return {r.real(t[at]), t.size() > at + 1 ? r.real(t[at + 1]) : 0.0};
}

void expect_fields(Reader& r, const std::vector<std::string_view>& t, std::size_t want,
                   const char* what) {
  if (t.size() != want)
    r.fail("expected " + std::to_string(want) + " fields (" + what + "), found " +
           std::to_string(t.size()));
}

void read_coordinate(Reader& r, Matrix& m) {
  const auto t = split(r.line());
  expect_fields(r, t, 3, "rows, columns, entries");
  m.rows = static_cast<int>(r.integer(t[0], "row count"));
  m.cols = static_cast<int>(r.integer(t[1], "column count"));
  const long long nnz = r.integer(t[2], "entry count");
  if (m.rows < 1 || m.cols < 1) r.fail("the matrix size must be positive");
  if (nnz < 0) r.fail("the entry count must not be negative");
  if (m.symmetry != Symmetry::general && m.rows != m.cols)
    r.fail("a symmetric, skew-symmetric or hermitian matrix must be square");
  if (nnz > static_cast<long long>(m.rows) * m.cols)
    r.fail("more entries declared than the matrix has places");
  // Capped so that a huge declared count cannot allocate before data exists.
  const auto reserve = static_cast<std::size_t>(std::min(nnz, 1LL << 20));
  m.irow.reserve(reserve), m.icol.reserve(reserve), m.values.reserve(reserve);
  std::vector<int> lines;
  lines.reserve(reserve);
  const std::size_t fields = m.complex ? 4 : 3;
  const char* layout = m.complex ? "row, column, real and imaginary parts" : "row, column, value";
  for (long long k = 0; k < nnz; ++k) {
    if (!r.next_data())
      r.fail("the file ends after " + std::to_string(k) + " of " + std::to_string(nnz) +
             " entries");
    const auto e = split(r.line());
    expect_fields(r, e, fields, layout);
    const long long i = r.integer(e[0], "row index"), j = r.integer(e[1], "column index");
    if (i < 1 || i > m.rows)
      r.fail("row index " + std::to_string(i) + " out of range 1.." + std::to_string(m.rows));
    if (j < 1 || j > m.cols)
      r.fail("column index " + std::to_string(j) + " out of range 1.." + std::to_string(m.cols));
    const std::complex<double> v = value(r, e, 2);
    const std::string at = "(" + std::to_string(i) + "," + std::to_string(j) + ")";
    if (m.symmetry != Symmetry::general && j > i)
      r.fail("entry " + at + " above the diagonal: a " +
             std::string(m.symmetry == Symmetry::hermitian ? "hermitian" : "symmetric") +
             " file stores the lower triangle");
    if (m.symmetry == Symmetry::skew_symmetric && i == j)
      r.fail("entry " + at + " on the diagonal of a skew-symmetric matrix");
    if (m.symmetry == Symmetry::hermitian && i == j && v.imag() != 0.0)
      r.fail("diagonal entry " + at + " of a hermitian matrix is not real");
    m.irow.push_back(static_cast<int>(i));
    m.icol.push_back(static_cast<int>(j));
    m.values.push_back(v);
    lines.push_back(r.line_no());
  }
  if (r.next_data()) r.fail("more entries than the " + std::to_string(nnz) + " declared");

  // A repeated location would be summed or dropped silently later on.
  std::vector<std::size_t> order(m.irow.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return std::tie(m.irow[a], m.icol[a], lines[a]) < std::tie(m.irow[b], m.icol[b], lines[b]);
  });
  for (std::size_t k = 1; k < order.size(); ++k) {
    const std::size_t a = order[k - 1], b = order[k];
    if (m.irow[a] == m.irow[b] && m.icol[a] == m.icol[b])
      r.fail_at(lines[b], "entry (" + std::to_string(m.irow[b]) + "," + std::to_string(m.icol[b]) +
                              ") repeats line " + std::to_string(lines[a]));
  }
}

void read_array(Reader& r, Matrix& m) {
  const auto t = split(r.line());
  expect_fields(r, t, 2, "rows, columns");
  m.rows = static_cast<int>(r.integer(t[0], "row count"));
  m.cols = static_cast<int>(r.integer(t[1], "column count"));
  if (m.rows < 1 || m.cols < 1) r.fail("the matrix size must be positive");
  const long long count = static_cast<long long>(m.rows) * m.cols;
  if (count > std::numeric_limits<int>::max()) r.fail("the matrix is too large");
  m.values.reserve(static_cast<std::size_t>(std::min(count, 1LL << 20)));
  const std::size_t fields = m.complex ? 2 : 1;
  for (long long k = 0; k < count; ++k) {
    if (!r.next_data())
      r.fail("the file ends after " + std::to_string(k) + " of " + std::to_string(count) +
             " values");
    const auto e = split(r.line());
    expect_fields(r, e, fields, m.complex ? "real and imaginary parts" : "value");
    m.values.push_back(value(r, e, 0));
  }
  if (r.next_data()) r.fail("more values than the " + std::to_string(count) + " declared");
}

}  // namespace

Matrix read(const std::string& path) {
  Reader r(path);
  Matrix m;
  read_header(r, m);
  if (!r.next_data()) r.fail("no size line");
  if (m.coordinate)
    read_coordinate(r, m);
  else
    read_array(r, m);
  return m;
}

std::vector<std::complex<double>> dense_vector(const Matrix& m, const std::string& path) {
  if (m.rows != 1 && m.cols != 1)
    throw Error(path + ": a vector must have one column or one row, not " + std::to_string(m.rows) +
                " x " + std::to_string(m.cols));
  if (!m.coordinate) return m.values;
  std::vector<std::complex<double>> dense(static_cast<std::size_t>(m.rows) * m.cols);
  for (std::size_t k = 0; k < m.values.size(); ++k)
    dense[static_cast<std::size_t>(m.irow[k] - 1 + m.icol[k] - 1)] = m.values[k];
  return dense;
}

void write_vector(const std::string& path, const std::vector<std::complex<double>>& x,
                  bool complex) {
  const bool out = path == "-";
  std::FILE* f = out ? stdout : std::fopen(path.c_str(), "w");
  if (f == nullptr) throw Error(path + ": " + std::strerror(errno));
  std::fprintf(f, "%%%%MatrixMarket matrix array %s general\n%zu 1\n", complex ? "complex" : "real",
               x.size());
  for (const auto& v : x) {
    if (complex)
      std::fprintf(f, "%.17g %.17g\n", v.real(), v.imag());
    else
      std::fprintf(f, "%.17g\n", v.real());
  }
  const bool bad = std::ferror(f) != 0;
  if ((out ? std::fflush(f) : std::fclose(f)) != 0 || bad)
    throw Error((out ? std::string("standard output") : path) + ": " + std::strerror(errno));
}

}  // namespace kivhost::mm
