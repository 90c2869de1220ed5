// Filling the title edits from picked media files, and the hidden clean-up buttons.
#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "toolkit/clipboard.h"

namespace kadrion {
namespace {

using namespace testing_support;
using TitlesFromFilesTest = MainWindowFixture;

const std::vector<std::wstring> kThreeFiles = {
    L"D:\\Filmy\\Matrix\\matrix.dvdrip.avi",
    L"D:\\Filmy\\Ocean's Eleven\\CD1\\oceans.eleven.XviD.avi",
    L"E:\\Pianista (Lektor PL).avi",
};

TEST_F(TitlesFromFilesTest, WithAddCheckedEveryPickedFileIsAddedInTheDialogsOrder) {
  Start({FilmEntry{"Stary", "Old", "", "1", "DVD"}});
  window->Al.SetChecked(true);
  window->g.SetWText(L"Dramat");
  Dialogs().pickedFiles = kThreeFiles;
  Press(window->Button7);

  ASSERT_EQ(window->Lista.Count(), 4);
  EXPECT_EQ(window->Lista.Row(1), (FilmEntry{"Matrix", "matrix", "Dramat", "1", "DVD"}));
  EXPECT_EQ(window->Lista.Row(2).polishTitle, "CD1") << "an apostrophe splits like any folder";
  EXPECT_EQ(window->Lista.Row(3).polishTitle, "E:");
  EXPECT_EQ(window->Lista.Row(3).originalTitle, "Pianista");
  EXPECT_EQ(window->p.WText(), L"") << "as Add leaves it";
  EXPECT_EQ(toolkit::ClipboardText(nullptr), L"E:");
  EXPECT_EQ(Dialogs().fileFilters.size(), 5u);
  EXPECT_EQ(Dialogs().fileFilters[0].caption, L"Wszyskie pliki ");
}

TEST_F(TitlesFromFilesTest, WithoutAddTheEditsAndTheClipboardHoldTheLastFile) {
  Start({});
  Dialogs().pickedFiles = kThreeFiles;
  Press(window->Button7);
  EXPECT_EQ(window->Lista.Count(), 0);
  EXPECT_EQ(window->p.WText(), L"E:");
  EXPECT_EQ(window->O.WText(), L"Pianista");
  EXPECT_EQ(toolkit::ClipboardText(nullptr), L"E:");

  window->NP.SetChecked(true);
  Dialogs().pickedFiles = {{L"C:\\Seriale\\VIDEO_TS\\VIDEO_TS.IFO"}};
  Press(window->Button7);
  EXPECT_EQ(window->p.WText(), L"VIDEO TS") << "the Polish title from the file name";
  EXPECT_EQ(window->O.WText(), L"VIDEO TS");
}

TEST_F(TitlesFromFilesTest, CancellingTheDialogChangesNothing) {
  Start({FilmEntry{"Stary", "Old", "", "1", "DVD"}});
  window->Al.SetChecked(true);
  window->p.SetWText(L"moje");
  toolkit::SetClipboardText(nullptr, L"schowek");
  Dialogs().pickedFiles.reset();
  Press(window->Button7);
  EXPECT_EQ(window->Lista.Count(), 1);
  EXPECT_EQ(window->p.WText(), L"moje");
  EXPECT_EQ(toolkit::ClipboardText(nullptr), L"schowek");
}

TEST_F(TitlesFromFilesTest, EachHiddenButtonCleansItsOwnEdit) {
  Start({});
  window->ss.SetWText(L"Mr.Bean.DVDRip");
  window->p.SetWText(L"\u0141\u00F3d\u017A_2004");
  window->O.SetWText(L"nietkni\u0119ty_");
  window->Sz.Click();
  EXPECT_NE(window->ss.WText(), L"Mr.Bean.DVDRip");
  EXPECT_EQ(window->O.WText(), L"nietkni\u0119ty_") << "Sz works on the search edit only";
  window->Sz3.Click();
  EXPECT_EQ(window->O.WText(), L"nietkni\u0119ty");
  EXPECT_EQ(window->p.WText(), L"\u0141\u00F3d\u017A_2004");
}

}  // namespace
}  // namespace kadrion
