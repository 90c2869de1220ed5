#include "core/html_list.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>

#include "core/ini_value.h"
#include "core/record_codec.h"

namespace kadrion::core {

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

// The text as the catalogue file keeps it.
std::string_view Stored(const FilmView& film, int column) {
  return Field(film, column).substr(0, kRecordFields[column].capacity);
}

// The page is handed over in pieces of at most this many bytes.
constexpr std::size_t kPieceSize = 256 * 1024;

// A cell opening or a row end, zero-padded so that it is copied as a whole block; a width
// of any int fits.
struct Snippet {
  char bytes[32];
  std::size_t size;
};

Snippet MakeSnippet(std::string_view text) {
  Snippet snippet{};
  text.copy(snippet.bytes, sizeof(snippet.bytes));
  snippet.size = text.size();
  return snippet;
}

constexpr std::array<bool, 256> MakeEscaped() {
  std::array<bool, 256> escaped{};
  for (const unsigned char c : {'&', '<', '>', '"'}) escaped[c] = true;
  return escaped;
}
constexpr std::array<bool, 256> kEscaped = MakeEscaped();

// Writes `text` HTML-escaped at `out`, which has room for six times its length.
char* WriteEscaped(std::string_view text, char* out) {
  for (const char c : text) {
    if (!kEscaped[static_cast<unsigned char>(c)]) {
      *out++ = c;
      continue;
    }
    switch (c) {
      case '&':
        std::memcpy(out, "&amp;", 5);
        out += 5;
        break;
      case '<':
        std::memcpy(out, "&lt;", 4);
        out += 4;
        break;
      case '>':
        std::memcpy(out, "&gt;", 4);
        out += 4;
        break;
      default:
        std::memcpy(out, "&quot;", 6);
        out += 6;
    }
  }
  return out;
}

// A film's number of discs, read as the double click reads it into the edit fields: most
// are a digit or two, which need none of the other forms.
std::optional<std::int32_t> DiscCount(std::string_view text) {
  if (text.empty() || text.size() > 9) return ParseIniInteger(text);
  std::int32_t count = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return ParseIniInteger(text);
    count = count * 10 + (c - '0');
  }
  return count;
}

// The page being built, handed over a piece at a time so that it is never whole in memory.
class Page {
 public:
  Page(const std::function<void(std::string_view)>& write, const HtmlColumns& columns)
      : write_(write), piece_(std::make_unique<char[]>(kPieceSize)), out_(piece_.get()) {
    for (int column = 0; column < kFilmColumns; ++column) {
      const std::string opening = (column == 0 ? " <TR><TD WIDTH=" : "</TD><TD WIDTH=") +
                                  std::to_string(columns[column].width) + ">";
      cells_[column] = MakeSnippet(opening);
      longestRow_ += sizeof(Snippet::bytes) + 6 * kRecordFields[column].capacity;
    }
    rowEnd_ = MakeSnippet("</TD></TR>\r\n");
    longestRow_ += sizeof(Snippet::bytes);
  }

  void Append(std::string_view text) {
    while (!text.empty()) {
      if (Room() == 0) Flush();
      const std::size_t part = std::min(text.size(), Room());
      std::memcpy(out_, text.data(), part);
      out_ += part;
      text.remove_prefix(part);
    }
  }
  void AppendLine(std::string_view line) {
    Append(line);
    Append(kEndOfLine);
  }
  void AppendEscaped(std::string_view text) {
    for (std::size_t k = 0; k < text.size(); ++k) {
      if (Room() < 6) Flush();
      out_ = WriteEscaped(text.substr(k, 1), out_);
    }
  }

  // The hundred thousand rows are most of the page: each is written without a check per part.
  void AppendRow(const FilmView& film) {
    if (Room() < longestRow_) Flush();
    char* out = out_;
    for (int column = 0; column < kFilmColumns; ++column) {
      std::memcpy(out, cells_[column].bytes, sizeof(Snippet::bytes));
      out = WriteEscaped(Stored(film, column), out + cells_[column].size);
    }
    std::memcpy(out, rowEnd_.bytes, sizeof(Snippet::bytes));
    out_ = out + rowEnd_.size;
  }

  void Flush() {
    if (out_ == piece_.get()) return;
    write_(std::string_view(piece_.get(), static_cast<std::size_t>(out_ - piece_.get())));
    out_ = piece_.get();
  }

 private:
  std::size_t Room() const { return kPieceSize - static_cast<std::size_t>(out_ - piece_.get()); }

  const std::function<void(std::string_view)>& write_;
  std::unique_ptr<char[]> piece_;
  char* out_;
  Snippet cells_[kFilmColumns];
  Snippet rowEnd_;
  std::size_t longestRow_ = 0;
};

}  // namespace

HtmlListTotals WriteHtmlList(const FilmStore& films, const HtmlColumns& columns,
                             const std::function<void(std::string_view piece)>& write) {
  Page page(write, columns);
  for (const std::string_view line : kHead) page.AppendLine(line);
  for (int column = 0; column < kFilmColumns; ++column) {
    page.Append(kHeaderCell[column]);
    page.Append(std::to_string(columns[column].width));
    page.Append(">");
    page.AppendEscaped(columns[column].caption);
  }
  page.AppendLine(kRowEnd);

  // Each count may reach the 32-bit limit, so their sum is kept wider.
  HtmlListTotals totals;
  totals.films = films.Size();
  for (const FilmView film : films) {
    page.AppendRow(film);
    if (const auto count = DiscCount(Stored(film, 3)))
      totals.discs += *count;
    else
      ++totals.filmsWithoutDiscCount;
  }

  page.AppendLine("</TABLE><BR>");
  page.AppendLine("");
  page.AppendLine("<TABLE BORDER=0 WIDTH=180>");
  page.AppendLine(" <TR><TD WIDTH=150>Razem film\xF3w</TD><TD WIDTH=50>" +
                  std::to_string(totals.films) + "</TD></TR>");
  page.AppendLine(" <TR><TD WIDTH=150>Razem p\xB3ytek</TD><TD WIDTH=50>" +
                  std::to_string(totals.discs) + "</TD></TR>");
  page.AppendLine("</TABLE>");
  page.AppendLine("");
  page.AppendLine("</BODY>");
  page.AppendLine("</HTML>");
  page.Flush();
  return totals;
}

std::string BuildHtmlList(const FilmStore& films, const HtmlColumns& columns) {
  std::string whole;
  WriteHtmlList(films, columns, [&whole](std::string_view piece) { whole += piece; });
  return whole;
}

}  // namespace kadrion::core
