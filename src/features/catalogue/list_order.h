#pragma once
// The order of the films: sorting by a clicked column header, and removing duplicate films.
#include "core/catalogue.h"
#include "core/film_order.h"

namespace kadrion::features {

class ListOrder {
 public:
  explicit ListOrder(core::Catalogue& catalogue) : catalogue_(catalogue) {}

  // Descending at the first click, then the direction flips with every click, whichever
  // column it is on; equal films keep their order.
  void SortByColumn(int column);
  // Keeps the first of every group of films with equal texts. The status line keeps its old
  // count until its next refresh.
  void RemoveDuplicates();

 private:
  core::Catalogue& catalogue_;
  core::ColumnSort columnSort_;
};

}  // namespace kadrion::features
