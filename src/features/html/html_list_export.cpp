#include "features/html/html_list_export.h"

#include "core/html_list.h"
#include "features/catalogue/catalogue_file.h"
#include "toolkit/error.h"
#include "toolkit/files.h"
#include "toolkit/text.h"
#include "toolkit/wait_cursor.h"

namespace kadrion {

void HtmlListExport::Write() {
  toolkit::WaitCursor wait;
  // The page shows the films as the catalogue file holds them, so the list is saved first.
  WriteCatalogue(paths_.CataloguePath(), paths_.CatalogueBackupPath(), films_.Rows());
  const std::vector<FilmEntry> films = ReadCatalogue(paths_.CataloguePath());

  HtmlColumns columns;
  for (int column = 0; column < kFilmColumns; ++column)
    columns[static_cast<std::size_t>(column)] = {films_.ColumnWidth(column),
                                                 toolkit::ToCp1250(films_.ColumnCaption(column))};
  std::string page;
  try {
    page = BuildHtmlList(films, columns);
  } catch (const BadDiscCount& bad) {
    throw toolkit::Error(L"Lista HTML nie została zapisana: film \u201E" +
                         toolkit::FromCp1250(bad.PolishTitle()) + L"\u201D ma liczbę płyt \u201E" +
                         toolkit::FromCp1250(bad.Discs()) +
                         L"\u201D, która nie jest liczbą całkowitą.");
  }
  toolkit::WriteWholeFile(paths_.HtmlListPath(), page);
}

}  // namespace kadrion
