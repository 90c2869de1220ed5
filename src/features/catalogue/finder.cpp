#include "features/catalogue/finder.h"

#include <optional>

#include "core/film_search.h"
#include "features/titles/title_cleaning.h"

namespace kadrion::features {

namespace {
// A found row stands this far below the top of the list.
constexpr int kFoundRowOffset = 100;

std::optional<std::size_t> SelectedRow(const core::Catalogue& catalogue) {
  const int selected = catalogue.Selected();
  if (selected < 0) return std::nullopt;
  return static_cast<std::size_t>(selected);
}
}  // namespace

Finder::Finder(core::Catalogue& catalogue, FilmList& list, toolkit::Edit& searchText,
               StatusLine& status)
    : catalogue_(catalogue), list_(list), searchText_(searchText), status_(status) {}

void Finder::SelectFound(std::size_t found) {
  const int row = static_cast<int>(found);
  list_.Focus();
  catalogue_.Select(row);
  list_.ScrollBy(list_.RowBounds(row).top - kFoundRowOffset);
  status_.ShowCount(CountForm::WithPosition);
}

void Finder::Find() {
  CleanTitleIn(searchText_);
  if (const auto row = core::FindFilm(catalogue_.Films(), searchText_.Text())) SelectFound(*row);
}

void Finder::Next() {
  if (const auto row =
          core::FindNextFilm(catalogue_.Films(), searchText_.Text(), SelectedRow(catalogue_)))
    SelectFound(*row);
}

void Finder::Previous() {
  if (const auto row =
          core::FindPreviousFilm(catalogue_.Films(), searchText_.Text(), SelectedRow(catalogue_)))
    SelectFound(*row);
}

}  // namespace kadrion::features
