#pragma once
// Which of the three Polish forms a number of things takes: 1 film, 2 filmy (3, 4, 22, 23, ...),
// 5 filmów (0, 11 to 14, 25, ...).
#include <cstdint>

namespace kadrion::core {

enum class PluralForm { One, Few, Many };

constexpr PluralForm PolishPlural(std::uint64_t count) {
  if (count == 1) return PluralForm::One;
  const std::uint64_t units = count % 10, tens = count / 10 % 10;
  return units >= 2 && units <= 4 && tens != 1 ? PluralForm::Few : PluralForm::Many;
}

// The form of `count`, from the three given.
template <typename Text>
const Text& PolishPlural(std::uint64_t count, const Text& one, const Text& few, const Text& many) {
  switch (PolishPlural(count)) {
    case PluralForm::One:
      return one;
    case PluralForm::Few:
      return few;
    case PluralForm::Many:
      break;
  }
  return many;
}

}  // namespace kadrion::core
