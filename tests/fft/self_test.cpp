// A check independent of any reference transform, for every routine that
// transforms, at random lengths up to 10^5 (large prime factors included):
// linearity on random inputs, the response to an impulse against its
// closed form, and the shift theorem (for the sine and cosine transforms,
// which have none, the inverse undoing the transform).
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "kiv2.h"
#include "reference.hpp"

namespace {

using fftest::cd;
using fftest::cld;
using Vec = std::vector<cd>;
using Transform = std::function<Vec(const Vec&)>;

char g_record[KIV2_RECORD_LEN + 1];
constexpr long double kPiL = 3.141592653589793238462643383279502884L;

// exp(i pi r/h) in long double, r taken mod 2h.
cld half_turn(long long r, long long h) {
  r %= 2 * h;
  const long double a = kPiL * r / h;
  return {std::cos(a), std::sin(a)};
}

struct Subject {
  std::string name;
  int n;               // values in and out
  bool real;           // real input (and real coefficients in linearity)
  Transform apply;
  std::function<std::vector<cld>(int j)> impulse;  // the response to e_j
  // The phase of output k when the input moves by S places, or nothing.
  std::function<cld(int s, int k)> shift;
  // The move by S places (cyclic, of the sequence or of the array).
  std::function<Vec(const Vec&, int s)> move;
  Transform inverse;  // when there is no shift theorem
  double bound;
};

void expect_close(const Vec& got, const std::vector<cld>& want, double bound,
                  const std::string& what) {
  EXPECT_LE(fftest::error_ratio(got, want), bound) << what;
}

// An impulse response may be zero but for one line (C06PFF): its error is
// measured against its largest value, not its mean square.
void expect_close_peak(const Vec& got, const std::vector<cld>& want, double bound,
                       const std::string& what) {
  long double peak = 0, worst = 0;
  for (std::size_t k = 0; k < want.size(); ++k) {
    peak = std::max(peak, std::abs(want[k]));
    worst = std::max(worst, std::abs(cld(got[k]) - want[k]));
  }
  EXPECT_LE(static_cast<double>(worst / (peak * kiv::kEps)), bound) << what;
}

std::vector<cld> widen(const Vec& v) { return {v.begin(), v.end()}; }

void run(const Subject& t, std::mt19937& gen) {
  SCOPED_TRACE(t.name + " N = " + std::to_string(t.n));
  const int n = t.n;
  Vec x = fftest::random_complex(n, gen()), y = fftest::random_complex(n, gen());
  if (t.real)
    for (int j = 0; j < n; ++j) x[j] = x[j].real(), y[j] = y[j].real();
  std::uniform_real_distribution<double> u(-2.0, 2.0);
  const cd a = t.real ? cd(u(gen)) : cd(u(gen), u(gen)), b = t.real ? cd(u(gen)) : cd(u(gen), u(gen));

  // Linearity.
  Vec mix(n);
  for (int j = 0; j < n; ++j) mix[j] = a * x[j] + b * y[j];
  const Vec tx = t.apply(x), ty = t.apply(y), tmix = t.apply(mix);
  std::vector<cld> combined(tx.size());
  for (std::size_t k = 0; k < tx.size(); ++k)
    combined[k] = cld(a) * cld(tx[k]) + cld(b) * cld(ty[k]);
  expect_close(tmix, combined, 2 * t.bound, "linearity");

  // Impulses at two random places.
  for (int rep = 0; rep < 2; ++rep) {
    const int j = std::uniform_int_distribution<int>(0, n - 1)(gen);
    Vec e(n, 0.0);
    e[j] = 1.0;
    expect_close_peak(t.apply(e), t.impulse(j), t.bound, "impulse at " + std::to_string(j));
  }

  if (t.shift) {
    const int s = std::uniform_int_distribution<int>(1, n)(gen) % n;
    Vec moved(n);
    if (t.move) {
      moved = t.move(x, s);
    } else {
      for (int j = 0; j < n; ++j) moved[(j + s) % n] = x[j];
    }
    std::vector<cld> want(tx.size());
    for (std::size_t k = 0; k < tx.size(); ++k)
      want[k] = t.shift(s, static_cast<int>(k)) * cld(tx[k]);
    expect_close(t.apply(moved), want, 2 * t.bound, "shift by " + std::to_string(s));
  } else {
    expect_close(t.inverse(tx), widen(x), 2 * t.bound, "inverse");
  }
}

// ---------------------------------------------------------------------------
// The subjects.

Subject complex_dft(int n, int sign) {
  Subject t{"C06PCF", n, false, nullptr, nullptr, nullptr, nullptr, nullptr, fftest::allowed(n)};
  t.apply = [n, sign](const Vec& in) {
    Vec x = in, work(2 * n);
    int ifail = 1;
    C06PCF(sign < 0 ? "F" : "B", x.data(), n, work.data(), g_record, &ifail, 1, KIV2_RECORD_LEN);
    return x;
  };
  t.impulse = [n, sign](int j) {
    std::vector<cld> z(n);
    for (int k = 0; k < n; ++k) z[k] = half_turn(2LL * sign * j * k % (2LL * n) + 2LL * n, n) /
                                       std::sqrt(static_cast<long double>(n));
    return z;
  };
  t.shift = [n, sign](int s, int k) { return half_turn(2LL * sign * s * k % (2LL * n) + 2LL * n, n); };
  return t;
}

// C06PPF forward, its conjugate-even rows read back as the full spectrum.
Subject real_dft(int n) {
  Subject t = complex_dft(n, -1);
  t.name = "C06PPF";
  t.real = true;
  t.apply = [n](const Vec& in) {
    std::vector<double> x(n + 2), work(3 * n);
    for (int j = 0; j < n; ++j) x[j] = in[j].real();
    int ifail = 1;
    C06PPF("F", 1, n, x.data(), work.data(), g_record, &ifail, 1, KIV2_RECORD_LEN);
    Vec z(n);
    for (int k = 0; 2 * k <= n; ++k) {
      z[k] = {x[2 * k], x[2 * k + 1]};
      if (k > 0) z[n - k] = std::conj(z[k]);
    }
    return z;
  };
  return t;
}

// C06PRF on one row of M sequences at once: the subject is sequence 0,
// the others random.
Subject multiple_dft(int n, int m) {
  Subject t = complex_dft(n, 1);
  t.name = "C06PRF (M = " + std::to_string(m) + ")";
  const Vec others = fftest::random_complex(static_cast<std::size_t>(m) * n, 77);
  t.apply = [n, m, others](const Vec& in) {
    Vec x = others, work(static_cast<std::size_t>(m + 1) * n);
    for (int j = 0; j < n; ++j) x[static_cast<std::size_t>(j) * m] = in[j];
    int ifail = 1;
    C06PRF("B", m, n, x.data(), work.data(), g_record, &ifail, 1, KIV2_RECORD_LEN);
    Vec z(n);
    for (int k = 0; k < n; ++k) z[k] = x[static_cast<std::size_t>(k) * m];
    return z;
  };
  return t;
}

// C06PJF on an ND(1) x ND(2) x ND(3) array (or C06PFF along dimension L),
// seen as one sequence with the first index fastest.
Subject multi_dimensional(std::vector<int> nd, int l) {
  int n = 1;
  for (int v : nd) n *= v;
  Subject t{l == 0 ? "C06PJF" : "C06PFF L = " + std::to_string(l), n, false, nullptr, nullptr,
            nullptr, nullptr, nullptr, fftest::allowed(n)};
  auto transformed = [nd, l](int i) { return l == 0 || l == i + 1; };
  t.apply = [nd, n, l](const Vec& in) {
    Vec x = in, work(n + 3 * (std::max({nd[0], nd[1], nd[2]}) + 5));
    int ifail = 1;
    if (l == 0)
      C06PJF(0, "F", 3, nd.data(), n, x.data(), work.data(), static_cast<int>(work.size()),
             g_record, &ifail, 1, KIV2_RECORD_LEN);
    else
      C06PFF(0, "F", 3, l, nd.data(), n, x.data(), work.data(), static_cast<int>(work.size()),
             g_record, &ifail, 1, KIV2_RECORD_LEN);
    return x;
  };
  // Phase of a multi-index under a multi-index of shifts, over the
  // transformed dimensions, each with 1/sqrt(n_i).
  auto phase = [nd, transformed](int j, int k, bool scaled) {
    cld w = 1.0L;
    for (int i = 0; i < 3; ++i) {
      const int ji = j % nd[i], ki = k % nd[i];
      j /= nd[i], k /= nd[i];
      if (!transformed(i)) {
        if (ji != ki) return cld(0.0L);
        continue;
      }
      w *= half_turn(2LL * nd[i] - 2LL * ji * ki % (2LL * nd[i]), nd[i]);
      if (scaled) w /= std::sqrt(static_cast<long double>(nd[i]));
    }
    return w;
  };
  t.impulse = [n, phase](int j) {
    std::vector<cld> z(n);
    for (int k = 0; k < n; ++k) z[k] = phase(j, k, true);
    return z;
  };
  // S moves index i of every transformed dimension by S_i = S (i+1) mod ND(i).
  auto moves = [nd, transformed](int s, int i) { return transformed(i) ? s * (i + 1) % nd[i] : 0; };
  t.move = [nd, n, moves](const Vec& x, int s) {
    Vec out(n);
    for (int j = 0; j < n; ++j) {
      int rest = j, to = 0, stride = 1;
      for (int i = 0; i < 3; ++i) {
        const int ji = rest % nd[i];
        rest /= nd[i];
        to += (ji + moves(s, i)) % nd[i] * stride;
        stride *= nd[i];
      }
      out[to] = x[j];
    }
    return out;
  };
  t.shift = [nd, moves](int s, int k) {
    cld w = 1.0L;
    for (int i = 0; i < 3; ++i) {
      const long long ki = k % nd[i];
      k /= nd[i];
      w *= half_turn(2LL * nd[i] - 2LL * moves(s, i) * ki % (2LL * nd[i]), nd[i]);
    }
    return w;
  };
  return t;
}

enum Trig { kSine, kCosine, kQuarterSine, kQuarterCosine };

// The sine and cosine transforms on M = 2 rows, the subject in row 0.
Subject trig(Trig kind, int n) {
  const char* names[] = {"C06RAF", "C06RBF", "C06RCF", "C06RDF"};
  const int count = kind == kSine ? n - 1 : kind == kCosine ? n + 1 : n;
  const int first = 1, cols = kind == kCosine ? n + 3 : n + 2, m = 2;
  const double b = fftest::allowed(2 * n) * (kind <= kCosine ? 1.0 + n / 16.0 : 1.0);
  Subject t{names[kind], count, true, nullptr, nullptr, nullptr, nullptr, nullptr, b};
  auto call = [=](const Vec& in, const char* dir) {
    std::vector<double> x(static_cast<std::size_t>(m) * cols, 0.25), work(2 * n + (n + 2) * m);
    for (int j = 0; j < count; ++j) x[static_cast<std::size_t>(first - 1 + j) * m] = in[j].real();
    int ifail = 1;
    switch (kind) {
      case kSine:
        C06RAF(m, n, x.data(), work.data(), g_record, &ifail, KIV2_RECORD_LEN);
        break;
      case kCosine:
        C06RBF(m, n, x.data(), work.data(), g_record, &ifail, KIV2_RECORD_LEN);
        break;
      case kQuarterSine:
        C06RCF(dir, m, n, x.data(), work.data(), g_record, &ifail, 1, KIV2_RECORD_LEN);
        break;
      case kQuarterCosine:
        C06RDF(dir, m, n, x.data(), work.data(), g_record, &ifail, 1, KIV2_RECORD_LEN);
        break;
    }
    Vec out(count);
    for (int k = 0; k < count; ++k) out[k] = x[static_cast<std::size_t>(first - 1 + k) * m];
    return out;
  };
  t.apply = [call](const Vec& in) { return call(in, "F"); };
  t.inverse = [call](const Vec& in) { return call(in, "B"); };
  // sin or cos of pi r/(2N).
  auto s = [n](long long r) { return half_turn(r, 2LL * n).imag(); };
  auto c = [n](long long r) { return half_turn(r, 2LL * n).real(); };
  t.impulse = [=](int j) {
    std::vector<cld> z(count);
    const long double rn = std::sqrt(static_cast<long double>(n));
    for (long long k = 0; k < count; ++k) switch (kind) {
        case kSine:  // x_{j+1}, output k+1
          z[k] = std::sqrt(2.0L / n) * s(2 * (j + 1) * (k + 1));
          break;
        case kCosine:  // x_j, output k
          z[k] = std::sqrt(2.0L / n) * c(2LL * j * k) * (j == 0 || j == n ? 0.5L : 1.0L);
          break;
        case kQuarterSine:  // x_{j+1}, output k+1
          z[k] = s((2 * (k + 1) - 1) * (j + 1)) * (j + 1 == n ? 0.5L : 1.0L) / rn;
          break;
        case kQuarterCosine:  // x_j, output k
          z[k] = c((2 * k + 1) * j) * (j == 0 ? 0.5L : 1.0L) / rn;
          break;
      }
    return z;
  };
  return t;
}

TEST(SelfTest, LinearityImpulseAndShiftAtRandomLengths) {
  std::mt19937 gen(20261210);
  std::vector<int> lengths = {99991, 65537};  // primes, through the convolution
  std::uniform_int_distribution<int> any(2, 100000), small(2, 3000);
  for (int i = 0; i < 4; ++i) lengths.push_back(any(gen));
  for (int i = 0; i < 4; ++i) lengths.push_back(small(gen));
  for (int n : lengths) {
    run(complex_dft(n, -1), gen);
    run(complex_dft(n, 1), gen);
    run(real_dft(n), gen);
    if (n <= 20000) run(multiple_dft(n, 3), gen);
    for (Trig kind : {kSine, kCosine, kQuarterSine, kQuarterCosine}) run(trig(kind, n), gen);
  }
  std::uniform_int_distribution<int> side(1, 60);
  for (int i = 0; i < 4; ++i) {
    const std::vector<int> nd = {side(gen), side(gen), side(gen)};
    for (int l = 0; l <= 3; ++l) run(multi_dimensional(nd, l), gen);
  }
}

}  // namespace
