// Duplicate removal on any films keeps exactly the rows that deleting from the bottom, each
// row tested against every row above it, keeps.
#include "core/film_order.h"
#include "fuzz_support.h"
#include "pairwise_duplicates.h"

using namespace kadrion::core;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  // Short fields, so that keys meet often: by case, blanks and the borders between fields.
  const std::vector<FilmEntry> films = fuzzing::ConsumeFilms(input, 48, 3);
  const std::vector<std::size_t> kept = DistinctRows(films);
  for (std::size_t k = 1; k < kept.size(); ++k) FUZZ_CHECK(kept[k - 1] < kept[k]);
  std::vector<FilmEntry> fast;
  for (std::size_t row : kept) fast.push_back(films[row]);
  FUZZ_CHECK(fast == reference::PairwiseWithoutDuplicates(films));
  return 0;
}
