// Sorting, ranking and rearranging: sections of exact-size vectors with
// rank and permutation vectors that are mostly permutations, sometimes
// damaged.  Rank and permutation vectors must come back as they went in,
// whatever the outcome.
#include <algorithm>
#include <vector>

#include "input.hpp"

namespace {

using kivfuzz::Array;
using kivfuzz::Input;

// IP(M1..M2) a permutation of M1..M2 chosen by the input, then perhaps
// damaged; elements outside the section are arbitrary.
void permutation(Input& in, Array<int>& ip, int m1, int m2) {
  in.fill(ip, -1, static_cast<int>(ip.size()) + 1);
  if (m1 < 1 || m1 > m2) return;
  for (int i = m1; i <= m2; ++i) ip[i - 1] = i;
  for (int i = m2; i > m1; --i) std::swap(ip[i - 1], ip[in.range(m1, i) - 1]);
  for (int k = in.range(0, 2); k > 0; --k) ip[in.range(m1, m2) - 1] = in.integer(m1 - 1, m2 + 1);
}

bool same(const Array<int>& a, const std::vector<int>& b) {
  return std::equal(b.begin(), b.end(), &const_cast<Array<int>&>(a)[0]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  for (int step = 0; step < 8 && !in.empty(); ++step) {
    const int routine = in.range(0, 6);
    int m2 = in.integer(1, 40);
    int m1 = in.flag() ? 1 : in.integer(1, 40);
    if (!kivfuzz::fits(m2)) continue;
    Array<double> rv(m2);
    Array<int> ip(m2), iv(m2);
    Array<kiv2_complex> cv(m2);
    in.fill(rv);
    in.fill(cv);
    in.fill(iv, -5, 5);
    permutation(in, ip, m1, m2);
    const std::vector<int> before(&ip[0], &ip[0] + ip.size());
    int ifail = 1;
    char record[KIV2_RECORD_LEN + 1];
    switch (routine) {
      case 0: {
        auto order = in.option("AD");
        M01DAF_HOST(rv.data(), &m1, &m2, order.text.get(), ip.data(), &ifail, order.len);
        break;
      }
      case 1: {
        auto order = in.option("AD");
        M01CAF(rv.data(), m1, m2, order.text.get(), record, &ifail, order.len, KIV2_RECORD_LEN);
        break;
      }
      case 2:
        M01EAF_HOST(rv.data(), &m1, &m2, ip.data(), &ifail);
        if (!same(ip, before)) __builtin_trap();
        break;
      case 3:
        M01EDF_HOST(cv.data(), &m1, &m2, ip.data(), &ifail);
        if (!same(ip, before)) __builtin_trap();
        break;
      case 4:
        M01EBF(iv.data(), m1, m2, ip.data(), record, &ifail, KIV2_RECORD_LEN);
        if (!same(ip, before)) __builtin_trap();
        break;
      case 5:
        M01ZAF_HOST(ip.data(), &m1, &m2, &ifail);
        if (ifail != 0 && !same(ip, before)) __builtin_trap();
        break;
      default:
        M01ZBF(ip.data(), m1, m2, record, &ifail, KIV2_RECORD_LEN);
        if (!same(ip, before)) __builtin_trap();
    }
    if (ifail < 0 || ifail > 3) __builtin_trap();
  }
  return 0;
}
