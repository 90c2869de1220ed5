#pragma once
// The film-database search page for a search text.
#include <string>
#include <string_view>

#include "core/cp1250.h"

namespace kadrion::core {

// The film-database site the web search goes to.
inline constexpr std::string_view kFilmDatabaseHost = "www.filmweb.pl";

// "https://" + host + "/szukaj?q=" + the text as typed, as percent-encoded UTF-8 (only
// letters, digits and - . _ ~ stay), + "+&c=film".
std::string FilmDatabaseSearchAddress(std::string_view searchText);

}  // namespace kadrion::core
