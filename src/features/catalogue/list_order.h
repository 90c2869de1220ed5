#pragma once
// The order of the films: sorting by a clicked column header, and removing duplicate films.
#include "core/catalogue.h"
#include "core/film_order.h"
#include "features/catalogue/film_list.h"
#include "features/catalogue/status_line.h"

namespace kadrion::features {

class ListOrder {
 public:
  // `list` shows the order a sort made on its header; `status` says what a removal did.
  ListOrder(core::Catalogue& catalogue, FilmList& list, StatusLine& status)
      : catalogue_(catalogue), list_(list), status_(status) {}

  // Descending at the first click, then the direction flips with every click, whichever
  // column it is on; equal films keep their order. The column's header shows the direction.
  void SortByColumn(int column);
  // Keeps the first of every group of films with equal texts, says how many went, and lets
  // Undo bring them all back in one step.
  void RemoveDuplicates();

 private:
  core::Catalogue& catalogue_;
  FilmList& list_;
  StatusLine& status_;
  core::ColumnSort columnSort_;
};

}  // namespace kadrion::features
