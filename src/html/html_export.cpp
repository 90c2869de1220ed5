// The HTML list of the catalogue, written beside it, and the web title search.
#include <cstdint>

#include "app/main_window.h"
#include "catalogue/catalogue_file.h"
#include "core/html_list.h"
#include "core/web_search.h"
#include "toolkit/application.h"
#include "toolkit/error.h"
#include "toolkit/files.h"
#include "toolkit/text.h"
#include "toolkit/wait_cursor.h"

namespace kadrion {

void TMainWindow::ExportBtnClick() {
  toolkit::WaitCursor wait;
  // The page shows the films as the catalogue file holds them, so the list is saved first.
  WriteCatalogue();
  const std::vector<FilmEntry> films = ReadCatalogue(paths_.CataloguePath());

  HtmlColumns columns;
  for (int column = 0; column < kFilmColumns; ++column)
    columns[static_cast<std::size_t>(column)] = {
        Lista.ColumnWidth(column), toolkit::ToCp1250(Lista.ColumnCaption(column))};
  std::string page;
  try {
    page = BuildHtmlList(films, columns);
  } catch (const BadDiscCount& bad) {
    throw toolkit::Error(L"Lista HTML nie została zapisana: film \u201E" +
                         toolkit::FromCp1250(bad.PolishTitle()) + L"\u201D ma liczbę płyt \u201E" +
                         toolkit::FromCp1250(bad.Discs()) +
                         L"\u201D, która nie jest liczbą całkowitą.");
  }

  toolkit::AtomicFileWriter file(paths_.programFolder + toolkit::FromCp1250(kHtmlListFile));
  file.Write({reinterpret_cast<const std::uint8_t*>(page.data()), page.size()});
  file.Commit();
}

void TMainWindow::Button4Click() {
  const std::string address = FilmDatabaseSearchAddress(ss.Text());
  toolkit::Application::Instance().shell().Open(toolkit::FromUtf8(address), true);
}

}  // namespace kadrion
