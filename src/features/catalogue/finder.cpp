#include "features/catalogue/finder.h"

#include <optional>

#include "core/film_search.h"
#include "features/titles/title_cleaning.h"

namespace kadrion {

namespace {
// A found row stands this far below the top of the list.
constexpr int kFoundRowOffset = 100;

std::optional<std::size_t> SelectedRow(const FilmList& films) {
  const int selected = films.Selected();
  if (selected < 0) return std::nullopt;
  return static_cast<std::size_t>(selected);
}
}  // namespace

Finder::Finder(FilmList& films, toolkit::Edit& searchText, StatusLine& status)
    : films_(films), searchText_(searchText), status_(status) {}

void Finder::SelectFound(std::size_t found) {
  const int row = static_cast<int>(found);
  films_.Focus();
  films_.Select(row);
  films_.ScrollBy(films_.RowBounds(row).top - kFoundRowOffset);
  status_.ShowCount(true);
}

void Finder::Find() {
  CleanTitleIn(searchText_);
  if (const auto row = FindFilm(films_.Rows(), searchText_.Text())) SelectFound(*row);
}

void Finder::Next() {
  if (const auto row = FindNextFilm(films_.Rows(), searchText_.Text(), SelectedRow(films_)))
    SelectFound(*row);
}

void Finder::Previous() {
  if (const auto row = FindPreviousFilm(films_.Rows(), searchText_.Text(), SelectedRow(films_)))
    SelectFound(*row);
}

}  // namespace kadrion
