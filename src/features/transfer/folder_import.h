#pragma once
// "Dodaj filmy z folderu…": the films of the video and DVD files in a folder tree, titled as
// core/media_films.h says (parts of one film joined, files side by side titled by their names),
// found off the window's thread and added as one step Ctrl+Z takes back.
#include <functional>
#include <optional>
#include <string>

#include "core/catalogue.h"
#include "features/catalogue/status_line.h"
#include "features/transfer/import_runner.h"
#include "toolkit/background_work.h"
#include "toolkit/controls.h"
#include "toolkit/dialogs.h"

namespace kadrion::features {

class FolderImport {
 public:
  // `fieldsFilm` gives the genre, number of discs and medium the window shows for a new film,
  // or nothing when they cannot be taken (the user has been told why); `polishFromFileName` is
  // the "D" check box that takes the Polish title from the file's name.
  FolderImport(core::Catalogue& catalogue, toolkit::Dialogs& dialogs, const toolkit::Control& owner,
               StatusLine& status, toolkit::BackgroundWork& work,
               const toolkit::CheckBox& polishFromFileName,
               std::function<std::optional<core::FilmEntry>()> fieldsFilm);

  // The folder picker, then AddFolder.
  void PickFolder();
  void AddFolder(const std::wstring& folder);

 private:
  toolkit::Dialogs& dialogs_;
  const toolkit::Control& owner_;
  ImportRunner imports_;
  const toolkit::CheckBox& polishFromFileName_;
  std::function<std::optional<core::FilmEntry>()> fieldsFilm_;
};

}  // namespace kadrion::features
