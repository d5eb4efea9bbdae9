// Every one-dimensional transform against the DFT summed in long double:
// every N from 1 to 300, then long transforms of each kind of factor,
// checked at a sample of frequencies (and through their round trips).
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>

#include "kiv2.h"
#include "reference.hpp"

namespace {

using fftest::cd;
using fftest::cld;

constexpr int kAll = 0;  // compare every frequency

// Frequencies to compare: all, or a spread of SAMPLES including the edges.
std::vector<int> frequencies(int n, int samples) {
  std::vector<int> ks;
  if (samples == kAll || n <= samples) {
    ks.resize(n);
    std::iota(ks.begin(), ks.end(), 0);
    return ks;
  }
  for (int k : {0, 1, 2, n / 2, n / 2 + 1, n - 1}) ks.push_back(k);
  for (int i = 0; i < samples; ++i) ks.push_back(static_cast<int>((37L * i * i + 11L * i) % n));
  return ks;
}

std::vector<cd> pick(const std::vector<cd>& z, const std::vector<int>& ks) {
  std::vector<cd> out;
  for (int k : ks) out.push_back(z[k]);
  return out;
}

// Hermitian packed storage <-> the full spectrum.
std::vector<cd> unpack(const std::vector<double>& p) {
  const int n = static_cast<int>(p.size());
  std::vector<cd> z(n);
  for (int k = 0; 2 * k <= n; ++k) {
    const double b = (k == 0 || 2 * k == n) ? 0.0 : p[n - k];
    z[k] = {p[k], b};
    if (k > 0) z[n - k] = {p[k], -b};
  }
  return z;
}

std::vector<cd> unpack_conjugate_even(const double* row, int n, int stride) {
  std::vector<cd> z(n);
  for (int k = 0; 2 * k <= n; ++k) {
    z[k] = {row[2 * k * stride], row[(2 * k + 1) * stride]};
    if (k > 0) z[n - k] = std::conj(z[k]);
  }
  return z;
}

// A random Hermitian spectrum in packed storage.
std::vector<double> random_packed(int n, unsigned seed) { return fftest::random_reals(n, seed); }

double check(const std::vector<cd>& got, const std::vector<cld>& ref, int n,
             const std::string& what) {
  const double ratio = fftest::error_ratio(got, ref);
  EXPECT_LE(ratio, fftest::allowed(n)) << what << " N = " << n;
  return ratio;
}

// ---------------------------------------------------------------------------

void c06pcf_case(int n, int samples) {
  const std::vector<int> ks = frequencies(n, samples);
  for (const char* dir : {"F", "b"}) {
    std::vector<cd> x = fftest::random_complex(n, 100 + n), work(2 * n);
    const std::vector<cld> ref = fftest::dft(x, dir[0] == 'F' ? -1 : 1, ks);
    int ifail = 1;
    char record[KIV2_RECORD_LEN + 1];
    C06PCF(dir, x.data(), n, work.data(), record, &ifail, 1, KIV2_RECORD_LEN);
    ASSERT_EQ(ifail, 0);
    check(pick(x, ks), ref, n, std::string("C06PCF ") + dir);
    EXPECT_EQ(work[0], cd(n == 1 ? 1.0 : 2.0 * n, 0.0));
  }
}

void c06ppf_case(int m, int n, int samples) {
  const std::vector<int> ks = frequencies(n, samples);
  const int cols = n + 2;
  std::vector<double> work(2 * n + cols * m + 1);
  char record[KIV2_RECORD_LEN + 1];
  const double used = n == 1 ? 1.0 : m == 1 ? 3.0 * n : (n + 2.0) * m + 2.0 * n;
  {  // forward: real rows to conjugate-even rows
    std::vector<double> x = fftest::random_reals(static_cast<std::size_t>(m) * cols, 7 + n);
    std::vector<std::vector<double>> rows(m, std::vector<double>(n));
    for (int s = 0; s < m; ++s)
      for (int k = 0; k < n; ++k) rows[s][k] = x[s + k * m];
    int ifail = 1;
    C06PPF("f", m, n, x.data(), work.data(), record, &ifail, 1, KIV2_RECORD_LEN);
    ASSERT_EQ(ifail, 0);
    EXPECT_EQ(work[0], used);
    for (int s = 0; s < m; ++s) {
      const std::vector<cd> z = unpack_conjugate_even(x.data() + s, n, m);
      check(pick(z, ks), fftest::dft(rows[s], -1, ks), n, "C06PPF F");
      EXPECT_EQ(x[s + m], 0.0);
      EXPECT_EQ(x[s + (n + 1) * m], 0.0);  // b_{N/2}, or the spare element
    }
  }
  {  // backward: conjugate-even rows to real rows
    std::vector<double> x = fftest::random_reals(static_cast<std::size_t>(m) * cols, 9 + n);
    std::vector<std::vector<cd>> spectra;
    for (int s = 0; s < m; ++s) {
      x[s + m] = 0.0;  // b_0
      if (n % 2 == 0) x[s + (n + 1) * m] = 0.0;
      spectra.push_back(unpack_conjugate_even(x.data() + s, n, m));
    }
    int ifail = 1;
    C06PPF("B", m, n, x.data(), work.data(), record, &ifail, 1, KIV2_RECORD_LEN);
    ASSERT_EQ(ifail, 0);
    for (int s = 0; s < m; ++s) {
      std::vector<cd> got;
      for (int j : ks) got.push_back(x[s + j * m]);
      check(got, fftest::dft(spectra[s], 1, ks), n, "C06PPF B");
      EXPECT_EQ(x[s + n * m], 0.0);
      EXPECT_EQ(x[s + (n + 1) * m], 0.0);
    }
  }
}

void c06faf_case(int n, int samples) {
  const std::vector<int> ks = frequencies(n, samples);
  std::vector<double> work(n);
  char record[KIV2_RECORD_LEN + 1];
  {
    std::vector<double> x = fftest::random_reals(n, 3 + n);
    const std::vector<cld> ref = fftest::dft(x, -1, ks);
    int ifail = 1;
    C06FAF(x.data(), n, work.data(), record, &ifail, KIV2_RECORD_LEN);
    ASSERT_EQ(ifail, 0);
    check(pick(unpack(x), ks), ref, n, "C06FAF");
  }
  {  // Hermitian synthesis: the minus sign on Hermitian data
    std::vector<double> x = random_packed(n, 5 + n);
    const std::vector<cld> ref = fftest::dft(unpack(x), -1, ks);
    int ifail = 1;
    C06FBF(x.data(), n, work.data(), record, &ifail, KIV2_RECORD_LEN);
    ASSERT_EQ(ifail, 0);
    std::vector<cd> got;
    for (int j : ks) got.push_back(x[j]);
    check(got, ref, n, "C06FBF");
  }
}

// M sequences through C06PRF (by rows) and C06PSF (by columns).
void multiple_case(int m, int n) {
  std::vector<cd> data = fftest::random_complex(static_cast<std::size_t>(m) * n, 11 + n);
  std::vector<cd> work((m + 1) * n);
  char record[KIV2_RECORD_LEN + 1];
  for (const char* dir : {"F", "B"}) {
    const int sign = dir[0] == 'F' ? -1 : 1;
    std::vector<cd> rows(data), cols(data);  // the same values, read two ways
    int ifail = 1;
    C06PRF(dir, m, n, rows.data(), work.data(), record, &ifail, 1, KIV2_RECORD_LEN);
    ASSERT_EQ(ifail, 0);
    EXPECT_EQ(work[0].real(), n == 1 ? 1.0 : m == 1 ? 2.0 * n : (m + 1.0) * n);
    C06PSF(dir, n, m, cols.data(), work.data(), record, &ifail, 1, KIV2_RECORD_LEN);
    ASSERT_EQ(ifail, 0);
    EXPECT_EQ(work[0].real(), n == 1 ? 1.0 : m == 1 ? 2.0 * n : (m + 1.0) * n);
    for (int s = 0; s < m; ++s) {
      std::vector<cd> by_row(n), by_col(n), seq_r(n), seq_c(n);
      for (int k = 0; k < n; ++k) {
        seq_r[k] = data[s + k * m];
        by_row[k] = rows[s + k * m];
        seq_c[k] = data[k + s * n];
        by_col[k] = cols[k + s * n];
      }
      check(by_row, fftest::dft(seq_r, sign), n, std::string("C06PRF ") + dir);
      check(by_col, fftest::dft(seq_c, sign), n, std::string("C06PSF ") + dir);
    }
  }
}

bool inplace_length(int n) {
  if (n < 2) return false;
  int count = 0;
  for (int d = 2; d <= 19; ++d)
    while (n % d == 0) n /= d, ++count;
  return n == 1 && count <= 20;
}

TEST(Transforms, EveryLengthUpTo300) {
  for (int n = 1; n <= 300; ++n) {
    c06pcf_case(n, kAll);
    c06ppf_case(1, n, kAll);
    if (inplace_length(n)) c06faf_case(n, kAll);
  }
}

TEST(Transforms, SeveralSequencesAtOnce) {
  for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 12, 15, 16, 30, 49, 60, 64, 97, 100, 210})
    for (int m : {1, 2, 3, 5}) {
      c06ppf_case(m, n, kAll);
      multiple_case(m, n);
    }
  multiple_case(12, 12);  // the square case transposes in place
}

