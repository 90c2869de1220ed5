#pragma once
// Find, next and previous among the films the list shows: selects the film whose texts hold the
// search text, scrolls it near
// the top of the list and shows its position. A search text with characters the catalogue
// cannot store (outside code page 1250) matches nothing; the message panel says when nothing is
// found, and when Next or Previous find nothing more.
#include "core/catalogue.h"
#include "core/shown_films.h"
#include "features/catalogue/film_list.h"
#include "features/catalogue/status_line.h"
#include "toolkit/controls.h"

namespace kadrion::features {

class Finder {
 public:
  // The found film is selected in the catalogue and scrolled to in the list.
  Finder(core::Catalogue& catalogue, const core::ShownFilms& shown, FilmList& list,
         toolkit::Edit& searchText, StatusLine& status);

  // From the first film; cleans the search text of release tags first.
  void Find();
  // After or before the selected film; neither wraps around.
  void Next();
  void Previous();

 private:
  enum class Direction { FromFirst, Onward };
  void SelectFound(int row);
  void SayNotFound(Direction direction);
  // Whether the search text can match at all; says why not when it cannot.
  bool Searchable();

  core::Catalogue& catalogue_;
  const core::ShownFilms& shown_;
  FilmList& list_;
  toolkit::Edit& searchText_;
  StatusLine& status_;
};

}  // namespace kadrion::features
