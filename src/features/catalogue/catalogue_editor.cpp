#include "features/catalogue/catalogue_editor.h"

#include "core/ini_value.h"
#include "toolkit/clipboard.h"
#include "toolkit/error.h"
#include "toolkit/text.h"

namespace kadrion::features {

namespace {
constexpr wchar_t kCharactersReplaced[] =
    L"Niektórych znaków nie da się zapisać w katalogu (strona kodowa 1250); zastąpiono je "
    L"podobnymi lub znakiem \u201E?\u201D.";
}  // namespace

CatalogueEditor::CatalogueEditor(core::Catalogue& catalogue, FilmFields fields,
                                 toolkit::Button& saveChangesButton, StatusLine& status,
                                 const AppPaths& paths,
                                 std::function<void(const std::string&)> openDescription)
    : catalogue_(catalogue),
      fields_(fields),
      saveChangesButton_(saveChangesButton),
      status_(status),
      paths_(paths),
      openDescription_(std::move(openDescription)) {}

core::FilmEntry CatalogueEditor::FilmFromFields() {
  bool replaced = false;
  const auto bytes = [&replaced](const toolkit::Control& field) {
    bool lost = false;
    std::string text = toolkit::ToCp1250(field.WText(), &lost);
    replaced = replaced || lost;
    return text;
  };
  core::FilmEntry film{bytes(fields_.polishTitle), bytes(fields_.originalTitle),
                       bytes(fields_.genre), bytes(fields_.discs), bytes(fields_.medium)};
  // Said once for the film, however many fields it concerns.
  if (replaced) {
    status_.ShowMessage(kCharactersReplaced);
    status_.ClearMessageSoon();
  }
  return film;
}

void CatalogueEditor::Add() {
  catalogue_.Append(FilmFromFields());
  status_.ShowCount(CountForm::WithPosition);
  fields_.polishTitle.SetWText(L"");
  fields_.originalTitle.SetWText(L"");
  DescribeSelected();
}

void CatalogueEditor::TakeSelected() {
  const int row = catalogue_.Selected();
  if (row < 0) return;
  const core::FilmEntry film = catalogue_.Film(row);
  fields_.polishTitle.SetText(film.polishTitle);
  fields_.originalTitle.SetText(film.originalTitle);
  fields_.searchText.SetText(film.originalTitle);
  fields_.genre.SetText(film.genre);
  const auto discs = core::ParseIniInteger(film.discs);
  if (!discs)
    throw toolkit::Error(L"\u201E" + toolkit::FromCp1250(film.discs) +
                         L"\u201D nie jest poprawną liczbą całkowitą.");
  fields_.discs.SetWText(std::to_wstring(*discs));
  fields_.medium.SetText(film.medium);
  saveChangesButton_.SetEnabled(true);
  catalogue_.Mark(row);
}

void CatalogueEditor::SaveChanges() {
  catalogue_.Erase(catalogue_.Marked());
  catalogue_.Append(FilmFromFields());
  catalogue_.Mark(core::kNoFilm);
  saveChangesButton_.SetEnabled(false);
}

void CatalogueEditor::DescribeSelected() {
  const int row = catalogue_.Selected();
  if (row >= 0) openDescription_(catalogue_.Film(row).polishTitle);
}

void CatalogueEditor::PastePolishTitle() {
  fields_.polishTitle.SetWText(toolkit::ClipboardText(fields_.polishTitle.Handle()));
}

void CatalogueEditor::PasteOriginalTitle() {
  fields_.originalTitle.SetWText(toolkit::ClipboardText(fields_.originalTitle.Handle()));
}

void CatalogueEditor::ShowSelection() {
  status_.ShowCount(CountForm::WithPosition);
}

}  // namespace kadrion::features
