#pragma once
// The HTML list of the whole catalogue: a table with one row per film under a header row of
// the list's column captions, each cell as wide as its column, then the totals of films and
// discs. Windows-1250 text, every line ending in CR LF.
#include <array>
#include <functional>
#include <stdexcept>
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

// A number of discs that is not a whole number; what() names the film and the value.
class BadDiscCount : public std::runtime_error {
 public:
  BadDiscCount(std::string polishTitle, std::string discs);
  const std::string& PolishTitle() const { return polishTitle_; }
  const std::string& Discs() const { return discs_; }

 private:
  std::string polishTitle_;
  std::string discs_;
};

// The page handed to `write` piece by piece as it is built, each piece some hundreds of
// kilobytes, so that the whole page is never in memory. Each field is cut to its width in the
// catalogue file, as the page shows the films as stored, and HTML-escaped. Throws BadDiscCount
// before anything is handed over.
void WriteHtmlList(const FilmStore& films, const HtmlColumns& columns,
                   const std::function<void(std::string_view piece)>& write);

// The bytes of the whole page, as WriteHtmlList hands them over. Throws BadDiscCount.
std::string BuildHtmlList(const FilmStore& films, const HtmlColumns& columns);

}  // namespace kadrion::core
