#include "core/film_csv.h"

#include "core/csv_cells.h"
#include "core/record_codec.h"

namespace kadrion::core {

namespace {

constexpr int kDiscColumn = 3;
constexpr std::size_t kRowsPerProgress = 4096;

// Digits only, of a number 0 to 9999.
bool IsDiscCount(std::string_view text) {
  if (text.empty()) return false;
  unsigned value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<unsigned>(c - '0');
    if (value > 9999) return false;
  }
  return true;
}

}  // namespace

std::string FilmsToCsv(const FilmStore& films) {
  std::size_t size = kByteOrderMark.size() + kFilmHeaderCells.size() + 2;
  for (const FilmView film : films) size += FilmFieldsSize(film) + 2;  // CR LF
  std::string csv;
  csv.reserve(size);
  csv += kByteOrderMark;
  csv += kFilmHeaderCells;
  csv += "\r\n";
  for (const FilmView film : films) {
    AppendFilmFields(film, csv);
    csv += "\r\n";
  }
  return csv;
}

CsvImport ReadFilmsCsv(std::string_view bytes, WorkProgress& progress) {
  CsvImport result;
  const CsvText source = OpenCsvText(bytes);
  result.encoding = source.encoding;
  result.byteOrderMark = source.byteOrderMark;
  result.separator = source.separator;
  const std::size_t before = bytes.size() - source.text.size();

  CsvColumns rows(source, kFilmPlainNames, QuotedLineBreak::Space);
  std::string fields[kFilmColumns];
  bool unstorable[kFilmColumns] = {};
  for (std::size_t row = 1;; ++row) {
    if (row % kRowsPerProgress == 0 && !progress.Continue(before + rows.Offset(), bytes.size())) {
      result.complete = false;
      break;
    }
    if (!rows.Next()) break;
    for (int column = 0; column < kFilmColumns; ++column)
      unstorable[column] = rows.Decode(static_cast<std::size_t>(column), fields[column]) > 0;
    if (AllBlank(fields)) continue;

    bool problem = false;
    const auto tell = [&](int column, CsvProblemKind kind) {
      problem = true;
      if (result.firstProblems.size() < kFirstProblems)
        result.firstProblems.push_back({rows.RowLine(), column, kind});
    };
    for (int column = 0; column < kFilmColumns; ++column) {
      std::string& field = fields[column];
      const std::size_t capacity = kRecordFields[column].capacity;
      if (field.size() > capacity) tell(column, CsvProblemKind::TooLong);
      if (unstorable[column]) tell(column, CsvProblemKind::OutsideCp1250);
      if (column == kDiscColumn && !field.empty() && !IsDiscCount(field))
        tell(column, CsvProblemKind::NotDiscCount);
      if (field.size() > capacity) field.resize(capacity);
    }
    result.linesWithProblems += problem;
    // Blanks before a cut are all that is left of it: told, but nothing to add.
    if (AllBlank(fields)) continue;
    result.films.Append(FilmView{fields[0], fields[1], fields[2], fields[3], fields[4]});
  }
  result.header = rows.Header();
  return result;
}

}  // namespace kadrion::core
