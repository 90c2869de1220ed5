#include "core/folder_read_ahead.h"

namespace kadrion::core {

FolderReadAhead::FolderReadAhead(FolderReader& reader, int threads) : reader_(reader) {
  for (int k = 0; k < threads; ++k) threads_.emplace_back([this] { ReadQueued(); });
}

FolderReadAhead::~FolderReadAhead() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  for (std::thread& thread : threads_) thread.join();
}

std::optional<FolderListing> FolderReadAhead::Read(const std::wstring& folder) {
  std::unique_lock lock(mutex_);
  Folder& entry = folders_[folder];
  if (entry.state == State::Queued || entry.state == State::Taken) {
    // Not started on, or asked for a second time: read here.
    entry.state = State::Reading;
    ReadClaimed(lock, folder, entry);
  } else {
    changed_.wait(lock, [&entry] { return entry.state == State::Ready; });
  }
  entry.state = State::Taken;
  return std::move(entry.listing);
}

void FolderReadAhead::ReadQueued() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
    if (stopping_) return;
    const std::wstring path = std::move(queue_.back());
    queue_.pop_back();
    Folder& folder = folders_[path];
    if (folder.state != State::Queued) continue;  // the walk took it meanwhile
    folder.state = State::Reading;
    ReadClaimed(lock, path, folder);
    folder.state = State::Ready;
    changed_.notify_all();
  }
}

void FolderReadAhead::ReadClaimed(std::unique_lock<std::mutex>& lock, const std::wstring& path,
                                  Folder& folder) {
  // The map's elements stay where they are while others are added, so `folder` holds.
  lock.unlock();
  std::optional<FolderListing> listing = reader_.Read(path);
  lock.lock();
  if (listing && lookedInto_.insert(listing->identity).second) {
    for (const FolderEntry& entry : listing->entries) {
      if (entry.kind != EntryKind::Folder) continue;
      std::wstring subfolder = JoinedPath(path, entry.name);
      if (folders_.try_emplace(subfolder).second) queue_.push_back(std::move(subfolder));
    }
    changed_.notify_all();
  }
  folder.listing = std::move(listing);
}

}  // namespace kadrion::core
