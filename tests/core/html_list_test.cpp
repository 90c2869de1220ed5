#include "core/html_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/polish_plural.h"

namespace kadrion::core {
namespace {

const HtmlColumns kColumns = {{{180, "Tytu\xB3 polski"},
                               {150, "Tytu\xB3 oryginalny"},
                               {90, "Gatunek"},
                               {60, "Ilo\x9C\xE6 p\xB3yt"},
                               {70, "No\x9Cnik"}}};

// The lines of the page, each without its CR LF; fails when a line lacks it.
std::vector<std::string> Lines(const std::string& page) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < page.size()) {
    const std::size_t end = page.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "no CR LF after the last line";
      break;
    }
    lines.push_back(page.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

const std::vector<std::string> kPageStart = {
    "<HTML>",
    "<HEAD>",
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1250\">",
    "<TITLE>Lista film\xF3w</TITLE>",
    "<META NAME=\"Author\" CONTENT=\"\">",
    "",
    "<STYLE>",
    "\ttd { background:#DDDDDD; font-family:MS Sans Serif;FONT-WEIGHT: bold; font-size: 14px}",
    "</STYLE>",
    "",
    "</HEAD>",
    "",
    "<BODY BGCOLOR=#FFFFDD>",
    "",
    "<TABLE BORDER=0 WIDTH=0>",
    " <TR><TD style=color:blue; WIDTH=180>Tytu\xB3 polski</TD><TD style=color:blue; "
    "WIDTH=150>Tytu\xB3 oryginalny</TD><TD style=color:blue; WIDTH=90>Gatunek</TD><TD  "
    "style=color:blue;WIDTH=60>Ilo\x9C\xE6 p\xB3yt</TD><TD  style=color:blue;WIDTH=70>"
    "No\x9Cnik</TD></TR>",
};

std::vector<std::string> PageEnd(const char* films, const char* discs) {
  return {
      "</TABLE><BR>",
      "",
      "<TABLE BORDER=0 WIDTH=180>",
      std::string(" <TR><TD WIDTH=150>Razem film\xF3w</TD><TD WIDTH=50>") + films + "</TD></TR>",
      std::string(" <TR><TD WIDTH=150>Razem p\xB3ytek</TD><TD WIDTH=50>") + discs + "</TD></TR>",
      "</TABLE>",
      "",
      "</BODY>",
      "</HTML>"};
}

std::vector<std::string> Page(const std::vector<std::string>& rows, const char* films,
                              const char* discs) {
  std::vector<std::string> lines = kPageStart;
  lines.insert(lines.end(), rows.begin(), rows.end());
  const std::vector<std::string> end = PageEnd(films, discs);
  lines.insert(lines.end(), end.begin(), end.end());
  return lines;
}

TEST(HtmlList, WritesOneRowPerFilmAndTheTotals) {
  const std::vector<FilmEntry> films = {{"Matrix", "The Matrix", "Akcja", "2", "DVD"},
                                        {"\xA3\xF3\x64\x9F", "", "Dramat", "1", "VHS"}};
  EXPECT_EQ(Lines(BuildHtmlList(films, kColumns)),
            Page({" <TR><TD WIDTH=180>Matrix</TD><TD WIDTH=150>The Matrix</TD><TD WIDTH=90>"
                  "Akcja</TD><TD WIDTH=60>2</TD><TD WIDTH=70>DVD</TD></TR>",
                  " <TR><TD WIDTH=180>\xA3\xF3\x64\x9F</TD><TD WIDTH=150></TD><TD WIDTH=90>"
                  "Dramat</TD><TD WIDTH=60>1</TD><TD WIDTH=70>VHS</TD></TR>"},
                 "2", "3"));
  // Two counts at the 32-bit limit add up without wrapping.
  const std::vector<std::string> lines = Lines(
      BuildHtmlList({{"A", "", "", "2147483647", ""}, {"B", "", "", "$7FFFFFFF", ""}}, kColumns));
  EXPECT_EQ(lines[lines.size() - 5],
            " <TR><TD WIDTH=150>Razem p\xB3ytek</TD><TD WIDTH=50>4294967294</TD></TR>");
}

TEST(HtmlList, AnEmptyCatalogueHasTheHeaderRowAndZeroTotals) {
  EXPECT_EQ(Lines(BuildHtmlList({}, kColumns)), Page({}, "0", "0"));
}

TEST(HtmlList, CellsAreEscapedAndCutAsStored) {
  const struct {
    int column;
    std::string text;
    std::string cell;
  } cases[] = {
      {0, "Tom & Jerry", "Tom &amp; Jerry"},
      {0, "<b>\"Psy\"</b>", "&lt;b&gt;&quot;Psy&quot;&lt;/b&gt;"},
      {0, "&amp;", "&amp;amp;"},
      {1, "A'B", "A'B"},
      {2, "x>y", "x&gt;y"},
      {4, "CD&DVD", "CD&amp;DVD"},
      {0, std::string(300, 't'), std::string(255, 't')},
      {2, std::string(51, 'g'), std::string(50, 'g')},
      {4, std::string(49, 'm') + "&&", std::string(49, 'm') + "&amp;"},  // cut, then escaped
  };
  for (const auto& c : cases) {
    FilmEntry film{"T", "O", "G", "1", "M"};
    std::string* fields[] = {&film.polishTitle, &film.originalTitle, &film.genre, &film.discs,
                             &film.medium};
    *fields[c.column] = c.text;
    const std::vector<std::string> lines = Lines(BuildHtmlList({film}, kColumns));
    ASSERT_EQ(lines.size(), kPageStart.size() + 1 + PageEnd("", "").size());
    const std::string& row = lines[kPageStart.size()];
    const std::string cell =
        "WIDTH=" + std::to_string(kColumns[c.column].width) + ">" + c.cell + "</TD>";
    EXPECT_NE(row.find(cell), std::string::npos) << row;
  }
}

// Every field full of quotes, six bytes each once escaped; the light rows before them shift
// where a heavy row meets the end of a 256 KB piece. Each row reads as on a page of its own.
TEST(HtmlList, RowsFullOfEscapesFitThePieces) {
  const std::string q(255, '"');
  const FilmEntry heavy{q, q, q.substr(0, 50), "1", q.substr(0, 50)}, light{"", "", "", "1", ""};
  const auto row = [](const FilmEntry& film) {
    return Lines(BuildHtmlList({film}, kColumns))[kPageStart.size()];
  };
  for (std::size_t lights = 0; lights < 40; ++lights) {
    std::vector<FilmEntry> films(lights, light);
    films.resize(lights + 75, heavy);
    std::vector<std::string> rows(lights, row(light));
    rows.resize(films.size(), row(heavy));
    std::string page;
    WriteHtmlList(films, kColumns, [&](std::string_view piece) {
      EXPECT_LE(piece.size(), 256u * 1024) << lights << " light rows";
      page += piece;
    });
    const std::string count = std::to_string(films.size());
    ASSERT_EQ(Lines(page), Page(rows, count.c_str(), count.c_str())) << lights << " light rows";
  }
}

TEST(HtmlList, FilmsWhoseDiscsAreNoWholeNumberAreListedAndLeftOutOfTheTotal) {
  for (const std::string discs : {"", "1.5", "dwie", " 2", "2 ", "9999999999", "--1"}) {
    const std::vector<FilmEntry> films = {
        {"Dobry", "", "", "3", ""}, {"\xAF\xF3\xB3w", "", "", discs, ""}, {"Z", "", "", discs, ""}};
    std::string page;
    const HtmlListTotals totals =
        WriteHtmlList(films, kColumns, [&page](std::string_view piece) { page += piece; });
    EXPECT_EQ(totals.filmsWithoutDiscCount, 2u) << discs;
    EXPECT_NE(page.find("WIDTH=60>" + discs + "</TD>"), std::string::npos) << "as it is";
    EXPECT_NE(page.find("p\xB3ytek</TD><TD WIDTH=50>3</TD>"), std::string::npos) << discs;
  }
  // Eleven digits are stored as their first ten, which make a number.
  const std::string page = BuildHtmlList({{"A", "", "", "12345678901", ""}}, kColumns);
  EXPECT_NE(page.find("WIDTH=50>1234567890</TD>"), std::string::npos);
}

TEST(HtmlList, TheCountOfFilmsInTheExportsMessageTakesItsPolishForm) {
  std::string forms;
  for (const std::uint64_t count : {0, 1, 2, 4, 5, 11, 12, 14, 21, 22, 24, 25, 101, 112, 1002})
    forms += "1fm"[static_cast<int>(PolishPluralForm(count))];
  EXPECT_EQ(forms, "m1ffmmmmmffmmmf");
}

}  // namespace
}  // namespace kadrion::core
