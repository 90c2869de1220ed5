// Adding, changing and deleting films through the main window's edit fields and buttons.
#include <gtest/gtest.h>

#include <optional>

#include "program_fixture.h"
#include "core/record_codec.h"
#include "test_support.h"
#include "toolkit/clipboard.h"
#include "toolkit/text.h"

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

// A film needs a title: with both empty (or blank) nothing is added, and the box says why.
TEST_F(EditingTest, AddNeedsATitleAndOtherwiseTakesTheFieldsAsTheyAre) {
  Start({});
  SetTextOf(id::p, L" ");
  Press(InMain(id::AddBtn));
  EXPECT_EQ(Model().Count(), 0);
  EXPECT_EQ(Dialogs().messages, std::vector<std::wstring>{L"Wpisz tytuł polski albo oryginalny. "
                                                          L"Film nie został dodany."});
  SetTextOf(id::O, L"Solaris");
  Press(InMain(id::AddBtn));
  ASSERT_EQ(Model().Count(), 1);
  EXPECT_EQ(Model().Film(0), (core::FilmEntry{" ", "Solaris", "", "1", "DVD"}));
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
    for (int item = 0; item < menu.Count(); ++item)
      if (menu[item].caption == L"Cofnij usunięcie") return menu[item].Enabled();
    return false;
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

  SetTextOf(id::g, L"Western");
  PressWithKeyboard(InMain(id::SaveBtn));
  EXPECT_EQ(Titles(), "B,C,A,");
  EXPECT_EQ(Model().Film(2).genre, "Western");
  EXPECT_TRUE(InMain(id::SaveBtn).Enabled()) << "still taken";
  EXPECT_EQ(Status(), L"Rekordów: 3  [3]") << "the saved film, selected at the end";
  EXPECT_EQ(TextOf(id::p), L"A") << "the fields are not emptied";
}

TEST_F(EditingTest, SaveReplacesTheDoubleClickedRowNotTheOneSelectedLater) {
  Start({Film("A"), Film("B"), Film("C")});
  DoubleClickRow(0);
  ClickRow(1);
  PressWithKeyboard(InMain(id::SaveBtn));
  EXPECT_EQ(Titles(), "B,C,A,") << "B, selected when saving, is kept";
  EXPECT_EQ(Model().Film(List().Selected()).polishTitle, "A");
}

// A new Polish title takes the description along: moved, copied while another film has the
// old title, and when the new title has one already, the user picks which stays (the other
// goes to the Recycle Bin) or saves nothing. The open description window follows a move.
TEST_F(EditingTest, ANewTitleTakesItsDescriptionAlong) {
  using toolkit::Answer;
  const struct {
    const char* change;
    std::vector<core::FilmEntry> others;  // besides "Stary", at row 0
    bool newHasOne;
    Answer answer;
    std::optional<std::string> oldText, newText;  // what Opisy holds afterwards
    std::vector<std::wstring> recycled;
    bool saved;
  } cases[] = {
      {"moved", {}, false, Answer::Yes, std::nullopt, "stary opis", {}, true},
      {"copied for the other Stary",
       {Film("STARY")},
       false,
       Answer::Yes,
       "stary opis",
       "stary opis",
       {},
       true},
      {"Tak: the old one stays",
       {},
       true,
       Answer::Yes,
       std::nullopt,
       "stary opis",
       {L"Opisy\\Nowy.txt"},
       true},
      {"Nie: the new one stays",
       {},
       true,
       Answer::No,
       std::nullopt,
       "nowy opis",
       {L"Opisy\\Stary.txt"},
       true},
      {"Anuluj: nothing saved", {}, true, Answer::Cancel, "stary opis", "nowy opis", {}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.change);
    std::vector<core::FilmEntry> films{Film("Stary")};
    films.insert(films.end(), c.others.begin(), c.others.end());
    Start(films);
    Dialogs().Clear();
    Dialogs().answer = c.answer;
    recycleBin.recycled.clear();
    for (const wchar_t* name : {L"Opisy\\Stary.txt", L"Opisy\\Nowy.txt"})
      DeleteFileW((folder / name).c_str());
    WriteFileText(folder / L"Opisy\\Stary.txt", "stary opis");
    if (c.newHasOne) WriteFileText(folder / L"Opisy\\Nowy.txt", "nowy opis");
    ClickRow(0);
    Press(InMain(id::AllClearBtn));  // the description window shows Stary's
    DoubleClickRow(0);
    SetTextOf(id::p, L"Nowy");
    PressWithKeyboard(InMain(id::SaveBtn));

    EXPECT_EQ(Model().Film(Model().Count() - 1).polishTitle, c.saved ? "Nowy" : "Stary");
    EXPECT_EQ(Dialogs().questions.size(), c.newHasOne ? 1u : 0u);
    const auto text = [&](const wchar_t* name) -> std::optional<std::string> {
      if (!Exists(folder / name)) return std::nullopt;
      return ReadFileText(folder / name);
    };
    EXPECT_EQ(text(L"Opisy\\Stary.txt"), c.oldText);
    EXPECT_EQ(text(L"Opisy\\Nowy.txt"), c.newText);
    std::vector<std::wstring> recycled;
    for (const std::wstring& name : c.recycled) recycled.push_back(folder / name.c_str());
    EXPECT_EQ(recycleBin.recycled, recycled);
    const bool followed = c.saved && !c.oldText && c.newText == "stary opis";
    EXPECT_EQ(Description().WText(), followed ? L"Nowy" : L"Stary") << "the window's caption";
    ASSERT_TRUE(CloseWindow(Main()));
  }
}

