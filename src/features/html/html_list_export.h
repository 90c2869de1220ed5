#pragma once
// "Generuj listę w HTML": the whole catalogue as a web page beside it.
#include "features/app_paths.h"
#include "features/catalogue/catalogue_file.h"
#include "features/catalogue/film_list.h"

namespace kadrion {

class HtmlListExport {
 public:
  HtmlListExport(const FilmList& films, CatalogueFile& catalogue, const AppPaths& paths)
      : films_(films), catalogue_(catalogue), paths_(paths) {}

  // Saves the catalogue (unless its file still holds the list), then writes the page of the
  // films as the file holds them, with the list's column captions and widths. Raises an error
  // naming the film whose number of discs is not a whole number; the page is not touched then.
  void Write();

 private:
  const FilmList& films_;
  CatalogueFile& catalogue_;
  const AppPaths& paths_;
};

}  // namespace kadrion
