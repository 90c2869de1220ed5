#pragma once
// The media files below a folder, at any depth, as films: what adding a whole folder tree of
// films starts from. The walk reads folders through a FolderReader (the file system on
// Windows, a table in the tests) and keeps to the order Explorer's name column gives a user
// folder by folder: the files and subfolders of a folder sorted together by name without regard
// to case, a subfolder's contents at its place.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_patterns.h"
#include "core/work_progress.h"

namespace kadrion::core {

// Which folder a listing is of, whatever path reached it: the same folder reached again
// through a symbolic link or a junction has the same identity.
struct FolderIdentity {
  std::uint64_t volume = 0;
  std::uint64_t index = 0;

  bool operator==(const FolderIdentity&) const = default;
  auto operator<=>(const FolderIdentity&) const = default;
};

enum class EntryKind { File, Folder };

struct FolderEntry {
  std::wstring name;
  EntryKind kind = EntryKind::File;

  bool operator==(const FolderEntry&) const = default;
};

struct FolderListing {
  FolderIdentity identity;
  std::vector<FolderEntry> entries;  // in any order, without "." and ".."
};

class FolderReader {
 public:
  // Nothing when the folder cannot be read. `folder` is a full path without a closing "\"
  // except a drive's root ("D:\").
  virtual std::optional<FolderListing> Read(const std::wstring& folder) = 0;

 protected:
  ~FolderReader() = default;
};

enum class MediaKind { File, Dvd };

struct MediaFile {
  std::wstring path;  // full, "\" between the names
  MediaKind kind = MediaKind::File;

  bool operator==(const MediaFile&) const = default;
};

struct MediaScan {
  std::vector<MediaFile> files;
  std::size_t unreadableFolders = 0;
  bool complete = true;  // false: the progress said stop, `files` holds what was found so far
};

// The files below `root` whose names `media` takes, in path order. A DVD's folder counts as one
// film: a folder named VIDEO_TS holding VIDEO_TS.IFO gives the one path
// "<parent>\<parent's name>.ifo", of kind Dvd, and nothing inside it counts. A folder reached again
// (by its identity) is not walked again, so links that lead back up make no loop; a folder that
// cannot be read, `root` included, is counted and passed over. Tells `progress` the count of files
// found after every folder read.
MediaScan FindMediaFiles(const std::wstring& root, const FilePatterns& media, FolderReader& reader,
                         WorkProgress& progress);

// The path of `name` in `folder`, one "\" between them.
std::wstring JoinedPath(const std::wstring& folder, std::wstring_view name);

// The order FindMediaFiles keeps within a folder: names compared by their letters' capitals
// (ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic folded), ties broken by the names as they
// are so that the order is total.
bool NameBefore(std::wstring_view a, std::wstring_view b);

// A name in the capitals NameBefore compares: names that differ only in the case of their
// letters have the same key.
std::wstring NameKey(std::wstring_view name);

}  // namespace kadrion::core
