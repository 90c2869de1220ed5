// Films to and from CSV files and from a folder tree, through the list's menu: the work off the
// window's thread, the films added in one step that Ctrl+Z takes back.
#include <gtest/gtest.h>
#include <shlobj.h>

#include "program_fixture.h"
#include "test_support.h"

namespace kadrion::app {
namespace {

using namespace testing_support;

class TransferTest : public ProgramTest {
 protected:
  // Chooses the menu item and lets the work it starts run to its end.
  void Run(const std::wstring& item) {
    ChooseFromListMenu(item);
    ASSERT_TRUE(PumpUntil([this] { return !Main().LongWork().Running(); }, 20000)) << item;
    Pump();
  }
  std::vector<core::FilmEntry> Films() {
    std::vector<core::FilmEntry> films;
    for (int row = 0; row < Model().Count(); ++row) films.push_back(Model().Film(row));
    return films;
  }
};

TEST_F(TransferTest, ExportedFilmsComeBackByteForByteAndCtrlZTakesTheImportBack) {
  // Texts a spreadsheet quotes, every Polish letter, a field at its limit, an empty one.
  const std::vector<core::FilmEntry> films = {
      {"Rejs; \"kultowy\"", "Rejs", "Komedia", "1", "DVD"},
      {"\xA3\xF3\x64\x9F \xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF \xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF",
       std::string(255, 'x'), "", "", "VCD"},
      {"a,b\ttab", "\"", "Dramat", "9999", "CD"}};
  Start(films);
  const std::wstring csv = folder / L"Filmy.csv";
  Dialogs().chosenPath = csv;
  Run(L"Eksportuj do pliku CSV…");
  EXPECT_EQ(Dialogs().proposedName, L"Filmy.csv");
  const std::string bytes = ReadFileText(csv);
  const std::string start =
      "\xEF\xBB\xBFTytu\xC5\x82 polski;Tytu\xC5\x82 oryginalny;Gatunek;Ilo\xC5\x9B\xC4\x87 "
      "p\xC5\x82yt;No\xC5\x9Bnik\r\n\"Rejs; \"\"kultowy\"\"\";Rejs;";
  EXPECT_EQ(bytes.substr(0, start.size()), start) << "UTF-8 with its mark, \";\", CR LF, quotes";
  EXPECT_EQ(Status(1), L"Filmy zapisane w " + csv);

  Model().Assign({});
  Run(L"Importuj z pliku CSV…");
  EXPECT_EQ(Films(), films);
  EXPECT_TRUE(Dialogs().questions.empty()) << "nothing to ask about";
  EXPECT_EQ(Status(1), L"Dodano filmy: 3. Ctrl+Z cofa.");
  ChooseFromListMenu(L"Cofnij usunięcie");
  EXPECT_EQ(Model().Count(), 0) << "the whole import in one step";
}

// Files as Excel and older programs write them; what cannot be stored is asked about first.
TEST_F(TransferTest, SpreadsheetFilesImportAndProblemsAreAskedAboutFirst) {
  struct Case {
    const char* file;
    toolkit::Answer answer;
    std::vector<core::FilmEntry> films;
    const wchar_t* question;  // the start of it, "" when none is asked
  };
  const Case cases[] = {
      {"\xEF\xBB\xBFTytu\xC5\x82 polski;Tytu\xC5\x82 oryginalny;Gatunek;Ilo\xC5\x9B\xC4\x87 "
       "p\xC5\x82yt;No\xC5\x9Bnik\r\n\"Mi\xC5\x9B, \"\"ten\"\"\r\ndrugi\";Teddy;Bajka;2;DVD\r\n",
       toolkit::Answer::Yes,
       {{"Mi\x9C, \"ten\" drugi", "Teddy", "Bajka", "2", "DVD"}},
       L""},
      {"Nosnik,Tytul polski,Uwagi,Ilosc plyt\r\nCD,\xA3\xF3\x64\x9F,stara,1\r\n\r\n",
       toolkit::Answer::Yes,
       {{"\xA3\xF3\x64\x9F", "", "", "1", "CD"}},
       L""},
      {"Kot \xE2\x98\x83;Cat;;dwie;CD\n", toolkit::Answer::No, {}, L"Z pliku „Filmy.csv” zostanie"},
      {"Kot \xE2\x98\x83;Cat;;dwie;CD\n",
       toolkit::Answer::Yes,
       {{"Kot ?", "Cat", "", "dwie", "CD"}},
       L"Z pliku „Filmy.csv” zostanie dodanych filmów: 1.\n\nWierszy z danymi, których katalog "
       L"nie zapisze w całości: 1.\n\nwiersz 1, Tytuł polski: znaki"},
  };
  Start({});
  for (const Case& c : cases) {
    Model().Assign({});
    Dialogs().Clear();
    Dialogs().answer = c.answer;
    Dialogs().chosenPath = folder / L"Filmy.csv";
    WriteFileText(*Dialogs().chosenPath, c.file);
    Run(L"Importuj z pliku CSV…");
    EXPECT_EQ(Films(), c.films) << c.file;
    if (*c.question) {
      ASSERT_EQ(Dialogs().questions.size(), 1u) << c.file;
      EXPECT_EQ(Dialogs().questions[0].rfind(c.question, 0), 0u) << Dialogs().questions[0];
    } else {
      EXPECT_TRUE(Dialogs().questions.empty()) << c.file;
    }
  }
}

// A tree of media files at several depths, with other files, a cover picture, music and a DVD
// folder among them: exactly the video files and the DVD, in path order; cancelled, nothing.
TEST_F(TransferTest, AFolderTreeAddsItsMediaFilesInPathOrderUnlessCancelled) {
  Start({});
  const std::wstring root = folder / L"Filmy";
  for (const wchar_t* file :
       {L"b\\Zimna wojna\\zimna.wojna.avi", L"b\\opis.txt", L"A\\Rejs\\VIDEO_TS\\VIDEO_TS.IFO",
        L"A\\Rejs\\VIDEO_TS\\VTS_01_1.VOB", L"A\\Rejs\\okladka.jpg", L"A\\Rejs\\temat.mp3",
        L"a.MKV", L"C\\D\\E\\Miś.mp4"}) {
    const std::wstring path = root + L"\\" + file;
    SHCreateDirectoryExW(nullptr, path.substr(0, path.rfind(L'\\')).c_str(), nullptr);
    WriteFileText(path, "");
  }
  SetTextOf(id::g, L"Komedia");
  Dialogs().chosenPath = root;
  Run(L"Dodaj filmy z folderu…");
  const std::vector<core::FilmEntry> films = {{"Rejs", "Rejs", "Komedia", "1", "DVD"},
                                              {"Filmy", "a", "Komedia", "1", "DVD"},
                                              {"Zimna wojna", "zimna wojna", "Komedia", "1", "DVD"},
                                              {"E", "Mi\x9C", "Komedia", "1", "DVD"}};
  EXPECT_EQ(Films(), films);
  EXPECT_EQ(Status(1), L"Dodano filmy: 4. Ctrl+Z cofa.");

  Model().Assign({});
  ChooseFromListMenu(L"Dodaj filmy z folderu…");
  Main().LongWork().Cancel();
  ASSERT_TRUE(PumpUntil([this] { return !Main().LongWork().Running(); }, 20000));
  Pump();
  EXPECT_EQ(Model().Count(), 0) << "cancelled: nothing added";
  EXPECT_EQ(Status(1), L"Przerwano, nic nie dodano.");
}

// The other ends of an import: a file that cannot be read is an error and adds nothing; an
// import asked for while another runs is refused; a folder without media files says so.
TEST_F(TransferTest, AnUnreadableFileIsAnErrorAndASecondImportWaitsForTheFirst) {
  Start({});
  Dialogs().chosenPath = folder / L"brak.csv";
  Run(L"Importuj z pliku CSV…");
  EXPECT_EQ(Dialogs().errors.size(), 1u) << "the file is not there";
  EXPECT_EQ(Status(1), L"");

  Dialogs().chosenPath = folder / L"Puste";
  CreateDirectoryW(Dialogs().chosenPath->c_str(), nullptr);
  ChooseFromListMenu(L"Dodaj filmy z folderu…");
  Run(L"Importuj z pliku CSV…");
  EXPECT_EQ(Dialogs().messages,
            (std::vector<std::wstring>{
                L"Poprzedni import jeszcze trwa. Poczekaj, aż się skończy, albo go anuluj.",
                L"W tym folderze nie ma plików multimedialnych."}));
  EXPECT_EQ(Status(1), L"Dodano filmy: 0.");
  EXPECT_EQ(Dialogs().errors.size(), 1u);
}

}  // namespace
}  // namespace kadrion::app
