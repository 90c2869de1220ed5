// The HTML list of any films: every cell holds its stored text with no raw "<", ">", "&" or '"'
// from the input, and the totals count every film and add every disc count that is a number
// without wrapping; the films whose count is none are the ones counted as left out.
#include <string_view>

#include "core/html_list.h"
#include "core/ini_value.h"
#include "core/record_codec.h"
#include "fuzz_support.h"

using namespace kadrion::core;

namespace {

std::string Stored(const FilmEntry& film, int column) {
  return Field(film, column).substr(0, kRecordFields[column].capacity);
}

// Reads the page from `at` on; every check that fails stops the run.
struct Reader {
  std::string_view page;
  std::size_t at = 0;

  void Expect(std::string_view text) {
    FUZZ_CHECK(page.substr(at, text.size()) == text);
    at += text.size();
  }
  // "WIDTH=<width>>" and the cell's text up to the next "<", unescaped.
  std::string Cell(int width) {
    at = page.find("WIDTH=", at);
    FUZZ_CHECK(at != std::string_view::npos);
    at += 6;
    Expect(std::to_string(width) + ">");
    const std::size_t end = page.find('<', at);
    FUZZ_CHECK(end != std::string_view::npos);
    const std::string_view cell = page.substr(at, end - at);
    at = end;
    std::string text;
    for (std::size_t k = 0; k < cell.size(); ++k) {
      FUZZ_CHECK(cell[k] != '>' && cell[k] != '"');
      if (cell[k] != '&') {
        text += cell[k];
        continue;
      }
      bool known = false;
      for (const auto& [entity, character] : {std::pair<std::string_view, char>{"&amp;", '&'},
                                              {"&lt;", '<'},
                                              {"&gt;", '>'},
                                              {"&quot;", '"'}}) {
        if (cell.substr(k, entity.size()) != entity) continue;
        text += character;
        k += entity.size() - 1;
        known = true;
        break;
      }
      FUZZ_CHECK(known);
    }
    Expect("</TD>");
    return text;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  HtmlColumns columns;
  for (HtmlColumn& column : columns) {
    column.width = input.ConsumeIntegral<int>();
    column.caption = input.ConsumeRandomLengthString(12);
  }
  const std::vector<FilmEntry> films = fuzzing::ConsumeFilms(input, 8, 300);

  std::size_t uncounted = 0;
  std::int64_t discs = 0;
  for (const FilmEntry& film : films) {
    const auto count = ParseIniInteger(Stored(film, 3));
    if (!count) ++uncounted;
    discs += count.value_or(0);
  }
  std::string page;
  const HtmlListTotals totals =
      WriteHtmlList(films, columns, [&page](std::string_view piece) { page += piece; });
  FUZZ_CHECK(totals.films == films.size());
  FUZZ_CHECK(totals.discs == discs);
  FUZZ_CHECK(totals.filmsWithoutDiscCount == uncounted);

  Reader reader{page};
  constexpr std::string_view kTable = "<TABLE BORDER=0 WIDTH=0>\r\n";
  reader.at = page.find(kTable);
  FUZZ_CHECK(reader.at != std::string::npos);
  reader.at += kTable.size();
  for (const HtmlColumn& column : columns) FUZZ_CHECK(reader.Cell(column.width) == column.caption);
  reader.Expect("</TR>\r\n");
  for (const FilmEntry& film : films) {
    reader.Expect(" <TR>");
    for (int column = 0; column < kFilmColumns; ++column)
      FUZZ_CHECK(reader.Cell(columns[column].width) == Stored(film, column));
    reader.Expect("</TR>\r\n");
  }
  reader.Expect("</TABLE><BR>\r\n\r\n<TABLE BORDER=0 WIDTH=180>\r\n");
  FUZZ_CHECK(reader.Cell(150) == "Razem film\xF3w");
  FUZZ_CHECK(reader.Cell(50) == std::to_string(films.size()));
  reader.Expect("</TR>\r\n");
  FUZZ_CHECK(reader.Cell(150) == "Razem p\xB3ytek");
  FUZZ_CHECK(reader.Cell(50) == std::to_string(discs));
  return 0;
}
