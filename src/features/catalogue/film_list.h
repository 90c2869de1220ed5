#pragma once
// The catalogue list: the films in display order. Its vector of rows is the only catalogue in
// memory; the list view shows it without copying a row.
#include <functional>
#include <vector>

#include "core/film_entry.h"
#include "toolkit/report_list.h"

namespace kadrion {

class FilmList : public toolkit::ReportList {
 public:
  void Create(toolkit::Container& parent, int id);

  const std::vector<FilmEntry>& Rows() const { return rows_; }
  int Count() const { return static_cast<int>(rows_.size()); }
  const FilmEntry& Row(int index) const { return rows_[static_cast<std::size_t>(index)]; }

  void Append(FilmEntry entry);
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
  void Assign(std::vector<FilmEntry> rows);

  // Negative when the first row goes before the second, zero when they are equal.
  using Comparison = std::function<int(const FilmEntry&, const FilmEntry&)>;
  // Reorders the rows themselves; equal rows keep their order and the selected film stays
  // selected wherever it moves.
  void Sort(const Comparison& compare);

 private:
  std::vector<FilmEntry> rows_;
  int marked_ = -1;
};

}  // namespace kadrion
