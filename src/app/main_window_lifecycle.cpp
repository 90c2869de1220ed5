// What happens when the main window is created, first shown and closed.
#include "app/main_window.h"
#include "toolkit/application.h"
#include "toolkit/files.h"

namespace kadrion {

namespace {
constexpr wchar_t kTitle[] = L"Kadrion filmów";
// The message names the path as the user knows it, relative to the program's folder.
constexpr wchar_t kMissingCatalogue[] = L"Nie znalazłem pliku: Dane\\Dane.dat. Zakładam nowy.";
}  // namespace

void MainWindow::OnCreate() {
  // No comparison is bound to the list until the first click on a column header.
  SetCaption(kTitle);
  toolkit::Application::Instance().SetTitle(kTitle);
  LoadCatalogue();
  statusLine_.ShowCount(false);
  LoadSettings();
}

void MainWindow::OnFirstShow() {
  // Later showings (a restore, say) do nothing.
  linkStrip_.Refresh();
  onShow = nullptr;
}

void MainWindow::OnClose() {
  linkStrip_.SaveLaunchCounter();
  catalogueFile_.Save(filmList_);
  SaveSettings();
  // Notes typed since the notepad was last closed would otherwise be lost. A failed write is
  // shown, and the program still ends: the catalogue and the settings are already written.
  toolkit::Application::Instance().Guard([this] { notepad_.WriteNotesIfOpen(); });
}

void MainWindow::LoadCatalogue() {
  if (!toolkit::FileExists(paths_.CataloguePath())) {
    dialogs_.ShowMessage(Handle(), kMissingCatalogue);
    return;
  }
  catalogueFile_.Load(filmList_);
}

}  // namespace kadrion
