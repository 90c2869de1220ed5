// The list filter's words and letters, and the films shown through every change of the
// catalogue. Texts are written in UTF-8 here and turned into Windows-1250 bytes.
#include "core/film_filter.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/cp1250.h"
#include "core/shown_film_search.h"
#include "core/shown_films.h"

namespace kadrion::core {
namespace {

std::string Bytes(std::string_view utf8) { return Utf8ToCp1250(utf8).bytes; }

FilmEntry Film(std::string_view polish, std::string_view original = "", std::string_view medium = "DVD") {
  return FilmEntry{Bytes(polish), Bytes(original), "Dramat", "1", Bytes(medium)};
}

bool Matches(std::string_view filter, std::string_view polishTitle) {
  return FilmFilter(Bytes(filter)).Matches(ViewOf(Film(polishTitle)));
}

TEST(FilmFilter, EveryLetterFoldsWithoutCaseAndALetterWithoutItsMarkFindsBoth) {
  // Each letter with a mark as capital, small and bare; the Polish ones first.
  const char* const letters[][3] = {
      {"Ą", "ą", "a"}, {"Ć", "ć", "c"}, {"Ę", "ę", "e"}, {"Ł", "ł", "l"}, {"Ń", "ń", "n"},
      {"Ó", "ó", "o"}, {"Ś", "ś", "s"}, {"Ź", "ź", "z"}, {"Ż", "ż", "z"}, {"Š", "š", "s"},
      {"Ť", "ť", "t"}, {"Ž", "ž", "z"}, {"Ş", "ş", "s"}, {"Ľ", "ľ", "l"}, {"Ŕ", "ŕ", "r"},
      {"Á", "á", "a"}, {"Â", "â", "a"}, {"Ă", "ă", "a"}, {"Ä", "ä", "a"}, {"Ĺ", "ĺ", "l"},
      {"Ç", "ç", "c"}, {"Č", "č", "c"}, {"É", "é", "e"}, {"Ë", "ë", "e"}, {"Ě", "ě", "e"},
      {"Í", "í", "i"}, {"Î", "î", "i"}, {"Ď", "ď", "d"}, {"Đ", "đ", "d"}, {"Ň", "ň", "n"},
      {"Ô", "ô", "o"}, {"Ő", "ő", "o"}, {"Ö", "ö", "o"}, {"Ř", "ř", "r"}, {"Ů", "ů", "u"},
      {"Ú", "ú", "u"}, {"Ű", "ű", "u"}, {"Ü", "ü", "u"}, {"Ý", "ý", "y"}, {"Ţ", "ţ", "t"}};
  for (const auto& [capital, small, bare] : letters) {
    const std::string upperBare(1, static_cast<char>(std::toupper(bare[0])));
    for (const char* text : {capital, small}) {
      SCOPED_TRACE(std::string(text));
      EXPECT_TRUE(Matches(small, text));
      EXPECT_TRUE(Matches(capital, text));
      EXPECT_TRUE(Matches(bare, text));
      EXPECT_TRUE(Matches(upperBare, text));
    }
    SCOPED_TRACE(std::string(small));
    EXPECT_FALSE(Matches(small, bare));
    EXPECT_FALSE(Matches(capital, upperBare));
  }
  // Not letters, or letters of their own: as they are.
  for (const auto& [filter, text] : std::vector<std::pair<const char*, const char*>>{
           {"ż", "ź"}, {"ź", "ż"}, {"ss", "ß"}, {"×", "x"}, {"×", "÷"}, {"÷", "o"}, {"0", "o"}, {"-", "_"}})
    EXPECT_FALSE(Matches(filter, text)) << filter << " " << text;
}

TEST(FilmFilter, EveryWordAnywhereInAnyColumnInAnyOrder) {
  const FilmEntry entry = Film("Łódź kaliska", "Lodz Story", "VCD");
  const FilmView film = ViewOf(entry);
  const struct {
    const char* filter;
    bool matches;
  } cases[] = {
      {"", true},           {"  \t ", true},       {"lodz", true},     {"ŁÓDŹ", true},
      {"story lodz", true}, {"vcd kal", true},     {"dramat", true},   {"1", true},
      {"ódź", true},        {"odz  vcd", true},    {"łodz", true},     {"lódz story x", false},
      {"ł", true},          {"kaliskavcd", false},  // no word runs from one column into the next
      {"skal", false},      {"2", false},          {"story\xC2\xA0lodz", true}};
  for (const auto& c : cases)
    EXPECT_EQ(FilmFilter(Bytes(c.filter)).Matches(film), c.matches) << c.filter;
  EXPECT_FALSE(FilmFilter::MatchingNothing().Matches(film));
  EXPECT_FALSE(FilmFilter::MatchingNothing().Empty());
}

TEST(FilmFilter, NarrowsOnlyWhenEveryFilmItMatchesTheWiderOneMatchesToo) {
  const struct {
    const char* filter;
    const char* wider;
    bool narrows;
  } cases[] = {{"mat", "ma", true},   {"ma", "mat", false},  {"ab", "a b", true},
               {"a b", "a", true},    {"x", "a b", false},   {"Matrix", "mat", true},
               {"ł", "l", false},      // true, but only a scan tells
               {"", "a", false},      {"a", "", true}};
  for (const auto& c : cases)
    EXPECT_EQ(FilmFilter(c.filter).Narrows(FilmFilter(c.wider)), c.narrows)
        << c.filter << " / " << c.wider;
  EXPECT_TRUE(FilmFilter::MatchingNothing().Narrows(FilmFilter("a")));
  EXPECT_FALSE(FilmFilter("a").Narrows(FilmFilter::MatchingNothing()));
}

// The shown rows as a fresh scan finds them.
std::vector<int> Scanned(const Catalogue& catalogue, std::string_view filter) {
  std::vector<int> rows;
  const FilmFilter fresh(filter);
  for (int row = 0; row < catalogue.Count(); ++row)
    if (fresh.Matches(catalogue.Films()[static_cast<std::size_t>(row)])) rows.push_back(row);
  return rows;
}

std::vector<int> Shown(const ShownFilms& shown) {
  std::vector<int> rows;
  for (int k = 0; k < shown.Count(); ++k) {
    rows.push_back(shown.CatalogueRow(k));
    EXPECT_EQ(shown.ShownRow(rows.back()), k);
  }
  return rows;
}

class Heard : public ShownFilmsObserver {
 public:
  void ShownFilmsChanged(CatalogueChange) override { ++times; }
  int times = 0;
};

TEST(ShownFilms, FollowEveryChangeOfTheCatalogueAsAFreshScanFindsThem) {
  const struct {
    const char* change;
    std::function<void(Catalogue&)> make;
  } changes[] = {
      {"add a match", [](Catalogue& c) { c.Append(Film("Matrix 3")); }},
      {"add another", [](Catalogue& c) { c.Append(Film("Rejs")); }},
      {"delete a match", [](Catalogue& c) { c.Delete(1); }},
      {"delete another", [](Catalogue& c) { c.Delete(0); }},
      {"undo", [](Catalogue& c) { c.Undo(); }},
      {"sort", [](Catalogue& c) { c.Sort(FilmOrder{0, -1}); }},
      {"save changed", [](Catalogue& c) { c.Erase(2); c.Append(Film("Matrix (zmieniony)")); }},
      {"import", [](Catalogue& c) { c.AppendAll(FilmStore{Film("Matrix"), Film("Miś")}); }},
      {"import taken back", [](Catalogue& c) { c.Undo(); }},
      {"duplicates", [](Catalogue& c) { c.Thin({0, 2, 4}); }},
      {"read anew", [](Catalogue& c) { c.Assign(FilmStore{Film("Miś"), Film("matrix")}); }},
  };
  Catalogue catalogue;
  catalogue.Assign({Film("Rejs"), Film("Matrix"), Film("Miś"), Film("Matrix 2"), Film("Seksmisja")});
  ShownFilms shown(catalogue);
  Heard heard;
  shown.AddObserver(heard);
  shown.SetFilter(FilmFilter("ma"));
  shown.SetFilter(FilmFilter("matr"));  // narrowed
  EXPECT_EQ(Shown(shown), Scanned(catalogue, "matr"));
  EXPECT_EQ(heard.times, 2);
  for (const auto& change : changes) {
    SCOPED_TRACE(change.change);
    change.make(catalogue);
    EXPECT_EQ(Shown(shown), Scanned(catalogue, "matr"));
    EXPECT_EQ(shown.ShownRow(catalogue.Count()), kNoFilm);
    EXPECT_EQ(shown.CatalogueRow(shown.Count()), kNoFilm);
  }
  EXPECT_EQ(heard.times, 2 + 12);  // a film saved changed goes and comes
  EXPECT_EQ(shown.Copy().Size(), 1u);
  shown.SetFilter(FilmFilter(""));
  EXPECT_EQ(shown.Count(), 2);
  EXPECT_EQ(shown.ShownRow(1), 1);
  shown.RemoveObserver(heard);
}

TEST(ShownFilms, FindNextAndPreviousPassOverTheFilmsTheFilterHides) {
  Catalogue catalogue;
  // Rows 0 to 5; the filter "dvd" hides 1 and 4.
  catalogue.Assign({Film("Rejs"), Film("Rejs 2", "", "VCD"), Film("Miś"), Film("Rejs 3"),
                    Film("Rejs 4", "", "VCD"), Film("Kingsajz")});
  ShownFilms shown(catalogue);
  shown.SetFilter(FilmFilter("dvd"));
  EXPECT_EQ(FindShownFilm(shown, "rejs 2"), std::nullopt);
  EXPECT_EQ(FindShownFilm(shown, "rejs"), 0);
  EXPECT_EQ(FindNextShownFilm(shown, "rejs", 0), 3);
  EXPECT_EQ(FindNextShownFilm(shown, "rejs", 1), 3);  // from a hidden film
  EXPECT_EQ(FindNextShownFilm(shown, "rejs", 3), std::nullopt);
  EXPECT_EQ(FindPreviousShownFilm(shown, "rejs", 5), 3);
  EXPECT_EQ(FindPreviousShownFilm(shown, "rejs", 4), 3);
  EXPECT_EQ(FindPreviousShownFilm(shown, "rejs", 3), 0);
  EXPECT_EQ(FindPreviousShownFilm(shown, "rejs", kNoFilm), std::nullopt);
  EXPECT_EQ(FindNextShownFilm(shown, "kingsajz", kNoFilm), 5);
}

}  // namespace
}  // namespace kadrion::core
