#pragma once
// An ini file read and written one key at a time, with the sections, keys, bytes and order the
// system's profile functions give it. Sections, keys and string values are Windows-1250 in the
// file; the path may hold any letter. A missing or unreadable file or key reads as the default;
// a failed write raises an error naming the file.
#include <string>

#include "core/setting_limits.h"
#include "toolkit/win.h"

namespace kadrion::toolkit {

class IniFile {
 public:
  explicit IniFile(std::wstring path);
  const std::wstring& Path() const { return path_; }

  // Up to 2047 characters.
  std::wstring ReadString(const std::wstring& section, const std::wstring& key,
                          const std::wstring& fallback) const;
  int ReadInteger(const std::wstring& section, const std::wstring& key, int fallback) const;
  // An integer within `range`; anything else reads as the default too.
  int ReadInteger(const std::wstring& section, const std::wstring& key, int fallback,
                  kadrion::core::SettingRange range) const;
  bool ReadBool(const std::wstring& section, const std::wstring& key, bool fallback) const;
  // The system's error code when the file exists but cannot be read (another program holds
  // it, no rights), so that every key reads as its default; 0 otherwise.
  DWORD ReadError() const;

  // Each write reads the whole file, changes the one line and puts the new file in the old one's
  // place in one step; a value the file already holds writes nothing.
  void WriteString(const std::wstring& section, const std::wstring& key, const std::wstring& value);
  void WriteInteger(const std::wstring& section, const std::wstring& key, int value);
  void WriteBool(const std::wstring& section, const std::wstring& key, bool value);

 private:
  std::string ReadBytes(const std::wstring& section, const std::wstring& key,
                        const std::string& fallback) const;
  void WriteBytes(const std::wstring& section, const std::wstring& key, const std::string& value);

  std::wstring path_;
};

}  // namespace kadrion::toolkit
