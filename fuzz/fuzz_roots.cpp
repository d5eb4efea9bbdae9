// The zero finders: the quartic solvers with fuzzed coefficients; the
// direct zero finder with a function whose values come from the input
// (NaNs and infinities among them); and the two reverse-communication
// routines driven as a caller drives them, with the work array, IND and
// the values handed back damaged now and then, as a careless caller would.
// Every call must end, within its arrays, with an IFAIL the routine lists.
#include <cmath>

#include "input.hpp"
#include "roots/roots.hpp"

namespace {

using kivfuzz::Array;
using kivfuzz::Input;

void check(bool ok) {
  if (!ok) __builtin_trap();
}

// A function of one variable for the callback: a line through a fuzzed
// zero, except that now and then a value is taken from a small fuzzed table
// instead (which may hold NaNs and infinities), or every value is.
struct Function {
  double root = 0.0, slope = 1.0;
  double table[8] = {};
  int wild_every = 0;  // 0: never; k: every k-th call takes a table value
  long calls = 0;

  explicit Function(Input& in) {
    root = in.real();
    slope = in.flag() ? in.real() : 1.0;
    for (double& t : table) t = in.real();
    wild_every = in.range(0, 4);
  }
  double operator()(double x) {
    ++calls;
    if (wild_every > 0 && calls % wild_every == 0) return table[calls % 8];
    return slope * (x - root);
  }
};

double KIV_CALL function(const double* x, void* self, void*) {
  return (*static_cast<Function*>(self))(*x);
}

void quartics(Input& in) {
  double zr[4], zi[4], zerr[4];
  int ifail = 1;
  if (in.flag()) {
    const double e = in.real(), a = in.real(), b = in.real(), c = in.real(), d = in.real();
    C02ALF_HOST(&e, &a, &b, &c, &d, zr, zi, zerr, &ifail);
  } else {
    const kiv2_complex e = in.complex(), a = in.complex(), b = in.complex(), c = in.complex(),
                       d = in.complex();
    C02ANF_HOST(&e, &a, &b, &c, &d, zr, zi, zerr, &ifail);
  }
  check(ifail >= 0 && ifail <= 3);
  if (ifail == 0)
    for (int i = 0; i < 4; ++i) check(std::isfinite(zr[i]) && std::isfinite(zi[i]) && zerr[i] >= 0);
}

void direct(Input& in) {
  double x = in.real();
  const double x0 = x, h = in.real(), eps = in.flag() ? 1e-10 : in.real(), eta = in.real();
  Function f(in);
  double a = 0.0, b = 0.0;
  int ifail = 1;
  C05AGF_HOST(&x, &h, &eps, &eta, &function, &a, &b, &f, nullptr, &ifail);
  check(ifail >= 0 && ifail <= 7);
  if (ifail == 0 || ifail == 2) check(a <= b);
  // A value that is not finite is never a zero.
  if (ifail == 0 && f.wild_every == 0 && std::isfinite(x0)) check(std::isfinite(x));
}

// The caller's side of a reverse-communication loop: a value at X (from
// the function, or a fuzzed one), with the state damaged now and then.
// Calls are bounded: a search fed with damaged state need not finish, but
// each call must stay within its arrays.
template <class Call>
void drive(Input& in, Array<double>& c, int& ind, Function& f, double x_now, Call call) {
  for (int k = 0; k < 400 && ind != 0; ++k) {
    double fx = f(x_now);
    if (in.range(0, 15) == 15) fx = in.real();
    if (in.range(0, 15) == 15) c[in.range(0, static_cast<int>(c.size()) - 1)] = in.real();
    if (in.range(0, 31) == 31) ind = in.integer(-1, 4);
    x_now = call(fx);
  }
}

void search(Input& in) {
  double x = in.real(), h = in.real(), y = 0.0;
  double boundl = in.flag() ? -10.0 : in.real(), boundu = in.flag() ? 10.0 : in.real();
  int ind = in.pick<int>({1, -1, 1, -1, 2, 3, 0, 5});
  Function f(in);
  Array<double> c(11);
  if (ind != 1 && in.flag()) in.fill(c);  // a re-entry with a state never set
  double fx = f(x);
  int ifail = 1;
  C05AVF_HOST(&x, &fx, &h, &boundl, &boundu, &y, c.data(), &ind, &ifail);
  check(ifail >= 0 && ifail <= 5);
  if (ifail != 0) return;
  drive(in, c, ind, f, x, [&](double v) {
    ifail = 1;
    C05AVF_HOST(&x, &v, &h, &boundl, &boundu, &y, c.data(), &ind, &ifail);
    check(ifail >= 0 && ifail <= 5);
    return x;
  });
}

void bracket(Input& in) {
  double x = in.real(), y = in.real();
  const double tolx = in.flag() ? 1e-8 : in.real();
  const int ir = in.integer(0, 2);
  int ind = in.pick<int>({1, -1, 1, -1, 2, 3, 4, 0});
  Function f(in);
  Array<double> c(17);
  if (ind != 1 && in.flag()) in.fill(c);
  if (ind == -1) c[0] = f(y);
  char record[KIV2_RECORD_LEN + 1];
  auto call = [&](double v) {
    int ifail = 1;
    C05AZF(&x, &y, v, tolx, ir, c.data(), &ind, record, &ifail, KIV2_RECORD_LEN);
    check(ifail >= 0 && ifail <= 6);
    return x;
  };
  call(f(x));
  drive(in, c, ind, f, x, call);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  kivfuzz::steps(in, 8, [&] {
    switch (in.range(0, 3)) {
      case 0:
        return quartics(in);
      case 1:
        return direct(in);
      case 2:
        return search(in);
      default:
        return bracket(in);
    }
  });
  return 0;
}
