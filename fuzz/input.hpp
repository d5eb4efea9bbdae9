// Decoding a fuzzer's bytes into a routine's arguments: integers that lean
// towards the values where faults live (0, 1, N +- 1, the int extremes),
// reals that lean towards zeros, infinities, NaNs and subnormals, options
// with their declared lengths, and arrays of exactly the size the routine
// is given (so that AddressSanitizer sees one element too far).
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <memory>
#include <string>
#include <utility>

#include "kiv2.h"

namespace kivfuzz {

// The most elements any one array may have; calls that would need more
// are skipped (a real caller would have to own that memory).
inline constexpr std::int64_t kMaxElements = 1 << 16;

inline bool fits(std::int64_t n) { return n <= kMaxElements; }

// Elements an argument list asks for: at least 0, in 64 bits.
inline std::int64_t count(std::int64_t n) { return n < 0 ? 0 : n; }

// Set when an array was asked for more than kMaxElements; see oversized().
inline bool g_oversized = false;

// Whether an array since the last call was too large to allocate: the
// call it was meant for is then skipped.
inline bool oversized() { return std::exchange(g_oversized, false); }

// An array of exactly N elements on the heap (N = 0 is an allocation no
// element of which may be touched).  One too large to allocate is empty
// and flags oversized().
template <class T>
class Array {
 public:
  explicit Array(std::int64_t n)
      : n_(fits(n) ? static_cast<std::size_t>(count(n)) : (g_oversized = true, 0)),
        p_(new T[n_]()) {}
  T* data() { return p_.get(); }
  const T* data() const { return p_.get(); }
  std::size_t size() const { return n_; }
  T& operator[](std::size_t i) { return p_[i]; }

 private:
  std::size_t n_;
  std::unique_ptr<T[]> p_;
};

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : in_(data, size) {}

  bool empty() { return in_.remaining_bytes() == 0; }
  bool flag() { return in_.ConsumeBool(); }
  template <class T>
  T pick(std::initializer_list<T> list) {
    return list.begin()[in_.ConsumeIntegralInRange<std::size_t>(0, list.size() - 1)];
  }
  int range(int lo, int hi) { return in_.ConsumeIntegralInRange(lo, hi); }

  // An integer argument: mostly within [LO, HI], sometimes an edge value.
  // An exhausted input yields LO, so that short inputs still make calls
  // that get somewhere.
  int integer(int lo, int hi) {
    switch (in_.ConsumeIntegralInRange(0, 7)) {
      case 6:
        return pick<int>({0, -1, 1, std::numeric_limits<int>::min(),
                          std::numeric_limits<int>::max(), std::numeric_limits<int>::max() - 1,
                          std::numeric_limits<int>::min() + 1,
                          std::numeric_limits<int>::max() / 2 + 1});
      case 7:
        return in_.ConsumeIntegral<int>();
      default:
        return in_.ConsumeIntegralInRange(lo, hi);
    }
  }

  double real() {
    switch (in_.ConsumeIntegralInRange(0, 9)) {
      case 8:
        return pick<double>({0.0, -0.0, std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::min(), std::numeric_limits<double>::max(),
                             -std::numeric_limits<double>::max(), 1.0, -1.0, 0.5});
      case 9: {
        std::uint64_t bits = in_.ConsumeIntegral<std::uint64_t>();
        double d;
        std::memcpy(&d, &bits, sizeof d);
        return d;
      }
      default:
        return in_.ConsumeFloatingPointInRange(-4.0, 4.0);
    }
  }

  kiv2_complex complex() { return {real(), real()}; }

  template <class T>
  T value() {
    if constexpr (std::is_same_v<T, double>)
      return real();
    else if constexpr (std::is_same_v<T, kiv2_complex>)
      return complex();
    else
      return integer(-2, 10);
  }

  // Fills an array: each element from the input while it lasts.
  template <class T>
  void fill(Array<T>& a) {
    for (std::size_t i = 0; i < a.size(); ++i) a[i] = value<T>();
  }
  // Integers (indices) mostly within [LO, HI].
  void fill(Array<int>& a, int lo, int hi) {
    for (std::size_t i = 0; i < a.size(); ++i) a[i] = integer(lo, hi);
  }

  // A character option: one of LETTERS (either case) or any byte, with a
  // declared length of 0 to 3 over exactly that many characters (a word of
  // the routine's vocabulary when WORDS are given).
  struct Option {
    std::unique_ptr<char[]> text;
    int len;
  };
  Option option(const char* letters, std::initializer_list<const char*> words = {}) {
    return text(choice(letters, words));
  }
  // One of WORDS, as an option of exactly its length.
  Option word(std::initializer_list<const char*> words) { return text(pick<const char*>(words)); }

 private:
  static Option text(const std::string& s) {
    Option o{std::unique_ptr<char[]>(new char[s.size() > 0 ? s.size() : 1]),
             static_cast<int>(s.size())};
    std::memcpy(o.text.get(), s.data(), s.size());
    return o;
  }
  std::string choice(const char* letters, std::initializer_list<const char*> words) {
    std::string s;
    switch (in_.ConsumeIntegralInRange(0, 5)) {
      case 5:
        s = in_.ConsumeRandomLengthString(24);
        break;
      case 4:
        if (words.size() > 0) {
          s = pick<const char*>(words);
          break;
        }
        [[fallthrough]];
      default: {
        const std::size_t n = std::strlen(letters);
        char c = n > 0 ? letters[in_.ConsumeIntegralInRange<std::size_t>(0, n - 1)] : 'X';
        if (in_.ConsumeBool() && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        s.assign(1, c);
        if (in_.ConsumeIntegralInRange(0, 7) == 7) s.clear();
      }
    }
    return s;
  }

  FuzzedDataProvider in_;
};

// Runs STEP up to COUNT times while the input lasts, each from a clear
// oversized() flag: one input is a short sequence of calls.
template <class Step>
void steps(Input& in, int count, Step step) {
  for (int k = 0; k < count && !in.empty(); ++k) {
    oversized();
    step();
  }
}

}  // namespace kivfuzz
