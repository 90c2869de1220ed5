#include "features/catalogue/film_deletion.h"

#include "toolkit/error.h"
#include "toolkit/files.h"
#include "toolkit/text.h"
#include "toolkit/win.h"

namespace kadrion::features {

namespace {
constexpr wchar_t kNothingToDelete[] = L"Nie wybrano rekordu do usunięcia.";

// A cheap first look: titles that can name one file are of one length and differ only in the
// case of their letters (any two letters beyond ASCII may be such a pair).
bool MayNameOneFile(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k) {
    const auto x = static_cast<unsigned char>(a[k]), y = static_cast<unsigned char>(b[k]);
    const auto fold = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    if (fold(x) != fold(y) && (x < 0x80 || y < 0x80)) return false;
  }
  return true;
}

std::wstring Quoted(const std::string& title) {
  return L"\u201E" + toolkit::FromCp1250(title) + L"\u201D";
}
}  // namespace

FilmDeletion::FilmDeletion(core::Catalogue& catalogue, StatusLine& status, const AppPaths& paths,
                           toolkit::RecycleBin& recycleBin)
    : catalogue_(catalogue), status_(status), paths_(paths), recycleBin_(recycleBin) {
  catalogue_.AddObserver(*this);
}

FilmDeletion::~FilmDeletion() {
  catalogue_.RemoveObserver(*this);
}

void FilmDeletion::CatalogueChanged(core::CatalogueChange change) {
  if (change != core::CatalogueChange::Selection && onUndoChanged)
    onUndoChanged(catalogue_.CanUndo());
}

bool FilmDeletion::DescriptionSharedWith(int row, const std::wstring& path) const {
  // Titles that differ only in the case of their letters name one file on Windows; a path is
  // made only for those that may, so a delete stays quick among 100,000 films.
  const std::string_view title = catalogue_.Films().Text(static_cast<std::size_t>(row), 0);
  for (int other = 0; other < catalogue_.Count(); ++other) {
    if (other == row) continue;
    const std::string_view candidate = catalogue_.Films().Text(static_cast<std::size_t>(other), 0);
    if (!MayNameOneFile(candidate, title)) continue;
    const auto otherPath = paths_.DescriptionPath(candidate);
    if (otherPath && lstrcmpiW(otherPath->c_str(), path.c_str()) == 0) return true;
  }
  return false;
}

void FilmDeletion::DeleteSelected() {
  const int row = catalogue_.Selected();
  if (row < 0) {
    status_.ShowMessage(kNothingToDelete);
    status_.ClearMessageSoon();
    return;
  }
  const core::FilmEntry film = catalogue_.Film(row);
  // The description goes with the film into the undo step and, as a file, to the Recycle Bin.
  // A missing one, one another film uses, or one that cannot be moved stays where it is and
  // does not stop the delete.
  std::optional<std::string> description;
  const auto path = paths_.DescriptionPath(film.polishTitle);
  if (path && toolkit::FileExists(*path) && !DescriptionSharedWith(row, *path)) {
    try {
      std::string text = toolkit::ReadWholeFile(*path);
      if (recycleBin_.Recycle(*path)) description = std::move(text);
    } catch (const toolkit::Error&) {
      // Unreadable: left where it is.
    }
  }
  catalogue_.Delete(row, std::move(description));
  status_.ShowCount(CountForm::Plain);
  status_.ShowMessage(L"Usunięto " + Quoted(film.polishTitle) + L". Ctrl+Z przywraca.");
  status_.ClearMessageSoon();
}

void FilmDeletion::Undo() {
  const auto step = catalogue_.Undo();
  if (!step) return;
  status_.ShowCount(CountForm::Plain);
  status_.ClearMessageSoon();
  if (const auto* added = std::get_if<core::AddedFilms>(&*step)) {
    status_.ShowMessage(L"Cofnięto dodanie filmów (" + std::to_wstring(added->rows.size()) + L").");
    return;
  }
  const auto& deleted = std::get<core::DeletedFilm>(*step);
  status_.ShowMessage(L"Przywrócono " + Quoted(deleted.film.polishTitle) + L".");
  // A description written meanwhile for a film of the same title is newer: it stays.
  const auto path = paths_.DescriptionPath(deleted.film.polishTitle);
  if (deleted.description && path && !toolkit::FileExists(*path))
    toolkit::WriteWholeFile(*path, *deleted.description);
}

}  // namespace kadrion::features
