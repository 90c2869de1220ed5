#pragma once
// The list of films: a view of the films the filter shows. It shows them without copying a
// row, follows their changes, and reports the film the user selects back to the catalogue. Its
// rows are shown rows: a catalogue row goes through ShownFilms both ways.
#include <optional>

#include "core/catalogue.h"
#include "core/film_order.h"
#include "core/shown_films.h"
#include "toolkit/report_list.h"

namespace kadrion::features {

class FilmList : public toolkit::ReportList, private core::ShownFilmsObserver {
 public:
  FilmList(core::Catalogue& catalogue, const core::ShownFilms& shown);
  ~FilmList();
  FilmList(const FilmList&) = delete;
  FilmList& operator=(const FilmList&) = delete;

  void Create(toolkit::Container& parent, int id);
  // The films were just put in `order`: its column's header shows the arrow of its direction
  // for as long as the films stay in that order.
  void ShowOrder(core::FilmOrder order);
  // Scrolls the list so that the film at this catalogue row stands `top` pixels below the top
  // of the rows; nothing for a hidden film.
  void ScrollFilmTo(int catalogueRow, int top);
  // Scrolls the selected film into view, if there is one.
  void ShowSelected();

 private:
  void ShownFilmsChanged(core::CatalogueChange change) override;
  void SelectionReported();

  core::Catalogue& catalogue_;
  const core::ShownFilms& shown_;
  std::optional<core::FilmOrder> shownOrder_;  // the order the header's arrow shows
  // While the list takes over a change of the catalogue, or reports one to it: its own
  // notifications are not reported back.
  bool following_ = false;
};

}  // namespace kadrion::features
