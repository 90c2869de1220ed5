#pragma once
// The filter field above the list: what the user types there narrows the list at once to the
// films it matches (see FilmFilter); emptied, the list shows every film again. The text is not
// kept between runs. A text with characters no film can hold (outside Windows-1250) shows
// nothing, and the message panel says which characters.
#include "core/shown_films.h"
#include "features/catalogue/film_list.h"
#include "features/catalogue/status_line.h"
#include "toolkit/controls.h"

namespace kadrion::features {

class ListFilter {
 public:
  ListFilter(core::Catalogue& catalogue, core::ShownFilms& shown, toolkit::Edit& field,
             FilmList& list, StatusLine& status);

  // Follows the field's typing from now on; the field exists by then.
  void Start();
  // The field, its text selected, to type a filter over it.
  void Focus();
  // Empties the field, and so the filter.
  void Clear();
  // From the field to the list, where the selected film or else the first one shown is
  // selected.
  void GoToList();

 private:
  void Apply();

  core::Catalogue& catalogue_;
  core::ShownFilms& shown_;
  toolkit::Edit& field_;
  FilmList& list_;
  StatusLine& status_;
};

}  // namespace kadrion::features
