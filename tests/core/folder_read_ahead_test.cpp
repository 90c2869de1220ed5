#include "core/folder_read_ahead.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

namespace kadrion::core {
namespace {

using namespace std::chrono_literals;

// A slow disk that counts the reads of each path. Folders are "name|subfolder\\|..." listings
// by path; a link is a path that leads to another folder, as a junction does. A folder whose
// name starts with "wolny" takes 200 ms to read, any other 10 ms.
class SlowTree final : public FolderReader {
 public:
  SlowTree(std::map<std::wstring, std::wstring> folders, std::map<std::wstring, std::wstring> links)
      : folders_(std::move(folders)), links_(std::move(links)) {}

  std::optional<FolderListing> Read(const std::wstring& folder) override {
    {
      const std::lock_guard lock(mutex_);
      ++reads_[folder];
    }
    const bool slow = folder.substr(folder.rfind(L'\\') + 1).starts_with(L"wolny");
    std::this_thread::sleep_for(slow ? 200ms : 10ms);
    std::wstring path = folder;
    for (bool followed = true; followed;) {
      followed = false;
      for (const auto& [link, target] : links_)
        if (path == link || path.starts_with(link + L'\\')) {
          path = target + path.substr(link.size());
          followed = true;
        }
    }
    const auto found = folders_.find(path);
    if (found == folders_.end()) return std::nullopt;
    FolderListing listing{{1, std::hash<std::wstring>()(path)}, {}};
    for (std::wstring_view names = found->second; !names.empty();) {
      std::wstring_view name = names.substr(0, names.find(L'|'));
      names.remove_prefix(std::min(name.size() + 1, names.size()));
      const bool isFolder = name.ends_with(L'\\');
      if (isFolder) name.remove_suffix(1);
      listing.entries.push_back({std::wstring(name), isFolder ? EntryKind::Folder : EntryKind::File});
    }
    return listing;
  }

  std::map<std::wstring, int> Reads() {
    const std::lock_guard lock(mutex_);
    return reads_;
  }

 private:
  const std::map<std::wstring, std::wstring> folders_, links_;
  std::mutex mutex_;
  std::map<std::wstring, int> reads_;
};

// Late for its first subfolder, so that a thread of the read-ahead has started on it.
class LateAtFirst final : public WorkProgress {
 public:
  bool Continue(std::size_t, std::size_t) override {
    if (first_) std::this_thread::sleep_for(50ms);
    first_ = false;
    return true;
  }

 private:
  bool first_ = true;
};

TEST(FolderReadAhead, ReadsEachFolderOnceFollowsALoopOnceAndNeverWaitsForever) {
  const struct {
    const char* tree;
    std::map<std::wstring, std::wstring> folders, links;
    std::wstring files;
  } cases[] = {
      {"the walk waiting for a junction back up",
       {{L"R", L"wolny\\|b.avi"}},
       {{L"R\\wolny", L"R"}},
       L"R\\b.avi|"},
      {"the walk going past a slow folder, a junction back to the top",
       {{L"R", L"c\\|b\\|a\\|wolny\\|x.avi"},
        {L"R\\a", L"a.avi|d\\"},
        {L"R\\a\\d", L"d.avi"},
        {L"R\\b", L"p\u0119tla\\|b.avi"},
        {L"R\\c", L"c.avi"},
        {L"R\\wolny", L"w.avi"}},
       {{L"R\\b\\p\u0119tla", L"R"}},
       L"R\\a\\a.avi|R\\a\\d\\d.avi|R\\b\\b.avi|R\\c\\c.avi|R\\wolny\\w.avi|R\\x.avi|"},
  };
  for (const auto& c : cases)
    for (const int threads : {1, 2, 4}) {
      // Shared with the walk's thread, which a lost wake-up would leave waiting for ever.
      auto tree = std::make_shared<SlowTree>(c.folders, c.links);
      auto walk = std::async(std::launch::async, [tree, threads] {
        FolderReadAhead reader(*tree, threads);
        LateAtFirst progress;
        return FindMediaFiles(L"R", FilePatterns(L"*.avi"), reader, progress);
      });
      if (walk.wait_for(10s) != std::future_status::ready) {
        ADD_FAILURE() << c.tree << ", threads " << threads << ": still waiting after 10 s";
        new auto(std::move(walk));  // left to its thread, which never ends: not waited for
        return;
      }
      std::wstring files;
      for (const MediaFile& file : walk.get().files) files += file.path + L'|';
      EXPECT_EQ(files, c.files) << c.tree << ", threads " << threads;
      // Every folder once, the link too (to learn where it leads), nothing below the link and
      // no file.
      std::map<std::wstring, int> once;
      for (const auto& [folder, listing] : c.folders) once[folder] = 1;
      for (const auto& [link, target] : c.links) once[link] = 1;
      EXPECT_EQ(tree->Reads(), once) << c.tree << ", threads " << threads;
    }
}

}  // namespace
}  // namespace kadrion::core
