#pragma once
// File access for the program's own files. Every failure raises an error naming the file.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "toolkit/handles.h"

namespace toolkit {

// The folder of the running program file, with its closing backslash.
std::wstring ProgramFolder();
// The user's temporary folder as the system names it (TMP, TEMP, ...), with its closing
// backslash.
std::wstring SystemTempFolder();

bool FileExists(const std::wstring& path);

// The whole file as bytes. Raises an error naming the file when it cannot be read.
std::string ReadWholeFile(const std::wstring& path);
// Replaces the file with `bytes` through an AtomicFileWriter: a failed write leaves the old
// file whole. Raises an error naming the file.
void WriteWholeFile(const std::wstring& path, std::string_view bytes);

// Reads a file front to back in blocks.
class FileReader {
 public:
  explicit FileReader(const std::wstring& path);
  std::uint64_t Size() const;
  // Fills `buffer` as far as the file goes; returns the number of bytes read.
  std::size_t Read(std::span<std::uint8_t> buffer);

 private:
  std::wstring path_;
  FileHandle file_;
};

// Writes a new version of a file beside it and puts it in the file's place in one step on
// Commit, so the old file stays whole if anything fails or the program dies before then.
class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(std::wstring path);
  ~AtomicFileWriter();  // without Commit, removes the new version and leaves the old file
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  void Write(std::span<const std::uint8_t> bytes);
  // Puts the new version in the file's place. With a `backupPath`, the file as it was is kept
  // there first, in place of an earlier backup and again in one step; when that fails, the file
  // stays as it was.
  void Commit(const std::wstring& backupPath = {});

  static std::wstring TemporaryPathFor(const std::wstring& path) { return path + L".tmp"; }

 private:
  void KeepBackup(const std::wstring& backupPath);

  std::wstring path_;
  std::wstring temporaryPath_;
  FileHandle file_;
};

}  // namespace toolkit
