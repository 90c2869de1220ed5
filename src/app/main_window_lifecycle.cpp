// What happens when the main window is created, first shown and closed.
#include "app/main_window.h"

namespace kadrion::app {

namespace {
constexpr wchar_t kTitle[] = L"Kadrion filmów";
// The message names the path as the user knows it, relative to the program's folder.
constexpr wchar_t kMissingCatalogue[] = L"Nie znalazłem pliku: Dane\\Dane.dat. Zakładam nowy.";
}  // namespace

void MainWindow::OnCreate() {
  // No comparison is bound to the list until the first click on a column header.
  SetCaption(kTitle);
  application_.Title().Set(kTitle);
  // A catalogue that cannot be read must not keep the settings from loading: they would be
  // written back as the defaults at the close.
  application_.Errors().Guard([this] { LoadCatalogue(); });
  // Matched to the films, so after them; a file that cannot be read is said and kept.
  application_.Errors().Guard([this] { details_.Load(); });
  statusLine_.ShowCount(features::CountForm::Plain);
  LoadSettings();
}

void MainWindow::OnFirstShow() {
  // Later showings (a restore, say) do nothing.
  linkStrip_.Refresh();
  onShow = nullptr;
}

void MainWindow::OnClose() {
  SaveLaunchCounter();
  // A failure from here on keeps the window open, so that nothing is lost.
  document_.Save();
  details_.Save();
  SaveSettings();
  // Notes typed since the notepad was last closed would otherwise be lost. A failed write is
  // shown, and the program still ends: the catalogue and the settings are already written.
  application_.Errors().Guard([this] { notepad_.WriteNotesIfOpen(); });
}

void MainWindow::OnEndSession() {
  // Windows ends the process after this, whatever fails: every file gets its own chance.
  toolkit::ErrorGuard& errors = application_.Errors();
  SaveLaunchCounter();
  errors.Guard([this] { document_.Save(); });
  errors.Guard([this] { details_.Save(); });
  errors.Guard([this] { SaveSettings(); });
  errors.Guard([this] { notepad_.WriteNotesIfOpen(); });
  errors.Guard([this] { description_.SaveIfModified(); });
}

void MainWindow::SaveLaunchCounter() {
  // The count of starts only decides the announcement page; a temporary folder that cannot
  // take it must not keep the user from closing. It is said once, not at every close.
  try {
    linkStrip_.SaveLaunchCounter();
  } catch (...) {
    if (counterFailureShown_) return;
    counterFailureShown_ = true;
    application_.Errors().ShowCurrentException();
  }
}

void MainWindow::LoadCatalogue() {
  if (document_.Load() == core::CatalogueLoad::NoFile)
    dialogs_.ShowMessage(Handle(), kMissingCatalogue);
}

}  // namespace kadrion::app
