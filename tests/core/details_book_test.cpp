// The details follow their films through every change of the list, and the file's rows of
// films not in the list come back as they were.
#include "core/details_book.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace kadrion::core {
namespace {

FilmEntry Film(std::string polish, std::string original) {
  return FilmEntry{std::move(polish), std::move(original), "", "1", "DVD"};
}

FilmDetails Directed(std::string director) {
  FilmDetails details;
  details.director = std::move(director);
  return details;
}

// Each film's original title and its director, "-" for none: "1-,2x,3-".
std::string Directors(const Catalogue& catalogue, const DetailsBook& book) {
  std::string directors;
  for (int row = 0; row < catalogue.Count(); ++row) {
    const std::string director = book.Of(row).director;
    directors += catalogue.Film(row).originalTitle + (director.empty() ? "-" : director) + ",";
  }
  return directors;
}

TEST(DetailsBook, DetailsFollowTheirFilmsThroughEveryChange) {
  const struct {
    const char* change;
    std::function<void(Catalogue&)> make;
    const char* directors;
  } cases[] = {
      {"sort", [](Catalogue& c) { c.Sort(FilmOrder{0, 1}); }, "2x,4y,1-,3-,5-,"},
      {"saved changed", [](Catalogue& c) { c.SaveChanged(1, Film("a", "2!")); }, "1-,3-,4y,5-,2!x,"},
      {"deleted and back", [](Catalogue& c) { c.Delete(1), c.Delete(2), c.Undo(), c.Undo(); },
       "1-,2x,3-,4y,5-,"},
      {"duplicates", [](Catalogue& c) { c.Thin({0, 3, 4}); }, "1-,4y,5-,"},
      {"import", [](Catalogue& c) { c.AppendAll(FilmStore{Film("a", "2")}); },
       "1-,2x,3-,4y,5-,2-,"},
  };
  for (const auto& c : cases) {
    Catalogue catalogue;
    catalogue.Assign({Film("b", "1"), Film("a", "2"), Film("b", "3"), Film("a", "4"), Film("c", "5")});
    DetailsBook book(catalogue);
    book.Set(1, Directed("x"));
    book.Set(3, Directed("y"));
    c.make(catalogue);
    EXPECT_EQ(Directors(catalogue, book), c.directors) << c.change;
  }
}

TEST(DetailsBook, RowsOfFilmsNotInTheListAreKeptAndWrittenBackAsTheyCame) {
  Catalogue catalogue;
  catalogue.Assign({Film("Rejs", ""), Film("Rejs", ""), Film("Mi\x9C", "")});
  DetailsBook book(catalogue);
  const DetailsRecord second{FilmKey{Film("Rejs", ""), 2}, Directed("Piwowski")};
  const DetailsRecord missing{FilmKey{Film("Seksmisja", ""), 1}, Directed("Machulski")};
  const DetailsRecord third{FilmKey{Film("Rejs", ""), 3}, Directed("nikt")};
  book.Take({missing, second, third});
  EXPECT_EQ(Directors(catalogue, book), "-,Piwowski,-,") << "the second of two equal films";
  EXPECT_EQ(book.Unmatched(), (std::vector<DetailsRecord>{missing, third}));
  book.Set(2, Directed("Bareja"));
  const std::vector<DetailsRecord> records = book.Records();
  EXPECT_EQ(records, (std::vector<DetailsRecord>{
                         second, {FilmKey{Film("Mi\x9C", ""), 1}, Directed("Bareja")}, missing,
                         third}));
  book.Set(1, FilmDetails{});
  EXPECT_EQ(book.Records().size(), 3u) << "no details, no row";
}

}  // namespace
}  // namespace kadrion::core
