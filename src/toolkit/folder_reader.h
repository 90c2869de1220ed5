#pragma once
// The folders of the file system as the media file walk reads them.
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

#include "core/media_tree.h"

namespace kadrion::toolkit {

// Lists a folder with one large fetch and tells it apart from other folders by its volume and
// file index, which a symbolic link or junction leading to it shares. Paths of any length.
// Several threads may read at once.
class FolderReader final : public kadrion::core::FolderReader {
 public:
  std::optional<kadrion::core::FolderListing> Read(const std::wstring& folder) override;

 private:
  // The volume of each subfolder listed but not read yet that is no link: its parent's. Asking
  // the system for a volume costs a millisecond a folder under Wine; a file index, nothing.
  std::unordered_map<std::wstring, std::uint64_t> knownVolumes_;
  std::mutex knownVolumesMutex_;
};

}  // namespace kadrion::toolkit
