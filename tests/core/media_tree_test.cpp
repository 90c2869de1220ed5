#include "core/media_tree.h"

#include <gtest/gtest.h>

#include <atomic>
#include <map>

#include "core/folder_read_ahead.h"
#include "core/media_patterns.h"

namespace kadrion::core {
namespace {

constexpr wchar_t kMedia[] = L";*.avi;VIDEO_TS.IFO;*.mpeg;;*.MP3;*.mkv;*.mp4;*.VOB";

TEST(FilePatterns, TakesEndingsAndWholeNamesWithoutRegardToCase) {
  const FilePatterns media(kMedia);
  for (const wchar_t* name : {L"film.AVI", L"video_ts.ifo", L"x.mpeg", L"\u0141\u00F3d\u017A.Mp3"})
    EXPECT_TRUE(media.Matches(name)) << name;
  for (const wchar_t* name :
       {L"film.avi.txt", L"avi", L"x_VIDEO_TS.IFO", L"VTS_01_0.IFO", L"x.peg", L""})
    EXPECT_FALSE(media.Matches(name)) << name;
  // A folder tree's films: no pictures, music or subtitles.
  for (const wchar_t* name : {L"a.avi", L"a.MKV", L"a.divx", L"a.vob", L"video_ts.ifo"})
    EXPECT_TRUE(FilmFilePatterns().Matches(name)) << name;
  for (const wchar_t* name : {L"okladka.jpg", L"a.png", L"a.mp3", L"a.wma", L"a.srt", L"a.ifo"})
    EXPECT_FALSE(FilmFilePatterns().Matches(name)) << name;
}

// A folder tree as a table of "name|subfolder\\|..." listings; a folder missing from it cannot
// be read. Folders with the same number are one folder reached through a link.
class TableReader final : public FolderReader {
 public:
  std::optional<FolderListing> Read(const std::wstring& folder) override {
    const auto found = folders.find(folder);
    if (++reads > 100 || found == folders.end()) return std::nullopt;  // 100: walked in a loop
    FolderListing listing{{7, std::uint64_t(found->second.first)}, {}};
    for (std::wstring_view names = found->second.second; !names.empty();) {
      std::wstring_view name = names.substr(0, names.find(L'|'));
      names.remove_prefix(std::min(name.size() + 1, names.size()));
      const bool folder = name.ends_with(L'\\');
      if (folder) name.remove_suffix(1);
      listing.entries.push_back({std::wstring(name), folder ? EntryKind::Folder : EntryKind::File});
    }
    return listing;
  }
  std::atomic<int> reads = 0;
  std::map<std::wstring, std::pair<int, std::wstring>> folders = {
      {L"D:\\", {0, L"Filmy\\"}},
      {L"D:\\Filmy",
       {1,
        L"zebra.AVI|\u0141\u0105ka.avi|\u0107ma.avi|\u0142za.avi|Bolek.mkv|\u0106wier\u0107.avi|"
        L"akta\\|notes.txt|Rejs\\|Pusty\\|p\u0119tla\\|zamkni\u0119ty\\"}},
      {L"D:\\Filmy\\akta", {2, L"b.avi|A\\"}},
      {L"D:\\Filmy\\akta\\A", {3, L"opis.txt|g\u0142\u0119boki.mp4"}},
      {L"D:\\Filmy\\Rejs", {4, L"video_ts\\"}},
      {L"D:\\Filmy\\Rejs\\video_ts", {5, L"VTS_01_1.VOB|VIDEO_TS.IFO"}},
      {L"D:\\Filmy\\Pusty", {6, L"VIDEO_TS\\"}},
      {L"D:\\Filmy\\Pusty\\VIDEO_TS", {7, L"VTS_01_1.VOB"}},
      {L"D:\\Filmy\\p\u0119tla", {1, L"zebra.AVI|p\u0119tla\\"}},
      {L"E:\\", {8, L"VIDEO_TS\\"}},
      {L"E:\\VIDEO_TS", {9, L"VTS_01_1.VOB|VIDEO_TS.IFO"}},
      {L"F:\\", {10, L"Rocky 2.avi|Rocky.avi|Rocky\\|\u042F\u0430.avi|\u044F.avi|\u044E.avi|.avi"}},
      {L"F:\\Rocky", {11, L"Rocky 1.avi"}},
  };
};

// Stops the work at its `stopAt`-th report; 0: never.
class StopAt final : public WorkProgress {
 public:
  explicit StopAt(int stopAt) : left_(stopAt) {}
  bool Continue(std::size_t, std::size_t) override { return --left_ != 0; }

 private:
  int left_;
};

TEST(FindMediaFiles, WalksInPathOrderOnceThroughEveryFolderItCanRead) {
  const std::wstring upToFilmy =
      L"D:\\Filmy\\akta\\A\\g\u0142\u0119boki.mp4|D:\\Filmy\\akta\\b.avi|"
      L"D:\\Filmy\\Bolek.mkv|D:\\Filmy\\Pusty\\VIDEO_TS\\VTS_01_1.VOB|D:\\Filmy\\Rejs\\Rejs.ifo*";
  const std::wstring all =
      upToFilmy +
      L"|D:\\Filmy\\zebra.AVI|D:\\Filmy\\\u0107ma.avi|D:\\Filmy\\\u0106wier\u0107.avi|"
      L"D:\\Filmy\\\u0142za.avi|D:\\Filmy\\\u0141\u0105ka.avi";
  const struct {
    const wchar_t* root;
    int stopAt;
    std::wstring files;
    std::size_t unreadable;
  } cases[] = {
      {L"D:\\Filmy", 0, all, 1},
      {L"D:\\Filmy\\", 0, all, 1},
      {L"D:\\", 0, all, 1},
      {L"D:\\Filmy\\Rejs\\video_ts", 0, L"D:\\Filmy\\Rejs\\Rejs.ifo*", 0},
      {L"D:\\Brak\\", 0, L"", 1},
      {L"D:\\Filmy", 9, upToFilmy, 1},
      {L"D:\\Filmy", 1, L"", 0},
      {L"E:", 0, L"E:\\VIDEO_TS\\VIDEO_TS.IFO*", 0},  // a DVD at a drive's root
      {L"F:\\", 0,
       L"F:\\.avi|F:\\Rocky\\Rocky 1.avi|F:\\Rocky 2.avi|F:\\Rocky.avi|F:\\\u044E.avi|F:\\\u044F.avi|"
       L"F:\\\u042F\u0430.avi",
       0},
  };
  // Read one folder after another, and with folders read ahead on threads: the same.
  for (const int threads : {0, 2})
    for (const auto& c : cases) {
      TableReader table;
      FolderReadAhead reader(table, threads);
      StopAt progress(c.stopAt);
      const MediaScan scan = FindMediaFiles(c.root, FilePatterns(kMedia), reader, progress);
      std::wstring files;
      for (const MediaFile& file : scan.files)
        files +=
            (files.empty() ? L"" : L"|") + file.path + (file.kind == MediaKind::Dvd ? L"*" : L"");
      EXPECT_EQ(files, c.files) << c.root << c.stopAt << " threads " << threads;
      EXPECT_EQ(scan.unreadableFolders, c.unreadable) << c.root << c.stopAt;
      EXPECT_EQ(scan.complete, c.stopAt == 0) << c.root << c.stopAt;
    }
}

}  // namespace
}  // namespace kadrion::core
