#pragma once
// Folders read ahead of a walk, on threads of their own. Listing a folder is mostly waiting for
// the system (under Wine, for its server), so a few reads at once go faster than one after
// another. Every subfolder of a folder read is queued; the walk's own Read takes a listing
// ready, waits for one being read, or reads the folder itself when no thread has started on
// it. Each folder is read once; a folder whose identity was seen before is not looked into
// again, so links that lead back up end the reading ahead as they end the walk.
#include <condition_variable>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "core/media_tree.h"

namespace kadrion::core {

class FolderReadAhead final : public FolderReader {
 public:
  // `reader` must take reads from several threads at once.
  FolderReadAhead(FolderReader& reader, int threads);
  // Stops the threads, after the reads they are in.
  ~FolderReadAhead();
  FolderReadAhead(const FolderReadAhead&) = delete;
  FolderReadAhead& operator=(const FolderReadAhead&) = delete;

  std::optional<FolderListing> Read(const std::wstring& folder) override;

 private:
  enum class State { Queued, Reading, Ready, Taken };
  struct Folder {
    State state = State::Queued;
    std::optional<FolderListing> listing;
  };

  void ReadQueued();
  // Reads the folder claimed by this thread; its subfolders are queued (the lock is held when
  // it returns, as when it was called).
  void ReadClaimed(std::unique_lock<std::mutex>& lock, const std::wstring& path, Folder& folder);

  FolderReader& reader_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::unordered_map<std::wstring, Folder> folders_;  // every folder queued or read
  std::vector<std::wstring> queue_;                   // the last queued first: along the walk
  std::set<FolderIdentity> lookedInto_;
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace kadrion::core
