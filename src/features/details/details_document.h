#pragma once
// The films' details and their file "Dane\Szczegóły.csv" together: read once the catalogue is,
// saved by itself a moment after each change of the details or of the films (a saved change or
// a sort changes how a row names its film), and written at the close. A file that is there but
// could not be read, or is no details file, is never written over in that run: what it holds
// stays on the disk, and the user has been told.
#include <cstddef>
#include <string>

#include "core/catalogue.h"
#include "core/details_book.h"
#include "core/read_guard.h"
#include "features/app_paths.h"
#include "toolkit/error_guard.h"
#include "toolkit/timer.h"
#include "toolkit/timer_host.h"

namespace kadrion::features {

class DetailsDocument : private core::CatalogueObserver {
 public:
  static constexpr unsigned kQuietMs = 2000;

  // `timers` runs the autosave's quiet period, `errors` shows a failed autosave once.
  DetailsDocument(const core::Catalogue& catalogue, const AppPaths& paths,
                  toolkit::TimerHost& timers, toolkit::ErrorGuard& errors);
  ~DetailsDocument();
  DetailsDocument(const DetailsDocument&) = delete;
  DetailsDocument& operator=(const DetailsDocument&) = delete;

  const core::DetailsBook& Book() const { return book_; }
  core::FilmDetails Of(int row) const { return book_.Of(row); }
  // The film's details changed; they are saved a moment later.
  void Set(int row, core::FilmDetails details);

  // Reads the file and matches its rows to the catalogue's films, which are loaded by then.
  // Raises a failure naming the file when it is there but cannot be read or is no details file.
  void Load();
  // Writes the file unless it holds what would be written, or it could not be read at the
  // start; raises the failure of a write, when the old file stays whole.
  void Save();

 private:
  void CatalogueChanged(core::CatalogueChange change) override;
  void SaveSoon();
  void Autosave();

  const core::Catalogue& catalogue_;
  core::DetailsBook book_;
  std::wstring path_;
  toolkit::ErrorGuard& errors_;
  toolkit::Timer quietTimer_;
  core::ReadGuard readGuard_;
  std::size_t writtenHash_ = 0;  // of the bytes the file holds, as read or last written
  bool autosaveFailed_ = false;  // said once, not at every later attempt
};

}  // namespace kadrion::features
