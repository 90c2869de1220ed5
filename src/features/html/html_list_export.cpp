#include "features/html/html_list_export.h"

#include "core/html_list.h"
#include "toolkit/error.h"
#include "toolkit/files.h"
#include "toolkit/text.h"
#include "toolkit/wait_cursor.h"

namespace kadrion {

void HtmlListExport::Write() {
  toolkit::WaitCursor wait;
  // The list is saved first, so the page never shows films the file lacks; the page cuts
  // each text as the file does, so it is built from the list, not read back.
  catalogue_.SaveIfChanged(films_);

  HtmlColumns columns;
  for (int column = 0; column < kFilmColumns; ++column)
    columns[static_cast<std::size_t>(column)] = {films_.ColumnWidth(column),
                                                 toolkit::ToCp1250(films_.ColumnCaption(column))};
  // Written as it is built; the writer drops an unfinished page and keeps the old one.
  toolkit::AtomicFileWriter file(paths_.HtmlListPath());
  try {
    WriteHtmlList(films_.Rows(), columns, [&file](std::string_view piece) {
      file.Write({reinterpret_cast<const std::uint8_t*>(piece.data()), piece.size()});
    });
  } catch (const BadDiscCount& bad) {
    throw toolkit::Error(L"Lista HTML nie została zapisana: film \u201E" +
                         toolkit::FromCp1250(bad.PolishTitle()) + L"\u201D ma liczbę płyt \u201E" +
                         toolkit::FromCp1250(bad.Discs()) +
                         L"\u201D, która nie jest liczbą całkowitą.");
  }
  file.Commit();
}

}  // namespace kadrion
