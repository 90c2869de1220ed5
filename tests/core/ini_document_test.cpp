#include "core/ini_document.h"

#include <gtest/gtest.h>

namespace kadrion {
namespace {

TEST(IniDocument, FindsValuesAsTheProfileFunctionsRead) {
  const IniDocument document(
      "; ustawienia\r\n[Ustawienia]\r\n  G\xF3ra =  -4  \r\nQ1=\"DVD\"\r\nQ2='x\"\r\nQ3=\"\r\n"
      "Pusty=\r\nBez r\xF3wna\r\n\xA3=1\r\nk=pierwszy\r\nK=drugi\r\n\n[ Okno ]\n1=1\n"
      "[ustawienia]\r\nPotem=2\r\n");
  const struct {
    const char* section;
    const char* key;
    std::optional<std::string> value;
  } cases[] = {
      {"Ustawienia", "G\xF3ra", "-4"},
      {" USTAWIENIA ", "g\xF3RA", "-4"},  // a-z folded, blanks around names ignored
      {"Ustawienia", "Q1", "DVD"},        // one pair of enclosing quotes goes
      {"Ustawienia", "Q2", "'x\""},
      {"Ustawienia", "Q3", "\""},
      {"Ustawienia", "Pusty", ""},
      {"Ustawienia", "Bez r\xF3wna", std::nullopt},  // a line without "=" is no key
      {"Ustawienia", "\xB3", std::nullopt},          // Ł and ł are different keys
      {"Ustawienia", "K", "pierwszy"},
      {"Okno", "1", "1"},
      {"Ustawienia", "Potem", std::nullopt},  // only the first section of a name is read
      {"Brak", "1", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(document.Find(c.section, c.key), c.value) << c.section << " / " << c.key;
}

TEST(IniDocument, AWriteChangesOnlyItsKeysLine) {
  const struct {
    std::string text;
    const char* section;
    const char* key;
    const char* value;
    std::string written;  // the same text when nothing changed
  } cases[] = {
      {"", "Okno", "1", "0", "[Okno]\r\n1=0\r\n"},
      {"; c\r\n[a]\r\nx=1\r\n\r\n[b]\r\nz=2\r\n", "a", "y", "2",
       "; c\r\n[a]\r\nx=1\r\ny=2\r\n\r\n[b]\r\nz=2\r\n"},
      {"[a]\n  X = 1 \n;x\n", "a", "x", "3", "[a]\nX=3\n;x\n"},
      {"[a]\r\nx= 1 \r\n", "a", "X", "1", "[a]\r\nx= 1 \r\n"},
      {"[a]\r\nx=1", "a", "y", "2", "[a]\r\nx=1\r\ny=2\r\n"},
      {"[a]\r\nx=1", "b", "y", "2", "[a]\r\nx=1\r\n[b]\r\ny=2\r\n"},
      {"", "a", "y", " v \r\n[b]\r\nz=1", "[a]\r\ny=v\r\n"},  // a value stays one line
      {"[a]\r\n[b]\r\n[a]\r\nx=1\r\n", "a", "x", "2", "[a]\r\nx=2\r\n[b]\r\n[a]\r\nx=1\r\n"},
  };
  for (const auto& c : cases) {
    IniDocument document(c.text);
    EXPECT_EQ(document.Set(c.section, c.key, c.value), c.written != c.text) << c.text;
    EXPECT_EQ(document.Text(), c.written) << c.text;
  }
}

}  // namespace
}  // namespace kadrion
