// Argument checks of the level-2 and level-3 kernels, generated from a
// description of each kernel's standard argument list.
//
// A description names, for every checked argument, its 1-based position
// among the standard arguments and what is required of it:
//
//   constexpr Checks kGemv{option(1, kTrans), dim(2), dim(3), ld(6, rows(2)), inc(8), inc(11)};
//
// and a kernel runs it over its arguments in standard order:
//
//   check("F06PAF/DGEMV ", kGemv, Option{trans, trans_len}, m, n, alpha, a, lda, ...);
//
// The checks run in order of position.  For the level-2 and level-3 kernels
// the first failure ends the process through PARAMETER_ERROR with that
// position; the factorisation and eigenvalue routines use silent_info() instead,
// which hands -position to the silent reporter and returns it as INFO.
#pragma once

#include <array>
#include <cstddef>
#include <type_traits>

#include "frame/errors.hpp"

namespace kiv::dense {

// The letters an option accepts (upper case; lower case is accepted too).
inline constexpr const char* kTrans = "NTC";
inline constexpr const char* kConjTrans = "NC";
inline constexpr const char* kUplo = "UL";
inline constexpr const char* kDiag = "UN";
inline constexpr const char* kSide = "LR";

// A character option as the caller passed it: its text and declared length.
struct Option {
  const char* text;
  int len;
};

// One standard argument as the checks see it: an integer, a real, an
// option or an array; anything else no check reads.
struct Arg {
  Arg(int v) : value(v) {}
  Arg(double v) : real(v) {}
  Arg(Option o) : option(o) {}
  template <class T>
  Arg(const T& v) {
    if constexpr (std::is_pointer_v<T>) ptr = v;
  }
  int value = 0;
  double real = 0.0;
  Option option{nullptr, 0};
  const void* ptr = nullptr;  // arrays, for rules that look inside them
};

// The option's first letter in upper case, or 0 when there is none to read.
char letter(Option o);

// The number of rows of a stored matrix: argument ROWS, or, when OPTION is
// set, argument ROWS if that option's letter is LETTER and ELSE_ROWS if not.
struct Rows {
  int rows;
  int option = 0;
  char letter = 0;
  int else_rows = 0;
};
constexpr Rows rows(int pos) { return {pos}; }
constexpr Rows rows_if(int option, char letter, int pos, int else_pos) {
  return {pos, option, letter, else_pos};
}

// A rule of its own over the whole argument list (A[0] is position 1).
using Rule = bool (*)(const Arg* a);

struct Check {
  enum class Kind : unsigned char { option, dim, ld, inc, rule };
  Kind kind;
  int pos;
  const char* letters = nullptr;  // option
  Rows of{0};                     // ld
  Rule rule = nullptr;            // rule
};

constexpr Check option(int pos, const char* letters) {
  return {Check::Kind::option, pos, letters};
}
constexpr Check dim(int pos) { return {Check::Kind::dim, pos}; }
constexpr Check ld(int pos, Rows of) { return {Check::Kind::ld, pos, nullptr, of}; }
constexpr Check inc(int pos) { return {Check::Kind::inc, pos}; }
constexpr Check rule(int pos, Rule r) { return {Check::Kind::rule, pos, nullptr, {0}, r}; }

template <std::size_t N>
struct Checks {
  template <class... C>
  consteval Checks(C... c) : list{c...} {
    for (std::size_t i = 1; i < N; ++i)
      if (list[i].pos <= list[i - 1].pos) throw "checks must run in order of position";
  }
  std::array<Check, N> list;
};
template <class... C>
Checks(C...) -> Checks<sizeof...(C)>;

// The position of the first failing check of LIST over ARGS, or 0.
int first_failure(const Check* list, std::size_t count, const Arg* args, std::size_t nargs);

template <std::size_t N, class... A>
void check(const char (&name)[14], const Checks<N>& checks, const A&... args) {
  const Arg a[] = {Arg(args)...};
  if (const int pos = first_failure(checks.list.data(), N, a, sizeof...(A)))
    PARAMETER_ERROR(name, pos, 13);
}

// The reporter of the factorisation and eigenvalue routines: it is handed
// the diagnostic name and the negative INFO, and writes nothing.
void silent_error(const char (&name)[14], int info);

// INFO of a routine whose illegal arguments are silent: 0, or -position.
template <std::size_t N, class... A>
int silent_info(const char (&name)[14], const Checks<N>& checks, const A&... args) {
  const Arg a[] = {Arg(args)...};
  const int pos = first_failure(checks.list.data(), N, a, sizeof...(A));
  if (pos != 0) silent_error(name, -pos);
  return -pos;
}

}  // namespace kiv::dense
