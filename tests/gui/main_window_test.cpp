// The main window driven for real: start, settings, catalogue, close.
#include "app/main_window.h"

#include <gtest/gtest.h>

#include <memory>

#include "app/control_ids.h"
#include "core/record_codec.h"
#include "test_support.h"
#include "toolkit/error.h"
#include "toolkit/files.h"

namespace kadrion {
namespace {

using namespace testing_support;

std::vector<std::uint8_t> CatalogueBytes(const std::vector<FilmEntry>& films) {
  std::vector<std::uint8_t> bytes(films.size() * kRecordSize);
  for (std::size_t k = 0; k < films.size(); ++k)
    EncodeRecord(films[k], std::span(bytes).subspan(k * kRecordSize).first<kRecordSize>());
  return bytes;
}

std::vector<FilmEntry> CatalogueFilms(const std::vector<std::uint8_t>& bytes) {
  std::vector<FilmEntry> films;
  DecodeRecords(bytes, films);
  return films;
}

std::wstring CellText(HWND list, int row, int column) {
  wchar_t buffer[512] = L"";
  ListView_GetItemText(list, row, column, buffer, 512);
  return buffer;
}

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

const FilmEntry kMatrix{"Matrix", "The Matrix", "Akcja", "2", "DVD"};
// "Żółta łódź" / "Łódź" in Windows-1250.
const FilmEntry kPolish{"\xAF\xF3\xB3ta \xB3\xF3\x64\x9F", "\xA3\xF3\x64\x9F", "Dramat", "1", "CD"};
const FilmEntry kEmpty{};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Dialogs().Clear();
    folder.MakeProgramFolders();
  }

  std::unique_ptr<TMainWindow> Start() {
    auto window = std::make_unique<TMainWindow>(AppPaths{folder.Path(), folder.Path()});
    window->Create();
    window->Show();
    Pump();
    return window;
  }

  // Closes as the caption's close button does; true when the window went away.
  static bool CloseWindow(TMainWindow& window) {
    window.Close();
    Pump();
    return !IsWindow(window.Handle());
  }

  std::wstring Dat() const { return folder / L"Dane\\Dane.dat"; }
  std::wstring Ini() const { return folder / L"Dane\\Baza.ini"; }
  std::string Setting(const char* key) const { return IniValue(Ini(), "Ustawienia", key); }

  TempFolder folder;
};

