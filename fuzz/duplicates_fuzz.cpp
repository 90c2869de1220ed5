// Duplicate removal on any films keeps exactly the rows that deleting from the bottom, each
// row tested against every row above it, keeps.
#include "core/film_order.h"
#include "fuzz_support.h"

using namespace kadrion;

namespace {

std::vector<FilmEntry> PairwiseWithoutDuplicates(std::vector<FilmEntry> films) {
  for (std::size_t i = films.size(); i-- > 1;) {
    for (std::size_t j = 0; j < i; ++j) {
      if (DuplicateKey(films[i]) == DuplicateKey(films[j])) {
        films.erase(films.begin() + static_cast<std::ptrdiff_t>(i));
        break;
      }
    }
  }
  return films;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  // Short fields, so that keys meet often: by case, blanks and the borders between fields.
  const std::vector<FilmEntry> films = fuzzing::ConsumeFilms(input, 48, 3);
  std::vector<FilmEntry> fast = films;
  RemoveDuplicates(fast);
  FUZZ_CHECK(fast == PairwiseWithoutDuplicates(films));
  const std::vector<std::size_t> kept = DistinctRows(films);
  FUZZ_CHECK(kept.size() == fast.size());
  for (std::size_t k = 0; k < kept.size(); ++k) FUZZ_CHECK(films[kept[k]] == fast[k]);
  return 0;
}
