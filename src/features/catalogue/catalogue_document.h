#pragma once
// The catalogue and its file "Dane\Dane.dat" together, as the program keeps them: read while
// the windows are made, saved by itself a moment after each change, and written at the close.
// The windows show the catalogue and are given this to save it; they own none of it.
#include "core/catalogue.h"
#include "core/catalogue_file.h"
#include "features/app_paths.h"
#include "features/catalogue/autosave.h"
#include "features/catalogue/catalogue_on_disk.h"
#include "toolkit/error_guard.h"
#include "toolkit/timer_host.h"

namespace kadrion::features {

class CatalogueDocument {
 public:
  // `timers` runs the autosave's timer, `errors` shows its failures.
  CatalogueDocument(core::Catalogue& catalogue, const AppPaths& paths, toolkit::TimerHost& timers,
                    toolkit::ErrorGuard& errors);
  CatalogueDocument(const CatalogueDocument&) = delete;
  CatalogueDocument& operator=(const CatalogueDocument&) = delete;

  core::Catalogue& Films() { return catalogue_; }
  const core::Catalogue& Films() const { return catalogue_; }

  // Starts reading the file on a thread of its own, while the windows are made.
  void StartLoading() { file_.StartLoading(); }
  // Puts the file's films in the catalogue; from then on each change is saved by itself, also
  // after a failed read (whose file is read again before the first save). Raises the read's
  // failure.
  core::CatalogueLoad Load();
  // Writes the catalogue; raises the failure of a write, when the old file stays whole.
  void Save() { file_.Save(catalogue_); }
  // Writes it unless the file still holds it.
  void SaveIfChanged() { file_.SaveIfChanged(catalogue_); }

 private:
  core::Catalogue& catalogue_;
  CatalogueOnDisk disk_;
  core::CatalogueFile file_;
  Autosave autosave_;
};

}  // namespace kadrion::features
