#pragma once
// The list of films: a view of the catalogue. It shows the catalogue's films without copying
// a row, follows its changes, and reports the row the user selects back to it.
#include <optional>

#include "core/catalogue.h"
#include "core/film_order.h"
#include "toolkit/report_list.h"

namespace kadrion::features {

class FilmList : public toolkit::ReportList, private core::CatalogueObserver {
 public:
  explicit FilmList(core::Catalogue& catalogue);
  ~FilmList();
  FilmList(const FilmList&) = delete;
  FilmList& operator=(const FilmList&) = delete;

  void Create(toolkit::Container& parent, int id);
  // The films were just put in `order`: its column's header shows the arrow of its direction
  // for as long as the films stay in that order.
  void ShowOrder(core::FilmOrder order);

 private:
  void CatalogueChanged(core::CatalogueChange change) override;
  void SelectionReported();

  core::Catalogue& catalogue_;
  std::optional<core::FilmOrder> shownOrder_;  // the order the header's arrow shows
  // While the list takes over a change of the catalogue, or reports one to it: its own
  // notifications are not reported back.
  bool following_ = false;
};

}  // namespace kadrion::features