// A number of discs outside 0 to 9999, stored or set as a tool sets it: taken into the fields
// as it is and said; neither "Zapisz zmiany" nor "Dodaj wpis" goes on until it is mended.
TEST_F(EditingTest, ADiscCountOutsideZeroTo9999IsSaidAndNeitherSavedNorAdded) {
  Start({core::FilmEntry{"A", "Orig A", "Akcja", "dwie", "VCD"}});
  for (const std::wstring discs : {L"dwie", L"", L"abc", L"12345", L"-1"}) {
    Dialogs().Clear();
    DoubleClickRow(0);
    EXPECT_EQ(TextOf(id::i), L"dwie") << "taken as stored";
    EXPECT_EQ(TextOf(id::n), L"VCD") << "and every field after it";
    SetTextOf(id::i, discs);
    PressWithKeyboard(InMain(id::SaveBtn));
    Press(id::AddBtn);
    EXPECT_EQ(Model().Count(), 1);
    EXPECT_EQ(Model().Film(0).discs, "dwie");
    EXPECT_EQ(TextOf(id::p), L"A") << "the fields stay, to be mended";
    const std::wstring said = L"Ilość płyt musi być liczbą od 0 do 9999, a " +
                              (discs.empty() ? L"pole jest puste" : L"jest „" + discs + L"”") +
                              L". ";
    EXPECT_EQ(Dialogs().messages,
              (std::vector<std::wstring>{L"Ilość płyt tego filmu („dwie”) nie jest liczbą od 0 "
                                         L"do 9999. Popraw ją przed zapisaniem zmian.",
                                         said + L"Zmiany nie zostały zapisane.",
                                         said + L"Film nie został dodany."}));
  }
  SetTextOf(id::i, L"9999");
  PressWithKeyboard(InMain(id::SaveBtn));
  EXPECT_EQ(Model().Film(0).discs, "9999");
}

// "Wklej", Ctrl+V and typing: the clipboard on one line, and no field takes more than the
// record stores, so the film is saved as the fields show it.
TEST_F(EditingTest, PastingAndTypingStopAtWhatTheRecordStores) {
  Start({});
  enum class By { Wklej, CtrlV, Typing };
  const std::wstring o250(250, L'o'), x300(300, L'x');
  const struct {
    int field;
    std::wstring before;
    By by;
    std::wstring input;  // the clipboard's text (none when empty), or the keys typed
    std::wstring after;
  } cases[] = {
      {id::p, L"stary", By::Wklej, L" \tMatrix\r\nReaktywacja\tPL \n", L"Matrix Reaktywacja PL"},
      {id::O, L"stary", By::Wklej, std::wstring(1 << 20, L'y'), std::wstring(255, L'y')},
      {id::O, L"stary", By::Wklej, L"", L""},
      {id::O, L"Film ", By::CtrlV, L"a\r\n\r\nb\rc\n", L"Film a  b c"},
      {id::p, L"", By::CtrlV, x300, std::wstring(255, L'x')},
      {id::O, o250, By::CtrlV, L"123456789", o250 + L"12345"},
      {id::g, L"", By::CtrlV, x300, std::wstring(50, L'x')},
      {id::n, L"", By::Typing, x300, std::wstring(50, L'x')},
      {id::i, L"7", By::CtrlV, L" 12\r\n", L"712"},
      {id::i, L"7", By::CtrlV, L"12345", L"7"},
      {id::i, L"7", By::CtrlV, L"1a", L"7"},
      {id::i, L"", By::Typing, L"1a2b3-4.5", L"1234"},
  };
  for (const auto& c : cases) {
    toolkit::Control& control = InMain<toolkit::Control>(c.field);
    COMBOBOXINFO combo{};
    combo.cbSize = sizeof combo;
    const HWND edit = GetComboBoxInfo(control.Handle(), &combo) ? combo.hwndItem : control.Handle();
    control.SetWText(c.before);
    SendMessageW(edit, EM_SETSEL, c.before.size(), c.before.size());
    OpenClipboard(Main().Handle());  // no text: only another program's own format
    EmptyClipboard();
    SetClipboardData(RegisterClipboardFormatW(L"Kadrion.Test"), GlobalAlloc(GMEM_MOVEABLE, 4));
    CloseClipboard();
    if (c.by != By::Typing && !c.input.empty()) toolkit::SetClipboardText(Main().Handle(), c.input);
    if (c.by == By::Wklej) Press(c.field == id::p ? id::Button2 : id::Button3);
    if (c.by == By::CtrlV) SendMessageW(edit, WM_CHAR, 0x16, 1);
    if (c.by == By::Typing)
      for (const wchar_t key : c.input) SendMessageW(edit, WM_CHAR, key, 1);
    EXPECT_EQ(control.WText(), c.after) << "field " << c.field << ", case " << (&c - cases);
  }
  const auto bytes = [this](int field) { return toolkit::ToCp1250(TextOf(field)); };
  const core::FilmEntry shown{bytes(id::p), bytes(id::O), bytes(id::g), bytes(id::i), bytes(id::n)};
  Press(id::AddBtn);
  ASSERT_TRUE(CloseWindow(Main()));
  EXPECT_EQ(CatalogueFilms(ReadFileBytes(Dat())), std::vector{shown});
}

