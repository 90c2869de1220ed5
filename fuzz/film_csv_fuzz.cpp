// Any bytes read as a CSV file: every film fits its record, holds no line break and is not all
// blanks, the problems named are in file order; and the films written out and read again come
// back byte for byte, with no problem but the disc counts they already had.
#include <algorithm>
#include <string_view>

#include "core/film_csv.h"
#include "core/record_codec.h"
#include "fuzz_support.h"

using namespace kadrion::core;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  NoProgress progress;
  const CsvImport read = ReadFilmsCsv(bytes, progress);
  FUZZ_CHECK(read.complete);
  FUZZ_CHECK(read.firstProblems.size() <= kFirstProblems);
  FUZZ_CHECK((read.linesWithProblems == 0) == read.firstProblems.empty());
  FUZZ_CHECK(std::is_sorted(read.firstProblems.begin(), read.firstProblems.end(),
                            [](const CsvProblem& a, const CsvProblem& b) {
                              return a.line < b.line || (a.line == b.line && a.column < b.column);
                            }));
  std::size_t badDiscCounts = 0;
  for (const FilmView film : read.films) {
    bool blank = true;
    for (int column = 0; column < kFilmColumns; ++column) {
      const std::string_view field = Field(film, column);
      FUZZ_CHECK(field.size() <= kRecordFields[column].capacity);
      FUZZ_CHECK(field.find_first_of("\r\n") == std::string_view::npos);
      blank &= field.find_first_not_of(" \t") == std::string_view::npos;
    }
    FUZZ_CHECK(!blank);
    const std::string_view discs = film.discs;
    // Digits only, of a number up to 9999 however many zeros lead.
    const std::size_t digits = std::min(discs.find_first_not_of('0'), discs.size());
    badDiscCounts +=
        !discs.empty() && (discs.find_first_not_of("0123456789") != std::string_view::npos ||
                           discs.size() - digits > 4);
  }

  const CsvImport again = ReadFilmsCsv(FilmsToCsv(read.films), progress);
  FUZZ_CHECK(again.complete && again.header && again.separator == ';');
  FUZZ_CHECK(again.films.Size() == read.films.Size());
  for (std::size_t row = 0; row < read.films.Size(); ++row)
    FUZZ_CHECK(again.films[row].Entry() == read.films[row].Entry());
  FUZZ_CHECK(again.linesWithProblems == badDiscCounts);
  for (const CsvProblem& problem : again.firstProblems)
    FUZZ_CHECK(problem.kind == CsvProblemKind::NotDiscCount);
  return 0;
}
