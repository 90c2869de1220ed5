#include "core/film_csv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kadrion::core {
namespace {

using Films = std::vector<FilmEntry>;

Films Entries(const FilmStore& store) {
  Films films;
  for (const FilmView film : store) films.push_back(film.Entry());
  return films;
}

CsvImport Read(std::string_view bytes) {
  NoProgress progress;
  return ReadFilmsCsv(bytes, progress);
}

TEST(FilmCsv, WritesUtf8RowsWithQuotesOnlyWhereNeeded) {
  const FilmStore films = {{"\xA3\xF3\x64\x9F", "a;b", "Dramat", "2", " DVD "},
                           {"Powiedz \"tak\"", "", "x\ty", "", "VHS"},
                           {"", "Dwie\r\nlinie", "a\rb", "", "\x81"}};
  EXPECT_EQ(FilmsToCsv(films),
            "\xEF\xBB\xBFTytu\xC5\x82 polski;Tytu\xC5\x82 oryginalny;Gatunek;Ilo\xC5\x9B\xC4\x87 "
            "p\xC5\x82yt;No\xC5\x9Bnik\r\n"
            "\xC5\x81\xC3\xB3\x64\xC5\xBA;\"a;b\";Dramat;2; DVD \r\n"
            "\"Powiedz \"\"tak\"\"\";;x\ty;;VHS\r\n"
            ";\"Dwie\r\nlinie\";\"a\rb\";;\xC2\x81\r\n");
  EXPECT_EQ(Read(FilmsToCsv(films)).films.Size(), 3u) << "a film in each row";
  EXPECT_EQ(FilmsToCsv(FilmStore()).size(), 3 + 55 + 6 + 2);  // mark, header only
}

TEST(FilmCsv, WrittenFilmsReadBackByteForByte) {
  std::string everyByte;
  for (int byte = 0; byte < 256; ++byte)
    if (byte != '\r' && byte != '\n') everyByte += static_cast<char>(byte);
  const Films films = {
      {everyByte, "", "", "", ""},
      {"Gatunek", "Tytu\xB3 polski", "", "abc", ""},  // names of columns as data
      {"\"", "\"\"", "\";", "", ";\""},
      {"\xEF\xBB\xBF"
       "Rejs",
       "\t", ";", "", "\"x\"y"},
      {"", "", "", "", "x"},
      {" a ", "\ta\t", "ok\"", "10", "\x81\x83\x88\x90\x98"},
      {std::string(255, '\xB3'), std::string(255, 'x'), std::string(50, '\xEA'), "9999",
       std::string(50, '\x9C')},  // every field full
  };
  const CsvImport read = Read(FilmsToCsv(films));
  EXPECT_EQ(Entries(read.films), films);
  EXPECT_TRUE(read.header && read.byteOrderMark && read.complete);
  EXPECT_EQ(read.encoding, CsvEncoding::Utf8);
  EXPECT_EQ(read.linesWithProblems, 1u);  // only the disc count "abc"
}

TEST(FilmCsv, ReadsWhatSpreadsheetsAndPeopleWrite) {
  const struct {
    const char* name;
    std::string bytes;
    Films films;
    char separator;
    CsvEncoding encoding;
    bool header;
  } cases[] = {
      {"Excel",
       "\xEF\xBB\xBFTytu\xC5\x82 polski;Tytu\xC5\x82 oryginalny;Gatunek;Ilo\xC5\x9B\xC4\x87 "
       "p\xC5\x82yt;No\xC5\x9Bnik\r\n\"Ojciec "
       "\"\"chrzestny\"\"\";\"The\r\nGodfather\";Dramat;2;DVD\r\n"
       "\"a\rb\nc\";\"\"\"\";x\r\n",
       {{"Ojciec \"chrzestny\"", "The Godfather", "Dramat", "2", "DVD"},
        {"a b c", "\"", "x", "", ""}},
       ';',
       CsvEncoding::Utf8,
       true},
      {"Windows-1250, commas, columns in another order",
       "Rok, NO\x8CNIK ,tytul polski,Gatunek\r\n1999,VHS,\xA3\xF3\x64\x9F,\"Dramat, "
       "wojenny\",x\r\n",
       {{"\xA3\xF3\x64\x9F", "", "Dramat, wojenny", "", "VHS"}},
       ',',
       CsvEncoding::Windows1250,
       true},
      {"no header, tabs, more cells than columns",
       "Rejs\tRejs\tKomedia\t1\tVHS\tinne\n\xC5\xBB\n",
       {{"Rejs", "Rejs", "Komedia", "1", "VHS"}, {"\xAF", "", "", "", ""}},
       '\t',
       CsvEncoding::Utf8,
       false},
      {"blank lines, a quote left open",
       "\r\n \t\r\nA;B\r\n\r\n;;;;\r\n \t; \r\nC;\"x\r\ny",
       {{"A", "B", "", "", ""}, {"C", "x y", "", "", ""}},
       ';',
       CsvEncoding::Utf8,
       false},
      {"as many semicolons as commas", "a;b,c\r\n", {{"a", "b,c", "", "", ""}}, ';',
       CsvEncoding::Utf8, false},
      {"a quoted cell after a tab", "x\t\"a;b;c\"\r\n", {{"x", "a;b;c", "", "", ""}}, '\t',
       CsvEncoding::Utf8, false},
      {"a header in capitals", "TYTU\xC5\x81 POLSKI;ILO\xC5\x9A\xC4\x86 P\xC5\x81YT\r\nRejs;2\r\n",
       {{"Rejs", "", "", "2", ""}}, ';', CsvEncoding::Utf8, true},
      {"a column named twice: its first cell counts",
       "Gatunek;tytu\xC5\x82 polski;GATUNEK\r\nDramat;Rejs;Komedia\r\n",
       {{"Rejs", "", "Dramat", "", ""}}, ';', CsvEncoding::Utf8, true},
      {"more commas than semicolons",
       "a;b,c,d\r",
       {{"a;b", "c", "d", "", ""}},
       ',',
       CsvEncoding::Utf8,
       false},
  };
  for (const auto& c : cases) {
    const CsvImport read = Read(c.bytes);
    EXPECT_EQ(Entries(read.films), c.films) << c.name;
    EXPECT_EQ(read.separator, c.separator) << c.name;
    EXPECT_EQ(read.encoding, c.encoding) << c.name;
    EXPECT_EQ(read.header, c.header) << c.name;
    EXPECT_EQ(read.linesWithProblems, 0u) << c.name;
  }
}

TEST(FilmCsv, TellsWhatCannotBeStoredByLineAndColumn) {
  using enum CsvProblemKind;
  const std::string longTitle(300, 'a');
  const CsvImport read =
      Read("\xEF\xBB\xBFTytu\xC5\x82 polski;Ilo\xC5\x9B\xC4\x87 p\xC5\x82yt\r\n" + longTitle +
           ";1\r\n"                      // 2
           "\"dwie\r\nlinie\";\xFF\r\n"  // 3-4: ill-formed UTF-8
           "\xE6\x97\xA5;abc\r\n"        // 5: a Japanese letter
           "x;10000\r\n"                 // 6
           "y;-1\r\n"                    // 7
           "z;\r\nw;0\r\nv;9999\r\n"     // 8-10: no problem
           "u; 1\r\n");                  // 11
  const std::vector<CsvProblem> first = {{2, 0, TooLong},
                                         {3, 3, OutsideCp1250},
                                         {3, 3, NotDiscCount},
                                         {5, 0, OutsideCp1250},
                                         {5, 3, NotDiscCount}};
  EXPECT_EQ(read.firstProblems, first);
  EXPECT_EQ(read.linesWithProblems, 6u);
  const Films films = Entries(read.films);
  ASSERT_EQ(films.size(), 9u);
  EXPECT_EQ(films[0].polishTitle, longTitle.substr(0, 255));
  EXPECT_EQ(films[1].polishTitle + films[1].discs, "dwie linie?");
  EXPECT_EQ(films[2].polishTitle + films[2].discs, "?abc");
  EXPECT_EQ(films[3].discs + films[4].discs, "10000-1");
}

TEST(FilmCsv, StopsWhenTold) {
  struct StopAtFirst final : WorkProgress {
    bool Continue(std::size_t done, std::size_t total) override { return ++calls, done > total; }
    int calls = 0;
  } progress;
  std::string many;
  for (int k = 0; k < 10000; ++k) many += "Film;1\r\n";
  const CsvImport read = ReadFilmsCsv(many, progress);
  EXPECT_FALSE(read.complete);
  EXPECT_EQ(progress.calls, 1);
  EXPECT_LT(read.films.Size(), 10000u);
}

}  // namespace
}  // namespace kadrion::core
