#include "features/catalogue/finder.h"

#include <optional>

#include "core/film_search.h"
#include "core/shown_film_search.h"
#include "features/titles/title_cleaning.h"
#include "toolkit/text.h"

namespace kadrion::features {

namespace {
// A found row stands this far below the top of the list.
constexpr int kFoundRowOffset = 100;
}  // namespace

Finder::Finder(core::Catalogue& catalogue, const core::ShownFilms& shown, FilmList& list,
               toolkit::Edit& searchText, StatusLine& status)
    : catalogue_(catalogue),
      shown_(shown),
      list_(list),
      searchText_(searchText),
      status_(status) {}

void Finder::SelectFound(int row) {
  list_.Focus();
  catalogue_.Select(row);
  list_.ScrollFilmTo(row, kFoundRowOffset);
  status_.ShowCount(CountForm::WithPosition);
}

bool Finder::Searchable() {
  const std::wstring key = searchText_.WText().substr(0, core::kSearchKeyLength);
  const std::wstring outside = toolkit::CharactersOutsideCp1250(key);
  if (outside.empty()) return true;
  status_.ShowMessage(L"Nie znaleziono: w katalogu nie ma znaków " + outside + L".");
  return false;
}

void Finder::SayNotFound(Direction direction) {
  const std::wstring text = searchText_.WText();
  if (text.empty())
    status_.ShowMessage(L"Wpisz szukany tekst.");
  else if (direction != Direction::FromFirst &&
           core::FindShownFilm(shown_, searchText_.Text()))
    status_.ShowMessage(L"To ostatni pasujący film.");
  else
    status_.ShowMessage(L"Nie znaleziono \u201E" + text + L"\u201D.");
}

void Finder::Find() {
  if (!Searchable()) return;
  CleanTitleIn(searchText_);
  if (const auto row = core::FindShownFilm(shown_, searchText_.Text()))
    SelectFound(*row);
  else
    SayNotFound(Direction::FromFirst);
}

void Finder::Next() {
  if (!Searchable()) return;
  if (const auto row =
          core::FindNextShownFilm(shown_, searchText_.Text(), catalogue_.Selected()))
    SelectFound(*row);
  else
    SayNotFound(Direction::Onward);
}

void Finder::Previous() {
  if (!Searchable()) return;
  if (const auto row =
          core::FindPreviousShownFilm(shown_, searchText_.Text(), catalogue_.Selected()))
    SelectFound(*row);
  else
    SayNotFound(Direction::Onward);
}

}  // namespace kadrion::features
