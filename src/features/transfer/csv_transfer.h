#pragma once
// The catalogue to and from a spreadsheet: every film written to a CSV file, and the films of a
// CSV file added to the list, read off the window's thread, as one step Ctrl+Z takes back.
#include <string>

#include "core/catalogue.h"
#include "core/film_csv.h"
#include "core/shown_films.h"
#include "features/catalogue/status_line.h"
#include "features/transfer/import_runner.h"
#include "toolkit/background_work.h"
#include "toolkit/control.h"
#include "toolkit/dialogs.h"

namespace kadrion::features {

class CsvTransfer {
 public:
  CsvTransfer(core::Catalogue& catalogue, const core::ShownFilms& shown, toolkit::Dialogs& dialogs,
              const toolkit::Control& owner, StatusLine& status, toolkit::BackgroundWork& work);

  // The save dialog, then every film the list shows, in list order, into the file picked: the
  // filter is how the user picks what goes. Raises an error when the file cannot be written; an
  // old file of that name stays whole then.
  void Export();
  // The open dialog, then ImportFile.
  void Import();
  // Reads the file off the window's thread; what cannot be stored as it is is shown first and
  // added only when the user agrees.
  void ImportFile(const std::wstring& path);

 private:
  // Whether the films read are to be added; when not, the user has been told why.
  bool Accepted(const std::wstring& path, const core::FilmStore& films,
                const core::CsvImport& read);

  core::Catalogue& catalogue_;
  const core::ShownFilms& shown_;
  toolkit::Dialogs& dialogs_;
  const toolkit::Control& owner_;
  StatusLine& status_;
  ImportRunner imports_;
};

}  // namespace kadrion::features
