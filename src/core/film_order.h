#pragma once
// The order of a column header click and duplicate removal. Both fold the letters a-z to A-Z
// and nothing else: letters with diacritics compare by their Windows-1250 byte.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/film_entry.h"
#include "core/film_store.h"

namespace kadrion::core {

// Byte by byte (unsigned) after folding a-z: the difference of the first differing folded
// bytes, else of the lengths; 0 when equal. Numbers compare as text ("10" before "2").
int CompareColumnText(std::string_view a, std::string_view b);

// The comparison of column `column` (0-4, as Field) times `direction` (-1 or 1).
inline int CompareFilms(const FilmEntry& a, const FilmEntry& b, int column, int direction) {
  return CompareColumnText(Field(a, column), Field(b, column)) * direction;
}

// A strict weak order for std::stable_sort; equal rows keep their order.
struct FilmOrder {
  int column;
  int direction;
  bool operator()(const FilmEntry& a, const FilmEntry& b) const {
    return CompareFilms(a, b, column, direction) < 0;
  }
};

// The films in the order `order` gives them, equal films in their order: element k is the
// index of the film that goes to place k. The same order as std::stable_sort with FilmOrder.
std::vector<std::uint32_t> SortedOrder(const FilmStore& films, FilmOrder order);

// Whether the films stand in the order `order` gives them (equal films in any order).
bool IsInOrder(const FilmStore& films, FilmOrder order);

// One direction for all columns: descending at the first click of a run, then flipping with
// every click, whichever column it is on.
class ColumnSort {
 public:
  FilmOrder Click(int column) {
    const FilmOrder order{column, direction_};
    direction_ = -direction_;
    return order;
  }

 private:
  int direction_ = -1;
};

// The four sub-items and the Polish title, each followed by a blank, with blanks and control
// characters cut from both ends and a-z folded. Rows with equal keys are duplicates.
std::string DuplicateKey(const FilmEntry& film);

// Indices of the rows that survive duplicate removal, ascending: the first row of every group
// of equal keys. Linear in the total length of the rows.
std::vector<std::size_t> DistinctRows(const FilmStore& films);

}  // namespace kadrion::core
