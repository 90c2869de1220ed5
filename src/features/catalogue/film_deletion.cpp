#include "features/catalogue/film_deletion.h"

#include "features/catalogue/description_files.h"
#include "toolkit/error.h"
#include "toolkit/files.h"
#include "toolkit/text.h"
#include "toolkit/win.h"

namespace kadrion::features {

namespace {
constexpr wchar_t kNothingToDelete[] = L"Nie wybrano rekordu do usunięcia.";

std::wstring Quoted(const std::string& title) {
  return L"\u201E" + toolkit::FromCp1250(title) + L"\u201D";
}
}  // namespace

FilmDeletion::FilmDeletion(core::Catalogue& catalogue, StatusLine& status, const AppPaths& paths,
                           toolkit::RecycleBin& recycleBin)
    : catalogue_(catalogue), status_(status), paths_(paths), recycleBin_(recycleBin) {}

void FilmDeletion::DeleteSelected() {
  const int row = catalogue_.Selected();
  if (row < 0) {
    status_.ShowMessage(kNothingToDelete);
    return;
  }
  const core::FilmEntry film = catalogue_.Film(row);
  // The description goes with the film into the undo step and, as a file, to the Recycle Bin.
  // A missing one, one another film uses, or one that cannot be moved stays where it is and
  // does not stop the delete.
  std::optional<std::string> description;
  const auto path = paths_.DescriptionPath(film.polishTitle);
  if (path && toolkit::FileExists(*path) &&
      !DescriptionSharedWith(catalogue_, paths_, row, *path)) {
    try {
      std::string text = toolkit::ReadWholeFile(*path);
      if (recycleBin_.Recycle(*path)) description = std::move(text);
    } catch (const core::Failure&) {
      // Unreadable: left where it is.
    }
  }
  catalogue_.Delete(row, std::move(description));
  status_.ShowCount(CountForm::Plain);
  status_.ShowMessage(L"Usunięto " + Quoted(film.polishTitle) + L". Ctrl+Z przywraca.");
}

void FilmDeletion::Undo() {
  const auto step = catalogue_.Undo();
  if (!step) return;
  status_.ShowCount(CountForm::Plain);
  if (const auto* added = std::get_if<core::AddedFilms>(&*step)) {
    status_.ShowMessage(L"Cofnięto dodanie filmów (" + std::to_wstring(added->rows.size()) + L").");
    return;
  }
  if (const auto* removed = std::get_if<core::RemovedFilms>(&*step)) {
    status_.ShowMessage(L"Przywrócono powtórzone filmy (" + std::to_wstring(removed->films.Size()) +
                        L").");
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