// Text Windows-1250 cannot hold, at "Dodaj wpis" and "Zapisz zmiany": asked once for the film,
// naming the characters. "Tak" stores "?" in their place (never a nearest letter), "Nie" adds
// or saves nothing and leaves the fields as they are.
TEST_F(EditingTest, CharactersTheCatalogueCannotStoreAreAskedAboutOnce) {
  Start({Film("A")});
  using toolkit::Answer;
  const auto question = [](const std::wstring& named, const std::wstring& doing) {
    return L"Tych znaków nie da się zapisać w katalogu: " + named + L".\n\n" + doing +
           L" ze znakiem „?” w ich miejscu? Wybierz „Nie”, aby najpierw poprawić pola.";
  };
  const struct {
    std::wstring polish, original, medium, named;  // named: empty for no question
    Answer answer;
    std::optional<core::FilmEntry> added;
  } cases[] = {
      // clang-format off
      {L"Żółw", L"Čapek é", L"DVD", L"", Answer::No, {{"\xAF\xF3\xB3w", "\xC8\x61pek \xE9", "", "1", "DVD"}}},
      {L"Брат", L"Брат 2", L"Диск", L"Б, р, а, т, Д, и, с, к", Answer::Yes, {{"????", "???? 2", "", "1", "????"}}},
      {L"Crème\u2009brûlée", L"Film \U0001F3AC", L"DVD", L"è, U+2009, û, \U0001F3AC", Answer::Yes,
       {{"Cr?me?br?l\xE9\x65", "Film ?", "", "1", "DVD"}}},
      {L"Жж", L"", L"DVD", L"Ж, ж", Answer::No, std::nullopt},
      // clang-format on
  };
  for (const auto& c : cases) {
    Dialogs().Clear();
    Dialogs().answer = c.answer;
    SetTextOf(id::p, c.polish);
    SetTextOf(id::O, c.original);
    SetTextOf(id::n, c.medium);
    const int count = Model().Count();
    Press(id::AddBtn);
    EXPECT_EQ(Dialogs().questions, c.named.empty() ? std::vector<std::wstring>{}
                                                   : std::vector{question(c.named, L"Dodać film")});
    EXPECT_EQ(Model().Count(), count + (c.added ? 1 : 0));
    if (c.added) {
      EXPECT_EQ(Model().Film(count), *c.added);
    }
    EXPECT_EQ(TextOf(id::p), c.added ? L"" : c.polish) << "a film not added stays in the fields";
  }

  // "Nie" leaves the film to save again; "Tak" saves it.
  DoubleClickRow(0);
  SetTextOf(id::O, L"Жизнь");
  Dialogs().Clear();
  for (const Answer answer : {Answer::No, Answer::Yes}) {
    Dialogs().answer = answer;
    PressWithKeyboard(InMain(id::SaveBtn));
  }
  EXPECT_EQ(Dialogs().questions, std::vector(2, question(L"Ж, и, з, н, ь", L"Zapisać zmiany")));
  EXPECT_EQ(Model().Film(Model().Count() - 1),
            (core::FilmEntry{"A", "?????", "Dramat", "1", "CD"}));
}

}  // namespace
}  // namespace kadrion::app
