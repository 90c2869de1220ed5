#include "core/catalogue.h"

#include <algorithm>

namespace kadrion::core {

namespace {
// The oldest steps go first once there are many: each holds a whole film and its text, or the
// rows of a whole import.
constexpr std::size_t kUndoSteps = 1000;
}  // namespace

template <typename Index>
void Catalogue::ReorderIds(const std::vector<Index>& rows) {
  std::vector<FilmId> ids(rows.size());
  for (std::size_t k = 0; k < rows.size(); ++k) ids[k] = ids_[static_cast<std::size_t>(rows[k])];
  ids_.swap(ids);
}

template <typename NewPlace>
void Catalogue::Changed(NewPlace newPlace, CatalogueChange change) {
  Follow(newPlace);
  Notify(change);
}

template <typename NewPlace>
void Catalogue::Follow(NewPlace newPlace) {
  const auto follow = [&newPlace](int row) { return row < 0 ? kNoFilm : newPlace(row); };
  selected_ = follow(selected_);
  marked_ = follow(marked_);
  for (UndoStep& step : undoSteps_) {
    if (auto* added = std::get_if<AddedFilms>(&step)) {
      for (int& row : added->rows) row = follow(row);
      std::erase(added->rows, kNoFilm);
    }
  }
}

void Catalogue::Notify(CatalogueChange change) {
  ++revision_;
  for (CatalogueObserver* observer : observers_) observer->CatalogueChanged(change);
}

template <typename Index>
void Catalogue::FollowTo(const std::vector<Index>& rows, std::size_t oldCount) {
  // One table of new places: following every film of an import costs one look each.
  std::vector<int> placeOf(oldCount, kNoFilm);
  for (std::size_t k = 0; k < rows.size(); ++k) placeOf[rows[k]] = static_cast<int>(k);
  Follow([&placeOf](int row) { return placeOf[static_cast<std::size_t>(row)]; });
}

template <typename Index>
void Catalogue::ChangedTo(const std::vector<Index>& rows, std::size_t oldCount) {
  FollowTo(rows, oldCount);
  Notify(CatalogueChange::Films);
}

void Catalogue::Remember(UndoStep step) {
  if (undoSteps_.size() == kUndoSteps) undoSteps_.erase(undoSteps_.begin());
  undoSteps_.push_back(std::move(step));
}

std::vector<std::uint64_t> Catalogue::ImportOfEachFilm() const {
  std::vector<std::uint64_t> importOf(films_.Size(), 0);
  for (const UndoStep& step : undoSteps_)
    if (const auto* added = std::get_if<AddedFilms>(&step))
      for (const int row : added->rows) importOf[static_cast<std::size_t>(row)] = added->id;
  return importOf;
}

void Catalogue::Rejoin(std::uint64_t addedWith, int row) {
  if (addedWith == 0) return;
  for (UndoStep& earlier : undoSteps_) {
    auto* added = std::get_if<AddedFilms>(&earlier);
    if (added && added->id == addedWith) added->rows.push_back(row);
  }
}

void Catalogue::Select(int row) {
  row = Valid(row);
  if (row == selected_) return;
  selected_ = row;
  for (CatalogueObserver* observer : observers_)
    observer->CatalogueChanged(CatalogueChange::Selection);
}

void Catalogue::NewIds(std::size_t count) {
  ids_.reserve(ids_.size() + count);
  for (std::size_t k = 0; k < count; ++k) ids_.push_back(NewId());
}

int Catalogue::RowOf(FilmId id) const {
  const auto at = std::find(ids_.begin(), ids_.end(), id);
  return at == ids_.end() ? kNoFilm : static_cast<int>(at - ids_.begin());
}

void Catalogue::Append(const FilmEntry& film) {
  films_.Append(film);
  ids_.push_back(NewId());
  Changed([](int row) { return row; }, CatalogueChange::Films);
}

void Catalogue::AppendAll(const FilmStore& films) {
  if (films.Empty()) return;
  const int first = Count();
  films_.Reserve(films.Size(), films.TextBytes());
  for (const FilmView film : films) films_.Append(film);
  NewIds(films.Size());
  AddedFilms step;
  step.id = ++lastAddedId_;
  step.rows.resize(films.Size());
  for (std::size_t k = 0; k < films.Size(); ++k) step.rows[k] = first + static_cast<int>(k);
  Remember(std::move(step));
  Changed([](int row) { return row; }, CatalogueChange::Films);
}

void Catalogue::Erase(int row) {
  if (Valid(row) == kNoFilm) return;
  films_.Erase(static_cast<std::size_t>(row));
  ids_.erase(ids_.begin() + row);
  Changed(
      [row](int place) {
        if (place == row) return kNoFilm;
        return place > row ? place - 1 : place;
      },
      CatalogueChange::Films);
}

void Catalogue::SaveChanged(int row, const FilmEntry& film) {
  if (Valid(row) == kNoFilm) return;
  const FilmId id = Id(row);
  Erase(row);
  films_.Append(film);
  ids_.push_back(id);
  Changed([](int place) { return place; }, CatalogueChange::Films);
}

void Catalogue::Delete(int row, std::optional<std::string> description) {
  if (Valid(row) == kNoFilm) return;
  DeletedFilm deleted{Film(row), row, std::move(description)};
  deleted.id = Id(row);
  for (const UndoStep& step : undoSteps_) {
    const auto* added = std::get_if<AddedFilms>(&step);
    if (added && std::find(added->rows.begin(), added->rows.end(), row) != added->rows.end())
      deleted.addedWith = added->id;
  }
  Remember(std::move(deleted));
  Erase(row);
}

void Catalogue::Thin(const std::vector<std::size_t>& kept) {
  if (kept.size() == films_.Size()) return;
  const std::vector<std::uint64_t> importOf = ImportOfEachFilm();
  RemovedFilms removed;
  std::size_t next = 0;  // the next kept row
  for (std::size_t row = 0; row < films_.Size(); ++row) {
    if (next < kept.size() && kept[next] == row) {
      ++next;
      continue;
    }
    removed.films.Append(films_[row]);
    removed.rows.push_back(static_cast<int>(row));
    removed.addedWith.push_back(importOf[row]);
    removed.ids.push_back(ids_[row]);
  }
  Remember(std::move(removed));
  Keep(kept);
}

namespace {
bool Empty(const UndoStep& step) {
  const auto* added = std::get_if<AddedFilms>(&step);
  return added && added->rows.empty();
}
}  // namespace

bool Catalogue::CanUndo() const {
  return std::any_of(undoSteps_.begin(), undoSteps_.end(),
                     [](const UndoStep& step) { return !Empty(step); });
}

std::optional<UndoStep> Catalogue::Undo() {
  while (!undoSteps_.empty() && Empty(undoSteps_.back())) undoSteps_.pop_back();
  if (undoSteps_.empty()) return std::nullopt;
  UndoStep step = std::move(undoSteps_.back());
  undoSteps_.pop_back();
  if (auto* deleted = std::get_if<DeletedFilm>(&step))
    PutBack(*deleted);
  else if (auto* removed = std::get_if<RemovedFilms>(&step))
    PutBack(*removed);
  else
    TakeAway(std::get<AddedFilms>(step));
  return step;
}

void Catalogue::PutBack(DeletedFilm& step) {
  step.row = std::min(step.row, Count());
  films_.Append(step.film);
  ids_.insert(ids_.begin() + step.row, step.id);
  const auto row = static_cast<std::uint32_t>(step.row);
  const auto last = static_cast<std::uint32_t>(films_.Size() - 1);
  if (row != last) {
    // The appended film moves up to its place; the films from there on move down one.
    std::vector<std::uint32_t> order(films_.Size());
    for (std::uint32_t k = 0; k < order.size(); ++k)
      order[k] = k < row ? k : k == row ? last : k - 1;
    films_.Reorder(order);
  }
  Follow([row = step.row](int place) { return place >= row ? place + 1 : place; });
  // Back among the films it was added with, if they are still a step to take back.
  Rejoin(step.addedWith, step.row);
  Notify(CatalogueChange::Films);
}

void Catalogue::PutBack(RemovedFilms& step) {
  const std::size_t stayed = films_.Size();
  films_.Reserve(step.films.Size(), step.films.TextBytes());
  for (const FilmView film : step.films) films_.Append(film);
  ids_.insert(ids_.end(), step.ids.begin(), step.ids.end());
  // Merged back in list order, each at its old place, or after the last film when the list
  // is shorter now.
  std::vector<std::uint32_t> order;
  order.reserve(films_.Size());
  std::uint32_t next = 0;  // the next film that stayed
  for (std::size_t k = 0; k < step.rows.size(); ++k) {
    while (order.size() < static_cast<std::size_t>(step.rows[k]) && next < stayed)
      order.push_back(next++);
    step.rows[k] = static_cast<int>(order.size());
    order.push_back(static_cast<std::uint32_t>(stayed + k));
  }
  while (next < stayed) order.push_back(next++);
  films_.Reorder(order);
  ReorderIds(order);
  FollowTo(order, films_.Size());
  for (std::size_t k = 0; k < step.rows.size(); ++k) Rejoin(step.addedWith[k], step.rows[k]);
  Notify(CatalogueChange::Films);
}

void Catalogue::TakeAway(const AddedFilms& step) {
  std::vector<bool> added(films_.Size(), false);
  for (const int row : step.rows) added[static_cast<std::size_t>(row)] = true;
  std::vector<std::size_t> kept;
  kept.reserve(films_.Size() - step.rows.size());
  for (std::size_t row = 0; row < added.size(); ++row)
    if (!added[row]) kept.push_back(row);
  Keep(kept);
}

void Catalogue::Keep(const std::vector<std::size_t>& rows) {
  const std::size_t oldCount = films_.Size();
  films_.Keep(rows);
  ReorderIds(rows);
  ChangedTo(rows, oldCount);
}

void Catalogue::Sort(FilmOrder order) {
  const std::vector<std::uint32_t> sorted = SortedOrder(films_, order);
  films_.Reorder(sorted);
  ReorderIds(sorted);
  ChangedTo(sorted, sorted.size());
}

void Catalogue::Assign(FilmStore films) {
  films_ = std::move(films);
  ids_.clear();
  NewIds(films_.Size());
  undoSteps_.clear();
  Changed([](int) { return kNoFilm; }, CatalogueChange::Replaced);
}

void Catalogue::Prepend(FilmStore earlier) {
  const int shift = static_cast<int>(earlier.Size());
  earlier.Reserve(films_.Size(), films_.TextBytes());
  for (const FilmView film : films_) earlier.Append(film);
  films_ = std::move(earlier);
  std::vector<FilmId> ids;
  ids.swap(ids_);
  NewIds(static_cast<std::size_t>(shift));
  ids_.insert(ids_.end(), ids.begin(), ids.end());
  for (UndoStep& step : undoSteps_) {
    if (auto* deleted = std::get_if<DeletedFilm>(&step)) deleted->row += shift;
    if (auto* removed = std::get_if<RemovedFilms>(&step))
      for (int& row : removed->rows) row += shift;
  }
  Changed([shift](int place) { return place + shift; }, CatalogueChange::Replaced);
}

void Catalogue::RemoveObserver(CatalogueObserver& observer) const {
  std::erase(observers_, &observer);
}

}  // namespace kadrion::core
