// The main window's actions, one row each: caption, keys, when it can run, what it does. The
// list's menu, the colour sample's menu, the buttons and the keys are bound from these rows.
#include "app/main_window.h"
#include "features/titles/title_cleaning.h"

namespace kadrion::app {

using toolkit::Command;
using toolkit::Ctrl;
using toolkit::FocusIn;
using toolkit::KeyChord;
using toolkit::Shift;

void MainWindow::DefineCommands() {
  // A combo box has the keyboard focus in the edit inside it.
  const toolkit::FocusRule inFilmFields = FocusIn(
      {&polishTitleEdit_, &originalTitleEdit_, &genreBox_, &discsEdit_, &mediumBox_});
  const toolkit::FocusRule inList = FocusIn({&filmList_});
  const auto editing = [this] { return editor_.Editing(); };
  auto& c = commands_;
  auto& id = command_;

  id.notepad = c.Add({L"Notatnik", {}, {}, [this] { notepad_.Open(); }});
  id.deleteFilm = c.Add({L"Usuń wpis", {{{VK_DELETE}, inList}}, {},
                         [this] { deletion_.DeleteSelected(); }});
  id.addFilm = c.Add({L"Dodaj wpis", {}, {}, [this] { editor_.Add(); }});
  id.clearFields = c.Add({L"Wyczyść pola", {}, {}, [this] { editor_.ClearFields(); }});
  id.htmlList = c.Add({L"Generuj listę w HTML", {}, {}, [this] { htmlList_.Write(); }});
  // The design's "Podgląd HTML" looks the title up on the web, as "Szukaj w internecie" does.
  id.htmlPreview = c.Add({L"Podgląd HTML", {}, {}, [this] { webSearch_.Open(); }});
  id.webSearch = c.Add({L"Szukaj w internecie", {}, {}, [this] { webSearch_.Open(); }});
  id.removeDuplicates =
      c.Add({L"Usuń duplikaty", {}, {}, [this] { listOrder_.RemoveDuplicates(); }});
  // In a text field Ctrl+Z takes back the typing, as everywhere in Windows.
  id.undo = c.Add({L"Cofnij usunięcie", {{Ctrl('Z'), toolkit::FocusOutsideTextFields()}},
                   [this] { return catalogue_.CanUndo(); }, [this] { deletion_.Undo(); }});
  id.exportCsv = c.Add(
      {L"Eksportuj do pliku CSV…", {{Ctrl('E')}}, {}, [this] { csvTransfer_.Export(); }});
  id.importCsv = c.Add(
      {L"Importuj z pliku CSV…", {{Ctrl('I')}}, {}, [this] { csvTransfer_.Import(); }});
  id.addFolder = c.Add(
      {L"Dodaj filmy z folderu…", {{Ctrl('D')}}, {}, [this] { folderImport_.PickFolder(); }});
  // Ctrl+S anywhere, or Enter in a field, saves the film taken from the list; with none taken
  // Enter is the field's own.
  id.saveChanges = c.Add({L"Zapisz zmiany", {{Ctrl('S')}, {{VK_RETURN}, inFilmFields}}, editing,
                          [this] { editor_.SaveChanges(); }});
  // An open drop-down list closes first, as everywhere.
  id.endEditing = c.Add({L"", {{{VK_ESCAPE}, inFilmFields}},
                         [this, editing] { return editing() && !DropDownOpen(); },
                         [this] { editor_.EndEditing(); }});
  id.describe = c.Add({L"Dodaj opis", {}, {}, [this] { editor_.DescribeSelected(); }});
  id.pastePolishTitle = c.Add({L"Wklej", {}, {}, [this] { editor_.PastePolishTitle(); }});
  id.pasteOriginalTitle = c.Add({L"Wklej", {}, {}, [this] { editor_.PasteOriginalTitle(); }});
  id.pickFiles = c.Add({L"D", {}, {}, [this] { titlesFromFiles_.PickFiles(); }});
  id.find = c.Add({L"Szukaj", {{{VK_RETURN}, FocusIn({&searchEdit_})}}, {},
                   [this] { finder_.Find(); }});
  id.findNext = c.Add({L"Następny", {{{VK_F3}}}, {}, [this] { finder_.Next(); }});
  id.findPrevious = c.Add({L"Poprzedni", {{Shift(VK_F3)}}, {}, [this] { finder_.Previous(); }});
  id.focusSearch = c.Add({L"", {{Ctrl('F')}}, {}, [this] { FocusSearchText(); }});
  id.takeSelected =
      c.Add({L"", {{{VK_RETURN}, inList}}, {}, [this] { editor_.TakeSelected(); }});
  id.hideToTray = c.Add({L"Minimalizuj do zasobnika", {{Ctrl('M')}}, {},
                         [this] { decorations_->trayIcon.HideToTray(); }});
  id.rollUp = c.Add({L"Zwiń", {{Ctrl('R')}}, {}, [this] {
                       decorations_->roller.SetRolledUp(!decorations_->roller.RolledUp());
                     }});
  id.pickFont = c.Add({L"Czcionka", {}, {}, [this] { appearance_.PickFont(); }});
  id.pickTextColour =
      c.Add({L"Kolor czcionki", {}, {}, [this] { appearance_.PickTextColour(); }});
  id.pickBackground = c.Add({L"Kolor tła", {}, {}, [this] { appearance_.PickBackground(); }});
  const toolkit::FocusRule inFilter = FocusIn({&filterEdit_});
  id.focusFilter = c.Add({L"", {{Ctrl('L')}}, {}, [this] { listFilter_.Focus(); }});
  id.clearFilter = c.Add({L"×", {{{VK_ESCAPE}, inFilter}}, {}, [this] { listFilter_.Clear(); }});
  id.filterToList = c.Add({L"", {{{VK_RETURN}, inFilter}, {{VK_DOWN}, inFilter}}, {},
                           [this] { listFilter_.GoToList(); }});
}

void MainWindow::CreateMenus() {
  const auto& id = command_;
  constexpr auto separator = toolkit::CommandTable::kSeparator;
  commands_.AddTo(listMenu_, {id.notepad, separator, id.deleteFilm, separator, id.addFilm,
                              separator, id.clearFields, separator, id.htmlList, separator,
                              id.htmlPreview, separator});
  alwaysOnTop_.AddMenuItems();
  // Later items go at the end, after a separator: outside tools count the ones before them.
  commands_.AddTo(listMenu_, {separator, id.removeDuplicates, separator, id.undo, separator,
                              id.exportCsv, id.importCsv, id.addFolder});
  filmList_.SetContextMenu(&listMenu_);

  commands_.AddTo(sampleMenu_, {id.pickFont, separator, id.pickTextColour, separator,
                                id.pickBackground});
  colourSample_.SetContextMenu(&sampleMenu_);
}

void MainWindow::BindEvents() {
  auto& c = commands_;
  const auto& id = command_;
  c.Bind(addButton_, id.addFilm);
  c.Bind(deleteButton_, id.deleteFilm);
  c.Bind(saveChangesButton_, id.saveChanges);
  c.Bind(describeButton_, id.describe);
  c.Bind(pastePolishTitleButton_, id.pastePolishTitle);
  c.Bind(pasteOriginalTitleButton_, id.pasteOriginalTitle);
  c.Bind(pickFilesButton_, id.pickFiles);
  c.Bind(findButton_, id.find);
  c.Bind(nextButton_, id.findNext);
  c.Bind(previousButton_, id.findPrevious);
  c.Bind(htmlListButton_, id.htmlList);
  c.Bind(webSearchButton_, id.htmlPreview);
  c.Bind(internetSearchButton_, id.webSearch);
  c.Bind(clearFilterButton_, id.clearFilter);
  onKey = [this](KeyChord chord) { return commands_.HandleKey(chord, GetFocus()); };

  filmList_.onClick = [this] { editor_.ShowSelection(); };
  filmList_.onDblClick = [this] { commands_.Run(command_.takeSelected); };
  filmList_.onColumnClick = [this](int column) { listOrder_.SortByColumn(column); };
  // Tools press the zero-size clean-up buttons; the program cleans the fields directly.
  cleanSearchButton_.onClick = [this] { features::CleanTitleIn(searchEdit_); };
  cleanPolishTitleButton_.onClick = [this] { features::CleanTitleIn(polishTitleEdit_); };
  cleanOriginalTitleButton_.onClick = [this] { features::CleanTitleIn(originalTitleEdit_); };
  // Bound after "Text Text" was put in, so that no colour dialog opens at start; every change
  // of the sample's text asks for the text colour, the text itself means nothing.
  colourSample_.onChange = [this] { commands_.Run(command_.pickTextColour); };
  colourSample_.onDblClick = [this] { commands_.Run(command_.pickBackground); };
}

void MainWindow::FocusSearchText() {
  searchEdit_.Focus();
  SendMessageW(searchEdit_.Handle(), EM_SETSEL, 0, -1);
}

bool MainWindow::DropDownOpen() const {
  return SendMessageW(genreBox_.Handle(), CB_GETDROPPEDSTATE, 0, 0) ||
         SendMessageW(mediumBox_.Handle(), CB_GETDROPPEDSTATE, 0, 0);
}

}  // namespace kadrion::app
