#include "core/csv_cells.h"

#include <algorithm>
#include <utility>

#include "core/cp1250.h"

namespace kadrion::core {

namespace {

bool NeedsQuotes(std::string_view field) {
  return field.find_first_of(";\"\r\n") != std::string_view::npos;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
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

// The name a header cell (Windows-1250) is, or -1.
int NameIndex(std::string_view cell, std::span<const std::string_view> plainNames) {
  cell = TrimBlanks(cell);
  for (std::size_t index = 0; index < plainNames.size(); ++index) {
    const std::string_view name = plainNames[index];
    if (cell.size() == name.size() &&
        std::equal(cell.begin(), cell.end(), name.begin(), [](char c, char plain) {
          return kPlainLetter[static_cast<unsigned char>(c)] == plain;
        }))
      return static_cast<int>(index);
  }
  return -1;
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

std::size_t DecodeCell(std::string_view cell, CsvEncoding encoding, std::string& out) {
  out.clear();
  if (encoding == CsvEncoding::Windows1250) {
    out.assign(cell);
    return 0;
  }
  return AppendUtf8AsCp1250(cell, out);
}

// For each of `plainNames` the first cell naming it, or -1; whether any cell names one.
bool FindNamedCells(std::span<const std::string> cells, CsvEncoding encoding,
                    std::span<const std::string_view> plainNames, std::span<int> cellOf) {
  std::fill(cellOf.begin(), cellOf.end(), -1);
  bool any = false;
  std::string name;
  for (std::size_t k = 0; k < cells.size(); ++k) {
    DecodeCell(cells[k], encoding, name);
    const int index = NameIndex(name, plainNames);
    if (index >= 0 && cellOf[static_cast<std::size_t>(index)] < 0) {
      cellOf[static_cast<std::size_t>(index)] = static_cast<int>(k);
      any = true;
    }
  }
  return any;
}

}  // namespace

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

void AppendFilmFields(const FilmView& film, std::string& out) {
  for (int column = 0; column < kFilmColumns; ++column) {
    if (column > 0) out += ';';
    AppendCsvField(Field(film, column), out);
  }
}

std::size_t FilmFieldsSize(const FilmView& film) {
  std::size_t size = kFilmColumns - 1;
  for (int column = 0; column < kFilmColumns; ++column) size += CsvFieldSize(Field(film, column));
  return size;
}

bool OnlyBlanks(std::string_view text) {
  return std::all_of(text.begin(), text.end(), IsBlank);
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool AllBlank(std::span<const std::string> cells) {
  return std::all_of(cells.begin(), cells.end(),
                     [](const std::string& cell) { return OnlyBlanks(cell); });
}

CsvText OpenCsvText(std::string_view bytes) {
  CsvText result{bytes};
  if (result.text.starts_with(kByteOrderMark)) {
    result.text.remove_prefix(kByteOrderMark.size());
    result.byteOrderMark = true;
  } else if (!IsValidUtf8(result.text)) {
    result.encoding = CsvEncoding::Windows1250;
  }
  result.separator = FindSeparator(result.text);
  return result;
}

CsvRows::CsvRows(std::string_view text, char separator, QuotedLineBreak lineBreak)
    : text_(text), lineBreak_(lineBreak) {
  for (const char c : {separator, '\r', '\n'}) stops_[static_cast<unsigned char>(c)] = true;
}

std::optional<std::size_t> CsvRows::Next(std::vector<std::string>& cells, std::size_t keep) {
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

void CsvRows::SkipLineBreak() {
  if (text_[at_++] == '\r' && at_ < text_.size() && text_[at_] == '\n') ++at_;
  ++line_;
}

// From the opening quote through the closing one, or to the end when none closes it.
void CsvRows::ReadQuoted(std::string* cell) {
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
    const std::size_t lineBreak = at_;
    SkipLineBreak();
    if (!cell) continue;
    if (lineBreak_ == QuotedLineBreak::Kept)
      cell->append(text_.data() + lineBreak, at_ - lineBreak);
    else
      *cell += ' ';
  }
}

CsvColumns::CsvColumns(const CsvText& text, std::span<const std::string_view> plainNames,
                       QuotedLineBreak lineBreak)
    : rows_(text.text, text.separator, lineBreak),
      encoding_(text.encoding),
      names_(plainNames),
      cellOf_(plainNames.size()),
      keep_(plainNames.size()) {
  for (std::size_t column = 0; column < cellOf_.size(); ++column)
    cellOf_[column] = static_cast<int>(column);
}

bool CsvColumns::Next() {
  for (;;) {
    const std::optional<std::size_t> count =
        rows_.Next(cells_, beforeHeader_ ? cells_.max_size() : keep_);
    if (!count) return false;
    count_ = *count;
    if (!beforeHeader_) return true;
    const std::span<const std::string> row(cells_.data(), count_);
    if (AllBlank(row)) continue;
    beforeHeader_ = false;
    std::vector<int> named(names_.size());
    if (!FindNamedCells(row, encoding_, names_, named)) return true;
    header_ = true;
    cellOf_ = std::move(named);
    keep_ = static_cast<std::size_t>(*std::max_element(cellOf_.begin(), cellOf_.end())) + 1;
  }
}

std::size_t CsvColumns::Decode(std::size_t column, std::string& out) const {
  const int cell = cellOf_[column];
  const bool present = cell >= 0 && static_cast<std::size_t>(cell) < count_;
  return DecodeCell(
      present ? std::string_view(cells_[static_cast<std::size_t>(cell)]) : std::string_view(),
      encoding_, out);
}

}  // namespace kadrion::core
