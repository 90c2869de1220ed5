#pragma once
// An ini file read and written one key at a time, with the sections, keys, bytes and order the
// system's profile functions give it. Sections, keys and string values are Windows-1250 in the
// file; the path may hold any letter. A missing or unreadable file or key reads as the default;
// a failed write raises an error naming the file.
#include <string>

namespace toolkit {

class IniFile {
 public:
  explicit IniFile(std::wstring path);
  const std::wstring& Path() const { return path_; }

  // Up to 2047 characters.
  std::wstring ReadString(const std::wstring& section, const std::wstring& key,
                          const std::wstring& fallback) const;
  int ReadInteger(const std::wstring& section, const std::wstring& key, int fallback) const;
  bool ReadBool(const std::wstring& section, const std::wstring& key, bool fallback) const;

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

}  // namespace toolkit
