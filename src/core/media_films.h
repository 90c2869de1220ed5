#pragma once
// The films of the media files a folder tree's walk found, in the walk's order, titled as "D"
// titles a picked file (the Polish title from the folder or the bare name, the original title
// from the bare name, both cleaned) but for what a folder of films needs:
//   - One film in several files: files lying in one folder whose names differ only by a part
//     marker (media_parts.h) - the same name before it, the same release tags and ending after
//     it, letters compared without regard to case - are one film, at the place of the first of
//     them. Its number of discs is the number of its files; it is titled as the first would be
//     without its marker ("Matrix.CD1.DVDRip.avi" as "Matrix.DVDRip.avi"), and a name that is
//     nothing but a marker ("CD1.avi") as a file named after its folder. A file with a marker
//     and no other part in its folder is a film of one disc, titled as any other file.
//   - Side by side: when two or more films lie in one folder - their files directly in it, the
//     parts of one film counted once - each takes its Polish title from its name. A film alone
//     in its folder takes it from the folder, unless `polish` says from the file's name.
//   - A DVD is a folder of its own: titled from its path as ever, and counted in no folder.
// Genre and medium are those of `rest`, and so is the number of discs of every film without a
// part marker.
#include <functional>
#include <string>
#include <vector>

#include "core/film_entry.h"
#include "core/film_store.h"
#include "core/media_titles.h"
#include "core/media_tree.h"

namespace kadrion::core {

// A path as Windows-1250 bytes; the program's own conversion puts "?" for what the code page
// lacks.
using ToWindows1250 = std::function<std::string(const std::wstring&)>;

FilmStore FilmsFromMediaFiles(const std::vector<MediaFile>& files, PolishTitleFrom polish,
                              const FilmEntry& rest, const ToWindows1250& toWindows1250);

}  // namespace kadrion::core
