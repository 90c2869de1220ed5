#include "core/media_films.h"

#include <gtest/gtest.h>

#include "core/media_parts.h"

namespace kadrion::core {
namespace {

TEST(FindPartMarker, TakesAWordANumberAndReleaseTagsOnlyAtTheEndOfTheName) {
  // The marker in brackets.
  const struct {
    std::wstring_view name, marked;
  } cases[] = {
      {L"Matrix.CD1", L"Matrix[.CD1]"},
      {L"Matrix cd 2", L"Matrix[ cd 2]"},
      {L"Rejs_Part-3", L"Rejs[_Part-3]"},
      {L"Rejs - DISC_12.DVDRip.2004", L"Rejs[ - DISC_12].DVDRip.2004"},
      {L"Film.disk.01", L"Film[.disk.01]"},
      {L"CD1", L"[CD1]"},
      {L"Film part1 cd2", L"Film part1[ cd2]"},
  };
  for (const auto& c : cases) {
    std::wstring marked(c.name);
    if (const std::optional<PartMarker> marker = FindPartMarker(c.name))
      marked.insert(marker->end, L"]").insert(marker->start, L"[");
    EXPECT_EQ(marked, c.marked);
  }
  for (const wchar_t* name : {L"Film CD0", L"Film CD100", L"Counterpart 2", L"Film cd  1",
                              L"Film (CD1)", L"Film cd1 - Powr\u00F3t", L"Film pt1", L"Film part"})
    EXPECT_FALSE(FindPartMarker(name)) << name;
}

TEST(FilmsFromMediaFiles, AFolderOfFilmsIsFilmsWhoseSeveralFilesAreOne) {
  const struct {
    const wchar_t* files;  // below "D:\\Filmy", "|" between them, "*" after a DVD
    PolishTitleFrom polish;
    const char* films;  // "Polish title|original title|discs", ";" between
  } cases[] = {
      {L"Matrix\\matrix.dvdrip.avi", PolishTitleFrom::Folder, "Matrix|matrix|7"},
      {L"Matrix\\matrix.dvdrip.avi", PolishTitleFrom::FileName, "matrix|matrix|7"},
      {L"Bolek.mkv|Rejs.1970.DVDRip.avi", PolishTitleFrom::Folder,
       "Bolek|Bolek|7;Rejs 1970|Rejs 1970|7"},
      {L"Matrix\\Matrix.CD1.avi|Matrix\\Matrix CD2.avi", PolishTitleFrom::Folder,
       "Matrix|Matrix|2"},
      {L"Inny.avi|rejs Part 2.avi|Rejs.part1.avi|REJS_PART-3.avi", PolishTitleFrom::Folder,
       "Inny|Inny|7;rejs|rejs|3"},
      {L"Film 2004\\Film disc 1.DVDRip.avi|Film 2004\\Film disc 2.DVDRip.avi",
       PolishTitleFrom::Folder, "Film|Film|2"},
      {L"Matrix\\CD1.avi|Matrix\\cd 2.avi", PolishTitleFrom::FileName, "Matrix|Matrix|2"},
      {L"Heat\\Heat CD1.avi", PolishTitleFrom::Folder, "Heat|Heat CD1|1"},
      {L"A\\Heat CD1.avi|B\\Heat CD2.avi|Heat CD1.avi|Heat CD2.mkv", PolishTitleFrom::Folder,
       "A|Heat CD1|1;B|Heat CD2|1;Heat CD1|Heat CD1|1;Heat CD2|Heat CD2|1"},
      {L"Rejs\\.avi", PolishTitleFrom::Folder, "Rejs||7"},
      {L"Rejs\\Rejs.ifo*|Rejs\\zwiastun.avi", PolishTitleFrom::Folder,
       "Rejs|Rejs|7;Rejs|zwiastun|7"},
  };
  const auto ascii = [](const std::wstring& path) { return std::string(path.begin(), path.end()); };
  for (const auto& c : cases) {
    std::vector<MediaFile> files;
    for (std::wstring_view rest = c.files; !rest.empty();) {
      std::wstring_view file = rest.substr(0, rest.find(L'|'));
      rest.remove_prefix(std::min(file.size() + 1, rest.size()));
      const bool dvd = file.ends_with(L'*');
      files.push_back({L"D:\\Filmy\\" + std::wstring(file.substr(0, file.size() - dvd)),
                       dvd ? MediaKind::Dvd : MediaKind::File});
    }
    const FilmStore films =
        FilmsFromMediaFiles(files, c.polish, {"", "", "Komedia", "7", "DVD"}, ascii);
    std::string titles;
    for (std::size_t film = 0; film < films.Size(); ++film) {
      const FilmView f = films[film];
      EXPECT_EQ(std::string(f.genre) + "/" + std::string(f.medium), "Komedia/DVD");
      titles += std::string(film ? ";" : "") + std::string(f.polishTitle) + '|' +
                std::string(f.originalTitle) + '|' + std::string(f.discs);
    }
    EXPECT_EQ(titles, c.films) << c.files;
  }
}

}  // namespace
}  // namespace kadrion::core
