// Sorting by header clicks, removing duplicates, and find / next / previous on the real list.
#include <gtest/gtest.h>

#include "program_fixture.h"

namespace kadrion::app {
namespace {

using namespace testing_support;
using SortSearchTest = ProgramTest;

core::FilmEntry Film(const char* polish, const char* original = "", const char* genre = "",
                     const char* discs = "1") {
  return core::FilmEntry{polish, original, genre, discs, "DVD"};
}

// Each header's sort arrow as the header control holds it: "v" descending, "^" ascending.
std::string SortArrows(HWND list) {
  std::string arrows;
  for (int column = 0; column < 5; ++column) {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    Header_GetItem(ListView_GetHeader(list), column, &item);
    arrows += "-^v?"[(item.fmt & HDF_SORTUP ? 1 : 0) + (item.fmt & HDF_SORTDOWN ? 2 : 0)];
  }
  return arrows;
}

TEST_F(SortSearchTest, HeaderClicksAlternateTheDirectionAcrossColumnsAndKeepTheSelection) {
  Start({Film("b", "x", "", "1"), Film("A", "y", "", "10"), Film("c", "z", "", "2"),
         Film("a", "w", "", "1")});
  ClickRow(2);  // c

  ClickHeader(0);
  EXPECT_EQ(Titles(), "c,b,A,a,") << "descending first; A and a keep their order";
  EXPECT_EQ(SortArrows(List().Handle()), "v----");
  EXPECT_EQ(Model().Film(List().Selected()).polishTitle, "c");
  ClickHeader(3);
  EXPECT_EQ(Titles(), "b,a,A,c,") << "then ascending, on any column: 1, 1, 10, 2";
  EXPECT_EQ(SortArrows(List().Handle()), "---^-");
  EXPECT_EQ(Cell(3, 0), L"c") << "the list shows the new order";
  EXPECT_EQ(List().Selected(), 3);
  EXPECT_EQ(Status(), L"Rekordów: 4  [4]") << "the status line follows the selected film";

  Press(InMain(id::DelBtn));
  EXPECT_EQ(SortArrows(List().Handle()), "---^-") << "what is left is still in order";
  SetTextOf(id::p, L"d");
  SetTextOf(id::i, L"1");
  Press(InMain(id::AddBtn));
  EXPECT_EQ(SortArrows(List().Handle()), "-----") << "1 after 10 is out of order";
}

TEST_F(SortSearchTest, RemovingDuplicatesKeepsTheTopmostSaysSoAndIsUndoneInOneStep) {
  Start({Film("A", "x"), Film("B"), Film("a", "X"), Film("A", "x"), Film("\xA3\xF3\x64\x9F"),
         Film("\xB3\xF3\x64\x9F")});
  const std::string all = Titles();
  ClickRow(3);
  ChooseFromListMenu(L"Usuń duplikaty");
  EXPECT_EQ(Titles(), "A,B,\xA3\xF3\x64\x9F,\xB3\xF3\x64\x9F,");
  EXPECT_EQ(List().Selected(), -1) << "the selected row was a duplicate";
  EXPECT_EQ(Status(), L"Rekordów: 4  [0]");
  EXPECT_EQ(Status(1), L"Usunięto 2 powtórzone filmy. Ctrl+Z przywraca.");
  EXPECT_EQ(List().RowCount(), 4) << "the list view shows the new count";
  ChooseFromListMenu(L"Usuń duplikaty");
  EXPECT_EQ(Status(1), L"Nie ma powtórzonych filmów.");

  ChooseFromListMenu(L"Cofnij usunięcie");
  EXPECT_EQ(Titles(), all) << "both back at their places";
  EXPECT_EQ(Status(), L"Rekordów: 6");
  EXPECT_EQ(Status(1), L"Przywrócono powtórzone filmy (2).");
}

TEST_F(SortSearchTest, FindPrefersAMatchInTheOtherColumnsAndCleansTheSearchText) {
  std::vector<core::FilmEntry> films;
  for (int k = 0; k < 200; ++k) films.push_back(Film(("Film " + std::to_string(k)).c_str()));
  films[3].polishTitle = "Western z Dzikiego Zachodu";
  films[147].genre = "Western";
  Start(films);
  SetTextOf(id::ss, L"western.DVDRip");
  Press(InMain(id::Button1));
  EXPECT_EQ(TextOf(id::ss), L"western") << "cleaned first";
  EXPECT_EQ(List().Selected(), 147);
  EXPECT_EQ(Status(), L"Rekordów: 200  [148]");
  EXPECT_EQ(GetFocus(), List().Handle());
  // The found row stands about 100 pixels below the top: the list scrolls by whole rows.
  const RECT found = List().RowBounds(147);
  const int rowHeight = found.bottom - found.top;
  EXPECT_NEAR(found.top, 100, rowHeight);
}

TEST_F(SortSearchTest, NextAndPreviousStepFromTheSelectedRow) {
  Start({Film("\xA3\xF3\x64\x9F"), Film("inny"), Film("\xB3\xF3\x64\x9F 2"), Film("x"),
         Film("\xA3\xF3\x64\x9F 3"), Film("y.DVDRip")});
  SetTextOf(id::ss, L"Łódź");
  Press(InMain(id::Button5));
  EXPECT_EQ(List().Selected(), 0) << "no selection: from the first row, any case";
  ClickRow(3);
  Press(InMain(id::Button5));
  EXPECT_EQ(List().Selected(), 4);
  Press(InMain(id::Button6));
  EXPECT_EQ(List().Selected(), 2);
  EXPECT_EQ(Status(), L"Rekordów: 6  [3]");
  SetTextOf(id::ss, L"y.DVDRip");
  Press(InMain(id::Button5));
  EXPECT_EQ(List().Selected(), 5) << "next does not clean the text";
}

// The filter narrows the list as it is typed; the row under the cursor is the film acted on.
TEST_F(SortSearchTest, AFilteredListActsOnTheFilmsItShowsAndEscShowsThemAllAgain) {
  Start({Film("Rejs", "", "Komedia"), Film("\xA3\xF3\x64\x9F"), Film("Matrix", "Lodz"),
         Film("Lodz noc\xB9"), Film("Mi\x9C", "", "Komedia")});
  Type(List().Handle(), 'L', true);
  ASSERT_EQ(GetFocus(), Field(id::Filter).Handle()) << "Ctrl+L";
  SetTextOf(id::Filter, L"LODZ");
  EXPECT_EQ(Cell(0, 0), L"Łódź");
  EXPECT_EQ(Cell(2, 0), L"Lodz nocą");
  EXPECT_EQ(List().RowCount(), 3);
  EXPECT_EQ(Status(), L"Rekordów: 3 z 5");

  ClickRow(2);
  EXPECT_EQ(Status(), L"Rekordów: 3 z 5  [3]") << "counted in the shown list";
  Press(id::DelBtn);
  EXPECT_EQ(Titles(), "Rejs,\xA3\xF3\x64\x9F,Matrix,Mi\x9C,") << "the film under the cursor went";
  EXPECT_EQ(Status(), L"Rekordów: 2 z 4");

  DoubleClickRow(1);
  EXPECT_EQ(TextOf(id::p), L"Matrix");
  SetTextOf(id::p, L"Matrix 2");
  SetTextOf(id::O, L"");
  Field(id::p).Focus();
  Type(GetFocus(), VK_RETURN);
  EXPECT_EQ(Titles(), "Rejs,\xA3\xF3\x64\x9F,Mi\x9C,Matrix 2,") << "saved, at the end";
  EXPECT_EQ(Status(1), L"Zapisano zmiany: „Matrix 2”. Filtr listy go ukrywa.");
  EXPECT_EQ(List().RowCount(), 1);

  ChooseFromListMenu(L"Cofnij usunięcie");
  EXPECT_EQ(Cell(1, 0), L"Lodz nocą") << "back in its place, shown as it matches";
  SetTextOf(id::ss, L"o");
  Press(id::Button1);
  EXPECT_EQ(Model().Selected(), 3) << "find passes over the hidden comedies";
  SetTextOf(id::Filter, L"komedia mi");
  Dialogs().chosenPath = folder / L"Filmy.csv";
  ChooseFromListMenu(L"Eksportuj do pliku CSV…");
  EXPECT_EQ(Status(1), L"Filmy zapisane w " + folder / L"Filmy.csv" + L" (1 z 5)");
  const std::string csv = ReadFileText(folder / L"Filmy.csv");
  EXPECT_EQ(csv.substr(csv.find('\n') + 1, 5), "Mi\xC5\x9B;") << "the one film shown, alone";
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 2);

