#pragma once
// Finding a film by a search text. The text and the rows fold alike: ASCII capitals and the
// Polish capitals Ą Ć Ę Ł Ń Ó Ś Ź Ż (Windows-1250) become small letters, nothing else changes.
// Each search tests the Polish titles of its rows first, then the other four columns; a match
// in the other columns wins over a title match. An empty key never matches.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/film_store.h"

namespace kadrion::core {

// Characters of the search text that take part in the key; the rest is ignored.
inline constexpr std::size_t kSearchKeyLength = 161;

// The folded first 161 characters of `searchText`.
std::string SearchKey(std::string_view searchText);

// Find: every row from the first. The caller cleans the search text beforehand.
std::optional<std::size_t> FindFilm(const FilmStore& films, std::string_view searchText);

// Next: the rows after `selected` (all rows when nothing is selected), the first match.
std::optional<std::size_t> FindNextFilm(const FilmStore& films, std::string_view searchText,
                                        std::optional<std::size_t> selected);

// Previous: the rows before `selected` (none when nothing is selected), the nearest match
// above it. Neither Next nor Previous wraps around.
std::optional<std::size_t> FindPreviousFilm(const FilmStore& films, std::string_view searchText,
                                            std::optional<std::size_t> selected);

}  // namespace kadrion::core
