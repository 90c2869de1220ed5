// What happens when the main window is created, first shown and closed.
#include "app/main_window.h"
#include "toolkit/application.h"
#include "toolkit/error.h"
#include "toolkit/files.h"

namespace kadrion {

namespace {
constexpr wchar_t kTitle[] = L"Kadrion filmów";
// The message names the path as the user knows it, relative to the program's folder.
constexpr wchar_t kMissingCatalogue[] = L"Nie znalazłem pliku: Dane\\Dane.dat. Zakładam nowy.";
constexpr wchar_t kCatalogueKept[] =
    L"Lista filmów jest pusta, a plik zostaje bez zmian. Przy zapisie katalog zostanie wczytany "
    L"ponownie, a filmy dodane teraz trafią na jego koniec.";
constexpr wchar_t kCatalogueStillUnread[] =
    L"Katalogu nie udało się wczytać przy starcie i nadal nie można go odczytać, więc nie "
    L"zostanie zastąpiony. Zamknij program, który go używa, i spróbuj ponownie.";
}  // namespace

void MainWindow::OnCreate() {
  // No comparison is bound to the list until the first click on a column header.
  SetCaption(kTitle);
  toolkit::Application::Instance().SetTitle(kTitle);
  // A catalogue that cannot be read must not keep the settings from loading: they would be
  // written back as the defaults at the close.
  toolkit::Application::Instance().Guard([this] { LoadCatalogue(); });
  statusLine_.ShowCount(false);
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
  CatchUpUnreadCatalogue();
  catalogueFile_.Save(filmList_);
  SaveSettings();
  // Notes typed since the notepad was last closed would otherwise be lost. A failed write is
  // shown, and the program still ends: the catalogue and the settings are already written.
  toolkit::Application::Instance().Guard([this] { notepad_.WriteNotesIfOpen(); });
}

void MainWindow::OnEndSession() {
  // Windows ends the process after this, whatever fails: every file gets its own chance.
  auto& application = toolkit::Application::Instance();
  SaveLaunchCounter();
  application.Guard([this] {
    CatchUpUnreadCatalogue();
    catalogueFile_.Save(filmList_);
  });
  application.Guard([this] { SaveSettings(); });
  application.Guard([this] { notepad_.WriteNotesIfOpen(); });
}

void MainWindow::SaveLaunchCounter() {
  // The count of starts only decides the announcement page; a temporary folder that cannot
  // take it must not keep the user from closing. It is said once, not at every close.
  try {
    linkStrip_.SaveLaunchCounter();
  } catch (...) {
    if (counterFailureShown_) return;
    counterFailureShown_ = true;
    toolkit::Application::Instance().ShowCurrentException();
  }
}

void MainWindow::LoadCatalogue() {
  if (!toolkit::FileExists(paths_.CataloguePath())) {
    dialogs_.ShowMessage(Handle(), kMissingCatalogue);
    return;
  }
  try {
    catalogueFile_.Load(filmList_);
  } catch (const toolkit::Error& error) {
    catalogueUnread_ = true;
    throw toolkit::Error(error.Message() + L"\n\n" + kCatalogueKept, error.SystemCode());
  }
}

void MainWindow::CatchUpUnreadCatalogue() {
  if (!catalogueUnread_) return;
  FilmStore films;
  const std::wstring path = paths_.CataloguePath();
  if (toolkit::FileExists(path)) {
    try {
      films = ReadCatalogue(path);
    } catch (const toolkit::Error& error) {
      throw toolkit::Error(error.Message() + L"\n\n" + kCatalogueStillUnread, error.SystemCode());
    }
  }
  // The catalogue's own films come first, as if they had been read at the start; the
  // selection and the film taken into the fields stay on their films.
  const int shift = static_cast<int>(films.Size());
  const int selected = filmList_.Selected(), marked = filmList_.Marked();
  films.Reserve(filmList_.Rows().Size(), filmList_.Rows().TextBytes());
  for (const FilmView film : filmList_.Rows()) films.Append(film);
  filmList_.Assign(std::move(films));
  if (marked >= 0) filmList_.SetMarked(marked + shift);
  if (selected >= 0) filmList_.Select(selected + shift);
  catalogueUnread_ = false;
  statusLine_.ShowCount(false);
}

void MainWindow::WriteHtmlList() {
  CatchUpUnreadCatalogue();
  htmlList_.Write();
}

}  // namespace kadrion