  Field(id::Filter).Focus();
  Type(GetFocus(), VK_ESCAPE);
  EXPECT_EQ(TextOf(id::Filter), L"");
  EXPECT_EQ(List().RowCount(), 5);
  EXPECT_EQ(Status().find(L" z "), std::wstring::npos) << Status();
}

// Nothing found changes no selection and says why: an empty text, a text no film holds, or no
// further match in the direction of Next or Previous.
TEST_F(SortSearchTest, AnEmptyOrUnmatchedKeyChangesNothingAndSaysSo) {
  Start({Film("A"), Film("Bb"), Film("C")});
  ClickRow(1);
  const std::wstring status = Status();
  const struct {
    const wchar_t* text;
    int button;
    const wchar_t* said;
  } cases[] = {
      {L"", id::Button1, L"Wpisz szukany tekst."},
      {L"nic takiego", id::Button1, L"Nie znaleziono „nic takiego”."},
      {L"nic", id::Button5, L"Nie znaleziono „nic”."},
      {L"b", id::Button5, L"To ostatni pasujący film."},
      {L"b", id::Button6, L"To ostatni pasujący film."},
  };
  for (const auto& c : cases) {
    SetTextOf(id::ss, c.text);
    Press(InMain(c.button));
    EXPECT_EQ(List().Selected(), 1) << c.said;
    EXPECT_EQ(Status(), status) << c.said;
    EXPECT_EQ(Status(1), c.said);
  }
}

// A search text with characters the catalogue cannot store finds nothing, not even the films
// stored with "?" or a nearest letter in their place; the field keeps the text and the message
// panel says why.
TEST_F(SortSearchTest, ASearchTextTheCatalogueCannotHoldFindsNothingAndSaysSo) {
  Start({Film("????"), Film("Brat ????"), Film("Creme"), Film("x")});
  ClickRow(3);
  for (const int button : {id::Button1, id::Button5, id::Button6}) {
    for (const auto& [text, named] : {std::pair{L"Брат", L"Б, р, а, т"}, {L"Crème", L"è"}}) {
      SetTextOf(id::ss, text);
      Press(button);
      EXPECT_EQ(List().Selected(), 3) << button;
      EXPECT_EQ(TextOf(id::ss), text);
      EXPECT_EQ(Status(1),
                L"Nie znaleziono: w katalogu nie ma znaków " + std::wstring(named) + L".");
    }
  }
}

}  // namespace
}  // namespace kadrion::app
