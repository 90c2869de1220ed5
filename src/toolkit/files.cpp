#include "toolkit/files.h"

#include <shlobj.h>

#include <algorithm>

#include "toolkit/error.h"

namespace kadrion::toolkit {

std::wstring ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of(L"\\/") + 1);
}

std::wstring SystemTempFolder() {
  wchar_t path[MAX_PATH + 1] = L"";
  const DWORD length = GetTempPathW(MAX_PATH + 1, path);
  if (length == 0 || length > MAX_PATH)
    ThrowSystemError(L"Nie można ustalić folderu tymczasowego.");
  return std::wstring(path, length);
}

std::wstring DocumentsFolder() {
  // The call of Windows XP; later systems answer it with their known Documents folder.
  wchar_t found[MAX_PATH] = L"";
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, found)))
    return {};
  std::wstring folder = found;
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  return folder;
}

bool FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<FileStamp> StampOf(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return std::nullopt;
  const auto wide = [](DWORD high, DWORD low) { return (std::uint64_t{high} << 32) | low; };
  return FileStamp{wide(data.nFileSizeHigh, data.nFileSizeLow),
                   wide(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)};
}

std::string ReadWholeFile(const std::wstring& path) {
  FileReader reader(path);
  std::string bytes(static_cast<std::size_t>(reader.Size()), '\0');
  bytes.resize(reader.Read({reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size()}));
  return bytes;
}

void WriteWholeFile(const std::wstring& path, std::string_view bytes) {
  AtomicFileWriter file(path);
  file.Write({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
  file.Commit();
}

FileReader::FileReader(const std::wstring& path)
    : path_(path),
      file_(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                        FILE_FLAG_SEQUENTIAL_SCAN, nullptr)) {
  if (!file_) ThrowSystemError(L"Nie można otworzyć pliku " + path + L".");
}

std::uint64_t FileReader::Size() const {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file_.Get(), &size))
    ThrowSystemError(L"Nie można odczytać pliku " + path_ + L".");
  return static_cast<std::uint64_t>(size.QuadPart);
}

std::size_t FileReader::Read(std::span<std::uint8_t> buffer) {
  std::size_t total = 0;
  while (total < buffer.size()) {
    DWORD read = 0;
    const auto wanted = static_cast<DWORD>(std::min<std::size_t>(buffer.size() - total, 1u << 30));
    if (!ReadFile(file_.Get(), buffer.data() + total, wanted, &read, nullptr))
      ThrowSystemError(L"Nie można odczytać pliku " + path_ + L".");
    if (read == 0) break;
    total += read;
  }
  return total;
}

FileWriter::FileWriter(const std::wstring& path, std::wstring shownPath)
    : shownPath_(std::move(shownPath)),
      file_(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                        nullptr)) {
  if (!file_) ThrowSystemError(L"Nie można utworzyć pliku " + shownPath_ + L".");
}

void FileWriter::Write(std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    if (!WriteFile(file_.Get(), bytes.data(), chunk, &written, nullptr) || written == 0)
      ThrowSystemError(L"Nie można zapisać pliku " + shownPath_ + L".");
    bytes = bytes.subspan(written);
  }
}

void FileWriter::Finish() {
  if (!SetEndOfFile(file_.Get()) || !FlushFileBuffers(file_.Get()))
    ThrowSystemError(L"Nie można zapisać pliku " + shownPath_ + L".");
  file_.Reset();
}

void FileWriter::Abandon() {
  if (!file_) return;
  SetEndOfFile(file_.Get());  // no old bytes behind new ones; a failure here changes nothing
  file_.Reset();
}

AtomicFileWriter::AtomicFileWriter(std::wstring path)
    : path_(std::move(path)),
      temporaryPath_(TemporaryPathFor(path_)),
      file_(temporaryPath_, path_) {}

void AtomicFileWriter::KeepBackup(const std::wstring& backupPath) {
  // A second name for the old file costs nothing and stays valid when the new version takes
  // the first name; file systems without hard links (FAT) get a copy.
  const std::wstring backupTemporary = TemporaryPathFor(backupPath);
  DeleteFileW(backupTemporary.c_str());
  if (!CreateHardLinkW(backupTemporary.c_str(), path_.c_str(), nullptr) &&
      !CopyFileW(path_.c_str(), backupTemporary.c_str(), FALSE)) {
    const DWORD code = GetLastError();
    DeleteFileW(temporaryPath_.c_str());
    ThrowSystemError(L"Nie można zapisać kopii pliku " + path_ + L" jako " + backupPath + L".",
                     code);
  }
  if (!MoveFileExW(backupTemporary.c_str(), backupPath.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const DWORD code = GetLastError();
    DeleteFileW(backupTemporary.c_str());
    DeleteFileW(temporaryPath_.c_str());
    ThrowSystemError(L"Nie można zastąpić pliku " + backupPath + L".", code);
  }
}

AtomicFileWriter::~AtomicFileWriter() {
  if (file_.Open()) {
    file_.Abandon();
    DeleteFileW(temporaryPath_.c_str());
  }
}

void AtomicFileWriter::Commit(const std::wstring& backupPath) {
  file_.Finish();
  if (!backupPath.empty() && FileExists(path_)) KeepBackup(backupPath);
  if (!MoveFileExW(temporaryPath_.c_str(), path_.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const DWORD code = GetLastError();
    DeleteFileW(temporaryPath_.c_str());
    ThrowSystemError(L"Nie można zastąpić pliku " + path_ + L".", code);
  }
}

}  // namespace kadrion::toolkit
