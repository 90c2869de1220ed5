#include "core/media_titles.h"

#include <gtest/gtest.h>

#include "core/title_cleanup.h"

namespace kadrion::core {
namespace {

TEST(TitlesFromPath, TakesTheFolderAndTheBareFileName) {
  const struct {
    const char* path;
    MediaTitles titles;
  } cases[] = {
      {"D:\\Filmy\\Matrix\\matrix.dvdrip.avi", {"Matrix", "matrix.dvdrip"}},
      {"E:\\film.avi", {"E:", "film"}},
      {"D:\\Film\\VIDEO_TS\\VIDEO_TS.IFO", {"VIDEO_TS", "VIDEO_TS"}},
      {"C:\\Jim's Films\\Heat.avi", {"Jim's Films", "Heat"}},
      {"C:\\Ocean's Eleven\\CD1\\ocean.avi", {"CD1", "ocean"}},
      {"C:\\\"Cytat\\Film\\x.avi", {"Film", "x"}},
      {"C:\\Filmy\\\\Heat\\\\\\film.avi", {"Heat", "film"}},  // empty parts are skipped
      {"\\\\serwer\\filmy\\x.avi", {"filmy", "x"}},
      {"D:\\Filmy.2004\\README", {"Filmy.2004", "README"}},  // only the file's own dot counts
      {"D:\\Filmy\\Film.cz.1.avi", {"Filmy", "Film.cz.1"}},
      {"D:\\Filmy\\.avi", {"Filmy", ""}},
      {"D:\\Filmy\\", {"Filmy", ""}},
      {"film.avi", {"", "film"}},
      {"\\film.avi", {"", "film"}},
      {"", {"", ""}},
      {"C:\\\xA3\xF3\x64\x9F\\\xA3\xF3\x64\x9F.avi", {"\xA3\xF3\x64\x9F", "\xA3\xF3\x64\x9F"}},
  };
  for (const auto& c : cases) {
    const MediaTitles titles = TitlesFromPath(c.path, PolishTitleFrom::Folder);
    EXPECT_EQ(titles.polish, c.titles.polish) << c.path;
    EXPECT_EQ(titles.original, c.titles.original) << c.path;
    EXPECT_EQ(TitlesFromPath(c.path, PolishTitleFrom::FileName).polish, c.titles.original)
        << c.path;
  }
}

TEST(TitlesFromPath, CleanedAsTheEditsShowThem) {
  const struct {
    const char* path;
    PolishTitleFrom polish;
    MediaTitles titles;
  } cases[] = {
      {"D:\\Filmy\\Matrix\\matrix.dvdrip.avi", PolishTitleFrom::Folder, {"Matrix", "matrix"}},
      {"D:\\Filmy\\Matrix\\matrix.dvdrip.avi", PolishTitleFrom::FileName, {"matrix", "matrix"}},
      {"D:\\Film\\VIDEO_TS\\VIDEO_TS.IFO", PolishTitleFrom::Folder, {"VIDEO TS", "VIDEO TS"}},
      {"F:\\Film.2004.DVDRip\\Film (Lektor PL).cd1.avi", PolishTitleFrom::Folder, {"Film", "Film"}},
  };
  for (const auto& c : cases) {
    const MediaTitles raw = TitlesFromPath(c.path, c.polish);
    EXPECT_EQ((MediaTitles{CleanTitle(raw.polish), CleanTitle(raw.original)}), c.titles) << c.path;
  }
}

}  // namespace
}  // namespace kadrion::core
