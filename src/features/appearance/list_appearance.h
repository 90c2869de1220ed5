#pragma once
// The list's background, text colour and font, chosen through the colour sample beside the
// list, which always shows the same colours and font as the list.
#include "features/catalogue/film_list.h"
#include "toolkit/controls.h"
#include "toolkit/dialogs.h"

namespace kadrion::features {

class ListAppearance {
 public:
  ListAppearance(FilmList& films, toolkit::Edit& sample, toolkit::Dialogs& dialogs,
                 const toolkit::Control& owner);

  // The colour and font choosers, each preset to the list's value; cancelling changes nothing.
  void PickBackground();
  void PickTextColour();
  void PickFont();

  // The list and the sample both take these (the font's colour is the text colour).
  void Apply(COLORREF background, const toolkit::FontInfo& font);
  COLORREF Background() const { return sample_.Color(); }
  toolkit::FontInfo Font() const { return sample_.GetFont(); }

 private:
  FilmList& films_;
  toolkit::Edit& sample_;
  toolkit::Dialogs& dialogs_;
  const toolkit::Control& owner_;
};

}  // namespace kadrion::features
