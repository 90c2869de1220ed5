#include "core/film_details.h"

namespace kadrion::core {

namespace {

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days since 1970-01-01 in the Gregorian calendar carried back (H. Hinnant's days_from_civil).
long long DayNumber(Day day) {
  const long long year = day.year - (day.month <= 2);
  const long long era = (year >= 0 ? year : year - 399) / 400;
  const long long yearOfEra = year - era * 400;
  const long long dayOfYear = (153 * (day.month + (day.month > 2 ? -3 : 9)) + 2) / 5 + day.day - 1;
  const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

// Reads `least` to `most` digits from the front of `text`, taking them off it.
std::optional<int> TakeNumber(std::string_view& text, std::size_t least, std::size_t most) {
  std::size_t digits = 0;
  int value = 0;
  while (digits < text.size() && digits < most && text[digits] >= '0' && text[digits] <= '9')
    value = value * 10 + (text[digits++] - '0');
  if (digits < least) return std::nullopt;
  text.remove_prefix(digits);
  return value;
}

bool TakeChar(std::string_view& text, char c) {
  if (text.empty() || text.front() != c) return false;
  text.remove_prefix(1);
  return true;
}

void AppendDigits(int value, int width, std::string& out) {
  std::string digits = std::to_string(value);
  if (digits.size() < static_cast<std::size_t>(width))
    out.append(static_cast<std::size_t>(width) - digits.size(), '0');
  out += digits;
}

}  // namespace

std::string DayText(Day day) {
  std::string text;
  AppendDigits(day.year, 4, text);
  text += '-';
  AppendDigits(day.month, 2, text);
  text += '-';
  AppendDigits(day.day, 2, text);
  return text;
}

std::optional<Day> ReadDay(std::string_view text) {
  // The digits of the day, month and year of "9.12.2026", or of the year, month and day of
  // "2026-12-09".
  struct Digits {
    std::size_t least, most;
  };
  constexpr Digits kPolish[3] = {{1, 2}, {1, 2}, {4, 4}};
  constexpr Digits kIso[3] = {{4, 4}, {2, 2}, {2, 2}};
  const bool polish = text.find('.') != std::string_view::npos;
  int parts[3] = {};
  for (std::size_t k = 0; k < 3; ++k) {
    if (k > 0 && !TakeChar(text, polish ? '.' : '-')) return std::nullopt;
    const Digits digits = (polish ? kPolish : kIso)[k];
    const std::optional<int> number = TakeNumber(text, digits.least, digits.most);
    if (!number) return std::nullopt;
    parts[k] = *number;
  }
  if (!text.empty()) return std::nullopt;
  const Day day = polish ? Day{parts[2], parts[1], parts[0]} : Day{parts[0], parts[1], parts[2]};
  if (day.year < 1 || day.month < 1 || day.month > 12 || day.day < 1 ||
      day.day > DaysInMonth(day.year, day.month))
    return std::nullopt;
  return day;
}

int DaysBetween(Day from, Day to) {
  return static_cast<int>(DayNumber(to) - DayNumber(from));
}

bool FilmDetails::Empty() const {
  return !year && director.empty() && place.empty() && watched == Watched::No && !rating && !lent &&
         earlier.empty();
}

}  // namespace kadrion::core