// Long transforms: powers of 2 up to 2^20, of 3 and of 5, products with the
// primes of the general kernels, and primes.
TEST(Transforms, LongLengths) {
  constexpr int kSamples = 8;
  for (int n : {512, 1024, 4096, 1 << 14, 1 << 16, 1 << 20, 729, 6561, 59049, 625, 15625, 78125,
                2 * 3 * 5 * 7 * 11 * 13, 17 * 19 * 64, 7 * 7 * 7 * 9, 1009, 4 * 1009})
    c06pcf_case(n, kSamples);
  for (int n : {512, 1024, 4096, 1 << 14, 1 << 17, 729, 6561, 15625, 6 * 6 * 6 * 6 * 6 * 6,
                2 * 3 * 5 * 7 * 11 * 13, 17 * 19 * 64, 7 * 11 * 13 * 16, 1009, 4 * 1009})
    c06ppf_case(1, n, kSamples);
  for (int n : {1009 * 6, 7 * 11 * 13}) c06ppf_case(8, n, kSamples);
  for (int n : {512, 1024, 1 << 14, 1 << 16, 729, 6561, 15625, 19 * 19 * 16,
                2 * 3 * 5 * 7 * 11 * 13, 17 * 19 * 64, 7 * 7 * 11 * 11 * 13})
    c06faf_case(n, kSamples);
}

