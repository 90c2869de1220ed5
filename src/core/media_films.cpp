#include "core/media_films.h"

#include <optional>
#include <string_view>
#include <unordered_map>

#include "core/media_parts.h"
#include "core/media_titles.h"
#include "core/title_cleanup.h"

namespace kadrion::core {

namespace {

constexpr std::size_t npos = std::wstring_view::npos;

// A media file's path cut at its last "\" and at its name's last ".", as TitlesFromPath cuts it.
struct SplitPath {
  std::wstring_view folder;  // without the closing "\"
  std::wstring_view bareName;
  std::wstring_view ending;  // from the name's last "." on; empty when it has none
};

SplitPath Split(std::wstring_view path) {
  const std::size_t slash = path.rfind(L'\\');
  const std::wstring_view name = slash == npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind(L'.');
  return {slash == npos ? std::wstring_view() : path.substr(0, slash), name.substr(0, dot),
          dot == npos ? std::wstring_view() : name.substr(dot)};
}

struct Film {
  std::size_t file = 0;  // its first part's index
  SplitPath path;
  std::size_t parts = 0;  // 0: a file of its own
  std::optional<PartMarker> marker;
};

// The path the titles of a film in parts come from: the first part's without its marker, named
// after its folder when the marker was all of its name.
std::wstring WithoutMarker(const SplitPath& path, const PartMarker& marker) {
  std::wstring_view name = path.bareName.substr(0, marker.start);
  if (name.empty()) name = path.folder.substr(path.folder.rfind(L'\\') + 1);
  std::wstring titled(path.folder);
  titled += L'\\';
  titled += name;
  titled += path.bareName.substr(marker.end);
  titled += path.ending;
  return titled;
}

// What the parts of one film share: their folder, and their names but for the marker's
// separators and number, without regard to case. "|" is in no file name.
std::wstring SharedNameKey(const SplitPath& path, const PartMarker& marker) {
  std::wstring key(path.folder);
  key += L'\\';
  key += NameKey(path.bareName.substr(0, marker.start));
  key += L'|';
  key += marker.word;
  key += L'|';
  key += NameKey(path.bareName.substr(marker.end));
  key += NameKey(path.ending);
  return key;
}

}  // namespace

FilmStore FilmsFromMediaFiles(const std::vector<MediaFile>& files, PolishTitleFrom polish,
                              const FilmEntry& rest, const ToWindows1250& toWindows1250) {
  std::vector<Film> films;
  films.reserve(files.size());
  std::unordered_map<std::wstring, std::size_t>
      filmOfSharedName;  // SharedNameKey: its index in films
  std::unordered_map<std::wstring_view, std::size_t> filmsInFolder;  // parts counted once
  for (std::size_t index = 0; index < files.size(); ++index) {
    if (files[index].kind == MediaKind::Dvd) {
      films.push_back({index, {}, 0, std::nullopt});
      continue;
    }
    const SplitPath path = Split(files[index].path);
    const std::optional<PartMarker> marker = FindPartMarker(path.bareName);
    if (marker) {
      const auto [film, first] =
          filmOfSharedName.try_emplace(SharedNameKey(path, *marker), films.size());
      if (!first) {
        ++films[film->second].parts;
        continue;
      }
    }
    films.push_back({index, path, marker ? 1u : 0u, marker});
    ++filmsInFolder[path.folder];
  }

  FilmStore store;
  store.Reserve(films.size(),
                films.size() * (64 + rest.genre.size() + rest.discs.size() + rest.medium.size()));
  for (const Film& film : films) {
    const MediaFile& file = files[film.file];
    const bool sideBySide =
        file.kind == MediaKind::File && filmsInFolder.find(film.path.folder)->second > 1;
    const MediaTitles titles = TitlesFromPath(
        toWindows1250(film.parts > 1 ? WithoutMarker(film.path, *film.marker) : file.path),
        sideBySide ? PolishTitleFrom::FileName : polish);
    const std::string polishTitle = CleanTitle(titles.polish);
    const std::string originalTitle = CleanTitle(titles.original);
    const std::string discs = film.parts > 0 ? std::to_string(film.parts) : rest.discs;
    store.Append(FilmView{polishTitle, originalTitle, rest.genre, discs, rest.medium});
  }
  return store;
}

}  // namespace kadrion::core
