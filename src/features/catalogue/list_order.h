#pragma once
// The order of the films: sorting by a clicked column header, and removing duplicate films.
#include "core/catalogue.h"
#include "core/film_order.h"
#include "features/catalogue/film_list.h"

namespace kadrion::features {

class ListOrder {
 public:
  // `list` shows the order a sort made on its header.
  ListOrder(core::Catalogue& catalogue, FilmList& list) : catalogue_(catalogue), list_(list) {}

  // Descending at the first click, then the direction flips with every click, whichever
  // column it is on; equal films keep their order. The column's header shows the direction.
  void SortByColumn(int column);
  // Keeps the first of every group of films with equal texts. The status line keeps its old
  // count until its next refresh.
  void RemoveDuplicates();

 private:
  core::Catalogue& catalogue_;
  FilmList& list_;
  core::ColumnSort columnSort_;
};

}  // namespace kadrion::features
