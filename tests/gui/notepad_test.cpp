// The notepad: its notes file, written when the window closes and when the program ends with
// the notepad open, and its place above other windows.
#include <gtest/gtest.h>

#include <optional>

#include "program_fixture.h"
#include "test_support.h"

namespace kadrion::app {
namespace {

using namespace testing_support;

class NotepadTest : public ProgramTest {
 protected:
  // "Notatnik" of the list's menu.
  void Open() { ChooseFromListMenu(L"Notatnik"); }
  // Ends the program as closing the main window does; true when it went away.
  bool EndProgram() { return CloseWindow(Main()); }
  bool Shown() { return IsWindowVisible(Notepad().Handle()) != 0; }
  std::wstring NotesFile() const { return folder / L"Dane\\Notatnik.ini"; }
};

TEST_F(NotepadTest, StartsHiddenAndItsNotesFillTheWindowAndWrap) {
  Start();
  EXPECT_EQ(Notepad().Caption(), L"Notatnik");
  EXPECT_FALSE(Shown());
  Open();
  RECT client{};
  GetClientRect(Notepad().Handle(), &client);
  const RECT memo = Notes().Bounds();
  EXPECT_EQ(memo.right - memo.left, client.right) << "the memo fills the window";
  EXPECT_EQ(memo.bottom - memo.top, client.bottom);
  const LONG style = GetWindowLongW(Notes().Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_VSCROLL);
  EXPECT_FALSE(style & (WS_HSCROLL | ES_AUTOHSCROLL)) << "long lines wrap";
}

TEST_F(NotepadTest, NotesRoundTripAsCp1250WithEveryLineBreakMadeCrLf) {
  WriteFileText(NotesFile(), "jeden\ndwa\rtrzy\r\n\xB3\xF3\x64\x9F");
  Start();
  EXPECT_EQ(Notes().WText(), L"jeden\r\ndwa\r\ntrzy\r\nłódź");

  Open();
  EXPECT_TRUE(Shown());
  Notepad().Close();
  EXPECT_FALSE(Shown()) << "closing only hides it";
  EXPECT_TRUE(IsWindow(Notepad().Handle()));
  EXPECT_EQ(ReadFileText(NotesFile()), "jeden\r\ndwa\r\ntrzy\r\n\xB3\xF3\x64\x9F");

  Open();
  Notes().SetWText(L"");
  Notepad().Close();
  ASSERT_TRUE(Exists(NotesFile()));
  EXPECT_TRUE(ReadFileBytes(NotesFile()).empty()) << "an empty notepad gives a 0-byte file";
  EXPECT_TRUE(Dialogs().errors.empty());
}

TEST_F(NotepadTest, AMissingFileStartsEmptyAndTheFirstCloseCreatesIt) {
  Start();
  EXPECT_EQ(Notes().WText(), L"");
  EXPECT_TRUE(Dialogs().errors.empty());
  EXPECT_EQ(Dialogs().messages.size(), 0u);

  Open();
  Notes().SetWText(L"Kupić \u201EPianistę\u201D");
  Notepad().Close();
  EXPECT_EQ(ReadFileText(NotesFile()), "Kupi\xE6 \x84Pianist\xEA\x94");
  EXPECT_TRUE(Dialogs().messages.empty());

  // What the code page cannot hold is stored as its replacement, and said at the close.
  Open();
  Notes().SetWText(L"Брат");
  Notepad().Close();
  EXPECT_EQ(ReadFileText(NotesFile()), "????");
  ASSERT_EQ(Dialogs().messages.size(), 1u);
  EXPECT_EQ(Dialogs().messages[0],
            L"Niektórych znaków nie da się zapisać w notatkach (strona kodowa 1250); "
            L"zastąpiono je podobnymi lub znakiem \u201E?\u201D.");
  EXPECT_FALSE(Shown());
}

// Notes another program holds at the start are never written over: the notepad opens only
// once it has read them.
TEST_F(NotepadTest, AnUnreadableFileIsReportedAndTheNotepadOpensOnlyOnceItCanReadIt) {
  WriteFileText(NotesFile(), "notatki");
  auto lock = std::make_optional<FileLock>(NotesFile());
  Start();
  Open();
  ASSERT_EQ(Dialogs().errors.size(), 2u) << "at the start and at the opening";
  EXPECT_NE(Dialogs().errors[1].find(L"Notatnik.ini"), std::wstring::npos);
  EXPECT_FALSE(Shown());
  lock.reset();
  Open();
  EXPECT_EQ(Notes().WText(), L"notatki");
  EXPECT_TRUE(EndProgram());
  EXPECT_EQ(ReadFileText(NotesFile()), "notatki");
}

TEST_F(NotepadTest, AFailedWriteKeepsTheWindowOpenUntilTheNextClose) {
  WriteFileText(NotesFile(), "stare");
  Start();
  Open();
  Notes().SetWText(L"nowe");
  {
    FileLock lock(NotesFile());
    ASSERT_TRUE(lock.Locked());
    Notepad().Close();
    ASSERT_EQ(Dialogs().errors.size(), 1u);
    EXPECT_NE(Dialogs().errors[0].find(folder / L"Dane\\Notatnik.ini"), std::wstring::npos);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(Notes().WText(), L"nowe");
  }
  EXPECT_EQ(ReadFileText(NotesFile()), "stare");
  Notepad().Close();
  EXPECT_FALSE(Shown());
  EXPECT_EQ(ReadFileText(NotesFile()), "nowe");
}

TEST_F(NotepadTest, EndingTheProgramWithTheNotepadOpenWritesTheNotes) {
  WriteFileText(NotesFile(), "stare");
  Start();
  Open();
  Notes().SetWText(L"dopisane przed końcem");
  EXPECT_TRUE(EndProgram());
  EXPECT_EQ(ReadFileText(NotesFile()), "dopisane przed ko\xF1\x63\x65m");
  EXPECT_TRUE(Dialogs().errors.empty());
}

TEST_F(NotepadTest, AHiddenNotepadWritesNothingAtTheEnd) {
  WriteFileText(NotesFile(), "zapisane przy zamkni\xEA\x63iu");
  Start();
  Notes().SetWText(L"zmienione w ukryciu");  // as only code could
  EXPECT_TRUE(EndProgram());
  EXPECT_EQ(ReadFileText(NotesFile()), "zapisane przy zamkni\xEA\x63iu");
}

TEST_F(NotepadTest, AFailedWriteAtTheEndIsShownAndTheProgramStillEnds) {
  WriteFileText(NotesFile(), "stare");
  Start();
  Open();
  Notes().SetWText(L"nowe");
  FileLock lock(NotesFile());
  ASSERT_TRUE(lock.Locked());
  EXPECT_TRUE(EndProgram());
  ASSERT_EQ(Dialogs().errors.size(), 1u);
  EXPECT_NE(Dialogs().errors[0].find(L"Notatnik.ini"), std::wstring::npos);
  EXPECT_NE(IniValue(folder / L"Dane\\Baza.ini", "Ustawienia", "Kc"), "<none>")
      << "the settings were written before";
}

TEST_F(NotepadTest, AlwaysOnTopWhateverTheMainWindowSwitchSays) {
  Start();
  const HWND handle = Notepad().Handle();
  EXPECT_TRUE(GetWindowLongW(handle, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(Main().StayOnTop());
  Open();
  ChooseFromListMenu(L"Zawsze na wierzchu");  // on
  ChooseFromListMenu(L"Zawsze na wierzchu");  // off
  EXPECT_EQ(Notepad().Handle(), handle) << "the switch does not touch the notepad";
  EXPECT_TRUE(GetWindowLongW(handle, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(Shown());
}

}  // namespace
}  // namespace kadrion::app
