#include "features/catalogue/list_order.h"

namespace kadrion {

void ListOrder::SortByColumn(int column) {
  films_.Sort(columnSort_.Click(column));
}

void ListOrder::RemoveDuplicates() {
  films_.Keep(DistinctRows(films_.Rows()));
}

}  // namespace kadrion
