#include "features/catalogue/list_order.h"

namespace kadrion::features {

void ListOrder::SortByColumn(int column) {
  catalogue_.Sort(columnSort_.Click(column));
}

void ListOrder::RemoveDuplicates() {
  catalogue_.Keep(core::DistinctRows(catalogue_.Films()));
}

}  // namespace kadrion::features
