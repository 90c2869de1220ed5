#include "core/shown_film_search.h"

#include "core/film_search.h"

namespace kadrion::core {

namespace {

std::optional<int> FindShown(const ShownFilms& shown, std::string_view searchText,
                             int beginShown, int endShown, SearchDirection direction) {
  if (beginShown < 0 || endShown <= beginShown) return std::nullopt;
  const auto rowOf = [&shown](std::size_t place) {
    return static_cast<std::size_t>(shown.CatalogueRow(static_cast<int>(place)));
  };
  const auto place = FindAmong(shown.Films().Films(), searchText, static_cast<std::size_t>(beginShown),
                               static_cast<std::size_t>(endShown), rowOf, direction);
  if (!place) return std::nullopt;
  return shown.CatalogueRow(static_cast<int>(*place));
}

}  // namespace

std::optional<int> FindShownFilm(const ShownFilms& shown, std::string_view searchText) {
  return FindShown(shown, searchText, 0, shown.Count(), SearchDirection::Downwards);
}

std::optional<int> FindNextShownFilm(const ShownFilms& shown, std::string_view searchText,
                                     int selected) {
  const int from = selected == kNoFilm ? 0 : shown.ShownAbove(selected + 1);
  return FindShown(shown, searchText, from, shown.Count(), SearchDirection::Downwards);
}

std::optional<int> FindPreviousShownFilm(const ShownFilms& shown, std::string_view searchText,
                                         int selected) {
  if (selected == kNoFilm) return std::nullopt;
  return FindShown(shown, searchText, 0, shown.ShownAbove(selected), SearchDirection::Upwards);
}

}  // namespace kadrion::core
