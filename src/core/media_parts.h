#pragma once
// The mark of one part of a film split over several files, at the end of a file's bare name:
// "Matrix.CD1", "Matrix cd 2", "Rejs_Part-3", "Film disc 1.DVDRip". A marker is
//   - the blanks, ".", "_" and "-" before it, which the film's name does not keep; there must
//     be one, unless the marker starts the name ("CD1"): "Mecd1" holds none;
//   - the word cd, part, disc or disk in any case;
//   - at most one blank, ".", "_" or "-";
//   - a number from 1 to 99 in one or two digits ("01" too, not "0" or "100");
//   - then nothing, or only release tags the title clean-up removes whole (".DVDRip", " XviD",
//     ".2004"), which stay with the name; anything else after the number ("Film cd1 - Powrót")
//     makes it no marker.
// Brackets around a marker ("Film (CD1)") make it none. Of several, the last one counts.
#include <cstddef>
#include <optional>
#include <string_view>

namespace kadrion::core {

struct PartMarker {
  std::size_t start = 0;   // the name before it is the film's
  std::size_t end = 0;     // where its number ends; release tags may follow
  std::wstring_view word;  // in capitals: "CD", "PART", "DISC" or "DISK"

  bool operator==(const PartMarker&) const = default;
};

std::optional<PartMarker> FindPartMarker(std::wstring_view bareName);

}  // namespace kadrion::core
