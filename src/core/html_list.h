#pragma once
// The HTML list of the whole catalogue: a table with one row per film under a header row of
// the list's column captions, each cell as wide as its column, then the totals of films and
// discs. Windows-1250 text, every line ending in CR LF.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/film_store.h"

namespace kadrion::core {

// Where the page is written, relative to the program's folder.
inline constexpr char kHtmlListFile[] = "Dane\\Lista film\xF3w.html";

struct HtmlColumn {
  int width;            // in pixels, as the list shows it
  std::string caption;  // Windows-1250
};
using HtmlColumns = std::array<HtmlColumn, kFilmColumns>;

// The totals at the foot of the page. A film whose number of discs is no whole number (an old
// catalogue's "dwie", an empty field) is listed with that text and left out of the disc total.
struct HtmlListTotals {
  std::size_t films = 0;
  std::int64_t discs = 0;
  std::size_t filmsWithoutDiscCount = 0;
};

// The page handed to `write` piece by piece as it is built, each piece some hundreds of
// kilobytes, so that the whole page is never in memory. Each field is cut to its width in the
// catalogue file, as the page shows the films as stored, and HTML-escaped.
HtmlListTotals WriteHtmlList(const FilmStore& films, const HtmlColumns& columns,
                             const std::function<void(std::string_view piece)>& write);

// The bytes of the whole page, as WriteHtmlList hands them over.
std::string BuildHtmlList(const FilmStore& films, const HtmlColumns& columns);

}  // namespace kadrion::core
