#pragma once
// The cells of the program's CSV files, as film_csv.h describes them: written as UTF-8 with
// quotes only where needed, read in either encoding with whichever separator the file uses, and
// header cells matched to column names ignoring case and Polish diacritics.
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/film_csv.h"
#include "core/film_store.h"

namespace kadrion::core {

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// The header cells of a film's five texts in UTF-8: "Tytuł polski;Tytuł oryginalny;Gatunek;
// Ilość płyt;Nośnik".
inline constexpr std::string_view kFilmHeaderCells =
    "Tytu\xC5\x82 polski;Tytu\xC5\x82 oryginalny;Gatunek;Ilo\xC5\x9B\xC4\x87 p\xC5\x82yt;"
    "No\xC5\x9Bnik";
// Their names in small letters without diacritics, as header cells are compared.
inline constexpr std::string_view kFilmPlainNames[kFilmColumns] = {
    "tytul polski", "tytul oryginalny", "gatunek", "ilosc plyt", "nosnik"};

// The bytes AppendCsvField gives for a Windows-1250 field.
std::size_t CsvFieldSize(std::string_view field);
// The field in UTF-8, in quotes with its quotes doubled when it holds ";", '"', CR or LF.
void AppendCsvField(std::string_view field, std::string& out);

// Blanks are spaces and tabs.
bool OnlyBlanks(std::string_view text);
std::string_view TrimBlanks(std::string_view text);
bool AllBlank(std::span<const std::string> cells);

// The text of a CSV file: its byte-order mark cut off, its encoding and separator found.
struct CsvText {
  std::string_view text;
  CsvEncoding encoding = CsvEncoding::Utf8;
  bool byteOrderMark = false;
  char separator = ';';
};
CsvText OpenCsvText(std::string_view bytes);

// The film's five texts, each as AppendCsvField writes it, separated by ";".
void AppendFilmFields(const FilmView& film, std::string& out);
std::size_t FilmFieldsSize(const FilmView& film);

// What a line break inside quotes reads as: one space (a film's texts are one line each), or
// the break as written.
enum class QuotedLineBreak { Space, Kept };

// The rows of a CSV text, their cells with quotes undone, as raw bytes.
class CsvRows {
 public:
  CsvRows(std::string_view text, char separator, QuotedLineBreak lineBreak);

  std::size_t Offset() const { return at_; }
  // The line of the file where the row read last starts.
  std::size_t RowLine() const { return rowLine_; }

  // Reads the next row, keeping its first `keep` cells in `cells` (grown as needed, the cells'
  // storage reused) and returning how many it kept; nullopt at the end of the text.
  std::optional<std::size_t> Next(std::vector<std::string>& cells, std::size_t keep);

 private:
  void SkipLineBreak();
  void ReadQuoted(std::string* cell);

  std::string_view text_;
  QuotedLineBreak lineBreak_;
  std::array<bool, 256> stops_{};
  std::size_t at_ = 0;
  std::size_t line_ = 1;
  std::size_t rowLine_ = 1;
};

// The rows of a CSV text with their cells found by column: the first row that is not blank is a
// header when one of its cells, blanks trimmed, is one of `plainNames` ignoring case and Polish
// diacritics; the first cell of a name counts, a name it lacks is an empty cell in every row.
// Without a header the cells are the columns in the order of `plainNames`.
class CsvColumns {
 public:
  // `plainNames` (small letters, no diacritics) outlives the reader.
  CsvColumns(const CsvText& text, std::span<const std::string_view> plainNames,
             QuotedLineBreak lineBreak);

  // Reads the next row, skipping the header and the blank rows before it; false at the end.
  bool Next();
  bool Header() const { return header_; }
  // Whether the header has a cell of column `column` of the names.
  bool Named(std::size_t column) const { return header_ && cellOf_[column] >= 0; }
  std::size_t Offset() const { return rows_.Offset(); }
  std::size_t RowLine() const { return rows_.RowLine(); }
  // The row's cell of column `column` of the names, as Windows-1250 in `out`; returns how many
  // characters became "?".
  std::size_t Decode(std::size_t column, std::string& out) const;

 private:
  CsvRows rows_;
  CsvEncoding encoding_;
  std::span<const std::string_view> names_;
  std::vector<std::string> cells_;
  std::size_t count_ = 0;
  std::vector<int> cellOf_;
  std::size_t keep_;
  bool beforeHeader_ = true;
  bool header_ = false;
};

}  // namespace kadrion::core
