#include "core/html_list.h"

#include <cstdint>
#include <string_view>
#include <utility>

#include "core/ini_value.h"
#include "core/record_codec.h"

namespace kadrion {

namespace {

constexpr std::string_view kEndOfLine = "\r\n";

constexpr std::string_view kHead[] = {
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
};

// What goes before each cell of the header row; the last two differ in their blanks.
constexpr std::string_view kHeaderCell[kFilmColumns] = {
    " <TR><TD style=color:blue; WIDTH=", "</TD><TD style=color:blue; WIDTH=",
    "</TD><TD style=color:blue; WIDTH=", "</TD><TD  style=color:blue;WIDTH=",
    "</TD><TD  style=color:blue;WIDTH=",
};

constexpr std::string_view kRowEnd = "</TD></TR>";

void AppendLine(std::string& page, std::string_view line) {
  page += line;
  page += kEndOfLine;
}

void AppendEscaped(std::string& page, std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case '&':
        page += "&amp;";
        break;
      case '<':
        page += "&lt;";
        break;
      case '>':
        page += "&gt;";
        break;
      case '"':
        page += "&quot;";
        break;
      default:
        page += c;
    }
  }
}

// The text as the catalogue file keeps it.
std::string_view Stored(const FilmEntry& film, int column) {
  return std::string_view(Field(film, column)).substr(0, kRecordFields[column].capacity);
}

}  // namespace

BadDiscCount::BadDiscCount(std::string polishTitle, std::string discs)
    : std::runtime_error("Film \x84" + polishTitle + "\x94: ilo\x9C\xE6 p\xB3yt \x84" + discs +
                         "\x94 nie jest liczb\xB9 ca\xB3kowit\xB9."),
      polishTitle_(std::move(polishTitle)),
      discs_(std::move(discs)) {}

std::string BuildHtmlList(const std::vector<FilmEntry>& films, const HtmlColumns& columns) {
  // The cell openings of a film's row are the same for every film.
  std::string rowCells[kFilmColumns];
  for (int column = 0; column < kFilmColumns; ++column) {
    rowCells[column] = (column == 0 ? " <TR><TD WIDTH=" : "</TD><TD WIDTH=") +
                       std::to_string(columns[column].width) + ">";
  }

  std::size_t size = 1024;
  for (const FilmEntry& film : films) {
    size += 40;
    for (int column = 0; column < kFilmColumns; ++column)
      size += rowCells[column].size() + Stored(film, column).size();
  }
  std::string page;
  page.reserve(size);

  for (const std::string_view line : kHead) AppendLine(page, line);
  for (int column = 0; column < kFilmColumns; ++column) {
    page += kHeaderCell[column];
    page += std::to_string(columns[column].width);
    page += '>';
    AppendEscaped(page, columns[column].caption);
  }
  AppendLine(page, kRowEnd);

  // Each count may reach the 32-bit limit, so their sum is kept wider.
  std::int64_t discs = 0;
  for (const FilmEntry& film : films) {
    // Read as the double click reads it into the edit fields. Nothing is returned on error.
    const auto count = ParseIniInteger(Stored(film, 3));
    if (!count) throw BadDiscCount(std::string(Stored(film, 0)), std::string(Stored(film, 3)));
    discs += *count;
    for (int column = 0; column < kFilmColumns; ++column) {
      page += rowCells[column];
      AppendEscaped(page, Stored(film, column));
    }
    AppendLine(page, kRowEnd);
  }

  AppendLine(page, "</TABLE><BR>");
  AppendLine(page, "");
  AppendLine(page, "<TABLE BORDER=0 WIDTH=180>");
  AppendLine(page, " <TR><TD WIDTH=150>Razem film\xF3w</TD><TD WIDTH=50>" +
                       std::to_string(films.size()) + "</TD></TR>");
  AppendLine(page, " <TR><TD WIDTH=150>Razem p\xB3ytek</TD><TD WIDTH=50>" + std::to_string(discs) +
                       "</TD></TR>");
  AppendLine(page, "</TABLE>");
  AppendLine(page, "");
  AppendLine(page, "</BODY>");
  AppendLine(page, "</HTML>");
  return page;
}

}  // namespace kadrion
