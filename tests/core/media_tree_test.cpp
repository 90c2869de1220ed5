#include "core/media_tree.h"

#include <gtest/gtest.h>

#include <map>

namespace kadrion::core {
namespace {

constexpr wchar_t kMedia[] = L";*.avi;VIDEO_TS.IFO;*.mpeg;;*.MP3;*.mkv;*.mp4;*.VOB";

TEST(FilePatterns, TakesEndingsAndWholeNamesWithoutRegardToCase) {
  const FilePatterns media(kMedia);
  const struct {
    const wchar_t* name;
    bool taken;
  } cases[] = {
      {L"film.AVI", true},
      {L"film.avi.txt", false},
      {L"avi", false},
      {L"video_ts.ifo", true},
      {L"x_VIDEO_TS.IFO", false},
      {L"VTS_01_0.IFO", false},
      {L"x.mpeg", true},
      {L"x.peg", false},
      {L"", false},
      {L"\u0141\u00F3d\u017A.Mp3", true},
  };
  for (const auto& c : cases) EXPECT_EQ(media.Matches(c.name), c.taken) << c.name;
}

// A folder tree as a table; a folder missing from it cannot be read.
class TableReader final : public FolderReader {
 public:
  std::optional<FolderListing> Read(const std::wstring& folder) override {
    if (++reads > 100) ADD_FAILURE() << "walked in a loop";
    const auto found = folders.find(folder);
    if (reads > 100 || found == folders.end()) return std::nullopt;
    return found->second;
  }
  int reads = 0;
  const EntryKind D = EntryKind::Folder, F = EntryKind::File;
  std::map<std::wstring, FolderListing> folders = {
      {L"D:\\", {{1, 0}, {{L"Filmy", D}}}},
      {L"D:\\Filmy",
       {{1, 1},
        {{L"zebra.AVI", F},
         {L"\u0107ma.avi", F},
         {L"Bolek.mkv", F},
         {L"\u0106wier\u0107.avi", F},
         {L"akta", D},
         {L"notes.txt", F},
         {L"Rejs", D},
         {L"Pusty", D},
         {L"p\u0119tla", D},
         {L"zamkni\u0119ty", D}}}},
      {L"D:\\Filmy\\akta", {{1, 2}, {{L"b.avi", F}, {L"A", D}}}},
      {L"D:\\Filmy\\akta\\A", {{1, 3}, {{L"opis.txt", F}, {L"g\u0142\u0119boki.mp4", F}}}},
      {L"D:\\Filmy\\Rejs", {{1, 4}, {{L"video_ts", D}}}},
      {L"D:\\Filmy\\Rejs\\video_ts", {{1, 5}, {{L"VTS_01_1.VOB", F}, {L"VIDEO_TS.IFO", F}}}},
      {L"D:\\Filmy\\Pusty", {{1, 6}, {{L"VIDEO_TS", D}}}},
      {L"D:\\Filmy\\Pusty\\VIDEO_TS", {{1, 7}, {{L"VTS_01_1.VOB", F}}}},
      {L"D:\\Filmy\\p\u0119tla", {{1, 1}, {{L"zebra.AVI", F}, {L"p\u0119tla", D}}}},
  };
};

const std::vector<std::wstring> kFilmyFiles = {L"D:\\Filmy\\akta\\A\\g\u0142\u0119boki.mp4",
                                               L"D:\\Filmy\\akta\\b.avi",
                                               L"D:\\Filmy\\Bolek.mkv",
                                               L"D:\\Filmy\\Pusty\\VIDEO_TS\\VTS_01_1.VOB",
                                               L"D:\\Filmy\\Rejs\\Rejs.ifo",
                                               L"D:\\Filmy\\zebra.AVI",
                                               L"D:\\Filmy\\\u0107ma.avi",
                                               L"D:\\Filmy\\\u0106wier\u0107.avi"};

TEST(FindMediaFiles, WalksInPathOrderOnceThroughEveryFolderItCanRead) {
  const struct {
    const wchar_t* root;
    std::vector<std::wstring> files;
    std::size_t unreadable;
  } cases[] = {
      {L"D:\\Filmy", kFilmyFiles, 1},
      {L"D:\\Filmy\\", kFilmyFiles, 1},
      {L"D:\\", kFilmyFiles, 1},
      {L"D:\\Filmy\\Rejs\\video_ts", {L"D:\\Filmy\\Rejs\\Rejs.ifo"}, 0},
      {L"D:\\Brak\\", {}, 1},
  };
  for (const auto& c : cases) {
    TableReader reader;
    NoProgress progress;
    const MediaScan scan = FindMediaFiles(c.root, FilePatterns(kMedia), reader, progress);
    EXPECT_EQ(scan.files, c.files) << c.root;
    EXPECT_EQ(scan.unreadableFolders, c.unreadable) << c.root;
    EXPECT_TRUE(scan.complete) << c.root;
  }
}

TEST(FindMediaFiles, StopsWhenTold) {
  class StopAt final : public WorkProgress {
   public:
    explicit StopAt(int call) : left_(call) {}
    bool Continue(std::size_t, std::size_t) override { return --left_ > 0; }

   private:
    int left_;
  };
  for (int call = 1; call <= 9; ++call) {
    TableReader reader;
    StopAt progress(call);
    const MediaScan scan = FindMediaFiles(L"D:\\Filmy", FilePatterns(kMedia), reader, progress);
    EXPECT_FALSE(scan.complete) << call;
    EXPECT_EQ(reader.reads, call);
  }
}

TEST(FilmsFromMediaFiles, TitlesAsAPickedFileAndTheRestAsGiven) {
  const auto latin1 = [](const std::wstring& path) {
    std::string bytes;
    for (const wchar_t c : path) bytes += c < 0x100 ? static_cast<char>(c) : '?';
    return bytes;
  };
  const FilmEntry rest{"", "", "Komedia", "2", "DVD"};
  const struct {
    const wchar_t* path;
    PolishTitleFrom polish;
    const char* polishTitle;
    const char* originalTitle;
  } cases[] = {
      {L"D:\\Filmy\\Matrix\\matrix.dvdrip.avi", PolishTitleFrom::Folder, "Matrix", "matrix"},
      {L"D:\\Filmy\\Matrix\\matrix.dvdrip.avi", PolishTitleFrom::FileName, "matrix", "matrix"},
      {L"F:\\Film.2004.DVDRip\\Film (Lektor PL).cd1.avi", PolishTitleFrom::Folder, "Film", "Film"},
      {L"D:\\Kr\u00F3l \u0141ew\\x.avi", PolishTitleFrom::Folder, "Kr\xF3l ?ew", "x"},
  };
  for (const auto& c : cases) {
    const FilmStore films = FilmsFromMediaFiles({c.path, c.path}, c.polish, rest, latin1);
    ASSERT_EQ(films.Size(), 2u);
    EXPECT_EQ(films[1].Entry(), (FilmEntry{c.polishTitle, c.originalTitle, "Komedia", "2", "DVD"}))
        << c.path;
  }
}

}  // namespace
}  // namespace kadrion::core
