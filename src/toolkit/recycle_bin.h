#pragma once
// Moving files to the Recycle Bin, from where the user can take them back. Behind an interface
// so that tests record the files instead of touching the user's bin.
#include <string>

namespace kadrion::toolkit {

class RecycleBin {
 public:
  virtual ~RecycleBin() = default;
  // Moves the file to the bin without asking; false when it stays where it was.
  virtual bool Recycle(const std::wstring& path) = 0;
};

class SystemRecycleBin : public RecycleBin {
 public:
  bool Recycle(const std::wstring& path) override;
};

}  // namespace kadrion::toolkit
