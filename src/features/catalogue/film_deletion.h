#pragma once
// Deleting the selected film, and taking changes back one step at a time: a deleted film to its
// old place, its description back to its file; films added in one go (an import) all away. A
// description goes to the Recycle Bin, unless another film of the catalogue still uses it.
#include "core/catalogue.h"
#include "features/app_paths.h"
#include "features/catalogue/status_line.h"
#include "toolkit/recycle_bin.h"

namespace kadrion::features {

class FilmDeletion {
 public:
  FilmDeletion(core::Catalogue& catalogue, StatusLine& status, const AppPaths& paths,
               toolkit::RecycleBin& recycleBin);

  // Deletes the selected film and says so, or says that none is selected.
  void DeleteSelected();
  // Takes the last step back. Raises an error when a deleted film's description cannot be
  // written back; the film is back all the same.
  void Undo();


 private:
  core::Catalogue& catalogue_;
  StatusLine& status_;
  const AppPaths& paths_;
  toolkit::RecycleBin& recycleBin_;
};

}  // namespace kadrion::features
