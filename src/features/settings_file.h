#pragma once
// "Dane\Baza.ini", where both windows keep their settings: read as the program starts and
// written back as each window closes, but never when it was there and could not be read (the
// windows then work with the defaults, and writing those would lose the user's settings).
#include <string>
#include <utility>

#include "core/read_guard.h"
#include "toolkit/ini_file.h"

namespace kadrion::features {

class SettingsFile {
 public:
  explicit SettingsFile(std::wstring path) : ini_(std::move(path)) {}
  SettingsFile(const SettingsFile&) = delete;
  SettingsFile& operator=(const SettingsFile&) = delete;

  // Looks once, at the start, whether the file can be read: 0 when it can (or is not there),
  // otherwise the system's error code, for the caller to say; the file is then left alone.
  DWORD Open();
  std::wstring Path() const { return ini_.Path(); }
  // The values; a file that cannot be read gives every default.
  const toolkit::IniFile& Values() const { return ini_; }
  // Writes through `write(IniFile&)` when the file was read.
  template <typename Writer>
  void Write(Writer&& write) {
    guard_.Write([&] { std::forward<Writer>(write)(ini_); });
  }

 private:
  toolkit::IniFile ini_;
  core::ReadGuard guard_;
};

}  // namespace kadrion::features
