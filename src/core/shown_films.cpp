#include "core/shown_films.h"

#include <algorithm>

namespace kadrion::core {

ShownFilms::ShownFilms(const Catalogue& catalogue) : catalogue_(catalogue) {
  catalogue_.AddObserver(*this);
}

ShownFilms::~ShownFilms() {
  catalogue_.RemoveObserver(*this);
}

void ShownFilms::SetFilter(FilmFilter filter) {
  // Typing on: only the films shown already can still match.
  const bool narrowing = Filtering() && !filter.Empty() && filter.Narrows(filter_);
  filter_ = std::move(filter);
  if (narrowing) {
    const FilmStore& films = catalogue_.Films();
    std::erase_if(rows_, [&](int row) {
      const auto at = static_cast<std::size_t>(row);
      return !filter_.Matches(films[at], letters_[at]);
    });
  } else {
    Rescan();
  }
  Notify(CatalogueChange::Films);
}

void ShownFilms::Prepare() {
  if (!letters_.empty() || catalogue_.Count() == 0) return;
  const FilmStore& films = catalogue_.Films();
  letters_.resize(films.Size());
  for (std::size_t row = 0; row < films.Size(); ++row) letters_[row] = LettersOf(films[row]);
}

void ShownFilms::Rescan() {
  rows_.clear();
  if (filter_.Empty()) return;
  Prepare();
  const FilmStore& films = catalogue_.Films();
  for (std::size_t row = 0; row < films.Size(); ++row)
    if (filter_.Matches(films[row], letters_[row])) rows_.push_back(static_cast<int>(row));
}

int ShownFilms::Count() const {
  return Filtering() ? static_cast<int>(rows_.size()) : catalogue_.Count();
}

int ShownFilms::CatalogueRow(int shownRow) const {
  if (shownRow < 0 || shownRow >= Count()) return kNoFilm;
  return Filtering() ? rows_[static_cast<std::size_t>(shownRow)] : shownRow;
}

int ShownFilms::ShownRow(int catalogueRow) const {
  if (catalogueRow < 0 || catalogueRow >= catalogue_.Count()) return kNoFilm;
  if (!Filtering()) return catalogueRow;
  const auto at = std::lower_bound(rows_.begin(), rows_.end(), catalogueRow);
  return at != rows_.end() && *at == catalogueRow ? static_cast<int>(at - rows_.begin()) : kNoFilm;
}

int ShownFilms::ShownAbove(int catalogueRow) const {
  if (!Filtering()) return std::clamp(catalogueRow, 0, catalogue_.Count());
  return static_cast<int>(std::lower_bound(rows_.begin(), rows_.end(), catalogueRow) -
                          rows_.begin());
}

FilmStore ShownFilms::Copy() const {
  if (!Filtering()) return catalogue_.Films();
  FilmStore shown;
  for (const int row : rows_) shown.Append(catalogue_.Films()[static_cast<std::size_t>(row)]);
  return shown;
}

void ShownFilms::RemoveObserver(ShownFilmsObserver& observer) const {
  std::erase(observers_, &observer);
}

void ShownFilms::CatalogueChanged(CatalogueChange change) {
  // Any change of the films may move, remove or add a match anywhere: one scan finds them all
  // again, which costs less than following each kind of change on its own.
  if (change != CatalogueChange::Selection) {
    letters_.clear();
    Rescan();
  }
  Notify(change);
}

void ShownFilms::Notify(CatalogueChange change) {
  for (ShownFilmsObserver* observer : observers_) observer->ShownFilmsChanged(change);
}

}  // namespace kadrion::core
