// Adding, changing and deleting films through the edit fields of the main window, and the
// status bar that follows them.
#include "app/main_window.h"
#include "core/description_path.h"
#include "core/ini_value.h"
#include "toolkit/clipboard.h"
#include "toolkit/error.h"
#include "toolkit/text.h"
#include "windows/description_window.h"

namespace kadrion {

namespace {
constexpr wchar_t kNothingToDelete[] = L"Nie wybrano rekordu do usunięcia.";
constexpr int kMessagePanel = 1;
}  // namespace

FilmEntry TMainWindow::EntryFromEdits() const {
  return FilmEntry{p.Text(), O.Text(), g.Text(), i.Text(), n.Text()};
}

void TMainWindow::Add() {
  Lista.Append(EntryFromEdits());
  SetStatusLine(true);
  p.SetWText(L"");
  O.SetWText(L"");
  AllClear();
}

void TMainWindow::DeleteRec() {
  const int row = Lista.Selected();
  if (row < 0) {
    StatusBar.SetPanelText(kMessagePanel, kNothingToDelete);
  } else {
    // A missing description, or one that cannot be deleted, does not stop the deletion.
    if (const auto file = DescriptionFile(Lista.Row(row).polishTitle))
      DeleteFileW((Paths().programFolder + toolkit::FromCp1250(*file)).c_str());
    Lista.Delete(row);
    SetStatusLine(false);
  }
  ClearTimer.SetEnabled(true);
}

void TMainWindow::ClearTimerTimer() {
  StatusBar.SetPanelText(kMessagePanel, L"");
  ClearTimer.SetEnabled(false);
}

void TMainWindow::ListaClick() { SetStatusLine(true); }

void TMainWindow::ListaDblClick() {
  const int row = Lista.Selected();
  if (row < 0) return;
  const FilmEntry& film = Lista.Row(row);
  p.SetText(film.polishTitle);
  O.SetText(film.originalTitle);
  ss.SetText(film.originalTitle);
  g.SetText(film.genre);
  const auto discs = ParseIniInteger(film.discs);
  if (!discs)
    throw toolkit::Error(L"\u201E" + toolkit::FromCp1250(film.discs) +
                         L"\u201D nie jest poprawną liczbą całkowitą.");
  i.SetWText(std::to_wstring(*discs));
  n.SetText(film.medium);
  SaveBtn.SetEnabled(true);
  Lista.SetMarked(row);
}

void TMainWindow::Save() {
  // The row that the double click took into the edit fields is the one replaced, wherever
  // it went meanwhile; when it was deleted, the edits are only appended.
  if (Lista.Marked() >= 0) Lista.Delete(Lista.Marked());
  Lista.Append(EntryFromEdits());
  Lista.SetMarked(-1);
  SaveBtn.SetEnabled(false);
}

void TMainWindow::AllClear() {
  const int row = Lista.Selected();
  if (row < 0 || !Form2) return;
  Form2->Open(Lista.Row(row).polishTitle);
}

void TMainWindow::Button2Click() { p.SetWText(toolkit::ClipboardText(Handle())); }

void TMainWindow::Button3Click() { O.SetWText(toolkit::ClipboardText(Handle())); }

}  // namespace kadrion
