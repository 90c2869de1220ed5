#include "features/catalogue/list_order.h"

namespace kadrion {

void ListOrder::SortByColumn(int column) {
  catalogue_.Sort(columnSort_.Click(column));
}

void ListOrder::RemoveDuplicates() {
  catalogue_.Keep(DistinctRows(catalogue_.Films()));
}

}  // namespace kadrion
