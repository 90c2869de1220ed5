#include "core/details_csv.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <iterator>
#include <limits>
#include <numeric>
#include <optional>
#include <unordered_map>

#include "core/csv_cells.h"

namespace kadrion::core {

namespace {

enum Column : std::size_t {
  kOccurrence = kFilmColumns,
  kYear,
  kDirector,
  kPlace,
  kWatched,
  kRating,
  kBorrower,
  kFrom,
  kReturned,
  kColumns
};

// ;Który;Rok;Reżyser;Miejsce;Obejrzany;Ocena;Komu;Od;Do
constexpr std::string_view kDetailsHeaderCells =
    ";Kt\xC3\xB3ry;Rok;Re\xC5\xBCyser;Miejsce;Obejrzany;Ocena;Komu;Od;Do\r\n";
constexpr std::string_view kDetailsPlainNames[] = {
    "ktory", "rok", "rezyser", "miejsce", "obejrzany", "ocena", "komu", "od", "do"};
constexpr auto kPlainNames = [] {
  std::array<std::string_view, kColumns> names{};
  const auto next =
      std::copy(std::begin(kFilmPlainNames), std::end(kFilmPlainNames), names.begin());
  std::copy(std::begin(kDetailsPlainNames), std::end(kDetailsPlainNames), next);
  return names;
}();
static_assert(std::size(kFilmPlainNames) + std::size(kDetailsPlainNames) == kColumns);

// A film's five texts as views, to find films by them without copying.
struct FiveTexts {
  std::string_view texts[kFilmColumns];

  bool operator==(const FiveTexts&) const = default;
};

FiveTexts TextsOf(const FilmView& film) {
  return {{film.polishTitle, film.originalTitle, film.genre, film.discs, film.medium}};
}

std::size_t Combine(std::size_t seed, std::size_t hash) {
  return seed ^ (hash + 0x9e3779b9u + (seed << 6) + (seed >> 2));
}

struct FiveTextsHash {
  std::size_t operator()(const FiveTexts& key) const {
    std::size_t seed = 0;
    for (const std::string_view text : key.texts)
      seed = Combine(seed, std::hash<std::string_view>()(text));
    return seed;
  }
};

struct KeyView {
  FiveTexts texts;
  int occurrence;

  bool operator==(const KeyView&) const = default;
};

struct KeyViewHash {
  std::size_t operator()(const KeyView& key) const {
    return Combine(FiveTextsHash()(key.texts), std::hash<int>()(key.occurrence));
  }
};

void AppendNumber(const std::optional<int>& number, std::string& out) {
  out += ';';
  if (number) out += std::to_string(*number);
}

void AppendText(std::string_view text, std::string& out) {
  out += ';';
  AppendCsvField(text, out);
}

void AppendLoan(const Loan& loan, const std::optional<Day>& returned, std::string& out) {
  AppendText(loan.borrower, out);
  out += ';';
  out += DayText(loan.from);
  out += ';';
  if (returned) out += DayText(*returned);
}

void AppendRowStart(const FilmKey& film, std::string& out) {
  AppendFilmFields(ViewOf(film.texts), out);
  out += ';';
  out += std::to_string(film.occurrence);
}

// The values of one row, each cell read as its column's kind; a cell that holds no such value
// leaves it out and marks the row.
class RowValues {
 public:
  explicit RowValues(const std::string (&cells)[kColumns]) : cells_(cells) {}

  bool Bad() const { return bad_; }
  std::string_view Trimmed(std::size_t column) const { return TrimBlanks(cells_[column]); }

  std::optional<int> Number(std::size_t column, int least, int most) {
    const std::string_view text = Trimmed(column);
    if (text.empty()) return std::nullopt;
    int value = 0;
    for (const char c : text) {
      if (c < '0' || c > '9' || value > (most - (c - '0')) / 10) return Unreadable();
      value = value * 10 + (c - '0');
    }
    if (value < least) return Unreadable();
    return value;
  }

  std::optional<Day> DayIn(std::size_t column) {
    const std::string_view text = Trimmed(column);
    if (text.empty()) return std::nullopt;
    const std::optional<Day> day = ReadDay(text);
    if (!day) Unreadable();
    return day;
  }

  std::optional<Watched> WatchedIn(std::size_t column) {
    std::string plain(Trimmed(column));
    for (char& c : plain) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    if (plain == "tak" || plain == "1" || plain == "x") return Watched::Yes;
    if (plain.empty() || plain == "nie" || plain == "0") return std::nullopt;
    return Unreadable();
  }

  // Marks the row as one with a value that could not be read.
  std::nullopt_t Unreadable() {
    bad_ = true;
    return std::nullopt;
  }

