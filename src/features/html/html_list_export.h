#pragma once
// "Generuj listę w HTML": the whole catalogue as a web page beside it.
#include "features/catalogue/catalogue_document.h"
#include "features/app_paths.h"
#include "features/catalogue/status_line.h"
#include "toolkit/report_list.h"

namespace kadrion::features {

class HtmlListExport {
 public:
  // The page's columns are the list's, with its captions and widths; `status` says where the
  // page went.
  HtmlListExport(CatalogueDocument& document, const toolkit::ReportList& list,
                 const AppPaths& paths, StatusLine& status)
      : document_(document), list_(list), paths_(paths), status_(status) {}

  // Saves the catalogue (unless its file still holds it), then writes the page of the films as
  // the file holds them, and says so in the message panel, with the number of films whose
  // number of discs is no whole number and which the disc total therefore leaves out.
  void Write();

 private:
  CatalogueDocument& document_;
  const toolkit::ReportList& list_;
  const AppPaths& paths_;
  StatusLine& status_;
};

}  // namespace kadrion::features
