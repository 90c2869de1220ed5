#include "features/html/html_list_export.h"

#include <optional>

#include "core/html_list.h"
#include "core/polish_plural.h"
#include "toolkit/files.h"
#include "toolkit/text.h"
#include "toolkit/wait_cursor.h"

namespace kadrion::features {

namespace {
std::wstring FilmCount(std::size_t count) {
  const wchar_t* const noun[] = {L" film", L" filmy", L" filmów"};
  return std::to_wstring(count) + noun[static_cast<int>(core::PolishPluralForm(count))];
}

std::wstring PageWritten(const core::HtmlListTotals& totals) {
  std::wstring message = L"Lista zapisana w " + toolkit::FromCp1250(core::kHtmlListFile);
  if (totals.filmsWithoutDiscCount > 0)
    message +=
        L". Bez liczby płyt (pominięte w sumie): " + FilmCount(totals.filmsWithoutDiscCount) + L".";
  return message;
}
}  // namespace

void HtmlListExport::Write() {
  toolkit::WaitCursor wait;
  // The list is saved first (unless the file still holds it), so the page never shows films
  // the file lacks; the page cuts each text as the file does, so it is built from the list,
  // not read back.
  document_.SaveIfChanged();

  core::HtmlColumns columns;
  for (int column = 0; column < core::kFilmColumns; ++column)
    columns[static_cast<std::size_t>(column)] = {list_.ColumnWidth(column),
                                                 toolkit::ToCp1250(list_.ColumnCaption(column))};
  // Written as it is built, over the old page: the page is made again at will.
  toolkit::FileWriter file(paths_.HtmlListPath());
  const core::HtmlListTotals totals =
      core::WriteHtmlList(document_.Films().Films(), columns, [&file](std::string_view piece) {
        file.Write({reinterpret_cast<const std::uint8_t*>(piece.data()), piece.size()});
      });
  file.Finish();
  status_.ShowMessage(PageWritten(totals));
}

}  // namespace kadrion::features
