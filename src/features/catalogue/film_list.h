#pragma once
// The catalogue list: the films in display order. Its store of rows is the only catalogue in
// memory; the list view shows it without copying a row.
#include <cstdint>
#include <vector>

#include "core/film_entry.h"
#include "core/film_order.h"
#include "core/film_store.h"
#include "toolkit/report_list.h"

namespace kadrion {

class FilmList : public toolkit::ReportList {
 public:
  void Create(toolkit::Container& parent, int id);

  const FilmStore& Rows() const { return rows_; }
  int Count() const { return static_cast<int>(rows_.Size()); }
  FilmEntry Row(int index) const { return rows_[static_cast<std::size_t>(index)].Entry(); }

  void Append(const FilmEntry& entry);
  // Deletes a row; the selection and the marked row stay on the films they were on (none
  // when it was the deleted row).
  void Delete(int index);

  // The row taken into the edit fields, followed through deletions and sorting; -1 for none.
  int Marked() const { return marked_; }
  void SetMarked(int row) { marked_ = row; }
  // Keeps only the rows at these indices (ascending), in their order; the selection and the
  // marked row stay on their films, or go when their film goes.
  void Keep(const std::vector<std::size_t>& rows);
  // Replaces every row at once (loading the catalogue).
  void Assign(FilmStore rows);

  // Reorders the rows themselves; equal rows keep their order and the selected and the marked
  // film stay on their films wherever they move.
  void Sort(FilmOrder order);

  // Goes up with every change of the rows, so that a copy of them (the catalogue file) can
  // tell whether it still holds them.
  std::uint64_t Revision() const { return revision_; }

 private:
  FilmStore rows_;
  int marked_ = -1;
  std::uint64_t revision_ = 0;
};

}  // namespace kadrion
