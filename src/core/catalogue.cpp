#include "core/catalogue.h"

#include <algorithm>

namespace kadrion::core {

namespace {
// Where a row goes when the films become `rows` (film k of the new films is film rows[k] of the
// old ones): kNoFilm when it is not among them. Rows are ascending for Keep and a permutation
// for Sort; either way one scan of a hundred thousand indices costs less than the change.
template <typename Index>
int NewPlaceIn(const std::vector<Index>& rows, int row) {
  if (row < 0) return kNoFilm;
  const auto found = std::find(rows.begin(), rows.end(), static_cast<Index>(row));
  return found == rows.end() ? kNoFilm : static_cast<int>(found - rows.begin());
}
}  // namespace

template <typename NewPlace>
void Catalogue::Changed(NewPlace newPlace, CatalogueChange change) {
  selected_ = newPlace(selected_);
  marked_ = newPlace(marked_);
  ++revision_;
  for (CatalogueObserver* observer : observers_) observer->CatalogueChanged(change);
}

void Catalogue::Select(int row) {
  row = Valid(row);
  if (row == selected_) return;
  selected_ = row;
  for (CatalogueObserver* observer : observers_)
    observer->CatalogueChanged(CatalogueChange::Selection);
}

void Catalogue::Append(const FilmEntry& film) {
  films_.Append(film);
  Changed([](int row) { return row; }, CatalogueChange::Films);
}

void Catalogue::Erase(int row) {
  if (Valid(row) == kNoFilm) return;
  films_.Erase(static_cast<std::size_t>(row));
  Changed(
      [row](int place) {
        if (place == row) return kNoFilm;
        return place > row ? place - 1 : place;
      },
      CatalogueChange::Films);
}

void Catalogue::Delete(int row, std::optional<std::string> description) {
  if (Valid(row) == kNoFilm) return;
  // The oldest steps go first once there are many: each holds a whole film and its text.
  constexpr std::size_t kUndoSteps = 1000;
  if (deleted_.size() == kUndoSteps) deleted_.erase(deleted_.begin());
  deleted_.push_back({Film(row), row, std::move(description)});
  Erase(row);
}

std::optional<DeletedFilm> Catalogue::UndoDelete() {
  if (deleted_.empty()) return std::nullopt;
  DeletedFilm step = std::move(deleted_.back());
  deleted_.pop_back();
  step.row = std::min(step.row, Count());
  films_.Append(step.film);
  const auto row = static_cast<std::uint32_t>(step.row);
  const auto last = static_cast<std::uint32_t>(films_.Size() - 1);
  if (row != last) {
    // The appended film moves up to its place; the films from there on move down one.
    std::vector<std::uint32_t> order(films_.Size());
    for (std::uint32_t k = 0; k < order.size(); ++k)
      order[k] = k < row ? k : k == row ? last : k - 1;
    films_.Reorder(order);
  }
  Changed([row = step.row](int place) { return place >= row ? place + 1 : place; },
          CatalogueChange::Films);
  return step;
}

void Catalogue::Keep(const std::vector<std::size_t>& rows) {
  films_.Keep(rows);
  Changed([&rows](int place) { return NewPlaceIn(rows, place); }, CatalogueChange::Films);
}

void Catalogue::Sort(FilmOrder order) {
  const std::vector<std::uint32_t> sorted = SortedOrder(films_, order);
  films_.Reorder(sorted);
  Changed([&sorted](int place) { return NewPlaceIn(sorted, place); }, CatalogueChange::Films);
}

void Catalogue::Assign(FilmStore films) {
  films_ = std::move(films);
  deleted_.clear();
  Changed([](int) { return kNoFilm; }, CatalogueChange::Replaced);
}

void Catalogue::Prepend(FilmStore earlier) {
  const int shift = static_cast<int>(earlier.Size());
  earlier.Reserve(films_.Size(), films_.TextBytes());
  for (const FilmView film : films_) earlier.Append(film);
  films_ = std::move(earlier);
  for (DeletedFilm& step : deleted_) step.row += shift;
  Changed([shift](int place) { return place < 0 ? kNoFilm : place + shift; },
          CatalogueChange::Replaced);
}

void Catalogue::RemoveObserver(CatalogueObserver& observer) const {
  std::erase(observers_, &observer);
}

}  // namespace kadrion::core
