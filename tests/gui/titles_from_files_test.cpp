// Filling the title edits from picked media files, and the hidden clean-up buttons.
#include <gtest/gtest.h>

#include "program_fixture.h"
#include <shlobj.h>

#include "toolkit/clipboard.h"

namespace kadrion::app {
namespace {

using namespace testing_support;
using TitlesFromFilesTest = ProgramTest;

const std::vector<std::wstring> kThreeFiles = {
    L"D:\\Filmy\\Matrix\\matrix.dvdrip.avi",
    L"D:\\Filmy\\Ocean's Eleven\\CD1\\oceans.eleven.XviD.avi",
    L"E:\\Pianista (Lektor PL).avi",
};

// Files dropped from Explorer, as the shell hands them over: a DROPFILES block of wide paths.
void DropFiles(HWND window, const std::vector<std::wstring>& files) {
  std::wstring paths;
  for (const std::wstring& file : files) paths += file + L'\0';
  paths += L'\0';
  const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + paths.size() * sizeof(wchar_t));
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  std::copy(paths.begin(), paths.end(), reinterpret_cast<wchar_t*>(drop + 1));
  GlobalUnlock(memory);
  PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
  Pump();
}

TEST_F(TitlesFromFilesTest, WithAddCheckedEveryPickedOrDroppedFileIsAddedInItsOrder) {
  for (const bool dropped : {false, true}) {
    SCOPED_TRACE(dropped ? "dropped on the window" : "picked with D");
    Dialogs().Clear();
    Start({core::FilmEntry{"Stary", "Old", "", "1", "DVD"}});
    InMain<toolkit::CheckBox>(id::Al).SetChecked(true);
    SetTextOf(id::g, L"Dramat");
    if (dropped) {
      EXPECT_TRUE(GetWindowLongW(Main().Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
      DropFiles(Main().Handle(), kThreeFiles);
    } else {
      Dialogs().pickedFiles = kThreeFiles;
      Press(InMain(id::Button7));
      EXPECT_EQ(Dialogs().fileFilters.size(), 5u);
      EXPECT_EQ(Dialogs().fileFilters[0].caption, L"Wszyskie pliki ");
    }
    ASSERT_EQ(Model().Count(), 4);
    EXPECT_EQ(Model().Film(1), (core::FilmEntry{"Matrix", "matrix", "Dramat", "1", "DVD"}));
    EXPECT_EQ(Model().Film(2).polishTitle, "CD1") << "an apostrophe splits like any folder";
    EXPECT_EQ(Model().Film(3).polishTitle, "E:");
    EXPECT_EQ(Model().Film(3).originalTitle, "Pianista");
    EXPECT_EQ(TextOf(id::p), L"") << "as Add leaves it";
    EXPECT_EQ(toolkit::ClipboardText(nullptr), L"E:");
  }
}

TEST_F(TitlesFromFilesTest, WithoutAddTheEditsAndTheClipboardHoldTheLastFile) {
  Start({});
  Dialogs().pickedFiles = kThreeFiles;
  Press(InMain(id::Button7));
  EXPECT_EQ(Model().Count(), 0);
  EXPECT_EQ(TextOf(id::p), L"E:");
  EXPECT_EQ(TextOf(id::O), L"Pianista");
  EXPECT_EQ(toolkit::ClipboardText(nullptr), L"E:");

  InMain<toolkit::CheckBox>(id::NP).SetChecked(true);
  Dialogs().pickedFiles = {{L"C:\\Seriale\\VIDEO_TS\\VIDEO_TS.IFO"}};
  Press(InMain(id::Button7));
  EXPECT_EQ(TextOf(id::p), L"VIDEO TS") << "the Polish title from the file name";
  EXPECT_EQ(TextOf(id::O), L"VIDEO TS");
}

TEST_F(TitlesFromFilesTest, CancellingTheDialogChangesNothing) {
  Start({core::FilmEntry{"Stary", "Old", "", "1", "DVD"}});
  InMain<toolkit::CheckBox>(id::Al).SetChecked(true);
  SetTextOf(id::p, L"moje");
  toolkit::SetClipboardText(nullptr, L"schowek");
  Dialogs().pickedFiles.reset();
  Press(InMain(id::Button7));
  EXPECT_EQ(Model().Count(), 1);
  EXPECT_EQ(TextOf(id::p), L"moje");
  EXPECT_EQ(toolkit::ClipboardText(nullptr), L"schowek");
}

TEST_F(TitlesFromFilesTest, EachHiddenButtonCleansItsOwnEdit) {
  Start({});
  SetTextOf(id::ss, L"Mr.Bean.DVDRip");
  SetTextOf(id::p, L"\u0141\u00F3d\u017A_2004");
  SetTextOf(id::O, L"nietkni\u0119ty_");
  InMain(id::Sz).Click();
  EXPECT_NE(TextOf(id::ss), L"Mr.Bean.DVDRip");
  EXPECT_EQ(TextOf(id::O), L"nietkni\u0119ty_") << "Sz works on the search edit only";
  InMain(id::Sz3).Click();
  EXPECT_EQ(TextOf(id::O), L"nietkni\u0119ty");
  EXPECT_EQ(TextOf(id::p), L"\u0141\u00F3d\u017A_2004");
}

}  // namespace
}  // namespace kadrion::app
