#include "core/film_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace kadrion {
namespace {

// The films as both ways of reading the store give them.
std::vector<FilmEntry> Entries(const FilmStore& store) {
  std::vector<FilmEntry> films;
  for (std::size_t row = 0; row < store.Size(); ++row) {
    films.push_back(store[row].Entry());
    for (int column = 0; column < kFilmColumns; ++column)
      EXPECT_EQ(store.Text(row, column), Field(films.back(), column)) << row << "," << column;
  }
  return films;
}

// Random changes, checked against a plain list of films after every one. Long texts make the
// deletions leave enough unused text behind for the store to compact itself many times.
TEST(FilmStore, BehavesAsAListOfFilmsThroughEveryKindOfChange) {
  std::mt19937 random(20240517);
  const auto below = [&](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
  };
  const auto text = [&]() -> std::string {
    switch (below(4)) {
      case 0:
        return "";
      case 1:
        return std::string(1 + below(3000), static_cast<char>('a' + below(26)));
      case 2:
        return std::string("\0\xB3x", 3);
      default:
        return std::to_string(below(1000));
    }
  };
  std::vector<FilmEntry> model;
  FilmStore store;
  for (int step = 0; step < 3000; ++step) {
    // Growing for the first third, then mostly shrinking.
    const std::size_t change = model.empty() ? 0 : below(10) + (step < 1000 ? 0 : 3);
    if (change < 5) {
      const FilmEntry film{text(), text(), text(), text(), text()};
      model.push_back(film);
      store.Append(film);
    } else if (change < 11) {
      const std::size_t row = below(model.size());
      model.erase(model.begin() + static_cast<std::ptrdiff_t>(row));
      store.Erase(row);
    } else if (change == 11) {
      std::vector<std::size_t> kept;
      std::vector<FilmEntry> keptFilms;
      for (std::size_t row = 0; row < model.size(); ++row) {
        if (below(4) == 0) continue;
        kept.push_back(row);
        keptFilms.push_back(model[row]);
      }
      model = keptFilms;
      store.Keep(kept);
    } else {
      std::vector<std::uint32_t> order(model.size());
      std::iota(order.begin(), order.end(), 0u);
      std::shuffle(order.begin(), order.end(), random);
      std::vector<FilmEntry> reordered;
      for (const std::uint32_t row : order) reordered.push_back(model[row]);
      model = reordered;
      store.Reorder(order);
    }
    ASSERT_EQ(Entries(store), model) << "after step " << step;
  }
}

}  // namespace
}  // namespace kadrion
