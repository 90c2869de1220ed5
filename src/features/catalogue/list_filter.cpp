#include "features/catalogue/list_filter.h"

#include "toolkit/text.h"

namespace kadrion::features {

ListFilter::ListFilter(core::Catalogue& catalogue, core::ShownFilms& shown, toolkit::Edit& field,
                       FilmList& list, StatusLine& status)
    : catalogue_(catalogue),
      shown_(shown), field_(field), list_(list), status_(status) {}

void ListFilter::Start() {
  field_.onChange = [this] { Apply(); };
  // The user is about to type: what the first key needs is made now.
  field_.onFocus = [this] { shown_.Prepare(); };
}

void ListFilter::Focus() {
  field_.Focus();
  SendMessageW(field_.Handle(), EM_SETSEL, 0, -1);
}

void ListFilter::Clear() {
  // The field's change applies the empty filter.
  field_.SetWText(L"");
}

void ListFilter::GoToList() {
  list_.Focus();
  if (catalogue_.Selected() == core::kNoFilm) catalogue_.Select(shown_.CatalogueRow(0));
}

void ListFilter::Apply() {
  const std::wstring text = field_.WText();
  const std::wstring outside = toolkit::CharactersOutsideCp1250(text);
  if (outside.empty()) {
    shown_.SetFilter(core::FilmFilter(toolkit::ToCp1250(text)));
  } else {
    shown_.SetFilter(core::FilmFilter::MatchingNothing());
    status_.ShowMessage(L"Nie znaleziono: w katalogu nie ma znaków " + outside + L".");
  }
  list_.ShowSelected();
}

}  // namespace kadrion::features
