#pragma once
// One film of the catalogue: the five texts of a row, as Windows-1250 bytes.
#include <string>

namespace kadrion::core {

struct FilmEntry {
  std::string polishTitle;    // the row's caption
  std::string originalTitle;  // sub-item 0
  std::string genre;          // sub-item 1
  std::string discs;          // sub-item 2, number of discs as typed
  std::string medium;         // sub-item 3

  bool operator==(const FilmEntry&) const = default;
};

// Column order of the list and of a record: caption first, then the four sub-items.
inline constexpr int kFilmColumns = 5;

inline const std::string& Field(const FilmEntry& e, int column) {
  switch (column) {
    case 0:
      return e.polishTitle;
    case 1:
      return e.originalTitle;
    case 2:
      return e.genre;
    case 3:
      return e.discs;
    default:
      return e.medium;
  }
}

}  // namespace kadrion::core
