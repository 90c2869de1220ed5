#include "core/html_list.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// The rows of the page's list: the lines after its header row, up to the end of its table.
std::vector<std::string> FilmRows(const std::string& page) {
  const std::vector<std::string> lines = Lines(page);
  auto line = std::find_if(lines.begin(), lines.end(),
                           [](const std::string& line) { return line.starts_with(" <TR>"); });
  EXPECT_NE(line, lines.end()) << "no header row";
  std::vector<std::string> rows;
  for (++line; line < lines.end() && line->starts_with(" <TR>"); ++line) rows.push_back(*line);
  EXPECT_TRUE(line < lines.end() && *line == "</TABLE><BR>") << "the list's table not closed";
  return rows;
}

// The page's totals of films and of discs, as they stand on it.
std::string Totals(const std::string& page) {
  const auto total = [&page](std::string_view name) {
    const std::string cell = std::string(name) + "</TD><TD WIDTH=50>";
    const std::size_t at = page.find(cell);
    if (at == std::string::npos) return std::string("none");
    const std::size_t from = at + cell.size();
    return page.substr(from, page.find("</TD></TR>\r\n", from) - from);
  };
  return total("Razem film\xF3w") + "/" + total("Razem p\xB3ytek");
}

// A page of Windows-1250 text, with every column's caption over the films as wide as the column.
TEST(HtmlList, IsAWindows1250PageWithTheCaptionsOfTheList) {
  const std::string page = BuildHtmlList({}, kColumns);
  const std::vector<std::string> lines = Lines(page);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "<HTML>");
  EXPECT_EQ(lines.back(), "</HTML>");
  EXPECT_NE(page.find("CONTENT=\"text/html; charset=windows-1250\""), std::string::npos);
  EXPECT_NE(page.find("<TITLE>Lista film\xF3w</TITLE>"), std::string::npos);
  const std::string header = *std::find_if(
      lines.begin(), lines.end(), [](const std::string& line) { return line.starts_with(" <TR>"); });
  std::size_t at = 0;
  for (const HtmlColumn& column : kColumns) {
    at = header.find("WIDTH=" + std::to_string(column.width) + ">" + column.caption + "</TD>", at);
    EXPECT_NE(at, std::string::npos) << column.caption << " in its place: " << header;
  }
  EXPECT_EQ(FilmRows(page), std::vector<std::string>());
  EXPECT_EQ(Totals(page), "0/0");
}

TEST(HtmlList, WritesOneRowPerFilmAndTheTotals) {
  const std::vector<FilmEntry> films = {{"Matrix", "The Matrix", "Akcja", "2", "DVD"},
                                        {"\xA3\xF3\x64\x9F", "", "Dramat", "1", "VHS"}};
  const std::string page = BuildHtmlList(films, kColumns);
  EXPECT_EQ(FilmRows(page),
            (std::vector<std::string>{" <TR><TD WIDTH=180>Matrix</TD><TD WIDTH=150>The Matrix</TD><TD WIDTH=90>"
                  "Akcja</TD><TD WIDTH=60>2</TD><TD WIDTH=70>DVD</TD></TR>",
                  " <TR><TD WIDTH=180>\xA3\xF3\x64\x9F</TD><TD WIDTH=150></TD><TD WIDTH=90>"
                  "Dramat</TD><TD WIDTH=60>1</TD><TD WIDTH=70>VHS</TD></TR>"}));
  EXPECT_EQ(Totals(page), "2/3");
  // Two counts at the 32-bit limit add up without wrapping.
  EXPECT_EQ(Totals(BuildHtmlList(
                {{"A", "", "", "2147483647", ""}, {"B", "", "", "$7FFFFFFF", ""}}, kColumns)),
            "2/4294967294");
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
    const std::vector<std::string> rows = FilmRows(BuildHtmlList({film}, kColumns));
    ASSERT_EQ(rows.size(), 1u);
    const std::string& row = rows[0];
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
    return FilmRows(BuildHtmlList({film}, kColumns)).at(0);
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
    ASSERT_EQ(FilmRows(page), rows) << lights << " light rows";
    EXPECT_EQ(Totals(page), count + "/" + count) << lights << " light rows";
    EXPECT_TRUE(page.ends_with("</HTML>\r\n")) << lights << " light rows";
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
    EXPECT_EQ(Totals(page), "3/3") << discs;
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
