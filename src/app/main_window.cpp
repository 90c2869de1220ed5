// The main window's controls as designed, and which feature each of their events runs.
#include "app/main_window.h"

#include "app/control_ids.h"
#include "app/single_instance.h"
#include "features/titles/title_cleaning.h"
#include "toolkit/dpi.h"
#include "toolkit/files.h"

namespace kadrion::app {

namespace {

using toolkit::Align;

constexpr COLORREF kRed = RGB(255, 0, 0);

// A place of the window design, at the screen's DPI setting.
RECT At(int left, int top, int width, int height) {
  return toolkit::ScaledRect(left, top, width, height);
}

// clang-format off
const std::vector<std::wstring> kGenres = {
    L"",               L"Akcja",           L"Bajka",          L"Baśń",           L"Biograficzny",
    L"Czarna komedia", L"Dokumentalny",    L"Dramat",         L"Dreszczowiec",   L"Erotyczny",
    L"Fabularny",      L"Familijny",       L"Fantasy",        L"Gangsterski",    L"Historyczny",
    L"Horror",         L"Katastroficzny",  L"Komedia",        L"Komedia kryminalna",
    L"Komedia obycz.", L"Komedia rom.",    L"Kostiumowy",     L"Kryminał",       L"Melodramat",
    L"Muzyczny",       L"Obyczjowy",       L"Przygodowy",     L"Psychologiczny", L"Romans",
    L"Science Fiction", L"Sensacyjny",     L"Sportowy",       L"Sztuki walki",   L"Thriller",
    L"Western",        L"Wojenny"};
// clang-format on

const std::vector<std::wstring> kMedia = {L"CD", L"DVD", L"VCD", L"SVCD"};

}  // namespace

MainWindow::MainWindow(core::Catalogue& catalogue, const features::AppPaths& paths,
                       const Services& services, NotepadWindow& notepad,
                       DescriptionWindow& description, toolkit::Application& application)
    : Form(L"TMainWindow"),
      application_(application),
      paths_(paths),
      dialogs_(services.dialogs),
      settings_(paths.SettingsPath()),
      catalogue_(catalogue),
      catalogueDisk_(paths.CataloguePath(), paths.CatalogueBackupPath()),
      catalogueFile_(catalogueDisk_),
      autosave_(catalogue, catalogueFile_, application_.Timers(), application_.Errors()),
      notepad_(notepad),
      description_(description),
      filmList_(catalogue),
      statusLine_(statusBar_, catalogue, application_.Timers()),
      descriptionFiles_(catalogue, paths, services.dialogs, *this, services.recycleBin),
      editor_(
          catalogue, services.dialogs, *this,
          features::FilmFields{polishTitleEdit_, originalTitleEdit_, genreBox_, discsEdit_,
                               mediumBox_, searchEdit_},
          saveChangesButton_, statusLine_, descriptionFiles_,
          features::DescriptionView{[this](const std::string& title) { description_.Open(title); },
                                    [this](const std::string& from, const std::string& to) {
                                      description_.FollowTitle(from, to);
                                    }}),
      deletion_(catalogue, statusLine_, paths, services.recycleBin),
      finder_(catalogue, filmList_, searchEdit_, statusLine_),
      listOrder_(catalogue, filmList_, statusLine_),
      titlesFromFiles_(services.dialogs, *this,
                       features::TitleFields{polishTitleEdit_, originalTitleEdit_, addAtOnceCheck_,
                                             titleFromFileCheck_},
                       [this] { editor_.Add(); }),
      longWork_(*this, application_.Timers(), application_.Errors()),
      csvTransfer_(catalogue, services.dialogs, *this, statusLine_, longWork_),
      folderImport_(catalogue, services.dialogs, *this, statusLine_, longWork_, titleFromFileCheck_,
                    [this] { return editor_.FieldsAsNewFilm(); }),
      htmlList_(catalogue, filmList_, catalogueFile_, paths, statusLine_),
      webSearch_(services.shell, searchEdit_),
      appearance_(filmList_, colourSample_, services.dialogs, *this),
      alwaysOnTop_(listMenu_, {this, &description}),
      linkStrip_(links_, services.shell, services.linkSource, paths),
      notificationArea_(services.notificationArea) {}

void MainWindow::Create() {
  onKey = [this](WPARAM key, bool control, bool shift) { return OnKey(key, control, shift); };
  // Media files dropped from Explorer are taken as if picked with "D".
  onFilesDropped = [this](const std::vector<std::wstring>& files) {
    titlesFromFiles_.AddFiles(files);
  };
  // A big catalogue takes as long to read as the window takes to make: both at once.
  catalogueFile_.StartLoading();
  // The design bounds; the settings file normally overrides them at every start.
  CreateForm(L"Kadrion filmów 1.1", At(192, 114, 695, 548));
  SetMainForm(true);
  CreateControls();
  onShow = [this] { OnFirstShow(); };
  onClose = [this] { OnClose(); };
  onEndSession = [this] { OnEndSession(); };
  application_.Errors().Guard([this] { OnCreate(); });
  decorations_ = std::make_unique<components::MainWindowDecorations>(
      *this, notificationArea_, application_.Title(), application_);
}

void MainWindow::CreateControls() {
  toolkit::Panel& client = Client();
  linkPanel_.Create(client, id::Panel1, At(0, 0, 100, 17), Align::Top);
  linkStrip_.Create(linkPanel_, {id::r1, id::r2, id::r3, id::r4, id::r5, id::r6, id::r7});
  statusBar_.Create(client, id::StatusBar, {toolkit::Scaled(150), toolkit::Scaled(200)});
  editPanel_.Create(client, id::Panel3, At(0, 0, 198, 100), Align::Right);
  CreateEditPanel();
  filmList_.Create(client, id::Lista);
  CreateMenus();
  BindEvents();
  filmList_.SetAccessibleName(L"Filmy");
  client.Realign();
}

void MainWindow::CreateEditPanel() {
  toolkit::FontInfo redBold = GetFont();
  redBold.style = toolkit::fsBold;
  redBold.color = kRed;
  const auto red = std::make_shared<const toolkit::Font>(redBold);
  pickFilesButton_.SetFont(red);
  pastePolishTitleButton_.SetFont(red);
  pasteOriginalTitleButton_.SetFont(red);
  constexpr auto kRedCaption = toolkit::ButtonFace::OwnColours;

  // Created in the keyboard focus order; the zero-size "Zapisz zmiany" follows "Dodaj opis".
  toolkit::Panel& panel = editPanel_;
  polishTitleLabel_.Create(panel, id::Label1, L"Tytuł polski", At(8, 4, 120, 14));
  polishTitleEdit_.Create(panel, id::p, At(8, 19, 128, 21));
  pickFilesButton_.Create(panel, id::Button7, L"D", At(138, 19, 20, 21), kRedCaption);
  pastePolishTitleButton_.Create(panel, id::Button2, L"Wklej", At(160, 19, 34, 21), kRedCaption);
  originalTitleLabel_.Create(panel, id::Label2, L"Tytuł oryginalny", At(8, 44, 120, 14));
  originalTitleEdit_.Create(panel, id::O, At(8, 59, 150, 21));
  pasteOriginalTitleButton_.Create(panel, id::Button3, L"Wklej", At(160, 59, 34, 21), kRedCaption);
  genreLabel_.Create(panel, id::Label3, L"Gatunek", At(8, 84, 120, 14));
  genreBox_.Create(panel, id::g, At(8, 99, 186, 21), kGenres);
  discsLabel_.Create(panel, id::Label4, L"Ilość płyt", At(8, 125, 70, 14));
  discsEdit_.Create(panel, id::i, At(8, 140, 60, 21), 1, toolkit::SpinRange{0, 9999});
  mediumLabel_.Create(panel, id::Label5, L"Nośnik ", At(80, 125, 70, 14));
  mediumBox_.Create(panel, id::n, At(80, 140, 114, 21), kMedia);
  addAtOnceCheck_.Create(panel, id::Al, L"", At(8, 168, 16, 16));
  titleFromFileCheck_.Create(panel, id::NP, L"", At(30, 168, 16, 16));
  addButton_.Create(panel, id::AddBtn, L"Dodaj wpis", At(8, 190, 186, 25));
  deleteButton_.Create(panel, id::DelBtn, L"Usuń wpis", At(8, 218, 186, 25));
  describeButton_.Create(panel, id::AllClearBtn, L"Dodaj opis", At(8, 246, 186, 25));
  saveChangesButton_.Create(panel, id::SaveBtn, L"Zapisz zmiany", At(8, 271, 0, 0));
  saveChangesButton_.SetEnabled(false);
  htmlListButton_.Create(panel, id::ExportBtn, L"Generuj listę w HTML", At(8, 280, 186, 25));
  webSearchButton_.Create(panel, id::Button4, L"Podgląd HTML", At(8, 308, 186, 25));
  searchEdit_.Create(panel, id::ss, At(8, 344, 186, 21));
  findButton_.Create(panel, id::Button1, L"Szukaj", At(8, 368, 60, 25));
  nextButton_.Create(panel, id::Button5, L"Następny", At(70, 368, 62, 25));
  previousButton_.Create(panel, id::Button6, L"Poprzedni", At(134, 368, 60, 25));
  internetSearchButton_.Create(panel, id::Button8, L"Szukaj w internecie", At(8, 396, 186, 25));
  colourSample_.Create(panel, id::C, At(8, 432, 186, 21), L"Text Text");
  cleanSearchButton_.Create(panel, id::Sz, L"Sz", At(0, 0, 0, 0));
  cleanPolishTitleButton_.Create(panel, id::Sz2, L"Sz", At(0, 0, 0, 0));
  cleanOriginalTitleButton_.Create(panel, id::Sz3, L"Sz", At(0, 0, 0, 0));
  htmlMemo_.Create(panel, id::HTML, At(8, 460, 186, 40), L"HTML");
  htmlMemo_.SetVisible(false);
  // Tab stops only where the eye can follow; tools press the clean-up buttons by message.
  for (toolkit::Control* hidden : std::initializer_list<toolkit::Control*>{
           &cleanSearchButton_, &cleanPolishTitleButton_, &cleanOriginalTitleButton_, &htmlMemo_})
    hidden->SetTabStop(toolkit::TabStop::No);
  editor_.LimitFields();

  AddHint(pickFilesButton_, L"Dodaj z pliku");
  AddHint(addAtOnceCheck_, L"Automatycznie dodawaj do listy");
  AddHint(titleFromFileCheck_, L"Nazwa pliku");
  AddHint(colourSample_, L"Kolor czcionki, tła");

  // What a screen reader says for the controls whose caption or label does not tell what they
  // do. The search button keeps its caption "Szukaj", so the field is the searched text.
  pickFilesButton_.SetAccessibleName(L"Dodaj z pliku");
  pastePolishTitleButton_.SetAccessibleName(L"Wklej do tytułu polskiego");
  pasteOriginalTitleButton_.SetAccessibleName(L"Wklej do tytułu oryginalnego");
  addAtOnceCheck_.SetAccessibleName(L"Automatycznie dodawaj do listy");
  titleFromFileCheck_.SetAccessibleName(L"Tytuł z nazwy pliku");
  genreBox_.SetAccessibleName(L"Gatunek");
  mediumBox_.SetAccessibleName(L"Nośnik");
  searchEdit_.SetAccessibleName(L"Szukany tekst");
  colourSample_.SetAccessibleName(L"Kolor czcionki, tła");
}

void MainWindow::CreateMenus() {
  listMenu_.Add(L"Notatnik", [this] { OpenNotepad(); });
  listMenu_.AddSeparator();
  listMenu_.Add(L"Usuń wpis", [this] { deletion_.DeleteSelected(); });
  listMenu_.AddSeparator();
  listMenu_.Add(L"Dodaj wpis", [this] { editor_.Add(); });
  listMenu_.AddSeparator();
  listMenu_.Add(L"Wyczyść pola", [this] { editor_.ClearFields(); });
  listMenu_.AddSeparator();
  listMenu_.Add(L"Generuj listę w HTML", [this] { htmlList_.Write(); });
  listMenu_.AddSeparator();
  listMenu_.Add(L"Podgląd HTML", [this] { webSearch_.Open(); });
  listMenu_.AddSeparator();
  alwaysOnTop_.AddMenuItems();
  listMenu_.AddSeparator();
  listMenu_.Add(L"Usuń duplikaty", [this] { listOrder_.RemoveDuplicates(); });
  // Later items go at the end, after a separator: outside tools count the ones above.
  listMenu_.AddSeparator();
  undoDeleteItem_ = listMenu_.Add(L"Cofnij usunięcie", [this] { deletion_.Undo(); });
  listMenu_[undoDeleteItem_].enabled = false;
  deletion_.onUndoChanged = [this](bool canUndo) { listMenu_[undoDeleteItem_].enabled = canUndo; };
  listMenu_.AddSeparator();
  listMenu_.Add(L"Eksportuj do pliku CSV…", [this] { csvTransfer_.Export(); });
  listMenu_.Add(L"Importuj z pliku CSV…", [this] { csvTransfer_.Import(); });
  listMenu_.Add(L"Dodaj filmy z folderu…", [this] { folderImport_.PickFolder(); });
  filmList_.SetContextMenu(&listMenu_);

  sampleMenu_.Add(L"Czcionka", [this] { appearance_.PickFont(); });
  sampleMenu_.AddSeparator();
  sampleMenu_.Add(L"Kolor czcionki", [this] { appearance_.PickTextColour(); });
  sampleMenu_.AddSeparator();
  sampleMenu_.Add(L"Kolor tła", [this] { appearance_.PickBackground(); });
  colourSample_.SetContextMenu(&sampleMenu_);
}

void MainWindow::BindEvents() {
  addButton_.onClick = [this] { editor_.Add(); };
  deleteButton_.onClick = [this] { deletion_.DeleteSelected(); };
  saveChangesButton_.onClick = [this] { editor_.SaveChanges(); };
  describeButton_.onClick = [this] { editor_.DescribeSelected(); };
  pastePolishTitleButton_.onClick = [this] { editor_.PastePolishTitle(); };
  pasteOriginalTitleButton_.onClick = [this] { editor_.PasteOriginalTitle(); };
  filmList_.onClick = [this] { editor_.ShowSelection(); };
  filmList_.onDblClick = [this] { editor_.TakeSelected(); };
  filmList_.onColumnClick = [this](int column) { listOrder_.SortByColumn(column); };
  pickFilesButton_.onClick = [this] { titlesFromFiles_.PickFiles(); };
  // Tools press the zero-size clean-up buttons; the program cleans the fields directly.
  cleanSearchButton_.onClick = [this] { features::CleanTitleIn(searchEdit_); };
  cleanPolishTitleButton_.onClick = [this] { features::CleanTitleIn(polishTitleEdit_); };
  cleanOriginalTitleButton_.onClick = [this] { features::CleanTitleIn(originalTitleEdit_); };
  findButton_.onClick = [this] { finder_.Find(); };
  nextButton_.onClick = [this] { finder_.Next(); };
  previousButton_.onClick = [this] { finder_.Previous(); };
  htmlListButton_.onClick = [this] { htmlList_.Write(); };
  webSearchButton_.onClick = [this] { webSearch_.Open(); };
  internetSearchButton_.onClick = [this] { webSearch_.Open(); };
  // Bound after "Text Text" was put in, so that no colour dialog opens at start; every change
  // of the sample's text asks for the text colour, the text itself means nothing.
  colourSample_.onChange = [this] { appearance_.PickTextColour(); };
  colourSample_.onDblClick = [this] { appearance_.PickBackground(); };
}

bool MainWindow::OnKey(WPARAM key, bool control, bool shift) {
  const HWND focus = GetFocus();
  // A combo box has the keyboard focus in the edit inside it.
  bool inFilmField = false;
  for (const toolkit::Control* field : std::initializer_list<const toolkit::Control*>{
           &polishTitleEdit_, &originalTitleEdit_, &genreBox_, &discsEdit_, &mediumBox_})
    inFilmField |= focus && (focus == field->Handle() || GetParent(focus) == field->Handle());
  if (key == 'F' && control && !shift) {
    searchEdit_.Focus();
    SendMessageW(searchEdit_.Handle(), EM_SETSEL, 0, -1);
  } else if (key == VK_F3 && !control) {
    shift ? finder_.Previous() : finder_.Next();
  } else if ((key == VK_RETURN && !control && inFilmField) || (key == 'S' && control && !shift)) {
    // Enter in a field of a film taken from the list, or Ctrl+S anywhere, saves it as
    // "Zapisz zmiany" does; with no film taken nothing happens.
    if (!editor_.Editing()) return key == 'S';
    editor_.SaveChanges();
  } else if (key == VK_ESCAPE && inFilmField && editor_.Editing() &&
             !SendMessageW(genreBox_.Handle(), CB_GETDROPPEDSTATE, 0, 0) &&
             !SendMessageW(mediumBox_.Handle(), CB_GETDROPPEDSTATE, 0, 0)) {
    // An open drop-down list closes first, as everywhere.
    editor_.EndEditing();
  } else if (key == 'E' && control && !shift) {
    csvTransfer_.Export();
  } else if (key == 'I' && control && !shift) {
    csvTransfer_.Import();
  } else if (key == 'D' && control && !shift) {
    folderImport_.PickFolder();
  } else if (key == 'M' && control && !shift) {
    decorations_->trayIcon.HideToTray();
  } else if (key == 'R' && control && !shift) {
    decorations_->roller.SetRolledUp(!decorations_->roller.RolledUp());
  } else if (key == VK_RETURN && focus == searchEdit_.Handle()) {
    finder_.Find();
  } else if (key == VK_RETURN && focus == filmList_.Handle()) {
    editor_.TakeSelected();
  } else if (key == VK_DELETE && focus == filmList_.Handle()) {
    deletion_.DeleteSelected();
  } else if (key == 'Z' && control && !shift && !toolkit::IsTextField(focus)) {
    // In a text field Ctrl+Z takes back the typing, as everywhere in Windows.
    deletion_.Undo();
  } else {
    return false;
  }
  return true;
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == BringToFrontMessage()) {
    ComeToFront();
    return 0;
  }
  return Form::OnMessage(message, wParam, lParam);
}

void MainWindow::ComeToFront() {
  if (decorations_->trayIcon.IconVisible() && !Visible()) decorations_->trayIcon.RestoreFromTray();
  if (decorations_->roller.RolledUp()) decorations_->roller.SetRolledUp(false);
  Show();
  BringToFront();
}

void MainWindow::OpenNotepad() {
  notepad_.Open();
}

}  // namespace kadrion::app
