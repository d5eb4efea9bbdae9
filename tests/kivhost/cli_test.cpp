// kivhost as a command-line tool: solves checked against a residual computed
// here from the files, the reader's errors on malformed files, the FFT
// against a direct sum, and the help.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Outcome {
  int status;
  std::string out, err;
};

class Kivhost : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/kivhost_test_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }

  std::string path(const std::string& name) const { return dir_ + "/" + name; }

  std::string write(const std::string& name, const std::string& text) const {
    std::ofstream(path(name)) << text;
    return path(name);
  }

  static std::string slurp(const std::string& file) {
    std::ifstream in(file);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  Outcome run(const std::string& args) const {
    const std::string emulator = KIVHOST_EMULATOR;
    const std::string cmd = (emulator.empty() ? "" : emulator + " ") + KIVHOST_PATH + " " + args +
                            " >'" + path("stdout") + "' 2>'" + path("stderr") + "' </dev/null";
    const int raw = std::system(cmd.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(path("stdout")), slurp(path("stderr"))};
  }

  std::string dir_;
};

const std::string kMatrices = KIV2_MATRICES;

// The test's own reading of a well-formed file: the size line, then the
// entries or values, a symmetric or hermitian triangle mirrored.
struct Coo {
  int n = 0;
  std::vector<int> i, j;
  std::vector<std::complex<double>> v;
};

Coo read_coo(const std::string& file) {
  std::ifstream in(file);
  std::string line, banner;
  std::getline(in, banner);
  const bool complex = banner.find("complex") != std::string::npos;
  const bool mirror = banner.find("symmetric") != std::string::npos ||
                      banner.find("hermitian") != std::string::npos;
  const bool hermitian = banner.find("hermitian") != std::string::npos;
  const bool skew = banner.find("skew-symmetric") != std::string::npos;
  while (std::getline(in, line) && line[0] == '%') {
  }
  Coo a;
  int cols = 0, nnz = 0;
  std::istringstream(line) >> a.n >> cols >> nnz;
  for (int k = 0; k < nnz; ++k) {
    int r, c;
    double re, im = 0.0;
    in >> r >> c >> re;
    if (complex) in >> im;
    a.i.push_back(r), a.j.push_back(c), a.v.emplace_back(re, im);
    if (mirror && r != c) {
      a.i.push_back(c), a.j.push_back(r);
      const std::complex<double> v(re, im);
      a.v.push_back(hermitian ? std::conj(v) : skew ? -v : v);
    }
  }
  return a;
}

std::vector<std::complex<double>> read_array(const std::string& file) {
  std::ifstream in(file);
  std::string line, banner;
  std::getline(in, banner);
  const bool complex = banner.find("complex") != std::string::npos;
  while (std::getline(in, line) && line[0] == '%') {
  }
  int rows = 0, cols = 0;
  std::istringstream(line) >> rows >> cols;
  std::vector<std::complex<double>> x(static_cast<std::size_t>(rows) * cols);
  for (auto& v : x) {
    double re, im = 0.0;
    in >> re;
    if (complex) in >> im;
    v = {re, im};
  }
  return x;
}

// ||b - Ax||_inf / (||b||_inf + ||A||_inf ||x||_inf), the quantity the solver's
// stopping test bounds by the tolerance.
double relative_residual(const Coo& a, const std::vector<std::complex<double>>& b,
                         const std::vector<std::complex<double>>& x) {
  std::vector<std::complex<double>> r = b;
  std::vector<double> rowsum(a.n, 0.0);
  for (std::size_t k = 0; k < a.v.size(); ++k) {
    r[a.i[k] - 1] -= a.v[k] * x[a.j[k] - 1];
    rowsum[a.i[k] - 1] += std::abs(a.v[k]);
  }
  double rn = 0, bn = 0, xn = 0, an = 0;
  for (int i = 0; i < a.n; ++i) {
    rn = std::fmax(rn, std::abs(r[i]));
    bn = std::fmax(bn, std::abs(b[i]));
    xn = std::fmax(xn, std::abs(x[i]));
    an = std::fmax(an, rowsum[i]);
  }
  return rn / (bn + an * xn);
}

