#include "features/catalogue/list_order.h"

namespace kadrion {

void ListOrder::SortByColumn(int column) {
  const FilmOrder order = columnSort_.Click(column);
  films_.Sort([order](const FilmEntry& a, const FilmEntry& b) {
    return CompareFilms(a, b, order.column, order.direction);
  });
}

void ListOrder::RemoveDuplicates() {
  films_.Keep(DistinctRows(films_.Rows()));
}

}  // namespace kadrion
