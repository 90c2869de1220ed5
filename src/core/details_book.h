#pragma once
// The details of the catalogue's films (year, director, place, watched, rating, loans), each
// kept by its film's id, so that it follows its film through every change of the list: a sort,
// a saved change, a delete and its undo, an import. Rows of the details file whose film is not
// in the list (the catalogue changed by another program) are kept as they came and written back
// as they were, never dropped.
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "core/catalogue.h"
#include "core/details_csv.h"
#include "core/film_details.h"

namespace kadrion::core {

class DetailsBook {
 public:
  explicit DetailsBook(const Catalogue& catalogue) : catalogue_(catalogue) {}

  // The details file's records, matched to the catalogue's films by their five texts and their
  // occurrence; what was there before is replaced.
  void Take(const std::vector<DetailsRecord>& records);
  // The details of the film at this row; empty ones for a film without.
  FilmDetails Of(int row) const;
  void Set(int row, FilmDetails details);
  // The records of the details file: the films with details in list order, then the records of
  // films not in the list, as they came.
  std::vector<DetailsRecord> Records() const;
  // The records naming no film of the list.
  std::vector<DetailsRecord> Unmatched() const { return unmatched_; }
  // Goes up with every change of the details, so that a save can tell it has nothing new.
  std::uint64_t Revision() const { return revision_; }

 private:
  const Catalogue& catalogue_;
  // Also the details of films deleted since, so that their undo brings them back.
  std::unordered_map<FilmId, FilmDetails> byFilm_;
  std::vector<DetailsRecord> unmatched_;
  std::uint64_t revision_ = 0;
};

}  // namespace kadrion::core
