#include "toolkit/folder_reader.h"

#include "toolkit/handles.h"

namespace toolkit {

namespace {

using kadrion::core::EntryKind;
using kadrion::core::FolderIdentity;
using kadrion::core::FolderListing;

struct FindTraits {
  using Type = HANDLE;
  static Type Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Type h) { FindClose(h); }
};
using FindHandle = UniqueHandle<FindTraits>;

// A full path in the form that passes MAX_PATH: "\\?\D:\..." or "\\?\UNC\server\share\...".
std::wstring Unlimited(const std::wstring& path) {
  if (path.size() >= 3 && path[1] == L':' && path[2] == L'\\') return L"\\\\?\\" + path;
  if (path.starts_with(L"\\\\") && !path.starts_with(L"\\\\?\\") && !path.starts_with(L"\\\\.\\"))
    return L"\\\\?\\UNC\\" + path.substr(2);
  return path;
}

std::optional<FolderIdentity> IdentityOf(const std::wstring& folder) {
  // No access rights asked: only the file's information is read.
  const FileHandle handle(CreateFileW(folder.c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION information{};
  if (!handle || !GetFileInformationByHandle(handle.Get(), &information)) return std::nullopt;
  return FolderIdentity{
      information.dwVolumeSerialNumber,
      (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
}

}  // namespace

std::optional<FolderListing> FolderReader::Read(const std::wstring& folder) {
  const std::wstring path = Unlimited(folder);
  const std::optional<FolderIdentity> identity = IdentityOf(path);
  if (!identity) return std::nullopt;
  FolderListing listing{*identity, {}};
  const std::wstring pattern = path + (path.ends_with(L'\\') ? L"*" : L"\\*");
  WIN32_FIND_DATAW found{};
  FindHandle find(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                   nullptr, FIND_FIRST_EX_LARGE_FETCH));
  // Windows before 7 knows neither the basic information nor the large fetch.
  if (!find && GetLastError() == ERROR_INVALID_PARAMETER)
    find.Reset(FindFirstFileExW(pattern.c_str(), FindExInfoStandard, &found, FindExSearchNameMatch,
                                nullptr, 0));
  if (!find) {
    // A drive's root has no "." and "..": empty, it has nothing to find.
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return listing;
    return std::nullopt;
  }
  do {
    const std::wstring_view name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    listing.entries.push_back({std::wstring(name), found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY
                                                       ? EntryKind::Folder
                                                       : EntryKind::File});
  } while (FindNextFileW(find.Get(), &found));
  if (GetLastError() != ERROR_NO_MORE_FILES) return std::nullopt;
  return listing;
}

}  // namespace toolkit
