#pragma once
// Reading and writing the catalogue file "Dane\Dane.dat" (625-byte records, list order).
#include <cstdint>
#include <future>
#include <optional>
#include <string>

#include "core/film_store.h"
#include "features/catalogue/film_list.h"
#include "toolkit/files.h"

namespace kadrion {

// Reads every whole record. Raises an error naming the file when it cannot be read.
FilmStore ReadCatalogue(const std::wstring& path);

// Replaces the file with the rows in one step: until the new file is complete the old one
// stays as it was. The old file is kept as `backupPath` first (a user who saved a wrong list
// can go back one step). Raises an error naming the file when it cannot be written.
void WriteCatalogue(const std::wstring& path, const std::wstring& backupPath,
                    const FilmStore& rows);

// The catalogue file of the list. It remembers when the two last matched, at the load or the
// last save, so that a save can be left out while neither of them has changed since.
class CatalogueFile {
 public:
  CatalogueFile(std::wstring path, std::wstring backupPath)
      : path_(std::move(path)), backupPath_(std::move(backupPath)) {}

  // Starts reading the file on a thread of its own, for Load to take the rows from.
  void StartLoading();
  // Replaces the list's rows with the file's, waiting for the reading StartLoading began if
  // there is one. A read error is raised here.
  void Load(FilmList& films);
  void Save(const FilmList& films);
  // Saves unless the file still holds the list: the list has not changed since the load or
  // the last save, and the file is still the one then read or written.
  void SaveIfChanged(const FilmList& films);

 private:
  struct Match {
    std::uint64_t revision;
    toolkit::FileStamp stamp;
  };

  std::wstring path_;
  std::wstring backupPath_;
  std::optional<Match> match_;
  std::optional<toolkit::FileStamp> loadingStamp_;
  std::future<FilmStore> loading_;
};

}  // namespace kadrion
