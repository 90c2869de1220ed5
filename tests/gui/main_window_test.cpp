// The main window driven for real: start, settings, catalogue, close.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <map>
#include <optional>
#include <set>

#include "program_fixture.h"
#include "toolkit/error.h"
#include "toolkit/files.h"
#include "toolkit/text.h"

namespace kadrion::app {
namespace {

using namespace testing_support;

RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

LOGFONTW FontOf(HWND window) {
  LOGFONTW font{};
  auto handle = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  GetObjectW(handle, sizeof(font), &font);
  return font;
}

const core::FilmEntry kMatrix{"Matrix", "The Matrix", "Akcja", "2", "DVD"};
// "Żółta łódź" / "Łódź" in Windows-1250.
const core::FilmEntry kPolish{"\xAF\xF3\xB3ta \xB3\xF3\x64\x9F", "\xA3\xF3\x64\x9F", "Dramat", "1",
                              "CD"};
const core::FilmEntry kEmpty{};

using MainWindowTest = ProgramTest;

TEST_F(MainWindowTest, FirstStartOnAnEmptyDataFolderUsesTheDefaults) {
  DeleteFileW(Dat().c_str());
  Start();

  ASSERT_EQ(Dialogs().messages.size(), 1u);
  EXPECT_EQ(Dialogs().messages[0], L"Nie znalazłem pliku: Dane\\Dane.dat. Zakładam nowy.");
  EXPECT_TRUE(Dialogs().errors.empty());
  EXPECT_FALSE(Exists(Dat())) << "the missing catalogue is created only by the next write";

  EXPECT_EQ(Main().Caption(), L"Kadrion filmów");
  const RECT bounds = WindowRect(Main().Handle());
  EXPECT_EQ(bounds.left, -4);
  EXPECT_EQ(bounds.top, -4);
  EXPECT_EQ(bounds.right - bounds.left, 808);
  EXPECT_EQ(bounds.bottom - bounds.top, 608);
  EXPECT_FALSE(IsZoomed(Main().Handle()));
  EXPECT_FALSE(GetWindowLongW(Main().Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);

  const HWND list = List().Handle();
  for (int column = 0; column < 5; ++column) EXPECT_EQ(ListView_GetColumnWidth(list, column), 110);
  EXPECT_EQ(ListView_GetBkColor(list), RGB(255, 255, 221));
  EXPECT_EQ(ListView_GetTextColor(list), RGB(128, 0, 0));
  const LOGFONTW font = FontOf(list);
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_EQ(font.lfHeight, -13) << "10 points at 96 dpi";
  EXPECT_EQ(font.lfCharSet, DEFAULT_CHARSET);
  EXPECT_STREQ(font.lfFaceName, L"MS Sans Serif");
  EXPECT_EQ(FontOf(Field(id::C).Handle()).lfWeight, FW_BOLD) << "the colour sample shows the font";
  EXPECT_EQ(Field(id::C).Color(), RGB(255, 255, 221));

  EXPECT_EQ(TextOf(id::n), L"DVD");
  EXPECT_EQ(TextOf(id::i), L"1");
  EXPECT_EQ(Status(), L"Rekordów: 0");
  // clang-format off
  const std::vector<std::wstring> menu = {
      L"Notatnik", L"", L"Usuń wpis", L"", L"Dodaj wpis", L"", L"Wyczyść pola", L"",
      L"Generuj listę w HTML", L"", L"Podgląd HTML", L"", L"Zawsze na wierzchu", L"",
      L"Usuń duplikaty", L"", L"Cofnij usunięcie", L"", L"Eksportuj do pliku CSV…",
      L"Importuj z pliku CSV…", L"Dodaj filmy z folderu…"};
  // clang-format on
  EXPECT_EQ(ListMenu(), menu) << "the unchecked item shows while the switch is off";

  ASSERT_TRUE(CloseWindow(Main()));
  EXPECT_TRUE(Exists(Dat()));
  EXPECT_TRUE(ReadFileBytes(Dat()).empty());
  EXPECT_EQ(Setting("G\xF3ra"), "-4");
  EXPECT_EQ(Setting("Szeroko\x9C\xE6"), "808");
  EXPECT_EQ(Setting("Kt"), "14548991");
  EXPECT_EQ(Setting("Kc"), "128");
  EXPECT_EQ(Setting("Nazwa czcionki"), "MS Sans Serif");
  EXPECT_EQ(IniValue(Ini(), "Okno", "1"), "0");
}

TEST_F(MainWindowTest, ANewSettingsFileHasItsKeysInTheWriteOrderInWindows1250) {
  Start();
  ASSERT_TRUE(CloseWindow(Main()));
  const std::string expected =
      "[Ustawienia]\r\n"
      "G\xF3ra=-4\r\nLewo=-4\r\nKc=128\r\nKt=14548991\r\nWysoko\x9C\xE6=608\r\n"
      "Szeroko\x9C\xE6=808\r\nNo\x9Cnik=DVD\r\nZawsze na wierzchu=0\r\n"
      "0=110\r\n1=110\r\n2=110\r\n3=110\r\n4=110\r\n"
      "Rozmiar czcionki=10\r\nNazwa czcionki=MS Sans Serif\r\nFont=1\r\nSkrypt=1\r\n"
      "[Okno]\r\n1=0\r\n";
  // Wine writes no blank line between sections; Windows writes one.
  std::string text = ReadFileText(Ini());
  for (std::size_t at; (at = text.find("\r\n\r\n")) != std::string::npos;) text.erase(at, 2);
  EXPECT_EQ(text, expected);
}

TEST_F(MainWindowTest, StoredSettingsAreAppliedAndWrittenBackUnchanged) {
  WriteFileText(Ini(),
                "[Okno]\r\n1=0\r\n[Ustawienia]\r\n"
                "G\xF3ra=30\r\nLewo=20\r\nWysoko\x9C\xE6=500\r\nSzeroko\x9C\xE6=$2BC\r\n"
                "No\x9Cnik=P\xB3yta\r\n0=50\r\n1=60\r\n2=70\r\n3=80\r\n4=0x5A\r\n"
                "Zawsze na wierzchu=1\r\nKt=255\r\nKc=16711680\r\nFont=3\r\nSkrypt=238\r\n"
                "Rozmiar czcionki=12\r\nNazwa czcionki=Arial\r\n");
  Start();
  const HWND handle = Main().Handle();
  const RECT bounds = WindowRect(handle);
  EXPECT_EQ(bounds.left, 20);
  EXPECT_EQ(bounds.top, 30);
  EXPECT_EQ(bounds.right - bounds.left, 700) << "hexadecimal $2BC";
  EXPECT_EQ(bounds.bottom - bounds.top, 500);
  EXPECT_EQ(TextOf(id::n), L"Płyta");
  const int widths[] = {50, 60, 70, 80, 90};
  for (int column = 0; column < 5; ++column) EXPECT_EQ(List().ColumnWidth(column), widths[column]);
  EXPECT_TRUE(GetWindowLongW(handle, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(ListMenu()[12], L"[x] Zawsze na wierzchu") << "the checked item shows";
  EXPECT_EQ(ListView_GetBkColor(List().Handle()), RGB(255, 0, 0));
  EXPECT_EQ(ListView_GetTextColor(List().Handle()), RGB(0, 0, 255));
  const LOGFONTW font = FontOf(List().Handle());
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_TRUE(font.lfItalic);
  EXPECT_FALSE(font.lfUnderline);
  EXPECT_EQ(font.lfCharSet, 238);
  EXPECT_EQ(font.lfHeight, -16);
  EXPECT_EQ(FontOf(Field(id::C).Handle()).lfHeight, -16) << "the sample carries the list's font";

  ASSERT_TRUE(CloseWindow(Main()));
  EXPECT_EQ(Setting("Lewo"), "20");
  EXPECT_EQ(Setting("Szeroko\x9C\xE6"), "700");
  EXPECT_EQ(Setting("No\x9Cnik"), "P\xB3yta");
  EXPECT_EQ(Setting("4"), "90");
  EXPECT_EQ(Setting("Zawsze na wierzchu"), "1");
  EXPECT_EQ(Setting("Kt"), "255");
  EXPECT_EQ(Setting("Kc"), "16711680");
  EXPECT_EQ(Setting("Font"), "3");
  EXPECT_EQ(Setting("Skrypt"), "238");
  EXPECT_EQ(Setting("Rozmiar czcionki"), "12");
  EXPECT_EQ(Setting("Nazwa czcionki"), "Arial");
}

// A damaged or hand-edited settings file: garbage, zero, negative and huge values. Outside
// their limits they read as the defaults, so that the window can be seen and reached, the list
// is not transparent and its font neither invisible nor giant. The windows write back what
// they show.
TEST_F(MainWindowTest, SettingsOutsideTheirLimitsGiveTheDefaults) {
  // clang-format off
  const std::map<std::string, std::string> defaults = {
      {"G\xF3ra", "-4"}, {"Lewo", "-4"}, {"Wysoko\x9C\xE6", "608"}, {"Szeroko\x9C\xE6", "808"},
      {"0", "110"}, {"Kt", "14548991"}, {"Kc", "128"}, {"Rozmiar czcionki", "10"},
      {"Font", "1"}, {"Skrypt", "1"}, {"Kt2", "14145495"}, {"Kc2", "8388608"},
      {"Rozmiar czcionki2", "10"}};
  const struct {
    const char* what;
    std::string settings;
    std::map<std::string, std::string> kept;  // the values used; any other key is the default
  } cases[] = {
      {"garbage",
       "G\xF3ra=12px\r\nWysoko\x9C\xE6=wysoko\r\n0=\r\nKt=0x\r\nKc=$\r\nFont=b\r\n"
       "Rozmiar czcionki=1.5\r\nKt2=\xBF\xF3\xB3ty\r\n", {}},
      {"zero",
       "Szeroko\x9C\xE6=0\r\nWysoko\x9C\xE6=0\r\n0=0\r\nKt=0\r\nRozmiar czcionki=0\r\n"
       "Font=0\r\nSkrypt=0\r\nRozmiar czcionki2=0\r\n",
       {{"0", "0"}, {"Kt", "0"}, {"Font", "0"}, {"Skrypt", "0"}}},
      {"negative",
       "Lewo=-300\r\nG\xF3ra=-200\r\nWysoko\x9C\xE6=-600\r\n0=-1\r\nKt=-1\r\nKc=-1\r\n"
       "Rozmiar czcionki=-12\r\nFont=-1\r\nSkrypt=-1\r\nKt2=$FFFFFFFF\r\nKc2=-1\r\n", {}},
      {"huge",
       "Szeroko\x9C\xE6=100000\r\nWysoko\x9C\xE6=2147483647\r\n0=2147483647\r\n"
       "Kt=16777216\r\nKc=$7FFFFFFF\r\nRozmiar czcionki=73\r\nFont=16\r\nSkrypt=999\r\n"
       "Rozmiar czcionki2=100000\r\n", {}},
      {"off every screen",
       "Lewo=-32000\r\nG\xF3ra=-32000\r\nSzeroko\x9C\xE6=160\r\nWysoko\x9C\xE6=28\r\n", {}},
      {"mostly beyond the edge",
       "Lewo=1270\r\nG\xF3ra=20\r\nSzeroko\x9C\xE6=700\r\nWysoko\x9C\xE6=500\r\n", {}},
      {"at the limits",
       "Lewo=0\r\nG\xF3ra=0\r\nSzeroko\x9C\xE6=160\r\nWysoko\x9C\xE6=120\r\n0=10000\r\n"
       "Kt=16777215\r\nRozmiar czcionki=72\r\nFont=15\r\nSkrypt=255\r\n"
       "Rozmiar czcionki2=6\r\n",
       {{"Lewo", "0"}, {"G\xF3ra", "0"}, {"Szeroko\x9C\xE6", "160"}, {"Wysoko\x9C\xE6", "120"},
        {"0", "10000"}, {"Kt", "16777215"}, {"Rozmiar czcionki", "72"}, {"Font", "15"},
        {"Skrypt", "255"}, {"Rozmiar czcionki2", "6"}}},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteFileText(Ini(), "[Okno]\r\n1=0\r\n[Ustawienia]\r\n" + c.settings);
    Start({kMatrix});
    List().Select(0);
    Press(id::AllClearBtn);
    Description().Close();
    ASSERT_TRUE(CloseWindow(Main()));
    for (const auto& [key, value] : defaults)
      EXPECT_EQ(Setting(key.c_str()), c.kept.count(key) ? c.kept.at(key) : value) << key;
  }
  EXPECT_TRUE(Dialogs().errors.empty());
}

TEST_F(MainWindowTest, ClosingMaximisedRestartsMaximisedWithoutTheStoredBounds) {
  Start();
  Main().SetMaximized(true);
  Pump();
  ASSERT_TRUE(IsZoomed(Main().Handle()));
  const RECT maximised = WindowRect(Main().Handle());
  ASSERT_TRUE(CloseWindow(Main()));
  EXPECT_EQ(IniValue(Ini(), "Okno", "1"), "1");
  EXPECT_EQ(Setting("Lewo"), std::to_string(maximised.left));
  EXPECT_EQ(Setting("Szeroko\x9C\xE6"), std::to_string(maximised.right - maximised.left));

  Start();
  EXPECT_TRUE(IsZoomed(Main().Handle()));
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  GetWindowPlacement(Main().Handle(), &placement);
  EXPECT_NE(placement.rcNormalPosition.right - placement.rcNormalPosition.left,
            maximised.right - maximised.left)
      << "the stored bounds are not applied";
}

TEST_F(MainWindowTest, AnyOtherWindowStateOpensAtTheDesignBounds) {
  const struct {
    const char* state;
    bool designBounds;
  } cases[] = {{"2", true},    {"-1", true}, {"2147483647", true},
               {"abc", false}, {"", false},  {"99999999999", false}};  // no number: 0
  for (const auto& c : cases) {
    SCOPED_TRACE(c.state);
    WriteFileText(Ini(), std::string("[Okno]\r\n1=") + c.state +
                             "\r\n[Ustawienia]\r\nLewo=300\r\nSzeroko\x9C\xE6=700\r\n");
    Start();
    EXPECT_FALSE(IsZoomed(Main().Handle()));
    const RECT bounds = WindowRect(Main().Handle());
    EXPECT_EQ(bounds.right - bounds.left, c.designBounds ? 695 : 700);
    EXPECT_EQ(bounds.bottom - bounds.top, c.designBounds ? 548 : 608);
    EXPECT_EQ(bounds.left == 300, !c.designBounds);
    ASSERT_TRUE(CloseWindow(Main()));
  }
}

// Windows keeps a minimised window far off the screen (Wine: a sliver at its bottom).
TEST_F(MainWindowTest, ClosedMinimisedItOpensWhereItWasBefore) {
  WriteFileText(Ini(), "[Okno]\r\n1=0\r\n[Ustawienia]\r\nLewo=40\r\nG\xF3ra=50\r\n");
  Start();
  ShowWindow(Main().Handle(), SW_MINIMIZE);
  ASSERT_TRUE(CloseWindow(Main()));
  EXPECT_EQ(Setting("Lewo") + "," + Setting("G\xF3ra") + "," + Setting("Szeroko\x9C\xE6") + "," +
                Setting("Wysoko\x9C\xE6"),
            "40,50,808,608");
}

TEST_F(MainWindowTest, TheCatalogueLoadsIntoTheListAndIsWrittenBackRecordForRecord) {
  core::FilmEntry longTitle = kMatrix;
  longTitle.polishTitle = std::string(300, 'x');
  auto bytes = CatalogueBytes({kMatrix, kPolish, kEmpty});
  bytes.push_back(0x42);  // a trailing part shorter than a record is ignored
  WriteFileBytes(Dat(), bytes);

  Start();
  EXPECT_TRUE(Dialogs().messages.empty());
  ASSERT_EQ(Model().Count(), 3);
  EXPECT_EQ(ListView_GetItemCount(List().Handle()), 3);
  EXPECT_EQ(Status(), L"Rekordów: 3");
  EXPECT_EQ(Cell(0, 1), L"The Matrix");
  EXPECT_EQ(Cell(1, 0), L"Żółta łódź");
  EXPECT_EQ(Cell(1, 1), L"Łódź");
  EXPECT_EQ(Cell(1, 4), L"CD");
  EXPECT_EQ(Cell(2, 0), L"");

  Model().Append(longTitle);
  EXPECT_EQ(Model().Film(3).polishTitle.size(), 300u) << "whole in memory until written";
  ASSERT_TRUE(CloseWindow(Main()));

  const auto films = CatalogueFilms(ReadFileBytes(Dat()));
  ASSERT_EQ(ReadFileBytes(Dat()).size(), 4 * core::kRecordSize);
  EXPECT_EQ(films[0], kMatrix);
  EXPECT_EQ(films[1], kPolish);
  EXPECT_EQ(films[2], kEmpty);
  EXPECT_EQ(films[3].polishTitle, std::string(255, 'x'));

  Start();
  ASSERT_EQ(Model().Count(), 4);
  EXPECT_EQ(Model().Film(1), kPolish);
}

TEST_F(MainWindowTest, ClosingWithoutTheDataFolderShowsAnErrorAndStaysOpen) {
  DeleteFileW(Dat().c_str());
  ASSERT_TRUE(RemoveDirectoryW((folder / L"Dane").c_str()));
  Start();
  EXPECT_EQ(Dialogs().messages.size(), 1u) << "the catalogue is missing";
  EXPECT_TRUE(Dialogs().errors.empty()) << "missing settings are the defaults";
  Dialogs().Clear();

  EXPECT_FALSE(CloseWindow(Main()));
  ASSERT_EQ(Dialogs().errors.size(), 1u);
  EXPECT_NE(Dialogs().errors[0].find(L"Dane\\Dane.dat"), std::wstring::npos) << "names the file";
  EXPECT_TRUE(IsWindowVisible(Main().Handle()));
  EXPECT_FALSE(Exists(Ini())) << "the settings are not written after the failed catalogue";

  CreateDirectoryW((folder / L"Dane").c_str(), nullptr);
  EXPECT_TRUE(CloseWindow(Main())) << "a later close succeeds";
}

// The films are saved a moment after they changed, once; Dane.bak is the catalogue as the
// run found it, made at its first save and left alone by the later ones.
TEST_F(MainWindowTest, ChangedFilmsAreSavedSecondsLaterAndDaneBakIsTheCatalogueTheRunFound) {
  const auto first = CatalogueBytes({kMatrix, kPolish});
  WriteFileBytes(Dat(), first);
  Start();
  Model().Append(kEmpty);
  EXPECT_EQ(ReadFileBytes(Dat()), first) << "not saved at once";
  ASSERT_TRUE(
      PumpUntil([&] { return ReadFileBytes(Dat()).size() == 3 * core::kRecordSize; }, 20000));
  const auto stamp = toolkit::StampOf(Dat());
  ClickRow(1);  // not a change of the films
  PumpFor(2 * features::Autosave::kQuietMs);
  EXPECT_EQ(toolkit::StampOf(Dat()), stamp) << "saved again without a change";

  Model().Erase(0);
  ASSERT_TRUE(CloseWindow(Main()));
  EXPECT_EQ(ReadFileBytes(folder / L"Dane\\Dane.bak"), first) << "made once in a run";
  const auto third = ReadFileBytes(Dat());
  Start();
  Model().Erase(0);
  ASSERT_TRUE(CloseWindow(Main()));
  EXPECT_EQ(ReadFileBytes(folder / L"Dane\\Dane.bak"), third) << "made again by the next run";
  EXPECT_FALSE(Exists(folder / L"Dane\\Dane.bak.tmp"));
}

TEST_F(MainWindowTest, AnInterruptedCatalogueWriteLeavesTheOldFileAndItsBackupWhole) {
  const auto old = CatalogueBytes({kMatrix, kPolish});
  const std::vector<std::uint8_t> backup = CatalogueBytes({kMatrix});
  // Another program holds the place of the new version, the backup, or the catalogue itself:
  // the save cannot finish.
  for (const std::wstring& blocked :
       {toolkit::AtomicFileWriter::TemporaryPathFor(Dat()), folder / L"Dane\\Dane.bak", Dat()}) {
    SCOPED_TRACE(std::string(blocked.begin(), blocked.end()));
    WriteFileBytes(Dat(), old);
    WriteFileBytes(folder / L"Dane\\Dane.bak", backup);
    Start();
    Model().Append(kEmpty);
    Dialogs().Clear();
    {
      FileLock lock(blocked);
      ASSERT_TRUE(lock.Locked());
      EXPECT_FALSE(CloseWindow(Main()));
    }
    ASSERT_EQ(Dialogs().errors.size(), 1u);
    EXPECT_EQ(ReadFileBytes(Dat()), old);
    EXPECT_EQ(ReadFileBytes(folder / L"Dane\\Dane.bak"), backup);
    EXPECT_TRUE(CloseWindow(Main())) << "the next close saves";
    EXPECT_EQ(CatalogueFilms(ReadFileBytes(Dat())).size(), 3u);
    EXPECT_EQ(ReadFileBytes(folder / L"Dane\\Dane.bak"), old);
  }
}

TEST_F(MainWindowTest, TheEndOfTheWindowsSessionSavesWhatACloseSaves) {
  Start({kMatrix});
  Model().Append(kPolish);
  ChooseFromListMenu(L"Notatnik");
  Notes().SetWText(L"notatka");
  const HWND window = Main().Handle();
  EXPECT_TRUE(SendMessageW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF)) << "never refused";
  SendMessageW(window, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);  // the end was called off
  EXPECT_EQ(ReadFileBytes(Dat()).size(), core::kRecordSize);
  EXPECT_FALSE(Exists(Ini()));

  {
    // Even with one file that cannot be written, the others are.
    FileLock lock(Ini());
    SendMessageW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  }
  EXPECT_EQ(CatalogueFilms(ReadFileBytes(Dat())), (std::vector<core::FilmEntry>{kMatrix, kPolish}));
  EXPECT_EQ(ReadFileText(folder / L"Dane\\Notatnik.ini"), "notatka");
  EXPECT_EQ(IniValue(folder / L"kat.ini", "inne", "1"), "0");
  ASSERT_EQ(Dialogs().errors.size(), 1u);
  EXPECT_NE(Dialogs().errors[0].find(L"Baza.ini"), std::wstring::npos);
}

TEST_F(MainWindowTest, AFailedSettingsWriteKeepsTheWindowOpen) {
  Start();
  Dialogs().Clear();
  {
    FileLock lock(Ini());
    ASSERT_TRUE(lock.Locked());
    EXPECT_FALSE(CloseWindow(Main()));
  }
  ASSERT_EQ(Dialogs().errors.size(), 1u);
  EXPECT_NE(Dialogs().errors[0].find(L"Baza.ini"), std::wstring::npos);
  EXPECT_TRUE(CloseWindow(Main()));
}

// Another program holds the catalogue while the program starts: the list starts empty, but
// the file is never replaced by it. Its films come back, before the ones added meanwhile, at
// the first save that can read it.
TEST_F(MainWindowTest, AnUnreadableCatalogueIsNeverReplacedAndItsFilmsComeBackAtTheSave) {
  WriteFileBytes(Dat(), CatalogueBytes({kMatrix, kPolish}));
  WriteFileText(Ini(), "[Ustawienia]\r\nNo\x9Cnik=VCD\r\n");
  auto lock = std::make_optional<FileLock>(Dat());
  Start();
  ASSERT_EQ(Dialogs().errors.size(), 1u);
  EXPECT_NE(Dialogs().errors[0].find(L"Dane.dat."), std::wstring::npos);
  EXPECT_EQ(Model().Count(), 0);
  EXPECT_EQ(TextOf(id::n), L"VCD") << "the settings still load";
  Model().Append(kEmpty);

  EXPECT_FALSE(CloseWindow(Main())) << "still unreadable";
  ASSERT_EQ(Dialogs().errors.size(), 2u);
  EXPECT_NE(Dialogs().errors[1].find(L"nie zostanie zastąpiony"), std::wstring::npos);
  lock.reset();
  EXPECT_EQ(CatalogueFilms(ReadFileBytes(Dat())).size(), 2u);
  ASSERT_TRUE(CloseWindow(Main()));
  EXPECT_EQ(CatalogueFilms(ReadFileBytes(Dat())),
            (std::vector<core::FilmEntry>{kMatrix, kPolish, kEmpty}));
  EXPECT_EQ(Setting("No\x9Cnik"), "VCD");
}

// Settings another program holds at the start are said once and kept as they are; both
// windows go on with the defaults.
TEST_F(MainWindowTest, UnreadableSettingsAreSaidAndNotWrittenOver) {
  const std::string settings = "[Ustawienia]\r\nNo\x9Cnik=VCD\r\n";
  WriteFileText(Ini(), settings);
  auto lock = std::make_optional<FileLock>(Ini());
  Start({kMatrix});
  lock.reset();
  ASSERT_EQ(Dialogs().errors.size(), 1u);
  EXPECT_NE(Dialogs().errors[0].find(L"Baza.ini."), std::wstring::npos);
  EXPECT_EQ(TextOf(id::n), L"DVD");
  List().Select(0);
  Press(id::AllClearBtn);
  Description().Close();
  ASSERT_TRUE(CloseWindow(Main()));
  EXPECT_EQ(ReadFileText(Ini()), settings);
}

// The films' details live in "Dane\Szczegóły.csv": matched to the films at the start (two equal
// films told apart by their order), written back at the close with the rows of films no longer
// in the list as they were; a file that is no details file is said and never written over.
TEST_F(MainWindowTest, DetailsComeFromTheirFileAndGoBackWithTheRowsOfMissingFilms) {
  const std::wstring file = folder / L"Dane\\Szczegóły.csv";
  const std::string header =
      "\xEF\xBB\xBFTytuł polski;Tytuł oryginalny;Gatunek;Ilość płyt;Nośnik;Który;Rok;Reżyser;"
      "Miejsce;Obejrzany;Ocena;Komu;Od;Do\r\n";
  const std::string missing = "Seksmisja;;;1;DVD;1;1983;Machulski;;tak;9;;;\r\n";
  WriteFileText(file, header + "Rejs;;;1;DVD;2;1970;Piwowski;;;;;;\r\n" + missing);
  const core::FilmEntry rejs{"Rejs", "", "", "1", "DVD"};
  Start({rejs, rejs, {"Mi\x9C", "", "", "1", "DVD"}});
  EXPECT_EQ(program->Details().Of(0).director, "");
  EXPECT_EQ(program->Details().Of(1).director, "Piwowski");
  core::FilmDetails lent;
  lent.lent = core::Loan{"Kasia", {2026, 12, 1}, std::nullopt};
  program->Details().Set(2, lent);
  ASSERT_TRUE(CloseWindow(Main()));
  const std::string written = ReadFileText(file);
  EXPECT_EQ(written.substr(0, header.size()), header);
  EXPECT_NE(written.find("\r\nRejs;;;1;DVD;2;1970;Piwowski;"), std::string::npos) << written;
  EXPECT_NE(written.find("\r\nMi\xC5\x9B;;;1;DVD;1;;;;;;Kasia;2026-12-01;\r\n"), std::string::npos)
      << written;
  EXPECT_NE(written.find("\r\n" + missing), std::string::npos) << written;

  WriteFileText(file, "nie moje\r\n");
  Start();
  ASSERT_EQ(Dialogs().errors.size(), 1u);
  EXPECT_NE(Dialogs().errors[0].find(L"Szczegóły.csv"), std::wstring::npos);
  program->Details().Set(0, lent);
  ASSERT_TRUE(CloseWindow(Main()));
  EXPECT_EQ(ReadFileText(file), "nie moje\r\n");
}

TEST_F(MainWindowTest, ACloseBeforeTheWindowWasEverShownIsIgnored) {
  // As when something asks the program to close while its start-up message is up.
  MainWindow& window = Make().Main();
  window.Create();
  window.Close();
  Pump();
  EXPECT_TRUE(IsWindow(window.Handle()));
  EXPECT_FALSE(Exists(Ini())) << "nothing was loaded, so nothing is saved";
  window.Show();
  EXPECT_TRUE(CloseWindow(window));
  EXPECT_EQ(Setting("Nazwa czcionki"), "MS Sans Serif");
}

TEST_F(MainWindowTest, SwitchingStayOnTopRecreatesTheWindowAndKeepsItsControls) {
  WriteFileBytes(Dat(), CatalogueBytes({kMatrix, kPolish}));
  Start();
  const HWND before = Main().Handle();
  Main().SetStacking(toolkit::Stacking::StayOnTop);
  Pump();
  const HWND after = Main().Handle();
  EXPECT_NE(before, after);
  EXPECT_FALSE(IsWindow(before));
  EXPECT_TRUE(IsWindowVisible(after));
  EXPECT_TRUE(GetWindowLongW(after, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetAncestor(List().Handle(), GA_ROOT), after);
  EXPECT_EQ(Cell(1, 1), L"Łódź") << "the list still gets its texts";

  Main().SetStacking(toolkit::Stacking::Normal);
  Pump();
  EXPECT_FALSE(GetWindowLongW(Main().Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(CloseWindow(Main())) << "closing the recreated window still ends it";
}

TEST_F(MainWindowTest, ControlsAreFoundByTheirIdsAndSaveIsZeroSizeAndDisabled) {
  Start();
  const HWND panel = GetDlgItem(Main().Client().Handle(), id::Panel3);
  ASSERT_TRUE(panel);
  // A handful of the ids outside tools find the controls by, with their captions.
  const struct {
    int id;
    const wchar_t* text;
  } captions[] = {{id::AddBtn, L"Dodaj wpis"},
                  {id::SaveBtn, L"Zapisz zmiany"},
                  {id::ExportBtn, L"Generuj listę w HTML"},
                  {id::Button7, L"D"},
                  {id::Label5, L"Nośnik "}};
  for (const auto& c : captions) {
    wchar_t text[64] = L"";
    GetWindowTextW(GetDlgItem(panel, c.id), text, 64);
    EXPECT_STREQ(text, c.text) << "id " << c.id;
  }
  EXPECT_TRUE(GetDlgItem(Main().Client().Handle(), id::Lista));
  EXPECT_TRUE(GetDlgItem(InMain<toolkit::Panel>(id::Panel1).Handle(), id::r1));
  EXPECT_EQ(InMain<toolkit::ComboBox>(id::g).ItemCount(), 36);
  EXPECT_EQ(InMain<toolkit::ComboBox>(id::g).Item(0), L"");
  EXPECT_EQ(InMain<toolkit::ComboBox>(id::g).Item(25), L"Obyczjowy");
  EXPECT_EQ(InMain<toolkit::ComboBox>(id::g).Item(35), L"Wojenny");

  const HWND save = GetDlgItem(panel, id::SaveBtn);
  const RECT saveBounds = WindowRect(save);
  EXPECT_EQ(saveBounds.right - saveBounds.left, 0);
  EXPECT_FALSE(IsWindowEnabled(save));  // enabled, Tab reaches it: see the next test
}

// The name a screen reader announces, through the system's accessibility interface (MSAA).
std::wstring AccessibleNameOf(HWND control) {
  IAccessible* object = nullptr;
  BSTR name = nullptr;
  if (SUCCEEDED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                           __uuidof(IAccessible),
                                           reinterpret_cast<void**>(&object)))) {
    object->get_accName(VARIANT{{{VT_I4, 0, 0, 0, {.lVal = CHILDID_SELF}}}}, &name);
    object->Release();
  }
  std::wstring text = name ? name : L"";
  SysFreeString(name);
  return text;
}

// Each Tab stop of the three windows, with "Zapisz zmiany" in the order after "Dodaj opis" while
// a film is taken: seen, and named in more than two letters, once in its window.
TEST_F(MainWindowTest, EveryTabStopIsSeenAndNamedOnceInItsWindow) {
  Start({core::FilmEntry{"Matrix", "The Matrix", "", "2", ""}});  // Wine names a combo by its text
  DoubleClickRow(0);
  const HWND save = InMain(id::SaveBtn).Handle();
  Press(id::AllClearBtn);
  Notepad().Open();
  for (const toolkit::Form* window :
       std::initializer_list<const toolkit::Form*>{&Main(), &Description(), &Notepad()}) {
    std::set<std::wstring> names;
    std::wstring previous;
    const HWND first = GetNextDlgTabItem(window->Handle(), nullptr, FALSE);
    HWND stop = first;
    do {
      RECT bounds{};
      GetWindowRect(stop, &bounds);
      const std::wstring name = AccessibleNameOf(stop);
      EXPECT_TRUE(stop == save || (IsWindowVisible(stop) && !IsRectEmpty(&bounds))) << name;
      EXPECT_GT(name.size(), 2u) << "id " << GetDlgCtrlID(stop) << ": \"" << name << "\"";
      EXPECT_TRUE(names.insert(name).second) << "twice in a window: " << name;
      EXPECT_EQ(previous == L"Dodaj opis", stop == save) << name;
      previous = name;
      stop = GetNextDlgTabItem(window->Handle(), stop, FALSE);
    } while (stop && stop != first && names.size() < 64);
    EXPECT_TRUE(window != &Main() || names.count(L"Zapisz zmiany"));
  }
}

// Polish letters come with AltGr, which Windows gives as Ctrl+Alt: AltGr+S is "ś", not a save,
// and AltGr+E, I, D, Z, F, M, R open nothing. The menu shows the real shortcuts beside the items.
TEST_F(MainWindowTest, AltGrLettersAreNoShortcutsAndTheMenuShowsTheShortcuts) {
  Start({kMatrix, kPolish});
  DoubleClickRow(0);
  SetTextOf(id::p, L"Zmieniony");
  const std::string before = Titles();
  for (const WPARAM letter : {'S', 'E', 'I', 'D', 'Z', 'F', 'M', 'R'}) {
    Field(id::p).Focus();
    Type(GetFocus(), letter, true, false, true);
    EXPECT_EQ(GetFocus(), Field(id::p).Handle()) << static_cast<char>(letter);
  }
  EXPECT_EQ(Titles(), before);
  EXPECT_TRUE(testing_support::Dialogs().fileFilters.empty()) << "no file dialog opened";
  EXPECT_TRUE(IsWindowVisible(Main().Handle()));

  const toolkit::MenuHandle menu = List().ContextMenu()->Build();
  std::vector<std::wstring> withKeys;
  for (int item = 0; item < GetMenuItemCount(menu.Get()); ++item) {
    wchar_t text[128] = L"";
    GetMenuStringW(menu.Get(), static_cast<UINT>(item), text, 128, MF_BYPOSITION);
    if (wcschr(text, L'\t')) withKeys.push_back(text);
  }
  EXPECT_EQ(withKeys, (std::vector<std::wstring>{
                          L"Usuń wpis\tDel", L"Cofnij usunięcie\tCtrl+Z",
                          L"Eksportuj do pliku CSV…\tCtrl+E", L"Importuj z pliku CSV…\tCtrl+I",
                          L"Dodaj filmy z folderu…\tCtrl+D"}));
}

TEST_F(MainWindowTest, KeysFindStepTakeDeleteRollAndHideAsTheirButtonsDo) {
  Start({kMatrix, kPolish, core::FilmEntry{"Matrix 2", "Reloaded", "Akcja", "1", "DVD"}});
  const HWND list = List().Handle(), search = Field(id::ss).Handle();
  List().Focus();
  Type(list, 'F', true);
  EXPECT_EQ(GetFocus(), search) << "Ctrl+F: to the search text";
  SetTextOf(id::ss, L"matrix");
  Type(search, VK_RETURN);
  EXPECT_EQ(List().Selected(), 0) << "Enter there: Szukaj";
  Type(GetFocus(), VK_F3);
  EXPECT_EQ(List().Selected(), 2) << "F3: Następny";
  Type(GetFocus(), VK_F3, false, true);
  EXPECT_EQ(List().Selected(), 0) << "Shift+F3: Poprzedni";

  List().Focus();
  Type(list, VK_RETURN);
  EXPECT_EQ(TextOf(id::p), L"Matrix") << "Enter on a row: into the fields";
  EXPECT_TRUE(InMain(id::SaveBtn).Enabled());
  Type(list, VK_DELETE);
  EXPECT_EQ(Model().Count(), 2) << "Delete in the list: Usuń wpis";
  List().Select(0);
  Field(id::ss).Focus();
  Type(search, VK_DELETE);
  Type(search, 'Z', true);
  EXPECT_EQ(Model().Count(), 2) << "Delete and Ctrl+Z in a field are the field's";
  List().Focus();
  Type(list, 'Z', true);
  EXPECT_EQ(Titles(), "Matrix," + kPolish.polishTitle + ",Matrix 2,") << "Ctrl+Z: Cofnij usunięcie";

  const HWND window = Main().Handle();
  RECT shown{};
  Type(window, 'R', true);
  EXPECT_NE(GetWindowRgnBox(window, &shown), ERROR) << "rolled up, the caption shows";
  EXPECT_LT(shown.bottom - shown.top, (WindowRect(window).bottom - WindowRect(window).top) / 2);
  Type(window, 'R', true);
  EXPECT_EQ(GetWindowRgnBox(window, &shown), ERROR) << "rolled down, all shows";
  Type(window, 'M', true);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_TRUE(!notificationArea.calls.empty() && notificationArea.calls.back().action == NIM_ADD);
}

// A film taken into the fields stays taken through every save, so a second change is saved as
// the first was; Esc in a field ends the editing and the fields keep their texts.
TEST_F(MainWindowTest, EnterAndCtrlSSaveATakenFilmAgainAndAgainUntilEsc) {
  Start({kPolish, kMatrix});
  const auto editing = [](const std::wstring& title) {
    return L"Edytujesz \u201E" + title + L"\u201D: Enter zapisuje, Esc kończy edycję";
  };
  for (const int field : {id::p, id::O, id::g, id::i, id::n, id::Lista}) {
    SCOPED_TRACE(field);
    const WPARAM key = field == id::Lista ? 'S' : VK_RETURN;  // Ctrl+S wherever the focus is
    const auto saveKey = [&] {
      InMain<toolkit::Control>(field).Focus();
      Type(GetFocus(), key, key == 'S');
    };
    const std::string before = Titles();
    SetTextOf(id::p, L"Nowy");
    saveKey();
    EXPECT_EQ(Titles(), before) << "no film taken, nothing saved";

    DoubleClickRow(1);
    EXPECT_EQ(Status(1), editing(toolkit::FromCp1250(Model().Film(1).polishTitle)));
    for (const wchar_t* title : {L"Nowy", L"Nowszy"}) {
      SetTextOf(id::p, title);
      saveKey();
      EXPECT_EQ(toolkit::ToCp1250(TextOf(id::p)), Model().Film(1).polishTitle);
      EXPECT_EQ(Titles(), kPolish.polishTitle + "," + toolkit::ToCp1250(title) + ",");
      EXPECT_EQ(List().Selected(), 1) << "the saved film stays selected";
      EXPECT_EQ(Status(1), L"Zapisano zmiany: \u201E" + std::wstring(title) + L"\u201D");
    }
    if (field == id::p) {
      EXPECT_TRUE(PumpUntil([&] { return Status(1) == editing(L"Nowszy"); }, 5000))
          << "still editing it, under its new title";
    }

    InMain<toolkit::Control>(field == id::Lista ? id::p : field).Focus();
    Type(GetFocus(), VK_ESCAPE);
    EXPECT_FALSE(InMain(id::SaveBtn).Enabled());
    EXPECT_EQ(TextOf(id::p), L"Nowszy") << "the fields keep their texts";
    SetTextOf(id::p, L"Inny");
    saveKey();
    EXPECT_EQ(Titles(), kPolish.polishTitle + ",Nowszy,") << "no longer taken";
  }
}

TEST_F(MainWindowTest, TheDiscsSpinStopsAtZeroAnd9999) {
  Start();
  const struct {
    const wchar_t* text;
    int delta;
    const wchar_t* after;
  } cases[] = {{L"1", 1, L"2"},       {L"1", -1, L"0"},      {L"0", -1, L"0"},
               {L"9998", 1, L"9999"}, {L"9999", 1, L"9999"}, {L"12345", -1, L"9999"},
               {L"-3", 1, L"0"},      {L"dwie", 1, L"1"},    {L"dwie", -1, L"0"}};
  for (const auto& c : cases) {
    SetTextOf(id::i, c.text);
    NMUPDOWN change{};
    const HWND panel = InMain<toolkit::Panel>(id::Panel3).Handle();
    change.hdr.hwndFrom = FindWindowExW(panel, nullptr, UPDOWN_CLASSW, nullptr);
    change.hdr.code = UDN_DELTAPOS;
    change.iDelta = c.delta;
    ASSERT_TRUE(change.hdr.hwndFrom);
    SendMessageW(panel, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
    EXPECT_EQ(TextOf(id::i), c.after) << c.text << " by " << c.delta;
  }
}

TEST_F(MainWindowTest, AnErrorInAHandlerIsShownAndTheRestOfItIsAbandoned) {
  Start();
  Dialogs().Clear();
  bool finished = false;
  InMain(id::AddBtn).onClick = [&] {
    throw kadrion::core::Failure(L"Nie można zapisać pliku C:\\x.txt.");
    finished = true;
  };
  SendMessageW(InMain(id::AddBtn).Handle(), BM_CLICK, 0, 0);
  Pump();
  EXPECT_FALSE(finished);
  ASSERT_EQ(Dialogs().errors.size(), 1u);
  EXPECT_EQ(Dialogs().errors[0], L"Nie można zapisać pliku C:\\x.txt.");
  EXPECT_TRUE(IsWindowVisible(Main().Handle()));
}

}  // namespace
}  // namespace kadrion::app
