#include "toolkit/folder_reader.h"

#include "toolkit/handles.h"

namespace kadrion::toolkit {

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

// The file index alone, through the call the system's own GetFileInformationByHandle makes.
std::optional<std::uint64_t> FileIndexOf(HANDLE file) {
  struct IoStatus {
    union {
      LONG status;
      void* pointer;
    };
    ULONG_PTR information;
  };
  using Query = LONG(WINAPI*)(HANDLE, IoStatus*, void*, ULONG, int);
  constexpr int kFileInternalInformation = 6;
  static const auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationFile")));
  IoStatus io{};
  std::uint64_t index = 0;
  if (!query || query(file, &io, &index, sizeof(index), kFileInternalInformation) < 0)
    return std::nullopt;
  return index;
}

// Nothing when the folder cannot be opened at all. `volume`: when already known.
std::optional<FolderIdentity> IdentityOf(const std::wstring& folder,
                                         std::optional<std::uint64_t> volume) {
  // No access rights asked: only the file's information is read.
  const FileHandle handle(CreateFileW(folder.c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!handle) return std::nullopt;
  if (volume)
    if (const auto index = FileIndexOf(handle.Get())) return FolderIdentity{*volume, *index};
  BY_HANDLE_FILE_INFORMATION information{};
  if (!GetFileInformationByHandle(handle.Get(), &information)) return std::nullopt;
  return FolderIdentity{
      information.dwVolumeSerialNumber,
      (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
}

}  // namespace

std::optional<FolderListing> FolderReader::Read(const std::wstring& folder) {
  const std::wstring path = Unlimited(folder);
  std::optional<std::uint64_t> volume;
  {
    const std::lock_guard lock(knownVolumesMutex_);
    if (const auto known = knownVolumes_.find(folder); known != knownVolumes_.end()) {
      volume = known->second;
      knownVolumes_.erase(known);
    }
  }
  const std::optional<FolderIdentity> identity = IdentityOf(path, volume);
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
  const std::wstring parent = folder.ends_with(L'\\') ? folder : folder + L'\\';
  std::vector<std::wstring> plainSubfolders;
  do {
    const std::wstring_view name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    const bool isFolder = found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    listing.entries.push_back({std::wstring(name), isFolder ? EntryKind::Folder : EntryKind::File});
    // A link or a mounted volume may lead anywhere; a plain subfolder stays on this volume.
    if (isFolder && !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
      plainSubfolders.push_back(parent + listing.entries.back().name);
  } while (FindNextFileW(find.Get(), &found));
  if (GetLastError() != ERROR_NO_MORE_FILES) return std::nullopt;
  const std::lock_guard lock(knownVolumesMutex_);
  for (std::wstring& subfolder : plainSubfolders)
    knownVolumes_[std::move(subfolder)] = identity->volume;
  return listing;
}

}  // namespace kadrion::toolkit
