#include "features/html/html_list_export.h"

#include <optional>

#include "core/html_list.h"
#include "toolkit/error.h"
#include "toolkit/files.h"
#include "toolkit/text.h"
#include "toolkit/wait_cursor.h"

namespace kadrion::features {

void HtmlListExport::Write() {
  toolkit::WaitCursor wait;
  // The list is saved first (unless the file still holds it), so the page never shows films
  // the file lacks; the page cuts each text as the file does, so it is built from the list,
  // not read back.
  file_.SaveIfChanged(catalogue_);

  core::HtmlColumns columns;
  for (int column = 0; column < core::kFilmColumns; ++column)
    columns[static_cast<std::size_t>(column)] = {list_.ColumnWidth(column),
                                                 toolkit::ToCp1250(list_.ColumnCaption(column))};
  // Written as it is built, over the old page: the page is made again at will, and a bad
  // number of discs stops it before its file is touched.
  std::optional<toolkit::FileWriter> file;
  try {
    core::WriteHtmlList(catalogue_.Films(), columns, [&](std::string_view piece) {
      if (!file) file.emplace(paths_.HtmlListPath());
      file->Write({reinterpret_cast<const std::uint8_t*>(piece.data()), piece.size()});
    });
  } catch (const core::BadDiscCount& bad) {
    throw toolkit::Error(L"Lista HTML nie została zapisana: film \u201E" +
                         toolkit::FromCp1250(bad.PolishTitle()) + L"\u201D ma liczbę płyt \u201E" +
                         toolkit::FromCp1250(bad.Discs()) +
                         L"\u201D, która nie jest liczbą całkowitą.");
  }
  file->Finish();
}

}  // namespace kadrion::features
