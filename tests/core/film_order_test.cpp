#include "core/film_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "pairwise_duplicates.h"

namespace kadrion::core {
namespace {

FilmEntry Titled(const std::string& polishTitle) {
  return {polishTitle, "", "", "1", "DVD"};
}

std::vector<std::string> Column(const std::vector<FilmEntry>& films, int column) {
  std::vector<std::string> texts;
  for (const FilmEntry& film : films) texts.push_back(Field(film, column));
  return texts;
}

TEST(FilmOrder, ComparesBytesWithOnlyAsciiLettersFolded) {
  const struct {
    const char* a;
    const char* b;
    int result;
  } cases[] = {
      {"", "", 0},
      {"matrix", "MATRIX", 0},
      {"abc", "ABD", 'C' - 'D'},
      {"b", "A", 'B' - 'A'},
      {"ab", "abcd", -2},  // a prefix: the difference of the lengths
      {"abcd", "AB", 2},
      {"_", "a", '_' - 'A'},  // folded to capitals, so "_" comes after every letter
      {"`", "Z", '`' - 'Z'},
      {"\xA3", "\xB3", 0xA3 - 0xB3},  // Ł and ł differ
      {"\xA3", "z", 0xA3 - 'Z'},      // bytes above 0x7F are unsigned
      {"\xE6", "\xC6", 0xE6 - 0xC6},
      {"1", "10", -1},  // numbers as text
      {"10", "2", '1' - '2'},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CompareColumnText(c.a, c.b), c.result) << '"' << c.a << "\" vs \"" << c.b << '"';
}

TEST(FilmOrder, HeaderClicksAlternateDirectionOverAllColumns) {
  // Each click sorts the result of the one before.
  const struct {
    std::vector<int> clicks;
    int column;
    std::vector<FilmEntry> films;
    std::vector<std::string> sorted;
  } cases[] = {
      {{0}, 0, {Titled("b"), Titled("A"), Titled("c"), Titled("a")}, {"c", "b", "A", "a"}},
      {{0, 0}, 0, {Titled("b"), Titled("A"), Titled("c"), Titled("a")}, {"A", "a", "b", "c"}},
      {{3, 3},
       3,
       {{"x", "", "", "2", ""}, {"y", "", "", "1", ""}, {"z", "", "", "10", ""}},
       {"1", "10", "2"}},
      // The second click is ascending although it is the first one on this column.
      {{0, 4},
       4,
       {{"a", "", "", "1", "DVD"}, {"b", "", "", "1", "CD"}, {"c", "", "", "1", "VHS"}},
       {"CD", "DVD", "VHS"}},
      {{2}, 1, {{"a", "Up", "x", "", ""}, {"b", "Alien", "y", "", ""}}, {"Alien", "Up"}},
  };
  for (const auto& c : cases) {
    std::vector<FilmEntry> films = c.films;
    ColumnSort sort;
    for (const int column : c.clicks)
      std::stable_sort(films.begin(), films.end(), sort.Click(column));
    EXPECT_EQ(Column(films, c.column), c.sorted) << "after " << c.clicks.size() << " clicks";
  }
}

TEST(FilmOrder, SortedOrderIsTheStableSortOfEveryColumnEitherWayAndIsSeenAsInOrder) {
  // Texts alike in their first 8 or 16 bytes and ending about there, differing in case, in
  // bytes above 0x7F and in NUL bytes: every step of the fast comparison decides some pairs.
  std::vector<std::string> stems;
  for (const std::size_t length : {0, 1, 7, 8, 15, 16, 17})
    stems.emplace_back(length, length % 2 ? 'k' : 'K');
  const std::vector<std::string> tails = {"", "a", "A", "b", "\xB3", std::string(1, '\0'), "z"};
  std::mt19937 random(20240518);
  const auto pick = [&](const std::vector<std::string>& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
  };
  for (int round = 0; round < 40; ++round) {
    std::vector<FilmEntry> films(std::uniform_int_distribution<std::size_t>(0, 200)(random));
    const auto text = [&] { return pick(stems) + pick(tails) + pick(tails); };
    for (FilmEntry& film : films) film = FilmEntry{text(), text(), text(), text(), text()};
    const FilmStore store(films);
    for (int column = 0; column < kFilmColumns; ++column) {
      for (const int direction : {-1, 1}) {
        std::vector<std::uint32_t> expected(films.size());
        std::iota(expected.begin(), expected.end(), 0u);
        std::stable_sort(expected.begin(), expected.end(), [&](std::uint32_t a, std::uint32_t b) {
          return FilmOrder{column, direction}(films[a], films[b]);
        });
        ASSERT_EQ(SortedOrder(store, {column, direction}), expected)
            << "round " << round << ", column " << column << ", direction " << direction;
        EXPECT_EQ(IsInOrder(store, {column, direction}),
                  std::is_sorted(films.begin(), films.end(), FilmOrder{column, direction}));
        FilmStore sorted = store;
        sorted.Reorder(expected);
        EXPECT_TRUE(IsInOrder(sorted, {column, direction}));
      }
    }
  }
}

TEST(FilmOrder, DuplicateKeyJoinsTrimsAndFoldsAsciiOnly) {
  const struct {
    FilmEntry film;
    const char* key;
  } cases[] = {
      {{"Matrix", "The Matrix", "Akcja", "2", "DVD"}, "THE MATRIX AKCJA 2 DVD MATRIX"},
      // Łódź and łódź differ: only d is folded.
      {{"\xA3\xF3\x64\x9F", "", "", "", ""}, "\xA3\xF3\x44\x9F"},
      {{"\xB3\xF3\x64\x9F", "", "", "", ""}, "\xB3\xF3\x44\x9F"},
      // The same key from fields split differently.
      {{"T", "X Y", "Z", "1", "m"}, "X Y Z 1 M T"},
      {{"T", "X", "Y Z", "1", "m"}, "X Y Z 1 M T"},
      {{"T", " x", "g", "1", "m"}, "X G 1 M T"},   // a leading blank goes
      {{"T", "x", "g ", "1", "m"}, "X G  1 M T"},  // one inside stays
      {{"T", "\t\x01x", "g", "1", "m"}, "X G 1 M T"},
      {{"", "x", "", "", ""}, "X"},
      {{"T ", "x", "", "", ""}, "X    T"},
      {{"", "", "", "", ""}, ""},
      {{"\x7F", "", "", "", "\xA0"}, "\xA0 \x7F"},  // neither is a control character below 0x20
  };
  for (const auto& c : cases) EXPECT_EQ(DuplicateKey(c.film), c.key) << c.film.polishTitle;
}

// The rows that DistinctRows keeps, in their order.
std::vector<FilmEntry> Distinct(const std::vector<FilmEntry>& films) {
  std::vector<FilmEntry> kept;
  for (std::size_t row : DistinctRows(films)) kept.push_back(films[row]);
  return kept;
}

TEST(FilmOrder, RemovingDuplicatesKeepsTheTopmostOfEachInOrder) {
  const FilmEntry a{"A", "a", "", "1", ""}, b{"B", "b", "", "1", ""};
  EXPECT_EQ(DistinctRows({a, b, a, a}), (std::vector<std::size_t>{0, 1}));
  EXPECT_EQ(Distinct({b, a, b, a}), (std::vector<FilmEntry>{b, a}));
  EXPECT_TRUE(DistinctRows({}).empty());
  // The hashes of these keys share their slot and 32-bit tag: only the keys tell them apart.
  const FilmEntry c{"Film 156008", "", "", "", ""}, d{"Film 571085", "", "", "", ""};
  EXPECT_EQ(Distinct({c, d, c, d}), (std::vector<FilmEntry>{c, d}));
}

TEST(FilmOrder, HashedRemovalMatchesThePairwiseRule) {
  // Few distinct pieces, so that about half of the rows go, by case, blanks and field borders.
  const std::vector<std::string> pieces = {"a",    "A",    " a", "a ", "a b", "b",
                                           "\xA3", "\xB3", "\t", "1",  ""};
  std::mt19937 random(20240517);
  const auto piece = [&](std::size_t among) {
    return pieces[std::uniform_int_distribution<std::size_t>(0, among - 1)(random)];
  };
  for (int round = 0; round < 50; ++round) {
    std::vector<FilmEntry> films(std::uniform_int_distribution<std::size_t>(0, 300)(random));
    for (FilmEntry& film : films) {
      film.polishTitle = piece(pieces.size());
      film.originalTitle = piece(4);
      film.genre = piece(pieces.size());
      film.discs = piece(2);
      film.medium = piece(2);
    }
    ASSERT_EQ(Distinct(films), reference::PairwiseWithoutDuplicates(films)) << "round " << round;
  }
}

}  // namespace
}  // namespace kadrion::core
