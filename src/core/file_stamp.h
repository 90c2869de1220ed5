#pragma once
// What tells one version of a file from another.
#include <cstdint>

namespace kadrion::core {

struct FileStamp {
  std::uint64_t size;
  std::uint64_t lastWrite;
  bool operator==(const FileStamp&) const = default;
};

}  // namespace kadrion::core
