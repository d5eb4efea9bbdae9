#include "dense/checks.hpp"

#include <algorithm>
#include <cstring>

namespace kiv::dense {

char letter(Option o) {
  if (o.text == nullptr || o.len < 1) return 0;
  const char c = o.text[0];
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

void silent_error(const char (&)[14], int) {}

namespace {

bool passes(const Check& c, const Arg* args) {
  const Arg& a = args[c.pos - 1];
  switch (c.kind) {
    case Check::Kind::option: {
      const char l = letter(a.option);
      return l != 0 && std::strchr(c.letters, l) != nullptr;
    }
    case Check::Kind::dim:
      return a.value >= 0;
    case Check::Kind::ld: {
      int pos = c.of.rows;
      if (c.of.option != 0 && letter(args[c.of.option - 1].option) != c.of.letter)
        pos = c.of.else_rows;
      return a.value >= std::max(1, args[pos - 1].value);
    }
    case Check::Kind::inc:
      return a.value != 0;
    case Check::Kind::rule:
      return c.rule(args);
  }
  return false;
}

}  // namespace

int first_failure(const Check* list, std::size_t count, const Arg* args, std::size_t nargs) {
  for (std::size_t i = 0; i < count; ++i) {
    if (static_cast<std::size_t>(list[i].pos) > nargs) return list[i].pos;  // a bad description
    if (!passes(list[i], args)) return list[i].pos;
  }
  return 0;
}

}  // namespace kiv::dense
