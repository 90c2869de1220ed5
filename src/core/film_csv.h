#pragma once
// Films to and from CSV files, as spreadsheets write and read them.
//
// Written: UTF-8 with a byte-order mark, the header row "Tytuł polski;Tytuł oryginalny;
// Gatunek;Ilość płyt;Nośnik", then one row per film in list order; fields separated by ";",
// every row (the last too) ended by CR LF; a field holding ";", '"', CR or LF is put in
// quotes, its quotes doubled.
//
// Read:
// - Encoding: a UTF-8 byte-order mark means UTF-8 (an ill-formed sequence then reads as "?");
//   without one, bytes that are all well-formed UTF-8 are UTF-8, anything else Windows-1250.
// - Separator: whichever of ";", "," and tab occurs most often outside quotes in the first line
//   holding more than blanks (spaces and tabs); ";" wins ties, then ","; none at all gives ";".
// - Rows end at CR LF, CR or LF. A field starting with '"' is quoted: "" in it is one quote, a
//   line break in it (CR LF, CR or LF) one space, and anything after its closing quote up to
//   the next separator is kept as it stands; a quote left open runs to the end of the file.
//   Blanks at either end of a field are kept: they are data.
// - Header: the first row that is not blank is a header when at least one of its cells, blanks
//   trimmed, is a column name, ignoring case and Polish diacritics ("tytul polski", "ILOŚĆ
//   PŁYT"). Its cells then say which column each field is (the first cell of a name counts;
//   cells of no name are ignored); a column it lacks is empty in every film. Without a header
//   the fields are the five columns in the order above. Cells beyond these are ignored.
// - A row whose film fields are all empty or only blanks is a blank line and skipped: the
//   reader never gives such a film, so what it gives survives being written and read again.
//   A row left with only blanks once its fields are cut has its problems told, but no film.
// - What a record cannot hold is still read, as it can be stored, and told as a problem: a
//   field longer than its capacity (cut to it), a character outside Windows-1250 ("?"), a disc
//   count that is not a number 0-9999 written in digits only (kept as written). An empty disc
//   count is no problem.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/film_store.h"
#include "core/work_progress.h"

namespace kadrion::core {

std::string FilmsToCsv(const FilmStore& films);

enum class CsvEncoding { Utf8, Windows1250 };
enum class CsvProblemKind { TooLong, OutsideCp1250, NotDiscCount };

struct CsvProblem {
  std::size_t line;  // 1-based line of the file where the row starts
  int column;        // film column, 0 (Polish title) to 4 (medium)
  CsvProblemKind kind;

  bool operator==(const CsvProblem&) const = default;
};

// How many problems a reading names; the rest are only counted by their rows.
inline constexpr std::size_t kFirstProblems = 5;

struct CsvImport {
  FilmStore films;                        // every film as it can be stored, in file order
  std::size_t linesWithProblems = 0;      // rows with at least one problem
  std::vector<CsvProblem> firstProblems;  // up to kFirstProblems, in file and column order
  CsvEncoding encoding = CsvEncoding::Utf8;
  bool byteOrderMark = false;
  char separator = ';';
  bool header = false;
  bool complete = true;  // false: the progress said stop, the films are only the first ones
};

// Reports bytes read of all every few thousand rows.
CsvImport ReadFilmsCsv(std::string_view bytes, WorkProgress& progress);

}  // namespace kadrion::core
