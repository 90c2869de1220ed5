// The main window's controls as designed, and which feature each of their events runs.
#include "app/main_window.h"

#include "app/control_ids.h"
#include "app/single_instance.h"
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

MainWindow::MainWindow(features::CatalogueDocument& document, features::DetailsDocument& details,
                       features::SettingsFile& settings,
                       const features::AppPaths& paths, const Services& services,
                       toolkit::Application& application, NotepadWindow& notepad,
                       DescriptionWindow& description)
    : Form(L"TMainWindow"),
      application_(application),
      paths_(paths),
      dialogs_(services.dialogs),
      settings_(settings),
      document_(document),
      details_(details),
      catalogue_(document.Films()),
      notepad_(notepad),
      description_(description),
      shownFilms_(catalogue_),
      filmList_(catalogue_, shownFilms_),
      statusLine_(statusBar_, shownFilms_, application_.Timers()),
      descriptionFiles_(catalogue_, paths, services.dialogs, *this, services.recycleBin),
      editor_(
          catalogue_, shownFilms_, services.dialogs, *this,
          features::FilmFields{polishTitleEdit_, originalTitleEdit_, genreBox_, discsEdit_,
                               mediumBox_, searchEdit_},
          saveChangesButton_, statusLine_, descriptionFiles_,
          features::DescriptionView{[this](const std::string& title) { description_.Open(title); },
                                    [this](const std::string& from, const std::string& to) {
                                      description_.FollowTitle(from, to);
                                    }}),
      deletion_(catalogue_, statusLine_, paths, services.recycleBin),
      finder_(catalogue_, shownFilms_, filmList_, searchEdit_, statusLine_),
      listFilter_(catalogue_, shownFilms_, filterEdit_, filmList_, statusLine_),
      listOrder_(catalogue_, filmList_, statusLine_),
      titlesFromFiles_(services.dialogs, *this,
                       features::TitleFields{polishTitleEdit_, originalTitleEdit_, addAtOnceCheck_,
                                             titleFromFileCheck_},
                       [this] { editor_.Add(); }),
      longWork_(*this, application_.Timers(), application_.Errors()),
      csvTransfer_(catalogue_, shownFilms_, services.dialogs, *this, statusLine_, longWork_),
      folderImport_(catalogue_, services.dialogs, *this, statusLine_, longWork_, titleFromFileCheck_,
                    [this] { return editor_.FieldsAsNewFilm(); }),
      htmlList_(document, filmList_, paths, statusLine_),
      webSearch_(services.shell, searchEdit_),
      appearance_(filmList_, colourSample_, services.dialogs, *this),
      alwaysOnTop_(listMenu_, {this, &description}),
      linkStrip_(links_, services.shell, services.linkSource, paths),
      notificationArea_(services.notificationArea) {}

void MainWindow::Create() {
  // Media files dropped from Explorer are taken as if picked with "D".
  onFilesDropped = [this](const std::vector<std::wstring>& files) {
    titlesFromFiles_.AddFiles(files);
  };
  // A big catalogue takes as long to read as the window takes to make: both at once.
  document_.StartLoading();
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
  DefineCommands();
  toolkit::Panel& client = Client();
  linkPanel_.Create(client, id::Panel1, At(0, 0, 100, 17), Align::Top);
  linkStrip_.Create(linkPanel_, {id::r1, id::r2, id::r3, id::r4, id::r5, id::r6, id::r7});
  statusBar_.Create(client, id::StatusBar, {toolkit::Scaled(150), toolkit::Scaled(200)});
  editPanel_.Create(client, id::Panel3, At(0, 0, 198, 100), Align::Right);
  CreateEditPanel();
  CreateFilterPanel();
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
  pickFilesButton_.Create(panel, id::Button7, commands_.Caption(command_.pickFiles), At(138, 19, 20, 21), kRedCaption);
  pastePolishTitleButton_.Create(panel, id::Button2, commands_.Caption(command_.pastePolishTitle), At(160, 19, 34, 21), kRedCaption);
  originalTitleLabel_.Create(panel, id::Label2, L"Tytuł oryginalny", At(8, 44, 120, 14));
  originalTitleEdit_.Create(panel, id::O, At(8, 59, 150, 21));
  pasteOriginalTitleButton_.Create(panel, id::Button3, commands_.Caption(command_.pasteOriginalTitle), At(160, 59, 34, 21), kRedCaption);
  genreLabel_.Create(panel, id::Label3, L"Gatunek", At(8, 84, 120, 14));
  genreBox_.Create(panel, id::g, At(8, 99, 186, 21), kGenres);
  discsLabel_.Create(panel, id::Label4, L"Ilość płyt", At(8, 125, 70, 14));
  discsEdit_.Create(panel, id::i, At(8, 140, 60, 21), 1, toolkit::SpinRange{0, 9999});
  mediumLabel_.Create(panel, id::Label5, L"Nośnik ", At(80, 125, 70, 14));
  mediumBox_.Create(panel, id::n, At(80, 140, 114, 21), kMedia);
  addAtOnceCheck_.Create(panel, id::Al, L"", At(8, 168, 16, 16));
  titleFromFileCheck_.Create(panel, id::NP, L"", At(30, 168, 16, 16));
  addButton_.Create(panel, id::AddBtn, commands_.Caption(command_.addFilm), At(8, 190, 186, 25));
  deleteButton_.Create(panel, id::DelBtn, commands_.Caption(command_.deleteFilm), At(8, 218, 186, 25));
  describeButton_.Create(panel, id::AllClearBtn, commands_.Caption(command_.describe), At(8, 246, 186, 25));
  saveChangesButton_.Create(panel, id::SaveBtn, commands_.Caption(command_.saveChanges), At(8, 271, 0, 0));
  saveChangesButton_.SetEnabled(false);
  htmlListButton_.Create(panel, id::ExportBtn, commands_.Caption(command_.htmlList), At(8, 280, 186, 25));
  webSearchButton_.Create(panel, id::Button4, commands_.Caption(command_.htmlPreview), At(8, 308, 186, 25));
  searchEdit_.Create(panel, id::ss, At(8, 344, 186, 21));
  findButton_.Create(panel, id::Button1, commands_.Caption(command_.find), At(8, 368, 60, 25));
  nextButton_.Create(panel, id::Button5, commands_.Caption(command_.findNext), At(70, 368, 62, 25));
  previousButton_.Create(panel, id::Button6, commands_.Caption(command_.findPrevious), At(134, 368, 60, 25));
  internetSearchButton_.Create(panel, id::Button8, commands_.Caption(command_.webSearch), At(8, 396, 186, 25));
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

void MainWindow::CreateFilterPanel() {
  // One line high, over the list alone: the list gives up that much and nothing else moves.
  const RECT line = At(0, 0, 21, 21);
  filterPanel_.Create(Client(), id::FilterPanel, line, Align::AboveClient);
  filterEdit_.Create(filterPanel_, id::Filter, line);
  filterEdit_.SetAlignment(Align::Client);
  clearFilterButton_.Create(filterPanel_, id::FilterClear, commands_.Caption(command_.clearFilter),
                            line);
  clearFilterButton_.SetAlignment(Align::Right);
  filterEdit_.SetCueText(L"Filtruj listę…");
  filterEdit_.SetAccessibleName(L"Filtr listy");
  clearFilterButton_.SetAccessibleName(L"Wyczyść filtr");
  AddHint(filterEdit_, L"Filtruj listę (" + commands_.KeyText(command_.focusFilter) + L")");
  AddHint(clearFilterButton_, L"Wyczyść filtr (Esc)");
  listFilter_.Start();
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

}  // namespace kadrion::app
