#include "core/film_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace kadrion::core {
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

// Deleted films' texts count until they make 64 KB and half of the buffer; then they go.
TEST(FilmStore, ErasingCompactsOnceTheGapIsBigEnough) {
  const struct {
    std::vector<std::size_t> sizes, bytes;  // of the films; TextBytes as each first film goes
  } cases[] = {
      {{65536, 65536}, {65536, 0}},  // both limits just reached
      {{65535, 65535}, {131070, 0}},
      {{70000, 80000}, {150000, 0}},                              // 64 KB, but not half
      {{32768, 32768, 32768, 32768}, {131072, 65536, 65536, 0}},  // counting anew after compacting
  };
  for (const auto& c : cases) {
    FilmStore store;
    for (const std::size_t size : c.sizes)
      store.Append(FilmEntry{"", std::string(size, 'a'), "", "", ""});
    for (const std::size_t bytes : c.bytes) {
      store.Erase(0);
      EXPECT_EQ(store.TextBytes(), bytes) << c.sizes[0] << ", " << store.Size() << " left";
    }
  }
}

// Keep and a copy each make a buffer of just the texts, which must grow for a film appended.
TEST(FilmStore, KeptAndCopiedStoresHoldTheirFilmsAndGrow) {
  const std::vector<FilmEntry> films = {
      {"x", "", "", "", ""}, {"", "", "", "", ""}, {"", "", "", "", "y"}};
  const FilmEntry added{std::string(300, 'n'), "", "", "", ""};
  FilmStore original(films);
  original.Reserve(10, 10000);  // room the copies must not count on
  FilmStore kept(original), copied(original), assigned{added};
  assigned = original;
  kept.Keep({0, 2});
  EXPECT_EQ(kept.TextBytes(), 2u);
  for (FilmStore* store : {&kept, &copied, &assigned}) store->Append(added);
  EXPECT_EQ(Entries(kept), (std::vector<FilmEntry>{films[0], films[2], added}));
  EXPECT_EQ(Entries(copied), (std::vector<FilmEntry>{films[0], films[1], films[2], added}));
  EXPECT_EQ(Entries(assigned), Entries(copied));
  EXPECT_EQ(Entries(original), films);
}

}  // namespace
}  // namespace kadrion::core
