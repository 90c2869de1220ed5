#pragma once
// The catalogue file "Dane\Dane.dat": when the catalogue is read from it and written back, and
// what happens when it cannot be read. The disk itself is behind CatalogueDisk.
#include <cstdint>
#include <future>
#include <optional>
#include <string>

#include "core/catalogue.h"
#include "core/file_stamp.h"
#include "core/film_store.h"

namespace kadrion::core {

// Whether a write keeps the file it replaces as the backup, "Dane\Dane.bak".
enum class CatalogueBackup { FromReplacedFile, LeftAsItIs };

// The file as the disk holds it. Each call raises a Failure naming the file when it fails.
class CatalogueDisk {
 public:
  virtual ~CatalogueDisk() = default;
  virtual bool Exists() const = 0;
  // None when the file is not there or cannot be looked at.
  virtual std::optional<FileStamp> Stamp() const = 0;
  // Every whole record of the file. Called from a thread of its own while the window is made.
  virtual FilmStore Read() const = 0;
  // Replaces the file in one step; with FromReplacedFile the file as it was becomes the backup.
  virtual void Write(const FilmStore& films, CatalogueBackup backup) = 0;
};

enum class CatalogueLoad { Read, NoFile };

class CatalogueFile {
 public:
  explicit CatalogueFile(CatalogueDisk& disk) : disk_(disk) {}

  // Starts reading the file, if there is one, on a thread of its own.
  void StartLoading();
  // Replaces the catalogue's films with the file's, waiting for the reading StartLoading began.
  // A file that is there but cannot be read raises a Failure saying it is kept: it is never
  // written over by a list that lacks its films, and the next save reads it again first.
  CatalogueLoad Load(Catalogue& catalogue);
  // Writes the catalogue. A file unread at the load is read first and its films put before
  // the catalogue's; while it still cannot be read, raises a Failure and writes nothing.
  // The run's first save that gets written keeps the file as the run found it as the backup;
  // later ones leave the backup alone, so a bad session can always be undone from it.
  void Save(Catalogue& catalogue);
  // Saves unless the file still holds the catalogue: the catalogue has not changed since the
  // load or the last save, and the file is still the one then read or written.
  void SaveIfChanged(Catalogue& catalogue);
  // The save the program makes by itself after a change, as SaveIfChanged. Its Failure is
  // raised only when it is news: not while the last failed save failed with the same message
  // and nothing was saved since.
  void Autosave(Catalogue& catalogue);

 private:
  void CatchUpUnread(Catalogue& catalogue);

  struct Match {
    std::uint64_t revision;
    FileStamp stamp;
  };

  CatalogueDisk& disk_;
  bool unread_ = false;  // the file was there at the load but could not be read
  bool backupMade_ = false;
  std::optional<std::wstring> failureSaid_;  // of the last save, when it failed
  std::optional<Match> match_;
  std::optional<FileStamp> loadingStamp_;
  std::future<FilmStore> loading_;
};

}  // namespace kadrion::core
