// Adding, changing and deleting films through the main window's edit fields and buttons.
#include <gtest/gtest.h>

#include "program_fixture.h"
#include "core/record_codec.h"
#include "test_support.h"
#include "toolkit/clipboard.h"

namespace kadrion::app {
namespace {

using namespace testing_support;

core::FilmEntry Film(const char* polish, const char* discs = "1") {
  return core::FilmEntry{polish, std::string("Orig ") + polish, "Dramat", discs, "CD"};
}

using EditingTest = ProgramTest;

TEST_F(EditingTest, AddAppendsTheEditFieldsAndKeepsGenreDiscsAndMedium) {
  Start({Film("A"), Film("B"), Film("C"), Film("D"), Film("E")});
  ClickRow(2);
  SetTextOf(id::p, L"Łódź");
  SetTextOf(id::O, L"Lodz");
  SetTextOf(id::g, L"Komedia");
  Press(InMain(id::AddBtn));

  ASSERT_EQ(Model().Count(), 6);
  EXPECT_EQ(Model().Film(5), (core::FilmEntry{"\xA3\xF3\x64\x9F", "Lodz", "Komedia", "1", "DVD"}));
  EXPECT_EQ(Status(), L"Rekordów: 6  [3]") << "the selection does not move";
  EXPECT_EQ(List().Selected(), 2);
  EXPECT_EQ(TextOf(id::p), L"");
  EXPECT_EQ(TextOf(id::O), L"");
  EXPECT_EQ(TextOf(id::g), L"Komedia");
  EXPECT_EQ(TextOf(id::i), L"1");
  EXPECT_EQ(TextOf(id::n), L"DVD");
}

TEST_F(EditingTest, AddWithEmptyFieldsAndNoSelection) {
  Start({});
  Press(InMain(id::AddBtn));
  ASSERT_EQ(Model().Count(), 1);
  EXPECT_EQ(Model().Film(0), (core::FilmEntry{"", "", "", "1", "DVD"}));
  EXPECT_EQ(Status(), L"Rekordów: 1  [0]");
}

// A deleted film's description goes to the Recycle Bin unless a film of the same title (on
// Windows, in any case) still uses it; each undo puts one film back where it was, and its text.
TEST_F(EditingTest, DeleteRecyclesTheDescriptionAndUndoBringsFilmsBackOneByOne) {
  Start({Film("Jedyny"), Film("Para"), Film("PARA")});
  WriteFileText(folder / L"Opisy\\Jedyny.txt", "opis");
  WriteFileText(folder / L"Opisy\\Para.txt", "wsp\xF3lny");
  const auto undoEnabled = [this] {
    const toolkit::PopupMenu& menu = *List().ContextMenu();
    return menu[menu.Count() - 1].enabled;  // the last item
  };
  EXPECT_FALSE(undoEnabled());
  ClickRow(0);
  Press(InMain(id::DelBtn));
  EXPECT_EQ(Status(), L"Rekordów: 2");
  EXPECT_EQ(Status(1), L"Usunięto „Jedyny”. Ctrl+Z przywraca.");
  EXPECT_EQ(recycleBin.recycled, std::vector<std::wstring>{folder / L"Opisy\\Jedyny.txt"});
  ClickRow(1);
  Press(InMain(id::DelBtn));
  EXPECT_EQ(Titles(), "Para,");
  EXPECT_EQ(recycleBin.recycled.size(), 1u) << "Para still uses the file";
  EXPECT_TRUE(undoEnabled());

  ChooseFromListMenu(L"Cofnij usunięcie");
  EXPECT_EQ(Titles(), "Para,PARA,");
  ChooseFromListMenu(L"Cofnij usunięcie");
  EXPECT_EQ(Titles(), "Jedyny,Para,PARA,");
  EXPECT_EQ(ReadFileText(folder / L"Opisy\\Jedyny.txt"), "opis");
  EXPECT_EQ(ReadFileText(folder / L"Opisy\\Para.txt"), "wsp\xF3lny");
  EXPECT_FALSE(undoEnabled());
  List().Select(-1);

  Press(InMain(id::DelBtn));
  EXPECT_EQ(Status(1), L"Nie wybrano rekordu do usunięcia.");
  const DWORD shown = GetTickCount();
  EXPECT_TRUE(PumpUntil([&] { return Status(1).empty(); }, 5000));
  EXPECT_GE(GetTickCount() - shown, 2500u) << "about three seconds later";
}

TEST_F(EditingTest, DeletingNeverRemovesAFileOutsideTheDescriptionsFolder) {
  Start({Film("..\\Dane\\Dane")});
  WriteFileText(folder / L"Dane\\Dane.txt", "not a description");
  ClickRow(0);
  Press(InMain(id::DelBtn));
  EXPECT_EQ(Model().Count(), 0) << "the row still goes";
  EXPECT_TRUE(Exists(folder / L"Dane\\Dane.txt"));
}

TEST_F(EditingTest, SaveMovesTheDoubleClickedRowChangedToTheEnd) {
  Start({Film("A", "2"), Film("B"), Film("C")});
  DoubleClickRow(0);
  EXPECT_EQ(TextOf(id::p), L"A");
  EXPECT_EQ(TextOf(id::O), L"Orig A");
  EXPECT_EQ(TextOf(id::ss), L"Orig A");
  EXPECT_EQ(TextOf(id::i), L"2");
  EXPECT_EQ(TextOf(id::n), L"CD");
  EXPECT_TRUE(InMain(id::SaveBtn).Enabled());
  const std::wstring status = Status();

  SetTextOf(id::g, L"Western");
  PressWithKeyboard(InMain(id::SaveBtn));
  EXPECT_EQ(Titles(), "B,C,A,");
  EXPECT_EQ(Model().Film(2).genre, "Western");
  EXPECT_FALSE(InMain(id::SaveBtn).Enabled());
  EXPECT_EQ(Status(), status) << "not refreshed by a save";
  EXPECT_EQ(TextOf(id::p), L"A") << "the fields are not emptied";
}

TEST_F(EditingTest, SaveReplacesTheDoubleClickedRowNotTheOneSelectedLater) {
  Start({Film("A"), Film("B"), Film("C")});
  DoubleClickRow(0);
  ClickRow(1);
  PressWithKeyboard(InMain(id::SaveBtn));
  EXPECT_EQ(Titles(), "B,C,A,") << "B, selected when saving, is kept";
  EXPECT_EQ(Model().Film(List().Selected()).polishTitle, "B");
}

TEST_F(EditingTest, ANonNumericDiscCountStopsTheDoubleClickHalfway) {
  Start({core::FilmEntry{"A", "Orig A", "Akcja", "dwie", "VCD"}});
  SetTextOf(id::n, L"SVCD");
  DoubleClickRow(0);
  ASSERT_EQ(Dialogs().errors.size(), 1u);
  EXPECT_NE(Dialogs().errors[0].find(L"dwie"), std::wstring::npos);
  EXPECT_EQ(TextOf(id::p), L"A");
  EXPECT_EQ(TextOf(id::ss), L"Orig A");
  EXPECT_EQ(TextOf(id::g), L"Akcja");
  EXPECT_EQ(TextOf(id::i), L"1");
  EXPECT_EQ(TextOf(id::n), L"SVCD");
  EXPECT_FALSE(InMain(id::SaveBtn).Enabled());
}

TEST_F(EditingTest, PasteReplacesATitleWithTheClipboardText) {
  Start({});
  const HWND owner = Main().Handle();
  SetTextOf(id::p, L"stary");
  toolkit::SetClipboardText(owner, L"Żółw");
  Press(InMain(id::Button2));
  EXPECT_EQ(TextOf(id::p), L"Żółw");

  // No text: an empty clipboard, or one with only another program's own format.
  for (const bool otherFormat : {false, true}) {
    OpenClipboard(owner);
    EmptyClipboard();
    if (otherFormat)
      SetClipboardData(RegisterClipboardFormatW(L"Kadrion.Test"), GlobalAlloc(GMEM_MOVEABLE, 4));
    CloseClipboard();
    SetTextOf(id::O, L"stary");
    Press(InMain(id::Button3));
    EXPECT_EQ(TextOf(id::O), L"") << "no text on the clipboard empties the field";
  }

  // A megabyte is a long title, whole until the catalogue file cuts it to 255 characters.
  toolkit::SetClipboardText(owner, std::wstring(1 << 20, L'x'));
  Press(InMain(id::Button2));
  Press(InMain(id::AddBtn));
  EXPECT_EQ(Model().Film(0).polishTitle.size(), 1u << 20);
  ASSERT_TRUE(CloseWindow(Main()));
  EXPECT_EQ(CatalogueFilms(ReadFileBytes(Dat()))[0].polishTitle, std::string(255, 'x'));
}

// Text that Windows-1250 cannot hold, typed into the fields: the film gets the code page's
// replacement, and the message panel says so once for the film, however many fields.
TEST_F(EditingTest, CharactersTheCodePageCannotHoldAreReplacedAndSaidOnce) {
  Start({Film("A")});
  const std::wstring said =
      L"Niektórych znaków nie da się zapisać w katalogu (strona kodowa 1250); zastąpiono je "
      L"podobnymi lub znakiem \u201E?\u201D.";
  // clang-format off
  const struct {
    std::wstring polish, original, medium;
    core::FilmEntry stored;
    bool said;
  } cases[] = {
      {L"Żółw", L"Čapek é", L"DVD", {"\xAF\xF3\xB3w", "\xC8\x61pek \xE9", "", "1", "DVD"}, false},
      {L"Брат", L"Брат 2", L"Диск", {"????", "???? 2", "", "1", "????"}, true},
      {L"Crème", L"", L"DVD", {"Creme", "", "", "1", "DVD"}, true},  // the nearest letter
  };
  // clang-format on
  for (const auto& c : cases) {
    InMain<toolkit::StatusBar>(id::StatusBar).SetPanelText(1, L"");
    SetTextOf(id::p, c.polish);
    SetTextOf(id::O, c.original);
    SetTextOf(id::n, c.medium);
    Press(InMain(id::AddBtn));
    EXPECT_EQ(Model().Film(Model().Count() - 1), c.stored);
    EXPECT_EQ(Status(1), c.said ? said : L"") << c.stored.polishTitle;
  }

  InMain<toolkit::StatusBar>(id::StatusBar).SetPanelText(1, L"");
  DoubleClickRow(0);
  SetTextOf(id::O, L"Жизнь");
  PressWithKeyboard(InMain(id::SaveBtn));
  EXPECT_EQ(Model().Film(Model().Count() - 1).originalTitle, "?????");
  EXPECT_EQ(Status(1), said) << "changing a film says it too";
}

}  // namespace
}  // namespace kadrion::app
