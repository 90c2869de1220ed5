// The media file walk over the file system: links, locked folders, Polish names.
#include <gtest/gtest.h>

#include "core/folder_read_ahead.h"
#include "test_support.h"
#include "toolkit/folder_reader.h"
#include "toolkit/handles.h"

namespace kadrion::toolkit {
namespace {

using namespace testing_support;

// Starts a program in `folder` and waits for it.
void RunIn(std::wstring commandLine, const std::wstring& folder) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                      nullptr, folder.c_str(), &startup, &process))
    return;
  const toolkit::KernelHandle thread(process.hThread), ended(process.hProcess);
  WaitForSingleObject(ended.Get(), 30000);
}

// Waits until the path is there (or gone), as a program run by Run may finish after its handle.
bool Becomes(const std::wstring& path, bool there) {
  for (int wait = 0; wait < 100; ++wait, Sleep(50))
    if ((GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) == there) return true;
  return false;
}

TEST(FolderReader, FindsEveryMediaFileOnceAndCountsWhatItCannotRead) {
  TempFolder temp;
  const std::wstring root = temp / L"Filmy";
  for (const std::wstring& folder :
       {root, root + L"\\B", root + L"\\B\\G\u0142\u0119boki", root + L"\\Rejs",
        root + L"\\Rejs\\VIDEO_TS", root + L"\\zamkni\u0119ty"})
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr)) << folder;
  for (const wchar_t* file :
       {L"zz.avi", L"B\\c.MKV", L"B\\opis.txt", L"B\\G\u0142\u0119boki\\e.mp4",
        L"Rejs\\VIDEO_TS\\VIDEO_TS.IFO", L"Rejs\\VIDEO_TS\\VTS_01_1.VOB", L"zamkni\u0119ty\\x.avi"})
    WriteFileText(root + L"\\" + file, "");
  // A link back up: a junction on Windows; Wine makes none, but follows a Unix symbolic link.
  // Wine's start.exe runs the Unix program in a process of its own: one started from this
  // process would leave its message waits here returning at once for the rest of the run.
  const std::wstring link = root + L"\\B\\p\u0119tla";
  RunIn(L"cmd /c mklink /J \"" + link + L"\" \"" + root + L"\"", root);
  if (GetFileAttributesW(link.c_str()) == INVALID_FILE_ATTRIBUTES)
    RunIn(L"start /wait /exec /bin/ln -s .. p\u0119tla", root + L"\\B");
  ASSERT_TRUE(Becomes(link, true));
  {
    // Held without sharing, the folder cannot be listed.
    const toolkit::FileHandle lock(CreateFileW((root + L"\\zamkni\u0119ty").c_str(), GENERIC_READ,
                                               0, nullptr, OPEN_EXISTING,
                                               FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    EXPECT_TRUE(lock);
    toolkit::FolderReader disk;
    kadrion::core::FolderReadAhead reader(disk, 2);  // as adding a folder tree reads
    kadrion::core::NoProgress progress;
    const kadrion::core::MediaScan scan = kadrion::core::FindMediaFiles(
        root + L"\\", kadrion::core::FilePatterns(L"*.avi;*.mkv;*.MP4;VIDEO_TS.IFO;*.VOB"), reader,
        progress);
    std::vector<std::wstring> paths;
    for (const kadrion::core::MediaFile& file : scan.files) paths.push_back(file.path);
    EXPECT_EQ(paths, (std::vector<std::wstring>{root + L"\\B\\c.MKV",
                                                root + L"\\B\\G\u0142\u0119boki\\e.mp4",
                                                root + L"\\Rejs\\Rejs.ifo", root + L"\\zz.avi"}));
    EXPECT_EQ(scan.unreadableFolders, 1u);
  }
  // Taken away before the temporary folder, whose removal would follow them, and by a process
  // of its own as it was made: this one only reads through it.
  RunIn(L"cmd /c rmdir \"" + link + L"\"", root);
  if (GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES)
    RunIn(L"start /wait /exec /bin/rm p\u0119tla", root + L"\\B");
  EXPECT_TRUE(Becomes(link, false));
}

}  // namespace
}  // namespace kadrion::toolkit