TEST_F(MainWindowTest, FirstStartOnAnEmptyDataFolderUsesTheDefaults) {
  auto window = Start();

  ASSERT_EQ(Dialogs().messages.size(), 1u);
  EXPECT_EQ(Dialogs().messages[0], L"Nie znalazłem pliku: Dane\\Dane.dat. Zakładam nowy.");
  EXPECT_TRUE(Dialogs().errors.empty());
  EXPECT_FALSE(Exists(Dat())) << "the missing catalogue is created only by the next write";

  EXPECT_EQ(window->Caption(), L"Kadrion filmów");
  const RECT bounds = WindowRect(window->Handle());
  EXPECT_EQ(bounds.left, -4);
  EXPECT_EQ(bounds.top, -4);
  EXPECT_EQ(bounds.right - bounds.left, 808);
  EXPECT_EQ(bounds.bottom - bounds.top, 608);
  EXPECT_FALSE(IsZoomed(window->Handle()));
  EXPECT_FALSE(GetWindowLongW(window->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);

  const HWND list = window->Lista.Handle();
  for (int column = 0; column < 5; ++column) EXPECT_EQ(ListView_GetColumnWidth(list, column), 110);
  EXPECT_EQ(ListView_GetBkColor(list), RGB(255, 255, 221));
  EXPECT_EQ(ListView_GetTextColor(list), RGB(128, 0, 0));
  const LOGFONTW font = FontOf(list);
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_EQ(font.lfHeight, -13) << "10 points at 96 dpi";
  EXPECT_EQ(font.lfCharSet, DEFAULT_CHARSET);
  EXPECT_STREQ(font.lfFaceName, L"MS Sans Serif");
  EXPECT_EQ(FontOf(window->C.Handle()).lfWeight, FW_BOLD) << "the colour sample shows the font";
  EXPECT_EQ(window->C.Color(), RGB(255, 255, 221));

  EXPECT_EQ(window->n.WText(), L"DVD");
  EXPECT_EQ(window->i.WText(), L"1");
  EXPECT_EQ(window->StatusBar.PanelText(0), L"Rekordów: 0");
  EXPECT_FALSE(window->PopupMenu1[window->z].visible);
  EXPECT_TRUE(window->PopupMenu1[window->z2].visible);

  ASSERT_TRUE(CloseWindow(*window));
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
  auto window = Start();
  ASSERT_TRUE(CloseWindow(*window));
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
  auto window = Start();
  const HWND handle = window->Handle();
  const RECT bounds = WindowRect(handle);
  EXPECT_EQ(bounds.left, 20);
  EXPECT_EQ(bounds.top, 30);
  EXPECT_EQ(bounds.right - bounds.left, 700) << "hexadecimal $2BC";
  EXPECT_EQ(bounds.bottom - bounds.top, 500);
  EXPECT_EQ(window->n.WText(), L"Płyta");
  const int widths[] = {50, 60, 70, 80, 90};
  for (int column = 0; column < 5; ++column)
    EXPECT_EQ(window->Lista.ColumnWidth(column), widths[column]);
  EXPECT_TRUE(GetWindowLongW(handle, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(window->PopupMenu1[window->z].visible);
  EXPECT_FALSE(window->PopupMenu1[window->z2].visible);
  EXPECT_EQ(ListView_GetBkColor(window->Lista.Handle()), RGB(255, 0, 0));
  EXPECT_EQ(ListView_GetTextColor(window->Lista.Handle()), RGB(0, 0, 255));
  const LOGFONTW font = FontOf(window->Lista.Handle());
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_TRUE(font.lfItalic);
  EXPECT_FALSE(font.lfUnderline);
  EXPECT_EQ(font.lfCharSet, 238);
  EXPECT_EQ(font.lfHeight, -16);
  EXPECT_EQ(FontOf(window->C.Handle()).lfHeight, -16) << "the sample carries the list's font";

  ASSERT_TRUE(CloseWindow(*window));
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

TEST_F(MainWindowTest, InvalidNumbersInTheSettingsGiveTheDefaults) {
  WriteFileText(Ini(), "[Ustawienia]\r\nWysoko\x9C\xE6=wysoko\r\nG\xF3ra=12px\r\n0=\r\n");
  auto window = Start();
  const RECT bounds = WindowRect(window->Handle());
  EXPECT_EQ(bounds.bottom - bounds.top, 608);
  EXPECT_EQ(bounds.top, -4);
  EXPECT_EQ(window->Lista.ColumnWidth(0), 110);
}

TEST_F(MainWindowTest, ClosingMaximisedRestartsMaximisedWithoutTheStoredBounds) {
  auto window = Start();
  window->SetMaximized(true);
  Pump();
  ASSERT_TRUE(IsZoomed(window->Handle()));
  const RECT maximised = WindowRect(window->Handle());
  ASSERT_TRUE(CloseWindow(*window));
  EXPECT_EQ(IniValue(Ini(), "Okno", "1"), "1");
  EXPECT_EQ(Setting("Lewo"), std::to_string(maximised.left));
  EXPECT_EQ(Setting("Szeroko\x9C\xE6"), std::to_string(maximised.right - maximised.left));

  auto again = Start();
  EXPECT_TRUE(IsZoomed(again->Handle()));
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  GetWindowPlacement(again->Handle(), &placement);
  EXPECT_NE(placement.rcNormalPosition.right - placement.rcNormalPosition.left,
            maximised.right - maximised.left)
      << "the stored bounds are not applied";
}

TEST_F(MainWindowTest, AnyOtherWindowStateOpensAtTheDesignBounds) {
  WriteFileText(Ini(), "[Okno]\r\n1=2\r\n[Ustawienia]\r\nLewo=300\r\n");
  auto window = Start();
  EXPECT_FALSE(IsZoomed(window->Handle()));
  const RECT bounds = WindowRect(window->Handle());
  EXPECT_EQ(bounds.right - bounds.left, 695);
  EXPECT_EQ(bounds.bottom - bounds.top, 548);
  EXPECT_NE(bounds.left, 300);
}

TEST_F(MainWindowTest, TheCatalogueLoadsIntoTheListAndIsWrittenBackRecordForRecord) {
  FilmEntry longTitle = kMatrix;
  longTitle.polishTitle = std::string(300, 'x');
  auto bytes = CatalogueBytes({kMatrix, kPolish, kEmpty});
  bytes.push_back(0x42);  // a trailing part shorter than a record is ignored
  WriteFileBytes(Dat(), bytes);

  auto window = Start();
  EXPECT_TRUE(Dialogs().messages.empty());
  ASSERT_EQ(window->Lista.Count(), 3);
  EXPECT_EQ(ListView_GetItemCount(window->Lista.Handle()), 3);
  EXPECT_EQ(window->StatusBar.PanelText(0), L"Rekordów: 3");
  EXPECT_EQ(CellText(window->Lista.Handle(), 0, 1), L"The Matrix");
  EXPECT_EQ(CellText(window->Lista.Handle(), 1, 0), L"Żółta łódź");
  EXPECT_EQ(CellText(window->Lista.Handle(), 1, 1), L"Łódź");
  EXPECT_EQ(CellText(window->Lista.Handle(), 1, 4), L"CD");
  EXPECT_EQ(CellText(window->Lista.Handle(), 2, 0), L"");

  window->Lista.Append(longTitle);
  EXPECT_EQ(window->Lista.Row(3).polishTitle.size(), 300u) << "whole in memory until written";
  ASSERT_TRUE(CloseWindow(*window));

  const auto films = CatalogueFilms(ReadFileBytes(Dat()));
  ASSERT_EQ(ReadFileBytes(Dat()).size(), 4 * kRecordSize);
  EXPECT_EQ(films[0], kMatrix);
  EXPECT_EQ(films[1], kPolish);
  EXPECT_EQ(films[2], kEmpty);
  EXPECT_EQ(films[3].polishTitle, std::string(255, 'x'));

  auto again = Start();
  ASSERT_EQ(again->Lista.Count(), 4);
  EXPECT_EQ(again->Lista.Row(1), kPolish);
}

TEST_F(MainWindowTest, ClosingWithoutTheDataFolderShowsAnErrorAndStaysOpen) {
  auto window = Start();
  Dialogs().Clear();
  RemoveDirectoryW((folder / L"Dane").c_str());

  EXPECT_FALSE(CloseWindow(*window));
  ASSERT_EQ(Dialogs().errors.size(), 1u);
  EXPECT_NE(Dialogs().errors[0].find(L"Dane\\Dane.dat"), std::wstring::npos) << "names the file";
  EXPECT_TRUE(IsWindowVisible(window->Handle()));
  EXPECT_FALSE(Exists(Ini())) << "the settings are not written after the failed catalogue";

  CreateDirectoryW((folder / L"Dane").c_str(), nullptr);
  EXPECT_TRUE(CloseWindow(*window)) << "a later close succeeds";
}

TEST_F(MainWindowTest, AnInterruptedCatalogueWriteLeavesTheOldFileWhole) {
  const auto old = CatalogueBytes({kMatrix, kPolish});
  WriteFileBytes(Dat(), old);
  auto window = Start();
  window->Lista.Append(kEmpty);
  {
    // Something holds the new version's place: the write cannot finish.
    FileLock lock(toolkit::AtomicFileWriter::TemporaryPathFor(Dat()));
    ASSERT_TRUE(lock.Locked());
    EXPECT_FALSE(CloseWindow(*window));
  }
  ASSERT_EQ(Dialogs().errors.size(), 1u);
  EXPECT_EQ(ReadFileBytes(Dat()), old);
  EXPECT_TRUE(CloseWindow(*window));
  EXPECT_EQ(CatalogueFilms(ReadFileBytes(Dat())).size(), 3u);
}

TEST_F(MainWindowTest, AFailedSettingsWriteKeepsTheWindowOpen) {
  auto window = Start();
  Dialogs().Clear();
  {
    FileLock lock(Ini());
    ASSERT_TRUE(lock.Locked());
    EXPECT_FALSE(CloseWindow(*window));
  }
  ASSERT_EQ(Dialogs().errors.size(), 1u);
  EXPECT_NE(Dialogs().errors[0].find(L"Baza.ini"), std::wstring::npos);
  EXPECT_TRUE(CloseWindow(*window));
}

TEST_F(MainWindowTest, AnUnreadableCatalogueIsReportedAndTheWindowStillOpens) {
  WriteFileBytes(Dat(), CatalogueBytes({kMatrix}));
  WriteFileText(Ini(), "[Ustawienia]\r\nNo\x9Cnik=VCD\r\n");
  FileLock lock(Dat());
  ASSERT_TRUE(lock.Locked());
  auto window = Start();
  ASSERT_EQ(Dialogs().errors.size(), 1u);
  EXPECT_NE(Dialogs().errors[0].find(L"Dane.dat"), std::wstring::npos);
  EXPECT_TRUE(IsWindowVisible(window->Handle()));
  EXPECT_EQ(window->Lista.Count(), 0);
  EXPECT_EQ(window->n.WText(), L"") << "the rest of the creation steps are skipped";
}

TEST_F(MainWindowTest, ACloseBeforeTheWindowWasEverShownIsIgnored) {
  // As when something asks the program to close while its start-up message is up.
  TMainWindow window(AppPaths{folder.Path(), folder.Path()});
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
  auto window = Start();
  const HWND before = window->Handle();
  window->SetStayOnTop(true);
  Pump();
  const HWND after = window->Handle();
  EXPECT_NE(before, after);
  EXPECT_FALSE(IsWindow(before));
  EXPECT_TRUE(IsWindowVisible(after));
  EXPECT_TRUE(GetWindowLongW(after, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetAncestor(window->Lista.Handle(), GA_ROOT), after);
  EXPECT_EQ(CellText(window->Lista.Handle(), 1, 1), L"Łódź") << "the list still gets its texts";

  window->SetStayOnTop(false);
  Pump();
  EXPECT_FALSE(GetWindowLongW(window->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(CloseWindow(*window)) << "closing the recreated window still ends it";
}

TEST_F(MainWindowTest, ControlsAreFoundByTheirIdsAndSaveIsReachedAfterAddDescription) {
  auto window = Start();
  const HWND panel = GetDlgItem(window->Client().Handle(), id::Panel3);
  ASSERT_TRUE(panel);
  const struct {
    int id;
    const wchar_t* text;
  } captions[] = {{id::AddBtn, L"Dodaj wpis"},        {id::DelBtn, L"Usuń wpis"},
                  {id::AllClearBtn, L"Dodaj opis"},   {id::SaveBtn, L"Zapisz zmiany"},
                  {id::ExportBtn, L"Generuj listę w HTML"}, {id::Button4, L"Podgląd HTML"},
                  {id::Button8, L"Szukaj w internecie"}, {id::Button1, L"Szukaj"},
                  {id::Button5, L"Następny"},         {id::Button6, L"Poprzedni"},
                  {id::Button7, L"D"},                {id::Button2, L"Wklej"},
                  {id::Button3, L"Wklej"},            {id::C, L"Text Text"},
                  {id::Label5, L"Nośnik "}};
  for (const auto& c : captions) {
    wchar_t text[64] = L"";
    GetWindowTextW(GetDlgItem(panel, c.id), text, 64);
    EXPECT_STREQ(text, c.text) << "id " << c.id;
  }
  EXPECT_TRUE(GetDlgItem(window->Client().Handle(), id::Lista));
  EXPECT_TRUE(GetDlgItem(window->Panel1.Handle(), id::r1));
  EXPECT_EQ(window->g.ItemCount(), 36);
  EXPECT_EQ(window->g.Item(0), L"");
  EXPECT_EQ(window->g.Item(25), L"Obyczjowy");
  EXPECT_EQ(window->g.Item(35), L"Wojenny");

  const HWND save = GetDlgItem(panel, id::SaveBtn);
  const RECT saveBounds = WindowRect(save);
  EXPECT_EQ(saveBounds.right - saveBounds.left, 0);
  EXPECT_FALSE(IsWindowEnabled(save));
  window->SaveBtn.SetEnabled(true);
  EXPECT_EQ(GetNextDlgTabItem(window->Handle(), GetDlgItem(panel, id::AllClearBtn), FALSE), save);
}

TEST_F(MainWindowTest, TheDiscsSpinStepsWithoutBoundsAndWithoutWrapping) {
  auto window = Start();
  const struct {
    const wchar_t* text;
    int delta;
    const wchar_t* after;
  } cases[] = {{L"1", 1, L"2"},
               {L"1", -1, L"0"},
               {L"0", -1, L"-1"},
               {L"2147483647", 1, L"2147483647"},
               {L"-2147483648", -1, L"-2147483648"},
               {L"abc", 1, L"1"}};
  for (const auto& c : cases) {
    window->i.SetWText(c.text);
    NMUPDOWN change{};
    change.hdr.hwndFrom = FindWindowExW(window->Panel3.Handle(), nullptr, UPDOWN_CLASSW, nullptr);
    change.hdr.code = UDN_DELTAPOS;
    change.iDelta = c.delta;
    ASSERT_TRUE(change.hdr.hwndFrom);
    SendMessageW(window->Panel3.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
    EXPECT_EQ(window->i.WText(), c.after) << c.text << " by " << c.delta;
  }
}

TEST_F(MainWindowTest, AnErrorInAHandlerIsShownAndTheRestOfItIsAbandoned) {
  auto window = Start();
  Dialogs().Clear();
  bool finished = false;
  window->AddBtn.onClick = [&] {
    throw toolkit::Error(L"Nie można zapisać pliku C:\\x.txt.");
    finished = true;
  };
  SendMessageW(window->AddBtn.Handle(), BM_CLICK, 0, 0);
  Pump();
  EXPECT_FALSE(finished);
  ASSERT_EQ(Dialogs().errors.size(), 1u);
  EXPECT_EQ(Dialogs().errors[0], L"Nie można zapisać pliku C:\\x.txt.");
  EXPECT_TRUE(IsWindowVisible(window->Handle()));
}

}  // namespace
}  // namespace kadrion
