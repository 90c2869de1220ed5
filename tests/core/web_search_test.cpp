#include "core/web_search.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace kadrion::core {
namespace {

TEST(WebSearch, ConvertsWindows1250ToUtf8) {
  const struct {
    const char* cp1250;
    const char* utf8;
  } cases[] = {
      {"", ""},
      {"Matrix 2", "Matrix 2"},
      {"\xA5\xB9\xC6\xE6\xCA\xEA\xA3\xB3\xD1\xF1",
       "\xC4\x84\xC4\x85\xC4\x86\xC4\x87\xC4\x98\xC4\x99\xC5\x81\xC5\x82\xC5\x83\xC5\x84"},
      {"\xD3\xF3\x8C\x9C\x8F\x9F\xAF\xBF",
       "\xC3\x93\xC3\xB3\xC5\x9A\xC5\x9B\xC5\xB9\xC5\xBA\xC5\xBB\xC5\xBC"},
      {"\x80", "\xE2\x82\xAC"},                  // €
      {"\x84\x94", "\xE2\x80\x9E\xE2\x80\x9D"},  // „ ”
      {"\xA0", "\xC2\xA0"},
      {"\xFF", "\xCB\x99"},
      {"\x81", "\xC2\x81"},  // unused in Windows-1250
      // é á č ř Ú Š ť ő: Czech, Slovak and Hungarian letters beside the Polish ones.
      {"\xE9\xE1\xE8\xF8\xDA\x8A\x9D\xF5",
       "\xC3\xA9\xC3\xA1\xC4\x8D\xC5\x99\xC3\x9A\xC5\xA0\xC5\xA5\xC5\x91"},
  };
  for (const auto& c : cases) EXPECT_EQ(Cp1250ToUtf8(c.cp1250), c.utf8) << c.cp1250;
}

TEST(WebSearch, EveryHighByteIsADistinctCharacter) {
  std::set<unsigned> seen;
  for (int byte = 0x80; byte <= 0xFF; ++byte) {
    const std::string utf8 = Cp1250ToUtf8(std::string(1, static_cast<char>(byte)));
    ASSERT_GE(utf8.size(), 2u) << byte;
    const auto lead = static_cast<unsigned char>(utf8[0]);
    ASSERT_EQ(utf8.size(), lead >= 0xE0 ? 3u : 2u) << byte;
    unsigned code = lead & (utf8.size() == 2 ? 0x1Fu : 0x0Fu);
    for (std::size_t k = 1; k < utf8.size(); ++k) {
      const auto next = static_cast<unsigned char>(utf8[k]);
      ASSERT_EQ(next & 0xC0, 0x80) << byte;
      code = code << 6 | (next & 0x3F);
    }
    // No character in fewer bytes than it needs, none an ASCII one or a surrogate.
    EXPECT_GE(code, utf8.size() == 2 ? 0x80u : 0x800u) << byte;
    EXPECT_FALSE(code >= 0xD800 && code <= 0xDFFF) << byte;
    EXPECT_TRUE(seen.insert(code).second) << "byte " << byte << " repeats a character";
  }
}

TEST(WebSearch, AddressEncodesTheTextAsUtf8) {
  const struct {
    const char* text;
    const char* query;
  } cases[] = {
      {"", ""},
      {"Matrix", "Matrix"},
      {"Gwiezdne wojny", "Gwiezdne%20wojny"},
      {"Tom & Jerry", "Tom%20%26%20Jerry"},
      {"C#", "C%23"},
      {"1+1", "1%2B1"},
      {"a=b?c/d%", "a%3Db%3Fc%2Fd%25"},
      {"Ocean's 11", "Ocean%27s%2011"},
      {"x-y.z_~", "x-y.z_~"},
      {"\xA3\xF3\x64\x9F", "%C5%81%C3%B3d%C5%BA"},       // Łódź
      {"\xAF\xF3\xB3\xE6", "%C5%BB%C3%B3%C5%82%C4%87"},  // Żółć
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FilmDatabaseSearchAddress(c.text),
              "https://" + std::string(kFilmDatabaseHost) + "/szukaj?q=" + c.query + "+&c=film")
        << c.text;
  }
}

}  // namespace
}  // namespace kadrion::core
