#pragma once
// Shared by the fuzz targets: a failed property stops the run as a crash does, so libFuzzer
// keeps the input that broke it; films are drawn from the fuzzer's bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/film_entry.h"

#define FUZZ_CHECK(condition)                                                               \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (0)

namespace fuzzing {

// Up to `most` films, each field up to `fieldLength` bytes.
inline std::vector<kadrion::core::FilmEntry> ConsumeFilms(FuzzedDataProvider& input,
                                                          std::size_t most,
                                                          std::size_t fieldLength) {
  std::vector<kadrion::core::FilmEntry> films(input.ConsumeIntegralInRange<std::size_t>(0, most));
  for (kadrion::core::FilmEntry& film : films) {
    for (std::string* field :
         {&film.polishTitle, &film.originalTitle, &film.genre, &film.discs, &film.medium})
      *field = input.ConsumeRandomLengthString(fieldLength);
  }
  return films;
}

}  // namespace fuzzing
