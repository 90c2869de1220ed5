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

// Folds each row into one buffer that lives for the whole scan, so testing a row allocates
// nothing once the buffer has grown to the longest row.
class RowMatcher {
 public:
  explicit RowMatcher(std::string_view searchText) : key_(SearchKey(searchText)) {}

  bool HasKey() const { return !key_.empty(); }

  bool InTitle(const FilmView& film) {
    text_.clear();
    AppendFolded(film.polishTitle, text_);
    return text_.find(key_) != std::string::npos;
  }

  // The four columns joined with line breaks, so that a key never matches across two of them.
  bool InOtherColumns(const FilmView& film) {
    text_.clear();
    for (const std::string_view field : {film.originalTitle, film.genre, film.discs, film.medium}) {
      AppendFolded(field, text_);
      text_ += "\r\n";
    }
    return text_.find(key_) != std::string::npos;
  }

 private:
  std::string key_;
  std::string text_;
};

// Both passes scan the same rows and a match of the second replaces one of the first, so the
// second pass goes first and the titles are read only when it finds nothing.
std::optional<std::size_t> FirstMatch(const FilmStore& films, std::string_view searchText,
                                      std::size_t begin) {
  RowMatcher matcher(searchText);
  if (!matcher.HasKey()) return std::nullopt;
  for (std::size_t row = begin; row < films.Size(); ++row)
    if (matcher.InOtherColumns(films[row])) return row;
  for (std::size_t row = begin; row < films.Size(); ++row)
    if (matcher.InTitle(films[row])) return row;
  return std::nullopt;
}

// Previous selects every match in ascending order and the last one stays: the first one
// going upwards.
std::optional<std::size_t> LastMatch(const FilmStore& films, std::string_view searchText,
                                     std::size_t end) {
  RowMatcher matcher(searchText);
  if (!matcher.HasKey()) return std::nullopt;
  for (std::size_t row = end; row-- > 0;)
    if (matcher.InOtherColumns(films[row])) return row;
  for (std::size_t row = end; row-- > 0;)
    if (matcher.InTitle(films[row])) return row;
  return std::nullopt;
}

}  // namespace

std::string SearchKey(std::string_view searchText) {
  std::string key;
  AppendFolded(searchText.substr(0, kSearchKeyLength), key);
  return key;
}

std::optional<std::size_t> FindFilm(const FilmStore& films, std::string_view searchText) {
  return FirstMatch(films, searchText, 0);
}

std::optional<std::size_t> FindNextFilm(const FilmStore& films, std::string_view searchText,
                                        std::optional<std::size_t> selected) {
  return FirstMatch(films, searchText, selected ? *selected + 1 : 0);
}

std::optional<std::size_t> FindPreviousFilm(const FilmStore& films, std::string_view searchText,
                                            std::optional<std::size_t> selected) {
  if (!selected) return std::nullopt;
  return LastMatch(films, searchText, std::min(*selected, films.Size()));
}

}  // namespace kadrion::core
