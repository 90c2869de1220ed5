#include "core/film_csv.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>

#include "core/cp1250.h"
#include "core/record_codec.h"

namespace kadrion::core {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Tytuł polski;Tytuł oryginalny;Gatunek;Ilość płyt;Nośnik
constexpr std::string_view kHeaderRow =
    "Tytu\xC5\x82 polski;Tytu\xC5\x82 oryginalny;Gatunek;Ilo\xC5\x9B\xC4\x87 p\xC5\x82yt;"
    "No\xC5\x9Bnik\r\n";
// The column names in small letters without diacritics, as header cells are compared.
constexpr std::string_view kPlainNames[kFilmColumns] = {"tytul polski", "tytul oryginalny",
                                                        "gatunek", "ilosc plyt", "nosnik"};
constexpr int kDiscColumn = 3;
constexpr std::size_t kRowsPerProgress = 4096;

bool NeedsQuotes(std::string_view field) {
  return field.find_first_of(";\"\r\n") != std::string_view::npos;
}

std::size_t CsvFieldSize(std::string_view field) {
  std::size_t size = Cp1250AsUtf8Size(field);
  if (NeedsQuotes(field))
    size += 2 + static_cast<std::size_t>(std::count(field.begin(), field.end(), '"'));
  return size;
}

void AppendCsvField(std::string_view field, std::string& out) {
  if (!NeedsQuotes(field)) {
    AppendCp1250AsUtf8(field, out);
    return;
  }
  out += '"';
  for (std::size_t quote; (quote = field.find('"')) != std::string_view::npos;) {
    AppendCp1250AsUtf8(field.substr(0, quote), out);
    out += "\"\"";
    field.remove_prefix(quote + 1);
  }
  AppendCp1250AsUtf8(field, out);
  out += '"';
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool OnlyBlanks(std::string_view text) {
  return std::all_of(text.begin(), text.end(), IsBlank);
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// A Windows-1250 letter in small letters, Polish ones without their diacritics.
constexpr auto kPlainLetter = [] {
  std::array<char, 256> plain{};
  for (int byte = 0; byte < 256; ++byte)
    plain[byte] = static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte);
  // Ą ą Ć ć Ę ę Ł ł Ń ń Ó ó Ś ś Ź ź Ż ż
  constexpr std::string_view kPolish =
      "\xA5\xB9\xC6\xE6\xCA\xEA\xA3\xB3\xD1\xF1\xD3\xF3\x8C\x9C\x8F\x9F\xAF\xBF";
  constexpr std::string_view kPlain = "aacceellnnoosszzzz";
  for (std::size_t k = 0; k < kPolish.size(); ++k)
    plain[static_cast<unsigned char>(kPolish[k])] = kPlain[k];
  return plain;
}();

// The film column a header cell (Windows-1250) names, or -1.
int ColumnNamed(std::string_view cell) {
  cell = TrimBlanks(cell);
  for (int column = 0; column < kFilmColumns; ++column) {
    const std::string_view name = kPlainNames[column];
    if (cell.size() == name.size() &&
        std::equal(cell.begin(), cell.end(), name.begin(), [](char c, char plain) {
          return kPlainLetter[static_cast<unsigned char>(c)] == plain;
        }))
      return column;
  }
  return -1;
}

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

// The most frequent of ";", "," and tab outside quotes in the first line with more than blanks.
char FindSeparator(std::string_view text) {
  std::size_t at = 0;
  for (std::size_t lineStart = 0; lineStart < text.size();) {
    const std::size_t end = text.find_first_of("\r\n", lineStart);
    const std::string_view line = text.substr(lineStart, end - lineStart);
    if (!OnlyBlanks(line)) {
      at = lineStart;
      break;
    }
    if (end == std::string_view::npos) return ';';
    lineStart = end + 1;
    at = lineStart;
  }
  std::size_t semicolons = 0, commas = 0, tabs = 0;
  bool quoted = false;
  bool cellStart = true;
  for (; at < text.size(); ++at) {
    const char c = text[at];
    if (quoted) {
      if (c == '"') {
        if (at + 1 < text.size() && text[at + 1] == '"')
          ++at;
        else
          quoted = false;
      }
      continue;
    }
    if (c == '\r' || c == '\n') break;
    if (c == '"' && cellStart) quoted = true;
    semicolons += c == ';', commas += c == ',', tabs += c == '\t';
    cellStart = c == ';' || c == ',' || c == '\t';
  }
  if (commas > semicolons && commas >= tabs) return ',';
  if (tabs > semicolons && tabs > commas) return '\t';
  return ';';
}

// The rows of a CSV text, their cells with quotes undone, as raw bytes.
class CsvRows {
 public:
  CsvRows(std::string_view text, char separator) : text_(text) {
    for (const char c : {separator, '\r', '\n'}) stops_[static_cast<unsigned char>(c)] = true;
  }

  std::size_t Offset() const { return at_; }
  // The line of the file where the row read last starts.
  std::size_t RowLine() const { return rowLine_; }

  // Reads the next row, keeping its first `keep` cells in `cells` (grown as needed, the cells'
  // storage reused) and returning how many it kept; nullopt at the end of the text.
  std::optional<std::size_t> Next(std::vector<std::string>& cells, std::size_t keep) {
    if (at_ >= text_.size()) return std::nullopt;
    rowLine_ = line_;
    std::size_t count = 0;
    for (;;) {
      std::string* cell = nullptr;
      if (count < keep) {
        if (count == cells.size()) cells.emplace_back();
        cell = &cells[count++];
        cell->clear();
      }
      if (at_ < text_.size() && text_[at_] == '"') ReadQuoted(cell);
      std::size_t end = at_;
      while (end < text_.size() && !stops_[static_cast<unsigned char>(text_[end])]) ++end;
      if (cell) cell->append(text_.data() + at_, end - at_);
      at_ = end;
      if (at_ == text_.size()) return count;
      if (text_[at_] != '\r' && text_[at_] != '\n') {
        ++at_;  // the separator
        continue;
      }
      SkipLineBreak();
      return count;
    }
  }

 private:
  void SkipLineBreak() {
    if (text_[at_++] == '\r' && at_ < text_.size() && text_[at_] == '\n') ++at_;
    ++line_;
  }

  // From the opening quote through the closing one, or to the end when none closes it.
  void ReadQuoted(std::string* cell) {
    ++at_;
    while (at_ < text_.size()) {
      std::size_t end = at_;
      while (end < text_.size() && text_[end] != '"' && text_[end] != '\r' && text_[end] != '\n')
        ++end;
      if (cell) cell->append(text_.data() + at_, end - at_);
      at_ = end;
      if (at_ == text_.size()) return;
      if (text_[at_] == '"') {
        if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
          if (cell) *cell += '"';
          at_ += 2;
          continue;
        }
        ++at_;
        return;
      }
      if (cell) *cell += ' ';
      SkipLineBreak();
    }
  }

  std::string_view text_;
  std::array<bool, 256> stops_{};
  std::size_t at_ = 0;
  std::size_t line_ = 1;
  std::size_t rowLine_ = 1;
};

}  // namespace

