#pragma once
// The folders of the file system as the media file walk reads them.
#include <optional>
#include <string>

#include "core/media_tree.h"

namespace toolkit {

// Lists a folder with one large fetch and tells it apart from other folders by its volume and
// file index, which a symbolic link or junction leading to it shares. Paths of any length.
class FolderReader final : public kadrion::core::FolderReader {
 public:
  std::optional<kadrion::core::FolderListing> Read(const std::wstring& folder) override;
};

}  // namespace toolkit
