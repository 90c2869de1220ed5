#pragma once
// Films from picked media files: the file and folder names become the titles, cleaned of
// release tags, and are added to the list at once when asked.
#include <functional>

#include "toolkit/controls.h"
#include "toolkit/dialogs.h"

namespace kadrion::features {

struct TitleFields {
  toolkit::Edit& polishTitle;
  toolkit::Edit& originalTitle;
  toolkit::CheckBox& addAtOnce;           // add every picked file as a film
  toolkit::CheckBox& polishFromFileName;  // the Polish title from the file, not the folder
};

class TitlesFromFiles {
 public:
  // `addFilm` adds the films in the fields, as "Dodaj wpis" does.
  TitlesFromFiles(toolkit::Dialogs& dialogs, const toolkit::Control& owner, TitleFields fields,
                  std::function<void()> addFilm);

  // The open dialog, then AddFiles with the picked files in the dialog's order.
  void PickFiles();
  // For each file in turn: its titles into the fields, cleaned, the Polish one on the
  // clipboard, and added as a film when asked.
  void AddFiles(const std::vector<std::wstring>& files);

 private:
  toolkit::Dialogs& dialogs_;
  const toolkit::Control& owner_;
  TitleFields fields_;
  std::function<void()> addFilm_;
};

}  // namespace kadrion::features
