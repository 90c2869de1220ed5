#include "core/film_search.h"

#include <algorithm>
#include <array>

namespace kadrion::core {

namespace {

constexpr std::array<unsigned char, 256> MakeSearchFolding() {
  std::array<unsigned char, 256> folded{};
  for (std::size_t byte = 0; byte < folded.size(); ++byte)
    folded[byte] = static_cast<unsigned char>(byte);
  for (std::size_t byte = 'A'; byte <= 'Z'; ++byte)
    folded[byte] = static_cast<unsigned char>(byte + ('a' - 'A'));
  // Ą Ć Ę Ł Ń Ó Ś Ź Ż and their small letters in Windows-1250.
  constexpr unsigned char kPolish[][2] = {{0xA5, 0xB9}, {0xC6, 0xE6}, {0xCA, 0xEA},
                                          {0xA3, 0xB3}, {0xD1, 0xF1}, {0xD3, 0xF3},
                                          {0x8C, 0x9C}, {0x8F, 0x9F}, {0xAF, 0xBF}};
  for (const auto& pair : kPolish) folded[pair[0]] = pair[1];
  return folded;
}

constexpr std::array<unsigned char, 256> kSearchFolding = MakeSearchFolding();

void AppendFolded(std::string_view text, std::string& out) {
  const std::size_t at = out.size();
  out.resize(at + text.size());
  char* folded = out.data() + at;
  for (const char c : text)
    *folded++ = static_cast<char>(kSearchFolding[static_cast<unsigned char>(c)]);
}

std::size_t Same(std::size_t row) { return row; }

}  // namespace

// Each film folds into one buffer that lives for the whole scan, so testing a film allocates
// nothing once the buffer has grown to the longest one.
bool FilmMatcher::InTitle(const FilmView& film) {
  text_.clear();
  AppendFolded(film.polishTitle, text_);
  return text_.find(key_) != std::string::npos;
}

// The four columns joined with line breaks, so that a key never matches across two of them.
bool FilmMatcher::InOtherColumns(const FilmView& film) {
  text_.clear();
  for (const std::string_view field : {film.originalTitle, film.genre, film.discs, film.medium}) {
    AppendFolded(field, text_);
    text_ += "\r\n";
  }
  return text_.find(key_) != std::string::npos;
}

std::string SearchKey(std::string_view searchText) {
  std::string key;
  AppendFolded(searchText.substr(0, kSearchKeyLength), key);
  return key;
}

std::optional<std::size_t> FindFilm(const FilmStore& films, std::string_view searchText) {
  return FindAmong(films, searchText, 0, films.Size(), Same, SearchDirection::Downwards);
}

std::optional<std::size_t> FindNextFilm(const FilmStore& films, std::string_view searchText,
                                        std::optional<std::size_t> selected) {
  return FindAmong(films, searchText, selected ? *selected + 1 : 0, films.Size(), Same,
                   SearchDirection::Downwards);
}

std::optional<std::size_t> FindPreviousFilm(const FilmStore& films, std::string_view searchText,
                                            std::optional<std::size_t> selected) {
  if (!selected) return std::nullopt;
  // Previous selects every match in ascending order and the last one stays: the first one
  // going upwards.
  return FindAmong(films, searchText, 0, std::min(*selected, films.Size()), Same,
                   SearchDirection::Upwards);
}

}  // namespace kadrion::core
