// The details follow their film, and the file's rows of films not in the list come back as
// they were.
#include "core/details_book.h"

#include <gtest/gtest.h>

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

TEST(DetailsBook, FollowTheFilmAndRowsOfFilmsNotInTheListAreKeptAsTheyCame) {
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
  // Kept by the film's id, which Catalogue.EachFilmKeepsItsId… follows through every change.
  catalogue.Sort(FilmOrder{0, 1});
  EXPECT_EQ(Directors(catalogue, book), "Bareja,-,-,");
}

}  // namespace
}  // namespace kadrion::core
