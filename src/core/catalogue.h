#pragma once
// The catalogue: the films in list order, the film selected in the list and the film taken into
// the edit fields, both followed through every change of the films, and a revision that goes
// up with each such change. The windows show it and change it; observers hear of each change.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/film_entry.h"
#include "core/film_order.h"
#include "core/film_store.h"

namespace kadrion::core {

// A row index that names no film.
inline constexpr int kNoFilm = -1;

// A film's own number while the program runs: it stays with the film through every change of
// the list (sorting, a saved change, deletes and their undo, duplicates and imports), so that
// what a record has no room for can be kept beside the films. Never stored, never given twice.
using FilmId = std::uint32_t;

enum class CatalogueChange {
  Films,      // films added, removed or reordered; the selection may have moved with them
  Replaced,   // every film replaced at once (the catalogue file read)
  Selection,  // only the selected film
};

// A film the user deleted, with what it takes to put it back.
struct DeletedFilm {
  FilmEntry film;
  int row;  // its place in the list when it went
  // The text of the description that went with it, if one did.
  std::optional<std::string> description;
  std::uint64_t addedWith = 0;  // the films added in one go it belonged to, 0 when none
  FilmId id = 0;
};

// Films added in one go (an import), by the rows they are at now. A film changed or deleted
// since is no longer among them: taking the step back leaves it.
struct AddedFilms {
  std::uint64_t id = 0;
  std::vector<int> rows;
};

// Films removed at once (duplicates), in list order, each with the place it had.
struct RemovedFilms {
  FilmStore films;
  std::vector<int> rows;                 // ascending
  std::vector<std::uint64_t> addedWith;  // as DeletedFilm's, for each
  std::vector<FilmId> ids;                // each film's
};

// What Undo takes back: a delete, films added in one go, or films removed at once.
using UndoStep = std::variant<DeletedFilm, AddedFilms, RemovedFilms>;

class CatalogueObserver {
 public:
  virtual void CatalogueChanged(CatalogueChange change) = 0;

 protected:
  ~CatalogueObserver() = default;
};

class Catalogue {
 public:
  const FilmStore& Films() const { return films_; }
  int Count() const { return static_cast<int>(films_.Size()); }
  FilmEntry Film(int row) const { return films_[static_cast<std::size_t>(row)].Entry(); }
  std::uint64_t Revision() const { return revision_; }
  FilmId Id(int row) const { return ids_[static_cast<std::size_t>(row)]; }
  // The row of the film with this id, kNoFilm when it is not in the list. Walks the list.
  int RowOf(FilmId id) const;

  // The film selected in the list, or kNoFilm; a row outside the list selects none.
  int Selected() const { return selected_; }
  void Select(int row);
  // The film taken into the edit fields to be changed, or kNoFilm.
  int Marked() const { return marked_; }
  void Mark(int row) { marked_ = Valid(row); }

  void Append(const FilmEntry& film);
  // Appends every film of `films` as one change, which Undo takes back as one step.
  void AppendAll(const FilmStore& films);
  void Erase(int row);
  // A changed film saved: it goes to the end of the list as the film it was, with its id.
  void SaveChanged(int row, const FilmEntry& film);
  // The user's delete: erases the film and remembers it, with the description that went with
  // it, for Undo.
  void Delete(int row, std::optional<std::string> description = std::nullopt);
  // The user's removal of many films at once: keeps only the films at these rows (ascending),
  // and remembers the others, as one step, for Undo.
  void Thin(const std::vector<std::size_t>& kept);
  bool CanUndo() const;
  // Takes back the last step and returns it: a deleted film goes back to its old place (the
  // end, when the list is shorter now), with the place it got; films removed at once go back
  // to theirs the same way; films added in one go are removed, with the rows they had. None
  // when there is nothing to take back.
  std::optional<UndoStep> Undo();
  // Keeps only the films at these rows (ascending), in their order.
  void Keep(const std::vector<std::size_t>& rows);
  // Equal films keep their order.
  void Sort(FilmOrder order);
  // Every film replaced; nothing selected or marked, nothing left to undo.
  void Assign(FilmStore films);
  // `earlier` put before the catalogue's own films, which keep the selection and the mark.
  void Prepend(FilmStore earlier);

  // An observer stays registered until removed; it must not outlive the catalogue unremoved.
  // Observing changes nothing in the catalogue: a view that only reads it may observe it.
  void AddObserver(CatalogueObserver& observer) const { observers_.push_back(&observer); }
  void RemoveObserver(CatalogueObserver& observer) const;

 private:
  int Valid(int row) const { return row >= 0 && row < Count() ? row : kNoFilm; }
  // The films changed: the film at a row went to `newPlace(row)`, kNoFilm when it went. The
  // selection, the mark and the films of the undo steps follow it.
  template <typename NewPlace>
  void Changed(NewPlace newPlace, CatalogueChange change);
  template <typename NewPlace>
  void Follow(NewPlace newPlace);
  void Notify(CatalogueChange change);
  // The same, when the films are now old films at these rows (`rows[k]` is now at k).
  template <typename Index>
  void ChangedTo(const std::vector<Index>& rows, std::size_t oldCount);
  template <typename Index>
  void FollowTo(const std::vector<Index>& rows, std::size_t oldCount);
  void PutBack(DeletedFilm& step);
  void PutBack(RemovedFilms& step);
  void TakeAway(const AddedFilms& step);
  void Remember(UndoStep step);
  // The import each film belongs to, 0 for none, by row.
  std::vector<std::uint64_t> ImportOfEachFilm() const;
  void Rejoin(std::uint64_t addedWith, int row);

  FilmId NewId() { return ++lastFilmId_; }
  // The ids as the films are now: film k is the film at rows[k] before.
  template <typename Index>
  void ReorderIds(const std::vector<Index>& rows);
  void NewIds(std::size_t count);

  FilmStore films_;
  std::vector<FilmId> ids_;  // each film's, by row
  FilmId lastFilmId_ = 0;
  std::uint64_t revision_ = 0;
  int selected_ = kNoFilm;
  int marked_ = kNoFilm;
  mutable std::vector<CatalogueObserver*> observers_;
  // The last one last. Films added in one go stay a step while none of them is left, so that
  // their deletes, taken back, join them again; Undo passes over such a step.
  std::vector<UndoStep> undoSteps_;
  std::uint64_t lastAddedId_ = 0;
};

}  // namespace kadrion::core