std::string FilmsToCsv(const FilmStore& films) {
  std::size_t size = kByteOrderMark.size() + kHeaderRow.size();
  for (const FilmView film : films) {
    size += kFilmColumns - 1 + 2;  // separators, CR LF
    for (int column = 0; column < kFilmColumns; ++column) size += CsvFieldSize(Field(film, column));
  }
  std::string csv;
  csv.reserve(size);
  csv += kByteOrderMark;
  csv += kHeaderRow;
  for (const FilmView film : films) {
    for (int column = 0; column < kFilmColumns; ++column) {
      if (column > 0) csv += ';';
      AppendCsvField(Field(film, column), csv);
    }
    csv += "\r\n";
  }
  return csv;
}

CsvImport ReadFilmsCsv(std::string_view bytes, WorkProgress& progress) {
  CsvImport result;
  std::string_view text = bytes;
  if (text.starts_with(kByteOrderMark)) {
    text.remove_prefix(kByteOrderMark.size());
    result.byteOrderMark = true;
  } else if (!IsValidUtf8(text)) {
    result.encoding = CsvEncoding::Windows1250;
  }
  result.separator = FindSeparator(text);
  const std::size_t before = bytes.size() - text.size();

  CsvRows rows(text, result.separator);
  std::vector<std::string> cells;
  std::string fields[kFilmColumns];
  bool unstorable[kFilmColumns] = {};
  // Which cell holds each column; until the first row that is not blank, any may be a header.
  int cellOf[kFilmColumns] = {0, 1, 2, 3, 4};
  std::size_t keep = kFilmColumns;
  bool headerPossible = true;
  const auto decode = [&](std::string_view cell, std::string& out) {
    out.clear();
    if (result.encoding == CsvEncoding::Windows1250) {
      out.assign(cell);
      return false;
    }
    return AppendUtf8AsCp1250(cell, out) > 0;
  };

  for (std::size_t row = 1;; ++row) {
    if (row % kRowsPerProgress == 0 && !progress.Continue(before + rows.Offset(), bytes.size())) {
      result.complete = false;
      break;
    }
    const std::optional<std::size_t> count =
        rows.Next(cells, headerPossible ? cells.max_size() : keep);
    if (!count) break;

    if (headerPossible) {
      if (std::all_of(cells.begin(), cells.begin() + static_cast<std::ptrdiff_t>(*count),
                      [](const std::string& cell) { return OnlyBlanks(cell); }))
        continue;
      headerPossible = false;
      int named[kFilmColumns] = {-1, -1, -1, -1, -1};
      std::string name;
      for (std::size_t k = 0; k < *count; ++k) {
        decode(cells[k], name);
        const int column = ColumnNamed(name);
        if (column >= 0 && named[column] < 0) named[column] = static_cast<int>(k);
      }
      if (std::any_of(std::begin(named), std::end(named), [](int cell) { return cell >= 0; })) {
        result.header = true;
        std::copy(std::begin(named), std::end(named), cellOf);
        keep = static_cast<std::size_t>(*std::max_element(std::begin(named), std::end(named))) + 1;
        continue;
      }
    }

    for (int column = 0; column < kFilmColumns; ++column) {
      const int cell = cellOf[column];
      const bool present = cell >= 0 && static_cast<std::size_t>(cell) < *count;
      unstorable[column] =
          decode(present ? std::string_view(cells[cell]) : std::string_view(), fields[column]);
    }
    if (std::all_of(std::begin(fields), std::end(fields),
                    [](const std::string& field) { return OnlyBlanks(field); }))
      continue;

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
    if (std::all_of(std::begin(fields), std::end(fields),
                    [](const std::string& field) { return OnlyBlanks(field); }))
      continue;
    result.films.Append(FilmView{fields[0], fields[1], fields[2], fields[3], fields[4]});
  }
  return result;
}

}  // namespace kadrion::core