TEST_F(Kivhost, SolveSherman1WithItsRightHandSideReachesTheTolerance) {
  const std::string a = kMatrices + "/sherman1.mtx", b = kMatrices + "/sherman1_rhs1.mtx";
  const Coo coo = read_coo(a);
  const auto rhs = read_array(b);
  ASSERT_EQ(coo.n, 1000);
  ASSERT_EQ(rhs.size(), 1000u);
  struct Case {
    const char* method;
    const char* precon;
    const char* extra = "";
  };
  // The one-call drivers: incomplete LU, SSOR, Jacobi or none; they show
  // no progress.  A complete factor (drop tolerance 0) outgrows the first
  // LA: the summary of the solve must not carry the retried call's message.
  for (const Case& c : {Case{"rgmres", "none"}, Case{"rgmres", "jacobi"}, Case{"rgmres", "ilu"},
                        Case{"cgs", "jacobi"}, Case{"bicgstab", "ssor"}, Case{"bicgstab", "ilu"},
                        Case{"tfqmr", "jacobi"}, Case{"rgmres", "ilu", " --dtol 0"}}) {
    SCOPED_TRACE(std::string(c.method) + " " + c.precon + c.extra);
    const Outcome r = run("solve " + a + " " + b + " --method " + c.method + " --precon " +
                          c.precon + c.extra + " --tol 1e-9 --out " + path("x.mtx"));
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("IFAIL       0\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.err.find("iteration"), std::string::npos) << r.err;
    const auto x = read_array(path("x.mtx"));
    ASSERT_EQ(x.size(), 1000u);
    EXPECT_LE(relative_residual(coo, rhs, x), 1e-9);
  }
}

// Stored triangles mirrored as their kind says: b is formed here as A times
// ones from the test's own mirror, so x must come out as ones.  A fixture:
// a complex Hermitian tridiagonal matrix (diagonally dominant) and a real
// skew-symmetric one (zero diagonal, nonsingular).
TEST_F(Kivhost, SolveStoredTriangleMirroredByItsKind) {
  const int n = 40;
  std::ostringstream h;
  h << "%%MatrixMarket matrix coordinate complex hermitian\n% test fixture\n"
    << n << " " << n << " " << 2 * n - 1 << "\n";
  for (int i = 1; i <= n; ++i) {
    h << i << " " << i << " " << 4.0 + 0.1 * i << " 0\n";
    if (i < n) h << i + 1 << " " << i << " " << 1.0 << " " << 0.5 + 0.01 * i << "\n";
  }
  const std::string skew =
      "%%MatrixMarket matrix coordinate real skew-symmetric\n4 4 3\n2 1 1\n3 2 2\n4 3 3\n";
  struct Case {
    const char* name;
    std::string text;
    const char* method;
  };
  for (const Case& c : {Case{"hermitian", h.str(), "bicgstab"}, Case{"skew", skew, "rgmres"}}) {
    SCOPED_TRACE(c.name);
    const std::string a = write(std::string(c.name) + ".mtx", c.text);
    const Coo coo = read_coo(a);
    std::vector<std::complex<double>> b(coo.n, 0.0);
    for (std::size_t k = 0; k < coo.v.size(); ++k) b[coo.i[k] - 1] += coo.v[k];
    std::ostringstream bs;
    bs.precision(17);
    bs << "%%MatrixMarket matrix array complex general\n" << coo.n << " 1\n";
    for (const auto& v : b) bs << v.real() << " " << v.imag() << "\n";
    const std::string bfile = write(std::string(c.name) + "_b.mtx", bs.str());
    const Outcome r = run("solve " + a + " " + bfile + " --method " + c.method +
                          " --tol 1e-12 --out " + path("x.mtx"));
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    const auto x = read_array(path("x.mtx"));
    ASSERT_EQ(x.size(), static_cast<std::size_t>(coo.n));
    for (const auto& v : x) EXPECT_LT(std::abs(v - 1.0), 1e-10);
    EXPECT_LE(relative_residual(coo, b, x), 1e-12);
  }
}

// CG and SYMMLQ on the stiffness matrix bcsstk01 (reverse communication,
// with progress) under each preconditioner of a real symmetric matrix, and
// on a complex Hermitian tridiagonal fixture (the Hermitian drivers, no
// progress; x must come out as ones): the residual computed here from the
// files meets the tolerance.
TEST_F(Kivhost, SolveSymmetricAndHermitianByCgAndSymmlq) {
  const std::string a = kMatrices + "/bcsstk01.mtx";
  const Coo coo = read_coo(a);
  std::vector<std::complex<double>> ones(coo.n, 1.0), b(coo.n, 0.0);
  for (std::size_t k = 0; k < coo.v.size(); ++k) b[coo.i[k] - 1] += coo.v[k];
  for (const char* method : {"cg", "symmlq"})
    for (const char* precon :
         {"none", "jacobi", "ssor", "ic", "ic --lfill 1", "ic --dtol 1e-3"}) {
      SCOPED_TRACE(std::string(method) + " " + precon);
      const Outcome r = run("solve " + a + " --method " + method + " --precon " + precon +
                            " --tol 1e-10 --maxitn 2000 --out " + path("x.mtx"));
      ASSERT_EQ(r.status, 0) << r.out << r.err;
      EXPECT_NE(r.err.find("iteration"), std::string::npos) << "no progress line: " << r.err;
      EXPECT_LE(relative_residual(coo, b, read_array(path("x.mtx"))), 1e-10);
    }

  const int n = 30;
  std::ostringstream h;
  h << "%%MatrixMarket matrix coordinate complex hermitian\n" << n << " " << n << " "
    << 2 * n - 1 << "\n";
  for (int i = 1; i <= n; ++i) {
    h << i << " " << i << " " << 4.0 + 0.1 * i << " 0\n";
    if (i < n) h << i + 1 << " " << i << " " << -1.0 << " " << 0.5 + 0.01 * i << "\n";
  }
  const std::string ha = write("h.mtx", h.str());
  for (const char* method : {"cg", "symmlq"})
    for (const char* precon : {"none", "jacobi", "ssor --omega 1.2", "ic"}) {
      SCOPED_TRACE(std::string("Hermitian ") + method + " " + precon);
      const Outcome r = run("solve " + ha + " --method " + method + " --precon " + precon +
                            " --tol 1e-12 --out " + path("x.mtx"));
      ASSERT_EQ(r.status, 0) << r.out << r.err;
      EXPECT_EQ(r.err.find("iteration"), std::string::npos) << r.err;
      const auto x = read_array(path("x.mtx"));
      ASSERT_EQ(x.size(), static_cast<std::size_t>(n));
      for (const auto& v : x) EXPECT_LT(std::abs(v - 1.0), 1e-9);
    }
}

TEST_F(Kivhost, SolverFailureShowsIfailAndMessage) {
  const Outcome r = run("solve " + kMatrices + "/sherman1.mtx --maxitn 3");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("IFAIL       5: The solution has not converged after      3 iterations."),
            std::string::npos)
      << r.out;
}

