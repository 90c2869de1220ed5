#pragma once
// The films the list shows: the catalogue's films that the list filter matches, in list order,
// followed through every change of the catalogue. Without a filter every film is shown and a
// shown row is the catalogue row. Observers hear of a change once the shown films follow it.
#include <vector>

#include "core/catalogue.h"
#include "core/film_filter.h"

namespace kadrion::core {

class ShownFilmsObserver {
 public:
  // The catalogue's change, passed on; Films also when the filter changed what is shown.
  virtual void ShownFilmsChanged(CatalogueChange change) = 0;

 protected:
  ~ShownFilmsObserver() = default;
};

class ShownFilms : private CatalogueObserver {
 public:
  explicit ShownFilms(const Catalogue& catalogue);
  ~ShownFilms();
  ShownFilms(const ShownFilms&) = delete;
  ShownFilms& operator=(const ShownFilms&) = delete;

  const Catalogue& Films() const { return catalogue_; }
  // An empty filter shows every film.
  void SetFilter(FilmFilter filter);
  // Makes what filtering needs to know of every film now, ahead of the first filter, which is
  // then as quick as the rest (as when the user is about to type one); kept until the films
  // change.
  void Prepare();
  bool Filtering() const { return !filter_.Empty(); }
  bool Matches(const FilmView& film) const { return filter_.Matches(film); }

  int Count() const;
  // The catalogue row of a shown row, kNoFilm for a row outside the shown list.
  int CatalogueRow(int shownRow) const;
  // The shown row of a catalogue row, kNoFilm when the filter hides it or there is no such row.
  int ShownRow(int catalogueRow) const;
  // How many shown films stand above catalogue row `catalogueRow` (any row, shown or not).
  int ShownAbove(int catalogueRow) const;
  // The shown films, in list order, as a store of their own.
  FilmStore Copy() const;

  void AddObserver(ShownFilmsObserver& observer) const { observers_.push_back(&observer); }
  void RemoveObserver(ShownFilmsObserver& observer) const;

 private:
  void CatalogueChanged(CatalogueChange change) override;
  // The shown rows found anew by the filter.
  void Rescan();
  void Notify(CatalogueChange change);

  const Catalogue& catalogue_;
  FilmFilter filter_;
  std::vector<int> rows_;  // the shown catalogue rows, ascending, while filtering
  // Each film's letters, by catalogue row; empty when not made since the films last changed.
  std::vector<LetterSet> letters_;
  mutable std::vector<ShownFilmsObserver*> observers_;
};

}  // namespace kadrion::core
