#include "core/film_order.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

namespace kadrion {

namespace {

unsigned char FoldAsciiUpper(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - ('a' - 'A')) : byte;
}

// Cut from the ends of a key: the blank and every byte below it; 0x7F and 0xA0 stay.
bool IsTrimmed(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

// Appends the key of `film` to `out`, so that many keys can share one buffer.
void AppendDuplicateKey(const FilmEntry& film, std::string& out) {
  const std::size_t start = out.size();
  for (const std::string* field :
       {&film.originalTitle, &film.genre, &film.discs, &film.medium, &film.polishTitle}) {
    out += *field;
    out += ' ';
  }
  while (out.size() > start && IsTrimmed(out.back())) out.pop_back();
  std::size_t lead = start;
  while (lead < out.size() && IsTrimmed(out[lead])) ++lead;
  out.erase(start, lead - start);
  for (std::size_t k = start; k < out.size(); ++k)
    out[k] = static_cast<char>(FoldAsciiUpper(out[k]));
}

}  // namespace

int CompareColumnText(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t k = 0; k < common; ++k) {
    const int difference = FoldAsciiUpper(a[k]) - FoldAsciiUpper(b[k]);
    if (difference != 0) return difference;
  }
  return static_cast<int>(static_cast<std::ptrdiff_t>(a.size()) -
                          static_cast<std::ptrdiff_t>(b.size()));
}

std::string DuplicateKey(const FilmEntry& film) {
  std::string key;
  AppendDuplicateKey(film, key);
  return key;
}

std::vector<std::size_t> DistinctRows(const std::vector<FilmEntry>& films) {
  // Deleting from the bottom, a row goes exactly when some row above it has its key, and the
  // rows above are still all there when it is tested. So the first row of each key stays: a
  // hash set of the keys seen so far gives the same rows in one pass.
  std::size_t total = 0;
  for (const FilmEntry& film : films) {
    total += film.polishTitle.size() + film.originalTitle.size() + film.genre.size() +
             film.discs.size() + film.medium.size() + kFilmColumns;
  }
  // All keys in one buffer, built before any view into it is taken.
  std::string keys;
  keys.reserve(total);
  std::vector<std::size_t> ends;
  ends.reserve(films.size());
  for (const FilmEntry& film : films) {
    AppendDuplicateKey(film, keys);
    ends.push_back(keys.size());
  }

  std::unordered_set<std::string_view> seen;
  seen.reserve(films.size());
  std::vector<std::size_t> kept;
  std::size_t begin = 0;
  for (std::size_t row = 0; row < films.size(); ++row) {
    if (seen.insert(std::string_view(keys).substr(begin, ends[row] - begin)).second)
      kept.push_back(row);
    begin = ends[row];
  }
  return kept;
}

}  // namespace kadrion
