#pragma once
// The titles a picked media file suggests, from its full path (Windows-1250, "\" separators).
// The original title is the bare file name: the name after the last "\" without its ending
// (from the name's last "." on; a name without a dot stays whole). The Polish title is the
// last non-empty part of the folder path split at every "\" - the folder holding the file, or
// the drive ("E:") for a file in a drive's root, empty when the path has no folder - or the
// bare name when `polish` says so.
#include <string>
#include <string_view>

namespace kadrion::core {

// Where a media file's Polish title comes from: the folder holding it, or its bare name.
enum class PolishTitleFrom { Folder, FileName };

struct MediaTitles {
  std::string polish;
  std::string original;

  bool operator==(const MediaTitles&) const = default;
};

// The texts as taken from the path, before the title clean-up.
MediaTitles TitlesFromPath(std::string_view path, PolishTitleFrom polish);

}  // namespace kadrion::core
