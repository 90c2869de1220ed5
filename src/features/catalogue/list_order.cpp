#include "features/catalogue/list_order.h"

#include <string>

#include "core/polish_plural.h"

namespace kadrion::features {

void ListOrder::SortByColumn(int column) {
  const core::FilmOrder order = columnSort_.Click(column);
  catalogue_.Sort(order);
  list_.ShowOrder(order);
}

void ListOrder::RemoveDuplicates() {
  const std::vector<std::size_t> kept = core::DistinctRows(catalogue_.Films());
  const std::size_t removed = catalogue_.Films().Size() - kept.size();
  catalogue_.Thin(kept);
  if (removed == 0) {
    status_.ShowMessage(L"Nie ma powtórzonych filmów.");
    return;
  }
  status_.ShowMessage(L"Usunięto " + std::to_wstring(removed) + L" " +
                      core::PolishPlural<std::wstring>(removed, L"powtórzony film",
                                                       L"powtórzone filmy",
                                                       L"powtórzonych filmów") +
                      L". Ctrl+Z przywraca.");
}

}  // namespace kadrion::features
