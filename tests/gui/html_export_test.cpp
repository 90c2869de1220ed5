// The HTML list written from the real list, and the web title search through the shell.
#include <gtest/gtest.h>

#include "core/html_list.h"
#include "program_fixture.h"
#include "toolkit/text.h"

namespace kadrion::app {
namespace {

using namespace testing_support;
using HtmlExportTest = ProgramTest;

const wchar_t kPage[] = L"Dane\\Lista filmów.html";

TEST_F(HtmlExportTest, ExportSavesTheListFirstAndFollowsItsOrder) {
  Start(
      {core::FilmEntry{"B", "b", "", "2", "DVD"}, core::FilmEntry{"A & <C>", "a", "", "1", "CD"}});
  List().SetColumnWidth(0, 180);
  Press(InMain(id::ExportBtn));
  const std::string first = ReadFileText(folder / kPage);
  EXPECT_NE(first.find("WIDTH=180>B</TD>"), std::string::npos);
  EXPECT_NE(first.find("A &amp; &lt;C&gt;"), std::string::npos);
  EXPECT_NE(first.find("Razem p\xB3ytek</TD><TD WIDTH=50>3</TD>"), std::string::npos);
  EXPECT_LT(first.find(">B<"), first.find(">A &amp;")) << "the list's order";
  EXPECT_EQ(ReadFileBytes(folder / L"Dane\\Dane.dat").size(), 2u * 625) << "saved first";
  EXPECT_TRUE(Dialogs().messages.empty());
  EXPECT_EQ(Status(1), L"Lista zapisana w Dane\\Lista filmów.html");

  Press(InMain(id::ExportBtn));
  EXPECT_EQ(ReadFileText(folder / kPage), first) << "the same list gives the same page";

  ClickHeader(0);  // descending: B before A
  ClickHeader(0);  // ascending: A before B
  Press(InMain(id::ExportBtn));
  const std::string sorted = ReadFileText(folder / kPage);
  EXPECT_GT(sorted.find(">B<"), sorted.find(">A &amp;"));
}

TEST_F(HtmlExportTest, ThePageWrittenAsItIsBuiltEqualsThePageBuiltWhole) {
  // Enough films for many pieces, with texts to escape and a title longer than its field.
  std::vector<core::FilmEntry> films;
  for (int k = 0; k < 3000; ++k)
    films.push_back(
        {"Film " + std::to_string(k), "A & <B>", "Dramat", std::to_string(k % 3), "DVD"});
  films[1234].polishTitle = std::string(300, 'x');
  Start(films);
  List().SetColumnWidth(2, 75);
  Press(InMain(id::ExportBtn));
  core::HtmlColumns columns;
  for (int column = 0; column < core::kFilmColumns; ++column)
    columns[static_cast<std::size_t>(column)] = {List().ColumnWidth(column),
                                                 toolkit::ToCp1250(List().ColumnCaption(column))};
  const std::string whole = core::BuildHtmlList(films, columns);
  EXPECT_GT(whole.size(), 5u * 65536);
  EXPECT_TRUE(ReadFileText(folder / kPage) == whole) << "a piece lost, doubled or cut";
}

TEST_F(HtmlExportTest, FilmsWithoutADiscCountAreListedAndTheMessageSaysHowManyTheTotalLacks) {
  Start({core::FilmEntry{"Dobry", "", "", "1", "DVD"},
         core::FilmEntry{"Z\xB3y", "", "", "dwie", ""}, core::FilmEntry{"Pusty", "", "", "", ""}});
  ChooseFromListMenu(L"Generuj listę w HTML");
  const std::string page = ReadFileText(folder / kPage);
  EXPECT_NE(page.find(">dwie</TD>"), std::string::npos);
  EXPECT_NE(page.find("Razem p\xB3ytek</TD><TD WIDTH=50>1</TD>"), std::string::npos);
  EXPECT_EQ(Status(1),
            L"Lista zapisana w Dane\\Lista filmów.html. Bez liczby płyt (pominięte w sumie): 2 "
            L"filmy.");
  EXPECT_TRUE(Dialogs().errors.empty() && Dialogs().messages.empty());
}

TEST_F(HtmlExportTest, TheWebSearchOpensTheEncodedAddressMaximisedFromAllThree) {
  Start({});
  SetTextOf(id::ss, L"Pan Tadeusz & Zośka");
  Press(InMain(id::Button8));
  Press(InMain(id::Button4));
  ChooseFromListMenu(L"Podgląd HTML");
  const std::wstring address =
      L"https://www.filmweb.pl/szukaj?q=Pan%20Tadeusz%20%26%20Zo%C5%9Bka+&c=film";
  ASSERT_EQ(Shell().opened.size(), 3u);
  for (const auto& opened : Shell().opened)
    EXPECT_EQ(opened, (RecordingShell::Opened{address, true}));
  EXPECT_FALSE(Exists(folder / kPage)) << "none of them writes the page";
}

}  // namespace
}  // namespace kadrion::app
