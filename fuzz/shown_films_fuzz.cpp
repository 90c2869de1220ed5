// The films the list shows, through any filter typed key by key and any change of the
// catalogue, are exactly the films a plain scan of every word, text and place finds, ascending.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "core/cp1250.h"
#include "core/shown_films.h"
#include "fuzz_support.h"

using namespace kadrion::core;

namespace {

// Every letter of Windows-1250 with a small letter of its own, the small letters in the same
// order, and those letters without their marks.
const std::string kCapitals =
    Utf8ToCp1250("ŠŚŤŽŹŁĄŞŻĽŔÁÂĂÄĹĆÇČÉĘËĚÍÎĎĐŃŇÓÔŐÖŘŮÚŰÜÝŢ").bytes;
const std::string kSmalls = Utf8ToCp1250("šśťžźłąşżľŕáâăäĺćçčéęëěíîďđńňóôőöřůúűüýţ").bytes;
const std::string kBare = "sstzzlaszlraaaalccceeeeiiddnnooooruuuuyt";

char Small(char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
  const std::size_t at = kCapitals.find(c);
  return at == std::string::npos ? c : kSmalls[at];
}

char Bare(char c) {
  const std::size_t at = kSmalls.find(Small(c));
  return at == std::string::npos ? Small(c) : kBare[at];
}

bool Holds(std::string_view text, std::string_view word) {
  for (std::size_t at = 0; at + word.size() <= text.size(); ++at) {
    std::size_t k = 0;
    while (k < word.size() &&
           (Small(text[at + k]) == Small(word[k]) || Bare(text[at + k]) == Small(word[k])))
      ++k;
    if (k == word.size()) return true;
  }
  return false;
}

std::vector<int> PlainScan(const Catalogue& catalogue, const std::string& filter) {
  std::vector<std::string> words(1);
  for (const char c : filter) {
    if (static_cast<unsigned char>(c) <= ' ' || static_cast<unsigned char>(c) == 0xA0)
      words.emplace_back();
    else
      words.back() += c;
  }
  std::erase(words, "");
  std::vector<int> rows;
  for (int row = 0; row < catalogue.Count(); ++row) {
    const FilmEntry film = catalogue.Film(row);
    const bool all = std::all_of(words.begin(), words.end(), [&](const std::string& word) {
      return Holds(film.polishTitle, word) || Holds(film.originalTitle, word) ||
             Holds(film.genre, word) || Holds(film.discs, word) || Holds(film.medium, word);
    });
    if (all && !words.empty()) rows.push_back(row);
  }
  if (words.empty())
    for (int row = 0; row < catalogue.Count(); ++row) rows.push_back(row);
  return rows;
}

// Bytes drawn from a few that meet often: letters with and without marks, both cases, blanks.
std::string Text(FuzzedDataProvider& input, std::size_t most) {
  static const std::string kAlphabet = Utf8ToCp1250("aAąĄlLłŁoOóÓzżŹ 2\t\xC2\xA0").bytes;
  std::string text = input.ConsumeRandomLengthString(most);
  for (char& c : text) c = kAlphabet[static_cast<unsigned char>(c) % kAlphabet.size()];
  return text;
}

FilmEntry Film(FuzzedDataProvider& input) {
  return FilmEntry{Text(input, 6), Text(input, 6), Text(input, 3), Text(input, 2), Text(input, 2)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  Catalogue catalogue;
  ShownFilms shown(catalogue);
  std::string filter;
  for (int step = 0; step < 24 && input.remaining_bytes() > 0; ++step) {
    const int row = input.ConsumeIntegralInRange<int>(0, 12);
    const int change = input.ConsumeIntegralInRange<int>(0, 10);
    switch (change) {
      case 0: filter = Text(input, 8); break;
      case 1: filter += Text(input, 1); break;
      case 2: if (!filter.empty()) filter.pop_back(); break;
      case 3: catalogue.Append(Film(input)); break;
      case 4: if (row < catalogue.Count()) catalogue.Delete(row); break;
      case 5: catalogue.Undo(); break;
      case 6: catalogue.Sort(FilmOrder{row % 5, row % 2 ? 1 : -1}); break;
      case 7: catalogue.AppendAll(FilmStore{Film(input), Film(input)}); break;
      case 8: {
        std::vector<std::size_t> kept;
        for (int k = 0; k < catalogue.Count(); ++k)
          if (input.ConsumeBool()) kept.push_back(static_cast<std::size_t>(k));
        catalogue.Thin(kept);
        break;
      }
      case 9: catalogue.Assign(FilmStore{Film(input)}); break;
      default: shown.Prepare(); break;
    }
    // The filter as typed; a change of the films the shown films follow by themselves.
    if (change <= 2) shown.SetFilter(FilmFilter(filter));
    const std::vector<int> expected = PlainScan(catalogue, filter);
    FUZZ_CHECK(shown.Count() == static_cast<int>(expected.size()));
    for (int k = 0; k < shown.Count(); ++k) {
      FUZZ_CHECK(shown.CatalogueRow(k) == expected[static_cast<std::size_t>(k)]);
      FUZZ_CHECK(shown.ShownRow(expected[static_cast<std::size_t>(k)]) == k);
    }
    FUZZ_CHECK(shown.CatalogueRow(shown.Count()) == kNoFilm);
  }
  return 0;
}
