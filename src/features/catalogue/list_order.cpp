#include "features/catalogue/list_order.h"

namespace kadrion::features {

void ListOrder::SortByColumn(int column) {
  const core::FilmOrder order = columnSort_.Click(column);
  catalogue_.Sort(order);
  list_.ShowOrder(order);
}

void ListOrder::RemoveDuplicates() {
  catalogue_.Keep(core::DistinctRows(catalogue_.Films()));
}

}  // namespace kadrion::features