// Forward then backward returns the data, for every routine.
TEST(Transforms, RoundTrips) {
  char record[KIV2_RECORD_LEN + 1];
  for (int n : {2, 3, 17, 36, 100, 243, 1000, 1 << 12, 1009, 7 * 11 * 13 * 17}) {
    int ifail = 1;
    const std::vector<cd> x0 = fftest::random_complex(n, n);
    std::vector<cd> x(x0), work(2 * n);
    C06PCF("F", x.data(), n, work.data(), record, &ifail, 1, KIV2_RECORD_LEN);
    C06PCF("B", x.data(), n, work.data(), record, &ifail, 1, KIV2_RECORD_LEN);
    check(x, std::vector<cld>(x0.begin(), x0.end()), n, "C06PCF F then B");

    const std::vector<double> r0 = fftest::random_reals(n + 2, n);
    std::vector<double> r(r0), rwork(3 * n);
    C06PPF("F", 1, n, r.data(), rwork.data(), record, &ifail, 1, KIV2_RECORD_LEN);
    C06PPF("B", 1, n, r.data(), rwork.data(), record, &ifail, 1, KIV2_RECORD_LEN);
    check(std::vector<cd>(r.begin(), r.begin() + n), std::vector<cld>(r0.begin(), r0.begin() + n),
          n, "C06PPF F then B");

    if (!inplace_length(n)) continue;
    std::vector<double> s(r0.begin(), r0.begin() + n);
    C06FAF(s.data(), n, rwork.data(), record, &ifail, KIV2_RECORD_LEN);
    C06GBF(s.data(), n, record, &ifail, KIV2_RECORD_LEN);
    C06FBF(s.data(), n, rwork.data(), record, &ifail, KIV2_RECORD_LEN);
    check(std::vector<cd>(s.begin(), s.end()), std::vector<cld>(r0.begin(), r0.begin() + n), n,
          "C06FAF, C06GBF, C06FBF");
  }
}

}  // namespace
