#pragma once
// The form a Polish noun takes after a count: 1 film, 2-4 filmy (22-24 too, but 12-14 filmów),
// and filmów for the rest (0, 5-21, 25-31, ...).
#include <cstdint>

namespace kadrion::core {

enum class PluralForm {
  One,   // "1 film"
  Few,   // "2 filmy", "23 filmy"
  Many,  // "5 filmów", "12 filmów", "0 filmów"
};

constexpr PluralForm PolishPluralForm(std::uint64_t count) {
  if (count == 1) return PluralForm::One;
  const std::uint64_t units = count % 10;
  const std::uint64_t tens = count / 10 % 10;
  return units >= 2 && units <= 4 && tens != 1 ? PluralForm::Few : PluralForm::Many;
}

// The one of the three forms that `count` takes.
template <typename Text>
const Text& PolishPlural(std::uint64_t count, const Text& one, const Text& few, const Text& many) {
  switch (PolishPluralForm(count)) {
    case PluralForm::One: return one;
    case PluralForm::Few: return few;
    case PluralForm::Many: break;
  }
  return many;
}

}  // namespace kadrion::core
