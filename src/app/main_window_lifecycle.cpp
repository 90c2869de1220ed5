// What happens when the main window is created, first shown and closed.
#include "app/main_window.h"
#include "catalogue/catalogue_file.h"
#include "toolkit/application.h"
#include "toolkit/files.h"
#include "windows/notepad_window.h"

namespace kadrion {

namespace {
constexpr wchar_t kTitle[] = L"Kadrion filmów";
// The message names the path as the user knows it, relative to the program's folder.
constexpr wchar_t kMissingCatalogue[] = L"Nie znalazłem pliku: Dane\\Dane.dat. Zakładam nowy.";
}  // namespace

void TMainWindow::FormCreate() {
  // No comparison is bound to the list until the first click on a column header.
  SetCaption(kTitle);
  toolkit::Application::Instance().SetTitle(kTitle);
  LoadCatalogue();
  SetStatusLine(false);
  LoadSettings();
}

void TMainWindow::FormShow() {
  // Runs once per process: later showings (a restore, say) do nothing.
  ShowLinks();
  onShow = nullptr;
}

void TMainWindow::FormClose() {
  SaveLaunchCounter();
  WriteCatalogue();
  SaveSettings();
  // Notes typed since the notepad was last closed would otherwise be lost. A failed write is
  // shown, and the program still ends: the catalogue and the settings are already written.
  if (Form1) toolkit::Application::Instance().Guard([this] { Form1->WriteNotesIfOpen(); });
}

void TMainWindow::LoadCatalogue() {
  if (!toolkit::FileExists(paths_.CataloguePath())) {
    toolkit::Application::Instance().dialogs().ShowMessage(Handle(), kMissingCatalogue);
    return;
  }
  Lista.Assign(ReadCatalogue(paths_.CataloguePath()));
}

void TMainWindow::WriteCatalogue() { kadrion::WriteCatalogue(paths_.CataloguePath(), Lista.Rows()); }

void TMainWindow::SetStatusLine(bool longForm) {
  std::wstring line = L"Rekordów: " + std::to_wstring(Lista.Count());
  if (longForm) line += L"  [" + std::to_wstring(Lista.Selected() + 1) + L"]";
  StatusBar.SetPanelText(0, line);
}

}  // namespace kadrion