// Each malformed file: exit status 2 and exactly one line on stderr naming
// the file, the line and the problem.
TEST_F(Kivhost, MalformedFilesGetOneLineNamingFileLineAndProblem) {
  const std::string sym = "%%MatrixMarket matrix coordinate real symmetric\n";
  const std::string gen = "%%MatrixMarket matrix coordinate real general\n";
  struct Case {
    const char* name;
    std::string text;
    const char* line_and_problem;
  };
  const Case cases[] = {
      {"empty", "", ":1: empty file"},
      {"banner", "%%MatrixMarkt matrix coordinate real general\n2 2 1\n1 1 1\n",
       ":1: not a Matrix Market file"},
      {"header_words", "%%MatrixMarket matrix coordinate real\n2 2 1\n1 1 1\n",
       ":1: the header needs 4 words"},
      {"field", "%%MatrixMarket matrix coordinate quaternion general\n2 2 1\n1 1 1\n",
       ":1: unknown field 'quaternion'"},
      {"pattern", "%%MatrixMarket matrix coordinate pattern general\n2 2 1\n1 1\n",
       ":1: unsupported field 'pattern'"},
      {"no_size", gen + "% only a comment\n", ":3: no size line"},
      {"size", gen + "2 2\n1 1 1\n", ":2: expected 3 fields (rows, columns, entries), found 2"},
      {"negative_size", gen + "-2 2 1\n1 1 1\n", ":2: the matrix size must be positive"},
      {"too_few", gen + "3 3 3\n1 1 1\n2 2 1\n", ":5: the file ends after 2 of 3 entries"},
      {"too_many", gen + "2 2 1\n1 1 1\n2 2 1\n", ":4: more entries than the 1 declared"},
      {"row_range", gen + "3 3 2\n1 1 1\n4 1 2\n", ":4: row index 4 out of range 1..3"},
      {"col_range", gen + "3 3 2\n1 1 1\n1 0 2\n", ":4: column index 0 out of range 1..3"},
      {"huge_index", gen + "3 3 1\n99999999999 1 1\n", ":3: row index 99999999999 is out of range"},
      {"non_numeric", gen + "2 2 2\n1 1 1.5\n2 2 abc\n", ":4: non-numeric value 'abc'"},
      {"trailing_junk", gen + "2 2 1\n1 1 1.5x\n", ":3: non-numeric value '1.5x'"},
      {"not_finite", gen + "2 2 1\n1 1 nan\n", ":3: value 'nan' is not finite"},
      {"truncated", gen + "2 2 2\n1 1 1.0\n2 2",
       ":4: expected 3 fields (row, column, value), found 2"},
      {"complex_parts", "%%MatrixMarket matrix coordinate complex general\n2 2 1\n1 1 1.0\n",
       ":3: expected 4 fields (row, column, real and imaginary parts), found 3"},
      {"upper", sym + "2 2 2\n1 1 1\n1 2 1\n", ":4: entry (1,2) above the diagonal"},
      {"repeat", gen + "2 2 3\n1 1 1\n2 1 1\n1 1 2\n", ":5: entry (1,1) repeats line 3"},
      {"hermitian_real", "%%MatrixMarket matrix coordinate real hermitian\n2 2 1\n1 1 1\n",
       ":1: a hermitian file must be complex"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string file = write(std::string(c.name) + ".mtx", c.text);
    const Outcome r = run("solve " + file);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind("kivhost solve: " + file + c.line_and_problem, 0), 0u) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_EQ(r.out, "");
  }
  const Outcome missing = run("solve " + path("absent.mtx"));
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.err, "kivhost solve: " + path("absent.mtx") + ": No such file or directory\n");
}

