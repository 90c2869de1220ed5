#pragma once
// Finding a film by a search text. The text and the rows fold alike: ASCII capitals and the
// Polish capitals Ą Ć Ę Ł Ń Ó Ś Ź Ż (Windows-1250) become small letters, nothing else changes.
// Each search tests the Polish titles of its rows first, then the other four columns; a match
// in the other columns wins over a title match. An empty key never matches.
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "core/film_store.h"

namespace kadrion::core {

// Characters of the search text that take part in the key; the rest is ignored.
inline constexpr std::size_t kSearchKeyLength = 161;

// The folded first 161 characters of `searchText`.
std::string SearchKey(std::string_view searchText);

// One search text's test of a film.
class FilmMatcher {
 public:
  explicit FilmMatcher(std::string_view searchText) : key_(SearchKey(searchText)) {}

  bool HasKey() const { return !key_.empty(); }
  bool InTitle(const FilmView& film);
  // The four columns after the Polish title.
  bool InOtherColumns(const FilmView& film);

 private:
  std::string key_;
  std::string text_;  // the film's folded texts, kept for the next film to reuse
};

// The search over rows picked by `rowOf`: `rowOf(k)` is the row of `films` at place k, for k
// in [begin, end). Gives the place of the first match, or, going `Upwards`, of the last one.
enum class SearchDirection { Downwards, Upwards };
template <typename RowOf>
std::optional<std::size_t> FindAmong(const FilmStore& films, std::string_view searchText,
                                     std::size_t begin, std::size_t end, RowOf rowOf,
                                     SearchDirection direction) {
  FilmMatcher matcher(searchText);
  if (!matcher.HasKey() || begin >= end) return std::nullopt;
  // Both passes scan the same rows and a match of the second replaces one of the first, so the
  // second pass goes first and the titles are read only when it finds nothing.
  for (const bool inTitle : {false, true}) {
    for (std::size_t step = 0; step < end - begin; ++step) {
      const std::size_t place = direction == SearchDirection::Downwards ? begin + step : end - 1 - step;
      const FilmView film = films[rowOf(place)];
      if (inTitle ? matcher.InTitle(film) : matcher.InOtherColumns(film)) return place;
    }
  }
  return std::nullopt;
}

// Find: every row from the first. The caller cleans the search text beforehand.
std::optional<std::size_t> FindFilm(const FilmStore& films, std::string_view searchText);

// Next: the rows after `selected` (all rows when nothing is selected), the first match.
std::optional<std::size_t> FindNextFilm(const FilmStore& films, std::string_view searchText,
                                        std::optional<std::size_t> selected);

// Previous: the rows before `selected` (none when nothing is selected), the nearest match
// above it. Neither Next nor Previous wraps around.
std::optional<std::size_t> FindPreviousFilm(const FilmStore& films, std::string_view searchText,
                                            std::optional<std::size_t> selected);

}  // namespace kadrion::core
