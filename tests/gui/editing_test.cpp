// Adding, changing and deleting films through the main window's edit fields and buttons.
#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "core/record_codec.h"
#include "test_support.h"
#include "toolkit/clipboard.h"

namespace kadrion {
namespace {

using namespace testing_support;

FilmEntry Film(const char* polish, const char* discs = "1") {
  return FilmEntry{polish, std::string("Orig ") + polish, "Dramat", discs, "CD"};
}

using EditingTest = MainWindowFixture;

TEST_F(EditingTest, AddAppendsTheEditFieldsAndKeepsGenreDiscsAndMedium) {
  Start({Film("A"), Film("B"), Film("C"), Film("D"), Film("E")});
  ClickRow(2);
  window->p.SetWText(L"Łódź");
  window->O.SetWText(L"Lodz");
  window->g.SetWText(L"Komedia");
  Press(window->AddBtn);

  ASSERT_EQ(window->Lista.Count(), 6);
  EXPECT_EQ(window->Lista.Row(5), (FilmEntry{"\xA3\xF3\x64\x9F", "Lodz", "Komedia", "1", "DVD"}));
  EXPECT_EQ(Status(), L"Rekordów: 6  [3]") << "the selection does not move";
  EXPECT_EQ(window->Lista.Selected(), 2);
  EXPECT_EQ(window->p.WText(), L"");
  EXPECT_EQ(window->O.WText(), L"");
  EXPECT_EQ(window->g.WText(), L"Komedia");
  EXPECT_EQ(window->i.WText(), L"1");
  EXPECT_EQ(window->n.WText(), L"DVD");
}

TEST_F(EditingTest, AddWithEmptyFieldsAndNoSelection) {
  Start({});
  Press(window->AddBtn);
  ASSERT_EQ(window->Lista.Count(), 1);
  EXPECT_EQ(window->Lista.Row(0), (FilmEntry{"", "", "", "1", "DVD"}));
  EXPECT_EQ(Status(), L"Rekordów: 1  [0]");
}

TEST_F(EditingTest, DeleteTakesTheRowAndItsDescriptionAndTheMessageClearsItself) {
  Start({Film("Jedyny")});
  WriteFileText(folder / L"Opisy\\Jedyny.txt", "opis");
  ClickRow(0);
  Press(window->DelBtn);
  EXPECT_EQ(window->Lista.Count(), 0);
  EXPECT_EQ(Status(), L"Rekordów: 0");
  EXPECT_FALSE(Exists(folder / L"Opisy\\Jedyny.txt"));
  EXPECT_TRUE(window->ClearTimer.Enabled()) << "started by every delete attempt";

  Press(window->DelBtn);
  EXPECT_EQ(Status(1), L"Nie wybrano rekordu do usunięcia.");
  window->ClearTimer.Fire();
  EXPECT_EQ(Status(1), L"");
  EXPECT_FALSE(window->ClearTimer.Enabled());
}

TEST_F(EditingTest, DeletingNeverRemovesAFileOutsideTheDescriptionsFolder) {
  Start({Film("..\\Dane\\Dane")});
  WriteFileText(folder / L"Dane\\Dane.txt", "not a description");
  ClickRow(0);
  Press(window->DelBtn);
  EXPECT_EQ(window->Lista.Count(), 0) << "the row still goes";
  EXPECT_TRUE(Exists(folder / L"Dane\\Dane.txt"));
}

TEST_F(EditingTest, SaveMovesTheDoubleClickedRowChangedToTheEnd) {
  Start({Film("A", "2"), Film("B"), Film("C")});
  DoubleClickRow(0);
  EXPECT_EQ(window->p.WText(), L"A");
  EXPECT_EQ(window->O.WText(), L"Orig A");
  EXPECT_EQ(window->ss.WText(), L"Orig A");
  EXPECT_EQ(window->i.WText(), L"2");
  EXPECT_EQ(window->n.WText(), L"CD");
  EXPECT_TRUE(window->SaveBtn.Enabled());
  const std::wstring status = Status();

  window->g.SetWText(L"Western");
  PressWithKeyboard(window->SaveBtn);
  EXPECT_EQ(Titles(), "B,C,A,");
  EXPECT_EQ(window->Lista.Row(2).genre, "Western");
  EXPECT_FALSE(window->SaveBtn.Enabled());
  EXPECT_EQ(Status(), status) << "not refreshed by a save";
  EXPECT_EQ(window->p.WText(), L"A") << "the fields are not emptied";
}

TEST_F(EditingTest, SaveReplacesTheDoubleClickedRowNotTheOneSelectedLater) {
  Start({Film("A"), Film("B"), Film("C")});
  DoubleClickRow(0);
  ClickRow(1);
  PressWithKeyboard(window->SaveBtn);
  EXPECT_EQ(Titles(), "B,C,A,") << "B, selected when saving, is kept";
  EXPECT_EQ(window->Lista.Row(window->Lista.Selected()).polishTitle, "B");
}

TEST_F(EditingTest, SaveOnlyAppendsWhenTheDoubleClickedRowWasDeletedMeanwhile) {
  Start({Film("A"), Film("B"), Film("C")});
  DoubleClickRow(1);
  Press(window->DelBtn);  // deletes B itself
  ClickRow(0);
  Press(window->DelBtn);  // and A before it: nothing may shift onto the marked place
  PressWithKeyboard(window->SaveBtn);
  EXPECT_EQ(Titles(), "C,B,");
}

TEST_F(EditingTest, ANonNumericDiscCountStopsTheDoubleClickHalfway) {
  Start({FilmEntry{"A", "Orig A", "Akcja", "dwie", "VCD"}});
  window->n.SetWText(L"SVCD");
  DoubleClickRow(0);
  ASSERT_EQ(Dialogs().errors.size(), 1u);
  EXPECT_NE(Dialogs().errors[0].find(L"dwie"), std::wstring::npos);
  EXPECT_EQ(window->p.WText(), L"A");
  EXPECT_EQ(window->ss.WText(), L"Orig A");
  EXPECT_EQ(window->g.WText(), L"Akcja");
  EXPECT_EQ(window->i.WText(), L"1");
  EXPECT_EQ(window->n.WText(), L"SVCD");
  EXPECT_FALSE(window->SaveBtn.Enabled());
}

TEST_F(EditingTest, PasteReplacesATitleWithTheClipboardText) {
  Start({});
  window->p.SetWText(L"stary");
  toolkit::SetClipboardText(window->Handle(), L"Żółw");
  Press(window->Button2);
  EXPECT_EQ(window->p.WText(), L"Żółw");

  OpenClipboard(window->Handle());
  EmptyClipboard();
  CloseClipboard();
  window->O.SetWText(L"stary");
  Press(window->Button3);
  EXPECT_EQ(window->O.WText(), L"") << "no text on the clipboard empties the field";
}

}  // namespace
}  // namespace kadrion
