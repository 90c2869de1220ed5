#include "core/film_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kadrion::core {
namespace {

constexpr std::optional<std::size_t> kNone = std::nullopt;

TEST(FilmSearch, KeyFoldsAsciiAndPolishCapitalsEverywhere) {
  const struct {
    std::string text;
    std::string key;
  } cases[] = {
      {"", ""},
      {"Abc", "abc"},
      {"MATRIX 2", "matrix 2"},
      {"\xA3\xF3\x64\x9F", "\xB3\xF3\x64\x9F"},  // Łódź
      {"\xA3\xD3\x44\x8F", "\xB3\xF3\x64\x9F"},  // ŁÓDŹ
      // Ą Ć Ę Ł Ń Ó Ś Ź Ż, first and further on.
      {"\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF", "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF"},
      {"\xC6ma", "\xE6ma"},
      {"\xB9\xE6\xEA\xB3", "\xB9\xE6\xEA\xB3"},
      // Š Ť Ž Ä É are no Polish letters and stay.
      {"\x8A\x8D\x8E\xC4\xC9", "\x8A\x8D\x8E\xC4\xC9"},
      {"[@]^_`{}", "[@]^_`{}"},
      {"AZ", "az"},  // both ends of the ASCII capitals
      {std::string(160, 'A') + "BC", std::string(160, 'a') + "b"},
      {std::string(161, 'x'), std::string(161, 'x')},
  };
  for (const auto& c : cases) EXPECT_EQ(SearchKey(c.text), c.key) << c.text;
}

TEST(FilmSearch, MatchesTitleOrOtherColumnsFoldedAlike) {
  const struct {
    FilmEntry film;
    std::string text;
    bool found;
  } cases[] = {
      {{"Abc", "", "", "", ""}, "ab", true},
      {{"Zorro", "", "", "", ""}, "zorro", true},
      {{"x", "ZORRO", "", "", ""}, "zorro", true},
      {{"abc", "", "", "", ""}, "BC", true},
      {{"\xA3\xF3\x64\x9F", "", "", "", ""}, "\xB3\xF3\x64\x9F", true},   // Łódź by łódź
      {{"x", "\xB3\xF3\x64\x9F", "", "", ""}, "\xA3\xD3\x44\x8F", true},  // łódź by ŁÓDŹ
      {{"\xC6ma", "", "", "", ""}, "\xE6m", true},
      {{"x", "", "\xAF\xF3\xB3\xE6", "", ""}, "\xBF\xD3\xA3\xC6", true},  // Żółć by żÓŁĆ
      {{"\x8A\x61", "", "", "", ""}, "\x9A", false},                      // Š is not š
      {{"Film", "", "", "2", ""}, "2", true},
      {{"Film", "", "", "", "DVD"}, "dvd", true},
      {{"Film", "", "", "", ""}, "", false},
      {{"Film", "", "", "", ""}, "Films", false},
      {{"Ab", "cd", "", "", ""}, "bc", false},  // the title is not joined to the columns
      {{"T", "X", "Y", "", ""}, "xy", false},   // nor the columns to one another
      {{"T", "X", "Y", "", ""}, "x y", false},
      {{std::string(161, 'a'), "", "", "", ""}, std::string(161, 'A') + "zzz", true},
      {{std::string(160, 'a'), "", "", "", ""}, std::string(161, 'A'), false},
  };
  for (const auto& c : cases) {
    const std::vector<FilmEntry> films = {c.film};
    EXPECT_EQ(FindFilm(films, c.text), c.found ? std::optional<std::size_t>(0) : kNone)
        << c.film.polishTitle << " / " << c.text;
  }
}

enum class Step { kFind, kNext, kPrevious };

TEST(FilmSearch, StepsPreferOtherColumnsAndNeverWrap) {
  const std::vector<FilmEntry> films = {
      {"Kot", "", "Komedia", "1", "DVD"},          // 0
      {"Pies", "", "Dramat", "1", "DVD"},          // 1
      {"Ptak", "", "Komedia", "1", "DVD"},         // 2
      {"Bez tytu\xB3u", "", "Akcja", "2", "DVD"},  // 3
      {"Pies 2", "", "Dramat", "1", "VHS"},        // 4
      {"Ryba", "", "Dramat", "1", "DVD"},          // 5
      {"Mysz", "", "Horror", "1", "DVD"},          // 6
      {"Akcja", "", "Western", "1", "DVD"},        // 7
      {"Slon", "", "Akcja", "1", "DVD"},           // 8
  };
  const struct {
    Step step;
    std::optional<std::size_t> selected;
    const char* text;
    std::optional<std::size_t> found;
  } cases[] = {
      {Step::kFind, kNone, "pies", 1},
      {Step::kFind, 6, "pies", 1},       // Find ignores the selection
      {Step::kFind, kNone, "2", 3},      // discs of 3 win over the title of 4
      {Step::kFind, kNone, "akcja", 3},  // genre of 3 wins over the title of 7
      {Step::kFind, kNone, "vhs", 4},
      {Step::kFind, kNone, "", kNone},
      {Step::kFind, kNone, "zebra", kNone},
      {Step::kNext, kNone, "pies", 1},
      {Step::kNext, 1, "pies", 4},
      {Step::kNext, 4, "pies", kNone},  // no wrap-around
      {Step::kNext, 3, "akcja", 8},     // genre of 8 wins over the nearer title of 7
      {Step::kNext, 8, "dvd", kNone},   // the last row selected
      {Step::kNext, 7, "", kNone},
      {Step::kPrevious, 6, "pies", 4},
      {Step::kPrevious, 4, "pies", 1},
      {Step::kPrevious, 1, "pies", kNone},
      {Step::kPrevious, 0, "kot", kNone},       // the first row selected
      {Step::kPrevious, kNone, "ryba", kNone},  // nothing selected
      {Step::kPrevious, 8, "akcja", 3},         // genre of 3 wins over the nearer title of 7
      {Step::kPrevious, 6, "komedia", 2},
      {Step::kPrevious, 20, "mysz", 6},
      {Step::kPrevious, 6, "", kNone},
  };
  for (const auto& c : cases) {
    std::optional<std::size_t> found;
    switch (c.step) {
      case Step::kFind:
        found = FindFilm(films, c.text);
        break;
      case Step::kNext:
        found = FindNextFilm(films, c.text, c.selected);
        break;
      case Step::kPrevious:
        found = FindPreviousFilm(films, c.text, c.selected);
        break;
    }
    EXPECT_EQ(found, c.found) << static_cast<int>(c.step) << " from " << c.selected.value_or(999)
                              << " for " << c.text;
  }
}

}  // namespace
}  // namespace kadrion::core
