#pragma once
// The steps every import of films shares: the read off the window's thread with its progress
// window, one import at a time, and once it has ended the error, the "cancelled" message, or
// the films added as one step Ctrl+Z takes back, with the count said in the status line.
#include <functional>
#include <string>

#include "core/catalogue.h"
#include "features/catalogue/status_line.h"
#include "toolkit/background_work.h"
#include "toolkit/control.h"
#include "toolkit/dialogs.h"

namespace kadrion::features {

// What one import reads and what it says about it.
struct FilmImport {
  toolkit::ProgressTexts progress;
  // Said in the status line when the read was cancelled; nothing is added then.
  std::wstring cancelled;
  // On the work's thread: reads the films into `films`; false when it stopped before the end.
  std::function<bool(core::WorkProgress& progress, core::FilmStore& films)> read;
  // On the window's thread, once read to the end: whether to add the films; when not, the user
  // has been told why. None: they are always added.
  std::function<bool(const core::FilmStore& films)> accept;
  // After the films were added and the status line said how many: what else to tell.
  std::function<void(const core::FilmStore& films)> added;
};

class ImportRunner {
 public:
  ImportRunner(core::Catalogue& catalogue, toolkit::Dialogs& dialogs, const toolkit::Control& owner,
               StatusLine& status, toolkit::BackgroundWork& work);

  // Starts the import, or says that an earlier one still runs.
  void Run(FilmImport import);

 private:
  struct Read;
  void Ended(const FilmImport& import, const toolkit::WorkEnd& end, const Read& read);

  core::Catalogue& catalogue_;
  toolkit::Dialogs& dialogs_;
  const toolkit::Control& owner_;
  StatusLine& status_;
  toolkit::BackgroundWork& work_;
};

}  // namespace kadrion::features
