// The integrators with fuzzed scalars and an integrand whose values come
// from the input now and then (NaNs and infinities among them): the ball
// rule, and the simplex rule continued over a second call with the state it
// keeps in the vertex array damaged now and then.  Every call must end,
// within VERTEX(IV1*IV2) and VALUES(MAXORD), with an IFAIL the routine lists.
#include <cmath>
#include <cstring>

#include "input.hpp"

namespace {

using kivfuzz::Array;
using kivfuzz::Input;

void check(bool ok) {
  if (!ok) __builtin_trap();
}

// f(x) = c + sum x_i^2, except that every k-th call returns a value from a
// small fuzzed table, and every call after BUDGET a NaN.  The budget is
// what bounds the ball rule: its halvings are bounded, but a request it
// cannot meet runs to over a million calls in three or four dimensions,
// which is merely slow (an input has 2 s); the NaN ends it through its
// error exit instead.
struct Integrand {
  double c = 0.0;
  double table[8] = {};
  int wild_every = 0;
  long calls = 0;
  long budget = 0;

  Integrand(Input& in, long budget) : budget(budget) {
    c = in.real();
    for (double& t : table) t = in.real();
    wild_every = in.range(0, 2) == 0 ? 0 : in.range(1, 4000);
  }
  double operator()(int n, const double* x) {
    ++calls;
    if (calls > budget) return std::nan("");
    if (wild_every > 0 && calls % wild_every == 0) return table[calls % 8];
    double s = c;
    for (int i = 0; i < n; ++i) s += x[i] * x[i];
    return s;
  }
};

double KIV_CALL integrand(const int* ndim, const double* x, void* self, void*) {
  return (*static_cast<Integrand*>(self))(*ndim, x);
}

void ball(Input& in) {
  const int ndim = in.integer(2, 4), method = in.integer(0, 6), icoord = in.integer(0, 2);
  const double radius = in.flag() ? 1.0 : in.real(), absacc = in.real();
  const double relacc = in.flag() ? 1e-4 : in.real();
  Integrand f(in, 30000);
  double result = 0.0, errest = 0.0;
  int nfun = 0, ifail = 1;
  D01JAF_HOST(&integrand, &ndim, &radius, &absacc, &relacc, &method, &icoord, &result, &errest,
              &nfun, &f, nullptr, &ifail);
  check(ifail >= 0 && ifail <= 5);
  if (ifail != 4) check(nfun == f.calls);
  if (ifail == 0) check(std::isfinite(result) && std::isfinite(errest));
}

// Points of the lattice sums of orders LO..HI-1 in D dimensions: sum of
// C(k+d, d), in doubles (they overflow nothing here).
double simplex_points(int d, int lo, int hi) {
  double total = 0.0;
  for (int k = lo < 0 ? 0 : lo; k < hi && total < 1e9; ++k) {
    double c = 1.0;  // C(k+d, k)
    for (int i = 1; i <= k && c < 1e9; ++i) c = c * (static_cast<double>(d) + i) / i;
    total += c;
  }
  return total;
}

void simplex(Input& in) {
  const int ndim = in.integer(2, 6);
  const bool tame = in.range(0, 3) != 3 && ndim >= 0 && ndim <= 1000;
  const int iv1 = tame ? ndim + 1 : in.integer(0, 10);
  const int iv2 = tame ? 2 * ndim + 2 : in.integer(0, 16);
  int minord = tame ? 0 : in.integer(0, 4);
  int maxord = in.integer(1, 8);
  // A valid problem costs C(k+NDIM, NDIM) calls for order k: orders and
  // dimensions beyond some 20000 points are skipped as merely slow.
  if (ndim > 1 && simplex_points(ndim, minord, maxord) > 2e4) return;
  const std::int64_t cells = static_cast<std::int64_t>(iv1) * iv2;
  Array<double> vertex(cells < 0 ? -1 : cells);
  Array<double> values(maxord);
  if (kivfuzz::oversized()) return;
  in.fill(vertex);
  in.fill(values);
  Integrand f(in, 1000000);
  double errest = 0.0;
  int ifail = 1;
  D01PAF_HOST(&ndim, vertex.data(), &iv1, &iv2, &integrand, &minord, &maxord, values.data(),
              &errest, &f, nullptr, &ifail);
  check(ifail >= 0 && ifail <= 3);
  if (ifail != 0 && ifail != 3) return;

  // A continuation: more orders into a longer VALUES, the state as this
  // call left it or damaged.
  int more = maxord + in.integer(1, 3);
  if (simplex_points(ndim, minord, more) > 2e4) return;
  Array<double> longer(more);
  if (kivfuzz::oversized()) return;
  std::memcpy(longer.data(), values.data(), values.size() * sizeof(double));
  if (in.flag() && vertex.size() > 0)
    vertex[in.range(0, static_cast<int>(vertex.size()) - 1)] = in.real();
  if (in.range(0, 7) == 7) minord = in.integer(0, 4);
  ifail = 1;
  D01PAF_HOST(&ndim, vertex.data(), &iv1, &iv2, &integrand, &minord, &more, longer.data(),
              &errest, &f, nullptr, &ifail);
  check(ifail >= 0 && ifail <= 3);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  kivfuzz::steps(in, 4, [&] { in.flag() ? ball(in) : simplex(in); });
  return 0;
}
