#pragma once
// File access for the program's own files. Every failure raises an error naming the file.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/file_stamp.h"
#include "toolkit/handles.h"

namespace kadrion::toolkit {

// The folder of the running program file, with its closing backslash.
std::wstring ProgramFolder();
// The user's temporary folder as the system names it (TMP, TEMP, ...), with its closing
// backslash.
std::wstring SystemTempFolder();

// The user's Documents folder, with its closing backslash; empty when the system cannot say.
std::wstring DocumentsFolder();

bool FileExists(const std::wstring& path);

// A file's size and the time of its last write.
using FileStamp = kadrion::core::FileStamp;
// None when the file does not exist or cannot be looked at.
std::optional<FileStamp> StampOf(const std::wstring& path);

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

// Writes a file front to back over its old version: the old bytes are written over where they
// lie, which costs the disk no new room, and what is left of them is cut off when the writing
// ends, or stops. Finish puts the bytes on the disk. For a file that is made again at will (the
// HTML list), where keeping the old version until the new one is whole is not worth the time.
class FileWriter {
 public:
  // `shownPath` is the path errors name.
  FileWriter(const std::wstring& path, std::wstring shownPath);
  explicit FileWriter(const std::wstring& path) : FileWriter(path, path) {}
  ~FileWriter() { Abandon(); }
  FileWriter(const FileWriter&) = delete;
  FileWriter& operator=(const FileWriter&) = delete;

  void Write(std::span<const std::uint8_t> bytes);
  void Finish();
  // Until Finish or Abandon.
  bool Open() const { return static_cast<bool>(file_); }
  // Ends the file where the writing got to.
  void Abandon();

 private:
  std::wstring shownPath_;
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

  void Write(std::span<const std::uint8_t> bytes) { file_.Write(bytes); }
  // Puts the new version in the file's place. With a `backupPath`, the file as it was is kept
  // there first, in place of an earlier backup and again in one step; when that fails, the file
  // stays as it was.
  void Commit(const std::wstring& backupPath = {});

  static std::wstring TemporaryPathFor(const std::wstring& path) { return path + L".tmp"; }

 private:
  void KeepBackup(const std::wstring& backupPath);

  std::wstring path_;
  std::wstring temporaryPath_;
  FileWriter file_;
};

}  // namespace kadrion::toolkit
