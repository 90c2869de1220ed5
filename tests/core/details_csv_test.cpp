#include "core/details_csv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kadrion::core {
namespace {

using Records = std::vector<DetailsRecord>;
constexpr Day kDay{2026, 12, 9};
const FilmEntry kLodz{"\xA3\xF3\x64\x9F", "", "", "", ""};  // Łódź
constexpr char kHeader[] =
    "\xEF\xBB\xBFTytu\xC5\x82 polski;Tytu\xC5\x82 oryginalny;Gatunek;Ilo\xC5\x9B\xC4\x87 "
    "p\xC5\x82yt;No\xC5\x9Bnik;Kt\xC3\xB3ry;Rok;Re\xC5\xBCyser;Miejsce;Obejrzany;Ocena;Komu;Od;"
    "Do\r\n";

TEST(DetailsCsv, RecordsReadBackAsWritten) {
  const FilmEntry same{"\xA3\xF3\x64\x9F; \"nocna\"", "a\r\nb", "Dramat", "2", "DVD"};
  const FilmDetails full{1888,
                         "Kie\x9Clowski\r\nKrzysztof",
                         "p\xF3\xB3ka; \"g\xF3ra\"\n2",
                         Watched::Yes,
                         10,
                         std::nullopt,
                         {}};
  const Loan back{"Ewa", {2025, 1, 31}, Day{2025, 2, 1}};
  const Records records = {
      {{same, 1}, full},
      {{kLodz, 1}, {}},  // nothing to keep: no row
      {{same, 2},
       {2100, "", "", Watched::No, 1, Loan{"J\xF3zef", kDay, {}}, {back, {"Ola", kDay, kDay}}}},
      {{kLodz, 3}, {std::nullopt, "", " ", Watched::No, std::nullopt, std::nullopt, {back}}},
  };
  const DetailsRead read = ReadDetailsCsv(DetailsToCsv(records));
  EXPECT_EQ(read.state, DetailsFileState::Read);
  EXPECT_EQ(read.records, Records({records[0], records[2], records[3]}));
  EXPECT_TRUE(read.linesWithBadValues.empty());
  EXPECT_EQ(
      DetailsToCsv({{{kLodz, 2}, {2001, "", "", Watched::Yes, 7, Loan{"A", kDay, {}}, {back}}}}),
      std::string(kHeader) +
          "\xC5\x81\xC3\xB3\x64\xC5\xBA;;;;;2;2001;;;tak;7;A;2026-12-09;\r\n"
          "\xC5\x81\xC3\xB3\x64\xC5\xBA;;;;;2;;;;;;Ewa;2025-01-31;2025-02-01\r\n");
}

TEST(DetailsCsv, ReadsSpreadsheetsBadValuesAndForeignFiles) {
  const struct {
    const char* name;
    std::string bytes;
    DetailsFileState state;
    Records records;
    std::vector<std::size_t> badLines;
  } cases[] = {
      {"Windows-1250, commas, columns reordered and missing",
       "Ocena,Komu,Tytu\xB3 polski,Od,obejrzany,KT\xD3RY,Re\xBFyser,Do\r\n"
       "7,J\xF3zef,\xA3\xF3\x64\x9F,09.12.2026,TAK,2,\"Wajda, Andrzej\",\r\n"
       ",Ewa,\xA3\xF3\x64\x9F,1.2.2025,,2,,3.02.2025\r\n"
       ",,\xA3\xF3\x64\x9F,,x,,,\r\n",
       DetailsFileState::Read,
       {{{kLodz, 2},
         {std::nullopt,
          "Wajda, Andrzej",
          "",
          Watched::Yes,
          7,
          Loan{"J\xF3zef", kDay, {}},
          {{"Ewa", {2025, 2, 1}, Day{2025, 2, 3}}}}},
        {{kLodz, 1}, {std::nullopt, "", "", Watched::Yes, std::nullopt, std::nullopt, {}}}},
       {}},
      {"bad values left out, the rest kept",
       std::string(kHeader) + "A;;;;;1;1887;Re\xC5\xBCyser;;tak;11;;;\r\n"
                              "B;;;;;1;2000;;;;;Ola;2026-02-30;\r\n"
                              "C;;;;;x;;;;;5;;;\r\n"
                              "\r\n"
                              "B;;;;;;;;;;;Ola;2026-01-01;2026-13-01\r\n"
                              "C;;;;;;;;;;;Ola;;\r\n",
       DetailsFileState::Read,
       {{{{"A", "", "", "", ""}, 1}, {std::nullopt, "Re\xBFyser", "", Watched::Yes, {}, {}, {}}},
        {{{"B", "", "", "", ""}, 1}, {2000, "", "", Watched::No, {}, {}, {}}},
        {{{"C", "", "", "", ""}, 1}, {std::nullopt, "", "", Watched::No, 5, {}, {}}}},
       {2, 3, 4, 6, 7}},
      {"no file yet", "", DetailsFileState::Read, {}, {}},
      {"a list of films",
       "Tytu\xC5\x82 polski;Tytu\xC5\x82 oryginalny;Gatunek\r\nRejs;;\r\n",
       DetailsFileState::NotOurs,
       {},
       {}},
      {"no header", "Rejs;;;;;1;1970\r\n", DetailsFileState::NotOurs, {}, {}},
  };
  for (const auto& c : cases) {
    const DetailsRead read = ReadDetailsCsv(c.bytes);
    EXPECT_EQ(read.state, c.state) << c.name;
    EXPECT_EQ(read.records, c.records) << c.name;
    EXPECT_EQ(read.linesWithBadValues, c.badLines) << c.name;
  }
}

TEST(DetailsCsv, DaysAsWrittenAndCounted) {
  const struct {
    const char* text;
    std::optional<Day> day;
  } days[] = {{"2024-02-29", Day{2024, 2, 29}},
              {"9.12.2026", kDay},
              {"09.12.2026", kDay},
              {"2023-02-29", {}},
              {"2026-04-31", {}},
              {"31.04.2026", {}},
              {"0000-01-01", {}},
              {"2026-12-09 ", {}},
              {"12/09/2026", {}},
              {"29.02.2100", {}},
              {"9.12.26", {}},
              {"2026-1-09", {}}};
  for (const auto& d : days) EXPECT_EQ(ReadDay(d.text), d.day) << d.text;
  EXPECT_EQ(DayText({1, 2, 3}), "0001-02-03");
  EXPECT_EQ(DaysBetween({1900, 2, 28}, {1900, 3, 1}), 1);
  EXPECT_EQ(DaysBetween({2000, 2, 28}, {2000, 3, 1}), 2);
  EXPECT_EQ(DaysBetween(kDay, {2025, 12, 9}), -365);
}

TEST(DetailsCsv, KeysNameEachFilmAmongItsTwins) {
  const FilmEntry a{"A", "", "", "", ""}, b{"A", "", "", "", "DVD"}, gone{"B", "", "", "", ""};
  const FilmStore films = {a, b, a, a, b};
  const std::vector<FilmKey> keys = KeysOf(films);
  EXPECT_EQ(keys, std::vector<FilmKey>({{a, 1}, {b, 1}, {a, 2}, {a, 3}, {b, 2}}));
  EXPECT_EQ(FindFilms(films, keys), std::vector<int>({0, 1, 2, 3, 4}));
  EXPECT_EQ(FindFilms(films, {{b, 2}, {a, 4}, {gone, 1}, {a, 0}, {a, 1}}),
            std::vector<int>({4, -1, -1, -1, 0}));
}

}  // namespace
}  // namespace kadrion::core
