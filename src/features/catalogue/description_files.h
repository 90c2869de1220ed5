#pragma once
// The description files of the catalogue's films: one file per Polish title under "Opisy".
// Titles that differ only in the case of their letters name one file (Windows compares file
// names without case), so films of such titles share their description.
#include <string>
#include <string_view>

#include "core/catalogue.h"
#include "features/app_paths.h"
#include "toolkit/control.h"
#include "toolkit/dialogs.h"
#include "toolkit/recycle_bin.h"

namespace kadrion::features {

// Whether a film other than the one at `row` names the description file at `path`.
bool DescriptionSharedWith(const core::Catalogue& catalogue, const AppPaths& paths, int row,
                           const std::wstring& path);

// What became of a description when its film took a new title.
enum class DescriptionMove {
  Stayed,     // nothing to move, or the user kept the description the new title had
  Moved,      // the film's description is now the new title's file
  Copied,     // the same, and the old file stays for another film of the old title
  Cancelled,  // "Anuluj": nothing was touched, and the film is not to be saved
};

class DescriptionFiles {
 public:
  // Questions go through `dialogs`, over `owner`; a description given up goes to `recycleBin`.
  DescriptionFiles(const core::Catalogue& catalogue, const AppPaths& paths,
                   toolkit::Dialogs& dialogs, const toolkit::Control& owner,
                   toolkit::RecycleBin& recycleBin);

  // Before the film at `row` is saved under the Polish title `newTitle`: its description goes
  // to the file of the new title, copied when another film still has the old one. When the new
  // title has a description already, the user chooses which to keep; the other goes to the
  // Recycle Bin (unless another film still uses it). Raises an error naming the file, before
  // anything was lost, when a file cannot be read, written or put in the bin.
  DescriptionMove FollowTitle(int row, std::string_view newTitle);

 private:
  const core::Catalogue& catalogue_;
  const AppPaths& paths_;
  toolkit::Dialogs& dialogs_;
  const toolkit::Control& owner_;
  toolkit::RecycleBin& recycleBin_;
};

}  // namespace kadrion::features
