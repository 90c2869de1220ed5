#pragma once
// The film-database search page for a search text, and the Windows-1250 to UTF-8 conversion
// it needs.
#include <string>
#include <string_view>

namespace kadrion::core {

// The film-database site the web search goes to.
inline constexpr std::string_view kFilmDatabaseHost = "www.filmweb.pl";

// Every byte becomes its character in UTF-8; the five bytes that Windows-1250 leaves unused
// become U+0081, U+0083, U+0088, U+0090 and U+0098, as Windows converts them.
std::string Cp1250ToUtf8(std::string_view text);

// "https://" + host + "/szukaj?q=" + the text as typed, as percent-encoded UTF-8 (only
// letters, digits and - . _ ~ stay), + "+&c=film".
std::string FilmDatabaseSearchAddress(std::string_view searchText);

}  // namespace kadrion::core