TEST_F(Kivhost, RightHandSideMustMatchAndOptionsAreChecked) {
  const std::string a = kMatrices + "/sherman1.mtx";
  const std::string b = write("b.mtx", "%%MatrixMarket matrix array real general\n3 1\n1\n2\n3\n");
  const std::string nonsym =
      write("n.mtx", "%%MatrixMarket matrix coordinate real general\n2 2 3\n1 1 2\n2 1 1\n2 2 2\n");
  // Complex symmetric, not Hermitian.
  const std::string csym =
      write("c.mtx", "%%MatrixMarket matrix coordinate complex symmetric\n2 2 2\n1 1 2 0\n2 1 1 1\n");
  struct Case {
    std::string args, message;
  };
  const Case cases[] = {
      {"solve " + a + " " + b, b + ": b is 3 x 1; A needs 1000 x 1"},
      {"solve " + nonsym + " --method cg", nonsym + ": --method cg needs a symmetric matrix; A is not"},
      {"solve " + csym + " --method symmlq", csym + ": --method symmlq needs a Hermitian matrix; A is not"},
      {"solve " + a + " --precon ic", "--precon ic needs --method cg or symmlq"},
      {"solve " + a + " --method symmlq --precon ilu", "--precon ilu needs a nonsymmetric method"},
      {"solve " + a + " --precon ilu --lfill 1 --dtol 0.1", "give --lfill or --dtol, not both"},
      {"solve " + a + " --dtol 0.1", "--dtol applies to --precon ilu or ic"},
      {"solve " + a + " --omega 1.5", "--omega applies to --precon ssor"},
      {"solve " + a + " --precon ssor --omega 2", "--omega needs a number in [0, 2), not '2'"},
      {"solve " + a + " --precon ssor --omega 0", "--omega needs a number in (0, 2), not '0'"},
      {"solve " + a + " --precon lu", "unknown preconditioner 'lu'"},
      {"solve " + a + " --method gmres", "unknown method 'gmres'"},
      {"solve " + a + " --tol 1", "--tol needs a number in [0, 1), not '1'"},
      {"solve " + a + " --tol x", "--tol needs a number in [0, 1), not 'x'"},
      {"solve " + a + " --maxitn 0", "--maxitn needs a whole number in 1..2147483647, not '0'"},
      {"solve " + a + " --lfill 2", "--lfill applies to --precon ilu or ic"},
      {"solve " + a + " --tol", "option '--tol' needs a value"},
      {"solve", "missing the matrix file A.mtx"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    const Outcome r = run(c.args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind("kivhost solve: " + c.message, 0), 0u) << r.err;
    EXPECT_NE(r.err.find("Try 'kivhost solve --help'"), std::string::npos) << r.err;
  }
}

TEST_F(Kivhost, FftMatchesDirectSumAndInverts) {
  const double x[] = {1.0, 2.0, 0.5, -1.0, 3.0, 0.25, -2.0};
  const int n = 7;
  std::ostringstream s;
  s << "%%MatrixMarket matrix array real general\n" << n << " 1\n";
  s.precision(17);
  for (double v : x) s << v << "\n";
  const std::string in = write("x.mtx", s.str());

  Outcome r = run("fft " + in);
  ASSERT_EQ(r.status, 0) << r.err;
  write("z.mtx", r.out);
  const auto z = read_array(path("z.mtx"));
  ASSERT_EQ(z.size(), static_cast<std::size_t>(n));
  const double pi = std::acos(-1.0);
  for (int k = 0; k < n; ++k) {
    std::complex<double> want = 0.0;
    for (int j = 0; j < n; ++j) want += x[j] * std::polar(1.0, -2.0 * pi * j * k / n);
    EXPECT_LT(std::abs(z[k] - want / std::sqrt(double(n))), 1e-14) << k;
  }

  r = run("fft --real " + in);
  ASSERT_EQ(r.status, 0) << r.err;
  write("h.mtx", r.out);
  const auto half = read_array(path("h.mtx"));
  ASSERT_EQ(half.size(), static_cast<std::size_t>(n / 2 + 1));
  for (int k = 0; k <= n / 2; ++k) EXPECT_LT(std::abs(half[k] - z[k]), 1e-14) << k;

  r = run("fft --real --inverse --odd " + path("h.mtx"));
  ASSERT_EQ(r.status, 0) << r.err;
  write("back.mtx", r.out);
  const auto back = read_array(path("back.mtx"));
  ASSERT_EQ(back.size(), static_cast<std::size_t>(n));
  for (int j = 0; j < n; ++j) EXPECT_LT(std::abs(back[j] - x[j]), 1e-14) << j;

  EXPECT_EQ(run("fft --real " + path("z.mtx")).status, 2);  // complex data
  EXPECT_EQ(run("fft --odd " + in).status, 2);
}

TEST_F(Kivhost, HelpAndInfo) {
  Outcome r = run("--help");
  EXPECT_EQ(r.status, 0);
  for (const char* word : {"Usage: kivhost", "solve", "fft", "info", "Exit status"})
    EXPECT_NE(r.out.find(word), std::string::npos) << word;
  for (const char* command : {"solve", "fft", "info"}) {
    r = run(std::string(command) + " --help");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("Usage: kivhost " + std::string(command), 0), 0u) << r.out;
  }
  r = run("--bogus");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("unknown option '--bogus'"), std::string::npos);
  r = run("bogus");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("unknown command 'bogus'"), std::string::npos);

  r = run("info");
  EXPECT_EQ(r.status, 0) << r.err;
  int count = 0, resolved = -1;
  const auto at = r.out.find("Exports: ");
  ASSERT_NE(at, std::string::npos) << r.out;
  std::sscanf(r.out.c_str() + at, "Exports: %d (%d resolved)", &count, &resolved);
  EXPECT_GT(count, 100);
  EXPECT_EQ(resolved, count);
  EXPECT_NE(r.out.find("machine precision   1.1113072267976499e-16"), std::string::npos);
}

}  // namespace
