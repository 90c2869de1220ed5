#pragma once
// The catalogue file's 625-byte records read from and written to the disk.
#include <string>

#include "core/catalogue_file.h"
#include "core/film_store.h"

namespace kadrion::features {

// Reads every whole record. Raises an error naming the file when it cannot be read.
core::FilmStore ReadCatalogue(const std::wstring& path);

// Replaces the file with the films in one step: until the new file is complete the old one
// stays as it was. With a `backupPath`, the old file is kept there first. Raises an error
// naming the file when it cannot be written.
void WriteCatalogue(const std::wstring& path, const std::wstring& backupPath,
                    const core::FilmStore& films);

class CatalogueOnDisk : public core::CatalogueDisk {
 public:
  CatalogueOnDisk(std::wstring path, std::wstring backupPath)
      : path_(std::move(path)), backupPath_(std::move(backupPath)) {}

  bool Exists() const override;
  std::optional<core::FileStamp> Stamp() const override;
  core::FilmStore Read() const override { return ReadCatalogue(path_); }
  void Write(const core::FilmStore& films, core::CatalogueBackup backup) override {
    WriteCatalogue(path_, backup == core::CatalogueBackup::FromReplacedFile ? backupPath_ : L"",
                   films);
  }

 private:
  std::wstring path_;
  std::wstring backupPath_;
};

}  // namespace kadrion::features
