#include "core/title_cleanup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kadrion::core {
namespace {

struct Case {
  std::string text;
  std::string clean;
};

void ExpectCleaned(const std::vector<Case>& cases) {
  for (const auto& c : cases) EXPECT_EQ(CleanTitle(c.text), c.clean) << '"' << c.text << '"';
}

std::string Repeat(std::string_view unit, std::size_t times) {
  std::string text;
  for (std::size_t k = 0; k < times; ++k) text += unit;
  return text;
}

TEST(CleanTitle, AppliesTheRowsInOrderEachUntilItNoLongerMatches) {
  const std::string t2(kSiteTag2);
  ExpectCleaned({
      {"A (Lektor PL)xB", "AB"},  // the character after the tag goes too
      {"Acd2xB", "AB"},
      {"A DVDRipxB", "A B"},  // the blank stays, the character after the tag goes
      {"A_-_B", "A B"},
      {"A    B", "A B"},
      {"A   B", "A B"},
      {"A  B", "A B"},
      {"Film.2004.DVDRip.XViD", "Film"},
      {"Matrix (Lektor PL).avi", "Matrixavi"},  // ".avi" lost its dot to the first row
      {"Matrix (Lektor PL)", "Matrix"},
      {"Film cd2.avi", "Film"},
      {"Film-cd2.avi", "Film-avi"},
      {"Filmcd2", "Film"},
      {"Film.cd2x", "Filmx"},  // ".cd2" comes before "cd2" and its extra character
      {"Film       Title", "Film Title"},
      {"Film DVDRip XViD", "Film"},
      {"Film DVDRip", "Film"},
      {"AxDVDRip DVDRipB", "AxDVDRipB"},  // cut from the first "DVDRip", then no " DVDRip" left
      {"Film.2004.DVDRip.XviD", "Film  XviD"},
      {"Film Dvdrip)", "Film)"},
      {"Film.Cd2", "Film"},
      {"Film.Cd1", "Film Cd1"},
      {"Film (" + t2 + ") 2", "Film 2"},
      {"Film 2006", "Film 2006"},
      {"Film 2000", "Film 2000"},
      {"Film (2004)", "Film"},
      {"Film [2004]", "Film"},
      {"Film (Xvid) PL", "Film"},
      {"Ad2007vdrip", "Advdrip"},  // "dvdrip" was looked for before the year went
      {"A---B", "A-B"},
      {"A--------B", "AB"},
      {"Adubdubbingbing", "A"},  // a cut can join a new match
      {"dubbindubbingg", ""},    // ... ending right after the cut
      {"xddubbingubbing", "x"},  // ... starting right before it
      {"Film   (Lektor PL)", "Film"},
      {"\xA3\xF3\x64\x9F DVDRip", "\xA3\xF3\x64\x9F"},
      {"Dvdrip", ""},
      {"", ""},
  });
}

TEST(CleanTitle, BlanksTheSixCharactersAndTrims) {
  ExpectCleaned({
      {"Mr. Bean", "Mr  Bean"},
      {"#1 Title", "1 Title"},
      {"VIDEO_TS", "VIDEO TS"},
      {"matrix.dvdrip", "matrix"},
      {"{a}/b#c_d.e", "a  b c d e"},
      {"._.", ""},
      {"   ", ""},
      {" Film ", "Film"},
      {"\tFilm\t", "\tFilm\t"},  // only blanks are trimmed
      {"Film:", "Film:"},
      {"C:\\Filmy\\x", "C:\\Filmy\\x"},
  });
}

TEST(CleanTitle, ReachesOnlyTheFirst493Characters) {
  const std::string a492(492, 'a');
  ExpectCleaned({
      {a492 + ".b.c", a492 + " b.c"},
      {a492 + "a.b", a492 + "a.b"},
      {"2007" + std::string(489, 'a') + ".x.y", std::string(489, 'a') + " x y"},  // after the table
      {" " + a492 + ".b", a492 + ".b"},  // a leading blank counts and is trimmed afterwards
      {a492 + "#_" + std::string(10, '.'), a492 + " _" + std::string(10, '.')},
  });
}

TEST(CleanTitle, DropsOnePairOfEnclosingQuotes) {
  ExpectCleaned({
      {"'Film'", "Film"},
      {"\"Film\"", "Film"},
      {"'Film'.", "Film"},
      {" 'Film' ", "Film"},
      {"' Film '", " Film "},  // nothing is trimmed inside the quotes
      {"''Film''", "'Film'"},
      {"'Rock'n'Roll'", "Rock'n'Roll"},
      {"'Film\"", "'Film\""},
      {"\"Film", "\"Film"},
      {"Ocean's", "Ocean's"},
      {"'", "'"},
      {"''", ""},
  });
}

TEST(CleanTitle, EndsAtALineBreak) {
  ExpectCleaned({
      {"Film\r\nDrugi", "Film"},
      {"Film.\nDrugi", "Film"},
      {"Film\rDrugi", "Film"},
      {"\r\nFilm", ""},
      {std::string("Film\0x", 6), "Film"},
  });
}

TEST(CleanTitle, LongTextsTakeOnePassPerRow) {
  ExpectCleaned({
      {std::string("A").append(200000, ' ') + "B", "A B"},
      {Repeat("x DVDRip", 30000), "x"},
      {Repeat("xDVDRip", 30000) + " DVDRip", "xDVDRip"},
      {std::string("A").append(Repeat("dub", 30000)) + "dubbing" + Repeat("bing", 30000), "A"},
      {Repeat("a   ", 30000), Repeat("a ", 29999) + "a"},
  });
}

}  // namespace
}  // namespace kadrion::core
