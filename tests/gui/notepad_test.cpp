// The notepad: its notes file, written when the window closes and when the program ends with
// the notepad open, and its place above other windows.
#include <gtest/gtest.h>

#include "program_fixture.h"
#include "test_support.h"

namespace kadrion {
namespace {

using namespace testing_support;

class NotepadTest : public ProgramFixture {
 protected:
  // The main window, then the notepad, as the program starts.
  void Start() {
    StartMain();
    StartNotepad();
    Pump();
  }
  // "Notatnik" of the list's menu.
  void Open() { main->PopupMenu1.Click(0); }
  // Ends the program as closing the main window does; true when it went away.
  bool EndProgram() {
    main->Close();
    Pump();
    return !IsWindow(main->Handle());
  }
  bool Shown() const { return IsWindowVisible(notepad->Handle()) != 0; }
  std::wstring Notes() const { return folder / L"Dane\\Notatnik.ini"; }
};

TEST_F(NotepadTest, DesignValues) {
  Start();
  EXPECT_EQ(notepad->Caption(), L"Notatnik");
  EXPECT_FALSE(Shown());
  const RECT bounds = notepad->Bounds();
  EXPECT_EQ(bounds.left, 202);
  EXPECT_EQ(bounds.top, 130);
  EXPECT_EQ(bounds.right - bounds.left, 493);
  EXPECT_EQ(bounds.bottom - bounds.top, 320);
  EXPECT_EQ(notepad->M.Color(), 14548991u);
  EXPECT_EQ(notepad->M.GetFont(), (toolkit::FontInfo{L"Trebuchet MS", 10, toolkit::fsBold, 238,
                                                     GetSysColor(COLOR_WINDOWTEXT)}));
  RECT client{};
  GetClientRect(notepad->Handle(), &client);
  const RECT memo = notepad->M.Bounds();
  EXPECT_EQ(memo.right - memo.left, client.right) << "the memo fills the window";
  EXPECT_EQ(memo.bottom - memo.top, client.bottom);
  EXPECT_TRUE(GetWindowLongW(notepad->M.Handle(), GWL_STYLE) & WS_VSCROLL);
}

TEST_F(NotepadTest, NotesRoundTripAsCp1250WithEveryLineBreakMadeCrLf) {
  WriteFileText(Notes(), "jeden\ndwa\rtrzy\r\n\xB3\xF3\x64\x9F");
  Start();
  EXPECT_EQ(notepad->M.WText(), L"jeden\r\ndwa\r\ntrzy\r\nłódź");

  Open();
  EXPECT_TRUE(Shown());
  notepad->Close();
  EXPECT_FALSE(Shown()) << "closing only hides it";
  EXPECT_TRUE(IsWindow(notepad->Handle()));
  EXPECT_EQ(ReadFileText(Notes()), "jeden\r\ndwa\r\ntrzy\r\n\xB3\xF3\x64\x9F");

  Open();
  notepad->M.SetWText(L"");
  notepad->Close();
  ASSERT_TRUE(Exists(Notes()));
  EXPECT_TRUE(ReadFileBytes(Notes()).empty()) << "an empty notepad gives a 0-byte file";
  EXPECT_TRUE(Dialogs().errors.empty());
}

TEST_F(NotepadTest, AMissingFileStartsEmptyAndTheFirstCloseCreatesIt) {
  Start();
  EXPECT_EQ(notepad->M.WText(), L"");
  EXPECT_TRUE(Dialogs().errors.empty());
  EXPECT_EQ(Dialogs().messages.size(), 0u);

  Open();
  notepad->M.SetWText(L"Kupić \u201EPianistę\u201D");
  notepad->Close();
  EXPECT_EQ(ReadFileText(Notes()), "Kupi\xE6 \x84Pianist\xEA\x94");
}

TEST_F(NotepadTest, AnUnreadableFileIsReportedAndTheNotepadStartsEmpty) {
  WriteFileText(Notes(), "notatki");
  FileLock lock(Notes());
  ASSERT_TRUE(lock.Locked());
  Start();
  ASSERT_EQ(Dialogs().errors.size(), 1u);
  EXPECT_NE(Dialogs().errors[0].find(L"Notatnik.ini"), std::wstring::npos);
  EXPECT_EQ(notepad->M.WText(), L"");
}

TEST_F(NotepadTest, AFailedWriteKeepsTheWindowOpenUntilTheNextClose) {
  WriteFileText(Notes(), "stare");
  Start();
  Open();
  notepad->M.SetWText(L"nowe");
  {
    FileLock lock(Notes());
    ASSERT_TRUE(lock.Locked());
    notepad->Close();
    ASSERT_EQ(Dialogs().errors.size(), 1u);
    EXPECT_NE(Dialogs().errors[0].find(folder / L"Dane\\Notatnik.ini"), std::wstring::npos);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(notepad->M.WText(), L"nowe");
  }
  EXPECT_EQ(ReadFileText(Notes()), "stare");
  notepad->Close();
  EXPECT_FALSE(Shown());
  EXPECT_EQ(ReadFileText(Notes()), "nowe");
}

TEST_F(NotepadTest, EndingTheProgramWithTheNotepadOpenWritesTheNotes) {
  WriteFileText(Notes(), "stare");
  Start();
  Open();
  notepad->M.SetWText(L"dopisane przed końcem");
  EXPECT_TRUE(EndProgram());
  EXPECT_EQ(ReadFileText(Notes()), "dopisane przed ko\xF1\x63\x65m");
  EXPECT_TRUE(Dialogs().errors.empty());
}

TEST_F(NotepadTest, AHiddenNotepadWritesNothingAtTheEnd) {
  WriteFileText(Notes(), "zapisane przy zamkni\xEA\x63iu");
  Start();
  notepad->M.SetWText(L"zmienione w ukryciu");  // as only code could
  EXPECT_TRUE(EndProgram());
  EXPECT_EQ(ReadFileText(Notes()), "zapisane przy zamkni\xEA\x63iu");
}

TEST_F(NotepadTest, AFailedWriteAtTheEndIsShownAndTheProgramStillEnds) {
  WriteFileText(Notes(), "stare");
  Start();
  Open();
  notepad->M.SetWText(L"nowe");
  FileLock lock(Notes());
  ASSERT_TRUE(lock.Locked());
  EXPECT_TRUE(EndProgram());
  ASSERT_EQ(Dialogs().errors.size(), 1u);
  EXPECT_NE(Dialogs().errors[0].find(L"Notatnik.ini"), std::wstring::npos);
  EXPECT_NE(IniValue(folder / L"Dane\\Baza.ini", "Ustawienia", "Kc"), "<none>")
      << "the settings were written before";
}

TEST_F(NotepadTest, AlwaysOnTopWhateverTheMainWindowSwitchSays) {
  Start();
  const HWND handle = notepad->Handle();
  EXPECT_TRUE(GetWindowLongW(handle, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(main->StayOnTop());
  Open();
  main->PopupMenu1.Click(main->z2);  // on
  main->PopupMenu1.Click(main->z);   // off
  EXPECT_EQ(notepad->Handle(), handle) << "the switch does not touch the notepad";
  EXPECT_TRUE(GetWindowLongW(handle, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(Shown());
}

}  // namespace
}  // namespace kadrion
