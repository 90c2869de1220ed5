#pragma once
// The catalogue saved by itself a little after each change of its films, so that a program
// that is killed, or a machine that goes down, loses at most the last moments' work. The save
// waits until the films have stayed unchanged for two seconds: a run of changes makes one save,
// and typing in a field (no change of the films) makes none. It runs on the GUI thread, which
// pauses for one write of the file (some 60 to 100 ms at 100,000 films, see `make bench`),
// through CatalogueFile: atomic, never over a catalogue unread at the start, and a failure said
// once, not at every later attempt.
#include "core/catalogue.h"
#include "core/catalogue_file.h"
#include "toolkit/error_guard.h"
#include "toolkit/timer.h"
#include "toolkit/timer_host.h"

namespace kadrion::features {

class Autosave : private core::CatalogueObserver {
 public:
  static constexpr unsigned kQuietMs = 2000;

  // `timers` runs the quiet period; `errors` shows a failed save's error. Both outlive this.
  Autosave(core::Catalogue& catalogue, core::CatalogueFile& file, toolkit::TimerHost& timers,
           toolkit::ErrorGuard& errors);
  ~Autosave();
  Autosave(const Autosave&) = delete;
  Autosave& operator=(const Autosave&) = delete;

  // Changes from now on are saved: called once the catalogue was loaded.
  void Start();

 private:
  void CatalogueChanged(core::CatalogueChange change) override;
  void Save();

  core::Catalogue& catalogue_;
  core::CatalogueFile& file_;
  toolkit::ErrorGuard& errors_;
  toolkit::Timer quietTimer_;
  bool started_ = false;
};

}  // namespace kadrion::features
