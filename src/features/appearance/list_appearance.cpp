#include "features/appearance/list_appearance.h"

namespace kadrion::features {

ListAppearance::ListAppearance(FilmList& films, toolkit::Edit& sample, toolkit::Dialogs& dialogs,
                               const toolkit::Control& owner)
    : films_(films), sample_(sample), dialogs_(dialogs), owner_(owner) {}

void ListAppearance::PickBackground() {
  COLORREF color = films_.Color();
  if (dialogs_.PickColor(owner_.Handle(), color)) Apply(color, films_.GetFont());
}

void ListAppearance::PickTextColour() {
  toolkit::FontInfo font = films_.GetFont();
  if (!dialogs_.PickColor(owner_.Handle(), font.color)) return;
  Apply(films_.Color(), font);
}

void ListAppearance::PickFont() {
  toolkit::FontInfo font = films_.GetFont();
  if (dialogs_.PickFont(owner_.Handle(), font)) Apply(films_.Color(), font);
}

void ListAppearance::Apply(COLORREF background, const toolkit::FontInfo& font) {
  films_.SetColor(background);
  sample_.SetColor(background);
  films_.SetFont(font);
  sample_.SetFont(font);
}

}  // namespace kadrion::features
