#pragma once
// "Generuj listę w HTML": the whole catalogue as a web page beside it.
#include "core/catalogue.h"
#include "core/catalogue_file.h"
#include "features/app_paths.h"
#include "toolkit/report_list.h"

namespace kadrion::features {

class HtmlListExport {
 public:
  // The page's columns are the list's, with its captions and widths.
  HtmlListExport(core::Catalogue& catalogue, const toolkit::ReportList& list,
                 core::CatalogueFile& file, const AppPaths& paths)
      : catalogue_(catalogue), list_(list), file_(file), paths_(paths) {}

  // Saves the catalogue (unless its file still holds it), then writes the page of the films as
  // the file holds them. Raises an error
  // naming the film whose number of discs is not a whole number; the page is not touched then.
  void Write();

 private:
  core::Catalogue& catalogue_;
  const toolkit::ReportList& list_;
  core::CatalogueFile& file_;
  const AppPaths& paths_;
};

}  // namespace kadrion::features
