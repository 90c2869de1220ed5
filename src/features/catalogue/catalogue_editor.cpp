#include "features/catalogue/catalogue_editor.h"

#include "core/ini_value.h"
#include "core/record_codec.h"
#include "toolkit/text.h"

namespace kadrion::features {

namespace {
// A number of discs is 0 to 9999: one to four digits, nothing else.
constexpr int kDiscDigits = 4;
constexpr int kMostDiscs = 9999;
// Said after a film is added or saved that the list's filter does not show.
constexpr wchar_t kHiddenByFilter[] = L" Filtr listy go ukrywa.";

bool IsDiscCount(std::wstring_view text) {
  return !text.empty() && text.size() <= kDiscDigits &&
         text.find_first_not_of(L"0123456789") == std::wstring_view::npos;
}

std::wstring Quoted(const std::wstring& text) {
  return L"\u201E" + text + L"\u201D";
}

std::wstring Refused(FieldsUse use) {
  return use == FieldsUse::Adding ? L"Film nie został dodany." : L"Zmiany nie zostały zapisane.";
}

bool Blank(const std::wstring& text) {
  return text.find_first_not_of(L" \t") == std::wstring::npos;
}

std::wstring DiscCountRefusal(const std::wstring& discs, FieldsUse use) {
  return L"Ilość płyt musi być liczbą od 0 do 9999, a " +
         (discs.empty() ? std::wstring(L"pole jest puste") : L"jest " + Quoted(discs)) + L". " +
         Refused(use);
}

std::wstring CodePageQuestion(const std::wstring& characters, FieldsUse use) {
  return L"Tych znaków nie da się zapisać w katalogu: " + characters + L".\n\n" +
         (use == FieldsUse::Adding ? L"Dodać film" : L"Zapisać zmiany") + L" ze znakiem " +
         Quoted(L"?") + L" w ich miejscu? Wybierz " + Quoted(L"Nie") +
         L", aby najpierw poprawić pola.";
}
}  // namespace

CatalogueEditor::CatalogueEditor(core::Catalogue& catalogue, const core::ShownFilms& shown,
                                 toolkit::Dialogs& dialogs, const toolkit::Control& owner, FilmFields fields,
                                 toolkit::Button& saveChangesButton, StatusLine& status,
                                 DescriptionFiles& descriptions, DescriptionView descriptionView)
    : catalogue_(catalogue),
      shown_(shown),
      dialogs_(dialogs),
      owner_(owner),
      fields_(fields),
      saveChangesButton_(saveChangesButton),
      status_(status),
      descriptions_(descriptions),
      descriptionView_(std::move(descriptionView)) {
  catalogue_.AddObserver(*this);
}

CatalogueEditor::~CatalogueEditor() {
  catalogue_.RemoveObserver(*this);
}

void CatalogueEditor::CatalogueChanged(core::CatalogueChange change) {
  // The film taken went (deleted, or the file read anew): so did the editing.
  if (change != core::CatalogueChange::Selection) ShowEditing();
}

void CatalogueEditor::ShowEditing() {
  saveChangesButton_.SetEnabled(Editing());
  status_.ShowStanding(Editing() ? L"Edytujesz " +
                                       Quoted(toolkit::FromCp1250(
                                           catalogue_.Film(catalogue_.Marked()).polishTitle)) +
                                       L": Enter zapisuje, Esc kończy edycję"
                                 : L"");
}

void CatalogueEditor::LimitFields() {
  const auto capacity = [](int column) {
    return static_cast<int>(core::kRecordFields[column].capacity);
  };
  fields_.polishTitle.SetLimit(capacity(0));
  fields_.originalTitle.SetLimit(capacity(1));
  fields_.genre.SetLimit(capacity(2));
  fields_.discs.TakeDigitsOnly(kDiscDigits);
  fields_.medium.SetLimit(capacity(4));
}

std::optional<core::FilmEntry> CatalogueEditor::FilmFromFields(FieldsUse use) {
  const std::wstring discs = fields_.discs.WText();
  if (!IsDiscCount(discs)) {
    dialogs_.ShowMessage(owner_.Handle(), DiscCountRefusal(discs, use));
    fields_.discs.Focus();
    SendMessageW(fields_.discs.Handle(), EM_SETSEL, 0, -1);
    return std::nullopt;
  }
  const std::wstring texts[] = {fields_.polishTitle.WText(), fields_.originalTitle.WText(),
                                fields_.genre.WText(), discs, fields_.medium.WText()};
  // Asked once for the film, however many fields hold such characters.
  const std::wstring outside = toolkit::CharactersOutsideCp1250(
      texts[0] + L'\n' + texts[1] + L'\n' + texts[2] + L'\n' + texts[4]);
  if (!outside.empty() &&
      dialogs_.AskYesNo(owner_.Handle(), CodePageQuestion(outside, use)) != toolkit::Answer::Yes)
    return std::nullopt;
  const auto bytes = [](const std::wstring& text) {
    return toolkit::ToCp1250OrQuestionMarks(text);
  };
  return core::FilmEntry{bytes(texts[0]), bytes(texts[1]), bytes(texts[2]), bytes(texts[3]),
                         bytes(texts[4])};
}

bool CatalogueEditor::HasTitle(FieldsUse use) {
  if (!Blank(fields_.polishTitle.WText()) || !Blank(fields_.originalTitle.WText())) return true;
  dialogs_.ShowMessage(owner_.Handle(), L"Wpisz tytuł polski albo oryginalny. " + Refused(use));
  fields_.polishTitle.Focus();
  return false;
}

void CatalogueEditor::Add() {
  if (!HasTitle(FieldsUse::Adding)) return;
  const auto film = FilmFromFields(FieldsUse::Adding);
  if (!film) return;
  catalogue_.Append(*film);
  status_.ShowCount(CountForm::WithPosition);
  if (!shown_.Matches(core::ViewOf(*film)))
    status_.ShowMessage(L"Dodano " + Quoted(toolkit::FromCp1250(film->polishTitle)) + L"." +
                        kHiddenByFilter);
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
  // Read as the program always read it ("007" is 7); anything else stays as stored, to be
  // mended before the changes can be saved.
  const auto discs = core::ParseIniInteger(film.discs);
  const bool counted = discs && *discs >= 0 && *discs <= kMostDiscs;
  fields_.discs.SetWText(counted ? std::to_wstring(*discs) : toolkit::FromCp1250(film.discs));
  fields_.medium.SetText(film.medium);
  catalogue_.Mark(row);
  ShowEditing();
  if (!counted)
    dialogs_.ShowMessage(owner_.Handle(),
                         L"Ilość płyt tego filmu (" + Quoted(toolkit::FromCp1250(film.discs)) +
                             L") nie jest liczbą od 0 do 9999. Popraw ją przed zapisaniem zmian.");
}

void CatalogueEditor::SaveChanges() {
  const int taken = catalogue_.Marked();
  if (taken == core::kNoFilm || !HasTitle(FieldsUse::Saving)) return;
  const auto film = FilmFromFields(FieldsUse::Saving);
  if (!film) return;
  const std::string oldTitle = catalogue_.Film(taken).polishTitle;
  // The description's file first: a failure there raises before the film has changed.
  const DescriptionMove description = oldTitle == film->polishTitle
                                          ? DescriptionMove::Stayed
                                          : descriptions_.FollowTitle(taken, film->polishTitle);
  if (description == DescriptionMove::Cancelled) return;
  catalogue_.SaveChanged(taken, *film);
  const int saved = catalogue_.Count() - 1;
  catalogue_.Mark(saved);
  catalogue_.Select(saved);
  ShowEditing();
  if (description == DescriptionMove::Moved && descriptionView_.retitle)
    descriptionView_.retitle(oldTitle, film->polishTitle);
  status_.ShowMessage(L"Zapisano zmiany: " + Quoted(toolkit::FromCp1250(film->polishTitle)) +
                      (shown_.Matches(core::ViewOf(*film)) ? L"" : std::wstring(L".") + kHiddenByFilter));
}

void CatalogueEditor::EndEditing() {
  if (!Editing()) return;
  const std::string title = catalogue_.Film(catalogue_.Marked()).polishTitle;
  catalogue_.Mark(core::kNoFilm);
  ShowEditing();
  status_.ShowMessage(L"Zakończono edycję " + Quoted(toolkit::FromCp1250(title)) + L".");
}

void CatalogueEditor::ClearFields() {
  fields_.polishTitle.SetWText(L"");
  fields_.originalTitle.SetWText(L"");
  EndEditing();
  fields_.polishTitle.Focus();
}

void CatalogueEditor::DescribeSelected() {
  const int row = catalogue_.Selected();
  if (row >= 0) descriptionView_.open(catalogue_.Film(row).polishTitle);
}

void CatalogueEditor::PastePolishTitle() {
  fields_.polishTitle.PasteOver();
}

void CatalogueEditor::PasteOriginalTitle() {
  fields_.originalTitle.PasteOver();
}

void CatalogueEditor::ShowSelection() {
  status_.ShowCount(CountForm::WithPosition);
}

}  // namespace kadrion::features
