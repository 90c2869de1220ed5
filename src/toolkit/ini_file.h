#pragma once
// An ini file read and written one key at a time through the system's private-profile
// functions. Sections, keys and string values are Windows-1250 in the file. A missing file or
// key reads as the default; a failed write raises an error naming the file.
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

  void WriteString(const std::wstring& section, const std::wstring& key, const std::wstring& value);
  void WriteInteger(const std::wstring& section, const std::wstring& key, int value);
  void WriteBool(const std::wstring& section, const std::wstring& key, bool value);

 private:
  std::string ReadBytes(const std::wstring& section, const std::wstring& key,
                        const std::string& fallback) const;
  void WriteBytes(const std::wstring& section, const std::wstring& key, const std::string& value);

  std::wstring path_;
  std::string systemPath_;  // the path as the narrow profile functions take it
};

}  // namespace toolkit
