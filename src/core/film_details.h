#pragma once
// What a film's record has no room for: its year, director and place, whether it was watched,
// its rating, and who has it now and who had it before. Texts in Windows-1250. The 625-byte
// records never hold any of it: it lives in a file of its own beside the catalogue.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kadrion::core {

// A day of the calendar.
struct Day {
  int year = 0;
  int month = 0;
  int day = 0;

  auto operator<=>(const Day&) const = default;
};

// "2026-12-09".
std::string DayText(Day day);
// A day as the details file holds it ("2026-12-09") or as a spreadsheet with Polish settings
// writes it back ("09.12.2026", "9.12.2026"); none for anything else or a day that does not
// exist (2026-02-30), years 1 to 9999.
std::optional<Day> ReadDay(std::string_view text);
// Days from `from` to `to`, negative when `to` is earlier.
int DaysBetween(Day from, Day to);

inline constexpr int kFirstYear = 1888;
inline constexpr int kLastYear = 2100;
inline constexpr int kBestRating = 10;

struct Loan {
  std::string borrower;
  Day from;
  std::optional<Day> returned;  // none while the film is out

  bool operator==(const Loan&) const = default;
};

enum class Watched { No, Yes };

struct FilmDetails {
  std::optional<int> year;  // kFirstYear to kLastYear
  std::string director;
  std::string place;  // shelf, box: free text
  Watched watched = Watched::No;
  std::optional<int> rating;  // 1 to kBestRating
  std::optional<Loan> lent;   // the loan running now, never with `returned`
  std::vector<Loan> earlier;  // the loans it had, each returned, oldest first

  // Nothing at all: such a film has no row in the details file.
  bool Empty() const;
  bool operator==(const FilmDetails&) const = default;
};

}  // namespace kadrion::core
