// Find, Next and Previous over any films and search text give the row that a plain scan gives:
// a match in the other four columns first, else one in the Polish title, nearest the start for
// Find and Next, nearest the selection for Previous, never wrapping around.
#include <string_view>

#include "core/film_search.h"
#include "fuzz_support.h"

using namespace kadrion::core;

namespace {

unsigned char Folded(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c - 'A' + 'a');
  switch (c) {  // Ą Ć Ę Ł Ń Ó Ś Ź Ż in Windows-1250
    case 0xA5:
      return 0xB9;
    case 0xC6:
      return 0xE6;
    case 0xCA:
      return 0xEA;
    case 0xA3:
      return 0xB3;
    case 0xD1:
      return 0xF1;
    case 0xD3:
      return 0xF3;
    case 0x8C:
      return 0x9C;
    case 0x8F:
      return 0x9F;
    case 0xAF:
      return 0xBF;
    default:
      return c;
  }
}

std::string Folded(std::string_view text) {
  std::string folded;
  for (const char c : text) folded += static_cast<char>(Folded(static_cast<unsigned char>(c)));
  return folded;
}

struct Scan {
  const std::vector<FilmEntry>& films;
  std::string key;

  bool InOthers(std::size_t row) const {
    const FilmEntry& f = films[row];
    const std::string joined = Folded(f.originalTitle) + "\r\n" + Folded(f.genre) + "\r\n" +
                               Folded(f.discs) + "\r\n" + Folded(f.medium) + "\r\n";
    return joined.find(key) != std::string::npos;
  }
  bool InTitle(std::size_t row) const {
    return Folded(films[row].polishTitle).find(key) != std::string::npos;
  }
  // Rows in [begin, end), upwards or downwards.
  std::optional<std::size_t> First(std::size_t begin, std::size_t end, bool upwards) const {
    if (key.empty()) return std::nullopt;
    for (const bool others : {true, false}) {
      for (std::size_t k = 0; k < end - std::min(begin, end); ++k) {
        const std::size_t row = upwards ? end - 1 - k : begin + k;
        if (others ? InOthers(row) : InTitle(row)) return row;
      }
    }
    return std::nullopt;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::vector<FilmEntry> films = fuzzing::ConsumeFilms(input, 12, 12);
  std::optional<std::size_t> selected;
  if (input.ConsumeBool())
    selected = input.ConsumeIntegralInRange<std::size_t>(0, films.size() + 1);
  const std::string text = input.ConsumeRandomLengthString(200);

  const Scan scan{films, Folded(std::string_view(text).substr(0, kSearchKeyLength))};
  FUZZ_CHECK(SearchKey(text) == scan.key);
  FUZZ_CHECK(FindFilm(films, text) == scan.First(0, films.size(), false));
  FUZZ_CHECK(FindNextFilm(films, text, selected) ==
             scan.First(selected ? *selected + 1 : 0, films.size(), false));
  FUZZ_CHECK(FindPreviousFilm(films, text, selected) ==
             (selected ? scan.First(0, std::min(*selected, films.size()), true) : std::nullopt));
  return 0;
}
