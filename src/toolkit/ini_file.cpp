#include "toolkit/ini_file.h"

#include <span>

#include "core/ini_document.h"
#include "core/ini_value.h"
#include "toolkit/error.h"
#include "toolkit/files.h"
#include "toolkit/handles.h"
#include "toolkit/text.h"

namespace kadrion::toolkit {

namespace {

constexpr std::size_t kValueCapacity = 2047;  // what the profile functions return at most

// The whole file, or the error that kept it from being read; a file that does not exist reads
// as an empty one.
DWORD ReadWholeFile(const std::wstring& path, std::string& bytes) {
  bytes.clear();
  const FileHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD code = GetLastError();
    return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND ? 0 : code;
  }
  char block[16384];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file.Get(), block, sizeof(block), &read, nullptr)) return GetLastError();
    if (read == 0) return 0;
    bytes.append(block, read);
  }
}

}  // namespace

IniFile::IniFile(std::wstring path) : path_(std::move(path)) {}

std::string IniFile::ReadBytes(const std::wstring& section, const std::wstring& key,
                               const std::string& fallback) const {
  std::string bytes;
  if (ReadWholeFile(path_, bytes) != 0) return fallback;
  const auto value =
      kadrion::core::IniDocument(std::move(bytes)).Find(ToCp1250(section), ToCp1250(key));
  return value ? value->substr(0, kValueCapacity) : fallback;
}

void IniFile::WriteBytes(const std::wstring& section, const std::wstring& key,
                         const std::string& value) {
  const std::wstring failed =
      L"Nie można zapisać ustawienia \u201E" + key + L"\u201D w pliku " + path_ + L".";
  std::string bytes;
  if (const DWORD code = ReadWholeFile(path_, bytes)) ThrowSystemError(failed, code);
  kadrion::core::IniDocument document(std::move(bytes));
  if (!document.Set(ToCp1250(section), ToCp1250(key), value)) return;
  try {
    AtomicFileWriter file(path_);
    const std::string& text = document.Text();
    file.Write(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    file.Commit();
  } catch (const kadrion::core::Failure& error) {
    ThrowSystemError(failed, error.SystemCode());
  }
}

std::wstring IniFile::ReadString(const std::wstring& section, const std::wstring& key,
                                 const std::wstring& fallback) const {
  return FromCp1250(ReadBytes(section, key, ToCp1250(fallback)));
}

int IniFile::ReadInteger(const std::wstring& section, const std::wstring& key, int fallback) const {
  return kadrion::core::IniIntegerOr(ReadBytes(section, key, ""), fallback);
}

int IniFile::ReadInteger(const std::wstring& section, const std::wstring& key, int fallback,
                         kadrion::core::SettingRange range) const {
  return range.Or(ReadInteger(section, key, fallback), fallback);
}

DWORD IniFile::ReadError() const {
  std::string bytes;
  return ReadWholeFile(path_, bytes);
}

bool IniFile::ReadBool(const std::wstring& section, const std::wstring& key, bool fallback) const {
  return kadrion::core::IniBoolOr(ReadBytes(section, key, ""), fallback);
}

void IniFile::WriteString(const std::wstring& section, const std::wstring& key,
                          const std::wstring& value) {
  WriteBytes(section, key, ToCp1250(value));
}

void IniFile::WriteInteger(const std::wstring& section, const std::wstring& key, int value) {
  WriteBytes(section, key, kadrion::core::FormatIniInteger(value));
}

void IniFile::WriteBool(const std::wstring& section, const std::wstring& key, bool value) {
  WriteBytes(section, key, kadrion::core::FormatIniBool(value));
}

}  // namespace kadrion::toolkit
