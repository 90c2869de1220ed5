#include "toolkit/ini_file.h"

#include "core/ini_value.h"
#include "toolkit/error.h"
#include "toolkit/text.h"

namespace toolkit {

namespace {
constexpr DWORD kValueCapacity = 2048;  // 2047 characters and the terminating zero

// The narrow profile functions pass the key and value bytes through unchanged, which keeps the
// file in code page 1250 whatever the system's code page; only the path is in the system's one.
std::string SystemCodePagePath(const std::wstring& path) {
  const int size = static_cast<int>(path.size());
  const int length = WideCharToMultiByte(CP_ACP, 0, path.data(), size, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, path.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}
}  // namespace

IniFile::IniFile(std::wstring path) : path_(std::move(path)), systemPath_(SystemCodePagePath(path_)) {}

std::string IniFile::ReadBytes(const std::wstring& section, const std::wstring& key,
                               const std::string& fallback) const {
  char buffer[kValueCapacity];
  const DWORD length =
      GetPrivateProfileStringA(ToCp1250(section).c_str(), ToCp1250(key).c_str(), fallback.c_str(),
                               buffer, kValueCapacity, systemPath_.c_str());
  return std::string(buffer, length);
}

void IniFile::WriteBytes(const std::wstring& section, const std::wstring& key,
                         const std::string& value) {
  if (!WritePrivateProfileStringA(ToCp1250(section).c_str(), ToCp1250(key).c_str(), value.c_str(),
                                  systemPath_.c_str()))
    ThrowSystemError(L"Nie można zapisać ustawienia \u201E" + key + L"\u201D w pliku " + path_ + L".");
}

std::wstring IniFile::ReadString(const std::wstring& section, const std::wstring& key,
                                 const std::wstring& fallback) const {
  return FromCp1250(ReadBytes(section, key, ToCp1250(fallback)));
}

int IniFile::ReadInteger(const std::wstring& section, const std::wstring& key, int fallback) const {
  return kadrion::IniIntegerOr(ReadBytes(section, key, ""), fallback);
}

bool IniFile::ReadBool(const std::wstring& section, const std::wstring& key, bool fallback) const {
  return kadrion::IniBoolOr(ReadBytes(section, key, ""), fallback);
}

void IniFile::WriteString(const std::wstring& section, const std::wstring& key,
                          const std::wstring& value) {
  WriteBytes(section, key, ToCp1250(value));
}

void IniFile::WriteInteger(const std::wstring& section, const std::wstring& key, int value) {
  WriteBytes(section, key, kadrion::FormatIniInteger(value));
}

void IniFile::WriteBool(const std::wstring& section, const std::wstring& key, bool value) {
  WriteBytes(section, key, kadrion::FormatIniBool(value));
}

}  // namespace toolkit