 private:
  const std::string (&cells_)[kColumns];
  bool bad_ = false;
};

// What one row says of its film, added to what the rows before said.
void ReadRowInto(const std::string (&cells)[kColumns], RowValues& values, FilmDetails& details) {
  if (const auto year = values.Number(kYear, kFirstYear, kLastYear)) details.year = year;
  if (!cells[kDirector].empty()) details.director = cells[kDirector];
  if (!cells[kPlace].empty()) details.place = cells[kPlace];
  if (values.WatchedIn(kWatched)) details.watched = Watched::Yes;
  if (const auto rating = values.Number(kRating, 1, kBestRating)) details.rating = rating;

  const std::optional<Day> from = values.DayIn(kFrom);
  const std::optional<Day> returned = values.DayIn(kReturned);
  const bool earlierLoan = !values.Trimmed(kReturned).empty();
  if (!earlierLoan && cells[kBorrower].empty() && values.Trimmed(kFrom).empty()) return;
  if (!from || (earlierLoan && !returned)) {
    values.Unreadable();  // a loan without its days is left out
    return;
  }
  const Loan loan{cells[kBorrower], *from, returned};
  if (earlierLoan)
    details.earlier.push_back(loan);
  else
    details.lent = loan;
}

// The header is ours when it names a film text and a detail beside it: a list of films alone,
// or a table of someone else's, is not the details file.
bool Ours(const CsvColumns& rows) {
  bool filmNamed = false, detailNamed = false;
  for (std::size_t column = 0; column < kColumns; ++column)
    (column < kFilmColumns ? filmNamed : detailNamed) |= rows.Named(column);
  return filmNamed && detailNamed;
}

}  // namespace

std::string DetailsToCsv(const std::vector<DetailsRecord>& records) {
  std::string csv;
  csv += kByteOrderMark;
  csv += kFilmHeaderCells;
  csv += kDetailsHeaderCells;
  for (const DetailsRecord& record : records) {
    const FilmDetails& details = record.details;
    if (details.Empty()) continue;
    AppendRowStart(record.film, csv);
    AppendNumber(details.year, csv);
    AppendText(details.director, csv);
    AppendText(details.place, csv);
    csv += details.watched == Watched::Yes ? ";tak" : ";";
    AppendNumber(details.rating, csv);
    if (details.lent)
      AppendLoan(*details.lent, std::nullopt, csv);
    else
      csv += ";;;";
    csv += "\r\n";
    for (const Loan& loan : details.earlier) {
      AppendRowStart(record.film, csv);
      csv += ";;;;;";
      AppendLoan(loan, loan.returned, csv);
      csv += "\r\n";
    }
  }
  return csv;
}

DetailsRead ReadDetailsCsv(std::string_view bytes) {
  DetailsRead result;
  const CsvText source = OpenCsvText(bytes);
  // Directors, places and borrowers are free texts: a line break in one is kept as written.
  CsvColumns rows(source, kPlainNames, QuotedLineBreak::Kept);
  // Records stay where they are as more are added: the index holds views of their texts.
  std::deque<DetailsRecord> records;
  std::unordered_map<KeyView, std::size_t, KeyViewHash> recordOf;
  std::string cells[kColumns];
  const auto notOurs = [] { return DetailsRead{DetailsFileState::NotOurs, {}, {}}; };
  while (rows.Next()) {
    if (!Ours(rows)) return notOurs();
    for (std::size_t column = 0; column < kColumns; ++column) rows.Decode(column, cells[column]);
    if (AllBlank(cells)) continue;

    RowValues values(cells);
    const int occurrence =
        values.Number(kOccurrence, 1, std::numeric_limits<int>::max()).value_or(1);
    const FilmEntry texts{cells[0], cells[1], cells[2], cells[3], cells[4]};
    auto at = recordOf.find(KeyView{TextsOf(ViewOf(texts)), occurrence});
    if (at == recordOf.end()) {
      records.push_back({{texts, occurrence}, {}});
      const KeyView own{TextsOf(ViewOf(records.back().film.texts)), occurrence};
      at = recordOf.emplace(own, records.size() - 1).first;
    }
    ReadRowInto(cells, values, records[at->second].details);
    if (values.Bad()) result.linesWithBadValues.push_back(rows.RowLine());
  }
  if (rows.Header() && !Ours(rows)) return notOurs();
  for (DetailsRecord& record : records)
    if (!record.details.Empty()) result.records.push_back(std::move(record));
  return result;
}

std::vector<FilmKey> KeysOf(const FilmStore& films) {
  std::vector<FilmKey> keys;
  keys.reserve(films.Size());
  std::unordered_map<FiveTexts, int, FiveTextsHash> seen;
  seen.reserve(films.Size());
  for (const FilmView film : films) keys.push_back({film.Entry(), ++seen[TextsOf(film)]});
  return keys;
}

std::vector<int> FindFilms(const FilmStore& films, const std::vector<FilmKey>& keys) {
  // The films with the same five texts are one group; the rows of each group lie together in
  // `rows`, in list order, so a key's occurrence is an index into its group.
  const std::size_t count = films.Size();
  std::unordered_map<FiveTexts, std::uint32_t, FiveTextsHash> groupOf;
  groupOf.reserve(count);
  std::vector<std::uint32_t> groupOfRow(count);
  for (std::size_t row = 0; row < count; ++row)
    groupOfRow[row] =
        groupOf.try_emplace(TextsOf(films[row]), static_cast<std::uint32_t>(groupOf.size()))
            .first->second;
  std::vector<std::uint32_t> start(groupOf.size() + 1, 0);
  for (const std::uint32_t group : groupOfRow) ++start[group + 1];
  std::partial_sum(start.begin(), start.end(), start.begin());
  std::vector<int> rows(count);
  std::vector<std::uint32_t> next(start.begin(), start.end() - 1);
  for (std::size_t row = 0; row < count; ++row)
    rows[next[groupOfRow[row]]++] = static_cast<int>(row);

  std::vector<int> found;
  found.reserve(keys.size());
  for (const FilmKey& key : keys) {
    const auto group = groupOf.find(TextsOf(ViewOf(key.texts)));
    const bool inGroup = group != groupOf.end() && key.occurrence >= 1 &&
                         static_cast<std::uint32_t>(key.occurrence) <=
                             start[group->second + 1] - start[group->second];
    found.push_back(
        inGroup ? rows[start[group->second] + static_cast<std::uint32_t>(key.occurrence - 1)] : -1);
  }
  return found;
}

}  // namespace kadrion::core
