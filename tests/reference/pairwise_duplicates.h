#pragma once
// Duplicate removal by its plain rule, the yardstick of the fast one in the tests, the fuzz
// target and the benchmark: rows are deleted from the bottom, each one tested against every
// row above it.
#include <cstddef>
#include <vector>

#include "core/film_order.h"

namespace reference {

inline std::vector<kadrion::core::FilmEntry> PairwiseWithoutDuplicates(
    std::vector<kadrion::core::FilmEntry> films) {
  for (std::size_t i = films.size(); i-- > 1;) {
    for (std::size_t j = 0; j < i; ++j) {
      if (kadrion::core::DuplicateKey(films[i]) == kadrion::core::DuplicateKey(films[j])) {
        films.erase(films.begin() + static_cast<std::ptrdiff_t>(i));
        break;
      }
    }
  }
  return films;
}

}  // namespace reference
