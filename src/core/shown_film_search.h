#pragma once
// Find, Next and Previous among the films the list shows, by the rules of film_search.h; rows
// in and out are catalogue rows. Without a filter they give what FindFilm, FindNextFilm and
// FindPreviousFilm give.
#include <optional>
#include <string_view>

#include "core/shown_films.h"

namespace kadrion::core {

std::optional<int> FindShownFilm(const ShownFilms& shown, std::string_view searchText);
// The shown films after catalogue row `selected` (all of them for kNoFilm); `selected` itself
// may be hidden.
std::optional<int> FindNextShownFilm(const ShownFilms& shown, std::string_view searchText,
                                     int selected);
// The shown films before catalogue row `selected` (none for kNoFilm).
std::optional<int> FindPreviousShownFilm(const ShownFilms& shown, std::string_view searchText,
                                         int selected);

}  // namespace kadrion::core
